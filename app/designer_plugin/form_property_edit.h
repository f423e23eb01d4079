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

class VellumarTabWidget;

class FormPropertyEdit {
 public:
  // Remembers widget's stored properties, and for a tab widget (tabs, else null) its tab list and its
  // pages' titles.
  FormPropertyEdit(QWidget& widget, VellumarTabWidget* tabs);

  // What changed since construction: restored on the widget, then assigned through form's cursor as one
  // command. Without a form the changes simply stay.
  void Commit(QDesignerFormWindowInterface* form);

 private:
  struct Value {
    QString name;
    QVariant before;
  };

  QPointer<QWidget> widget_;
  QPointer<VellumarTabWidget> tabs_;
  std::vector<Value> values_;
  QStringList tab_list_;  // the tab widget's strip as "caption|width" entries
};

// The properties of widget's own class and its bases below QWidget that a form stores.
QStringList StoredProperties(const QObject& widget);

}  // namespace vellumar
