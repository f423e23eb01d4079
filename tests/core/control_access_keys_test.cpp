// Access keys: the key string built from the captions, the tab behind each key code, when the keys are
// rebuilt, and the selection by AccessKeyPress.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "control/windows_1252.h"
#include "fake_host.h"
#include "render/xp_wells.h"

namespace vellumar::testing {
namespace {

using Strings = std::vector<std::string>;

// A control whose tabs carry the given captions.
void SetCaptions(TestControl& t, const Strings& captions) {
  while (t.control.NumberOfTabs() < static_cast<int32_t>(captions.size())) t.control.AddTab();
  for (size_t i = 0; i < captions.size(); ++i)
    t.control.SetTabCaption(static_cast<int32_t>(i + 1), captions[i]);
  t.host.ClearLog();
}

struct KeyLookup {
  int16_t code;
  int32_t tab;
};

struct AccessKeyCase {
  const char* name;
  Strings captions;
  std::string keys;
  std::vector<KeyLookup> lookups;
};

TEST(ControlAccessKeys, KeysAndTheirTabs) {
  const AccessKeyCase cases[] = {
      {"keys of some tabs", {"&Allgemein", "Farben", "&Bilder"}, "ab", {{98, 3}, {97, 1}, {65, 0}, {0, 0}}},
      {"first of two equal keys wins", {"&Eins", "&Ende"}, "ee", {{101, 1}}},
      {"doubled markers", {"Fish && Chips", "Fish && &Chips", "&&&X"}, "cx", {{99, 2}, {120, 3}}},
      {"no keys", {"Register", "Ende&"}, "", {{0, 0}, {101, 0}}},
      // UTF-8 captions: the key code is the character's Windows-1252 code.
      {"Latin-1 and Windows-1252 letters",
       {"&Über", "&\xC5\x92uvre", "&\xE2\x82\xAC"},
       "\xC3\xBC\xC5\x93\xE2\x82\xAC",
       {{252, 1}, {156, 2}, {128, 3}, {220, 0}}},
      {"characters without a code",
       {"&\xE4\xB8\xAD", "&b"},
       "\xE4\xB8\xAD"
       "b",
       {{63, 0}, {98, 2}}},
  };
  for (const AccessKeyCase& c : cases) {
    SCOPED_TRACE(c.name);
    TestControl t;
    SetCaptions(t, c.captions);
    EXPECT_EQ(t.control.state().mAccessKeys, c.keys);
    EXPECT_EQ(t.host.access_keys, c.keys);
    for (KeyLookup lookup : c.lookups) {
      int16_t code = lookup.code;
      EXPECT_EQ(t.control.GetTabAccessKey(code), lookup.tab) << "key code " << lookup.code;
      EXPECT_EQ(code, lookup.code);
    }
  }
}

TEST(ControlAccessKeys, CaptionAssignmentRebuildsKeysBeforeRepaintAndNotification) {
  TestControl t;
  t.control.SetTabCaption(1, "&Datei");
  EXPECT_EQ(t.host.log, (Strings{"keys d", "paint", "changed TabCaption"}));
}

TEST(ControlAccessKeys, AddTabWithEmptyCaptionAndDeleteTabLeaveKeysAlone) {
  TestControl t;
  SetCaptions(t, {"&Eins", "&Zwei"});
  t.control.AddTab();
  EXPECT_EQ(t.control.state().mAccessKeys, "ez");
  t.control.DeleteTab();
  t.control.DeleteTab();
  EXPECT_EQ(t.control.state().mAccessKeys, "ez");
  EXPECT_EQ(t.host.Trace(), (Strings{"changed NumberOfTabs", "paint", "changed NumberOfTabs", "paint",
                                     "changed NumberOfTabs", "paint"}));
  // The removed tab's key still names the removed tab, which the selection refuses.
  int16_t z = 'z';
  EXPECT_EQ(t.control.GetTabAccessKey(z), 2);
  t.host.ClearLog();
  t.control.AccessKeyPress('z');
  EXPECT_TRUE(t.host.log.empty());
  EXPECT_EQ(t.control.SelectedTab(), 1);
}

TEST(ControlAccessKeys, AccessKeyPressSelectsTheTabOrZero) {
  TestControl t;
  SetCaptions(t, {"&Allgemein", "Farben", "&Bilder"});
  t.control.AccessKeyPress('b');
  EXPECT_EQ(t.host.Trace(), (Strings{"TabPressed 0", "changed SelectedTab", "paint"}));
  EXPECT_EQ(t.control.SelectedTab(), 3);
  t.host.ClearLog();
  t.control.AccessKeyPress('B');  // only the lower-case code selects; no key gives 0, which is assigned
  EXPECT_EQ(t.host.Trace(), (Strings{"TabPressed 3", "changed SelectedTab", "paint"}));
  EXPECT_EQ(t.control.state().mPreviousTab, 0);
}

// The keys as rebuilding them from tabs 1 .. count gives them.
std::string ReferenceKeys(Vellumar& control) {
  std::string keys;
  for (int32_t i = 1; i <= control.NumberOfTabs(); ++i) keys += GetAccessKeyChar(control.TabCaption(i));
  return keys;
}

// Adding, deleting and renaming tabs at random: after every step the keys equal what the specified
// rebuilds (and only they) would give, whatever shortcut the control takes when adding a tab.
TEST(ControlAccessKeys, KeysFollowTheRebuildRuleUnderRandomEdits) {
  TestControl t;
  t.control.SetAlignment(7);
  std::mt19937 random(20240607);
  const Strings captions = {"", "Plain", "&Key", "&Other", "&&Literal", "&\xC3\xA4rger"};
  std::string expected = t.control.state().mAccessKeys;
  for (int step = 0; step < 3000; ++step) {
    const std::string& caption = captions[random() % captions.size()];
    switch (random() % 3) {
      case 0: {
        int32_t width = 10;
        std::string text = caption;
        StdPictureRef none;
        t.control.AddTab(width, text, none);
        if (!caption.empty()) expected = ReferenceKeys(t.control);
        break;
      }
      case 1:
        t.control.DeleteTab();
        break;
      default: {
        const int32_t index = 1 + static_cast<int32_t>(random() % t.control.state().Capacity());
        t.control.SetTabCaption(index, caption);
        expected = ReferenceKeys(t.control);
        break;
      }
    }
    ASSERT_EQ(t.control.state().mAccessKeys, expected) << "step " << step;
    ASSERT_EQ(t.host.access_keys, expected) << "step " << step;
  }
}

TEST(ControlAccessKeys, Windows1252Codes) {
  struct Case {
    const char* utf8;
    int32_t code;
  };
  const Case cases[] = {
      {"a", 97},         {"\xC3\xA4", 228}, {"\xE2\x82\xAC", 128}, {"\xC5\xB8", 159},
      {"\xC2\x81", 129}, {"\xC2\x80", -1},  {"\xE4\xB8\xAD", -1},  {"\xF0\x9F\x98\x80", -1},
      {"\x80", 128},     {"\xC3", 195},     {"\xC0\x80", 192},     {"\xFF", 255},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8);
    size_t pos = 0;
    EXPECT_EQ(NextWindows1252Code(c.utf8, pos), c.code);
    EXPECT_GT(pos, 0u);
  }
}

}  // namespace
}  // namespace vellumar::testing
