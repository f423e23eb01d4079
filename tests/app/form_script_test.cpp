// The script commands load and save: round trips through real form files, forms of several controls, and
// files that are damaged, hostile or cannot be written.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/headless/form_control.h"
#include "app/headless/script_reader.h"
#include "app/headless/script_runner.h"
#include "platform/errors/host_error.h"
#include "platform/form_file/form_file.h"
#include "platform/form_file/form_file_lock.h"
#include "platform/pictures/picture.h"

namespace vellumar {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

const fs::path kPictures = fs::path(VELLUMAR_SOURCE_DIR) / "examples" / "pictures";

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

std::string Quoted(const fs::path& path) {
  return "\"" + path.string() + "\"";
}

// A form of one control with the given bag entries (JSON objects, comma-separated).
std::string FormText(const std::string& entries, const std::string& name = "Vellumar1") {
  return R"({"format": "vellumar-form", "version": 1, "controls": [{"class": "Vellumar", "name": ")" + name +
         R"(", "left": 8, "top": 8, "width": 200, "height": 90, "bag": [)" + entries + "]}]}";
}

class FormScriptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("vellumar-form-script-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(folder_);
  }

  Lines Run(const std::string& script) {
    out_.str("");
    runner_.Run(ParseScript(script));
    Lines lines;
    std::istringstream text(out_.str());
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    return lines;
  }
  // Only the lines that report errors.
  Lines Errors(const std::string& script) {
    Lines errors;
    for (const std::string& line : Run(script)) {
      if (line.rfind("error ", 0) == 0) errors.push_back(line);
    }
    return errors;
  }
  std::string Get(const std::string& property) {
    const Lines lines = Run("get " + property);
    return lines.size() == 1 ? lines[0] : "?";
  }
  fs::path File(const std::string& name, const std::string& text) {
    const fs::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  size_t FilesIn(const fs::path& folder) {
    return static_cast<size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator{}));
  }

  fs::path folder_;
  std::ostringstream out_;
  ScriptRunner runner_{out_};
};

// Every property away from its default, tabs with captions and widths, a bitmap (a BMP file), a bitmap
// converted from an icon by AddTab, and an icon loaded as an icon; saved, loaded and saved again.
TEST_F(FormScriptTest, EveryPropertyAndPictureSurvivesSaveLoadSave) {
  const fs::path first = folder_ / "first.vform";
  const fs::path second = folder_ / "second.vform";
  const std::string build =
      "load " + Quoted(kPictures / "icon-tab.vform") +
      "\nsize 333 111\n"
      "set TabCaption(1) \"&Welt\"\nset TabWidth(1) 77\n"
      "call AddTab 90 \"&Stern\" " +
      Quoted(kPictures / "star16.bmp") + "\ncall AddTab 45 \"Gl&obus\" " + Quoted(kPictures / "globe32.ico") +
      "\ncall AddTab -3 \"\"\n"
      "set Alignment 1\nset TabHeight 40\nset BackColor 0x00112233\nset BackColorForm 0x00223344\n"
      "set ForeColor 0x00010203\nset ForeColorActive 0x00040506\nset ForeColorHot 0x00070809\n"
      "set FrameColor 0x000A0B0C\nset MaskColor 0x000D0E0F\nset MouseMoveColor0 0x00101112\n"
      "set MouseMoveColor1 0x00131415\nset MouseMoveColor2 0x00161718\nset RegisterFocusColor0 0x00191A1B\n"
      "set RegisterFocusColor1 0x001C1D1E\nset RegisterFocusColor2 0x001F2021\n"
      "set FontName \"Tahoma\"\nset FontSize 11.25\nset FontBold True\nset FontItalic True\n"
      "set FontUnderline True\nset FontStrikethru True\nset SelectedTab 3\n";
  ASSERT_EQ(Errors(build + "save " + Quoted(first)), Lines{});
  const Lines before = Run("dump");
  ASSERT_EQ(Errors("load " + Quoted(first) + "\nsave " + Quoted(second)), Lines{});
  EXPECT_EQ(Run("dump"), before);
  EXPECT_EQ(ReadFile(first), ReadFile(second));

  EXPECT_EQ(Get("TabPicture(1)"), "= Picture Type=3 Width=847 Height=847");  // still an icon
  EXPECT_EQ(Get("TabPicture(2)"), "= Picture Type=1 Width=423 Height=423");
  EXPECT_EQ(Get("TabPicture(3)"), "= Picture Type=1 Width=847 Height=847");  // converted by AddTab
  EXPECT_EQ(Get("TabPicture(4)"), "= Nothing");
  EXPECT_EQ(Get("TabCaption(4)"), "= \"Register\"");
  EXPECT_EQ(Get("TabWidth(4)"), "= -3");
  EXPECT_EQ(Get("Font"),
            "= Font Name=\"Tahoma\" Size=11.25 Bold=True Italic=True Underline=True Strikethrough=True "
            "Weight=700 Charset=0");
  EXPECT_EQ(Get("BackColorForm"), "= 0x00223344");
  EXPECT_EQ(Get("SelectedTab"), "= 3");
  const Form form = LoadForm(second.string());
  ASSERT_EQ(form.controls.size(), 1u);
  EXPECT_EQ(form.controls[0].name, "Vellumar1");
  EXPECT_EQ(form.controls[0].width, 333);
  EXPECT_EQ(form.controls[0].height, 111);
}

