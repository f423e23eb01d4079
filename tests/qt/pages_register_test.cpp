// The tabs page: stepping through tabs with pending edits, adding and deleting tabs, the width box, and
// choosing pictures (icons through a temporary bitmap, bitmaps directly, cancel and errors).
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <cstdlib>
#include <string>
#include <vector>

#include "page_test_host.h"
#include "pages/page_register.h"
#include "pages/picture_box.h"
#include "pages_test_files.h"
#include "platform/errors/host_error.h"

namespace vellumar::testing {
namespace {

class RegisterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Vellumar& c = control.control;
    c.SetTabCaption(1, "Eins");
    c.SetTabWidth(1, 70);
    for (auto [width, caption] : {std::pair{80, "Zwei"}, std::pair{90, "Drei"}}) {
      int32_t w = width;
      std::string text = caption;
      StdPictureRef none;
      c.AddTab(w, text, none);
    }
    control.host.SetListener([this](const HostNotice& notice) {
      if (notice.kind == HostNotice::Kind::kPropertyChanged) notices.emplace_back(notice.name);
    });
    page.SetSelectedControls({&control.control});
    page.SelectionChanged();
  }

  QLineEdit& Box(const char* name) { return *page.findChild<QLineEdit*>(name); }
  QScrollBar& Scroll() { return *page.findChild<QScrollBar*>("hsb"); }
  PictureBox& Picture() { return *page.findChild<PictureBox*>("picTab"); }
  Vellumar& Control() { return control.control; }
  // Settles the page as the host leaves it after an apply.
  void Applied() {
    page.ApplyChanges();
    page.SetChanged(false);
    notices.clear();
  }

  FakeServices fakes;
  PageTestControl control;
  std::vector<std::string> notices;  // PropertyChanged names since the last Applied
  PageRegister page{fakes.services()};
};

TEST_F(RegisterTest, SelectionShowsTheFirstTab) {
  EXPECT_EQ(page.Caption(), "Registerblätter");
  EXPECT_EQ(Box("txtIndex").text(), "1");
  EXPECT_EQ(Box("txt0").text(), "Eins");
  EXPECT_EQ(Box("txt1").text(), "70");
  EXPECT_EQ(Scroll().maximum(), 3);
  EXPECT_EQ(page.EditedTab(), 1);
  EXPECT_TRUE(page.Changed());
}

TEST_F(RegisterTest, StepingStoresPendingEditsInTheTabShownBefore) {
  Box("txt0").setText(QStringLiteral("Neu"));
  Box("txt1").setText(QStringLiteral("75"));
  Scroll().setValue(2);
  EXPECT_EQ(Control().TabCaption(1), "Neu");
  EXPECT_EQ(Control().TabWidth(1), 75);
  EXPECT_EQ(Box("txtIndex").text(), "2");
  EXPECT_EQ(Box("txt0").text(), "Zwei");
  EXPECT_EQ(Box("txt1").text(), "80");
  EXPECT_EQ(page.EditedTab(), 2);
}

TEST_F(RegisterTest, SteppingRightAfterAnApplyStoresNothing) {
  Applied();
  Scroll().setValue(2);
  EXPECT_TRUE(notices.empty());
  EXPECT_TRUE(page.Changed());  // the boxes now show other values
}

TEST_F(RegisterTest, ASecondSelectionDropsPendingEditsInsteadOfWritingThemIntoTabOne) {
  Scroll().setValue(2);
  Box("txt0").setText(QStringLiteral("Verworfen"));
  page.SelectionChanged();
  EXPECT_EQ(Control().TabCaption(1), "Eins");
  EXPECT_EQ(Control().TabCaption(2), "Zwei");
  EXPECT_EQ(Box("txt0").text(), "Zwei");
  EXPECT_EQ(page.EditedTab(), 2);
}

TEST_F(RegisterTest, AnEmptyWidthIsStoredAsSixty) {
  Box("txt1").clear();
  page.ApplyChanges();
  EXPECT_EQ(Control().TabWidth(1), 60);
  EXPECT_EQ(Box("txt1").text(), "60");
}

struct WidthCase {
  const char* text;
  int32_t stored;
};

TEST_F(RegisterTest, WidthTextConvertsWithBlanksAndRoundsHalvesToEven) {
  const WidthCase cases[] = {{" 75 ", 75}, {"12.5", 12}, {"13.5", 14}, {"-3", -3}, {"0", 0}};
  for (const WidthCase& c : cases) {
    SCOPED_TRACE(c.text);
    Box("txt1").setText(QString::fromUtf8(c.text));
    page.ApplyChanges();
    EXPECT_EQ(Control().TabWidth(1), c.stored);
  }
}

