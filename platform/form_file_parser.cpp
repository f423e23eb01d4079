// [SECTION] Index
//   EntryBuilder     one bag entry's JSON, built from the parser's events
//   FormReader       the parser's event handler: the form's structure, checked as it streams by
//   ParseFormDocument
#include "platform/form_file_parser.h"

#include <bit>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "platform/error_text.h"
#include "platform/file_error.h"
#include "platform/form_file_value.h"
#include "platform/host_error.h"

namespace vellumar::form_file {
namespace {

using nlohmann::json;

// [SECTION] EntryBuilder

class EntryBuilder {
 public:
  bool active() const { return !open_.empty(); }

  void Scalar(json value) { Place(std::move(value)); }
  void Open(bool object) { open_.push_back(Place(object ? json::object() : json::array())); }
  void Key(std::string key) { key_ = std::move(key); }
  // True when the entry itself has just been closed.
  bool Close() {
    open_.pop_back();
    return open_.empty();
  }
  json Take() { return std::move(root_); }

 private:
  // Pointers to open containers stay valid: only the innermost one grows.
  json* Place(json value) {
    if (open_.empty()) {
      root_ = std::move(value);
      return &root_;
    }
    json& container = *open_.back();
    if (container.is_array()) {
      container.push_back(std::move(value));
      return &container.back();
    }
    json& slot = container[key_];
    slot = std::move(value);
    return &slot;
  }

  json root_;
  std::vector<json*> open_;
  std::string key_;
};

// [SECTION] FormReader

enum class Role { kRoot, kControls, kControl, kBag, kSkipped };

struct Frame {
  Role role;
  std::string key;  // the member being read, in objects
};

// Members of a control, as bits of ControlInProgress::seen.
enum Member : unsigned {
  kClass = 1U << 0,
  kName = 1U << 1,
  kLeft = 1U << 2,
  kTop = 1U << 3,
  kWidth = 1U << 4,
  kHeight = 1U << 5,
  kBag = 1U << 6,
};
constexpr const char* kMemberNames[] = {"class", "name", "left", "top", "width", "height", "bag"};

std::optional<Member> ControlMember(const std::string& key) {
  for (unsigned bit = 0; bit < std::size(kMemberNames); ++bit) {
    if (key == kMemberNames[bit]) return static_cast<Member>(1U << bit);
  }
  return std::nullopt;
}

// An entry read before its control's name is known; its error description is completed with that name.
struct PendingEntry {
  std::string key;
  PropertyValue value;
  std::optional<HostError> error;  // why value could not be read; empty when value holds the entry
  std::string encoded;
};

// The parser's message without its "[json.exception...] " tag, and the text it last read (which can be a
// whole damaged file) shortened.
std::string JsonErrorText(std::string_view text) {
  const size_t bracket = text.find("] ");
  if (bracket != std::string_view::npos) text.remove_prefix(bracket + 2);
  constexpr std::string_view kLastRead = "; last read: '";
  const size_t start = text.find(kLastRead);
  if (start == std::string_view::npos) return std::string(text);
  const size_t token = start + kLastRead.size();
  size_t end = text.rfind("'; expected ");
  if (end == std::string_view::npos || end < token) end = text.size() - 1;
  if (end < token || text[end] != '\'') return Excerpt(text, kMaxPathChars);
  return Excerpt(text.substr(0, token), kMaxPathChars) + Excerpt(text.substr(token, end - token)) +
         Excerpt(text.substr(end));
}

struct ControlInProgress {
  FormControl control;
  std::vector<PendingEntry> entries;
  unsigned seen = 0;
  size_t number = 0;  // 1-based position in the form
};

// The parser's event handler. A structural fault stops the parse (a handler call returns false) and leaves
// its description in problem().
class FormReader {
 public:
  FormReader(std::string file_name, int64_t picture_pixel_budget)
      : file_name_(std::move(file_name)), budget_(picture_pixel_budget, kMaxFormFileBytes) {}

  bool null() { return Scalar(nullptr); }
  bool boolean(bool value) { return Scalar(value); }
  bool number_integer(json::number_integer_t value) { return Scalar(value); }
  bool number_unsigned(json::number_unsigned_t value) { return Scalar(value); }
  bool number_float(json::number_float_t value, const std::string&) { return Scalar(value); }
  bool string(std::string& value) { return Scalar(std::move(value)); }
  bool binary(json::binary_t&) { return Fail("binary data"); }
  bool start_object(size_t) { return Open(true); }
  bool start_array(size_t) { return Open(false); }
  bool end_object() { return Close(); }
  bool end_array() { return Close(); }
  bool key(std::string& name) {
    if (entry_.active()) {
      entry_.Key(std::move(name));
    } else {
      frames_.back().key = std::move(name);
    }
    return true;
  }
  bool parse_error(size_t, const std::string&, const json::exception& error) {
    return Fail("invalid JSON: " + JsonErrorText(error.what()));
  }

