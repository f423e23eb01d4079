// The two tab-strip painters as free routines: each is a full repaint of the surface by a fresh painter,
// recording the head and page rectangles.
#pragma once

#include "platform/pictures/picture.h"
#include "render/paint_surface.h"
#include "render/tab_strip_state.h"

namespace vellumar {

// Paints by state.mAlignment: 0, 2, 3 top; 1 bottom; anything else nothing.
void DrawTab(TabStripState& state, PaintSurface& surface);
void DrawTabTop(TabStripState& state, PaintSurface& surface);
void DrawTabBottom(TabStripState& state, PaintSurface& surface);

// The picture's size in pixels through the surface's scaling; 0 x 0 for no picture.
void GetPictureSize(PaintSurface& surface, const StdPicture* picture, float& picX, float& picY);

}  // namespace vellumar
