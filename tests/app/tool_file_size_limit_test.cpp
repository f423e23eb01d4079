// The built `vellumar` tool under a file-size limit (ulimit -f): a write that would pass the limit fails with
// an error line like any other failed write, the script goes on to its end, and the earlier file stays while
// no temporary file is left, neither beside the target nor in the temporary folder.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace vellumar {
namespace {

namespace fs = std::filesystem;

constexpr rlim_t kFileSizeLimit = 2048;  // less than the 3 KB bitmap AddTab makes of a 32-pixel icon

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

std::string Quoted(const fs::path& path) {
  return "\"" + path.string() + "\"";
}

// Runs the tool with args under the file-size limit, TMPDIR at tmp and stdout into out; returns the wait
// status.
int RunLimited(const std::vector<std::string>& args, const fs::path& tmp, const fs::path& out) {
  const pid_t child = ::fork();
  if (child == 0) {
    const struct rlimit limit { kFileSizeLimit, kFileSizeLimit };
    const int fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0 || fd < 0 || ::dup2(fd, STDOUT_FILENO) < 0) ::_exit(127);
    ::setenv("TMPDIR", tmp.c_str(), 1);
    std::vector<char*> argv = {const_cast<char*>(VELLUMAR_TOOL)};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    ::execv(VELLUMAR_TOOL, argv.data());
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return status;
}

std::vector<std::string> ErrorLines(const std::string& output) {
  std::vector<std::string> errors;
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("error ")) errors.push_back(line);
  }
  return errors;
}

TEST(ToolUnderAFileSizeLimit, WritesPastTheLimitFailWithAnErrorLineAndLeaveNothingBehind) {
  std::string pattern = (fs::temp_directory_path() / "vellumar-fsize-XXXXXX").string();
  const fs::path folder = ::mkdtemp(pattern.data());
  const fs::path tmp = folder / "tmp";
  fs::create_directory(tmp);
  const fs::path form = folder / "form.vform";
  std::ofstream(form) << "the earlier form";
  const fs::path script = folder / "limit.vscript";
  const fs::path icon = fs::path(VELLUMAR_SOURCE_DIR) / "examples" / "pictures" / "globe32.ico";
  std::ofstream(script) << "new\ncall AddTab 60 \"Globus\" " << Quoted(icon) << "\nset TabCaption(1) \""
                        << std::string(2 * kFileSizeLimit, 'x') << "\"\nsave " << Quoted(form) << "\npaint "
                        << Quoted(folder / "picture.bmp") << "\nget NumberOfTabs\n";

  const int status = RunLimited({"run", script.string()}, tmp, folder / "out.txt");
  ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
  const std::string output = ReadFile(folder / "out.txt");
  const std::vector<std::string> errors = ErrorLines(output);
  ASSERT_EQ(errors.size(), 3u) << output;
  const std::string too_large = ": File too large";
  EXPECT_TRUE(errors[0].starts_with("error 75: Path/File access error: " + tmp.string())) << errors[0];
  EXPECT_EQ(errors[1], "error 75: Path/File access error: " + form.string() + too_large);
  EXPECT_EQ(errors[2], "error 75: Path/File access error: " + (folder / "picture.bmp").string() + too_large);
  for (const std::string& error : errors) EXPECT_TRUE(error.ends_with(too_large)) << error;
  EXPECT_TRUE(output.ends_with("= 1\n")) << "the script ran to its end: " << output;

  EXPECT_EQ(ReadFile(form), "the earlier form");
  EXPECT_TRUE(fs::is_empty(tmp));
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::ranges::sort(names);
  EXPECT_EQ(names, (std::vector<std::string>{"form.vform", "limit.vscript", "out.txt", "tmp"}));
  fs::remove_all(folder);
}

}  // namespace
}  // namespace vellumar
