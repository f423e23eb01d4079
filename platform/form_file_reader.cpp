// Reading form files: size and shape limits first, then the JSON document, then the form it describes.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "platform/form_file.h"
#include "platform/form_file_value.h"
#include "platform/host_error.h"

namespace vellumar {
namespace {

using form_file::Quoted;
using nlohmann::json;

constexpr size_t kReadChunk = size_t{1} << 20;

// A fault in the form's structure, which refuses the whole file; the message says where, without the file
// name.
class StructureError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

[[noreturn]] void ThrowBadForm(const std::string& name, const std::string& problem) {
  throw HostError(kErrInvalidFormFile, name + ": " + problem);
}

// nlohmann's parser recurses once per level of nesting, and its document costs memory per token; both are
// bounded here with one pass that follows strings the way the parser's lexer does.
void CheckShape(std::string_view bytes, const std::string& name) {
  int depth = 0;
  int64_t tokens = 1;
  bool in_string = false;
  bool escaped = false;
  for (const char c : bytes) {
    if (in_string) {
      if (escaped) {
        escaped = false;
      } else if (c == '\\') {
        escaped = true;
      } else if (c == '"') {
        in_string = false;
      }
      continue;
    }
    switch (c) {
      case '"':
        in_string = true;
        break;
      case '{':
      case '[':
        if (++depth > kMaxFormNesting) {
          ThrowBadForm(name, "nested more than " + std::to_string(kMaxFormNesting) + " levels deep");
        }
        ++tokens;
        break;
      case '}':
      case ']':
        depth = depth > 0 ? depth - 1 : 0;
        break;
      case ',':
      case ':':
        ++tokens;
        break;
      default:
        break;
    }
    if (tokens > kMaxFormTokens)
      ThrowBadForm(name, "more than " + std::to_string(kMaxFormTokens) + " values");
  }
}

// nlohmann's messages start with "[json.exception.parse_error.101] ".
std::string ParserMessage(const json::exception& error) {
  const std::string_view text = error.what();
  const size_t bracket = text.find("] ");
  return std::string(bracket == std::string_view::npos ? text : text.substr(bracket + 2));
}

json ParseDocument(std::string_view bytes, const std::string& name) {
  if (static_cast<int64_t>(bytes.size()) > kMaxFormFileBytes) {
    ThrowBadForm(name, "larger than " + std::to_string(kMaxFormFileBytes >> 20) + " MiB");
  }
  CheckShape(bytes, name);
  try {
    return json::parse(bytes.begin(), bytes.end());
  } catch (const json::exception& error) {
    ThrowBadForm(name, "invalid JSON: " + ParserMessage(error));
  }
}

const json& Member(const json& object, const std::string& member, const std::string& where) {
  const auto found = object.find(member);
  if (found == object.end()) throw StructureError(where + "has no " + Quoted(member));
  return *found;
}

const std::string& NonEmptyString(const json& object, const std::string& member, const std::string& where) {
  const json& value = Member(object, member, where);
  if (!value.is_string() || value.get_ref<const std::string&>().empty()) {
    throw StructureError(where + Quoted(member) + " must be a non-empty string");
  }
  return value.get_ref<const std::string&>();
}

int32_t Int32Member(const json& object, const std::string& member, const std::string& where) {
  const json& value = Member(object, member, where);
  constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
  const bool fits = (value.is_number_unsigned() && value.get<uint64_t>() <= uint64_t{kMax}) ||
                    (value.is_number_integer() && !value.is_number_unsigned() &&
                     value.get<int64_t>() >= kMin && value.get<int64_t>() <= kMax);
  if (!fits) throw StructureError(where + Quoted(member) + " must be a 32-bit integer");
  return static_cast<int32_t>(value.get<int64_t>());
}

const json& ArrayMember(const json& object, const std::string& member, const std::string& where) {
  const json& value = Member(object, member, where);
  if (!value.is_array()) throw StructureError(where + Quoted(member) + " must be an array");
  return value;
}

void ReadEntry(const json& entry, const std::string& control_label, size_t index,
               const std::string& file_name, form_file::PictureBudget& budget, PropertyBag& bag) {
  const std::string where = control_label + ", entry " + std::to_string(index + 1) + ": ";
  if (!entry.is_object()) throw StructureError(where + "is not an object");
  const json& key_value = Member(entry, "key", where);
  if (!key_value.is_string()) throw StructureError(where + "\"key\" must be a string");
  const std::string& key = key_value.get_ref<const std::string&>();
  try {
    bag.WriteProperty(key, form_file::DecodeValue(entry, budget));
  } catch (const HostError& error) {
    const std::string context = file_name + ": " + control_label + ", key " + Quoted(key);
    bag.WriteProperty(key,
                      PropertyValue::Invalid({error.number(), context + ": " + error.what(),
                                              entry.dump(-1, ' ', false, json::error_handler_t::replace)}));
  }
}

FormControl ReadControl(const json& object, const std::string& where, const std::string& file_name,
                        form_file::PictureBudget& budget) {
  if (!object.is_object()) throw StructureError(where + "is not an object");
  FormControl control;
  control.class_name = NonEmptyString(object, "class", where);
  control.name = NonEmptyString(object, "name", where);
  const std::string named = "control " + Quoted(control.name);
  control.left = Int32Member(object, "left", named + ": ");
  control.top = Int32Member(object, "top", named + ": ");
  control.width = Int32Member(object, "width", named + ": ");
  control.height = Int32Member(object, "height", named + ": ");
  const json& bag = ArrayMember(object, "bag", named + ": ");
  for (size_t i = 0; i < bag.size(); ++i) {
    ReadEntry(bag[i], named, i, file_name, budget, control.bag);
  }
  return control;
}

Form ReadForm(const json& document, const std::string& name, int64_t picture_pixel_budget) {
  if (!document.is_object()) throw StructureError("the document is not a JSON object");
  const json& format = Member(document, "format", "the document ");
  if (!format.is_string() || format.get_ref<const std::string&>() != kFormFormatName) {
    throw StructureError("not a form file (\"format\" is not " + Quoted(kFormFormatName) + ")");
  }
  const json& version = Member(document, "version", "the document ");
  if (!version.is_number_integer() || version.get<int64_t>() != kFormFormatVersion) {
    throw StructureError("unsupported version " + version.dump() + " (this program reads version " +
                         std::to_string(kFormFormatVersion) + ")");
  }
  const json& controls = ArrayMember(document, "controls", "the document ");
  form_file::PictureBudget budget{picture_pixel_budget};
  Form form;
  form.controls.reserve(controls.size());
  for (size_t i = 0; i < controls.size(); ++i) {
    form.controls.push_back(
        ReadControl(controls[i], "control " + std::to_string(i + 1) + ": ", name, budget));
  }
  return form;
}

bool IsMissing(int error) {
  return error == ENOENT || error == ENOTDIR;
}
bool IsDenied(int error) {
  return error == EACCES || error == EPERM;
}

[[noreturn]] void ThrowReadError(const std::string& path, int error) {
  const int number = IsMissing(error)  ? kErrFileNotFound
                     : IsDenied(error) ? kErrPermissionDenied
                                       : kErrPathFileAccess;
  throw HostError(number, path + ": cannot read: " + std::strerror(error));
}

class ReadDescriptor {
 public:
  explicit ReadDescriptor(int fd) : fd_(fd) {}
  ReadDescriptor(const ReadDescriptor&) = delete;
  ReadDescriptor& operator=(const ReadDescriptor&) = delete;
  ~ReadDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }

