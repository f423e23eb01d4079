#include "app/designer/designer_demo_form.h"

#include <filesystem>
#include <system_error>

#include "control/headless_host.h"
#include "control/vellumar.h"
#include "platform/errors/host_error.h"
#include "platform/geometry.h"
#include "platform/pictures/picture.h"

namespace vellumar {
namespace {

constexpr int32_t kFolderSide = 16;
constexpr OleColor kMagenta = 0xFF00FF;      // the controls' mask colour: transparent in pictures
constexpr OleColor kFormFace = 0xD8E9EC;     // RGB(236, 233, 216), the form the controls sit on
constexpr OleColor kFolderFill = 0x54CEFF;   // RGB(255, 206, 84)
constexpr OleColor kFolderEdge = 0x148CC4;   // RGB(196, 140, 20)
constexpr OleColor kFolderLight = 0xB4EEFF;  // RGB(255, 238, 180)
constexpr OleColor kNavy = 0x803C00;         // RGB(0, 60, 128)
constexpr OleColor kMailBack = 0xFCF4EC;     // RGB(236, 244, 252)
constexpr OleColor kDarkRed = 0x1E1EA0;      // RGB(160, 30, 30)

// A small yellow folder on the mask colour, made in code so that the demo needs no file.
StdPictureRef FolderPicture() {
  Bitmap bitmap(kFolderSide, kFolderSide);
  for (int32_t y = 0; y < kFolderSide; ++y) {
    for (int32_t x = 0; x < kFolderSide; ++x) {
      const bool tab = y >= 2 && y <= 3 && x >= 1 && x <= 6;
      const bool body = y >= 4 && y <= 13 && x >= 1 && x <= 14;
      const bool edge =
          (tab && (y == 2 || x == 1 || x == 6)) || (body && (y == 4 || y == 13 || x == 1 || x == 14));
      ColorRef color = kMagenta;
      if (edge) {
        color = kFolderEdge;
      } else if (body) {
        color = y == 5 ? kFolderLight : kFolderFill;
      } else if (tab) {
        color = kFolderFill;
      }
      bitmap.SetPixel(x, y, color);
    }
  }
  std::vector<uint8_t> bytes = EncodeBmp(bitmap);
  return StdPicture::FromBitmap(std::move(bitmap), std::move(bytes));
}

void SetTabs(Vellumar& control, std::initializer_list<std::pair<const char*, int32_t>> tabs) {
  auto tab = tabs.begin();
  control.SetTabCaption(1, tab->first);
  control.SetTabWidth(1, tab->second);
  for (++tab; tab != tabs.end(); ++tab) {
    int32_t width = tab->second;
    std::string caption = tab->first;
    StdPictureRef none;
    control.AddTab(width, caption, none);
  }
}

// A new control on a host of its own, sized and dressed by dress, saved as the form's control name at place.
template <typename Dress>
FormControl DressedControl(const char* name, const Rect& place, Dress dress) {
  const auto width = static_cast<int32_t>(place.Width());
  const auto height = static_cast<int32_t>(place.Height());
  HeadlessHost host;
  Vellumar control(host, nullptr);
  host.Attach(&control);
  control.InitProperties();
  host.Resize(width, height);
  dress(control);
  FormControl placed;
  placed.name = name;
  placed.left = place.left;
  placed.top = place.top;
  placed.width = width;
  placed.height = height;
  control.WriteProperties(placed.bag);
  host.Attach(nullptr);
  return placed;
}

FormControl CustomerControl() {
  return DressedControl("Vellumar1", Rect{16, 16, 16 + 456, 16 + 232}, [](Vellumar& control) {
    SetTabs(control, {{"&Kunden", 84}, {"&Rechnungen", 84}, {"&Notizen", 72}});
    control.SetTabPicture(1, FolderPicture());
    control.SetBackColorForm(kFormFace);
    control.SetForeColorActive(kNavy);
    control.SetFontName("Tahoma");
    control.SetSelectedTab(1);
  });
}

FormControl MailControl() {
  return DressedControl("Vellumar2", Rect{16, 264, 16 + 456, 264 + 184}, [](Vellumar& control) {
    SetTabs(control, {{"&Eingang", 72}, {"&Postausgang", 88}, {"&Termine", 72}});
    control.SetAlignment(reg_Bottom);
    control.SetTabHeight(24);
    control.SetBackColor(kMailBack);
    control.SetBackColorForm(kFormFace);
    control.SetForeColorActive(kDarkRed);
    control.SetFontBold(kTrue);
    control.SetSelectedTab(2);
  });
}

}  // namespace

Form BuildDemoForm() {
  Form form;
  form.controls.push_back(CustomerControl());
  form.controls.push_back(MailControl());
  return form;
}

Form LoadDemoForm(const std::vector<std::string>& candidates, std::vector<std::string>& problems) {
  for (const std::string& path : candidates) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) continue;
    try {
      return LoadForm(path);
    } catch (const HostError& failure) {
      problems.emplace_back(failure.what());
    }
  }
  return BuildDemoForm();
}

}  // namespace vellumar
