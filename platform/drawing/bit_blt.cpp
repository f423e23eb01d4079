#include <algorithm>
#include <optional>
#include <vector>

#include "platform/drawing/device_context.h"
#include "platform/raster/raster_pixels.h"

namespace vellumar {

namespace {

enum class Rop { kCopy, kAnd, kPaint, kInvert, kAndNot, kBlack, kWhite };

std::optional<Rop> DecodeRop(uint32_t code) {
  switch (code) {
    case kSrcCopy:
      return Rop::kCopy;
    case kSrcAnd:
      return Rop::kAnd;
    case kSrcPaint:
      return Rop::kPaint;
    case kSrcInvert:
      return Rop::kInvert;
    case kDstAndNotSrc:
      return Rop::kAndNot;
    case kBlackness:
      return Rop::kBlack;
    case kWhiteness:
      return Rop::kWhite;
    default:
      return std::nullopt;
  }
}

// The block left after clipping against both bitmaps, as offsets into the requested block.
struct BlitWindow {
  int64_t dx = 0;  // first column, relative to the requested block
  int64_t dy = 0;
  int64_t width = 0;
  int64_t height = 0;
};

// dest_bounds is where the destination may be written, a rectangle within its bitmap.
BlitWindow ClipBlock(const Rect& dest_bounds, int64_t x, int64_t y, int64_t width, int64_t height,
                     const Bitmap& src, int64_t x_src, int64_t y_src) {
  BlitWindow w;
  w.dx = std::max({int64_t{0}, dest_bounds.left - x, -x_src});
  w.dy = std::max({int64_t{0}, dest_bounds.top - y, -y_src});
  const int64_t end_x = std::min({width, dest_bounds.right - x, src.width() - x_src});
  const int64_t end_y = std::min({height, dest_bounds.bottom - y, src.height() - y_src});
  w.width = std::max<int64_t>(end_x - w.dx, 0);
  w.height = std::max<int64_t>(end_y - w.dy, 0);
  return w;
}

// How source pixels become destination pixels between the two formats.
struct Conversion {
  enum class Kind { kNone, kColorToMono, kMonoToColor } kind = Kind::kNone;
  uint32_t key = 0;   // colour to mono: the source colour that becomes 1
  uint32_t zero = 0;  // mono to colour: what 0 becomes
  uint32_t one = 0;   // mono to colour: what 1 becomes
};

Conversion ConversionFor(const DeviceContext& dest, const DeviceContext& src, PixelFormat dest_format,
                         PixelFormat src_format) {
  Conversion c;
  if (src_format == PixelFormat::kColor32 && dest_format == PixelFormat::kMono1) {
    c.kind = Conversion::Kind::kColorToMono;
    c.key = src.GetBkColor() & raster::kColorBits;
  } else if (src_format == PixelFormat::kMono1 && dest_format == PixelFormat::kColor32) {
    c.kind = Conversion::Kind::kMonoToColor;
    c.zero = dest.GetTextColor() & raster::kColorBits;
    c.one = dest.GetBkColor() & raster::kColorBits;
  }
  return c;
}

void ConvertRow(const uint32_t* src, size_t n, const Conversion& c, uint32_t* out) {
  if (c.kind == Conversion::Kind::kColorToMono) {
    std::transform(src, src + n, out, [key = c.key](uint32_t p) {
      return (p & raster::kColorBits) == key ? raster::kMonoWhite : raster::kMonoBlack;
    });
  } else if (c.kind == Conversion::Kind::kMonoToColor) {
    std::transform(src, src + n, out, [&c](uint32_t p) { return p == raster::kMonoBlack ? c.zero : c.one; });
  } else {
    std::copy_n(src, n, out);
  }
}

// dest[i] = dest[i] op src[i]. Both rows hold values of the destination's format, so no operation can set
// bits the format does not use.
void CombineRow(Rop rop, uint32_t* dest, const uint32_t* src, size_t n) {
  switch (rop) {
    case Rop::kCopy:
      std::copy_n(src, n, dest);
      break;
    case Rop::kAnd:
      std::transform(dest, dest + n, src, dest, [](uint32_t d, uint32_t s) { return d & s; });
      break;
    case Rop::kPaint:
      std::transform(dest, dest + n, src, dest, [](uint32_t d, uint32_t s) { return d | s; });
      break;
    case Rop::kInvert:
      std::transform(dest, dest + n, src, dest, [](uint32_t d, uint32_t s) { return d ^ s; });
      break;
    case Rop::kAndNot:
      std::transform(dest, dest + n, src, dest, [](uint32_t d, uint32_t s) { return d & ~s; });
      break;
    case Rop::kBlack:
    case Rop::kWhite:
      break;
  }
}

void FillBlock(Bitmap& dest, const Rect& bounds, int64_t x, int64_t y, int64_t width, int64_t height,
               Rop rop) {
  const bool mono = dest.format() == PixelFormat::kMono1;
  const uint32_t white = mono ? raster::kMonoWhite : raster::kColorBits;
  raster::FillClipped(dest, bounds, x, y, x + width, y + height, rop == Rop::kWhite ? white : 0);
}

void BlitRows(Bitmap& dest, int64_t x, int64_t y, const Bitmap& src, int64_t x_src, int64_t y_src,
              const BlitWindow& w, const Conversion& conversion, Rop rop) {
  const auto n = static_cast<size_t>(w.width);
  // Within one bitmap the rows are walked away from the overlap and each source row is copied aside first,
  // so every source pixel is read before it can be overwritten.
  const bool same = &dest == &src;
  const bool staged = same || conversion.kind != Conversion::Kind::kNone;
  const bool upwards = same && y > y_src;
  if (!staged && rop == Rop::kCopy && n == static_cast<size_t>(dest.width()) &&
      n == static_cast<size_t>(src.width())) {
    // Whole rows of equal width are one contiguous block on both sides: one copy lets the library pick its
    // large-copy strategy.
    std::copy_n(src.Row(static_cast<int32_t>(y_src + w.dy)), n * static_cast<size_t>(w.height),
                dest.Row(static_cast<int32_t>(y + w.dy)));
    return;
  }
  std::vector<uint32_t> row(staged ? n : 0);
  for (int64_t i = 0; i < w.height; ++i) {
    const int64_t r = w.dy + (upwards ? w.height - 1 - i : i);
    const uint32_t* s = src.Row(static_cast<int32_t>(y_src + r)) + (x_src + w.dx);
    uint32_t* d = dest.Row(static_cast<int32_t>(y + r)) + (x + w.dx);
    if (staged) {
      ConvertRow(s, n, conversion, row.data());
      s = row.data();
    }
    CombineRow(rop, d, s, n);
  }
}

// The destination pixels [first, last) of one axis whose source pixel, first_source + (d - origin) *
// source_scale / dest_scale for destination pixel d, lies within [0, source_extent).
struct AxisMap {
  int64_t first = 0;
  int64_t last = 0;
  int64_t origin = 0;        // the destination pixel of the block's first logical pixel
  int64_t first_source = 0;  // the source pixel of the block's first logical pixel
  int64_t source_scale = 1;
  int64_t dest_scale = 1;

