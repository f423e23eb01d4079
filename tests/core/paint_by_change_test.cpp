// Painting by change against painting from scratch: two controls go through the same long random sequence of
// operations (appearance properties, tab list changes, captions, widths, pictures, resizes, pointer moves
// over heads, strip, page and outside, presses, keys, focus, changes made behind the control's back). One
// paints as it always does; the other forgets everything after every paint, so that each of its paints lays
// out and draws the whole control. After every step both must agree on every pixel, every stored rectangle
// and record field, the colour members and everything their hosts and containers heard, in order; and
// every pixel that changed on the first must lie in the area its host was told to show. A repaint of the
// state a paint left, nothing changed in between, must then leave every pixel as it is: the picture may
// depend on where the control is, never on how it got there. One sweep takes the sizes forms use, one
// heads, strips and controls of zero or less or a few pixels, where a step that covers another usually
// does not.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "fake_host.h"
#include "platform/errors/host_error.h"
#include "platform/raster/bitmap.h"
#include "platform/raster/damage_region.h"

namespace vellumar::testing {
namespace {

bool Covers(const DamageRegion& region, int32_t x, int32_t y) {
  for (const Rect& r : region.rects()) {
    if (r.Contains(x, y)) return true;
  }
  return false;
}

// Checks at every Refresh that each pixel that differs from the picture shown before lies in the area the
// surface says changed, as a host that shows only that area relies on.
class ShowingHost : public FakeHost {
 public:
  using FakeHost::FakeHost;
  void Refresh() override {
    FakeHost::Refresh();
    const DamageRegion damage = surface().TakeDamage();
    const Bitmap& image = surface().image();
    const bool same_size = shown_.width() == image.width() && shown_.height() == image.height();
    for (int32_t y = 0; y < image.height() && unshown_pixels == 0; ++y) {
      for (int32_t x = 0; x < image.width(); ++x) {
        const bool changed = !same_size || shown_.Pixel(x, y) != image.Pixel(x, y);
        if (changed && !Covers(damage, x, y)) ++unshown_pixels;
      }
    }
    shown_ = image;
  }
  int unshown_pixels = 0;

 private:
  Bitmap shown_;
};

// Forgets the picture and the layout after every paint, so that the next paint starts from nothing.
class ScratchHost : public FakeHost {
 public:
  using FakeHost::FakeHost;
  void Refresh() override {
    FakeHost::Refresh();
    surface().MarkChanged();
    if (control != nullptr) control->mutable_state();
  }
  Vellumar* control = nullptr;
};

template <typename Host>
struct Driven {
  Driven() {
    control.InitProperties();
    control.Resize();
  }
  Host host;
  RecordingEvents events{host.log};
  Vellumar control{host, &events};
};

constexpr OleColor kColors[] = {0xE3DFE0, 0xFFFFFF,   0x000000,   0x2890E8,   0x38D0FF,  0xA0A098,
                                0xFF00FF, 0x80000012, 0x8000000F, 0x800000FF, 0x12345678};
constexpr int32_t kTabHeights[] = {22, 22, 22, 25, 30, 5, 4, 0, -3, 1, 60, 600};
constexpr int32_t kAlignments[] = {0, 0, 0, 1, 1, 2, 3, 5, -1};
constexpr int32_t kWidths[] = {60, 60, 45, 100, 0, 1, 3, -2, -5, -70};
// Heads, strips and controls at the edge of existing: widths and heights of zero or less, or a few pixels.
constexpr int32_t kThinTabHeights[] = {22, 0, -1, -3, -22, 1, 2, 3, 4};
constexpr int32_t kThinWidths[] = {60, 0, -1, -2, -5, -70, 1, 2, 3};
constexpr const char* kCaptions[] = {
    "",     "Tab",  "&Datei", "Two words", "A caption long enough to wrap", "Unbreakablecaptionthatiswide",
    "x\ny", "&&amp"};
constexpr const char* kFontNames[] = {"MS Sans Serif", "Tahoma", "DejaVu Sans"};
struct Size {
  int32_t width;
  int32_t height;
};
constexpr Size kSizes[] = {{300, 200}, {300, 200}, {220, 120}, {420, 60}, {50, 50}, {0, 0}, {300, 0}, {1, 1}};
constexpr Size kThinSizes[] = {{300, 80}, {300, 80}, {0, 0},  {1, 1},  {2, 3},
                               {5, 1},    {0, 50},   {50, 0}, {3, 30}, {12, 7}};

// The sizes one sweep draws its heads, strips and controls from.
struct Geometry {
  std::span<const int32_t> tab_heights;
  std::span<const int32_t> widths;
  std::span<const Size> sizes;
};
constexpr Geometry kUsual{kTabHeights, kWidths, kSizes};
constexpr Geometry kThin{kThinTabHeights, kThinWidths, kThinSizes};

StdPictureRef Picture(uint32_t seed) {
  Bitmap bitmap(16, 12);
  for (int32_t y = 0; y < bitmap.height(); ++y) {
    for (int32_t x = 0; x < bitmap.width(); ++x) {
      bitmap.SetPixel(x, y, (x + y + seed) % 3 == 0 ? 0xFF00FF : Rgb(x * 15, y * 20, static_cast<int>(seed)));
    }
  }
  return StdPicture::FromBitmap(std::move(bitmap));
}

// One operation, applied to a control and its host the same way on both sides.
using Operation = std::function<void(Vellumar&, FakeHost&)>;

class OperationSource {
 public:
  OperationSource(uint32_t seed, const Geometry& geometry) : rng_(seed), geometry_(geometry) {}

