// The bag keys under which a control stores each of its tabs: a prefix and the tab's number ("TabText3").
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vellumar {

inline constexpr std::string_view kTabWidthKey = "TabWidth";
inline constexpr std::string_view kTabTextKey = "TabText";
inline constexpr std::string_view kTabPictureKey = "TabPicture";

std::string TabKey(std::string_view prefix, int64_t number);

struct TabKeyParts {
  size_t prefix_length;  // of the key as written
  int64_t number;
};

// The parts of a key that a read of some tab matches (ASCII case ignored, the number in plain decimal as
// TabKey writes it), or none.
std::optional<TabKeyParts> SplitTabKey(std::string_view key);

}  // namespace vellumar
