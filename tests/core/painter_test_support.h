// Shared pieces of the painter tests: the worked example's state with a distinct colour per member, pixel
// maps whose letters name the member each pixel comes from, and text and colour probes.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/drawing/text.h"
#include "platform/ole_color.h"
#include "render/tab_strip_state.h"
#include "tests/core/paint_surface_fake.h"

namespace vellumar::testing {

// One colour per member, none equal to another or to a body-gradient colour. BackColor is chosen so that the
// two derived colours are RGB(229, 228, 232) (Light) and RGB(209, 208, 212) (Dark).
inline constexpr ColorRef kPage = Rgb(250, 250, 250);  // what Cls clears to
inline constexpr ColorRef kBackColor = Rgb(224, 223, 227);
inline constexpr ColorRef kLight = Rgb(229, 228, 232);
inline constexpr ColorRef kDark = Rgb(209, 208, 212);
inline constexpr ColorRef kBackColorForm = Rgb(190, 200, 240);
inline constexpr ColorRef kFrameColor = Rgb(0, 60, 116);
inline constexpr ColorRef kForeColor = Rgb(1, 2, 3);
inline constexpr ColorRef kForeColorActive = Rgb(4, 5, 6);
inline constexpr ColorRef kForeColorHot = Rgb(7, 8, 9);
inline constexpr ColorRef kMaskColor = Rgb(255, 0, 255);
inline constexpr ColorRef kMouseMove0 = Rgb(230, 139, 44);
inline constexpr ColorRef kMouseMove1 = Rgb(255, 199, 60);
inline constexpr ColorRef kMouseMove2 = Rgb(248, 179, 48);
inline constexpr ColorRef kFocus0 = Rgb(100, 150, 200);
inline constexpr ColorRef kFocus1 = Rgb(110, 160, 210);
inline constexpr ColorRef kFocus2 = Rgb(120, 170, 220);

// Red channel of the example's body gradient (Size 17) from Dark towards Light, band 0 first; green is one
// less and blue three more in every band, as in Light and Dark themselves.
inline constexpr std::array<int, 18> kDarkToLightRed = {209, 209, 210, 211, 213, 214, 215, 216, 217,
                                                        218, 220, 221, 222, 223, 224, 225, 227, 228};

inline ColorRef DarkToLightBand(int32_t band) {
  const int red = kDarkToLightRed.at(static_cast<size_t>(band));
  return Rgb(red, red - 1, red + 3);
}

// The same gradient from Light towards Dark: every step mirrored about the midpoint of the two colours.
inline ColorRef LightToDarkBand(int32_t band) {
  const int red = RedOf(kLight) + RedOf(kDark) - kDarkToLightRed.at(static_cast<size_t>(band));
  return Rgb(red, red - 1, red + 3);
}

inline constexpr int32_t kExampleWidth = 300;
inline constexpr int32_t kExampleHeight = 200;
inline constexpr int32_t kExampleTabHeight = 22;

// The worked example: TH 22, two tabs of width 60, tab 1 selected, tab 2 hot, focus on.
inline TabStripState ExampleState(std::vector<std::string> captions = {"", ""}) {
  TabStripState st;
  st.mTabHeight = kExampleTabHeight;
  st.mSelectedTab = 1;
  st.mHotTab = 2;
  st.mHasFocus = kTrue;
  st.mBackColor = kBackColor;
  st.mBackColorForm = kBackColorForm;
  st.mFrameColor = kFrameColor;
  st.mForeColor = kForeColor;
  st.mForeColorActive = kForeColorActive;
  st.mForeColorHot = kForeColorHot;
  st.mMaskColor = kMaskColor;
  st.mMouseMoveColor0 = kMouseMove0;
  st.mMouseMoveColor1 = kMouseMove1;
  st.mMouseMoveColor2 = kMouseMove2;
  st.mRegisterFocusColor0 = kFocus0;
  st.mRegisterFocusColor1 = kFocus1;
  st.mRegisterFocusColor2 = kFocus2;
  st.mNumberOfTabs = static_cast<int32_t>(captions.size());
  st.mTabs.resize(captions.size() + 1);
  for (size_t i = 0; i < captions.size(); ++i) {
    cTabs& record = st.Record(static_cast<int32_t>(i + 1));
    record.TabWidth = 60;
    record.TabCaption = std::move(captions[i]);
  }
  return st;
}

inline std::unique_ptr<FakePaintSurface> ExampleSurface() {
  auto surface = std::make_unique<FakePaintSurface>(kExampleWidth, kExampleHeight);
  surface->SetClsColor(kPage);
  return surface;
}

// The colour of each pixel-map letter; 'g' (a gradient band) is told per row by the test.
inline ColorRef LegendColor(char letter) {
  switch (letter) {
    case 'p':
      return kPage;
    case 'f':
      return kBackColorForm;
    case 'F':
      return kFrameColor;
    case 'b':
      return kBackColor;
    case '0':
      return kFocus0;
    case '1':
      return kFocus1;
    case '2':
      return kFocus2;
    case 'h':
      return kMouseMove0;
    case 'i':
      return kMouseMove1;
    case 'j':
      return kMouseMove2;
    default:
      ADD_FAILURE() << "no colour for map letter '" << letter << "'";
      return 0;
  }
}

// The letters the whole surface should show, one string per row.
class ExpectedImage {
 public:
  ExpectedImage(int32_t width, int32_t height)
      : rows_(static_cast<size_t>(height), std::string(width, 'p')) {}

