// Writing the host's image to a picture file for the paint command.
#pragma once

#include <string>

#include "platform/bitmap.h"

namespace vellumar {

// Writes image to path: as BMP when the extension is ".bmp" (any case), else as PNG. Missing parent folders
// are created. The file appears complete or not at all (WriteFileAtomically), and on failure the folders
// made for it are removed. Throws HostError naming path: 5 for an empty image, 76 when a folder cannot be
// made, and the errors of WriteFileAtomically (61 for a full disk, 70, 75) when writing fails.
void WriteImageFile(const Bitmap& image, const std::string& path);

}  // namespace vellumar
