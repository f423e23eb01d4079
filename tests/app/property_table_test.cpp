#include "control/property_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control/headless_host.h"
#include "control/vellumar.h"
#include "platform/errors/host_error.h"

namespace vellumar {
namespace {

class PropertyTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_.Attach(&control_);
    control_.InitProperties();
    host_.Resize(200, 80);
  }
  void TearDown() override { host_.Attach(nullptr); }

  HeadlessHost host_;
  Vellumar control_{host_, &host_};
};

TEST(PropertyTable, ListsTheInterfaceInItsDeclaredOrder) {
  std::vector<std::string> names;
  for (const PropertyInfo& info : PropertyTable()) names.emplace_back(info.name);
  EXPECT_EQ(names, (std::vector<std::string>{"TabHeight",
                                             "BackColor",
                                             "ForeColor",
                                             "ForeColorActive",
                                             "BackColorForm",
                                             "MouseMoveColor0",
                                             "MouseMoveColor1",
                                             "MouseMoveColor2",
                                             "RegisterFocusColor0",
                                             "RegisterFocusColor1",
                                             "RegisterFocusColor2",
                                             "FrameColor",
                                             "TabWidth",
                                             "TabCaption",
                                             "TabPicture",
                                             "Font",
                                             "FontBold",
                                             "FontItalic",
                                             "FontStrikethru",
                                             "FontUnderline",
                                             "FontSize",
                                             "FontName",
                                             "MaskColor",
                                             "NumberOfTabs",
                                             "Alignment",
                                             "ForeColorHot",
                                             "SelectedTab"}));
  EXPECT_EQ(FindProperty("fontname"), FindProperty("FontName"));
  EXPECT_EQ(FindProperty("Font Name"), nullptr);
  EXPECT_EQ(FindProperty("NumberOfTabs")->set, nullptr);
}

TEST_F(PropertyTableTest, EverySetterStoresWhatTheGetterReturns) {
  const StdPictureRef picture = StdPicture::FromBitmap(Bitmap(4, 4));
  for (const PropertyInfo& info : PropertyTable()) {
    if (info.set == nullptr || info.type == ControlPropertyType::kFont) continue;
    ControlPropertyValue value;
    switch (info.type) {
      case ControlPropertyType::kLong:
        value = int32_t{1};
        break;
      case ControlPropertyType::kAlignment:
        value = int32_t{3};
        break;
      case ControlPropertyType::kColor:
        value = OleColor{0x00123456};
        break;
      case ControlPropertyType::kBoolean:
        value = kTrue;
        break;
      case ControlPropertyType::kSingle:
        value = 12.5f;
        break;
      case ControlPropertyType::kString:
        value = std::string("&Tahoma");
        break;
      case ControlPropertyType::kPicture:
        value = picture;
        break;
      case ControlPropertyType::kFont:
        break;
    }
    info.set(control_, 1, value);
    EXPECT_EQ(info.get(control_, 1), value) << info.name;
  }
}

TEST_F(PropertyTableTest, FontAssignmentReadsBackAsTheSurfaceFont) {
  auto font = std::make_shared<StdFont>();
  font->SetName("Tahoma");
  const PropertyInfo& info = *FindProperty("Font");
  info.set(control_, 0, font);
  const auto surface = std::get<StdFontRef>(info.get(control_, 0));
  EXPECT_EQ(surface, host_.Font());
  EXPECT_EQ(surface->Name(), "Tahoma");
}

TEST_F(PropertyTableTest, WrongValuesAndIndexesFailWithNumberedErrors) {
  auto number_of = [](auto action) {
    try {
      action();
    } catch (const HostError& error) {
      return error.number();
    }
    return 0;
  };
  EXPECT_EQ(number_of([&] { FindProperty("TabHeight")->set(control_, 0, std::string("22")); }),
            kErrTypeMismatch);
  EXPECT_EQ(number_of([&] { FindProperty("BackColor")->set(control_, 0, int32_t{5}); }), kErrTypeMismatch);
  EXPECT_EQ(number_of([&] { FindProperty("TabCaption")->get(control_, 9); }), kErrSubscriptOutOfRange);
  EXPECT_EQ(control_.TabHeight(), 22);
}

}  // namespace
}  // namespace vellumar
