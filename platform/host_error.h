// The numbered run-time error the control and its platform layer raise, as the old host did.
#pragma once

#include <stdexcept>
#include <string>

namespace vellumar {

// Error numbers the control and the platform layer use.
enum HostErrorNumber : int {
  kErrOutOfMemory = 7,
  kErrSubscriptOutOfRange = 9,
  kErrTypeMismatch = 13,
  kErrFileNotFound = 53,
  kErrFileAlreadyOpen = 55,
  kErrDeviceIo = 57,
  kErrFileAlreadyExists = 58,
  kErrDiskFull = 61,
  kErrPermissionDenied = 70,
  kErrPathFileAccess = 75,
  kErrPathNotFound = 76,
  kErrInvalidPicture = 481,
};

// The host's standard description for a number ("Subscript out of range" for 9, ...).
std::string HostErrorDescription(int number);

class HostError : public std::runtime_error {
 public:
  // Uses the standard description of the number.
  explicit HostError(int number);
  HostError(int number, const std::string& description);

  int number() const noexcept { return number_; }

 private:
  int number_;
};

}  // namespace vellumar
