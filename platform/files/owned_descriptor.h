// A file descriptor owned by the code that opened it: closed when it goes, unless released first.
#pragma once

#include <unistd.h>

#include <utility>

namespace vellumar {

class OwnedDescriptor {
 public:
  explicit OwnedDescriptor(int fd = -1) : fd_(fd) {}
  OwnedDescriptor(const OwnedDescriptor&) = delete;
  OwnedDescriptor& operator=(const OwnedDescriptor&) = delete;
  ~OwnedDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Hands the descriptor to the caller, who closes it.
  int Release() { return std::exchange(fd_, -1); }
  // Closes now, so that a failing close (a late write error) can be reported; false when it failed.
  bool Close() { return ::close(Release()) == 0; }

 private:
  int fd_;
};

}  // namespace vellumar
