// VellumarTabWidget: a QTabWidget whose tab bar is a VellumarTabBar and whose tabs and page frame are painted
// as the control paints its strip. It is QTabWidget in everything QTabWidget declares; on top of it, the
// bar's look as properties that forms save, fixed tab widths, and the pointer entering and leaving tabs. The
// text on the pages stays readable on the page colour (the look's back colour) whatever the palette. This
// header needs Qt and C++17 only, so that any Qt program can include it.
#pragma once

#include <QtGui/QColor>
#include <QtGui/QFont>
#include <QtWidgets/QTabWidget>
#include <memory>

#include "vellumar_global.h"

namespace vellumar {

class VellumarTabBar;

class VELLUMAR_QT_EXPORT VellumarTabWidget : public QTabWidget {
  Q_OBJECT
  Q_PROPERTY(int tabHeight READ tabHeight WRITE setTabHeight)
  Q_PROPERTY(QFont captionFont READ captionFont WRITE setCaptionFont RESET resetCaptionFont)
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
  // The control's name for tabPosition North (Top) and South (Bottom), which forms made before the widget
  // was a QTabWidget set; Designer edits tabPosition.
  Q_PROPERTY(Alignment alignment READ alignment WRITE setAlignment DESIGNABLE false STORED false)

 public:
  enum Alignment { Top, Bottom };
  Q_ENUM(Alignment)

  explicit VellumarTabWidget(QWidget* parent = nullptr);
  ~VellumarTabWidget() override;

  VellumarTabBar* vellumarTabBar() const;

  // The bar's properties of the same names (see VellumarTabBar).
  void setTabWidth(int index, int pixels);
  int tabWidth(int index) const;
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
  // Top for any position but South.
  Alignment alignment() const;
  void setAlignment(Alignment alignment);

 signals:
  // The pointer came onto the tab at index, or left it.
  void tabEntered(int index);
  void tabLeft(int index);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  // Gives the pages a palette whose text reads on the page colour.
  void FollowPageColour();

  struct Private;
  std::unique_ptr<Private> d_;
};

}  // namespace vellumar
