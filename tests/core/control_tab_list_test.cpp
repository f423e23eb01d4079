// The tab list: capacity and slots, subscript errors, selection and PreviousTab, adding and deleting tabs,
// and the icon conversion of tab pictures.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "fake_host.h"
#include "platform/errors/host_error.h"
#include "platform/form_file/form_file.h"
#include "platform/pictures/picture.h"
#include "scoped_tmp_dir.h"

namespace vellumar::testing {
namespace {

using Strings = std::vector<std::string>;
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

// The host's error number of a call, or 0 when it succeeds.
int ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const HostError& error) {
    return error.number();
  }
  return 0;
}

StdPictureRef MakeIcon() {
  IconImage icon;
  icon.color = Bitmap(16, 16);
  icon.mask = Bitmap(16, 16, PixelFormat::kMono1);
  for (int32_t y = 0; y < 16; ++y) {
    for (int32_t x = 0; x < 16; ++x) {
      icon.color.SetPixel(x, y, 0x0000FF);
      icon.mask.SetPixel(x, y, x >= 8 ? 1 : 0);  // the right half is transparent
    }
  }
  return StdPicture::FromIcon(std::move(icon));
}

StdPictureRef MakeBitmapPicture() {
  return StdPicture::FromBitmap(Bitmap(4, 4));
}

TEST(ControlTabList, NewControlHasOneDefaultTab) {
  TestControl t;
  EXPECT_EQ(t.control.NumberOfTabs(), 1);
  EXPECT_EQ(t.control.TabCaption(1), "Register");
  EXPECT_EQ(t.control.TabWidth(1), 60);
  EXPECT_EQ(t.control.TabPicture(1), nullptr);
  EXPECT_EQ(t.control.state().Capacity(), 1);
  EXPECT_EQ(t.control.TabCaption(0), "");  // slot 0 receives an empty record
  EXPECT_EQ(t.control.TabWidth(0), 0);
}

TEST(ControlTabList, AddTabWritesBackTheDefaultCaption) {
  TestControl t;
  int32_t width = 80;
  std::string caption;
  StdPictureRef picture;
  EXPECT_EQ(t.control.AddTab(width, caption, picture), 2);
  EXPECT_EQ(caption, "Register");
  EXPECT_EQ(width, 80);
  EXPECT_EQ(picture, nullptr);
  EXPECT_EQ(t.control.TabCaption(2), "Register");
  EXPECT_EQ(t.host.Trace(), (Strings{"changed NumberOfTabs", "paint"}));
  EXPECT_EQ(t.control.AddTab(), 3);
  EXPECT_EQ(t.control.SelectedTab(), 1);
}

TEST(ControlTabList, AddTabWithAccessKeyStoresAndRebuildsKeys) {
  TestControl t;
  int32_t width = 80;
  std::string caption = "&Farben";
  StdPictureRef picture;
  EXPECT_EQ(t.control.AddTab(width, caption, picture), 2);
  EXPECT_EQ(t.control.TabWidth(2), 80);
  EXPECT_EQ(t.control.TabCaption(2), "&Farben");
  EXPECT_EQ(caption, "&Farben");
  EXPECT_EQ(t.host.access_keys, "f");
  EXPECT_EQ(t.host.log, (Strings{"keys f", "changed NumberOfTabs", "paint"}));
}

TEST(ControlTabList, WidthsAreStoredUnvalidated) {
  TestControl t;
  for (int32_t width : {0, -1, kMin, kMax}) {
    t.control.SetTabWidth(1, width);
    EXPECT_EQ(t.control.TabWidth(1), width);
  }
  EXPECT_EQ(t.host.Trace(), (Strings{"paint", "changed TabWidth", "paint", "changed TabWidth", "paint",
                                     "changed TabWidth", "paint", "changed TabWidth"}));
}

TEST(ControlTabList, IndexOutsideTheListIsErrorNineWithoutChange) {
  TestControl t;
  t.control.AddTab();
  t.control.DeleteTab();  // count 1, capacity 2
  t.host.ClearLog();
  for (int32_t index : {-1, 3, kMin, kMax}) {
    SCOPED_TRACE(index);
    EXPECT_EQ(ErrorOf([&] { t.control.TabCaption(index); }), 9);
    EXPECT_EQ(ErrorOf([&] { t.control.TabWidth(index); }), 9);
    EXPECT_EQ(ErrorOf([&] { t.control.TabPicture(index); }), 9);
    EXPECT_EQ(ErrorOf([&] { t.control.SetTabCaption(index, "x"); }), 9);
    EXPECT_EQ(ErrorOf([&] { t.control.SetTabWidth(index, 5); }), 9);
    EXPECT_EQ(ErrorOf([&] { t.control.SetTabPicture(index, MakeIcon()); }), 9);
  }
  EXPECT_TRUE(t.host.log.empty());
  EXPECT_EQ(t.control.state().Capacity(), 2);
  EXPECT_EQ(ErrorOf([&] { t.control.TabCaption(2); }), 0);  // within the capacity, above the count
}

