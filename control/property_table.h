// The control's public properties as one table: name, value type, whether they take a tab index, and a
// getter and setter over the control. Hosts that address properties by name (the script host, persistence,
// the property pages) walk this table instead of each writing out the same list.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "platform/ole_color.h"
#include "platform/pictures/picture.h"
#include "platform/text/std_font.h"
#include "platform/vb_bool.h"

namespace vellumar {

class Vellumar;

enum class ControlPropertyType {
  kLong,       // 32-bit signed integer
  kAlignment,  // eTabAlignment, a 32-bit signed integer that takes any value
  kColor,      // OLE colour
  kBoolean,    // 16-bit Boolean, True = -1
  kSingle,     // 32-bit float
  kString,     // UTF-8 text
  kFont,       // StdFont reference
  kPicture,    // StdPicture reference, null for none
};

// A property value; the alternative matches the property's type (int32_t for kLong and kAlignment,
// OleColor for kColor, VbBool for kBoolean, float for kSingle). monostate stands for no value at all.
using ControlPropertyValue =
    std::variant<std::monostate, int32_t, OleColor, VbBool, float, std::string, StdFontRef, StdPictureRef>;

struct PropertyInfo {
  std::string_view name;  // the property's name on the control's interface
  ControlPropertyType type;
  bool indexed;  // takes a tab index (TabCaption, TabWidth, TabPicture)
  // Reads the property; index is ignored unless indexed. Errors of the control (9 for a bad index) pass on.
  ControlPropertyValue (*get)(Vellumar& control, int32_t index);
  // Assigns through the control's setter, with all its effects; null for a read-only property. A value of
  // another alternative than the type's throws HostError 13 (type mismatch) before anything changes.
  void (*set)(Vellumar& control, int32_t index, const ControlPropertyValue& value);
};

// Every property, in the order the control's interface declares them.
std::span<const PropertyInfo> PropertyTable();

// The entry for a name, compared without regard to ASCII case; null when there is none.
const PropertyInfo* FindProperty(std::string_view name);

}  // namespace vellumar
