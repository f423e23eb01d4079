// Pictures of the pages, the sheet and the about box for looking at, written only when
// VELLUMAR_SCREENSHOT_DIR names a directory (for example: VELLUMAR_SCREENSHOT_DIR=out).
#include <gtest/gtest.h>

#include <QDir>
#include <QPixmap>
#include <QScrollBar>
#include <QString>
#include <cstdlib>

#include "page_test_host.h"
#include "pages/about_box.h"
#include "pages/property_page.h"
#include "pages/property_sheet.h"
#include "pages_test_files.h"

namespace vellumar::testing {
namespace {

QString ScreenshotDir() {
  const char* dir = std::getenv("VELLUMAR_SCREENSHOT_DIR");
  return dir != nullptr ? QString::fromLocal8Bit(dir) : QString();
}

void Save(QWidget& widget, const QString& dir, const char* name) {
  widget.show();
  QApplication::processEvents();
  EXPECT_TRUE(widget.grab().save(QDir(dir).filePath(QString::fromLatin1(name)), "PNG"));
}

TEST(PagesScreenshotTest, EveryPageTheSheetAndTheAboutBox) {
  const QString dir = ScreenshotDir();
  if (dir.isEmpty()) GTEST_SKIP() << "VELLUMAR_SCREENSHOT_DIR not set";
  QDir().mkpath(dir);
  FakeServices fakes;
  PageTestControl control;
  Vellumar& c = control.control;
  c.SetTabCaption(1, "&Allgemein");
  int32_t width = 70;
  std::string caption = "&Bilder";
  StdPictureRef picture = LoadPictureFromMemory(IconFileBytes());
  c.AddTab(width, caption, picture);
  PropertySheet sheet({&c}, fakes.services());
  const char* names[] = {"pages-tabsc.png", "pages-allgemein.png", "pages-register.png", "pages-font.png",
                         "pages-colors.png"};
  for (int i = 0; i < 5; ++i) {
    sheet.ShowPage(i);
    if (i == 2) sheet.Pages()[2]->findChild<QScrollBar*>("hsb")->setValue(2);
    Save(sheet, dir, names[i]);
  }
  RecordingUrlOpener urls;
  AboutBox about(urls);
  Save(about, dir, "pages-about.png");
  about.accept();
}

}  // namespace
}  // namespace vellumar::testing
