// Opening an address (web page, mail, news) in the desktop's program for it, behind an interface so that
// tests see what would be opened.
#pragma once

#include <string>

namespace vellumar {

class UrlOpener {
 public:
  virtual ~UrlOpener() = default;
  // Starts the program for url; failures are ignored, as nothing on the about box could act on them.
  virtual void Open(const std::string& url) = 0;
};

// QDesktopServices::openUrl, with the wait cursor while the program starts.
class QtUrlOpener final : public UrlOpener {
 public:
  void Open(const std::string& url) override;
};

}  // namespace vellumar
