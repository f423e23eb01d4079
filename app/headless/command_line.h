// The command line of the `vellumar` tool: `vellumar run SCRIPT` (or `-` for standard input), `vellumar new
// FORM`, `vellumar render FORM --out FILE ...`, and the usage text for anything else.
#pragma once

#include <istream>
#include <ostream>
#include <span>
#include <string_view>

namespace vellumar {

inline constexpr int kExitOk = 0;
// a script command that raised an error, an unreadable or malformed script, output that could not be
// written, a form that could not be made or painted
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// Carries out the arguments after the program name. The script's output goes to out; the usage text and
// "SCRIPT:LINE: message" for a malformed line (or "SCRIPT: message" for a script that cannot be read) go to
// err. A malformed line anywhere stops the script before its first command runs; a command that raises an
// error prints it and the script goes on, but the exit code is then kExitFailure. Returns the exit code.
// "run -" reads the script from in, to its end, with the same size limit as a script file, and messages
// call it "standard input".
int RunCommandLine(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
                   std::ostream& err);
// The same, with std::cin as in.
int RunCommandLine(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace vellumar
