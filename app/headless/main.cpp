// vellumar: the command-line host. `vellumar run SCRIPT` drives a control with a script and prints what
// happens; `vellumar new` and `vellumar render` make and paint form files.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string_view>
#include <vector>

#include "app/headless/command_line.h"
#include "platform/files/signal_cleanup.h"

namespace {

// Output can fail as late as the final flush or close (a full disk, a closed pipe), and a caller that reads
// the output must learn of it from the exit status.
int WithOutputClosed(int code) {
  std::cout.flush();
  const bool written = std::cout.good() && std::fflush(stdout) == 0 && std::ferror(stdout) == 0;
  const int error = errno;
  const bool closed = std::fclose(stdout) == 0;
  if (written && closed) return code;
  std::cerr << "vellumar: cannot write the output: " << std::strerror(written ? errno : error) << "\n";
  return code == vellumar::kExitOk ? vellumar::kExitFailure : code;
}

}  // namespace

int main(int argc, char** argv) {
  vellumar::InstallFileSignalHandling();
  std::vector<std::string_view> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  return WithOutputClosed(vellumar::RunCommandLine(args, std::cout, std::cerr));
}
