// The fonts of the old dialogs: MS Sans Serif for pages and labels, Tahoma and Courier on the about box.
// They come from the Wine font package and are made known to Qt on first use; without the package Qt
// substitutes a similar family.
#pragma once

#include <QFont>
#include <QString>

namespace vellumar {

// The pages' own font: MS Sans Serif 8.25 pt.
QFont DialogFont();
// A font of the given family and size in points; registers the Wine fonts first.
QFont NamedFont(const QString& family, double points, bool bold = false);

}  // namespace vellumar
