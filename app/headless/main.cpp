// vellumar: the command-line host. `vellumar run SCRIPT` drives a control with a script and prints what
// happens; see DESIGN.md for the script language.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "app/headless/script_reader.h"
#include "app/headless/script_runner.h"

namespace {

// Scripts are read whole; nothing a person writes comes near this.
constexpr std::streamoff kMaxScriptBytes = std::streamoff{64} << 20;

constexpr int kExitUsage = 2;
constexpr int kExitScript = 1;

constexpr std::string_view kUsage =
    "usage: vellumar run SCRIPT\n"
    "\n"
    "  run SCRIPT   create and drive a control without a display, one script command a line;\n"
    "               prints events, property changes, results and errors as they happen.\n"
    "               Commands: new [W H], size W H, set PROP[(I)] VALUE, get PROP[(I)], call METHOD [ARGS],\n"
    "               cursor X Y | cursor out, mousedown|mousemove|mouseup X Y [BUTTON [SHIFT]],\n"
    "               keydown CODE [SHIFT], accesskey CODE, focus, blur, paint FILE.png|FILE.bmp, dump.\n";

bool ReadScript(const std::string& path, std::string& text, std::string& problem) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    problem = "cannot open the script";
    return false;
  }
  file.seekg(0, std::ios::end);
  const std::streamoff size = file.tellg();
  if (size < 0 || size > kMaxScriptBytes) {
    problem = size < 0 ? "cannot read the script" : "the script is larger than 64 MiB";
    return false;
  }
  file.seekg(0, std::ios::beg);
  text.assign(static_cast<size_t>(size), '\0');
  if (!file.read(text.data(), size)) {
    problem = "cannot read the script";
    return false;
  }
  return true;
}

int Run(const std::string& path) {
  std::string text;
  std::string problem;
  if (!ReadScript(path, text, problem)) {
    std::cerr << path << ":0: " << problem << "\n";
    return kExitScript;
  }
  try {
    // The whole script is checked first, so that a malformed line stops it before anything has run.
    vellumar::ForEachScriptCommand(text, [](const vellumar::ScriptCommand&) {});
  } catch (const vellumar::ScriptSyntaxError& error) {
    std::cerr << path << ":" << error.line() << ": " << error.what() << "\n";
    return kExitScript;
  }
  vellumar::ScriptRunner runner(std::cout);
  vellumar::ForEachScriptCommand(
      text, [&runner](const vellumar::ScriptCommand& command) { runner.Execute(command); });
  std::cout.flush();
  return std::cout ? 0 : kExitScript;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string_view(argv[1]) == "run") return Run(argv[2]);
  if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
    std::cout << kUsage;
    return 0;
  }
  std::cerr << kUsage;
  return kExitUsage;
}