TEST_F(FormScriptTest, SaveWithANameAddsOrReplacesOneControlAndKeepsTheOthers) {
  const fs::path form = folder_ / "form.vform";
  ASSERT_EQ(Errors("new 100 50\nsave " + Quoted(form) + "\nnew 120 60\nset TabHeight 30\nsave " +
                   Quoted(form) + " \"Second\"\nnew 140 70\nsave " + Quoted(form) + " \"Third\""),
            Lines{});
  Form saved = LoadForm(form.string());
  ASSERT_EQ(saved.controls.size(), 3u);
  EXPECT_EQ(saved.controls[0].top, 8);
  EXPECT_EQ(saved.controls[1].top, 8 + 50 + 8);
  EXPECT_EQ(saved.controls[2].top, 66 + 60 + 8);

  // Loading by name (any case), changing and saving under the same name replaces it where it stands.
  ASSERT_EQ(Errors("load " + Quoted(form) + " \"SECOND\"\nsize 150 55\nset TabHeight 33\nsave " +
                   Quoted(form) + " \"second\""),
            Lines{});
  saved = LoadForm(form.string());
  ASSERT_EQ(saved.controls.size(), 3u);
  EXPECT_EQ(saved.controls[1].name, "second");
  EXPECT_EQ(saved.controls[1].top, 66);
  EXPECT_EQ(saved.controls[1].width, 150);
  EXPECT_EQ(ToInt32(saved.controls[1].bag.ReadProperty("TabHeight")), 33);
  EXPECT_EQ(saved.controls[2].name, "Third");

  // A plain save writes the loaded control alone, under its name.
  ASSERT_EQ(Errors("load " + Quoted(form) + " \"Third\"\nsave " + Quoted(form)), Lines{});
  saved = LoadForm(form.string());
  ASSERT_EQ(saved.controls.size(), 1u);
  EXPECT_EQ(saved.controls[0].name, "Third");
  EXPECT_EQ(saved.controls[0].top, 134);
}

