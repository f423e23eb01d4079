#include "app/headless/form_tool.h"

#include <charconv>
#include <new>

#include "app/headless/command_line.h"
#include "app/headless/form_control.h"
#include "app/headless/hosted_control.h"
#include "app/headless/image_file.h"
#include "control/headless_host.h"
#include "control/vellumar.h"
#include "platform/drawing/device_context.h"
#include "platform/errors/error_text.h"
#include "platform/errors/host_error.h"
#include "platform/form_file/form_file.h"
#include "platform/form_file/form_file_lock.h"

namespace vellumar {
namespace {

// A side of --size: a whole number of at least one pixel that fits 32 bits.
std::optional<int32_t> ParseSide(std::string_view text) {
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 1) return std::nullopt;
  return value;
}

bool ParseScale(std::string_view text, RenderRequest& request) {
  const std::optional<int32_t> scale = ParseSide(text);
  if (!scale || *scale > DeviceContext::kMaxScale) return false;
  request.scale = *scale;
  return true;
}

bool ParseSize(std::string_view text, RenderRequest& request) {
  const size_t x = text.find_first_of("xX");
  if (x == std::string_view::npos) return false;
  request.width = ParseSide(text.substr(0, x));
  request.height = ParseSide(text.substr(x + 1));
  return request.width && request.height;
}

// Runs a command body and turns its numbered errors into one line on err.
template <typename Body>
int Report(std::string_view command, std::ostream& err, Body body) {
  try {
    body();
    return kExitOk;
  } catch (const HostError& error) {
    err << "vellumar " << command << ": " << error.what() << "\n";
  } catch (const std::bad_alloc&) {
    err << "vellumar " << command << ": " << HostErrorDescription(kErrOutOfMemory) << "\n";
  }
  return kExitFailure;
}

void Render(const RenderRequest& request) {
  const Form form = LoadForm(request.form);
  const FormControl& saved = PickFormControl(form, request.form, request.control);
  CheckLoadable(saved, request.form);
  const int32_t width = request.width.value_or(saved.width);
  const int32_t height = request.height.value_or(saved.height);
  const std::string where = PathExcerpt(request.form) + ": control " + Quoted(saved.name);
  if (width < 1 || height < 1) {
    throw HostError::WithDetail(kErrInvalidFormFile, where + " was saved at " + std::to_string(width) +
                                                         " x " + std::to_string(height) +
                                                         " pixels; give a size with --size WxH");
  }
  HostedControl hosted;
  hosted.control().ReadProperties(saved.bag);
  try {
    hosted.host().Resize(width, height);
    hosted.host().SetScale(request.scale);
  } catch (const HostError& error) {
    throw error.Within(where);
  }
  WriteImageFile(hosted.host().image(), request.out, request.form);
}

}  // namespace

int NewFormCommand(const std::string& path, std::ostream& err) {
  return Report("new", err, [&] {
    HostedControl hosted;
    hosted.control().InitProperties();
    hosted.host().Resize(kNewFormWidth, kNewFormHeight);
    ControlPlace place;
    place.width = kNewFormWidth;
    place.height = kNewFormHeight;
    Form form;
    form.controls.push_back(CaptureControl(hosted.control(), place));
    // Held while the file is made, so that a save that found no form there does not replace this one.
    std::optional<FormFileLock> lock;
    if (!SomethingAt(path)) lock.emplace(path);
    SaveNewForm(form, path);
  });
}

std::optional<RenderRequest> ParseRenderArgs(std::span<const std::string_view> args, std::string& problem) {
  RenderRequest request;
  bool has_form = false;
  bool has_out = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    const bool option = arg == "--out" || arg == "--size" || arg == "--control" || arg == "--scale";
    if (option && i + 1 == args.size()) {
      problem = std::string(arg) + " needs a value";
      return std::nullopt;
    }
    if (arg == "--out") {
      request.out = args[++i];
      has_out = !request.out.empty();
    } else if (arg == "--size") {
      if (!ParseSize(args[++i], request)) {
        problem = "--size takes WxH, two whole numbers of at least 1 (for example 320x200)";
        return std::nullopt;
      }
    } else if (arg == "--scale") {
      if (!ParseScale(args[++i], request)) {
        problem = "--scale takes a whole number from 1 to 4, the device pixels per 96-dpi pixel";
        return std::nullopt;
      }
    } else if (arg == "--control") {
      request.control = args[++i];
      if (request.control.empty()) {
        problem = "--control needs a control name";
        return std::nullopt;
      }
    } else if (arg.starts_with("--") || has_form) {
      problem = "unexpected argument '" + Excerpt(arg) + "'";
      return std::nullopt;
    } else {
      request.form = arg;
      has_form = true;
    }
  }
  if (!has_form) problem = "the form file is missing";
  if (has_form && !has_out) problem = "--out FILE is missing";
  if (!problem.empty()) return std::nullopt;
  return request;
}

int RenderCommand(const RenderRequest& request, std::ostream& err) {
  return Report("render", err, [&] { Render(request); });
}

}  // namespace vellumar
