#include "platform/form_file/property_bag.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "platform/ascii_case.h"
#include "platform/errors/host_error.h"

namespace vellumar {
namespace {

constexpr double kInt32Min = std::numeric_limits<int32_t>::min();
constexpr double kInt32Max = std::numeric_limits<int32_t>::max();

[[noreturn]] void ThrowTypeMismatch() {
  throw HostError(kErrTypeMismatch);
}

[[noreturn]] void ThrowInvalid(const InvalidProperty& invalid) {
  throw HostError::WithDetail(invalid.number, invalid.detail);
}

std::string_view TrimBlanks(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// The text as a number ("12", " -1.5e3 ", "+7"), or nothing when it is not one whole finite number.
template <typename T>
std::optional<T> ParseNumber(std::string_view text) {
  text = TrimBlanks(text);
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  T value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

// The value of an integer, Boolean or float as a double (exact for all three), or nothing for other types.
std::optional<double> NumericValue(const PropertyValue& value) {
  switch (value.type()) {
    case PropertyType::kInt32:
      return ToInt32(value);
    case PropertyType::kBool:
      return ToBool(value);
    case PropertyType::kFloat:
      return ToFloat(value);
    default:
      return std::nullopt;
  }
}

int32_t RoundToInt32(double value) {
  const double rounded = std::nearbyint(value);  // the default rounding mode rounds half to even
  if (!(rounded >= kInt32Min && rounded <= kInt32Max)) ThrowTypeMismatch();
  return static_cast<int32_t>(rounded);
}

bool SameIcon(const IconImage& a, const IconImage& b) {
  return a.color == b.color && a.mask == b.mask && a.alpha == b.alpha;
}

bool SamePicture(const StdPicture& a, const StdPicture& b) {
  if (&a == &b) return true;
  if (a.Type() != b.Type() || a.Width() != b.Width() || a.Height() != b.Height()) return false;
  if (!a.file_bytes().empty() && !b.file_bytes().empty()) return a.file_bytes() == b.file_bytes();
  return a.Type() == PictureType::kIcon ? SameIcon(a.icon(), b.icon()) : a.bitmap() == b.bitmap();
}

}  // namespace

PropertyValue PropertyValue::Int32(int32_t value) {
  return PropertyValue(Storage(value));
}
PropertyValue PropertyValue::Bool(VbBool value) {
  return PropertyValue(Storage(value != kFalse));
}
PropertyValue PropertyValue::Float(float value) {
  return PropertyValue(Storage(value));
}
PropertyValue PropertyValue::String(std::string value) {
  return PropertyValue(Storage(std::move(value)));
}

PropertyValue PropertyValue::Font(const StdFontRef& font) {
  return font ? Font(*font) : Nothing();
}

PropertyValue PropertyValue::Font(const StdFont& font) {
  return PropertyValue(Storage(std::shared_ptr<const StdFont>(std::make_shared<StdFont>(font))));
}

PropertyValue PropertyValue::Picture(StdPictureRef picture) {
  return picture ? PropertyValue(Storage(std::move(picture))) : Nothing();
}

PropertyValue PropertyValue::Nothing() {
  return PropertyValue(Storage(NothingTag{}));
}

PropertyValue PropertyValue::Invalid(InvalidProperty invalid) {
  return PropertyValue(Storage(std::move(invalid)));
}

bool operator==(const PropertyValue& a, const PropertyValue& b) {
  const std::optional<double> number_a = NumericValue(a);
  const std::optional<double> number_b = NumericValue(b);
  if (number_a || number_b) return number_a && number_b && *number_a == *number_b;
  if (a.type() != b.type()) return false;
  switch (a.type()) {
    case PropertyType::kEmpty:
    case PropertyType::kNothing:
      return true;
    case PropertyType::kString:
      return std::get<std::string>(a.value_) == std::get<std::string>(b.value_);
    case PropertyType::kFont: {
      using FontPtr = std::shared_ptr<const StdFont>;
      return *std::get<FontPtr>(a.value_) == *std::get<FontPtr>(b.value_);
    }
    case PropertyType::kPicture:
      return SamePicture(*std::get<StdPictureRef>(a.value_), *std::get<StdPictureRef>(b.value_));
    default:
      return false;
  }
}

int32_t ToInt32(const PropertyValue& value) {
  const auto& v = value.value_;
  switch (value.type()) {
    case PropertyType::kEmpty:
      return 0;
    case PropertyType::kInt32:
      return std::get<int32_t>(v);
    case PropertyType::kBool:
      return std::get<bool>(v) ? kTrue : kFalse;
    case PropertyType::kFloat:
      return RoundToInt32(std::get<float>(v));
    case PropertyType::kString: {
      const std::optional<double> number = ParseNumber<double>(std::get<std::string>(v));
      if (!number) ThrowTypeMismatch();
      return RoundToInt32(*number);
    }
    case PropertyType::kInvalid:
      ThrowInvalid(std::get<InvalidProperty>(v));
    default:
      ThrowTypeMismatch();
  }
}

VbBool ToBool(const PropertyValue& value) {
  const auto& v = value.value_;
  switch (value.type()) {
    case PropertyType::kEmpty:
      return kFalse;
    case PropertyType::kInt32:
      return ToVbBool(std::get<int32_t>(v) != 0);
    case PropertyType::kBool:
      return ToVbBool(std::get<bool>(v));
    case PropertyType::kFloat:
      return ToVbBool(std::get<float>(v) != 0.0F);
    case PropertyType::kString: {
      const std::string lower = AsciiLower(TrimBlanks(std::get<std::string>(v)));
      if (lower == "true") return kTrue;
      if (lower == "false") return kFalse;
      const std::optional<double> number = ParseNumber<double>(lower);
      if (!number) ThrowTypeMismatch();
      return ToVbBool(*number != 0.0);
    }
    case PropertyType::kInvalid:
      ThrowInvalid(std::get<InvalidProperty>(v));
    default:
      ThrowTypeMismatch();
  }
}

float ToFloat(const PropertyValue& value) {
  const auto& v = value.value_;
  switch (value.type()) {
    case PropertyType::kEmpty:
      return 0.0F;
    case PropertyType::kInt32:
      return static_cast<float>(std::get<int32_t>(v));
    case PropertyType::kBool:
      return std::get<bool>(v) ? -1.0F : 0.0F;
    case PropertyType::kFloat:
      return std::get<float>(v);
    case PropertyType::kString: {
      const std::string& text = std::get<std::string>(v);
      const std::optional<double> wide = ParseNumber<double>(text);
      if (!wide) ThrowTypeMismatch();
      if (std::optional<float> narrow = ParseNumber<float>(text)) return *narrow;
      // from_chars refuses both overflow and underflow; an underflow is a zero.
      if (std::fabs(*wide) < 1.0) return std::copysign(0.0F, static_cast<float>(*wide));
      ThrowTypeMismatch();
    }
    case PropertyType::kInvalid:
      ThrowInvalid(std::get<InvalidProperty>(v));
    default:
      ThrowTypeMismatch();
  }
}

std::string ToString(const PropertyValue& value) {
  const auto& v = value.value_;
  switch (value.type()) {
    case PropertyType::kEmpty:
      return "";
    case PropertyType::kInt32:
      return std::to_string(std::get<int32_t>(v));
    case PropertyType::kBool:
      return std::get<bool>(v) ? "True" : "False";
    case PropertyType::kFloat: {
      char buffer[32];
      const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::get<float>(v));
      std::string text(buffer, result.ptr);
      for (char& c : text) c = c == 'e' ? 'E' : c;
      return text;
    }
    case PropertyType::kString:
      return std::get<std::string>(v);
    case PropertyType::kInvalid:
      ThrowInvalid(std::get<InvalidProperty>(v));
    default:
      ThrowTypeMismatch();
  }
}

StdFontRef ToFont(const PropertyValue& value) {
  if (const InvalidProperty* invalid = value.invalid()) ThrowInvalid(*invalid);
  const auto* font = std::get_if<std::shared_ptr<const StdFont>>(&value.value_);
  if (font == nullptr) ThrowTypeMismatch();
  return std::make_shared<StdFont>(**font);
}

StdPictureRef ToPicture(const PropertyValue& value) {
  switch (value.type()) {
    case PropertyType::kEmpty:
    case PropertyType::kNothing:
      return nullptr;
    case PropertyType::kPicture:
      return std::get<StdPictureRef>(value.value_);
    case PropertyType::kInvalid:
      ThrowInvalid(std::get<InvalidProperty>(value.value_));
    default:
      ThrowTypeMismatch();
  }
}

const PropertyBag::Entry* PropertyBag::Find(std::string_view name) const {
  const auto found = index_.find(AsciiLower(name));
  return found == index_.end() ? nullptr : &entries_[found->second];
}

void PropertyBag::SetExtras(std::string_view name, std::shared_ptr<const EntryExtras> extras) {
  const auto found = index_.find(AsciiLower(name));
  if (found != index_.end()) entries_[found->second].extras = std::move(extras);
}

std::shared_ptr<const EntryExtras> PropertyBag::Extras(std::string_view name) const {
  const Entry* entry = Find(name);
  return entry != nullptr ? entry->extras : nullptr;
}

void PropertyBag::Reserve(size_t count) {
  entries_.reserve(count);
  index_.reserve(count);
}

PropertyValue PropertyBag::ReadProperty(std::string_view name, const PropertyValue& default_value) const {
  const Entry* entry = Find(name);
  return entry != nullptr ? entry->value : default_value;
}

size_t PropertyBag::WriteProperty(std::string_view name, PropertyValue value) {
  const auto [slot, inserted] = index_.try_emplace(AsciiLower(name), entries_.size());
  if (inserted) {
    entries_.push_back(Entry{std::string(name), std::move(value), nullptr});
  } else {
    entries_[slot->second].value = std::move(value);
  }
  return slot->second;
}

void PropertyBag::WriteProperty(std::string_view name, PropertyValue value,
                                const PropertyValue& default_value) {
  if (value.type() == PropertyType::kNothing || value == default_value) return;
  WriteProperty(name, std::move(value));
}

}  // namespace vellumar
