// VellumarStyle: a QProxyStyle that paints tab bars and tab-widget panes as the control paints its strip.
#pragma once

#include <QtWidgets/QProxyStyle>
#include <memory>

#include "vellumar_global.h"

namespace vellumar {

struct TabLook;

/// A QProxyStyle that paints tab bars and tab-widget panes as the control paints its strip, through the
/// control's own painter and text engine, and leaves every other element to its base style.
///
/// It paints tab bars in any of the four positions, left to right or mirrored, at any device pixel ratio. A
/// tab bar that carries its own look (a VellumarTabBar) is painted in it; every other one in the style's
/// look. Setting it as the application's style gives every QTabWidget and QTabBar the look.
class VELLUMAR_QT_EXPORT VellumarStyle : public QProxyStyle {
  Q_OBJECT

 public:
  /// Constructs the style over \p base, which it takes over as QProxyStyle does; null: over the platform's
  /// default style.
  explicit VellumarStyle(QStyle* base = nullptr);
  /// Constructs the style over the style QStyleFactory makes for \p key (the default style for an unknown
  /// key).
  explicit VellumarStyle(const QString& key);
  /// Destroys the style and its base style.
  ~VellumarStyle() override;

  /// One style for the application's VellumarTabWidgets and VellumarTabBars, made on first use over a fresh
  /// copy of the application's style and owned by the application; the application's style itself when that
  /// is a VellumarStyle already. Call it only while a QApplication exists.
  static VellumarStyle* shared();

  /// The look of tab bars that carry none of their own; the control's default look at first.
  const TabLook& look() const { return *look_; }
  /// Sets the look of tab bars that carry none of their own.
  void setLook(const TabLook& look);
  /// The look \p widget is painted in: its own, when it or the tab widget's bar carries one, else look().
  const TabLook& lookFor(const QWidget* widget) const;

  /// Paints the tab-widget pane's frame and the tab bar's base in the look; other primitives as the base
  /// style.
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
  /// Paints tab shapes and labels in the look; other controls as the base style.
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
  /// Paints the tab bar's scroll buttons in the look; other complex controls as the base style.
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget = nullptr) const override;
  /// The tab bar's metrics of the look, in pixels; other metrics as the base style.
  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
  /// The size of a tab in the look, in pixels; other contents as the base style.
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override;
  /// The rectangles of tab-widget and tab-bar parts in the look; other elements as the base style.
  QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override;
  /// The tab bar's hints of the look; other hints as the base style.
  int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                QStyleHintReturn* returnData = nullptr) const override;
  /// As the base style; then tab bars and their buttons get hover events (Qt::WA_Hover) and a tab widget's
  /// pages a palette whose text reads on the page colour.
  void polish(QWidget* widget) override;
  /// As the base style.
  void unpolish(QWidget* widget) override;
  using QProxyStyle::polish;
  using QProxyStyle::unpolish;

 private:
  std::unique_ptr<TabLook> look_;
};

}  // namespace vellumar
