// Replacing a file all at once: a temporary file beside it is written, flushed to the disk and renamed over
// it, so readers see the old file or the new one and never a part of either.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace vellumar {

// The file system calls of WriteFileAtomically, each with the contract of its POSIX namesake (failures
// return -1 and set errno). An empty function stands for the real call; tests put in failing ones.
struct FileWriteOps {
  std::function<int(char* name_template, int suffix_length)> mkstemps;
  std::function<ssize_t(int fd, const void* data, size_t size)> write;
  std::function<int(int fd)> fsync;
  std::function<int(const char* from, const char* to)> rename;
};

// Makes path hold exactly bytes. The new file keeps the permissions of the file it replaces (a new one gets
// 0666 less the umask); a symbolic link at path is replaced, not followed. On any failure the temporary file
// is removed, path is left as it was, and HostError is thrown with a description naming path: 61 when the
// disk is full, 70 when permission is denied (also on a read-only file system), 76 when the directory does
// not exist, 75 otherwise.
void WriteFileAtomically(const std::string& path, std::string_view bytes, const FileWriteOps& ops = {});

}  // namespace vellumar
