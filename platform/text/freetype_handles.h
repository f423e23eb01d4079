// Owning handles for FreeType objects, so that a library or face is released on every path.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>

namespace vellumar {

struct FtLibraryDeleter {
  void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
struct FtFaceDeleter {
  void operator()(FT_Face face) const { FT_Done_Face(face); }
};

using FtLibraryPtr = std::unique_ptr<FT_LibraryRec_, FtLibraryDeleter>;
using FtFacePtr = std::unique_ptr<FT_FaceRec_, FtFaceDeleter>;

}  // namespace vellumar
