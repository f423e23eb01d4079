// A picture box as the pages use it: a sunken frame that shows a picture at its top-left corner, unscaled
// and clipped, and tells when its picture is replaced.
#pragma once

#include <QFrame>
#include <QImage>

#include "platform/ole_color.h"
#include "platform/pictures/picture.h"
#include "platform/raster/bitmap.h"

namespace vellumar {

// A colour bitmap (pixels 0x00BBGGRR) or a monochrome one (0 black, 1 white) as a Qt image.
QImage BitmapToImage(const Bitmap& bitmap);
// What a picture box shows of a picture: a bitmap as it is, an icon drawn at the standard icon size over
// background; a null image for any other kind.
QImage PictureImage(const StdPicture& picture, ColorRef background);

class PictureBox final : public QFrame {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent = nullptr);

  const StdPictureRef& Picture() const { return picture_; }
  // Shows picture (null: an empty box). Emits PictureChanged when it is another object than before.
  void SetPicture(StdPictureRef picture);

 signals:
  void PictureChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  StdPictureRef picture_;
  QImage image_;
};

}  // namespace vellumar
