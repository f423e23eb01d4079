// The form designer's window: saving and opening forms, asking before changes are lost, and the design
// mode's selection, editing and property sheet. Dialogs are answered by scripted services.
#include "app/designer/designer_window.h"

#include <gtest/gtest.h>

#include <QtCore/QTemporaryDir>
#include <QtTest/QTest>
#include <QtWidgets/QMenuBar>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/designer/designer_canvas.h"
#include "app/designer/designer_demo_form.h"
#include "app/designer/designer_overlay.h"
#include "app/designer/designer_services.h"
#include "app/qt/vellumar_widget.h"
#include "control/vellumar.h"
#include "pages/message_box.h"
#include "platform/form_file/form_file.h"
#include "qt_test_app.h"
#include "test_doubles.h"

namespace vellumar {
namespace {

constexpr const char* kOpenFailed = "Die Datei konnte nicht geöffnet werden: ";
constexpr const char* kSaveFailed = "Die Datei konnte nicht gespeichert werden: ";

int32_t SavedSelectedTab(const FormControl& control) {
  return ToInt32(control.bag.ReadProperty("SelectedTab"));
}

class DesignerWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    window_ = std::make_unique<DesignerWindow>(DesignerServices{
        messages_, files_,
        [this](std::vector<Vellumar*> controls, QWidget*) { sheets_.push_back(std::move(controls)); },
        [this](QWidget*) { ++abouts_; }});
    window_->ShowUntitledForm(BuildDemoForm(), QStringLiteral("Demo"));
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }

  std::string TempPath(const char* name) const {
    return dir_.filePath(QString::fromUtf8(name)).toStdString();
  }
  FormCanvas& canvas() { return window_->canvas(); }
  VellumarWidget* Control(const char* name) { return canvas().Find(QString::fromUtf8(name)); }
  QWidget* Overlay() { return canvas().findChild<DesignOverlay*>(); }

  // A run-mode click on tab 2 of the first control: a change the form saves.
  void SelectSecondTabOfFirstControl() {
    window_->SetDesignMode(false);
    QTest::mouseClick(Control("Vellumar1"), Qt::LeftButton, Qt::NoModifier, QPoint(140, 10));
    ASSERT_EQ(Control("Vellumar1")->control().SelectedTab(), 2);
  }

  QTemporaryDir dir_;
  RecordingMessageBox messages_;
  ScriptedFormFileDialogs files_;
  std::vector<std::vector<Vellumar*>> sheets_;
  int abouts_ = 0;
  std::unique_ptr<DesignerWindow> window_;
};

TEST_F(DesignerWindowTest, DemoFormShowsItsControlsAsSavedAndUnchanged) {
  ASSERT_EQ(canvas().controls().size(), 2u);
  EXPECT_EQ(Control("Vellumar1")->geometry(), QRect(16, 16, 456, 232));
  EXPECT_EQ(Control("Vellumar2")->control().Alignment(), reg_Bottom);
  EXPECT_FALSE(window_->isModified());
  EXPECT_TRUE(window_->windowTitle().startsWith(QStringLiteral("Demo")));
  EXPECT_TRUE(window_->path().empty());
}