// Each step is 'a' (AddTab) or 'd' (DeleteTab), from a new control.
struct CapacityCase {
  const char* steps;
  int32_t count;
  int32_t capacity;
};

TEST(ControlTabList, CapacityIsTheLargestCountReached) {
  const CapacityCase cases[] = {
      {"", 1, 1},      {"a", 2, 2},      {"aa", 3, 3},      {"aad", 2, 3}, {"aadd", 1, 3}, {"aaddd", 1, 3},
      {"aadda", 2, 3}, {"aaddaa", 3, 3}, {"aaddaaa", 4, 4}, {"d", 1, 1},   {"ddda", 2, 2}, {"adad", 1, 2},
  };
  for (const CapacityCase& c : cases) {
    SCOPED_TRACE(c.steps);
    TestControl t;
    for (const char* step = c.steps; *step != '\0'; ++step) {
      if (*step == 'a') {
        t.control.AddTab();
      } else {
        t.control.DeleteTab();
      }
    }
    EXPECT_EQ(t.control.NumberOfTabs(), c.count);
    EXPECT_EQ(t.control.state().Capacity(), c.capacity);
  }
}

TEST(ControlTabList, DeletedTabLeavesItsRecordBehind) {
  TestControl t;
  int32_t width = 70;
  std::string caption = "Zwei";
  StdPictureRef none;
  t.control.AddTab(width, caption, none);
  caption = "Drei";
  t.control.AddTab(width, caption, none);
  t.host.ClearLog();
  t.control.DeleteTab();
  EXPECT_EQ(t.control.NumberOfTabs(), 2);
  EXPECT_EQ(t.control.TabCaption(3), "Drei");
  EXPECT_EQ(ErrorOf([&] { t.control.TabCaption(4); }), 9);
  EXPECT_EQ(t.host.Trace(), (Strings{"changed NumberOfTabs", "paint"}));
  // The slot is reused, and overwritten, by the next tab.
  width = 90;
  caption = "Neu";
  EXPECT_EQ(t.control.AddTab(width, caption, none), 3);
  EXPECT_EQ(t.control.TabCaption(3), "Neu");
  EXPECT_EQ(t.control.TabWidth(3), 90);
}

TEST(ControlTabList, DeleteTabKeepsTheLastTab) {
  TestControl t;
  t.control.DeleteTab();
  EXPECT_EQ(t.control.NumberOfTabs(), 1);
  EXPECT_EQ(t.host.Trace(), (Strings{"changed NumberOfTabs", "paint"}));
}

struct SelectionCase {
  const char* name;
  std::vector<int32_t> assignments;
  Strings events;  // the TabPressed events, with PreviousTab
  int32_t selected;
};

TEST(ControlTabList, SelectedTabRaisesTabPressedWithThePreviousAssignment) {
  const SelectionCase cases[] = {
      {"two then three", {2, 3}, {"TabPressed 0", "TabPressed 2"}, 3},
      {"above the count is ignored", {4}, {}, 1},
      {"zero is accepted", {0}, {"TabPressed 0"}, 1},  // and painted as tab 1
      {"the same tab again", {2, 2}, {"TabPressed 0", "TabPressed 2"}, 2},
      {"negative is accepted", {-1, 2}, {"TabPressed 0", "TabPressed -1"}, 2},
      {"the limits", {kMax, kMin, 1}, {"TabPressed 0", "TabPressed -32768"}, 1},
  };
  for (const SelectionCase& c : cases) {
    SCOPED_TRACE(c.name);
    TestControl t;
    t.control.AddTab();
    t.control.AddTab();
    t.host.ClearLog();
    for (int32_t value : c.assignments) t.control.SetSelectedTab(value);
    Strings events;
    for (const std::string& line : t.host.log) {
      if (line.rfind("TabPressed", 0) == 0) events.push_back(line);
    }
    EXPECT_EQ(events, c.events);
    EXPECT_EQ(t.control.SelectedTab(), c.selected);
  }
}

TEST(ControlTabList, SelectedTabOrderIsEventNotificationRepaint) {
  TestControl t;
  t.control.AddTab();
  t.host.ClearLog();
  t.control.SetSelectedTab(2);
  EXPECT_EQ(t.host.Trace(), (Strings{"TabPressed 0", "changed SelectedTab", "paint"}));
}

