#include "platform/pictures/picture_file_io.h"

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
#include "platform/pictures/picture_limits.h"

namespace vellumar::pictures {
namespace {

[[noreturn]] void ThrowReadError(const std::string& path, int error) {
  const int number = error == ENOENT || error == ENOTDIR ? kErrFileNotFound : kErrPathFileAccess;
  throw FileError(number, path, std::strerror(error));
}

[[noreturn]] void ThrowTooLarge(const std::string& path) {
  ThrowInvalidPicture(PathExcerpt(path) + ": larger than " + std::to_string(kMaxPictureFileBytes >> 20) +
                      " MiB");
}

// Reads until end of file, refusing to go past limit bytes (the file may have grown since it was measured).
std::vector<uint8_t> ReadAll(int fd, size_t expected, size_t limit, const std::string& path) {
  std::vector<uint8_t> bytes;
  bytes.reserve(expected);
  std::array<uint8_t, 1 << 16> chunk;
  for (;;) {
    const ssize_t n = ::read(fd, chunk.data(), chunk.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ThrowReadError(path, errno);
    if (n == 0) return bytes;
    if (static_cast<size_t>(n) > limit - bytes.size()) ThrowTooLarge(path);
    bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + n);
  }
}

}  // namespace

std::vector<uint8_t> ReadPictureFile(const std::string& path) {
  OwnedDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0) ThrowReadError(path, errno);
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) ThrowReadError(path, errno);
  if (!S_ISREG(info.st_mode)) {
    throw FileError(kErrPathFileAccess, path, "not a regular file");
  }
  if (info.st_size > kMaxPictureFileBytes) ThrowTooLarge(path);
  return ReadAll(fd.get(), static_cast<size_t>(info.st_size), static_cast<size_t>(kMaxPictureFileBytes),
                 path);
}

}  // namespace vellumar::pictures
