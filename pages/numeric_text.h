// The host's conversions of text to numbers, as the pages use them: the height box's check and the
// conversion of a box's text to a 32-bit integer property.
#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>

namespace vellumar {

// What the height box does with a text: leave it (exactly "-", a negative number being typed), replace it
// by the whole number below the value (which may be the same text), or reject it.
struct HeightText {
  enum class Verdict { kLeaveAlone, kWholeNumber, kInvalid };
  Verdict verdict = Verdict::kInvalid;
  QString whole;  // for kWholeNumber: the decimal text of the value taken down to a whole number
};

// Reads text as a number in locale (its decimal separator); an empty text, letters and values that are
// not finite are rejected.
HeightText CheckHeightText(const QString& text, const QLocale& locale = QLocale());

// Text to a 32-bit integer: blanks around the number allowed, the number in the current locale (or, failing
// that, with a "." as decimal separator), a fraction rounded to the nearest integer with halves to the even
// neighbour. Throws HostError 13 (type mismatch) for a text that is no number and 6 (overflow) outside the
// 32-bit range.
int32_t ConvertToLong(const QString& text);

}  // namespace vellumar
