#include "platform/files/save_target.h"

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/errors/error_text.h"
#include "platform/errors/file_error.h"

namespace vellumar {
namespace {

[[noreturn]] void ThrowUnsaveable(const std::string& path, const std::string& reason) {
  throw FileError(kErrPathFileAccess, path, reason);
}

[[noreturn]] void ThrowLookError(const std::string& path, int error) {
  const bool denied = error == EACCES || error == EPERM;
  throw FileError(denied ? kErrPermissionDenied : kErrPathFileAccess, path, std::strerror(error));
}

const char* KindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  if (S_ISSOCK(mode)) return "a socket";
  return "not a file";
}

// What the link at link_path names, as a path the kernel resolves the same way: a relative target is
// prefixed with the link's folder exactly as written, never normalised, so that ".." after a linked folder
// still means what the kernel makes of it.
std::string LinkTarget(const std::string& path, const std::string& link_path) {
  std::vector<char> buffer(PATH_MAX);
  const ssize_t length = ::readlink(link_path.c_str(), buffer.data(), buffer.size());
  if (length < 0) ThrowLookError(path, errno);
  if (length == 0 || static_cast<size_t>(length) >= buffer.size()) {
    ThrowUnsaveable(path, "the symbolic link " + link_path + " cannot be read");
  }
  std::string target(buffer.data(), static_cast<size_t>(length));
  if (target.front() == '/') return target;
  const size_t slash = link_path.rfind('/');
  return slash == std::string::npos ? target : link_path.substr(0, slash + 1) + target;
}

}  // namespace

void RequireFileName(const std::string& path) {
  if (path.empty() || path.back() == '/') ThrowUnsaveable(path, "no file name");
}

std::string ResolveSaveTarget(const std::string& path) {
  RequireFileName(path);
  std::vector<std::pair<dev_t, ino_t>> links_seen;
  std::string current = path;
  for (;;) {
    struct stat info {};
    if (::lstat(current.c_str(), &info) != 0) {
      if (errno == ENOENT || errno == ENOTDIR) return current;
      ThrowLookError(path, errno);
    }
    if (S_ISREG(info.st_mode)) return current;
    const std::string where = current == path ? "" : " (the link leads to " + current + ")";
    if (!S_ISLNK(info.st_mode)) {
      ThrowUnsaveable(path, std::string("not a regular file: ") + KindOf(info.st_mode) + where);
    }
    const std::pair<dev_t, ino_t> link{info.st_dev, info.st_ino};
    if (std::ranges::find(links_seen, link) != links_seen.end()) {
      ThrowUnsaveable(path, "the symbolic links form a loop" + where);
    }
    if (links_seen.size() == kMaxSymbolicLinks) {
      ThrowUnsaveable(path, "more than " + std::to_string(kMaxSymbolicLinks) + " symbolic links in a row");
    }
    links_seen.push_back(link);
    current = LinkTarget(path, current);
  }
}

}  // namespace vellumar
