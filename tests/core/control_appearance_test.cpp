// The appearance properties: stored unchanged, one notification under the property's own name, one repaint
// (none for ForeColorHot), the surface's colours and font kept in step, and the Font assignment's sequence.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fake_host.h"
#include "platform/errors/host_error.h"
#include "platform/form_file/property_bag.h"

namespace vellumar::testing {
namespace {

using Strings = std::vector<std::string>;

struct ColorProperty {
  const char* name;
  std::function<void(Vellumar&, OleColor)> set;
  std::function<OleColor(const Vellumar&)> get;
};

#define VELLUMAR_COLOR_PROPERTY(Name)                                                                   \
  ColorProperty {                                                                                       \
#Name, [](Vellumar & c, OleColor v) { c.Set##Name(v); }, [](const Vellumar& c) { return c.Name(); } \
  }

TEST(ControlAppearance, ColorsAreStoredNotifiedAndRepainted) {
  const ColorProperty properties[] = {
      VELLUMAR_COLOR_PROPERTY(BackColor),           VELLUMAR_COLOR_PROPERTY(ForeColor),
      VELLUMAR_COLOR_PROPERTY(ForeColorActive),     VELLUMAR_COLOR_PROPERTY(BackColorForm),
      VELLUMAR_COLOR_PROPERTY(MouseMoveColor0),     VELLUMAR_COLOR_PROPERTY(MouseMoveColor1),
      VELLUMAR_COLOR_PROPERTY(MouseMoveColor2),     VELLUMAR_COLOR_PROPERTY(RegisterFocusColor0),
      VELLUMAR_COLOR_PROPERTY(RegisterFocusColor1), VELLUMAR_COLOR_PROPERTY(RegisterFocusColor2),
      VELLUMAR_COLOR_PROPERTY(FrameColor),          VELLUMAR_COLOR_PROPERTY(MaskColor),
  };
  for (const ColorProperty& p : properties) {
    SCOPED_TRACE(p.name);
    TestControl t;
    t.control.SetAlignment(7);  // stored values survive: nothing paints and translates them
    t.host.ClearLog();
    p.set(t.control, 0x12345678);
    EXPECT_EQ(p.get(t.control), 0x12345678u);
    EXPECT_EQ(t.host.Changed(), Strings{p.name});
    t.control.SetAlignment(0);
    t.host.ClearLog();
    p.set(t.control, 0x00102030);
    EXPECT_EQ(t.host.Trace(), (Strings{std::string("changed ") + p.name, "paint"}));
  }
}

TEST(ControlAppearance, ForeColorHotDoesNotRepaint) {
  TestControl t;
  t.control.SetForeColorHot(0x80000008);
  EXPECT_EQ(t.control.ForeColorHot(), 0x80000008u);
  EXPECT_EQ(t.host.Trace(), Strings{"changed ForeColorHot"});
}

TEST(ControlAppearance, SurfaceColorsFollowBackAndForeColor) {
  TestControl t;
  t.control.SetBackColor(0x8000000F);
  EXPECT_EQ(t.host.BackColor(), 0x8000000Fu);
  // The paint translated the member for the selected head's fill.
  EXPECT_EQ(t.control.BackColor(), GetSysColor(kColorButtonFace));
  t.control.SetForeColor(0x00ABCDEF);
  EXPECT_EQ(t.host.ForeColor(), 0x00ABCDEFu);
  EXPECT_EQ(t.control.ForeColor(), 0x00ABCDEFu);
}

TEST(ControlAppearance, TabHeightAndAlignmentTakeAnyValue) {
  TestControl t;
  for (int32_t height : {0, -5, 5, 2147483647, -2147483647 - 1, 22}) {
    t.host.ClearLog();
    t.control.SetTabHeight(height);
    EXPECT_EQ(t.control.TabHeight(), height);
    EXPECT_EQ(t.host.Trace(), (Strings{"changed TabHeight", "paint"}));
  }
  struct AlignmentCase {
    int32_t value;
    int paints;
  };
  for (const AlignmentCase c : {AlignmentCase{1, 1}, {2, 1}, {3, 1}, {7, 0}, {-1, 0}, {4, 0}, {0, 1}}) {
    SCOPED_TRACE(c.value);
    t.host.ClearLog();
    t.control.SetAlignment(c.value);
    EXPECT_EQ(t.control.Alignment(), c.value);
    EXPECT_EQ(t.host.Changed(), Strings{"Alignment"});
    EXPECT_EQ(t.host.refresh_count, c.paints);
  }
}

TEST(ControlAppearance, FontPartsWriteTheSurfaceFont) {
  TestControl t;
  const StdFontRef surface = t.control.Font();
  EXPECT_EQ(surface, t.host.Font());
  t.control.SetFontBold(kTrue);
  t.control.SetFontItalic(1);  // any value other than 0 sets the flag; the member keeps what was given
  t.control.SetFontStrikethru(kTrue);
  t.control.SetFontUnderline(kTrue);
  t.control.SetFontSize(12.5f);
  t.control.SetFontName("Tahoma");
  EXPECT_EQ(t.host.Changed(),
            (Strings{"FontBold", "FontItalic", "FontStrikethru", "FontUnderline", "FontSize", "FontName"}));
  EXPECT_EQ(t.host.refresh_count, 6);
  EXPECT_TRUE(surface->Bold());
  EXPECT_TRUE(surface->Italic());
  EXPECT_TRUE(surface->Strikethrough());
  EXPECT_TRUE(surface->Underline());
  EXPECT_DOUBLE_EQ(surface->Size(), 12.5);
  EXPECT_EQ(surface->Name(), "Tahoma");
  EXPECT_EQ(t.control.FontItalic(), 1);
  EXPECT_EQ(t.control.FontSize(), 12.5f);
  EXPECT_EQ(t.control.FontName(), "Tahoma");
  EXPECT_EQ(t.control.AssignedFont(), nullptr);  // Font itself was never assigned
  t.control.SetFontBold(kFalse);
  EXPECT_FALSE(t.control.Font()->Bold());
}

TEST(ControlAppearance, FontAssignmentNotifiesSevenTimesAndRepaintsSevenTimes) {
  TestControl t;
  const auto font = std::make_shared<StdFont>();
  font->SetName("Tahoma");
  font->SetSize(10);
  font->SetItalic(true);
  font->SetUnderline(true);
  font->SetWeight(900);
  font->SetCharset(2);
  t.control.SetFont(font);
  EXPECT_EQ(t.host.Changed(), (Strings{"FontBold", "FontItalic", "FontName", "FontSize", "FontStrikethru",
                                       "FontUnderline", "Font"}));
  EXPECT_EQ(t.host.refresh_count, 7);
  EXPECT_EQ(t.control.AssignedFont(), font);  // the reference, not a copy
  const StdFontRef surface = t.control.Font();
  EXPECT_NE(surface, font);
  EXPECT_EQ(surface->Name(), "Tahoma");
  EXPECT_EQ(surface->Charset(), 2);
  EXPECT_TRUE(surface->Italic());
  EXPECT_TRUE(surface->Underline());
  EXPECT_FALSE(surface->Strikethrough());
  EXPECT_EQ(surface->Weight(), StdFont::kWeightBold);  // the bold flag, applied after the weight
  EXPECT_EQ(t.control.FontBold(), kTrue);
  EXPECT_EQ(t.control.FontItalic(), kTrue);
  EXPECT_EQ(t.control.FontSize(), 10.0f);
  EXPECT_EQ(t.control.FontName(), "Tahoma");
}

// Nothing is stored before its attributes are read, so the assignment fails with error 91 and a later save
// no longer writes the font assigned before it: the "Font" key then holds the surface font.
TEST(ControlAppearance, AssigningNothingStoresItThenFailsAndTheNextSaveForgetsTheOldFont) {
  TestControl t;
  const auto tahoma = std::make_shared<StdFont>();
  tahoma->SetName("Tahoma");
  t.control.SetFont(tahoma);
  t.control.SetFontName("Arial");  // the surface font only; the assigned object keeps its name
  t.host.log.clear();
  try {
    t.control.SetFont(nullptr);
    FAIL() << "no error";
  } catch (const HostError& error) {
    EXPECT_EQ(error.number(), 91);
  }
  EXPECT_TRUE(t.host.log.empty());
  EXPECT_EQ(t.control.AssignedFont(), nullptr);
  PropertyBag bag;
  t.control.WriteProperties(bag);
  EXPECT_EQ(ToFont(bag.ReadProperty("Font"))->Name(), "Arial");
}

}  // namespace
}  // namespace vellumar::testing
