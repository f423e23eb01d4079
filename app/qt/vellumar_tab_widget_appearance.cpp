// The look's properties, each the tab bar's of the same name.
#include "app/qt/vellumar_tab_bar.h"
#include "app/qt/vellumar_tab_widget.h"
#include "app/qt/vellumar_tab_widget_p.h"

namespace vellumar {

int VellumarTabWidget::tabHeight() const {
  return d_->bar->tabHeight();
}
void VellumarTabWidget::setTabHeight(int value) {
  d_->bar->setTabHeight(value);
}
QFont VellumarTabWidget::captionFont() const {
  return d_->bar->captionFont();
}
void VellumarTabWidget::setCaptionFont(const QFont& value) {
  d_->bar->setCaptionFont(value);
}
void VellumarTabWidget::resetCaptionFont() {
  d_->bar->resetCaptionFont();
}
QColor VellumarTabWidget::backColor() const {
  return d_->bar->backColor();
}
void VellumarTabWidget::setBackColor(const QColor& value) {
  d_->bar->setBackColor(value);
}
QColor VellumarTabWidget::foreColor() const {
  return d_->bar->foreColor();
}
void VellumarTabWidget::setForeColor(const QColor& value) {
  d_->bar->setForeColor(value);
}
QColor VellumarTabWidget::foreColorActive() const {
  return d_->bar->foreColorActive();
}
void VellumarTabWidget::setForeColorActive(const QColor& value) {
  d_->bar->setForeColorActive(value);
}
QColor VellumarTabWidget::foreColorHot() const {
  return d_->bar->foreColorHot();
}
void VellumarTabWidget::setForeColorHot(const QColor& value) {
  d_->bar->setForeColorHot(value);
}
QColor VellumarTabWidget::backColorForm() const {
  return d_->bar->backColorForm();
}
void VellumarTabWidget::setBackColorForm(const QColor& value) {
  d_->bar->setBackColorForm(value);
}
QColor VellumarTabWidget::frameColor() const {
  return d_->bar->frameColor();
}
void VellumarTabWidget::setFrameColor(const QColor& value) {
  d_->bar->setFrameColor(value);
}
QColor VellumarTabWidget::maskColor() const {
  return d_->bar->maskColor();
}
void VellumarTabWidget::setMaskColor(const QColor& value) {
  d_->bar->setMaskColor(value);
}
QColor VellumarTabWidget::mouseMoveColor0() const {
  return d_->bar->mouseMoveColor0();
}
void VellumarTabWidget::setMouseMoveColor0(const QColor& value) {
  d_->bar->setMouseMoveColor0(value);
}
QColor VellumarTabWidget::mouseMoveColor1() const {
  return d_->bar->mouseMoveColor1();
}
void VellumarTabWidget::setMouseMoveColor1(const QColor& value) {
  d_->bar->setMouseMoveColor1(value);
}
QColor VellumarTabWidget::mouseMoveColor2() const {
  return d_->bar->mouseMoveColor2();
}
void VellumarTabWidget::setMouseMoveColor2(const QColor& value) {
  d_->bar->setMouseMoveColor2(value);
}
QColor VellumarTabWidget::registerFocusColor0() const {
  return d_->bar->registerFocusColor0();
}
void VellumarTabWidget::setRegisterFocusColor0(const QColor& value) {
  d_->bar->setRegisterFocusColor0(value);
}
QColor VellumarTabWidget::registerFocusColor1() const {
  return d_->bar->registerFocusColor1();
}
void VellumarTabWidget::setRegisterFocusColor1(const QColor& value) {
  d_->bar->setRegisterFocusColor1(value);
}
QColor VellumarTabWidget::registerFocusColor2() const {
  return d_->bar->registerFocusColor2();
}
void VellumarTabWidget::setRegisterFocusColor2(const QColor& value) {
  d_->bar->setRegisterFocusColor2(value);
}

}  // namespace vellumar
