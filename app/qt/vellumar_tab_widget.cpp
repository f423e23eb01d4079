#include "app/qt/vellumar_tab_widget.h"

#include <QtCore/QChildEvent>
#include <QtCore/QTimer>
#include <QtGui/QKeyEvent>
#include <QtGui/QMouseEvent>
#include <QtWidgets/QApplication>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/qt/accessible_tab_view.h"
#include "app/qt/tab_index.h"
#include "app/qt/vellumar_tab_strip.h"
#include "control/vellumar.h"

namespace vellumar {
namespace {

// The page frame the strip draws around its page area is one pixel wide.
constexpr int kFrameWidth = 1;

// The strip under the pages; it says when a resize has repainted it, so that the pages can follow the
// page area it recorded.
class PageStrip final : public VellumarTabStrip {
 public:
  PageStrip(QWidget* parent, std::function<void()> resized)
      : VellumarTabStrip(parent), resized_(std::move(resized)) {}

 protected:
  void resizeEvent(QResizeEvent* event) override {
    VellumarTabStrip::resizeEvent(event);
    resized_();
  }

 private:
  std::function<void()> resized_;
};

// Counts a nesting of edits for as long as it lives.
class ChangeScope {
 public:
  explicit ChangeScope(int& depth) : depth_(depth) { ++depth_; }
  ~ChangeScope() { --depth_; }
  ChangeScope(const ChangeScope&) = delete;
  ChangeScope& operator=(const ChangeScope&) = delete;

 private:
  int& depth_;
};

bool IsPageSwitchKey(const QKeyEvent& event) {
  if (!event.modifiers().testFlag(Qt::ControlModifier)) return false;
  switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      return true;
    default:
      return false;
  }
}

// +1 for the next page, -1 for the previous one.
int PageStepOf(const QKeyEvent& event) {
  const bool back = event.key() == Qt::Key_Backtab || event.key() == Qt::Key_PageUp ||
                    (event.key() == Qt::Key_Tab && event.modifiers().testFlag(Qt::ShiftModifier));
  return back ? -1 : 1;
}

// The widgets that can take the focus in page, the page included, in focus-chain order. Qt keeps a widget's
// descendants together behind it in its window's chain, so the walk ends once it has met them all rather
// than going round the whole window.
std::vector<QWidget*> FocusableIn(QWidget* page) {
  std::vector<QWidget*> found;
  if (page->focusPolicy() != Qt::NoFocus) found.push_back(page);
  const QWidget* window = page->window();
  qsizetype unmet = 0;
  for (const QWidget* child : page->findChildren<QWidget*>()) {
    if (child->window() == window) ++unmet;
  }
  for (QWidget* w = page->nextInFocusChain(); unmet > 0 && w != page; w = w->nextInFocusChain()) {
    if (!page->isAncestorOf(w)) continue;
    --unmet;
    if (w->focusPolicy() != Qt::NoFocus) found.push_back(w);
  }
  return found;
}

}  // namespace

VellumarTabWidget::VellumarTabWidget(QWidget* parent)
    : QWidget(parent), strip_(new PageStrip(this, [this] { LayOutPages(); })) {
  {
    ChangeScope scope(changing_);
    while (strip_->count() > 0) strip_->removeTab(0);
  }
  setFocusPolicy(Qt::TabFocus);
  setFocusProxy(strip_);
  strip_->installEventFilter(this);
  connect(strip_, &VellumarWidget::tabPressed, this, [this] { FollowSelection(); });
  connect(strip_, &VellumarWidget::propertyChanged, this, [this](const QString& name) {
    if (name == QLatin1String("TabHeight") || name == QLatin1String("Alignment")) LayOutPagesLater();
    if (name == QLatin1String("BackColor")) {
      QPalette colours = palette();
      colours.setColor(QPalette::Window, strip_->backColor());
      setPalette(colours);
    }
  });
  QPalette colours = palette();
  colours.setColor(QPalette::Window, strip_->backColor());
  setPalette(colours);
}

VellumarTabWidget::~VellumarTabWidget() {
  // The children go after this object's members: nothing they report may reach them.
  strip_->disconnect(this);
  strip_->removeEventFilter(this);
  for (const Page& page : pages_) {
    if (page.widget) page.widget->removeEventFilter(this);
  }
  pages_.clear();
  members_.clear();
}

