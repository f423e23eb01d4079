// The host interface: everything the control asks of the host that carries it (the old UserControl surface),
// and the sink through which the container receives the control's events. Two hosts implement it: the
// headless host of the command-line tool and tests, and the Qt widget.
#pragma once

#include <cstdint>
#include <string>

#include "platform/ole_color.h"
#include "platform/text/std_font.h"
#include "render/paint_surface.h"

namespace vellumar {

class UserControl : public PaintSurface {
 public:
  // The surface's background colour (what Cls clears to) and text colour, stored as given.
  virtual void SetBackColor(OleColor color) = 0;
  virtual OleColor BackColor() = 0;
  virtual void SetForeColor(OleColor color) = 0;
  virtual OleColor ForeColor() = 0;
  // The surface font: the font of all text drawn into hDC. Never null.
  virtual StdFontRef Font() = 0;
  virtual void SetFont(StdFontRef font) = 0;
  // Alt plus one of these characters arrives as AccessKeyPress.
  virtual void SetAccessKeys(const std::string& keys) = 0;
  // The host marks the property as changed (for saving and its property browser).
  virtual void PropertyChanged(const std::string& name) = 0;
  // The container's font.
  virtual StdFontRef AmbientFont() = 0;
  // Shows the component's about box modally; a host without a display has none to show.
  virtual void ShowAboutBox() {}
};

// The container's side: the control's events. Every argument is by reference, as the container may write it.
class VellumarEvents {
 public:
  virtual ~VellumarEvents() = default;
  virtual void TabPressed(int16_t& PreviousTab) = 0;
  virtual void MouseIn(int16_t& Button, int16_t& Shift, float& X, float& Y) = 0;
  virtual void MouseOut(int16_t& Button, int16_t& Shift, float& X, float& Y) = 0;
  virtual void MouseDown(int16_t& Button, int16_t& Shift, float& X, float& Y) = 0;
  virtual void MouseUp(int16_t& Button, int16_t& Shift, float& X, float& Y) = 0;
};

}  // namespace vellumar
