// Keys, control names and script words match the same way whatever locale the process runs in. Every Qt
// program takes its locale from the environment, and under a Turkish one the C library folds "I" to a
// dotless "ı", so matching through it would read another value than the command-line host reads.
#include <gtest/gtest.h>
#include <unistd.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "app/headless/script_reader.h"
#include "app/headless/script_runner.h"

namespace vellumar {
namespace {

namespace fs = std::filesystem;

class TurkishLocale {
 public:
  TurkishLocale() : before_(std::setlocale(LC_ALL, nullptr)) {
    active_ = std::setlocale(LC_ALL, "tr_TR.UTF-8");
  }
  TurkishLocale(const TurkishLocale&) = delete;
  TurkishLocale& operator=(const TurkishLocale&) = delete;
  ~TurkishLocale() { std::setlocale(LC_ALL, before_.c_str()); }
  bool active() const { return active_ != nullptr; }

 private:
  std::string before_;
  const char* active_ = nullptr;
};

std::string RunScript(const std::string& script) {
  std::ostringstream out;
  ScriptRunner runner(out);
  runner.Run(ParseScript(script));
  return out.str();
}

TEST(Locale, UnderTurkishRulesKeysNamesAndWordsMatchAsInAsciiAndSavesWriteEachKeyOnce) {
  const fs::path folder = fs::temp_directory_path() / ("vellumar-locale-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const fs::path form = folder / "form.vform";
  std::ofstream(form) << R"({"format": "vellumar-form", "version": 1, "controls": [
    {"class": "Vellumar", "name": "VIEW1", "left": 8, "top": 8, "width": 200, "height": 90, "bag": [
      {"key": "NUMBEROFTABS", "type": "int", "value": 2},
      {"key": "TABHEIGHT", "type": "int", "value": 40},
      {"key": "FONTITALIC", "type": "bool", "value": true},
      {"key": "TABTEXT2", "type": "string", "value": "Zwei"}]}]})";

  const TurkishLocale turkish;
  ASSERT_TRUE(turkish.active()) << "scripts/setup generates tr_TR.UTF-8";
  const std::string output = RunScript("LOAD \"" + form.string() +
                                       "\" \"view1\"\nGET TabHeight\nget FontItalic\nget TabCaption(2)\n"
                                       "SET TABHEIGHT 41\nSAVE \"" +
                                       form.string() + "\" \"VIEW1\"\n");
  EXPECT_TRUE(output.ends_with("= 40\n= True\n= \"Zwei\"\nchanged TabHeight\n")) << output;

  std::ifstream saved(form);
  const std::string text(std::istreambuf_iterator<char>(saved), {});
  EXPECT_NE(text.find(R"("value":41)"), std::string::npos) << text;
  EXPECT_EQ(text.find(R"("value":40)"), std::string::npos) << text;
  fs::remove_all(folder);
}

}  // namespace
}  // namespace vellumar