  // Whether DrawTab now paints what the last operation's paint painted, in the same layout and colours: not
  // after DrawTabTop or DrawTabBottom, nor after ForeColorHot, which is only taken by the next paint.
  bool Settled() const { return settled_; }

  // pointer positions are taken from the rectangles the incremental control recorded.
  Operation Next(const TabStripState& st) {
    settled_ = true;
    switch (Pick(16)) {
      case 0:
      case 1:
        return Color();
      case 2:
        return Appearance();
      case 3:
        return FontChange();
      case 4:
        return AddTab();
      case 5:
        return [](Vellumar& c, FakeHost&) { c.DeleteTab(); };
      case 6:
        return TabProperty(st);
      case 7:
        return Selection(st);
      case 8:
        return Resize();
      case 9:
      case 10:
      case 11:
        return PointerMove(st);
      case 12:
        return Press(st);
      case 13:
        return Keys();
      case 14:
        return Focus();
      default:
        return BehindTheBack();
    }
  }

 private:
  uint32_t Pick(uint32_t n) { return rng_() % n; }
  template <typename T, size_t N>
  T From(const T (&values)[N]) {
    return values[Pick(N)];
  }
  template <typename T>
  T From(std::span<const T> values) {
    return values[Pick(static_cast<uint32_t>(values.size()))];
  }

  Operation Color() {
    using Setter = void (Vellumar::*)(OleColor);
    static constexpr Setter kSetters[] = {
        &Vellumar::SetBackColor,           &Vellumar::SetForeColor,
        &Vellumar::SetForeColorActive,     &Vellumar::SetBackColorForm,
        &Vellumar::SetMouseMoveColor0,     &Vellumar::SetMouseMoveColor1,
        &Vellumar::SetMouseMoveColor2,     &Vellumar::SetRegisterFocusColor0,
        &Vellumar::SetRegisterFocusColor1, &Vellumar::SetRegisterFocusColor2,
        &Vellumar::SetFrameColor,          &Vellumar::SetMaskColor,
        &Vellumar::SetForeColorHot};
    const Setter setter = From(kSetters);
    const OleColor color = From(kColors);
    settled_ = setter != &Vellumar::SetForeColorHot;
    return [=](Vellumar& c, FakeHost&) { (c.*setter)(color); };
  }

  Operation Appearance() {
    if (Pick(2) == 0) {
      const int32_t height = From(geometry_.tab_heights);
      return [=](Vellumar& c, FakeHost&) { c.SetTabHeight(height); };
    }
    const int32_t alignment = From(kAlignments);
    return [=](Vellumar& c, FakeHost&) { c.SetAlignment(alignment); };
  }

  Operation FontChange() {
    const VbBool on = Pick(2) ? kTrue : kFalse;
    switch (Pick(6)) {
      case 0:
        return [=](Vellumar& c, FakeHost&) { c.SetFontBold(on); };
      case 1:
        return [=](Vellumar& c, FakeHost&) { c.SetFontItalic(on); };
      case 2:
        return [=](Vellumar& c, FakeHost&) { c.SetFontUnderline(on); };
      case 3:
        return [=](Vellumar& c, FakeHost&) { c.SetFontStrikethru(on); };
      case 4: {
        const float size = static_cast<float>(From(kTabHeights) % 15 + 6);
        return [=](Vellumar& c, FakeHost&) { c.SetFontSize(size); };
      }
      default: {
        const std::string name = From(kFontNames);
        return [=](Vellumar& c, FakeHost&) { c.SetFontName(name); };
      }
    }
  }

