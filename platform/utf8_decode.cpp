#include "platform/utf8_decode.h"

#include <cstdint>

namespace vellumar {
namespace {

struct LeadByte {
  int continuation_bytes;  // -1: not a lead byte
  char32_t initial_bits;
  char32_t minimum;  // smallest code point the length may encode; below it the form is overlong
};

LeadByte ClassifyLead(uint8_t byte) {
  if (byte < 0x80) return {0, byte, 0};
  if (byte >= 0xC2 && byte <= 0xDF) return {1, char32_t{byte} & 0x1Fu, 0x80};
  if (byte >= 0xE0 && byte <= 0xEF) return {2, char32_t{byte} & 0x0Fu, 0x800};
  if (byte >= 0xF0 && byte <= 0xF4) return {3, char32_t{byte} & 0x07u, 0x10000};
  return {-1, 0, 0};
}

bool IsContinuation(uint8_t byte) {
  return (byte & 0xC0) == 0x80;
}

}  // namespace

char32_t DecodeUtf8(std::string_view text, size_t& pos) {
  const auto byte_at = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
  const LeadByte lead = ClassifyLead(byte_at(pos));
  if (lead.continuation_bytes < 0 || text.size() - pos <= static_cast<size_t>(lead.continuation_bytes)) {
    ++pos;
    return lead.continuation_bytes == 0 ? lead.initial_bits : kReplacementCharacter;
  }
  char32_t code = lead.initial_bits;
  for (int i = 1; i <= lead.continuation_bytes; ++i) {
    const uint8_t next = byte_at(pos + static_cast<size_t>(i));
    if (!IsContinuation(next)) {
      ++pos;
      return kReplacementCharacter;
    }
    code = (code << 6) | (char32_t{next} & 0x3Fu);
  }
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  if (code < lead.minimum || surrogate || code > 0x10FFFF) {
    ++pos;
    return kReplacementCharacter;
  }
  pos += static_cast<size_t>(lead.continuation_bytes) + 1;
  return code;
}

}  // namespace vellumar
