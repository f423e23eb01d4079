#include "app/designer_plugin/vellumar_designer_plugin.h"

#include <QtCore/QTimer>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerWidgetDataBaseInterface>
#include <QtDesigner/QExtensionManager>
#include <memory>

#include "app/designer_plugin/extension_factory.h"
#include "app/designer_plugin/plugin_icons.h"
#include "app/designer_plugin/widget_plugin.h"
#include "app/qt/vellumar_tab_strip.h"
#include "app/qt/vellumar_tab_widget.h"

namespace vellumar {
namespace {

QString ClassName(const QMetaObject& meta) {
  return QString::fromLatin1(meta.className());
}

WidgetDescription TabStripDescription() {
  const QString name = ClassName(VellumarTabStrip::staticMetaObject);
  return WidgetDescription{
      name,
      QStringLiteral("VellumarTabStrip"),
      QStringLiteral("Vellumar tab strip (XP style)"),
      QStringLiteral(
          "A tab strip in the Windows XP look. Edit its tabs as \"caption|width\" lines in the tabs "
          "property (\"&\" marks an access key) and react to tabPressed."),
      StripPluginIcon(),
      false,
      QStringLiteral("<ui language=\"c++\">\n"
                     " <widget class=\"%1\" name=\"tabStrip\">\n"
                     "  <property name=\"geometry\">\n"
                     "   <rect><x>0</x><y>0</y><width>300</width><height>200</height></rect>\n"
                     "  </property>\n"
                     " </widget>\n"
                     "</ui>\n")
          .arg(name),
      [](QWidget* parent) { return std::make_unique<VellumarTabStrip>(parent).release(); },
      {}};
}

// Designer promotes a QTabWidget only to classes it holds as promoted ones, and refuses a name it already
// knows: the tab widget's entry is marked as a QTabWidget promoted, so that "Promote to" offers it. Designer
// still makes the widget through this plugin, which it asks first for any class. The entry may come after
// the plugin is initialised, then it is marked once Designer's start-up is done.
void OfferForPromotion(QDesignerFormEditorInterface* core, const QString& name, bool again) {
  QDesignerWidgetDataBaseInterface* classes = core->widgetDataBase();
  const int index = classes != nullptr ? classes->indexOfClassName(name) : -1;
  if (index < 0) {
    if (again) QTimer::singleShot(0, core, [core, name] { OfferForPromotion(core, name, false); });
    return;
  }
  QDesignerWidgetDataBaseItemInterface* item = classes->item(index);
  item->setExtends(QStringLiteral("QTabWidget"));
  item->setPromoted(true);
}

// A new tab widget is Designer's own new QTabWidget: two pages titled through the title attribute, which uic
// and QUiLoader turn into tab texts. Declared as extending QTabWidget, it gets Designer's page commands, tab
// switching and tab properties, uic's and QUiLoader's page code, and Designer's promotion from QTabWidget. It
// declares no add-page method: uic would call that with the page alone, which QTabWidget has no method for.
WidgetDescription TabWidgetDescription() {
  const QString name = ClassName(VellumarTabWidget::staticMetaObject);
  return WidgetDescription{
      name,
      QStringLiteral("VellumarTabWidget"),
      QStringLiteral("Vellumar tab widget (XP style) with pages"),
      QStringLiteral(
          "A QTabWidget in the Windows XP look: drop widgets on its pages, add pages from the context menu "
          "and name the current one with currentTabText (\"&\" marks an access key)."),
      TabWidgetPluginIcon(),
      true,
      QStringLiteral("<ui language=\"c++\">\n"
                     " <widget class=\"%1\" name=\"tabWidget\">\n"
                     "  <property name=\"geometry\">\n"
                     "   <rect><x>0</x><y>0</y><width>320</width><height>220</height></rect>\n"
                     "  </property>\n"
                     "  <widget class=\"QWidget\" name=\"tab\">\n"
                     "   <attribute name=\"title\"><string>Register 1</string></attribute>\n"
                     "  </widget>\n"
                     "  <widget class=\"QWidget\" name=\"tab_2\">\n"
                     "   <attribute name=\"title\"><string>Register 2</string></attribute>\n"
                     "  </widget>\n"
                     " </widget>\n"
                     " <customwidgets>\n"
                     "  <customwidget>\n"
                     "   <class>%1</class>\n"
                     "   <extends>QTabWidget</extends>\n"
                     "  </customwidget>\n"
                     " </customwidgets>\n"
                     "</ui>\n")
          .arg(name),
      [](QWidget* parent) { return new VellumarTabWidget(parent); },
      [name](QDesignerFormEditorInterface* core) {
        RegisterExtensions(core);
        OfferForPromotion(core, name, true);
      }};
}

}  // namespace

VellumarDesignerPlugin::VellumarDesignerPlugin(QObject* parent) : QObject(parent) {
  // Parent-owned, as Designer expects of the interfaces a collection hands out.
  widgets_.append(new WidgetPlugin(TabStripDescription(), this));
  widgets_.append(new WidgetPlugin(TabWidgetDescription(), this));
}

}  // namespace vellumar