TEST_F(RegisterTest, AWidthThatIsNoNumberFailsAfterTheCaptionIsStored) {
  const struct {
    const char* text;
    int number;
  } cases[] = {{"breit", kErrTypeMismatch}, {"99999999999", 6}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    Box("txt0").setText(QStringLiteral("Erster"));
    Box("txt1").setText(QString::fromUtf8(c.text));
    try {
      page.ApplyChanges();
      FAIL() << "no error";
    } catch (const HostError& error) {
      EXPECT_EQ(error.number(), c.number);
    }
    EXPECT_EQ(Control().TabCaption(1), "Erster");
    EXPECT_EQ(Control().TabWidth(1), 70);
  }
}

TEST_F(RegisterTest, AnErrorWhileSteppingIsShownByTheHost) {
  Box("txt1").setText(QStringLiteral("breit"));
  Scroll().setValue(2);
  ASSERT_EQ(fakes.messages.calls.size(), 1u);
  EXPECT_EQ(fakes.messages.calls[0].text, "13\r\nType mismatch");
  EXPECT_EQ(fakes.messages.calls[0].icon, MsgBoxIcon::kStop);
}

TEST_F(RegisterTest, AddingATabWritesTheShownCaptionAndWidthIntoTheNewTabOnApply) {
  Applied();
  page.AddTabClicked();
  EXPECT_EQ(Control().NumberOfTabs(), 4);
  EXPECT_EQ(Control().TabCaption(4), "Register");
  EXPECT_EQ(Scroll().maximum(), 4);
  EXPECT_EQ(Scroll().value(), 1);
  EXPECT_EQ(Box("txtIndex").text(), "1");
  EXPECT_EQ(page.EditedTab(), 4);
  EXPECT_TRUE(page.Changed());
  page.ApplyChanges();
  EXPECT_EQ(Control().TabCaption(4), "Eins");
  EXPECT_EQ(Control().TabWidth(4), 70);
  EXPECT_EQ(Control().TabPicture(4), nullptr);
  EXPECT_EQ(Control().TabCaption(1), "Eins");
}

TEST_F(RegisterTest, DeletingWhileTheLastTabIsShownMovesToTheNewLastTab) {
  Scroll().setValue(3);
  Box("txt0").setText(QStringLiteral("Geändert"));
  page.DeleteTabClicked();
  EXPECT_EQ(Control().NumberOfTabs(), 2);
  EXPECT_EQ(Scroll().value(), 2);
  EXPECT_EQ(Box("txt0").text(), "Zwei");
  EXPECT_EQ(page.EditedTab(), 2);
  // The pending edit went to the record the removed tab left behind.
  EXPECT_EQ(Control().TabCaption(3), "Geändert");
  EXPECT_EQ(Control().TabCaption(1), "Eins");
  EXPECT_EQ(Control().TabCaption(2), "Zwei");
}

TEST_F(RegisterTest, DeletingWhileAnotherTabIsShownKeepsEditingIt) {
  page.DeleteTabClicked();
  EXPECT_EQ(Control().NumberOfTabs(), 2);
  EXPECT_EQ(page.EditedTab(), 1);
  EXPECT_EQ(Box("txt0").text(), "Eins");
  EXPECT_TRUE(page.findChild<QPushButton*>("cmdDelete")->isEnabled());
}

TEST_F(RegisterTest, AnErrorOfTheStepInsideDeleteReachesTheCaller) {
  Scroll().setValue(3);
  Box("txt1").setText(QStringLiteral("breit"));
  EXPECT_THROW(page.DeleteTabClicked(), HostError);
  EXPECT_TRUE(fakes.messages.calls.empty());
  EXPECT_EQ(Control().NumberOfTabs(), 2);
}

TEST_F(RegisterTest, DeletingThePictureTakesEffectOnApply) {
  const StdPictureRef picture = LoadPictureFromMemory(BitmapFileBytes(4, 4, kIconRed));
  Control().SetTabPicture(1, picture);
  page.SelectionChanged();
  EXPECT_EQ(Picture().Picture(), picture);
  Applied();
  page.DeletePictureClicked();
  EXPECT_TRUE(page.Changed());
  EXPECT_EQ(Control().TabPicture(1), picture);
  page.ApplyChanges();
  EXPECT_EQ(Control().TabPicture(1), nullptr);
}

TEST(RegisterEmptyTest, AControlWithoutTabsLeavesTheDesignValues) {
  FakeServices fakes;
  HeadlessHost host;
  Vellumar control(host, &host);
  PageRegister page(fakes.services());
  page.SetSelectedControls({&control});
  page.SelectionChanged();
  const auto& scroll = *page.findChild<QScrollBar*>("hsb");
  EXPECT_EQ(scroll.minimum(), 1);
  EXPECT_EQ(scroll.maximum(), 1);
  EXPECT_EQ(scroll.value(), 1);
  EXPECT_TRUE(page.findChild<QLineEdit*>("txt0")->text().isEmpty());
  EXPECT_TRUE(page.findChild<QLineEdit*>("txt1")->text().isEmpty());
  EXPECT_FALSE(page.Changed());
}

