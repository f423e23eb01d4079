// VellumarWidget as the control's host: what Qt's input becomes, what the container hears, and what the
// persistent image shows after focus changes and resizes. Runs on the offscreen platform.
#include <gtest/gtest.h>

#include <QtGui/QCursor>
#include <QtGui/QMouseEvent>
#include <QtTest/QSignalSpy>
#include <QtTest/QTest>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QVBoxLayout>
#include <memory>
#include <vector>

#include "app/qt/vellumar_widget.h"
#include "control/vellumar.h"
#include "platform/form_file/property_bag.h"
#include "widget_test_support.h"

namespace vellumar {
namespace {

using testing::SetCaptions;

// The default layout of a new control of 300 x 200: tab heads 60 wide from x = 2, strip 22 high; tab 1
// selected and so enlarged to (0, 0, 64, 24).
const QPoint kOnTab2(90, 10);
const QPoint kOnTab3(150, 10);
const QPoint kInPage(150, 100);
const QPoint kEmptyStrip(250, 10);

constexpr ColorRef kFocusBand0 = 0x2890E8;  // RegisterFocusColor0 and MouseMoveColor0 by default
constexpr ColorRef kHotBand1 = 0x38D0FF;    // MouseMoveColor1
constexpr ColorRef kFrame = 0xA0A098;       // FrameColor

class WidgetHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    widget_ = std::make_unique<VellumarWidget>();
    SetCaptions(widget_->control(), {"&Allgemein", "Farben", "&Bilder"});
    widget_->show();
    widget_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(widget_.get()));
  }
  void TearDown() override {
    if (QWidget::mouseGrabber() != nullptr) QWidget::mouseGrabber()->releaseMouse();
  }

  // The pointer really goes to a client position (QCursor) and the widget hears of the move there.
  void MovePointer(QPoint client, Qt::MouseButtons buttons = Qt::NoButton) {
    const QPoint global = widget_->mapToGlobal(client);
    QCursor::setPos(global);
    QMouseEvent move(QEvent::MouseMove, client, global, Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget_.get(), &move);
  }

  Vellumar& control() { return widget_->control(); }
  ColorRef Pixel(int x, int y) const { return widget_->image().Pixel(x, y); }

  std::unique_ptr<VellumarWidget> widget_;
};

TEST_F(WidgetHostTest, NewWidgetIsANewControlOfTheHintedSize) {
  VellumarWidget fresh;
  EXPECT_EQ(fresh.size(), QSize(300, 200));
  EXPECT_EQ(fresh.image().width(), 300);
  EXPECT_EQ(fresh.image().height(), 200);
  EXPECT_EQ(fresh.control().NumberOfTabs(), 1);
  EXPECT_EQ(fresh.control().TabCaption(1), "Register");
  EXPECT_EQ(fresh.image().Pixel(0, 199), kFrame);
}

TEST_F(WidgetHostTest, PressRaisesTabPressedAndMouseDownWithTheNotificationsArguments) {
  QSignalSpy pressed(widget_.get(), &VellumarWidget::tabPressed);
  QSignalSpy down(widget_.get(), &VellumarWidget::mouseDown);
  QSignalSpy up(widget_.get(), &VellumarWidget::mouseUp);
  QTest::mousePress(widget_.get(), Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, kOnTab2);
  QTest::mouseRelease(widget_.get(), Qt::RightButton, Qt::AltModifier, kOnTab2);

  EXPECT_EQ(control().SelectedTab(), 2);
  ASSERT_EQ(pressed.size(), 1);
  EXPECT_EQ(pressed[0][0].toInt(), 1);
  ASSERT_EQ(down.size(), 1);
  EXPECT_EQ(down[0][0].toInt(), 2);
  EXPECT_EQ(down[0][1].toInt(), 3);
  EXPECT_FLOAT_EQ(down[0][2].toFloat(), 90.0f);
  EXPECT_FLOAT_EQ(down[0][3].toFloat(), 10.0f);
  ASSERT_EQ(up.size(), 1);
  EXPECT_EQ(up[0][0].toInt(), 2);
  EXPECT_EQ(up[0][1].toInt(), 4);
}

