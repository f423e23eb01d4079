// Numbered errors about one file: the host's standard description, then the file, then what went wrong.
#pragma once

#include <string>

#include "platform/errors/host_error.h"

namespace vellumar {

// HostError number with the description "DESCRIPTION: path: reason", for example
// "Path/File access error: out/x.vform: not a regular file".
HostError FileError(int number, const std::string& path, const std::string& reason);

}  // namespace vellumar
