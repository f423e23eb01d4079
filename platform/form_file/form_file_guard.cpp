#include "platform/form_file/form_file_guard.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstddef>
#include <string_view>

#include "platform/errors/error_text.h"
#include "platform/errors/file_error.h"
#include "platform/form_file/form_file.h"

namespace vellumar {
namespace {

// How far into a file the sniff looks for the format name: a form names it first, and whatever a tool may put
// before it, nothing that big.
constexpr size_t kSniffBytes = 4096;

bool SameFile(const std::string& a, const std::string& b) {
  struct stat first {};
  struct stat second {};
  return !b.empty() && ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// Whether the regular file at path begins as a form does: a JSON object that names the form format.
bool HoldsAForm(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return false;
  struct stat info {};
  std::array<char, kSniffBytes> head{};
  ssize_t length = 0;
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) length = ::read(fd, head.data(), head.size());
  ::close(fd);
  if (length <= 0) return false;
  std::string_view text(head.data(), static_cast<size_t>(length));
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  const size_t first = text.find_first_not_of(" \t\r\n");
  const std::string name = "\"" + std::string(kFormFormatName) + "\"";
  return first != std::string_view::npos && text[first] == '{' && text.find(name) != std::string_view::npos;
}

}  // namespace

void RequireNoFormAt(const std::string& output, const std::string& form) {
  const std::string kept = ", which a picture would replace; nothing was written and the form is as it was";
  if (SameFile(output, form)) {
    throw FileError(kErrPathFileAccess, output,
                    "this is the form " + PathExcerpt(form) + " being painted" + kept);
  }
  if (HoldsAForm(output)) {
    const std::string painted = form.empty() ? "" : " (the form being painted is " + PathExcerpt(form) + ")";
    throw FileError(kErrPathFileAccess, output, "the file holds a form" + painted + kept);
  }
}

}  // namespace vellumar
