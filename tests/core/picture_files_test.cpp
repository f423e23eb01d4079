// Picture objects and files: HIMETRIC sizes, LoadPicture's errors, SavePicture and WritePng round trips.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>

#include "picture_test_files.h"
#include "platform/errors/host_error.h"
#include "platform/pictures/picture.h"

namespace vellumar {
namespace {

using picture_testing::BuildIco;
using picture_testing::Bytes;
using picture_testing::IconDib24;
using picture_testing::ReadFileBytes;
using picture_testing::ScratchDir;

int ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const HostError& e) {
    return e.number();
  }
  return 0;
}

Bitmap TestBitmap(int32_t width, int32_t height) {
  Bitmap bitmap(width, height);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) bitmap.SetPixel(x, y, Rgb(x * 40, y * 60, (x + y) * 20));
  }
  return bitmap;
}

TEST(PictureObject, ConvertsPixelsToHimetricAt96Dpi) {
  const std::pair<int32_t, int32_t> cases[] = {{0, 0},
                                               {1, 26},
                                               {16, 423},
                                               {32, 847},
                                               {96, 2540},
                                               {-32, -847},
                                               {INT32_MAX, INT32_MAX},
                                               {INT32_MIN, INT32_MIN}};
  for (const auto& [pixels, himetric] : cases) EXPECT_EQ(PixelsToHimetric(pixels), himetric) << pixels;
}

TEST(PictureObject, FactoriesSetTypeAndSize) {
  StdPictureRef bitmap = StdPicture::FromBitmap(TestBitmap(16, 32));
  EXPECT_EQ(bitmap->Type(), PictureType::kBitmap);
  EXPECT_EQ(bitmap->Width(), 423);
  EXPECT_EQ(bitmap->Height(), 847);
  EXPECT_TRUE(bitmap->file_bytes().empty());

  StdPictureRef metafile = StdPicture::OfType(PictureType::kMetafile, 32, 16);
  EXPECT_EQ(metafile->Type(), PictureType::kMetafile);
  EXPECT_EQ(metafile->Width(), 847);
  EXPECT_EQ(metafile->Height(), 423);
  EXPECT_TRUE(metafile->bitmap().empty());
}

TEST(PictureObject, IconBitmapIsTheIconAtStandardSizeOnBlack) {
  IconImage icon{.color = Bitmap(2, 1), .mask = Bitmap(2, 1, PixelFormat::kMono1), .alpha = {}};
  icon.color.SetPixel(0, 0, Rgb(255, 0, 0));
  icon.color.SetPixel(1, 0, Rgb(0, 255, 0));
  icon.mask.SetPixel(1, 0, 1);
  StdPictureRef picture = StdPicture::FromIcon(icon);
  ASSERT_EQ(picture->bitmap().width(), kStandardIconSize);
  ASSERT_EQ(picture->bitmap().height(), kStandardIconSize);
  EXPECT_EQ(picture->bitmap().Pixel(15, 31), Rgb(255, 0, 0));
  EXPECT_EQ(picture->bitmap().Pixel(16, 0), 0u);
}

TEST(PictureFiles, LoadPictureTellsMissingUnreadableAndInvalidApart) {
  ScratchDir dir;
  const std::string text = dir.Write("notes.bmp", {'h', 'e', 'l', 'l', 'o'});
  const std::string empty = dir.Write("empty.ico", {});
  const std::string huge = dir.path() + "/huge.bmp";
  {
    Bytes header = {'B', 'M'};
    dir.Write("huge.bmp", header);
    ASSERT_EQ(truncate(huge.c_str(), (int64_t{64} << 20) + 1), 0);
  }
  EXPECT_EQ(ErrorOf([&] { LoadPicture(dir.path() + "/missing.bmp"); }), kErrFileNotFound);
  EXPECT_EQ(ErrorOf([&] { LoadPicture(text + "/inside"); }), kErrFileNotFound);
  EXPECT_EQ(ErrorOf([&] { LoadPicture(""); }), kErrFileNotFound);
  EXPECT_EQ(ErrorOf([&] { LoadPicture(dir.path()); }), kErrPathFileAccess);
  EXPECT_EQ(ErrorOf([&] { LoadPicture(text); }), kErrInvalidPicture);
  EXPECT_EQ(ErrorOf([&] { LoadPicture(empty); }), kErrInvalidPicture);
  EXPECT_EQ(ErrorOf([&] { LoadPicture(huge); }), kErrInvalidPicture);
}

