#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "settings/ini_text.h"
#include "settings/option_table.h"
#include "settings/profile_rules.h"
#include "settings/settings.h"

namespace settings {
namespace {

using namespace std::string_literals;

constexpr WindowBounds kDialogBounds{30, 40, 297, 330};

Placement SamplePlacement() {
  Placement placement;
  placement.flags = 0;
  placement.showCmd = 1;
  placement.minPosition = {-1, -1};
  placement.maxPosition = {-3, -3};
  placement.normal = {30, 40, 327, 370};
  return placement;
}

TEST(SettingsFileTest, FirstStoreWritesPlacementThenEveryOptionWithItsDefault) {
  IniText file;
  const Settings defaults;
  ASSERT_TRUE(WritePlacement(file, kOptionsSection, SamplePlacement()));
  ASSERT_TRUE(WriteOptions(file, kOptionsSection, defaults));
  EXPECT_EQ(file.Text(),
            L"[options]\r\n"
            L"Flags=0\r\n"
            L"ShowCmd=1\r\n"
            L"MinMaxPos=-1,-1,-3,-3\r\n"
            L"NormPos=30,40,327,370\r\n"
            L"CheckBox951_Checked=True\r\n"
            L"CheckBox953_Checked=False\r\n"
            L"CheckBox954_Checked=False\r\n"
            L"CheckBox955_Checked=True\r\n"
            L"CheckBox956_Checked=True\r\n"
            L"CheckBox957_Checked=True\r\n"
            L"CheckBox959_Checked=False\r\n"
            L"Edit1_Text=C:\\WINDOWS\\\r\n"
            L"RadioButton1_Checked=True\r\n"
            L"RadioButton2_Checked=False\r\n"
            L"CheckBox952_Checked=True\r\n"
            L"QuickPasteKey=Ctrl+`\r\n"
            L"SkipRepeatedCopy=False\r\n"
            L"StartWithWindows=False\r\n"
            L"QuickPasteKeyRefused=None\r\n");

  // Storing another window's section and storing again changes values in
  // place and deletes nothing.
  ASSERT_TRUE(WritePlacement(file, kMainSection, SamplePlacement()));
  Settings changed;
  changed.Set(Option::ConfirmExit, true);
  ASSERT_TRUE(WriteOptions(file, kOptionsSection, changed));
  EXPECT_EQ(file.ReadString(L"OPTIONS", L"checkbox959_checked", L"?"), L"True");
  EXPECT_EQ(file.ReadString(kMainSection, kNormPosKey, L"?"), L"30,40,327,370");
  EXPECT_NE(file.Text().find(L"QuickPasteKeyRefused=None\r\n[main]\r\nFlags=0\r\n"), std::wstring::npos)
      << "a new section goes to the end of the file";
}

TEST(SettingsFileTest, IntegersAreDecimalOrPrefixedHexAndNeverOverflow) {
  constexpr int kFallback = 77;
  const struct {
    const wchar_t* text;
    int value;
  } cases[] = {
      {L"12", 12},          {L"-5", -5},          {L"+7", 7},
      {L"0x10", 16},        {L"0X1f", 31},        {L"0xFFFFFFFF", -1},
      {L"0x", kFallback},   {L"0x1G", kFallback}, {L"0x100000000", kFallback},
      {L"", kFallback},     {L"abc", kFallback},  {L"1 2", kFallback},
      {L"-", kFallback},    {L"2147483647", INT_MAX}, {L"-2147483648", INT_MIN},
      {L"2147483648", kFallback}, {L"-2147483649", kFallback},
      {L"99999999999999999999999999", kFallback}, {L"0x00000000000000000010", 16},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseInteger(c.text, kFallback), c.value) << "text \"" << c.text << "\"";

  IniText file(L"[main]\r\nFlags=0x10\r\nShowCmd=junk\r\n");
  EXPECT_EQ(ReadInteger(file, kMainSection, kFlagsKey, kFallback), 16);
  EXPECT_EQ(ReadInteger(file, kMainSection, kShowCmdKey, kFallback), kFallback);
  EXPECT_EQ(ReadInteger(file, kMainSection, L"Absent", kFallback), kFallback);
}

TEST(SettingsFileTest, StoredPositionFallsBackWordByWordAndDialogsKeepTheirSize) {
  Placement current = SamplePlacement();
  current.showCmd = 0;
  const struct {
    const wchar_t* minMax;  // null: key absent
    const wchar_t* norm;
    bool sizeable;
    const wchar_t* minMaxRead;  // min x, min y, max x, max y
    const wchar_t* normRead;
    bool apply;
  } cases[] = {
      // Only the position of a dialog-bordered window is taken.
      {nullptr, L"100 50", false, L"-1,-1,-3,-3", L"100,50,397,380", true},
      {nullptr, L"100,50,900,900", false, L"-1,-1,-3,-3", L"100,50,397,380", true},
      // Letters fall back to where the window is now.
      {nullptr, L"abc", false, L"-1,-1,-3,-3", L"30,40,327,370", true},
      // Runs of blanks and commas separate words; a sizeable window takes
      // the whole rectangle, short of its missing words.
      {L" 5,, 6 ,7", L"1 , 2,,3", true, L"5,6,7,0", L"1,2,3,370", true},
      {L"", L"", true, L"-1,-1,-3,-3", L"30,40,327,370", false},
      {nullptr, L"10,0,5,0", true, L"-1,-1,-3,-3", L"10,0,5,0", false},
      {nullptr, L"2147483647,2147483647", false, L"-1,-1,-3,-3", L"2147483647,2147483647,2147483647,2147483647",
       false},
  };
  for (const auto& c : cases) {
    std::wstring text = L"[options]\r\nFlags=2\r\n";
    if (c.minMax) text += std::wstring(L"MinMaxPos=") + c.minMax + L"\r\n";
    if (c.norm) text += std::wstring(L"NormPos=") + c.norm + L"\r\n";
    IniText file(text);
    const PlacementLoad load = ReadPlacement(file, kOptionsSection, current, kDialogBounds, c.sizeable);
    const Placement& read = load.placement;
    SCOPED_TRACE(text);
    EXPECT_EQ(read.flags, 2);
    EXPECT_EQ(read.showCmd, 0);
    EXPECT_EQ(FormatMinMaxPos(read.minPosition, read.maxPosition), c.minMaxRead);
    EXPECT_EQ(FormatNormPos(read.normal), c.normRead);
    EXPECT_EQ(load.apply, c.apply);
  }

  const struct {
    int showCmd;
    WindowState state;
  } states[] = {{1, WindowState::Normal},    {5, WindowState::Normal},    {9, WindowState::Normal},
                {2, WindowState::Minimized}, {6, WindowState::Minimized}, {3, WindowState::Maximized},
                {0, WindowState::Normal},    {7, WindowState::Normal},    {-2, WindowState::Normal}};
  for (const auto& s : states) EXPECT_EQ(StateFromShowCmd(s.showCmd), s.state) << "ShowCmd " << s.showCmd;
}

TEST(SettingsFileTest, StoredWindowSizeMeansTheSameLayoutAtEveryScale) {
  const PlacementRect at96{30, 40, 670, 520};
  // 96 DPI writes exactly what the system reports.
  EXPECT_EQ(FormatNormPos(StoredNormal(at96, 96)), L"30,40,670,520");
  // Written at 150 %: the corner stays in screen pixels, the size is the
  // 96 DPI one; read back at 200 % the same layout is twice as big.
  const PlacementRect stored = StoredNormal({300, 200, 300 + 960, 200 + 720}, 144);
  EXPECT_EQ(FormatNormPos(stored), L"300,200,940,680");
  EXPECT_EQ(FormatNormPos(NormalFromStored(stored, 192)), L"300,200,1580,1160");
  EXPECT_EQ(FormatNormPos(NormalFromStored(stored, 144)), L"300,200,1260,920");
  // Hostile numbers clamp instead of overflowing.
  const PlacementRect huge = NormalFromStored({INT_MAX - 1, 0, INT_MAX, INT_MAX}, 192);
  EXPECT_EQ(huge.right, INT_MAX);
  EXPECT_EQ(huge.bottom, INT_MAX);
  EXPECT_EQ(FormatNormPos(NormalFromStored({-50, -60, -10, -20}, 144)), L"-50,-60,10,0");
}

TEST(SettingsFileTest, OptionsLoadEachKeyOnItsOwnAndKeepWhatTheFileDoesNotSay) {
  Settings settings;
  settings.Set(Option::BeepOnAdd, false);
  settings.Set(Option::ConfirmExit, true);
  IniText file(
      L"[Options]\r\n"
      L"checkbox951_checked = true \r\n"  // any letter case, blanks around
      L"CheckBox959_Checked=yes\r\n"      // neither name: left as it is
      L"CheckBox953_Checked=1\r\n"
      L"CheckBox955_Checked=FALSE\r\n"
      L"CheckBox955_Checked=True\r\n"  // the first of two wins
      L"RadioButton1_Checked=True\r\n"
      L"RadioButton2_Checked=True\r\n"  // applied second: tiled results
      L"Edit1_Text=   D:\\PICTURES\\   \r\n");
  ReadOptions(file, kOptionsSection, settings);
  EXPECT_TRUE(settings.IsOn(Option::BeepOnAdd));
  EXPECT_TRUE(settings.IsOn(Option::ConfirmExit));
  EXPECT_FALSE(settings.IsOn(Option::OnlyBitmapsOnButtons));
  EXPECT_FALSE(settings.IsOn(Option::ConfirmDelete));
  EXPECT_TRUE(settings.IsOn(Option::TiledWallpaper));
  EXPECT_FALSE(settings.IsOn(Option::NormalWallpaper));
  EXPECT_EQ(settings.WallpaperDirectory(), L"D:\\PICTURES\\");
  EXPECT_TRUE(settings.IsOn(Option::NoTaskbar)) << "an absent key keeps the present value";

  // Present but empty empties the folder; absent keeps it.
  Settings emptied;
  IniText withEmpty(L"[options]\r\nEdit1_Text=\r\n");
  ReadOptions(withEmpty, kOptionsSection, emptied);
  EXPECT_EQ(emptied.WallpaperDirectory(), L"");
  Settings kept;
  IniText withoutKey(L"[options]\r\nEdit1_Text2=X\r\n[other]\r\nEdit1_Text=Y\r\n");
  ReadOptions(withoutKey, kOptionsSection, kept);
  EXPECT_EQ(kept.WallpaperDirectory(), L"C:\\WINDOWS\\");
}

TEST(SettingsFileTest, FileOfAnEarlierVersionLoadsTheNewDefaultsAndKeepsItsOrder) {
  // An earlier version wrote no quick-paste keys, and its keys may stand in
  // any order; a later section follows.
  const std::wstring old =
      L"[options]\r\n"
      L"Flags=0\r\n"
      L"CheckBox952_Checked=False\r\n"
      L"Edit1_Text=D:\\\r\n"
      L"CheckBox951_Checked=True\r\n"
      L"[main]\r\n"
      L"Flags=0\r\n";
  IniText file(old);
  Settings settings;
  settings.SetQuickPasteKey(kNoHotKey);
  ReadOptions(file, kOptionsSection, settings);
  EXPECT_EQ(settings.QuickPasteKey(), kNoHotKey) << "an absent key keeps the present value, as the others do";
  Settings fresh;
  ReadOptions(file, kOptionsSection, fresh);
  EXPECT_EQ(fresh.QuickPasteKey(), kQuickPasteKeyRow.defaultValue);
  EXPECT_FALSE(fresh.IsOn(Option::SkipRepeatedCopy));
  EXPECT_FALSE(fresh.IsOn(Option::StartWithWindows));
  EXPECT_EQ(fresh.RefusedQuickPasteKey(), kNoHotKey);
  EXPECT_FALSE(fresh.IsOn(Option::NoTaskbar));

  // Rewritten, the old keys keep their places and the new ones follow them
  // at the end of the section.
  ASSERT_TRUE(WriteOptions(file, kOptionsSection, fresh));
  const std::wstring text = file.Text();
  const std::wstring oldOptions = old.substr(0, old.find(L"[main]"));
  ASSERT_EQ(text.substr(0, oldOptions.size()), oldOptions);
  const std::wstring tail =
      L"QuickPasteKey=Ctrl+`\r\nSkipRepeatedCopy=False\r\nStartWithWindows=False\r\nQuickPasteKeyRefused=None\r\n"
      L"[main]\r\nFlags=0\r\n";
  ASSERT_GE(text.size(), tail.size());
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);

