#include "control/unused_entries.h"

#include <algorithm>
#include <exception>

#include "control/tab_keys.h"
#include "control/vellumar.h"

namespace vellumar {
namespace {

constexpr std::string_view kTabCountKey = "NumberOfTabs";

std::optional<PropertyValue> Stored(const PropertyBag& bag, std::string_view key) {
  if (!bag.Contains(key)) return std::nullopt;
  return bag.ReadProperty(key);
}

std::optional<int64_t> TabCount(const PropertyBag& bag) {
  if (!bag.Contains(kTabCountKey)) return std::nullopt;
  try {
    return ToInt32(bag.ReadProperty(kTabCountKey));
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

}  // namespace

UnusedEntries::UnusedEntries(const PropertyBag& loaded, Vellumar& control)
    : outer_members_(loaded.outer_members()) {
  PropertyBag after_load;
  try {
    control.WriteProperties(after_load);
  } catch (const std::exception&) {
    after_load = PropertyBag();
  }
  tabs_after_load_ = TabCount(after_load);
  for (const PropertyBag::Entry& entry : loaded.entries()) {
    if (entry.value.invalid() == nullptr && after_load.Contains(entry.key)) {
      if (entry.extras) extras_.push_back({entry.key, entry.extras});
      continue;
    }
    kept_.push_back({entry, Stored(after_load, entry.key)});
  }
}

void UnusedEntries::WriteBack(PropertyBag& saved) const {
  const std::optional<int64_t> tabs_now = TabCount(saved);
  const int64_t grown =
      tabs_now && tabs_after_load_ ? std::max<int64_t>(*tabs_now - *tabs_after_load_, 0) : 0;
  for (const Kept& kept : kept_) {
    const PropertyBag::Entry& entry = kept.entry;
    const std::optional<TabKeyParts> tab = SplitTabKey(entry.key);
    if (tab && tabs_after_load_ && tab->number > *tabs_after_load_) {
      const std::string key = TabKey(entry.key.substr(0, tab->prefix_length), tab->number + grown);
      saved.WriteProperty(key, entry.value);
      saved.SetExtras(key, entry.extras);
      continue;
    }
    const std::optional<PropertyValue> now = Stored(saved, entry.key);
    const bool unchanged =
        now.has_value() == kept.after_load.has_value() && (!now || *now == *kept.after_load);
    if (!unchanged) continue;
    saved.WriteProperty(entry.key, entry.value);
    saved.SetExtras(entry.key, entry.extras);
  }
  for (const KeyExtras& kept : extras_) {
    if (saved.Extras(kept.key) == nullptr) saved.SetExtras(kept.key, kept.extras);
  }
  if (saved.outer_members().empty()) saved.SetOuterMembers(outer_members_);
}

}  // namespace vellumar
