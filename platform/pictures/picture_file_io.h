// Reading whole picture files, with the host's error numbers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vellumar::pictures {

// The bytes of the file at path. Throws HostError naming path and the reason: 53 when it does not exist, 75
// when it is no regular file or cannot be read, 481 when it is larger than kMaxPictureFileBytes (checked
// before reading).
std::vector<uint8_t> ReadPictureFile(const std::string& path);

}  // namespace vellumar::pictures
