#include "platform/text/font_instance.h"

#include FT_BITMAP_H
#include FT_GASP_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <limits>
#include <utility>

#include "platform/geometry.h"
#include "platform/text/glyph_style.h"

namespace vellumar {
namespace {

constexpr int32_t kMaxMagnification = 64;
constexpr FT_Long kMaxAdvanceEntries = FT_Long{1} << 16;
constexpr int32_t kMaxAdvance = 1 << 16;
constexpr uint8_t kFullCoverage = 255;

int32_t PixelsOf26Dot6(FT_Pos value) {
  return SaturateToInt32((static_cast<int64_t>(value) + 32) >> 6);
}

// Font units to pixels at ppem, rounded to nearest as GDI scales its text metrics.
int32_t ScaleRounded(int64_t units, int32_t ppem, int64_t units_per_em) {
  if (units_per_em <= 0) return 0;
  const int64_t product = units * ppem;
  const int64_t half = units_per_em / 2;
  return SaturateToInt32((product >= 0 ? product + half : product - half) / units_per_em);
}

int32_t ClampInto(int32_t value, int32_t low, int32_t high) {
  return std::max(low, std::min(value, high));
}

uint8_t MonoBit(const uint8_t* row, uint32_t x) {
  return ((row[x >> 3] >> (7 - (x & 7))) & 1) != 0 ? kFullCoverage : 0;
}

// The coverage of a bitmap whose pixel mode is MONO or 8-bit GRAY.
GlyphBitmap CoverageOfBitmap(const FT_Bitmap& bitmap, int32_t left, int32_t top) {
  GlyphBitmap glyph;
  glyph.left = left;
  glyph.top = top;
  glyph.width = static_cast<int32_t>(bitmap.width);
  glyph.height = static_cast<int32_t>(bitmap.rows);
  glyph.coverage.resize(static_cast<size_t>(bitmap.width) * bitmap.rows);
  const size_t stride = static_cast<size_t>(bitmap.pitch < 0 ? -bitmap.pitch : bitmap.pitch);
  const int max_gray = std::max<int>(1, bitmap.num_grays - 1);
  for (uint32_t y = 0; y < bitmap.rows; ++y) {
    // A negative pitch stores the rows bottom up.
    const uint32_t stored_row = bitmap.pitch < 0 ? bitmap.rows - 1 - y : y;
    const uint8_t* row = bitmap.buffer + stored_row * stride;
    uint8_t* out = glyph.coverage.data() + static_cast<size_t>(y) * bitmap.width;
    for (uint32_t x = 0; x < bitmap.width; ++x) {
      out[x] = bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                   ? MonoBit(row, x)
                   : static_cast<uint8_t>(std::min(255, row[x] * 255 / max_gray));
    }
  }
  return glyph;
}

GlyphBitmap CoverageOfSlot(FT_GlyphSlot slot) {
  const FT_Bitmap& bitmap = slot->bitmap;
  if (bitmap.buffer == nullptr || bitmap.width == 0 || bitmap.rows == 0) {
    return GlyphBitmap{slot->bitmap_left, slot->bitmap_top, 0, 0, {}};
  }
  if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO || bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
    return CoverageOfBitmap(bitmap, slot->bitmap_left, slot->bitmap_top);
  }
  FT_Bitmap converted;
  FT_Bitmap_Init(&converted);
  GlyphBitmap glyph;
  if (FT_Bitmap_Convert(slot->library, &bitmap, &converted, 1) == 0) {
    converted.pixel_mode = FT_PIXEL_MODE_GRAY;
    glyph = CoverageOfBitmap(converted, slot->bitmap_left, slot->bitmap_top);
  }
  FT_Bitmap_Done(slot->library, &converted);
  return glyph;
}

struct StrikeChoice {
  int index = -1;  // -1: the face has no usable strike
  int32_t factor = 1;
};

// GDI picks the raster size whose character height, enlarged by a whole factor, comes closest to the request
// without exceeding it, and the smallest size when every one exceeds it. A strike carries no separate
// internal leading, so its character height is taken as its ascent: for MS Sans Serif that gives the
// familiar 8, 10 and 12 point sizes with 13, 16 and 20 pixel lines.
StrikeChoice ChooseStrike(FT_Face face, int32_t em_pixels) {
  StrikeChoice best;
  int64_t best_height = -1;
  StrikeChoice smallest;
  int32_t smallest_height = std::numeric_limits<int32_t>::max();
  for (int i = 0; i < face->num_fixed_sizes; ++i) {
    if (FT_Select_Size(face, i) != 0) continue;
    const int32_t height = PixelsOf26Dot6(face->size->metrics.ascender);
    if (height <= 0) continue;
    if (height < smallest_height) {
      smallest = StrikeChoice{i, 1};
      smallest_height = height;
    }
    if (height > em_pixels) continue;
    const int32_t factor = std::min(kMaxMagnification, em_pixels / height);
    const int64_t total = int64_t{height} * factor;
    if (total > best_height || (total == best_height && factor < best.factor)) {
      best = StrikeChoice{i, factor};
      best_height = total;
    }
  }
  return best.index >= 0 ? best : smallest;
}

// A decoration bar: its distance from the baseline and its thickness, in pixels.
struct Bar {
  int32_t offset;
  int32_t height;
};

// The underline from the post table at ppem, below the baseline; fonts whose values are missing or
// implausible (the Wine bitmap fonts carry nonsense there) get a twelfth of the em, at least one pixel.
Bar UnderlineOf(FT_Face face, int32_t ppem) {
  const int64_t units_per_em = face->units_per_EM;
  const auto* post = static_cast<const TT_Postscript*>(FT_Get_Sfnt_Table(face, FT_SFNT_POST));
  if (post != nullptr && post->underlinePosition <= 0 && -post->underlinePosition < units_per_em / 2 &&
      post->underlineThickness > 0 && post->underlineThickness < units_per_em / 8) {
    return Bar{ScaleRounded(-post->underlinePosition, ppem, units_per_em),
               std::max(1, ScaleRounded(post->underlineThickness, ppem, units_per_em))};
  }
  return Bar{std::max(1, ppem / 12), std::max(1, ppem / 14)};
}

// The strikeout from the OS/2 table at ppem, above the baseline; without one, a third of the ascent.
Bar StrikeoutOf(FT_Face face, int32_t ppem, int32_t ascent) {
  const int64_t units_per_em = face->units_per_EM;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 != nullptr && os2->version != 0xFFFF && os2->yStrikeoutPosition > 0 &&
      os2->yStrikeoutPosition < units_per_em && os2->yStrikeoutSize > 0 &&
      os2->yStrikeoutSize < units_per_em / 8) {
    return Bar{ScaleRounded(os2->yStrikeoutPosition, ppem, units_per_em),
               std::max(1, ScaleRounded(os2->yStrikeoutSize, ppem, units_per_em))};
  }
  return Bar{ascent / 3, std::max(1, ppem / 14)};
}

}  // namespace

