// VellumarStyle: a QProxyStyle that paints tab bars and tab-widget panes as the control paints its strip,
// through the control's own painter and text engine, and leaves every other element to its base style.
// Tab bars in any of the four positions, left to right or mirrored, at any device pixel ratio. A tab bar
// that carries its own look (a VellumarTabBar) is painted in it; every other one in the style's look.
#pragma once

#include <QtWidgets/QProxyStyle>
#include <memory>

#include "vellumar_global.h"

namespace vellumar {

struct TabLook;

class VELLUMAR_QT_EXPORT VellumarStyle : public QProxyStyle {
  Q_OBJECT

 public:
  // Over base (taken over, as QProxyStyle takes it); null: over the platform's default style.
  explicit VellumarStyle(QStyle* base = nullptr);
  // Over the style QStyleFactory makes for key.
  explicit VellumarStyle(const QString& key);
  ~VellumarStyle() override;

  // One style for the application's VellumarTabWidgets and VellumarTabBars, made on first use over a fresh
  // copy of the application's style and owned by the application; the application's style itself when that
  // is a VellumarStyle already.
  static VellumarStyle* shared();

  const TabLook& look() const { return *look_; }
  void setLook(const TabLook& look);
  // The look widget is painted in: its own, when it or the tab widget's bar carries one.
  const TabLook& lookFor(const QWidget* widget) const;

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget = nullptr) const override;
  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override;
  QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override;
  int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                QStyleHintReturn* returnData = nullptr) const override;
  void polish(QWidget* widget) override;
  void unpolish(QWidget* widget) override;
  using QProxyStyle::polish;
  using QProxyStyle::unpolish;

 private:
  std::unique_ptr<TabLook> look_;
};

}  // namespace vellumar