TEST(ControlTabList, HandlerAssigningSelectedTabNestsAFullAssignment) {
  TestControl t;
  t.control.AddTab();
  t.control.AddTab();
  t.host.ClearLog();
  bool nested = false;
  t.events.on_tab_pressed = [&](int16_t& previous) {
    previous = 99;  // changes nothing lasting
    if (nested) return;
    nested = true;
    t.control.SetSelectedTab(3);
  };
  t.control.SetSelectedTab(2);
  EXPECT_EQ(t.host.Trace(), (Strings{"TabPressed 0", "TabPressed 0", "changed SelectedTab", "paint",
                                     "changed SelectedTab", "paint"}));
  EXPECT_EQ(t.control.SelectedTab(), 3);
  EXPECT_EQ(t.control.state().mPreviousTab, 3);
}

TEST(ControlTabList, DeletingTheSelectedTabSelectsTheNewLastTab) {
  TestControl t;
  t.control.AddTab();
  t.control.AddTab();
  t.control.SetSelectedTab(3);
  t.control.mutable_state().mHotTab = 3;
  t.host.ClearLog();
  t.control.DeleteTab();
  EXPECT_EQ(t.control.SelectedTab(), 2);
  EXPECT_EQ(t.control.state().mHotTab, 0);
  EXPECT_EQ(t.host.Trace(),
            (Strings{"changed NumberOfTabs", "TabPressed 3", "changed SelectedTab", "paint", "paint"}));
}

TEST(ControlTabList, DeletingAnotherTabLeavesSelectionAndHotTab) {
  TestControl t;
  t.control.AddTab();
  t.control.AddTab();
  t.control.SetSelectedTab(1);
  t.control.mutable_state().mHotTab = 2;
  t.host.ClearLog();
  t.control.DeleteTab();
  EXPECT_EQ(t.control.SelectedTab(), 1);
  EXPECT_EQ(t.control.state().mHotTab, 2);
  EXPECT_EQ(t.host.Trace(), (Strings{"changed NumberOfTabs", "paint"}));
}

TEST(ControlTabList, IconsBecomeBitmapsAndBitmapsStayTheSameObject) {
  TestControl t;
  std::string scratch = (std::filesystem::temp_directory_path() / "vellumar-icons-XXXXXX").string();
  ASSERT_NE(::mkdtemp(scratch.data()), nullptr);
  const ScopedTmpDir tmpdir(scratch.c_str());
  const StdPictureRef icon = MakeIcon();
  int32_t width = 60;
  std::string caption = "Bild";
  StdPictureRef picture = icon;
  ASSERT_EQ(t.control.AddTab(width, caption, picture), 2);
  ASSERT_NE(picture, nullptr);
  EXPECT_NE(picture, icon);  // the caller's argument is replaced by the converted picture
  EXPECT_EQ(picture->Type(), PictureType::kBitmap);
  EXPECT_EQ(t.control.TabPicture(2), picture);
  EXPECT_EQ(picture->bitmap().width(), 32);
  EXPECT_EQ(picture->bitmap().Pixel(0, 0), 0x0000FFu);    // the icon's opaque half
  EXPECT_EQ(picture->bitmap().Pixel(31, 31), 0xFF00FFu);  // the box's background

  const StdPictureRef bitmap = MakeBitmapPicture();
  t.control.SetTabPicture(1, bitmap);
  EXPECT_EQ(t.control.TabPicture(1), bitmap);
  t.control.SetTabPicture(1, icon);
  EXPECT_EQ(t.control.TabPicture(1)->Type(), PictureType::kBitmap);
  StdPictureRef same = bitmap;
  t.control.AddTab(width, caption, same);
  EXPECT_EQ(same, bitmap);
  EXPECT_EQ(t.control.TabPicture(3), bitmap);
  const StdPictureRef metafile = StdPicture::OfType(PictureType::kMetafile, 8, 8);
  t.control.SetTabPicture(1, metafile);
  EXPECT_EQ(t.control.TabPicture(1), metafile);
  t.control.SetTabPicture(1, nullptr);
  EXPECT_EQ(t.control.TabPicture(1), nullptr);
  EXPECT_TRUE(std::filesystem::is_empty(scratch));  // no temporary bitmap stays behind
  std::filesystem::remove_all(scratch);
}