  const std::string& problem() const { return problem_; }
  Form TakeForm() { return std::move(form_); }

 private:
  bool Fail(std::string problem) {
    if (problem_.empty()) problem_ = std::move(problem);
    return false;
  }

  std::string ControlLabel() const {
    const ControlInProgress& c = *control_;
    return (c.seen & kName) != 0 ? "control " + Quoted(c.control.name)
                                 : "control " + std::to_string(c.number);
  }

  bool Scalar(json value) {
    if (entry_.active()) {
      entry_.Scalar(std::move(value));
      return true;
    }
    if (frames_.empty()) return Fail("the document is not a JSON object");
    Frame& frame = frames_.back();
    switch (frame.role) {
      case Role::kRoot:
        return RootMember(frame.key, value);
      case Role::kControls:
        return Fail("control " + std::to_string(control_count_ + 1) + ": is not an object");
      case Role::kControl:
        return ControlScalar(frame.key, value);
      case Role::kBag:
        return Fail(ControlLabel() + ", entry " + std::to_string(entry_count_ + 1) + ": is not an object");
      case Role::kSkipped:
        return true;
    }
    return true;
  }

  bool RootMember(const std::string& key, const json& value) {
    if (key == "format") {
      if (!value.is_string() || value.get_ref<const std::string&>() != kFormFormatName) {
        return Fail("not a form file (\"format\" is not " + Quoted(kFormFormatName) + ")");
      }
      return Once(seen_format_, "format");
    }
    if (key == "version") {
      if (!value.is_number_integer() || value.get<int64_t>() != kFormFormatVersion) {
        return Fail("unsupported version " + Excerpt(value.dump()) + " (this program reads version " +
                    std::to_string(kFormFormatVersion) + ")");
      }
      return Once(seen_version_, "version");
    }
    if (key == "controls") return Fail("\"controls\" must be an array");
    return true;
  }

  bool Once(bool& seen, const std::string& key) {
    if (seen) return Fail(Quoted(key) + " appears twice");
    seen = true;
    return true;
  }

  bool ControlScalar(const std::string& key, const json& value) {
    const std::optional<Member> member = ControlMember(key);
    if (!member) return true;
    if (!MarkMember(*member)) return false;
    FormControl& control = control_->control;
    const std::string where = ControlLabel() + ": " + Quoted(key);
    switch (*member) {
      case kClass:
      case kName: {
        if (!value.is_string() || value.get_ref<const std::string&>().empty()) {
          return Fail(where + " must be a non-empty string");
        }
        (*member == kClass ? control.class_name : control.name) = value.get<std::string>();
        return true;
      }
      case kBag:
        return Fail(where + " must be an array");
      default: {
        const std::optional<int32_t> number = ToInt32Value(value);
        if (!number) return Fail(where + " must be a 32-bit integer");
        (*member == kLeft    ? control.left
         : *member == kTop   ? control.top
         : *member == kWidth ? control.width
                             : control.height) = *number;
        return true;
      }
    }
  }

  static std::optional<int32_t> ToInt32Value(const json& value) {
    constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
    constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
    if (value.is_number_unsigned()) {
      if (value.get<uint64_t>() > uint64_t{kMax}) return std::nullopt;
      return static_cast<int32_t>(value.get<uint64_t>());
    }
    if (!value.is_number_integer() || value.get<int64_t>() < kMin || value.get<int64_t>() > kMax)
      return std::nullopt;
    return static_cast<int32_t>(value.get<int64_t>());
  }

  bool MarkMember(Member member) {
    if ((control_->seen & member) != 0) {
      return Fail(ControlLabel() + ": " + Quoted(kMemberNames[std::countr_zero(unsigned{member})]) +
                  " appears twice");
    }
    control_->seen |= member;
    return true;
  }

  bool Open(bool object) {
    if (entry_.active()) {
      entry_.Open(object);
      return true;
    }
    if (frames_.empty()) {
      if (!object) return Fail("the document is not a JSON object");
      frames_.push_back({Role::kRoot, {}});
      return true;
    }
    const Frame& frame = frames_.back();
    switch (frame.role) {
      case Role::kRoot:
        return OpenInRoot(frame.key, object);
      case Role::kControls:
        return OpenControl(object);
      case Role::kControl:
        return OpenInControl(frame.key, object);
      case Role::kBag:
        return OpenEntry(object);
      case Role::kSkipped:
        frames_.push_back({Role::kSkipped, {}});
        return true;
    }
    return true;
  }