TEST_F(DesignerWindowTest, SaveAsWritesEveryControlWithItsPlaceAndState) {
  SelectSecondTabOfFirstControl();
  EXPECT_TRUE(window_->isModified());
  const std::string path = TempPath("saved.vform");
  files_.save_answers = {path};

  ASSERT_TRUE(window_->Save());
  EXPECT_EQ(files_.save_asked, 1);
  EXPECT_EQ(window_->path(), path);
  EXPECT_FALSE(window_->isModified());
  EXPECT_TRUE(messages_.calls.empty());

  const Form saved = LoadForm(path);
  ASSERT_EQ(saved.controls.size(), 2u);
  EXPECT_EQ(saved.controls[0].name, "Vellumar1");
  EXPECT_EQ(saved.controls[0].class_name, "Vellumar");
  EXPECT_EQ(saved.controls[1].top, 264);
  EXPECT_EQ(saved.controls[1].height, 184);
  EXPECT_EQ(SavedSelectedTab(saved.controls[0]), 2);
  EXPECT_EQ(SavedSelectedTab(saved.controls[1]), 2);

  // The form now belongs to that file: the next save goes there without asking.
  QTest::mouseClick(Control("Vellumar1"), Qt::LeftButton, Qt::NoModifier, QPoint(210, 10));
  ASSERT_TRUE(window_->Save());
  EXPECT_EQ(files_.save_asked, 1);
  EXPECT_EQ(SavedSelectedTab(LoadForm(path).controls[0]), 3);
}

TEST_F(DesignerWindowTest, OpenedFormIsTheSavedForm) {
  SelectSecondTabOfFirstControl();
  canvas().SetControlGeometry(Control("Vellumar2"), QRect(40, 300, 320, 150));
  const std::string path = TempPath("roundtrip.vform");
  files_.save_answers = {path};
  ASSERT_TRUE(window_->SaveAs());

  DesignerWindow other(DesignerServices{messages_, files_, {}, {}});
  ASSERT_TRUE(other.OpenFile(path));
  other.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
  VellumarWidget* first = other.canvas().Find(QStringLiteral("vellumar1"));
  VellumarWidget* second = other.canvas().Find(QStringLiteral("Vellumar2"));
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(first->control().SelectedTab(), 2);
  EXPECT_EQ(first->control().TabCaption(1), "&Kunden");
  EXPECT_NE(first->control().TabPicture(1), nullptr);
  EXPECT_EQ(second->geometry(), QRect(40, 300, 320, 150));
  EXPECT_EQ(second->image().width(), 320);
  EXPECT_FALSE(other.isModified());
  EXPECT_TRUE(other.windowTitle().startsWith(QStringLiteral("roundtrip.vform")));
}

TEST_F(DesignerWindowTest, UnreadableFileLeavesTheFormAndSaysWhy) {
  const std::string damaged = TempPath("damaged.vform");
  std::ofstream(damaged) << "{ not a form";
  for (const std::string& path : {damaged, TempPath("missing.vform")}) {
    messages_.calls.clear();
    EXPECT_FALSE(window_->OpenFile(path));
    ASSERT_EQ(messages_.calls.size(), 1u) << path;
    EXPECT_EQ(messages_.calls[0].text.rfind(kOpenFailed, 0), 0u) << messages_.calls[0].text;
    EXPECT_NE(messages_.calls[0].text.find(path), std::string::npos);
    EXPECT_EQ(messages_.calls[0].icon, MsgBoxIcon::kStop);
  }
  EXPECT_EQ(canvas().controls().size(), 2u);
  EXPECT_TRUE(window_->path().empty());
}

