// A widget that carries its own tab look (a VellumarTabBar); the style paints every other tab bar in the
// style's. Kept apart from the look itself so that a public header can name it in C++17 without the core.
#pragma once

namespace vellumar {

struct TabLook;

class TabLookSource {
 public:
  virtual const TabLook& tabLook() const = 0;

 protected:
  ~TabLookSource() = default;
};

}  // namespace vellumar
