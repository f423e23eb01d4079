// User text in error descriptions: one short line of valid UTF-8, whatever the text holds.
#include "platform/errors/error_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "platform/form_file/form_file_value.h"

namespace vellumar {
namespace {

// Characters that print as they are, of every UTF-8 length, and pieces that must not reach an error line
// as they are: control characters, stray and cut-short bytes.
constexpr std::string_view kClean[] = {
    "a", "Z", " ", "'", "\"", "\xC3\xA4", "\xE2\x82\xAC", "\xF0\x9F\x98\x80"};
constexpr std::string_view kUnclean[] = {"\n",   "\r",   "\x01", "\x7F",    "\xC2\x85",
                                         "\xFF", "\x80", "\xC3", "\xE2\x82"};

// The excerpt of clean text built from its characters: whole when short, else the beginning and the end.
std::string Reference(const std::vector<std::string_view>& characters, size_t limit) {
  std::string out;
  const bool cut = characters.size() > limit;
  const size_t tail = cut ? limit / 4 : 0;
  for (size_t i = 0; i < characters.size(); ++i) {
    if (cut && i == limit - tail) out += "\xE2\x80\xA6";
    if (i < limit - tail || i >= characters.size() - tail) out += characters[i];
  }
  return out;
}

TEST(ErrorText, ExcerptsAreShortCleanLinesAgainstAReference) {
  std::mt19937 random(20260611);
  for (int round = 0; round < 4000; ++round) {
    const bool clean = round % 2 == 0;
    const size_t limit = 1 + random() % 80;
    std::vector<std::string_view> characters(random() % 200);
    std::string text;
    for (std::string_view& c : characters) {
      c = clean || random() % 4 != 0 ? kClean[random() % std::size(kClean)]
                                     : kUnclean[random() % std::size(kUnclean)];
      text += c;
    }
    const std::string excerpt = Excerpt(text, limit);
    if (clean) {
      ASSERT_EQ(excerpt, Reference(characters, limit)) << text;
    }
    ASSERT_TRUE(form_file::IsValidUtf8(excerpt)) << excerpt;
    for (char c : excerpt) ASSERT_TRUE(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) << excerpt;
    ASSERT_EQ(excerpt.find("\xC2\x85"), std::string::npos) << excerpt;  // the C1 line break
    ASSERT_LE(excerpt.size(), 8 * limit + 3) << excerpt;  // two escaped bytes a character at most, and "…"
  }
}

TEST(ErrorText, ListsNameAFewAndCountTheRest) {
  const std::vector<std::string> two = {"Tabs", "Line\nBreak"};
  EXPECT_EQ(QuotedList(two), "\"Tabs\", \"Line\\x0ABreak\"");
  const std::vector<std::string> many(250000, std::string(1000, 'n'));
  const std::string listed = QuotedList(many);
  EXPECT_TRUE(listed.ends_with(" and 249995 more")) << listed.substr(0, 200);
  EXPECT_LT(listed.size(), kMaxListedNames * (kMaxQuotedChars + 8) + 30);
}

}  // namespace
}  // namespace vellumar
