#include "app/qt/vellumar_tab_strip.h"

#include <algorithm>
#include <exception>
#include <functional>
#include <memory>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "app/qt/accessible_tab_view.h"
#include "app/qt/tab_entry_text.h"
#include "app/qt/tab_index.h"
#include "app/qt/tab_picture_image.h"
#include "control/vellumar.h"
#include "platform/errors/host_error.h"
#include "render/tab_fit.h"

namespace vellumar {
namespace {

// What a form's empty tab list gives: a new control's tab.
constexpr const char* kNewTabCaption = "Register";

// The entries a tabs property assigns, never none.
std::vector<TabEntry> EntriesOf(const QStringList& tabs) {
  const qsizetype count = std::min<qsizetype>(tabs.size(), Vellumar::kMaxStoredTabs);
  std::vector<TabEntry> entries;
  entries.reserve(static_cast<size_t>(std::max<qsizetype>(count, 1)));
  for (qsizetype i = 0; i < count; ++i) entries.push_back(ParseTabEntry(tabs[i]));
  if (entries.empty()) entries.push_back(TabEntry{QString::fromLatin1(kNewTabCaption), kNewTabWidth});
  return entries;
}

static_assert(int32_t{VellumarTabStrip::Top} == reg_Top && int32_t{VellumarTabStrip::Bottom} == reg_Bottom);

}  // namespace

struct [[gnu::visibility("hidden")]] VellumarTabStrip::Private {
  // VellumarWidget hands its control out through a non-const accessor only; reading through it changes
  // nothing.
  const Vellumar& Control() const;
  void AssignColor(void(Vellumar::*setter)(OleColor), const QColor& color);
  QColor ColorOf(OleColor(Vellumar::*getter)() const) const;
  void TruncateTabList(int32_t count);
  bool ExtendTabList(int32_t count);
  void WriteTabEntries(const std::vector<TabEntry>& entries);
  void AssignPicture(int index, const std::function<StdPictureRef()>& picture);
  // Moves tab from to tab to (1-based, both existing) through the tab properties; the selection is left
  // alone.
  void RotateTab(int32_t from, int32_t to);
  // Selects tab unless it is selected already (0 counting as the first tab).
  void KeepSelected(int32_t tab);
  void EmptyTabList();

  VellumarTabStrip& q;
  std::optional<int32_t> waiting_selection_;  // a selection beyond the list, for the next tabs assignment
};

VellumarTabStrip::VellumarTabStrip(QWidget* parent)
    : VellumarWidget(parent), d_(std::make_unique<Private>(Private{*this, std::nullopt})) {}

VellumarTabStrip::~VellumarTabStrip() = default;

const Vellumar& VellumarTabStrip::Private::Control() const {
  return q.control();
}

// [SECTION] Properties

QStringList VellumarTabStrip::tabs() const {
  const TabStripState& state = d_->Control().state();
  const int32_t count = ExistingTabCount(state);
  QStringList entries;
  entries.reserve(count);
  for (int32_t tab = 1; tab <= count; ++tab) {
    const cTabsRef& record = state.mTabs[static_cast<size_t>(tab)];
    const std::string_view caption = StoredCaption(state, tab);
    entries.append(
        FormatTabEntry(TabEntry{QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())),
                                record ? record->TabWidth : 0}));
  }
  return entries;
}

// A list as long as Vellumar::kMaxStoredTabs goes through in linear time and with one repaint. Assigned one
// by one through the control, every tab would cost a repaint (the whole strip, while the widget is resized
// but not yet shown), and every caption a rebuild of the access keys and every width a new layout of the
// heads after it. So the records are written together, followed by one access-key update, one repaint and
// one notification of each property; this leaves the state, the picture, the events and what assistive
// technology is told that assigning them one by one leaves.
void VellumarTabStrip::setTabs(const QStringList& tabs) {
  const std::vector<TabEntry> entries = EntriesOf(tabs);
  RunReportingErrors([&] {
    Vellumar& control = this->control();
    const auto count = static_cast<int32_t>(entries.size());
    d_->TruncateTabList(count);
    const bool grown = d_->ExtendTabList(count);
    d_->WriteTabEntries(entries);
    control.SetTabAccessKeys();
    control.DrawTab();
    if (grown) emit propertyChanged(QStringLiteral("NumberOfTabs"));
    emit propertyChanged(QStringLiteral("TabCaption"));
    emit propertyChanged(QStringLiteral("TabWidth"));
    if (d_->waiting_selection_ && *d_->waiting_selection_ <= control.NumberOfTabs()) {
      const int32_t tab = *d_->waiting_selection_;
      d_->waiting_selection_.reset();
      control.SetSelectedTab(tab);
    }
  });
}