TEST_F(FormScriptTest, FailedLoadsNameTheFileAndKeepTheCurrentControl) {
  const fs::path invalid = File("invalid.vform", "{\"format\": \"vellumar-form\", ");
  const fs::path other = File("other.vform", "{\"name\": \"not a form\"}");
  const fs::path form = File("form.vform", FormText("", "Tabs"));
  const fs::path button = File("button.vform", R"({"format": "vellumar-form", "version": 1, "controls": [
      {"class": "CommandButton", "name": "Button1", "left": 0, "top": 0, "width": 9, "height": 9, "bag": []}]})");
  Run("new 77 33");
  struct Case {
    std::string script;
    std::string error;
  };
  const Case cases[] = {
      {"load " + Quoted(folder_ / "missing.vform"),
       "error 53: File not found: " + (folder_ / "missing.vform").string() +
           ": cannot read: No such file or directory"},
      {"load " + Quoted(invalid), "error 321: Invalid file format: " + invalid.string() + ": invalid JSON"},
      {"load " + Quoted(other), "error 321: Invalid file format: " + other.string() + ": not a form file"},
      {"load " + Quoted(form) + " \"Vellumar9\"",
       "error 321: Invalid file format: " + form.string() +
           ": no control named \"Vellumar9\" (the form has \"Tabs\")"},
      {"load " + Quoted(button), "error 321: Invalid file format: " + button.string() +
                                     ": control \"Button1\" is a \"CommandButton\", not a Vellumar"},
      {"load " + Quoted(form) + " \"\"",
       "error 5: Invalid procedure call or argument: load: the control name is empty"},
  };
  for (const Case& c : cases) {
    const Lines lines = Run(c.script);
    ASSERT_EQ(lines.size(), 1u) << c.script;
    EXPECT_EQ(lines[0].rfind(c.error, 0), 0u) << lines[0];
    EXPECT_EQ(runner_.host()->width(), 77) << c.script;
  }
}

TEST_F(FormScriptTest, FailedSavesReportTheErrorAndLeaveNothingBehind) {
  const fs::path existing = File("existing.vform", "not a form, and not to be lost");
  Run("new");
  const Lines missing = Run("save " + Quoted(folder_ / "no/such/folder/x.vform"));
  ASSERT_EQ(missing.size(), 1u);
  EXPECT_EQ(missing[0].rfind("error 76: ", 0), 0u) << missing[0];
  EXPECT_NE(missing[0].find("no/such/folder/x.vform"), std::string::npos) << missing[0];
  const Lines under_a_file = Run("save " + Quoted(existing / "x.vform") + " \"Vellumar2\"");
  ASSERT_EQ(under_a_file.size(), 1u);
  EXPECT_EQ(under_a_file[0].rfind("error 76: ", 0), 0u) << under_a_file[0];
  const Lines merge = Run("save " + Quoted(existing) + " \"Vellumar2\"");
  ASSERT_EQ(merge.size(), 1u);
  EXPECT_EQ(merge[0].rfind("error 321: Invalid file format: " + existing.string(), 0), 0u) << merge[0];
  EXPECT_EQ(ReadFile(existing), "not a form, and not to be lost");
  EXPECT_EQ(Run("save " + Quoted(existing) + " \"\""),
            Lines{"error 5: Invalid procedure call or argument: save: the control name is empty"});
  EXPECT_EQ(FilesIn(folder_), 1u);
}

// After the number and the standard description an error line names the file and the reason, and it quotes
// no more than a short excerpt of what it read, however much that was.
TEST_F(FormScriptTest, ErrorLinesNameTheFileAndTheReasonInOneShortLine) {
  const fs::path missing = folder_ / "missing.bmp";
  const fs::path text = File("notes.txt", "no picture at all");
  const fs::path damaged = File("damaged.bmp", "BM and nothing else a bitmap needs");
  Run("new");
  const Lines pictures =
      Errors("set TabPicture(1) " + Quoted(missing) + "\nset TabPicture(1) " + Quoted(text) +
             "\ncall AddTab 60 \"x\" " + Quoted(damaged) + "\nset TabPicture(1) " + Quoted(folder_));
  ASSERT_EQ(pictures.size(), 4u);
  EXPECT_EQ(pictures[0], "error 53: File not found: " + missing.string() + ": No such file or directory");
  EXPECT_EQ(pictures[1], "error 481: Invalid picture: " + text.string() + ": not a BMP, ICO or PNG file");
  EXPECT_EQ(pictures[2].rfind("error 481: Invalid picture: " + damaged.string() + ": ", 0), 0u)
      << pictures[2];
  EXPECT_EQ(pictures[3], "error 75: Path/File access error: " + folder_.string() + ": not a regular file");

  std::string controls;
  for (int i = 1; i <= 2000; ++i) {
    controls += std::string(i == 1 ? "" : ",") + R"({"class": "Vellumar", "name": "Control)" +
                std::to_string(i) + R"(", "left": 0, "top": 0, "width": 9, "height": 9, "bag": []})";
  }
  const std::string head = R"({"format": "vellumar-form", "version": 1, "controls": [)";
  const fs::path crowded = File("crowded.vform", head + controls + "]}");
  const fs::path truncated = File("truncated.vform", head + "\"" + std::string(size_t{1} << 20, 'x'));
  const Lines long_ones =
      Errors("load " + Quoted(crowded) + " \"" + std::string(5000, 'N') + "\"\nload " + Quoted(truncated));
  ASSERT_EQ(long_ones.size(), 2u);
  EXPECT_NE(long_ones[0].find(R"("Control1", "Control2", "Control3", "Control4", "Control5" and 1995 more))"),
            std::string::npos)
      << long_ones[0];
  EXPECT_EQ(
      long_ones[1].rfind("error 321: Invalid file format: " + truncated.string() + ": invalid JSON: ", 0), 0u)
      << long_ones[1].substr(0, 500);
  for (const std::string& line : long_ones) EXPECT_LT(line.size(), 500u) << line.substr(0, 500);
}

