#include "app/designer_plugin/form_property_edit.h"

#include <QtCore/QMetaProperty>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtWidgets/QWidget>

#include "app/qt/vellumar_tab_strip.h"
#include "app/qt/vellumar_tab_widget.h"

namespace vellumar {
namespace {

const QString kTitle = QStringLiteral("windowTitle");

}  // namespace

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

FormPropertyEdit::FormPropertyEdit(QWidget& widget, VellumarTabWidget* tabs) : widget_(&widget), tabs_(tabs) {
  for (const QString& name : StoredProperties(widget)) {
    values_.push_back(Value{name, widget.property(name.toLatin1().constData())});
  }
  if (tabs != nullptr) tab_list_ = tabs->tabBar()->tabs();
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
  // A tab widget's captions are its pages' titles; its tab list itself is not part of the form.
  std::vector<std::pair<QWidget*, QString>> titles;
  if (tabs_) {
    for (int i = 0; i < tabs_->count(); ++i) {
      QWidget* page = tabs_->widget(i);
      const QString caption = tabs_->tabText(i);
      if (page != nullptr && caption != page->windowTitle()) titles.emplace_back(page, caption);
    }
    tabs_->tabBar()->setTabs(tab_list_);
  }
  if (changes.empty() && titles.empty()) return;
  form->beginCommand(QStringLiteral("Eigenschaften"));
  for (const auto& [name, value] : changes) cursor->setWidgetProperty(widget_, name, value);
  for (const auto& [page, title] : titles) cursor->setWidgetProperty(page, kTitle, title);
  form->endCommand();
}

}  // namespace vellumar
