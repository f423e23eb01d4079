// [SECTION] Index
//   TrackingIterator the text as the parser reads it, telling how far it has read
//   EntryBuilder     one bag entry's JSON, built from the parser's events
//   FormReader       the parser's event handler: the form's structure, checked as it streams by
//   ParseFormDocument
#include "platform/form_file/form_file_parser.h"

#include <bit>
#include <cstddef>
#include <iterator>
#include <limits>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "platform/errors/error_text.h"
#include "platform/errors/file_error.h"
#include "platform/errors/host_error.h"
#include "platform/form_file/form_file_value.h"
#include "platform/form_file/picture_budget.h"

namespace vellumar::form_file {
namespace {

using nlohmann::json;

// [SECTION] TrackingIterator

// Walks the text for the parser and records how far it has read, so that the handler can cut out the text
// of what it has just been told about. The parser reads a token's characters and, after a number, one more.
class TrackingIterator {
 public:
  using iterator_category = std::input_iterator_tag;
  using value_type = char;
  using difference_type = std::ptrdiff_t;
  using pointer = const char*;
  using reference = const char&;

  TrackingIterator(const char* at, const char** reached) : at_(at), reached_(reached) {}
  reference operator*() const { return *at_; }
  TrackingIterator& operator++() {
    *reached_ = ++at_;
    return *this;
  }
  TrackingIterator operator++(int) {
    TrackingIterator before = *this;
    ++*this;
    return before;
  }
  bool operator==(const TrackingIterator& other) const { return at_ == other.at_; }

 private:
  const char* at_;
  const char** reached_;
};

// The JSON text of a member's value, from what follows its name: the colon and spacing around it dropped.
std::string MemberValueText(std::string_view text) {
  const size_t start = text.find_first_not_of(" \t\r\n:");
  const size_t end = text.find_last_not_of(" \t\r\n");
  if (start == std::string_view::npos || end < start) return {};
  return std::string(text.substr(start, end - start + 1));
}

// [SECTION] EntryBuilder

class EntryBuilder {
 public:
  bool active() const { return !open_.empty(); }
  // Containers open, the entry itself counted; 1 while a member of the entry is read.
  size_t depth() const { return open_.size(); }

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
  std::string_view text;   // the entry's object as it stands in the file
  UnknownMembers members;  // of a readable entry; an unreadable one keeps all of them in encoded
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
  UnknownMembers members;
  unsigned seen = 0;
  size_t number = 0;  // 1-based position in the form
  size_t start = 0;   // where its object begins in the text
};

// Where unknown members are kept: the form's, a control's and an entry's own members.
enum class Level { kForm, kControl, kEntry };

// A member whose value is being read, at a level that keeps unknown members.
struct MemberInProgress {
  std::string name;
  Level level;
  size_t after_name;  // where the text of its name ends
};

// The parser's event handler. A structural fault stops the parse (a handler call returns false) and leaves
// its description in problem().
class FormReader {
 public:
  FormReader(std::string_view text, std::string file_name, int64_t picture_pixel_budget)
      : text_(text),
        reached_(text.data()),
        file_name_(std::move(file_name)),
        budget_(picture_pixel_budget, kMaxFormFileBytes) {}

  TrackingIterator begin() { return TrackingIterator(text_.data(), &reached_); }
  TrackingIterator end() { return TrackingIterator(text_.data() + text_.size(), &reached_); }

