// The access-key character of a caption: the character after the first "&" marker that is not doubled,
// looking at no more than two markers. Captions are UTF-8; one character is one code point.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "render/xp_wells.h"

namespace vellumar {
namespace {

constexpr char kMarker = '&';

// Code points of the Windows-1252 bytes 0x80..0x9F; a byte that is no valid UTF-8 is read as Windows-1252,
// the code page the captions' key codes are compared in.
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t FromCp1252(uint8_t byte) {
  if (byte >= 0x80 && byte < 0xA0) return kCp1252High[byte - 0x80];
  return byte;
}

bool IsContinuation(uint8_t byte) {
  return (byte & 0xC0) == 0x80;
}

struct SequenceShape {
  size_t length;       // bytes in the sequence
  char32_t lead_bits;  // payload bits of the lead byte
  char32_t minimum;    // smallest code point that needs this length (shorter forms are overlong)
};

// The shape of a multi-byte sequence from its lead byte; length 0 for a byte that cannot lead one.
SequenceShape ShapeOf(uint8_t lead) {
  if ((lead & 0xE0) == 0xC0) return {2, lead & 0x1Fu, 0x80};
  if ((lead & 0xF0) == 0xE0) return {3, lead & 0x0Fu, 0x800};
  if ((lead & 0xF8) == 0xF0) return {4, lead & 0x07u, 0x10000};
  return {0, 0, 0};
}

// The code point starting at text[0]; a malformed sequence yields its first byte as Windows-1252.
char32_t DecodeFirst(std::string_view text) {
  const auto lead = static_cast<uint8_t>(text[0]);
  if (lead < 0x80) return lead;
  const SequenceShape shape = ShapeOf(lead);
  if (shape.length == 0 || text.size() < shape.length) return FromCp1252(lead);
  char32_t value = shape.lead_bits;
  for (size_t k = 1; k < shape.length; ++k) {
    const auto byte = static_cast<uint8_t>(text[k]);
    if (!IsContinuation(byte)) return FromCp1252(lead);
    value = (value << 6) | (byte & 0x3Fu);
  }
  const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
  if (value < shape.minimum || value > 0x10FFFF || surrogate) return FromCp1252(lead);
  return value;
}

// Lower case for ASCII and for the letters of Latin-1 and Windows-1252; other characters stay as they are.
char32_t ToLower(char32_t c) {
  constexpr char32_t kCaseOffset = 0x20;
  constexpr char32_t kMultiplication = 0xD7;
  if (c >= U'A' && c <= U'Z') return c + kCaseOffset;
  if (c >= 0xC0 && c <= 0xDE && c != kMultiplication) return c + kCaseOffset;
  switch (c) {
    case 0x0152:
      return 0x0153;  // OE ligature
    case 0x0160:
      return 0x0161;  // S caron
    case 0x017D:
      return 0x017E;  // Z caron
    case 0x0178:
      return 0x00FF;  // Y diaeresis
    default:
      return c;
  }
}

std::string EncodeUtf8(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

// The lower-cased character at byte position pos, or "" when the caption ends before it or it is a marker.
std::string KeyAt(std::string_view caption, size_t pos) {
  if (pos >= caption.size() || caption[pos] == kMarker) return "";
  return EncodeUtf8(ToLower(DecodeFirst(caption.substr(pos))));
}

}  // namespace

std::string GetAccessKeyChar(std::string_view caption) {
  // "&" is ASCII and never part of a multi-byte sequence, so byte positions serve for the markers.
  const size_t first = caption.find(kMarker);
  if (first == std::string_view::npos || first + 1 >= caption.size()) return "";
  if (caption[first + 1] != kMarker) return KeyAt(caption, first + 1);
  // Only the next marker after a doubled one is a second candidate; a doubled marker there ends the search.
  const size_t second = caption.find(kMarker, first + 2);
  if (second == std::string_view::npos) return "";
  return KeyAt(caption, second + 1);
}

}  // namespace vellumar