// A link keeps leading to the saved file, in whatever folder that file is; a FIFO is never replaced.
TEST_F(FormScriptTest, SavesAndPaintsGoThroughLinksAndLeaveWhatIsNoFileAlone) {
  fs::create_directories(folder_ / "real");
  const fs::path form_link = folder_ / "form.vform";
  const fs::path picture_link = folder_ / "picture.png";
  fs::create_symlink("real/form.vform", form_link);                    // dangling until the first save
  fs::create_symlink(folder_ / "real" / "picture.png", picture_link);  // dangling until the paint
  const fs::path fifo = folder_ / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

  ASSERT_EQ(Errors("new 120 40\nsave " + Quoted(form_link) + " \"Second\"\nsave " + Quoted(form_link) +
                   " \"Third\"\npaint " + Quoted(picture_link)),
            Lines{});
  EXPECT_TRUE(fs::is_symlink(form_link));
  EXPECT_TRUE(fs::is_symlink(picture_link));
  const Form saved = LoadForm((folder_ / "real" / "form.vform").string());
  ASSERT_EQ(saved.controls.size(), 2u);
  EXPECT_EQ(saved.controls[1].name, "Third");
  EXPECT_EQ(saved.controls[0].width, 120);
  EXPECT_EQ(LoadPicture((folder_ / "real" / "picture.png").string())->bitmap().width(), 120);

  const std::string refused =
      "error 75: Path/File access error: " + fifo.string() + ": not a regular file: a FIFO";
  EXPECT_EQ(Errors("save " + Quoted(fifo) + "\npaint " + Quoted(fifo)), (Lines{refused, refused}));
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_EQ(FilesIn(folder_), 4u);
  EXPECT_EQ(FilesIn(folder_ / "real"), 2u);
}

TEST_F(FormScriptTest, ASaveIntoAReadOnlyFolderKeepsTheEarlierFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
  const fs::path existing = File("existing.vform", "not a form, and not to be lost");
  Run("new");
  fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
  const Lines denied = Run("save " + Quoted(existing));
  ASSERT_EQ(denied.size(), 1u);
  EXPECT_EQ(denied[0].rfind("error 70: Permission denied: " + existing.string() + ": the folder " +
                                folder_.string() +
                                " does not allow creating the temporary file that an atomic save needs",
                            0),
            0u)
      << denied[0];
  fs::permissions(folder_, fs::perms::owner_all);
  EXPECT_EQ(ReadFile(existing), "not a form, and not to be lost");
  EXPECT_EQ(FilesIn(folder_), 1u);
}

