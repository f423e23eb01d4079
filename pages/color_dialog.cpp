#include "pages/color_dialog.h"

#include <QApplication>
#include <QColor>
#include <QColorDialog>
#include <QString>

namespace vellumar {

std::optional<ColorRef> QtColorDialog::ChooseColor(ColorRef initial, const std::string& title) {
  const QColor start(RedOf(initial), GreenOf(initial), BlueOf(initial));
  const QColor chosen =
      QColorDialog::getColor(start, QApplication::activeWindow(), QString::fromStdString(title));
  if (!chosen.isValid()) return std::nullopt;
  return Rgb(chosen.red(), chosen.green(), chosen.blue());
}

}  // namespace vellumar
