// Reads the resources of the built oltrevan.exe: the string table, the two
// dialog templates and the manifest.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "app/win32.h"
#include "test_support.h"
#include "ui/string_block.h"

namespace {

class ResourcesTest : public testing::Test {
 protected:
  void SetUp() override {
    std::wstring path = Widen(getenv("OLTREVAN_EXE") ? getenv("OLTREVAN_EXE") : "");
    if (!path.empty() && path[0] == L'/') path = L"Z:" + path;
    module_ = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module_, nullptr) << "OLTREVAN_EXE";
  }
  void TearDown() override {
    if (module_) FreeLibrary(module_);
  }
  std::string Resource(const wchar_t* type, const wchar_t* name, WORD language) {
    HRSRC found = FindResourceExW(module_, type, name, language);
    if (!found) return {};
    return std::string(static_cast<const char*>(LockResource(LoadResource(module_, found))),
                       SizeofResource(module_, found));
  }
  HMODULE module_ = nullptr;
};

BOOL CALLBACK CollectName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR out) {
  if (IS_INTRESOURCE(name)) reinterpret_cast<std::set<WORD>*>(out)->insert(LOWORD(name));
  return TRUE;
}
BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR out) {
  reinterpret_cast<std::set<WORD>*>(out)->insert(language);
  return TRUE;
}

TEST_F(ResourcesTest, StringTableHoldsExactlyTheSevenIdsInNineLanguages) {
  std::set<WORD> blocks;
  EnumResourceNamesW(module_, RT_STRING, CollectName, reinterpret_cast<LONG_PTR>(&blocks));
  EXPECT_EQ(blocks, (std::set<WORD>{7, 8}));
  const std::set<WORD> languages = {0x0409, 0x0407, 0x040C, 0x0410, 0x0C0A, 0x0411, 0x0412, 0x0404, 0x0804};
  for (WORD block : {7, 8}) {
    std::set<WORD> found;
    EnumResourceLanguagesW(module_, RT_STRING, MAKEINTRESOURCEW(block), CollectLanguage,
                           reinterpret_cast<LONG_PTR>(&found));
    EXPECT_EQ(found, languages) << block;
    for (WORD language : languages) {
      const std::string data = Resource(RT_STRING, MAKEINTRESOURCEW(block), language);
      std::set<unsigned> ids;
      for (unsigned index = 0; index < 16; ++index) {
        std::u16string text;
        if (FindStringInBlock(reinterpret_cast<const uint8_t*>(data.data()), data.size(), index, text))
          ids.insert((block - 1) * 16 + index);
      }
      const std::set<unsigned> expected =
          block == 7 ? std::set<unsigned>{104, 105, 106, 107} : std::set<unsigned>{113, 114, 115};
      EXPECT_EQ(ids, expected) << std::hex << language;
    }
  }
}

// An extended dialog template, read as far as the tests need.
struct Control {
  DWORD style;
  short x, y, cx, cy;
  DWORD id;
  std::u16string className;  // ordinal 0x80 "Button", 0x82 "Static"
};
struct Template {
  DWORD style;
  short cx, cy;
  std::u16string caption, font;
  WORD pointSize, weight;
  std::vector<Control> controls;
};

class Reader {
 public:
  explicit Reader(const std::string& data) : data_(data) {}
  template <class T>
  T Get() {
    T value{};
    if (pos_ + sizeof(T) <= data_.size()) memcpy(&value, data_.data() + pos_, sizeof(T));
    pos_ += sizeof(T);
    return value;
  }
  std::u16string SzOrOrdinal() {
    char16_t first = Get<char16_t>();
    if (first == 0xFFFF) {
      const char16_t ordinal = Get<char16_t>();
      return ordinal == 0x80 ? u"Button" : ordinal == 0x82 ? u"Static" : u"?";
    }
    std::u16string text;
    for (char16_t c = first; c != 0; c = Get<char16_t>()) text.push_back(c);
    return text;
  }
  void Align() { pos_ = (pos_ + 3) & ~size_t{3}; }

 private:
  const std::string& data_;
  size_t pos_ = 0;
};

Template Parse(const std::string& data) {
  Reader r(data);
  Template t{};
  EXPECT_EQ(r.Get<WORD>(), 1);       // dlgVer
  EXPECT_EQ(r.Get<WORD>(), 0xFFFF);  // extended
  r.Get<DWORD>();                    // help id
  EXPECT_EQ(r.Get<DWORD>(), 0u);     // extended style
  t.style = r.Get<DWORD>();
  const WORD count = r.Get<WORD>();
  r.Get<short>();
  r.Get<short>();
  t.cx = r.Get<short>();
  t.cy = r.Get<short>();
  EXPECT_EQ(r.SzOrOrdinal(), u"");  // no menu
  EXPECT_EQ(r.SzOrOrdinal(), u"");  // default class
  t.caption = r.SzOrOrdinal();
  t.pointSize = r.Get<WORD>();
  t.weight = r.Get<WORD>();
  r.Get<BYTE>();
  r.Get<BYTE>();
  t.font = r.SzOrOrdinal();
  for (WORD i = 0; i < count; ++i) {
    r.Align();
    Control c{};
    r.Get<DWORD>();
    r.Get<DWORD>();
    c.style = r.Get<DWORD>();
    c.x = r.Get<short>();
    c.y = r.Get<short>();
    c.cx = r.Get<short>();
    c.cy = r.Get<short>();
    c.id = r.Get<DWORD>();
    c.className = r.SzOrOrdinal();
    r.SzOrOrdinal();
    const WORD extra = r.Get<WORD>();
    for (WORD b = 0; b < extra; ++b) r.Get<BYTE>();
    t.controls.push_back(c);
  }
  return t;
}

