#include "app/designer_plugin/property_sheet_task_menu.h"

#include <QtCore/QMetaProperty>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtGui/QAction>
#include <utility>
#include <vector>

#include "app/designer_plugin/form_property_edit.h"
#include "app/qt/vellumar_tab_strip.h"
#include "pages/page_services.h"
#include "pages/property_sheet.h"

namespace vellumar {

PropertySheetTaskMenu::PropertySheetTaskMenu(VellumarTabStrip* strip, QObject* parent)
    : QObject(parent), strip_(strip), edit_(new QAction(QStringLiteral("Eigenschaften…"), this)) {
  connect(edit_, &QAction::triggered, this, &PropertySheetTaskMenu::Edit);
}

void PropertySheetTaskMenu::Edit() {
  if (!strip_) return;
  QDesignerFormWindowInterface* form = QDesignerFormWindowInterface::findFormWindow(strip_);
  FormPropertyEdit edit(*strip_);
  QtPageServices services;
  QWidget* parent = form != nullptr ? form->core()->topLevel() : strip_->window();
  ShowPropertySheet({&strip_->control()}, services.services(), parent);
  if (strip_) edit.Commit(form);
}

}  // namespace vellumar