  int64_t SourceOf(int64_t d) const { return first_source + (d - origin) * source_scale / dest_scale; }
};

// The mapping is monotonic, so the valid destination pixels form one run found by walking in from the ends
// of the clipped block (at most one logical pixel's worth of steps each way).
AxisMap MapAxis(int64_t position, int64_t extent, int64_t source_position, int64_t dest_scale,
                int64_t source_scale, int64_t bound_low, int64_t bound_high, int64_t source_extent) {
  AxisMap m;
  m.origin = position * dest_scale;
  m.first_source = source_position * source_scale;
  m.source_scale = source_scale;
  m.dest_scale = dest_scale;
  m.first = std::max(m.origin, bound_low);
  m.last = std::min(m.origin + extent * dest_scale, bound_high);
  // Whole logical pixels outside the source are skipped arithmetically before the pixel walk.
  const int64_t skip_before = std::max<int64_t>(0, -source_position);
  m.first = std::max(m.first, m.origin + skip_before * dest_scale);
  const int64_t source_logical = (source_extent + source_scale - 1) / source_scale;
  m.last = std::min(m.last, m.origin + (source_logical - source_position) * dest_scale);
  while (m.first < m.last && m.SourceOf(m.first) < 0) ++m.first;
  while (m.first < m.last && m.SourceOf(m.last - 1) >= source_extent) --m.last;
  return m;
}

// A copy between contexts of different scales: each destination row gathers its source pixels first.
void BlitResampled(Bitmap& dest, const AxisMap& columns, const AxisMap& rows, const Bitmap& src,
                   const Conversion& conversion, Rop rop) {
  if (columns.first >= columns.last || rows.first >= rows.last) return;
  const auto n = static_cast<size_t>(columns.last - columns.first);
  std::vector<uint32_t> gathered(n);
  std::vector<uint32_t> row(n);
  for (int64_t y = rows.first; y < rows.last; ++y) {
    const uint32_t* s = src.Row(static_cast<int32_t>(rows.SourceOf(y)));
    for (size_t i = 0; i < n; ++i) gathered[i] = s[columns.SourceOf(columns.first + static_cast<int64_t>(i))];
    ConvertRow(gathered.data(), n, conversion, row.data());
    CombineRow(rop, dest.Row(static_cast<int32_t>(y)) + columns.first, row.data(), n);
  }
}

}  // namespace

bool BitBlt(DeviceContext& dest, int32_t x, int32_t y, int32_t width, int32_t height,
            const DeviceContext& src, int32_t x_src, int32_t y_src, uint32_t rop_code) {
  const std::optional<Rop> rop = DecodeRop(rop_code);
  if (!rop) return false;
  Bitmap* target = dest.bitmap();
  if (target == nullptr || width <= 0 || height <= 0) return true;
  const int64_t s = dest.scale();
  const Rect bounds = dest.DeviceBounds();
  if (*rop == Rop::kBlack || *rop == Rop::kWhite) {
    // These ignore the source, which may be absent.
    FillBlock(*target, bounds, x * s, y * s, width * s, height * s, *rop);
    return true;
  }
  const Bitmap* source = src.bitmap();
  if (source == nullptr) return true;
  const Conversion conversion = ConversionFor(dest, src, target->format(), source->format());
  if (src.scale() != dest.scale()) {
    const int64_t ss = src.scale();
    const AxisMap columns = MapAxis(x, width, x_src, s, ss, bounds.left, bounds.right, source->width());
    const AxisMap rows = MapAxis(y, height, y_src, s, ss, bounds.top, bounds.bottom, source->height());
    BlitResampled(*target, columns, rows, *source, conversion, *rop);
    return true;
  }
  const BlitWindow window =
      ClipBlock(bounds, x * s, y * s, width * s, height * s, *source, x_src * s, y_src * s);
  if (window.width == 0 || window.height == 0) return true;
  BlitRows(*target, x * s, y * s, *source, x_src * s, y_src * s, window, conversion, *rop);
  return true;
}

}  // namespace vellumar
