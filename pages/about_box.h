// frmAbout ("Info zu Vellumar"): the installed version, the feature list and the maker's addresses.
// Every showing runs the loading anew: the version line and the feature list are built from empty.
#pragma once

#include <QDialog>
#include <string>

#include "pages/url_opener.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vellumar {

// "Version: " major "." minor with at least two digits, then ".0" and the revision below 10, else "."
// and the revision: 1, 5, 9 gives "Version: 1.05.09".
std::string VersionLine(int major, int minor, int revision);
// The feature list as the box shows it, every line ended by CR LF.
std::string FeatureListText();

// The maker's addresses behind the link labels.
inline constexpr const char* kMakerMail = "mailto:vellumar@example.org";
inline constexpr const char* kMakerHomepage = "https://vellumar.example.org";
inline constexpr const char* kMakerNews = "news://news.example.org/vellumar";

class AboutBox final : public QDialog {
  Q_OBJECT

 public:
  explicit AboutBox(UrlOpener& urls, QWidget* parent = nullptr);

  // The loading of the form: the version line and the feature list, from empty. Runs on every showing.
  void Load();
  // The text of txtHistorie as the form built it, with its CR LF line ends.
  const std::string& HistoryText() const { return history_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void BuildHeader();
  void BuildFooter();
  void AddLink(const char* name, const QString& shown, const char* url, int top);
  void OpenLink(const char* url);
  // Opens centred on the screen the box is on, not over its parent.
  void CentreOnScreen();

  UrlOpener& urls_;
  QLabel* lblVersion_ = nullptr;
  QPlainTextEdit* txtHistorie_ = nullptr;
  QPushButton* cmdOK_ = nullptr;
  std::string history_;
};

// Shows the about box modally for parent, centred on the screen; errors reach the caller.
void ShowAboutBoxOrThrow(QWidget* parent, UrlOpener& urls);
// The control's about box for the Qt host: shown modally for parent, centred on the screen, any error
// ignored.
void ShowAboutBox(QWidget* parent = nullptr);

}  // namespace vellumar
