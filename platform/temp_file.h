// Fresh temporary bitmap files in the user's temporary directory.
#pragma once

#include <string>

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

}  // namespace vellumar
