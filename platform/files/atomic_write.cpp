#include "platform/files/atomic_write.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/errors/error_text.h"
#include "platform/errors/file_error.h"
#include "platform/files/path_parts.h"
#include "platform/files/save_target.h"
#include "platform/files/signal_cleanup.h"

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

bool IsRefusal(int error) {
  return ErrorNumberFor(error) == kErrPermissionDenied;
}

// The path the caller named, which errors give, and the file that is written, which differs when a link
// leads there.
struct Destination {
  std::string path;
  std::string target;
};

[[noreturn]] void ThrowSaveError(const Destination& to, int error) {
  std::string reason = std::strerror(error);
  if (to.target != to.path) reason += " (the link leads to " + PathExcerpt(to.target) + ")";
  throw FileError(ErrorNumberFor(error), to.path, reason);
}

// A folder that lets the file be written but not the temporary beside it: the save could only go by writing
// over the file in place, which a failure would leave damaged.
[[noreturn]] void ThrowNoTemporary(const Destination& to, const std::string& folder, int error) {
  std::string reason = "the folder " + PathExcerpt(folder) +
                       " does not allow creating the temporary file that an atomic save needs (" +
                       std::strerror(error) + ")";
  if (to.target != to.path) reason += " (the link leads to " + PathExcerpt(to.target) + ")";
  throw FileError(ErrorNumberFor(error), to.path, reason);
}

[[noreturn]] void ThrowAlreadyThere(const std::string& path) {
  throw FileError(kErrFileAlreadyExists, path, "something is there already and was left as it is");
}

std::string TempTemplate(const std::string& path) {
  std::string base = NameOf(path);
  if (base.size() > kMaxTempBaseName) base.resize(kMaxTempBaseName);
  const std::string directory = FolderOf(path);
  return (directory == "/" ? "" : directory) + "/." + base + "-XXXXXX" + std::string(kTempSuffix);
}

mode_t CurrentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

mode_t ModeForNewFile(const std::string& target) {
  struct stat info {};
  if (::lstat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return info.st_mode & kPermissionBits;
  return kNewFileMode & ~CurrentUmask();
}

// The temporary file beside target while it exists: known to the signal handlers, and closed and removed
// at the end unless it has been moved into place.
class TempFile {
 public:
  TempFile(const FileWriteOps& ops, const Destination& to) {
    name_ = TempTemplate(to.target);
    const int suffix = static_cast<int>(kTempSuffix.size());
    const TerminationSignalsHeld held;
    fd_ = ops.mkstemps ? ops.mkstemps(name_.data(), suffix) : ::mkstemps(name_.data(), suffix);
    if (fd_ < 0 && IsRefusal(errno)) ThrowNoTemporary(to, FolderOf(to.target), errno);
    if (fd_ < 0) ThrowSaveError(to, errno);
    registration_ = RegisteredTemporary(name_);
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!placed_) ::unlink(name_.c_str());
  }
  int fd() const { return fd_; }
  const std::string& name() const { return name_; }
  // Closes now so that a late write error reported by close is seen.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }
  void MarkPlaced() { placed_ = true; }

 private:
  std::string name_;
  int fd_ = -1;
  bool placed_ = false;
  RegisteredTemporary registration_;  // ends after the destructor's body has removed the file
};

void WriteAll(const FileWriteOps& ops, const TempFile& file, std::span<const uint8_t> bytes,
              const Destination& to) {
  while (!bytes.empty()) {
    const ssize_t written = ops.write ? ops.write(file.fd(), bytes.data(), bytes.size())
                                      : ::write(file.fd(), bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) ThrowSaveError(to, errno);
    if (written == 0) ThrowSaveError(to, ENOSPC);
    bytes = bytes.subspan(static_cast<size_t>(written));
  }
}

