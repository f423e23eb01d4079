// What the widgets need of Designer beyond their properties: the tab widget's pages as a container, the
// control's own property sheet in both widgets' context menus, and tab captions that a form saves.
#pragma once

#include <QtDesigner/QExtensionFactory>

class QDesignerFormEditorInterface;
class QWidget;

namespace vellumar {

class ExtensionFactory final : public QExtensionFactory {
  Q_OBJECT

 public:
  explicit ExtensionFactory(QExtensionManager* parent);

 protected:
  // A container for a VellumarTabWidget, a task menu for it and for a VellumarTabStrip; null otherwise.
  QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;
};

// Registers one ExtensionFactory with core's extension manager, for containers and task menus.
void RegisterExtensions(QDesignerFormEditorInterface* core);

// A VellumarTabWidget owned by parent, whose caption edits a form saves as its pages' window titles.
QWidget* CreateDesignerTabWidget(QWidget* parent);

// Tells page's form that its window title is to be saved (an edit made outside the property editor).
void MarkTitleChanged(QWidget* page);

}  // namespace vellumar
