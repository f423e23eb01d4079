// VellumarTabStrip: a VellumarWidget whose appearance and tab list are Qt properties, so that Qt Designer can
// edit them and forms made there (.ui files compiled with uic) set them up. Every property reads and
// assigns the control's own property, with its notification and repaint; the widget's signals and the
// control's behaviour are those of VellumarWidget.
//
// [SECTION] Index
//   Properties        tabs, selectedTab, tabHeight, alignment, captionFont, the thirteen colours
//   Tabs by index     the tab list as Qt programs handle it, with indices from 0
#pragma once

#include <QtCore/QStringList>
#include <QtGui/QColor>
#include <QtGui/QFont>
#include <QtGui/QIcon>
#include <QtGui/QPixmap>
#include <cstdint>
#include <memory>

#include "vellumar_global.h"
#include "vellumar_widget.h"

namespace vellumar {

class VELLUMAR_QT_EXPORT VellumarTabStrip : public VellumarWidget {
  Q_OBJECT
  // [SECTION] Properties. The tab list first: a form sets it before the selection that refers to it.
  Q_PROPERTY(QStringList tabs READ tabs WRITE setTabs)
  Q_PROPERTY(int selectedTab READ selectedTab WRITE setSelectedTab)
  Q_PROPERTY(int tabHeight READ tabHeight WRITE setTabHeight)
  Q_PROPERTY(Alignment alignment READ alignment WRITE setAlignment)
  Q_PROPERTY(QFont captionFont READ captionFont WRITE setCaptionFont)
  Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
  Q_PROPERTY(QColor foreColor READ foreColor WRITE setForeColor)
  Q_PROPERTY(QColor foreColorActive READ foreColorActive WRITE setForeColorActive)
  Q_PROPERTY(QColor foreColorHot READ foreColorHot WRITE setForeColorHot)
  Q_PROPERTY(QColor backColorForm READ backColorForm WRITE setBackColorForm)
  Q_PROPERTY(QColor frameColor READ frameColor WRITE setFrameColor)
  Q_PROPERTY(QColor maskColor READ maskColor WRITE setMaskColor)
  Q_PROPERTY(QColor mouseMoveColor0 READ mouseMoveColor0 WRITE setMouseMoveColor0)
  Q_PROPERTY(QColor mouseMoveColor1 READ mouseMoveColor1 WRITE setMouseMoveColor1)
  Q_PROPERTY(QColor mouseMoveColor2 READ mouseMoveColor2 WRITE setMouseMoveColor2)
  Q_PROPERTY(QColor registerFocusColor0 READ registerFocusColor0 WRITE setRegisterFocusColor0)
  Q_PROPERTY(QColor registerFocusColor1 READ registerFocusColor1 WRITE setRegisterFocusColor1)
  Q_PROPERTY(QColor registerFocusColor2 READ registerFocusColor2 WRITE setRegisterFocusColor2)

 public:
  // The alignment values a form chooses from; the control itself takes any number (see Vellumar).
  enum Alignment : int32_t { Top = 0, Bottom = 1 };
  Q_ENUM(Alignment)

  explicit VellumarTabStrip(QWidget* parent = nullptr);
  ~VellumarTabStrip() override;

  // One entry per tab, "caption|width" (the caption with its "&" markers). Assigning rebuilds the list as
  // assigning each caption and width through the control would, in time linear in the list: tabs that stay
  // keep their pictures, missing tabs are added, extra ones deleted from the end; an empty list leaves one
  // tab "Register" of width 60, as a new control has. Entries past Vellumar::kMaxStoredTabs are ignored.
  QStringList tabs() const;
  void setTabs(const QStringList& tabs);
  // SelectedTab. A tab beyond the list is refused by the control as always, but is also remembered and
  // selected by the next tabs assignment that makes room for it: uic sets a translatable string list such
  // as tabs after every other property, so a form's selection arrives before its tabs.
  int selectedTab() const;
  void setSelectedTab(int tab);
  int tabHeight() const;
  void setTabHeight(int height);
  Alignment alignment() const;
  void setAlignment(Alignment alignment);
  // Family, point size, bold, italic, underline and strike-out of the caption font.
  QFont captionFont() const;
  void setCaptionFont(const QFont& font);

