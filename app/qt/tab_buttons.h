// The buttons a tab bar carries, in the strip's look: a tab's close button and the bar's scroll buttons, each
// a small head of the strip (the frame colour round the page colour, the hot band's colour under the pointer,
// the focus band's while pressed) with its mark in the caption colour.
#pragma once

#include <QtGui/QPainter>
#include <QtWidgets/QStyleOption>

#include "app/qt/tab_look.h"

namespace vellumar {

// Pixels between a tab's caption and a button beside it.
inline constexpr int kTabButtonMargin = 4;

void DrawCloseButton(QPainter* painter, const QStyleOption& option, const TabLook& look);
void DrawScrollButton(QPainter* painter, const QStyleOptionToolButton& option, const TabLook& look);

}  // namespace vellumar
