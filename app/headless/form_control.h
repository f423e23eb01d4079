// Controls of form files as the headless host uses them: picking one to load, capturing a live control with
// its place and size, and storing a control into a form file beside the controls already there.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/form_file/form_file.h"
#include "platform/form_file/form_file_lock.h"

namespace vellumar {

class Vellumar;

inline constexpr std::string_view kVellumarClass = "Vellumar";
inline constexpr std::string_view kFirstControlName = "Vellumar1";
// Where a new control sits on its form, and the gap left above a control appended below the others.
inline constexpr int32_t kFormMargin = 8;

// Where a control sits on its form and how large it is, in pixels.
struct ControlPlace {
  std::string name{kFirstControlName};
  int32_t left = kFormMargin;
  int32_t top = kFormMargin;
  int32_t width = 0;
  int32_t height = 0;
};

// Whether anything is where path leads, links followed: a file, a folder, or something that cannot be looked
// at. A missing path, one under a missing folder, or a link to such a path is free.
bool SomethingAt(const std::string& path);

// The Vellumar control of form to load: the one called name (ASCII case ignored), or the first control when
// name is empty. Throws HostError kErrInvalidFormFile naming path when the form has no controls, none of that
// name, or when the control is of another class.
const FormControl& PickFormControl(const Form& form, const std::string& path, std::string_view name);

// Where a control of a form file is, for error descriptions: PATH: control "NAME".
std::string ControlLocation(const std::string& path, std::string_view name);

// Refuses, with the error of Vellumar::CheckLoadable placed at path and the control, a saved control that a
// load could not take whole.
void CheckLoadable(const FormControl& saved, const std::string& path);

// The control as a form stores it: its place, and its property bag filled by WriteProperties. The first
// failing write passes on.
FormControl CaptureControl(Vellumar& control, const ControlPlace& place);

// Stores control in the form file at path, atomically (SaveForm), holding the form's lock (FormFileLock,
// waiting at most lock_timeout) from the read to the rename. With keep_others false the file becomes a form
// of this one control. With keep_others true and a form already at path, its other controls and its own
// members stay exactly as they were written: a control of the same name (ASCII case ignored) is replaced
// where it stands, keeping its left, top and unknown members, and a new name is appended below the lowest
// control. A file there that cannot be loaded is left untouched and its error passes on; so is a form whose
// control of that name is of another class (HostError kErrInvalidFormFile). Returns the place the control
// was stored at.
ControlPlace StoreControl(FormControl control, const std::string& path, bool keep_others,
                          std::chrono::milliseconds lock_timeout = kFormLockTimeout);

}  // namespace vellumar
