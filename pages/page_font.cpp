#include "pages/page_font.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <algorithm>
#include <optional>
#include <string>

#include "control/vellumar.h"
#include "pages/dialog_fonts.h"
#include "pages/page_widgets.h"
#include "platform/errors/host_error.h"

namespace vellumar {
namespace {

constexpr int kPageWidth = 5925;
constexpr int kPageHeight = 3495;
constexpr double kSmallestSize = 1;
constexpr double kLargestSize = 2048;
// The sample stays readable inside its frame whatever size is chosen.
constexpr double kLargestSampleSize = 28;

constexpr double kSizes[] = {8, 8.25, 9, 9.75, 10, 11, 12, 14, 16, 18, 20, 24, 28, 36, 48, 72};

std::optional<double> ParseSize(const QString& text) {
  bool ok = false;
  double size = QLocale().toDouble(text.trimmed(), &ok);
  if (!ok) size = QLocale::c().toDouble(text.trimmed(), &ok);
  if (!ok || !(size >= kSmallestSize && size <= kLargestSize)) return std::nullopt;
  return size;
}

QString SizeText(double size) {
  return QLocale().toString(size, 'g', 6);
}

}  // namespace

PageFont::PageFont(PageServices services, QWidget* parent)
    : PropertyPage(QStringLiteral("Schriftart"), std::move(services), parent) {
  SetUpForm(*this, kPageWidth, kPageHeight);
  (new QLabel(QStringLiteral("Schriftart:"), this))->setGeometry(12, 10, 200, 16);
  cmbName_ = new QComboBox(this);
  cmbName_->setObjectName(QStringLiteral("cmbFontName"));
  cmbName_->setGeometry(12, 28, 210, 22);
  cmbName_->setEditable(true);
  cmbName_->setInsertPolicy(QComboBox::NoInsert);
  DialogFont();  // makes the old dialog fonts known before the list is read
  cmbName_->addItems(QFontDatabase::families());
  (new QLabel(QStringLiteral("Größe:"), this))->setGeometry(236, 10, 80, 16);
  cmbSize_ = new QComboBox(this);
  cmbSize_->setObjectName(QStringLiteral("cmbFontSize"));
  cmbSize_->setGeometry(236, 28, 72, 22);
  cmbSize_->setEditable(true);
  cmbSize_->setInsertPolicy(QComboBox::NoInsert);
  for (double size : kSizes) cmbSize_->addItem(SizeText(size));
  BuildEffects();
  connect(cmbName_, &QComboBox::currentTextChanged, this, [this] { Edited(); });
  connect(cmbSize_, &QComboBox::currentTextChanged, this, [this] { Edited(); });
  SetTabOrder({cmbName_, cmbSize_, chkStyle_[kBold], chkStyle_[kItalic], chkStyle_[kUnderline],
               chkStyle_[kStrikethrough]});
}

void PageFont::BuildEffects() {
  auto* effects = new QGroupBox(QStringLiteral("Effekte"), this);
  effects->setGeometry(12, 62, 210, 120);
  const char* const names[kStyleCount] = {"chkBold", "chkItalic", "chkUnderline", "chkStrikethrough"};
  const QString captions[kStyleCount] = {QStringLiteral("Fett"), QStringLiteral("Kursiv"),
                                         QStringLiteral("Unterstrichen"), QStringLiteral("Durchgestrichen")};
  for (int i = 0; i < kStyleCount; ++i) {
    chkStyle_[i] = new QCheckBox(captions[i], effects);
    chkStyle_[i]->setObjectName(QString::fromLatin1(names[i]));
    chkStyle_[i]->setGeometry(12, 22 + 22 * i, 180, 18);
    connect(chkStyle_[i], &QCheckBox::toggled, this, [this] { Edited(); });
  }
  auto* example = new QGroupBox(QStringLiteral("Beispiel"), this);
  example->setGeometry(236, 62, 147, 120);
  sample_ = new QLabel(QStringLiteral("AaBbÄäÖö"), example);
  sample_->setObjectName(QStringLiteral("lblSample"));
  sample_->setGeometry(6, 18, 135, 96);
  sample_->setAlignment(Qt::AlignCenter);
}

void PageFont::SelectionChanged() {
  const ActionScope action(*this);
  Vellumar* first = FirstSelected();
  if (first == nullptr) return;
  showing_ = true;
  cmbName_->setEditText(QString::fromStdString(first->FontName()));
  cmbSize_->setEditText(SizeText(first->FontSize()));
  chkStyle_[kBold]->setChecked(first->FontBold() != kFalse);
  chkStyle_[kItalic]->setChecked(first->FontItalic() != kFalse);
  chkStyle_[kUnderline]->setChecked(first->FontUnderline() != kFalse);
  chkStyle_[kStrikethrough]->setChecked(first->FontStrikethru() != kFalse);
  showing_ = false;
  UpdateSample();
}

void PageFont::ApplyChanges() {
  const ActionScope action(*this);
  const std::optional<double> size = ParseSize(cmbSize_->currentText());
  if (!size) throw HostError(kErrInvalidPropertyValue, "Ungültige Schriftgröße");
  const std::string name = cmbName_->currentText().trimmed().toStdString();
  for (Vellumar* control : SelectedControls()) {
    control->SetFontName(name);
    control->SetFontSize(static_cast<float>(*size));
    control->SetFontBold(ToVbBool(chkStyle_[kBold]->isChecked()));
    control->SetFontItalic(ToVbBool(chkStyle_[kItalic]->isChecked()));
    control->SetFontUnderline(ToVbBool(chkStyle_[kUnderline]->isChecked()));
    control->SetFontStrikethru(ToVbBool(chkStyle_[kStrikethrough]->isChecked()));
  }
}

void PageFont::Edited() {
  UpdateSample();
  if (!showing_) SetChanged(true);
}

void PageFont::UpdateSample() {
  QFont font(cmbName_->currentText());
  font.setPointSizeF(std::min(ParseSize(cmbSize_->currentText()).value_or(8.25), kLargestSampleSize));
  font.setBold(chkStyle_[kBold]->isChecked());
  font.setItalic(chkStyle_[kItalic]->isChecked());
  font.setUnderline(chkStyle_[kUnderline]->isChecked());
  font.setStrikeOut(chkStyle_[kStrikethrough]->isChecked());
  sample_->setFont(font);
}

}  // namespace vellumar
