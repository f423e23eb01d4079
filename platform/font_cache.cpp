#include "platform/font_cache.h"

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

bool Matches(const FontRequest& request, std::string_view family, int32_t em_pixels, bool bold, bool italic) {
  return request.em_pixels == em_pixels && request.bold == bold && request.italic == italic &&
         request.family == family;
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

FontInstance& FontCache::For(const StdFont& font) {
  const std::string_view family = FaceNameOf(font.Name());
  const int32_t em_pixels = EmPixelsOf(font);
  const bool bold = font.Bold();
  const bool italic = font.Italic();
  ++clock_;
  for (Entry& entry : entries_) {
    if (Matches(entry.request, family, em_pixels, bold, italic)) {
      entry.last_use = clock_;
      return *entry.font;
    }
  }
  if (entries_.size() >= kMaxFonts) {
    entries_.erase(std::min_element(entries_.begin(), entries_.end(),
                                    [](const Entry& a, const Entry& b) { return a.last_use < b.last_use; }));
  }
  FontRequest request{std::string(family), em_pixels, bold, italic};
  auto instance = std::make_unique<FontInstance>(library_.get(), request,
                                                 resolver_.Resolve(request.family, bold, italic));
  entries_.push_back(Entry{std::move(request), std::move(instance), clock_});
  return *entries_.back().font;
}

}  // namespace vellumar
