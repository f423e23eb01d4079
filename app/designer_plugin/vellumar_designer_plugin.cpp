#include "app/designer_plugin/vellumar_designer_plugin.h"

#include <QtGui/QIcon>
#include <QtGui/QPainter>
#include <QtGui/QPixmap>
#include <memory>

#include "app/qt/vellumar_tab_strip.h"

namespace vellumar {
namespace {

constexpr int kIconSide = 22;
constexpr int kIconHeadWidth = 7;
constexpr int kIconHeadHeight = 6;
constexpr int kIconStripTop = 4;

// Three tab heads over a page, the middle one selected, in the control's default colours.
QIcon TabStripIcon() {
  QPixmap pixmap(kIconSide, kIconSide);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  const QColor frame(0x98, 0xA0, 0xA0);
  const QColor page(0xFC, 0xFC, 0xFE);
  const QColor head(0xEC, 0xEB, 0xE6);
  const QColor focus(0xE8, 0x90, 0x28);
  const int page_top = kIconStripTop + kIconHeadHeight;
  painter.setPen(frame);
  painter.setBrush(page);
  painter.drawRect(0, page_top, kIconSide - 1, kIconSide - 1 - page_top);
  for (int i = 0; i < 3; ++i) {
    const int left = i * kIconHeadWidth;
    const bool selected = i == 1;
    const int top = selected ? kIconStripTop - 2 : kIconStripTop;
    painter.setBrush(selected ? page : head);
    painter.drawRect(left, top, kIconHeadWidth - 1, page_top - top);
    if (selected) painter.fillRect(left + 1, top, kIconHeadWidth - 2, 2, focus);
  }
  return QIcon(pixmap);
}

}  // namespace

VellumarDesignerPlugin::VellumarDesignerPlugin(QObject* parent) : QObject(parent) {}

QString VellumarDesignerPlugin::name() const {
  return QString::fromLatin1(VellumarTabStrip::staticMetaObject.className());
}

QString VellumarDesignerPlugin::group() const {
  return QStringLiteral("Vellumar");
}

QString VellumarDesignerPlugin::toolTip() const {
  return QStringLiteral("Vellumar tab strip (XP style)");
}

QString VellumarDesignerPlugin::whatsThis() const {
  return QStringLiteral(
      "A tab strip in the Windows XP look. Edit its tabs as \"caption|width\" lines in the tabs property "
      "(\"&\" marks an access key) and react to tabPressed.");
}

QString VellumarDesignerPlugin::includeFile() const {
  return QStringLiteral("app/qt/vellumar_tab_strip.h");
}

QIcon VellumarDesignerPlugin::icon() const {
  return TabStripIcon();
}

QWidget* VellumarDesignerPlugin::createWidget(QWidget* parent) {
  // The parent takes the widget over, as Designer expects.
  return std::make_unique<VellumarTabStrip>(parent).release();
}

void VellumarDesignerPlugin::initialize(QDesignerFormEditorInterface* /*core*/) {
  initialized_ = true;
}

QString VellumarDesignerPlugin::domXml() const {
  return QStringLiteral(
             "<ui language=\"c++\">\n"
             " <widget class=\"%1\" name=\"tabStrip\">\n"
             "  <property name=\"geometry\">\n"
             "   <rect><x>0</x><y>0</y><width>300</width><height>200</height></rect>\n"
             "  </property>\n"
             " </widget>\n"
             "</ui>\n")
      .arg(name());
}

}  // namespace vellumar
