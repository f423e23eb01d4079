// The open-file dialog's filter and result forms, and how the tabs page reads an icon from the result.
#include <gtest/gtest.h>

#include <string>

#include "page_test_host.h"
#include "pages/common_dialog.h"
#include "pages/tab_picture_file.h"

namespace vellumar::testing {
namespace {

using namespace std::string_literals;

TEST(CommonDialogTest, FilterItemsEachEndInOneNul) {
  EXPECT_EQ(ConvertDialogFilter("Bilder|*.bmp;*.ico|Alle Dateien|*.*"),
            "Bilder\0*.bmp;*.ico\0Alle Dateien\0*.*\0"s);
  EXPECT_EQ(ConvertDialogFilter(""), "\0"s);
  EXPECT_EQ(ConvertDialogFilter("a||b"), "a\0\0b\0"s);
}

TEST(CommonDialogTest, QtFilterListsEveryPairWithBlankSeparatedPatterns) {
  EXPECT_EQ(QtFilterFromDialogFilter(ConvertDialogFilter("Bilder|*.bmp;*.ico|Alle Dateien|*.*")),
            "Bilder (*.bmp *.ico);;Alle Dateien (*.*)");
  EXPECT_EQ(QtFilterFromDialogFilter(ConvertDialogFilter("Alle Bild Dateien|*.bmp;*.ico")),
            "Alle Bild Dateien (*.bmp *.ico)");
  EXPECT_EQ(QtFilterFromDialogFilter(ConvertDialogFilter("Alles")), "Alles (*)");
}

TEST(CommonDialogTest, TheChosenPathComesBackWithOneNul) {
  ScriptedFileDialog dialog;
  dialog.answers = {"/home/anna/Bilder/tab.bmp"};
  const std::string result = ShowOpenDialog(dialog, "Titel", "Bilder|*.bmp", "*.*");
  EXPECT_EQ(result, "/home/anna/Bilder/tab.bmp\0"s);
  EXPECT_EQ(result.size(), std::string("/home/anna/Bilder/tab.bmp").size() + 1);
  ASSERT_EQ(dialog.requests.size(), 1u);
  EXPECT_EQ(dialog.requests[0].title, "Titel");
  EXPECT_EQ(dialog.requests[0].filter, "Bilder\0*.bmp\0"s);
  EXPECT_EQ(dialog.requests[0].default_extension, "*.*");
}

TEST(CommonDialogTest, CancelGivesTheEmptyString) {
  ScriptedFileDialog dialog;
  EXPECT_EQ(ShowOpenDialog(dialog, "Titel", "Bilder|*.bmp", "*.*"), "");
}

TEST(CommonDialogTest, IconTestReadsTheExtensionBeforeTheNul) {
  const struct {
    std::string chosen;
    bool icon;
  } cases[] = {
      {"/a/TAB.ICO\0"s, true},
      {"/a/tab.ico\0"s, true},
      {"/a/tab.Ico\0"s, true},
      {"/a/tab.bmp\0"s, false},
      {"/a/tab.icon\0"s, false},
      {"/a/ico.bmp\0"s, false},
      {"ico\0"s, true},
      // Without its NUL the test looks one character too far to the right.
      {"/a/tab.ico"s, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.chosen);
    EXPECT_EQ(IsIconFileName(c.chosen), c.icon);
  }
  EXPECT_EQ(ChosenPath("/a/TAB.ICO\0"s), "/a/TAB.ICO");
}

}  // namespace
}  // namespace vellumar::testing
