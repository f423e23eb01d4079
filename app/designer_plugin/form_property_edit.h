// An edit of a form's widget made behind Designer's back (by the control's property sheet) turned into
// Designer's own property commands: what changed is put back as it was and then assigned again through the
// form's cursor, in one undoable step that the saved form holds.
#pragma once

#include <QtCore/QList>
#include <QtCore/QPointer>
#include <QtCore/QStringList>
#include <QtCore/QVariant>
#include <vector>

class QDesignerFormWindowInterface;
class QWidget;

namespace vellumar {

class FormPropertyEdit {
 public:
  // Remembers widget's stored properties.
  explicit FormPropertyEdit(QWidget& widget);

  // What changed since construction: restored on the widget, then assigned through form's cursor as one
  // command. Without a form the changes simply stay.
  void Commit(QDesignerFormWindowInterface* form);

 private:
  struct Value {
    QString name;
    QVariant before;
  };

  QPointer<QWidget> widget_;
  std::vector<Value> values_;
};

// The properties of widget's own class and its bases below QWidget that a form stores.
QStringList StoredProperties(const QObject& widget);

}  // namespace vellumar
