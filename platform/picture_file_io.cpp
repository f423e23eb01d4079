#include "platform/picture_file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>

#include "platform/host_error.h"
#include "platform/picture_limits.h"

namespace vellumar::pictures {
namespace {

class UniqueFd {
 public:
  explicit UniqueFd(int fd) : fd_(fd) {}
  ~UniqueFd() { Close(); }
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;

  int get() const { return fd_; }
  // Closes now and reports whether the close succeeded (a failed close can mean lost writes).
  bool Close() {
    if (fd_ < 0) return true;
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0;
  }

 private:
  int fd_;
};

[[noreturn]] void ThrowOpenError(int error) {
  if (error == ENOENT || error == ENOTDIR) throw HostError(kErrFileNotFound);
  throw HostError(kErrPathFileAccess);
}

// Reads until end of file, refusing to go past limit bytes (the file may have grown since it was measured).
std::vector<uint8_t> ReadAll(int fd, size_t expected, size_t limit) {
  std::vector<uint8_t> bytes;
  bytes.reserve(expected);
  std::array<uint8_t, 1 << 16> chunk;
  for (;;) {
    const ssize_t n = ::read(fd, chunk.data(), chunk.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw HostError(kErrPathFileAccess);
    if (n == 0) return bytes;
    if (static_cast<size_t>(n) > limit - bytes.size()) ThrowInvalidPicture();
    bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + n);
  }
}

}  // namespace

std::vector<uint8_t> ReadPictureFile(const std::string& path) {
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0) ThrowOpenError(errno);
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) throw HostError(kErrPathFileAccess);
  if (info.st_size > kMaxPictureFileBytes) ThrowInvalidPicture();
  return ReadAll(fd.get(), static_cast<size_t>(info.st_size), static_cast<size_t>(kMaxPictureFileBytes));
}

}  // namespace vellumar::pictures