  void Fill(int32_t left, int32_t top, int32_t right, int32_t bottom, char letter) {
    for (int32_t y = top; y < bottom; ++y) {
      for (int32_t x = left; x < right; ++x) rows_[static_cast<size_t>(y)][static_cast<size_t>(x)] = letter;
    }
  }
  void Frame(int32_t left, int32_t top, int32_t right, int32_t bottom, char letter) {
    Fill(left, top, right, top + 1, letter);
    Fill(left, bottom - 1, right, bottom, letter);
    Fill(left, top, left + 1, bottom, letter);
    Fill(right - 1, top, right, bottom, letter);
  }
  // Lays a pixel map over the image with its top-left letter at (left, top).
  void Overlay(int32_t left, int32_t top, std::initializer_list<const char*> map) {
    int32_t y = top;
    for (const char* row : map) {
      const std::string text(row);
      rows_[static_cast<size_t>(y)].replace(static_cast<size_t>(left), text.size(), text);
      ++y;
    }
  }

  // Compares every pixel; band(y) gives the colour of a 'g' on row y. Reports the first mismatches.
  template <typename Band>
  void Check(const Bitmap& actual, Band band) const {
    int failures = 0;
    for (size_t y = 0; y < rows_.size(); ++y) {
      for (size_t x = 0; x < rows_[y].size(); ++x) {
        const char letter = rows_[y][x];
        const int32_t yi = static_cast<int32_t>(y);
        const ColorRef want = letter == 'g' ? band(yi) : LegendColor(letter);
        const ColorRef got = actual.Pixel(static_cast<int32_t>(x), yi);
        if (got != want && failures++ < 12) {
          ADD_FAILURE() << "pixel (" << x << ", " << y << ") should be '" << letter << "' 0x" << std::hex
                        << want << " but is 0x" << got << std::dec;
        }
      }
    }
    EXPECT_EQ(failures, 0) << "pixels differing from the map";
  }

 private:
  std::vector<std::string> rows_;
};

using PixelSet = std::set<std::pair<int32_t, int32_t>>;

// The pixels of one colour inside [left, right) x [top, bottom).
inline PixelSet PixelsOf(const Bitmap& bitmap, ColorRef color, Rect area) {
  PixelSet found;
  for (int32_t y = std::max(0, area.top); y < std::min(bitmap.height(), area.bottom); ++y) {
    for (int32_t x = std::max(0, area.left); x < std::min(bitmap.width(), area.right); ++x) {
      if (bitmap.Pixel(x, y) == color) found.emplace(x, y);
    }
  }
  return found;
}

// The fully inked pixels of a one-line caption drawn with its first line starting at (x, y), in the example's
// font, on a blank surface.
inline PixelSet CaptionInkAt(const std::string& caption, int32_t x, int32_t y) {
  FakePaintSurface blank(kExampleWidth, kExampleHeight);
  blank.SetClsColor(kPage);
  blank.Cls();
  blank.hDC().SetTextColor(kForeColor);
  Rect rect{x, y, kExampleWidth, kExampleHeight};
  DrawTextA(blank.hDC(), caption, -1, rect, kDtLeft);
  return PixelsOf(blank.bitmap(), kForeColor, Rect{0, 0, kExampleWidth, kExampleHeight});
}

// A solid square picture of the given size in pixels.
inline StdPictureRef SolidPicture(int32_t size, ColorRef color) {
  Bitmap bitmap(size, size);
  std::fill(bitmap.pixels().begin(), bitmap.pixels().end(), color);
  return StdPicture::FromBitmap(std::move(bitmap));
}

inline Rect BoundsOf(const PixelSet& pixels) {
  if (pixels.empty()) return Rect{};
  Rect box{pixels.begin()->first, pixels.begin()->second, pixels.begin()->first, pixels.begin()->second};
  for (const auto& [x, y] : pixels) {
    box.left = std::min(box.left, x);
    box.top = std::min(box.top, y);
    box.right = std::max(box.right, x + 1);
    box.bottom = std::max(box.bottom, y + 1);
  }
  return box;
}

}  // namespace vellumar::testing
