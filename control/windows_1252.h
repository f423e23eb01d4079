// Character codes of the Windows-1252 code page, in which the host reports access keys, for UTF-8 text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vellumar {

// The Windows-1252 code (0 .. 255) of a Unicode character, or -1 when the code page has no such character.
int32_t Windows1252Code(char32_t character);

// The Windows-1252 code of the UTF-8 character that starts at text[pos], advancing pos past it. A byte
// that starts no well-formed sequence counts as one character whose code is the byte itself. pos must be
// less than text.size().
int32_t NextWindows1252Code(std::string_view text, size_t& pos);

}  // namespace vellumar
