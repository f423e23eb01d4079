// VellumarTabStrip's Qt properties as Designer and uic use them: the tabs list text, rebuilding the tab list
// through the control, a selection that arrives before its tabs, colours and the caption font.
#include <gtest/gtest.h>

#include <QtGui/QPixmap>
#include <QtTest/QSignalSpy>
#include <random>
#include <vector>

#include "app/qt/tab_entry_text.h"
#include "app/qt/vellumar_tab_strip.h"
#include "control/vellumar.h"
#include "qt_test_app.h"

namespace vellumar {
namespace {

TEST(TabEntryText, SplitsAtTheLastBarBeforeAWholeNumber) {
  struct Case {
    QString text;
    QString caption;
    int32_t width;
  };
  const std::vector<Case> cases = {
      {"&Kunden|84", "&Kunden", 84},
      {"A|B|-5", "A|B", -5},
      {"Ohne Breite", "Ohne Breite", 60},
      {"Leer|", "Leer|", 60},
      {"Zahl|8x", "Zahl|8x", 60},
      {"Zu groß|99999999999", "Zu groß|99999999999", 60},
      {"|0", "", 0},
      {"", "", 60},
  };
  for (const Case& c : cases) {
    const TabEntry entry = ParseTabEntry(c.text);
    EXPECT_EQ(entry.caption, c.caption) << c.text.toStdString();
    EXPECT_EQ(entry.width, c.width) << c.text.toStdString();
    const TabEntry again = ParseTabEntry(FormatTabEntry(entry));
    EXPECT_EQ(again.caption, entry.caption) << "round trip of " << c.text.toStdString();
    EXPECT_EQ(again.width, entry.width);
  }
}

class TabStripTest : public ::testing::Test {
 protected:
  VellumarTabStrip strip_;
  Vellumar& control() { return strip_.control(); }
};

TEST_F(TabStripTest, TabsRebuildTheListThroughTheControl) {
  auto picture = StdPicture::FromBitmap(Bitmap(4, 4), {});
  control().SetTabPicture(1, picture);
  QSignalSpy changed(&strip_, &VellumarWidget::propertyChanged);

  strip_.setTabs({"&Eins|50", "Zwei|70", "|0"});
  EXPECT_EQ(strip_.tabs(), (QStringList{"&Eins|50", "Zwei|70", "|0"}));
  EXPECT_EQ(control().TabCaption(3), "") << "an empty caption stays empty";
  EXPECT_EQ(control().TabPicture(1), picture) << "a tab that stays keeps its picture";
  EXPECT_EQ(strip_.accessKeys(), "e");
  EXPECT_TRUE(changed.contains(QVariantList{QStringLiteral("NumberOfTabs")}));

  strip_.setTabs({"Nur|40"});
  EXPECT_EQ(control().NumberOfTabs(), 1);
  EXPECT_EQ(strip_.tabs(), QStringList{"Nur|40"});

  strip_.setTabs({});
  EXPECT_EQ(strip_.tabs(), QStringList{"Register|60"}) << "never no tab";
}

TEST_F(TabStripTest, ASelectionBeforeItsTabsWaitsForThem) {
  QSignalSpy pressed(&strip_, &VellumarWidget::tabPressed);
  strip_.setSelectedTab(3);
  EXPECT_EQ(strip_.selectedTab(), 1) << "the control refuses it";
  EXPECT_EQ(pressed.size(), 0);

  strip_.setTabs({"A|60", "B|60"});
  EXPECT_EQ(pressed.size(), 0) << "still no room";
  strip_.setTabs({"A|60", "B|60", "C|60"});
  EXPECT_EQ(strip_.selectedTab(), 3);
  ASSERT_EQ(pressed.size(), 1);

  strip_.setTabs({"A|60", "B|60", "C|60", "D|60"});
  EXPECT_EQ(pressed.size(), 1) << "taken once";
  strip_.setSelectedTab(9);
  strip_.setSelectedTab(2);
  strip_.setTabs({"A|60", "B|60", "C|60", "D|60", "E|60", "F|60", "G|60", "H|60", "I|60"});
  EXPECT_EQ(strip_.selectedTab(), 2) << "a later selection within the list wins";
}

// The tabs property assigned the plain way, tab by tab through the control's own properties: what setTabs
// writes at once must leave the same strip.
void SetTabsOneByOne(VellumarTabStrip& strip, const QStringList& tabs) {
  Vellumar& control = strip.control();
  QStringList entries = tabs.mid(0, Vellumar::kMaxStoredTabs);
  if (entries.isEmpty()) entries << QStringLiteral("Register|60");
  const auto count = static_cast<int32_t>(entries.size());
  while (control.NumberOfTabs() > count) control.DeleteTab();
  while (control.NumberOfTabs() < count) control.AddTab();
  for (int32_t tab = 1; tab <= count; ++tab) {
    const TabEntry entry = ParseTabEntry(entries[tab - 1]);
    control.SetTabCaption(tab, ToUtf8(entry.caption));
    control.SetTabWidth(tab, entry.width);
  }
}

TEST(TabStripTabs, AssignedAtOnceLeaveWhatAssigningThemOneByOneLeaves) {
  // Random lists (access keys, empty captions, widths of zero or less), between selections, pictures and
  // removals, on a strip resized but not yet shown as forms build them: the tabs, pictures, selection,
  // access keys, every pixel and every TabPressed must match.
  static const QStringList kCaptions = {
      "&Datei", "Bearbeiten", "", "&&Mehr", "A caption long enough to wrap", "&Ansicht|x", "Ü&ber"};
  static const int32_t kWidths[] = {60, 45, 0, -5, 1, 120};
  std::mt19937 rng(19);
  const auto pick = [&](size_t n) { return static_cast<int>(rng() % n); };
  VellumarTabStrip strip;
  VellumarTabStrip reference;
  std::vector<int> pressed;
  std::vector<int> reference_pressed;
  QObject::connect(&strip, &VellumarWidget::tabPressed, [&](int previous) { pressed.push_back(previous); });
  QObject::connect(&reference, &VellumarWidget::tabPressed,
                   [&](int previous) { reference_pressed.push_back(previous); });
  for (VellumarTabStrip* s : {&strip, &reference}) s->resize(230, 120);
  for (int step = 0; step < 300; ++step) {
    SCOPED_TRACE(step);
    switch (pick(5)) {
      case 0:
      case 1: {
        QStringList tabs;
        for (int n = pick(12); n > 0; --n) {
          tabs << QStringLiteral("%1|%2").arg(kCaptions[pick(kCaptions.size())]).arg(kWidths[pick(6)]);
        }
        strip.setTabs(tabs);
        SetTabsOneByOne(reference, tabs);
        break;
      }
      case 2: {
        const int tab = pick(static_cast<size_t>(strip.count()) + 2) - 1;
        for (VellumarTabStrip* s : {&strip, &reference}) s->control().SetSelectedTab(tab);
        break;
      }
      case 3: {
        const int index = pick(static_cast<size_t>(strip.count()) + 1);
        QPixmap pixmap(5 + pick(20), 8);
        pixmap.fill(Qt::darkCyan);
        for (VellumarTabStrip* s : {&strip, &reference}) s->setTabIcon(index, pixmap);
        break;
      }
      default: {
        const int index = pick(static_cast<size_t>(strip.count()) + 1);
        for (VellumarTabStrip* s : {&strip, &reference}) s->removeTab(index);
        break;
      }
    }
    ASSERT_EQ(strip.tabs(), reference.tabs());
    ASSERT_EQ(strip.control().SelectedTab(), reference.control().SelectedTab());
    ASSERT_EQ(strip.accessKeys(), reference.accessKeys());
    ASSERT_EQ(pressed, reference_pressed);
    for (int i = 0; i < strip.count(); ++i) {
      ASSERT_EQ(strip.tabIcon(i).isNull(), reference.tabIcon(i).isNull()) << i;
    }
    reference.control().DrawTab();
    ASSERT_TRUE(strip.image() == reference.image());
  }
}

TEST_F(TabStripTest, ColoursReadAsRgbAndStoreRgb) {
  EXPECT_EQ(strip_.foreColor(), QColor(0, 0, 0)) << "the system's button text, translated";
  strip_.setBackColor(QColor(236, 244, 252));
  EXPECT_EQ(control().BackColor(), Rgb(236, 244, 252));
  EXPECT_EQ(strip_.backColor(), QColor(236, 244, 252));
  strip_.setFrameColor(QColor());
  EXPECT_EQ(strip_.frameColor(), QColor(0x98, 0xA0, 0xA0)) << "an invalid colour changes nothing";
  strip_.setMaskColor(QColor::fromHsv(300, 255, 255));
  EXPECT_EQ(control().MaskColor(), Rgb(255, 0, 255));
}

TEST_F(TabStripTest, AlignmentHeightAndCaptionFont) {
  strip_.setAlignment(VellumarTabStrip::Bottom);
  strip_.setTabHeight(30);
  EXPECT_EQ(control().Alignment(), reg_Bottom);
  EXPECT_EQ(strip_.tabHeight(), 30);
  control().SetAlignment(7);
  EXPECT_EQ(static_cast<int>(strip_.alignment()), 7) << "any value the control holds reads back";

  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSizeF(10.5);
  font.setItalic(true);
  font.setStrikeOut(true);
  strip_.setCaptionFont(font);
  EXPECT_EQ(control().FontName(), "DejaVu Sans");
  EXPECT_FLOAT_EQ(control().FontSize(), 10.5F);
  EXPECT_EQ(control().FontItalic(), kTrue);
  EXPECT_EQ(control().FontStrikethru(), kTrue);
  EXPECT_EQ(control().FontBold(), kFalse);
  EXPECT_EQ(strip_.captionFont(), font);
}

}  // namespace
}  // namespace vellumar
