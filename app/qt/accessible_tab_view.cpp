#include "app/qt/accessible_tab_view.h"

#include <QtCore/QChar>
#include <QtGui/QKeySequence>
#include <algorithm>
#include <array>

#include "control/windows_1252.h"
#include "platform/utf8_decode.h"

namespace vellumar {
namespace {

constexpr size_t kWindows1252Codes = 256;

}  // namespace

int32_t ExistingTabCount(const TabStripState& state) {
  return std::max(0, std::min(state.mNumberOfTabs, state.Capacity()));
}

int32_t ShownSelectedTab(const TabStripState& state) {
  const int32_t selected = state.mSelectedTab == 0 ? 1 : state.mSelectedTab;
  return IsExistingTab(state, selected) ? selected : 0;
}

bool IsExistingTab(const TabStripState& state, int32_t tab) {
  return tab >= 1 && tab <= ExistingTabCount(state);
}

std::string_view StoredCaption(const TabStripState& state, int32_t tab) {
  if (!IsExistingTab(state, tab)) return {};
  const cTabsRef& record = state.mTabs[static_cast<size_t>(tab)];
  return record ? std::string_view(record->TabCaption) : std::string_view();
}

QString ShownCaption(std::string_view caption) {
  const QString text = QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
  QString shown;
  shown.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != u'&') {
      shown.append(text[i]);
    } else if (i + 1 < text.size()) {
      shown.append(text[++i]);
    }
  }
  return shown;
}

char32_t RoutedAccessKey(const TabStripState& state, int32_t tab) {
  if (!IsExistingTab(state, tab)) return 0;
  const std::string& keys = state.mAccessKeys;
  std::array<bool, kWindows1252Codes> claimed{};  // codes carried by an earlier tab
  size_t pos = 0;
  for (size_t k = 0; k < state.mAccessKeyTabs.size() && pos < keys.size(); ++k) {
    size_t character_pos = pos;
    const int32_t code = NextWindows1252Code(keys, pos);  // what the control compares a pressed key with
    if (state.mAccessKeyTabs[k] == tab) {
      // The widget routes the decoded character by its code: a key the code page lacks (or a stray byte)
      // never reaches the control, and one an earlier tab carries selects that tab instead.
      const char32_t key = DecodeUtf8(keys, character_pos);
      if (code < 0 || Windows1252Code(key) != code || claimed[static_cast<size_t>(code)]) return 0;
      return key;
    }
    if (code >= 0) claimed[static_cast<size_t>(code)] = true;
  }
  return 0;
}

QString AccessKeyBinding(char32_t key) {
  const char32_t upper = QChar::toUpper(key);
  if (upper <= U' ' || !QChar::isPrint(upper)) return {};
  return QKeySequence(QKeyCombination(Qt::AltModifier, static_cast<Qt::Key>(upper)))
      .toString(QKeySequence::PortableText);
}

std::optional<Rect> TabHeadRect(const TabStripState& state, int32_t tab) {
  if (!IsExistingTab(state, tab) || static_cast<size_t>(tab) >= state.mTabRects.size()) return std::nullopt;
  const Rect& head = state.mTabRects[static_cast<size_t>(tab)];
  if (state.mAlignment == reg_Top || !head.IsEmpty()) return head;
  return Rect{head.left, head.bottom, head.right, SaturatingAdd(head.bottom, state.mTabHeight)};
}

}  // namespace vellumar
