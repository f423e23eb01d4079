#include "platform/form_file/form_file_limits.h"

#include <cstdint>

#include "platform/form_file/form_file.h"

namespace vellumar::form_file {

std::string TooLargeProblem() {
  return "larger than " + std::to_string(kMaxFormFileBytes >> 20) + " MiB";
}

std::string LimitProblem(std::string_view text) {
  if (static_cast<int64_t>(text.size()) > kMaxFormFileBytes) return TooLargeProblem();
  int depth = 0;
  int64_t tokens = 1;
  bool in_string = false;
  bool escaped = false;
  for (const char c : text) {
    if (in_string) {
      if (escaped) {
        escaped = false;
      } else if (c == '\\') {
        escaped = true;
      } else if (c == '"') {
        in_string = false;
      }
      continue;
    }
    switch (c) {
      case '"':
        in_string = true;
        break;
      case '{':
      case '[':
        if (++depth > kMaxFormNesting)
          return "nested more than " + std::to_string(kMaxFormNesting) + " levels deep";
        ++tokens;
        break;
      case '}':
      case ']':
        depth = depth > 0 ? depth - 1 : 0;
        break;
      case ',':
      case ':':
        ++tokens;
        break;
      default:
        break;
    }
    if (tokens > kMaxFormTokens) return "more than " + std::to_string(kMaxFormTokens) + " values";
  }
  return {};
}

}  // namespace vellumar::form_file