  // Colours read as the RGB they paint with (a system colour is translated); assigning an invalid colour
  // changes nothing, any other stores its RGB value.
  QColor backColor() const;
  void setBackColor(const QColor& color);
  QColor foreColor() const;
  void setForeColor(const QColor& color);
  QColor foreColorActive() const;
  void setForeColorActive(const QColor& color);
  QColor foreColorHot() const;
  void setForeColorHot(const QColor& color);
  QColor backColorForm() const;
  void setBackColorForm(const QColor& color);
  QColor frameColor() const;
  void setFrameColor(const QColor& color);
  QColor maskColor() const;
  void setMaskColor(const QColor& color);
  QColor mouseMoveColor0() const;
  void setMouseMoveColor0(const QColor& color);
  QColor mouseMoveColor1() const;
  void setMouseMoveColor1(const QColor& color);
  QColor mouseMoveColor2() const;
  void setMouseMoveColor2(const QColor& color);
  QColor registerFocusColor0() const;
  void setRegisterFocusColor0(const QColor& color);
  QColor registerFocusColor1() const;
  void setRegisterFocusColor1(const QColor& color);
  QColor registerFocusColor2() const;
  void setRegisterFocusColor2(const QColor& color);

  // [SECTION] Tabs by index. Indices count from 0, as in QTabBar; the tab at index i is the control's tab
  // i + 1. A getter given an index outside 0 .. count() - 1 returns an empty value and a setter changes
  // nothing. The control's numbered errors reach hostError, as with the properties.
  int count() const;
  // The tab shown as selected; -1 when the selection lies outside the tabs.
  int currentIndex() const;
  // Selects a tab through SelectedTab (so tabPressed follows); an index outside the tabs changes nothing.
  void setCurrentIndex(int index);
  // Appends a tab through AddTab and returns its index (-1 when the control refused it). The caption is
  // kept as given, an empty one too; fittingTabWidth() gives a width that shows it whole.
  int addTab(const QString& caption, int width, const QIcon& icon = QIcon());
  // As addTab, at index (appended when the index lies outside 0 .. count()); the selected tab stays
  // selected, so a selection after index moves up by one. Returns the new tab's index.
  int insertTab(int index, const QString& caption, int width, const QIcon& icon = QIcon());
  // Removes the tab at index. The selection stays on its tab; a removed selected tab passes it to the tab
  // on its right, or on its left when it was the last (QTabBar's SelectRightTab). Removing the only tab
  // leaves the strip without tabs, the state of a control whose form stored none.
  void removeTab(int index);
  // Moves the tab at from to index to, shifting the tabs between; the selected tab stays selected.
  void moveTab(int from, int to);
  QString tabText(int index) const;
  void setTabText(int index, const QString& caption);
  int tabWidth(int index) const;
  void setTabWidth(int index, int width);
  // The tab's picture with the mask colour transparent; a null icon for a tab without one.
  QIcon tabIcon(int index) const;
  // Gives the tab a picture through TabPicture: an icon at 16 x 16 pixels, a pixmap at its own size, each
  // with its transparent parts in the mask colour of the control's picture box; a null one removes it.
  void setTabIcon(int index, const QIcon& icon);
  void setTabIcon(int index, const QPixmap& pixmap);
  // The tab width at which caption and an icon (none when null) show whole in the caption font.
  int fittingTabWidth(const QString& caption, const QIcon& icon = QIcon()) const;

 private:
  struct Private;

  std::unique_ptr<Private> d_;
};

}  // namespace vellumar
