#include "pages/page_allgemein.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "control/vellumar.h"
#include "pages/numeric_text.h"
#include "pages/page_widgets.h"
#include "pages/twips.h"

namespace vellumar {
namespace {

constexpr int kPageWidth = 5925;
constexpr int kPageHeight = 3495;
constexpr int kPositionTop = 0;
constexpr int kPositionBottom = 1;

QString AlignmentEntry(int value) {
  return QString::number(value) +
         (value == reg_Top ? QStringLiteral(" - Oben (default)") : QStringLiteral(" - Unten"));
}

}  // namespace

PageAllgemein::PageAllgemein(PageServices services, QWidget* parent)
    : PropertyPage(QStringLiteral("Allgemein"), std::move(services), parent) {
  SetUpForm(*this, kPageWidth, kPageHeight);
  MakeLabel(this, "Label5", QStringLiteral("Tab-Höhe:"), {240, 240, 1455, 255});
  txtHeight_ = MakeTextBox(this, "txtHeight", {240, 480, 1335, 285});
  MakeLabel(this, "Label3", QStringLiteral("Tab-Ausrichtung:"), {3480, 240, 2175, 255});
  cmbAusrichtung_ = new QComboBox(this);
  cmbAusrichtung_->setObjectName(QStringLiteral("cmbAusrichtung"));
  cmbAusrichtung_->setEditable(true);
  cmbAusrichtung_->setInsertPolicy(QComboBox::NoInsert);
  PlaceAt(*cmbAusrichtung_, 3480, 480, 2175, 315);
  SetTabOrder({txtHeight_, cmbAusrichtung_});

  connect(txtHeight_, &QLineEdit::textChanged, this, [this] { RunHandler([this] { HeightChanged(); }); });
  connect(cmbAusrichtung_, &QComboBox::activated, this, [this](int position) {
    list_index_ = position;
    SetChanged(true);
  });
  connect(cmbAusrichtung_->lineEdit(), &QLineEdit::textEdited, this, [this] { list_index_ = -1; });
}

void PageAllgemein::SelectionChanged() {
  const ActionScope action(*this);
  Vellumar* first = FirstSelected();
  if (first == nullptr) return;
  txtHeight_->setText(QString::number(first->TabHeight()));
  if (cmbAusrichtung_->currentText().isEmpty()) {
    // An edit field the user emptied must not fill the list a second time.
    if (cmbAusrichtung_->count() == 0) {
      cmbAusrichtung_->addItem(AlignmentEntry(reg_Top));
      cmbAusrichtung_->addItem(AlignmentEntry(reg_Bottom));
    }
    SelectAlignment(first->Alignment());
  }
  SetChanged(true);
}

void PageAllgemein::SelectAlignment(int position) {
  // Alignment takes any value; one without an entry leaves the list without a choice.
  if (position < 0 || position >= cmbAusrichtung_->count()) return;
  cmbAusrichtung_->setCurrentIndex(position);
  list_index_ = position;
  SetChanged(true);
}

void PageAllgemein::ApplyChanges() {
  const ActionScope action(*this);
  Vellumar* first = FirstSelected();
  if (first == nullptr) return;
  first->SetTabHeight(ConvertToLong(txtHeight_->text()));
  for (Vellumar* control : SelectedControls()) {
    if (list_index_ == kPositionTop) control->SetAlignment(reg_Top);
    if (list_index_ == kPositionBottom) control->SetAlignment(reg_Bottom);
  }
}

void PageAllgemein::HeightChanged() {
  const HeightText check = CheckHeightText(txtHeight_->text());
  switch (check.verdict) {
    case HeightText::Verdict::kLeaveAlone:
      return;
    case HeightText::Verdict::kWholeNumber:
      // An equal text raises no further change, which ends the nesting.
      txtHeight_->setText(check.whole);
      SetChanged(true);
      return;
    case HeightText::Verdict::kInvalid:
      services().messages.Show("Bitte geben Sie nur Zahlen ein ohne Komma", "Vellumar", MsgBoxIcon::kStop,
                               MsgBoxButtons::kOkOnly);
      txtHeight_->setText(QStringLiteral("0"));
      return;
  }
}

}  // namespace vellumar
