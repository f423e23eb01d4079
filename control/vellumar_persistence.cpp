// Saving the control into the host's property bag and restoring it from one.
#include <algorithm>
#include <exception>
#include <functional>
#include <string>

#include "control/tab_keys.h"
#include "control/vellumar.h"
#include "platform/errors/error_text.h"
#include "platform/errors/host_error.h"
#include "platform/form_file/property_bag.h"

namespace vellumar {
namespace {

// Defaults a read passes for keys a bag lacks; some differ from a new control's (TabHeight 25 against 22,
// BackColor 0xE0F0F0 against 0xE3DFE0), and loaded forms rely on them.
constexpr int32_t kReadDefaultTabHeight = 25;
constexpr OleColor kReadDefaultBackColor = 0xE0F0F0;
constexpr OleColor kReadDefaultForeColor = 0x80000012;
constexpr OleColor kReadDefaultForeColorActive = 0x985038;
constexpr OleColor kReadDefaultForeColorHot = 0xFF0000;
constexpr OleColor kReadDefaultFrameColor = 0xA0A098;
constexpr OleColor kReadDefaultMaskColor = 0xFF00FF;
constexpr OleColor kReadDefaultBandColor0 = 0x2890E8;
constexpr OleColor kReadDefaultBandColor1 = 0x38D0FF;
constexpr OleColor kReadDefaultBandColor2 = 0x38C8FF;
constexpr float kDefaultFontSize = 8;

PropertyValue Color(OleColor color) {
  return PropertyValue::Int32(static_cast<int32_t>(color));
}
OleColor ToColor(const PropertyValue& value) {
  return static_cast<OleColor>(ToInt32(value));
}

// Runs one read step; a failure skips the rest of that step only.
void Step(const std::function<void()>& step) {
  try {
    step();
  } catch (const std::exception&) {
    // Loading goes on with the next step: a damaged or missing value must not lose the others.
  }
}

// A load and a save refuse the same tab counts, with the same words.
void CheckTabCount(int64_t count) {
  if (count > Vellumar::kMaxStoredTabs) {
    throw HostError::WithDetail(kErrOutOfMemory, std::to_string(count) + " tabs, at most " +
                                                     std::to_string(Vellumar::kMaxStoredTabs));
  }
}

}  // namespace

void Vellumar::CheckLoadable(const PropertyBag& bag) {
  const PropertyValue count = bag.ReadProperty("NumberOfTabs", PropertyValue::Int32(0));
  int32_t stored = 0;
  try {
    stored = ToInt32(count);
  } catch (const HostError&) {
    return;  // no count: ReadProperties skips it and reads no tab, but the keys stay in the bag
  }
  try {
    CheckTabCount(stored);
  } catch (const HostError& error) {
    throw error.Within("key \"NumberOfTabs\"");
  }
}

void Vellumar::ReadProperties(const PropertyBag& bag) {
  const auto read_color = [&](const char* key, OleColor fallback, void (Vellumar::*setter)(OleColor)) {
    Step([&] { (this->*setter)(ToColor(bag.ReadProperty(key, Color(fallback)))); });
  };
  Step([&] { SetAlignment(ToInt32(bag.ReadProperty("Alignment", PropertyValue::Int32(s_.mAlignment)))); });
  Step([&] {
    SetTabHeight(ToInt32(bag.ReadProperty("TabHeight", PropertyValue::Int32(kReadDefaultTabHeight))));
  });
  read_color("BackColor", kReadDefaultBackColor, &Vellumar::SetBackColor);
  read_color("BackColorForm", kReadDefaultBackColor, &Vellumar::SetBackColorForm);
  read_color("ForeColor", kReadDefaultForeColor, &Vellumar::SetForeColor);
  read_color("ForeColorActive", kReadDefaultForeColorActive, &Vellumar::SetForeColorActive);
  read_color("ForeColorHot", kReadDefaultForeColorHot, &Vellumar::SetForeColorHot);
  read_color("FrameColor", kReadDefaultFrameColor, &Vellumar::SetFrameColor);
  read_color("MaskColor", kReadDefaultMaskColor, &Vellumar::SetMaskColor);
  Step([&] {
    const int32_t count = ToInt32(bag.ReadProperty("NumberOfTabs", PropertyValue::Int32(0)));
    // A count the file cannot back with tabs would make the list below allocate without bound.
    if (count < 0) throw HostError(kErrSubscriptOutOfRange);
    CheckTabCount(count);
    s_.mNumberOfTabs = count;
  });
  Step([&] { SetSelectedTab(ToInt32(bag.ReadProperty("SelectedTab", PropertyValue::Int32(1)))); });
  read_color("MouseMoveColor0", kReadDefaultBandColor0, &Vellumar::SetMouseMoveColor0);
  read_color("MouseMoveColor1", kReadDefaultBandColor1, &Vellumar::SetMouseMoveColor1);
  read_color("MouseMoveColor2", kReadDefaultBandColor2, &Vellumar::SetMouseMoveColor2);
  read_color("RegisterFocusColor1", kReadDefaultBandColor1, &Vellumar::SetRegisterFocusColor1);
  read_color("RegisterFocusColor2", kReadDefaultBandColor2, &Vellumar::SetRegisterFocusColor2);
  read_color("RegisterFocusColor0", kReadDefaultBandColor0, &Vellumar::SetRegisterFocusColor0);
  Step([&] { SetFontBold(ToBool(bag.ReadProperty("FontBold", PropertyValue::Bool(kFalse)))); });
  Step([&] { SetFontItalic(ToBool(bag.ReadProperty("FontItalic", PropertyValue::Bool(kFalse)))); });
  Step([&] { SetFontStrikethru(ToBool(bag.ReadProperty("FontStrikethru", PropertyValue::Bool(kFalse)))); });
  Step([&] { SetFontName(ToString(bag.ReadProperty("FontName", PropertyValue::String("MS Sans Serif")))); });
  Step([&] { SetFontSize(ToFloat(bag.ReadProperty("FontSize", PropertyValue::Float(kDefaultFontSize)))); });
  Step([&] { SetFontUnderline(ToBool(bag.ReadProperty("FontUnderline", PropertyValue::Bool(kFalse)))); });
  // The surface font only: mFont and the font members keep what the steps above gave them.
  Step([&] { host_.SetFont(ToFont(bag.ReadProperty("Font", PropertyValue::Font(host_.Font())))); });

  s_.mTabs.assign(static_cast<size_t>(s_.mNumberOfTabs) + 1, nullptr);
  pictures_.Clear();
  painter_.Forget();
  for (int32_t i = 1; i <= s_.mNumberOfTabs; ++i) {
    cTabs& record = Reach(i);
    Step([&] { record.TabWidth = ToInt32(bag.ReadProperty(TabKey(kTabWidthKey, i))); });
    Step([&] { record.TabCaption = ToString(bag.ReadProperty(TabKey(kTabTextKey, i))); });
    Step([&] {
      StdPictureRef picture = ToPicture(bag.ReadProperty(TabKey(kTabPictureKey, i)));
      pictures_.Charge(picture.get());
      record.SetTabIcon(std::move(picture));
    });
  }
  Step([&] { SetTabAccessKeys(); });
}

void Vellumar::WriteProperties(PropertyBag& bag) {
  CheckTabCount(s_.mNumberOfTabs);
  const StdFontRef ambient = host_.AmbientFont();
  bag.WriteProperty("Alignment", PropertyValue::Int32(s_.mAlignment));
  bag.WriteProperty("TabHeight", PropertyValue::Int32(s_.mTabHeight));
  bag.WriteProperty("BackColor", Color(s_.mBackColor));
  bag.WriteProperty("BackColorForm", Color(s_.mBackColorForm));
  bag.WriteProperty("ForeColor", Color(s_.mForeColor));
  bag.WriteProperty("ForeColorActive", Color(s_.mForeColorActive));
  bag.WriteProperty("ForeColorHot", Color(s_.mForeColorHot));
  bag.WriteProperty("FrameColor", Color(s_.mFrameColor));
  bag.WriteProperty("MaskColor", Color(s_.mMaskColor));
  bag.WriteProperty("SelectedTab", PropertyValue::Int32(s_.mSelectedTab));
  bag.WriteProperty("Font", PropertyValue::Font(host_.Font()));
  bag.WriteProperty("NumberOfTabs", PropertyValue::Int32(s_.mNumberOfTabs));
  bag.WriteProperty("RegisterFocusColor1", Color(s_.mRegisterFocusColor1));
  bag.WriteProperty("RegisterFocusColor2", Color(s_.mRegisterFocusColor2));
  bag.WriteProperty("MouseMoveColor0", Color(s_.mMouseMoveColor0));
  bag.WriteProperty("MouseMoveColor1", Color(s_.mMouseMoveColor1));
  bag.WriteProperty("MouseMoveColor2", Color(s_.mMouseMoveColor2));
  bag.WriteProperty("RegisterFocusColor0", Color(s_.mRegisterFocusColor0));
  bag.WriteProperty("FontBold", PropertyValue::Bool(mFontBold), PropertyValue::Bool(kFalse));
  bag.WriteProperty("FontItalic", PropertyValue::Bool(mFontItalic), PropertyValue::Bool(kFalse));
  bag.WriteProperty("FontSize", PropertyValue::Float(mFontSize), PropertyValue::Float(kDefaultFontSize));
  // A name never equals a font object, so the name is always stored: a load must not fall back to
  // "MS Sans Serif" when the name happens to equal the container's font.
  bag.WriteProperty("FontName", PropertyValue::String(mFontName), PropertyValue::Font(ambient));
  bag.WriteProperty("FontStrikethru", PropertyValue::Bool(mFontStrikethru), PropertyValue::Bool(kFalse));
  bag.WriteProperty("FontUnderline", PropertyValue::Bool(mFontUnderline), PropertyValue::Bool(kFalse));
  bag.WriteProperty("Font", PropertyValue::Font(mFont), PropertyValue::Font(ambient));
  bag.Reserve(bag.size() + 3 * static_cast<size_t>(std::max(s_.mNumberOfTabs, 0)));
  for (int32_t i = 1; i <= s_.mNumberOfTabs; ++i) {
    const cTabs& record = Reach(i);
    bag.WriteProperty(TabKey(kTabWidthKey, i), PropertyValue::Int32(record.TabWidth));
    bag.WriteProperty(TabKey(kTabTextKey, i), PropertyValue::String(record.TabCaption));
    bag.WriteProperty(TabKey(kTabPictureKey, i), PropertyValue::Picture(record.TabIcon()),
                      PropertyValue::Nothing());
  }
}

}  // namespace vellumar
