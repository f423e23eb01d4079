// Saving and loading a form through a real file, over tab counts: each tab stores TabWidthN and TabTextN,
// and one tab in ten a 16 x 16 BMP picture as TabPictureN.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/files/temp_file.h"
#include "platform/form_file/form_file.h"

namespace vellumar {
namespace {

constexpr int32_t kPictureSide = 16;
constexpr int kTabsPerPicture = 10;

StdPictureRef TabPicture(int tab) {
  Bitmap bitmap(kPictureSide, kPictureSide);
  for (uint32_t& pixel : bitmap.pixels()) pixel = static_cast<uint32_t>(tab) * 2654435761U & 0xFFFFFF;
  return LoadPictureFromMemory(EncodeBmp(bitmap));
}

Form FormWithTabs(int tabs) {
  FormControl control{"Vellumar", "Vellumar1", 0, 0, 640, 480, {}};
  PropertyBag& bag = control.bag;
  bag.WriteProperty("NumberOfTabs", PropertyValue::Int32(tabs));
  for (int tab = 1; tab <= tabs; ++tab) {
    const std::string index = std::to_string(tab);
    bag.WriteProperty("TabWidth" + index, PropertyValue::Int32(60 + tab % 40));
    bag.WriteProperty("TabText" + index, PropertyValue::String("Register " + index));
    if (tab % kTabsPerPicture == 0)
      bag.WriteProperty("TabPicture" + index, PropertyValue::Picture(TabPicture(tab)));
  }
  Form form;
  form.controls.push_back(std::move(control));
  return form;
}

class ScratchFile {
 public:
  ScratchFile() {
    std::string pattern = GetTempDirectory() + "form_bench-XXXXXX";
    directory_ = ::mkdtemp(pattern.data());
    path_ = directory_ + "/form.vform";
  }
  ~ScratchFile() {
    ::unlink(path_.c_str());
    ::rmdir(directory_.c_str());
  }
  const std::string& path() const { return path_; }

 private:
  std::string directory_;
  std::string path_;
};

void BM_SaveForm(benchmark::State& state) {
  const Form form = FormWithTabs(static_cast<int>(state.range(0)));
  const ScratchFile file;
  for (auto _ : state) SaveForm(form, file.path());
  state.SetComplexityN(state.range(0));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LoadForm(benchmark::State& state) {
  const ScratchFile file;
  SaveForm(FormWithTabs(static_cast<int>(state.range(0))), file.path());
  for (auto _ : state) benchmark::DoNotOptimize(LoadForm(file.path()));
  state.SetComplexityN(state.range(0));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_SaveForm)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_LoadForm)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
}  // namespace vellumar
