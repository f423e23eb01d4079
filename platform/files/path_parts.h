// The folder and the last name of a path, as the kernel reads them, without touching the file system.
#pragma once

#include <string>

namespace vellumar {

// "." for a bare name, "/" for a name at the root.
inline std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// What follows the last slash; the whole path when there is none.
inline std::string NameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace vellumar
