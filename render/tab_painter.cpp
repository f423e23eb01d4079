// DrawTab, the one repaint entry, and the picture size the painters reserve room for.
#include "render/tab_painter.h"

namespace vellumar {

void DrawTab(TabStripState& state, PaintSurface& surface) {
  switch (state.mAlignment) {
    case reg_Top:
    case 2:
    case 3:
      DrawTabTop(state, surface);
      break;
    case reg_Bottom:
      DrawTabBottom(state, surface);
      break;
    default:
      // The surface keeps its last picture.
      break;
  }
}

void GetPictureSize(PaintSurface& surface, const StdPicture* picture, float& picX, float& picY) {
  picX = 0;
  picY = 0;
  if (picture == nullptr) return;
  picX = surface.ScaleX(static_cast<float>(picture->Width()));
  picY = surface.ScaleY(static_cast<float>(picture->Height()));
}

}  // namespace vellumar