  Operation AddTab() {
    const int32_t width = From(geometry_.widths);
    const std::string caption = From(kCaptions);
    const uint32_t picture = Pick(4);
    return [=](Vellumar& c, FakeHost&) {
      int32_t w = width;
      std::string text = caption;
      StdPictureRef p = picture == 0 ? Picture(picture) : nullptr;
      c.AddTab(w, text, p);
    };
  }

  int32_t TabIndex(const TabStripState& st) {
    return static_cast<int32_t>(Pick(static_cast<uint32_t>(st.mNumberOfTabs) + 3)) - 1;
  }

  Operation TabProperty(const TabStripState& st) {
    const int32_t index = TabIndex(st);
    switch (Pick(3)) {
      case 0: {
        const int32_t width = From(geometry_.widths);
        return [=](Vellumar& c, FakeHost&) { c.SetTabWidth(index, width); };
      }
      case 1: {
        const std::string caption = From(kCaptions);
        return [=](Vellumar& c, FakeHost&) { c.SetTabCaption(index, caption); };
      }
      default: {
        const uint32_t seed = Pick(3);
        return [=](Vellumar& c, FakeHost&) { c.SetTabPicture(index, seed == 0 ? nullptr : Picture(seed)); };
      }
    }
  }

  Operation Selection(const TabStripState& st) {
    const int32_t index = TabIndex(st);
    return [=](Vellumar& c, FakeHost&) { c.SetSelectedTab(index); };
  }

  Operation Resize() {
    const Size size = From(geometry_.sizes);
    return [=](Vellumar& c, FakeHost& h) {
      h.surface().Resize(size.width, size.height);
      h.windows.client = Rect{0, 0, size.width, size.height};
      c.Resize();
    };
  }

  // Over a head, elsewhere on the strip, over the page, or outside the window.
  Point Somewhere(const TabStripState& st) {
    const uint32_t where = Pick(4);
    if (where == 0 && st.mTabRects.size() > 1) {
      const Rect& head = st.mTabRects[1 + Pick(static_cast<uint32_t>(st.mTabRects.size() - 1))];
      return Point{head.left + static_cast<int32_t>(Pick(40)), head.top + static_cast<int32_t>(Pick(20))};
    }
    return Point{static_cast<int32_t>(Pick(330)) - 10, static_cast<int32_t>(Pick(230)) - 10};
  }

  Operation PointerMove(const TabStripState& st) {
    const Point at = Somewhere(st);
    const bool over = Pick(6) != 0;
    return [=](Vellumar& c, FakeHost& h) {
      h.windows.pointer_over_control = over;
      c.MouseMove(0, 0, static_cast<float>(at.x), static_cast<float>(at.y));
    };
  }

  Operation Press(const TabStripState& st) {
    const Point at = Somewhere(st);
    const bool down = Pick(2) == 0;
    return [=](Vellumar& c, FakeHost&) {
      if (down) {
        c.MouseDown(1, 0, static_cast<float>(at.x), static_cast<float>(at.y));
      } else {
        c.MouseUp(1, 0, static_cast<float>(at.x), static_cast<float>(at.y));
      }
    };
  }

  Operation Keys() {
    const int16_t key = static_cast<int16_t>(37 + Pick(4));
    const int16_t letter = static_cast<int16_t>(Pick(2) ? 'd' : 'a');
    if (Pick(2) == 0) return [=](Vellumar& c, FakeHost&) { c.AccessKeyPress(letter); };
    return [=](Vellumar& c, FakeHost&) {
      int16_t code = key;
      c.KeyDown(code, 0);
    };
  }

  Operation Focus() {
    switch (Pick(5)) {
      case 0:
        return [](Vellumar& c, FakeHost&) { c.LostFocus(); };
      case 1:
        settled_ = false;
        return [](Vellumar& c, FakeHost&) { c.DrawTabTop(); };
      case 2:
        settled_ = false;
        return [](Vellumar& c, FakeHost&) { c.DrawTabBottom(); };
      default:
        return [](Vellumar& c, FakeHost&) { c.GotFocus(); };
    }
  }

  // The surface font changed through the object the control hands out, or the host's background colour
  // changed; the control notices at its next paint.
  Operation BehindTheBack() {
    const bool on = Pick(2) == 0;
    const OleColor color = From(kColors);
    switch (Pick(3)) {
      case 0:
        return [=](Vellumar& c, FakeHost&) {
          c.Font()->SetItalic(on);
          c.DrawTab();
        };
      case 1:
        return [=](Vellumar& c, FakeHost& h) {
          h.SetBackColor(color);
          c.DrawTab();
        };
      default:
        settled_ = false;
        return [=](Vellumar& c, FakeHost&) { c.SetForeColorHot(color); };
    }
  }

