// The fonts text is drawn with, opened on first use and kept for the next draw. One process-wide cache,
// used from the UI thread only (it is not thread-safe, and neither are the fonts it hands out).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/text/font_instance.h"
#include "platform/text/font_resolver.h"
#include "platform/text/freetype_handles.h"
#include "platform/text/std_font.h"

namespace vellumar {

// The character height GDI asks for at 96 dpi: MulDiv(points, 96, 72), 8.25 pt giving 11 pixels, clamped to
// 1..kMaxEmPixels; a size that rounds to 0 means the default 8.25 pt, as a zero LOGFONT height does.
int32_t EmPixelsOf(const StdFont& font);

class FontCache {
 public:
  // At most this many fonts stay open; the least recently used one is closed to make room.
  static constexpr size_t kMaxFonts = 8;

  static FontCache& Instance();

  // The font for font's name, size, weight and slant, for output at scale device pixels per logical pixel
  // (1 to 4): its em is scale times the font's. A bitmap face that has no strike of exactly that size
  // gives way to its outline stand-in, so that high-resolution text is rendered rather than enlarged. The
  // reference stays valid until the second call after it (the entry just used is never the one evicted).
  FontInstance& For(const StdFont& font, int32_t scale = 1);

 private:
  FontCache();
  std::unique_ptr<FontInstance> Open(const FontRequest& request, std::string_view family) const;

  struct Entry {
    FontRequest request;
    std::unique_ptr<FontInstance> font;
    uint64_t last_use = 0;
  };

  FtLibraryPtr library_;  // declared first: it must outlive the faces in entries_
  FontResolver resolver_;
  std::vector<Entry> entries_;
  uint64_t clock_ = 0;  // counts lookups, for least-recently-used eviction
};

}  // namespace vellumar
