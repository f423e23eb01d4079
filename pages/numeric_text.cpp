#include "pages/numeric_text.h"

#include <cmath>
#include <limits>

#include "platform/errors/host_error.h"

namespace vellumar {
namespace {

std::optional<double> ReadNumber(const QString& text, const QLocale& locale) {
  bool ok = false;
  const double value = locale.toDouble(text, &ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

// Nearest integer, halves to the even neighbour, whatever the floating-point rounding mode.
double RoundHalfEven(double value) {
  const double lower = std::floor(value);
  const double fraction = value - lower;
  if (fraction > 0.5) return lower + 1;
  if (fraction < 0.5) return lower;
  return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

}  // namespace

HeightText CheckHeightText(const QString& text, const QLocale& locale) {
  if (text == QStringLiteral("-")) return HeightText{HeightText::Verdict::kLeaveAlone, {}};
  const std::optional<double> value = ReadNumber(text, locale);
  if (!value) return HeightText{HeightText::Verdict::kInvalid, {}};
  // Adding zero turns the negative zero of "-0" into 0, which prints without a sign.
  const double whole = std::floor(*value) + 0.0;
  return HeightText{HeightText::Verdict::kWholeNumber, QString::number(whole, 'f', 0)};
}

int32_t ConvertToLong(const QString& text) {
  const QString trimmed = text.trimmed();
  std::optional<double> value = ReadNumber(trimmed, QLocale());
  if (!value) value = ReadNumber(trimmed, QLocale::c());
  if (!value) throw HostError(kErrTypeMismatch);
  const double rounded = RoundHalfEven(*value);
  if (rounded < std::numeric_limits<int32_t>::min() || rounded > std::numeric_limits<int32_t>::max()) {
    throw HostError(kErrOverflow);
  }
  return static_cast<int32_t>(rounded);
}

}  // namespace vellumar
