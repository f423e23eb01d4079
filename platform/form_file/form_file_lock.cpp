#include "platform/form_file/form_file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "platform/errors/file_error.h"
#include "platform/errors/host_error.h"
#include "platform/files/owned_descriptor.h"
#include "platform/files/path_parts.h"
#include "platform/files/save_target.h"

namespace vellumar {
namespace {

// A save that releases the lock often takes it again within a few milliseconds, for its next control: a
// waiter polling more slowly than that can miss every gap between two saves and wait to its timeout.
constexpr std::chrono::milliseconds kPollInterval{1};

// The form file at target opened for its lock, or -1 when it is not there or cannot be opened. Opening
// changes nothing: no FIFO is waited for, no link followed, nothing truncated.
int OpenFormFile(const std::string& target) {
  constexpr int kFlags = O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY;
  int fd = ::open(target.c_str(), O_RDONLY | kFlags);
  if (fd < 0 && errno == EACCES) fd = ::open(target.c_str(), O_WRONLY | kFlags);
  if (fd < 0) return -1;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return -1;
  }
  return fd;
}

bool SameFile(int fd, const std::string& path) {
  struct stat held {};
  struct stat now {};
  return ::fstat(fd, &held) == 0 && ::stat(path.c_str(), &now) == 0 && held.st_dev == now.st_dev &&
         held.st_ino == now.st_ino;
}

std::string Duration(std::chrono::milliseconds time) {
  const auto ms = time.count();
  return ms % 1000 == 0 ? std::to_string(ms / 1000) + " s" : std::to_string(ms) + " ms";
}

enum class Attempt { kLocked, kBusy, kStale, kUnlockable };

struct Outcome {
  Attempt attempt;
  int fd = -1;  // the locked file or folder, for kLocked
};

// Tries once to lock what guards target and checks that it still does.
Outcome TryLock(const std::string& target) {
  OwnedDescriptor file(OpenFormFile(target));
  const bool on_file = file.get() >= 0;
  OwnedDescriptor object(on_file ? file.Release()
                                 : ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (object.get() < 0) return {Attempt::kUnlockable};
  while (::flock(object.get(), LOCK_EX | LOCK_NB) != 0) {
    if (errno == EWOULDBLOCK) return {Attempt::kBusy};
    if (errno != EINTR) return {Attempt::kUnlockable};
  }
  // Held: the path must still lead to the locked file, or still to no file that could be locked instead.
  if (on_file ? !SameFile(object.get(), target) : OwnedDescriptor(OpenFormFile(target)).get() >= 0) {
    return {Attempt::kStale};
  }
  return {Attempt::kLocked, object.Release()};
}

}  // namespace

FormFileLock::FormFileLock(const std::string& path, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    const Outcome outcome = TryLock(ResolveSaveTarget(path));
    if (outcome.attempt == Attempt::kLocked) fd_ = outcome.fd;
    if (outcome.attempt == Attempt::kLocked || outcome.attempt == Attempt::kUnlockable) return;
    if (std::chrono::steady_clock::now() >= deadline) {
      throw FileError(kErrPermissionDenied, path,
                      "cannot save: another save of this form did not finish within " + Duration(timeout));
    }
    // A replaced file is locked again at once; a held lock is waited for.
    if (outcome.attempt == Attempt::kBusy) std::this_thread::sleep_for(kPollInterval);
  }
}

FormFileLock::~FormFileLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace vellumar
