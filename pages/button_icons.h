// The two 16 x 16 pictures of the tabs page's picture buttons, drawn by code.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace vellumar {

inline constexpr int kButtonIconSize = 16;

QPixmap OpenFolderPixmap();   // a yellow folder, opened
QPixmap DeleteCrossPixmap();  // a dark-red cross

}  // namespace vellumar
