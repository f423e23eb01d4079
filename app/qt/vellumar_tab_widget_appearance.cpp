// The look's properties, each the tab bar's of the same name.
#include "app/qt/vellumar_tab_bar.h"
#include "app/qt/vellumar_tab_widget.h"

namespace vellumar {

int VellumarTabWidget::tabHeight() const {
  return bar_->tabHeight();
}
void VellumarTabWidget::setTabHeight(int value) {
  bar_->setTabHeight(value);
}
QFont VellumarTabWidget::captionFont() const {
  return bar_->captionFont();
}
void VellumarTabWidget::setCaptionFont(const QFont& value) {
  bar_->setCaptionFont(value);
}
void VellumarTabWidget::resetCaptionFont() {
  bar_->resetCaptionFont();
}
QColor VellumarTabWidget::backColor() const {
  return bar_->backColor();
}
void VellumarTabWidget::setBackColor(const QColor& value) {
  bar_->setBackColor(value);
}
QColor VellumarTabWidget::foreColor() const {
  return bar_->foreColor();
}
void VellumarTabWidget::setForeColor(const QColor& value) {
  bar_->setForeColor(value);
}
QColor VellumarTabWidget::foreColorActive() const {
  return bar_->foreColorActive();
}
void VellumarTabWidget::setForeColorActive(const QColor& value) {
  bar_->setForeColorActive(value);
}
QColor VellumarTabWidget::foreColorHot() const {
  return bar_->foreColorHot();
}
void VellumarTabWidget::setForeColorHot(const QColor& value) {
  bar_->setForeColorHot(value);
}
QColor VellumarTabWidget::backColorForm() const {
  return bar_->backColorForm();
}
void VellumarTabWidget::setBackColorForm(const QColor& value) {
  bar_->setBackColorForm(value);
}
QColor VellumarTabWidget::frameColor() const {
  return bar_->frameColor();
}
void VellumarTabWidget::setFrameColor(const QColor& value) {
  bar_->setFrameColor(value);
}
QColor VellumarTabWidget::maskColor() const {
  return bar_->maskColor();
}
void VellumarTabWidget::setMaskColor(const QColor& value) {
  bar_->setMaskColor(value);
}
QColor VellumarTabWidget::mouseMoveColor0() const {
  return bar_->mouseMoveColor0();
}
void VellumarTabWidget::setMouseMoveColor0(const QColor& value) {
  bar_->setMouseMoveColor0(value);
}
QColor VellumarTabWidget::mouseMoveColor1() const {
  return bar_->mouseMoveColor1();
}
void VellumarTabWidget::setMouseMoveColor1(const QColor& value) {
  bar_->setMouseMoveColor1(value);
}
QColor VellumarTabWidget::mouseMoveColor2() const {
  return bar_->mouseMoveColor2();
}
void VellumarTabWidget::setMouseMoveColor2(const QColor& value) {
  bar_->setMouseMoveColor2(value);
}
QColor VellumarTabWidget::registerFocusColor0() const {
  return bar_->registerFocusColor0();
}
void VellumarTabWidget::setRegisterFocusColor0(const QColor& value) {
  bar_->setRegisterFocusColor0(value);
}
QColor VellumarTabWidget::registerFocusColor1() const {
  return bar_->registerFocusColor1();
}
void VellumarTabWidget::setRegisterFocusColor1(const QColor& value) {
  bar_->setRegisterFocusColor1(value);
}
QColor VellumarTabWidget::registerFocusColor2() const {
  return bar_->registerFocusColor2();
}
void VellumarTabWidget::setRegisterFocusColor2(const QColor& value) {
  bar_->setRegisterFocusColor2(value);
}

}  // namespace vellumar
