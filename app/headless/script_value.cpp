#include "app/headless/script_value.h"

#include <cmath>
#include <limits>

#include "platform/drawing/device_context.h"

namespace vellumar {
namespace {

// The exact whole number a value holds, when it lies within [low, high].
std::optional<int64_t> WholeNumber(const ScriptValue& value, int64_t low, int64_t high) {
  const auto* number = std::get_if<ScriptNumber>(&value);
  if (number == nullptr || !number->integer) return std::nullopt;
  const int64_t v = *number->integer;
  if (v < low || v > high) return std::nullopt;
  return v;
}

constexpr int64_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();
constexpr int64_t kUInt32Max = std::numeric_limits<uint32_t>::max();

bool IsHex(const ScriptValue& value) {
  const auto* number = std::get_if<ScriptNumber>(&value);
  return number != nullptr && number->hex;
}

}  // namespace

std::optional<int32_t> ToInt32(const ScriptValue& value) {
  const auto v = IsHex(value) ? WholeNumber(value, 0, kUInt32Max) : WholeNumber(value, kInt32Min, kInt32Max);
  if (!v) return std::nullopt;
  return static_cast<int32_t>(static_cast<uint32_t>(*v));
}

std::optional<int16_t> ToInt16(const ScriptValue& value) {
  const auto v = IsHex(value) ? WholeNumber(value, 0, 0xFFFF) : WholeNumber(value, -32768, 32767);
  if (!v) return std::nullopt;
  return static_cast<int16_t>(static_cast<uint16_t>(*v));
}

std::optional<OleColor> ToColor(const ScriptValue& value) {
  const auto v = WholeNumber(value, IsHex(value) ? 0 : kInt32Min, kUInt32Max);
  if (!v) return std::nullopt;
  return static_cast<OleColor>(static_cast<uint64_t>(*v) & 0xFFFFFFFFu);
}

std::optional<float> ToSingle(const ScriptValue& value) {
  const auto* number = std::get_if<ScriptNumber>(&value);
  if (number == nullptr || !std::isfinite(number->real)) return std::nullopt;
  if (std::fabs(number->real) > std::numeric_limits<float>::max()) return std::nullopt;
  return static_cast<float>(number->real);
}

std::optional<VbBool> ToBoolean(const ScriptValue& value) {
  if (const bool* flag = std::get_if<bool>(&value)) return ToVbBool(*flag);
  if (const auto* number = std::get_if<ScriptNumber>(&value)) return ToVbBool(number->real != 0);
  return std::nullopt;
}

bool Fits(const ScriptValue& value, ScriptArgKind kind) {
  switch (kind) {
    case ScriptArgKind::kInt32:
      return ToInt32(value).has_value();
    case ScriptArgKind::kInt16:
      return ToInt16(value).has_value();
    case ScriptArgKind::kScale:
      return ToInt32(value).has_value();
    case ScriptArgKind::kColor:
      return ToColor(value).has_value();
    case ScriptArgKind::kSingle:
      return ToSingle(value).has_value();
    case ScriptArgKind::kBoolean:
      return ToBoolean(value).has_value();
    case ScriptArgKind::kString:
      return std::holds_alternative<std::string>(value);
    case ScriptArgKind::kPicture:
      return std::holds_alternative<std::string>(value) || std::holds_alternative<ScriptNothing>(value);
  }
  return false;
}

std::string Describe(ScriptArgKind kind) {
  switch (kind) {
    case ScriptArgKind::kInt32:
      return "a whole number from -2147483648 to 2147483647 (or 0x0 to 0xFFFFFFFF)";
    case ScriptArgKind::kInt16:
      return "a whole number from -32768 to 32767 (or 0x0 to 0xFFFF)";
    case ScriptArgKind::kScale:
      return "a whole number from 1 to " + std::to_string(DeviceContext::kMaxScale) +
             " (device pixels per 96-dpi pixel)";
    case ScriptArgKind::kColor:
      return "a colour from 0x00000000 to 0xFFFFFFFF";
    case ScriptArgKind::kSingle:
      return "a number";
    case ScriptArgKind::kBoolean:
      return "True or False";
    case ScriptArgKind::kString:
      return "a string in double quotes";
    case ScriptArgKind::kPicture:
      return "a picture file path in double quotes, or Nothing";
  }
  return "a value";
}

}  // namespace vellumar
