// Saves that keep their promises about what is at the target: a link leads the save to its file, what is no
// regular file is left alone, a new file never replaces anything, and a save that is cut short by the
// file-size limit or a terminating signal leaves the earlier file and no temporary file.
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "picture_test_files.h"
#include "platform/errors/host_error.h"
#include "platform/files/atomic_write.h"
#include "platform/files/signal_cleanup.h"
#include "platform/files/temp_file.h"
#include "platform/pictures/picture.h"
#include "scoped_tmp_dir.h"

namespace vellumar {
namespace {

namespace fs = std::filesystem;
using Scratch = picture_testing::ScratchDir;

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

HostError ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const HostError& error) {
    return error;
  }
  return HostError(0, "no error");
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

mode_t TypeOf(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}

TEST(SaveThroughLinks, TheFileTheLinkLeadsToIsReplacedInItsOwnFolderAndTheLinkStays) {
  struct Case {
    const char* what;
    std::vector<std::pair<std::string, std::string>> links;  // link (in the scratch folder) -> its text
    std::string file;                                        // the file the chain ends at
  };
  Scratch dir;
  const std::vector<Case> cases = {
      {"absolute link", {{"a/link", dir.Path("b/real")}}, "b/real"},
      {"relative link", {{"a/link", "../b/real"}}, "b/real"},
      {"chain of links", {{"a/link", "mid"}, {"a/mid", dir.Path("b/next")}, {"b/next", "real"}}, "b/real"},
      {"link through a linked folder", {{"a/link", "../c/real"}, {"c", "b"}}, "b/real"},
      {"dangling link", {{"a/link", "../b/absent"}}, "b/absent"},
  };
  for (const Case& c : cases) {
    fs::create_directories(dir.Path("a"));
    fs::create_directories(dir.Path("b"));
    WriteAll(dir.Path("b/real"), "earlier");
    ::chmod(dir.Path("b/real").c_str(), 0640);
    for (const auto& [link, text] : c.links) fs::create_symlink(text, dir.Path(link));
    std::vector<std::string> temporaries;
    FileWriteOps ops;
    ops.mkstemps = [&](char* name, int suffix) {
      temporaries.emplace_back(name);
      return ::mkstemps(name, suffix);
    };
    std::vector<std::string> before = dir.Entries();
    if (std::ranges::find(before, c.file) == before.end()) before.push_back(c.file);
    std::ranges::sort(before);

    WriteFileAtomically(dir.Path("a/link"), std::string_view("saved"), ops);

    EXPECT_EQ(ReadAll(dir.Path(c.file)), "saved") << c.what;
    for (const auto& [link, text] : c.links) {
      EXPECT_EQ(TypeOf(dir.Path(link)), S_IFLNK) << c.what << ": " << link;
      EXPECT_EQ(fs::read_symlink(dir.Path(link)).string(), text) << c.what;
    }
    if (c.file == "b/real") {
      EXPECT_EQ(fs::status(dir.Path(c.file)).permissions(), fs::perms(0640)) << c.what;
    }
    ASSERT_EQ(temporaries.size(), 1u) << c.what;
    EXPECT_EQ(fs::canonical(fs::path(temporaries[0]).parent_path()), fs::canonical(dir.Path("b"))) << c.what;
    EXPECT_EQ(dir.Entries(), before) << c.what << ": no temporary file is left";
    fs::remove_all(dir.Path("a"));
    fs::remove_all(dir.Path("b"));
    fs::remove(dir.Path("c"));
  }
}

TEST(SaveThroughLinks, WhatIsNoRegularFileIsRefusedByNameAndLeftAsItIs) {
  struct Case {
    const char* what;
    std::function<void(const Scratch&)> make;  // puts something at "target"
    std::string reason;
  };
  const std::vector<Case> cases = {
      {"FIFO", [](const Scratch& d) { ::mkfifo(d.Path("target").c_str(), 0600); },
       "not a regular file: a FIFO"},
      {"folder", [](const Scratch& d) { fs::create_directory(d.Path("target")); },
       "not a regular file: a folder"},
      {"link to a FIFO",
       [](const Scratch& d) {
         ::mkfifo(d.Path("fifo").c_str(), 0600);
         fs::create_symlink("fifo", d.Path("target"));
       },
       "not a regular file: a FIFO (the link leads to "},
      {"link to itself", [](const Scratch& d) { fs::create_symlink("target", d.Path("target")); }, "loop"},
      {"two links in a loop",
       [](const Scratch& d) {
         fs::create_symlink("other", d.Path("target"));
         fs::create_symlink("target", d.Path("other"));
       },
       "loop"},
      {"41 links in a row",
       [](const Scratch& d) {
         fs::create_symlink("l1", d.Path("target"));
         for (int i = 1; i <= 40; ++i)
           fs::create_symlink("l" + std::to_string(i + 1), d.Path("l" + std::to_string(i)));
       },
       "more than 40 symbolic links"},
      {"no file name", [](const Scratch&) {}, "no file name"},
  };
  for (const Case& c : cases) {
    Scratch dir;
    c.make(dir);
    const std::string path = c.reason == "no file name" ? dir.path() + "/" : dir.Path("target");
    const std::vector<std::string> before = dir.Entries();
    const mode_t type = TypeOf(path);
    const HostError error = ErrorOf([&] { WriteFileAtomically(path, std::string_view("saved")); });
    EXPECT_EQ(error.number(), kErrPathFileAccess) << c.what;
    const std::string text = error.what();
    EXPECT_EQ(text.rfind("Path/File access error: " + path + ": ", 0), 0u) << c.what << ": " << text;
    EXPECT_TRUE(Contains(text, c.reason)) << c.what << ": " << text;
    EXPECT_EQ(TypeOf(path), type) << c.what;
    EXPECT_EQ(dir.Entries(), before) << c.what;
  }
}

// A folder that refuses new files, as a read-only one does for anyone but root.
TEST(SaveThroughLinks, AFolderThatRefusesTheTemporaryIsNamedAsTheReason) {
  Scratch dir;
  const std::string path = dir.Path("form.vform");
  WriteAll(path, "earlier");
  for (const int refusal : {EACCES, EROFS}) {
    FileWriteOps refused;
    refused.mkstemps = [refusal](char*, int) {
      errno = refusal;
      return -1;
    };
    const HostError error = ErrorOf([&] { WriteFileAtomically(path, std::string_view("saved"), refused); });
    EXPECT_EQ(error.number(), kErrPermissionDenied);
    EXPECT_EQ(std::string(error.what()),
              "Permission denied: " + path + ": the folder " + dir.path() +
                  " does not allow creating the temporary file that an atomic save needs (" +
                  std::strerror(refusal) + ")");
    EXPECT_EQ(ReadAll(path), "earlier");
  }
}

// Something that appears at the path while the file is written: the race that `new` must not lose.
FileWriteOps IntruderDuringWrite(const std::string& path) {
  FileWriteOps ops;
  ops.write = [path](int fd, const void* data, size_t size) {
    if (TypeOf(path) == 0) WriteAll(path, "someone else's");
    return ::write(fd, data, size);
  };
  return ops;
}

TEST(CreateFile, NeverReplacesWhatIsThereOrWhatAppearsWhileWriting) {
  FileWriteOps no_renameat2;
  no_renameat2.rename_noreplace = [](const char*, const char*) {
    errno = EINVAL;
    return -1;
  };
  for (const bool fallback : {false, true}) {
    const auto with_fallback = [&](FileWriteOps ops) {
      if (fallback) ops.rename_noreplace = no_renameat2.rename_noreplace;
      return ops;
    };
    const std::string how = fallback ? "link fallback" : "renameat2";
    Scratch dir;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    CreateFileAtomically(dir.Path("free"), "new", with_fallback({}));
    EXPECT_EQ(ReadAll(dir.Path("free")), "new") << how;
    EXPECT_EQ(fs::status(dir.Path("free")).permissions(), fs::perms(0666 & ~mask)) << how;

    WriteAll(dir.Path("taken"), "earlier");
    fs::create_symlink("nowhere", dir.Path("dangling"));
    for (const std::string name : {"taken", "dangling", "free"}) {
      const HostError error =
          ErrorOf([&] { CreateFileAtomically(dir.Path(name), "new", with_fallback({})); });
      EXPECT_EQ(error.number(), kErrFileAlreadyExists) << how << ": " << name;
      EXPECT_EQ(std::string(error.what()).rfind("File already exists: " + dir.Path(name) + ": ", 0), 0u)
          << error.what();
    }
    const HostError raced = ErrorOf([&] {
      CreateFileAtomically(dir.Path("raced"), "new", with_fallback(IntruderDuringWrite(dir.Path("raced"))));
    });
    EXPECT_EQ(raced.number(), kErrFileAlreadyExists) << how;
    EXPECT_EQ(ReadAll(dir.Path("raced")), "someone else's") << how;
    EXPECT_EQ(ReadAll(dir.Path("taken")), "earlier") << how;
    EXPECT_EQ(TypeOf(dir.Path("dangling")), S_IFLNK) << how;
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"dangling", "free", "raced", "taken"})) << how;
  }
}

