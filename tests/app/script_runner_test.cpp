#include "app/headless/script_runner.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/headless/script_reader.h"
#include "platform/pictures/picture.h"

namespace vellumar {
namespace {

namespace fs = std::filesystem;

class ScriptRunnerTest : public ::testing::Test {
 protected:
  // Runs script and returns what it printed, one entry a line.
  std::vector<std::string> Run(std::string_view script) {
    out_.str("");
    runner_.Run(ParseScript(script));
    std::vector<std::string> lines;
    std::istringstream text(out_.str());
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    return lines;
  }

  // A fresh, empty folder for files the test writes.
  fs::path Scratch() {
    const fs::path folder =
        fs::temp_directory_path() / ("vellumar-runner-" + std::to_string(::getpid()) + "-" +
                                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    folders_.push_back(folder);
    return folder;
  }

  void TearDown() override {
    for (const fs::path& folder : folders_) fs::remove_all(folder);
  }

  std::ostringstream out_;
  ScriptRunner runner_{out_};
  std::vector<fs::path> folders_;
};

using Lines = std::vector<std::string>;

TEST_F(ScriptRunnerTest, NewControlReportsItsDefaultsAndIsSized) {
  EXPECT_EQ(Run("new 320 240"),
            (Lines{"changed NumberOfTabs", "changed FontName", "changed FontBold", "changed FontSize"}));
  EXPECT_EQ(runner_.host()->width(), 320);
  EXPECT_EQ(runner_.host()->height(), 240);
  EXPECT_EQ(Run("get NumberOfTabs\nget TabCaption(1)\nget TabWidth(1)\nget TabPicture(1)\nget TabHeight\n"
                "get BackColor\nget ForeColor\nget FontBold\nget FontSize\nget FontName\nget Alignment"),
            (Lines{"= 1", "= \"Register\"", "= 60", "= Nothing", "= 22", "= 0x00E3DFE0", "= 0x80000012",
                   "= False", "= 8", "= \"MS Sans Serif\"", "= 0"}));
  EXPECT_EQ(Run("get Font"),
            (Lines{"= Font Name=\"MS Sans Serif\" Size=8 Bold=False Italic=False Underline=False "
                   "Strikethrough=False Weight=400 Charset=0"}));
}

TEST_F(ScriptRunnerTest, HoverClickArrowsAndAccessKeysRaiseEventsInOrder) {
  Run("new\ncall AddTab 60 \"&Farben\"\ncall AddTab 60 \"&Bilder\"\nset TabCaption(1) \"&Allgemein\"");
  // Heads after the first paint: tab 1 selected (0,0)-(64,24), tab 2 (64,2)-(124,22), tab 3 (126,2)-(186,22).
  EXPECT_EQ(Run("mousemove 90 10"), (Lines{"event MouseIn Button=0 Shift=0 X=90 Y=10"}));
  EXPECT_EQ(runner_.control()->state().mHotTab, 2);
  EXPECT_EQ(runner_.host()->capture(), HeadlessHost::kWindow);
  EXPECT_EQ(Run("mousemove 150.5 100"), (Lines{"event MouseIn Button=0 Shift=0 X=150.5 Y=100"}));
  EXPECT_EQ(runner_.control()->state().mHotTab, 0);

  EXPECT_EQ(
      Run("mousedown 90 10\nmouseup 90 10"),
      (Lines{"event TabPressed PreviousTab=0", "changed SelectedTab",
             "event MouseDown Button=1 Shift=0 X=90 Y=10", "event MouseUp Button=1 Shift=0 X=90 Y=10"}));
  EXPECT_EQ(Run("keydown 39\nkeydown 39\nkeydown 37 1"),
            (Lines{"event TabPressed PreviousTab=2", "changed SelectedTab", "event TabPressed PreviousTab=3",
                   "changed SelectedTab", "event TabPressed PreviousTab=3", "changed SelectedTab"}));
  // A key no tab carries selects tab 0, which the repaint turns into tab 1 again.
  EXPECT_EQ(Run("accesskey 97\nget SelectedTab\naccesskey 120\nget SelectedTab"),
            (Lines{"event TabPressed PreviousTab=2", "changed SelectedTab", "= 1",
                   "event TabPressed PreviousTab=1", "changed SelectedTab", "= 1"}));

  EXPECT_EQ(Run("mousemove 400 10 0 2"), (Lines{"event MouseOut Button=0 Shift=2 X=400 Y=10"}));
  EXPECT_EQ(runner_.host()->capture(), 0u);
}

TEST_F(ScriptRunnerTest, MethodsPrintTheirResults) {
  Run("new");
  EXPECT_EQ(Run("call AddTab\ncall AddTab 80 \"&Farben\"\ncall GetTabAccessKey 102\ncall DeleteTab\n"
                "call GetPictureSize Nothing"),
            (Lines{"changed NumberOfTabs", "= 2", "changed NumberOfTabs", "= 3", "= 3",
                   "changed NumberOfTabs", "= Empty", "= 0 0"}));
  EXPECT_EQ(Run("call DrawTab\ncall DrawTabTop\ncall DrawTabBottom\ncall SetTabAccessKeys"), Lines{});
}

TEST_F(ScriptRunnerTest, NumberedErrorsPrintAndTheScriptGoesOn) {
  EXPECT_EQ(Run("get TabHeight\nsize 10 10"),
            (Lines{"error 91: Object variable or With block variable not set: there is no control yet; the "
                   "script must begin with new",
                   "error 91: Object variable or With block variable not set: there is no control yet; the "
                   "script must begin with new"}));
  Run("new");
  EXPECT_EQ(Run("get TabCaption(9)\nset TabWidth(9) 10\nset TabCaption(-1) \"x\"\nget TabCaption(0)\nget "
                "NumberOfTabs"),
            (Lines{"error 9: Subscript out of range", "error 9: Subscript out of range",
                   "error 9: Subscript out of range", "= \"\"", "= 1"}));
  EXPECT_EQ(Run("set TabPicture(1) \"/nonexistent/star.bmp\""),
            (Lines{"error 53: File not found: /nonexistent/star.bmp: No such file or directory"}));
  EXPECT_EQ(Run("call ShowAboutBox"), Lines{});
}

TEST_F(ScriptRunnerTest, SurfacesTheHostCannotHoldAreRefusedAndTheOldOneKept) {
  Run("new 120 80");
  EXPECT_EQ(
      Run("size 2147483647 2147483647\nsize -1 10"),
      (Lines{"error 7: Out of memory: surface of 2147483647 x 2147483647 pixels is larger than the host "
             "can hold",
             "error 7: Out of memory: surface of -1 x 10 pixels has a negative side"}));
  EXPECT_EQ(runner_.host()->width(), 120);
  EXPECT_EQ(runner_.host()->image().width(), 120);
  // The control holds the capture from the first move, so the move over the empty surface still reaches it.
  EXPECT_EQ(
      Run("mousemove 5 5\nsize 0 0\ncall DrawTab\nmousemove 1 1\ndump"),
      (Lines{"event MouseIn Button=0 Shift=0 X=5 Y=5", "event MouseOut Button=0 Shift=0 X=1 Y=1",
             "dump tabs=1 selected=1 hot=0 focus=False mouseinpage=False alignment=0 tabheight=22 size=0x0 "
             "accesskeys=\"\" capture=0",
             "dump page rect=(0,22,0,0)",
             "dump tab 1 rect=(0,0,64,24) caption=\"Register\" width=60 picture=none"}));
}

TEST_F(ScriptRunnerTest, PaintWritesAReadablePngOrBmpAndMakesItsFolders) {
  const fs::path folder = Scratch();
  const std::string png = (folder / "deep/er/tabs.png").string();
  const std::string bmp = (folder / "tabs.BMP").string();
  EXPECT_EQ(Run("new 200 60\nfocus\npaint \"" + png + "\"\npaint \"" + bmp + "\"").size(), 4u);
  for (const std::string& path : {png, bmp}) {
    const StdPictureRef picture = LoadPicture(path);
    ASSERT_EQ(picture->Type(), PictureType::kBitmap) << path;
    EXPECT_EQ(picture->bitmap(), runner_.host()->image()) << path;
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(folder / "deep/er"), fs::directory_iterator{}), 1);
}

// A scaled paint is a picture for the file only: the script goes on with the one-to-one surface.
TEST_F(ScriptRunnerTest, PaintAtAScaleWritesALargerPictureAndKeepsTheSurface) {
  const fs::path folder = Scratch();
  const std::string large = (folder / "large.png").string();
  const std::string after = (folder / "after.png").string();
  const Lines lines = Run("new 200 60\nfocus\npaint \"" + large + "\" 2\npaint \"" + after + "\"\npaint \"" +
                          (folder / "bad.png").string() + "\" 5");
  ASSERT_EQ(lines.size(), 5u);  // the changes of new, then the error
  EXPECT_EQ(lines[4], "error 5: Invalid procedure call or argument: scale 5 is not 1 to 4");
  EXPECT_EQ(LoadPicture(large)->bitmap().width(), 400);
  EXPECT_EQ(LoadPicture(large)->bitmap().height(), 120);
  EXPECT_EQ(LoadPicture(after)->bitmap(), runner_.host()->image());
  EXPECT_EQ(runner_.host()->image().width(), 200);
  EXPECT_FALSE(fs::exists(folder / "bad.png"));
}

TEST_F(ScriptRunnerTest, FailedPaintLeavesNothingBehind) {
  const fs::path folder = Scratch();
  std::ofstream(folder / "file.txt") << "in the way";
  const Lines lines = Run("new 30 30\npaint \"" + (folder / "file.txt/sub/x.png").string() +
                          "\"\nsize 0 0\npaint \"" + (folder / "new/empty.png").string() + "\"");
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[4].rfind("error 76: Path not found: cannot create the folder", 0), 0u) << lines[4];
  EXPECT_EQ(
      lines[5],
      "error 5: Invalid procedure call or argument: the surface is empty (0 x 0 pixels); there is nothing "
      "to paint");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator{}), 1);
}

