// Reading and writing whole picture files, with the host's error numbers.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vellumar::pictures {

// The bytes of the file at path. Throws HostError 53 when it does not exist, 75 when it is no regular file
// or cannot be read, 481 when it is larger than kMaxPictureFileBytes (checked before reading).
std::vector<uint8_t> ReadPictureFile(const std::string& path);

// Writes bytes to a temporary file beside path and renames it over path once every byte is on disk, so that
// path holds either its old content or the new one. Throws HostError 75 on any failure, leaving no temporary
// file behind.
void WriteFileReplacing(const std::string& path, std::span<const uint8_t> bytes);

}  // namespace vellumar::pictures
