// `vellumar new` and `vellumar render`: the forms they make and the pictures they paint, and the errors of
// files that are missing, damaged or lack the control asked for.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/headless/command_line.h"
#include "app/headless/script_reader.h"
#include "app/headless/script_runner.h"
#include "platform/form_file/form_file.h"
#include "platform/pictures/picture.h"

namespace vellumar {
namespace {

namespace fs = std::filesystem;

const std::string kDemoForm = std::string(VELLUMAR_SOURCE_DIR) + "/examples/demo.vform";

class FormToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("vellumar-form-tool-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  int Run(std::vector<std::string> args) {
    out_.str("");
    err_.str("");
    const std::vector<std::string_view> views(args.begin(), args.end());
    return RunCommandLine(views, out_, err_);
  }
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }
  std::string File(const std::string& name, const std::string& text) const {
    std::ofstream(Path(name), std::ios::binary) << text;
    return Path(name);
  }

  // The image a script paints into a picture file of its own.
  Bitmap Painted(const std::string& script) {
    std::ostringstream log;
    ScriptRunner runner(log);
    runner.Run(ParseScript(script));
    return runner.host()->image();
  }

  fs::path folder_;
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(FormToolTest, NewMakesOneNewControlAndRenderPaintsItAsTheScriptHostDoes) {
  const std::string form = Path("new.vform");
  ASSERT_EQ(Run({"new", form}), kExitOk) << err_.str();
  const Form saved = LoadForm(form);
  ASSERT_EQ(saved.controls.size(), 1u);
  EXPECT_EQ(saved.controls[0].name, "Vellumar1");
  EXPECT_EQ(saved.controls[0].width, 300);
  EXPECT_EQ(saved.controls[0].height, 200);
  EXPECT_EQ(ToInt32(saved.controls[0].bag.ReadProperty("TabHeight")), 22);
  EXPECT_EQ(ToString(saved.controls[0].bag.ReadProperty("TabText1")), "Register");

  const std::string png = Path("new.png");
  ASSERT_EQ(Run({"render", form, "--out", png}), kExitOk) << err_.str();
  EXPECT_EQ(err_.str(), "");
  EXPECT_EQ(LoadPicture(png)->bitmap(), Painted("new"));

  const std::string bmp = Path("small.BMP");
  ASSERT_EQ(Run({"render", form, "--size", "120x40", "--out", bmp}), kExitOk) << err_.str();
  EXPECT_EQ(LoadPicture(bmp)->bitmap(), Painted("load \"" + form + "\"\nsize 120 40"));

  const std::string hidpi = Path("hidpi.png");
  ASSERT_EQ(Run({"render", form, "--scale", "3", "--size", "120x40", "--out", hidpi}), kExitOk) << err_.str();
  const Bitmap large = LoadPicture(hidpi)->bitmap();
  EXPECT_EQ(large.width(), 360);
  EXPECT_EQ(large.height(), 120);
}

TEST_F(FormToolTest, NewNeverReplacesAFile) {
  const std::string form = File("taken.vform", "someone's work");
  EXPECT_EQ(Run({"new", form}), kExitFailure);
  EXPECT_EQ(err_.str(), "vellumar new: File already exists: " + form +
                            ": something is there already and was left as it is\n");
  std::ifstream file(form);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), "someone's work");
}

TEST_F(FormToolTest, RenderPaintsTheNamedControlOfTheDemoForm) {
  const Form demo = LoadForm(kDemoForm);
  ASSERT_EQ(demo.controls.size(), 2u);
  const std::string second = Path("demo-2.png");
  ASSERT_EQ(Run({"render", kDemoForm, "--control", "vellumar2", "--out", second}), kExitOk) << err_.str();
  const StdPictureRef picture = LoadPicture(second);
  EXPECT_EQ(picture->bitmap().width(), demo.controls[1].width);
  EXPECT_EQ(picture->bitmap().height(), demo.controls[1].height);
  EXPECT_EQ(picture->bitmap(), Painted("load \"" + kDemoForm + "\" \"Vellumar2\""));
}