class RegisterPictureTest : public RegisterTest {
 protected:
  void SetUp() override {
    RegisterTest::SetUp();
    // Temporary bitmaps go to a directory of the test's own, so that leftovers show.
    const char* old = std::getenv("TMPDIR");
    old_tmpdir_ = old != nullptr ? old : "";
    had_tmpdir_ = old != nullptr;
    setenv("TMPDIR", temp.path().c_str(), 1);
    Applied();
  }
  void TearDown() override {
    if (had_tmpdir_) {
      setenv("TMPDIR", old_tmpdir_.c_str(), 1);
    } else {
      unsetenv("TMPDIR");
    }
  }

  ScratchDir files;
  ScratchDir temp;
  std::string old_tmpdir_;
  bool had_tmpdir_ = false;
};

TEST_F(RegisterPictureTest, TheDialogIsAskedForPictureFiles) {
  page.OpenPictureClicked();
  ASSERT_EQ(fakes.files.requests.size(), 1u);
  EXPECT_EQ(fakes.files.requests[0].title, "Lade Register Bild");
  EXPECT_EQ(fakes.files.requests[0].filter, std::string("Alle Bild Dateien\0*.bmp;*.ico\0", 30));
  EXPECT_EQ(fakes.files.requests[0].default_extension, "*.*");
}

TEST_F(RegisterPictureTest, AnIconInCapitalsBecomesABitmapThroughATemporaryFile) {
  fakes.files.answers = {files.Write("TAB.ICO", IconFileBytes())};
  page.OpenPictureClicked();
  EXPECT_TRUE(page.Changed());
  const StdPictureRef shown = Picture().Picture();
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->Type(), PictureType::kBitmap);
  ASSERT_EQ(shown->bitmap().width(), kIconSide);
  EXPECT_EQ(shown->bitmap().Pixel(0, 0), HiddenPictureBox::kBackColor);
  EXPECT_EQ(shown->bitmap().Pixel(kIconSide - 1, 0), kIconRed);
  EXPECT_TRUE(temp.Entries().empty());
  page.ApplyChanges();
  ASSERT_NE(Control().TabPicture(1), nullptr);
  EXPECT_EQ(Control().TabPicture(1)->Type(), PictureType::kBitmap);
}

TEST_F(RegisterPictureTest, ABitmapIsLoadedDirectly) {
  fakes.files.answers = {files.Write("bild.bmp", BitmapFileBytes(5, 3, kIconRed))};
  page.OpenPictureClicked();
  const StdPictureRef shown = Picture().Picture();
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->bitmap().width(), 5);
  EXPECT_EQ(shown->bitmap().height(), 3);
  EXPECT_TRUE(page.Changed());
}

TEST_F(RegisterPictureTest, CancellingChangesNothing) {
  const StdPictureRef before = Picture().Picture();
  page.OpenPictureClicked();
  EXPECT_FALSE(page.Changed());
  EXPECT_EQ(Picture().Picture(), before);
  EXPECT_TRUE(fakes.messages.calls.empty());
}

struct PictureErrorCase {
  const char* name;
  bool create;
  const char* text;
  MsgBoxIcon icon;
  const char* title;
};

TEST_F(RegisterPictureTest, LoadErrorsAreShownAndLeaveThePageUnchanged) {
  const PictureErrorCase cases[] = {
      {"kaputt.bmp", true, "Ungültiges Bild", MsgBoxIcon::kStop, "Bild einfügen"},
      {"kaputt.ico", true, "Ungültiges Bild", MsgBoxIcon::kStop, "Bild einfügen"},
      {"fehlt.bmp", false, "53\r\nFile not found: ", MsgBoxIcon::kNone, "Vellumar"},
      {"fehlt.ico", false, "53\r\nFile not found: ", MsgBoxIcon::kNone, "Vellumar"},
  };
  for (const PictureErrorCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path =
        c.create ? files.Write(c.name, Bytes{'n', 'o', ' ', 'p', 'i', 'c'}) : files.path() + "/" + c.name;
    fakes.files.answers = {path};
    fakes.messages.calls.clear();
    page.OpenPictureClicked();
    ASSERT_EQ(fakes.messages.calls.size(), 1u);
    const std::string& text = fakes.messages.calls[0].text;
    if (c.create) {
      EXPECT_EQ(text, c.text);
    } else {  // the number, the description, then the file and the reason
      EXPECT_EQ(text, c.text + path + ": No such file or directory");
    }
    EXPECT_EQ(fakes.messages.calls[0].title, c.title);
    EXPECT_EQ(fakes.messages.calls[0].icon, c.icon);
    EXPECT_FALSE(page.Changed());
    EXPECT_EQ(Picture().Picture(), nullptr);
    EXPECT_TRUE(temp.Entries().empty());
  }
}

}  // namespace
}  // namespace vellumar::testing
