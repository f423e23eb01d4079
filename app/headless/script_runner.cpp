#include "app/headless/script_runner.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>
#include <string>
#include <vector>

#include "app/headless/form_control.h"
#include "app/headless/image_file.h"
#include "app/headless/script_output.h"
#include "control/property_table.h"
#include "platform/errors/error_text.h"
#include "platform/errors/host_error.h"
#include "platform/form_file/form_file.h"
#include "platform/pictures/picture.h"

namespace vellumar {
namespace {

constexpr int32_t kDefaultWidth = 300;
constexpr int32_t kDefaultHeight = 200;
constexpr int16_t kLeftButton = 1;
constexpr int16_t kNoButton = 0;

// Arguments the reader has checked; a failed conversion here is a reader fault.
int32_t Int32Arg(const ScriptCommand& command, size_t i, int32_t fallback) {
  return i < command.args.size() ? ToInt32(command.args[i]).value_or(fallback) : fallback;
}
int16_t Int16Arg(const ScriptCommand& command, size_t i, int16_t fallback) {
  return i < command.args.size() ? ToInt16(command.args[i]).value_or(fallback) : fallback;
}
float SingleArg(const ScriptCommand& command, size_t i) {
  return i < command.args.size() ? ToSingle(command.args[i]).value_or(0.0f) : 0.0f;
}
std::string StringArg(const ScriptCommand& command, size_t i) {
  const auto* text = i < command.args.size() ? std::get_if<std::string>(&command.args[i]) : nullptr;
  return text != nullptr ? *text : std::string();
}

// The client pixel nearest to a single coordinate, halves to even as the control rounds.
int32_t NearestPixel(float value) {
  const double rounded = std::nearbyint(static_cast<double>(value));
  return SaturateToInt32(static_cast<int64_t>(std::clamp(rounded, -4e18, 4e18)));
}

}  // namespace

ScriptRunner::ScriptRunner(std::ostream& out, RunnerOptions options) : out_(out), options_(options) {}

ScriptRunner::~ScriptRunner() = default;

void ScriptRunner::Run(std::span<const ScriptCommand> commands) {
  for (const ScriptCommand& command : commands) Execute(command);
}

void ScriptRunner::Execute(const ScriptCommand& command) {
  try {
    Dispatch(command);
  } catch (const HostError& error) {
    failed_ = true;
    Print("error " + std::to_string(error.number()) + ": " + error.what());
  } catch (const std::bad_alloc&) {
    failed_ = true;
    Print("error " + std::to_string(kErrOutOfMemory) + ": " + HostErrorDescription(kErrOutOfMemory));
  }
}

void ScriptRunner::Print(const std::string& line) {
  out_ << line << '\n';
}

Vellumar& ScriptRunner::Control() {
  if (!current_) {
    throw HostError::WithDetail(kErrObjectNotSet, "there is no control yet; the script must begin with new");
  }
  return current_->control();
}

HeadlessHost& ScriptRunner::Host() {
  Control();
  return current_->host();
}

void ScriptRunner::Dispatch(const ScriptCommand& command) {
  switch (command.kind) {
    case CommandKind::kNew:
      return New(command);
    case CommandKind::kSize:
      return Size(Host(), Int32Arg(command, 0, 0), Int32Arg(command, 1, 0));
    case CommandKind::kSet:
      return Set(command);
    case CommandKind::kGet:
      return Get(command);
    case CommandKind::kCall:
      return Call(command);
    case CommandKind::kCursor:
      return Host().SetCursor(Point{Int32Arg(command, 0, 0), Int32Arg(command, 1, 0)});
    case CommandKind::kCursorOut:
      return Host().SetCursorOut();
    case CommandKind::kMouseDown:
    case CommandKind::kMouseMove:
    case CommandKind::kMouseUp:
      return Mouse(command);
    case CommandKind::kKeyDown: {
      int16_t code = Int16Arg(command, 0, 0);
      return Control().KeyDown(code, Int16Arg(command, 1, 0));
    }
    case CommandKind::kAccessKey:
      return Control().AccessKeyPress(Int16Arg(command, 0, 0));
    case CommandKind::kFocus:
      return Control().GotFocus();
    case CommandKind::kBlur:
      return Control().LostFocus();
    case CommandKind::kPaint:
      return Paint(StringArg(command, 0), Int32Arg(command, 1, 1));
    case CommandKind::kDump:
      for (const std::string& line : DumpLines(Control(), Host())) Print(line);
      return;
    case CommandKind::kLoad:
      return Load(command);
    case CommandKind::kSave:
      return Save(command);
  }
}

void ScriptRunner::New(const ScriptCommand& command) {
  current_.reset();
  unused_ = UnusedEntries();
  current_ = std::make_unique<HostedControl>();
  current_->host().SetListener([this](const HostNotice& notice) { Print(FormatNotice(notice)); });
  place_ = ControlPlace{};
  form_.clear();
  current_->control().InitProperties();
  Size(current_->host(), Int32Arg(command, 0, kDefaultWidth), Int32Arg(command, 1, kDefaultHeight));
}

void ScriptRunner::Load(const ScriptCommand& command) {
  RequireFiles();
  const std::string path = StringArg(command, 0);
  const bool named = command.args.size() > 1;
  const std::string name = StringArg(command, 1);
  if (named && name.empty()) {
    throw HostError::WithDetail(kErrInvalidArgument, "load: the control name is empty");
  }
  const Form form = LoadForm(path);
  const FormControl& saved = PickFormControl(form, path, name);
  CheckLoadable(saved, path);
  if (saved.width < 0 || saved.height < 0) {
    throw HostError::WithDetail(kErrInvalidFormFile, ControlLocation(path, saved.name) + " was saved at " +
                                                         std::to_string(saved.width) + " x " +
                                                         std::to_string(saved.height) +
                                                         " pixels; a side cannot be negative");
  }
  // The new control is read and sized aside, its notices held back: until the whole load has succeeded, the
  // current control and the output stay as they were.
  auto loaded = std::make_unique<HostedControl>();
  std::vector<std::string> notices;
  loaded->host().SetListener(
      [&notices](const HostNotice& notice) { notices.push_back(FormatNotice(notice)); });
  loaded->control().ReadProperties(saved.bag);
  UnusedEntries unused(saved.bag, loaded->control());
  try {
    Size(loaded->host(), saved.width, saved.height);
  } catch (const HostError& error) {
    throw error.Within(ControlLocation(path, saved.name));
  }
  current_ = std::move(loaded);
  current_->host().SetListener([this](const HostNotice& notice) { Print(FormatNotice(notice)); });
  place_ = ControlPlace{saved.name, saved.left, saved.top, saved.width, saved.height};
  unused_ = std::move(unused);
  form_ = path;
  for (const std::string& line : notices) Print(line);
}

void ScriptRunner::Save(const ScriptCommand& command) {
  Vellumar& control = Control();
  RequireFiles();
  const std::string path = StringArg(command, 0);
  const bool named = command.args.size() > 1;
  ControlPlace place = place_;
  if (named) place.name = StringArg(command, 1);
  if (place.name.empty()) throw HostError::WithDetail(kErrInvalidArgument, "save: the control name is empty");
  place.width = current_->host().width();
  place.height = current_->host().height();
  FormControl captured;
  try {
    captured = CaptureControl(control, place);
  } catch (const HostError& error) {
    throw error.Within(ControlLocation(path, place.name));
  }
  unused_.WriteBack(captured.bag);
  place_ = StoreControl(std::move(captured), path, named);
  form_ = path;
}

void ScriptRunner::RequireFiles() const {
  if (!options_.allow_files) {
    throw HostError::WithDetail(kErrPermissionDenied, "file access is disabled in this run");
  }
}

void ScriptRunner::Size(HeadlessHost& host, int32_t width, int32_t height) const {
  const int32_t cap = options_.max_surface_side;
  const bool valid = width >= 0 && height >= 0 && int64_t{width} * height <= Bitmap::kMaxPixels;
  if (cap > 0 && valid) {
    width = std::min(width, cap);
    height = std::min(height, cap);
  }
  host.Resize(width, height);
}

void ScriptRunner::Set(const ScriptCommand& command) {
  Vellumar& control = Control();
  const PropertyInfo* info = FindProperty(command.name);
  if (info == nullptr || info->set == nullptr || command.args.empty()) {
    throw HostError::WithDetail(kErrInvalidArgument, "cannot set " + Excerpt(command.name));
  }
  const ScriptValue& arg = command.args[0];
  ControlPropertyValue value;
  switch (info->type) {
    case ControlPropertyType::kLong:
    case ControlPropertyType::kAlignment:
      value.emplace<int32_t>(ToInt32(arg).value_or(0));
      break;
    case ControlPropertyType::kColor:
      value.emplace<OleColor>(ToColor(arg).value_or(0));
      break;
    case ControlPropertyType::kBoolean:
      value.emplace<VbBool>(ToBoolean(arg).value_or(kFalse));
      break;
    case ControlPropertyType::kSingle:
      value.emplace<float>(ToSingle(arg).value_or(0.0f));
      break;
    case ControlPropertyType::kString:
      value.emplace<std::string>(StringArg(command, 0));
      break;
    case ControlPropertyType::kPicture:
      value.emplace<StdPictureRef>(Picture(arg));
      break;
    case ControlPropertyType::kFont:
      throw HostError::WithDetail(kErrInvalidArgument, "a script cannot set " + Excerpt(command.name));
  }
  info->set(control, command.index.value_or(0), value);
}

void ScriptRunner::Get(const ScriptCommand& command) {
  Vellumar& control = Control();
  const PropertyInfo* info = FindProperty(command.name);
  if (info == nullptr) {
    throw HostError::WithDetail(kErrInvalidArgument, "cannot get " + Excerpt(command.name));
  }
  Print("= " + FormatValue(info->get(control, command.index.value_or(0))));
}

void ScriptRunner::Call(const ScriptCommand& command) {
  Vellumar& control = Control();
  const std::string& method = command.name;
  if (method == "AddTab") {
    int32_t width = Int32Arg(command, 0, 60);
    std::string caption = StringArg(command, 1);
    StdPictureRef picture = command.args.size() > 2 ? Picture(command.args[2]) : nullptr;
    Print("= " + std::to_string(control.AddTab(width, caption, picture)));
  } else if (method == "DeleteTab") {
    control.DeleteTab();
    Print("= Empty");
  } else if (method == "DrawTab") {
    control.DrawTab();
  } else if (method == "DrawTabTop") {
    control.DrawTabTop();
  } else if (method == "DrawTabBottom") {
    control.DrawTabBottom();
  } else if (method == "SetTabAccessKeys") {
    control.SetTabAccessKeys();
  } else if (method == "GetTabAccessKey") {
    int16_t key = Int16Arg(command, 0, 0);
    Print("= " + std::to_string(control.GetTabAccessKey(key)));
  } else if (method == "GetPictureSize") {
    float x = 0;
    float y = 0;
    control.GetPictureSize(Picture(command.args.at(0)), x, y);
    Print("= " + FormatSingle(x) + " " + FormatSingle(y));
  } else if (method == "ShowAboutBox") {
    control.ShowAboutBox();  // the headless host has no about box to show, and the control reports nothing
  } else {
    throw HostError::WithDetail(kErrInvalidArgument, "unknown method " + Excerpt(method));
  }
}

void ScriptRunner::Mouse(const ScriptCommand& command) {
  Vellumar& control = Control();
  const float x = SingleArg(command, 0);
  const float y = SingleArg(command, 1);
  const int16_t shift = Int16Arg(command, 3, 0);
  switch (command.kind) {
    case CommandKind::kMouseDown:
      return control.MouseDown(Int16Arg(command, 2, kLeftButton), shift, x, y);
    case CommandKind::kMouseUp:
      return control.MouseUp(Int16Arg(command, 2, kLeftButton), shift, x, y);
    default: {
      const Point to{NearestPixel(x), NearestPixel(y)};
      current_->host().SetCursor(to);
      if (!current_->host().ReceivesMoveTo(to)) return;
      return control.MouseMove(Int16Arg(command, 2, kNoButton), shift, x, y);
    }
  }
}

// A scale other than 1 paints the image whole at that scale for the file and then again at scale 1, so the
// script goes on with the surface as it was.
void ScriptRunner::Paint(const std::string& path, int32_t scale) {
  HeadlessHost& host = Host();
  RequireFiles();
  if (host.image().empty()) {
    throw HostError::WithDetail(kErrInvalidArgument, "the surface is empty (" + std::to_string(host.width()) +
                                                         " x " + std::to_string(host.height()) +
                                                         " pixels); there is nothing to paint");
  }
  if (scale == host.surface().scale()) return WriteImageFile(host.image(), path, form_);
  host.SetScale(scale);
  try {
    WriteImageFile(host.image(), path, form_);
  } catch (...) {
    host.SetScale(1);
    throw;
  }
  host.SetScale(1);
}

StdPictureRef ScriptRunner::Picture(const ScriptValue& value) const {
  const auto* path = std::get_if<std::string>(&value);
  if (path == nullptr) return nullptr;
  RequireFiles();
  return LoadPicture(*path);
}

}  // namespace vellumar
