// vellumar-designer: the form designer. Shows a form file, or the demo form, with its controls; edits it in
// design mode and lets the user try it in run mode. Needs a display; without one it says so and ends, and
// the command-line host `vellumar` does the headless work.
#include <QtWidgets/QApplication>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "app/designer/designer_demo_form.h"
#include "app/designer/designer_services.h"
#include "app/designer/designer_window.h"
#include "app/designer/screenshot_probe.h"
#include "pages/about_box.h"
#include "pages/page_services.h"
#include "pages/property_sheet.h"
#include "platform/errors/host_error.h"
#include "platform/files/signal_cleanup.h"
#include "platform/form_file/form_file.h"
#include "platform/form_file/form_file_lock.h"

namespace {

constexpr int kExitUsage = 2;
constexpr int kExitNoDisplay = 3;
constexpr int kExitFailure = 1;

constexpr std::string_view kUsage =
    "usage: vellumar-designer [FORM.vform]\n"
    "       vellumar-designer --save-demo FILE.vform\n"
    "\n"
    "  FORM.vform          open this form; without one the designer shows the demo form\n"
    "  --save-demo FILE    write the demo form to FILE and end (needs no display)\n";

bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

// Where the demo form file may be: beside the program, in the source tree above a build directory, and in
// the current directory's examples.
std::vector<std::string> DemoFormCandidates() {
  std::vector<std::string> candidates;
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) {
    const std::filesystem::path dir = program.parent_path();
    candidates.push_back((dir / "examples" / "demo.vform").string());
    candidates.push_back((dir.parent_path() / "examples" / "demo.vform").string());
  }
#ifdef VELLUMAR_SOURCE_DIR
  candidates.push_back(std::string(VELLUMAR_SOURCE_DIR) + "/examples/demo.vform");
#endif
  candidates.emplace_back("examples/demo.vform");
  return candidates;
}

vellumar::Form DemoForm() {
  std::vector<std::string> problems;
  vellumar::Form form = vellumar::LoadDemoForm(DemoFormCandidates(), problems);
  for (const std::string& problem : problems) {
    std::cerr << "vellumar-designer: demo form skipped: " << problem << "\n";
  }
  return form;
}

int SaveDemo(const std::string& path) {
  try {
    const vellumar::Form form = DemoForm();
    const vellumar::FormFileLock lock(path);
    vellumar::SaveForm(form, path);
  } catch (const vellumar::HostError& error) {
    std::cerr << "vellumar-designer: " << error.what() << "\n";
    return kExitFailure;
  }
  return 0;
}

int RunDesigner(int argc, char** argv, const std::string& form_path) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vellumar-Designer"));
  vellumar::QtMessageBox messages;
  vellumar::QtFormFileDialogs files;
  vellumar::QtPageServices pages;
  vellumar::DesignerServices services{messages, files,
                                      [&pages](std::vector<vellumar::Vellumar*> controls, QWidget* parent) {
                                        vellumar::ShowPropertySheet(std::move(controls), pages.services(),
                                                                    parent);
                                      },
                                      [](QWidget* parent) { vellumar::ShowAboutBox(parent); }};
  vellumar::DesignerWindow window(services);
  if (form_path.empty()) {
    window.ShowUntitledForm(DemoForm(), QStringLiteral("Demo"));
  } else if (!window.OpenFile(form_path)) {
    return kExitFailure;
  }
  vellumar::ScreenshotProbe::InstallFromEnvironment(window);
  window.show();
  window.FitToForm();
  return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  vellumar::InstallFileSignalHandling();
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::cout << kUsage;
    return 0;
  }
  if (args.size() == 2 && args[0] == "--save-demo") return SaveDemo(args[1]);
  if (args.size() > 1 || (args.size() == 1 && args[0].starts_with("-"))) {
    std::cerr << kUsage;
    return kExitUsage;
  }
  if (!HasDisplay()) {
    std::cerr << "vellumar-designer: no display (neither DISPLAY nor WAYLAND_DISPLAY is set, nor "
                 "QT_QPA_PLATFORM).\n"
                 "Run it on a desktop, or use the command-line host: vellumar run SCRIPT\n";
    return kExitNoDisplay;
  }
  return RunDesigner(argc, argv, args.empty() ? std::string() : args[0]);
}