// A PNG of any width a surface may have is written (libpng's reading limit of a million pixels a side does
// not bind the writer).
TEST_F(ScriptRunnerTest, PaintWritesAPngWiderThanAMillionPixels) {
  const std::string wide = (Scratch() / "wide.png").string();
  EXPECT_EQ(Run("new 1000001 1\npaint \"" + wide + "\"").size(), 4u);  // the changes of new, no error
  std::ifstream file(wide, std::ios::binary);
  std::array<unsigned char, 24> head{};  // signature, IHDR length and type, then the width, big-endian
  file.read(reinterpret_cast<char*>(head.data()), head.size());
  EXPECT_EQ(head[16] << 24 | head[17] << 16 | head[18] << 8 | head[19], 1000001);
}

// Like a window system, the host passes a move only over the control or while the control holds the capture:
// after the one MouseOut nothing arrives until the pointer is back over the control.
TEST_F(ScriptRunnerTest, AfterMouseOutNoMovesArriveUntilThePointerIsBack) {
  Run("new 120 80\ncall AddTab");
  EXPECT_EQ(Run("mousemove 300 300\nmousemove 5 5\nmousemove 200 10\nmousemove 210 10\nmousemove -4 -4\n"
                "mousemove 6 6\nmousemove 500 6\nmousemove 8 8 1"),
            (Lines{"event MouseIn Button=0 Shift=0 X=5 Y=5", "event MouseOut Button=0 Shift=0 X=200 Y=10",
                   "event MouseIn Button=0 Shift=0 X=6 Y=6", "event MouseOut Button=0 Shift=0 X=500 Y=6",
                   "event MouseIn Button=1 Shift=0 X=8 Y=8"}));
}

TEST(ScriptRunnerOptions, FuzzModeTouchesNoFilesAndKeepsSurfacesSmall) {
  std::ostringstream out;
  ScriptRunner runner(out, RunnerOptions{.allow_files = false, .max_surface_side = 64});
  runner.Run(ParseScript("new 5000 3000\nset TabPicture(1) \"x.bmp\"\npaint \"x.png\"\nsize 70000 70000"));
  EXPECT_EQ(runner.host()->width(), 64);
  EXPECT_EQ(runner.host()->height(), 64);
  const std::string text = out.str();
  EXPECT_NE(
      text.find(
          "error 70: Permission denied: file access is disabled in this run\nerror 70: Permission denied"),
      std::string::npos)
      << text;
  EXPECT_NE(text.find("error 7: Out of memory: surface of 70000 x 70000 pixels"), std::string::npos) << text;
  EXPECT_FALSE(std::filesystem::exists("x.png"));
}

}  // namespace
}  // namespace vellumar
