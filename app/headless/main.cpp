// vellumar: the command-line host. `vellumar run SCRIPT` drives a control with a script and prints what
// happens; `vellumar new` and `vellumar render` make and paint form files.
#include <iostream>
#include <string_view>
#include <vector>

#include "app/headless/command_line.h"
#include "platform/signal_cleanup.h"

int main(int argc, char** argv) {
  vellumar::InstallFileSignalHandling();
  std::vector<std::string_view> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  return vellumar::RunCommandLine(args, std::cout, std::cerr);
}
