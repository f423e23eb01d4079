#include "control/property_table.h"

#include "control/vellumar.h"
#include "platform/ascii_case.h"
#include "platform/errors/host_error.h"

namespace vellumar {
namespace {

template <typename T>
const T& Expect(const ControlPropertyValue& value) {
  if (const T* held = std::get_if<T>(&value)) return *held;
  throw HostError(kErrTypeMismatch);
}

// A plain property whose getter and setter take the value itself.
template <typename T, T (Vellumar::*Get)() const, void (Vellumar::*Set)(T)>
constexpr PropertyInfo Plain(std::string_view name, ControlPropertyType type) {
  return {name, type, false,
          [](Vellumar& control, int32_t) {
            return ControlPropertyValue{std::in_place_type<T>, (control.*Get)()};
          },
          [](Vellumar& control, int32_t, const ControlPropertyValue& value) {
            (control.*Set)(Expect<T>(value));
          }};
}

template <OleColor (Vellumar::*Get)() const, void (Vellumar::*Set)(OleColor)>
constexpr PropertyInfo Color(std::string_view name) {
  return Plain<OleColor, Get, Set>(name, ControlPropertyType::kColor);
}

template <VbBool (Vellumar::*Get)() const, void (Vellumar::*Set)(VbBool)>
constexpr PropertyInfo Boolean(std::string_view name) {
  return Plain<VbBool, Get, Set>(name, ControlPropertyType::kBoolean);
}

constexpr PropertyInfo kTabWidth{
    "TabWidth", ControlPropertyType::kLong, true,
    [](Vellumar& control, int32_t index) {
      return ControlPropertyValue{std::in_place_type<int32_t>, control.TabWidth(index)};
    },
    [](Vellumar& control, int32_t index, const ControlPropertyValue& value) {
      control.SetTabWidth(index, Expect<int32_t>(value));
    }};

constexpr PropertyInfo kTabCaption{
    "TabCaption", ControlPropertyType::kString, true,
    [](Vellumar& control, int32_t index) { return ControlPropertyValue{control.TabCaption(index)}; },
    [](Vellumar& control, int32_t index, const ControlPropertyValue& value) {
      control.SetTabCaption(index, Expect<std::string>(value));
    }};

constexpr PropertyInfo kTabPicture{
    "TabPicture", ControlPropertyType::kPicture, true,
    [](Vellumar& control, int32_t index) { return ControlPropertyValue{control.TabPicture(index)}; },
    [](Vellumar& control, int32_t index, const ControlPropertyValue& value) {
      control.SetTabPicture(index, Expect<StdPictureRef>(value));
    }};

constexpr PropertyInfo kFont{"Font", ControlPropertyType::kFont, false,
                             [](Vellumar& control, int32_t) { return ControlPropertyValue{control.Font()}; },
                             [](Vellumar& control, int32_t, const ControlPropertyValue& value) {
                               control.SetFont(Expect<StdFontRef>(value));
                             }};

constexpr PropertyInfo kFontName{
    "FontName", ControlPropertyType::kString, false,
    [](Vellumar& control, int32_t) { return ControlPropertyValue{control.FontName()}; },
    [](Vellumar& control, int32_t, const ControlPropertyValue& value) {
      control.SetFontName(Expect<std::string>(value));
    }};

constexpr PropertyInfo kNumberOfTabs{
    "NumberOfTabs", ControlPropertyType::kLong, false,
    [](Vellumar& control, int32_t) {
      return ControlPropertyValue{std::in_place_type<int32_t>, control.NumberOfTabs()};
    },
    nullptr};

constexpr PropertyInfo kProperties[] = {
    Plain<int32_t, &Vellumar::TabHeight, &Vellumar::SetTabHeight>("TabHeight", ControlPropertyType::kLong),
    Color<&Vellumar::BackColor, &Vellumar::SetBackColor>("BackColor"),
    Color<&Vellumar::ForeColor, &Vellumar::SetForeColor>("ForeColor"),
    Color<&Vellumar::ForeColorActive, &Vellumar::SetForeColorActive>("ForeColorActive"),
    Color<&Vellumar::BackColorForm, &Vellumar::SetBackColorForm>("BackColorForm"),
    Color<&Vellumar::MouseMoveColor0, &Vellumar::SetMouseMoveColor0>("MouseMoveColor0"),
    Color<&Vellumar::MouseMoveColor1, &Vellumar::SetMouseMoveColor1>("MouseMoveColor1"),
    Color<&Vellumar::MouseMoveColor2, &Vellumar::SetMouseMoveColor2>("MouseMoveColor2"),
    Color<&Vellumar::RegisterFocusColor0, &Vellumar::SetRegisterFocusColor0>("RegisterFocusColor0"),
    Color<&Vellumar::RegisterFocusColor1, &Vellumar::SetRegisterFocusColor1>("RegisterFocusColor1"),
    Color<&Vellumar::RegisterFocusColor2, &Vellumar::SetRegisterFocusColor2>("RegisterFocusColor2"),
    Color<&Vellumar::FrameColor, &Vellumar::SetFrameColor>("FrameColor"),
    kTabWidth,
    kTabCaption,
    kTabPicture,
    kFont,
    Boolean<&Vellumar::FontBold, &Vellumar::SetFontBold>("FontBold"),
    Boolean<&Vellumar::FontItalic, &Vellumar::SetFontItalic>("FontItalic"),
    Boolean<&Vellumar::FontStrikethru, &Vellumar::SetFontStrikethru>("FontStrikethru"),
    Boolean<&Vellumar::FontUnderline, &Vellumar::SetFontUnderline>("FontUnderline"),
    Plain<float, &Vellumar::FontSize, &Vellumar::SetFontSize>("FontSize", ControlPropertyType::kSingle),
    kFontName,
    Color<&Vellumar::MaskColor, &Vellumar::SetMaskColor>("MaskColor"),
    kNumberOfTabs,
    Plain<int32_t, &Vellumar::Alignment, &Vellumar::SetAlignment>("Alignment",
                                                                  ControlPropertyType::kAlignment),
    Color<&Vellumar::ForeColorHot, &Vellumar::SetForeColorHot>("ForeColorHot"),
    Plain<int32_t, &Vellumar::SelectedTab, &Vellumar::SetSelectedTab>("SelectedTab",
                                                                      ControlPropertyType::kLong),
};

}  // namespace

std::span<const PropertyInfo> PropertyTable() {
  return kProperties;
}

const PropertyInfo* FindProperty(std::string_view name) {
  for (const PropertyInfo& info : kProperties) {
    if (EqualsIgnoringAsciiCase(info.name, name)) return &info;
  }
  return nullptr;
}

}  // namespace vellumar
