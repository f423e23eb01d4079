#include "app/headless/headless_host.h"

#include "control/vellumar.h"
#include "platform/host_error.h"

namespace vellumar {
namespace {

// HIMETRIC units (hundredths of a millimetre) per inch.
constexpr float kHimetricPerInch = 2540;

StdFontRef DefaultFont() {
  return std::make_shared<StdFont>();
}

}  // namespace

HeadlessHost::HeadlessHost() : dc_(&image_), font_(DefaultFont()) {
  dc_.SelectFont(font_);
}

void HeadlessHost::Resize(int32_t width, int32_t height) {
  const std::string size = std::to_string(width) + " x " + std::to_string(height);
  if (width < 0 || height < 0) {
    throw HostError::WithDetail(kErrOutOfMemory, "surface of " + size + " pixels has a negative side");
  }
  if (int64_t{width} * height > Bitmap::kMaxPixels) {
    throw HostError::WithDetail(kErrOutOfMemory,
                                "surface of " + size + " pixels is larger than the host can hold");
  }
  image_ = Bitmap(width, height);
  dc_.SelectBitmap(&image_);
  width_ = width;
  height_ = height;
  if (control_ != nullptr) control_->Resize();
}

void HeadlessHost::Cls() {
  ColorRef color = 0;
  if (!OleTranslateColor(back_color_, color)) color = 0;
  // The raster layer's fill clears a whole surface at memset speed; an element-wise fill costs twice that.
  dc_.FillRect(Rect{0, 0, width_, height_}, color);
}

float HeadlessHost::ScaleX(float himetric) {
  return himetric * kPixelsPerInch / kHimetricPerInch;
}
float HeadlessHost::ScaleY(float himetric) {
  return himetric * kPixelsPerInch / kHimetricPerInch;
}

void HeadlessHost::SetFont(StdFontRef font) {
  font_ = font ? std::move(font) : DefaultFont();
  dc_.SelectFont(font_);
}

StdFontRef HeadlessHost::AmbientFont() {
  auto font = std::make_shared<StdFont>();
  font->SetName("MS Sans Serif");
  font->SetSize(8);
  return font;
}

void HeadlessHost::PropertyChanged(const std::string& name) {
  HostNotice notice;
  notice.kind = HostNotice::Kind::kPropertyChanged;
  notice.name = name;
  Notify(notice);
}

bool HeadlessHost::GetCursorPos(Point& position) {
  // Outside the window means anywhere the window is not; just left of and above its origin will do.
  position = cursor_.value_or(Point{-1, -1});
  return true;
}

WindowHandle HeadlessHost::WindowFromPoint(Point position) {
  return Rect{0, 0, width_, height_}.Contains(position.x, position.y) ? kWindow : 0;
}

Rect HeadlessHost::GetClientRect(WindowHandle window) {
  return window == kWindow ? Rect{0, 0, width_, height_} : Rect{};
}

void HeadlessHost::TabPressed(int16_t& PreviousTab) {
  HostNotice notice;
  notice.name = "TabPressed";
  notice.arguments[0] = {"PreviousTab", static_cast<float>(PreviousTab)};
  notice.argument_count = 1;
  Notify(notice);
}

void HeadlessHost::MouseIn(int16_t& Button, int16_t& Shift, float& X, float& Y) {
  NotifyMouse("MouseIn", Button, Shift, X, Y);
}
void HeadlessHost::MouseOut(int16_t& Button, int16_t& Shift, float& X, float& Y) {
  NotifyMouse("MouseOut", Button, Shift, X, Y);
}
void HeadlessHost::MouseDown(int16_t& Button, int16_t& Shift, float& X, float& Y) {
  NotifyMouse("MouseDown", Button, Shift, X, Y);
}
void HeadlessHost::MouseUp(int16_t& Button, int16_t& Shift, float& X, float& Y) {
  NotifyMouse("MouseUp", Button, Shift, X, Y);
}

void HeadlessHost::Notify(const HostNotice& notice) const {
  if (listener_) listener_(notice);
}

void HeadlessHost::NotifyMouse(std::string_view event, int16_t button, int16_t shift, float x,
                               float y) const {
  HostNotice notice;
  notice.name = event;
  notice.arguments = {
      {{"Button", static_cast<float>(button)}, {"Shift", static_cast<float>(shift)}, {"X", x}, {"Y", y}}};
  notice.argument_count = 4;
  Notify(notice);
}

}  // namespace vellumar
