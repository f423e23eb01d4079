// Choosing an RGB colour, behind an interface so that tests answer the dialog.
#pragma once

#include <optional>
#include <string>

#include "platform/ole_color.h"

namespace vellumar {

class ColorDialogService {
 public:
  virtual ~ColorDialogService() = default;
  // The chosen colour as 0x00BBGGRR, or nothing when the user cancelled.
  virtual std::optional<ColorRef> ChooseColor(ColorRef initial, const std::string& title) = 0;
};

// QColorDialog over the active window.
class QtColorDialog final : public ColorDialogService {
 public:
  std::optional<ColorRef> ChooseColor(ColorRef initial, const std::string& title) override;
};

}  // namespace vellumar
