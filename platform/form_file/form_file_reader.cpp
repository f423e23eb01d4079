// Reading form files: the file's bytes, limits on their size and shape, then the streaming parser.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/ascii_case.h"
#include "platform/errors/error_text.h"
#include "platform/errors/file_error.h"
#include "platform/errors/host_error.h"
#include "platform/files/owned_descriptor.h"
#include "platform/form_file/form_file.h"
#include "platform/form_file/form_file_limits.h"
#include "platform/form_file/form_file_parser.h"

namespace vellumar {
namespace {

constexpr size_t kReadChunk = size_t{1} << 20;

[[noreturn]] void ThrowBadForm(const std::string& name, const std::string& problem) {
  throw FileError(kErrInvalidFormFile, name, problem);
}

[[noreturn]] void ThrowTooLarge(const std::string& name) {
  ThrowBadForm(name, form_file::TooLargeProblem());
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
  throw FileError(number, path, std::string("cannot read: ") + std::strerror(error));
}

// The whole file, refused before reading when it is larger than a form may be. The read stops one byte past
// the limit, so a file that grows meanwhile cannot make it read without end.
std::string ReadFormBytes(const std::string& path) {
  const OwnedDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (file.get() < 0) ThrowReadError(path, errno);
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) ThrowReadError(path, errno);
  if (!S_ISREG(info.st_mode)) {
    throw FileError(kErrPathFileAccess, path, "cannot read: not a regular file");
  }
  if (info.st_size > kMaxFormFileBytes) ThrowTooLarge(path);
  std::string bytes(static_cast<size_t>(info.st_size), '\0');
  size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) {
      if (static_cast<int64_t>(bytes.size()) > kMaxFormFileBytes) ThrowTooLarge(path);
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

}  // namespace

bool SameControlName(std::string_view a, std::string_view b) {
  return EqualsIgnoringAsciiCase(a, b);
}

std::string OtherClassProblem(const FormControl& control, std::string_view expected) {
  return "control " + Quoted(control.name) + " is a " + Quoted(control.class_name) + ", not a " +
         std::string(expected);
}

const FormControl* FindControl(const Form& form, std::string_view name) {
  for (const FormControl& control : form.controls) {
    if (SameControlName(control.name, name)) return &control;
  }
  return nullptr;
}

Form ParseForm(std::string_view bytes, const std::string& name_for_errors, int64_t picture_pixel_budget) {
  const std::string problem = form_file::LimitProblem(bytes);
  if (!problem.empty()) ThrowBadForm(name_for_errors, problem);
  return form_file::ParseFormDocument(bytes, name_for_errors, picture_pixel_budget);
}

Form LoadForm(const std::string& path) {
  return ParseForm(ReadFormBytes(path), path);
}

}  // namespace vellumar
