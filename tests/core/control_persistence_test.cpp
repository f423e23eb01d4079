// Saving a control into a property bag and loading it back: keys, defaults, the skip-and-go-on rule, and
// round trips through a real form file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "fake_host.h"
#include "picture_test_files.h"
#include "platform/errors/host_error.h"
#include "platform/form_file/form_file.h"
#include "platform/form_file/property_bag.h"
#include "platform/pictures/picture.h"

namespace vellumar::testing {
namespace {

using Strings = std::vector<std::string>;

Strings Keys(const PropertyBag& bag) {
  Strings keys;
  for (const auto& entry : bag.entries()) keys.push_back(entry.key);
  return keys;
}

int32_t IntOf(const PropertyBag& bag, const char* key) {
  return ToInt32(bag.ReadProperty(key));
}

StdPictureRef SmallBitmap(ColorRef color) {
  Bitmap bitmap(16, 16);
  std::fill(bitmap.pixels().begin(), bitmap.pixels().end(), color);
  bitmap.SetPixel(3, 4, 0x123456);
  return StdPicture::FromBitmap(std::move(bitmap));
}

StdPictureRef SmallIcon() {
  std::vector<std::vector<uint32_t>> colors(32, std::vector<uint32_t>(32, 0x00FF8000));
  std::vector<std::vector<uint32_t>> mask(32, std::vector<uint32_t>(32, 0));
  mask[0][0] = 1;
  namespace pt = picture_testing;
  const pt::Bytes ico = pt::BuildIco({pt::IcoEntrySpec{32, 32, 24, pt::IconDib24(colors, mask)}});
  return LoadPictureFromMemory(ico);
}

// A control loaded from a bag as a form gets it: ReadProperties, then sized by the host.
struct LoadedControl : TestControl {
  explicit LoadedControl(const PropertyBag& bag) : TestControl(false) {
    control.ReadProperties(bag);
    control.Resize();
  }
};

TEST(ControlPersistence, NewControlSavedAtOnce) {
  TestControl t;
  PropertyBag bag;
  t.control.WriteProperties(bag);
  EXPECT_EQ(Keys(bag), (Strings{"Alignment",
                                "TabHeight",
                                "BackColor",
                                "BackColorForm",
                                "ForeColor",
                                "ForeColorActive",
                                "ForeColorHot",
                                "FrameColor",
                                "MaskColor",
                                "SelectedTab",
                                "Font",
                                "NumberOfTabs",
                                "RegisterFocusColor1",
                                "RegisterFocusColor2",
                                "MouseMoveColor0",
                                "MouseMoveColor1",
                                "MouseMoveColor2",
                                "RegisterFocusColor0",
                                "FontName",
                                "TabWidth1",
                                "TabText1"}));
  EXPECT_EQ(IntOf(bag, "NumberOfTabs"), 1);
  EXPECT_EQ(IntOf(bag, "TabWidth1"), 60);
  EXPECT_EQ(ToString(bag.ReadProperty("TabText1")), "Register");
  EXPECT_FALSE(bag.Contains("TabPicture1"));
  EXPECT_EQ(IntOf(bag, "TabHeight"), 22);
  EXPECT_EQ(static_cast<uint32_t>(IntOf(bag, "BackColor")), 0xE3DFE0u);
  EXPECT_EQ(IntOf(bag, "SelectedTab"), 1);  // the first paint selected tab 1
  EXPECT_EQ(static_cast<uint32_t>(IntOf(bag, "ForeColor")), 0x80000012u);
  // The font members equal their defaults and are not stored, except the name, which is never compared
  // with the container's font; "Font" holds the surface font.
  EXPECT_EQ(ToString(bag.ReadProperty("FontName")), "MS Sans Serif");
  EXPECT_EQ(bag.ReadProperty("Font").type(), PropertyType::kFont);
}

TEST(ControlPersistence, FontKeyWrittenTwiceKeepsTheSurfaceFontWhenFontWasNeverAssigned) {
  TestControl t;
  t.control.SetFontName("Tahoma");
  t.control.SetFontBold(kTrue);
  PropertyBag bag;
  t.control.WriteProperties(bag);
  const StdFontRef stored = ToFont(bag.ReadProperty("Font"));
  EXPECT_EQ(stored->Name(), "Tahoma");
  EXPECT_TRUE(stored->Bold());

  LoadedControl loaded(bag);
  EXPECT_EQ(loaded.host.Font()->Name(), "Tahoma");
  EXPECT_TRUE(loaded.host.Font()->Bold());
  EXPECT_EQ(loaded.control.AssignedFont(), nullptr);
}

TEST(ControlPersistence, AssignedFontOverwritesTheSurfaceFontEntry) {
  TestControl t;
  auto font = std::make_shared<StdFont>();
  font->SetName("Tahoma");
  font->SetSize(11.25);
  font->SetItalic(true);
  t.control.SetFont(font);
  PropertyBag bag;
  t.control.WriteProperties(bag);
  const StdFontRef stored = ToFont(bag.ReadProperty("Font"));
  EXPECT_EQ(*stored, *font);
  EXPECT_EQ(Keys(bag)[10], "Font");  // one key, at the place of its first write
}

TEST(ControlPersistence, EmptyBagGivesTheReadDefaultsAndNoTabs) {
  LoadedControl t{PropertyBag{}};
  const TabStripState& s = t.control.state();
  EXPECT_EQ(s.mTabHeight, 25);
  EXPECT_EQ(s.mBackColor, 0xE0F0F0u);
  EXPECT_EQ(s.mBackColorForm, 0xE0F0F0u);
  EXPECT_EQ(s.mForeColor, 0x80000012u);
  EXPECT_EQ(s.mMaskColor, 0xFF00FFu);
  EXPECT_EQ(t.control.NumberOfTabs(), 0);
  EXPECT_EQ(t.control.FontName(), "MS Sans Serif");
  EXPECT_EQ(t.control.FontSize(), 8.0f);
}

TEST(ControlPersistence, CountWithOnlyTheFirstCaption) {
  PropertyBag bag;
  bag.WriteProperty("NumberOfTabs", PropertyValue::Int32(3));
  bag.WriteProperty("TabText1", PropertyValue::String("&Eins"));
  LoadedControl t(bag);
  ASSERT_EQ(t.control.NumberOfTabs(), 3);
  EXPECT_EQ(t.control.TabCaption(1), "&Eins");
  EXPECT_EQ(t.control.TabCaption(2), "");
  EXPECT_EQ(t.control.TabCaption(3), "");
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(t.control.TabWidth(i), 0);
    EXPECT_EQ(t.control.TabPicture(i), nullptr);
  }
  EXPECT_EQ(t.host.access_keys, "e");
}

TEST(ControlPersistence, StoredSelectionRestoredOnlyWithinTheCount) {
  struct Case {
    int32_t stored;
    int32_t expected;
  };
  for (const Case c : {Case{2, 2}, Case{3, 3}, Case{4, 1}}) {
    PropertyBag bag;
    bag.WriteProperty("NumberOfTabs", PropertyValue::Int32(3));
    bag.WriteProperty("SelectedTab", PropertyValue::Int32(c.stored));
    LoadedControl t(bag);
    EXPECT_EQ(t.control.SelectedTab(), c.expected) << c.stored;
  }
}

TEST(ControlPersistence, HostileCountsAreSkippedAndReadingGoesOn) {
  for (const int32_t count : {std::numeric_limits<int32_t>::max(), -5, Vellumar::kMaxStoredTabs + 1}) {
    PropertyBag bag;
    bag.WriteProperty("NumberOfTabs", PropertyValue::Int32(count));
    bag.WriteProperty("TabHeight", PropertyValue::Int32(30));
    bag.WriteProperty("MouseMoveColor0", PropertyValue::Int32(0x123456));
    LoadedControl t(bag);
    EXPECT_EQ(t.control.NumberOfTabs(), 0) << count;
    EXPECT_EQ(t.control.TabHeight(), 30);
    EXPECT_EQ(t.control.MouseMoveColor0(), 0x123456u);
  }
}

// Save and load refuse the same tab counts, in the same words: a control of kMaxStoredTabs tabs is saved and
// read back whole, one more tab is refused by WriteProperties before anything is written, and a bag that
// claims it is refused by CheckLoadable, naming the key.
TEST(ControlPersistence, SaveAndLoadAgreeOnTheLargestTabCount) {
  TestControl t;
  TabStripState& s = t.control.mutable_state();
  s.mTabs.resize(static_cast<size_t>(Vellumar::kMaxStoredTabs) + 1);
  s.mNumberOfTabs = Vellumar::kMaxStoredTabs;
  PropertyBag bag;
  t.control.WriteProperties(bag);
  Vellumar::CheckLoadable(bag);
  LoadedControl loaded(bag);
  EXPECT_EQ(loaded.control.NumberOfTabs(), Vellumar::kMaxStoredTabs);

  const std::string too_many = "100001 tabs, at most 100000";
  s.mNumberOfTabs = Vellumar::kMaxStoredTabs + 1;
  PropertyBag refused;
  try {
    t.control.WriteProperties(refused);
    ADD_FAILURE() << "saved";
  } catch (const HostError& error) {
    EXPECT_EQ(error.number(), kErrOutOfMemory);
    EXPECT_EQ(std::string(error.what()), "Out of memory: " + too_many);
  }
  EXPECT_TRUE(refused.empty());
  bag.WriteProperty("NumberOfTabs", PropertyValue::Int32(Vellumar::kMaxStoredTabs + 1));
  try {
    Vellumar::CheckLoadable(bag);
    ADD_FAILURE() << "loadable";
  } catch (const HostError& error) {
    EXPECT_EQ(error.number(), kErrOutOfMemory);
    EXPECT_EQ(std::string(error.what()), "Out of memory: key \"NumberOfTabs\": " + too_many);
  }
}

TEST(ControlPersistence, WrongTypesSkipOnlyTheirStep) {
  PropertyBag bag;
  const Strings keys = {"Alignment",
                        "TabHeight",
                        "BackColor",
                        "BackColorForm",
                        "ForeColor",
                        "ForeColorActive",
                        "ForeColorHot",
                        "FrameColor",
                        "MaskColor",
                        "NumberOfTabs",
                        "SelectedTab",
                        "MouseMoveColor0",
                        "MouseMoveColor1",
                        "MouseMoveColor2",
                        "RegisterFocusColor1",
                        "RegisterFocusColor2",
                        "RegisterFocusColor0",
                        "FontBold",
                        "FontItalic",
                        "FontStrikethru",
                        "FontSize",
                        "FontUnderline",
                        "Font"};
  for (const std::string& key : keys) bag.WriteProperty(key, PropertyValue::String("kein Wert"));
  bag.WriteProperty("FontName", PropertyValue::Picture(SmallBitmap(0)));
  bag.WriteProperty("TabText1", PropertyValue::String("überlebt"));
  LoadedControl t(bag);
  EXPECT_EQ(t.control.NumberOfTabs(), 0);
  EXPECT_EQ(t.control.TabHeight(), 0);  // the step failed; the member keeps its start value
  EXPECT_EQ(t.host.Font()->Name(), "MS Sans Serif");
}

TEST(ControlPersistence, RecordsLeftByDeleteTabAreNotWritten) {
  TestControl t;
  t.control.AddTab();
  t.control.AddTab();
  t.control.SetTabCaption(3, "weg");
  t.control.DeleteTab();
  PropertyBag bag;
  t.control.WriteProperties(bag);
  EXPECT_EQ(IntOf(bag, "NumberOfTabs"), 2);
  EXPECT_TRUE(bag.Contains("TabText2"));
  EXPECT_FALSE(bag.Contains("TabText3"));
  EXPECT_FALSE(bag.Contains("TabWidth3"));
}

class FormRoundTrip : public ::testing::Test {
 protected:
  void TearDown() override { std::remove(path_.c_str()); }

