// Writing form files: one bag entry a line, so that a form reads and compares well as text, or, for a form
// that would then be too large to load, without any spacing.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/errors/error_text.h"
#include "platform/errors/file_error.h"
#include "platform/errors/host_error.h"
#include "platform/form_file/form_file.h"
#include "platform/form_file/form_file_limits.h"
#include "platform/form_file/form_file_value.h"
#include "platform/form_file/picture_budget.h"

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

// Indentation of the readable layout.
constexpr std::string_view kFormMemberIndent = "\n  ";
constexpr std::string_view kControlIndent = "\n    ";
constexpr std::string_view kControlMemberIndent = "\n      ";
constexpr std::string_view kEntryIndent = "\n        ";

// Writes the readable layout while it stays within kMaxFormFileBytes; past that, the text so far loses its
// spacing and the rest is written without any, so that the memory used stays within the limit and every
// value is encoded once.
class FormWriter {
 public:
  FormWriter(const std::string& file, int64_t picture_pixel_budget)
      : file_(file), budget_(picture_pixel_budget, kMaxFormFileBytes) {}

  std::string Write(const Form& form) {
    out_ = "{";
    Member(kFormMemberIndent, "format", ordered_json(std::string(kFormFormatName)).dump());
    Member(kFormMemberIndent, "version", std::to_string(kFormFormatVersion));
    for (const UnknownMember& member : form.unknown_members)
      Member(kFormMemberIndent, member.name, member.json);
    Name(kFormMemberIndent, "controls");
    out_ += "[";
    for (size_t i = 0; i < form.controls.size(); ++i) {
      if (i > 0) out_ += ",";
      Space(kControlIndent);
      Control(form.controls[i]);
    }
    if (!form.controls.empty()) Space(kFormMemberIndent);
    out_ += "]";
    Space("\n");
    out_ += "}\n";
    CheckSize();
    return std::move(out_);
  }

 private:
  // Spacing of the readable layout, which a compact text leaves out.
  void Space(std::string_view spacing) {
    if (compact_) return;
    spacing_.push_back({out_.size(), spacing.size()});
    spacing_bytes_ += static_cast<int64_t>(spacing.size());
    out_ += spacing;
  }

  void Name(std::string_view indent, const std::string& name) {
    Space(indent);
    out_ += ordered_json(name).dump();
    out_ += ":";
    Space(" ");
  }

  void Member(std::string_view indent, const std::string& name, const std::string& json) {
    Name(indent, name);
    out_ += json;
    out_ += ",";
  }

  void CheckSize() {
    const auto size = static_cast<int64_t>(out_.size());
    if (size <= kMaxFormFileBytes) return;
    if (compact_ || size - spacing_bytes_ > kMaxFormFileBytes) {
      ThrowUnloadable(file_, form_file::TooLargeProblem());
    }
    DropSpacing();
  }

  void DropSpacing() {
    char* text = out_.data();
    size_t to = 0;
    size_t from = 0;
    for (const auto& [at, length] : spacing_) {
      std::memmove(text + to, text + from, at - from);
      to += at - from;
      from = at + length;
    }
    std::memmove(text + to, text + from, out_.size() - from);
    out_.resize(to + out_.size() - from);
    spacing_ = {};
    compact_ = true;
  }

  // Pictures are charged in file order, as a load charges them, so that every picture saved is read back.
  void ChargePictures(const PropertyBag::Entry& entry, const std::string& control_label) {
    if (entry.value.type() != PropertyType::kPicture) return;
    try {
      budget_.Charge(ToPicture(entry.value).get());
    } catch (const HostError& error) {
      throw error.Within(PathExcerpt(file_) + ": " + control_label + ", key " + Quoted(entry.key));
    }
  }

  void Control(const FormControl& control) {
    const std::string label = "control " + Quoted(control.name);
    if (!control.source.empty()) {
      for (const PropertyBag::Entry& entry : control.bag.entries()) ChargePictures(entry, label);
      out_ += control.source;
      CheckSize();
      return;
    }
    CheckName(control.class_name, "class", file_);
    CheckName(control.name, "control name", file_);
    out_ += "{";
    Member(kControlMemberIndent, "class", ordered_json(control.class_name).dump());
    Member(kControlMemberIndent, "name", ordered_json(control.name).dump());
    Member(kControlMemberIndent, "left", std::to_string(control.left));
    Member(kControlMemberIndent, "top", std::to_string(control.top));
    Member(kControlMemberIndent, "width", std::to_string(control.width));
    Member(kControlMemberIndent, "height", std::to_string(control.height));
    for (const UnknownMember& member : control.bag.outer_members()) {
      Member(kControlMemberIndent, member.name, member.json);
    }
    Name(kControlMemberIndent, "bag");
    out_ += "[";
    const std::vector<PropertyBag::Entry>& entries = control.bag.entries();
    for (size_t i = 0; i < entries.size(); ++i) {
      Entry(entries[i], label, i == 0);
      CheckSize();
    }
    if (!entries.empty()) Space(kControlMemberIndent);
    out_ += "]";
    Space(kControlIndent);
    out_ += "}";
  }

  void EntrySeparator(bool first) {
    if (!first) out_ += ",";
    Space(kEntryIndent);
  }

  // The entry, after the earlier entries of its key that a load kept, so that it still wins over them.
  void Entry(const PropertyBag::Entry& entry, const std::string& control_label, bool first) {
    CheckName(entry.key, "key", file_);
    if (entry.extras) {
      for (const std::string& shadowed : entry.extras->shadowed) {
        EntrySeparator(first);
        first = false;
        out_ += shadowed;
      }
    }
    ChargePictures(entry, control_label);
    ordered_json line;
    line["key"] = entry.key;
    try {
      form_file::EncodeValue(entry.value, line);
    } catch (const HostError& error) {
      throw error.Within(PathExcerpt(file_) + ": cannot save " + control_label + ", key " +
                         Quoted(entry.key));
    }
    EntrySeparator(first);
    out_ += line.dump();
    if (!entry.extras || entry.value.invalid() != nullptr) return;
    for (const UnknownMember& member : entry.extras->members) {
      out_.pop_back();
      out_ += "," + ordered_json(member.name).dump() + ":" + member.json + "}";
    }
  }

  const std::string& file_;
  PictureBudget budget_;
  std::string out_;
  bool compact_ = false;
  std::vector<std::pair<size_t, size_t>> spacing_;  // where the readable layout put spacing, and how much
  int64_t spacing_bytes_ = 0;
};

// What the pictures among the earlier entries of keys cost a load, which no value of the form holds.
int64_t ShadowedPixels(const Form& form) {
  int64_t pixels = 0;
  for (const FormControl& control : form.controls) {
    for (const PropertyBag::Entry& entry : control.bag.entries()) {
      if (entry.extras) pixels += entry.extras->shadowed_pixels;
    }
  }
  return pixels;
}

}  // namespace

std::string SerializeForm(const Form& form, const std::string& name_for_errors,
                          int64_t picture_pixel_budget) {
  const int64_t budget = std::max<int64_t>(picture_pixel_budget - ShadowedPixels(form), 0);
  const std::string out = FormWriter(name_for_errors, budget).Write(form);
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
