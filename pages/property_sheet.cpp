#include "pages/property_sheet.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "pages/dialog_fonts.h"
#include "pages/page_allgemein.h"
#include "pages/page_colors.h"
#include "pages/page_font.h"
#include "pages/page_register.h"
#include "pages/page_tabsc.h"

namespace vellumar {

PropertySheet::PropertySheet(std::vector<Vellumar*> controls, PageServices services, QWidget* parent)
    : QDialog(parent), controls_(std::move(controls)), services_(std::move(services)) {
  setObjectName(QStringLiteral("PropertySheet"));
  setWindowTitle(QStringLiteral("Eigenschaftenseiten"));
  setFont(DialogFont());
  tabs_ = new QTabWidget(this);
  pages_ = {new PageTabsC(services_), new PageAllgemein(services_), new PageRegister(services_),
            new PageFont(services_), new PageColors(services_)};
  shown_.assign(pages_.size(), false);
  for (PropertyPage* page : pages_) {
    tabs_->addTab(page, page->Caption());
    connect(page, &PropertyPage::ChangedChanged, this, [this] { UpdateApplyButton(); });
  }
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
  cancel->setObjectName(QStringLiteral("cmdCancel"));
  cmdApply_ = new QPushButton(QStringLiteral("Übernehmen"), this);
  cmdApply_->setObjectName(QStringLiteral("cmdApply"));
  for (QPushButton* button : {ok, cancel, cmdApply_}) {
    button->setAutoDefault(false);
    button->setMinimumWidth(75);
  }
  ok->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addWidget(cmdApply_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(ok, &QPushButton::clicked, this, &PropertySheet::Ok);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(cmdApply_, &QPushButton::clicked, this, [this] { Apply(); });
  connect(tabs_, &QTabWidget::currentChanged, this, &PropertySheet::PageShown);
  PageShown(tabs_->currentIndex());
  UpdateApplyButton();
}

void PropertySheet::ShowPage(int index) {
  tabs_->setCurrentIndex(index);
}

void PropertySheet::PageShown(int index) {
  if (index < 0 || static_cast<size_t>(index) >= pages_.size() || shown_[static_cast<size_t>(index)]) return;
  shown_[static_cast<size_t>(index)] = true;
  PropertyPage* page = pages_[static_cast<size_t>(index)];
  page->SetSelectedControls(controls_);
  try {
    page->SelectionChanged();
  } catch (const std::exception& error) {
    ReportError(services_.messages, error);
  }
}

void PropertySheet::SetSelectedControls(std::vector<Vellumar*> controls) {
  controls_ = std::move(controls);
  for (size_t i = 0; i < pages_.size(); ++i) {
    if (!shown_[i]) continue;
    shown_[i] = false;
    PageShown(static_cast<int>(i));
  }
}

bool PropertySheet::Apply() {
  for (PropertyPage* page : pages_) {
    if (!page->Changed()) continue;
    try {
      page->ApplyChanges();
    } catch (const std::exception& error) {
      ReportError(services_.messages, error);
      return false;
    }
    page->SetChanged(false);
  }
  return true;
}

void PropertySheet::Ok() {
  if (Apply()) accept();
}

void PropertySheet::UpdateApplyButton() {
  cmdApply_->setEnabled(
      std::any_of(pages_.begin(), pages_.end(), [](const PropertyPage* page) { return page->Changed(); }));
}

void ShowPropertySheet(std::vector<Vellumar*> controls, PageServices services, QWidget* parent) {
  PropertySheet sheet(std::move(controls), std::move(services), parent);
  sheet.exec();
}

}  // namespace vellumar
