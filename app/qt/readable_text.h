// Text colours that stay readable on a background, measured as WCAG 2 measures contrast.
#pragma once

#include <QtGui/QColor>
#include <QtGui/QPalette>

namespace vellumar {

// The contrast ratio of two colours, from 1 (equal luminance) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);
// Black or white, whichever contrasts more with background: at least 4.58:1 on any colour.
QColor ReadableTextOn(const QColor& background);
// base with window and button in background and their text in ReadableTextOn(background); disabled text
// half way to the background. The field colours (Base, Text) keep base's, which read on each other already.
QPalette PaletteOn(const QColor& background, QPalette base);

}  // namespace vellumar