// In the child of a death test: installs the tools' signal handling, then runs body.
template <typename Body>
void AsTheTools(Body body) {
  InstallFileSignalHandling();
  body();
}

TEST(CutShortSaves, TheFileSizeLimitFailsTheSaveLikeAnyOtherWriteError) {
  Scratch dir;
  const std::string path = dir.Path("form.vform");
  WriteAll(path, "earlier");
  constexpr rlim_t kLimit = 64 * 1024;
  EXPECT_EXIT(AsTheTools([&] {
                const struct rlimit limit { kLimit, kLimit };
                ::setrlimit(RLIMIT_FSIZE, &limit);
                try {
                  WriteFileAtomically(path, std::string(4 * kLimit, 'x'));
                } catch (const HostError& error) {
                  std::cerr << "error " << error.number() << ": " << error.what() << "\n";
                  std::_Exit(1);
                }
                std::_Exit(0);
              }),
              ::testing::ExitedWithCode(1), "error 75: Path/File access error: .*form.vform: File too large");
  EXPECT_EQ(ReadAll(path), "earlier");
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"form.vform"});
}

TEST(CutShortSaves, ATerminatingSignalRemovesTheTemporariesAndStillEndsTheProgram) {
  Scratch dir;
  const std::string path = dir.Path("form.vform");
  WriteAll(path, "earlier");
  FileWriteOps killed_midway;
  killed_midway.write = [](int fd, const void* data, size_t size) {
    const ssize_t written = ::write(fd, data, std::min<size_t>(size, 1000));
    std::raise(SIGTERM);
    return written;
  };
  EXPECT_EXIT(AsTheTools([&] { WriteFileAtomically(path, std::string(100000, 'x'), killed_midway); }),
              ::testing::KilledBySignal(SIGTERM), "");
  EXPECT_EQ(ReadAll(path), "earlier");
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"form.vform"});

  const testing::ScopedTmpDir tmpdir(dir.path());
  EXPECT_EXIT(AsTheTools([] {
                TempBitmapFile bitmap;
                SavePicture(*StdPicture::FromBitmap(Bitmap(40, 40)), bitmap.path());
                std::raise(SIGINT);
              }),
              ::testing::KilledBySignal(SIGINT), "");
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"form.vform"});
}