// A load is all or nothing. A form the control cannot take whole (more tabs than a save would write, a size
// the host refuses) is refused with one error line naming the file, the control and the reason; the current
// control, the output and the next save stay as they were. A count below zero is skipped like any value the
// control cannot use, and the rest loads.
TEST_F(FormScriptTest, AFailedLoadReplacesNothing) {
  const auto form = [&](const std::string& count, const std::string& width) {
    std::string text = FormText(R"({"key": "TabHeight", "type": "int", "value": 31},
        {"key": "NumberOfTabs", "type": "int", "value": )" +
                                count + R"(},
        {"key": "TabText1", "type": "string", "value": "Eins"})");
    return File("f.vform", text.replace(text.find("\"width\": 200"), 12, "\"width\": " + width));
  };
  const std::string too_many =
      "Out of memory: " + (folder_ / "f.vform").string() + ": control \"Vellumar1\": key \"NumberOfTabs\": ";
  const struct {
    std::string count;
    std::string width;
    std::string error;
  } cases[] = {
      {"100001", "200", "error 7: " + too_many + "100001 tabs, at most 100000"},
      {"2147483647", "200", "error 7: " + too_many + "2147483647 tabs, at most 100000"},
      {"1", "2147483647",
       "error 7: Out of memory: " + (folder_ / "f.vform").string() +
           ": control \"Vellumar1\": surface of 2147483647 x 90 pixels is larger than the "
           "host can hold"},
      {"1", "-1",
       "error 321: Invalid file format: " + (folder_ / "f.vform").string() +
           ": control \"Vellumar1\" was saved at -1 x 90 pixels; a side cannot be negative"},
  };
  const fs::path earlier = folder_ / "earlier.vform";
  for (const auto& c : cases) {
    Run("new 77 33\nset TabCaption(1) \"Vorher\"");
    EXPECT_EQ(Run("load " + Quoted(form(c.count, c.width))), Lines{c.error});
    EXPECT_EQ(Get("TabCaption(1)"), "= \"Vorher\"") << c.count;
    ASSERT_EQ(Errors("save " + Quoted(earlier)), Lines{});
    EXPECT_EQ(LoadForm(earlier.string()).controls[0].width, 77) << c.count;
  }
  Run("load " + Quoted(form("-5", "200")));
  EXPECT_EQ(Get("NumberOfTabs"), "= 0");
  EXPECT_EQ(Get("TabHeight"), "= 31");
  EXPECT_EQ(runner_.host()->width(), 200);
}

// What a load cannot use is written back by the next save as the file had it: a damaged entry, a key the
// control does not know, a tab beyond the stored count, a picture that is none (members in the order a save
// writes a damaged entry). A value the script changed since the load is saved as changed.
TEST_F(FormScriptTest, WhatALoadCannotUseTheNextSaveWritesBackUnchanged) {
  const std::vector<std::string> kept = {
      R"({"key":"TabWidth2","note":[1,2],"type":"int","value":"sechzig"})",
      R"({"key":"Kommentar","type":"string","value":"von Hand"})",
      R"({"key":"TabText7","type":"string","value":"jenseits"})",
      R"({"key":"TabPicture1","data":"Qk0*","format":"bmp","kind":"bitmap","type":"picture"})",
      R"({"key":"Font","name":"Tahoma","type":"font"})",
  };
  std::string entries = R"({"key":"NumberOfTabs","type":"int","value":2},)"
                        R"({"key":"TabWidth1","type":"int","value":50},)";
  for (const std::string& entry : kept) entries += entry + (&entry == &kept.back() ? "" : ",");
  const fs::path damaged = File("damaged.vform", FormText(entries));
  const fs::path saved = folder_ / "saved.vform";
  ASSERT_EQ(Errors("load " + Quoted(damaged) + "\nsave " + Quoted(saved)), Lines{});
  const std::string text = ReadFile(saved);
  for (const std::string& entry : kept) EXPECT_NE(text.find(entry), std::string::npos) << entry;
  ASSERT_EQ(Errors("load " + Quoted(saved) + "\nsave " + Quoted(folder_ / "again.vform")), Lines{});
  EXPECT_EQ(ReadFile(folder_ / "again.vform"), text);

  ASSERT_EQ(Errors("load " + Quoted(damaged) + "\nset TabWidth(2) 70\nset FontName \"Arial\"\ncall AddTab\n" +
                   "call AddTab\ncall AddTab\ncall AddTab\ncall AddTab\nsave " + Quoted(saved)),
            Lines{});
  const PropertyBag bag = LoadForm(saved.string()).controls[0].bag;
  EXPECT_EQ(ToInt32(bag.ReadProperty("TabWidth2")), 70);
  EXPECT_EQ(ToString(bag.ReadProperty("TabText7")), "Register");
  EXPECT_EQ(ToFont(bag.ReadProperty("Font"))->Name(), "Arial");
  EXPECT_EQ(ToString(bag.ReadProperty("Kommentar")), "von Hand");
  EXPECT_NE(bag.ReadProperty("TabPicture1").invalid(), nullptr);
}

