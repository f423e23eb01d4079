// Values as a script writes them (numbers, strings, True/False, Nothing) and their conversion to the types
// of the control's interface. The reader checks every literal with these conversions, so the runner can rely
// on them succeeding.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "platform/ole_color.h"
#include "platform/vb_bool.h"

namespace vellumar {

struct ScriptNothing {
  friend bool operator==(ScriptNothing, ScriptNothing) = default;
};

// A number as written: decimal with an optional sign and fraction, or 0x hexadecimal.
struct ScriptNumber {
  double real = 0;                 // the value as a double
  std::optional<int64_t> integer;  // the exact value, when it is a whole number that fits 64 bits
  bool hex = false;                // written as 0x...: converts to 16 and 32 bits as a bit pattern
  friend bool operator==(const ScriptNumber&, const ScriptNumber&) = default;
};

using ScriptValue = std::variant<ScriptNothing, ScriptNumber, bool, std::string>;

// The kinds of value a command argument or property takes.
enum class ScriptArgKind {
  kInt32,    // whole number, -2147483648 .. 2147483647 or 0x0 .. 0xFFFFFFFF
  kInt16,    // whole number, -32768 .. 32767 or 0x0 .. 0xFFFF
  kScale,    // device pixels per 96-dpi pixel: 1 .. 4, which the host checks; any kInt32 reads
  kColor,    // OLE colour: 0x00000000 .. 0xFFFFFFFF, or a decimal taken as its 32-bit pattern
  kSingle,   // any number within the range of a 32-bit float
  kBoolean,  // True or False, or a number (non-zero is True)
  kString,   // a double-quoted string
  kPicture,  // a file path in double quotes, or Nothing
};

std::optional<int32_t> ToInt32(const ScriptValue& value);
std::optional<int16_t> ToInt16(const ScriptValue& value);
std::optional<OleColor> ToColor(const ScriptValue& value);
std::optional<float> ToSingle(const ScriptValue& value);
std::optional<VbBool> ToBoolean(const ScriptValue& value);

// Whether value converts to kind.
bool Fits(const ScriptValue& value, ScriptArgKind kind);
// What a value of kind must look like, for error messages ("a whole number from -32768 to 32767").
std::string Describe(ScriptArgKind kind);

}  // namespace vellumar
