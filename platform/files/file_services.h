// The host's file services: copy, delete and existence test, failing with numbered errors.
#pragma once

#include <string>

namespace vellumar {

// Copies source to dest, replacing dest. Throws HostError 53 when source is missing, 75 otherwise on failure.
void FileCopy(const std::string& source, const std::string& dest);
// Deletes a file. Throws HostError 53 when it does not exist, 75 when it cannot be deleted.
void Kill(const std::string& path);
// True when path names an existing regular file.
bool FileExists(const std::string& path);

}  // namespace vellumar
