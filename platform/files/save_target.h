// Where a save to a path puts its file, so that a symbolic link there keeps pointing at the saved file.
#pragma once

#include <cstddef>
#include <string>

namespace vellumar {

// Links are followed at most this far, as the kernel does.
inline constexpr size_t kMaxSymbolicLinks = 40;

// Throws HostError 75 naming path when it holds no file name: it is empty or ends in "/".
void RequireFileName(const std::string& path);

// The path a save to path must replace: path itself when it names a regular file or nothing; when path is a
// symbolic link, the end of its chain of links (a relative link is read from its own folder), which may name
// nothing yet (a dangling link, through which the save creates the file). Throws HostError naming path: 75
// as RequireFileName does, when the end is neither a regular file nor
// nothing (a folder, FIFO, device or socket), when the links form a loop or a chain longer than
// kMaxSymbolicLinks, or when a link cannot be read; 70 when a folder on the way may not be searched.
std::string ResolveSaveTarget(const std::string& path);

}  // namespace vellumar
