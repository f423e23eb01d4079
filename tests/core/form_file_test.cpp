// [SECTION] Index
//   Fixtures        a scratch directory, hand-made BMP and ICO bytes
//   Round trips     every value type, several controls, invalid entries written back
//   Saving          failures leave the earlier file byte for byte
//   Hostile files   refused files and invalid entries
#include "platform/form_file/form_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <bit>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/errors/host_error.h"
#include "platform/form_file/form_file_base64.h"

namespace vellumar {
namespace {

namespace fs = std::filesystem;

// [SECTION] Fixtures

class ScratchDirectory {
 public:
  ScratchDirectory() {
    std::string pattern = (fs::temp_directory_path() / "form_file_test-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~ScratchDirectory() {
    ::chmod(path_.c_str(), 0700);
    fs::remove_all(path_);
  }
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  const std::string& path() const { return path_; }
  size_t FileCount() const { return static_cast<size_t>(std::distance(fs::directory_iterator(path_), {})); }

 private:
  std::string path_;
};

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// A 24-bit BMP whose header claims width x height; pixel (x, y) is colour(x, y) as 0x00BBGGRR, and only the
// first data_rows rows are present.
template <typename Color>
std::vector<uint8_t> Bmp24(int32_t width, int32_t height, Color color, int32_t data_rows) {
  const uint32_t stride = (static_cast<uint32_t>(width) * 3 + 3) / 4 * 4;
  std::vector<uint8_t> out = {'B', 'M'};
  PutLe(out, 54 + stride * static_cast<uint32_t>(data_rows), 4);
  PutLe(out, 0, 4);
  PutLe(out, 54, 4);
  for (const uint32_t field : {40u, static_cast<uint32_t>(width), static_cast<uint32_t>(height)})
    PutLe(out, field, 4);
  PutLe(out, 1, 2);
  PutLe(out, 24, 2);
  for (int i = 0; i < 6; ++i) PutLe(out, 0, 4);
  for (int32_t row = 0; row < data_rows; ++row) {
    const int32_t y = height - 1 - row;
    for (int32_t x = 0; x < width; ++x) {
      const uint32_t c = color(x, y);
      out.insert(out.end(),
                 {static_cast<uint8_t>(c >> 16), static_cast<uint8_t>(c >> 8), static_cast<uint8_t>(c)});
    }
    out.resize(out.size() + stride - static_cast<uint32_t>(width) * 3, 0);
  }
  return out;
}

std::vector<uint8_t> SmallBmp(int32_t side = 2) {
  return Bmp24(
      side, side, [](int32_t x, int32_t y) { return static_cast<uint32_t>(0x102030 + x * 7 + y * 11); },
      side);
}

// A 2 x 2 ICO, 24-bit colours, pixel (1, 0) transparent.
std::vector<uint8_t> SmallIco() {
  std::vector<uint8_t> out;
  PutLe(out, 0, 2);
  PutLe(out, 1, 2);
  PutLe(out, 1, 2);
  out.insert(out.end(), {2, 2, 0, 0});
  PutLe(out, 1, 2);
  PutLe(out, 24, 2);
  PutLe(out, 40 + 16 + 8, 4);
  PutLe(out, 22, 4);
  for (const uint32_t field : {40u, 2u, 4u}) PutLe(out, field, 4);
  PutLe(out, 1, 2);
  PutLe(out, 24, 2);
  for (int i = 0; i < 6; ++i) PutLe(out, 0, 4);
  out.insert(out.end(), {0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0, 0});  // bottom row: red, green
  out.insert(out.end(), {0xFF, 0x00, 0x00, 0x80, 0x80, 0x80, 0, 0});  // top row: blue, grey
  out.insert(out.end(), {0x00, 0, 0, 0});                             // bottom row mask
  out.insert(out.end(), {0x40, 0, 0, 0});                             // top row mask: x = 1 transparent
  return out;
}

std::string Base64(const std::vector<uint8_t>& bytes) {
  return form_file::EncodeBase64(bytes);
}

std::string FormWithEntries(const std::string& entries) {
  return R"({"format":"vellumar-form","version":1,"controls":[{"class":"Vellumar","name":"Tabs1","left":0,)"
         R"("top":0,"width":300,"height":200,"bag":[)" +
         entries + "]}]}";
}

template <typename Action>
HostError ErrorOf(Action action) {
  try {
    action();
  } catch (const HostError& error) {
    return error;
  }
  return HostError(0, "no error");
}

void ExpectSameValue(const PropertyValue& saved, const PropertyValue& loaded, const std::string& key) {
  ASSERT_EQ(saved.type(), loaded.type()) << key;
  switch (saved.type()) {
    case PropertyType::kFloat:
      EXPECT_EQ(std::bit_cast<uint32_t>(ToFloat(saved)), std::bit_cast<uint32_t>(ToFloat(loaded))) << key;
      break;
    case PropertyType::kString:
      EXPECT_EQ(ToString(saved), ToString(loaded)) << key;
      break;
    case PropertyType::kPicture:
      EXPECT_EQ(ToPicture(saved)->Type(), ToPicture(loaded)->Type()) << key;
      EXPECT_TRUE(saved == loaded) << key;
      break;
    default:
      EXPECT_TRUE(saved == loaded) << key;
  }
}

// [SECTION] Round trips

PropertyBag BagOfEveryType() {
  PropertyBag bag;
  bag.WriteProperty("IntMin", PropertyValue::Int32(std::numeric_limits<int32_t>::min()));
  bag.WriteProperty("IntMax", PropertyValue::Int32(std::numeric_limits<int32_t>::max()));
  bag.WriteProperty("ForeColor", PropertyValue::Int32(static_cast<int32_t>(0x80000012)));
  bag.WriteProperty("True", PropertyValue::Bool(kTrue));
  bag.WriteProperty("False", PropertyValue::Bool(kFalse));
  const std::vector<float> floats = {0.1F,
                                     8.25F,
                                     -0.0F,
                                     std::numeric_limits<float>::denorm_min(),
                                     std::numeric_limits<float>::max(),
                                     std::numeric_limits<float>::infinity(),
                                     -std::numeric_limits<float>::infinity(),
                                     std::bit_cast<float>(0x7FC01234U)};
  for (size_t i = 0; i < floats.size(); ++i) {
    bag.WriteProperty("Float" + std::to_string(i), PropertyValue::Float(floats[i]));
  }
  bag.WriteProperty("Unicode", PropertyValue::String("Größe — 日本語 \U0001F600 \"quoted\" \\ \n"));
  bag.WriteProperty("Nul", PropertyValue::String(std::string("a\0b", 3)));
  bag.WriteProperty("Windows1252", PropertyValue::String("caf\xE9 \xFF"));
  auto font = std::make_shared<StdFont>();
  font->SetName("Trebuchet MS");
  font->SetSize(9.75);
  font->SetWeight(600);
  font->SetCharset(161);
  font->SetItalic(true);
  font->SetUnderline(true);
  font->SetStrikethrough(true);
  bag.WriteProperty("Font", PropertyValue::Font(font));
  bag.WriteProperty("BitmapFile", PropertyValue::Picture(LoadPictureFromMemory(SmallBmp())));
  bag.WriteProperty("IconFile", PropertyValue::Picture(LoadPictureFromMemory(SmallIco())));
  Bitmap pixels(3, 2);
  pixels.SetPixel(2, 1, 0x00ABCDEF);
  bag.WriteProperty("BitmapInMemory", PropertyValue::Picture(StdPicture::FromBitmap(std::move(pixels))));
  IconImage icon{Bitmap(4, 3), Bitmap(4, 3, PixelFormat::kMono1), {}};
  icon.color.SetPixel(1, 2, 0x000000FF);
  icon.mask.SetPixel(3, 0, 1);
  bag.WriteProperty("IconInMemory", PropertyValue::Picture(StdPicture::FromIcon(std::move(icon))));
  bag.WriteProperty("NoPictureObject", PropertyValue::Picture(StdPicture::OfType(PictureType::kNone, 0, 0)));
  bag.WriteProperty("Nothing", PropertyValue::Nothing());
  bag.WriteProperty("Empty", PropertyValue());
  return bag;
}

TEST(FormFile, EveryValueTypeComesBackExactlyThroughAFile) {
  ScratchDirectory dir;
  Form form;
  form.controls.push_back({"Vellumar", "Tabs1", -5, 7, 300, 200, BagOfEveryType()});
  SaveForm(form, dir.File("every.vform"));
  const Form loaded = LoadForm(dir.File("every.vform"));

  ASSERT_EQ(loaded.controls.size(), 1u);
  const PropertyBag& saved_bag = form.controls[0].bag;
  const PropertyBag& loaded_bag = loaded.controls[0].bag;
  ASSERT_EQ(loaded_bag.size(), saved_bag.size());
  for (size_t i = 0; i < saved_bag.size(); ++i) {
    EXPECT_EQ(loaded_bag.entries()[i].key, saved_bag.entries()[i].key);
    ExpectSameValue(saved_bag.entries()[i].value, loaded_bag.entries()[i].value, saved_bag.entries()[i].key);
  }
  EXPECT_EQ(ToPicture(loaded_bag.ReadProperty("IconInMemory"))->Type(), PictureType::kIcon);
  EXPECT_EQ(ToPicture(loaded_bag.ReadProperty("IconFile"))->file_bytes(), SmallIco());
  EXPECT_EQ(ToFont(loaded_bag.ReadProperty("Font"))->SizeCurrency(), 97500);
}

TEST(FormFile, SeveralControlsKeepOrderPlaceAndSize) {
  Form form;
  for (int i = 0; i < 3; ++i) {
    FormControl control{"Vellumar", "Tabs" + std::to_string(i), i, 2 * i, 100 + i, 50 + i, {}};
    for (int tab = 1; tab <= 3; ++tab) {
      control.bag.WriteProperty("TabText" + std::to_string(tab),
                                PropertyValue::String("c" + std::to_string(i)));
    }
    form.controls.push_back(std::move(control));
  }
  form.controls[1].bag = PropertyBag();
  const Form loaded = ParseForm(SerializeForm(form, "x.vform"), "x.vform");
  ASSERT_EQ(loaded.controls.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    const FormControl& control = loaded.controls[static_cast<size_t>(i)];
    EXPECT_EQ(control.name, "Tabs" + std::to_string(i));
    EXPECT_EQ(control.left, i);
    EXPECT_EQ(control.top, 2 * i);
    EXPECT_EQ(control.width, 100 + i);
    EXPECT_EQ(control.height, 50 + i);
    EXPECT_EQ(control.bag.size(), i == 1 ? 0u : 3u);
  }
  EXPECT_EQ(FindControl(loaded, "TABS2"), &loaded.controls[2]);
  EXPECT_EQ(FindControl(loaded, "Tabs9"), nullptr);
  EXPECT_EQ(SerializeForm(loaded, "x.vform"), SerializeForm(form, "x.vform"));
}

TEST(FormFile, InvalidEntriesAreWrittenBackUnchanged) {
  const std::string text = FormWithEntries(R"({"key":"TabWidth1","type":"int","value":1.5,"note":[1,2]},)"
                                           R"({"key":"TabWidth2","type":"int","value":60})");
  const Form first = ParseForm(text, "in.vform");
  const Form second = ParseForm(SerializeForm(first, "out.vform"), "out.vform");
  const PropertyValue value = second.controls[0].bag.ReadProperty("TabWidth1");
  ASSERT_NE(value.invalid(), nullptr);
  EXPECT_EQ(value.invalid()->encoded, first.controls[0].bag.ReadProperty("TabWidth1").invalid()->encoded);
  EXPECT_EQ(ToInt32(second.controls[0].bag.ReadProperty("TabWidth2")), 60);
}

Form SmallForm(int32_t width);

// The form with every control written from its values, as a save of controls loaded from it writes them.
Form FromValues(Form form) {
  for (FormControl& control : form.controls) control.source.clear();
  return form;
}

// Members this program does not read, at every level, and earlier entries of a key (in another case) come
// back as they were found: a control written back untouched as its text, one written from its values with
// the same members and entries, and neither can change what the next load reads.
TEST(FormFile, WhatALoadDoesNotReadIsWrittenBackAsFound) {
  const std::string other =
      R"({"class": "Vellumar", "name": "Other", "tabIndex": 2, "left": 0, "top": 0, "width": 10, )"
      R"("height": 10, "bag": [{"key": "TabText1", "type": "string", "value": "a", "lang": "de"}, )"
      R"({"key": "tabtext1", "type": "string", "value": "b"}]})";
  const std::string text =
      R"({"format": "vellumar-form", "author": {"name": "Ann", "tools": [1, 2.50]}, "version": 1, )"
      R"("controls": [)" +
      other +
      R"(, {"class": "Vellumar", "name": "Main", "left": 1, "top": 2, "width": 30, "height": 40, )"
      R"("tabIndex": [3, {"x": null}], "bag": [{"key": "TabHeight", "since": 1.0e2, "type": "int", )"
      R"("value": 30, "lang": "x"}, {"key": "Font", "type": "int", "value": 1}, )"
      R"({"key": "FONT", "type": "int", "value": 2, "note": "later"}]}]})";
  const Form form = ParseForm(text, "f.vform");
  EXPECT_NE(SerializeForm(form, "f.vform").find(other), std::string::npos);

  const std::string rewritten = SerializeForm(FromValues(form), "f.vform");
  for (const std::string piece : {R"("author": {"name": "Ann", "tools": [1, 2.50]},)", R"("tabIndex": 2,)",
                                  R"("tabIndex": [3, {"x": null}],)",
                                  R"({"key": "TabText1", "type": "string", "value": "a", "lang": "de"},)",
                                  R"({"key":"TabText1","type":"string","value":"b"})",
                                  R"({"key":"TabHeight","type":"int","value":30,"since":1.0e2,"lang":"x"})",
                                  R"({"key": "Font", "type": "int", "value": 1},)",
                                  R"({"key":"Font","type":"int","value":2,"note":"later"})"}) {
    EXPECT_NE(rewritten.find(piece), std::string::npos) << piece << "\n" << rewritten;
  }
  const Form again = ParseForm(rewritten, "f.vform");
  EXPECT_EQ(ToString(again.controls[0].bag.ReadProperty("TabText1")), "b");
  EXPECT_EQ(ToInt32(again.controls[1].bag.ReadProperty("Font")), 2);
  EXPECT_EQ(SerializeForm(FromValues(again), "f.vform"), rewritten);

  // A form without such members is written to the same bytes as before.
  const std::string plain = SerializeForm(SmallForm(7), "f.vform");
  EXPECT_EQ(SerializeForm(FromValues(ParseForm(plain, "f.vform")), "f.vform"), plain);
}

// [SECTION] Saving

Form SmallForm(int32_t width) {
  Form form;
  form.controls.push_back({"Vellumar", "Tabs1", 0, 0, width, 20, {}});
  form.controls[0].bag.WriteProperty("TabText1", PropertyValue::String(std::string(5000, 'x')));
  return form;
}

TEST(FormFile, FailedSavesLeaveTheEarlierFileByteForByte) {
  struct Case {
    const char* what;
    FileWriteOps ops;
    int expected;
  };
  FileWriteOps full_disk;
  full_disk.write = [calls = std::make_shared<int>(0)](int fd, const void* data, size_t size) -> ssize_t {
    if (++*calls == 1) return ::write(fd, data, std::min<size_t>(size, 100));
    errno = ENOSPC;
    return -1;
  };
  FileWriteOps failing_fsync;
  failing_fsync.fsync = [](int) {
    errno = EIO;
    return -1;
  };
  FileWriteOps read_only;
  read_only.mkstemps = [](char*, int) {
    errno = EROFS;
    return -1;
  };
  FileWriteOps failing_rename;
  failing_rename.rename = [](const char*, const char*) {
    errno = EACCES;
    return -1;
  };
  const std::vector<Case> cases = {{"disk full part-way", full_disk, kErrDiskFull},
                                   {"fsync fails", failing_fsync, kErrPathFileAccess},
                                   {"read-only file system", read_only, kErrPermissionDenied},
                                   {"rename refused", failing_rename, kErrPermissionDenied}};
  for (const Case& c : cases) {
    ScratchDirectory dir;
    const std::string path = dir.File("form.vform");
    SaveForm(SmallForm(1), path);
    const std::string before = ReadAll(path);
    const HostError error = ErrorOf([&] { SaveForm(SmallForm(2), path, c.ops); });
    EXPECT_EQ(error.number(), c.expected) << c.what;
    EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << c.what << ": " << error.what();
    EXPECT_EQ(ReadAll(path), before) << c.what;
    EXPECT_EQ(dir.FileCount(), 1u) << c.what << ": the temporary file is gone";
  }
}

TEST(FormFile, SaveIntoAMissingDirectoryFails) {
  ScratchDirectory dir;
  EXPECT_EQ(ErrorOf([&] { SaveForm(SmallForm(1), dir.File("no/such/dir.vform")); }).number(),
            kErrPathNotFound);
}

TEST(FormFile, SaveIntoAReadOnlyDirectoryFails) {
  ScratchDirectory dir;
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
  const std::string path = dir.File("form.vform");
  SaveForm(SmallForm(1), path);
  const std::string before = ReadAll(path);
  ::chmod(dir.path().c_str(), 0500);
  EXPECT_EQ(ErrorOf([&] { SaveForm(SmallForm(2), path); }).number(), kErrPermissionDenied);
  EXPECT_EQ(ReadAll(path), before);
}

TEST(FormFile, SaveKeepsThePermissionsOfTheReplacedFile) {
  ScratchDirectory dir;
  const std::string path = dir.File("form.vform");
  SaveForm(SmallForm(1), path);
  ::chmod(path.c_str(), 0640);
  SaveForm(SmallForm(2), path);
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  EXPECT_EQ(LoadForm(path).controls[0].width, 2);
}

TEST(FormFile, UnstorableFormsAreRefusedBeforeAnythingIsWritten) {
  Form form = SmallForm(1);
  form.controls[0].bag.WriteProperty(
      "Metafile", PropertyValue::Picture(StdPicture::OfType(PictureType::kMetafile, 4, 4)));
  const HostError picture = ErrorOf([&] { SerializeForm(form, "f.vform"); });
  EXPECT_EQ(picture.number(), kErrInvalidPicture);
  EXPECT_NE(std::string(picture.what()).find("\"Metafile\""), std::string::npos) << picture.what();
  form = SmallForm(1);
  form.controls[0].name = "bad\xC0";
  EXPECT_EQ(ErrorOf([&] { SerializeForm(form, "f.vform"); }).number(), kErrPathFileAccess);
}

// [SECTION] Limits shared by saving and loading

// A picture of one of the kinds a form stores, of a random size: a BMP or an ICO file, or pixels made in
// memory, so that the pixels a save counts are the ones a load decodes.
StdPictureRef RandomPicture(std::mt19937& random) {
  const auto side = static_cast<int32_t>(1 + random() % 24);
  switch (random() % 3) {
    case 0:
      return LoadPictureFromMemory(SmallBmp(side));
    case 1:
      return LoadPictureFromMemory(SmallIco());
    default:
      return StdPicture::FromBitmap(Bitmap(side, 1 + side / 2));
  }
}

bool HasInvalidEntry(const Form& form) {
  for (const FormControl& control : form.controls) {
    for (const PropertyBag::Entry& entry : control.bag.entries()) {
      if (entry.value.invalid() != nullptr) return true;
    }
  }
  return false;
}

// One picture budget serves both directions: over a seeded sweep of forms, a save under a budget succeeds
// exactly when a load under the same budget takes every picture of the form, and what it wrote loads back
// entry for entry.
TEST(FormFile, SaveAcceptsExactlyTheFormsThatLoadWhole) {
  std::mt19937 random(9);
  int refused = 0;
  for (int round = 0; round < 300; ++round) {
    Form form;
    for (uint32_t c = 0; c <= random() % 3; ++c) {
      FormControl control{"Vellumar", "Tabs" + std::to_string(c), 0, 0, 10, 10, {}};
      for (uint32_t i = 0; i <= random() % 5; ++i) {
        control.bag.WriteProperty("Width" + std::to_string(i), PropertyValue::Int32(static_cast<int32_t>(i)));
        control.bag.WriteProperty("Picture" + std::to_string(i),
                                  PropertyValue::Picture(RandomPicture(random)));
      }
      form.controls.push_back(std::move(control));
    }
    const int64_t budget = random() % 2000;
    const bool loads_whole = !HasInvalidEntry(ParseForm(SerializeForm(form, "f.vform"), "f.vform", budget));
    std::string text;
    const HostError error = ErrorOf([&] { text = SerializeForm(form, "f.vform", budget); });
    ASSERT_EQ(text.empty(), !loads_whole) << "round " << round << ": " << error.what();
    if (!loads_whole) {
      ++refused;
      EXPECT_EQ(error.number(), kErrOutOfMemory);
      EXPECT_EQ(std::string(error.what()).rfind("Out of memory: f.vform: control \"Tabs", 0), 0u)
          << error.what();
      continue;
    }
    const Form loaded = ParseForm(text, "f.vform", budget);
    ASSERT_EQ(loaded.controls.size(), form.controls.size());
    for (size_t c = 0; c < form.controls.size(); ++c) {
      for (const PropertyBag::Entry& entry : form.controls[c].bag.entries()) {
        ExpectSameValue(entry.value, loaded.controls[c].bag.ReadProperty(entry.key), entry.key);
      }
    }
  }
  EXPECT_GT(refused, 50);
  EXPECT_LT(refused, 250);
}

// A form larger than a load reads is refused by the save, naming the file and the limit, and the earlier
// file stays.
TEST(FormFile, SaveRefusesAFormLargerThanALoadReads) {
  ScratchDirectory dir;
  const std::string path = dir.File("form.vform");
  SaveForm(SmallForm(1), path);
  const std::string before = ReadAll(path);
  Form huge = SmallForm(2);
  huge.controls[0].bag.WriteProperty("Text", PropertyValue::String(std::string(kMaxFormFileBytes, 'x')));
  const HostError error = ErrorOf([&] { SaveForm(huge, path); });
  EXPECT_EQ(error.number(), kErrOutOfMemory);
  EXPECT_EQ(std::string(error.what()),
            "Out of memory: " + path + ": a load would refuse the form: larger than 64 MiB");
  EXPECT_EQ(ReadAll(path), before);
  EXPECT_EQ(dir.FileCount(), 1u);
}

// A compact form close to the size limit loads, so it saves back, changed or not, although one entry a line
// would take it past the limit: the save writes it without spacing.
TEST(FormFile, EveryFormThatLoadsCanBeSavedBack) {
  constexpr int kEntries = 200000;
  const auto text = [](int32_t seventh, size_t pad) {
    std::string entries;
    for (int i = 0; i < kEntries; ++i) {
      entries += R"({"key":"K)" + std::to_string(i) + R"(","type":"int","value":)" +
                 std::to_string(i == 7 ? seventh : i) + "},";
    }
    return FormWithEntries(entries + R"({"key":"Pad","type":"string","value":")" + std::string(pad, 'p') +
                           R"("})");
  };
  const size_t pad = static_cast<size_t>(kMaxFormFileBytes) - text(7, 0).size() - (size_t{64} << 10);
  Form form = FromValues(ParseForm(text(7, pad), "big.vform"));
  form.controls[0].bag.WriteProperty("K7", PropertyValue::Int32(-7));
  EXPECT_EQ(SerializeForm(form, "big.vform"), text(-7, pad) + "\n");
}

// [SECTION] Hostile files

TEST(FormFile, DamagedFilesAreRefusedWithTheFileAndTheProblem) {
  struct Case {
    const char* what;
    std::string text;
    const char* problem;
  };
  const std::string good = FormWithEntries(R"({"key":"A","type":"int","value":1})");
  const std::vector<Case> cases = {
      {"empty file", "", "invalid JSON"},
      {"truncated", good.substr(0, good.size() / 2), "invalid JSON"},
      {"not JSON", "vellumar-form 1", "invalid JSON"},
      {"number overflow", R"({"format":"vellumar-form","version":1e400,"controls":[]})", "invalid JSON"},
      {"deep nesting", std::string(100000, '['), "nested more than 64"},
      {"many tokens", "[" + std::string(size_t{5} << 20, ',') + "]", "values"},
      {"array root", "[]", "not a JSON object"},
      {"other format", R"({"format":"other","version":1,"controls":[]})", "not a form file"},
      {"newer version", R"({"format":"vellumar-form","version":2,"controls":[]})", "unsupported version 2"},
      {"no controls", R"({"format":"vellumar-form","version":1})", "\"controls\""},
      {"control not object", R"({"format":"vellumar-form","version":1,"controls":[7]})", "control 1"},
      {"control without name", R"({"format":"vellumar-form","version":1,"controls":[{"class":"Vellumar"}]})",
       "\"name\""},
      {"huge left",
       R"({"format":"vellumar-form","version":1,"controls":[{"class":"V","name":"T","left":4294967296,)"
       R"("top":0,"width":1,"height":1,"bag":[]}]})",
       "\"left\" must be a 32-bit integer"},
      {"no bag",
       R"({"format":"vellumar-form","version":1,"controls":[{"class":"V","name":"T","left":0,)"
       R"("top":0,"width":1,"height":1}]})",
       "\"bag\""},
      {"no format", R"({"version":1,"controls":[]})", "not a form file"},
      {"name twice",
       R"({"format":"vellumar-form","version":1,"controls":[{"class":"V","name":"T","name":"U","left":0,)"
       R"("top":0,"width":1,"height":1,"bag":[]}]})",
       "control \"T\": \"name\" appears twice"},
      {"entry without key", FormWithEntries(R"({"type":"int","value":1})"), "entry 1: has no \"key\""},
      {"key not a string", FormWithEntries(R"({"key":5,"type":"int","value":1})"),
       "\"key\" must be a string"},
  };
  for (const Case& c : cases) {
    const HostError error = ErrorOf([&] { ParseForm(c.text, "bad.vform"); });
    EXPECT_EQ(error.number(), kErrInvalidFormFile) << c.what << ": " << error.what();
    const std::string message = error.what();
    EXPECT_EQ(message.rfind("Invalid file format: bad.vform: ", 0), 0u) << c.what << ": " << message;
    EXPECT_NE(message.find(c.problem), std::string::npos) << c.what << ": " << message;
  }
}

TEST(FormFile, DamagedValuesBecomeInvalidEntriesThatFailTheirRead) {
  const std::string bmp = Base64(SmallBmp());
  const std::vector<uint8_t> giant = Bmp24(
      60000, 60000, [](int32_t, int32_t) { return 0u; }, 1);
  struct Case {
    const char* key;
    std::string value;  // the entry's members after the key
    int expected;
  };
  const std::vector<Case> cases = {
      {"IntTooBig", R"("type":"int","value":2147483648)", kErrTypeMismatch},
      {"IntAsFloat", R"("type":"int","value":1.5)", kErrTypeMismatch},
      {"IntAsString", R"("type":"int","value":"5")", kErrTypeMismatch},
      {"FloatTooBig", R"("type":"float","value":1e300)", kErrTypeMismatch},
      {"NoType", R"("value":1)", kErrTypeMismatch},
      {"UnknownType", R"("type":"currency","value":1)", kErrTypeMismatch},
      {"FontWithoutSize", R"("type":"font","name":"Tahoma")", kErrTypeMismatch},
      {"BadBase64", R"("type":"picture","kind":"bitmap","format":"bmp","data":"Qk0*")", kErrInvalidPicture},
      {"NoPicture",
       R"("type":"picture","kind":"bitmap","format":"bmp","data":")" + Base64({'B', 'M', 1, 2}) + "\"",
       kErrInvalidPicture},
      {"Giant", R"("type":"picture","kind":"bitmap","format":"bmp","data":")" + Base64(giant) + "\"",
       kErrInvalidPicture},
      {"IconClaimingBmp", R"("type":"picture","kind":"icon","format":"bmp","data":")" + bmp + "\"",
       kErrInvalidPicture},
      {"FormatMismatch", R"("type":"picture","kind":"bitmap","format":"png","data":")" + bmp + "\"",
       kErrInvalidPicture},
  };
  std::string entries = R"({"key":"Good","type":"int","value":7})";
  for (const Case& c : cases) entries += R"(,{"key":")" + std::string(c.key) + "\"," + c.value + "}";
  const Form form = ParseForm(FormWithEntries(entries), "hostile.vform");
  const PropertyBag& bag = form.controls[0].bag;
  EXPECT_EQ(ToInt32(bag.ReadProperty("Good")), 7);
  for (const Case& c : cases) {
    const HostError error = ErrorOf([&] { ToPicture(bag.ReadProperty(c.key)); });
    EXPECT_EQ(error.number(), c.expected) << c.key << ": " << error.what();
    const std::string message = error.what();
    const std::string where = "hostile.vform: control \"Tabs1\", key \"" + std::string(c.key) + "\": ";
    EXPECT_EQ(message.rfind(HostErrorDescription(c.expected) + ": " + where, 0), 0u) << message;
  }
}

