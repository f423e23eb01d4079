// Reads the script language of the command-line host: one command a line, "#" comments, double-quoted
// strings with \" and \\, numbers in decimal or 0x hex, True/False, Nothing, and PROP(I) for indexed
// properties. Everything that can be checked without running is checked here: the command and its argument
// count, every literal against the type it feeds, the property and method names, indexes and read-only
// properties. A malformed line throws ScriptSyntaxError with its line number.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "app/headless/script_command.h"

namespace vellumar {

// Parses one line (without its line break; a trailing "\r" is ignored). nullopt for a blank or comment line.
std::optional<ScriptCommand> ParseScriptLine(std::string_view line, int line_number);

// Calls visit with each command of text in order, parsing one line at a time; stops at the first malformed
// line by throwing. Lines end with "\n" or "\r\n"; a UTF-8 byte-order mark at the start of text is skipped.
void ForEachScriptCommand(std::string_view text, const std::function<void(const ScriptCommand&)>& visit);

// All commands of a script.
std::vector<ScriptCommand> ParseScript(std::string_view text);

}  // namespace vellumar
