// Temporary bitmap names and the file services they rest on.
#include "platform/files/temp_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <set>
#include <string>

#include "platform/errors/host_error.h"
#include "platform/files/file_services.h"
#include "scoped_tmp_dir.h"

namespace vellumar {
namespace {

namespace fs = std::filesystem;
using testing::ScopedTmpDir;

// A fresh directory, removed with everything in it at the end of the test.
class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = (fs::temp_directory_path() / "vellumar-test-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~ScratchDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  std::string path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream(path) << content;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

int ErrorNumberOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const HostError& error) {
    return error.number();
  }
  return 0;
}

TEST(TempDirectoryTest, UsesTmpdirWhenItIsADirectoryElseTmp) {
  ScratchDir scratch;
  {
    ScopedTmpDir env(scratch.path());
    EXPECT_EQ(GetTempDirectory(), scratch.path() + "/");
  }
  {
    ScopedTmpDir env(scratch.path() + "/");
    EXPECT_EQ(GetTempDirectory(), scratch.path() + "/");
  }
  for (const std::string& unusable : {scratch.file("missing"), std::string()}) {
    ScopedTmpDir env(unusable);
    EXPECT_EQ(GetTempDirectory(), "/tmp/");
  }
  WriteFile(scratch.file("plain"), "x");
  ScopedTmpDir env(scratch.file("plain"));
  EXPECT_EQ(GetTempDirectory(), "/tmp/");
}

TEST(TempBitmapNameTest, TmpNameTurnsIntoAnEmptyBmpFileAndTheTmpFileIsGone) {
  ScratchDir scratch;
  ScopedTmpDir env(scratch.path());
  const std::string tmp = GetTempFileNameTmp();
  ASSERT_FALSE(tmp.empty());
  EXPECT_EQ(tmp.rfind(scratch.path() + "/~GA", 0), 0u) << tmp;
  EXPECT_EQ(fs::path(tmp).extension(), ".TMP");
  EXPECT_TRUE(FileExists(tmp));
  EXPECT_EQ(fs::file_size(tmp), 0u);
  Kill(tmp);

  const std::string bmp = GetTempBitmapName();
  EXPECT_EQ(bmp.rfind(scratch.path() + "/~GA", 0), 0u) << bmp;
  EXPECT_EQ(fs::path(bmp).extension(), ".bmp");
  EXPECT_TRUE(FileExists(bmp));
  EXPECT_EQ(fs::file_size(bmp), 0u);
  EXPECT_FALSE(fs::exists(bmp.substr(0, bmp.size() - 3) + "TMP"));
  struct stat info {};
  ASSERT_EQ(::stat(bmp.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  // Nothing else is left behind in the directory.
  EXPECT_EQ(std::distance(fs::directory_iterator(scratch.path()), fs::directory_iterator()), 1);
}

TEST(TempBitmapNameTest, NamesAreUnique) {
  ScratchDir scratch;
  ScopedTmpDir env(scratch.path());
  std::set<std::string> names;
  for (int i = 0; i < 50; ++i) names.insert(GetTempBitmapName());
  EXPECT_EQ(names.size(), 50u);
}

TEST(TempBitmapNameTest, UnwritableDirectoryGivesErrorNotAFallbackPath) {
  // /proc is a directory in which no one, not even root, can create a file.
  ScopedTmpDir env("/proc");
  EXPECT_EQ(GetTempFileNameTmp(), "");
  try {
    GetTempBitmapName();
    FAIL() << "a name was returned";
  } catch (const HostError& error) {
    EXPECT_EQ(error.number(), kErrPathFileAccess);
    EXPECT_NE(std::string(error.what()).find("/proc/"), std::string::npos) << error.what();
  }
}

TEST(FileServicesTest, CopyReplacesTheDestination) {
  ScratchDir scratch;
  WriteFile(scratch.file("a"), "first");
  WriteFile(scratch.file("b"), "something longer that must go");
  FileCopy(scratch.file("a"), scratch.file("b"));
  EXPECT_EQ(ReadFile(scratch.file("b")), "first");
  FileCopy(scratch.file("a"), scratch.file("c"));
  EXPECT_EQ(ReadFile(scratch.file("c")), "first");
  FileCopy(scratch.file("a"), scratch.file("a"));
  EXPECT_EQ(ReadFile(scratch.file("a")), "first");
}

TEST(FileServicesTest, NumberedErrors) {
  ScratchDir scratch;
  WriteFile(scratch.file("a"), "x");
  const std::string missing = scratch.file("missing");
  EXPECT_EQ(ErrorNumberOf([&] { FileCopy(missing, scratch.file("b")); }), kErrFileNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { FileCopy(scratch.file("a/below"), scratch.file("b")); }), kErrFileNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { FileCopy(scratch.path(), scratch.file("b")); }), kErrPathFileAccess);
  EXPECT_EQ(ErrorNumberOf([&] { FileCopy(scratch.file("a"), scratch.file("no/dir")); }), kErrPathFileAccess);
  EXPECT_EQ(ErrorNumberOf([&] { FileCopy(scratch.file("a"), scratch.path()); }), kErrPathFileAccess);
  EXPECT_FALSE(fs::exists(scratch.file("b")));

  EXPECT_EQ(ErrorNumberOf([&] { Kill(missing); }), kErrFileNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { Kill(""); }), kErrFileNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { Kill(scratch.path()); }), kErrPathFileAccess);
  EXPECT_EQ(ErrorNumberOf([&] { Kill(scratch.file("a")); }), 0);
  EXPECT_FALSE(fs::exists(scratch.file("a")));
}

TEST(FileServicesTest, CopyDoesNotBlockOnAFifo) {
  ScratchDir scratch;
  ASSERT_EQ(::mkfifo(scratch.file("fifo").c_str(), 0600), 0);
  WriteFile(scratch.file("a"), "x");
  EXPECT_EQ(ErrorNumberOf([&] { FileCopy(scratch.file("fifo"), scratch.file("b")); }), kErrPathFileAccess);
  EXPECT_EQ(ErrorNumberOf([&] { FileCopy(scratch.file("a"), scratch.file("fifo")); }), kErrPathFileAccess);
}

TEST(FileServicesTest, FileExistsOnlyForRegularFiles) {
  ScratchDir scratch;
  WriteFile(scratch.file("a"), "");
  EXPECT_TRUE(FileExists(scratch.file("a")));
  EXPECT_FALSE(FileExists(scratch.path()));
  EXPECT_FALSE(FileExists(scratch.file("missing")));
  EXPECT_FALSE(FileExists(""));
}

}  // namespace
}  // namespace vellumar
