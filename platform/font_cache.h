// The fonts text is drawn with, opened on first use and kept for the next draw. One process-wide cache,
// used from the UI thread only (it is not thread-safe, and neither are the fonts it hands out).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/font_instance.h"
#include "platform/font_resolver.h"
#include "platform/freetype_handles.h"
#include "platform/std_font.h"

namespace vellumar {

// The character height GDI asks for at 96 dpi: MulDiv(points, 96, 72), 8.25 pt giving 11 pixels, clamped to
// 1..kMaxEmPixels; a size that rounds to 0 means the default 8.25 pt, as a zero LOGFONT height does.
int32_t EmPixelsOf(const StdFont& font);

class FontCache {
 public:
  // At most this many fonts stay open; the least recently used one is closed to make room.
  static constexpr size_t kMaxFonts = 8;

  static FontCache& Instance();

  // The font for font's name, size, weight and slant. The reference stays valid until the next call.
  FontInstance& For(const StdFont& font);

 private:
  FontCache();

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
