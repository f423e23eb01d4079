// Writing form files: one bag entry a line, so that a form reads and compares well as text.
#include "platform/form_file.h"
#include "platform/form_file_value.h"
#include "platform/host_error.h"

namespace vellumar {
namespace {

using nlohmann::ordered_json;

[[noreturn]] void ThrowUnstorable(const std::string& file, const std::string& problem) {
  throw HostError::WithDetail(kErrPathFileAccess, PathExcerpt(file) + ": cannot save: " + problem);
}

// Names go into the file as JSON strings, which must be UTF-8.
void CheckName(const std::string& text, const std::string& what, const std::string& file) {
  if (text.empty() && what != "key") ThrowUnstorable(file, what + " is empty");
  if (!form_file::IsValidUtf8(text)) ThrowUnstorable(file, what + " " + Quoted(text) + " is not valid UTF-8");
}

std::string EntryLine(const PropertyBag::Entry& entry, const std::string& control_label,
                      const std::string& file) {
  CheckName(entry.key, "key", file);
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

void AppendControl(std::string& out, const FormControl& control, const std::string& file) {
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
    out += EntryLine(entries[i], label, file);
  }
  out += entries.empty() ? "]\n" : "\n      ]\n";
  out += "    }";
}

}  // namespace

std::string SerializeForm(const Form& form, const std::string& name_for_errors) {
  std::string out = "{\n";
  AppendMember(out, "  ", "format", std::string(kFormFormatName), false);
  AppendMember(out, "  ", "version", kFormFormatVersion, false);
  out += "  \"controls\": [";
  for (size_t i = 0; i < form.controls.size(); ++i) {
    out += i == 0 ? "\n" : ",\n";
    AppendControl(out, form.controls[i], name_for_errors);
  }
  out += form.controls.empty() ? "]\n}\n" : "\n  ]\n}\n";
  return out;
}

void SaveForm(const Form& form, const std::string& path, const FileWriteOps& ops) {
  WriteFileAtomically(path, SerializeForm(form, path), ops);
}

}  // namespace vellumar
