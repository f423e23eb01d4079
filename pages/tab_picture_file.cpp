#include "pages/tab_picture_file.h"

#include <cstdio>
#include <utility>

#include "platform/file_services.h"
#include "platform/temp_file.h"

namespace vellumar {
namespace {

constexpr size_t kIconTestLength = 4;
constexpr size_t kExtensionLength = 3;

// Deletes the temporary bitmap when the conversion ends early; the normal path deletes it itself so that a
// failure of that deletion reaches the caller.
class TemporaryBitmap {
 public:
  TemporaryBitmap() : path_(GetTempBitmapName()) {}
  ~TemporaryBitmap() {
    if (!path_.empty()) std::remove(path_.c_str());
  }
  TemporaryBitmap(const TemporaryBitmap&) = delete;
  TemporaryBitmap& operator=(const TemporaryBitmap&) = delete;

  const std::string& path() const { return path_; }
  void Delete() {
    const std::string path = std::exchange(path_, {});
    Kill(path);
  }

 private:
  std::string path_;
};

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string ChosenPath(const std::string& chosen) {
  return chosen.substr(0, chosen.find('\0'));
}

bool IsIconFileName(const std::string& chosen) {
  std::string tail =
      chosen.size() > kIconTestLength ? chosen.substr(chosen.size() - kIconTestLength) : chosen;
  while (!tail.empty() && tail.back() == ' ') tail.pop_back();
  tail = tail.substr(0, kExtensionLength);
  for (char& c : tail) c = LowerAscii(c);
  return tail == "ico";
}

std::optional<StdPictureRef> LoadTabPicture(const std::string& chosen, HiddenPictureBox& picTemp) {
  const std::string path = ChosenPath(chosen);
  if (!IsIconFileName(chosen)) return LoadPicture(path);
  TemporaryBitmap bitmap;
  picTemp.SetPicture(LoadPicture(path));
  SavePicture(*picTemp.Image(), bitmap.path());
  std::optional<StdPictureRef> result;
  if (FileExists(bitmap.path())) result = LoadPicture(bitmap.path());
  bitmap.Delete();
  return result;
}

}  // namespace vellumar
