// Small colour squares for lists and previews.
#pragma once

#include <QColor>
#include <QIcon>
#include <QSize>

#include "platform/ole_color.h"

namespace vellumar {

// The RGB colour an OLE colour stands for; a colour that cannot be translated shows black.
QColor ToQColor(OleColor color);
// A filled square with a dark frame.
QIcon SwatchIcon(OleColor color, QSize size = QSize(16, 12));

}  // namespace vellumar
