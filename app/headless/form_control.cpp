#include "app/headless/form_control.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

#include "control/vellumar.h"
#include "platform/ascii_case.h"
#include "platform/errors/error_text.h"
#include "platform/errors/file_error.h"
#include "platform/errors/host_error.h"
#include "platform/geometry.h"

namespace vellumar {
namespace {

[[noreturn]] void ThrowNoControl(const std::string& path, const std::string& problem) {
  throw FileError(kErrInvalidFormFile, path, problem);
}

// The top of a control placed below every control of form, clamped so that it stays a 32-bit coordinate.
int32_t TopBelow(const Form& form) {
  int64_t bottom = 0;
  for (const FormControl& other : form.controls) {
    bottom = std::max(bottom, int64_t{other.top} + std::max(other.height, 0));
  }
  return SaturateToInt32(bottom + kFormMargin);
}

}  // namespace

bool SomethingAt(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

const FormControl& PickFormControl(const Form& form, const std::string& path, std::string_view name) {
  if (form.controls.empty()) ThrowNoControl(path, "the form has no controls");
  const FormControl* picked = name.empty() ? &form.controls.front() : FindControl(form, name);
  if (picked == nullptr) {
    std::vector<std::string> names;
    for (const FormControl& control : form.controls) names.push_back(control.name);
    ThrowNoControl(path, "no control named " + Quoted(name) + " (the form has " + QuotedList(names) + ")");
  }
  if (picked->class_name != kVellumarClass) {
    ThrowNoControl(path, OtherClassProblem(*picked, kVellumarClass));
  }
  return *picked;
}

std::string ControlLocation(const std::string& path, std::string_view name) {
  return PathExcerpt(path) + ": control " + Quoted(name);
}

void CheckLoadable(const FormControl& saved, const std::string& path) {
  try {
    Vellumar::CheckLoadable(saved.bag);
  } catch (const HostError& error) {
    throw error.Within(ControlLocation(path, saved.name));
  }
}

FormControl CaptureControl(Vellumar& control, const ControlPlace& place) {
  FormControl captured;
  captured.class_name = kVellumarClass;
  captured.name = place.name;
  captured.left = place.left;
  captured.top = place.top;
  captured.width = place.width;
  captured.height = place.height;
  control.WriteProperties(captured.bag);
  return captured;
}

ControlPlace StoreControl(FormControl control, const std::string& path, bool keep_others,
                          std::chrono::milliseconds lock_timeout) {
  const FormFileLock lock(path, lock_timeout);
  Form form;
  if (keep_others && SomethingAt(path)) form = LoadForm(path);
  const auto same = std::ranges::find_if(form.controls, [&](const FormControl& other) {
    return EqualsIgnoringAsciiCase(other.name, control.name);
  });
  FormControl* stored = nullptr;
  if (same != form.controls.end()) {
    if (same->class_name != control.class_name) {
      ThrowNoControl(path, OtherClassProblem(*same, kVellumarClass) + "; a save does not replace it");
    }
    control.left = same->left;
    control.top = same->top;
    if (control.bag.outer_members().empty()) control.bag.SetOuterMembers(same->bag.outer_members());
    *same = std::move(control);
    stored = &*same;
  } else {
    if (!form.controls.empty()) control.top = TopBelow(form);
    stored = &form.controls.emplace_back(std::move(control));
  }
  const ControlPlace place{stored->name, stored->left, stored->top, stored->width, stored->height};
  SaveForm(form, path);
  return place;
}

}  // namespace vellumar
