// The files in examples/ that are made, not drawn by hand: the demo icon (a real ICO file), the form that
// carries it into a tab, and the demo form that examples/make-demo-form.vscript builds from them. Each must
// be exactly what its maker gives today. After a deliberate change, write them anew with
//   VELLUMAR_UPDATE_EXAMPLES=1 build/tests/app_tests --gtest_filter='ExampleFiles.*'
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/headless/script_reader.h"
#include "app/headless/script_runner.h"
#include "platform/form_file/form_file.h"
#include "platform/form_file/form_file_picture.h"
#include "platform/ole_color.h"
#include "platform/pictures/picture.h"

namespace vellumar {
namespace {

namespace fs = std::filesystem;

const fs::path kExamples = fs::path(VELLUMAR_SOURCE_DIR) / "examples";
const fs::path kIconFile = kExamples / "pictures" / "globe32.ico";
const fs::path kIconTabForm = kExamples / "pictures" / "icon-tab.vform";
const fs::path kDemoScript = kExamples / "make-demo-form.vscript";
const fs::path kDemoForm = kExamples / "demo.vform";

constexpr int32_t kIconSide = 32;

double Distance(double x, double y, double cx, double cy) {
  return std::hypot(x - cx, y - cy);
}

bool InEllipse(double x, double y, double cx, double cy, double rx, double ry) {
  return (x - cx) * (x - cx) / (rx * rx) + (y - cy) * (y - cy) / (ry * ry) <= 1;
}

int Shade(int value, double light) {
  return std::clamp(static_cast<int>(std::lround(value * light)), 0, 255);
}

// A globe: sea and three land masses, lit from the top left, with a dark rim; outside the disc the AND mask
// makes it transparent.
IconImage GlobeIcon() {
  IconImage icon{Bitmap(kIconSide, kIconSide), Bitmap(kIconSide, kIconSide, PixelFormat::kMono1), {}};
  constexpr double kCentre = 15.5;
  constexpr double kRadius = 14.6;
  for (int32_t y = 0; y < kIconSide; ++y) {
    for (int32_t x = 0; x < kIconSide; ++x) {
      const double d = Distance(x, y, kCentre, kCentre);
      if (d > kRadius) {
        icon.color.SetPixel(x, y, 0);
        icon.mask.SetPixel(x, y, 1);
        continue;
      }
      icon.mask.SetPixel(x, y, 0);
      const double light = 1.25 - Distance(x, y, 10, 9) / 40.0;
      const bool land = InEllipse(x, y, 11, 12, 6.5, 5) || InEllipse(x, y, 20, 22, 4.5, 6) ||
                        InEllipse(x, y, 23, 9, 3.5, 2.5);
      ColorRef color = land ? Rgb(Shade(72, light), Shade(164, light), Shade(64, light))
                            : Rgb(Shade(36, light), Shade(112, light), Shade(208, light));
      if (d > kRadius - 1.3) color = Rgb(20, 52, 120);
      icon.color.SetPixel(x, y, color);
    }
  }
  return icon;
}

std::string IconFileBytes() {
  const std::vector<uint8_t> bytes = form_file::EncodeIco(GlobeIcon());
  return std::string(bytes.begin(), bytes.end());
}

// A form whose one control has just one tab with the globe icon: loading it is how a tab gets an icon, as
// AddTab and TabPicture turn icons into bitmaps.
std::string IconTabFormText() {
  const std::string ico = IconFileBytes();
  const std::vector<uint8_t> bytes(ico.begin(), ico.end());
  FormControl control;
  control.name = "Vellumar1";
  control.left = 8;
  control.top = 8;
  control.width = 300;
  control.height = 200;
  control.bag.WriteProperty("NumberOfTabs", PropertyValue::Int32(1));
  control.bag.WriteProperty("TabWidth1", PropertyValue::Int32(60));
  control.bag.WriteProperty("TabText1", PropertyValue::String("Register"));
  control.bag.WriteProperty("TabPicture1", PropertyValue::Picture(LoadPictureFromMemory(bytes)));
  Form form;
  form.controls.push_back(std::move(control));
  return SerializeForm(form, kIconTabForm.string());
}

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// Runs the demo script as if from the repository root, saving the form at out instead.
void RunDemoScript(const fs::path& out, std::ostream& log) {
  std::string script = ReadFile(kDemoScript);
  ASSERT_FALSE(script.empty()) << kDemoScript;
  script = ReplaceAll(script, "\"examples/demo.vform\"", "\"" + out.string() + "\"");
  script = ReplaceAll(script, "\"examples/", "\"" + kExamples.string() + "/");
  ScriptRunner runner(log);
  runner.Run(ParseScript(script));
}

bool Updating() {
  const char* update = std::getenv("VELLUMAR_UPDATE_EXAMPLES");
  return update != nullptr && std::string(update) == "1";
}

void ExpectFile(const fs::path& path, const std::string& made) {
  if (Updating()) {
    std::ofstream(path, std::ios::binary) << made;
    return;
  }
  EXPECT_TRUE(ReadFile(path) == made) << path << " is not what its maker gives; see this test's comment";
}

TEST(ExampleFiles, AreWhatTheirMakersGive) {
  ExpectFile(kIconFile, IconFileBytes());
  ExpectFile(kIconTabForm, IconTabFormText());

  const fs::path scratch = fs::temp_directory_path() / ("vellumar-demo-" + std::to_string(::getpid()));
  fs::create_directories(scratch);
  std::ostringstream log;
  RunDemoScript(scratch / "demo.vform", log);
  EXPECT_EQ(log.str().find("error"), std::string::npos) << log.str();
  ExpectFile(kDemoForm, ReadFile(scratch / "demo.vform"));
  fs::remove_all(scratch);
}

TEST(ExampleFiles, TheDemoFormHasTwoControlsWithAnIconAndBitmaps) {
  const Form form = LoadForm(kDemoForm.string());
  ASSERT_EQ(form.controls.size(), 2u);
  EXPECT_EQ(form.controls[0].name, "Vellumar1");
  EXPECT_EQ(form.controls[1].name, "Vellumar2");
  EXPECT_EQ(ToInt32(form.controls[0].bag.ReadProperty("Alignment")), 0);
  EXPECT_EQ(ToInt32(form.controls[1].bag.ReadProperty("Alignment")), 1);
  EXPECT_EQ(ToPicture(form.controls[0].bag.ReadProperty("TabPicture1"))->Type(), PictureType::kIcon);
  EXPECT_EQ(ToPicture(form.controls[0].bag.ReadProperty("TabPicture2"))->Type(), PictureType::kBitmap);
  EXPECT_GT(form.controls[1].top, form.controls[0].top + form.controls[0].height);
}

}  // namespace
}  // namespace vellumar
