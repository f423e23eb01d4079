// VellumarTabBar: a QTabBar painted as the control paints its strip. This header needs Qt and C++17 only, so
// that any Qt program can include it.
#pragma once

#include <QtGui/QColor>
#include <QtGui/QFont>
#include <QtWidgets/QTabBar>
#include <memory>

#include "vellumar_global.h"

namespace vellumar {

struct TabLook;

/// A QTabBar painted as the control paints its strip, in a look of its own that forms save as Qt properties.
///
/// The look is the strip's thirteen colours, its caption font and its tab height; VellumarStyle paints the
/// bar in it. Beyond QTabBar, the bar gives a tab a fixed head width and reports the pointer entering and
/// leaving tabs. Everything else is QTabBar's. Every change of the look emits lookChanged() and repaints.
class VELLUMAR_QT_EXPORT VellumarTabBar : public QTabBar {
  Q_OBJECT
  /// The height of the strip the heads stand in, in pixels; 22 by default.
  ///
  /// Values below 0 are taken as 0. The bar's depth adds the page frame's rows a selected head reaches into.
  Q_PROPERTY(int tabHeight READ tabHeight WRITE setTabHeight)
  /// The font of the tab captions.
  ///
  /// The widget's own font until a caption font is set; resetting it follows the widget's font again.
  Q_PROPERTY(QFont captionFont READ captionFont WRITE setCaptionFont RESET resetCaptionFont)
  /// The colour of the selected head and of the other heads' gradient; also the page colour of a
  /// VellumarTabWidget. RGB(224, 223, 227) by default.
  ///
  /// The colour properties read as the RGB they paint with (a system colour translated); assigning an
  /// invalid QColor restores the property's default.
  Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
  /// The caption colour of a head neither selected nor under the pointer; the system's button text colour
  /// by default.
  Q_PROPERTY(QColor foreColor READ foreColor WRITE setForeColor)
  /// The caption colour of the selected head; RGB(56, 80, 152) by default.
  Q_PROPERTY(QColor foreColorActive READ foreColorActive WRITE setForeColorActive)
  /// The caption colour of the head under the pointer; RGB(0, 0, 255) by default.
  Q_PROPERTY(QColor foreColorHot READ foreColorHot WRITE setForeColorHot)
  /// The colour of the strip behind the heads; RGB(224, 223, 227) by default.
  Q_PROPERTY(QColor backColorForm READ backColorForm WRITE setBackColorForm)
  /// The colour of the heads' outlines and of the page frame; RGB(152, 160, 160) by default.
  Q_PROPERTY(QColor frameColor READ frameColor WRITE setFrameColor)
  /// The colour that is transparent in the tab pictures; RGB(255, 0, 255) by default.
  Q_PROPERTY(QColor maskColor READ maskColor WRITE setMaskColor)
  /// The outermost line of the band over the head under the pointer; RGB(232, 144, 40) by default.
  Q_PROPERTY(QColor mouseMoveColor0 READ mouseMoveColor0 WRITE setMouseMoveColor0)
  /// The middle line of the band over the head under the pointer; RGB(255, 208, 56) by default.
  Q_PROPERTY(QColor mouseMoveColor1 READ mouseMoveColor1 WRITE setMouseMoveColor1)
  /// The innermost line of the band over the head under the pointer; RGB(255, 200, 56) by default.
  Q_PROPERTY(QColor mouseMoveColor2 READ mouseMoveColor2 WRITE setMouseMoveColor2)
  /// The outermost line of the focus band over the selected head; RGB(232, 144, 40) by default.
  Q_PROPERTY(QColor registerFocusColor0 READ registerFocusColor0 WRITE setRegisterFocusColor0)
  /// The middle line of the focus band over the selected head; RGB(255, 208, 56) by default.
  Q_PROPERTY(QColor registerFocusColor1 READ registerFocusColor1 WRITE setRegisterFocusColor1)
  /// The innermost line of the focus band over the selected head; RGB(255, 200, 56) by default.
  Q_PROPERTY(QColor registerFocusColor2 READ registerFocusColor2 WRITE setRegisterFocusColor2)

 public:
  /// The colours of the look, one per colour property.
  enum class LookColor {
    kBack,            ///< #backColor
    kFore,            ///< #foreColor
    kForeActive,      ///< #foreColorActive
    kForeHot,         ///< #foreColorHot
    kBackForm,        ///< #backColorForm
    kFrame,           ///< #frameColor
    kMask,            ///< #maskColor
    kMouseMove0,      ///< #mouseMoveColor0
    kMouseMove1,      ///< #mouseMoveColor1
    kMouseMove2,      ///< #mouseMoveColor2
    kRegisterFocus0,  ///< #registerFocusColor0
    kRegisterFocus1,  ///< #registerFocusColor1
    kRegisterFocus2,  ///< #registerFocusColor2
  };

  /// Constructs a bar in the default look, as a child of \p parent, painted by VellumarStyle::shared().
  explicit VellumarTabBar(QWidget* parent = nullptr);
  /// Destroys the bar.
  ~VellumarTabBar() override;

  /// The look the bar is painted in; VellumarStyle reads it through VellumarStyle::lookFor().
  const TabLook& tabLook() const;
  /// As QTabBar::sizeHint(), with the tabs laid out anew first where their sizes changed while hidden.
  QSize sizeHint() const override;
  /// As QTabBar::minimumSizeHint(), with the tabs laid out anew first where their sizes changed while hidden.
  QSize minimumSizeHint() const override;

