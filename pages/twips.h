// Page layouts are given in twips; widgets are placed in pixels at 96 dpi (15 twips a pixel).
#pragma once

#include <QRect>
#include <QWidget>

namespace vellumar {

inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) {
  return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

constexpr QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

// Places an absolutely positioned widget at its layout position in twips.
inline void PlaceAt(QWidget& widget, int left, int top, int width, int height) {
  widget.setGeometry(TwipsRect(left, top, width, height));
}

}  // namespace vellumar