FontInstance::FontInstance(FT_Library library, const FontRequest& request,
                           const std::vector<FontFile>& candidates) {
  static uint64_t opened = 0;
  serial_ = ++opened;
  direct_index_.fill(kUnknownIndex);
  const int32_t em = ClampInto(request.em_pixels, 1, kMaxEmPixels);
  if (library != nullptr) {
    for (const FontFile& file : candidates) {
      if (!Open(library, file.path, file.face_index, em)) continue;
      // GDI's simulated bold overstrikes one pixel further right; raster fonts enlarge that pixel with the
      // font, outline fonts thicken a little with size.
      const int32_t strength = FT_IS_SCALABLE(face_.get()) ? std::max(1, em / 24) : magnification_;
      bold_strength_ = request.bold && !file.is_bold ? strength : 0;
      slant_ = request.italic && !file.is_italic;
      return;
    }
  }
  SetBlankMetrics(em);
}

bool FontInstance::Open(FT_Library library, const std::string& path, int face_index, int32_t em_pixels) {
  FT_Face raw = nullptr;
  if (FT_New_Face(library, path.c_str(), face_index, &raw) != 0) return false;
  face_.reset(raw);
  FT_Select_Charmap(face_.get(), FT_ENCODING_UNICODE);
  const bool sized = FT_IS_SCALABLE(face_.get()) ? SelectScalableSize(em_pixels) : SelectStrike(em_pixels);
  if (!sized || metrics_.line_height <= 0) {
    face_.reset();
    magnification_ = 1;
    return false;
  }
  advances_.assign(static_cast<size_t>(std::clamp<FT_Long>(face_->num_glyphs, 0, kMaxAdvanceEntries)), -1);
  return true;
}

bool FontInstance::SelectStrike(int32_t em_pixels) {
  FT_Face face = face_.get();
  const StrikeChoice strike = ChooseStrike(face, em_pixels);
  if (strike.index < 0 || FT_Select_Size(face, strike.index) != 0) return false;
  magnification_ = strike.factor;
  metrics_.ascent = PixelsOf26Dot6(face->size->metrics.ascender) * strike.factor;
  metrics_.descent = std::max(0, -PixelsOf26Dot6(face->size->metrics.descender)) * strike.factor;
  metrics_.line_height = metrics_.ascent + metrics_.descent;
  monochrome_ = true;
  SetDecorations(PixelsOf26Dot6(face->available_sizes[strike.index].y_ppem) * strike.factor);
  return true;
}

