// Turns a font family name and style into font files to open, in order of preference.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vellumar {

struct FontFile {
  std::string path;
  int face_index = 0;
  bool is_bold = false;    // the file's face is a bold design (no synthetic emboldening needed)
  bool is_italic = false;  // the file's face is italic or oblique (no synthetic slant needed)
};

// Finds font files through the process's current fontconfig configuration, referenced on construction and
// released on destruction, so that it stays usable whatever other fontconfig users in the process do with
// their references.
class FontResolver {
 public:
  FontResolver();
  ~FontResolver();
  FontResolver(const FontResolver&) = delete;
  FontResolver& operator=(const FontResolver&) = delete;

  // The candidates for family in the wanted style, best first; the caller opens the first that loads.
  // "MS Sans Serif" and "Tahoma" (any letter case) map to the fonts of the Wine font package, looked up
  // through fontconfig and otherwise at their installed paths; any other name goes through fontconfig's
  // matching, which substitutes a similar family for an unknown one. DejaVu Sans always comes last as the
  // resort of resorts. Each call asks fontconfig afresh (a millisecond or so); callers cache what they open.
  std::vector<FontFile> Resolve(std::string_view family, bool bold, bool italic) const;

  // The outline family drawn with the same metrics as family, for a bitmap family whose strikes have no
  // size for high-resolution output; empty when there is none.
  static std::string_view ScalableStandIn(std::string_view family);

 private:
  struct Config;
  std::unique_ptr<Config> config_;  // null when fontconfig could not load a configuration
};

}  // namespace vellumar
