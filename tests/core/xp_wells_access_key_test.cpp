// The access-key character of a caption.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/xp_wells.h"

namespace vellumar {
namespace {

struct AccessKeyCase {
  std::string caption;
  std::string key;
};

TEST(GetAccessKeyCharTest, MarkersAndDoubledMarkers) {
  const std::vector<AccessKeyCase> cases = {
      {"&Datei", "d"},
      {"Sp&eichern", "e"},
      {"Fish && Chips", ""},
      {"Fish && &Chips", "c"},
      {"&&&X", "x"},
      {"Ende&", ""},
      {"&", ""},
      {"", ""},
      {"A&&", ""},
      {"A && B && &C", ""},
      {"&&", ""},
      {"&&&", ""},
      {"&&&&x", ""},
      {"Kein Marker", ""},
      {"&1", "1"},
      {"& Leer", " "},
      {"&x &Y", "x"},
      {"&&a&b", "b"},
  };
  for (const AccessKeyCase& c : cases)
    EXPECT_EQ(GetAccessKeyChar(c.caption), c.key) << "'" << c.caption << "'";
}

TEST(GetAccessKeyCharTest, OneCodePointIsOneCharacter) {
  const std::vector<AccessKeyCase> cases = {
      {"&\xC3\x84pfel", "\xC3\xA4"},  // Ä -> ä
      {"Gr&\xC3\xB6\xC3\x9F"
       "e",
       "\xC3\xB6"},                       // ö stays ö
      {"&\xC3\x9E", "\xC3\xBE"},          // Þ -> þ
      {"&\xC3\x97", "\xC3\x97"},          // × is no letter
      {"&\xC3\x9F", "\xC3\x9F"},          // ß has no upper-case partner here
      {"&\xC5\x92uvre", "\xC5\x93"},      // Œ -> œ
      {"&\xC5\xA0", "\xC5\xA1"},          // Š -> š
      {"&\xC5\xBD", "\xC5\xBE"},          // Ž -> ž
      {"&\xC5\xB8", "\xC3\xBF"},          // Ÿ -> ÿ
      {"&\xE2\x82\xAC", "\xE2\x82\xAC"},  // €
      {"&\xD0\x96", "\xD0\x96"},          // Cyrillic stays as it is
      {"&\xF0\x9F\x90\x9F", "\xF0\x9F\x90\x9F"},
      {"\xC3\x84&&&\xC3\x84", "\xC3\xA4"},
  };
  for (const AccessKeyCase& c : cases)
    EXPECT_EQ(GetAccessKeyChar(c.caption), c.key) << "'" << c.caption << "'";
}

TEST(GetAccessKeyCharTest, MalformedUtf8IsReadAsWindows1252) {
  const std::vector<AccessKeyCase> cases = {
      {"&\xC4", "\xC3\xA4"},          // lone Ä byte -> ä
      {"&\x8A", "\xC5\xA1"},          // 1252 Š -> š
      {"&\x80", "\xE2\x82\xAC"},      // 1252 €
      {"&\xC0\x80", "\xC3\xA0"},      // overlong NUL: the lead byte À -> à
      {"&\xED\xA0\x80", "\xC3\xAD"},  // surrogate: the lead byte í
      {"&\xE2\x82", "\xC3\xA2"},      // cut short: â
      {"&\xBF", "\xC2\xBF"},          // stray continuation byte ¿
  };
  for (const AccessKeyCase& c : cases) EXPECT_EQ(GetAccessKeyChar(c.caption), c.key);
}

}  // namespace
}  // namespace vellumar
