// Absolutely placed widgets for the pages and the about box, created the way the old forms had them:
// named, at a position in twips, in the dialog font.
#pragma once

#include <QString>
#include <initializer_list>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vellumar {

// Position and size in twips.
struct TwipsBox {
  int left;
  int top;
  int width;
  int height;
};

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, TwipsBox box);
QLineEdit* MakeTextBox(QWidget* parent, const char* name, TwipsBox box, const QString& tool_tip = {});
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, TwipsBox box,
                        const QString& tool_tip = {});
// A fixed-size page or form: size in twips and the dialog font.
void SetUpForm(QWidget& form, int width_twips, int height_twips);
// Chains the focus order of the widgets in the order given.
void SetTabOrder(std::initializer_list<QWidget*> widgets);

}  // namespace vellumar
