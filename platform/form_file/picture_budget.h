// What pictures cost where their number is bounded, and one account of them against a form's limits. A form
// file's reader and its writer charge every picture in file order, and a control charges the pictures of
// its tabs, all against the same limits: every form a save writes loads back whole, and the pictures a
// control holds always fit into one form.
#pragma once

#include <cstdint>

#include "platform/pictures/picture.h"

namespace vellumar {

struct PictureCost {
  int64_t pixels = 0;        // colour and mask pixels it holds in memory
  int64_t stored_bytes = 0;  // its file bytes as a form stores them (base64); 0 for a picture made in memory
};

// What picture costs; nothing for null.
PictureCost CostOf(const StdPicture* picture);

class PictureBudget {
 public:
  // The limits of one form: kMaxFormPicturePixels pixels, and stored bytes within kMaxFormFileBytes.
  PictureBudget();
  PictureBudget(int64_t max_pixels, int64_t max_stored_bytes);

  // Throws HostError 7 when the pictures already hold every pixel the budget allows, so that a reader need
  // not decode another one.
  void CheckRoom() const;
  // Throws HostError 7 saying how many pixels or bytes the pictures would hold, and the limit, when counting
  // picture in place of replaced (either may be null) would go beyond a limit.
  void Check(const StdPicture* picture, const StdPicture* replaced = nullptr) const;
  // Check, then counts picture in place of replaced; nothing is counted when it throws.
  void Charge(const StdPicture* picture, const StdPicture* replaced = nullptr);
  void Clear();

  int64_t pixels() const { return pixels_; }

 private:
  struct Totals {
    int64_t pixels;
    int64_t stored_bytes;
  };
  Totals After(const StdPicture* picture, const StdPicture* replaced) const;

  int64_t max_pixels_;
  int64_t max_stored_bytes_;
  int64_t pixels_ = 0;
  int64_t stored_bytes_ = 0;
};

}  // namespace vellumar
