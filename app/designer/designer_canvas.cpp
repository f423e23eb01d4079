#include "app/designer/designer_canvas.h"

#include <QtGui/QPaintEvent>
#include <QtGui/QPainter>
#include <algorithm>

#include "app/designer/designer_overlay.h"
#include "app/qt/vellumar_widget.h"

namespace vellumar {
namespace {

// The form's own colours: the XP dialog face, with a darker dot for each grid point in design mode.
const QColor kFormColor(236, 233, 216);
const QColor kGridColor(150, 147, 130);
// Room left right of and below the rightmost and lowest control.
constexpr int kMargin = 16;
const QSize kMinimumFormSize(480, 320);

}  // namespace

FormCanvas::FormCanvas(QWidget* parent) : QWidget(parent), overlay_(new DesignOverlay(*this)) {
  setAutoFillBackground(false);
  setAttribute(Qt::WA_OpaquePaintEvent);
  overlay_->setGeometry(rect());
  overlay_->show();
  UpdateMinimumSize();
}

FormCanvas::~FormCanvas() = default;

VellumarWidget* FormCanvas::AddControl(std::unique_ptr<VellumarWidget> control, const QString& name,
                                       const QRect& geometry) {
  VellumarWidget* placed = control.release();
  placed->setParent(this);
  placed->setObjectName(name);
  placed->setGeometry(geometry);
  placed->setEnabled(!design_mode_);
  placed->show();
  controls_.push_back(placed);
  connect(placed, &VellumarWidget::propertyChanged, this, &FormCanvas::modified);
  connect(placed, &VellumarWidget::hostError, this, [this, placed](int number, const QString& description) {
    emit controlError(placed->objectName(), number, description);
  });
  overlay_->raise();
  UpdateMinimumSize();
  return placed;
}

void FormCanvas::RemoveControl(VellumarWidget* control) {
  const auto found = std::find(controls_.begin(), controls_.end(), control);
  if (found == controls_.end()) return;
  if (selected_ == control) Select(nullptr);
  controls_.erase(found);
  delete control;
  UpdateMinimumSize();
  overlay_->update();
}

void FormCanvas::Clear() {
  Select(nullptr);
  std::vector<VellumarWidget*> gone;
  gone.swap(controls_);
  for (VellumarWidget* control : gone) delete control;
  unplaced_.clear();
  form_members_.clear();
  UpdateMinimumSize();
}

VellumarWidget* FormCanvas::Find(const QString& name) const {
  const std::string wanted = name.toStdString();
  for (VellumarWidget* control : controls_) {
    if (SameControlName(control->objectName().toStdString(), wanted)) return control;
  }
  return nullptr;
}

void FormCanvas::SetUnplaced(std::vector<Unplaced> controls, UnknownMembers form_members) {
  unplaced_ = std::move(controls);
  form_members_ = std::move(form_members);
}

bool FormCanvas::NameTaken(const QString& name) const {
  const std::string wanted = name.toStdString();
  return Find(name) != nullptr || std::ranges::any_of(unplaced_, [&](const Unplaced& kept) {
           return SameControlName(kept.control.name, wanted);
         });
}

VellumarWidget* FormCanvas::ControlAt(QPoint position) const {
  // Later controls lie on top of earlier ones.
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    if ((*it)->geometry().contains(position)) return *it;
  }
  return nullptr;
}

QPoint FormCanvas::FreeSpot() const {
  int bottom = 0;
  for (const VellumarWidget* control : controls_) bottom = std::max(bottom, control->geometry().bottom() + 1);
  const int top = ((bottom + kGrid - 1) / kGrid) * kGrid + 2 * kGrid;
  return QPoint(2 * kGrid, controls_.empty() ? 2 * kGrid : top);
}

void FormCanvas::Select(VellumarWidget* control) {
  if (control != nullptr && std::find(controls_.begin(), controls_.end(), control) == controls_.end()) {
    control = nullptr;
  }
  if (selected_ == control) return;
  selected_ = control;
  overlay_->update();
  emit selectionChanged(control);
}

void FormCanvas::SetDesignMode(bool design) {
  design_mode_ = design;
  for (VellumarWidget* control : controls_) control->setEnabled(!design);
  overlay_->setVisible(design);
  if (design) overlay_->raise();
  update();
}

void FormCanvas::SetContextActions(QList<QAction*> on_control, QList<QAction*> on_form) {
  control_actions_ = std::move(on_control);
  form_actions_ = std::move(on_form);
}

void FormCanvas::SetControlGeometry(VellumarWidget* control, const QRect& geometry) {
  if (std::find(controls_.begin(), controls_.end(), control) == controls_.end()) return;
  if (control->geometry() == geometry) return;
  control->setGeometry(geometry);
  UpdateMinimumSize();
  overlay_->update();
}

void FormCanvas::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), kFormColor);
  if (!design_mode_) return;
  const QRect area = event->rect();
  const int first_x = (area.left() / kGrid) * kGrid;
  const int first_y = (area.top() / kGrid) * kGrid;
  painter.setPen(kGridColor);
  for (int y = first_y; y <= area.bottom(); y += kGrid) {
    for (int x = first_x; x <= area.right(); x += kGrid) painter.drawPoint(x, y);
  }
}

void FormCanvas::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  overlay_->setGeometry(rect());
}

void FormCanvas::UpdateMinimumSize() {
  QSize needed = kMinimumFormSize;
  for (const VellumarWidget* control : controls_) {
    const QRect g = control->geometry();
    needed = needed.expandedTo(QSize(g.right() + 1 + kMargin, g.bottom() + 1 + kMargin));
  }
  setMinimumSize(needed);
}

}  // namespace vellumar
