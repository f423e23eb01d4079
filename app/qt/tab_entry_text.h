// How one tab is written in VellumarTabStrip's tabs property: "caption|width".
#pragma once

#include <QtCore/QString>
#include <cstdint>
#include <string>

namespace vellumar {

// A new tab's width, and the width of an entry that names none.
inline constexpr int32_t kNewTabWidth = 60;

struct TabEntry {
  QString caption;
  int32_t width = 0;
};
// The UTF-8 text the control keeps of a Qt string.
std::string ToUtf8(const QString& text);
// "caption|width"; the caption may itself hold "|".
QString FormatTabEntry(const TabEntry& entry);
// Splits at the last "|" when a whole 32-bit number follows it; otherwise the entry is all caption and the
// width is a new tab's, 60.
TabEntry ParseTabEntry(const QString& text);

}  // namespace vellumar