TEST_F(WidgetHostTest, EveryButtonSelects) {
  struct Case {
    Qt::MouseButton button;
    QPoint where;
    int code;
    int32_t selected;
  };
  for (const Case& c : {Case{Qt::LeftButton, kOnTab2, 1, 2}, Case{Qt::MiddleButton, kOnTab3, 4, 3},
                        Case{Qt::RightButton, kInPage, 2, 3}}) {
    QSignalSpy down(widget_.get(), &VellumarWidget::mouseDown);
    QTest::mouseClick(widget_.get(), c.button, Qt::NoModifier, c.where);
    EXPECT_EQ(control().SelectedTab(), c.selected) << c.code;
    ASSERT_EQ(down.size(), 1);
    EXPECT_EQ(down[0][0].toInt(), c.code);
  }
}

TEST_F(WidgetHostTest, HoverTakesTheGrabAndLeavingRaisesMouseOutOnce) {
  QSignalSpy in(widget_.get(), &VellumarWidget::mouseIn);
  QSignalSpy out(widget_.get(), &VellumarWidget::mouseOut);

  MovePointer(kOnTab2, Qt::LeftButton);
  EXPECT_EQ(QWidget::mouseGrabber(), widget_.get());
  EXPECT_EQ(control().state().mHotTab, 2);
  EXPECT_EQ(Pixel(90, 3), kHotBand1);
  ASSERT_EQ(in.size(), 1);
  EXPECT_EQ(in[0][0].toInt(), 1);
  EXPECT_FLOAT_EQ(in[0][2].toFloat(), 90.0f);

  MovePointer(kEmptyStrip);
  EXPECT_EQ(control().state().mHotTab, 2);
  MovePointer(kInPage);
  EXPECT_EQ(control().state().mHotTab, 0);
  EXPECT_EQ(in.size(), 3);

  MovePointer(QPoint(-20, 100));
  EXPECT_EQ(out.size(), 1);
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
  EXPECT_FLOAT_EQ(out[0][2].toFloat(), -20.0f);
}

TEST_F(WidgetHostTest, LeavingWithoutTheGrabStillClearsTheHotTab) {
  MovePointer(kOnTab3);
  ASSERT_EQ(control().state().mHotTab, 3);
  // Someone else ends the grab, so the move that leaves never reaches the control.
  widget_->releaseMouse();
  QCursor::setPos(widget_->mapToGlobal(QPoint(-20, 100)));
  QSignalSpy out(widget_.get(), &VellumarWidget::mouseOut);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(widget_.get(), &leave);
  EXPECT_EQ(out.size(), 1);
  EXPECT_EQ(control().state().mHotTab, 0);
  EXPECT_NE(Pixel(150, 3), kHotBand1);

  QApplication::sendEvent(widget_.get(), &leave);
  EXPECT_EQ(out.size(), 1);
}

TEST_F(WidgetHostTest, DisablingGivesUpTheGrabAndTheHotTab) {
  MovePointer(kOnTab2);
  ASSERT_EQ(QWidget::mouseGrabber(), widget_.get());
  QSignalSpy out(widget_.get(), &VellumarWidget::mouseOut);
  widget_->setEnabled(false);
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
  EXPECT_EQ(out.size(), 1);
  EXPECT_EQ(control().state().mHotTab, 0);
  widget_->setEnabled(true);
}

TEST_F(WidgetHostTest, ArrowKeysStepTheSelectionWithoutWrapping) {
  struct Case {
    Qt::Key key;
    int32_t from;
    int32_t to;
  };
  for (const Case& c : {Case{Qt::Key_Left, 2, 1}, Case{Qt::Key_Up, 2, 1}, Case{Qt::Key_Right, 2, 3},
                        Case{Qt::Key_Down, 2, 3}, Case{Qt::Key_Left, 1, 1}, Case{Qt::Key_Right, 3, 3}}) {
    control().SetSelectedTab(c.from);
    QSignalSpy pressed(widget_.get(), &VellumarWidget::tabPressed);
    QTest::keyClick(widget_.get(), c.key);
    EXPECT_EQ(control().SelectedTab(), c.to) << c.key << " from " << c.from;
    ASSERT_EQ(pressed.size(), 1);
    EXPECT_EQ(pressed[0][0].toInt(), c.from);
  }
  QSignalSpy pressed(widget_.get(), &VellumarWidget::tabPressed);
  QTest::keyClick(widget_.get(), Qt::Key_Home);
  QTest::keyClick(widget_.get(), Qt::Key_B);
  EXPECT_EQ(pressed.size(), 0);
}

