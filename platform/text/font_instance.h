// One font opened at one pixel size and style: its GDI-style metrics and its glyphs, rendered on first use
// and kept in a bounded cache. Not thread-safe; text is drawn on the one UI thread.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/text/font_resolver.h"
#include "platform/text/freetype_handles.h"
#include "platform/text/glyph_bitmap.h"
#include "platform/text/text_layout.h"

namespace vellumar {

// GDI keeps 31 bytes of a face name (LF_FACESIZE less the terminator).
inline constexpr size_t kMaxFaceNameBytes = 31;
// Larger characters are drawn at this height; it bounds the memory one glyph can take.
inline constexpr int32_t kMaxEmPixels = 1024;

// What a device context's font asks for, reduced to what selects glyphs (underline and strikeout are drawn
// by the text painter and do not need a face of their own).
struct FontRequest {
  std::string family;     // at most kMaxFaceNameBytes bytes, as GDI keeps face names
  int32_t em_pixels = 0;  // character height in pixels, 1 to kMaxEmPixels
  bool bold = false;
  bool italic = false;
  int32_t scale = 1;  // device pixels per logical pixel the glyphs are drawn for
  friend bool operator==(const FontRequest&, const FontRequest&) = default;
};

// The vertical layout of a line of text, in pixels from the top of the line.
struct FontMetrics {
  int32_t ascent = 0;       // rows above the baseline
  int32_t descent = 0;      // rows from the baseline down
  int32_t line_height = 0;  // ascent + descent, GDI's tmHeight
  int32_t underline_top = 0;
  int32_t underline_height = 1;
  int32_t strikeout_top = 0;
  int32_t strikeout_height = 1;
};

class FontInstance final : public AdvanceSource {
 public:
  static constexpr size_t kMaxCachedGlyphs = 2048;
  static constexpr size_t kMaxCachedGlyphBytes = size_t{4} << 20;

  // Opens the first of candidates that loads, at the request's size and style. When none does, the font
  // draws nothing but still measures lines as a font of that size would.
  FontInstance(FT_Library library, const FontRequest& request, const std::vector<FontFile>& candidates);

  const FontMetrics& metrics() const { return metrics_; }
  // Tells this font from every other opened in the process, including a later one at the same address.
  uint64_t serial() const { return serial_; }
  // Whether the face is a bitmap strike drawn enlarged by a whole factor rather than at its own size.
  bool magnified() const { return magnification_ > 1; }
  bool is_strike() const { return face_ && !FT_IS_SCALABLE(face_.get()); }
  // Horizontal advance in pixels, including synthetic bold; 0 for a code point that cannot be loaded.
  int32_t Advance(char32_t code) override;
  // The glyph for code with every style applied. The reference is valid until the next call on this font.
  const GlyphBitmap& Glyph(char32_t code);

 private:
  bool Open(FT_Library library, const std::string& path, int face_index, int32_t em_pixels);
  bool SelectStrike(int32_t em_pixels);
  bool SelectScalableSize(int32_t em_pixels);
  void SetDecorations(int32_t design_ppem);
  void SetBlankMetrics(int32_t em_pixels);
  uint32_t GlyphIndexOf(char32_t code);
  bool LoadGlyph(uint32_t index);
  GlyphBitmap RenderGlyph(uint32_t index);
  const GlyphBitmap& Remember(uint32_t index, GlyphBitmap glyph);

  uint64_t serial_ = 0;
  FtFacePtr face_;  // null when no font file could be opened
  FontMetrics metrics_;
  int32_t magnification_ = 1;      // integer scale of a bitmap strike, as GDI enlarges raster fonts
  int32_t bold_strength_ = 0;      // columns of synthetic bold, 0 when the face is bold itself
  bool slant_ = false;             // synthetic italic
  bool monochrome_ = true;         // render without antialiasing
  std::vector<int32_t> advances_;  // per glyph index, -1 until loaded
  std::unordered_map<uint32_t, GlyphBitmap> glyphs_;  // rendered glyphs by glyph index
  size_t glyph_bytes_ = 0;                            // coverage bytes held by glyphs_
  // The glyph index and the rendered glyph of each of the first kDirectCodes code points, looked up once:
  // captions are mostly Latin, and the face's character map and the hash table cost more than the drawing.
  static constexpr char32_t kDirectCodes = 256;
  static constexpr uint32_t kUnknownIndex = 0xFFFFFFFF;
  std::array<uint32_t, kDirectCodes> direct_index_;
  std::array<const GlyphBitmap*, kDirectCodes> direct_glyph_{};  // into glyphs_; reset when it is emptied
  GlyphBitmap blank_;  // what Glyph returns when nothing can be rendered
};

}  // namespace vellumar
