// VellumarTabWidget: a QTabWidget in the control's look. This header needs Qt and C++17 only, so that any Qt
// program can include it.
#pragma once

#include <QtGui/QColor>
#include <QtGui/QFont>
#include <QtWidgets/QTabWidget>
#include <memory>

#include "vellumar_global.h"

namespace vellumar {

class VellumarTabBar;

/// A QTabWidget whose tab bar is a VellumarTabBar and whose tabs and page frame are painted as the control
/// paints its strip.
///
/// It is QTabWidget in everything QTabWidget declares; on top of it, the bar's look as properties that forms
/// save, fixed tab widths, and the pointer entering and leaving tabs. The text on the pages stays readable on
/// the page colour (the look's #backColor) whatever the palette. Replacing QTabWidget by it in a program is a
/// one-line change.
class VELLUMAR_QT_EXPORT VellumarTabWidget : public QTabWidget {
  Q_OBJECT
  /// The bar's VellumarTabBar::tabHeight, in pixels.
  Q_PROPERTY(int tabHeight READ tabHeight WRITE setTabHeight)
  /// The bar's VellumarTabBar::captionFont; resetting it follows the bar's font again.
  Q_PROPERTY(QFont captionFont READ captionFont WRITE setCaptionFont RESET resetCaptionFont)
  /// The bar's VellumarTabBar::backColor.
  Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
  /// The bar's VellumarTabBar::foreColor.
  Q_PROPERTY(QColor foreColor READ foreColor WRITE setForeColor)
  /// The bar's VellumarTabBar::foreColorActive.
  Q_PROPERTY(QColor foreColorActive READ foreColorActive WRITE setForeColorActive)
  /// The bar's VellumarTabBar::foreColorHot.
  Q_PROPERTY(QColor foreColorHot READ foreColorHot WRITE setForeColorHot)
  /// The bar's VellumarTabBar::backColorForm.
  Q_PROPERTY(QColor backColorForm READ backColorForm WRITE setBackColorForm)
  /// The bar's VellumarTabBar::frameColor.
  Q_PROPERTY(QColor frameColor READ frameColor WRITE setFrameColor)
  /// The bar's VellumarTabBar::maskColor.
  Q_PROPERTY(QColor maskColor READ maskColor WRITE setMaskColor)
  /// The bar's VellumarTabBar::mouseMoveColor0.
  Q_PROPERTY(QColor mouseMoveColor0 READ mouseMoveColor0 WRITE setMouseMoveColor0)
  /// The bar's VellumarTabBar::mouseMoveColor1.
  Q_PROPERTY(QColor mouseMoveColor1 READ mouseMoveColor1 WRITE setMouseMoveColor1)
  /// The bar's VellumarTabBar::mouseMoveColor2.
  Q_PROPERTY(QColor mouseMoveColor2 READ mouseMoveColor2 WRITE setMouseMoveColor2)
  /// The bar's VellumarTabBar::registerFocusColor0.
  Q_PROPERTY(QColor registerFocusColor0 READ registerFocusColor0 WRITE setRegisterFocusColor0)
  /// The bar's VellumarTabBar::registerFocusColor1.
  Q_PROPERTY(QColor registerFocusColor1 READ registerFocusColor1 WRITE setRegisterFocusColor1)
  /// The bar's VellumarTabBar::registerFocusColor2.
  Q_PROPERTY(QColor registerFocusColor2 READ registerFocusColor2 WRITE setRegisterFocusColor2)
  /// The control's name for tabPosition North (Top) and South (Bottom).
  ///
  /// Forms made before the widget was a QTabWidget set it; Designer edits tabPosition. It reads Top for any
  /// position but South.
  Q_PROPERTY(Alignment alignment READ alignment WRITE setAlignment DESIGNABLE false STORED false)

 public:
  /// Where the tabs stand, as #alignment names it.
  enum Alignment {
    Top,    ///< Above the pages: QTabWidget::North.
    Bottom  ///< Below the pages: QTabWidget::South.
  };
  Q_ENUM(Alignment)

  /// Constructs a tab widget without pages, as a child of \p parent, its bar a VellumarTabBar in the default
  /// look.
  explicit VellumarTabWidget(QWidget* parent = nullptr);
  /// Destroys the tab widget with its bar and its pages.
  ~VellumarTabWidget() override;

  /// The tab bar, owned by the tab widget; the same object as QTabWidget::tabBar().
  VellumarTabBar* vellumarTabBar() const;

  /// Fixes the head width of the tab at \p index to \p pixels, as VellumarTabBar::setTabWidth().
  ///
  /// 0 or less fits the head to its caption and icon again; an index outside 0 .. count() - 1 changes
  /// nothing.
  void setTabWidth(int index, int pixels);
  /// The fixed head width of the tab at \p index in pixels, as VellumarTabBar::tabWidth(); 0 for a fitted
  /// head and for an index outside 0 .. count() - 1.
  int tabWidth(int index) const;
  ///@{
  /// Access functions of the property of the same name, which reads and sets the bar's.
  int tabHeight() const;
  void setTabHeight(int height);
  QFont captionFont() const;
  void setCaptionFont(const QFont& font);
  void resetCaptionFont();
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
  ///@{
  /// Access functions of #alignment: setAlignment() sets tabPosition to North or South.
  Alignment alignment() const;
  void setAlignment(Alignment alignment);
  ///@}

 signals:
  /// The pointer came onto the tab at \p index (the bar's VellumarTabBar::tabEntered()).
  void tabEntered(int index);
  /// The pointer left the tab at \p index (the bar's VellumarTabBar::tabLeft()).
  void tabLeft(int index);

 protected:
  /// As QTabWidget::changeEvent(); after a palette change, keeps the pages' text readable on the page colour.
  void changeEvent(QEvent* event) override;

 private:
  // Gives the pages a palette whose text reads on the page colour.
  void FollowPageColour();

  struct Private;
  std::unique_ptr<Private> d_;
};

}  // namespace vellumar