TEST(ControlTabList, FailedConversionAddsNothingAndChangesNothing) {
  TestControl t;
  const StdPictureRef bitmap = MakeBitmapPicture();
  t.control.SetTabPicture(1, bitmap);
  t.host.ClearLog();
  const ScopedTmpDir unusable("/proc");  // a directory in which no file can be made
  int32_t width = 60;
  std::string caption = "Bild";
  StdPictureRef icon = MakeIcon();
  const StdPictureRef original = icon;
  EXPECT_EQ(ErrorOf([&] { t.control.AddTab(width, caption, icon); }), 75);
  EXPECT_EQ(t.control.NumberOfTabs(), 1);
  EXPECT_EQ(t.control.state().Capacity(), 1);
  EXPECT_EQ(icon, original);
  EXPECT_EQ(ErrorOf([&] { t.control.SetTabPicture(1, original); }), 75);
  EXPECT_EQ(t.control.TabPicture(1), bitmap);
  EXPECT_TRUE(t.host.log.empty());
}

TEST(ControlTabList, TerminateReleasesRecordsAndPictures) {
  TestControl t;
  const StdPictureRef bitmap = MakeBitmapPicture();
  t.control.SetTabPicture(1, bitmap);
  ASSERT_EQ(bitmap.use_count(), 2);
  t.control.Terminate();
  EXPECT_EQ(bitmap.use_count(), 1);
  EXPECT_TRUE(t.control.state().mTabs.empty());
  EXPECT_TRUE(t.control.state().mTabRects.empty());
  EXPECT_EQ(ErrorOf([&] { t.control.TabCaption(1); }), 9);
  EXPECT_EQ(ErrorOf([&] { t.control.DrawTab(); }), 9);  // the painters would reach the released records
}

TEST(ControlTabList, HundredsOfThousandsOfTabs) {
  TestControl t;
  t.control.SetAlignment(7);  // paints nothing, so that only the list's own cost counts
  constexpr int32_t kTabs = 300000;
  int32_t width = 1;
  std::string caption = "Tab";
  StdPictureRef none;
  for (int32_t i = 2; i <= kTabs; ++i) ASSERT_EQ(t.control.AddTab(width, caption, none), i);
  EXPECT_EQ(t.control.state().Capacity(), kTabs);
  EXPECT_EQ(t.control.TabCaption(kTabs), "Tab");
  t.control.SetSelectedTab(kTabs);
  EXPECT_EQ(t.control.state().mPreviousTab, std::numeric_limits<int16_t>::max());
  t.control.DeleteTab();
  EXPECT_EQ(t.control.SelectedTab(), kTabs - 1);
  EXPECT_EQ(ErrorOf([&] { t.control.TabWidth(kTabs + 1); }), 9);
}

TEST(ControlTabList, AddTabAtTheCountLimitOverflows) {
  TestControl t;
  t.control.mutable_state().mNumberOfTabs = kMax;
  EXPECT_EQ(ErrorOf([&] { t.control.AddTab(); }), 6);
  EXPECT_EQ(t.control.NumberOfTabs(), kMax);
}

// The tab pictures of one control stay within what one form holds, so that a control can always be saved and
// loaded back: the picture beyond is refused with error 7 naming the tab, and nothing changes. The pictures
// of deleted tabs still count; a replaced or removed picture no longer does.
TEST(ControlTabList, TabPicturesStayWithinWhatOneFormHolds) {
  const StdPictureRef largest = StdPicture::FromBitmap(Bitmap(4096, 4096));  // kMaxPicturePixels
  ASSERT_EQ(kMaxFormPicturePixels, 4 * kMaxPicturePixels);
  TestControl t(true, 40, 30);
  const auto add = [&] {
    int32_t width = 60;
    std::string caption = "Bild";
    StdPictureRef picture = largest;
    return t.control.AddTab(width, caption, picture);
  };
  const auto refused = [&](const std::function<void()>& call, const std::string& tab) {
    t.host.ClearLog();
    try {
      call();
      ADD_FAILURE() << tab << ": accepted";
    } catch (const HostError& error) {
      EXPECT_EQ(error.number(), kErrOutOfMemory);
      EXPECT_EQ(std::string(error.what()),
                "Out of memory: " + tab + ": the pictures would hold 83886080 pixels, at most 67108864");
    }
    EXPECT_EQ(t.host.Trace(), Strings{}) << tab;
  };
  for (int32_t tab = 2; tab <= 5; ++tab) EXPECT_EQ(add(), tab);
  refused(add, "tab 6");
  EXPECT_EQ(t.control.NumberOfTabs(), 5);
  refused([&] { t.control.SetTabPicture(1, largest); }, "tab 1");
  EXPECT_EQ(t.control.TabPicture(1), nullptr);

  t.control.DeleteTab();  // tab 5's record keeps its picture
  refused([&] { t.control.SetTabPicture(1, largest); }, "tab 1");
  EXPECT_EQ(add(), 5);  // in place of the deleted tab's picture
  t.control.SetTabPicture(5, nullptr);
  t.control.SetTabPicture(1, largest);
  EXPECT_EQ(t.control.TabPicture(1), largest);
}

}  // namespace
}  // namespace vellumar::testing
