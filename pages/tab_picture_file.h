// Turning the file chosen on the tabs page into the picture the page shows: icons go through picTemp and a
// temporary bitmap file, so that their transparent parts take picTemp's background (the default mask
// colour); every other picture is loaded as it is.
#pragma once

#include <optional>
#include <string>

#include "control/icon_conversion.h"
#include "platform/pictures/picture.h"

namespace vellumar {

// The open-file dialog's result (path, then one NUL) up to its NUL.
std::string ChosenPath(const std::string& chosen);

// Whether the dialog's result names an icon: of its last four characters, blanks at the end removed, the
// first three are "ico" in any letter case. Behind the trailing NUL these are the extension's letters.
bool IsIconFileName(const std::string& chosen);

// The picture for the chosen file, or nothing when the converted bitmap did not come back (the page then
// keeps what it shows). Errors of loading (481 for a file that is no picture, 53 for a missing one), of the
// temporary file and of saving pass to the caller; the temporary file never stays behind.
std::optional<StdPictureRef> LoadTabPicture(const std::string& chosen, HiddenPictureBox& picTemp);

}  // namespace vellumar
