#include "app/headless/script_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/headless/script_lexer.h"

namespace vellumar {
namespace {

ScriptCommand ParseOne(std::string_view line) {
  std::optional<ScriptCommand> command = ParseScriptLine(line, 1);
  EXPECT_TRUE(command.has_value()) << line;
  return command.value_or(ScriptCommand{});
}

std::string ErrorOf(std::string_view script, int* line = nullptr) {
  try {
    ParseScript(script);
  } catch (const ScriptSyntaxError& error) {
    if (line != nullptr) *line = error.line();
    return error.what();
  }
  return "(no error)";
}

TEST(ScriptReader, ReadsEveryCommandWithItsArguments) {
  struct Case {
    std::string_view line;
    CommandKind kind;
    size_t args;
  };
  const Case cases[] = {
      {"new", CommandKind::kNew, 0},
      {"new 320 240", CommandKind::kNew, 2},
      {"size 0 0", CommandKind::kSize, 2},
      {"cursor 10 5", CommandKind::kCursor, 2},
      {"cursor out", CommandKind::kCursorOut, 0},
      {"mousedown 10 5", CommandKind::kMouseDown, 2},
      {"mousemove 10.5 5 1", CommandKind::kMouseMove, 3},
      {"mouseup 10 5 2 1", CommandKind::kMouseUp, 4},
      {"keydown 39", CommandKind::kKeyDown, 1},
      {"keydown 39 1", CommandKind::kKeyDown, 2},
      {"accesskey 97", CommandKind::kAccessKey, 1},
      {"focus", CommandKind::kFocus, 0},
      {"blur", CommandKind::kBlur, 0},
      {"paint \"out/a.png\"", CommandKind::kPaint, 1},
      {"dump", CommandKind::kDump, 0},
      {"load \"a.vform\" \"Tabs1\"", CommandKind::kLoad, 2},
      {"save \"a.vform\"", CommandKind::kSave, 1},
      {"  MouseDown  1 2   # commands ignore case", CommandKind::kMouseDown, 2},
  };
  for (const Case& c : cases) {
    const ScriptCommand command = ParseOne(c.line);
    EXPECT_EQ(command.kind, c.kind) << c.line;
    EXPECT_EQ(command.args.size(), c.args) << c.line;
  }
}

TEST(ScriptReader, PropertiesTakeTheirOwnNameAndIndex) {
  ScriptCommand set = ParseOne("set tabcaption( 2 ) \"x\"");
  EXPECT_EQ(set.kind, CommandKind::kSet);
  EXPECT_EQ(set.name, "TabCaption");
  EXPECT_EQ(set.index, 2);
  EXPECT_EQ(std::get<std::string>(set.args.at(0)), "x");

  ScriptCommand get = ParseOne("get SelectedTab");
  EXPECT_EQ(get.kind, CommandKind::kGet);
  EXPECT_EQ(get.name, "SelectedTab");
  EXPECT_FALSE(get.index.has_value());

  ScriptCommand picture = ParseOne("set TabPicture(1) Nothing");
  EXPECT_TRUE(std::holds_alternative<ScriptNothing>(picture.args.at(0)));

  ScriptCommand call = ParseOne("call addtab 80 \"&Farben\" \"star.bmp\"");
  EXPECT_EQ(call.kind, CommandKind::kCall);
  EXPECT_EQ(call.name, "AddTab");
  EXPECT_EQ(call.args.size(), 3u);
}

TEST(ScriptReader, StringsKeepEscapedQuotesAndBackslashes) {
  const ScriptCommand command = ParseOne(R"(set TabCaption(1) "say \"hi\" \\ back # not a comment")");
  EXPECT_EQ(std::get<std::string>(command.args.at(0)), R"(say "hi" \ back # not a comment)");
  EXPECT_EQ(std::get<std::string>(ParseOne("set FontName \"Ärger\"").args.at(0)), "Ärger");
  EXPECT_EQ(std::get<std::string>(ParseOne("set FontName \"\"").args.at(0)), "");
}

TEST(ScriptReader, NumbersConvertByTheTypeTheyFeed) {
  EXPECT_EQ(ToColor(ParseOne("set BackColor 0x80000012").args.at(0)), 0x80000012u);
  EXPECT_EQ(ToColor(ParseOne("set BackColor 14933984").args.at(0)), 0x00E3DFE0u);
  EXPECT_EQ(ToColor(ParseOne("set BackColor -1").args.at(0)), 0xFFFFFFFFu);
  EXPECT_EQ(ToInt32(ParseOne("set TabHeight 0xFFFFFFFF").args.at(0)), -1);
  EXPECT_EQ(ToInt32(ParseOne("set TabHeight -2147483648").args.at(0)), INT32_MIN);
  EXPECT_EQ(ToSingle(ParseOne("set FontSize 9.75").args.at(0)), 9.75f);
  EXPECT_EQ(ToBoolean(ParseOne("set FontBold true").args.at(0)), kTrue);
  EXPECT_EQ(ToBoolean(ParseOne("set FontBold 0").args.at(0)), kFalse);
  EXPECT_EQ(ToInt16(ParseOne("keydown 0xFFFF").args.at(0)), -1);
  EXPECT_EQ(ToSingle(ParseOne("mousemove -0.5 2").args.at(0)), -0.5f);
}

TEST(ScriptReader, BlankLinesAndCommentsGiveNoCommandsButCountAsLines) {
  const std::vector<ScriptCommand> commands = ParseScript("# a tour\r\n\r\nnew\n   \n\tdump # state\nfocus");
  ASSERT_EQ(commands.size(), 3u);
  EXPECT_EQ(commands[0].line, 3);
  EXPECT_EQ(commands[1].line, 5);
  EXPECT_EQ(commands[2].line, 6);
}

TEST(ScriptReader, MalformedLinesNameTheirLineAndTheFault) {
  struct Case {
    std::string_view script;
    int line;
    std::string_view message;
  };
  const Case cases[] = {
      {"new\nfly 1 2", 2, "unknown command 'fly'"},
      {"new 300", 1, "new takes both W and H, or neither"},
      {"size 1", 1, "size: H is missing"},
      {"size 1 2 3", 1, "too many arguments for size"},
      {"size 1.5 2", 1, "size: W must be a whole number"},
      {"size 4294967296 2", 1, "size: W must be a whole number"},
      {"keydown 40000", 1, "keydown: CODE must be a whole number from -32768 to 32767"},
      {"set Colour 1", 1, "unknown property 'Colour'"},
      {"set NumberOfTabs 3", 1, "NumberOfTabs is read-only"},
      {"set Font \"Arial\"", 1, "Font takes a font object"},
      {"get TabCaption", 1, "TabCaption needs a tab index"},
      {"get TabHeight(1)", 1, "TabHeight takes no index"},
      {"get TabCaption(1", 1, "expected ')' after the index"},
      {"set TabHeight \"22\"", 1, "set TabHeight: the value must be a whole number"},
      {"set FontName 12", 1, "must be a string in double quotes"},
      {"set FontBold \"yes\"", 1, "must be True or False"},
      {"set BackColor 0x100000000", 1, "must be a colour"},
      {"call Fly", 1, "unknown method 'Fly'"},
      {"call GetTabAccessKey", 1, "GetTabAccessKey: K is missing"},
      {"call AddTab 60 \"a\" 5", 1, "PICTURE must be a picture file path in double quotes, or Nothing"},
      {"paint \"a.png\" 2.5", 1, "paint: SCALE must be a whole number from 1 to 4 (device pixels"},
      {"paint out.png", 1, "'out.png' is not a name"},
      {"paint \"out.png", 1, "string without its closing double quote"},
      {"paint \"a\\nb\"", 1, "unknown escape in string"},
      {"paint \"a\"\"b\"", 1, "a string must be followed by a blank"},
      {"size -0x10 4", 1, "hexadecimal numbers take no sign"},
      {"size 12abc 4", 1, "'12abc' is not a number"},
      {"size 1. 4", 1, "'1.' is not a number"},
      {"size @ 4", 1, "unexpected '@'"},
      {"cursor out 1", 1, "too many arguments for cursor out"},
      {"42", 1, "expected a command"},
  };
  for (const Case& c : cases) {
    int line = 0;
    const std::string message = ErrorOf(c.script, &line);
    EXPECT_EQ(line, c.line) << c.script;
    EXPECT_NE(message.find(c.message), std::string::npos) << c.script << " gave: " << message;
  }
}

TEST(ScriptReader, HostileLinesAreRefusedQuickly) {
  struct Case {
    std::string script;
    std::string_view message;
  };
  const Case cases[] = {
      {"dump #" + std::string(kMaxScriptLineBytes, 'x'), "line is longer than"},
      {"call AddTab" + std::string(1000, '('), "tokens in one line"},
      {"size " + std::string(300, '9') + " 1", "longer than 256 bytes"},
      {"set FontName \"" + std::string("\xC3\x28") + "\"", "not valid UTF-8"},
      {"set FontName \"\xED\xA0\x80\"", "not valid UTF-8"},  // a surrogate
      {"set FontName \"\xC0\xAF\"", "not valid UTF-8"},      // an overlong slash
      {std::string("dump\0", 5), "control character (byte 0x00)"},
      {"dump \x1B[2J", "control character (byte 0x1B)"},
      {"size \xC3\xA4 1", "unexpected byte 0xC3"},
  };
  for (const Case& c : cases) {
    const std::string message = ErrorOf(c.script);
    EXPECT_NE(message.find(c.message), std::string::npos) << "gave: " << message;
  }
}

TEST(ScriptReader, ValidatesUtf8Strictly) {
  EXPECT_TRUE(IsValidUtf8("plain ASCII"));
  EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80"));   // U+1F600
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
  EXPECT_FALSE(IsValidUtf8("\xE2\x82"));          // cut short
  EXPECT_FALSE(IsValidUtf8("\x80"));              // a lone continuation byte
}

}  // namespace
}  // namespace vellumar
