#include "app/headless/script_output.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "control/vellumar.h"

namespace vellumar {
namespace {

std::string Hex32(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
  return text;
}

std::string BooleanText(VbBool value) {
  return value != kFalse ? "True" : "False";
}

std::string RectText(const Rect& rect) {
  return "(" + std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.right) +
         "," + std::to_string(rect.bottom) + ")";
}

std::string FontText(const StdFontRef& font) {
  if (!font) return "Nothing";
  return "Font Name=" + QuoteString(font->Name()) +
         " Size=" + FormatSingle(static_cast<float>(font->Size())) +
         " Bold=" + BooleanText(ToVbBool(font->Bold())) + " Italic=" + BooleanText(ToVbBool(font->Italic())) +
         " Underline=" + BooleanText(ToVbBool(font->Underline())) +
         " Strikethrough=" + BooleanText(ToVbBool(font->Strikethrough())) +
         " Weight=" + std::to_string(font->Weight()) + " Charset=" + std::to_string(font->Charset());
}

std::string PictureText(const StdPictureRef& picture) {
  if (!picture) return "Nothing";
  return "Picture Type=" + std::to_string(static_cast<int>(picture->Type())) +
         " Width=" + std::to_string(picture->Width()) + " Height=" + std::to_string(picture->Height());
}

std::string_view PictureTypeName(PictureType type) {
  switch (type) {
    case PictureType::kNone:
      return "none";
    case PictureType::kBitmap:
      return "bitmap";
    case PictureType::kMetafile:
      return "metafile";
    case PictureType::kIcon:
      return "icon";
    case PictureType::kEnhMetafile:
      return "enhmetafile";
  }
  return "unknown";
}

// Pixels at 96 dpi of a HIMETRIC length, rounded.
int64_t HimetricToPixels(int32_t himetric) {
  return std::llround(himetric * 96.0 / 2540.0);
}

std::string DumpPicture(const StdPictureRef& picture) {
  if (!picture) return "none";
  return std::string(PictureTypeName(picture->Type())) + " " +
         std::to_string(HimetricToPixels(picture->Width())) + "x" +
         std::to_string(HimetricToPixels(picture->Height()));
}

std::string DumpTab(const TabStripState& state, int32_t index) {
  const auto slot = static_cast<size_t>(index);
  const cTabs* record = slot < state.mTabs.size() ? state.mTabs[slot].get() : nullptr;
  const std::string rect = slot < state.mTabRects.size() ? RectText(state.mTabRects[slot]) : "none";
  std::string line = "dump tab " + std::to_string(index) + " rect=" + rect;
  if (record == nullptr) return line + " record=none";
  return line + " caption=" + QuoteString(record->TabCaption) + " width=" + std::to_string(record->TabWidth) +
         " picture=" + DumpPicture(record->TabPicture);
}

}  // namespace

std::string FormatSingle(float value) {
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

std::string QuoteString(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (byte < 0x20 || byte == 0x7F) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      quoted += escape;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

std::string FormatValue(const ControlPropertyValue& value) {
  struct Visitor {
    std::string operator()(std::monostate) const { return "Empty"; }
    std::string operator()(int32_t v) const { return std::to_string(v); }
    std::string operator()(OleColor v) const { return Hex32(v); }
    std::string operator()(VbBool v) const { return BooleanText(v); }
    std::string operator()(float v) const { return FormatSingle(v); }
    std::string operator()(const std::string& v) const { return QuoteString(v); }
    std::string operator()(const StdFontRef& v) const { return FontText(v); }
    std::string operator()(const StdPictureRef& v) const { return PictureText(v); }
  };
  return std::visit(Visitor{}, value);
}

std::string FormatNotice(const HostNotice& notice) {
  if (notice.kind == HostNotice::Kind::kPropertyChanged) return "changed " + std::string(notice.name);
  std::string line = "event " + std::string(notice.name);
  for (size_t i = 0; i < notice.argument_count && i < notice.arguments.size(); ++i) {
    line += " " + std::string(notice.arguments[i].name) + "=" + FormatSingle(notice.arguments[i].value);
  }
  return line;
}

std::vector<std::string> DumpLines(const Vellumar& control, const HeadlessHost& host) {
  const TabStripState& s = control.state();
  std::vector<std::string> lines;
  lines.push_back("dump tabs=" + std::to_string(s.mNumberOfTabs) +
                  " selected=" + std::to_string(s.mSelectedTab) + " hot=" + std::to_string(s.mHotTab) +
                  " focus=" + BooleanText(s.mHasFocus) + " mouseinpage=" + BooleanText(s.mMouseInPage) +
                  " alignment=" + std::to_string(s.mAlignment) +
                  " tabheight=" + std::to_string(s.mTabHeight) + " size=" + std::to_string(host.width()) +
                  "x" + std::to_string(host.height()) + " accesskeys=" + QuoteString(s.mAccessKeys) +
                  " capture=" + std::to_string(host.capture()));
  lines.push_back("dump page rect=" + RectText(s.mPageRect));
  // A count read from elsewhere may claim more tabs than the list holds; those get one summary line.
  const int32_t listed = std::min(s.mNumberOfTabs, std::max(s.Capacity(), 0));
  for (int32_t i = 1; i <= listed; ++i) lines.push_back(DumpTab(s, i));
  if (listed < s.mNumberOfTabs) {
    lines.push_back("dump tabs " + std::to_string(listed + 1) + " to " + std::to_string(s.mNumberOfTabs) +
                    " have no record");
  }
  return lines;
}

}  // namespace vellumar
