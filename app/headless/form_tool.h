// The form commands of the `vellumar` tool: `new FORM`, a form with one new control, and `render FORM --out
// FILE`, a saved control painted to a picture file.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace vellumar {

inline constexpr int32_t kNewFormWidth = 300;
inline constexpr int32_t kNewFormHeight = 200;

// A new control (InitProperties), sized kNewFormWidth x kNewFormHeight, saved as the only control,
// "Vellumar1", of a new form file at path. An existing file is never replaced. Problems go to err as
// "vellumar new: PROBLEM" naming the file. Returns the exit code.
int NewFormCommand(const std::string& path, std::ostream& err);

struct RenderRequest {
  std::string form;              // the form file
  std::string out;               // the picture file: BMP for ".bmp", PNG otherwise
  std::optional<int32_t> width;  // --size WxH, instead of the size saved with the control
  std::optional<int32_t> height;
  std::string control;  // --control NAME; empty for the form's first control
  int32_t scale = 1;    // --scale S: device pixels per logical pixel, 1 to 4
};

// Reads the arguments after "render"; on failure says in problem what is wrong and returns nullopt.
std::optional<RenderRequest> ParseRenderArgs(std::span<const std::string_view> args, std::string& problem);

// Loads the requested control (ReadProperties), sizes it as saved or as requested, lets it paint and writes
// the image. Problems go to err as "vellumar render: PROBLEM", naming the file. Returns the exit code.
int RenderCommand(const RenderRequest& request, std::ostream& err);

}  // namespace vellumar
