// Replacing or creating a file all at once: a temporary file beside it is written, flushed to the disk and
// moved into place, so readers see the old file or the new one and never a part of either.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "platform/files/byte_sink.h"

namespace vellumar {

// The file system calls of the writers below, each with the contract of its POSIX namesake (failures return
// -1 and set errno). An empty function stands for the real call; tests put in failing ones.
struct FileWriteOps {
  std::function<int(char* name_template, int suffix_length)> mkstemps;
  std::function<ssize_t(int fd, const void* data, size_t size)> write;
  std::function<int(int fd)> fsync;
  std::function<int(const char* from, const char* to)> rename;
  // renameat2 with RENAME_NOREPLACE; where it fails with EINVAL or ENOSYS (a file system without it),
  // link(2) takes its place.
  std::function<int(const char* from, const char* to)> rename_noreplace;
};

// Makes the file at path hold exactly bytes. A symbolic link at path is followed (ResolveSaveTarget): the
// file it leads to is replaced, with the temporary file in that file's folder, and the link stays. The new
// file keeps the permissions of the file it replaces (a new one gets 0666 less the umask). While the
// temporary file exists a terminating signal removes it (InstallFileSignalHandling). On any failure the
// temporary file is removed, the file is left as it was, and HostError is thrown with a description
// "DESCRIPTION: path: reason": 61 when the disk is full, 70 when permission is denied (also on a read-only
// file system; when the folder refuses the temporary file, the reason names the folder), 76 when the folder
// does not exist, 75 otherwise, also when path is neither a regular file nor absent (see ResolveSaveTarget)
// and when the file would exceed the file-size limit.
void WriteFileAtomically(const std::string& path, std::string_view bytes, const FileWriteOps& ops = {});
// Makes the file at path hold what produce puts into its sink, as above: the bytes go to the temporary file
// as they come, so that a large file never has to be held in memory whole. What produce throws ends the
// save as any failure does.
using FileProducer = std::function<void(const ByteSink& sink)>;
void WriteFileAtomically(const std::string& path, const FileProducer& produce, const FileWriteOps& ops = {});
void WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                         const FileWriteOps& ops = {});

// Makes a new file at path holding exactly bytes, and never replaces anything: when something is at path
// already (a file, a folder, a link, even a dangling one), or appears there while the file is written, it is
// left untouched and HostError 58 is thrown naming path. Other failures as WriteFileAtomically.
void CreateFileAtomically(const std::string& path, std::string_view bytes, const FileWriteOps& ops = {});

}  // namespace vellumar
