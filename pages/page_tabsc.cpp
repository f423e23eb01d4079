#include "pages/page_tabsc.h"

#include <QLabel>
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
  return label;
}

}  // namespace

PageTabsC::PageTabsC(PageServices services, QWidget* parent)
    : PropertyPage(QStringLiteral("Copyright / Info"), std::move(services), parent) {
  SetUpForm(*this, kPageWidth, kPageHeight);
  // Later pictures lie over earlier ones.
  MakeSample(this, "Picture3", SampleStrip::kTopFocused, QSize(209, 89), {120, 120, 3135, 1455});
  MakeSample(this, "Picture2", SampleStrip::kBottom, QSize(209, 90), {2640, 600, 3135, 1335});
  MakeSample(this, "Picture1", SampleStrip::kTopHotTracked, QSize(209, 89), {720, 1680, 3255, 1455});
  QLabel* notice =
      MakeLabel(this, "Label1", QStringLiteral("© 2026 Vellumar-Entwickler"), {2160, 3120, 1695, 255});
  notice->setWordWrap(false);
  QPushButton* info = MakeButton(this, "btnInfo", QStringLiteral("Info"), {600, 3480, 4695, 375});
  connect(info, &QPushButton::clicked, this, [this] { RunHandler([this] { InfoClicked(); }); });
}

void PageTabsC::InfoClicked() {
  const ActionScope action(*this);
  if (services().show_about) services().show_about(this);
}

}  // namespace vellumar
