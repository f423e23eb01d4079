#include "app/qt/qt_input_map.h"

#include <QtCore/QList>
#include <QtCore/QString>

namespace vellumar {
namespace {

constexpr int16_t kKeyCodeLeft = 37;
constexpr int16_t kKeyCodeUp = 38;
constexpr int16_t kKeyCodeRight = 39;
constexpr int16_t kKeyCodeDown = 40;

// Qt gives the keys of printable characters the code of the character (letters upper case); every other key
// lies at or above Qt::Key_Escape.
constexpr int kLastCharacterKey = Qt::Key_Escape - 1;

char32_t LowerCase(char32_t character) {
  return QChar::toLower(character);
}

}  // namespace

int16_t ButtonCode(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return kButtonLeft;
    case Qt::RightButton:
      return kButtonRight;
    case Qt::MiddleButton:
      return kButtonMiddle;
    default:
      return 0;
  }
}

int16_t ButtonsCode(Qt::MouseButtons buttons) {
  int16_t code = 0;
  for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
    if (buttons.testFlag(button)) code = static_cast<int16_t>(code | ButtonCode(button));
  }
  return code;
}

int16_t ShiftCode(Qt::KeyboardModifiers modifiers) {
  int16_t code = 0;
  if (modifiers.testFlag(Qt::ShiftModifier)) code = static_cast<int16_t>(code | kShiftShift);
  if (modifiers.testFlag(Qt::ControlModifier)) code = static_cast<int16_t>(code | kShiftCtrl);
  if (modifiers.testFlag(Qt::AltModifier)) code = static_cast<int16_t>(code | kShiftAlt);
  return code;
}

std::optional<int16_t> ArrowKeyCode(int qt_key) {
  switch (qt_key) {
    case Qt::Key_Left:
      return kKeyCodeLeft;
    case Qt::Key_Up:
      return kKeyCodeUp;
    case Qt::Key_Right:
      return kKeyCodeRight;
    case Qt::Key_Down:
      return kKeyCodeDown;
    default:
      return std::nullopt;
  }
}

char32_t AccessKeyCharacter(int qt_key, const QString& text) {
  const QList<uint> characters = text.toUcs4();
  if (characters.size() == 1 && QChar::isPrint(characters.front())) return LowerCase(characters.front());
  if (qt_key > Qt::Key_Space && qt_key <= kLastCharacterKey) return LowerCase(static_cast<char32_t>(qt_key));
  return 0;
}

}  // namespace vellumar