 private:
  int fd_;
};

// The whole file, refused before reading when it is larger than a form may be. The read stops one byte past
// the limit, so a file that grows meanwhile cannot make it read without end.
std::string ReadFormBytes(const std::string& path) {
  const ReadDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (file.get() < 0) ThrowReadError(path, errno);
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) ThrowReadError(path, errno);
  if (!S_ISREG(info.st_mode)) throw HostError(kErrPathFileAccess, path + ": cannot read: not a regular file");
  const auto too_large = [&] {
    ThrowBadForm(path, "larger than " + std::to_string(kMaxFormFileBytes >> 20) + " MiB");
  };
  if (info.st_size > kMaxFormFileBytes) too_large();
  std::string bytes(static_cast<size_t>(info.st_size), '\0');
  size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) {
      if (static_cast<int64_t>(bytes.size()) > kMaxFormFileBytes) too_large();
      bytes.resize(std::min(bytes.size() + kReadChunk, static_cast<size_t>(kMaxFormFileBytes) + 1));
    }
    const ssize_t got = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) ThrowReadError(path, errno);
    if (got == 0) break;
    filled += static_cast<size_t>(got);
  }
  bytes.resize(filled);
  return bytes;
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

}  // namespace

const FormControl* FindControl(const Form& form, std::string_view name) {
  for (const FormControl& control : form.controls) {
    if (SameNameIgnoringCase(control.name, name)) return &control;
  }
  return nullptr;
}

Form ParseForm(std::string_view bytes, const std::string& name_for_errors, int64_t picture_pixel_budget) {
  const json document = ParseDocument(bytes, name_for_errors);
  try {
    return ReadForm(document, name_for_errors, picture_pixel_budget);
  } catch (const StructureError& problem) {
    ThrowBadForm(name_for_errors, problem.what());
  }
}

Form LoadForm(const std::string& path) {
  return ParseForm(ReadFormBytes(path), path);
}

}  // namespace vellumar
