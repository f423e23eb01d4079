// VellumarTabStrip: a VellumarWidget whose appearance and tab list are Qt properties.
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

/// A VellumarWidget whose appearance and tab list are Qt properties, so that Qt Designer can edit them and
/// forms made there (.ui files compiled with uic) set them up.
///
/// Every property reads and assigns the control's own property, with its notification (propertyChanged())
/// and repaint; the widget's signals and the control's behaviour are those of VellumarWidget. Beyond the
/// properties, the strip handles its tabs by index from 0, as QTabBar does: the tab at index i is the
/// control's tab i + 1, a getter given an index outside 0 .. count() - 1 returns an empty value (0, an empty
/// string, a null icon) and a setter changes nothing.
class VELLUMAR_QT_EXPORT VellumarTabStrip : public VellumarWidget {
  Q_OBJECT
  // [SECTION] Properties. The tab list first: a form sets it before the selection that refers to it.
  /// The tab list, one entry per tab, "caption|width".
  ///
  /// The caption keeps its "&" markers; the width is in pixels. See setTabs() for how assigning it works.
  Q_PROPERTY(QStringList tabs READ tabs WRITE setTabs)
  /// The control's SelectedTab: the number of the selected tab, from 1. See setSelectedTab().
  Q_PROPERTY(int selectedTab READ selectedTab WRITE setSelectedTab)
  /// The control's TabHeight: the height of the strip the heads stand in, in pixels.
  Q_PROPERTY(int tabHeight READ tabHeight WRITE setTabHeight)
  /// The control's Alignment: whether the strip stands at the top or the bottom of the widget.
  Q_PROPERTY(Alignment alignment READ alignment WRITE setAlignment)
  /// The font of the tab captions; see captionFont() for what of it the control keeps.
  Q_PROPERTY(QFont captionFont READ captionFont WRITE setCaptionFont)
  /// The colour of the selected head and of the other heads' gradient.
  ///
  /// The colour properties read as the RGB they paint with (a system colour is translated); assigning an
  /// invalid colour changes nothing, any other stores its RGB value.
  Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
  /// The caption colour of a head neither selected nor under the pointer.
  Q_PROPERTY(QColor foreColor READ foreColor WRITE setForeColor)
  /// The caption colour of the selected head.
  Q_PROPERTY(QColor foreColorActive READ foreColorActive WRITE setForeColorActive)
  /// The caption colour of the head under the pointer.
  Q_PROPERTY(QColor foreColorHot READ foreColorHot WRITE setForeColorHot)
  /// The colour of the strip behind the heads.
  Q_PROPERTY(QColor backColorForm READ backColorForm WRITE setBackColorForm)
  /// The colour of the heads' outlines and of the page frame.
  Q_PROPERTY(QColor frameColor READ frameColor WRITE setFrameColor)
  /// The colour that is transparent in the tab pictures.
  Q_PROPERTY(QColor maskColor READ maskColor WRITE setMaskColor)
  /// The outermost line of the band over the head under the pointer.
  Q_PROPERTY(QColor mouseMoveColor0 READ mouseMoveColor0 WRITE setMouseMoveColor0)
  /// The middle line of the band over the head under the pointer.
  Q_PROPERTY(QColor mouseMoveColor1 READ mouseMoveColor1 WRITE setMouseMoveColor1)
  /// The innermost line of the band over the head under the pointer.
  Q_PROPERTY(QColor mouseMoveColor2 READ mouseMoveColor2 WRITE setMouseMoveColor2)
  /// The outermost line of the focus band over the selected head.
  Q_PROPERTY(QColor registerFocusColor0 READ registerFocusColor0 WRITE setRegisterFocusColor0)
  /// The middle line of the focus band over the selected head.
  Q_PROPERTY(QColor registerFocusColor1 READ registerFocusColor1 WRITE setRegisterFocusColor1)
  /// The innermost line of the focus band over the selected head.
  Q_PROPERTY(QColor registerFocusColor2 READ registerFocusColor2 WRITE setRegisterFocusColor2)

 public:
  /// The alignment values a form chooses from; the control itself takes any number (see Vellumar).
  enum Alignment : int32_t {
    Top = 0,    ///< The strip along the widget's top edge.
    Bottom = 1  ///< The strip along the widget's bottom edge.
  };
  Q_ENUM(Alignment)

  /// Constructs a strip newly placed on a form, as VellumarWidget(QWidget*) does.
  explicit VellumarTabStrip(QWidget* parent = nullptr);
  /// Destroys the strip and its control.
  ~VellumarTabStrip() override;

