// Text output and measurement in a device context's font, standing in for DrawTextA.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/drawing/device_context.h"
#include "platform/geometry.h"
#include "platform/text/line_ink.h"
#include "platform/text/text_layout.h"

namespace vellumar {

// DrawText format flags (DT_...).
inline constexpr uint32_t kDtLeft = 0x0;
inline constexpr uint32_t kDtCenter = 0x1;
inline constexpr uint32_t kDtRight = 0x2;
inline constexpr uint32_t kDtVCenter = 0x4;
inline constexpr uint32_t kDtBottom = 0x8;
inline constexpr uint32_t kDtWordBreak = 0x10;
inline constexpr uint32_t kDtSingleLine = 0x20;
inline constexpr uint32_t kDtNoClip = 0x100;
inline constexpr uint32_t kDtCalcRect = 0x400;
inline constexpr uint32_t kDtNoPrefix = 0x800;

// Draws UTF-8 text into rect with the context's font and text colour; the background is transparent
// whatever the context's background mode. length is the number of bytes to use (-1, or more than the text
// holds, means all). Handles kDtCenter, kDtRight, kDtVCenter and kDtBottom (single lines only, as GDI),
// kDtWordBreak, kDtSingleLine, kDtNoPrefix (else "&" underlines the next character and "&&" shows one "&")
// and kDtCalcRect (draws nothing; sets rect's right to the end of the widest line, widened when one word is
// wider than rect, and its bottom to the bottom of the last line). Returns the height of the text in pixels.
int32_t DrawTextA(DeviceContext& dc, std::string_view text, int32_t length, Rect& rect, uint32_t format);

// The height of one line of the context's font, in pixels (13 for MS Sans Serif 8 at 96 dpi).
int32_t LineHeight(const DeviceContext& dc);

// Text shaped and broken into lines once, in a device context's font, for a format and a wrap width: Draw
// paints what DrawTextA paints for the same text, font and format in a rectangle of that width, without
// shaping and breaking the text again. Whoever keeps one keeps it only while the font stays the same. From
// its second drawing in the same font and scale on, it draws each line's ink composed once (see LineInk).
class LaidOutText {
 public:
  LaidOutText() = default;
  LaidOutText(const DeviceContext& dc, std::string_view text, int32_t length, int64_t wrap_width,
              uint32_t format);

  // DrawTextA without kDtCalcRect, into rect of the width the text was laid out for.
  int32_t Draw(DeviceContext& dc, const Rect& rect, uint32_t format) const;
  // DrawTextA with kDtCalcRect.
  int32_t Measure(Rect& rect, uint32_t format) const;

 private:
  // The composed ink of each line, for the fonts and decorations it was composed with; nothing for a line
  // that cannot be drawn that way.
  struct InkMemory {
    uint64_t font = 0;    // the one-to-one font's serial
    uint64_t glyphs = 0;  // the serial of the font the glyphs come from
    int64_t scale = 0;
    bool underline = false;
    bool strikeout = false;
    int drawings = 0;  // in these fonts so far, counted up to 2
    std::vector<std::optional<LineInk>> lines;
    friend bool SameFonts(const InkMemory& a, const InkMemory& b) {
      return a.font == b.font && a.glyphs == b.glyphs && a.scale == b.scale && a.underline == b.underline &&
             a.strikeout == b.strikeout;
    }
  };
  const std::vector<std::optional<LineInk>>* InkFor(const InkMemory& now, const LineInkSource& source) const;

  std::vector<LaidOutChar> chars_;
  std::vector<TextLine> lines_;
  bool blank_ = true;        // no text at all
  int32_t line_height_ = 0;  // of the font it was laid out in
  mutable InkMemory ink_;
};

}  // namespace vellumar
