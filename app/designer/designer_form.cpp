#include "app/designer/designer_form.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "app/designer/designer_canvas.h"
#include "app/qt/vellumar_widget.h"
#include "control/vellumar.h"
#include "platform/error_text.h"
#include "platform/host_error.h"

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
  form.controls.reserve(canvas.controls().size());
  for (VellumarWidget* widget : canvas.controls()) {
    FormControl control;
    control.class_name = kVellumarClass;
    control.name = widget->objectName().toStdString();
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
  return form;
}

QStringList PlaceForm(FormCanvas& canvas, const Form& form) {
  struct Placed {
    std::unique_ptr<VellumarWidget> widget;
    QString name;
    QRect geometry;
  };
  std::vector<Placed> placed;
  QStringList notes;
  const auto taken = [&](const QString& name) {
    return std::ranges::any_of(
        placed, [&](const Placed& p) { return p.name.compare(name, Qt::CaseInsensitive) == 0; });
  };
  for (const FormControl& control : form.controls) {
    const QString name = QString::fromStdString(control.name);
    if (control.class_name != kVellumarClass) {
      notes << QStringLiteral("Das Steuerelement %1 der Klasse %2 wird nicht unterstützt und fehlt.")
                   .arg(Quoted(control.name), Quoted(control.class_name));
      continue;
    }
    if (taken(name)) {
      notes << QStringLiteral("Der Name %1 kommt mehrfach vor; nur das erste Steuerelement wird gezeigt.")
                   .arg(Quoted(control.name));
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
    placed.push_back({std::make_unique<VellumarWidget>(control.bag), name, geometry});
  }
  canvas.Clear();
  for (Placed& p : placed) canvas.AddControl(std::move(p.widget), p.name, p.geometry);
  return notes;
}

QString NextControlName(const FormCanvas& canvas) {
  for (int number = 1;; ++number) {
    const QString name = QStringLiteral("%1%2").arg(QString::fromUtf8(kVellumarClass)).arg(number);
    if (canvas.Find(name) == nullptr) return name;
  }
}

}  // namespace vellumar