// Gathers an encoder's many small pieces into few writes; a piece of a buffer's size or more goes straight
// through, so what a caller has in memory already is not copied.
class BufferedFileSink {
 public:
  BufferedFileSink(const FileWriteOps& ops, const TempFile& file, const Destination& to)
      : ops_(ops), file_(file), to_(to) {
    buffer_.reserve(kWriteBufferBytes);
  }
  void Put(std::span<const uint8_t> bytes) {
    if (buffer_.size() + bytes.size() > kWriteBufferBytes) Flush();
    if (bytes.size() >= kWriteBufferBytes) return WriteAll(ops_, file_, bytes, to_);
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
  }
  void Flush() {
    WriteAll(ops_, file_, buffer_, to_);
    buffer_.clear();
  }

 private:
  static constexpr size_t kWriteBufferBytes = size_t{1} << 16;
  const FileWriteOps& ops_;
  const TempFile& file_;
  const Destination& to_;
  std::vector<uint8_t> buffer_;
};

// Makes the move into place itself durable; a failure here cannot undo the save, so it is not reported.
void SyncDirectory(const std::string& path) {
  const int fd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// The complete temporary file beside target, with the given permissions, ready to be moved into place.
void WriteTemporary(TempFile& file, const FileProducer& produce, mode_t mode, const FileWriteOps& ops,
                    const Destination& to) {
  if (::fchmod(file.fd(), mode) != 0) ThrowSaveError(to, errno);
  BufferedFileSink sink(ops, file, to);
  produce([&sink](std::span<const uint8_t> bytes) { sink.Put(bytes); });
  sink.Flush();
  if ((ops.fsync ? ops.fsync(file.fd()) : ::fsync(file.fd())) != 0) ThrowSaveError(to, errno);
  if (!file.Close()) ThrowSaveError(to, errno);
}

FileProducer AllAtOnce(std::span<const uint8_t> bytes) {
  return [bytes](const ByteSink& sink) { sink(bytes); };
}

std::span<const uint8_t> AsBytes(std::string_view text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

// Puts the temporary file at target unless something is there. A hard link leaves the temporary name to be
// removed as usual; a move does not.
void PlaceWithoutReplacing(TempFile& file, const FileWriteOps& ops, const Destination& to) {
  const char* target = to.target.c_str();
  const char* from = file.name().c_str();
  const int moved = ops.rename_noreplace ? ops.rename_noreplace(from, target)
                                         : ::renameat2(AT_FDCWD, from, AT_FDCWD, target, RENAME_NOREPLACE);
  if (moved == 0) {
    file.MarkPlaced();
    return;
  }
  if ((errno == EINVAL || errno == ENOSYS) && ::link(from, target) == 0) return;
  if (errno == EEXIST) ThrowAlreadyThere(to.path);
  ThrowSaveError(to, errno);
}

}  // namespace

void WriteFileAtomically(const std::string& path, const FileProducer& produce, const FileWriteOps& ops) {
  const Destination to{path, ResolveSaveTarget(path)};
  TempFile file(ops, to);
  WriteTemporary(file, produce, ModeForNewFile(to.target), ops, to);
  const int renamed = ops.rename ? ops.rename(file.name().c_str(), to.target.c_str())
                                 : std::rename(file.name().c_str(), to.target.c_str());
  if (renamed != 0) ThrowSaveError(to, errno);
  file.MarkPlaced();
  SyncDirectory(to.target);
}

void WriteFileAtomically(const std::string& path, std::string_view bytes, const FileWriteOps& ops) {
  WriteFileAtomically(path, AllAtOnce(AsBytes(bytes)), ops);
}

void WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes, const FileWriteOps& ops) {
  WriteFileAtomically(path, AllAtOnce(bytes), ops);
}

void CreateFileAtomically(const std::string& path, std::string_view bytes, const FileWriteOps& ops) {
  RequireFileName(path);
  struct stat info {};
  if (::lstat(path.c_str(), &info) == 0) ThrowAlreadyThere(path);
  const Destination to{path, path};
  TempFile file(ops, to);
  WriteTemporary(file, AllAtOnce(AsBytes(bytes)), kNewFileMode & ~CurrentUmask(), ops, to);
  PlaceWithoutReplacing(file, ops, to);
  SyncDirectory(path);
}

}  // namespace vellumar
