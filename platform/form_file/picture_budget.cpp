#include "platform/form_file/picture_budget.h"

#include <string>

#include "platform/errors/error_text.h"
#include "platform/form_file/form_file.h"

namespace vellumar {
namespace {

int64_t PixelsOf(const Bitmap& bitmap) {
  return static_cast<int64_t>(bitmap.pixels().size());
}

int64_t Base64Size(size_t bytes) {
  return (static_cast<int64_t>(bytes) + 2) / 3 * 4;
}

[[noreturn]] void ThrowBeyond(int64_t total, int64_t limit, const char* unit) {
  throw HostError::WithDetail(kErrOutOfMemory, "the pictures would hold " + std::to_string(total) + " " +
                                                   unit + ", at most " + std::to_string(limit));
}

}  // namespace

PictureCost CostOf(const StdPicture* picture) {
  if (picture == nullptr) return {};
  const IconImage& icon = picture->icon();
  return {PixelsOf(picture->bitmap()) + PixelsOf(icon.color) + PixelsOf(icon.mask),
          Base64Size(picture->file_bytes().size())};
}

PictureBudget::PictureBudget() : PictureBudget(kMaxFormPicturePixels, kMaxFormFileBytes) {}

PictureBudget::PictureBudget(int64_t max_pixels, int64_t max_stored_bytes)
    : max_pixels_(max_pixels), max_stored_bytes_(max_stored_bytes) {}

void PictureBudget::CheckRoom() const {
  if (pixels_ >= max_pixels_) {
    throw HostError::WithDetail(kErrOutOfMemory, "the pictures hold " + std::to_string(pixels_) +
                                                     " pixels, at most " + std::to_string(max_pixels_));
  }
}

PictureBudget::Totals PictureBudget::After(const StdPicture* picture, const StdPicture* replaced) const {
  const PictureCost added = CostOf(picture);
  const PictureCost removed = CostOf(replaced);
  const Totals after{pixels_ - removed.pixels + added.pixels,
                     stored_bytes_ - removed.stored_bytes + added.stored_bytes};
  if (after.pixels > max_pixels_) ThrowBeyond(after.pixels, max_pixels_, "pixels");
  if (after.stored_bytes > max_stored_bytes_)
    ThrowBeyond(after.stored_bytes, max_stored_bytes_, "bytes in a form");
  return after;
}

void PictureBudget::Check(const StdPicture* picture, const StdPicture* replaced) const {
  After(picture, replaced);
}

void PictureBudget::Charge(const StdPicture* picture, const StdPicture* replaced) {
  const Totals after = After(picture, replaced);
  pixels_ = after.pixels;
  stored_bytes_ = after.stored_bytes;
}

void PictureBudget::Clear() {
  pixels_ = 0;
  stored_bytes_ = 0;
}

}  // namespace vellumar
