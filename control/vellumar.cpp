// Construction, the host's lifecycle notifications and the painting entry points.
#include "control/vellumar.h"

#include <exception>

#include "platform/errors/host_error.h"
#include "render/tab_painter.h"
#include "render/tab_painter_common.h"

namespace vellumar {
namespace {

// The painters reach every record 1 .. mNumberOfTabs; a list shorter than the count (after Terminate, or a
// load whose list could not be made) is reported as the subscript error that reaching the record would give.
void RequireRecordsForPaint(const TabStripState& s) {
  if (s.mNumberOfTabs >= 1 && s.mNumberOfTabs > s.Capacity()) throw HostError(kErrSubscriptOutOfRange);
}

}  // namespace

Vellumar::Vellumar(UserControl& host, VellumarEvents* events) : host_(host), events_(events) {}

Vellumar::~Vellumar() = default;

void Vellumar::Resize() {
  DrawTab();
}

void Vellumar::ShowAboutBox() {
  try {
    host_.ShowAboutBox();
  } catch (const std::exception&) {
    // The about box is a courtesy; failing to show it must not reach the caller.
  }
}

void Vellumar::Terminate() {
  s_.mTabs.clear();
  pictures_.Clear();
  s_.mTabRects.clear();
  painter_.Forget();
  access_keys_cover_ = -1;
}

void Vellumar::DrawTab() {
  // Any other alignment paints nothing: the surface keeps its last picture.
  if (const StripLayout* layout = LayoutForAlignment(s_.mAlignment)) Paint(*layout);
}

void Vellumar::DrawTabTop() {
  Paint(TopStripLayout());
}

void Vellumar::DrawTabBottom() {
  Paint(BottomStripLayout());
}

void Vellumar::Paint(const StripLayout& layout) {
  RequireRecordsForPaint(s_);
  painter_.Paint(s_, host_, layout);
}

void Vellumar::GetPictureSize(const StdPictureRef& pPicture, float& picX, float& picY) {
  ::vellumar::GetPictureSize(host_, pPicture.get(), picX, picY);
}

}  // namespace vellumar
