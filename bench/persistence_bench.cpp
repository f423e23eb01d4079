// Saving and loading a control through a real form file, over tab counts: WriteProperties into a fresh bag
// and SaveForm, then LoadForm and ReadProperties into a new control, as a host does. One tab in ten has a
// 16 x 16 bitmap picture.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <memory>
#include <string>

#include "control/surface_host.h"
#include "control/vellumar.h"
#include "platform/files/temp_file.h"
#include "platform/form_file/form_file.h"

namespace vellumar {
namespace {

constexpr int32_t kSurfaceWidth = 640;
constexpr int32_t kSurfaceHeight = 480;
constexpr int32_t kPictureSide = 16;
constexpr int kTabsPerPicture = 10;

// A host with a surface and nothing else: no window system to speak of, nobody listening.
class BenchHost final : public SurfaceHost, public WindowSystem {
 public:
  BenchHost() { surface().Resize(kSurfaceWidth, kSurfaceHeight); }

  void Refresh() override {}
  WindowHandle hWnd() override { return 1; }
  WindowSystem& Windows() override { return *this; }
  void SetAccessKeys(const std::string&) override {}
  void PropertyChanged(const std::string&) override {}
  StdFontRef AmbientFont() override { return ambient_; }

  bool GetCursorPos(Point& position) override {
    position = Point{-1, -1};
    return true;
  }
  WindowHandle WindowFromPoint(Point) override { return 0; }
  Rect GetClientRect(WindowHandle) override { return Rect{0, 0, kSurfaceWidth, kSurfaceHeight}; }
  WindowHandle GetCapture() override { return 0; }
  void SetCapture(WindowHandle) override {}
  void ReleaseCapture() override {}

 private:
  StdFontRef ambient_ = std::make_shared<StdFont>();
};

StdPictureRef TabPicture(int tab) {
  Bitmap bitmap(kPictureSide, kPictureSide);
  for (uint32_t& pixel : bitmap.pixels()) pixel = static_cast<uint32_t>(tab) * 2654435761U & 0xFFFFFF;
  return LoadPictureFromMemory(EncodeBmp(bitmap));
}

// The bag a control of tabs tabs is built from; building it with AddTab would repaint once per tab.
PropertyBag BagWithTabs(int tabs) {
  PropertyBag bag;
  bag.WriteProperty("NumberOfTabs", PropertyValue::Int32(tabs));
  for (int tab = 1; tab <= tabs; ++tab) {
    const std::string index = std::to_string(tab);
    bag.WriteProperty("TabWidth" + index, PropertyValue::Int32(60 + tab % 40));
    bag.WriteProperty("TabText" + index, PropertyValue::String("&Register " + index));
    if (tab % kTabsPerPicture == 0)
      bag.WriteProperty("TabPicture" + index, PropertyValue::Picture(TabPicture(tab)));
  }
  return bag;
}

// A control on its host, as a form has it loaded.
struct HostedControl {
  BenchHost host;
  Vellumar control{host, nullptr};
};

class ScratchFile {
 public:
  ScratchFile() {
    std::string pattern = GetTempDirectory() + "persistence_bench-XXXXXX";
    directory_ = ::mkdtemp(pattern.data());
    path_ = directory_ + "/form.vform";
  }
  ~ScratchFile() {
    ::unlink(path_.c_str());
    ::rmdir(directory_.c_str());
  }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string directory_;
  std::string path_;
};

void Save(Vellumar& control, const std::string& path) {
  Form form;
  FormControl& saved = form.controls.emplace_back();
  saved.name = "Vellumar1";
  saved.width = kSurfaceWidth;
  saved.height = kSurfaceHeight;
  control.WriteProperties(saved.bag);
  SaveForm(form, path);
}

void BM_SaveControl(benchmark::State& state) {
  HostedControl hosted;
  hosted.control.ReadProperties(BagWithTabs(static_cast<int>(state.range(0))));
  const ScratchFile file;
  for (auto _ : state) Save(hosted.control, file.path());
  state.SetComplexityN(state.range(0));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LoadControl(benchmark::State& state) {
  const ScratchFile file;
  {
    HostedControl source;
    source.control.ReadProperties(BagWithTabs(static_cast<int>(state.range(0))));
    Save(source.control, file.path());
  }
  for (auto _ : state) {
    const Form form = LoadForm(file.path());
    auto hosted = std::make_unique<HostedControl>();
    hosted->control.ReadProperties(form.controls.front().bag);
    benchmark::DoNotOptimize(hosted->control.NumberOfTabs());
  }
  state.SetComplexityN(state.range(0));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_SaveControl)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_LoadControl)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
}  // namespace vellumar