  // Saves the control's bag in a form file, loads the file and gives a control read from it.
  PropertyBag SaveAndLoad(Vellumar& control) {
    Form form;
    form.controls.push_back(FormControl{"Vellumar", "Vellumar1", 8, 8, 300, 200, {}});
    control.WriteProperties(form.controls.back().bag);
    SaveForm(form, path_);
    Form loaded = LoadForm(path_);
    return std::move(loaded.controls.at(0).bag);
  }

  std::string path_ = ::testing::TempDir() + "control_persistence_" + std::to_string(getpid()) + ".vform";
};

TEST_F(FormRoundTrip, EveryPropertyAndEveryTabSurvive) {
  TestControl t;
  Vellumar& c = t.control;
  c.SetTabCaption(1, "&Allgemein");
  int32_t width = 80;
  std::string caption = "&Bilder";
  StdPictureRef bitmap = SmallBitmap(0x00FF00FF);
  c.AddTab(width, caption, bitmap);
  width = 45;
  caption = "Symbol";
  StdPictureRef none;
  c.AddTab(width, caption, none);
  c.mutable_state().mTabs[3]->SetTabIcon(SmallIcon());  // stored as it is, no conversion
  c.SetTabWidth(3, -7);
  c.SetAlignment(reg_Bottom);
  c.SetTabHeight(27);
  c.SetBackColor(0x00C0D0E0);
  c.SetBackColorForm(0x00102030);
  c.SetForeColor(0x80000008);
  c.SetForeColorActive(0x00010203);
  c.SetForeColorHot(0x00040506);
  c.SetFrameColor(0x00070809);
  c.SetMaskColor(0x000A0B0C);
  c.SetMouseMoveColor0(0x00111111);
  c.SetMouseMoveColor1(0x00222222);
  c.SetMouseMoveColor2(0x00333333);
  c.SetRegisterFocusColor0(0x00444444);
  c.SetRegisterFocusColor1(0x00555555);
  c.SetRegisterFocusColor2(0x00666666);
  c.SetFontName("Tahoma");
  c.SetFontSize(9.75f);
  c.SetFontItalic(kTrue);
  c.SetFontUnderline(kTrue);
  c.SetFontStrikethru(kTrue);
  c.SetFontBold(kTrue);
  c.SetSelectedTab(2);

  LoadedControl l(SaveAndLoad(c));
  Vellumar& r = l.control;
  EXPECT_EQ(r.NumberOfTabs(), 3);
  EXPECT_EQ(r.SelectedTab(), 2);
  EXPECT_EQ(r.Alignment(), reg_Bottom);
  EXPECT_EQ(r.TabHeight(), 27);
  EXPECT_EQ(r.BackColor(), 0x00C0D0E0u);
  EXPECT_EQ(r.BackColorForm(), 0x00102030u);
  EXPECT_EQ(r.ForeColor(), 0x80000008u);
  EXPECT_EQ(r.ForeColorActive(), 0x00010203u);
  EXPECT_EQ(r.ForeColorHot(), 0x00040506u);
  EXPECT_EQ(r.FrameColor(), 0x00070809u);
  EXPECT_EQ(r.MaskColor(), 0x000A0B0Cu);
  EXPECT_EQ(r.MouseMoveColor0(), 0x00111111u);
  EXPECT_EQ(r.MouseMoveColor1(), 0x00222222u);
  EXPECT_EQ(r.MouseMoveColor2(), 0x00333333u);
  EXPECT_EQ(r.RegisterFocusColor0(), 0x00444444u);
  EXPECT_EQ(r.RegisterFocusColor1(), 0x00555555u);
  EXPECT_EQ(r.RegisterFocusColor2(), 0x00666666u);
  EXPECT_EQ(r.FontName(), "Tahoma");
  EXPECT_EQ(r.FontSize(), 9.75f);
  EXPECT_EQ(r.FontItalic(), kTrue);
  EXPECT_EQ(r.FontUnderline(), kTrue);
  EXPECT_EQ(r.FontStrikethru(), kTrue);
  EXPECT_EQ(r.FontBold(), kTrue);
  EXPECT_EQ(*l.host.Font(), *t.host.Font());

  EXPECT_EQ(r.TabCaption(1), "&Allgemein");
  EXPECT_EQ(r.TabCaption(2), "&Bilder");
  EXPECT_EQ(r.TabCaption(3), "Symbol");
  EXPECT_EQ(r.TabWidth(2), 80);
  EXPECT_EQ(r.TabWidth(3), -7);
  EXPECT_EQ(r.TabPicture(1), nullptr);
  const StdPictureRef picture = r.TabPicture(2);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->Type(), PictureType::kBitmap);
  EXPECT_EQ(picture->bitmap(), bitmap->bitmap());
  const StdPictureRef icon = r.TabPicture(3);
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->Type(), PictureType::kIcon);
  EXPECT_EQ(icon->icon().color, SmallIcon()->icon().color);
  EXPECT_EQ(l.host.access_keys, "ab");
}

TEST_F(FormRoundTrip, SavingTheLoadedControlGivesTheSameBag) {
  TestControl t;
  t.control.AddTab();
  t.control.SetTabCaption(2, "Zwei");
  const PropertyBag first = SaveAndLoad(t.control);
  LoadedControl l(first);
  PropertyBag second;
  l.control.WriteProperties(second);
  ASSERT_EQ(Keys(first), Keys(second));
  for (size_t i = 0; i < first.entries().size(); ++i) {
    EXPECT_EQ(first.entries()[i].value, second.entries()[i].value) << first.entries()[i].key;
  }
}

}  // namespace
}  // namespace vellumar::testing
