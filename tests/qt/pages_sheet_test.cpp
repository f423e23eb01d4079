// The property sheet: pages in order, SelectionChanged on first showing, Übernehmen enabled by Changed,
// errors of an apply shown; and the host's own font and colour pages.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "page_test_host.h"
#include "pages/page_allgemein.h"
#include "pages/page_colors.h"
#include "pages/page_font.h"
#include "pages/property_page.h"
#include "pages/property_sheet.h"
#include "pages/system_color_names.h"

namespace vellumar::testing {
namespace {

constexpr int kAllgemein = 1;
constexpr int kRegister = 2;
constexpr int kFont = 3;
constexpr int kColors = 4;

class SheetTest : public ::testing::Test {
 protected:
  QPushButton& ApplyButton() { return *sheet.findChild<QPushButton*>("cmdApply"); }
  QLineEdit& Height() { return *sheet.findChild<QLineEdit*>("txtHeight"); }

  FakeServices fakes;
  PageTestControl first;
  PageTestControl second;
  PropertySheet sheet{{&first.control, &second.control}, fakes.services()};
};

TEST_F(SheetTest, PagesComeInTheControlsOrderThenTheHostsOwn) {
  const QTabWidget& tabs = *sheet.findChild<QTabWidget*>();
  const QStringList expected = {"Copyright / Info", "Allgemein", "Registerblätter", "Schriftart", "Farben"};
  ASSERT_EQ(tabs.count(), expected.size());
  for (int i = 0; i < tabs.count(); ++i) EXPECT_EQ(tabs.tabText(i), expected[i]);
  EXPECT_EQ(sheet.findChild<QPushButton*>("cmdOK")->text(), "OK");
  EXPECT_EQ(sheet.findChild<QPushButton*>("cmdCancel")->text(), "Abbrechen");
  EXPECT_EQ(ApplyButton().text(), "Übernehmen");
}

TEST_F(SheetTest, ApplyIsEnabledWhileAPageIsChanged) {
  EXPECT_FALSE(ApplyButton().isEnabled());
  sheet.ShowPage(kAllgemein);
  EXPECT_TRUE(ApplyButton().isEnabled());
  Height().setText(QStringLiteral("33"));
  EXPECT_TRUE(sheet.Apply());
  EXPECT_EQ(first.control.TabHeight(), 33);
  EXPECT_FALSE(sheet.Pages()[kAllgemein]->Changed());
  EXPECT_FALSE(ApplyButton().isEnabled());
}

TEST_F(SheetTest, OnlyPagesShownHearSelectionChanged) {
  sheet.ShowPage(kRegister);
  EXPECT_TRUE(sheet.Pages()[kRegister]->Changed());
  EXPECT_FALSE(sheet.Pages()[kAllgemein]->Changed());
}

TEST_F(SheetTest, AnErrorOfAnApplyIsShownAndKeepsTheSheetOpen) {
  sheet.show();
  sheet.ShowPage(kAllgemein);
  Height().setText(QStringLiteral("-"));
  sheet.Ok();
  ASSERT_EQ(fakes.messages.calls.size(), 1u);
  EXPECT_EQ(fakes.messages.calls[0].text, "13\r\nType mismatch");
  EXPECT_EQ(fakes.messages.calls[0].icon, MsgBoxIcon::kStop);
  EXPECT_TRUE(sheet.isVisible());
  EXPECT_TRUE(sheet.Pages()[kAllgemein]->Changed());
  Height().setText(QStringLiteral("-4"));
  sheet.Ok();
  EXPECT_FALSE(sheet.isVisible());
  EXPECT_EQ(first.control.TabHeight(), -4);
}

TEST_F(SheetTest, FontPageWritesEveryStyleToEverySelectedControl) {
  sheet.ShowPage(kFont);
  EXPECT_FALSE(sheet.Pages()[kFont]->Changed());
  sheet.findChild<QComboBox*>("cmbFontName")->setEditText(QStringLiteral("Tahoma"));
  sheet.findChild<QComboBox*>("cmbFontSize")->setEditText(QStringLiteral("12"));
  for (const char* name : {"chkBold", "chkItalic", "chkUnderline", "chkStrikethrough"}) {
    sheet.findChild<QCheckBox*>(name)->setChecked(true);
  }
  EXPECT_TRUE(sheet.Pages()[kFont]->Changed());
  EXPECT_TRUE(sheet.Apply());
  for (Vellumar* control : {&first.control, &second.control}) {
    EXPECT_EQ(control->FontName(), "Tahoma");
    EXPECT_EQ(control->FontSize(), 12.0f);
    EXPECT_EQ(control->FontBold(), kTrue);
    EXPECT_EQ(control->FontItalic(), kTrue);
    EXPECT_EQ(control->FontUnderline(), kTrue);
    EXPECT_EQ(control->FontStrikethru(), kTrue);
  }
}

TEST_F(SheetTest, FontPageRefusesASizeOutOfRangeBeforeWritingAnything) {
  sheet.ShowPage(kFont);
  const std::string name = first.control.FontName();
  sheet.findChild<QComboBox*>("cmbFontName")->setEditText(QStringLiteral("Tahoma"));
  sheet.findChild<QComboBox*>("cmbFontSize")->setEditText(QStringLiteral("5000"));
  EXPECT_FALSE(sheet.Apply());
  ASSERT_EQ(fakes.messages.calls.size(), 1u);
  EXPECT_EQ(fakes.messages.calls[0].text.substr(0, 5), "380\r\n");
  EXPECT_EQ(first.control.FontName(), name);
}

TEST_F(SheetTest, ColourPageSetsSystemAndRgbColoursOnEverySelectedControl) {
  sheet.ShowPage(kColors);
  auto& colors = *static_cast<PageColors*>(sheet.Pages()[kColors]);
  EXPECT_EQ(colors.PropertyCount(), 13);
  EXPECT_FALSE(colors.Changed());
  const OleColor frame_before = first.control.FrameColor();
  fakes.colors.answer = Rgb(10, 20, 30);
  colors.SelectProperty(0);  // BackColor
  colors.ChooseRgbClicked();
  colors.SelectProperty(1);  // ForeColor
  colors.ChooseSystemColor(kColorWindow);
  EXPECT_TRUE(colors.Changed());
  EXPECT_TRUE(sheet.Apply());
  for (Vellumar* control : {&first.control, &second.control}) {
    EXPECT_EQ(control->BackColor(), Rgb(10, 20, 30));
    EXPECT_EQ(control->ForeColor(), SystemColorReference(kColorWindow));
    EXPECT_EQ(control->FrameColor(), frame_before);
  }
}

TEST_F(SheetTest, ColourDialogCancelledChangesNothing) {
  sheet.ShowPage(kColors);
  auto& colors = *static_cast<PageColors*>(sheet.Pages()[kColors]);
  colors.SelectProperty(0);
  colors.ChooseRgbClicked();
  EXPECT_EQ(fakes.colors.initials.size(), 1u);
  EXPECT_FALSE(colors.Changed());
}

}  // namespace
}  // namespace vellumar::testing
