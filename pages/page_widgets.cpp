#include "pages/page_widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "pages/dialog_fonts.h"
#include "pages/twips.h"

namespace vellumar {
namespace {

template <typename Widget>
Widget* Placed(Widget* widget, const char* name, TwipsBox box) {
  widget->setObjectName(QString::fromLatin1(name));
  PlaceAt(*widget, box.left, box.top, box.width, box.height);
  return widget;
}

}  // namespace

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, TwipsBox box) {
  auto* label = Placed(new QLabel(caption, parent), name, box);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  return label;
}

QLineEdit* MakeTextBox(QWidget* parent, const char* name, TwipsBox box, const QString& tool_tip) {
  auto* edit = Placed(new QLineEdit(parent), name, box);
  edit->setToolTip(tool_tip);
  return edit;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, TwipsBox box,
                        const QString& tool_tip) {
  auto* button = Placed(new QPushButton(caption, parent), name, box);
  button->setToolTip(tool_tip);
  button->setAutoDefault(false);
  return button;
}

void SetUpForm(QWidget& form, int width_twips, int height_twips) {
  form.setFont(DialogFont());
  form.setFixedSize(TwipsToPixels(width_twips), TwipsToPixels(height_twips));
}

void SetTabOrder(std::initializer_list<QWidget*> widgets) {
  QWidget* previous = nullptr;
  for (QWidget* widget : widgets) {
    if (previous != nullptr) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

}  // namespace vellumar
