#include "platform/errors/host_error.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vellumar {
namespace {

struct HostErrorRow {
  int number;
  std::string_view description;
};

#define VELLUMAR_HOST_ERROR_ROW(constant, number, description) HostErrorRow{number, description},
constexpr std::array kHostErrors{VELLUMAR_HOST_ERRORS(VELLUMAR_HOST_ERROR_ROW)};
#undef VELLUMAR_HOST_ERROR_ROW

constexpr bool NumbersAreUnique() {
  for (size_t i = 0; i < kHostErrors.size(); ++i) {
    for (size_t j = i + 1; j < kHostErrors.size(); ++j) {
      if (kHostErrors[i].number == kHostErrors[j].number) return false;
    }
  }
  return true;
}
static_assert(NumbersAreUnique(), "two rows of the host error table share a number");

constexpr std::string_view kUnknownError = "Application-defined or object-defined error";

std::string Joined(const std::string& description, const std::string& detail) {
  return detail.empty() ? description : description + ": " + detail;
}

}  // namespace

std::string HostErrorDescription(int number) {
  const auto row = std::ranges::find(kHostErrors, number, &HostErrorRow::number);
  return std::string(row != kHostErrors.end() ? row->description : kUnknownError);
}

HostError::HostError(int number) : HostError(number, HostErrorDescription(number), {}) {}

HostError::HostError(int number, const std::string& description) : HostError(number, description, {}) {}

HostError::HostError(int number, const std::string& description, std::string detail)
    : std::runtime_error(Joined(description, detail)),
      number_(number),
      description_(description),
      detail_(std::move(detail)) {}

HostError HostError::WithDetail(int number, std::string_view detail) {
  return HostError(number, HostErrorDescription(number), std::string(detail));
}

HostError HostError::Within(std::string_view where) const {
  std::string placed(where);
  if (!detail_.empty()) placed += ": " + detail_;
  return HostError(number_, description_, std::move(placed));
}

}  // namespace vellumar
