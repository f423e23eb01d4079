// What the tab strip needs of Designer beyond its properties: the control's own property sheet in its
// context menu. The tab widget, a QTabWidget, gets all it needs from Designer's own QTabWidget support.
#pragma once

#include <QtDesigner/QExtensionFactory>

class QDesignerFormEditorInterface;

namespace vellumar {

class ExtensionFactory final : public QExtensionFactory {
  Q_OBJECT

 public:
  explicit ExtensionFactory(QExtensionManager* parent);

 protected:
  // A task menu for a VellumarTabStrip; null otherwise.
  QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;
};

// Registers one ExtensionFactory with core's extension manager, for task menus.
void RegisterExtensions(QDesignerFormEditorInterface* core);

}  // namespace vellumar
