#include "platform/text/std_font.h"

#include <cmath>

namespace vellumar {

void StdFont::SetSize(double points) {
  if (!std::isfinite(points) || points < 0) points = 0;
  if (points > 1e6) points = 1e6;
  size_cy_ = std::llround(points * 10000.0);
}

}  // namespace vellumar