  // Changed values come back from the file as they went in.
  Settings changed;
  changed.SetQuickPasteKey(MakeHotKey(0x24, kHotKeyAlt | kHotKeyExtended));
  changed.SetRefusedQuickPasteKey(MakeHotKey(0x74, kHotKeyControl | kHotKeyShift));
  changed.Set(Option::SkipRepeatedCopy, true);
  changed.Set(Option::StartWithWindows, true);
  ASSERT_TRUE(WriteOptions(file, kOptionsSection, changed));
  EXPECT_EQ(file.ReadString(kOptionsSection, L"QuickPasteKey", L"?"), L"Alt+Ext+Home");
  EXPECT_EQ(file.ReadString(kOptionsSection, L"QuickPasteKeyRefused", L"?"), L"Ctrl+Shift+F5");
  Settings reread;
  ReadOptions(file, kOptionsSection, reread);
  EXPECT_EQ(reread.QuickPasteKey(), changed.QuickPasteKey());
  EXPECT_EQ(reread.RefusedQuickPasteKey(), changed.RefusedQuickPasteKey());
  EXPECT_TRUE(reread.IsOn(Option::SkipRepeatedCopy));
  EXPECT_TRUE(reread.IsOn(Option::StartWithWindows));
}

TEST(SettingsFileTest, EveryHotKeyReadsBackAndAnythingElseGivesTheDefault) {
  for (int flags = 0; flags <= 0x0F; ++flags) {
    for (int key = 1; key <= 0xFE; ++key) {
      const auto hotKey = MakeHotKey(static_cast<std::uint8_t>(key), static_cast<std::uint8_t>(flags));
      ASSERT_EQ(ParseHotKey(FormatHotKey(hotKey)), hotKey) << FormatHotKey(hotKey);
    }
  }
  EXPECT_EQ(ParseHotKey(L"ctrl+SHIFT+num+"), MakeHotKey(0x6B, kHotKeyControl | kHotKeyShift));
  EXPECT_EQ(ParseHotKey(L"Shift+Ctrl+x"), MakeHotKey('X', kHotKeyControl | kHotKeyShift));

  const wchar_t* garbage[] = {L"",      L"Ctrl+",    L"Ctrl",   L"Ctrl+Shift", L"Win+A", L"Ctrl+A+B", L"0x00",
                              L"0xFF",  L"0x100",    L"0x4",    L"F0",         L"F25",   L"Num10",    L"AB",
                              L"Ctrl A", L"\x00e9", L"704",    L"+",          L"Ctrl++", L"Ext+"};
  for (const wchar_t* text : garbage) {
    EXPECT_FALSE(ParseHotKey(text).has_value()) << "text \"" << text << "\"";
    IniText file(std::wstring(L"[options]\r\nQuickPasteKey=") + text + L"\r\nQuickPasteKeyRefused=" + text + L"\r\n");
    Settings settings;
    settings.SetQuickPasteKey(MakeHotKey('Q', kHotKeyAlt));
    settings.SetRefusedQuickPasteKey(MakeHotKey('Q', kHotKeyAlt));
    ReadOptions(file, kOptionsSection, settings);
    EXPECT_EQ(settings.QuickPasteKey(), kQuickPasteKeyRow.defaultValue) << "text \"" << text << "\"";
    EXPECT_EQ(settings.RefusedQuickPasteKey(), kNoHotKey) << "text \"" << text << "\"";
  }
}

TEST(SettingsFileTest, IniTextReadsHostileTextTheWayTheSystemDoes) {
  const std::wstring longValue(3000, L'x');
  IniText file(L"garbage\x01\xFF line\n"
               L"[options\n"  // no closing bracket: no header
               L"Flags=1\n"
               L"[ OPTIONS ]\r\n"
               L"Flags=2\n"
               L"Flags=3\n"
               L"; Flags=4\n"
               L"Long=" + longValue +
               L"\n"
               L"Quoted=\"C:\\\"\n"
               L"Zero=ab\0cd\n"
               L"[options]\n"
               L"ShowCmd=3\n"
               L"[main]\rignored=1\n"s);
  EXPECT_EQ(file.ReadString(kOptionsSection, kFlagsKey, L"?"), L"2");
  EXPECT_EQ(file.ReadString(kOptionsSection, kShowCmdKey, L"?"), L"?") << "a repeated section is never reached";
  EXPECT_EQ(file.ReadString(kOptionsSection, L"Long", L"?"), longValue.substr(0, kMaxValueLength));
  EXPECT_EQ(file.ReadString(kOptionsSection, L"Quoted", L"?"), L"C:\\");
  EXPECT_EQ(file.ReadString(kOptionsSection, L"Zero", L"?"), L"ab");

  // Keys missing from a section are added at the end of that section.
  ASSERT_TRUE(file.WriteString(L"Options", L"Edit1_Text", L"D:\\"));
  EXPECT_NE(file.Text().find(L"Zero=ab\0cd\nEdit1_Text=D:\\\r\n[options]"s), std::wstring::npos);
}

TEST(SettingsFileTest, FailingWriteEndsTheStoreAtThatWrite) {
  IniText file;
  file.FailWritesAfter(5);
  EXPECT_TRUE(WritePlacement(file, kOptionsSection, SamplePlacement()));
  EXPECT_FALSE(WriteOptions(file, kOptionsSection, Settings()));
  EXPECT_EQ(file.ReadString(kOptionsSection, L"CheckBox951_Checked", L"?"), L"True");
  EXPECT_EQ(file.ReadString(kOptionsSection, L"CheckBox953_Checked", L"?"), L"?");
  EXPECT_EQ(file.ReadString(kOptionsSection, L"CheckBox952_Checked", L"?"), L"?");
}

TEST(SettingsFileTest, FileLivesInTheWindowsDirectoryOnlyWhereTheProgramMayWriteThere) {
  EXPECT_EQ(SettingsFileLocation(true, L"C:\\Users\\ann\\AppData\\Roaming"), L"kestrel99.ini");
  EXPECT_EQ(SettingsFileLocation(false, L"C:\\Users\\ann\\AppData\\Roaming"),
            L"C:\\Users\\ann\\AppData\\Roaming\\Kestrel 99\\kestrel99.ini");
  EXPECT_EQ(SettingsFileLocation(false, L"D:\\"), L"D:\\Kestrel 99\\kestrel99.ini");
  EXPECT_EQ(SettingsFileLocation(false, L""), L"kestrel99.ini");
}

TEST(SettingsFileTest, WallpaperFolderFollowsTheSettingsFileOutOfAClosedWindowsDirectory) {
  const std::wstring appData = L"C:\\Users\\ann\\AppData\\Roaming";
  EXPECT_EQ(DefaultWallpaperDirectoryFor(false, appData), L"C:\\Users\\ann\\AppData\\Roaming\\Kestrel 99\\");
  EXPECT_EQ(DefaultWallpaperDirectoryFor(false, L"D:\\"), L"D:\\Kestrel 99\\");
  EXPECT_EQ(DefaultWallpaperDirectoryFor(true, appData), L"C:\\WINDOWS\\");
  EXPECT_EQ(DefaultWallpaperDirectoryFor(false, L""), L"C:\\WINDOWS\\") << "no better place than the file's own";

  // A folder the user stored wins over the run's default.
  IniText file;
  ASSERT_TRUE(file.WriteString(kOptionsSection, L"Edit1_Text", L"E:\\Pictures\\"));
  Settings options;
  options.SetWallpaperDirectory(DefaultWallpaperDirectoryFor(false, appData));
  ReadOptions(file, kOptionsSection, options);
  EXPECT_EQ(options.WallpaperDirectory(), L"E:\\Pictures\\");
}

}  // namespace
}  // namespace settings
