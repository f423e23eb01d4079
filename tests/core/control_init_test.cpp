// InitProperties: the defaults of a new control and what the host sees while they are set.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_host.h"

namespace vellumar::testing {
namespace {

using Strings = std::vector<std::string>;

TEST(ControlInit, DefaultsOfANewControl) {
  TestControl t(false);
  t.control.InitProperties();
  const TabStripState& s = t.control.state();
  EXPECT_EQ(t.control.NumberOfTabs(), 1);
  EXPECT_EQ(t.control.TabCaption(1), "Register");
  EXPECT_EQ(t.control.TabWidth(1), 60);
  EXPECT_EQ(s.mTabHeight, 22);
  EXPECT_EQ(s.mBackColor, 0xE3DFE0u);
  EXPECT_EQ(s.mBackColorForm, 0xE3DFE0u);
  EXPECT_EQ(t.host.BackColor(), 0xE3DFE0u);
  EXPECT_EQ(s.mForeColor, 0x80000012u);
  EXPECT_EQ(t.host.ForeColor(), 0x80000012u);
  EXPECT_EQ(s.mForeColorActive, 0x985038u);
  EXPECT_EQ(s.mForeColorHot, 0xFF0000u);
  EXPECT_EQ(s.mFrameColor, 0xA0A098u);
  EXPECT_EQ(s.mMaskColor, 0xFF00FFu);
  EXPECT_EQ(s.mMouseMoveColor0, 0x2890E8u);
  EXPECT_EQ(s.mMouseMoveColor1, 0x38D0FFu);
  EXPECT_EQ(s.mMouseMoveColor2, 0x38C8FFu);
  EXPECT_EQ(s.mRegisterFocusColor0, 0x2890E8u);
  EXPECT_EQ(s.mRegisterFocusColor1, 0x38D0FFu);
  EXPECT_EQ(s.mRegisterFocusColor2, 0x38C8FFu);
  EXPECT_EQ(s.mAlignment, reg_Top);
  EXPECT_EQ(t.control.FontName(), "MS Sans Serif");
  EXPECT_EQ(t.control.FontBold(), kFalse);
  EXPECT_EQ(t.control.FontSize(), 8.0f);
  EXPECT_EQ(t.control.FontItalic(), kFalse);
  EXPECT_EQ(t.control.FontStrikethru(), kFalse);
  EXPECT_EQ(t.control.FontUnderline(), kFalse);
  EXPECT_EQ(t.control.AssignedFont(), nullptr);
  EXPECT_EQ(s.mAccessKeys, "");
  // The paint of the first tab selected it without an event.
  EXPECT_EQ(t.control.SelectedTab(), 1);
  EXPECT_EQ(s.mPreviousTab, 0);
}

TEST(ControlInit, OnlyTheFirstTabAndTheFontSettersTellTheHost) {
  TestControl t(false);
  t.control.InitProperties();
  EXPECT_EQ(t.host.Trace(), (Strings{"changed NumberOfTabs", "paint", "changed FontName", "paint",
                                     "changed FontBold", "paint", "changed FontSize", "paint"}));
}

TEST(ControlInit, SurfaceTakesTheContainersFontWithoutSharingIt) {
  TestControl t(false);
  t.host.ambient->SetName("Tahoma");
  t.host.ambient->SetSize(11);
  t.control.InitProperties();
  const StdFontRef surface = t.control.Font();
  EXPECT_NE(surface, t.host.ambient);
  EXPECT_EQ(*surface, *t.host.ambient);
  EXPECT_EQ(t.host.hDC().font(), surface);
  // The members keep the values their setters gave them.
  EXPECT_EQ(t.control.FontName(), "MS Sans Serif");
  EXPECT_EQ(t.control.FontSize(), 8.0f);
  t.control.SetFontBold(kTrue);
  EXPECT_TRUE(surface->Bold());
  EXPECT_FALSE(t.host.ambient->Bold());
}

}  // namespace
}  // namespace vellumar::testing
