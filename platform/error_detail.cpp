#include "platform/error_detail.h"

#include <string>

namespace vellumar {

HostError DetailedError(int number, std::string_view detail) {
  return HostError(number, HostErrorDescription(number) + ": " + std::string(detail));
}

HostError ErrorWithin(const HostError& error, std::string_view where) {
  const std::string description = HostErrorDescription(error.number());
  std::string_view detail = error.what();
  if (detail == description) {
    detail = {};
  } else if (detail.starts_with(description + ": ")) {
    detail.remove_prefix(description.size() + 2);
  }
  std::string placed = description + ": " + std::string(where);
  if (!detail.empty()) placed += ": " + std::string(detail);
  return HostError(error.number(), placed);
}

}  // namespace vellumar
