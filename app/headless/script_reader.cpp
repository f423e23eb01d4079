#include "app/headless/script_reader.h"

#include <array>
#include <limits>
#include <span>
#include <string>

#include "app/headless/script_lexer.h"
#include "control/property_table.h"
#include "platform/ascii_case.h"
#include "platform/errors/error_text.h"

namespace vellumar {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

struct ArgSpec {
  std::string_view name;
  ScriptArgKind kind;
};

// A command or method with a fixed argument list, of which the first min_args are required.
struct Signature {
  std::string_view name;
  CommandKind kind;
  std::span<const ArgSpec> args;
  size_t min_args;
};

constexpr ArgSpec kSizeArgs[] = {{"W", ScriptArgKind::kInt32}, {"H", ScriptArgKind::kInt32}};
constexpr ArgSpec kMouseArgs[] = {{"X", ScriptArgKind::kSingle},
                                  {"Y", ScriptArgKind::kSingle},
                                  {"BUTTON", ScriptArgKind::kInt16},
                                  {"SHIFT", ScriptArgKind::kInt16}};
constexpr ArgSpec kPointArgs[] = {{"X", ScriptArgKind::kInt32}, {"Y", ScriptArgKind::kInt32}};
constexpr ArgSpec kKeyArgs[] = {{"CODE", ScriptArgKind::kInt16}, {"SHIFT", ScriptArgKind::kInt16}};
constexpr ArgSpec kPaintArgs[] = {{"FILE", ScriptArgKind::kString}, {"SCALE", ScriptArgKind::kScale}};
constexpr ArgSpec kFormArgs[] = {{"FORM", ScriptArgKind::kString}, {"NAME", ScriptArgKind::kString}};

// cursor, set, get and call have grammars of their own and are handled before this table.
constexpr Signature kCommands[] = {
    {"new", CommandKind::kNew, kSizeArgs, 0},
    {"load", CommandKind::kLoad, kFormArgs, 1},
    {"size", CommandKind::kSize, kSizeArgs, 2},
    {"mousedown", CommandKind::kMouseDown, kMouseArgs, 2},
    {"mousemove", CommandKind::kMouseMove, kMouseArgs, 2},
    {"mouseup", CommandKind::kMouseUp, kMouseArgs, 2},
    {"keydown", CommandKind::kKeyDown, kKeyArgs, 1},
    {"accesskey", CommandKind::kAccessKey, std::span(kKeyArgs).first(1), 1},
    {"focus", CommandKind::kFocus, {}, 0},
    {"blur", CommandKind::kBlur, {}, 0},
    {"paint", CommandKind::kPaint, kPaintArgs, 1},
    {"save", CommandKind::kSave, kFormArgs, 1},
    {"dump", CommandKind::kDump, {}, 0},
};

constexpr ArgSpec kAddTabArgs[] = {
    {"W", ScriptArgKind::kInt32}, {"CAPTION", ScriptArgKind::kString}, {"PICTURE", ScriptArgKind::kPicture}};
constexpr ArgSpec kAccessKeyArgs[] = {{"K", ScriptArgKind::kInt16}};
constexpr ArgSpec kPictureArgs[] = {{"PICTURE", ScriptArgKind::kPicture}};

constexpr Signature kMethods[] = {
    {"AddTab", CommandKind::kCall, kAddTabArgs, 0},
    {"DeleteTab", CommandKind::kCall, {}, 0},
    {"DrawTab", CommandKind::kCall, {}, 0},
    {"DrawTabTop", CommandKind::kCall, {}, 0},
    {"DrawTabBottom", CommandKind::kCall, {}, 0},
    {"GetPictureSize", CommandKind::kCall, kPictureArgs, 1},
    {"SetTabAccessKeys", CommandKind::kCall, {}, 0},
    {"GetTabAccessKey", CommandKind::kCall, kAccessKeyArgs, 1},
    {"ShowAboutBox", CommandKind::kCall, {}, 0},
};

template <size_t N>
const Signature* Find(const Signature (&table)[N], std::string_view name) {
  for (const Signature& signature : table) {
    if (EqualsIgnoringAsciiCase(signature.name, name)) return &signature;
  }
  return nullptr;
}

std::optional<ScriptArgKind> ValueKindOf(ControlPropertyType type) {
  switch (type) {
    case ControlPropertyType::kLong:
    case ControlPropertyType::kAlignment:
      return ScriptArgKind::kInt32;
    case ControlPropertyType::kColor:
      return ScriptArgKind::kColor;
    case ControlPropertyType::kBoolean:
      return ScriptArgKind::kBoolean;
    case ControlPropertyType::kSingle:
      return ScriptArgKind::kSingle;
    case ControlPropertyType::kString:
      return ScriptArgKind::kString;
    case ControlPropertyType::kPicture:
      return ScriptArgKind::kPicture;
    case ControlPropertyType::kFont:
      return std::nullopt;
  }
  return std::nullopt;
}

class LineParser {
 public:
  LineParser(std::vector<ScriptToken> tokens, int line) : tokens_(std::move(tokens)), line_(line) {
    command_.line = line;
  }

  ScriptCommand Parse() {
    const std::string keyword = ExpectName("a command");
    if (EqualsIgnoringAsciiCase(keyword, "cursor")) return Cursor();
    if (EqualsIgnoringAsciiCase(keyword, "set")) return Set();
    if (EqualsIgnoringAsciiCase(keyword, "get")) return Get();
    if (EqualsIgnoringAsciiCase(keyword, "call")) return Call();
    const Signature* signature = Find(kCommands, keyword);
    if (signature == nullptr) Fail("unknown command '" + Excerpt(keyword) + "'");
    command_.kind = signature->kind;
    Arguments(*signature, std::string(signature->name));
    if (command_.kind == CommandKind::kNew && command_.args.size() == 1)
      Fail("new takes both W and H, or neither");
    return std::move(command_);
  }

