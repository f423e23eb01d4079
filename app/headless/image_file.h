// Writing the host's image to a picture file for the paint command.
#pragma once

#include <string>

#include "platform/raster/bitmap.h"

namespace vellumar {

// Writes image to path: as BMP when the extension is ".bmp" (any case), else as PNG, row by row into the
// temporary file, so that writing costs little memory beyond the image. Missing parent folders are created.
// The file appears complete or not at all, and a symbolic link at path keeps pointing at it
// (WriteFileAtomically); on failure the folders made for it are removed too. A form is never written over:
// neither form, the form the image was painted from (empty for none), nor any file that holds a form
// (RequireNoFormAt). Throws HostError 5 for an empty image, 75 for a form at path, 76 when a folder cannot
// be made, and WriteFileAtomically's errors when writing fails.
void WriteImageFile(const Bitmap& image, const std::string& path, const std::string& form = {});

}  // namespace vellumar