std::u16string CharUpper16(std::u16string s) {
  for (char16_t& c : s) c = (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c;
  return s;
}

void ExpectControls(const Template& t, const std::vector<Control>& expected) {
  ASSERT_EQ(t.controls.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(expected[i].id);
    EXPECT_EQ(t.controls[i].id, expected[i].id);
    EXPECT_EQ(t.controls[i].style, expected[i].style);
    // Class names are matched without regard to case; windres stores "BUTTON" where rc stores an ordinal.
    EXPECT_EQ(CharUpper16(t.controls[i].className), CharUpper16(expected[i].className));
    EXPECT_EQ((std::vector<short>{t.controls[i].x, t.controls[i].y, t.controls[i].cx, t.controls[i].cy}),
              (std::vector<short>{expected[i].x, expected[i].y, expected[i].cx, expected[i].cy}));
  }
}

TEST_F(ResourcesTest, DialogTemplatesInUsEnglishOnly) {
  for (WORD id : {102, 109}) {
    std::set<WORD> languages;
    EnumResourceLanguagesW(module_, RT_DIALOG, MAKEINTRESOURCEW(id), CollectLanguage,
                           reinterpret_cast<LONG_PTR>(&languages));
    EXPECT_EQ(languages, std::set<WORD>{0x0409}) << id;
  }
  const Template prompt = Parse(Resource(RT_DIALOG, MAKEINTRESOURCEW(102), 0x0409));
  EXPECT_EQ(prompt.style, 0x90C800C8u);
  EXPECT_EQ(prompt.cx, 261);
  EXPECT_EQ(prompt.cy, 100);
  EXPECT_EQ(prompt.caption, u"Kestrowan Dodarodu");
  EXPECT_EQ(prompt.font, u"MS Shell Dlg");
  EXPECT_EQ(prompt.pointSize, 8);
  EXPECT_EQ(prompt.weight, 400);
  ExpectControls(prompt, {{0x50010001, 76, 78, 50, 14, 1, u"Button"},
                          {0x50010000, 134, 78, 50, 14, 2, u"Button"},
                          {0x50020000, 15, 28, 236, 39, 1005, u"Static"},
                          {0x50020001, 15, 9, 231, 14, 1006, u"Static"}});

  const Template missing = Parse(Resource(RT_DIALOG, MAKEINTRESOURCEW(109), 0x0409));
  EXPECT_EQ(missing.style, 0x80C800C8u);
  EXPECT_EQ(missing.cx, 222);
  EXPECT_EQ(missing.cy, 154);
  EXPECT_EQ(missing.caption, u"Kestrowan Dodarodu Lite");
  ExpectControls(missing, {{0x50010001, 86, 133, 50, 14, 2, u"Button"},
                           {0x50020001, 22, 75, 177, 56, 1003, u"Static"},
                           {0x50000A07, 58, 0, 87, 73, 1015, u"Static"},
                           {0x50020001, 19, 14, 176, 26, 1004, u"Static"}});
}

TEST_F(ResourcesTest, ManifestAsksForAsInvokerAndIconsAndVersionArePresent) {
  const std::string manifest = Resource(RT_MANIFEST, MAKEINTRESOURCEW(1), 0);
  EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
  std::set<WORD> icons;
  EnumResourceNamesW(module_, RT_GROUP_ICON, CollectName, reinterpret_cast<LONG_PTR>(&icons));
  EXPECT_EQ(icons.size(), 2u);
  const std::string version = Resource(RT_VERSION, MAKEINTRESOURCEW(1), 0x0409);
  const std::u16string text(reinterpret_cast<const char16_t*>(version.data()), version.size() / 2);
  EXPECT_NE(text.find(u"Kestrowan Inc."), std::u16string::npos);
  EXPECT_NE(text.find(u"Kestrowan Dodarodu"), std::u16string::npos);
}

// The import table names only system DLLs, and neither GDI+ nor the session
// service, which are loaded from the system directory at run time.
TEST_F(ResourcesTest, ImportsOnlySystemDlls) {
  std::wstring path = Widen(getenv("OLTREVAN_EXE") ? getenv("OLTREVAN_EXE") : "");
  if (!path.empty() && path[0] == L'/') path = L"Z:" + path;
  const HMODULE image = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(image, nullptr);
  const auto* base = reinterpret_cast<const BYTE*>(reinterpret_cast<ULONG_PTR>(image) & ~ULONG_PTR{3});
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(base + dos->e_lfanew);
  EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
  EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
  const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  std::set<std::string> imports;
  for (auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
       entry->Name != 0; ++entry) {
    std::string name = reinterpret_cast<const char*>(base + entry->Name);
    for (char& c : name) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    imports.insert(name);
  }
  FreeLibrary(image);
  const std::set<std::string> system = {"advapi32.dll", "gdi32.dll",  "kernel32.dll", "msvcrt.dll",
                                        "shell32.dll",  "shlwapi.dll", "user32.dll"};
  for (const std::string& name : imports) EXPECT_TRUE(system.count(name)) << name;
  EXPECT_FALSE(imports.count("gdiplus.dll"));
  EXPECT_FALSE(imports.count("wtsapi32.dll"));
}

}  // namespace
