// Turning UTF-8 text into positioned lines: decoding, the "&" access-key marker, explicit line breaks and
// word breaking, with advances from a font.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace vellumar {

// Supplies horizontal advances in pixels.
class AdvanceSource {
 public:
  virtual int32_t Advance(char32_t code) = 0;

 protected:
  ~AdvanceSource() = default;
};

struct LaidOutChar {
  char32_t code = 0;
  int32_t advance = 0;      // 0 for control characters, which are not drawn
  bool underlined = false;  // marked by "&" as an access key
};

// A line is chars [begin, end) of the shaped text; width is the sum of their advances.
struct TextLine {
  size_t begin = 0;
  size_t end = 0;
  int64_t width = 0;
};

// Control characters (C0, DEL, C1) take no room and draw nothing; a line break is kept as a single '\n'.
bool IsControlCode(char32_t code);

// Decodes text (malformed UTF-8 becomes U+FFFD, one per bad byte) and looks up each advance. With
// process_prefix, "&x" marks x as underlined, "&&" gives one "&", and a "&" that ends the text is dropped.
// "\r\n", "\n" and a lone "\r" each become one '\n'.
std::vector<LaidOutChar> ShapeText(std::string_view text, bool process_prefix, AdvanceSource& font);

// Splits shaped text into lines, one at a time. Multi-line text breaks at every '\n' (a final '\n' starts no
// further line); with word breaking it also breaks before a word that would end beyond wrap_width, dropping
// the spaces at the break. A word wider than wrap_width stays whole on a line of its own.
class LineBreaker {
 public:
  LineBreaker(std::span<const LaidOutChar> chars, bool single_line, bool word_break, int64_t wrap_width);

  // The next line; false when every line has been returned.
  bool Next(TextLine& line);

 private:
  size_t ParagraphEnd(size_t from) const;
  TextLine BreakParagraph(size_t end);

  std::span<const LaidOutChar> chars_;
  bool single_line_;
  bool word_break_;
  int64_t wrap_width_;
  size_t position_ = 0;  // first char not yet returned in a line
  bool done_ = false;
};

}  // namespace vellumar
