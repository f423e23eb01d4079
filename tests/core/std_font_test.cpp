#include "platform/text/std_font.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vellumar {
namespace {

TEST(StdFont, SizeIsKeptInTenThousandthsAndClamped) {
  struct Case {
    double points;
    int64_t currency;
  };
  const Case cases[] = {
      {8, 80000},
      {9.75, 97500},
      {0.00004, 0},
      {0.00006, 1},
      {-3, 0},
      {1e6, 10000000000},
      {1e300, 10000000000},
      {std::numeric_limits<double>::infinity(), 0},
      {-std::numeric_limits<double>::infinity(), 0},
      {std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const Case& c : cases) {
    StdFont font;
    font.SetSize(c.points);
    EXPECT_EQ(font.SizeCurrency(), c.currency) << c.points;
  }
}

TEST(StdFont, BoldAndWeightAreOneValue) {
  struct Case {
    int16_t weight;
    bool bold;
  };
  const Case cases[] = {{0, false},  {400, false}, {549, false}, {550, true},
                        {700, true}, {1000, true}, {-1, false}};
  for (const Case& c : cases) {
    StdFont font;
    font.SetWeight(c.weight);
    EXPECT_EQ(font.Bold(), c.bold) << c.weight;
    EXPECT_EQ(font.Weight(), c.weight);
  }
  StdFont font;
  font.SetWeight(900);
  font.SetBold(false);
  EXPECT_EQ(font.Weight(), StdFont::kWeightNormal);
  font.SetBold(true);
  EXPECT_EQ(font.Weight(), StdFont::kWeightBold);
}

}  // namespace
}  // namespace vellumar
