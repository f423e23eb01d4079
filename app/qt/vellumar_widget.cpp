#include "app/qt/vellumar_widget.h"

#include <QtGui/QFocusEvent>
#include <QtGui/QGuiApplication>
#include <QtGui/QKeyEvent>
#include <QtGui/QKeySequence>
#include <QtGui/QMouseEvent>
#include <QtGui/QPaintEvent>
#include <QtGui/QPainter>
#include <QtGui/QShortcutEvent>
#include <QtGui/QWindow>
#include <QtWidgets/QApplication>
#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>

#include "app/qt/qt_input_map.h"
#include "app/qt/surface_image.h"
#include "app/qt/vellumar_accessible.h"
#include "app/qt/vellumar_widget_p.h"
#include "control/windows_1252.h"
#include "pages/about_box.h"
#include "platform/errors/host_error.h"
#include "platform/utf8_decode.h"

namespace vellumar {
namespace {

constexpr int kDefaultWidth = 300;
constexpr int kDefaultHeight = 200;

// The key sequence of Alt plus the key that types character; empty when Qt has no key for it.
QKeySequence AltSequence(char32_t character) {
  const char32_t key = QChar::toUpper(character);
  if (key <= U' ' || !QChar::isPrint(key)) return QKeySequence();
  return QKeySequence(QKeyCombination(Qt::AltModifier, static_cast<Qt::Key>(key)));
}

}  // namespace

// Runs when each QApplication starts (at once when one is running already): the registry forgets its
// factories when an application ends. Registered here, beside the class it describes, so that any program
// that makes a VellumarWidget links it.
Q_COREAPP_STARTUP_FUNCTION(InstallVellumarAccessibility)

VellumarWidget::VellumarWidget(QWidget* parent) : VellumarWidget(nullptr, parent) {}

VellumarWidget::VellumarWidget(const PropertyBag& bag, QWidget* parent) : VellumarWidget(&bag, parent) {}

VellumarWidget::VellumarWidget(const PropertyBag* bag, QWidget* parent)
    : QWidget(parent), d_(std::make_unique<Private>(*this)) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(sizeHint());
  Private& d = *d_;
  d.control_ = std::make_unique<Vellumar>(static_cast<UserControl&>(d), static_cast<VellumarEvents*>(&d));
  d.Notify([&] {
    if (bag != nullptr) {
      d.control_->ReadProperties(*bag);
      d.unused_ = UnusedEntries(*bag, *d.control_);
    } else {
      d.control_->InitProperties();
    }
  });
  d.SyncSurfaceSize();
  connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this] { d_->OnFocusWindowChanged(); });
}

VellumarWidget::~VellumarWidget() {
  if (QWidget::mouseGrabber() == this) releaseMouse();
  // The control may still raise events while it ends; the container is going away with this widget.
  d_->sink_ = nullptr;
  d_->control_.reset();
}

Vellumar& VellumarWidget::control() {
  return *d_->control_;
}

void VellumarWidget::WriteProperties(PropertyBag& bag) {
  d_->control_->WriteProperties(bag);
  d_->unused_.WriteBack(bag);
}

void VellumarWidget::setEventSink(VellumarEvents* sink) {
  d_->sink_ = sink;
}

const Bitmap& VellumarWidget::image() const {
  return d_->surface().image();
}

const std::string& VellumarWidget::accessKeys() const {
  return d_->access_keys_;
}

int64_t VellumarWidget::refreshCount() const {
  return d_->refresh_count_;
}

std::uintptr_t VellumarWidget::handle() const {
  return HandleOf(this);
}

QSize VellumarWidget::sizeHint() const {
  return QSize(kDefaultWidth, kDefaultHeight);
}

template <typename Notification>
void VellumarWidget::Private::Notify(Notification&& notification) {
  try {
    std::forward<Notification>(notification)();
  } catch (const HostError& error) {
    emit q.hostError(error.number(), QString::fromUtf8(error.what()));
  } catch (const std::bad_alloc&) {
    emit q.hostError(kErrOutOfMemory, QString::fromUtf8(HostErrorDescription(kErrOutOfMemory)));
  } catch (const std::exception& error) {
    emit q.hostError(0, QString::fromUtf8(error.what()));
  }
}

void VellumarWidget::RunReportingErrors(const std::function<void()>& action) {
  d_->Notify(action);
}

// [SECTION] Qt events

bool VellumarWidget::event(QEvent* event) {
  if (event->type() == QEvent::Shortcut) {
    const auto* shortcut = static_cast<QShortcutEvent*>(event);
    const auto found = d_->shortcuts_.constFind(shortcut->shortcutId());
    if (found != d_->shortcuts_.constEnd()) {
      // As with any access key, the control that carries it takes the focus and then hears the key.
      if (isEnabled()) {
        setFocus(Qt::ShortcutFocusReason);
        d_->PressAccessKey(found.value());
      }
      return true;
    }
  }
  // A window moved to a screen of another density paints its image again at the new scale.
  bool screen_changed = event->type() == QEvent::ScreenChangeInternal;
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
  screen_changed = screen_changed || event->type() == QEvent::DevicePixelRatioChange;
#endif
  const bool handled = QWidget::event(event);
  if (screen_changed && d_->DeviceScale() != d_->surface().scale()) d_->SyncSurfaceSize();
  return handled;
}

