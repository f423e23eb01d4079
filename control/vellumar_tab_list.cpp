// The tab list: the count, the selection, the indexed tab properties, adding and deleting tabs.
#include <algorithm>
#include <cstddef>
#include <limits>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>

#include "control/vellumar.h"
#include "platform/errors/error_text.h"
#include "platform/errors/host_error.h"

namespace vellumar {
namespace {

constexpr int32_t kDefaultTabWidth = 60;
constexpr const char* kDefaultCaption = "Register";

// PreviousTab is a 16-bit argument; tab numbers beyond its range are reported at its nearest limit.
int16_t ToPreviousTab(int32_t tab) {
  return static_cast<int16_t>(
      std::clamp<int32_t>(tab, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

// Runs a step of the picture budget for tab index; its error names the tab.
template <typename Step>
void ForTab(int32_t index, Step step) {
  try {
    step();
  } catch (const HostError& error) {
    throw error.Within("tab " + std::to_string(index));
  }
}

}  // namespace

cTabs& Vellumar::Reach(int32_t index) {
  if (index < 0 || index > s_.Capacity()) throw HostError(kErrSubscriptOutOfRange);
  return s_.Record(index);
}

const StdPicture* Vellumar::RecordPicture(int32_t index) const {
  if (index < 0 || index > s_.Capacity()) return nullptr;
  const cTabsRef& slot = s_.mTabs[static_cast<size_t>(index)];
  return slot ? slot->TabPicture.get() : nullptr;
}

void Vellumar::GrowTabList(int32_t count) {
  const auto slots = static_cast<size_t>(count) + 1;
  if (slots <= s_.mTabs.size()) return;
  // resize keeps the geometric growth of the vector's storage, so adding tabs one by one stays amortised
  // O(1).
  try {
    s_.mTabs.resize(slots);
  } catch (const std::bad_alloc&) {
    throw HostError(kErrOutOfMemory);
  } catch (const std::length_error&) {
    throw HostError(kErrOutOfMemory);
  }
}

int32_t Vellumar::NumberOfTabs() const {
  return s_.mNumberOfTabs;
}

int32_t Vellumar::SelectedTab() const {
  return s_.mSelectedTab;
}

void Vellumar::SetSelectedTab(int32_t NewSelectedTab) {
  if (NewSelectedTab > s_.mNumberOfTabs) return;
  s_.mSelectedTab = NewSelectedTab;
  RaiseTabPressed();
  s_.mPreviousTab = ToPreviousTab(s_.mSelectedTab);
  host_.PropertyChanged("SelectedTab");
  DrawTab();
}

void Vellumar::RaiseTabPressed() {
  int16_t previous_tab = s_.mPreviousTab;
  if (events_ != nullptr) events_->TabPressed(previous_tab);
}

std::string Vellumar::TabCaption(int32_t Index) {
  return Reach(Index).TabCaption;
}

void Vellumar::SetTabCaption(int32_t Index, const std::string& NewTabCaption) {
  Reach(Index).TabCaption = NewTabCaption;
  painter_.TabContentChanged(Index);
  SetTabAccessKeys();
  DrawTab();
  host_.PropertyChanged("TabCaption");
}

int32_t Vellumar::TabWidth(int32_t Index) {
  return Reach(Index).TabWidth;
}

void Vellumar::SetTabWidth(int32_t Index, int32_t NewTabWidth) {
  Reach(Index).TabWidth = NewTabWidth;
  painter_.TabWidthChanged(Index);
  DrawTab();
  host_.PropertyChanged("TabWidth");
}

StdPictureRef Vellumar::TabPicture(int32_t Index) {
  return Reach(Index).TabIcon();
}

void Vellumar::SetTabPicture(int32_t Index, StdPictureRef NewTabPicture) {
  // The index is checked before the conversion, so that a bad index costs no temporary file.
  Reach(Index);
  StdPictureRef converted = ConvertIconToBitmap(NewTabPicture);
  cTabs& record = Reach(Index);
  ForTab(Index, [&] { pictures_.Charge(converted.get(), record.TabPicture.get()); });
  record.TabPicture = std::move(converted);
  painter_.TabContentChanged(Index);
  DrawTab();
  host_.PropertyChanged("TabPicture");
}

StdPictureRef Vellumar::ConvertIconToBitmap(const StdPictureRef& picture) {
  return ::vellumar::ConvertIconToBitmap(picTemp_, picture);
}

int32_t Vellumar::AddTab(int32_t& iTabWidth, std::string& sTabText, StdPictureRef& pTabPicture) {
  if (pTabPicture) {
    StdPictureRef converted = ConvertIconToBitmap(pTabPicture);
    if (converted != pTabPicture) pTabPicture = std::move(converted);
  }
  if (s_.mNumberOfTabs == std::numeric_limits<int32_t>::max()) throw HostError(kErrOverflow);
  // A negative count comes only from a damaged saved form; the list then starts again at tab 1.
  const int32_t count = std::max(s_.mNumberOfTabs, 0) + 1;
  const StdPicture* replaced = RecordPicture(count);
  ForTab(count, [&] { pictures_.Check(pTabPicture.get(), replaced); });
  GrowTabList(count);
  const bool keys_cover_earlier_tabs = access_keys_cover_ == count - 1;
  // The slot may hold a deleted tab's record, whose caption the keys may still reflect.
  if (access_keys_cover_ >= count) access_keys_cover_ = -1;
  s_.mNumberOfTabs = count;
  cTabs& record = Reach(count);
  record.TabWidth = iTabWidth;
  // The slot may hold a deleted tab's record, laid out and measured as that tab.
  painter_.TabWidthChanged(count);
  painter_.TabContentChanged(count);
  if (!sTabText.empty()) {
    record.TabCaption = sTabText;
    if (keys_cover_earlier_tabs) {
      // Appending this tab's key gives what rebuilding from every caption would give, in O(1).
      AddAccessKeyOf(count);
      access_keys_cover_ = count;
      host_.SetAccessKeys(s_.mAccessKeys);
    } else {
      SetTabAccessKeys();
    }
  } else {
    sTabText = kDefaultCaption;
    record.TabCaption = kDefaultCaption;
    // The default caption has no access key, so keys that covered every earlier tab now cover this one too.
    if (keys_cover_earlier_tabs) access_keys_cover_ = count;
  }
  pictures_.Charge(pTabPicture.get(), replaced);
  record.SetTabIcon(pTabPicture);
  host_.PropertyChanged("NumberOfTabs");
  DrawTab();
  return count;
}

int32_t Vellumar::AddTab() {
  int32_t width = kDefaultTabWidth;
  std::string caption;
  StdPictureRef picture;
  return AddTab(width, caption, picture);
}

void Vellumar::DeleteTab() {
  if (s_.mNumberOfTabs > 1) --s_.mNumberOfTabs;
  const int32_t count = s_.mNumberOfTabs;
  if (s_.mHotTab > count) s_.mHotTab = 0;
  host_.PropertyChanged("NumberOfTabs");
  // The painters need the selection within the list: a deleted selected tab passes the selection on to
  // the new last tab, through the property so that the container hears of it.
  if (s_.mSelectedTab > count) SetSelectedTab(count);
  DrawTab();
}

}  // namespace vellumar
