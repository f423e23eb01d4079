#include "pages/tab_picture_file.h"

#include "platform/files/file_services.h"
#include "platform/files/temp_file.h"

namespace vellumar {
namespace {

constexpr size_t kIconTestLength = 4;
constexpr size_t kExtensionLength = 3;

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
  TempBitmapFile bitmap;
  picTemp.SetPicture(LoadPicture(path));
  SavePicture(*picTemp.Image(), bitmap.path());
  std::optional<StdPictureRef> result;
  if (FileExists(bitmap.path())) result = LoadPicture(bitmap.path());
  bitmap.Delete();
  return result;
}

}  // namespace vellumar
