#include "app/designer/designer_form.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

#include "app/designer/designer_canvas.h"
#include "app/qt/vellumar_widget.h"
#include "control/vellumar.h"
#include "platform/errors/error_text.h"
#include "platform/errors/host_error.h"

namespace vellumar {
namespace {

QString Quoted(const std::string& text) {
  return QStringLiteral("„%1“").arg(QString::fromStdString(Excerpt(text)));
}

}  // namespace

QRect ClampedGeometry(const FormControl& control) {
  return QRect(std::clamp(control.left, 0, kMaxControlPosition),
               std::clamp(control.top, 0, kMaxControlPosition), std::clamp(control.width, 0, kMaxControlSide),
               std::clamp(control.height, 0, kMaxControlSide));
}

Form CaptureForm(const FormCanvas& canvas) {
  Form form;
  form.unknown_members = canvas.formMembers();
  form.controls.reserve(canvas.controls().size() + canvas.unplaced().size());
  for (VellumarWidget* widget : canvas.controls()) {
    FormControl control;
    control.class_name = kVellumarClass;
    control.name = widget->objectName().toStdString();
    for (const FormCanvas::Unplaced& kept : canvas.unplaced()) {
      if (kept.control.class_name != kVellumarClass && SameControlName(kept.control.name, control.name)) {
        throw HostError::WithDetail(kErrInvalidFormFile, OtherClassProblem(kept.control, kVellumarClass) +
                                                             "; a save does not replace it");
      }
    }
    const QRect geometry = widget->geometry();
    control.left = geometry.left();
    control.top = geometry.top();
    control.width = geometry.width();
    control.height = geometry.height();
    try {
      widget->WriteProperties(control.bag);
    } catch (const HostError& error) {
      throw error.Within("control \"" + Excerpt(control.name) + "\"");
    }
    form.controls.push_back(std::move(control));
  }
  for (const FormCanvas::Unplaced& kept : canvas.unplaced()) {
    const size_t at = std::min(kept.position, form.controls.size());
    form.controls.insert(form.controls.begin() + static_cast<std::ptrdiff_t>(at), kept.control);
  }
  return form;
}

QStringList PlaceForm(FormCanvas& canvas, const Form& form) {
  struct Placed {
    std::unique_ptr<VellumarWidget> widget;
    QString name;
    QRect geometry;
  };
  std::vector<Placed> placed;
  std::vector<FormCanvas::Unplaced> unplaced;
  QStringList notes;
  for (size_t position = 0; position < form.controls.size(); ++position) {
    const FormControl& control = form.controls[position];
    if (control.class_name != kVellumarClass) {
      notes << QStringLiteral(
                   "Das Steuerelement %1 der Klasse %2 wird nicht unterstützt; es wird nicht gezeigt, "
                   "bleibt aber beim Speichern erhalten.")
                   .arg(Quoted(control.name), Quoted(control.class_name));
      unplaced.push_back({position, control});
      continue;
    }
    // As the command-line host finds controls: the first of a name, whatever its class.
    if (FindControl(form, control.name) != &control) {
      notes << QStringLiteral(
                   "Der Name %1 kommt mehrfach vor; nur das erste Steuerelement wird gezeigt, die "
                   "übrigen bleiben beim Speichern erhalten.")
                   .arg(Quoted(control.name));
      unplaced.push_back({position, control});
      continue;
    }
    try {
      Vellumar::CheckLoadable(control.bag);
    } catch (const HostError& error) {
      throw error.Within("control \"" + Excerpt(control.name) + "\"");
    }
    const QRect geometry = ClampedGeometry(control);
    if (geometry.left() != control.left || geometry.top() != control.top ||
        geometry.width() != control.width || geometry.height() != control.height) {
      notes << QStringLiteral("Lage oder Größe von %1 lag außerhalb der Form und wurde angepasst.")
                   .arg(Quoted(control.name));
    }
    placed.push_back(
        {std::make_unique<VellumarWidget>(control.bag), QString::fromStdString(control.name), geometry});
  }
  canvas.Clear();
  canvas.SetUnplaced(std::move(unplaced), form.unknown_members);
  for (Placed& p : placed) canvas.AddControl(std::move(p.widget), p.name, p.geometry);
  return notes;
}

QString NextControlName(const FormCanvas& canvas) {
  for (int number = 1;; ++number) {
    const QString name = QStringLiteral("%1%2").arg(QString::fromUtf8(kVellumarClass)).arg(number);
    if (!canvas.NameTaken(name)) return name;
  }
}

}  // namespace vellumar
