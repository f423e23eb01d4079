// The strip canvas draws its lines along rows and columns with fills; each must cover exactly the pixels
// DrawLine gives for the same end points, whichever way it runs and however far off the bitmap it lies.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "render/tab_strip_canvas.h"
#include "render/xp_wells.h"

namespace vellumar {
namespace {

int64_t Coordinate(std::mt19937& rng) {
  switch (rng() % 24) {
    case 0:
      return INT64_C(-5000000000);
    case 1:
      return INT32_MAX;
    case 2:
      return INT32_MIN;
    default:
      return static_cast<int64_t>(rng() % 20) - 4;
  }
}

TEST(StripCanvas, RowAndColumnLinesPaintWhatDrawLinePaints) {
  std::mt19937 rng(31);
  for (int run = 0; run < 5000; ++run) {
    const bool mirrored = rng() % 2 == 0;
    const int32_t height = static_cast<int32_t>(rng() % 14) + 1;
    const int64_t x1 = Coordinate(rng);
    const int64_t y1 = Coordinate(rng);
    const bool along_row = rng() % 2 == 0;
    const int64_t x2 = along_row ? Coordinate(rng) : x1;
    const int64_t y2 = along_row ? y1 : Coordinate(rng);
    const OleColor color = rng() % 2 ? 0x123456 : 0x80000012;

    Bitmap canvas_bitmap(12, height);
    DeviceContext canvas_dc(&canvas_bitmap);
    TabStripCanvas(canvas_dc, mirrored, height).Line(x1, y1, x2, y2, color);

    Bitmap line_bitmap(12, height);
    DeviceContext line_dc(&line_bitmap);
    const auto row = [&](int64_t y) { return SaturateToInt32(mirrored ? int64_t{height} - 1 - y : y); };
    DrawLine(line_dc, SaturateToInt32(x1), row(y1), SaturateToInt32(x2), row(y2), SurfaceColor(color), 1);
    ASSERT_TRUE(canvas_bitmap == line_bitmap) << "run " << run;
  }
}

// Two columns in one pass, at every scale and under a clip box, as the two lines they stand for.
TEST(StripCanvas, ColumnPairsPaintWhatTheirTwoLinesPaint) {
  std::mt19937 rng(47);
  for (int run = 0; run < 5000; ++run) {
    const bool mirrored = rng() % 2 == 0;
    const int32_t height = static_cast<int32_t>(rng() % 14) + 1;
    const int32_t scale = static_cast<int32_t>(rng() % 3) + 1;
    const int64_t x1 = Coordinate(rng);
    const int64_t x2 = rng() % 4 == 0 ? x1 : Coordinate(rng);
    const int64_t top = Coordinate(rng);
    const int64_t bottom = rng() % 3 == 0 ? top + 1 : Coordinate(rng);
    const Rect clip{static_cast<int32_t>(rng() % 6), static_cast<int32_t>(rng() % 6),
                    static_cast<int32_t>(rng() % 14), static_cast<int32_t>(rng() % 16)};
    const auto draw = [&](Bitmap& bitmap, bool paired) {
      DeviceContext dc(&bitmap);
      dc.SetScale(scale);
      if (run % 2 == 0) dc.SetClipBox(clip);
      TabStripCanvas canvas(dc, mirrored, height);
      if (paired) {
        canvas.Columns(x1, x2, top, bottom, 0x345678);
      } else {
        canvas.Line(x1, top, x1, bottom, 0x345678);
        canvas.Line(x2, top, x2, bottom, 0x345678);
      }
    };
    Bitmap paired(12 * scale, height * scale);
    Bitmap lines(12 * scale, height * scale);
    draw(paired, true);
    draw(lines, false);
    ASSERT_TRUE(paired == lines) << "run " << run;
  }
}

}  // namespace
}  // namespace vellumar
