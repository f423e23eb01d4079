// Decoding UTF-8 one code point at a time, tolerant of malformed input.
#pragma once

#include <cstddef>
#include <string_view>

namespace vellumar {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes the code point at text[pos] and moves pos past it. A byte that does not start a well-formed
// sequence (stray continuation, overlong form, surrogate, beyond U+10FFFF, cut short) yields U+FFFD and
// moves pos on by one byte. pos must be below text.size().
char32_t DecodeUtf8(std::string_view text, size_t& pos);

}  // namespace vellumar
