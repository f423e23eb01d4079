#include "app/headless/script_lexer.h"

#include <charconv>
#include <cstdio>
#include <limits>

#include "app/headless/script_command.h"
#include "platform/ascii_case.h"
#include "platform/errors/error_text.h"

namespace vellumar {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDelimiter(char c) {
  return IsBlank(c) || c == '(' || c == ')' || c == '"' || c == '#';
}
bool IsNameStart(char c) {
  return IsAsciiLetter(c) || c == '_';
}
bool IsNameChar(char c) {
  return IsNameStart(c) || IsAsciiDigit(c);
}

std::string ByteName(unsigned char c) {
  char text[16];
  if (c >= 0x21 && c < 0x7F) {
    std::snprintf(text, sizeof text, "'%c'", c);
  } else {
    std::snprintf(text, sizeof text, "byte 0x%02X", c);
  }
  return text;
}

class Lexer {
 public:
  Lexer(std::string_view line, int line_number) : line_(line), number_(line_number) {}

  std::vector<ScriptToken> Run() {
    if (line_.size() > kMaxScriptLineBytes) {
      Fail("line is longer than " + std::to_string(kMaxScriptLineBytes) + " bytes");
    }
    for (char c : line_) {
      const auto byte = static_cast<unsigned char>(c);
      if ((byte < 0x20 && c != '\t') || byte == 0x7F)
        Fail("control character (" + ByteName(byte) + ") in line");
    }
    while (true) {
      while (pos_ < line_.size() && IsBlank(line_[pos_])) ++pos_;
      if (pos_ == line_.size() || line_[pos_] == '#') break;
      if (tokens_.size() == kMaxScriptLineTokens) {
        Fail("more than " + std::to_string(kMaxScriptLineTokens) + " tokens in one line");
      }
      tokens_.push_back(Next());
    }
    return std::move(tokens_);
  }

 private:
  [[noreturn]] void Fail(const std::string& message) const { throw ScriptSyntaxError(number_, message); }

  ScriptToken Next() {
    const char c = line_[pos_];
    if (c == '(' || c == ')') {
      ++pos_;
      return ScriptToken{c == '(' ? ScriptToken::Kind::kOpen : ScriptToken::Kind::kClose, {}, {}};
    }
    if (c == '"') return String();
    const size_t start = pos_;
    while (pos_ < line_.size() && !IsDelimiter(line_[pos_])) ++pos_;
    const std::string_view atom = line_.substr(start, pos_ - start);
    if (atom.size() > kMaxScriptAtomBytes) {
      Fail("name or number longer than " + std::to_string(kMaxScriptAtomBytes) + " bytes");
    }
    if (IsNameStart(atom.front())) return Word(atom);
    if (IsAsciiDigit(atom.front()) || atom.front() == '-')
      return ScriptToken{ScriptToken::Kind::kValue, {}, Number(atom)};
    Fail("unexpected " + ByteName(static_cast<unsigned char>(atom.front())) +
         " (text and file paths go in double quotes)");
  }

  ScriptToken Word(std::string_view atom) const {
    for (char c : atom) {
      if (!IsNameChar(c)) {
        Fail("'" + Excerpt(atom) + "' is not a name (text and file paths go in double quotes)");
      }
    }
    if (EqualsIgnoringAsciiCase(atom, "True")) return ScriptToken{ScriptToken::Kind::kValue, {}, true};
    if (EqualsIgnoringAsciiCase(atom, "False")) return ScriptToken{ScriptToken::Kind::kValue, {}, false};
    if (EqualsIgnoringAsciiCase(atom, "Nothing"))
      return ScriptToken{ScriptToken::Kind::kValue, {}, ScriptNothing{}};
    return ScriptToken{ScriptToken::Kind::kName, std::string(atom), {}};
  }