TEST_F(FormToolTest, RenderFailuresNameTheFileAndTheProblem) {
  const std::string missing = Path("missing.vform");
  const std::string invalid = File("invalid.vform", "{\"format\": \"vellumar-form\", \"version\": 1, [");
  const std::string other = File("other.vform", "[1, 2, 3]");
  const std::string stranger = File("stranger.vform", R"({"format": "another-form", "version": 1})");
  const std::string empty =
      File("empty.vform", R"({"format": "vellumar-form", "version": 1, "controls": []})");
  const std::string unsized = File("unsized.vform", R"({"format": "vellumar-form", "version": 1, "controls": [
      {"class": "Vellumar", "name": "Flat", "left": 0, "top": 0, "width": 0, "height": 30, "bag": []}]})");
  struct Case {
    std::vector<std::string> args;
    std::string message;  // what err starts with
  };
  const std::string out = Path("out.png");
  const std::string kBadForm = "Invalid file format: ";
  const Case cases[] = {
      {{"render", missing, "--out", out},
       "File not found: " + missing + ": cannot read: No such file or directory"},
      {{"render", invalid, "--out", out}, kBadForm + invalid + ": invalid JSON"},
      {{"render", other, "--out", out}, kBadForm + other + ": the document is not a JSON object"},
      {{"render", stranger, "--out", out}, kBadForm + stranger + ": not a form file"},
      {{"render", empty, "--out", out}, kBadForm + empty + ": the form has no controls"},
      {{"render", kDemoForm, "--out", out, "--control", "Nowhere"},
       kBadForm + kDemoForm + ": no control named \"Nowhere\" (the form has \"Vellumar1\", \"Vellumar2\")"},
      {{"render", unsized, "--out", out},
       kBadForm + unsized + ": control \"Flat\" was saved at 0 x 30 pixels; give a size with --size WxH"},
      {{"render", kDemoForm, "--out", out, "--size", "60000x60000"},
       "Out of memory: " + kDemoForm +
           ": control \"Vellumar1\": surface of 60000 x 60000 pixels is larger than the host can hold"},
      {{"render", kDemoForm, "--out", Path("demo.png/x.png")},
       "Path not found: " + Path("demo.png/x.png") + ": Not a directory"},
  };
  File("demo.png", "a file where a folder would go");
  for (const Case& c : cases) {
    EXPECT_EQ(Run(c.args), kExitFailure) << c.message;
    EXPECT_EQ(err_.str().rfind("vellumar render: " + c.message, 0), 0u) << err_.str();
    EXPECT_FALSE(fs::exists(out));
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator{}), 6);
}

// A picture never takes the place of a form: not the one it is painted from, by its own name or through a
// link, nor any other form; the refusal names both files and leaves everything as it was.
TEST_F(FormToolTest, ARenderOrPaintNeverWritesOverAForm) {
  const std::string card = Path("card.vform");
  const std::string other = Path("other.vform");
  ASSERT_EQ(Run({"new", card}), kExitOk);
  ASSERT_EQ(Run({"new", other}), kExitOk);
  fs::copy_file(other, Path("disguised.png"));
  fs::create_symlink("card.vform", Path("link.png"));
  const auto bytes_of = [](const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  const std::string before = bytes_of(card);
  const std::string is_card = "this is the form " + card + " being painted, which a picture would replace";
  const std::string holds = "the file holds a form";
  struct Case {
    std::string script;  // a script to run, or empty for the render below
    std::string out;
    std::string reason;
  };
  const Case cases[] = {
      {"", card, is_card},
      {"", Path("link.png"), is_card},
      {"", other, holds + " (the form being painted is " + card + ")"},
      {"", Path("disguised.png"), holds + " (the form being painted is " + card + ")"},
      {"load \"" + card + "\"\npaint \"" + card + "\"", card, is_card},
      {"load \"" + card + "\"\npaint \"" + Path("link.png") + "\" 2", Path("link.png"), is_card},
      {"new\npaint \"" + other + "\"", other, holds + ", which"},
  };
  for (const Case& c : cases) {
    const std::string message = "Path/File access error: " + c.out + ": " + c.reason;
    if (c.script.empty()) {
      EXPECT_EQ(Run({"render", card, "--out", c.out}), kExitFailure) << c.out;
      EXPECT_EQ(err_.str().rfind("vellumar render: " + message, 0), 0u) << err_.str();
    } else {
      const std::string script = File("paint.vscript", c.script + "\n");
      EXPECT_EQ(Run({"run", script}), kExitFailure) << c.script;
      EXPECT_NE(out_.str().find("error 75: " + message), std::string::npos) << out_.str();
    }
    EXPECT_EQ(bytes_of(card), before) << c.out;
    EXPECT_EQ(bytes_of(other), bytes_of(Path("disguised.png"))) << c.out;
    EXPECT_TRUE(fs::is_symlink(Path("link.png"))) << c.out;
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator{}), 5);
}

TEST_F(FormToolTest, MalformedRenderArgumentsShowTheUsage) {
  const std::vector<std::string> bad[] = {
      {"render"},
      {"render", "a.vform"},
      {"render", "a.vform", "--out"},
      {"render", "a.vform", "--out", "a.png", "b.vform"},
      {"render", "a.vform", "--out", "a.png", "--size", "12"},
      {"render", "a.vform", "--out", "a.png", "--size", "0x5"},
      {"render", "a.vform", "--out", "a.png", "--size", "5x99999999999"},
      {"render", "a.vform", "--out", "a.png", "--size", "-5x5"},
      {"render", "a.vform", "--out", "a.png", "--control", ""},
      {"render", "a.vform", "--out", "a.png", "--scale", "0"},
      {"render", "a.vform", "--out", "a.png", "--scale", "5"},
      {"render", "a.vform", "--out", "a.png", "--scale", "1.5"},
      {"render", "a.vform", "--out", "a.png", "--colour", "red"},
      {"new"},
  };
  for (const std::vector<std::string>& args : bad) {
    EXPECT_EQ(Run(args), kExitUsage) << args.back();
    EXPECT_NE(err_.str().find("usage: vellumar"), std::string::npos) << err_.str();
  }
}

}  // namespace
}  // namespace vellumar
