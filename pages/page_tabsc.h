// TabsC ("Copyright / Info"): three pictures of the control, the maker's notice and the button that opens
// the about box. It edits nothing, so it never becomes changed.
#pragma once

#include "pages/property_page.h"

namespace vellumar {

class PageTabsC final : public PropertyPage {
  Q_OBJECT

 public:
  explicit PageTabsC(PageServices services, QWidget* parent = nullptr);

  void SelectionChanged() override {}
  void ApplyChanges() override {}

  // btnInfo: the about box, modally; its errors reach the caller.
  void InfoClicked();
};

}  // namespace vellumar