  /// Fixes the head width of the tab at \p index to \p pixels, whatever its caption and icon.
  ///
  /// 0 or less fits the head to its caption and icon again. The width stays with its tab when tabs are
  /// inserted, removed or moved. An index outside 0 .. count() - 1 changes nothing.
  void setTabWidth(int index, int pixels);
  /// The fixed head width of the tab at \p index in pixels; 0 for a head that fits its caption and icon and
  /// for an index outside 0 .. count() - 1.
  int tabWidth(int index) const;

  ///@{
  /// Access functions of #tabHeight.
  int tabHeight() const;
  void setTabHeight(int height);
  ///@}
  ///@{
  /// Access functions of #captionFont; resetCaptionFont() makes it follow the widget's font again.
  QFont captionFont() const;
  void setCaptionFont(const QFont& font);
  void resetCaptionFont();
  ///@}
  /// The colour \p which of the look, as the RGB it paints with.
  QColor lookColor(LookColor which) const;
  /// Sets the colour \p which of the look to \p color; an invalid colour sets the colour's default.
  void setLookColor(LookColor which, const QColor& color);

  ///@{
  /// Access functions of the colour property of the same name, through lookColor() and setLookColor().
  QColor backColor() const { return lookColor(LookColor::kBack); }
  void setBackColor(const QColor& color) { setLookColor(LookColor::kBack, color); }
  QColor foreColor() const { return lookColor(LookColor::kFore); }
  void setForeColor(const QColor& color) { setLookColor(LookColor::kFore, color); }
  QColor foreColorActive() const { return lookColor(LookColor::kForeActive); }
  void setForeColorActive(const QColor& color) { setLookColor(LookColor::kForeActive, color); }
  QColor foreColorHot() const { return lookColor(LookColor::kForeHot); }
  void setForeColorHot(const QColor& color) { setLookColor(LookColor::kForeHot, color); }
  QColor backColorForm() const { return lookColor(LookColor::kBackForm); }
  void setBackColorForm(const QColor& color) { setLookColor(LookColor::kBackForm, color); }
  QColor frameColor() const { return lookColor(LookColor::kFrame); }
  void setFrameColor(const QColor& color) { setLookColor(LookColor::kFrame, color); }
  QColor maskColor() const { return lookColor(LookColor::kMask); }
  void setMaskColor(const QColor& color) { setLookColor(LookColor::kMask, color); }
  QColor mouseMoveColor0() const { return lookColor(LookColor::kMouseMove0); }
  void setMouseMoveColor0(const QColor& color) { setLookColor(LookColor::kMouseMove0, color); }
  QColor mouseMoveColor1() const { return lookColor(LookColor::kMouseMove1); }
  void setMouseMoveColor1(const QColor& color) { setLookColor(LookColor::kMouseMove1, color); }
  QColor mouseMoveColor2() const { return lookColor(LookColor::kMouseMove2); }
  void setMouseMoveColor2(const QColor& color) { setLookColor(LookColor::kMouseMove2, color); }
  QColor registerFocusColor0() const { return lookColor(LookColor::kRegisterFocus0); }
  void setRegisterFocusColor0(const QColor& color) { setLookColor(LookColor::kRegisterFocus0, color); }
  QColor registerFocusColor1() const { return lookColor(LookColor::kRegisterFocus1); }
  void setRegisterFocusColor1(const QColor& color) { setLookColor(LookColor::kRegisterFocus1, color); }
  QColor registerFocusColor2() const { return lookColor(LookColor::kRegisterFocus2); }
  void setRegisterFocusColor2(const QColor& color) { setLookColor(LookColor::kRegisterFocus2, color); }
  ///@}

 signals:
  /// The pointer came onto the tab at \p index.
  void tabEntered(int index);
  /// The pointer left the tab at \p index, for another tab or by leaving the bar; emitted before the
  /// tabEntered() of the next tab.
  void tabLeft(int index);
  /// A property of the look changed; emitted once per change, not for an assignment of the current value.
  void lookChanged();

 protected:
  /// The size of the tab at \p index in pixels: its head, fixed or fitted, and the gap that follows it.
  QSize tabSizeHint(int index) const override;
  /// Gives the new tab at \p index a fitted head; the fixed widths after it move on with their tabs.
  void tabInserted(int index) override;
  /// Drops the fixed width of the removed tab at \p index; the fixed widths after it move with their tabs.
  void tabRemoved(int index) override;
  /// Paints the bar through its style, in its look.
  void paintEvent(QPaintEvent* event) override;
  /// Lays out the tabs whose size changed while the bar was hidden.
  void showEvent(QShowEvent* event) override;
  /// Tracks the pointer over the tabs for tabEntered() and tabLeft(), then as QTabBar::event().
  bool event(QEvent* event) override;
  /// Repaints the strip whole after a change of font, layout direction or style, then as QTabBar.
  void changeEvent(QEvent* event) override;
  /// Gives the scroll and close buttons QTabBar makes the bar's style.
  void childEvent(QChildEvent* event) override;

 private:
  struct Private;

  void LookChanged();
  void LayOutTabs();
  void LayOutStaleTabs() const;
  // As after a change of the widget's font: QTabBar measures its captions anew and lays its tabs out.
  void MeasureCaptionsAgain();
  void Hover(int index);
  void OnTabMoved(int from, int to);

  std::unique_ptr<Private> d_;
};

}  // namespace vellumar
