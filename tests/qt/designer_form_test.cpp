// The designer's geometry rules (dragging, handles, clamping saved places) and the placing of forms.
#include "app/designer/designer_form.h"

#include <gtest/gtest.h>

#include <climits>

#include "app/designer/designer_canvas.h"
#include "app/designer/designer_demo_form.h"
#include "app/designer/designer_overlay.h"
#include "app/qt/vellumar_widget.h"
#include "control/vellumar.h"
#include "qt_test_app.h"

namespace vellumar {
namespace {

TEST(DesignerGeometry, DraggingSnapsToTheGridAndKeepsAMinimumSize) {
  const QRect start(16, 16, 300, 200);
  struct Case {
    FrameHandle handle;
    QPoint delta;
    QRect expected;
  };
  const Case cases[] = {
      {FrameHandle::kNone, QPoint(13, 21), QRect(32, 40, 300, 200)},
      {FrameHandle::kNone, QPoint(-100, -100), QRect(0, 0, 300, 200)},
      {FrameHandle::kBottomRight, QPoint(5, -3), QRect(16, 16, 304, 200)},
      {FrameHandle::kRight, QPoint(-1000, 0), QRect(16, 16, 8, 200)},
      {FrameHandle::kTopLeft, QPoint(-9, 3), QRect(8, 16, 308, 200)},
      {FrameHandle::kTop, QPoint(0, 500), QRect(16, 208, 300, 8)},
      {FrameHandle::kLeft, QPoint(-40, 0), QRect(0, 16, 316, 200)},
      {FrameHandle::kBottom, QPoint(0, 13), QRect(16, 16, 300, 216)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DraggedGeometry(start, c.handle, c.delta, FormCanvas::kGrid), c.expected)
        << static_cast<int>(c.handle) << " by " << c.delta.x() << "," << c.delta.y();
  }
}

TEST(DesignerGeometry, HandlesSurroundTheControlWithoutCoveringIt) {
  const QRect control(40, 40, 100, 60);
  const auto handles = HandleRects(control);
  for (size_t i = 0; i < handles.size(); ++i) {
    EXPECT_FALSE(handles[i].intersects(control)) << i;
    EXPECT_EQ(HandleAt(control, handles[i].center()), static_cast<FrameHandle>(i + 1)) << i;
  }
  EXPECT_EQ(HandleAt(control, control.center()), FrameHandle::kNone);
  EXPECT_EQ(HandleAt(control, QPoint(0, 0)), FrameHandle::kNone);
}

TEST(DesignerForm, SavedGeometryIsClampedIntoTheForm) {
  FormControl control;
  control.left = -5;
  control.top = INT32_MAX;
  control.width = INT32_MAX;
  control.height = INT32_MIN;
  EXPECT_EQ(ClampedGeometry(control), QRect(0, kMaxControlPosition, kMaxControlSide, 0));
  control = FormControl{};
  control.left = 8;
  control.top = 16;
  control.width = 300;
  control.height = 200;
  EXPECT_EQ(ClampedGeometry(control), QRect(8, 16, 300, 200));
}

TEST(DesignerForm, PlacingSkipsWhatItCannotShowAndSaysSo) {
  Form form = BuildDemoForm();
  FormControl stranger = form.controls[0];
  stranger.class_name = "CommandButton";
  stranger.name = "Befehl1";
  FormControl twin = form.controls[0];
  twin.name = "VELLUMAR1";
  FormControl far = form.controls[1];
  far.name = "Weit";
  far.left = -40;
  far.width = 1 << 30;
  form.controls.push_back(stranger);
  form.controls.push_back(twin);
  form.controls.push_back(far);

  FormCanvas canvas;
  const QStringList notes = PlaceForm(canvas, form);
  ASSERT_EQ(notes.size(), 3);
  EXPECT_TRUE(notes[0].contains(QStringLiteral("„Befehl1“")));
  EXPECT_TRUE(notes[1].contains(QStringLiteral("„VELLUMAR1“")));
  EXPECT_TRUE(notes[2].contains(QStringLiteral("„Weit“")));
  ASSERT_EQ(canvas.controls().size(), 3u);
  EXPECT_EQ(canvas.Find(QStringLiteral("Weit"))->geometry(), QRect(0, 264, kMaxControlSide, 184));

  // What is not shown is saved back, as it was and where it was; no new control takes its name.
  const Form saved = CaptureForm(canvas);
  ASSERT_EQ(saved.controls.size(), 5u);
  EXPECT_EQ(saved.controls[2].class_name, "CommandButton");
  EXPECT_EQ(saved.controls[2].name, "Befehl1");
  EXPECT_EQ(saved.controls[3].name, "VELLUMAR1");
  EXPECT_EQ(saved.controls[4].name, "Weit");
  const Form stranger_only = ParseForm(
      R"({"format": "vellumar-form", "version": 1, "controls": [{"class": "CommandButton", "name": "Vellumar1", )"
      R"("left": 0, "top": 0, "width": 8, "height": 8, "bag": [], "tabIndex": 1}]})",
      "f.vform");
  PlaceForm(canvas, stranger_only);
  EXPECT_EQ(NextControlName(canvas), QStringLiteral("Vellumar2"));
  EXPECT_EQ(SerializeForm(CaptureForm(canvas), "f.vform"), SerializeForm(stranger_only, "f.vform"));
}

TEST(DesignerForm, CaptureIsWhatThePlacedControlsHold) {
  FormCanvas canvas;
  PlaceForm(canvas, BuildDemoForm());
  canvas.Find(QStringLiteral("Vellumar2"))->control().SetTabHeight(30);
  const Form form = CaptureForm(canvas);
  ASSERT_EQ(form.controls.size(), 2u);
  EXPECT_EQ(form.controls[1].name, "Vellumar2");
  EXPECT_EQ(form.controls[1].left, 16);
  EXPECT_EQ(form.controls[1].width, 456);
  EXPECT_EQ(ToInt32(form.controls[1].bag.ReadProperty("TabHeight")), 30);
  EXPECT_EQ(ToInt32(form.controls[1].bag.ReadProperty("Alignment")), reg_Bottom);
  EXPECT_EQ(NextControlName(canvas), QStringLiteral("Vellumar3"));
}

TEST(DesignerDemoForm, ShowsBothAlignmentsAccessKeysAndAPicture) {
  const Form form = BuildDemoForm();
  ASSERT_EQ(form.controls.size(), 2u);
  EXPECT_EQ(ToInt32(form.controls[0].bag.ReadProperty("Alignment")), reg_Top);
  EXPECT_EQ(ToInt32(form.controls[1].bag.ReadProperty("Alignment")), reg_Bottom);
  for (const FormControl& control : form.controls) {
    EXPECT_EQ(ToInt32(control.bag.ReadProperty("NumberOfTabs")), 3) << control.name;
    EXPECT_EQ(ToString(control.bag.ReadProperty("TabText1")).front(), '&') << control.name;
  }
  const StdPictureRef picture = ToPicture(form.controls[0].bag.ReadProperty("TabPicture1"));
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->Type(), PictureType::kBitmap);
  EXPECT_EQ(picture->Width(), PixelsToHimetric(16));
}

TEST(DesignerDemoForm, FallsBackToTheBuiltInFormPastDamagedFiles) {
  std::vector<std::string> problems;
  const std::string damaged = std::string(VELLUMAR_SOURCE_DIR) + "/tests/qt/designer_form_test.cpp";
  const Form form = LoadDemoForm({"/nonexistent/demo.vform", damaged}, problems);
  EXPECT_EQ(form.controls.size(), 2u);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find("designer_form_test.cpp"), std::string::npos);
}

}  // namespace
}  // namespace vellumar
