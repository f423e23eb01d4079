#include "pages/page_tabsc.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "pages/decorative_pictures.h"
#include "pages/page_widgets.h"
#include "pages/twips.h"

namespace vellumar {
namespace {

constexpr int kPageWidth = 5895;
constexpr int kPageHeight = 3915;

QLabel* MakeSample(QWidget* parent, const char* name, SampleStrip sample, QSize size, TwipsBox box) {
  QLabel* label = MakeLabel(parent, name, QString(), box);
  label->setPixmap(SampleStripPixmap(sample, size));
  label->setFrameStyle(QFrame::Box | QFrame::Plain);
  label->setLineWidth(1);
  QPalette frame = label->palette();
  frame.setColor(QPalette::WindowText, QColor(96, 96, 96));
  label->setPalette(frame);
  return label;
}

}  // namespace

PageTabsC::PageTabsC(PageServices services, QWidget* parent)
    : PropertyPage(QStringLiteral("Copyright / Info"), std::move(services), parent) {
  SetUpForm(*this, kPageWidth, kPageHeight);
  // Picture2, with its tabs at the bottom, lies over the other two, so that its heads stay in view.
  MakeSample(this, "Picture3", SampleStrip::kTopFocused, QSize(209, 89), {120, 120, 3135, 1455});
  MakeSample(this, "Picture1", SampleStrip::kTopHotTracked, QSize(209, 89), {720, 1680, 3255, 1455});
  MakeSample(this, "Picture2", SampleStrip::kBottom, QSize(209, 90), {2640, 600, 3135, 1335});
  // The notice is longer than the box the layout gives it; it keeps the box's centre and takes the width
  // it needs.
  QLabel* notice =
      MakeLabel(this, "Label1", QStringLiteral("© 2026 Vellumar-Entwickler"), {1500, 3120, 3015, 255});
  notice->setWordWrap(false);
  notice->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  QPushButton* info = MakeButton(this, "btnInfo", QStringLiteral("Info"), {600, 3480, 4695, 375});
  connect(info, &QPushButton::clicked, this, [this] { RunHandler([this] { InfoClicked(); }); });
}

void PageTabsC::InfoClicked() {
  const ActionScope action(*this);
  if (services().show_about) services().show_about(this);
}

}  // namespace vellumar
