// VellumarTabBar: a QTabBar painted as the control paints its strip, in a look of its own (the strip's
// thirteen colours, caption font and tab height) that forms save as Qt properties. Beyond QTabBar it gives a
// tab a fixed head width and reports the pointer entering and leaving tabs. Everything else is QTabBar's.
// This header needs Qt and C++17 only, so that any Qt program can include it.
#pragma once

#include <QtGui/QColor>
#include <QtGui/QFont>
#include <QtWidgets/QTabBar>
#include <memory>

#include "vellumar_global.h"

namespace vellumar {

struct TabLook;

class VELLUMAR_QT_EXPORT VellumarTabBar : public QTabBar {
  Q_OBJECT
  Q_PROPERTY(int tabHeight READ tabHeight WRITE setTabHeight)
  // The widget's own font until a caption font is set; resetting it follows the widget's font again.
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

 public:
  // The colours of the look, one per colour property.
  enum class LookColor {
    kBack,
    kFore,
    kForeActive,
    kForeHot,
    kBackForm,
    kFrame,
    kMask,
    kMouseMove0,
    kMouseMove1,
    kMouseMove2,
    kRegisterFocus0,
    kRegisterFocus1,
    kRegisterFocus2,
  };

  explicit VellumarTabBar(QWidget* parent = nullptr);
  ~VellumarTabBar() override;

  // The look the bar is painted in.
  const TabLook& tabLook() const;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  // The head width of the tab at index in pixels, fixed whatever its caption and icon; 0 or less fits the
  // head to them again. The width stays with its tab when tabs are inserted, removed or moved. An index out
  // of range changes nothing and reads 0.
  void setTabWidth(int index, int pixels);
  int tabWidth(int index) const;

  int tabHeight() const;
  void setTabHeight(int height);
  QFont captionFont() const;
  void setCaptionFont(const QFont& font);
  void resetCaptionFont();
  // An invalid colour sets the colour's default.
  QColor lookColor(LookColor which) const;
  void setLookColor(LookColor which, const QColor& color);

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

 signals:
  // The pointer came onto the tab at index, or left it (also by leaving the bar).
  void tabEntered(int index);
  void tabLeft(int index);
  // A property of the look changed.
  void lookChanged();

 protected:
  QSize tabSizeHint(int index) const override;
  void tabInserted(int index) override;
  void tabRemoved(int index) override;
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;
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