TEST_F(WidgetHostTest, AltAndAnAccessKeySelectsItsTab) {
  EXPECT_EQ(widget_->accessKeys(), "ab");
  struct Case {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int32_t selected;
  };
  for (const Case& c : {Case{Qt::Key_B, Qt::AltModifier, 3}, Case{Qt::Key_A, Qt::AltModifier, 1},
                        Case{Qt::Key_B, Qt::AltModifier | Qt::ShiftModifier, 3}}) {
    QTest::keyClick(widget_.get(), c.key, c.modifiers);
    EXPECT_EQ(control().SelectedTab(), c.selected) << c.key;
  }
  // Without Alt, or for a key no tab carries, nothing is selected.
  QSignalSpy pressed(widget_.get(), &VellumarWidget::tabPressed);
  QTest::keyClick(widget_.get(), Qt::Key_A);
  QTest::keyClick(widget_.get(), Qt::Key_F, Qt::AltModifier);
  EXPECT_EQ(pressed.size(), 0);
  EXPECT_EQ(control().SelectedTab(), 3);
}

// A window with a line edit above a strip, for keys typed elsewhere in the strip's window.
struct EditBesideStrip {
  EditBesideStrip() {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(edit);
    layout->addWidget(widget);
  }
  bool Shown() {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
  }
  QWidget window;
  QLineEdit* edit = new QLineEdit(&window);
  VellumarWidget* widget = new VellumarWidget(&window);
};

// Tabs added one by one grab only the key each appends; every other change grabs them all again. A seeded
// run of additions, caption changes and deletions must leave Alt + each letter, typed in another widget of
// the window, selecting the tab the control itself names for it.
TEST_F(WidgetHostTest, AltKeysFollowEveryChangeOfTheCaptions) {
  EditBesideStrip window;
  ASSERT_TRUE(window.Shown());
  QLineEdit* edit = window.edit;
  VellumarWidget* widget = window.widget;

  const std::vector<std::string> captions = {"&Alpha", "&Beta", "B&ild", "Ohne", "&&Und", "&Ü&ber", "&c"};
  const std::vector<std::pair<Qt::Key, int16_t>> keys = {
      {Qt::Key_A, 'a'}, {Qt::Key_B, 'b'}, {Qt::Key_I, 'i'}, {Qt::Key_C, 'c'}, {Qt::Key_Udiaeresis, 0xFC}};
  uint32_t seed = 7;
  const auto next = [&seed](uint32_t bound) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 8) % bound;
  };
  Vellumar& c = widget->control();
  for (int step = 0; step < 40; ++step) {
    const uint32_t action = next(4);
    std::string caption = captions[next(static_cast<uint32_t>(captions.size()))];
    if (action <= 1) {
      int32_t width = 40;
      StdPictureRef none;
      c.AddTab(width, caption, none);
    } else if (action == 2) {
      c.SetTabCaption(static_cast<int32_t>(next(static_cast<uint32_t>(c.NumberOfTabs())) + 1), caption);
    } else if (c.NumberOfTabs() > 1) {
      c.DeleteTab();
    }
    for (auto [key, code] : keys) {
      int16_t asked = code;
      const int32_t named = c.GetTabAccessKey(asked);
      const int32_t before = c.SelectedTab();
      edit->setFocus();
      QTest::keyClick(edit, key, Qt::AltModifier);
      // A deleted tab keeps its key until the captions change; selecting it is refused.
      const bool selectable = named != 0 && named <= c.NumberOfTabs();
      EXPECT_EQ(c.SelectedTab(), selectable ? named : before) << "step " << step << ", key " << code;
    }
  }
}

TEST_F(WidgetHostTest, AccessKeyReachesTheControlFromElsewhereInItsWindow) {
  EditBesideStrip window;
  QLineEdit* edit = window.edit;
  VellumarWidget* widget = window.widget;
  SetCaptions(widget->control(), {"Eins", "&Übersicht"});
  ASSERT_TRUE(window.Shown());
  edit->setFocus();
  ASSERT_TRUE(edit->hasFocus());

  QTest::keyClick(edit, Qt::Key_Udiaeresis, Qt::AltModifier);
  EXPECT_EQ(widget->control().SelectedTab(), 2);
  EXPECT_TRUE(widget->hasFocus());
  EXPECT_TRUE(edit->text().isEmpty());
}