  /// The tab list, one entry per tab, "caption|width" (the caption with its "&" markers).
  QStringList tabs() const;
  /// Assigns the tab list, rebuilding it as assigning each caption and width through the control would.
  ///
  /// Takes time linear in the list: tabs that stay keep their pictures, missing tabs are added, extra ones
  /// deleted from the end; an empty list leaves one tab "Register" of width 60, as a new control has. Entries
  /// past Vellumar::kMaxStoredTabs are ignored.
  void setTabs(const QStringList& tabs);
  /// The control's SelectedTab, from 1.
  int selectedTab() const;
  /// Assigns the control's SelectedTab; tabPressed() follows when the control accepts it.
  ///
  /// A tab beyond the list is refused by the control as always, but is also remembered and selected by the
  /// next tabs assignment that makes room for it: uic sets a translatable string list such as tabs after
  /// every other property, so a form's selection arrives before its tabs.
  void setSelectedTab(int tab);
  ///@{
  /// Access functions of the property of the same name.
  int tabHeight() const;
  void setTabHeight(int height);
  Alignment alignment() const;
  void setAlignment(Alignment alignment);
  ///@}
  ///@{
  /// Access functions of #captionFont: the control keeps family, point size, bold, italic, underline and
  /// strike-out of the font.
  QFont captionFont() const;
  void setCaptionFont(const QFont& font);
  ///@}

  ///@{
  /// Access functions of the colour property of the same name.
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
  ///@}

  // [SECTION] Tabs by index. Indices count from 0, as in QTabBar; the tab at index i is the control's tab
  // i + 1. A getter given an index outside 0 .. count() - 1 returns an empty value and a setter changes
  // nothing. The control's numbered errors reach hostError, as with the properties.

  /// The number of tabs.
  int count() const;
  /// The tab shown as selected; -1 when the selection lies outside the tabs.
  int currentIndex() const;
  /// Selects the tab at \p index through SelectedTab (so tabPressed follows); an index outside the tabs
  /// changes nothing.
  void setCurrentIndex(int index);
  /// Appends a tab through AddTab and returns its index; -1 when the control refused it.
  ///
  /// The caption is kept as given, an empty one too; \p width is the head's width in pixels, and
  /// fittingTabWidth() gives one that shows the caption whole. A null \p icon gives the tab no picture.
  int addTab(const QString& caption, int width, const QIcon& icon = QIcon());
  /// Inserts a tab as addTab() does, at \p index, and returns the new tab's index.
  ///
  /// The tab is appended when the index lies outside 0 .. count(). The selected tab stays selected, so a
  /// selection after index moves up by one.
  int insertTab(int index, const QString& caption, int width, const QIcon& icon = QIcon());
  /// Removes the tab at \p index.
  ///
  /// The selection stays on its tab; a removed selected tab passes it to the tab on its right, or on its left
  /// when it was the last (QTabBar's SelectRightTab). Removing the only tab leaves the strip without tabs,
  /// the state of a control whose form stored none.
  void removeTab(int index);
  /// Moves the tab at \p from to index \p to, shifting the tabs between; the selected tab stays selected.
  void moveTab(int from, int to);
  /// The caption of the tab at \p index, with its "&" markers.
  QString tabText(int index) const;
  /// Sets the caption of the tab at \p index; the caption is kept as given.
  void setTabText(int index, const QString& caption);
  /// The head width of the tab at \p index, in pixels.
  int tabWidth(int index) const;
  /// Sets the head width of the tab at \p index to \p width pixels.
  void setTabWidth(int index, int width);
  /// The tab's picture with the mask colour transparent; a null icon for a tab without one.
  QIcon tabIcon(int index) const;
  /// Gives the tab at \p index a picture through TabPicture: \p icon at 16 x 16 pixels.
  ///
  /// The picture's transparent parts are stored in the mask colour of the control's picture box; a null icon
  /// removes the picture.
  void setTabIcon(int index, const QIcon& icon);
  /// Gives the tab at \p index a picture through TabPicture: \p pixmap at its own size.
  ///
  /// As the icon overload, the transparent parts in the mask colour; a null pixmap removes the picture.
  void setTabIcon(int index, const QPixmap& pixmap);
  /// The tab width at which caption and an icon (none when null) show whole in the caption font.
  int fittingTabWidth(const QString& caption, const QIcon& icon = QIcon()) const;

 private:
  struct Private;

  std::unique_ptr<Private> d_;
};

}  // namespace vellumar
