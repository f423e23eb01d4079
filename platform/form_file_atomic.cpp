#include "platform/form_file_atomic.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/error_text.h"
#include "platform/host_error.h"

namespace vellumar {
namespace {

constexpr std::string_view kTempSuffix = ".tmp";
constexpr size_t kMaxTempBaseName = 100;  // keeps the temporary name within NAME_MAX
constexpr mode_t kNewFileMode = 0666;
constexpr mode_t kPermissionBits = 07777;

int ErrorNumberFor(int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT:
      return kErrDiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
      return kErrPermissionDenied;
    case ENOENT:
    case ENOTDIR:
      return kErrPathNotFound;
    default:
      return kErrPathFileAccess;
  }
}

[[noreturn]] void ThrowSaveError(const std::string& path, int error) {
  throw HostError::WithDetail(ErrorNumberFor(error),
                              PathExcerpt(path) + ": cannot save: " + std::strerror(error));
}

std::string DirectoryOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string TempTemplate(const std::string& path) {
  const size_t slash = path.rfind('/');
  std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
  if (base.size() > kMaxTempBaseName) base.resize(kMaxTempBaseName);
  const std::string directory = DirectoryOf(path);
  return (directory == "/" ? "" : directory) + "/." + base + "-XXXXXX" + std::string(kTempSuffix);
}

mode_t CurrentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

mode_t ModeForNewFile(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return info.st_mode & kPermissionBits;
  return kNewFileMode & ~CurrentUmask();
}

// The temporary file while it exists: closed and removed unless it has been renamed into place.
class TempFile {
 public:
  TempFile(std::string name, int fd) : name_(std::move(name)), fd_(fd) {}
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!renamed_) ::unlink(name_.c_str());
  }
  int fd() const { return fd_; }
  const std::string& name() const { return name_; }
  // Closes now so that a late write error reported by close is seen.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }
  void MarkRenamed() { renamed_ = true; }

 private:
  std::string name_;
  int fd_;
  bool renamed_ = false;
};

void WriteAll(const FileWriteOps& ops, const TempFile& file, std::string_view bytes,
              const std::string& path) {
  while (!bytes.empty()) {
    const ssize_t written = ops.write ? ops.write(file.fd(), bytes.data(), bytes.size())
                                      : ::write(file.fd(), bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) ThrowSaveError(path, errno);
    if (written == 0) ThrowSaveError(path, ENOSPC);
    bytes.remove_prefix(static_cast<size_t>(written));
  }
}

// Makes the rename itself durable; a failure here cannot undo the save, so it is not reported.
void SyncDirectory(const std::string& path) {
  const int fd = ::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

void WriteFileAtomically(const std::string& path, std::string_view bytes, const FileWriteOps& ops) {
  const std::string pattern = TempTemplate(path);
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int suffix = static_cast<int>(kTempSuffix.size());
  const int fd = ops.mkstemps ? ops.mkstemps(name.data(), suffix) : ::mkstemps(name.data(), suffix);
  if (fd < 0) ThrowSaveError(path, errno);
  TempFile file(name.data(), fd);

  if (::fchmod(file.fd(), ModeForNewFile(path)) != 0) ThrowSaveError(path, errno);
  WriteAll(ops, file, bytes, path);
  if ((ops.fsync ? ops.fsync(file.fd()) : ::fsync(file.fd())) != 0) ThrowSaveError(path, errno);
  if (!file.Close()) ThrowSaveError(path, errno);
  const int renamed = ops.rename ? ops.rename(file.name().c_str(), path.c_str())
                                 : std::rename(file.name().c_str(), path.c_str());
  if (renamed != 0) ThrowSaveError(path, errno);
  file.MarkRenamed();
  SyncDirectory(path);
}

}  // namespace vellumar
