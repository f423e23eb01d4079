// The about box: the version line, the feature list built anew on every showing, the links and the info
// page's button.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <algorithm>

#include "page_test_host.h"
#include "pages/about_box.h"
#include "pages/link_label.h"
#include "pages/page_tabsc.h"
#include "vellumar_version.h"

namespace vellumar::testing {
namespace {

TEST(AboutVersionTest, MinorHasTwoDigitsAndRevisionsBelowTenALeadingZero) {
  const struct {
    int major, minor, revision;
    const char* line;
  } cases[] = {
      {1, 0, 0, "Version: 1.00.00"},  {1, 5, 9, "Version: 1.05.09"},    {1, 12, 34, "Version: 1.12.34"},
      {1, 0, 10, "Version: 1.00.10"}, {2, 100, 7, "Version: 2.100.07"},
  };
  for (const auto& c : cases) EXPECT_EQ(VersionLine(c.major, c.minor, c.revision), c.line);
}

TEST(AboutFeatureListTest, TwentyFourLinesEachEndedByCrLf) {
  const std::string text = FeatureListText();
  size_t lines = 0;
  for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lines;
  EXPECT_EQ(lines, 24u);
  EXPECT_EQ(text.rfind("\r\n"), text.size() - 2);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 24);
  const std::string head =
      "\r\n Vellumar für\r\n Microsoft Access © ab Version 97 & VB 6.0\r\n\r\n Eigenschaften:\r\n\r\n";
  EXPECT_EQ(text.substr(0, head.size()), head);
  EXPECT_NE(text.find("\r\n  * Registerblätter\r\n    - oben\r\n    - unten\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n  * Tab-Breite einstellbar\r\n\r\n"), std::string::npos);
}

class AboutBoxTest : public ::testing::Test {
 protected:
  RecordingUrlOpener urls;
  AboutBox box{urls};
};

TEST_F(AboutBoxTest, ReopeningShowsTheFeatureListOnce) {
  box.show();
  box.accept();
  box.show();
  EXPECT_EQ(box.HistoryText(), FeatureListText());
  const QString shown = box.findChild<QPlainTextEdit*>("txtHistorie")->toPlainText();
  EXPECT_EQ(shown.count(QStringLiteral("Eigenschaften:")), 1);
  EXPECT_EQ(box.findChild<QLabel*>("lblVersion")->text().toStdString(),
            VersionLine(VELLUMAR_VERSION_MAJOR, VELLUMAR_VERSION_MINOR, VELLUMAR_VERSION_PATCH));
  box.accept();
}

TEST_F(AboutBoxTest, LinksOpenTheirAddresses) {
  box.show();
  for (const char* name : {"Label2", "Label3", "Label7"}) {
    QTest::mouseClick(box.findChild<LinkLabel*>(name), Qt::LeftButton);
  }
  EXPECT_EQ(urls.opened, (std::vector<std::string>{kMakerMail, kMakerHomepage, kMakerNews}));
  box.accept();
}

TEST(AboutBoxPlacementTest, OpensCentredOnTheScreenNotOverItsParent) {
  QWidget parent;
  parent.setGeometry(10, 20, 200, 120);
  parent.show();
  RecordingUrlOpener urls;
  AboutBox box(urls, &parent);
  for (int showing = 0; showing < 2; ++showing) {  // and again after an unload
    box.show();
    const QPoint centre = box.screen()->availableGeometry().center();
    EXPECT_LE((box.frameGeometry().center() - centre).manhattanLength(), 1)
        << box.frameGeometry().x() << "," << box.frameGeometry().y();
    box.accept();
  }
}

TEST_F(AboutBoxTest, OkCloses) {
  box.show();
  QTest::mouseClick(box.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
  EXPECT_FALSE(box.isVisible());
  EXPECT_EQ(box.result(), QDialog::Accepted);
}

TEST(TabsCTest, InfoShowsTheAboutBoxAndNeverMarksThePageChanged) {
  FakeServices fakes;
  PageTabsC page(fakes.services());
  page.SelectionChanged();
  QTest::mouseClick(page.findChild<QPushButton*>("btnInfo"), Qt::LeftButton);
  EXPECT_EQ(fakes.about_shown, 1);
  EXPECT_FALSE(page.Changed());
  EXPECT_EQ(page.Caption(), "Copyright / Info");
}

}  // namespace
}  // namespace vellumar::testing
