#include "pages/url_opener.h"

#include <QApplication>
#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace vellumar {
namespace {

// Restores the cursor however the start ends.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

void QtUrlOpener::Open(const std::string& url) {
  const WaitCursor wait;
  QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

}  // namespace vellumar
