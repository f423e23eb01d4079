#include "app/headless/command_line.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vellumar {
namespace {

namespace fs = std::filesystem;

class CommandLineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("vellumar-cli-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Script(std::string_view name, std::string_view text) {
    const fs::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
  }

  int Run(std::vector<std::string_view> args) {
    out_.str("");
    err_.str("");
    return RunCommandLine(args, out_, err_);
  }

  fs::path folder_;
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(CommandLineTest, RunsAScriptAndPrintsWhatHappens) {
  const std::string path = Script("ok.vscript", "new\r\n# comment\r\nget TabHeight\r\n");
  EXPECT_EQ(Run({"run", path}), kExitOk);
  EXPECT_EQ(out_.str(), "changed NumberOfTabs\nchanged FontName\nchanged FontBold\nchanged FontSize\n= 22\n");
  EXPECT_EQ(err_.str(), "");
}

// A caller that reads only the exit status learns that a command failed; the script still ran to its end.
TEST_F(CommandLineTest, AFailedCommandFailsTheRunAfterTheWholeScript) {
  const std::string path =
      Script("errors.vscript", "new\nget TabCaption(2)\nload \"" + (folder_ / "missing.vform").string() +
                                   "\"\nget TabHeight\n");
  EXPECT_EQ(Run({"run", path}), kExitFailure);
  EXPECT_NE(out_.str().find("\nerror 9: Subscript out of range\nerror 53: File not found: "),
            std::string::npos);
  EXPECT_TRUE(out_.str().ends_with("\n= 22\n")) << out_.str();
  EXPECT_EQ(err_.str(), "");
}

// Output that cannot be written fails the command, the usage text included, and so does the program when its
// standard output fills up as late as the final flush.
TEST_F(CommandLineTest, OutputThatCannotBeWrittenFailsTheCommand) {
  const std::string path = Script("ok.vscript", "new\n");
  std::ostream broken(nullptr);
  for (const std::vector<std::string_view>& args : {std::vector<std::string_view>{"--help"}, {"run", path}}) {
    EXPECT_EQ(RunCommandLine(args, broken, err_), kExitFailure) << args[0];
  }
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full to write to";
  for (const std::string& args : {std::string("--help"), "run '" + path + "'"}) {
    const std::string command = "'" + std::string(VELLUMAR_TOOL) + "' " + args + " > /dev/full 2> /dev/null";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == kExitFailure) << command << ": " << status;
  }
}

TEST_F(CommandLineTest, AMalformedLineStopsTheScriptBeforeItRuns) {
  const std::string path =
      Script("bad.vscript", "new\npaint \"" + (folder_ / "never.png").string() + "\"\n\nfly\n");
  EXPECT_EQ(Run({"run", path}), kExitFailure);
  EXPECT_EQ(err_.str(), path + ":4: unknown command 'fly'\n");
  EXPECT_EQ(out_.str(), "");
  EXPECT_FALSE(fs::exists(folder_ / "never.png"));
}

TEST_F(CommandLineTest, AnUnreadableScriptFailsWithItsName) {
  const std::string missing = (folder_ / "missing.vscript").string();
  EXPECT_EQ(Run({"run", missing}), kExitFailure);
  EXPECT_EQ(err_.str(), missing + ": cannot open the script: No such file or directory\n");
  EXPECT_EQ(Run({"run", folder_.string()}), kExitFailure);
  EXPECT_EQ(err_.str(), folder_.string() + ": is a folder, not a script\n");
}

// Scripts as editors and pipes hand them over: with a byte-order mark, and on standard input, where the limit
// on a script's size holds as it does for a file.
TEST_F(CommandLineTest, AScriptMayBeginWithAByteOrderMarkAndComeFromStandardInput) {
  const std::string text = "\xEF\xBB\xBFnew 10 10\nget TabHeight\n";
  const std::string expected =
      "changed NumberOfTabs\nchanged FontName\nchanged FontBold\nchanged FontSize\n= 22\n";
  EXPECT_EQ(Run({"run", Script("bom.vscript", text)}), kExitOk) << err_.str();
  EXPECT_EQ(out_.str(), expected);
  const std::vector<std::string_view> from_input = {"run", "-"};
  std::istringstream piped(text);
  out_.str("");
  EXPECT_EQ(RunCommandLine(from_input, piped, out_, err_), kExitOk) << err_.str();
  EXPECT_EQ(out_.str(), expected);
  std::istringstream malformed("new\nfly\n");
  err_.str("");
  EXPECT_EQ(RunCommandLine(from_input, malformed, out_, err_), kExitFailure);
  EXPECT_EQ(err_.str(), "standard input:2: unknown command 'fly'\n");
  std::istringstream too_large(std::string((std::size_t{64} << 20) + 1, '#'));
  err_.str("");
  EXPECT_EQ(RunCommandLine(from_input, too_large, out_, err_), kExitFailure);
  EXPECT_EQ(err_.str(), "standard input: the script is larger than 64 MiB\n");
}

TEST_F(CommandLineTest, AnythingElseShowsTheUsage) {
  for (const std::vector<std::string_view>& args :
       {std::vector<std::string_view>{}, {"run"}, {"render", "a.vform"}, {"run", "a", "b"}}) {
    EXPECT_EQ(Run(args), kExitUsage);
    EXPECT_NE(err_.str().find("usage: vellumar run SCRIPT"), std::string::npos);
  }
  EXPECT_EQ(Run({"--help"}), kExitOk);
  EXPECT_EQ(out_.str().rfind("usage: vellumar run SCRIPT", 0), 0u);
}

}  // namespace
}  // namespace vellumar
