// The numbered run-time errors the control and its platform layer raise, as the old host did, and the one
// exception type that carries them.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace vellumar {

// Every error number the program raises, one row each: constant, number, the host's standard description.
// A number is added here and nowhere else.
#define VELLUMAR_HOST_ERRORS(ROW)                                             \
  ROW(kErrInvalidArgument, 5, "Invalid procedure call or argument")           \
  ROW(kErrOverflow, 6, "Overflow")                                            \
  ROW(kErrOutOfMemory, 7, "Out of memory")                                    \
  ROW(kErrSubscriptOutOfRange, 9, "Subscript out of range")                   \
  ROW(kErrTypeMismatch, 13, "Type mismatch")                                  \
  ROW(kErrFileNotFound, 53, "File not found")                                 \
  ROW(kErrFileAlreadyOpen, 55, "File already open")                           \
  ROW(kErrDeviceIo, 57, "Device I/O error")                                   \
  ROW(kErrFileAlreadyExists, 58, "File already exists")                       \
  ROW(kErrDiskFull, 61, "Disk full")                                          \
  ROW(kErrPermissionDenied, 70, "Permission denied")                          \
  ROW(kErrPathFileAccess, 75, "Path/File access error")                       \
  ROW(kErrPathNotFound, 76, "Path not found")                                 \
  ROW(kErrObjectNotSet, 91, "Object variable or With block variable not set") \
  ROW(kErrInvalidFormFile, 321, "Invalid file format")                        \
  ROW(kErrInvalidPropertyValue, 380, "Invalid property value")                \
  ROW(kErrInvalidPicture, 481, "Invalid picture")

#define VELLUMAR_HOST_ERROR_CONSTANT(constant, number, description) constant = number,
enum HostErrorNumber : int { VELLUMAR_HOST_ERRORS(VELLUMAR_HOST_ERROR_CONSTANT) };
#undef VELLUMAR_HOST_ERROR_CONSTANT

// The host's standard description of a number ("Subscript out of range" for 9); numbers outside the table
// get the host's description of an error it does not know.
std::string HostErrorDescription(int number);

class HostError : public std::runtime_error {
 public:
  // The standard description alone.
  explicit HostError(int number);
  // A description of its own in place of the standard one, as a property page words its messages.
  HostError(int number, const std::string& description);

  // "Standard description: detail", where detail says what failed and where, for example
  // "pics/x.bmp: No such file or directory".
  static HostError WithDetail(int number, std::string_view detail);

  int number() const noexcept { return number_; }
  // What follows the description; empty when there is nothing.
  const std::string& detail() const noexcept { return detail_; }
  // The same error placed at where: "Description: where: detail".
  HostError Within(std::string_view where) const;

 private:
  HostError(int number, const std::string& description, std::string detail);

  int number_;
  std::string description_;  // standard or own
  std::string detail_;
};

}  // namespace vellumar
