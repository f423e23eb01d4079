// The limits a form file's text must keep, checked alike before a form is read and before one is written, so
// that a save never writes what a load would refuse.
#pragma once

#include <string>
#include <string_view>

namespace vellumar::form_file {

// What makes text too large for a form file: larger than kMaxFormFileBytes, nested deeper than
// kMaxFormNesting (reading a value back recurses once per level) or more than kMaxFormTokens values (every
// value costs memory in the form read); an empty string when it keeps every limit. One pass, following
// strings as the JSON lexer does.
std::string LimitProblem(std::string_view text);

// The problem of a file larger than kMaxFormFileBytes, for a reader that finds it out before reading.
std::string TooLargeProblem();

}  // namespace vellumar::form_file
