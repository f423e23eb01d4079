#include "app/designer_plugin/extension_factory.h"

#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionManager>

#include "app/designer_plugin/property_sheet_task_menu.h"
#include "app/qt/vellumar_tab_strip.h"
#include "app/qt/vellumar_tab_widget.h"
#include "pages/dialog_fonts.h"

namespace vellumar {

ExtensionFactory::ExtensionFactory(QExtensionManager* parent) : QExtensionFactory(parent) {}

QObject* ExtensionFactory::createExtension(QObject* object, const QString& iid, QObject* parent) const {
  if (iid == Q_TYPEID(QDesignerTaskMenuExtension) && (qobject_cast<VellumarTabStrip*>(object) != nullptr ||
                                                      qobject_cast<VellumarTabWidget*>(object) != nullptr)) {
    return new PropertySheetTaskMenu(static_cast<QWidget*>(object), parent);
  }
  return nullptr;
}

void RegisterExtensions(QDesignerFormEditorInterface* core) {
  // The property sheet's pages add the old dialog fonts to Qt's font database when they are first made.
  // Designer answers a change of the database by assigning the font properties of the widgets on its forms
  // again, with families it picks itself; so the fonts are added now, before any form is open.
  DialogFont();
  QExtensionManager* manager = core->extensionManager();
  if (manager == nullptr) return;
  // The manager owns the factory (its parent).
  manager->registerExtensions(new ExtensionFactory(manager), Q_TYPEID(QDesignerTaskMenuExtension));
}

}  // namespace vellumar
