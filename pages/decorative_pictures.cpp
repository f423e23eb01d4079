#include "pages/decorative_pictures.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <exception>
#include <span>
#include <string>

#include "control/headless_host.h"
#include "control/vellumar.h"
#include "pages/picture_box.h"

namespace vellumar {
namespace {

struct SampleTab {
  const char* caption;
  int32_t width;
};

// The strip on top carries long captions; the other two stay narrow, as other pictures overlap their
// right part on the info page.
constexpr SampleTab kWideTabs[] = {{"Allgemein", 66}, {"Farben", 54}, {"&Info", 44}};
constexpr SampleTab kNarrowTabs[] = {{"Start", 42}, {"&Bild", 38}, {"Info", 40}};
const QColor kFrameBlue(0, 60, 116);
const QColor kHotOrange(230, 139, 44);

std::span<const SampleTab> TabsOf(SampleStrip sample) {
  if (sample == SampleStrip::kTopFocused) return kWideTabs;
  return kNarrowTabs;
}

void SetUpTabs(Vellumar& control, std::span<const SampleTab> tabs) {
  control.SetTabCaption(1, tabs[0].caption);
  control.SetTabWidth(1, tabs[0].width);
  for (const SampleTab& tab : tabs.subspan(1)) {
    int32_t width = tab.width;
    std::string caption = tab.caption;
    StdPictureRef none;
    control.AddTab(width, caption, none);
  }
}

void PaintSampleState(Vellumar& control, HeadlessHost& host, SampleStrip sample) {
  switch (sample) {
    case SampleStrip::kTopFocused:
      control.SetSelectedTab(1);
      control.GotFocus();
      return;
    case SampleStrip::kBottom:
      control.SetAlignment(reg_Bottom);
      control.SetSelectedTab(2);
      return;
    case SampleStrip::kTopHotTracked: {
      control.SetSelectedTab(2);
      const Rect& head = control.state().mTabRects.at(3);
      const Point inside{(head.left + head.right) / 2, (head.top + head.bottom) / 2};
      host.SetCursor(inside);
      control.MouseMove(0, 0, static_cast<float>(inside.x), static_cast<float>(inside.y));
      return;
    }
  }
}

// A hint of a form on the page: two captions with their text boxes and a check box.
void PaintPageContent(QImage& image, const Rect& page) {
  constexpr int kInset = 10;
  constexpr int kRowHeight = 20;
  constexpr int kCaptionWidth = 34;
  QPainter painter(&image);
  const QRect area = QRect(page.left, page.top, page.right - page.left, page.bottom - page.top)
                         .adjusted(kInset, kInset - 2, -kInset, -kInset);
  const int box_width = std::min(110, area.width() - kCaptionWidth - 8);
  for (int row = 0; row < 2; ++row) {
    const int y = area.top() + row * kRowHeight;
    if (y + 14 > area.bottom()) return;
    painter.fillRect(QRect(area.left(), y + 5, kCaptionWidth - (row * 8), 3), QColor(150, 150, 160));
    painter.setPen(QColor(127, 157, 185));
    painter.setBrush(Qt::white);
    painter.drawRect(QRect(area.left() + kCaptionWidth + 6, y, box_width, 13));
  }
  const int y = area.top() + 2 * kRowHeight;
  if (y + 11 > area.bottom()) return;
  painter.setPen(QColor(28, 81, 128));
  painter.drawRect(QRect(area.left(), y, 10, 10));
  painter.fillRect(QRect(area.left() + 16, y + 4, 48, 3), QColor(150, 150, 160));
}

QPixmap PaintSample(SampleStrip sample, QSize size) {
  HeadlessHost host;
  Vellumar control(host, &host);
  host.Attach(&control);
  control.InitProperties();
  host.Resize(size.width(), size.height());
  SetUpTabs(control, TabsOf(sample));
  PaintSampleState(control, host, sample);
  QImage image = BitmapToImage(host.image());
  PaintPageContent(image, control.state().mPageRect);
  host.Attach(nullptr);
  return QPixmap::fromImage(image);
}

QLinearGradient HeadGradient(const QRectF& head, bool selected) {
  QLinearGradient gradient(head.topLeft(), head.bottomLeft());
  gradient.setColorAt(0, Qt::white);
  gradient.setColorAt(1, selected ? QColor(252, 252, 254) : QColor(224, 226, 235));
  return gradient;
}

void DrawHead(QPainter& painter, const QRectF& head, bool selected) {
  QPainterPath outline;
  outline.moveTo(head.bottomLeft());
  outline.lineTo(head.left(), head.top() + 2);
  outline.quadTo(head.topLeft(), QPointF(head.left() + 2, head.top()));
  outline.lineTo(head.right() - 2, head.top());
  outline.quadTo(head.topRight(), QPointF(head.right(), head.top() + 2));
  outline.lineTo(head.bottomRight());
  painter.setPen(QPen(kFrameBlue.lighter(180), 1));
  painter.setBrush(HeadGradient(head, selected));
  painter.drawPath(outline);
  if (selected) {
    painter.setPen(QPen(kHotOrange, 2));
    painter.drawLine(QPointF(head.left() + 1.5, head.top() + 1), QPointF(head.right() - 1.5, head.top() + 1));
  }
}

}  // namespace

QPixmap SampleStripPixmap(SampleStrip sample, QSize size) {
  try {
    return PaintSample(sample, size);
  } catch (const std::exception&) {
    // Decoration only: a missing font or a failed paint leaves a plain surface.
    QPixmap plain(size);
    plain.fill(QColor(252, 252, 254));
    return plain;
  }
}

QPixmap TabPageEmblem(QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing, true);
  const qreal bottom = size.height() - 0.5;
  const qreal right = size.width() - 0.5;
  DrawHead(painter, QRectF(1.5, 1.5, 7, 4), true);
  painter.setPen(QPen(kFrameBlue, 1));
  painter.setBrush(QColor(252, 252, 254));
  painter.drawRect(QRectF(0.5, 5.5, right - 0.5, bottom - 5.5));
  painter.setPen(QPen(QColor(150, 160, 190), 1));
  painter.drawLine(QPointF(3, 9), QPointF(right - 3, 9));
  painter.drawLine(QPointF(3, 11.5), QPointF(right - 5, 11.5));
  return pixmap;
}

QIcon AboutWindowIcon() {
  return QIcon(TabPageEmblem(QSize(16, 16)));
}

QPixmap TabHeadsBadge() {
  constexpr int kWidth = 72;
  constexpr int kHeight = 16;
  QPixmap pixmap(kWidth, kHeight);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing, true);
  const QRectF selected(23.5, 1.5, 24, 14.5);
  DrawHead(painter, QRectF(1.5, 4.5, 22, 11), false);
  DrawHead(painter, QRectF(47.5, 4.5, 22, 11), false);
  DrawHead(painter, selected, true);
  // The strip's edge runs under the other heads and leaves the selected one open to its page.
  painter.setPen(QPen(kFrameBlue.lighter(180), 1));
  painter.drawLine(QPointF(0, kHeight - 0.5), QPointF(selected.left(), kHeight - 0.5));
  painter.drawLine(QPointF(selected.right(), kHeight - 0.5), QPointF(kWidth, kHeight - 0.5));
  return pixmap;
}

}  // namespace vellumar
