// The general page: the height box's check as the user types, and what ApplyChanges writes where.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include "page_test_host.h"
#include "pages/page_allgemein.h"
#include "platform/errors/host_error.h"

namespace vellumar::testing {
namespace {

class AllgemeinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    first.control.SetTabHeight(22);
    page.SetSelectedControls({&first.control, &second.control});
    page.SelectionChanged();
    fakes.messages.calls.clear();
  }
  void TearDown() override { QLocale::setDefault(saved_locale_); }

  QLineEdit& Height() { return *page.findChild<QLineEdit*>("txtHeight"); }
  QComboBox& Alignment() { return *page.findChild<QComboBox*>("cmbAusrichtung"); }

  const QLocale saved_locale_;
  FakeServices fakes;
  PageTestControl first;
  PageTestControl second;
  PageAllgemein page{fakes.services()};
};

TEST_F(AllgemeinTest, OpeningShowsTheFirstControlAndMarksThePageChanged) {
  EXPECT_TRUE(page.Changed());
  EXPECT_EQ(Height().text(), "22");
  ASSERT_EQ(Alignment().count(), 2);
  EXPECT_EQ(Alignment().itemText(0), "0 - Oben (default)");
  EXPECT_EQ(Alignment().itemText(1), "1 - Unten");
  EXPECT_EQ(page.AlignmentListIndex(), 0);
  EXPECT_EQ(page.Caption(), "Allgemein");
}

TEST_F(AllgemeinTest, ASecondSelectionKeepsTheListAndShowsTheNewHeight) {
  first.control.SetTabHeight(30);
  page.SelectionChanged();
  EXPECT_EQ(Alignment().count(), 2);
  EXPECT_EQ(Height().text(), "30");
}

struct HeightCase {
  const char* typed;
  const char* shown;
  bool message;
};

TEST_F(AllgemeinTest, HeightTextIsCheckedAsItChanges) {
  const HeightCase cases[] = {
      {"-", "-", false},  {"", "0", true},       {"12,7", "12", false}, {"-5,5", "-6", false},
      {"-0", "0", false}, {"-7", "-7", false},   {"abc", "0", true},    {"1e999", "0", true},
      {"inf", "0", true}, {" 40 ", "40", false},
  };
  for (const HeightCase& c : cases) {
    SCOPED_TRACE(c.typed);
    Height().setText(QStringLiteral("5"));
    page.SetChanged(false);
    fakes.messages.calls.clear();
    Height().setText(QString::fromUtf8(c.typed));
    EXPECT_EQ(Height().text(), QString::fromUtf8(c.shown));
    EXPECT_EQ(page.Changed(), std::string(c.typed) != "-");
    ASSERT_EQ(fakes.messages.calls.size(), c.message ? 1u : 0u);
    if (c.message) {
      EXPECT_EQ(fakes.messages.calls[0].text, "Bitte geben Sie nur Zahlen ein ohne Komma");
      EXPECT_EQ(fakes.messages.calls[0].title, "Vellumar");
      EXPECT_EQ(fakes.messages.calls[0].icon, MsgBoxIcon::kStop);
      EXPECT_EQ(fakes.messages.calls[0].buttons, MsgBoxButtons::kOkOnly);
    }
  }
}

TEST_F(AllgemeinTest, DeletingTheLastDigitByKeyboardShowsTheMessageAndLeavesZero) {
  Height().setText(QStringLiteral("7"));
  Height().setFocus();
  Height().end(false);
  QTest::keyClick(&Height(), Qt::Key_Backspace);
  EXPECT_EQ(Height().text(), "0");
  EXPECT_EQ(fakes.messages.calls.size(), 1u);
}

TEST_F(AllgemeinTest, AMinusFollowedByADigitKeepsTheNegativeNumber) {
  Height().setFocus();
  Height().selectAll();
  QTest::keyClicks(&Height(), "-8");
  EXPECT_EQ(Height().text(), "-8");
  EXPECT_TRUE(fakes.messages.calls.empty());
}

TEST_F(AllgemeinTest, ApplySetsTheHeightOfTheFirstAndTheAlignmentOfEveryControl) {
  const int32_t second_height = second.control.TabHeight();
  Height().setText(QStringLiteral("45"));
  Alignment().setCurrentIndex(1);
  emit Alignment().activated(1);
  page.ApplyChanges();
  EXPECT_EQ(first.control.TabHeight(), 45);
  EXPECT_EQ(second.control.TabHeight(), second_height);
  EXPECT_EQ(first.control.Alignment(), reg_Bottom);
  EXPECT_EQ(second.control.Alignment(), reg_Bottom);
}

TEST_F(AllgemeinTest, TypingIntoTheAlignmentFieldLeavesEveryAlignment) {
  first.control.SetAlignment(reg_Bottom);
  Alignment().lineEdit()->selectAll();
  QTest::keyClicks(Alignment().lineEdit(), "oben");
  EXPECT_EQ(page.AlignmentListIndex(), -1);
  page.ApplyChanges();
  EXPECT_EQ(first.control.Alignment(), reg_Bottom);
  EXPECT_EQ(second.control.Alignment(), reg_Top);
}

TEST_F(AllgemeinTest, ALoneMinusAtApplyFailsBeforeAnythingIsWritten) {
  Alignment().setCurrentIndex(1);
  emit Alignment().activated(1);
  Height().setText(QStringLiteral("-"));
  try {
    page.ApplyChanges();
    FAIL() << "no error";
  } catch (const HostError& error) {
    EXPECT_EQ(error.number(), kErrTypeMismatch);
  }
  EXPECT_EQ(first.control.TabHeight(), 22);
  EXPECT_EQ(first.control.Alignment(), reg_Top);
}

TEST(AllgemeinAlignmentTest, AnAlignmentWithoutEntryLeavesTheListWithoutChoice) {
  FakeServices fakes;
  PageTestControl control;
  control.control.SetAlignment(7);
  PageAllgemein page(fakes.services());
  page.SetSelectedControls({&control.control});
  page.SelectionChanged();
  EXPECT_EQ(page.AlignmentListIndex(), -1);
  page.ApplyChanges();
  EXPECT_EQ(control.control.Alignment(), 7);
}

}  // namespace
}  // namespace vellumar::testing
