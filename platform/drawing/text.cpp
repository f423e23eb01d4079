#include "platform/drawing/text.h"

#include <algorithm>
#include <vector>

#include "platform/text/font_cache.h"
#include "platform/text/text_layout.h"
#include "platform/text/text_paint.h"

namespace vellumar {
namespace {

const StdFont& FontOf(const DeviceContext& dc) {
  static const StdFont kDefaultFont;
  return dc.font() ? *dc.font() : kDefaultFont;
}

// The composed ink of one text takes at most this many bytes; longer texts are drawn glyph by glyph.
constexpr size_t kMaxInkBytes = size_t{64} << 10;
// Glyphs may reach beyond their advance (bearings, slant); farther than two lines' height they do not.
int64_t GlyphReach(const FontMetrics& metrics) {
  return 2 * int64_t{metrics.line_height};
}

bool Has(uint32_t format, uint32_t flag) {
  return (format & flag) != 0;
}

// GDI's placement: a centred line starts at the halved sum of the edges, a vertically centred single line
// at the top plus half the height less half the line.
int64_t LineLeft(const Rect& rect, int64_t width, uint32_t format) {
  if (Has(format, kDtCenter)) return (int64_t{rect.left} + rect.right - width) / 2;
  if (Has(format, kDtRight)) return int64_t{rect.right} - width;
  return rect.left;
}

int64_t FirstLineTop(const Rect& rect, int32_t line_height, uint32_t format) {
  if (!Has(format, kDtSingleLine)) return rect.top;
  if (Has(format, kDtVCenter))
    return int64_t{rect.top} + (int64_t{rect.bottom} - rect.top) / 2 - line_height / 2;
  if (Has(format, kDtBottom)) return int64_t{rect.bottom} - line_height;
  return rect.top;
}

// GDI answers empty text with one line's height; measuring it gives no width, and a line only when the text
// is single-line.
int32_t EmptyText(Rect& rect, uint32_t format, int32_t line_height) {
  if (Has(format, kDtCalcRect)) {
    rect.right = rect.left;
    rect.bottom = Has(format, kDtSingleLine) ? SaturatingAdd(rect.top, line_height) : rect.top;
  }
  return line_height;
}

// Lays text out in logical pixels with the one-to-one font and draws it at the device's scale: each glyph,
// rendered at the scaled size, sits on the scaled baseline at its scaled pen position, so the text keeps
// the one-to-one layout and stays within the boxes measured for it; the bars are the one-to-one bars
// enlarged.
class LinePainter {
 public:
  LinePainter(const TextInk& ink, const Rect& clip, FontInstance& font, FontInstance& glyphs,
              const StdFont& style, std::span<const LaidOutChar> chars, int64_t scale)
      : ink_(ink),
        clip_(clip),
        glyphs_(glyphs),
        metrics_(font.metrics()),
        style_(style),
        chars_(chars),
        scale_(scale) {}

  // Draws one line with its cell's top-left corner at (left, top), from its composed ink when there is one.
  void Paint(const TextLine& line, int64_t left, int64_t top, const std::optional<LineInk>* composed) {
    if (composed != nullptr && composed->has_value()) {
      const LineInk& ink = **composed;
      PaintGlyph(ink_, left * scale_ + ink.dx, top * scale_ + ink.dy, ink.bitmap);
      return;
    }
    const int64_t reach = GlyphReach(metrics_);
    const int64_t baseline = (top + metrics_.ascent) * scale_;
    int64_t pen = left;
    for (size_t i = line.begin; i < line.end && pen < clip_.right + reach; ++i) {
      const LaidOutChar& c = chars_[i];
      if (!IsControlCode(c.code) && pen + c.advance + reach > clip_.left) {
        const GlyphBitmap& glyph = glyphs_.Glyph(c.code);
        PaintGlyph(ink_, pen * scale_ + glyph.left, baseline - glyph.top, glyph);
      }
      if (c.underlined) Underline(pen, pen + c.advance, top);
      pen += c.advance;
    }
    if (style_.Underline()) Underline(left, left + line.width, top);
    if (style_.Strikethrough())
      Bar(left, left + line.width, top + metrics_.strikeout_top, metrics_.strikeout_height);
  }

 private:
  void Underline(int64_t from, int64_t to, int64_t top) {
    Bar(from, to, top + metrics_.underline_top, metrics_.underline_height);
  }

  void Bar(int64_t from, int64_t to, int64_t top, int64_t height) {
    PaintBar(ink_, from * scale_, top * scale_, to * scale_, (top + height) * scale_);
  }

