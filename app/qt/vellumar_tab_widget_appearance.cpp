#include <QtGui/QColor>
#include <QtGui/QFont>

#include "app/qt/vellumar_tab_strip.h"
#include "app/qt/vellumar_tab_widget.h"

namespace vellumar {

int VellumarTabWidget::tabHeight() const {
  return strip_->tabHeight();
}
void VellumarTabWidget::setTabHeight(int height) {
  strip_->setTabHeight(height);
}
VellumarTabStrip::Alignment VellumarTabWidget::alignment() const {
  return strip_->alignment();
}
void VellumarTabWidget::setAlignment(VellumarTabStrip::Alignment alignment) {
  strip_->setAlignment(alignment);
}
QFont VellumarTabWidget::captionFont() const {
  return strip_->captionFont();
}
void VellumarTabWidget::setCaptionFont(const QFont& font) {
  strip_->setCaptionFont(font);
  for (int index = 0; index < count(); ++index) RefitTab(index);
}
QColor VellumarTabWidget::backColor() const {
  return strip_->backColor();
}
void VellumarTabWidget::setBackColor(const QColor& color) {
  strip_->setBackColor(color);
}
QColor VellumarTabWidget::foreColor() const {
  return strip_->foreColor();
}
void VellumarTabWidget::setForeColor(const QColor& color) {
  strip_->setForeColor(color);
}
QColor VellumarTabWidget::foreColorActive() const {
  return strip_->foreColorActive();
}
void VellumarTabWidget::setForeColorActive(const QColor& color) {
  strip_->setForeColorActive(color);
}
QColor VellumarTabWidget::foreColorHot() const {
  return strip_->foreColorHot();
}
void VellumarTabWidget::setForeColorHot(const QColor& color) {
  strip_->setForeColorHot(color);
}
QColor VellumarTabWidget::backColorForm() const {
  return strip_->backColorForm();
}
void VellumarTabWidget::setBackColorForm(const QColor& color) {
  strip_->setBackColorForm(color);
}
QColor VellumarTabWidget::frameColor() const {
  return strip_->frameColor();
}
void VellumarTabWidget::setFrameColor(const QColor& color) {
  strip_->setFrameColor(color);
}
QColor VellumarTabWidget::maskColor() const {
  return strip_->maskColor();
}
void VellumarTabWidget::setMaskColor(const QColor& color) {
  strip_->setMaskColor(color);
}
QColor VellumarTabWidget::mouseMoveColor0() const {
  return strip_->mouseMoveColor0();
}
void VellumarTabWidget::setMouseMoveColor0(const QColor& color) {
  strip_->setMouseMoveColor0(color);
}
QColor VellumarTabWidget::mouseMoveColor1() const {
  return strip_->mouseMoveColor1();
}
void VellumarTabWidget::setMouseMoveColor1(const QColor& color) {
  strip_->setMouseMoveColor1(color);
}
QColor VellumarTabWidget::mouseMoveColor2() const {
  return strip_->mouseMoveColor2();
}
void VellumarTabWidget::setMouseMoveColor2(const QColor& color) {
  strip_->setMouseMoveColor2(color);
}
QColor VellumarTabWidget::registerFocusColor0() const {
  return strip_->registerFocusColor0();
}
void VellumarTabWidget::setRegisterFocusColor0(const QColor& color) {
  strip_->setRegisterFocusColor0(color);
}
QColor VellumarTabWidget::registerFocusColor1() const {
  return strip_->registerFocusColor1();
}
void VellumarTabWidget::setRegisterFocusColor1(const QColor& color) {
  strip_->setRegisterFocusColor1(color);
}
QColor VellumarTabWidget::registerFocusColor2() const {
  return strip_->registerFocusColor2();
}
void VellumarTabWidget::setRegisterFocusColor2(const QColor& color) {
  strip_->setRegisterFocusColor2(color);
}

}  // namespace vellumar
