// The standard font object: a shared, mutable description of a font, as the old host's StdFont.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace vellumar {

class StdFont {
 public:
  static constexpr int16_t kWeightNormal = 400;
  static constexpr int16_t kWeightBold = 700;

  // "MS Sans Serif", 8.25 pt, regular: the old host's default font.
  StdFont() = default;

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }

  // Size in points, kept as a currency value (ten-thousandths of a point) like the original object.
  double Size() const { return static_cast<double>(size_cy_) / 10000.0; }
  int64_t SizeCurrency() const { return size_cy_; }
  // Non-finite or out-of-range sizes are clamped to 0..1e6 points.
  void SetSize(double points);

  // Bold and Weight are two views of one value: Bold sets the weight to 700 or 400, and a weight of 550 or
  // more reads as bold.
  bool Bold() const { return weight_ >= 550; }
  void SetBold(bool bold) { weight_ = bold ? kWeightBold : kWeightNormal; }
  int16_t Weight() const { return weight_; }
  void SetWeight(int16_t weight) { weight_ = weight; }

  bool Italic() const { return italic_; }
  void SetItalic(bool v) { italic_ = v; }
  bool Underline() const { return underline_; }
  void SetUnderline(bool v) { underline_ = v; }
  bool Strikethrough() const { return strikethrough_; }
  void SetStrikethrough(bool v) { strikethrough_ = v; }
  int16_t Charset() const { return charset_; }
  void SetCharset(int16_t v) { charset_ = v; }

  friend bool operator==(const StdFont&, const StdFont&) = default;

 private:
  std::string name_ = "MS Sans Serif";
  int64_t size_cy_ = 82500;
  int16_t weight_ = kWeightNormal;
  int16_t charset_ = 0;
  bool italic_ = false;
  bool underline_ = false;
  bool strikethrough_ = false;
};

using StdFontRef = std::shared_ptr<StdFont>;

}  // namespace vellumar
