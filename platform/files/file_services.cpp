// File copy, delete and existence test over POSIX calls. Files are opened without blocking so that a FIFO
// or device named by a caller cannot stall the thread; only regular files are copied.
#include "platform/files/file_services.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

#include "platform/errors/error_text.h"
#include "platform/errors/file_error.h"
#include "platform/errors/host_error.h"
#include "platform/files/owned_descriptor.h"

namespace vellumar {
namespace {

constexpr size_t kCopyChunk = 64 * 1024;

bool IsMissing(int error) {
  return error == ENOENT || error == ENOTDIR;
}

[[noreturn]] void ThrowCopyError(const std::string& source, const std::string& dest, const std::string& why) {
  throw HostError::WithDetail(kErrPathFileAccess,
                              "cannot copy " + PathExcerpt(source) + " to " + PathExcerpt(dest) + ": " + why);
}

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

bool CopyContents(int in, int out) {
  std::array<char, kCopyChunk> buffer{};
  for (;;) {
    const ssize_t got = ::read(in, buffer.data(), buffer.size());
    if (got == 0) return true;
    if (got < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (!WriteAll(out, buffer.data(), static_cast<size_t>(got))) return false;
  }
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

void FileCopy(const std::string& source, const std::string& dest) {
  OwnedDescriptor in(::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (!in.valid()) {
    if (IsMissing(errno)) {
      throw FileError(kErrFileNotFound, source, std::strerror(errno));
    }
    ThrowCopyError(source, dest, std::strerror(errno));
  }
  struct stat source_info {};
  if (::fstat(in.get(), &source_info) != 0) ThrowCopyError(source, dest, std::strerror(errno));
  if (!S_ISREG(source_info.st_mode)) ThrowCopyError(source, dest, "the source is not a regular file");

  // Truncating the destination first would destroy a source that is the same file.
  struct stat dest_info {};
  if (::stat(dest.c_str(), &dest_info) == 0 && SameFile(source_info, dest_info)) return;

  OwnedDescriptor out(::open(dest.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NONBLOCK, 0666));
  if (!out.valid()) ThrowCopyError(source, dest, std::strerror(errno));
  if (::fstat(out.get(), &dest_info) != 0 || !S_ISREG(dest_info.st_mode)) {
    ThrowCopyError(source, dest, "the destination is not a regular file");
  }
  if (!CopyContents(in.get(), out.get()) || !out.Close()) ThrowCopyError(source, dest, std::strerror(errno));
}

void Kill(const std::string& path) {
  if (::unlink(path.c_str()) == 0) return;
  const std::string why = std::strerror(errno);
  if (IsMissing(errno)) throw FileError(kErrFileNotFound, path, why);
  throw HostError::WithDetail(kErrPathFileAccess, "cannot delete " + PathExcerpt(path) + ": " + why);
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace vellumar