  ScriptNumber Number(std::string_view atom) const {
    const std::string bad = "'" + Excerpt(atom) + "' is not a number";
    std::string_view body = atom;
    const bool negative = !body.empty() && body.front() == '-';
    if (negative) body.remove_prefix(1);
    if (body.size() > 2 && body[0] == '0' && (body[1] == 'x' || body[1] == 'X')) {
      if (negative) Fail("hexadecimal numbers take no sign: '" + Excerpt(atom) + "'");
      return Hex(body.substr(2), bad);
    }
    size_t digits = 0;
    while (digits < body.size() && IsAsciiDigit(body[digits])) ++digits;
    if (digits == 0) Fail(bad);
    bool fraction = false;
    if (digits < body.size()) {
      if (body[digits] != '.' || digits + 1 == body.size()) Fail(bad);
      for (size_t i = digits + 1; i < body.size(); ++i) {
        if (!IsAsciiDigit(body[i])) Fail(bad);
      }
      fraction = true;
    }
    ScriptNumber number;
    const char* first = atom.data();
    const char* last = atom.data() + atom.size();
    // An atom is too short to overflow a double; what fails to convert is a value too small for one.
    if (std::from_chars(first, last, number.real).ec != std::errc{}) number.real = 0;
    if (!fraction) {
      int64_t whole = 0;
      if (std::from_chars(first, last, whole).ec == std::errc{}) number.integer = whole;
    }
    return number;
  }

  ScriptNumber Hex(std::string_view digits, const std::string& bad) const {
    for (char c : digits) {
      if (!IsAsciiHexDigit(c)) Fail(bad);
    }
    ScriptNumber number;
    number.hex = true;
    uint64_t value = 0;
    if (std::from_chars(digits.data(), digits.data() + digits.size(), value, 16).ec != std::errc{}) {
      number.real = std::numeric_limits<double>::infinity();
      return number;
    }
    number.real = static_cast<double>(value);
    if (value <= static_cast<uint64_t>(INT64_MAX)) number.integer = static_cast<int64_t>(value);
    return number;
  }

  ScriptToken String() {
    ++pos_;  // the opening quote
    std::string text;
    while (true) {
      if (pos_ == line_.size()) Fail("string without its closing double quote");
      const char c = line_[pos_++];
      if (c == '"') break;
      if (c == '\\') {
        if (pos_ == line_.size() || (line_[pos_] != '"' && line_[pos_] != '\\')) {
          Fail("unknown escape in string: only \\\" and \\\\ are allowed");
        }
        text.push_back(line_[pos_++]);
        continue;
      }
      text.push_back(c);
    }
    if (!IsValidUtf8(text)) Fail("string is not valid UTF-8");
    if (pos_ < line_.size() && !IsBlank(line_[pos_]) && line_[pos_] != ')' && line_[pos_] != '#') {
      Fail("a string must be followed by a blank");
    }
    return ScriptToken{ScriptToken::Kind::kValue, {}, std::move(text)};
  }

  std::string_view line_;
  int number_;
  size_t pos_ = 0;
  std::vector<ScriptToken> tokens_;
};

}  // namespace

std::vector<ScriptToken> TokenizeScriptLine(std::string_view line, int line_number) {
  return Lexer(line, line_number).Run();
}

namespace {

// The shape of a UTF-8 sequence by its lead byte: its length, the payload bits of the lead byte and the
// smallest code point the length may carry (anything below is an overlong form).
struct Utf8Lead {
  size_t length;
  uint32_t bits;
  uint32_t minimum;
};

Utf8Lead ReadLead(unsigned char lead) {
  if (lead < 0x80) return {1, lead, 0};
  if ((lead & 0xE0) == 0xC0) return {2, lead & 0x1Fu, 0x80};
  if ((lead & 0xF0) == 0xE0) return {3, lead & 0x0Fu, 0x800};
  if ((lead & 0xF8) == 0xF0) return {4, lead & 0x07u, 0x10000};
  return {0, 0, 0};
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    const Utf8Lead lead = ReadLead(static_cast<unsigned char>(text[i]));
    const size_t length = lead.length;
    if (length == 0) return false;
    uint32_t code = lead.bits;
    const uint32_t minimum = lead.minimum;
    if (text.size() - i < length) return false;
    for (size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += length;
  }
  return true;
}

}  // namespace vellumar