void VellumarWidget::paintEvent(QPaintEvent* event) {
  // A screen's ratio can change under a window without an event reaching this widget.
  if (d_->DeviceScale() != d_->surface().scale()) d_->SyncSurfaceSize();
  QPainter painter(this);
  // The image keeps its old size and scale when a larger one could not be made.
  const Bitmap& image = d_->surface().image();
  const int scale = d_->surface().scale();
  const QRect image_area(0, 0, image.width() / scale, image.height() / scale);
  for (const QRect& area : event->region()) {
    const QRect part = area.intersected(image_area);
    if (!part.isEmpty()) DrawBitmap(painter, part, image, part.topLeft() * scale, scale);
  }
  // Beyond an image that could not grow with the widget, show the surface's background.
  const QRegion rest = event->region() - QRegion(image_area);
  if (!rest.isEmpty()) {
    ColorRef color = 0;
    if (!OleTranslateColor(d_->surface().back_color(), color)) color = 0;
    for (const QRect& r : rest) painter.fillRect(r, QColor(RedOf(color), GreenOf(color), BlueOf(color)));
  }
}

void VellumarWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  d_->SyncSurfaceSize();
}

void VellumarWidget::mousePressEvent(QMouseEvent* event) {
  Private& d = *d_;
  d.Track(event->position(), event->buttons(), event->modifiers());
  const auto x = static_cast<float>(d.last_position_.x());
  const auto y = static_cast<float>(d.last_position_.y());
  d.Notify([&] { d.control_->MouseDown(ButtonCode(event->button()), d.last_shift_, x, y); });
}

void VellumarWidget::mouseMoveEvent(QMouseEvent* event) {
  Private& d = *d_;
  d.Track(event->position(), event->buttons(), event->modifiers());
  const auto x = static_cast<float>(d.last_position_.x());
  const auto y = static_cast<float>(d.last_position_.y());
  d.Notify([&] { d.control_->MouseMove(d.last_buttons_, d.last_shift_, x, y); });
}

void VellumarWidget::mouseReleaseEvent(QMouseEvent* event) {
  Private& d = *d_;
  d.Track(event->position(), event->buttons(), event->modifiers());
  const auto x = static_cast<float>(d.last_position_.x());
  const auto y = static_cast<float>(d.last_position_.y());
  d.Notify([&] { d.control_->MouseUp(ButtonCode(event->button()), d.last_shift_, x, y); });
}

void VellumarWidget::keyPressEvent(QKeyEvent* event) {
  const int16_t shift = ShiftCode(event->modifiers());
  if (const std::optional<int16_t> arrow = ArrowKeyCode(event->key())) {
    int16_t key_code = *arrow;
    d_->Notify([&] { d_->control_->KeyDown(key_code, shift); });
    // The control does not consume the key: the container sees it too.
    event->ignore();
    return;
  }
  // Alt plus an access key normally arrives as a shortcut (see event()); this catches the combinations the
  // shortcut does not match, such as Alt with Shift.
  if (event->modifiers().testFlag(Qt::AltModifier)) {
    const char32_t character = AccessKeyCharacter(event->key(), event->text());
    const std::string& keys = d_->access_keys_;
    for (size_t pos = 0; character != 0 && pos < keys.size();) {
      if (DecodeUtf8(keys, pos) == character) {
        d_->PressAccessKey(character);
        event->accept();
        return;
      }
    }
  }
  QWidget::keyPressEvent(event);
}

void VellumarWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  d_->Notify([&] { d_->control_->GotFocus(); });
}

void VellumarWidget::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  d_->Notify([&] { d_->control_->LostFocus(); });
}

void VellumarWidget::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  d_->SettlePointer();
}

void VellumarWidget::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  d_->windows_.ReleaseCapture();
  d_->SettlePointer();
}

void VellumarWidget::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // A disabled widget hears no more mouse moves: it gives up the grab and lets the control see the
  // pointer go.
  if (event->type() == QEvent::EnabledChange && !isEnabled()) {
    d_->windows_.ReleaseCapture();
    d_->SettlePointer();
  }
}

int32_t VellumarWidget::Private::DeviceScale() const {
  const double ratio = std::ceil(q.devicePixelRatioF() - 1e-6);
  return static_cast<int32_t>(std::clamp(ratio, 1.0, static_cast<double>(DeviceContext::kMaxScale)));
}

void VellumarWidget::Private::SyncSurfaceSize() {
  const int width = std::max(0, q.width());
  const int height = std::max(0, q.height());
  const int32_t scale = DeviceScale();
  windows_.SetClientSize(width, height);
  if (width != surface().width() || height != surface().height() || scale != surface().scale()) {
    try {
      surface().Resize(width, height, scale);
    } catch (const HostError& error) {
      emit q.hostError(error.number(), QString::fromUtf8(error.what()));
    }
  }
  Notify([&] { control_->Resize(); });
}