 private:
  [[noreturn]] void Fail(const std::string& message) const { throw ScriptSyntaxError(line_, message); }

  bool AtEnd() const { return pos_ == tokens_.size(); }
  const ScriptToken& Peek() const { return tokens_[pos_]; }

  std::string ExpectName(const std::string& what) {
    if (AtEnd() || Peek().kind != ScriptToken::Kind::kName) Fail("expected " + what);
    return tokens_[pos_++].name;
  }

  void ExpectEnd(const std::string& command) const {
    if (!AtEnd()) Fail("too many arguments for " + command);
  }

  ScriptValue ExpectValue(const ArgSpec& spec, const std::string& command) {
    if (AtEnd()) Fail(command + ": " + std::string(spec.name) + " is missing");
    const ScriptToken& token = tokens_[pos_++];
    if (token.kind != ScriptToken::Kind::kValue || !Fits(token.value, spec.kind)) {
      Fail(command + ": " + std::string(spec.name) + " must be " + Describe(spec.kind));
    }
    return token.value;
  }

  void Arguments(const Signature& signature, const std::string& command) {
    for (const ArgSpec& spec : signature.args) {
      if (AtEnd() && command_.args.size() >= signature.min_args) break;
      command_.args.push_back(ExpectValue(spec, command));
    }
    ExpectEnd(command);
  }

  ScriptCommand Cursor() {
    if (!AtEnd() && Peek().kind == ScriptToken::Kind::kName && EqualsIgnoringAsciiCase(Peek().name, "out")) {
      ++pos_;
      ExpectEnd("cursor out");
      command_.kind = CommandKind::kCursorOut;
      return std::move(command_);
    }
    command_.kind = CommandKind::kCursor;
    const Signature signature{"cursor", CommandKind::kCursor, kPointArgs, 2};
    Arguments(signature, "cursor");
    return std::move(command_);
  }

  const PropertyInfo& Property(const std::string& command) {
    const std::string name = ExpectName("a property name after " + command);
    const PropertyInfo* info = FindProperty(name);
    if (info == nullptr) Fail("unknown property '" + Excerpt(name) + "'");
    command_.name = std::string(info->name);
    const bool has_index = !AtEnd() && Peek().kind == ScriptToken::Kind::kOpen;
    if (info->indexed && !has_index) Fail(command_.name + " needs a tab index: " + command_.name + "(I)");
    if (!info->indexed && has_index) Fail(command_.name + " takes no index");
    if (has_index) {
      ++pos_;
      command_.index = *ToInt32(ExpectValue({"the index", ScriptArgKind::kInt32}, command_.name));
      if (AtEnd() || Peek().kind != ScriptToken::Kind::kClose) Fail("expected ')' after the index");
      ++pos_;
    }
    return *info;
  }

  ScriptCommand Set() {
    command_.kind = CommandKind::kSet;
    const PropertyInfo& info = Property("set");
    if (info.set == nullptr) Fail(command_.name + " is read-only");
    const std::optional<ScriptArgKind> kind = ValueKindOf(info.type);
    if (!kind) {
      Fail(command_.name +
           " takes a font object, which a script cannot write; set FontName, FontSize, FontBold, "
           "FontItalic, FontUnderline or FontStrikethru instead");
    }
    command_.args.push_back(ExpectValue({"the value", *kind}, "set " + command_.name));
    ExpectEnd("set " + command_.name);
    return std::move(command_);
  }

  ScriptCommand Get() {
    command_.kind = CommandKind::kGet;
    Property("get");
    ExpectEnd("get " + command_.name);
    return std::move(command_);
  }

  ScriptCommand Call() {
    command_.kind = CommandKind::kCall;
    const std::string name = ExpectName("a method name after call");
    const Signature* method = Find(kMethods, name);
    if (method == nullptr) Fail("unknown method '" + Excerpt(name) + "'");
    command_.name = std::string(method->name);
    Arguments(*method, command_.name);
    return std::move(command_);
  }

  std::vector<ScriptToken> tokens_;
  int line_;
  size_t pos_ = 0;
  ScriptCommand command_;
};

}  // namespace

std::optional<ScriptCommand> ParseScriptLine(std::string_view line, int line_number) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  std::vector<ScriptToken> tokens = TokenizeScriptLine(line, line_number);
  if (tokens.empty()) return std::nullopt;
  return LineParser(std::move(tokens), line_number).Parse();
}

void ForEachScriptCommand(std::string_view text, const std::function<void(const ScriptCommand&)>& visit) {
  // Editors may begin a UTF-8 file with a byte-order mark; it is no part of the first line.
  if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
  int line_number = 0;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line_number == std::numeric_limits<int>::max())
      throw ScriptSyntaxError(line_number, "too many lines");
    ++line_number;
    if (const std::optional<ScriptCommand> command = ParseScriptLine(line, line_number)) visit(*command);
  }
}

std::vector<ScriptCommand> ParseScript(std::string_view text) {
  std::vector<ScriptCommand> commands;
  ForEachScriptCommand(text, [&commands](const ScriptCommand& command) { commands.push_back(command); });
  return commands;
}

}  // namespace vellumar
