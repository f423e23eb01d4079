#include "platform/host_error.h"

namespace vellumar {

std::string HostErrorDescription(int number) {
  switch (number) {
    case kErrOutOfMemory: return "Out of memory";
    case kErrSubscriptOutOfRange: return "Subscript out of range";
    case kErrTypeMismatch: return "Type mismatch";
    case kErrFileNotFound: return "File not found";
    case kErrFileAlreadyOpen: return "File already open";
    case kErrDeviceIo: return "Device I/O error";
    case kErrFileAlreadyExists: return "File already exists";
    case kErrDiskFull: return "Disk full";
    case kErrPermissionDenied: return "Permission denied";
    case kErrPathFileAccess: return "Path/File access error";
    case kErrPathNotFound: return "Path not found";
    case kErrInvalidPicture: return "Invalid picture";
    default: return "Application-defined or object-defined error";
  }
}

HostError::HostError(int number) : HostError(number, HostErrorDescription(number)) {}

HostError::HostError(int number, const std::string& description)
    : std::runtime_error(description), number_(number) {}

}  // namespace vellumar
