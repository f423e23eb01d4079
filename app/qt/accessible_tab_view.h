// What assistive technology is told about the tabs of one control, read from the control's state without
// ever reaching a record beyond the tab list: the tabs that exist, the one shown as selected, captions as
// read aloud, the access key that really selects a tab, and where the pointer selects it.
#pragma once

#include <QtCore/QString>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/geometry.h"
#include "render/tab_strip_state.h"

namespace vellumar {

// The tabs 1 .. this count have records: NumberOfTabs, cut to the list that exists (none after Terminate).
int32_t ExistingTabCount(const TabStripState& state);

// The tab painted as selected (a selection of 0 is painted as tab 1), or 0 when no existing tab is.
int32_t ShownSelectedTab(const TabStripState& state);

// Whether tab is one of the existing tabs.
bool IsExistingTab(const TabStripState& state, int32_t tab);

// The caption of an existing tab as stored ("&" markers included); empty for any other index.
std::string_view StoredCaption(const TabStripState& state, int32_t tab);

// A caption as the painters show it: "&x" gives x, "&&" gives one "&", and a "&" at the end is dropped.
QString ShownCaption(std::string_view caption);

// The access-key character that selects tab when pressed with Alt: the key its caption marks, provided the
// host can route it and no earlier tab claims the same key (the first tab in order wins). 0 for none.
char32_t RoutedAccessKey(const TabStripState& state, int32_t tab);

// "Alt+K" for a routed access key, in Qt's portable key-sequence text; empty for none.
QString AccessKeyBinding(char32_t key);

// Where the head of tab is shown, in client pixels, as the last paint recorded it. With tabs on top that is
// the recorded head rectangle. With tabs at the bottom the painters record the selected head as it is drawn
// and every other head as a line at the top of the strip; the strip of TabHeight pixels below that line,
// where those heads are drawn, is also where a press selects them. Nothing before the first paint or for
// an index outside the list.
std::optional<Rect> TabHeadRect(const TabStripState& state, int32_t tab);

}  // namespace vellumar
