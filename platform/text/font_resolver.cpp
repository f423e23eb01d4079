#include "platform/text/font_resolver.h"

#include <fontconfig/fontconfig.h>

#include <array>
#include <memory>
#include <optional>

#include "platform/ascii_case.h"

namespace vellumar {
namespace {

constexpr std::string_view kWineFontDir = "/usr/share/wine/fonts/";
constexpr std::string_view kDejaVuDir = "/usr/share/fonts/truetype/dejavu/";

// The families the old platform had as system fonts, served by the Wine font package.
struct WineFamily {
  std::string_view family;
  std::string_view regular_file;
  std::string_view bold_file;        // empty: the platform synthesised bold for this family too
  std::string_view scalable_family;  // an outline family of the same metrics, for sizes the strikes lack
};
// Tahoma was drawn as the outline counterpart of MS Sans Serif: the same 13-pixel line at 8 points.
constexpr std::array<WineFamily, 2> kWineFamilies{{
    {"MS Sans Serif", "ms_sans_serif.ttf", "", "Tahoma"},
    {"Tahoma", "tahoma.ttf", "tahomabd.ttf", ""},
}};

struct FcPatternDeleter {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using FcPatternPtr = std::unique_ptr<FcPattern, FcPatternDeleter>;

const WineFamily* FindWineFamily(std::string_view family) {
  for (const WineFamily& wine : kWineFamilies) {
    if (EqualsIgnoringAsciiCase(wine.family, family)) return &wine;
  }
  return nullptr;
}

std::string_view StringOf(const FcPattern* pattern, const char* object, int n = 0) {
  FcChar8* value = nullptr;
  if (FcPatternGetString(pattern, object, n, &value) != FcResultMatch || value == nullptr) return {};
  return reinterpret_cast<const char*>(value);
}

int IntegerOf(const FcPattern* pattern, const char* object, int fallback) {
  int value = fallback;
  FcPatternGetInteger(pattern, object, 0, &value);
  return value;
}

bool HasFamily(const FcPattern* pattern, std::string_view family) {
  for (int n = 0;; ++n) {
    const std::string_view name = StringOf(pattern, FC_FAMILY, n);
    if (name.empty()) return false;
    if (EqualsIgnoringAsciiCase(name, family)) return true;
  }
}

// fontconfig's best match for the family and style; it always substitutes something for an unknown family,
// which a caller that needs the family itself rejects through require_family.
std::optional<FontFile> MatchWithFontconfig(FcConfig* config, std::string_view family, bool bold, bool italic,
                                            bool require_family) {
  if (config == nullptr) return std::nullopt;
  FcPatternPtr pattern(FcPatternCreate());
  if (!pattern) return std::nullopt;
  const std::string name(family);
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  FcPatternPtr match(FcFontMatch(config, pattern.get(), &result));
  if (!match || result != FcResultMatch) return std::nullopt;
  const std::string_view file = StringOf(match.get(), FC_FILE);
  if (file.empty()) return std::nullopt;
  if (require_family && !HasFamily(match.get(), family)) return std::nullopt;
  FontFile found;
  found.path = std::string(file);
  found.face_index = IntegerOf(match.get(), FC_INDEX, 0);
  found.is_bold = IntegerOf(match.get(), FC_WEIGHT, FC_WEIGHT_REGULAR) >= FC_WEIGHT_DEMIBOLD;
  found.is_italic = IntegerOf(match.get(), FC_SLANT, FC_SLANT_ROMAN) != FC_SLANT_ROMAN;
  return found;
}

void AddWineCandidates(FcConfig* config, const WineFamily& wine, bool bold, bool italic,
                       std::vector<FontFile>& out) {
  // Only the TrueType files carry a Unicode character map; the family's .fon siblings do not.
  std::optional<FontFile> match = MatchWithFontconfig(config, wine.family, bold, italic, true);
  if (match && match->path.size() >= 4 &&
      EqualsIgnoringAsciiCase(std::string_view(match->path).substr(match->path.size() - 4), ".ttf")) {
    out.push_back(std::move(*match));
  }
  if (bold && !wine.bold_file.empty()) {
    out.push_back(FontFile{std::string(kWineFontDir) + std::string(wine.bold_file), 0, true, false});
  }
  out.push_back(FontFile{std::string(kWineFontDir) + std::string(wine.regular_file), 0, false, false});
}

void AddDejaVuCandidates(bool bold, bool italic, std::vector<FontFile>& out) {
  const std::string dir(kDejaVuDir);
  if (bold && italic) out.push_back(FontFile{dir + "DejaVuSans-BoldOblique.ttf", 0, true, true});
  if (bold) out.push_back(FontFile{dir + "DejaVuSans-Bold.ttf", 0, true, false});
  if (italic) out.push_back(FontFile{dir + "DejaVuSans-Oblique.ttf", 0, false, true});
  out.push_back(FontFile{dir + "DejaVuSans.ttf", 0, false, false});
}

}  // namespace

struct FontResolver::Config {
  struct Deleter {
    void operator()(FcConfig* config) const { FcConfigDestroy(config); }
  };
  std::unique_ptr<FcConfig, Deleter> handle;
};

// The process's current configuration, loaded here only if nobody has loaded it yet: a toolkit in the same
// process (Qt's font database) has usually parsed it already, and a private copy would parse the
// configuration files and map the font caches all over again. The reference is ours: it keeps the
// configuration alive when the toolkit drops its own (Qt does when its application ends), and the deleter
// gives it back.
FontResolver::FontResolver() {
  if (FcConfig* config = FcConfigReference(nullptr)) {
    config_ = std::make_unique<Config>();
    config_->handle.reset(config);
  }
}

FontResolver::~FontResolver() = default;

std::string_view FontResolver::ScalableStandIn(std::string_view family) {
  const WineFamily* wine = FindWineFamily(family);
  return wine != nullptr ? wine->scalable_family : std::string_view{};
}

std::vector<FontFile> FontResolver::Resolve(std::string_view family, bool bold, bool italic) const {
  FcConfig* config = config_ ? config_->handle.get() : nullptr;
  std::vector<FontFile> candidates;
  if (const WineFamily* wine = FindWineFamily(family)) {
    AddWineCandidates(config, *wine, bold, italic, candidates);
  } else if (std::optional<FontFile> match = MatchWithFontconfig(config, family, bold, italic, false)) {
    candidates.push_back(std::move(*match));
  }
  AddDejaVuCandidates(bold, italic, candidates);
  return candidates;
}

}  // namespace vellumar
