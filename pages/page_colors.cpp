#include "pages/page_colors.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <optional>
#include <string>
#include <variant>

#include "control/property_table.h"
#include "control/vellumar.h"
#include "pages/color_swatch.h"
#include "pages/page_widgets.h"
#include "pages/system_color_names.h"
#include "pages/twips.h"

namespace vellumar {
namespace {

constexpr int kPageWidth = 5925;
constexpr int kPageHeight = 3495;

int SystemListPosition(OleColor color) {
  if (!IsSystemColorReference(color)) return -1;
  const int index = static_cast<int>(color & 0xFFu);
  const auto names = SystemColorNames();
  for (size_t i = 0; i < names.size(); ++i) {
    if (names[i].index == index) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

PageColors::PageColors(PageServices services, QWidget* parent)
    : PropertyPage(QStringLiteral("Farben"), std::move(services), parent) {
  SetUpForm(*this, kPageWidth, kPageHeight);
  for (const PropertyInfo& property : PropertyTable()) {
    if (property.type == ControlPropertyType::kColor) entries_.push_back(Entry{&property});
  }
  auto* heading = new QLabel(QStringLiteral("Eigenschaften:"), this);
  heading->setGeometry(12, 10, 176, 16);
  lstProperties_ = new QListWidget(this);
  lstProperties_->setObjectName(QStringLiteral("lstProperties"));
  lstProperties_->setGeometry(12, 28, 176, 199);
  for (const Entry& entry : entries_) {
    lstProperties_->addItem(
        QString::fromUtf8(entry.property->name.data(), static_cast<qsizetype>(entry.property->name.size())));
  }
  BuildColorGroup();
  connect(lstProperties_, &QListWidget::currentRowChanged, this, [this] { ShowSelected(); });
  SetTabOrder({lstProperties_, optRgb_, cmdChoose_, optSystem_, cmbSystem_});
  lstProperties_->setCurrentRow(0);
}

void PageColors::BuildColorGroup() {
  auto* group = new QGroupBox(QStringLiteral("Farbe"), this);
  group->setGeometry(200, 6, 183, 221);
  optRgb_ = new QRadioButton(QStringLiteral("RGB-Farbe"), group);
  optRgb_->setObjectName(QStringLiteral("optRgb"));
  optRgb_->setGeometry(12, 22, 160, 18);
  cmdChoose_ = new QPushButton(QStringLiteral("Auswählen…"), group);
  cmdChoose_->setObjectName(QStringLiteral("cmdChoose"));
  cmdChoose_->setGeometry(30, 44, 110, 23);
  cmdChoose_->setAutoDefault(false);
  optSystem_ = new QRadioButton(QStringLiteral("Systemfarbe"), group);
  optSystem_->setObjectName(QStringLiteral("optSystem"));
  optSystem_->setGeometry(12, 78, 160, 18);
  cmbSystem_ = new QComboBox(group);
  cmbSystem_->setObjectName(QStringLiteral("cmbSystem"));
  cmbSystem_->setGeometry(30, 100, 145, 22);
  for (const SystemColorName& name : SystemColorNames()) {
    cmbSystem_->addItem(SwatchIcon(SystemColorReference(name.index)), QString::fromUtf8(name.name));
  }
  auto* preview = new QLabel(QStringLiteral("Vorschau:"), group);
  preview->setGeometry(12, 136, 80, 16);
  swatch_ = new QLabel(group);
  swatch_->setObjectName(QStringLiteral("swatch"));
  swatch_->setGeometry(12, 154, 64, 40);
  swatch_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  swatch_->setAutoFillBackground(true);
  lblValue_ = new QLabel(group);
  lblValue_->setObjectName(QStringLiteral("lblValue"));
  lblValue_->setGeometry(84, 166, 95, 16);

  connect(cmdChoose_, &QPushButton::clicked, this, [this] { RunHandler([this] { ChooseRgbClicked(); }); });
  connect(cmbSystem_, &QComboBox::activated, this, [this](int position) { ChooseSystemColor(position); });
  connect(optSystem_, &QRadioButton::toggled, this, [this](bool on) {
    if (on && !showing_) ChooseSystemColor(std::max(0, cmbSystem_->currentIndex()));
  });
  connect(optRgb_, &QRadioButton::toggled, this, [this](bool on) {
    const int row = SelectedRow();
    if (!on || showing_ || row < 0) return;
    const OleColor current = PendingColor(row);
    if (IsSystemColorReference(current)) {
      const QColor rgb = ToQColor(current);
      Assign(Rgb(rgb.red(), rgb.green(), rgb.blue()));
    }
  });
}

void PageColors::SelectionChanged() {
  const ActionScope action(*this);
  Vellumar* first = FirstSelected();
  if (first == nullptr) return;
  for (size_t row = 0; row < entries_.size(); ++row) {
    const ControlPropertyValue value = entries_[row].property->get(*first, 0);
    if (const OleColor* color = std::get_if<OleColor>(&value)) entries_[row].color = *color;
    entries_[row].edited = false;
    RefreshRow(static_cast<int>(row));
  }
  ShowSelected();
}

void PageColors::ApplyChanges() {
  const ActionScope action(*this);
  for (Entry& entry : entries_) {
    if (!entry.edited) continue;
    for (Vellumar* control : SelectedControls()) {
      entry.property->set(*control, 0, ControlPropertyValue(std::in_place_type<OleColor>, entry.color));
    }
    entry.edited = false;
  }
}

void PageColors::SelectProperty(int row) {
  lstProperties_->setCurrentRow(row);
}

void PageColors::ChooseRgbClicked() {
  const int row = SelectedRow();
  if (row < 0) return;
  const QColor current = ToQColor(PendingColor(row));
  const std::string title = "Farbe für " + std::string(entries_[static_cast<size_t>(row)].property->name);
  const std::optional<ColorRef> chosen =
      services().colors.ChooseColor(Rgb(current.red(), current.green(), current.blue()), title);
  if (chosen) Assign(*chosen);
  ShowSelected();
}

void PageColors::ChooseSystemColor(int list_position) {
  const auto names = SystemColorNames();
  if (list_position < 0 || static_cast<size_t>(list_position) >= names.size()) return;
  Assign(SystemColorReference(names[static_cast<size_t>(list_position)].index));
}

void PageColors::Assign(OleColor color) {
  const int row = SelectedRow();
  if (row < 0) return;
  entries_[static_cast<size_t>(row)].color = color;
  entries_[static_cast<size_t>(row)].edited = true;
  RefreshRow(row);
  ShowSelected();
  SetChanged(true);
}

void PageColors::RefreshRow(int row) {
  if (QListWidgetItem* item = lstProperties_->item(row)) item->setIcon(SwatchIcon(PendingColor(row)));
}

void PageColors::ShowSelected() {
  const int row = SelectedRow();
  if (row < 0) return;
  showing_ = true;
  const OleColor color = PendingColor(row);
  const int position = SystemListPosition(color);
  (position >= 0 ? optSystem_ : optRgb_)->setChecked(true);
  cmbSystem_->setCurrentIndex(position);
  cmbSystem_->setEnabled(position >= 0);
  cmdChoose_->setEnabled(position < 0);
  QPalette fill = swatch_->palette();
  fill.setColor(QPalette::Window, ToQColor(color));
  swatch_->setPalette(fill);
  lblValue_->setText(ColorValueText(color));
  showing_ = false;
}

int PageColors::SelectedRow() const {
  return lstProperties_->currentRow();
}

}  // namespace vellumar
