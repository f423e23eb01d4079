#include "platform/text/line_ink.h"

#include <algorithm>
#include <atomic>
#include <limits>
#include <utility>
#include <vector>

#include "platform/text/text_layout.h"

namespace vellumar {
namespace {

constexpr uint8_t kFull = 255;

std::atomic<size_t> ink_in_use{0};

// A box in device pixels relative to the line's top-left corner.
struct Box {
  int64_t left = 0;
  int64_t top = 0;
  int64_t right = 0;
  int64_t bottom = 0;
};

// Walks the line as the glyph-by-glyph drawing does and hands each drawn glyph's box (with the glyph) and
// each bar's box to the visitor; false when a glyph's ink lies beyond the reach.
template <typename OnGlyph, typename OnBar>
bool WalkLine(const LineInkSource& s, const TextLine& line, OnGlyph on_glyph, OnBar on_bar) {
  const int64_t k = s.scale;
  const int64_t baseline = int64_t{s.metrics.ascent} * k;
  const auto bar = [&](int64_t from, int64_t to, int64_t top, int64_t height) {
    on_bar(Box{from * k, top * k, to * k, (top + height) * k});
  };
  int64_t pen = 0;
  for (size_t i = line.begin; i < line.end; ++i) {
    const LaidOutChar& c = s.chars[i];
    if (!IsControlCode(c.code)) {
      const GlyphBitmap& glyph = s.glyphs.Glyph(c.code);
      const Box box{pen * k + glyph.left, baseline - glyph.top, pen * k + glyph.left + glyph.width,
                    baseline - glyph.top + glyph.height};
      const bool within =
          glyph.empty() || (box.left >= (pen - s.reach) * k && box.right <= (pen + c.advance + s.reach) * k);
      if (!within) return false;
      if (!glyph.empty()) on_glyph(box, glyph);
    }
    if (c.underlined) bar(pen, pen + c.advance, s.metrics.underline_top, s.metrics.underline_height);
    pen += c.advance;
  }
  if (s.underline) bar(0, line.width, s.metrics.underline_top, s.metrics.underline_height);
  if (s.strikeout) bar(0, line.width, s.metrics.strikeout_top, s.metrics.strikeout_height);
  return true;
}

Box Around(const Box& a, const Box& b, bool first) {
  if (first) return b;
  return Box{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
             std::max(a.bottom, b.bottom)};
}

// Puts the glyph's coverage into the ink; false where it meets other coverage and either is partial.
bool AddGlyph(GlyphBitmap& ink, const Box& origin, const Box& box, const GlyphBitmap& glyph) {
  for (int32_t y = 0; y < glyph.height; ++y) {
    uint8_t* row = ink.coverage.data() + static_cast<size_t>(box.top - origin.top + y) * ink.width +
                   static_cast<size_t>(box.left - origin.left);
    for (int32_t x = 0; x < glyph.width; ++x) {
      const uint8_t value = glyph.At(x, y);
      if (value == 0) continue;
      if (row[x] != 0 && (row[x] != kFull || value != kFull)) return false;
      row[x] = value;
    }
  }
  return true;
}

void AddBar(GlyphBitmap& ink, const Box& origin, const Box& bar) {
  for (int64_t y = bar.top; y < bar.bottom; ++y) {
    uint8_t* row = ink.coverage.data() + static_cast<size_t>(y - origin.top) * ink.width;
    std::fill(row + (bar.left - origin.left), row + (bar.right - origin.left), kFull);
  }
}

}  // namespace

InkAccount::InkAccount(size_t bytes) : bytes_(bytes) {
  ink_in_use += bytes;
}

InkAccount::InkAccount(InkAccount&& other) noexcept : bytes_(std::exchange(other.bytes_, 0)) {}

InkAccount& InkAccount::operator=(InkAccount other) noexcept {
  std::swap(bytes_, other.bytes_);
  return *this;
}

InkAccount::~InkAccount() {
  ink_in_use -= bytes_;
}

bool InkAccount::Affords(size_t bytes) {
  return bytes <= kProcessBudget && ink_in_use.load() <= kProcessBudget - bytes;
}

std::optional<LineInk> ComposeLineInk(const LineInkSource& source, const TextLine& line, size_t max_bytes) {
  Box extent;
  bool first = true;
  const auto grow = [&](const Box& box) {
    if (box.left >= box.right || box.top >= box.bottom) return;
    extent = Around(extent, box, first);
    first = false;
  };
  if (!WalkLine(
          source, line, [&](const Box& box, const GlyphBitmap&) { grow(box); }, grow))
    return std::nullopt;
  LineInk ink;
  if (first) return ink;
  const int64_t width = extent.right - extent.left;
  const int64_t height = extent.bottom - extent.top;
  if (width > std::numeric_limits<int32_t>::max() || height > std::numeric_limits<int32_t>::max() ||
      static_cast<uint64_t>(width) * static_cast<uint64_t>(height) > max_bytes ||
      !InkAccount::Affords(static_cast<size_t>(width * height))) {
    return std::nullopt;
  }
  ink.dx = extent.left;
  ink.dy = extent.top;
  ink.bitmap.width = static_cast<int32_t>(width);
  ink.bitmap.height = static_cast<int32_t>(height);
  ink.bitmap.coverage.assign(static_cast<size_t>(width * height), 0);
  bool exact = true;
  std::vector<Box> bars;
  WalkLine(
      source, line,
      [&](const Box& box, const GlyphBitmap& glyph) {
        exact = exact && AddGlyph(ink.bitmap, extent, box, glyph);
      },
      [&](const Box& box) {
        if (box.left < box.right && box.top < box.bottom) bars.push_back(box);
      });
  if (!exact) return std::nullopt;
  // A bar leaves the text colour whatever lay beneath it, before or after.
  for (const Box& bar : bars) AddBar(ink.bitmap, extent, bar);
  ink.account = InkAccount(ink.bitmap.coverage.size());
  ink.bitmap.solid = std::all_of(ink.bitmap.coverage.begin(), ink.bitmap.coverage.end(),
                                 [](uint8_t c) { return c == 0 || c == kFull; });
  return ink;
}

}  // namespace vellumar
