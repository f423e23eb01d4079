// What the widgets need of Designer beyond their properties: the control's own property sheet in their
// context menus. The tab widget, a QTabWidget, gets its pages from Designer's own QTabWidget support.
#pragma once

#include <QtDesigner/QExtensionFactory>

class QDesignerFormEditorInterface;

namespace vellumar {

class ExtensionFactory final : public QExtensionFactory {
  Q_OBJECT

 public:
  explicit ExtensionFactory(QExtensionManager* parent);

 protected:
  // A task menu for a VellumarTabStrip or VellumarTabWidget; null otherwise.
  QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;
};

// Registers one ExtensionFactory with core's extension manager, for task menus.
void RegisterExtensions(QDesignerFormEditorInterface* core);

}  // namespace vellumar
