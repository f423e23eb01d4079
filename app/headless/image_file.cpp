#include "app/headless/image_file.h"

#include <filesystem>
#include <vector>

#include "platform/ascii_case.h"
#include "platform/errors/error_text.h"
#include "platform/errors/host_error.h"
#include "platform/files/atomic_write.h"
#include "platform/files/save_target.h"
#include "platform/form_file/form_file_guard.h"
#include "platform/pictures/bmp_writer.h"
#include "platform/pictures/png_writer.h"

namespace vellumar {
namespace {

namespace fs = std::filesystem;

bool HasBmpExtension(const fs::path& path) {
  return EqualsIgnoringAsciiCase(path.extension().string(), ".bmp");
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
        const std::string why = error ? error.message() : "it exists already";
        throw HostError::WithDetail(kErrPathNotFound,
                                    "cannot create the folder " + PathExcerpt(it->string()) + ": " + why);
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

}  // namespace

void WriteImageFile(const Bitmap& image, const std::string& path, const std::string& form) {
  if (image.empty()) {
    throw HostError::WithDetail(kErrInvalidArgument, "the image is empty; there is nothing to write");
  }
  RequireFileName(path);
  RequireNoFormAt(path, form);
  const fs::path target(path);
  FolderMaker folders;
  try {
    folders.MakeParentsOf(target);
    const bool bmp = HasBmpExtension(target);
    WriteFileAtomically(path, [&image, bmp](const ByteSink& sink) {
      if (bmp) return pictures::WriteBmpTo(image, sink);
      pictures::WritePngTo(image, sink);
    });
  } catch (...) {
    folders.Undo();
    throw;
  }
}

}  // namespace vellumar
