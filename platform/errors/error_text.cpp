#include "platform/errors/error_text.h"

#include <algorithm>
#include <cstdio>

#include "platform/utf8_decode.h"

namespace vellumar {
namespace {

constexpr std::string_view kEllipsis = "\xE2\x80\xA6";  // …
constexpr char32_t kFirstPrintable = 0x20;
constexpr char32_t kDelete = 0x7F;
constexpr char32_t kLastC1Control = 0x9F;

bool IsControl(char32_t code) {
  return code < kFirstPrintable || (code >= kDelete && code <= kLastC1Control);
}

// Appends the character text[begin, end) decoded to code: as it is, or as \xNN for each byte of a control
// character or of a byte that starts no well-formed character.
void AppendCharacter(std::string_view text, size_t begin, size_t end, char32_t code, std::string& out) {
  const bool malformed = code == kReplacementCharacter && text.substr(begin, end - begin) != "\xEF\xBF\xBD";
  if (!malformed && !IsControl(code)) {
    out.append(text, begin, end - begin);
    return;
  }
  for (size_t i = begin; i < end; ++i) {
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\x%02X",
                  static_cast<unsigned>(static_cast<unsigned char>(text[i])));
    out += escape;
  }
}

size_t CountCharacters(std::string_view text) {
  size_t count = 0;
  for (size_t pos = 0; pos < text.size(); ++count) DecodeUtf8(text, pos);
  return count;
}

}  // namespace

std::string Excerpt(std::string_view text, size_t max_chars) {
  const size_t count = CountCharacters(text);
  const bool cut = count > max_chars;
  const size_t tail = cut ? max_chars / 4 : 0;
  const size_t head = cut ? max_chars - tail : count;
  std::string out;
  size_t index = 0;
  for (size_t pos = 0; pos < text.size(); ++index) {
    const size_t begin = pos;
    const char32_t code = DecodeUtf8(text, pos);
    if (cut && index == head) out += kEllipsis;
    if (index < head || (cut && index >= count - tail)) AppendCharacter(text, begin, pos, code, out);
  }
  return out;
}

std::string Quoted(std::string_view text) {
  return "\"" + Excerpt(text) + "\"";
}

std::string PathExcerpt(std::string_view path) {
  return Excerpt(path, kMaxPathChars);
}

std::string QuotedList(std::span<const std::string> names) {
  std::string out;
  const size_t listed = std::min(names.size(), kMaxListedNames);
  for (size_t i = 0; i < listed; ++i) out += (i == 0 ? "" : ", ") + Quoted(names[i]);
  if (listed < names.size()) out += " and " + std::to_string(names.size() - listed) + " more";
  return out;
}

}  // namespace vellumar
