#include "platform/form_file/form_file_value.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>

#include "platform/errors/host_error.h"
#include "platform/form_file/form_file_base64.h"

namespace vellumar::form_file {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

constexpr const char* kBase64Suffix = "_base64";
constexpr int64_t kMaxFontSizeCurrency = int64_t{1000000} * 10000;  // StdFont's largest size, 1e6 points
constexpr double kCurrencyPerPoint = 10000.0;

[[noreturn]] void ThrowMismatch(const std::string& why) {
  throw HostError::WithDetail(kErrTypeMismatch, why);
}

const json& Field(const json& entry, const std::string& name) {
  const auto found = entry.find(name);
  if (found == entry.end()) ThrowMismatch("no " + Quoted(name));
  return *found;
}

int64_t IntegerField(const json& entry, const std::string& name, int64_t min, int64_t max) {
  const json& field = Field(entry, name);
  const std::string range = " must be an integer from " + std::to_string(min) + " to " + std::to_string(max);
  if (field.is_number_unsigned()) {
    const uint64_t value = field.get<uint64_t>();
    if (value > static_cast<uint64_t>(max)) ThrowMismatch(Quoted(name) + range);
    return static_cast<int64_t>(value);
  }
  if (!field.is_number_integer()) ThrowMismatch(Quoted(name) + range);
  const int64_t value = field.get<int64_t>();
  if (value < min || value > max) ThrowMismatch(Quoted(name) + range);
  return value;
}

bool BoolField(const json& entry, const std::string& name) {
  const json& field = Field(entry, name);
  if (!field.is_boolean()) ThrowMismatch(Quoted(name) + " must be true or false");
  return field.get<bool>();
}

const std::string& StringField(const json& entry, const std::string& name) {
  const json& field = Field(entry, name);
  if (!field.is_string()) ThrowMismatch(Quoted(name) + " must be a string");
  return field.get_ref<const std::string&>();
}

// Text is stored as a JSON string, or as base64 under name + "_base64" when it is not UTF-8.
void PutText(ordered_json& entry, const std::string& name, const std::string& text) {
  if (IsValidUtf8(text)) {
    entry[name] = text;
    return;
  }
  const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
  entry[name + kBase64Suffix] = EncodeBase64(std::span<const uint8_t>(bytes, text.size()));
}

std::string TextField(const json& entry, const std::string& name) {
  if (!entry.contains(name + kBase64Suffix)) return StringField(entry, name);
  const std::optional<std::vector<uint8_t>> bytes = DecodeBase64(StringField(entry, name + kBase64Suffix));
  if (!bytes) ThrowMismatch(Quoted(name + kBase64Suffix) + " is not valid base64");
  return std::string(bytes->begin(), bytes->end());
}

template <typename T>
T SmallIntegerField(const json& entry, const std::string& name) {
  return static_cast<T>(
      IntegerField(entry, name, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
}

// The double nearest the float's shortest decimal form ("0.1" rather than "0.10000000149011612"), which the
// file prints as that decimal, when it reads back as exactly the float; else the float's exact value.
double ReadableDouble(float value) {
  char text[32];
  const auto printed = std::to_chars(text, text + sizeof text, value);
  double readable = 0;
  const auto parsed = std::from_chars(text, printed.ptr, readable);
  const bool exact = printed.ec == std::errc() && parsed.ec == std::errc() &&
                     std::fabs(readable) <= FLT_MAX &&
                     std::bit_cast<uint32_t>(static_cast<float>(readable)) == std::bit_cast<uint32_t>(value);
  return exact ? readable : static_cast<double>(value);
}

void EncodeFloat(float value, ordered_json& entry) {
  if (std::isfinite(value)) {
    entry["value"] = ReadableDouble(value);
  } else {
    entry["value"] = nullptr;
    entry["bits"] = std::bit_cast<uint32_t>(value);
  }
}

PropertyValue DecodeFloat(const json& entry) {
  const json& field = Field(entry, "value");
  if (field.is_null()) {
    return PropertyValue::Float(std::bit_cast<float>(SmallIntegerField<uint32_t>(entry, "bits")));
  }
  if (!field.is_number()) ThrowMismatch("\"value\" must be a number");
  const double value = field.get<double>();
  if (!(std::fabs(value) <= FLT_MAX)) ThrowMismatch("\"value\" is outside the float range");
  return PropertyValue::Float(static_cast<float>(value));
}

void EncodeFont(const StdFont& font, ordered_json& entry) {
  PutText(entry, "name", font.Name());
  entry["size"] = font.SizeCurrency();
  entry["weight"] = font.Weight();
  entry["charset"] = font.Charset();
  entry["italic"] = font.Italic();
  entry["underline"] = font.Underline();
  entry["strikethrough"] = font.Strikethrough();
}

PropertyValue DecodeFont(const json& entry) {
  StdFont font;
  font.SetName(TextField(entry, "name"));
  const int64_t size = IntegerField(entry, "size", 0, kMaxFontSizeCurrency);
  font.SetSize(static_cast<double>(size) / kCurrencyPerPoint);
  if (font.SizeCurrency() != size) ThrowMismatch("\"size\" cannot be represented");
  font.SetWeight(SmallIntegerField<int16_t>(entry, "weight"));
  font.SetCharset(SmallIntegerField<int16_t>(entry, "charset"));
  font.SetItalic(BoolField(entry, "italic"));
  font.SetUnderline(BoolField(entry, "underline"));
  font.SetStrikethrough(BoolField(entry, "strikethrough"));
  return PropertyValue::Font(font);
}

void EncodePicture(const StdPicture& picture, ordered_json& entry) {
  StoredPicture stored = StorePicture(picture);
  entry["kind"] = stored.kind;
  if (stored.bytes.empty()) return;
  entry["format"] = stored.format;
  entry["data"] = EncodeBase64(stored.bytes);
}

PropertyValue DecodePicture(const json& entry, PictureBudget& budget) {
  const std::string& kind = StringField(entry, "kind");
  if (kind == "none") return PropertyValue::Picture(RestorePicture(kind, "", {}, budget));
  const std::string& format = StringField(entry, "format");
  const std::optional<std::vector<uint8_t>> bytes = DecodeBase64(StringField(entry, "data"));
  if (!bytes) throw HostError::WithDetail(kErrInvalidPicture, "\"data\" is not valid base64");
  return PropertyValue::Picture(RestorePicture(kind, format, *bytes, budget));
}

void EncodeInvalid(const InvalidProperty& invalid, ordered_json& entry) {
  const ordered_json original = ordered_json::parse(invalid.encoded, nullptr, false);
  if (!original.is_object()) {
    throw HostError::WithDetail(kErrPathFileAccess, "a damaged value cannot be stored");
  }
  for (const auto& [name, field] : original.items()) {
    if (name != "key") entry[name] = field;
  }
}

}  // namespace

bool IsEntryMember(std::string_view name) {
  static constexpr std::string_view kMembers[] = {
      "key",    "type",    "value",  "value_base64", "bits",          "name", "name_base64", "size",
      "weight", "charset", "italic", "underline",    "strikethrough", "kind", "format",      "data"};
  return std::ranges::find(kMembers, name) != std::end(kMembers);
}

bool IsValidUtf8(std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    const auto byte = [&](size_t at) { return static_cast<uint8_t>(text[at]); };
    const uint8_t lead = byte(i);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    size_t length = 0;
    uint8_t low = 0x80;  // the range the second byte must fall in, narrowed for overlongs and surrogates
    uint8_t high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (text.size() - i < length || byte(i + 1) < low || byte(i + 1) > high) return false;
    for (size_t k = 2; k < length; ++k) {
      if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return false;
    }
    i += length;
  }
  return true;
}

void EncodeValue(const PropertyValue& value, ordered_json& entry) {
  static constexpr const char* kTypeNames[] = {"empty", "int",     "bool",    "float",  "string",
                                               "font",  "picture", "nothing", "invalid"};
  if (const InvalidProperty* invalid = value.invalid()) {
    EncodeInvalid(*invalid, entry);
    return;
  }
  entry["type"] = kTypeNames[static_cast<int>(value.type())];
  switch (value.type()) {
    case PropertyType::kInt32:
      entry["value"] = ToInt32(value);
      break;
    case PropertyType::kBool:
      entry["value"] = ToBool(value) != kFalse;
      break;
    case PropertyType::kFloat:
      EncodeFloat(ToFloat(value), entry);
      break;
    case PropertyType::kString:
      PutText(entry, "value", ToString(value));
      break;
    case PropertyType::kFont:
      EncodeFont(*ToFont(value), entry);
      break;
    case PropertyType::kPicture:
      EncodePicture(*ToPicture(value), entry);
      break;
    default:
      break;
  }
}

PropertyValue DecodeValue(const json& entry, PictureBudget& budget) {
  const std::string& type = StringField(entry, "type");
  if (type == "empty") return PropertyValue();
  if (type == "int") return PropertyValue::Int32(SmallIntegerField<int32_t>(entry, "value"));
  if (type == "bool") return PropertyValue::Bool(ToVbBool(BoolField(entry, "value")));
  if (type == "float") return DecodeFloat(entry);
  if (type == "string") return PropertyValue::String(TextField(entry, "value"));
  if (type == "font") return DecodeFont(entry);
  if (type == "picture") return DecodePicture(entry, budget);
  if (type == "nothing") return PropertyValue::Nothing();
  ThrowMismatch("unknown type " + Quoted(type));
}

}  // namespace vellumar::form_file