// Deletes tabs from the end until there are count (at least one). The tabs above the selection go at once;
// from the selected tab on, DeleteTab passes the selection down tab by tab and raises TabPressed each time.
void VellumarTabStrip::Private::TruncateTabList(int32_t count) {
  Vellumar& control = q.control();
  const int32_t kept = std::max(count, 1);
  const int32_t at_once = std::max(kept, control.SelectedTab());
  if (control.NumberOfTabs() > at_once) {
    TabStripState& state = control.mutable_state();
    state.mNumberOfTabs = at_once;
    if (state.mHotTab > at_once) state.mHotTab = 0;
    emit q.propertyChanged(QStringLiteral("NumberOfTabs"));
  }
  while (control.NumberOfTabs() > kept) control.DeleteTab();
}

// Adds tabs at the end until there are count, with new records; says whether it added any. A slot beyond the
// list may still hold a deleted tab's record, whose picture is given up through TabPicture first, so that it
// leaves the form's picture budget as AddTab would take it out.
bool VellumarTabStrip::Private::ExtendTabList(int32_t count) {
  Vellumar& control = q.control();
  const int32_t from = std::max(control.NumberOfTabs(), 0);
  if (count <= from) return false;
  const int32_t reused = std::min(count, control.state().Capacity());
  for (int32_t tab = from + 1; tab <= reused; ++tab) {
    const cTabsRef& record = control.state().mTabs[static_cast<size_t>(tab)];
    if (record && record->TabPicture) control.SetTabPicture(tab, nullptr);
  }
  TabStripState& state = control.mutable_state();
  if (state.Capacity() < count) state.mTabs.resize(static_cast<size_t>(count) + 1);
  for (int32_t tab = from + 1; tab <= count; ++tab)
    state.mTabs[static_cast<size_t>(tab)] = std::make_shared<cTabs>();
  state.mNumberOfTabs = count;
  return true;
}

// Writes the captions and widths of tabs 1 .. entries.size(), which exist, into their records; the control's
// painter is told to forget what it laid out, so that the next paint takes them all.
void VellumarTabStrip::Private::WriteTabEntries(const std::vector<TabEntry>& entries) {
  TabStripState& state = q.control().mutable_state();
  for (size_t i = 0; i < entries.size(); ++i) {
    cTabs& record = state.Record(static_cast<int32_t>(i + 1));
    record.TabCaption = ToUtf8(entries[i].caption);
    record.TabWidth = entries[i].width;
  }
}

int VellumarTabStrip::selectedTab() const {
  return d_->Control().SelectedTab();
}

void VellumarTabStrip::setSelectedTab(int tab) {
  if (tab > d_->Control().NumberOfTabs()) {
    d_->waiting_selection_ = tab;
  } else {
    d_->waiting_selection_.reset();
  }
  RunReportingErrors([&] { control().SetSelectedTab(tab); });
}

int VellumarTabStrip::tabHeight() const {
  return d_->Control().TabHeight();
}

void VellumarTabStrip::setTabHeight(int height) {
  RunReportingErrors([&] { control().SetTabHeight(height); });
}

VellumarTabStrip::Alignment VellumarTabStrip::alignment() const {
  return static_cast<Alignment>(d_->Control().Alignment());
}

void VellumarTabStrip::setAlignment(Alignment alignment) {
  RunReportingErrors([&] { control().SetAlignment(alignment); });
}

