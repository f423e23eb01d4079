// Choosing an RGB colour, behind an interface so that tests answer the dialog.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/ole_color.h"

namespace vellumar {

class ColorDialogService {
 public:
  virtual ~ColorDialogService() = default;
  // The chosen colour as 0x00BBGGRR, or nothing when the user cancelled.
  virtual std::optional<ColorRef> ChooseColor(ColorRef initial, const std::string& title) = 0;
};

// QColorDialog over the active window.
class QtColorDialog final : public ColorDialogService {
 public:
  std::optional<ColorRef> ChooseColor(ColorRef initial, const std::string& title) override;
};

// Answers every request with a prepared colour (nothing: cancel) and records the initial colours.
class ScriptedColorDialog final : public ColorDialogService {
 public:
  std::optional<ColorRef> answer;
  std::vector<ColorRef> initials;

  std::optional<ColorRef> ChooseColor(ColorRef initial, const std::string&) override {
    initials.push_back(initial);
    return answer;
  }
};

}  // namespace vellumar
