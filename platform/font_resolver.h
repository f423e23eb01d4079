// Turns a font family name and style into font files to open, in order of preference.
#pragma once

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

// The candidates for family in the wanted style, best first; the caller opens the first that loads.
// "MS Sans Serif" and "Tahoma" (any letter case) map to the fonts of the Wine font package, looked up through
// fontconfig and otherwise at their installed paths; any other name goes through fontconfig's matching, which
// substitutes a similar family for an unknown one. DejaVu Sans always comes last as the resort of resorts.
// Each call asks fontconfig afresh (milliseconds); callers cache what they open.
std::vector<FontFile> ResolveFontFiles(std::string_view family, bool bold, bool italic);

}  // namespace vellumar