  bool null() { return Scalar(nullptr); }
  bool boolean(bool value) { return Scalar(value); }
  // The parser has read one character past a number.
  bool number_integer(json::number_integer_t value) { return Scalar(value, 1); }
  bool number_unsigned(json::number_unsigned_t value) { return Scalar(value, 1); }
  bool number_float(json::number_float_t value, const std::string&) { return Scalar(value, 1); }
  bool string(std::string& value) { return Scalar(std::move(value)); }
  bool binary(json::binary_t&) { return Fail("binary data"); }
  bool start_object(size_t) { return Open(true); }
  bool start_array(size_t) { return Open(false); }
  bool end_object() { return Close(); }
  bool end_array() { return Close(); }
  bool key(std::string& name) {
    if (entry_.active()) {
      if (entry_.depth() == 1) member_ = {name, Level::kEntry, Position()};
      entry_.Key(std::move(name));
    } else {
      const Role role = frames_.back().role;
      if (role == Role::kRoot || role == Role::kControl) {
        member_ = {name, role == Role::kRoot ? Level::kForm : Level::kControl, Position()};
      }
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

  size_t Position() const { return static_cast<size_t>(reached_ - text_.data()); }

  // Keeps the member whose value ends at end when its level does not know it.
  void EndMember(size_t end) {
    if (!member_) return;
    const MemberInProgress& member = *member_;
    const bool known = member.level == Level::kEntry     ? IsEntryMember(member.name)
                       : member.level == Level::kControl ? ControlMember(member.name).has_value()
                                                         : IsFormMember(member.name);
    if (!known) {
      UnknownMembers& kept = member.level == Level::kEntry     ? entry_members_
                             : member.level == Level::kControl ? control_->members
                                                               : form_.unknown_members;
      kept.push_back(
          {member.name, MemberValueText(text_.substr(member.after_name, end - member.after_name))});
    }
    member_.reset();
  }

  static bool IsFormMember(const std::string& name) {
    return name == "format" || name == "version" || name == "controls";
  }

  // lookahead: characters the parser has read beyond the value.
  bool Scalar(json value, size_t lookahead = 0) {
    if (entry_.active()) {
      entry_.Scalar(std::move(value));
      if (entry_.depth() == 1) EndMember(Position() - lookahead);
      return true;
    }
    if (frames_.empty()) return Fail("the document is not a JSON object");
    Frame& frame = frames_.back();
    switch (frame.role) {
      case Role::kRoot:
        if (!RootMember(frame.key, value)) return false;
        EndMember(Position() - lookahead);
        return true;
      case Role::kControls:
        return Fail("control " + std::to_string(control_count_ + 1) + ": is not an object");
      case Role::kControl:
        if (!ControlScalar(frame.key, value)) return false;
        EndMember(Position() - lookahead);
        return true;
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
    control_->start = Position() - 1;
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
    entry_start_ = Position() - 1;
    entry_members_.clear();
    entry_.Open(true);
    return true;
  }

  bool Close() {
    if (entry_.active()) {
      if (entry_.Close()) return FinishEntry(entry_.Take());
      if (entry_.depth() == 1) EndMember(Position());
      return true;
    }
    const Role role = frames_.back().role;
    frames_.pop_back();
    if (role == Role::kControl) return FinishControl();
    if (role == Role::kRoot) return FinishRoot();
    if (role == Role::kSkipped && !frames_.empty() &&
        (frames_.back().role == Role::kRoot || frames_.back().role == Role::kControl)) {
      EndMember(Position());
    }
    return true;
  }

  bool FinishEntry(const json& entry) {
    const std::string where = ControlLabel() + ", entry " + std::to_string(entry_count_) + ": ";
    const auto key = entry.find("key");
    if (key == entry.end()) return Fail(where + "has no \"key\"");
    if (!key->is_string()) return Fail(where + "\"key\" must be a string");
    PendingEntry pending{
        key->get<std::string>(), {}, {}, {}, text_.substr(entry_start_, Position() - entry_start_), {}};
    try {
      pending.value = DecodeValue(entry, budget_);
      pending.members = std::move(entry_members_);
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
    PropertyBag& bag = c.control.bag;
    bag.Reserve(c.entries.size());
    std::vector<std::string_view> texts;  // by place in the bag: the text of the entry that holds the key
    texts.reserve(c.entries.size());
    for (PendingEntry& entry : c.entries) {
      if (entry.error) {
        const HostError placed = entry.error->Within(context + Quoted(entry.key));
        entry.value = PropertyValue::Invalid({placed.number(), placed.detail(), std::move(entry.encoded)});
      }
      auto extras = std::make_shared<EntryExtras>();
      extras->members = std::move(entry.members);
      const bool repeated = bag.Contains(entry.key);
      if (repeated) {
        if (const std::shared_ptr<const EntryExtras> earlier = bag.Extras(entry.key)) {
          extras->shadowed = earlier->shadowed;
          extras->shadowed_pixels = earlier->shadowed_pixels;
        }
        const PropertyValue earlier_value = bag.ReadProperty(entry.key);
        if (earlier_value.type() == PropertyType::kPicture) {
          extras->shadowed_pixels += CostOf(ToPicture(earlier_value).get()).pixels;
        }
      }
      const size_t place = bag.WriteProperty(entry.key, std::move(entry.value));
      if (repeated) {
        extras->shadowed.emplace_back(texts[place]);
        texts[place] = entry.text;
      } else {
        texts.push_back(entry.text);
      }
      const bool any = !extras->members.empty() || !extras->shadowed.empty();
      if (any || repeated) bag.SetExtras(entry.key, any ? std::move(extras) : nullptr);
    }
    bag.SetOuterMembers(std::move(c.members));
    c.control.source = std::string(text_.substr(c.start, Position() - c.start));
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

  std::string_view text_;
  const char* reached_;  // how far the parser has read text_
  std::string file_name_;
  PictureBudget budget_;
  std::optional<MemberInProgress> member_;
  size_t entry_start_ = 0;        // where the entry being read begins in the text
  UnknownMembers entry_members_;  // of the entry being read
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
  FormReader reader(text, file_name, picture_pixel_budget);
  if (!json::sax_parse(reader.begin(), reader.end(), &reader)) {
    const std::string& problem = reader.problem();
    throw FileError(kErrInvalidFormFile, file_name, problem.empty() ? "invalid JSON" : problem);
  }
  return reader.TakeForm();
}

}  // namespace vellumar::form_file
