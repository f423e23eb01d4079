// User text inside error descriptions. A name, key, token or path that comes from a file or a script may be
// of any length and hold any bytes, and an error description must stay one short line.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace vellumar {

// The most characters of one piece of user text an error description quotes.
inline constexpr size_t kMaxQuotedChars = 60;
// Paths get more room, so that the folder and the file name both stay readable.
inline constexpr size_t kMaxPathChars = 240;
// The most names an error description lists.
inline constexpr size_t kMaxListedNames = 5;

// text as it may appear in an error description: control bytes and bytes of no UTF-8 character as \xNN, and
// beyond max_chars characters only the beginning and the end, joined by "…" and cut at character
// boundaries.
std::string Excerpt(std::string_view text, size_t max_chars = kMaxQuotedChars);
// Excerpt(text) in double quotes.
std::string Quoted(std::string_view text);
// Excerpt(path, kMaxPathChars).
std::string PathExcerpt(std::string_view path);
// The names quoted and joined by ", "; beyond kMaxListedNames the rest as " and N more".
std::string QuotedList(std::span<const std::string> names);

}  // namespace vellumar
