// Fresh temporary bitmap files in the user's temporary directory.
#pragma once

#include <string>

#include "platform/files/signal_cleanup.h"

namespace vellumar {

// The temporary directory with a trailing "/": $TMPDIR when it names a directory, else /tmp; empty when
// neither exists.
std::string GetTempDirectory();
// The path of a newly created, empty file "~GA" + unique part + ".TMP" in the temporary directory, made
// without a race (mkstemps, mode 0600); empty when none can be made.
std::string GetTempFileNameTmp();
// The path of a fresh, empty file with the extension "bmp": the TMP file's name with "bmp" in place of its
// last three characters, created without a race; the TMP file is gone afterwards. Throws HostError 75 when
// no such file can be made (there is no shared fallback path).
std::string GetTempBitmapName();

// A fresh temporary bitmap file (GetTempBitmapName, mode 0600) for one conversion. A terminating signal
// removes it (InstallFileSignalHandling), and so does the end of the object unless Delete has.
class TempBitmapFile {
 public:
  // Throws as GetTempBitmapName.
  TempBitmapFile();
  ~TempBitmapFile();
  TempBitmapFile(const TempBitmapFile&) = delete;
  TempBitmapFile& operator=(const TempBitmapFile&) = delete;

  const std::string& path() const { return path_; }
  // Deletes the file now (Kill), so that a failure to delete reaches the caller.
  void Delete();

 private:
  std::string path_;                  // empty once deleted
  RegisteredTemporary registration_;  // ends after the destructor's body has removed the file
};

}  // namespace vellumar
