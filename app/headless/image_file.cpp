#include "app/headless/image_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "platform/host_error.h"
#include "platform/picture.h"

namespace vellumar {
namespace {

namespace fs = std::filesystem;

bool HasBmpExtension(const fs::path& path) {
  std::string extension = path.extension().string();
  std::ranges::transform(extension, extension.begin(), [](char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  });
  return extension == ".bmp";
}

// Makes the missing folders above path, outermost first, and remembers them so that a failure can take them
// away again.
class FolderMaker {
 public:
  void MakeParentsOf(const fs::path& path) {
    std::vector<fs::path> missing;
    std::error_code error;
    for (fs::path folder = path.parent_path(); !folder.empty() && !fs::exists(folder, error);
         folder = folder.parent_path()) {
      missing.push_back(folder);
      if (folder == folder.parent_path()) break;
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
      if (!fs::create_directory(*it, error) || error) {
        throw HostError(kErrPathNotFound, "cannot create the folder " + it->string());
      }
      made_.push_back(*it);
    }
  }

  void Undo() noexcept {
    std::error_code error;
    for (auto it = made_.rbegin(); it != made_.rend(); ++it) fs::remove(*it, error);
    made_.clear();
  }

 private:
  std::vector<fs::path> made_;
};

// A fresh, empty file beside target, readable as the user's umask allows (mkstemp alone gives 0600).
std::string MakeTemporaryBeside(const fs::path& target) {
  std::string pattern = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = mkstemp(pattern.data());
  if (fd < 0) throw HostError(kErrPathFileAccess, "cannot create a file beside " + target.string());
  const mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);
  close(fd);
  return pattern;
}

void WriteBytes(const std::vector<uint8_t>& bytes, const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) throw HostError(kErrPathFileAccess, "cannot open " + path + " for writing");
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  if (std::fclose(file) != 0 || !written) throw HostError(kErrPathFileAccess, "cannot write " + path);
}

}  // namespace

void WriteImageFile(const Bitmap& image, const std::string& path) {
  if (image.empty()) throw HostError(kErrInvalidArgument, "the image is empty; there is nothing to write");
  const fs::path target(path);
  if (path.empty() || !target.has_filename())
    throw HostError(kErrPathFileAccess, "no file name in '" + path + "'");
  FolderMaker folders;
  std::string temporary;
  try {
    folders.MakeParentsOf(target);
    temporary = MakeTemporaryBeside(target);
    if (HasBmpExtension(target)) {
      WriteBytes(EncodeBmp(image), temporary);
    } else {
      WritePng(image, temporary);
    }
    std::error_code error;
    fs::rename(temporary, target, error);
    if (error) throw HostError(kErrPathFileAccess, "cannot write " + path + ": " + error.message());
  } catch (...) {
    if (!temporary.empty()) std::remove(temporary.c_str());
    folders.Undo();
    throw;
  }
}

}  // namespace vellumar
