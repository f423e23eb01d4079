// The ink of one laid-out line of text, its glyphs and bars composed into a single coverage bitmap, so that
// a line drawn again costs one pass over its pixels instead of a lookup, a clip and a call for each glyph.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "platform/text/font_instance.h"
#include "platform/text/glyph_bitmap.h"
#include "platform/text/text_layout.h"

namespace vellumar {

// Counts the bytes of every composed ink alive in the process: texts are kept by the thousand (one per
// tab), and their ink together must stay bounded whatever the fonts and captions.
class InkAccount {
 public:
  static constexpr size_t kProcessBudget = size_t{32} << 20;

  InkAccount() = default;
  explicit InkAccount(size_t bytes);
  InkAccount(const InkAccount& other) : InkAccount(other.bytes_) {}
  InkAccount(InkAccount&& other) noexcept;
  InkAccount& operator=(InkAccount other) noexcept;
  ~InkAccount();
  // Whether bytes more would stay within the budget.
  static bool Affords(size_t bytes);

 private:
  size_t bytes_ = 0;
};

// Drawn with its first column dx device pixels right of the line's left edge and its first row dy below the
// line's top (both edges times the scale); bitmap.left and bitmap.top are not used.
struct LineInk {
  int64_t dx = 0;
  int64_t dy = 0;
  GlyphBitmap bitmap;
  InkAccount account;  // for the bitmap's bytes
};

// How the line is drawn glyph by glyph: the font the glyphs come from, the one-to-one font's metrics, the
// decorations, the scale, and how far (in logical pixels) a glyph's ink may lie beyond its advance before
// the glyph-by-glyph drawing leaves it out.
struct LineInkSource {
  std::span<const LaidOutChar> chars;
  FontInstance& glyphs;
  const FontMetrics& metrics;
  bool underline = false;
  bool strikeout = false;
  int64_t scale = 1;
  int64_t reach = 0;
};

// The composed ink, when drawing it gives exactly the pixels of drawing the glyphs and bars one by one:
// every pixel is covered by at most one glyph, or only by fully covering ones, and no glyph's ink lies
// beyond the reach. Bars cover fully, as the text colour drawn over itself stays the text colour. Nothing
// when that does not hold, or the bitmap would take more than max_bytes or the process's budget.
std::optional<LineInk> ComposeLineInk(const LineInkSource& source, const TextLine& line, size_t max_bytes);

}  // namespace vellumar
