// The Designer plugin as Designer meets it: loaded from its file with QPluginLoader, it names the widget and
// the header a form includes, gives Designer a well-formed widget-box entry, and creates tab strips whose
// properties Designer reads and writes through the meta-object system alone.
#include <gtest/gtest.h>

#include <QtCore/QMetaEnum>
#include <QtCore/QPluginLoader>
#include <QtCore/QXmlStreamReader>
#include <QtGui/QColor>
#include <QtGui/QFont>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <QtWidgets/QWidget>

#include "../qt/qt_test_app.h"

namespace {

class DesignerPluginTest : public ::testing::Test {
 protected:
  void SetUp() override {
    loader_.setFileName(QStringLiteral(VELLUMAR_DESIGNER_PLUGIN));
    // Designer never unloads its plugins; the plugin's accessibility factory stays installed as long as
    // the application runs.
    loader_.setLoadHints(QLibrary::PreventUnloadHint);
    QObject* instance = loader_.instance();
    ASSERT_NE(instance, nullptr) << loader_.errorString().toStdString();
    plugin_ = qobject_cast<QDesignerCustomWidgetInterface*>(instance);
    ASSERT_NE(plugin_, nullptr);
  }

  QPluginLoader loader_;
  QDesignerCustomWidgetInterface* plugin_ = nullptr;
};

TEST_F(DesignerPluginTest, DescribesTheTabStripForTheWidgetBoxAndUic) {
  EXPECT_EQ(plugin_->name(), "vellumar::VellumarTabStrip");
  EXPECT_EQ(plugin_->includeFile(), "app/qt/vellumar_tab_strip.h");
  EXPECT_EQ(plugin_->group(), "Vellumar");
  EXPECT_FALSE(plugin_->isContainer());
  EXPECT_FALSE(plugin_->icon().isNull());
  EXPECT_FALSE(plugin_->toolTip().isEmpty());
  plugin_->initialize(nullptr);
  EXPECT_TRUE(plugin_->isInitialized());

  QXmlStreamReader xml(plugin_->domXml());
  QString widget_class;
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"widget") {
      widget_class = xml.attributes().value(QLatin1StringView("class")).toString();
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_EQ(widget_class, plugin_->name());
}

TEST_F(DesignerPluginTest, CreatesATabStripWhosePropertiesDesignerEdits) {
  QWidget form;
  QWidget* strip = plugin_->createWidget(&form);
  ASSERT_NE(strip, nullptr);
  EXPECT_EQ(strip->parent(), &form);
  EXPECT_STREQ(strip->metaObject()->className(), "vellumar::VellumarTabStrip");
  EXPECT_TRUE(strip->inherits("vellumar::VellumarWidget"));

  EXPECT_EQ(strip->property("tabs").toStringList(), QStringList{"Register|60"}) << "a new control";
  const QStringList tabs{"&Kunden|84", "&Rechnungen|84", "Caption | with bars|72"};
  EXPECT_TRUE(strip->setProperty("tabs", tabs));
  EXPECT_EQ(strip->property("tabs").toStringList(), tabs);
  EXPECT_TRUE(strip->setProperty("selectedTab", 3));
  EXPECT_EQ(strip->property("selectedTab").toInt(), 3);

  const QMetaObject* meta = strip->metaObject();
  const QMetaProperty alignment = meta->property(meta->indexOfProperty("alignment"));
  ASSERT_TRUE(alignment.isEnumType());
  EXPECT_STREQ(alignment.enumerator().valueToKey(1), "Bottom");
  EXPECT_TRUE(alignment.write(strip, QStringLiteral("Bottom")));
  EXPECT_EQ(alignment.read(strip).toInt(), 1);

  EXPECT_TRUE(strip->setProperty("backColor", QColor(236, 244, 252)));
  EXPECT_EQ(strip->property("backColor").value<QColor>(), QColor(236, 244, 252));
  EXPECT_TRUE(strip->property("foreColor").value<QColor>().isValid()) << "a system colour reads as RGB";

  QFont font(QStringLiteral("Tahoma"));
  font.setPointSize(10);
  font.setBold(true);
  EXPECT_TRUE(strip->setProperty("captionFont", font));
  const QFont read = strip->property("captionFont").value<QFont>();
  EXPECT_EQ(read.family(), "Tahoma");
  EXPECT_EQ(read.pointSize(), 10);
  EXPECT_TRUE(read.bold());
}

}  // namespace
