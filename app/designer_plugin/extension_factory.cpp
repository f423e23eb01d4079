#include "app/designer_plugin/extension_factory.h"

#include <QtDesigner/QDesignerContainerExtension>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerPropertySheetExtension>
#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionManager>

#include "app/designer_plugin/property_sheet_task_menu.h"
#include "app/designer_plugin/tab_widget_container.h"
#include "app/qt/vellumar_tab_strip.h"
#include "app/qt/vellumar_tab_widget.h"
#include "pages/dialog_fonts.h"

namespace vellumar {

ExtensionFactory::ExtensionFactory(QExtensionManager* parent) : QExtensionFactory(parent) {}

QObject* ExtensionFactory::createExtension(QObject* object, const QString& iid, QObject* parent) const {
  auto* tab_widget = qobject_cast<VellumarTabWidget*>(object);
  if (iid == Q_TYPEID(QDesignerContainerExtension) && tab_widget != nullptr) {
    return new TabWidgetContainer(tab_widget, parent);
  }
  if (iid == Q_TYPEID(QDesignerTaskMenuExtension) &&
      (tab_widget != nullptr || qobject_cast<VellumarTabStrip*>(object) != nullptr)) {
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
  // The manager owns the factory (its parent) and asks it for both kinds of extension.
  auto* factory = new ExtensionFactory(manager);
  manager->registerExtensions(factory, Q_TYPEID(QDesignerContainerExtension));
  manager->registerExtensions(factory, Q_TYPEID(QDesignerTaskMenuExtension));
}

QWidget* CreateDesignerTabWidget(QWidget* parent) {
  auto* tabs = new VellumarTabWidget(parent);
  QObject::connect(tabs, &VellumarTabWidget::currentTabTextChanged, tabs,
                   [tabs] { MarkTitleChanged(tabs->currentWidget()); });
  return tabs;
}

void MarkTitleChanged(QWidget* page) {
  QDesignerFormWindowInterface* form =
      page != nullptr ? QDesignerFormWindowInterface::findFormWindow(page) : nullptr;
  if (form == nullptr) return;
  auto* sheet = qt_extension<QDesignerPropertySheetExtension*>(form->core()->extensionManager(), page);
  if (sheet == nullptr) return;
  const int index = sheet->indexOf(QStringLiteral("windowTitle"));
  if (index >= 0) sheet->setChanged(index, true);
}

}  // namespace vellumar
