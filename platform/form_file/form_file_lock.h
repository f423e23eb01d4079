// The lock that keeps saves of one form file from overlapping. A save that reads the form and writes it
// back holds it from the read to the rename, so that no other save replaces the file in between and loses
// what the first one stored. It is advisory (flock(2)): programs that do not take it are not held back.
//
// What is locked: the form file itself while it is there, and its folder while it is not (nothing is
// created for the lock). A save replaces the file by a new one, so a lock taken on the old file is checked
// against what the path leads to once it is held, and taken again on the new file when they differ.
#pragma once

#include <chrono>
#include <string>

namespace vellumar {

// How long a save waits for another save of the same form.
inline constexpr std::chrono::milliseconds kFormLockTimeout{5000};

class FormFileLock {
 public:
  // Takes the lock of the form at path; a symbolic link is followed to the file a save through it
  // replaces (ResolveSaveTarget). Polls until timeout has passed, then throws HostError 70 naming path.
  // Throws what ResolveSaveTarget throws. Where neither the file nor its folder can be opened (no read or
  // write permission) or the file system has no locks, nothing is locked and the save goes on as before.
  explicit FormFileLock(const std::string& path, std::chrono::milliseconds timeout = kFormLockTimeout);
  ~FormFileLock();
  FormFileLock(const FormFileLock&) = delete;
  FormFileLock& operator=(const FormFileLock&) = delete;

 private:
  int fd_ = -1;  // the locked file or folder; -1 when nothing is locked
};

}  // namespace vellumar
