// Parses and runs arbitrary script bytes against a headless host. Files are neither written nor read (paint,
// load, save and picture paths fail with error 70) and surfaces stay small, so that every input runs fast;
// malformed scripts are fine, crashes and hangs are not.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string_view>

#include "app/headless/script_reader.h"
#include "app/headless/script_runner.h"

namespace {

constexpr int32_t kMaxFuzzSurfaceSide = 96;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::ostringstream out;
  vellumar::ScriptRunner runner(
      out, vellumar::RunnerOptions{.allow_files = false, .max_surface_side = kMaxFuzzSurfaceSide});
  try {
    vellumar::ForEachScriptCommand(
        text, [&runner](const vellumar::ScriptCommand& command) { runner.Execute(command); });
  } catch (const vellumar::ScriptSyntaxError&) {
    // A malformed line ends the script; what ran before it has been exercised.
  }
  return 0;
}
