// The codes Qt's input becomes on its way to the control.
#include <gtest/gtest.h>

#include "app/qt/qt_input_map.h"

namespace vellumar {
namespace {

TEST(WidgetInputMap, ButtonCodes) {
  struct Case {
    Qt::MouseButton button;
    int16_t code;
  };
  for (const Case& c : {Case{Qt::LeftButton, 1}, Case{Qt::RightButton, 2}, Case{Qt::MiddleButton, 4},
                        Case{Qt::BackButton, 0}, Case{Qt::NoButton, 0}}) {
    EXPECT_EQ(ButtonCode(c.button), c.code) << c.button;
  }
}

TEST(WidgetInputMap, HeldButtonsCombine) {
  EXPECT_EQ(ButtonsCode(Qt::NoButton), 0);
  EXPECT_EQ(ButtonsCode(Qt::LeftButton | Qt::MiddleButton), 5);
  EXPECT_EQ(ButtonsCode(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton), 7);
  EXPECT_EQ(ButtonsCode(Qt::RightButton | Qt::ForwardButton), 2);
}

TEST(WidgetInputMap, ModifierCodes) {
  struct Case {
    Qt::KeyboardModifiers modifiers;
    int16_t code;
  };
  for (const Case& c : {Case{Qt::NoModifier, 0}, Case{Qt::ShiftModifier, 1}, Case{Qt::ControlModifier, 2},
                        Case{Qt::AltModifier, 4}, Case{Qt::ShiftModifier | Qt::AltModifier, 5},
                        Case{Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, 7},
                        Case{Qt::MetaModifier | Qt::KeypadModifier, 0}}) {
    EXPECT_EQ(ShiftCode(c.modifiers), c.code) << c.modifiers.toInt();
  }
}

TEST(WidgetInputMap, OnlyTheArrowsHaveKeyCodes) {
  EXPECT_EQ(ArrowKeyCode(Qt::Key_Left), 37);
  EXPECT_EQ(ArrowKeyCode(Qt::Key_Up), 38);
  EXPECT_EQ(ArrowKeyCode(Qt::Key_Right), 39);
  EXPECT_EQ(ArrowKeyCode(Qt::Key_Down), 40);
  for (const int key : {int{Qt::Key_A}, int{Qt::Key_Tab}, int{Qt::Key_Home}, int{Qt::Key_F4}, 37, 39}) {
    EXPECT_FALSE(ArrowKeyCode(key).has_value()) << key;
  }
}

TEST(WidgetInputMap, AccessKeyCharacterIsLowerCase) {
  struct Case {
    int key;
    QString text;
    char32_t character;
  };
  const Case cases[] = {
      {Qt::Key_A, QStringLiteral("a"), U'a'},
      {Qt::Key_A, QStringLiteral("A"), U'a'},     // with Shift
      {Qt::Key_A, QString(), U'a'},               // no text: the key code
      {Qt::Key_A, QStringLiteral("\x01"), U'a'},  // a control character: the key code
      {Qt::Key_Adiaeresis, QStringLiteral("Ä"), U'ä'},
      {Qt::Key_Udiaeresis, QString(), U'ü'},
      {Qt::Key_1, QStringLiteral("1"), U'1'},
      {Qt::Key_Ampersand, QStringLiteral("&"), U'&'},
      {Qt::Key_F1, QString(), 0},
      {Qt::Key_Left, QString(), 0},
      {Qt::Key_Space, QString(), 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AccessKeyCharacter(c.key, c.text), c.character) << c.key << " " << c.text.toStdString();
  }
}

}  // namespace
}  // namespace vellumar
