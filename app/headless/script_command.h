// One command of a script, as the reader checked it: its kind, the property or method it names, the tab
// index of an indexed property, and literal arguments that are known to fit the types the command takes.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/headless/script_value.h"

namespace vellumar {

enum class CommandKind {
  kNew,        // [W H]
  kLoad,       // FORM [NAME]
  kSize,       // W H
  kSet,        // name, optional index, args[0] the value
  kGet,        // name, optional index
  kCall,       // name the method, args its arguments
  kCursor,     // X Y
  kCursorOut,  //
  kMouseDown,  // X Y [BUTTON [SHIFT]]
  kMouseMove,  // X Y [BUTTON [SHIFT]]
  kMouseUp,    // X Y [BUTTON [SHIFT]]
  kKeyDown,    // CODE [SHIFT]
  kAccessKey,  // CODE
  kFocus,
  kBlur,
  kPaint,  // FILE [SCALE]
  kSave,   // FORM [NAME]
  kDump,
};

struct ScriptCommand {
  CommandKind kind = CommandKind::kDump;
  int line = 0;                   // 1-based line number in the script
  std::string name;               // kSet, kGet: the property's own name; kCall: the method's
  std::optional<int32_t> index;   // kSet, kGet of an indexed property
  std::vector<ScriptValue> args;  // the literal arguments in order
};

// A malformed script line: its number and what is wrong with it.
class ScriptSyntaxError : public std::runtime_error {
 public:
  ScriptSyntaxError(int line, const std::string& message) : std::runtime_error(message), line_(line) {}
  int line() const noexcept { return line_; }

 private:
  int line_;
};

}  // namespace vellumar
