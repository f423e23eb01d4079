#include "pages/page_services.h"

#include "pages/about_box.h"

namespace vellumar {

PageServices QtPageServices::services() {
  UrlOpener& urls = urls_;
  return PageServices{messages_, files_, colors_, urls_,
                      [&urls](QWidget* parent) { ShowAboutBoxOrThrow(parent, urls); }};
}

}  // namespace vellumar