// GDI sizes a TrueType font so that its em is the requested character height and takes the line from the
// Windows ascent and descent of the OS/2 table.
bool FontInstance::SelectScalableSize(int32_t em_pixels) {
  FT_Face face = face_.get();
  if (face->units_per_EM == 0 || FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(em_pixels)) != 0) {
    return false;
  }
  int64_t ascent = face->ascender;
  int64_t descent = -int64_t{face->descender};
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 != nullptr && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
    ascent = os2->usWinAscent;
    descent = os2->usWinDescent;
  }
  metrics_.ascent = std::max(0, ScaleRounded(ascent, em_pixels, face->units_per_EM));
  metrics_.descent = std::max(0, ScaleRounded(descent, em_pixels, face->units_per_EM));
  metrics_.line_height = metrics_.ascent + metrics_.descent;
  // Like GDI's standard smoothing: the font's gasp table decides, and fonts without one are smoothed.
  const FT_Int gasp = FT_Get_Gasp(face, static_cast<FT_UInt>(em_pixels));
  monochrome_ = gasp != FT_GASP_NO_TABLE && (gasp & FT_GASP_DO_GRAY) == 0;
  SetDecorations(em_pixels);
  return true;
}

void FontInstance::SetDecorations(int32_t ppem) {
  const Bar underline = UnderlineOf(face_.get(), ppem);
  const Bar strikeout = StrikeoutOf(face_.get(), ppem, metrics_.ascent);
  const int32_t line = metrics_.line_height;
  metrics_.underline_height = std::min(underline.height, line);
  metrics_.underline_top = ClampInto(metrics_.ascent + underline.offset, 0, line - metrics_.underline_height);
  metrics_.strikeout_height = std::min(strikeout.height, line);
  metrics_.strikeout_top = ClampInto(metrics_.ascent - strikeout.offset, 0, line - metrics_.strikeout_height);
}

// Without a font file the lines still get a plausible height, so layout and the callers' arithmetic hold.
void FontInstance::SetBlankMetrics(int32_t em_pixels) {
  metrics_ = FontMetrics{};
  metrics_.ascent = em_pixels;
  metrics_.descent = em_pixels / 5;
  metrics_.line_height = metrics_.ascent + metrics_.descent;
  metrics_.underline_top = std::min(metrics_.ascent + 1, metrics_.line_height - 1);
  metrics_.strikeout_top = metrics_.ascent - metrics_.ascent / 3;
}

uint32_t FontInstance::GlyphIndexOf(char32_t code) {
  if (code >= kDirectCodes)
    return static_cast<uint32_t>(FT_Get_Char_Index(face_.get(), static_cast<FT_ULong>(code)));
  uint32_t& index = direct_index_[code];
  if (index == kUnknownIndex)
    index = static_cast<uint32_t>(FT_Get_Char_Index(face_.get(), static_cast<FT_ULong>(code)));
  return index;
}

bool FontInstance::LoadGlyph(uint32_t index) {
  const FT_Int32 target = monochrome_ ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL;
  return FT_Load_Glyph(face_.get(), index, FT_LOAD_DEFAULT | target) == 0;
}

int32_t FontInstance::Advance(char32_t code) {
  if (!face_) return 0;
  const uint32_t index = GlyphIndexOf(code);
  if (index < advances_.size() && advances_[index] >= 0) return advances_[index];
  int32_t advance = 0;
  if (LoadGlyph(index)) {
    const int32_t pixels = std::clamp(PixelsOf26Dot6(face_->glyph->advance.x), 0, kMaxAdvance);
    advance = pixels * magnification_ + bold_strength_;
  }
  if (index < advances_.size()) advances_[index] = advance;
  return advance;
}

const GlyphBitmap& FontInstance::Glyph(char32_t code) {
  if (!face_) return blank_;
  const bool direct = code < kDirectCodes;
  if (direct && direct_glyph_[code] != nullptr) return *direct_glyph_[code];
  const uint32_t index = GlyphIndexOf(code);
  const auto found = glyphs_.find(index);
  const GlyphBitmap& glyph = found != glyphs_.end() ? found->second : Remember(index, RenderGlyph(index));
  if (direct) direct_glyph_[code] = &glyph;
  return glyph;
}

GlyphBitmap FontInstance::RenderGlyph(uint32_t index) {
  if (!LoadGlyph(index)) return GlyphBitmap{};
  FT_GlyphSlot slot = face_->glyph;
  const FT_Render_Mode mode = monochrome_ ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL;
  if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, mode) != 0) return GlyphBitmap{};
  GlyphBitmap glyph = MagnifyGlyph(CoverageOfSlot(slot), magnification_);
  glyph = EmboldenGlyph(glyph, bold_strength_);
  return TrimGlyph(slant_ ? SlantGlyph(glyph) : glyph);
}

// A full cache is emptied rather than trimmed: it only fills when text cycles through thousands of distinct
// glyphs, where the next draw re-renders what it needs anyway.
const GlyphBitmap& FontInstance::Remember(uint32_t index, GlyphBitmap glyph) {
  const size_t bytes = glyph.coverage.size();
  if (glyphs_.size() >= kMaxCachedGlyphs || glyph_bytes_ + bytes > kMaxCachedGlyphBytes) {
    glyphs_.clear();
    direct_glyph_.fill(nullptr);
    glyph_bytes_ = 0;
  }
  glyph_bytes_ += bytes;
  return glyphs_.emplace(index, std::move(glyph)).first->second;
}

}  // namespace vellumar
