#include "app/headless/command_line.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "app/headless/form_tool.h"
#include "app/headless/script_reader.h"
#include "app/headless/script_runner.h"
#include "platform/errors/error_text.h"

namespace vellumar {
namespace {

// Scripts are read whole; nothing a person writes comes near this.
constexpr std::streamoff kMaxScriptBytes = std::streamoff{64} << 20;

constexpr std::string_view kUsage =
    "usage: vellumar run SCRIPT | vellumar run -\n"
    "       vellumar new FORM.vform\n"
    "       vellumar render FORM.vform --out FILE.png [--size WxH] [--scale S] [--control NAME]\n"
    "\n"
    "  run SCRIPT   create and drive a control without a display, one script command a line, and print\n"
    "               events, property changes, results and errors as they happen; after an error the\n"
    "               script goes on. run - reads the script from standard input. Commands:\n"
    "                 new [W H] | load FORM [NAME] | save FORM [NAME] | size W H\n"
    "                 set PROP[(I)] VALUE | get PROP[(I)] | call METHOD [ARGS]\n"
    "                 cursor X Y | cursor out | mousedown|mousemove|mouseup X Y [BUTTON [SHIFT]]\n"
    "                 keydown CODE [SHIFT] | accesskey CODE | focus | blur | paint FILE [SCALE] | dump\n"
    "               Strings go in double quotes (\\\" and \\\\ inside), numbers are decimal or 0x hex,\n"
    "               and # starts a comment. save FORM NAME adds the control to FORM under NAME, or\n"
    "               replaces the control of that name, and keeps the form's other controls.\n"
    "               paint FILE SCALE paints the image at SCALE (1 to 4) device pixels per pixel.\n"
    "               Like a window system, the host passes a mousemove to the control only over the\n"
    "               control or while the control holds the mouse capture: after the move that raised\n"
    "               MouseOut, moves outside are not delivered until one comes back over the control.\n"
    "  new FORM     save a form whose one control, Vellumar1, is a new control of 300 x 200 pixels;\n"
    "               an existing file is not replaced\n"
    "  render FORM  paint a saved control (the first, or --control NAME) at its saved size (or --size)\n"
    "               into FILE: BMP when it ends in .bmp, PNG otherwise; --scale S (1 to 4) paints it\n"
    "               for a screen of S device pixels per pixel: S times larger, with text and pictures\n"
    "               rendered at that resolution. render and paint never write over a form file.\n"
    "\n"
    "Exit status: 0 when everything succeeded; 1 when a script command printed an error, a script line\n"
    "was malformed, a form could not be made or painted, or the output could not be written; 2 for a\n"
    "command line not described here.\n";

int OutputWritten(std::ostream& out) {
  out.flush();
  return out ? kExitOk : kExitFailure;
}

// The script name "-" stands for standard input, which error messages call by that name.
constexpr std::string_view kStandardInput = "-";
constexpr std::string_view kStandardInputName = "standard input";

const std::string kTooLarge = "the script is larger than " + std::to_string(kMaxScriptBytes >> 20) + " MiB";

// Reads the whole script into text, or says in problem why it cannot.
bool ReadScriptFile(const std::string& path, std::string& text, std::string& problem) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) {
    problem = "is a folder, not a script";
    return false;
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    problem = std::string("cannot open the script: ") + std::strerror(errno);
    return false;
  }
  file.seekg(0, std::ios::end);
  const std::streamoff size = file.tellg();
  if (size < 0) {
    problem = "cannot read the script";
    return false;
  }
  if (size > kMaxScriptBytes) {
    problem = kTooLarge;
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

// Reads in to its end, a piece at a time, refusing to hold more than a script file may have.
bool ReadScriptStream(std::istream& in, std::string& text, std::string& problem) {
  std::array<char, 1 << 16> piece{};
  while (in) {
    in.read(piece.data(), piece.size());
    const auto got = static_cast<size_t>(in.gcount());
    if (got > static_cast<size_t>(kMaxScriptBytes) - text.size()) {
      problem = kTooLarge;
      return false;
    }
    text.append(piece.data(), got);
  }
  if (in.bad()) problem = "cannot read the script";
  return !in.bad();
}

int RunScript(const std::string& path, std::istream& in, std::ostream& out, std::ostream& err) {
  const bool from_input = path == kStandardInput;
  const std::string name = from_input ? std::string(kStandardInputName) : PathExcerpt(path);
  std::string text;
  std::string problem;
  if (!(from_input ? ReadScriptStream(in, text, problem) : ReadScriptFile(path, text, problem))) {
    err << name << ": " << problem << "\n";
    return kExitFailure;
  }
  try {
    ForEachScriptCommand(text, [](const ScriptCommand&) {});
  } catch (const ScriptSyntaxError& error) {
    err << name << ":" << error.line() << ": " << error.what() << "\n";
    return kExitFailure;
  }
  ScriptRunner runner(out);
  ForEachScriptCommand(text, [&runner](const ScriptCommand& command) { runner.Execute(command); });
  const int written = OutputWritten(out);
  return runner.failed() ? kExitFailure : written;
}

}  // namespace

int RunCommandLine(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  return RunCommandLine(args, std::cin, out, err);
}

int RunCommandLine(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
                   std::ostream& err) {
  if (args.size() == 2 && args[0] == "run") return RunScript(std::string(args[1]), in, out, err);
  if (args.size() == 2 && args[0] == "new") return NewFormCommand(std::string(args[1]), err);
  if (!args.empty() && args[0] == "render") {
    std::string problem;
    const std::optional<RenderRequest> request = ParseRenderArgs(args.subspan(1), problem);
    if (request) return RenderCommand(*request, err);
    err << "vellumar render: " << problem << "\n" << kUsage;
    return kExitUsage;
  }
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    out << kUsage;
    return OutputWritten(out);
  }
  err << kUsage;
  return kExitUsage;
}

}  // namespace vellumar