// [SECTION] Pages

int VellumarTabWidget::addTab(QWidget* page, const QString& label) {
  return insertTab(-1, page, QIcon(), label);
}

int VellumarTabWidget::addTab(QWidget* page, const QIcon& icon, const QString& label) {
  return insertTab(-1, page, icon, label);
}

int VellumarTabWidget::insertTab(int index, QWidget* page, const QString& label) {
  return insertTab(index, page, QIcon(), label);
}

int VellumarTabWidget::insertTab(int index, QWidget* page, const QIcon& icon, const QString& label) {
  if (page == nullptr || page == strip_ || page == this || page->isAncestorOf(this)) return -1;
  int at = -1;
  {
    ChangeScope scope(changing_);
    if (const int existing = indexOf(page); existing >= 0) DetachPage(existing);
    at = index < 0 || index > count() ? count() : index;
    page->setParent(this);
    page->installEventFilter(this);
    if (strip_->insertTab(at, label, strip_->fittingTabWidth(label, icon), icon) != at) {
      page->removeEventFilter(this);
      page->hide();
      return -1;
    }
    pages_.insert(pages_.begin() + at, Page{page, page, false, nullptr});
    members_.insert(page);
    // A new page waits hidden in the page area until its tab is selected.
    page->hide();
    PlacePage(*page);
    ChainPage(at);
    if (waiting_index_ >= 0 && waiting_index_ < count()) {
      const int waiting = waiting_index_;
      waiting_index_ = -1;
      strip_->setCurrentIndex(waiting);
    }
  }
  FollowSelection();
  return at;
}

// Tab runs from the strip through the pages in tab order and on out of the tab widget. A page that came
// from another window joined the chain at the window's end, and setTabOrder moves one widget at a time: the
// new page's widgets go behind the last widget chained for the pages before it, which puts them before
// those of the pages after it. Only the new page is walked, so a form of many pages chains in linear time.
void VellumarTabWidget::ChainPage(int index) {
  Page& page = pages_[static_cast<size_t>(index)];
  QWidget* widget = page.widget;
  const std::vector<QWidget*> focusable = FocusableIn(widget);
  QWidget* last = ChainEndBefore(index);
  QWidget* place = last;
  // setTabOrder moves only widgets that take the focus, and looks for a widget's predecessor back over
  // those that take none: a page that takes none would stay behind at the chain's end, where every later
  // page's search would pass it. So it goes along with its widgets, taking the focus for that moment.
  const bool carried = widget->focusPolicy() == Qt::NoFocus && widget->focusProxy() == nullptr;
  if (carried) {
    widget->setFocusPolicy(Qt::TabFocus);
    QWidget::setTabOrder(place, widget);
    place = widget;
  }
  for (QWidget* w : focusable) {
    QWidget::setTabOrder(place, w);
    place = w;
    last = w;
  }
  if (carried) widget->setFocusPolicy(Qt::NoFocus);
  page.chain_end = last;
}

// The last widget chained for the pages before index: the strip when they have none.
QWidget* VellumarTabWidget::ChainEndBefore(int index) const {
  for (int i = index - 1; i >= 0; --i) {
    const QWidget* end = pages_[static_cast<size_t>(i)].chain_end;
    if (end != nullptr && isAncestorOf(end)) return pages_[static_cast<size_t>(i)].chain_end;
  }
  return strip_;
}

void VellumarTabWidget::removeTab(int index) {
  if (!TabOfIndex(index, count())) return;
  {
    ChangeScope scope(changing_);
    DetachPage(index);
  }
  FollowSelection();
}

void VellumarTabWidget::DetachPage(int index) {
  const QPointer<QWidget> page = pages_[static_cast<size_t>(index)].widget;
  ForgetPage(index);
  if (page) {
    page->removeEventFilter(this);
    page->hide();
  }
}

void VellumarTabWidget::ForgetPage(int index) {
  members_.remove(pages_[static_cast<size_t>(index)].identity);
  pages_.erase(pages_.begin() + index);
  if (index < strip_->count()) strip_->removeTab(index);
}

