#include "control/unused_entries.h"

#include <exception>

#include "control/vellumar.h"

namespace vellumar {
namespace {

std::optional<PropertyValue> Stored(const PropertyBag& bag, std::string_view key) {
  if (!bag.Contains(key)) return std::nullopt;
  return bag.ReadProperty(key);
}

}  // namespace

UnusedEntries::UnusedEntries(const PropertyBag& loaded, Vellumar& control) {
  PropertyBag after_load;
  try {
    control.WriteProperties(after_load);
  } catch (const std::exception&) {
    after_load = PropertyBag();
  }
  for (const PropertyBag::Entry& entry : loaded.entries()) {
    if (entry.value.invalid() == nullptr && after_load.Contains(entry.key)) continue;
    kept_.push_back({entry, Stored(after_load, entry.key)});
  }
}

void UnusedEntries::WriteBack(PropertyBag& saved) const {
  for (const Kept& kept : kept_) {
    const std::optional<PropertyValue> now = Stored(saved, kept.entry.key);
    const bool unchanged =
        now.has_value() == kept.after_load.has_value() && (!now || *now == *kept.after_load);
    if (unchanged) saved.WriteProperty(kept.entry.key, kept.entry.value);
  }
}

}  // namespace vellumar
