// What a control's load could not use, kept for its saves: the damaged entries of the bag it was read from
// (PropertyValue::Invalid), the keys it does not store at all (tabs beyond the stored count, keys it does
// not know), and what the form file held around the values (EntryExtras, the control's unknown members). A
// host keeps them from the load and puts each back, as it was found, into every later save of that control,
// so that nothing stored vanishes through a load and a save:
//   - an entry of a tab beyond the count the load read stays beyond the count: when the control has more
//     tabs now, its number grows by as many, so that it never becomes the value of a tab made since;
//   - any other kept entry is put back under its key when the save has not changed the value behind it;
//   - the extras of an entry the control read go to the entry the save writes under the same key, and the
//     control's unknown members to the saved bag.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/form_file/property_bag.h"

namespace vellumar {

class Vellumar;

class UnusedEntries {
 public:
  UnusedEntries() = default;
  // What control, just read from loaded (ReadProperties), could not use. What the control stores right now
  // is taken as the state the load left (WriteProperties into a scratch bag); when that fails, every entry
  // of loaded is kept, to be put back wherever a save stores nothing under its key.
  UnusedEntries(const PropertyBag& loaded, Vellumar& control);

  // Puts the kept entries into saved, which the control's WriteProperties has just filled (see above).
  void WriteBack(PropertyBag& saved) const;

  bool empty() const { return kept_.empty() && extras_.empty() && outer_members_.empty(); }

 private:
  struct Kept {
    PropertyBag::Entry entry;                 // as the load found it
    std::optional<PropertyValue> after_load;  // what the control stored under the key then; none for no key
  };
  struct KeyExtras {
    std::string key;
    std::shared_ptr<const EntryExtras> extras;
  };
  std::vector<Kept> kept_;
  std::vector<KeyExtras> extras_;  // of the entries the control read
  UnknownMembers outer_members_;
  std::optional<int64_t> tabs_after_load_;  // the control's tab count right after the load
};

}  // namespace vellumar