TEST(FormFile, PicturesBeyondTheFormsPixelBudgetAreInvalid) {
  const std::string entry =
      R"("type":"picture","kind":"bitmap","format":"bmp","data":")" + Base64(SmallBmp(16)) + "\"}";
  const std::string text =
      FormWithEntries(R"({"key":"P1",)" + entry + R"(,{"key":"P2",)" + entry + R"(,{"key":"P3",)" + entry);
  const Form form = ParseForm(text, "budget.vform", 600);
  const PropertyBag& bag = form.controls[0].bag;
  EXPECT_EQ(ToPicture(bag.ReadProperty("P2"))->bitmap().width(), 16);
  EXPECT_EQ(ErrorOf([&] { ToPicture(bag.ReadProperty("P3")); }).number(), kErrOutOfMemory);
}

TEST(FormFile, BracketsInsideStringsDoNotCountAsNesting) {
  const std::string brackets(1000, '[');
  const Form form =
      ParseForm(FormWithEntries(R"({"key":"T","type":"string","value":"\")" + brackets + "\"}"), "s");
  EXPECT_EQ(ToString(form.controls[0].bag.ReadProperty("T")), "\"" + brackets);
}

TEST(FormFile, UnreadableFilesAreRefused) {
  ScratchDirectory dir;
  EXPECT_EQ(ErrorOf([&] { LoadForm(dir.File("missing.vform")); }).number(), kErrFileNotFound);
  EXPECT_EQ(ErrorOf([&] { LoadForm(dir.path()); }).number(), kErrPathFileAccess);
  const std::string huge = dir.File("huge.vform");
  WriteAll(huge, "{");
  ASSERT_EQ(::truncate(huge.c_str(), kMaxFormFileBytes + 1), 0);
  const HostError error = ErrorOf([&] { LoadForm(huge); });
  EXPECT_EQ(error.number(), kErrInvalidFormFile);
  EXPECT_NE(std::string(error.what()).find("larger than 64 MiB"), std::string::npos) << error.what();
}

}  // namespace
}  // namespace vellumar
