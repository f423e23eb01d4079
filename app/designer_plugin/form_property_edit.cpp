#include "app/designer_plugin/form_property_edit.h"

#include <QtCore/QMetaProperty>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtWidgets/QWidget>

namespace vellumar {

QStringList StoredProperties(const QObject& widget) {
  QStringList names;
  const QMetaObject* meta = widget.metaObject();
  for (int i = QWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
    const QMetaProperty property = meta->property(i);
    if (property.isWritable() && property.isStored() && property.isDesignable()) {
      names.append(QString::fromLatin1(property.name()));
    }
  }
  return names;
}

FormPropertyEdit::FormPropertyEdit(QWidget& widget) : widget_(&widget) {
  for (const QString& name : StoredProperties(widget)) {
    values_.push_back(Value{name, widget.property(name.toLatin1().constData())});
  }
}

void FormPropertyEdit::Commit(QDesignerFormWindowInterface* form) {
  if (!widget_ || form == nullptr) return;
  QDesignerFormWindowCursorInterface* cursor = form->cursor();
  std::vector<std::pair<QString, QVariant>> changes;
  for (const Value& value : values_) {
    const QByteArray name = value.name.toLatin1();
    const QVariant after = widget_->property(name.constData());
    if (after == value.before) continue;
    widget_->setProperty(name.constData(), value.before);
    changes.emplace_back(value.name, after);
  }
  if (changes.empty()) return;
  form->beginCommand(QStringLiteral("Eigenschaften"));
  for (const auto& [name, value] : changes) cursor->setWidgetProperty(widget_, name, value);
  form->endCommand();
}

}  // namespace vellumar