  std::mt19937 rng_;
  Geometry geometry_;
  bool settled_ = true;
};

int ErrorOf(const Operation& operation, Vellumar& control, FakeHost& host) {
  try {
    operation(control, host);
  } catch (const HostError& error) {
    return error.number();
  }
  return 0;
}

void ExpectSameState(const TabStripState& a, const TabStripState& b) {
  ASSERT_EQ(a.mTabRects, b.mTabRects);
  ASSERT_EQ(a.mPageRect, b.mPageRect);
  ASSERT_EQ(a.mSelectedTab, b.mSelectedTab);
  ASSERT_EQ(a.mHotTab, b.mHotTab);
  ASSERT_EQ(a.mMouseInPage, b.mMouseInPage);
  ASSERT_EQ(a.mBackColor, b.mBackColor);
  ASSERT_EQ(a.mBackColorForm, b.mBackColorForm);
  ASSERT_EQ(a.mFrameColor, b.mFrameColor);
  ASSERT_EQ(a.mNumberOfTabs, b.mNumberOfTabs);
  ASSERT_EQ(a.mTabs.size(), b.mTabs.size());
  for (size_t i = 1; i < a.mTabs.size(); ++i) {
    ASSERT_EQ(a.mTabs[i] == nullptr, b.mTabs[i] == nullptr) << i;
    if (a.mTabs[i] == nullptr) continue;
    ASSERT_EQ(a.mTabs[i]->TabLeft, b.mTabs[i]->TabLeft) << i;
    ASSERT_EQ(a.mTabs[i]->TabTop, b.mTabs[i]->TabTop) << i;
    ASSERT_EQ(a.mTabs[i]->TabHeight, b.mTabs[i]->TabHeight) << i;
  }
}

void ExpectAgreementThroughout(const Geometry& geometry) {
  constexpr int kSeeds = 4;
  constexpr int kSteps = 1500;
  for (uint32_t seed = 1; seed <= kSeeds; ++seed) {
    Driven<ShowingHost> changed;
    Driven<ScratchHost> scratch;
    scratch.host.control = &scratch.control;
    ASSERT_TRUE(changed.host.surface().image() == scratch.host.surface().image());
    OperationSource source(seed, geometry);
    bool settled = true;  // every paint since the last unsettling operation took the whole state
    for (int step = 0; step < kSteps; ++step) {
      SCOPED_TRACE(::testing::Message() << "seed " << seed << " step " << step);
      const Operation operation = source.Next(changed.control.state());
      const size_t heard = changed.host.log.size();
      const int error = ErrorOf(operation, changed.control, changed.host);
      ASSERT_EQ(ErrorOf(operation, scratch.control, scratch.host), error);
      ASSERT_TRUE(changed.host.surface().image() == scratch.host.surface().image());
      ExpectSameState(changed.control.state(), scratch.control.state());
      ASSERT_EQ(changed.host.log, scratch.host.log);
      ASSERT_EQ(changed.host.unshown_pixels, 0);
      if (::testing::Test::HasFatalFailure()) return;
      const bool painted_now = std::find(changed.host.log.begin() + static_cast<ptrdiff_t>(heard),
                                         changed.host.log.end(), "paint") != changed.host.log.end();
      settled = source.Settled() && (settled || painted_now);
      if (settled) {
        // The picture depends on the state a paint leaves, not on the way there: a paint of that state
        // again, nothing changed in between, leaves every pixel.
        const Bitmap painted = changed.host.surface().image();
        const Operation again = [](Vellumar& c, FakeHost&) { c.DrawTab(); };
        ASSERT_EQ(ErrorOf(again, changed.control, changed.host),
                  ErrorOf(again, scratch.control, scratch.host));
        ASSERT_TRUE(scratch.host.surface().image() == painted);
        ASSERT_TRUE(changed.host.surface().image() == painted);
      }
    }
  }
}

TEST(PaintByChange, AgreesWithPaintingFromScratchAfterEveryStep) {
  ExpectAgreementThroughout(kUsual);
}

TEST(PaintByChange, AgreesForHeadsStripsAndControlsOfZeroOrLessOrAFewPixels) {
  ExpectAgreementThroughout(kThin);
}

}  // namespace
}  // namespace vellumar::testing