TEST_F(WidgetHostTest, FocusChangesRepaintOnceWithAndWithoutTheFocusBand) {
  widget_->clearFocus();
  ASSERT_FALSE(control().state().mHasFocus);
  EXPECT_EQ(Pixel(10, 0), kFrame);

  const int64_t before = widget_->refreshCount();
  widget_->setFocus();
  EXPECT_TRUE(control().state().mHasFocus);
  EXPECT_EQ(widget_->refreshCount(), before + 1);
  EXPECT_EQ(Pixel(10, 0), kFocusBand0);

  widget_->clearFocus();
  EXPECT_FALSE(control().state().mHasFocus);
  EXPECT_EQ(widget_->refreshCount(), before + 2);
  EXPECT_EQ(Pixel(10, 0), kFrame);
}

TEST_F(WidgetHostTest, ResizeRepaintsAtTheNewSize) {
  const int64_t before = widget_->refreshCount();
  widget_->resize(420, 150);
  QApplication::processEvents();
  EXPECT_GT(widget_->refreshCount(), before);
  ASSERT_EQ(widget_->image().width(), 420);
  ASSERT_EQ(widget_->image().height(), 150);
  EXPECT_EQ(control().state().mPageRect, (Rect{0, 22, 420, 150}));
  EXPECT_EQ(Pixel(419, 149), kFrame);
  EXPECT_EQ(Pixel(200, 149), kFrame);

  widget_->resize(0, 0);
  QApplication::processEvents();
  EXPECT_TRUE(widget_->image().empty());
}

TEST_F(WidgetHostTest, ShownImageIsThePersistentImage) {
  const QImage shown = widget_->grab().toImage();
  for (const QPoint p : {QPoint(0, 0), QPoint(10, 0), kOnTab2, kInPage, QPoint(299, 199)}) {
    const ColorRef pixel = Pixel(p.x(), p.y());
    EXPECT_EQ(shown.pixelColor(p), QColor(RedOf(pixel), GreenOf(pixel), BlueOf(pixel)))
        << p.x() << "," << p.y();
  }
}

// A C++ container: sees each event before the signals and may change its arguments.
class RecordingSink final : public VellumarEvents {
 public:
  std::vector<std::string> seen;
  void TabPressed(int16_t& PreviousTab) override {
    seen.push_back("TabPressed " + std::to_string(PreviousTab));
    PreviousTab = 42;
  }
  void MouseIn(int16_t&, int16_t&, float&, float&) override { seen.emplace_back("MouseIn"); }
  void MouseOut(int16_t&, int16_t&, float&, float&) override { seen.emplace_back("MouseOut"); }
  void MouseDown(int16_t& Button, int16_t&, float&, float&) override {
    seen.push_back("MouseDown " + std::to_string(Button));
  }
  void MouseUp(int16_t&, int16_t&, float&, float&) override { seen.emplace_back("MouseUp"); }
};

TEST_F(WidgetHostTest, EventSinkHearsEventsBeforeTheSignals) {
  RecordingSink sink;
  widget_->setEventSink(&sink);
  QSignalSpy pressed(widget_.get(), &VellumarWidget::tabPressed);
  QTest::mouseClick(widget_.get(), Qt::LeftButton, Qt::NoModifier, kOnTab3);
  EXPECT_EQ(sink.seen, (std::vector<std::string>{"TabPressed 1", "MouseDown 1", "MouseUp"}));
  ASSERT_EQ(pressed.size(), 1);
  EXPECT_EQ(pressed[0][0].toInt(), 42);
  EXPECT_EQ(control().SelectedTab(), 3);
  widget_->setEventSink(nullptr);
}

TEST_F(WidgetHostTest, WidgetFromABagIsTheSavedControl) {
  control().SetTabHeight(30);
  control().SetAlignment(reg_Bottom);
  PropertyBag bag;
  control().WriteProperties(bag);

  VellumarWidget loaded(bag);
  EXPECT_EQ(loaded.control().NumberOfTabs(), 3);
  EXPECT_EQ(loaded.control().TabCaption(3), "&Bilder");
  EXPECT_EQ(loaded.control().TabHeight(), 30);
  EXPECT_EQ(loaded.control().Alignment(), reg_Bottom);
  EXPECT_EQ(loaded.accessKeys(), "ab");
}

TEST_F(WidgetHostTest, PropertyChangesAreSignalled) {
  QSignalSpy changed(widget_.get(), &VellumarWidget::propertyChanged);
  control().SetTabHeight(26);
  ASSERT_EQ(changed.size(), 1);
  EXPECT_EQ(changed[0][0].toString(), QStringLiteral("TabHeight"));
}

}  // namespace
}  // namespace vellumar
