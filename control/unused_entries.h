// What a control's load could not use, kept for its saves: the damaged entries of the bag it was read from
// (PropertyValue::Invalid) and the keys it does not store at all (tabs beyond the stored count, keys it does
// not know). A host keeps them from the load and puts each back, as it was found, into every later save of
// that control that has not changed the value behind the key, so that nothing stored vanishes through a
// load and a save.
#pragma once

#include <optional>
#include <vector>

#include "platform/property_bag.h"

namespace vellumar {

class Vellumar;

class UnusedEntries {
 public:
  UnusedEntries() = default;
  // What control, just read from loaded (ReadProperties), could not use. What the control stores right now
  // is taken as the state the load left (WriteProperties into a scratch bag); when that fails, every entry
  // of loaded is kept, to be put back wherever a save stores nothing under its key.
  UnusedEntries(const PropertyBag& loaded, Vellumar& control);

  // Puts the kept entries into saved, which the control's WriteProperties has just filled: each entry whose
  // key saved lacks, as after the load, or holds with the value the control had right after the load.
  void WriteBack(PropertyBag& saved) const;

  bool empty() const { return kept_.empty(); }

 private:
  struct Kept {
    PropertyBag::Entry entry;                 // as the load found it
    std::optional<PropertyValue> after_load;  // what the control stored under the key then; none for no key
  };
  std::vector<Kept> kept_;
};

}  // namespace vellumar