QFont VellumarTabStrip::captionFont() const {
  const Vellumar& control = d_->Control();
  QFont font(QString::fromUtf8(control.FontName()));
  if (control.FontSize() > 0) font.setPointSizeF(control.FontSize());
  font.setBold(control.FontBold() != kFalse);
  font.setItalic(control.FontItalic() != kFalse);
  font.setUnderline(control.FontUnderline() != kFalse);
  font.setStrikeOut(control.FontStrikethru() != kFalse);
  return font;
}

void VellumarTabStrip::setCaptionFont(const QFont& font) {
  RunReportingErrors([&] {
    Vellumar& control = this->control();
    control.SetFontName(ToUtf8(font.family()));
    if (font.pointSizeF() > 0) control.SetFontSize(static_cast<float>(font.pointSizeF()));
    control.SetFontBold(ToVbBool(font.bold()));
    control.SetFontItalic(ToVbBool(font.italic()));
    control.SetFontUnderline(ToVbBool(font.underline()));
    control.SetFontStrikethru(ToVbBool(font.strikeOut()));
  });
}

QColor VellumarTabStrip::Private::ColorOf(OleColor (Vellumar::*getter)() const) const {
  ColorRef rgb = 0;
  if (!OleTranslateColor((Control().*getter)(), rgb)) return {};
  return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

void VellumarTabStrip::Private::AssignColor(void (Vellumar::*setter)(OleColor), const QColor& color) {
  if (!color.isValid()) return;
  const QColor rgb = color.toRgb();
  q.RunReportingErrors([&] { (q.control().*setter)(Rgb(rgb.red(), rgb.green(), rgb.blue())); });
}

QColor VellumarTabStrip::backColor() const {
  return d_->ColorOf(&Vellumar::BackColor);
}
void VellumarTabStrip::setBackColor(const QColor& color) {
  d_->AssignColor(&Vellumar::SetBackColor, color);
}
QColor VellumarTabStrip::foreColor() const {
  return d_->ColorOf(&Vellumar::ForeColor);
}
void VellumarTabStrip::setForeColor(const QColor& color) {
  d_->AssignColor(&Vellumar::SetForeColor, color);
}
QColor VellumarTabStrip::foreColorActive() const {
  return d_->ColorOf(&Vellumar::ForeColorActive);
}
void VellumarTabStrip::setForeColorActive(const QColor& color) {
  d_->AssignColor(&Vellumar::SetForeColorActive, color);
}
QColor VellumarTabStrip::foreColorHot() const {
  return d_->ColorOf(&Vellumar::ForeColorHot);
}
void VellumarTabStrip::setForeColorHot(const QColor& color) {
  d_->AssignColor(&Vellumar::SetForeColorHot, color);
}
QColor VellumarTabStrip::backColorForm() const {
  return d_->ColorOf(&Vellumar::BackColorForm);
}
void VellumarTabStrip::setBackColorForm(const QColor& color) {
  d_->AssignColor(&Vellumar::SetBackColorForm, color);
}
QColor VellumarTabStrip::frameColor() const {
  return d_->ColorOf(&Vellumar::FrameColor);
}
void VellumarTabStrip::setFrameColor(const QColor& color) {
  d_->AssignColor(&Vellumar::SetFrameColor, color);
}
QColor VellumarTabStrip::maskColor() const {
  return d_->ColorOf(&Vellumar::MaskColor);
}
void VellumarTabStrip::setMaskColor(const QColor& color) {
  d_->AssignColor(&Vellumar::SetMaskColor, color);
}
QColor VellumarTabStrip::mouseMoveColor0() const {
  return d_->ColorOf(&Vellumar::MouseMoveColor0);
}
void VellumarTabStrip::setMouseMoveColor0(const QColor& color) {
  d_->AssignColor(&Vellumar::SetMouseMoveColor0, color);
}
QColor VellumarTabStrip::mouseMoveColor1() const {
  return d_->ColorOf(&Vellumar::MouseMoveColor1);
}
void VellumarTabStrip::setMouseMoveColor1(const QColor& color) {
  d_->AssignColor(&Vellumar::SetMouseMoveColor1, color);
}
QColor VellumarTabStrip::mouseMoveColor2() const {
  return d_->ColorOf(&Vellumar::MouseMoveColor2);
}
void VellumarTabStrip::setMouseMoveColor2(const QColor& color) {
  d_->AssignColor(&Vellumar::SetMouseMoveColor2, color);
}
QColor VellumarTabStrip::registerFocusColor0() const {
  return d_->ColorOf(&Vellumar::RegisterFocusColor0);
}
void VellumarTabStrip::setRegisterFocusColor0(const QColor& color) {
  d_->AssignColor(&Vellumar::SetRegisterFocusColor0, color);
}
QColor VellumarTabStrip::registerFocusColor1() const {
  return d_->ColorOf(&Vellumar::RegisterFocusColor1);
}
void VellumarTabStrip::setRegisterFocusColor1(const QColor& color) {
  d_->AssignColor(&Vellumar::SetRegisterFocusColor1, color);
}
QColor VellumarTabStrip::registerFocusColor2() const {
  return d_->ColorOf(&Vellumar::RegisterFocusColor2);
}
void VellumarTabStrip::setRegisterFocusColor2(const QColor& color) {
  d_->AssignColor(&Vellumar::SetRegisterFocusColor2, color);
}

// [SECTION] Tabs by index

int VellumarTabStrip::count() const {
  return ExistingTabCount(d_->Control().state());
}

int VellumarTabStrip::currentIndex() const {
  const int32_t shown = ShownSelectedTab(d_->Control().state());
  return shown == 0 ? -1 : IndexOfTab(shown);
}

void VellumarTabStrip::setCurrentIndex(int index) {
  const std::optional<int32_t> tab = TabOfIndex(index, count());
  if (!tab) return;
  d_->waiting_selection_.reset();
  RunReportingErrors([&] { control().SetSelectedTab(*tab); });
}

int VellumarTabStrip::addTab(const QString& caption, int width, const QIcon& icon) {
  int index = -1;
  RunReportingErrors([&] {
    int32_t tab_width = width;
    std::string text = ToUtf8(caption);
    StdPictureRef picture = PictureOfIcon(icon);
    const int32_t tab = control().AddTab(tab_width, text, picture);
    // AddTab names a tab without a caption "Register"; a Qt program that gave none means none.
    if (caption.isEmpty()) control().SetTabCaption(tab, std::string());
    index = IndexOfTab(tab);
  });
  return index;
}

int VellumarTabStrip::insertTab(int index, const QString& caption, int width, const QIcon& icon) {
  const int32_t before = count();
  const int32_t selected = ShownSelectedTab(d_->Control().state());
  const int added = addTab(caption, width, icon);
  const std::optional<int32_t> tab = TabOfIndex(index, before);
  if (added < 0 || !tab) return added;
  RunReportingErrors([&] {
    d_->RotateTab(before + 1, *tab);
    if (selected >= *tab) d_->KeepSelected(selected + 1);
  });
  return index;
}

void VellumarTabStrip::removeTab(int index) {
  const int32_t n = count();
  const std::optional<int32_t> tab = TabOfIndex(index, n);
  if (!tab) return;
  RunReportingErrors([&] {
    if (n == 1) {
      d_->EmptyTabList();
      return;
    }
    const int32_t selected = ShownSelectedTab(d_->Control().state());
    d_->RotateTab(*tab, n);
    if (*tab < selected) {
      d_->KeepSelected(selected - 1);
    } else if (*tab == selected) {
      // The right neighbour now stands where the removed tab stood; after the last tab, the left one.
      control().SetSelectedTab(*tab < n ? *tab : n - 1);
    }
    control().DeleteTab();
  });
}

void VellumarTabStrip::moveTab(int from, int to) {
  const int32_t n = count();
  const std::optional<int32_t> source = TabOfIndex(from, n);
  const std::optional<int32_t> target = TabOfIndex(to, n);
  if (!source || !target || *source == *target) return;
  RunReportingErrors([&] {
    const int32_t selected = ShownSelectedTab(d_->Control().state());
    d_->RotateTab(*source, *target);
    if (selected == *source) {
      d_->KeepSelected(*target);
    } else if (*source < selected && selected <= *target) {
      d_->KeepSelected(selected - 1);
    } else if (*target <= selected && selected < *source) {
      d_->KeepSelected(selected + 1);
    }
  });
}

void VellumarTabStrip::Private::RotateTab(int32_t from, int32_t to) {
  struct Values {
    std::string caption;
    int32_t width = 0;
    StdPictureRef picture;
  };
  Vellumar& control = q.control();
  const auto read = [&](int32_t tab) {
    return Values{control.TabCaption(tab), control.TabWidth(tab), control.TabPicture(tab)};
  };
  const auto write = [&](int32_t tab, const Values& values) {
    control.SetTabCaption(tab, values.caption);
    control.SetTabWidth(tab, values.width);
    control.SetTabPicture(tab, values.picture);
  };
  const Values moving = read(from);
  const int32_t step = from < to ? 1 : -1;
  for (int32_t tab = from; tab != to; tab += step) write(tab, read(tab + step));
  write(to, moving);
}

void VellumarTabStrip::Private::KeepSelected(int32_t tab) {
  if (ShownSelectedTab(Control().state()) != tab) q.control().SetSelectedTab(tab);
}

// The control never deletes its last tab; a strip that a program empties takes the state that a form
// without a stored tab count gives the control: no tabs, nothing selected or hot.
void VellumarTabStrip::Private::EmptyTabList() {
  Vellumar& control = q.control();
  while (control.NumberOfTabs() > 1) control.DeleteTab();
  TabStripState& state = control.mutable_state();
  state.mNumberOfTabs = 0;
  state.mSelectedTab = 0;
  state.mHotTab = 0;
  control.SetTabAccessKeys();
  control.DrawTab();
}

QString VellumarTabStrip::tabText(int index) const {
  const std::optional<int32_t> tab = TabOfIndex(index, count());
  if (!tab) return QString();
  const std::string_view caption = StoredCaption(d_->Control().state(), *tab);
  return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
}

void VellumarTabStrip::setTabText(int index, const QString& caption) {
  const std::optional<int32_t> tab = TabOfIndex(index, count());
  if (!tab) return;
  RunReportingErrors([&] { control().SetTabCaption(*tab, ToUtf8(caption)); });
}

int VellumarTabStrip::tabWidth(int index) const {
  const std::optional<int32_t> tab = TabOfIndex(index, count());
  if (!tab) return 0;
  const cTabsRef& record = d_->Control().state().mTabs[static_cast<size_t>(*tab)];
  return record ? record->TabWidth : 0;
}

void VellumarTabStrip::setTabWidth(int index, int width) {
  const std::optional<int32_t> tab = TabOfIndex(index, count());
  if (!tab) return;
  RunReportingErrors([&] { control().SetTabWidth(*tab, width); });
}

QIcon VellumarTabStrip::tabIcon(int index) const {
  const std::optional<int32_t> tab = TabOfIndex(index, count());
  if (!tab) return QIcon();
  const cTabsRef& record = d_->Control().state().mTabs[static_cast<size_t>(*tab)];
  ColorRef mask = 0;
  if (!record || !OleTranslateColor(d_->Control().MaskColor(), mask)) return QIcon();
  return IconOfPicture(record->TabPicture, mask);
}

void VellumarTabStrip::setTabIcon(int index, const QIcon& icon) {
  d_->AssignPicture(index, [&] { return PictureOfIcon(icon); });
}

void VellumarTabStrip::setTabIcon(int index, const QPixmap& pixmap) {
  d_->AssignPicture(index, [&] { return PictureOfImage(pixmap.toImage()); });
}

void VellumarTabStrip::Private::AssignPicture(int index, const std::function<StdPictureRef()>& picture) {
  const std::optional<int32_t> tab = TabOfIndex(index, q.count());
  if (!tab) return;
  q.RunReportingErrors([&] { q.control().SetTabPicture(*tab, picture()); });
}

int VellumarTabStrip::fittingTabWidth(const QString& caption, const QIcon& icon) const {
  Vellumar& control = const_cast<VellumarTabStrip*>(this)->control();
  float picture_width = 0;
  float picture_height = 0;
  if (!icon.isNull()) control.GetPictureSize(PictureOfIcon(icon), picture_width, picture_height);
  DeviceContext dc;
  dc.SelectFont(control.Font());
  return FittingTabWidth(dc, ToUtf8(caption), picture_width);
}

}  // namespace vellumar
