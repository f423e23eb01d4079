// Access keys: the marked characters of all captions, handed to the host, and the tab that carries a key.
#include <cstddef>
#include <cstdint>

#include "control/vellumar.h"
#include "control/windows_1252.h"
#include "render/xp_wells.h"

namespace vellumar {

void Vellumar::SetTabAccessKeys() {
  s_.mAccessKeys.clear();
  s_.mAccessKeyTabs.clear();
  access_keys_cover_ = -1;
  for (int64_t i = 1; i <= s_.mNumberOfTabs; ++i) AddAccessKeyOf(static_cast<int32_t>(i));
  access_keys_cover_ = s_.mNumberOfTabs;
  host_.SetAccessKeys(s_.mAccessKeys);
}

void Vellumar::AddAccessKeyOf(int32_t index) {
  const std::string key = GetAccessKeyChar(Reach(index).TabCaption);
  if (!key.empty()) {
    s_.mAccessKeys += key;
    s_.mAccessKeyTabs.push_back(index);
  }
}

int32_t Vellumar::GetTabAccessKey(int16_t& iKey) {
  const std::string& keys = s_.mAccessKeys;
  const size_t characters = s_.mAccessKeyTabs.size();
  size_t pos = 0;
  for (size_t k = 0; k < characters && pos < keys.size(); ++k) {
    if (NextWindows1252Code(keys, pos) == iKey) return s_.mAccessKeyTabs[k];
  }
  return 0;
}

}  // namespace vellumar
