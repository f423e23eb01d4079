#include "platform/errors/file_error.h"

#include "platform/errors/error_text.h"

namespace vellumar {

HostError FileError(int number, const std::string& path, const std::string& reason) {
  return HostError::WithDetail(number, PathExcerpt(path) + ": " + reason);
}

}  // namespace vellumar
