#include "app/qt/tab_entry_text.h"

#include <QtCore/QByteArray>

namespace vellumar {
namespace {

constexpr QChar kWidthSeparator = u'|';

}  // namespace

std::string ToUtf8(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

QString FormatTabEntry(const TabEntry& entry) {
  return entry.caption + kWidthSeparator + QString::number(entry.width);
}

TabEntry ParseTabEntry(const QString& text) {
  const qsizetype separator = text.lastIndexOf(kWidthSeparator);
  if (separator >= 0) {
    bool whole = false;
    const int width = text.sliced(separator + 1).toInt(&whole);
    if (whole) return TabEntry{text.first(separator), width};
  }
  return TabEntry{text, kNewTabWidth};
}

}  // namespace vellumar
