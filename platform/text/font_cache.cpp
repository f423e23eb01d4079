#include "platform/text/font_cache.h"

#include <algorithm>
#include <string_view>

#include "platform/utf8_decode.h"

namespace vellumar {
namespace {

constexpr int64_t kDefaultSizeCurrency = 82500;
constexpr int64_t kCurrencyPerPoint = 10000;
constexpr int64_t kScreenDpi = 96;
constexpr int64_t kPointsPerInch = 72;

// GDI's face-name limit, cut at a character boundary, and at a NUL as a C string would be.
std::string_view FaceNameOf(std::string_view name) {
  name = name.substr(0, name.find('\0'));
  if (name.size() <= kMaxFaceNameBytes) return name;
  size_t end = 0;
  for (size_t pos = 0; pos < name.size();) {
    DecodeUtf8(name, pos);
    if (pos > kMaxFaceNameBytes) break;
    end = pos;
  }
  return name.substr(0, end);
}

constexpr int32_t kMaxScale = 4;

bool Matches(const FontRequest& request, std::string_view family, int32_t em_pixels, bool bold, bool italic,
             int32_t scale) {
  return request.em_pixels == em_pixels && request.bold == bold && request.italic == italic &&
         request.scale == scale && request.family == family;
}

// A strike serves high-resolution output only when it is the one-to-one font's strike at that size.
bool EnlargedStrike(const FontInstance& font, const FontMetrics& logical, int32_t scale) {
  return font.is_strike() && (font.magnified() || font.metrics().ascent != logical.ascent * scale ||
                              font.metrics().line_height != logical.line_height * scale);
}

}  // namespace

int32_t EmPixelsOf(const StdFont& font) {
  const int64_t size = std::max<int64_t>(0, font.SizeCurrency());
  const int64_t denominator = kCurrencyPerPoint * kPointsPerInch;
  int64_t pixels = (size * kScreenDpi + denominator / 2) / denominator;
  if (pixels == 0) pixels = (kDefaultSizeCurrency * kScreenDpi + denominator / 2) / denominator;
  return static_cast<int32_t>(std::clamp<int64_t>(pixels, 1, kMaxEmPixels));
}

FontCache& FontCache::Instance() {
  static FontCache cache;
  return cache;
}

FontCache::FontCache() {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) == 0) library_.reset(library);
}

FontInstance& FontCache::For(const StdFont& font, int32_t scale) {
  scale = std::clamp(scale, 1, kMaxScale);
  const std::string_view family = FaceNameOf(font.Name());
  const int32_t em_pixels = std::min(EmPixelsOf(font) * scale, kMaxEmPixels);
  const bool bold = font.Bold();
  const bool italic = font.Italic();
  ++clock_;
  for (Entry& entry : entries_) {
    if (Matches(entry.request, family, em_pixels, bold, italic, scale)) {
      entry.last_use = clock_;
      return *entry.font;
    }
  }
  FontMetrics logical;
  if (scale > 1) logical = For(font, 1).metrics();
  if (entries_.size() >= kMaxFonts) {
    entries_.erase(std::min_element(entries_.begin(), entries_.end(),
                                    [](const Entry& a, const Entry& b) { return a.last_use < b.last_use; }));
  }
  FontRequest request{std::string(family), em_pixels, bold, italic, scale};
  std::unique_ptr<FontInstance> instance = Open(request, family);
  const std::string_view stand_in = FontResolver::ScalableStandIn(family);
  if (scale > 1 && !stand_in.empty() && EnlargedStrike(*instance, logical, scale)) {
    instance = Open(request, stand_in);
  }
  entries_.push_back(Entry{std::move(request), std::move(instance), clock_});
  return *entries_.back().font;
}

std::unique_ptr<FontInstance> FontCache::Open(const FontRequest& request, std::string_view family) const {
  return std::make_unique<FontInstance>(library_.get(), request,
                                        resolver_.Resolve(family, request.bold, request.italic));
}

}  // namespace vellumar
