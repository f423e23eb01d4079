// Between the designer's canvas and the form file: a form made from the placed controls (each control's
// WriteProperties into a fresh bag, with its name, place and size), and controls placed from a form (each
// read from its bag with ReadProperties and given its saved place and size).
#pragma once

#include <QtCore/QRect>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <cstdint>

#include "platform/form_file/form_file.h"

namespace vellumar {

class FormCanvas;

// The class name of the one control the designer places.
inline constexpr const char* kVellumarClass = "Vellumar";

// Largest place and size a control may have on the canvas. A form may store any 32-bit number; the canvas
// keeps controls within these bounds, and a control at full size still fits a bitmap.
inline constexpr int32_t kMaxControlPosition = 16000;
inline constexpr int32_t kMaxControlSide = 8000;

// The saved geometry of a control, clamped into the canvas's bounds (negative places and sizes become 0).
QRect ClampedGeometry(const FormControl& control);

// The form the canvas shows now, each control with what its load could not use, and the unplaced controls
// and form members written back as they were found. Throws what a control's WriteProperties throws, naming
// the control, and HostError kErrInvalidFormFile when a control would take the name of an unplaced control
// of another class.
Form CaptureForm(const FormCanvas& canvas);

// Replaces the canvas's controls by the form's and returns, one line each, what could not be placed as
// saved: controls of another class and later controls of a name already used (not shown, but kept for the
// next save, as the command-line host keeps them), geometry out of bounds (clamped). All or nothing: every
// control is made before the canvas changes, and a control that cannot be loaded whole
// (Vellumar::CheckLoadable) throws, naming the control, with the canvas as it was.
QStringList PlaceForm(FormCanvas& canvas, const Form& form);

// The first name "Vellumar1", "Vellumar2", ... that no control of the canvas goes by, placed or not.
QString NextControlName(const FormCanvas& canvas);

}  // namespace vellumar