  const TextInk& ink_;
  Rect clip_;  // logical
  FontInstance& glyphs_;
  const FontMetrics& metrics_;
  const StdFont& style_;
  std::span<const LaidOutChar> chars_;
  int64_t scale_;
};

}  // namespace

LaidOutText::LaidOutText(const DeviceContext& dc, std::string_view text, int32_t length, int64_t wrap_width,
                         uint32_t format) {
  FontInstance& font = FontCache::Instance().For(FontOf(dc));
  line_height_ = font.metrics().line_height;
  if (length >= 0 && static_cast<size_t>(length) < text.size())
    text = text.substr(0, static_cast<size_t>(length));
  blank_ = text.empty();
  if (blank_) return;
  chars_ = ShapeText(text, !Has(format, kDtNoPrefix), font);
  LineBreaker lines(chars_, Has(format, kDtSingleLine), Has(format, kDtWordBreak), wrap_width);
  for (TextLine line; lines.Next(line);) lines_.push_back(line);
}

int32_t LaidOutText::Measure(Rect& rect, uint32_t format) const {
  if (blank_) return EmptyText(rect, format, line_height_);
  int64_t widest = 0;
  for (const TextLine& line : lines_) widest = std::max(widest, line.width);
  const int64_t height = static_cast<int64_t>(lines_.size()) * line_height_;
  rect.right = SaturateToInt32(int64_t{rect.left} + widest);
  rect.bottom = SaturateToInt32(int64_t{rect.top} + height);
  return SaturateToInt32(height);
}

// Draws every line that meets the clip and returns the distance from rect's top to the bottom of the text.
int32_t LaidOutText::Draw(DeviceContext& dc, const Rect& rect, uint32_t format) const {
  if (blank_) return line_height_;
  FontInstance& font = FontCache::Instance().For(FontOf(dc));
  Rect clip = dc.DrawingBounds();
  if (!Has(format, kDtNoClip)) clip = Intersect(clip, rect);
  const TextInk ink{dc.bitmap(), dc.DeviceArea(clip), dc.GetTextColor()};
  // The one-to-one font was used last, so this lookup cannot evict it.
  FontInstance& glyphs = dc.scale() == 1 ? font : FontCache::Instance().For(FontOf(dc), dc.scale());
  const StdFont& style = FontOf(dc);
  LinePainter painter(ink, clip, font, glyphs, style, chars_, dc.scale());
  const InkMemory now{
      font.serial(), glyphs.serial(), dc.scale(), style.Underline(), style.Strikethrough(), 0, {}};
  const LineInkSource source{chars_,
                             glyphs,
                             font.metrics(),
                             style.Underline(),
                             style.Strikethrough(),
                             dc.scale(),
                             GlyphReach(font.metrics())};
  const std::vector<std::optional<LineInk>>* composed = InkFor(now, source);
  const int32_t line_height = font.metrics().line_height;
  int64_t top = FirstLineTop(rect, line_height, format);
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (!clip.IsEmpty() && top < clip.bottom && top + line_height > clip.top) {
      painter.Paint(lines_[i], LineLeft(rect, lines_[i].width, format), top,
                    composed != nullptr ? &(*composed)[i] : nullptr);
    }
    top += line_height;
  }
  return SaturateToInt32(top - rect.top);
}

// A text drawn once (as DrawTextA draws) is not worth composing; one drawn again usually is drawn many times.
const std::vector<std::optional<LineInk>>* LaidOutText::InkFor(const InkMemory& now,
                                                               const LineInkSource& source) const {
  if (!SameFonts(ink_, now)) ink_ = now;
  if (ink_.drawings < 2) ++ink_.drawings;
  if (ink_.drawings < 2) return nullptr;
  if (ink_.lines.size() != lines_.size()) {
    size_t budget = kMaxInkBytes;
    ink_.lines.clear();
    for (const TextLine& line : lines_) {
      std::optional<LineInk> composed = ComposeLineInk(source, line, budget);
      if (composed) budget -= composed->bitmap.coverage.size();
      ink_.lines.push_back(std::move(composed));
    }
  }
  return &ink_.lines;
}

int32_t DrawTextA(DeviceContext& dc, std::string_view text, int32_t length, Rect& rect, uint32_t format) {
  const LaidOutText laid_out(dc, text, length, rect.Width(), format);
  if (Has(format, kDtCalcRect)) return laid_out.Measure(rect, format);
  return laid_out.Draw(dc, rect, format);
}

int32_t LineHeight(const DeviceContext& dc) {
  return FontCache::Instance().For(FontOf(dc)).metrics().line_height;
}

}  // namespace vellumar
