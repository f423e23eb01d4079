// The Designer plugin as Designer meets it: loaded from its file with QPluginLoader, it offers the tab strip
// and the tab widget, names the header a form includes, gives Designer well-formed widget-box entries, and
// creates widgets whose properties Designer reads and writes through the meta-object system alone.
#include <gtest/gtest.h>

#include <QtCore/QMetaEnum>
#include <QtCore/QPluginLoader>
#include <QtCore/QXmlStreamReader>
#include <QtGui/QColor>
#include <QtGui/QFont>
#include <QtGui/QImage>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <QtWidgets/QTabWidget>
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
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(instance);
    ASSERT_NE(collection, nullptr);
    widgets_ = collection->customWidgets();
    ASSERT_EQ(widgets_.size(), 2);
    plugin_ = widgets_[0];
  }

  QPluginLoader loader_;
  QList<QDesignerCustomWidgetInterface*> widgets_;
  QDesignerCustomWidgetInterface* plugin_ = nullptr;  // the tab strip
};

// The class of the outermost widget of a widget-box entry, the class it extends and the add-page method it
// declares.
struct DomXml {
  QString widget_class;
  QString extends;
  QString add_page_method;
  int pages = 0;
  bool error = false;
};

DomXml ReadDomXml(const QString& text) {
  DomXml dom;
  QXmlStreamReader xml(text);
  int depth = 0;
  while (!xml.atEnd()) {
    const QXmlStreamReader::TokenType token = xml.readNext();
    if (token == QXmlStreamReader::StartElement && xml.name() == u"widget") {
      if (depth++ == 0)
        dom.widget_class = xml.attributes().value(QLatin1StringView("class")).toString();
      else if (depth == 2)
        ++dom.pages;
    } else if (token == QXmlStreamReader::EndElement && xml.name() == u"widget") {
      --depth;
    } else if (token == QXmlStreamReader::StartElement && xml.name() == u"extends") {
      dom.extends = xml.readElementText();
    } else if (token == QXmlStreamReader::StartElement && xml.name() == u"addpagemethod") {
      dom.add_page_method = xml.readElementText();
    }
  }
  dom.error = xml.hasError();
  return dom;
}

TEST_F(DesignerPluginTest, DescribesBothWidgetsForTheWidgetBoxAndUic) {
  struct Expected {
    const char* name;
    const char* include;
    bool container;
    const char* extends;
    int pages;
  };
  // The tab widget declares no add-page method: uic would call it with the page alone.
  const Expected expected[] = {
      {"vellumar::VellumarTabStrip", "VellumarTabStrip", false, "", 0},
      {"vellumar::VellumarTabWidget", "VellumarTabWidget", true, "QTabWidget", 2},
  };
  QImage first_icon;
  for (int i = 0; i < 2; ++i) {
    QDesignerCustomWidgetInterface* widget = widgets_[i];
    const Expected& e = expected[i];
    EXPECT_EQ(widget->name(), e.name);
    EXPECT_EQ(widget->includeFile(), e.include);
    EXPECT_EQ(widget->group(), "Vellumar");
    EXPECT_EQ(widget->isContainer(), e.container);
    EXPECT_FALSE(widget->toolTip().isEmpty());
    const QImage icon = widget->icon().pixmap(22, 22).toImage();
    EXPECT_FALSE(icon.isNull());
    EXPECT_NE(icon, first_icon) << "each widget has an icon of its own";
    first_icon = icon;
    widget->initialize(nullptr);
    EXPECT_TRUE(widget->isInitialized());

    const DomXml dom = ReadDomXml(widget->domXml());
    EXPECT_FALSE(dom.error) << e.name;
    EXPECT_EQ(dom.widget_class, widget->name());
    EXPECT_EQ(dom.extends, e.extends);
    EXPECT_EQ(dom.add_page_method, "");
    EXPECT_EQ(dom.pages, e.pages);
  }
}

TEST_F(DesignerPluginTest, CreatesATabWidgetThatIsAQTabWidget) {
  QWidget form;
  auto* tabs = qobject_cast<QTabWidget*>(widgets_[1]->createWidget(&form));
  ASSERT_NE(tabs, nullptr);
  EXPECT_EQ(tabs->parent(), &form);
  EXPECT_EQ(tabs->count(), 0);
  for (const char* title : {"&Kunden", "&Rechnungen"}) tabs->addTab(new QWidget, QString::fromUtf8(title));
  EXPECT_TRUE(tabs->setProperty("currentIndex", 1));
  EXPECT_EQ(tabs->tabText(tabs->currentIndex()), "&Rechnungen");
  EXPECT_TRUE(tabs->setProperty("alignment", QStringLiteral("Bottom")));
  EXPECT_EQ(tabs->tabPosition(), QTabWidget::South);
  EXPECT_TRUE(tabs->setProperty("backColor", QColor(236, 244, 252)));
  EXPECT_EQ(tabs->property("backColor").value<QColor>(), QColor(236, 244, 252));
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
