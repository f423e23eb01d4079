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
#include "app/qt/vellumar_tab_widget.h"
#include "pages/page_services.h"
#include "pages/property_sheet.h"

namespace vellumar {

PropertySheetTaskMenu::PropertySheetTaskMenu(QWidget* widget, QObject* parent)
    : QObject(parent), widget_(widget), edit_(new QAction(QStringLiteral("Eigenschaften…"), this)) {
  connect(edit_, &QAction::triggered, this, &PropertySheetTaskMenu::Edit);
}

void PropertySheetTaskMenu::Edit() {
  if (!widget_) return;
  VellumarTabStrip* strip = qobject_cast<VellumarTabStrip*>(widget_);
  auto* tabs = qobject_cast<VellumarTabWidget*>(widget_);
  if (tabs != nullptr) strip = tabs->tabBar();
  if (strip == nullptr) return;
  QDesignerFormWindowInterface* form = QDesignerFormWindowInterface::findFormWindow(widget_);
  FormPropertyEdit edit(*widget_, tabs);
  QtPageServices services;
  QWidget* parent = form != nullptr ? form->core()->topLevel() : widget_->window();
  ShowPropertySheet({&strip->control()}, services.services(), parent);
  if (widget_) edit.Commit(form);
}

}  // namespace vellumar
