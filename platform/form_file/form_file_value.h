// One bag entry of a form file: a typed value as JSON members and back.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "platform/errors/error_text.h"
#include "platform/form_file/form_file_picture.h"
#include "platform/form_file/property_bag.h"

namespace vellumar::form_file {

// Adds the value's "type" and its fields to entry. An invalid value gives back the entry it was read from.
// Throws HostError 481 for a picture that cannot be stored, 75 for a damaged invalid value.
void EncodeValue(const PropertyValue& value, nlohmann::ordered_json& entry);

// The value an entry's fields describe. Throws HostError for a damaged value (13 for a wrong type or field,
// 481 for a bad picture, 7 when the picture budget is spent) with a description of the problem alone.
PropertyValue DecodeValue(const nlohmann::json& entry, PictureBudget& budget);

// True for the members of an entry that this program reads ("key", "type" and the fields of any type); the
// others are unknown to it.
bool IsEntryMember(std::string_view name);

// True when text is well-formed UTF-8 (no overlong forms, surrogates or code points above U+10FFFF).
bool IsValidUtf8(std::string_view text);

}  // namespace vellumar::form_file