TEST_F(FormScriptTest, NoFilesAreTouchedWhenFileAccessIsOff) {
  std::ostringstream out;
  ScriptRunner runner(out, RunnerOptions{.allow_files = false});
  const fs::path form = folder_ / "x.vform";
  runner.Run(ParseScript("new\nsave " + Quoted(form) + "\nload " + Quoted(kPictures / "icon-tab.vform")));
  const std::string refused = "error 70: Permission denied: file access is disabled in this run\n";
  EXPECT_TRUE(out.str().ends_with(refused + refused)) << out.str();
  EXPECT_FALSE(fs::exists(form));
}

// A save by name keeps the form's other controls and its own members exactly as they were written, and
// the control it saves again keeps its own unknown members and those of its entries; so does a plain
// load and save.
TEST_F(FormScriptTest, WhatASaveDoesNotTouchStaysAsItWasFound) {
  const std::string other =
      R"({"class": "Vellumar", "name": "Other", "tabIndex": 2, "left": 0, "top": 0, "width": 10, )"
      R"("height": 10, "bag": [{"key": "TabText1", "type": "string", "value": "a", "lang": "de"}, )"
      R"({"key": "tabtext1", "type": "string", "value": "b", "since": 3}]})";
  const fs::path form =
      File("form.vform", R"({"format": "vellumar-form", "version": 1, "author": "Ann", )"
                         R"("controls": [)" +
                             other + ", " +
                             FormText(R"({"key":"TabHeight","type":"int","value":30,"lang":"x"})", "Main")
                                 .substr(FormText("").find('[') + 1));
  ASSERT_EQ(Errors("load " + Quoted(form) + " \"Main\"\nset TabHeight 31\nsave " + Quoted(form) +
                   " \"Main\"\nsave " + Quoted(folder_ / "plain.vform")),
            Lines{});
  const std::string text = ReadFile(form);
  EXPECT_NE(text.find(other), std::string::npos) << text;
  EXPECT_NE(text.find(R"("author": "Ann",)"), std::string::npos) << text;
  EXPECT_NE(text.find(R"({"key":"TabHeight","type":"int","value":31,"lang":"x"})"), std::string::npos)
      << text;
  const std::string plain = ReadFile(folder_ / "plain.vform");
  EXPECT_NE(plain.find(R"({"key":"TabHeight","type":"int","value":31,"lang":"x"})"), std::string::npos)
      << plain;
}

// An entry kept because its tab was beyond the stored count stays beyond the count: a tab added later does
// not get it, and it is still in the file.
TEST_F(FormScriptTest, AKeptTabEntryNeverComesBackToATabMadeLater) {
  FormControl control{"Vellumar", "Vellumar1", 8, 8, 200, 90, {}};
  control.bag.WriteProperty("NumberOfTabs", PropertyValue::Int32(2));
  control.bag.WriteProperty("TabText1", PropertyValue::String("a"));
  control.bag.WriteProperty("TabText2", PropertyValue::String("b"));
  control.bag.WriteProperty("TabPicture3",
                            PropertyValue::Picture(LoadPicture((kPictures / "star16.bmp").string())));
  control.bag.WriteProperty("tabtext3", PropertyValue::String("alt"));
  Form saved;
  saved.controls.push_back(std::move(control));
  const fs::path form = folder_ / "form.vform";
  SaveForm(saved, form.string());
  ASSERT_EQ(Errors("load " + Quoted(form) + "\ncall AddTab 40 \"neu\"\nsave " + Quoted(form) + "\nload " +
                   Quoted(form)),
            Lines{});
  EXPECT_EQ(Get("TabPicture(3)"), "= Nothing");
  EXPECT_EQ(Get("TabCaption(3)"), "= \"neu\"");
  const PropertyBag bag = LoadForm(form.string()).controls[0].bag;
  EXPECT_EQ(ToPicture(bag.ReadProperty("TabPicture4"))->Width(), 423);
  EXPECT_EQ(ToString(bag.ReadProperty("TabText4")), "alt");
  ASSERT_EQ(Errors("call DeleteTab\ncall DeleteTab\nsave " + Quoted(form)), Lines{});
  EXPECT_EQ(ToString(LoadForm(form.string()).controls[0].bag.ReadProperty("TabText4")), "alt");
}

