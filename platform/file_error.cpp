#include "platform/file_error.h"

namespace vellumar {

HostError FileError(int number, const std::string& path, const std::string& reason) {
  return HostError(number, HostErrorDescription(number) + ": " + path + ": " + reason);
}

}  // namespace vellumar
