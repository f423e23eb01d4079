// Construction, the host's lifecycle notifications and the painting entry points.
#include "control/vellumar.h"

#include <exception>

#include "platform/host_error.h"
#include "render/tab_painter.h"

namespace vellumar {
namespace {

// Alignments 0 to 3 paint (1 at the bottom, the others on top); DrawTab paints nothing for any other value.
constexpr int32_t kLastTopAlignment = 3;

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
  access_keys_cover_ = -1;
}

void Vellumar::DrawTab() {
  const bool paints = s_.mAlignment >= reg_Top && s_.mAlignment <= kLastTopAlignment;
  if (paints) RequireRecordsForPaint(s_);
  ::vellumar::DrawTab(s_, host_);
}

void Vellumar::DrawTabTop() {
  RequireRecordsForPaint(s_);
  ::vellumar::DrawTabTop(s_, host_);
}

void Vellumar::DrawTabBottom() {
  RequireRecordsForPaint(s_);
  ::vellumar::DrawTabBottom(s_, host_);
}

void Vellumar::GetPictureSize(const StdPictureRef& pPicture, float& picX, float& picY) {
  ::vellumar::GetPictureSize(host_, pPicture.get(), picX, picY);
}

}  // namespace vellumar
