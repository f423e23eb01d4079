#include "app/designer_plugin/property_sheet_task_menu.h"

#include <QtCore/QMetaProperty>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtGui/QAction>
#include <memory>
#include <utility>
#include <vector>

#include "app/designer_plugin/form_property_edit.h"
#include "app/qt/vellumar_tab_strip.h"
#include "app/qt/vellumar_tab_widget.h"
#include "pages/page_services.h"
#include "pages/property_sheet.h"

namespace vellumar {

namespace {

// Gives to the look properties of the tab widget's own (tabHeight, captionFont, the colours, alignment) that
// from holds, where they differ; enumerations by value, as the two classes name theirs apart.
void CopyLook(const QObject& from, QObject& to) {
  const QMetaObject& meta = VellumarTabWidget::staticMetaObject;
  for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
    const QMetaProperty property = meta.property(i);
    QVariant value = from.property(property.name());
    if (!value.isValid()) continue;
    if (property.isEnumType()) value = value.toInt();
    const QVariant current = to.property(property.name());
    if ((property.isEnumType() ? QVariant(current.toInt()) : current) != value)
      to.setProperty(property.name(), value);
  }
}

}  // namespace

PropertySheetTaskMenu::PropertySheetTaskMenu(QWidget* widget, QObject* parent)
    : QObject(parent), widget_(widget), edit_(new QAction(QStringLiteral("Eigenschaften…"), this)) {
  connect(edit_, &QAction::triggered, this, &PropertySheetTaskMenu::Edit);
}

void PropertySheetTaskMenu::Edit() {
  if (!widget_) return;
  QDesignerFormWindowInterface* form = QDesignerFormWindowInterface::findFormWindow(widget_);
  FormPropertyEdit edit(*widget_);
  // A tab widget has no control of its own: the sheet edits a strip that stands in for it, whose look the
  // tab widget then takes over.
  auto* strip = qobject_cast<VellumarTabStrip*>(widget_);
  std::unique_ptr<VellumarTabStrip> stand_in;
  if (strip == nullptr) {
    stand_in = std::make_unique<VellumarTabStrip>();
    CopyLook(*widget_, *stand_in);
    strip = stand_in.get();
  }
  QtPageServices services;
  QWidget* parent = form != nullptr ? form->core()->topLevel() : widget_->window();
  ShowPropertySheet({&strip->control()}, services.services(), parent);
  if (!widget_) return;
  if (stand_in) CopyLook(*stand_in, *widget_);
  edit.Commit(form);
}

}  // namespace vellumar
