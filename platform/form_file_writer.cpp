// Writing form files: one bag entry a line, so that a form reads and compares well as text.
#include "platform/error_text.h"
#include "platform/file_error.h"
#include "platform/form_file.h"
#include "platform/form_file_limits.h"
#include "platform/form_file_value.h"
#include "platform/host_error.h"
#include "platform/picture_budget.h"

namespace vellumar {
namespace {

using nlohmann::ordered_json;

[[noreturn]] void ThrowUnstorable(const std::string& file, const std::string& problem) {
  throw FileError(kErrPathFileAccess, file, "cannot save: " + problem);
}

// Names go into the file as JSON strings, which must be UTF-8.
void CheckName(const std::string& text, const std::string& what, const std::string& file) {
  if (text.empty() && what != "key") ThrowUnstorable(file, what + " is empty");
  if (!form_file::IsValidUtf8(text)) ThrowUnstorable(file, what + " " + Quoted(text) + " is not valid UTF-8");
}

// A form a load would refuse is refused before anything is written.
[[noreturn]] void ThrowUnloadable(const std::string& file, const std::string& problem) {
  throw FileError(kErrOutOfMemory, file, "a load would refuse the form: " + problem);
}

// Pictures are charged in file order, as a load charges them, so that every picture saved is read back.
void ChargePicture(const PropertyValue& value, PictureBudget& budget, const std::string& where) {
  if (value.type() != PropertyType::kPicture) return;
  try {
    budget.Charge(ToPicture(value).get());
  } catch (const HostError& error) {
    throw error.Within(where);
  }
}

std::string EntryLine(const PropertyBag::Entry& entry, const std::string& control_label,
                      const std::string& file, PictureBudget& budget) {
  CheckName(entry.key, "key", file);
  ChargePicture(entry.value, budget, PathExcerpt(file) + ": " + control_label + ", key " + Quoted(entry.key));
  ordered_json line;
  line["key"] = entry.key;
  try {
    form_file::EncodeValue(entry.value, line);
  } catch (const HostError& error) {
    throw error.Within(PathExcerpt(file) + ": cannot save " + control_label + ", key " + Quoted(entry.key));
  }
  return line.dump();
}

void AppendMember(std::string& out, const char* indent, const char* name, const ordered_json& value,
                  bool last) {
  out += indent;
  out += ordered_json(name).dump();
  out += ": ";
  out += value.dump();
  out += last ? "\n" : ",\n";
}

void AppendControl(std::string& out, const FormControl& control, const std::string& file,
                   PictureBudget& budget) {
  CheckName(control.class_name, "class", file);
  CheckName(control.name, "control name", file);
  const std::string label = "control " + Quoted(control.name);
  constexpr const char* kIndent = "      ";
  out += "    {\n";
  AppendMember(out, kIndent, "class", control.class_name, false);
  AppendMember(out, kIndent, "name", control.name, false);
  AppendMember(out, kIndent, "left", control.left, false);
  AppendMember(out, kIndent, "top", control.top, false);
  AppendMember(out, kIndent, "width", control.width, false);
  AppendMember(out, kIndent, "height", control.height, false);
  out += kIndent;
  out += "\"bag\": [";
  const std::vector<PropertyBag::Entry>& entries = control.bag.entries();
  for (size_t i = 0; i < entries.size(); ++i) {
    out += i == 0 ? "\n        " : ",\n        ";
    out += EntryLine(entries[i], label, file, budget);
    if (static_cast<int64_t>(out.size()) > kMaxFormFileBytes)
      ThrowUnloadable(file, form_file::TooLargeProblem());
  }
  out += entries.empty() ? "]\n" : "\n      ]\n";
  out += "    }";
}

}  // namespace

std::string SerializeForm(const Form& form, const std::string& name_for_errors,
                          int64_t picture_pixel_budget) {
  std::string out = "{\n";
  AppendMember(out, "  ", "format", std::string(kFormFormatName), false);
  AppendMember(out, "  ", "version", kFormFormatVersion, false);
  out += "  \"controls\": [";
  PictureBudget budget(picture_pixel_budget, kMaxFormFileBytes);
  for (size_t i = 0; i < form.controls.size(); ++i) {
    out += i == 0 ? "\n" : ",\n";
    AppendControl(out, form.controls[i], name_for_errors, budget);
  }
  out += form.controls.empty() ? "]\n}\n" : "\n  ]\n}\n";
  const std::string problem = form_file::LimitProblem(out);
  if (!problem.empty()) ThrowUnloadable(name_for_errors, problem);
  return out;
}

void SaveForm(const Form& form, const std::string& path, const FileWriteOps& ops) {
  WriteFileAtomically(path, SerializeForm(form, path), ops);
}

void SaveNewForm(const Form& form, const std::string& path, const FileWriteOps& ops) {
  CreateFileAtomically(path, SerializeForm(form, path), ops);
}

}  // namespace vellumar
