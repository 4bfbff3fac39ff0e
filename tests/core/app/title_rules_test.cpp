#include "app/title_rules.h"

#include <gtest/gtest.h>

namespace app {
namespace {

TEST(TitleFromProgramPathTest, NameWithoutDirectoryAndExtension) {
  EXPECT_EQ(TitleFromProgramPath(L"C:\\Apps\\Kestrel99.exe"), L"Kestrel99");
  EXPECT_EQ(TitleFromProgramPath(L"/home/user/.wine/drive_c/Kestrel99.exe"), L"Kestrel99");
  EXPECT_EQ(TitleFromProgramPath(L"C:\\Apps/sub\\Kestrel99.exe"), L"Kestrel99");
  EXPECT_EQ(TitleFromProgramPath(L"Kestrel99.exe"), L"Kestrel99");
  EXPECT_EQ(TitleFromProgramPath(L"Kestrel99"), L"Kestrel99");
}

TEST(TitleFromProgramPathTest, CutAtTheFirstDotOfTheNameOnly) {
  EXPECT_EQ(TitleFromProgramPath(L"MY.APP.EXE"), L"My");
  EXPECT_EQ(TitleFromProgramPath(L"C:\\tools.v2\\Clip.exe"), L"Clip");
  EXPECT_EQ(TitleFromProgramPath(L"C:\\x\\.hidden"), L"");
  EXPECT_EQ(TitleFromProgramPath(L"C:\\x\\"), L"");
  EXPECT_EQ(TitleFromProgramPath(L""), L"");
}

TEST(TitleFromProgramPathTest, FirstCharacterKeepsItsCaseTheRestIsLowered) {
  EXPECT_EQ(TitleFromProgramPath(L"c:\\x\\KESTREL99.EXE"), L"Kestrel99");
  EXPECT_EQ(TitleFromProgramPath(L"c:\\x\\kESTREL99.EXE"), L"kestrel99");
  EXPECT_EQ(TitleFromProgramPath(L"C:\\\x00C9"
                             "COLE.EXE"),
            L"\x00C9"
            "cole");
  EXPECT_EQ(TitleFromProgramPath(L"C:\\\x00C0\x00C9\x00DE.EXE"), L"\x00C0\x00E9\x00FE");
}

TEST(LowerCharTest, MapsCapitalsOfTheCommonScripts) {
  struct Case {
    wchar_t upper;
    wchar_t lower;
  };
  const Case cases[] = {
      {L'A', L'a'},     {L'Z', L'z'},     {0x00C0, 0x00E0},  // Latin-1
      {0x00DE, 0x00FE}, {0x0100, 0x0101}, {0x0130, L'i'},    // Latin Extended-A
      {0x0139, 0x013A}, {0x0147, 0x0148}, {0x014A, 0x014B},
      {0x0178, 0x00FF}, {0x017D, 0x017E}, {0x0391, 0x03B1},  // Greek
      {0x03A3, 0x03C3}, {0x0386, 0x03AC}, {0x038F, 0x03CE},
      {0x0401, 0x0451}, {0x0414, 0x0434}, {0x042F, 0x044F},  // Cyrillic
  };
  for (const Case& c : cases) {
    EXPECT_EQ(static_cast<int>(LowerChar(c.upper)), static_cast<int>(c.lower)) << std::hex << static_cast<int>(c.upper);
  }
}

TEST(LowerCharTest, LeavesEverythingElseAlone) {
  const wchar_t unchanged[] = {
      L'a',   L'0',   L'_',   L'.',   L'@',   L'[',
      0x00D7,  // multiplication sign between the Latin-1 capitals
      0x00DF,  // sharp s has no capital here
      0x00FF, 0x0101, 0x0131, 0x0138, 0x0149, 0x017F,
      0x03A2,  // unassigned gap in the Greek capitals
      0x03C3, 0x0434, 0x4E2D,
  };
  for (wchar_t c : unchanged) {
    EXPECT_EQ(static_cast<int>(LowerChar(c)), static_cast<int>(c)) << std::hex << static_cast<int>(c);
  }
}

}  // namespace
}  // namespace app
