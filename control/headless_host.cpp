#include "control/headless_host.h"

#include "control/vellumar.h"

namespace vellumar {

void HeadlessHost::Resize(int32_t width, int32_t height) {
  surface().Resize(width, height);
  if (control_ != nullptr) control_->Resize();
}

void HeadlessHost::SetScale(int32_t scale) {
  surface().SetScale(scale);
  if (control_ != nullptr) control_->Resize();
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
  return Rect{0, 0, width(), height()}.Contains(position.x, position.y) ? kWindow : 0;
}

Rect HeadlessHost::GetClientRect(WindowHandle window) {
  return window == kWindow ? Rect{0, 0, width(), height()} : Rect{};
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