  bool OpenInRoot(const std::string& key, bool object) {
    if (key == "controls") {
      if (object) return Fail("\"controls\" must be an array");
      if (!Once(seen_controls_, "controls")) return false;
      frames_.push_back({Role::kControls, {}});
      return true;
    }
    if (key == "format" || key == "version") return RootMember(key, json::object());
    frames_.push_back({Role::kSkipped, {}});
    return true;
  }

  bool OpenControl(bool object) {
    if (!object) return Fail("control " + std::to_string(control_count_ + 1) + ": is not an object");
    control_.emplace();
    control_->number = ++control_count_;
    entry_count_ = 0;
    frames_.push_back({Role::kControl, {}});
    return true;
  }

  bool OpenInControl(const std::string& key, bool object) {
    const std::optional<Member> member = ControlMember(key);
    if (!member) {
      frames_.push_back({Role::kSkipped, {}});
      return true;
    }
    if (*member != kBag || object) return ControlScalar(key, json::object());
    if (!MarkMember(kBag)) return false;
    frames_.push_back({Role::kBag, {}});
    return true;
  }

  bool OpenEntry(bool object) {
    if (!object)
      return Fail(ControlLabel() + ", entry " + std::to_string(entry_count_ + 1) + ": is not an object");
    ++entry_count_;
    entry_.Open(true);
    return true;
  }

  bool Close() {
    if (entry_.active()) return !entry_.Close() || FinishEntry(entry_.Take());
    const Role role = frames_.back().role;
    frames_.pop_back();
    if (role == Role::kControl) return FinishControl();
    if (role == Role::kRoot) return FinishRoot();
    return true;
  }

  bool FinishEntry(const json& entry) {
    const std::string where = ControlLabel() + ", entry " + std::to_string(entry_count_) + ": ";
    const auto key = entry.find("key");
    if (key == entry.end()) return Fail(where + "has no \"key\"");
    if (!key->is_string()) return Fail(where + "\"key\" must be a string");
    PendingEntry pending{key->get<std::string>(), {}, {}, {}};
    try {
      pending.value = DecodeValue(entry, budget_);
    } catch (const HostError& error) {
      pending.error = error;
      pending.encoded = entry.dump(-1, ' ', false, json::error_handler_t::replace);
    }
    control_->entries.push_back(std::move(pending));
    return true;
  }

  bool FinishControl() {
    ControlInProgress& c = *control_;
    for (unsigned bit = 0; bit < std::size(kMemberNames); ++bit) {
      if ((c.seen & (1U << bit)) == 0) return Fail(ControlLabel() + ": has no " + Quoted(kMemberNames[bit]));
    }
    const std::string context = PathExcerpt(file_name_) + ": " + ControlLabel() + ", key ";
    c.control.bag.Reserve(c.entries.size());
    for (PendingEntry& entry : c.entries) {
      if (entry.error) {
        const HostError placed = entry.error->Within(context + Quoted(entry.key));
        entry.value = PropertyValue::Invalid({placed.number(), placed.detail(), std::move(entry.encoded)});
      }
      c.control.bag.WriteProperty(entry.key, std::move(entry.value));
    }
    form_.controls.push_back(std::move(c.control));
    control_.reset();
    return true;
  }

  bool FinishRoot() {
    if (!seen_format_) return Fail("not a form file (no \"format\")");
    if (!seen_version_) return Fail("the document has no \"version\"");
    if (!seen_controls_) return Fail("the document has no \"controls\"");
    return true;
  }

  std::string file_name_;
  PictureBudget budget_;
  std::vector<Frame> frames_;
  EntryBuilder entry_;
  std::optional<ControlInProgress> control_;
  size_t control_count_ = 0;
  size_t entry_count_ = 0;  // entries begun in the current control
  bool seen_format_ = false;
  bool seen_version_ = false;
  bool seen_controls_ = false;
  Form form_;
  std::string problem_;
};

}  // namespace

// [SECTION] ParseFormDocument

Form ParseFormDocument(std::string_view text, const std::string& file_name, int64_t picture_pixel_budget) {
  FormReader reader(file_name, picture_pixel_budget);
  if (!json::sax_parse(text.begin(), text.end(), &reader)) {
    const std::string& problem = reader.problem();
    throw FileError(kErrInvalidFormFile, file_name, problem.empty() ? "invalid JSON" : problem);
  }
  return reader.TakeForm();
}

}  // namespace vellumar::form_file
