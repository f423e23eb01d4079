#include "platform/text/text_layout.h"

#include "platform/utf8_decode.h"

namespace vellumar {
namespace {

constexpr char32_t kPrefix = U'&';
constexpr char32_t kSpace = U' ';

// Code points with the line breaks already folded into '\n'.
class CodeReader {
 public:
  explicit CodeReader(std::string_view text) : text_(text) {}
  bool AtEnd() const { return pos_ >= text_.size(); }
  char32_t Next() {
    const char32_t code = DecodeUtf8(text_, pos_);
    if (code != U'\r') return code;
    if (!AtEnd() && text_[pos_] == '\n') ++pos_;
    return U'\n';
  }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

}  // namespace

bool IsControlCode(char32_t code) {
  return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}

std::vector<LaidOutChar> ShapeText(std::string_view text, bool process_prefix, AdvanceSource& font) {
  std::vector<LaidOutChar> chars;
  chars.reserve(text.size());
  CodeReader reader(text);
  while (!reader.AtEnd()) {
    char32_t code = reader.Next();
    bool underlined = false;
    if (process_prefix && code == kPrefix) {
      if (reader.AtEnd()) break;
      code = reader.Next();
      underlined = code != kPrefix;
    }
    const int32_t advance = IsControlCode(code) ? 0 : font.Advance(code);
    chars.push_back(LaidOutChar{code, advance, underlined});
  }
  return chars;
}

LineBreaker::LineBreaker(std::span<const LaidOutChar> chars, bool single_line, bool word_break,
                         int64_t wrap_width)
    : chars_(chars), single_line_(single_line), word_break_(word_break), wrap_width_(wrap_width) {}

bool LineBreaker::Next(TextLine& line) {
  if (done_) return false;
  const size_t end = single_line_ ? chars_.size() : ParagraphEnd(position_);
  if (word_break_ && !single_line_) {
    line = BreakParagraph(end);
  } else {
    line = TextLine{position_, end, 0};
    for (size_t i = position_; i < end; ++i) line.width += chars_[i].advance;
    position_ = end;
  }
  if (position_ == end) {
    position_ = end + 1;
    done_ = position_ >= chars_.size();
  }
  return true;
}

size_t LineBreaker::ParagraphEnd(size_t from) const {
  size_t end = from;
  while (end < chars_.size() && chars_[end].code != U'\n') ++end;
  return end;
}

TextLine LineBreaker::BreakParagraph(size_t end) {
  const size_t begin = position_;
  int64_t width = 0;
  size_t line_end = begin;
  bool has_word = false;
  size_t i = begin;
  while (i < end) {
    int64_t spaces = 0;
    for (; i < end && chars_[i].code == kSpace; ++i) spaces += chars_[i].advance;
    if (i == end) {
      width += spaces;
      line_end = end;
      break;
    }
    const size_t word_begin = i;
    int64_t word = 0;
    for (; i < end && chars_[i].code != kSpace; ++i) word += chars_[i].advance;
    if (has_word && width + spaces + word > wrap_width_) {
      position_ = word_begin;
      return TextLine{begin, line_end, width};
    }
    width += spaces + word;
    line_end = i;
    has_word = true;
  }
  position_ = end;
  return TextLine{begin, line_end, width};
}

}  // namespace vellumar
