// The form file: a form's controls, each with its place, size and property bag, as one UTF-8 JSON document.
//
//   {"format": "vellumar-form", "version": 1, "controls": [
//     {"class": "Vellumar", "name": "Vellumar1", "left": 8, "top": 8, "width": 300, "height": 200, "bag": [
//       {"key": "TabHeight", "type": "int", "value": 22},
//       {"key": "FontBold", "type": "bool", "value": false},
//       {"key": "FontSize", "type": "float", "value": 8.25},     non-finite: "value": null, "bits": <uint32>
//       {"key": "TabText1", "type": "string", "value": "Register"},   not UTF-8: "value_base64": "..."
//       {"key": "Font", "type": "font", "name": "Tahoma", "size": 82500, "weight": 400, "charset": 0,
//        "italic": false, "underline": false, "strikethrough": false},        size in 1/10000 point
//       {"key": "TabPicture1", "type": "picture", "kind": "bitmap", "format": "bmp", "data": "<base64>"},
//       {"key": "X", "type": "nothing"}, {"key": "Y", "type": "empty"}]}]}
//
// A picture's kind is "bitmap", "icon" or "none"; its format "bmp", "ico" or "png" (bitmaps are BMP or PNG
// files, icons ICO files). Members not named here are not read, but kept as they were found: those of the
// form in Form::unknown_members, those of a control in its bag's outer_members(), those of an entry in its
// EntryExtras, where earlier entries of the same key (ASCII case ignored) are kept too; the writer puts them
// all back, so that what a later version or a user's tool stored survives a save by this one.
//
// The writer puts one bag entry a line; a form whose text would then be larger than kMaxFormFileBytes is
// written without any spacing, so that every form that loads can be saved back.
//
// Reading refuses a whole file (HostError kErrInvalidFormFile, "FILE: what is wrong") when it is too large,
// nested too deeply, not JSON, of another format or version, or when its structure is wrong: the root, a
// control or a bag entry that is not an object, a missing or mistyped "controls", "bag", "class", "name",
// "left", "top", "width", "height" or "key", an empty name or class, one of these members (or "format" or
// "version") given twice. Within a bag a later entry of a key replaces an earlier one. A bag entry whose
// value is damaged (an unknown type, a missing or mistyped field, a number out of range, bad base64, bytes
// that are no picture of the stated kind, a picture beyond the form's pixel budget) does not refuse the file:
// it is kept as an invalid value (PropertyValue::Invalid) whose conversion throws the entry's error naming
// the file, control and key, so the control's read step that meets it fails and is skipped, and a later save
// writes it back unchanged.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/errors/host_error.h"
#include "platform/files/atomic_write.h"
#include "platform/form_file/property_bag.h"

namespace vellumar {

inline constexpr std::string_view kFormFormatName = "vellumar-form";
inline constexpr int32_t kFormFormatVersion = 1;
inline constexpr std::string_view kFormFileExtension = ".vform";

// Limits a form file must keep. The token limit bounds the number of values and so the memory of the form
// read to a small multiple of the file size (a form of 100,000 tabs needs about 2.1 million tokens).
inline constexpr int64_t kMaxFormFileBytes = int64_t{64} << 20;
inline constexpr int kMaxFormNesting = 64;
inline constexpr int64_t kMaxFormTokens = int64_t{1} << 22;
// Pixels all pictures of one form may decode to together (256 MiB of colour pixels).
inline constexpr int64_t kMaxFormPicturePixels = int64_t{1} << 26;

struct FormControl {
  std::string class_name = "Vellumar";
  std::string name;
  int32_t left = 0;  // pixels
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  PropertyBag bag;
  // The control's JSON object as it was read, for a control that is written back untouched: when not
  // empty, the writer puts this text in place of the members above, which must then be what a load of it
  // gives. Empty for a control made by the program.
  std::string source{};
};

struct Form {
  std::vector<FormControl> controls;
  UnknownMembers unknown_members{};  // of the form's own object
};

// Whether two control names are the same one, as a form file matches them (ASCII case ignored).
bool SameControlName(std::string_view a, std::string_view b);
// Why control is not taken as one of class expected: control "OK" is a "CommandButton", not a Vellumar.
std::string OtherClassProblem(const FormControl& control, std::string_view expected);
// The first control of that name (ASCII case ignored), or null.
const FormControl* FindControl(const Form& form, std::string_view name);

// Reads a form from the bytes of a form file; name_for_errors names the file in error descriptions. The
// pictures of the form may decode to picture_pixel_budget pixels together; the ones beyond become invalid
// entries (error 7).
Form ParseForm(std::string_view bytes, const std::string& name_for_errors,
               int64_t picture_pixel_budget = kMaxFormPicturePixels);
// Reads a form file. Throws HostError 53 when it does not exist, 70 when it may not be read, 75 when it
// cannot be read or is no regular file, and kErrInvalidFormFile as ParseForm does.
Form LoadForm(const std::string& path);

// The form as the text of a form file. Throws HostError naming name_for_errors: 75 when a control's class or
// name is empty or a class, name or key is not valid UTF-8; 481, naming the control and key too, for a
// picture that cannot be stored (one that is neither bitmap nor icon); 7 for a form that a load would refuse
// or read only in part: larger than kMaxFormFileBytes, of more than kMaxFormTokens values, or with pictures
// beyond picture_pixel_budget (naming the control and key of the first picture beyond), as ParseForm with
// the same budget would read them.
std::string SerializeForm(const Form& form, const std::string& name_for_errors,
                          int64_t picture_pixel_budget = kMaxFormPicturePixels);
// Writes the form file at path so that it is either the complete new form or, on any failure, the file that
// was there before, byte for byte (see WriteFileAtomically for the errors). ops replaces the file system
// calls in tests.
void SaveForm(const Form& form, const std::string& path, const FileWriteOps& ops = {});
// Writes a new form file at path and never replaces anything there, not even something that appears while
// the file is written: then HostError 58 is thrown naming path (see CreateFileAtomically).
void SaveNewForm(const Form& form, const std::string& path, const FileWriteOps& ops = {});

}  // namespace vellumar