// A save by name never replaces a control of another class: it is refused, naming the control and its
// class, and the form stays as it was.
TEST_F(FormScriptTest, ASaveDoesNotReplaceAControlOfAnotherClass) {
  const std::string text =
      R"({"format": "vellumar-form", "version": 1, "controls": [{"class": "CommandButton", )"
      R"("name": "OK", "left": 0, "top": 0, "width": 80, "height": 24, "bag": [)"
      R"({"key": "Caption", "type": "string", "value": "OK"}]}]})";
  const fs::path form = File("form.vform", text);
  const Lines errors = Errors("new 100 30\nsave " + Quoted(form) + " \"ok\"");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("control \"OK\" is a \"CommandButton\", not a Vellumar"), std::string::npos)
      << errors[0];
  EXPECT_EQ(ReadFile(form), text);
}

// Two processes that each store many controls into one form by name, at the same time, end with every
// control in the form: each read, change and rename holds the form's lock.
TEST_F(FormScriptTest, ConcurrentSavesIntoOneFormKeepEveryControl) {
  constexpr int kEach = 40;
  const fs::path form = folder_ / "form.vform";
  std::string command;
  for (const std::string who : {"A", "B"}) {
    std::string script = "new 60 30\n";
    for (int i = 0; i < kEach; ++i)
      script += "save " + Quoted(form) + " \"" + who + std::to_string(i) + "\"\n";
    command += "'" + std::string(VELLUMAR_TOOL) + "' run " + Quoted(File(who + ".vscript", script)) + " & " +
               who + "=$!; ";
  }
  ASSERT_EQ(std::system(("s=0; " + command + "wait $A || s=1; wait $B || s=1; exit $s").c_str()), 0);
  EXPECT_EQ(LoadForm(form.string()).controls.size(), size_t{2 * kEach});
}

// A save waits for a save of the same form that holds its lock (through a link to it, or of a form not
// there yet) and, when that takes too long, fails naming the file and leaves everything as it was.
TEST_F(FormScriptTest, ASaveThatCannotGetTheLockFailsNamingTheFile) {
  const fs::path form = folder_ / "form.vform";
  ASSERT_EQ(Errors("new\nsave " + Quoted(form)), Lines{});
  const std::string before = ReadFile(form);
  fs::create_symlink("form.vform", folder_ / "link.vform");
  for (const std::string name : {"form.vform", "link.vform", "new.vform"}) {
    const fs::path path = folder_ / name;
    const FormFileLock held((name == "link.vform" ? form : path).string());
    const auto start = std::chrono::steady_clock::now();
    std::string error = "no error";
    try {
      StoreControl(FormControl{"Vellumar", "X", 0, 0, 10, 10, {}}, path.string(), true,
                   std::chrono::milliseconds(200));
    } catch (const HostError& failure) {
      error = failure.what();
    }
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
    EXPECT_EQ(error, "Permission denied: " + path.string() +
                         ": cannot save: another save of this form did not finish within 200 ms");
  }
  EXPECT_EQ(ReadFile(form), before);
  EXPECT_FALSE(fs::exists(folder_ / "new.vform"));
}

}  // namespace
}  // namespace vellumar
