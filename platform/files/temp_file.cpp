// Temporary files made with mkstemps and O_EXCL, so no other process can slip a file or link in between
// choosing a name and creating it.
#include "platform/files/temp_file.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/errors/error_text.h"
#include "platform/errors/host_error.h"
#include "platform/files/file_services.h"

namespace vellumar {
namespace {

constexpr const char* kFallbackTempDirectory = "/tmp";
constexpr const char* kTemplateName = "~GAXXXXXX.TMP";
constexpr int kTemplateSuffixLength = 4;  // ".TMP"
constexpr size_t kExtensionLength = 3;
constexpr const char* kBitmapExtension = "bmp";
// Each attempt draws a fresh random name; a clash with an existing .bmp name this many times in a row
// means something is wrong with the directory, not bad luck.
constexpr int kBitmapNameAttempts = 16;

bool IsDirectory(const char* path) {
  struct stat info {};
  return path != nullptr && path[0] != '\0' && ::stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

std::string WithTrailingSlash(std::string path) {
  if (path.back() != '/') path += '/';
  return path;
}

[[noreturn]] void ThrowNoBitmapFile(const std::string& why) {
  throw HostError::WithDetail(kErrPathFileAccess, "cannot create a temporary bitmap file: " + why);
}

}  // namespace

std::string GetTempDirectory() {
  const char* from_environment = ::getenv("TMPDIR");
  if (IsDirectory(from_environment)) return WithTrailingSlash(from_environment);
  if (IsDirectory(kFallbackTempDirectory)) return WithTrailingSlash(kFallbackTempDirectory);
  return "";
}

std::string GetTempFileNameTmp() {
  const std::string directory = GetTempDirectory();
  if (directory.empty()) return "";
  const std::string pattern = directory + kTemplateName;
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemps(name.data(), kTemplateSuffixLength);
  if (fd < 0) return "";
  ::close(fd);
  return std::string(name.data());
}

std::string GetTempBitmapName() {
  for (int attempt = 0; attempt < kBitmapNameAttempts; ++attempt) {
    const std::string tmp = GetTempFileNameTmp();
    if (tmp.empty()) {
      const std::string directory = GetTempDirectory();
      if (directory.empty()) ThrowNoBitmapFile("there is no temporary directory ($TMPDIR or /tmp)");
      ThrowNoBitmapFile("no file can be made in " + PathExcerpt(directory));
    }
    const std::string bitmap = tmp.substr(0, tmp.size() - kExtensionLength) + kBitmapExtension;
    const int fd = ::open(bitmap.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    const int open_error = errno;
    const bool tmp_removed = ::unlink(tmp.c_str()) == 0;
    const int unlink_error = errno;
    if (fd >= 0) {
      ::close(fd);
      if (tmp_removed) return bitmap;
      ::unlink(bitmap.c_str());
      ThrowNoBitmapFile("cannot delete " + PathExcerpt(tmp) + ": " + std::strerror(unlink_error));
    }
    if (open_error != EEXIST)
      ThrowNoBitmapFile("cannot create " + PathExcerpt(bitmap) + ": " + std::strerror(open_error));
  }
  ThrowNoBitmapFile("every name tried is taken");
}

TempBitmapFile::TempBitmapFile() {
  const TerminationSignalsHeld held;
  path_ = GetTempBitmapName();
  registration_ = RegisteredTemporary(path_);
}

TempBitmapFile::~TempBitmapFile() {
  if (!path_.empty()) ::unlink(path_.c_str());
}

void TempBitmapFile::Delete() {
  Kill(path_);
  path_.clear();
  registration_ = RegisteredTemporary();
}

}  // namespace vellumar