// The names in the folder open at fd.
std::vector<std::string> NamesIn(int fd) {
  std::vector<std::string> names;
  DIR* folder = ::fdopendir(::dup(fd));
  if (folder == nullptr) return names;
  ::rewinddir(folder);
  while (const dirent* entry = ::readdir(folder)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  ::closedir(folder);
  std::ranges::sort(names);
  return names;
}

// A folder below parent whose path is longer than PATH_MAX, open; -1 when it cannot be made.
int MakeDeepFolder(const std::string& parent) {
  int folder = ::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  const std::string part(200, 'd');
  for (size_t depth = 0; folder >= 0 && depth * (part.size() + 1) <= PATH_MAX; ++depth) {
    ::mkdirat(folder, part.c_str(), 0700);
    const int deeper = ::openat(folder, part.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ::close(folder);
    folder = deeper;
  }
  return folder;
}

// In a forked child working in folder: a save of form.vform that stops inside its write, with its temporary
// on disk, and says so on ready.
[[noreturn]] void SaveHeldInItsWrite(int folder, int ready) {
  InstallFileSignalHandling();
  if (::fchdir(folder) != 0) std::_Exit(2);
  FileWriteOps held;
  held.write = [ready](int fd, const void* data, size_t size) {
    const ssize_t written = ::write(fd, data, size);
    if (::write(ready, "!", 1) != 1) std::_Exit(3);
    for (;;) ::pause();
    return written;
  };
  WriteFileAtomically("form.vform", std::string_view("saved"), held);
  std::_Exit(0);
}

TEST(CutShortSaves, EverySignalThatEndsTheProgramRemovesTheTemporaryInAFolderOfAnyDepth) {
  Scratch dir;
  fs::create_directory(dir.Path("deep"));
  fs::create_directory(dir.Path("shallow"));
  const int deep = MakeDeepFolder(dir.Path("deep"));
  ASSERT_GE(deep, 0);
  const int shallow = ::open(dir.Path("shallow").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  for (const int folder : {shallow, deep}) {
    const int form = ::openat(folder, "form.vform", O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    ASSERT_EQ(::write(form, "earlier", 7), 7);
    ::close(form);
    const std::string where = folder == deep ? "deeper than PATH_MAX" : "shallow";
    for (const int signal_number :
         {SIGUSR1, SIGUSR2, SIGALRM, SIGVTALRM, SIGPROF, SIGTERM, SIGHUP, SIGRTMIN + 2}) {
      int ready[2];
      ASSERT_EQ(::pipe(ready), 0);
      const pid_t child = ::fork();
      if (child == 0) SaveHeldInItsWrite(folder, ready[1]);
      ::close(ready[1]);
      char byte = 0;
      const bool held = ::read(ready[0], &byte, 1) == 1;
      ::close(ready[0]);
      ::kill(child, signal_number);
      int status = 0;
      ::waitpid(child, &status, 0);
      EXPECT_TRUE(held) << where << ", signal " << signal_number;
      EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal_number)
          << where << ", signal " << signal_number << ": status " << status;
      EXPECT_EQ(NamesIn(folder), std::vector<std::string>{"form.vform"})
          << where << ", signal " << signal_number;
    }
  }
  ::close(shallow);
  ::close(deep);
}

TEST(TempBitmapFiles, StayPrivateWhenWrittenAndAreGoneAfterwards) {
  Scratch dir;
  const testing::ScopedTmpDir tmpdir(dir.path());
  std::string path;
  {
    TempBitmapFile bitmap;
    path = bitmap.path();
    SavePicture(*StdPicture::FromBitmap(Bitmap(3, 3)), path);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0600));
    EXPECT_EQ(LoadPicture(path)->bitmap().width(), 3);
  }
  EXPECT_FALSE(fs::exists(path));
  TempBitmapFile deleted;
  deleted.Delete();
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{});
}

}  // namespace
}  // namespace vellumar
