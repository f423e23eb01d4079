// Drawing icon images: nearest-neighbour scaling, the AND mask and alpha blending, clipped to the target.
#pragma once

#include <cstdint>

#include "platform/geometry.h"
#include "platform/pictures/picture.h"

namespace vellumar::pictures {

// Draws icon scaled to width x height with its top-left at (x, y) of target, clipped to bounds, a rectangle
// within target (any coordinates are safe). With alpha, each pixel is blended over the target (0 leaves it,
// 255 replaces it); without, pixels whose mask bit is 1 leave the target and the others replace it. A
// monochrome target gets 1 where the drawn colour equals mono_background and 0 elsewhere, as a
// colour-to-monochrome copy does.
void DrawIconImage(Bitmap& target, const Rect& bounds, int32_t x, int32_t y, int32_t width, int32_t height,
                   const IconImage& icon, ColorRef mono_background);

// The icon drawn at width x height over a bitmap filled with background.
Bitmap IconOnBackground(const IconImage& icon, int32_t width, int32_t height, ColorRef background);

}  // namespace vellumar::pictures