TEST(PictureFiles, SavedBitmapLoadsBackWithTheSamePixels) {
  ScratchDir dir;
  const std::string path = dir.path() + "/round.bmp";
  for (const auto& [width, height] : {std::pair{1, 1}, {3, 2}, {5, 7}, {32, 32}}) {
    const Bitmap original = TestBitmap(width, height);
    SavePicture(*StdPicture::FromBitmap(original), path);
    StdPictureRef loaded = LoadPicture(path);
    EXPECT_EQ(loaded->Type(), PictureType::kBitmap);
    EXPECT_EQ(loaded->bitmap(), original) << width << "x" << height;
    EXPECT_EQ(loaded->Width(), PixelsToHimetric(width));
    EXPECT_EQ(loaded->file_bytes(), ReadFileBytes(path));
    EXPECT_EQ(loaded->file_bytes(), EncodeBmp(original));
  }
}

TEST(PictureFiles, EncodeBmpWritesMonochromeAsBlackAndWhite) {
  Bitmap mono(2, 1, PixelFormat::kMono1);
  mono.SetPixel(1, 0, 1);
  StdPictureRef loaded = LoadPictureFromMemory(EncodeBmp(mono));
  EXPECT_EQ(loaded->bitmap().Pixel(0, 0), Rgb(0, 0, 0));
  EXPECT_EQ(loaded->bitmap().Pixel(1, 0), Rgb(255, 255, 255));
}

TEST(PictureFiles, WritePngLoadsBackWithTheSamePixels) {
  ScratchDir dir;
  const std::string path = dir.path() + "/round.png";
  const Bitmap original = TestBitmap(6, 5);
  WritePng(original, path);
  EXPECT_EQ(LoadPicture(path)->bitmap(), original);
  EXPECT_EQ(ErrorOf([&] { WritePng(Bitmap(), path); }), kErrInvalidPicture);
  EXPECT_EQ(LoadPicture(path)->bitmap(), original);
}

TEST(PictureFiles, IconSavesAsItsOwnFileOrAsBitmapOnMagenta) {
  ScratchDir dir;
  const Bytes ico =
      BuildIco({{.width = 2, .height = 1, .data = IconDib24({{Rgb(1, 2, 3), Rgb(4, 5, 6)}}, {{0, 1}})}});
  StdPictureRef icon = LoadPictureFromMemory(ico);
  const std::string ico_path = dir.path() + "/copy.ico";
  SavePicture(*icon, ico_path);
  EXPECT_EQ(ReadFileBytes(ico_path), ico);
  EXPECT_EQ(LoadPicture(ico_path)->Type(), PictureType::kIcon);

  StdPictureRef bare = StdPicture::FromIcon(icon->icon());
  const std::string bmp_path = dir.path() + "/bare.bmp";
  SavePicture(*bare, bmp_path);
  StdPictureRef loaded = LoadPicture(bmp_path);
  ASSERT_EQ(loaded->Type(), PictureType::kBitmap);
  EXPECT_EQ(loaded->bitmap().Pixel(0, 0), Rgb(1, 2, 3));
  EXPECT_EQ(loaded->bitmap().Pixel(1, 0), Rgb(255, 0, 255));
}

TEST(PictureFiles, SavePictureRefusesOtherTypesAndFailsWithoutLeavingFiles) {
  ScratchDir dir;
  const std::string target = dir.path() + "/target.bmp";
  const StdPictureRef picture = StdPicture::FromBitmap(TestBitmap(2, 2));
  EXPECT_EQ(ErrorOf([&] { SavePicture(*StdPicture::OfType(PictureType::kMetafile, 4, 4), target); }),
            kErrInvalidPicture);
  EXPECT_EQ(ErrorOf([&] { SavePicture(*StdPicture::FromBitmap(Bitmap()), target); }), kErrInvalidPicture);
  EXPECT_EQ(ErrorOf([&] { SavePicture(*picture, dir.path() + "/no/such/dir.bmp"); }), kErrPathNotFound);
  ASSERT_EQ(mkdir(target.c_str(), 0755), 0);  // a directory where the file should go
  EXPECT_EQ(ErrorOf([&] { SavePicture(*picture, target); }), kErrPathFileAccess);
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"target.bmp"});
}

TEST(PictureFiles, SavePictureReplacesAnExistingFile) {
  ScratchDir dir;
  const std::string target = dir.Write("old.bmp", {'o', 'l', 'd'});
  const Bitmap bitmap = TestBitmap(3, 3);
  SavePicture(*StdPicture::FromBitmap(bitmap), target);
  EXPECT_EQ(ReadFileBytes(target), EncodeBmp(bitmap));
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"old.bmp"});
}

TEST(PictureFiles, SavedFileGetsTheUsualPermissions) {
  ScratchDir dir;
  const std::string target = dir.path() + "/new.bmp";
  const mode_t mask = umask(0);
  umask(mask);
  SavePicture(*StdPicture::FromBitmap(TestBitmap(1, 1)), target);
  struct stat info {};
  ASSERT_EQ(stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);
}

}  // namespace
}  // namespace vellumar
