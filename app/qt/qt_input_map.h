// How Qt's input reaches the control: mouse buttons, modifiers and keys as the codes the control's
// notifications take (the old host's Button, Shift and KeyCode values).
#pragma once

#include <QtCore/QString>
#include <QtCore/Qt>
#include <cstdint>
#include <optional>

namespace vellumar {

// Button codes of the mouse notifications; combined as bits in a move's button state.
inline constexpr int16_t kButtonLeft = 1;
inline constexpr int16_t kButtonRight = 2;
inline constexpr int16_t kButtonMiddle = 4;

// Shift codes: the modifier keys held, as bits.
inline constexpr int16_t kShiftShift = 1;
inline constexpr int16_t kShiftCtrl = 2;
inline constexpr int16_t kShiftAlt = 4;

// The code of the one button that was pressed or released; 0 for a button the control has no code for.
int16_t ButtonCode(Qt::MouseButton button);
// The codes of every button held, combined (what a move reports).
int16_t ButtonsCode(Qt::MouseButtons buttons);
int16_t ShiftCode(Qt::KeyboardModifiers modifiers);

// The key code of an arrow key (37 left, 38 up, 39 right, 40 down); none for every other key.
std::optional<int16_t> ArrowKeyCode(int qt_key);

// The character an access key stands for: the lower case of the character a key produces, taken from its
// text when it has one and from the key code otherwise. Zero when the key produces no character.
char32_t AccessKeyCharacter(int qt_key, const QString& text);

}  // namespace vellumar
