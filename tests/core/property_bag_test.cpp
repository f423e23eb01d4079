#include "platform/form_file/property_bag.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "platform/errors/host_error.h"

namespace vellumar {
namespace {

StdFontRef MakeFont(const std::string& name, double size, bool bold = false) {
  auto font = std::make_shared<StdFont>();
  font->SetName(name);
  font->SetSize(size);
  font->SetBold(bold);
  return font;
}

StdPictureRef SolidPicture(int32_t side, uint32_t color) {
  Bitmap bitmap(side, side);
  for (uint32_t& pixel : bitmap.pixels()) pixel = color;
  return StdPicture::FromBitmap(std::move(bitmap));
}

template <typename Convert>
int ErrorOf(Convert convert) {
  try {
    convert();
  } catch (const HostError& error) {
    return error.number();
  }
  return 0;
}

TEST(PropertyBag, ReadGivesStoredValueOrDefaultOrEmpty) {
  PropertyBag bag;
  bag.WriteProperty("TabHeight", PropertyValue::Int32(22));
  EXPECT_EQ(ToInt32(bag.ReadProperty("TabHeight", PropertyValue::Int32(25))), 22);
  EXPECT_EQ(ToInt32(bag.ReadProperty("tabheight")), 22) << "keys match without regard to ASCII case";
  EXPECT_EQ(ToInt32(bag.ReadProperty("BackColor", PropertyValue::Int32(0xE0F0F0))), 0xE0F0F0);
  EXPECT_TRUE(bag.ReadProperty("BackColor").IsEmpty());
}

TEST(PropertyBag, KeysKeepTheOrderOfTheirFirstWrite) {
  PropertyBag bag;
  bag.WriteProperty("B", PropertyValue::Int32(1));
  bag.WriteProperty("A", PropertyValue::Int32(2));
  bag.WriteProperty("b", PropertyValue::String("again"));
  ASSERT_EQ(bag.size(), 2u);
  EXPECT_EQ(bag.entries()[0].key, "B");
  EXPECT_EQ(ToString(bag.entries()[0].value), "again");
  EXPECT_EQ(bag.entries()[1].key, "A");
}

TEST(PropertyBag, WriteEqualToDefaultStoresNothing) {
  struct Case {
    const char* what;
    PropertyValue value;
    PropertyValue default_value;
    bool stored;
  };
  const StdFontRef ambient = MakeFont("Tahoma", 8);
  const StdPictureRef picture = SolidPicture(2, 0x123456);
  const std::vector<Case> cases = {
      {"equal Boolean", PropertyValue::Bool(kFalse), PropertyValue::Bool(kFalse), false},
      {"other Boolean", PropertyValue::Bool(kTrue), PropertyValue::Bool(kFalse), true},
      {"float equal to an integer default", PropertyValue::Float(8.0F), PropertyValue::Int32(8), false},
      {"float differing from an integer default", PropertyValue::Float(8.25F), PropertyValue::Int32(8), true},
      {"True against -1", PropertyValue::Bool(kTrue), PropertyValue::Int32(-1), false},
      {"NaN against NaN", PropertyValue::Float(std::nanf("")), PropertyValue::Float(std::nanf("")), true},
      {"a name against a font of that name", PropertyValue::String("Tahoma"), PropertyValue::Font(ambient),
       true},
      {"a numeric string against the number", PropertyValue::String("8"), PropertyValue::Int32(8), true},
      {"an equal font", PropertyValue::Font(MakeFont("Tahoma", 8)), PropertyValue::Font(ambient), false},
      {"a font differing in weight", PropertyValue::Font(MakeFont("Tahoma", 8, true)),
       PropertyValue::Font(ambient), true},
      {"no picture against none", PropertyValue::Picture(nullptr), PropertyValue::Nothing(), false},
      {"a picture against none", PropertyValue::Picture(picture), PropertyValue::Nothing(), true},
      {"a picture with the same pixels", PropertyValue::Picture(SolidPicture(2, 0x123456)),
       PropertyValue::Picture(picture), false},
      {"a picture with other pixels", PropertyValue::Picture(SolidPicture(2, 0x123457)),
       PropertyValue::Picture(picture), true},
      {"empty against empty", PropertyValue(), PropertyValue(), false},
  };
  for (const Case& c : cases) {
    PropertyBag bag;
    bag.WriteProperty("Key", c.value, c.default_value);
    EXPECT_EQ(bag.Contains("Key"), c.stored) << c.what;
  }
}

// The control writes "Font" twice: the surface font without a default, then the font last assigned to its
// Font property with the container's font as default.
TEST(PropertyBag, SecondFontWriteKeepsTheSurfaceFontUnlessItDiffers) {
  const StdFontRef surface = MakeFont("Arial", 12, true);
  const StdFontRef ambient = MakeFont("MS Sans Serif", 8);
  struct Case {
    const char* what;
    StdFontRef assigned;
    std::string expected_name;
  };
  const std::vector<Case> cases = {
      {"assigned font equals the container's", MakeFont("MS Sans Serif", 8), "Arial"},
      {"Font never assigned", nullptr, "Arial"},
      {"assigned font differs", MakeFont("Courier New", 10), "Courier New"},
  };
  for (const Case& c : cases) {
    PropertyBag bag;
    bag.WriteProperty("TabHeight", PropertyValue::Int32(22));
    bag.WriteProperty("Font", PropertyValue::Font(surface));
    bag.WriteProperty("NumberOfTabs", PropertyValue::Int32(1));
    bag.WriteProperty("Font", PropertyValue::Font(c.assigned), PropertyValue::Font(ambient));
    const StdFontRef loaded = ToFont(bag.ReadProperty("Font", PropertyValue::Font(ambient)));
    EXPECT_EQ(loaded->Name(), c.expected_name) << c.what;
    EXPECT_EQ(bag.entries()[1].key, "Font") << c.what;
  }
}

TEST(PropertyBag, FontsAreSnapshotsOnWriteAndOnRead) {
  const StdFontRef font = MakeFont("Tahoma", 8);
  PropertyBag bag;
  bag.WriteProperty("Font", PropertyValue::Font(font));
  font->SetName("Changed after the write");
  const StdFontRef first = ToFont(bag.ReadProperty("Font"));
  first->SetItalic(true);
  const StdFontRef second = ToFont(bag.ReadProperty("Font"));
  EXPECT_EQ(second->Name(), "Tahoma");
  EXPECT_FALSE(second->Italic());
  EXPECT_NE(first.get(), second.get());
}

TEST(PropertyValueConversion, ToInt32) {
  const float huge = 3e9F;
  struct Case {
    PropertyValue value;
    int32_t expected;  // meaningful when error is 0
    int error;
  };
  const std::vector<Case> cases = {
      {PropertyValue(), 0, 0},
      {PropertyValue::Int32(std::numeric_limits<int32_t>::min()), std::numeric_limits<int32_t>::min(), 0},
      {PropertyValue::Bool(kTrue), -1, 0},
      {PropertyValue::Float(2.5F), 2, 0},
      {PropertyValue::Float(3.5F), 4, 0},
      {PropertyValue::Float(-2.5F), -2, 0},
      {PropertyValue::Float(huge), 0, kErrTypeMismatch},
      {PropertyValue::Float(std::nanf("")), 0, kErrTypeMismatch},
      {PropertyValue::String(" 12 "), 12, 0},
      {PropertyValue::String("+7"), 7, 0},
      {PropertyValue::String("-1.5"), -2, 0},
      {PropertyValue::String("2147483647"), 2147483647, 0},
      {PropertyValue::String("2147483647.5"), 0, kErrTypeMismatch},
      {PropertyValue::String("12abc"), 0, kErrTypeMismatch},
      {PropertyValue::String(""), 0, kErrTypeMismatch},
      {PropertyValue::String("inf"), 0, kErrTypeMismatch},
      {PropertyValue::Font(MakeFont("Tahoma", 8)), 0, kErrTypeMismatch},
      {PropertyValue::Nothing(), 0, kErrTypeMismatch},
  };
  for (size_t i = 0; i < cases.size(); ++i) {
    const Case& c = cases[i];
    EXPECT_EQ(ErrorOf([&] { ToInt32(c.value); }), c.error) << "case " << i;
    if (c.error == 0) {
      EXPECT_EQ(ToInt32(c.value), c.expected) << "case " << i;
    }
  }
}

TEST(PropertyValueConversion, ToBoolToFloatToString) {
  EXPECT_EQ(ToBool(PropertyValue()), kFalse);
  EXPECT_EQ(ToBool(PropertyValue::Int32(2)), kTrue);
  EXPECT_EQ(ToBool(PropertyValue::Float(0.0F)), kFalse);
  EXPECT_EQ(ToBool(PropertyValue::String(" TRUE ")), kTrue);
  EXPECT_EQ(ToBool(PropertyValue::String("0")), kFalse);
  EXPECT_EQ(ErrorOf([] { ToBool(PropertyValue::String("yes")); }), kErrTypeMismatch);

  EXPECT_EQ(ToFloat(PropertyValue::Bool(kTrue)), -1.0F);
  EXPECT_EQ(ToFloat(PropertyValue::String("8.25")), 8.25F);
  EXPECT_EQ(ToFloat(PropertyValue::String("1e-60")), 0.0F);
  EXPECT_EQ(ErrorOf([] { ToFloat(PropertyValue::String("1e39")); }), kErrTypeMismatch);
  EXPECT_EQ(ErrorOf([] { ToFloat(PropertyValue::Picture(SolidPicture(1, 0))); }), kErrTypeMismatch);

  EXPECT_EQ(ToString(PropertyValue()), "");
  EXPECT_EQ(ToString(PropertyValue::Int32(-60)), "-60");
  EXPECT_EQ(ToString(PropertyValue::Bool(kTrue)), "True");
  EXPECT_EQ(ToString(PropertyValue::Float(8.25F)), "8.25");
  EXPECT_EQ(ToString(PropertyValue::Float(1e20F)), "1E+20");
  EXPECT_EQ(ErrorOf([] { ToString(PropertyValue::Font(MakeFont("Tahoma", 8))); }), kErrTypeMismatch);
}

TEST(PropertyValueConversion, ObjectsAndInvalidValues) {
  EXPECT_EQ(ToPicture(PropertyValue()), nullptr);
  EXPECT_EQ(ToPicture(PropertyValue::Nothing()), nullptr);
  const StdPictureRef picture = SolidPicture(1, 0);
  EXPECT_EQ(ToPicture(PropertyValue::Picture(picture)), picture);
  EXPECT_EQ(ErrorOf([] { ToPicture(PropertyValue::Int32(1)); }), kErrTypeMismatch);
  EXPECT_EQ(ErrorOf([] { ToFont(PropertyValue::Nothing()); }), kErrTypeMismatch)
      << "a read font is never null";
  EXPECT_EQ(ErrorOf([] { ToFont(PropertyValue()); }), kErrTypeMismatch);

  const PropertyValue invalid = PropertyValue::Invalid({kErrInvalidPicture, "form: key \"P\": bad", "{}"});
  EXPECT_FALSE(invalid == invalid);
  for (const auto& convert : std::vector<std::function<void()>>{
           [&] { ToInt32(invalid); }, [&] { ToBool(invalid); }, [&] { ToFloat(invalid); },
           [&] { ToString(invalid); }, [&] { ToFont(invalid); }, [&] { ToPicture(invalid); }}) {
    try {
      convert();
      ADD_FAILURE() << "an invalid value converted";
    } catch (const HostError& error) {
      EXPECT_EQ(error.number(), kErrInvalidPicture);
      EXPECT_STREQ(error.what(), "Invalid picture: form: key \"P\": bad");
    }
  }
}

}  // namespace
}  // namespace vellumar
