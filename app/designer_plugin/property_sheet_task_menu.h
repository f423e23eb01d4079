// The context-menu entry that opens the control's own property sheet (Allgemein, Registerblätter,
// Schriftart, Farben) on a tab strip or tab widget of a form. What the sheet changed is written back
// through the form's property commands, so that it can be undone and is saved with the form.
#pragma once

#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtDesigner/QDesignerTaskMenuExtension>

class QAction;

namespace vellumar {

class PropertySheetTaskMenu final : public QObject, public QDesignerTaskMenuExtension {
  Q_OBJECT
  Q_INTERFACES(QDesignerTaskMenuExtension)

 public:
  // widget: a VellumarTabStrip or VellumarTabWidget.
  PropertySheetTaskMenu(QWidget* widget, QObject* parent);

  QAction* preferredEditAction() const override { return edit_; }
  QList<QAction*> taskActions() const override { return {edit_}; }

 private:
  void Edit();

  QPointer<QWidget> widget_;
  QAction* edit_;  // owned by this object
};

}  // namespace vellumar
