// Writing form files: one bag entry a line, so that a form reads and compares well as text, or, for a form
// that would then be too large to load, without any spacing.
#include <algorithm>
#include <cstdint>

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

// The spacing of a form file: what ends a line and the indentation of each level.
struct Layout {
  const char* newline;
  const char* form_member;     // a member of the form
  const char* control;         // a control in "controls"
  const char* control_member;  // a member of a control
  const char* entry;           // an entry in "bag"
  const char* colon;           // between a member's name and its value
};
constexpr Layout kReadable{"\n", "  ", "    ", "      ", "        ", ": "};
constexpr Layout kCompact{"", "", "", "", "", ":"};

// The text grown past kMaxFormFileBytes in a layout that has a more compact one.
struct TooLarge {};

class FormWriter {
 public:
  FormWriter(const Layout& layout, const std::string& file, int64_t picture_pixel_budget)
      : layout_(layout), file_(file), budget_(picture_pixel_budget, kMaxFormFileBytes) {}

  std::string Write(const Form& form) {
    out_ = "{";
    out_ += layout_.newline;
    Member(layout_.form_member, "format", ordered_json(std::string(kFormFormatName)).dump());
    Member(layout_.form_member, "version", std::to_string(kFormFormatVersion));
    for (const UnknownMember& member : form.unknown_members) {
      Member(layout_.form_member, member.name, member.json);
    }
    out_ += layout_.form_member;
    out_ += "\"controls\"";
    out_ += layout_.colon;
    out_ += "[";
    for (size_t i = 0; i < form.controls.size(); ++i) {
      out_ += i == 0 ? layout_.newline : std::string(",") + layout_.newline;
      Control(form.controls[i]);
    }
    if (!form.controls.empty()) {
      out_ += layout_.newline;
      out_ += layout_.form_member;
    }
    out_ += "]";
    out_ += layout_.newline;
    out_ += "}\n";
    CheckSize();
    return std::move(out_);
  }

 private:
  void Member(const char* indent, const std::string& name, const std::string& json) {
    out_ += indent;
    out_ += ordered_json(name).dump();
    out_ += layout_.colon;
    out_ += json;
    out_ += ",";
    out_ += layout_.newline;
  }

  void CheckSize() {
    if (static_cast<int64_t>(out_.size()) <= kMaxFormFileBytes) return;
    if (&layout_ != &kCompact) throw TooLarge{};
    ThrowUnloadable(file_, form_file::TooLargeProblem());
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
    out_ += layout_.control;
    if (!control.source.empty()) {
      for (const PropertyBag::Entry& entry : control.bag.entries()) ChargePictures(entry, label);
      out_ += control.source;
      CheckSize();
      return;
    }
    CheckName(control.class_name, "class", file_);
    CheckName(control.name, "control name", file_);
    const char* indent = layout_.control_member;
    out_ += "{";
    out_ += layout_.newline;
    Member(indent, "class", ordered_json(control.class_name).dump());
    Member(indent, "name", ordered_json(control.name).dump());
    Member(indent, "left", std::to_string(control.left));
    Member(indent, "top", std::to_string(control.top));
    Member(indent, "width", std::to_string(control.width));
    Member(indent, "height", std::to_string(control.height));
    for (const UnknownMember& member : control.bag.outer_members()) Member(indent, member.name, member.json);
    out_ += indent;
    out_ += "\"bag\"";
    out_ += layout_.colon;
    out_ += "[";
    const std::vector<PropertyBag::Entry>& entries = control.bag.entries();
    for (size_t i = 0; i < entries.size(); ++i) {
      Entry(entries[i], label, i == 0);
      CheckSize();
    }
    if (!entries.empty()) {
      out_ += layout_.newline;
      out_ += indent;
    }
    out_ += "]";
    out_ += layout_.newline;
    out_ += layout_.control;
    out_ += "}";
  }

  void EntrySeparator(bool first) {
    if (!first) out_ += ",";
    out_ += layout_.newline;
    out_ += layout_.entry;
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

  const Layout& layout_;
  const std::string& file_;
  PictureBudget budget_;
  std::string out_;
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
  std::string out;
  try {
    out = FormWriter(kReadable, name_for_errors, budget).Write(form);
  } catch (const TooLarge&) {
    out = FormWriter(kCompact, name_for_errors, budget).Write(form);
  }
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