// Opening is all or nothing: a form whose second control claims more tabs than a control may hold is
// refused, naming the file, the control and the reason, and the form in the window stays as it was. What an
// opened form holds that its controls cannot use is saved back unchanged.
TEST_F(DesignerWindowTest, OpeningIsAllOrNothingAndKeepsWhatAControlCannotUse) {
  const std::string path = TempPath("limits.vform");
  const std::string kept[] = {R"({"key":"Kommentar","type":"string","value":"von Hand"})",
                              R"({"key":"TabWidth1","note":1,"type":"int","value":"x"})"};
  const auto write = [&](const std::string& count) {
    std::ofstream(path)
        << R"({"format":"vellumar-form","version":1,"controls":[)"
        << R"({"class":"Vellumar","name":"Eins","left":0,"top":0,"width":100,"height":50,"bag":[)" << kept[0]
        << "," << kept[1] << "]},"
        << R"({"class":"Vellumar","name":"Zwei","left":0,"top":60,"width":100,"height":50,)"
        << R"("bag":[{"key":"NumberOfTabs","type":"int","value":)" << count << "}]}]}";
  };
  write("100001");
  EXPECT_FALSE(window_->OpenFile(path));
  ASSERT_EQ(messages_.calls.size(), 1u);
  EXPECT_EQ(messages_.calls[0].text,
            kOpenFailed + ("Out of memory: " + path) +
                ": control \"Zwei\": key \"NumberOfTabs\": 100001 tabs, at most 100000");
  EXPECT_EQ(canvas().controls().size(), 2u);
  EXPECT_NE(Control("Vellumar1"), nullptr);
  EXPECT_TRUE(window_->path().empty());

  write("1");
  ASSERT_TRUE(window_->OpenFile(path));
  ASSERT_TRUE(window_->Save());
  std::ifstream file(path);
  const std::string saved((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  for (const std::string& entry : kept) EXPECT_NE(saved.find(entry), std::string::npos) << entry;
}

TEST_F(DesignerWindowTest, FailedSaveKeepsTheChangesAndSaysWhy) {
  SelectSecondTabOfFirstControl();
  files_.save_answers = {TempPath("no/such/dir/form.vform")};
  EXPECT_FALSE(window_->Save());
  ASSERT_EQ(messages_.calls.size(), 1u);
  EXPECT_EQ(messages_.calls[0].text.rfind(kSaveFailed, 0), 0u) << messages_.calls[0].text;
  EXPECT_TRUE(window_->isModified());
  EXPECT_TRUE(window_->path().empty());
}

TEST_F(DesignerWindowTest, ClosingAChangedFormAsksToSave) {
  struct Case {
    MsgBoxResult answer;
    bool save_path_given;
    bool closes;
    bool saved;
  };
  const Case cases[] = {
      {MsgBoxResult::kCancel, false, false, false},
      {MsgBoxResult::kNo, false, true, false},
      {MsgBoxResult::kYes, true, true, true},
      {MsgBoxResult::kYes, false, false, false},  // the save dialog was cancelled
  };
  int round = 0;
  for (const Case& c : cases) {
    SetUp();
    const std::string path = TempPath(("close" + std::to_string(round++) + ".vform").c_str());
    SelectSecondTabOfFirstControl();
    messages_.answer = c.answer;
    messages_.calls.clear();
    if (c.save_path_given) files_.save_answers = {path};

    EXPECT_EQ(window_->close(), c.closes) << round;
    ASSERT_EQ(messages_.calls.size(), 1u);
    EXPECT_EQ(messages_.calls[0].buttons, MsgBoxButtons::kYesNoCancel);
    EXPECT_NE(messages_.calls[0].text.find("Änderungen speichern?"), std::string::npos);
    EXPECT_EQ(std::ifstream(path).good(), c.saved) << round;
  }
}

TEST_F(DesignerWindowTest, UnchangedFormClosesWithoutAsking) {
  EXPECT_TRUE(window_->close());
  EXPECT_TRUE(messages_.calls.empty());
}

TEST_F(DesignerWindowTest, NewFormIsEmptyAndUntitled) {
  window_->NewForm();
  EXPECT_TRUE(canvas().controls().empty());
  EXPECT_TRUE(window_->windowTitle().startsWith(QStringLiteral("Unbenannt")));
  EXPECT_TRUE(messages_.calls.empty());
}

TEST_F(DesignerWindowTest, DesignModeClickSelectsWithoutReachingTheControl) {
  ASSERT_TRUE(canvas().designMode());
  QTest::mouseClick(Overlay(), Qt::LeftButton, Qt::NoModifier, QPoint(16 + 140, 16 + 10));
  EXPECT_EQ(canvas().selected(), Control("Vellumar1"));
  EXPECT_EQ(Control("Vellumar1")->control().SelectedTab(), 1);
  QTest::mouseClick(Overlay(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 300));
  EXPECT_EQ(canvas().selected(), Control("Vellumar2"));
  QTest::mouseClick(Overlay(), Qt::LeftButton, Qt::NoModifier, QPoint(480, 5));
  EXPECT_EQ(canvas().selected(), nullptr);
  EXPECT_FALSE(window_->isModified());
}

TEST_F(DesignerWindowTest, PropertiesOpenForTheSelectedControlInDesignModeOnly) {
  window_->ShowProperties();
  EXPECT_TRUE(sheets_.empty());
  canvas().Select(Control("Vellumar2"));
  QTest::keyClick(window_.get(), Qt::Key_F4);
  ASSERT_EQ(sheets_.size(), 1u);
  ASSERT_EQ(sheets_[0].size(), 1u);
  EXPECT_EQ(sheets_[0][0], &Control("Vellumar2")->control());

  QTest::mouseDClick(Overlay(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 40));
  ASSERT_EQ(sheets_.size(), 2u);
  EXPECT_EQ(sheets_[1][0], &Control("Vellumar1")->control());

  window_->SetDesignMode(false);
  window_->ShowProperties();
  EXPECT_EQ(sheets_.size(), 2u);
}

TEST_F(DesignerWindowTest, AddAndDeleteControls) {
  window_->AddControl();
  VellumarWidget* added = Control("Vellumar3");
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(canvas().selected(), added);
  EXPECT_EQ(added->control().TabCaption(1), "Register");
  EXPECT_EQ(added->geometry(), QRect(16, 464, 300, 200));
  EXPECT_FALSE(added->isEnabled());
  EXPECT_TRUE(window_->isModified());

  canvas().Select(Control("Vellumar1"));
  window_->DeleteSelectedControl();
  EXPECT_EQ(Control("Vellumar1"), nullptr);
  EXPECT_EQ(canvas().selected(), nullptr);
  ASSERT_EQ(canvas().controls().size(), 2u);
  window_->AddControl();
  EXPECT_NE(Control("Vellumar1"), nullptr);

  window_->SetDesignMode(false);
  window_->AddControl();
  EXPECT_EQ(canvas().controls().size(), 3u);
  EXPECT_TRUE(Control("Vellumar1")->isEnabled());
}

TEST_F(DesignerWindowTest, DraggingMovesTheSelectedControlOnTheGrid) {
  QWidget* overlay = Overlay();
  QTest::mousePress(overlay, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
  QTest::mouseMove(overlay, QPoint(113, 121));
  QTest::mouseRelease(overlay, Qt::LeftButton, Qt::NoModifier, QPoint(113, 121));
  EXPECT_EQ(Control("Vellumar1")->geometry(), QRect(32, 40, 456, 232));
  EXPECT_TRUE(window_->isModified());
}

TEST_F(DesignerWindowTest, InRunModeAltAndALetterReachTheFormBeforeTheMenus) {
  Control("Vellumar1")->control().SetTabCaption(2, "&Dokumente");
  window_->SetDesignMode(false);
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  QTest::keyClick(window_.get(), Qt::Key_D, Qt::AltModifier);
  EXPECT_EQ(Control("Vellumar1")->control().SelectedTab(), 2);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  const QList<QAction*> menus = window_->menuBar()->actions();
  ASSERT_FALSE(menus.isEmpty());
  EXPECT_EQ(menus.front()->text(), QStringLiteral("Datei"));
  window_->SetDesignMode(true);
  EXPECT_EQ(menus.front()->text(), QStringLiteral("&Datei"));
}

TEST_F(DesignerWindowTest, AboutBoxFromTheHelpMenu) {
  for (QAction* action : window_->findChildren<QAction*>()) {
    if (action->text() == QStringLiteral("&Info zu Vellumar")) action->trigger();
  }
  EXPECT_EQ(abouts_, 1);
}

}  // namespace
}  // namespace vellumar
