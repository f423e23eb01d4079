// The host's property bag: an ordered store of named, typed values in which a control saves its design-time
// state, and the conversions a control applies to what it reads back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

#include "platform/pictures/picture.h"
#include "platform/text/std_font.h"
#include "platform/vb_bool.h"

namespace vellumar {

enum class PropertyType { kEmpty, kInt32, kBool, kFloat, kString, kFont, kPicture, kNothing, kInvalid };

// A stored value that could not be decoded (a damaged entry of a form file). Every conversion of it throws
// HostError::WithDetail(number, detail), so the read step that meets it fails and is skipped; `encoded` keeps
// the entry as it was found, so that saving the bag again writes it back unchanged.
struct InvalidProperty {
  int number = 0;
  std::string detail;  // where and why, after the number's standard description
  std::string encoded;
};

// One typed value. Fonts are kept as a snapshot taken when the value is made, so later changes to the font
// object it was made from do not reach the bag; pictures are immutable and shared.
class PropertyValue {
 public:
  PropertyValue() = default;  // empty: what a read of an absent key without a default returns

  static PropertyValue Int32(int32_t value);
  static PropertyValue Bool(VbBool value);  // any non-zero value is True
  static PropertyValue Float(float value);
  static PropertyValue String(std::string value);
  // A null font or picture gives the "nothing" object.
  static PropertyValue Font(const StdFontRef& font);
  static PropertyValue Font(const StdFont& font);
  static PropertyValue Picture(StdPictureRef picture);
  static PropertyValue Nothing();
  static PropertyValue Invalid(InvalidProperty invalid);

  PropertyType type() const { return static_cast<PropertyType>(value_.index()); }
  bool IsEmpty() const { return type() == PropertyType::kEmpty; }
  // The invalid entry's details, or null for any other value.
  const InvalidProperty* invalid() const { return std::get_if<InvalidProperty>(&value_); }

  // Same type and same value; the numeric types (integer, Boolean, float) also compare with each other by
  // value, True being -1. Fonts are equal when every attribute is; pictures when they are of one type and
  // have the same file bytes or, when either has none, the same pixels. NaN and invalid values equal nothing.
  friend bool operator==(const PropertyValue& a, const PropertyValue& b);

 private:
  struct NothingTag {};
  using Storage = std::variant<std::monostate, int32_t, bool, float, std::string,
                               std::shared_ptr<const StdFont>, StdPictureRef, NothingTag, InvalidProperty>;
  explicit PropertyValue(Storage value) : value_(std::move(value)) {}

  friend int32_t ToInt32(const PropertyValue&);
  friend VbBool ToBool(const PropertyValue&);
  friend float ToFloat(const PropertyValue&);
  friend std::string ToString(const PropertyValue&);
  friend StdFontRef ToFont(const PropertyValue&);
  friend StdPictureRef ToPicture(const PropertyValue&);

  Storage value_;
};

// Conversions for reading. Each throws HostError 13 (type mismatch) when the value cannot be converted, and
// the stored error when the value is invalid.
// From an integer; a Boolean (-1 / 0); a float or numeric string rounded half to even, which must then fit
// 32 bits; empty gives 0.
int32_t ToInt32(const PropertyValue& value);
// Non-zero numbers are True; strings "True" / "False" (any case) or numeric; empty gives False.
VbBool ToBool(const PropertyValue& value);
// From any number (a Boolean as -1 / 0), or a numeric string within the float range; empty gives 0.
float ToFloat(const PropertyValue& value);
// Numbers in decimal (floats in their shortest exact form, "1.5E+20"); Booleans "True" / "False"; empty "".
std::string ToString(const PropertyValue& value);
// A new font object with the stored attributes, never null: nothing, empty and every non-font value throw,
// since where a font is read it replaces a font that must not become null.
StdFontRef ToFont(const PropertyValue& value);
// The stored picture; null for nothing and for empty (an absent key: no picture).
StdPictureRef ToPicture(const PropertyValue& value);

// A member of a JSON object in a form file that this program does not read: its name and its value's JSON
// text as it was found, so that a save can write it back unchanged.
struct UnknownMember {
  std::string name;
  std::string json;
};
using UnknownMembers = std::vector<UnknownMember>;

// What a form file held beside one stored value and a load kept without using it.
struct EntryExtras {
  UnknownMembers members;             // of the entry's own object, written back after its value's members
  std::vector<std::string> shadowed;  // earlier entries of the key (ASCII case ignored), as JSON objects, in
                                      // file order; written back just before the entry, so they never win
  int64_t shadowed_pixels = 0;        // what the pictures among them cost when they were read
};

// An ordered store of named values. Keys are matched without regard to ASCII case, as the old host's bag did;
// the first write of a key fixes its place in the order, later writes replace its value in place.
//
// Give each save a fresh bag. A write whose value equals its default stores nothing and removes nothing: an
// earlier write of the same key in the same save stays. This matters for "Font", which a control writes
// twice: first the surface font with no default, then the font last assigned to its Font property with the
// container's font as default. When that font equals the container's font, removing the key would make the
// next load fall back to whatever surface font it starts with and lose the surface font the user set; keeping
// the first write restores it exactly. For the same reason a write of the "nothing" object with a default
// stores nothing (a control whose Font was never assigned): "nothing" has no value a load could use in place
// of the default, and storing it would overwrite the surface font written just before.
class PropertyBag {
 public:
  struct Entry {
    std::string key;
    PropertyValue value;
    std::shared_ptr<const EntryExtras> extras{};  // null for an entry without any
  };

  // The stored value of name, or default_value when the key is absent.
  PropertyValue ReadProperty(std::string_view name, const PropertyValue& default_value = {}) const;
  // Stores value under name, replacing an earlier value of the key. Returns the entry's place in entries().
  size_t WriteProperty(std::string_view name, PropertyValue value);
  // Stores value under name unless it equals default_value or is "nothing" (see above).
  void WriteProperty(std::string_view name, PropertyValue value, const PropertyValue& default_value);

  // Attaches extras to the entry of name, replacing any it had; nothing when the key is absent.
  void SetExtras(std::string_view name, std::shared_ptr<const EntryExtras> extras);
  // The extras of the entry of name; null when it has none or the key is absent.
  std::shared_ptr<const EntryExtras> Extras(std::string_view name) const;

  // The members of the object that holds the bag in a form file (its control) that this program does not
  // read, kept with the bag so that whoever saves the bag again can write them back.
  const UnknownMembers& outer_members() const { return outer_members_; }
  void SetOuterMembers(UnknownMembers members) { outer_members_ = std::move(members); }

  // Makes room for count keys in all, so that filling a large bag does not rehash on the way.
  void Reserve(size_t count);

  bool Contains(std::string_view name) const { return Find(name) != nullptr; }
  size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  // Every key with its value, in the order the keys were first written.
  const std::vector<Entry>& entries() const { return entries_; }

 private:
  const Entry* Find(std::string_view name) const;

  std::vector<Entry> entries_;
  std::unordered_map<std::string, size_t> index_;  // ASCII-lowercased key -> position in entries_
  UnknownMembers outer_members_;
};

}  // namespace vellumar
