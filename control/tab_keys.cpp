#include "control/tab_keys.h"

#include <charconv>

#include "platform/ascii_case.h"

namespace vellumar {

std::string TabKey(std::string_view prefix, int64_t number) {
  return std::string(prefix) + std::to_string(number);
}

std::optional<TabKeyParts> SplitTabKey(std::string_view key) {
  for (const std::string_view prefix : {kTabWidthKey, kTabTextKey, kTabPictureKey}) {
    if (!EqualsIgnoringAsciiCase(key.substr(0, prefix.size()), prefix)) continue;
    const std::string_view digits = key.substr(prefix.size());
    int64_t number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    const bool plain = !digits.empty() && digits.front() != '0' && digits.front() != '-';
    if (plain && error == std::errc() && end == digits.data() + digits.size()) {
      return TabKeyParts{prefix.size(), number};
    }
  }
  return std::nullopt;
}

}  // namespace vellumar