void VellumarWidget::Private::Track(const QPointF& position, Qt::MouseButtons buttons,
                                    Qt::KeyboardModifiers modifiers) {
  last_position_ = position;
  last_buttons_ = ButtonsCode(buttons);
  last_shift_ = ShiftCode(modifiers);
}

void VellumarWidget::Private::PressAccessKey(char32_t character) {
  const int32_t code = Windows1252Code(character);
  if (code < 0) return;
  Notify([&] { control_->AccessKeyPress(static_cast<int16_t>(code)); });
}

void VellumarWidget::Private::GrabAccessKeys(size_t from) {
  if (from == 0) {
    for (auto it = shortcuts_.constBegin(); it != shortcuts_.constEnd(); ++it) q.releaseShortcut(it.key());
    shortcuts_.clear();
  }
  for (size_t pos = from; pos < access_keys_.size();) {
    const char32_t character = DecodeUtf8(access_keys_, pos);
    const QKeySequence sequence = AltSequence(character);
    if (sequence.isEmpty() ||
        std::find(shortcuts_.cbegin(), shortcuts_.cend(), character) != shortcuts_.cend()) {
      continue;
    }
    shortcuts_.insert(q.grabShortcut(sequence, Qt::WindowShortcut), character);
  }
}

void VellumarWidget::Private::SettlePointer() {
  if (!awaiting_mouse_out_ || QWidget::mouseGrabber() == &q) return;
  const auto x = static_cast<float>(last_position_.x());
  const auto y = static_cast<float>(last_position_.y());
  Notify([&] { control_->MouseMove(last_buttons_, last_shift_, x, y); });
}

void VellumarWidget::Private::OnFocusWindowChanged() {
  if (QWidget::mouseGrabber() != &q) return;
  const QWindow* focus = QGuiApplication::focusWindow();
  const QWidget* top = q.window();
  if (focus != nullptr && top != nullptr && focus == top->windowHandle()) return;
  windows_.ReleaseCapture();
  SettlePointer();
}

// [SECTION] Host surface

void VellumarWidget::Private::Refresh() {
  ++refresh_count_;
  const DamageRegion damage = surface().TakeDeviceDamage();
  const int32_t scale = surface().scale();
  QRegion changed;
  for (const Rect& area : damage.rects()) {
    // Device rectangles start and end on whole logical pixels, as the damage they were scaled from does.
    changed += QRect(area.left / scale, area.top / scale, SaturateToInt32(area.Width()) / scale,
                     SaturateToInt32(area.Height()) / scale);
  }
  if (!changed.isEmpty()) q.update(changed);
}

void VellumarWidget::Private::SetAccessKeys(const std::string& keys) {
  if (keys == access_keys_) return;
  // A tab added at the end appends its key: grabbing only that keeps filling a strip tab by tab linear. The
  // old keys end on a character of their own when the first new byte cannot continue a UTF-8 sequence.
  const size_t kept = access_keys_.size();
  const bool appended = keys.size() > kept && keys.starts_with(access_keys_) &&
                        (static_cast<unsigned char>(keys[kept]) & 0xC0) != 0x80;
  access_keys_ = keys;
  GrabAccessKeys(appended ? kept : 0);
}

void VellumarWidget::Private::PropertyChanged(const std::string& name) {
  emit q.propertyChanged(QString::fromStdString(name));
}

void VellumarWidget::Private::ShowAboutBox() {
  // A modal box needs the pointer; a grab held by the control would keep it from the box.
  windows_.ReleaseCapture();
  vellumar::ShowAboutBox(&q);
  SettlePointer();
}

void VellumarWidget::Private::TabPressed(int16_t& PreviousTab) {
  if (sink_ != nullptr) sink_->TabPressed(PreviousTab);
  emit q.tabPressed(PreviousTab);
}

void VellumarWidget::Private::MouseIn(int16_t& Button, int16_t& Shift, float& X, float& Y) {
  awaiting_mouse_out_ = true;
  if (sink_ != nullptr) sink_->MouseIn(Button, Shift, X, Y);
  emit q.mouseIn(Button, Shift, X, Y);
}

void VellumarWidget::Private::MouseOut(int16_t& Button, int16_t& Shift, float& X, float& Y) {
  awaiting_mouse_out_ = false;
  if (sink_ != nullptr) sink_->MouseOut(Button, Shift, X, Y);
  emit q.mouseOut(Button, Shift, X, Y);
}

void VellumarWidget::Private::MouseDown(int16_t& Button, int16_t& Shift, float& X, float& Y) {
  if (sink_ != nullptr) sink_->MouseDown(Button, Shift, X, Y);
  emit q.mouseDown(Button, Shift, X, Y);
}

void VellumarWidget::Private::MouseUp(int16_t& Button, int16_t& Shift, float& X, float& Y) {
  if (sink_ != nullptr) sink_->MouseUp(Button, Shift, X, Y);
  emit q.mouseUp(Button, Shift, X, Y);
}

}  // namespace vellumar
