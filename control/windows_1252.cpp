// Unicode to Windows-1252: identity for 0x00 .. 0x7F and 0xA0 .. 0xFF, a table for 0x80 .. 0x9F.
#include "control/windows_1252.h"

#include <array>

namespace vellumar {
namespace {

// The characters of the codes 0x80 .. 0x9F. The five codes the code page leaves undefined stand for the
// control characters of the same number, as the system's conversion maps them.
constexpr std::array<char32_t, 32> kHighCodes = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
constexpr int32_t kHighFirst = 0x80;
constexpr int32_t kHighEnd = 0xA0;
constexpr int32_t kCodeEnd = 0x100;

bool IsContinuation(uint8_t byte) {
  return (byte & 0xC0) == 0x80;
}

// Length, lead payload and smallest code point of a multi-byte sequence; length 0 for a byte leading none.
struct Lead {
  size_t length;
  char32_t bits;
  char32_t minimum;
};

Lead LeadOf(uint8_t byte) {
  if ((byte & 0xE0) == 0xC0) return {2, byte & 0x1Fu, 0x80};
  if ((byte & 0xF0) == 0xE0) return {3, byte & 0x0Fu, 0x800};
  if ((byte & 0xF8) == 0xF0) return {4, byte & 0x07u, 0x10000};
  return {0, 0, 0};
}

}  // namespace

int32_t Windows1252Code(char32_t character) {
  const auto value = static_cast<int64_t>(character);
  if (value < kHighFirst || (value >= kHighEnd && value < kCodeEnd)) return static_cast<int32_t>(value);
  for (size_t k = 0; k < kHighCodes.size(); ++k) {
    if (kHighCodes[k] == character) return kHighFirst + static_cast<int32_t>(k);
  }
  return -1;
}

int32_t NextWindows1252Code(std::string_view text, size_t& pos) {
  const auto byte = static_cast<uint8_t>(text[pos]);
  const Lead lead = LeadOf(byte);
  if (lead.length == 0 || text.size() - pos < lead.length) {
    ++pos;
    return byte;
  }
  char32_t value = lead.bits;
  for (size_t k = 1; k < lead.length; ++k) {
    const auto next = static_cast<uint8_t>(text[pos + k]);
    if (!IsContinuation(next)) {
      ++pos;
      return byte;
    }
    value = (value << 6) | (next & 0x3Fu);
  }
  if (value < lead.minimum) {
    ++pos;
    return byte;
  }
  pos += lead.length;
  return Windows1252Code(value);
}

}  // namespace vellumar