void VellumarTabWidget::clear() {
  while (count() > 0) removeTab(count() - 1);
}

int VellumarTabWidget::count() const {
  return static_cast<int>(pages_.size());
}

int VellumarTabWidget::currentIndex() const {
  const int index = strip_->currentIndex();
  return index < count() ? index : -1;
}

void VellumarTabWidget::setCurrentIndex(int index) {
  if (index >= count()) {
    waiting_index_ = index;
    return;
  }
  if (index < 0) return;
  waiting_index_ = -1;
  strip_->setCurrentIndex(index);
}

QWidget* VellumarTabWidget::currentWidget() const {
  return widget(currentIndex());
}

void VellumarTabWidget::setCurrentWidget(QWidget* page) {
  const int index = indexOf(page);
  if (index >= 0) setCurrentIndex(index);
}

QWidget* VellumarTabWidget::widget(int index) const {
  if (!TabOfIndex(index, count())) return nullptr;
  return pages_[static_cast<size_t>(index)].widget;
}

int VellumarTabWidget::indexOf(const QWidget* page) const {
  return page == nullptr ? -1 : PageIndexOf(page);
}

int VellumarTabWidget::PageIndexOf(const QObject* object) const {
  if (!members_.contains(object)) return -1;
  const auto found = std::find_if(pages_.begin(), pages_.end(),
                                  [object](const Page& page) { return page.identity == object; });
  return found == pages_.end() ? -1 : static_cast<int>(found - pages_.begin());
}

// [SECTION] Tabs

QString VellumarTabWidget::tabText(int index) const {
  return TabOfIndex(index, count()) ? strip_->tabText(index) : QString();
}

void VellumarTabWidget::setTabText(int index, const QString& label) {
  if (!TabOfIndex(index, count())) return;
  strip_->setTabText(index, label);
  RefitTab(index);
}

QIcon VellumarTabWidget::tabIcon(int index) const {
  return TabOfIndex(index, count()) ? strip_->tabIcon(index) : QIcon();
}

void VellumarTabWidget::setTabIcon(int index, const QIcon& icon) {
  if (!TabOfIndex(index, count())) return;
  strip_->setTabIcon(index, icon);
  RefitTab(index);
}

int VellumarTabWidget::tabWidth(int index) const {
  return TabOfIndex(index, count()) ? strip_->tabWidth(index) : 0;
}

void VellumarTabWidget::setTabWidth(int index, int width) {
  if (!TabOfIndex(index, count())) return;
  pages_[static_cast<size_t>(index)].width_fixed = true;
  strip_->setTabWidth(index, width);
}

void VellumarTabWidget::RefitTab(int index) {
  if (pages_[static_cast<size_t>(index)].width_fixed) return;
  const int width = strip_->fittingTabWidth(strip_->tabText(index), strip_->tabIcon(index));
  if (width != strip_->tabWidth(index)) strip_->setTabWidth(index, width);
}

// [SECTION] Designer

void VellumarTabWidget::addPage(QWidget* page) {
  if (page != nullptr) addTab(page, page->windowTitle());
}

QString VellumarTabWidget::currentTabText() const {
  return tabText(currentIndex());
}

void VellumarTabWidget::setCurrentTabText(const QString& text) {
  QWidget* page = currentWidget();
  if (page == nullptr) return;
  // The caption follows the title (see eventFilter).
  page->setWindowTitle(text);
  setTabText(currentIndex(), text);
  emit currentTabTextChanged(text);
}

// [SECTION] Qt events

QSize VellumarTabWidget::sizeHint() const {
  QSize pages(0, 0);
  for (const Page& page : pages_) {
    if (page.widget) pages = pages.expandedTo(page.widget->sizeHint());
  }
  const int frame = 2 * kFrameWidth;
  return strip_->sizeHint().expandedTo(pages + QSize(frame, frame + strip_->tabHeight()));
}

QSize VellumarTabWidget::minimumSizeHint() const {
  QSize pages(0, 0);
  for (const Page& page : pages_) {
    if (page.widget) pages = pages.expandedTo(page.widget->minimumSizeHint());
  }
  const int frame = 2 * kFrameWidth;
  return pages + QSize(frame, frame + std::max(0, strip_->tabHeight()));
}

void VellumarTabWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  strip_->setGeometry(rect());
  LayOutPages();
}

void VellumarTabWidget::keyPressEvent(QKeyEvent* event) {
  if (!IsPageSwitchKey(*event) || count() < 2) {
    event->ignore();
    return;
  }
  StepPage(PageStepOf(*event));
  if (QApplication::focusWidget() == nullptr) strip_->setFocus(Qt::TabFocusReason);
}

void VellumarTabWidget::StepPage(int step) {
  const int n = count();
  const int from = std::max(currentIndex(), 0);
  setCurrentIndex((from + step + n) % n);
}

void VellumarTabWidget::childEvent(QChildEvent* event) {
  QWidget::childEvent(event);
  // A page that its owner deletes or takes elsewhere leaves its tab behind it.
  if (event->type() != QEvent::ChildRemoved) return;
  const int index = PageIndexOf(event->child());
  if (index < 0) return;
  {
    ChangeScope scope(changing_);
    ForgetPage(index);
  }
  FollowSelection();
}

bool VellumarTabWidget::eventFilter(QObject* watched, QEvent* event) {
  if (watched == strip_ && event->type() == QEvent::MouseButtonPress) {
    OnStripPressed(static_cast<QMouseEvent*>(event)->position().toPoint());
  } else if (event->type() == QEvent::WindowTitleChange) {
    const int index = PageIndexOf(watched);
    const auto* page = qobject_cast<QWidget*>(watched);
    if (index >= 0 && page != nullptr && page->windowTitle() != tabText(index)) {
      setTabText(index, page->windowTitle());
    }
  }
  return QWidget::eventFilter(watched, event);
}

void VellumarTabWidget::OnStripPressed(const QPoint& position) {
  const TabStripState& state = strip_->control().state();
  if (state.mPageRect.Contains(position.x(), position.y())) return;
  int index = -1;
  for (int i = 0; i < count() && index < 0; ++i) {
    const std::optional<int32_t> tab = TabOfIndex(i, ExistingTabCount(state));
    const std::optional<Rect> head = tab ? TabHeadRect(state, *tab) : std::nullopt;
    if (head && head->Contains(position.x(), position.y())) index = i;
  }
  emit tabBarClicked(index);
}

void VellumarTabWidget::FollowSelection() {
  if (changing_ > 0) return;
  const int index = currentIndex();
  QWidget* current = widget(index);
  if (shown_page_ && shown_page_ != current && members_.contains(shown_page_.data())) {
    if (shown_page_->isAncestorOf(QApplication::focusWidget())) strip_->setFocus();
    shown_page_->hide();
  }
  if (current != nullptr) {
    PlacePage(*current);
    current->show();
  }
  if (index == shown_index_ && current == shown_page_) return;
  shown_index_ = index;
  shown_page_ = current;
  emit currentChanged(index);
}

// The page area inside its frame, within the widget.
QRect VellumarTabWidget::PageArea() const {
  const Rect& page = strip_->control().state().mPageRect;
  const auto clamp = [](int32_t value, int high) {
    return static_cast<int>(std::clamp<int64_t>(value, 0, high));
  };
  const int left = clamp(page.left, width());
  const int top = clamp(page.top, height());
  const int right = clamp(page.right, width());
  const int bottom = clamp(page.bottom, height());
  return QRect(left, top, right - left, bottom - top)
      .adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth);
}

void VellumarTabWidget::LayOutPages() {
  for (const Page& page : pages_) {
    if (page.widget) PlacePage(*page.widget);
  }
}

void VellumarTabWidget::PlacePage(QWidget& page) const {
  const QRect area = PageArea();
  page.setGeometry(area.isValid() ? area : QRect());
}

void VellumarTabWidget::LayOutPagesLater() {
  if (layout_pending_) return;
  layout_pending_ = true;
  // The strip reports a new height or alignment before it repaints and records the new page area.
  QTimer::singleShot(0, this, [this] {
    layout_pending_ = false;
    LayOutPages();
  });
}

}  // namespace vellumar
