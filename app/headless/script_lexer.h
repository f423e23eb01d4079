// Splits one script line into tokens: names, literal values (numbers, strings, True, False, Nothing) and
// parentheses. A "#" outside a string ends the line. Bounded: a line longer than kMaxScriptLineBytes or with
// more than kMaxScriptLineTokens tokens is refused, and so is any control character, a string that is not
// UTF-8, and a name or number longer than kMaxScriptAtomBytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "app/headless/script_value.h"

namespace vellumar {

inline constexpr size_t kMaxScriptLineBytes = 64 * 1024;
inline constexpr size_t kMaxScriptLineTokens = 32;
inline constexpr size_t kMaxScriptAtomBytes = 256;

struct ScriptToken {
  enum class Kind { kName, kValue, kOpen, kClose };
  Kind kind = Kind::kName;
  std::string name;   // kName: the name as written
  ScriptValue value;  // kValue
};

// Throws ScriptSyntaxError(line_number, ...) for a line it cannot split.
std::vector<ScriptToken> TokenizeScriptLine(std::string_view line, int line_number);

// Whether text is well-formed UTF-8 (no overlong forms, surrogates or code points above U+10FFFF).
bool IsValidUtf8(std::string_view text);

}  // namespace vellumar
