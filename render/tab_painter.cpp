// DrawTab, the one repaint entry, and the picture size the painters reserve room for.
#include "render/tab_painter.h"

#include "render/tab_painter_common.h"
#include "render/tab_strip_painter.h"

namespace vellumar {

void DrawTab(TabStripState& state, PaintSurface& surface) {
  // Any other alignment paints nothing: the surface keeps its last picture.
  if (const StripLayout* layout = LayoutForAlignment(state.mAlignment)) {
    TabStripPainter().Paint(state, surface, *layout);
  }
}

void DrawTabTop(TabStripState& state, PaintSurface& surface) {
  TabStripPainter().Paint(state, surface, TopStripLayout());
}

void DrawTabBottom(TabStripState& state, PaintSurface& surface) {
  TabStripPainter().Paint(state, surface, BottomStripLayout());
}

void GetPictureSize(PaintSurface& surface, const StdPicture* picture, float& picX, float& picY) {
  picX = 0;
  picY = 0;
  if (picture == nullptr) return;
  picX = surface.ScaleX(static_cast<float>(picture->Width()));
  picY = surface.ScaleY(static_cast<float>(picture->Height()));
}

}  // namespace vellumar
