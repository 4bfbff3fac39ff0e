// The wallpaper commands of the save window with the changer and the
// progress window, as the program wires them: the file they write, the
// registry values the change leaves, and the failures they refuse with.
#include "tools/wallpaper_commands.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <vector>
#include <string>

#include "app/program_title.h"
#include "tools/cell_window.h"
#include "tools/user_file.h"
#include "tools/wallpaper_progress_window.h"
#include "tools/wallpaper_rules.h"
#include "ui/application.h"
#include "ui/timer.h"
#include "win32/clipboard_support.h"
#include "win32/test_support.h"

namespace {

namespace fs = std::filesystem;
using desktop::WallpaperChanger;
using settings::Option;

std::wstring DesktopValue(const wchar_t* name) {
  wchar_t value[512] = L"";
  DWORD bytes = sizeof(value);
  if (RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\desktop", name, RRF_RT_REG_SZ, nullptr, value, &bytes) !=
      ERROR_SUCCESS)
    return L"<missing>";
  return value;
}

class WallpaperTest : public testing::Test {
 protected:
  void SetUp() override {
    settings.SetWallpaperDirectory(folder.wstring() + L"\\");
    // As the application wires them.
    window->Wallpaper().runProgress = [this] {
      progress->Start();
      progress->ShowModal();
    };
    progress->onFinished = [this] { window->Wallpaper().FinishChange(); };
    const ui::unique_hbitmap bitmap = test::SolidBitmap(7, 5, RGB(10, 200, 30));
    window->OpenPicture(picture::Picture::FromBitmap(bitmap.get(), nullptr));
  }
  // The wallpaper folder is the current directory by now, and a current
  // directory cannot be removed.
  void TearDown() override { SetCurrentDirectoryW(L"C:\\"); }
  fs::path WallpaperFile() const { return folder / std::wstring(tools::kWallpaperFileName); }

  test::MessageBoxRecorder boxes;
  settings::Settings settings;
  ui::Application application{app::ProgramTitle()};
  ui::WindowPtr<tools::CellWindow> window = ui::MakeWindow<tools::CellWindow>(application, settings);
  ui::WindowPtr<tools::WallpaperProgressWindow> progress = ui::MakeWindow<tools::WallpaperProgressWindow>(application);
  test::TemporaryFolder temporary{L"k99 wallpaper "};
  fs::path folder = temporary.Path();
};

TEST_F(WallpaperTest, SetAsWallpaperWritesTheBitmapAndAppliesItBeforeTheProgressCloses) {
  window->OnSetWallpaperClick();
  // The modal progress has run its course by now.
  EXPECT_FALSE(progress->IsVisible());
  EXPECT_EQ(progress->Position(), 0);
  EXPECT_FALSE(window->Wallpaper().Changer().Active());
  wchar_t current[MAX_PATH] = L"";
  GetCurrentDirectoryW(MAX_PATH, current);
  EXPECT_EQ(fs::path(current), folder) << "the wallpaper folder stays the current directory";

  const ui::unique_hbitmap written(static_cast<HBITMAP>(
      LoadImageW(nullptr, WallpaperFile().c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
  ASSERT_TRUE(written) << "k99WP.bmp is no bitmap file";
  BITMAP info{};
  GetObjectW(written.get(), sizeof(info), &info);
  EXPECT_EQ(info.bmWidth, 7);
  EXPECT_EQ(info.bmHeight, 5);
  EXPECT_EQ(test::CentreColour(picture::Picture::FromBitmap(written.get(), nullptr)), RGB(10, 200, 30));

  EXPECT_EQ(DesktopValue(L"TileWallPaper"), L"0");
  EXPECT_EQ(fs::path(DesktopValue(L"Wallpaper")), WallpaperFile());

  settings.Set(Option::TiledWallpaper, true);
  window->OnSetWallpaperClick();
  EXPECT_EQ(DesktopValue(L"TileWallPaper"), L"1");

  window->OnNoWallpaperClick();
  EXPECT_EQ(DesktopValue(L"TileWallPaper"), L"0");
  EXPECT_EQ(DesktopValue(L"Wallpaper"), L"");
  EXPECT_TRUE(fs::exists(WallpaperFile())) << "no wallpaper leaves the folder alone";
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(WallpaperTest, AWallpaperTheSystemRefusesIsReportedWithItsReason) {
  const std::wstring before = DesktopValue(L"Wallpaper");
  WallpaperChanger::SetSystemCallForTesting([](wchar_t*) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  });
  window->OnSetWallpaperClick();
  WallpaperChanger::SetSystemCallForTesting(nullptr);
  ASSERT_EQ(boxes.boxes.size(), 1u) << "a refused wallpaper finished as if it had been set";
  EXPECT_NE(boxes.boxes[0].text.find(ui::SystemErrorText(ERROR_ACCESS_DENIED)), std::wstring::npos)
      << "the box does not give the system's reason";
  EXPECT_EQ(DesktopValue(L"Wallpaper"), before);
  EXPECT_FALSE(window->Wallpaper().Changer().Active());
}

TEST_F(WallpaperTest, TheProgressTakesFiftyStepsOfTwo) {
  int finished = 0;
  progress->onFinished = [&] { ++finished; };
  progress->Start();
  progress->Show();
  for (int step = 1; step < 50; ++step) progress->OnProgressTimer();
  EXPECT_EQ(progress->Position(), 98);
  EXPECT_EQ(finished, 0);
  EXPECT_TRUE(progress->Running());
  progress->OnProgressTimer();
  EXPECT_EQ(finished, 1);
  EXPECT_EQ(progress->Position(), 0);
  EXPECT_FALSE(progress->Running());
  EXPECT_FALSE(progress->IsVisible());
}

TEST_F(WallpaperTest, WithoutTimersTheProgressStillRunsItsCourseAndTheWallpaperIsSet) {
  ui::SetTimersRefusedForTesting(true);
  window->OnSetWallpaperClick();  // on a refused timer the modal window would never close
  ui::SetTimersRefusedForTesting(false);
  EXPECT_FALSE(progress->IsVisible());
  EXPECT_EQ(fs::path(DesktopValue(L"Wallpaper")), WallpaperFile());
}

TEST_F(WallpaperTest, RefusalsWriteNothingAndStartNothing) {
  int runs = 0;
  window->Wallpaper().runProgress = [&] { ++runs; };

  // Neither style set: nothing at all.
  settings.Set(Option::NormalWallpaper, false);
  window->OnSetWallpaperClick();
  EXPECT_FALSE(fs::exists(WallpaperFile()));
  settings.Set(Option::NormalWallpaper, true);

  // No picture and no earlier file.
  window->OpenPicture(picture::Picture{});
  try {
    window->OnSetWallpaperClick();
    ADD_FAILURE() << "an empty window set a wallpaper";
  } catch (const ui::UserError& error) {
    EXPECT_EQ(error.Text(), L"Invalid file name - k99WP.bmp");
  }

  // A folder whose file name would pass the system's limit.
  // The system creates folders of up to 247 characters; with "\k99WP.bmp"
  // the file's path then comes to 257.
  constexpr std::size_t kLongestFolder = 247;
  const std::wstring segment = L"a-rather-long-folder-name";
  fs::path deep = folder;
  while (deep.wstring().size() + 1 + segment.size() < kLongestFolder) deep /= segment;
  deep /= std::wstring(kLongestFolder - deep.wstring().size() - 1, L'z');
  ASSERT_TRUE(fs::create_directories(deep));
  settings.SetWallpaperDirectory(deep.wstring());
  const ui::unique_hbitmap bitmap = test::SolidBitmap(3, 3, RGB(1, 2, 3));
  window->OpenPicture(picture::Picture::FromBitmap(bitmap.get(), nullptr));
  EXPECT_THROW(window->OnSetWallpaperClick(), ui::UserError);
  EXPECT_FALSE(fs::exists(deep / std::wstring(tools::kWallpaperFileName)));

  // A folder that is not there.
  settings.SetWallpaperDirectory((folder / L"missing").wstring());
  try {
    window->OnSetWallpaperClick();
    ADD_FAILURE() << "a missing folder was accepted";
  } catch (const ui::UserError& error) {
    EXPECT_NE(error.Text().find((folder / L"missing").wstring()), std::wstring::npos) << "the message names the folder";
  }
  EXPECT_EQ(runs, 0);
  EXPECT_FALSE(window->Wallpaper().Changer().Active());
}

TEST_F(WallpaperTest, TheChangerTakesOnlyExistingFilesAndKeepsItsTimerRunning) {
  WallpaperChanger& changer = window->Wallpaper().Changer();
  const fs::path file = folder / L"picture.bmp";
  { std::ofstream(file) << "BM"; }
  changer.SetFilename(file.wstring());
  EXPECT_EQ(changer.Filename(), file.wstring());
  changer.SetFilename((folder / L"missing.bmp").wstring());
  EXPECT_EQ(changer.Filename(), file.wstring()) << "a missing file keeps the old name";
  changer.SetFilename(folder.wstring());
  EXPECT_EQ(changer.Filename(), file.wstring()) << "a folder is no file";
  changer.SetFilename(L"");
  EXPECT_EQ(changer.Filename(), L"");

  // Two changers a good while apart; re-activating the first must not put
  // its change behind the second's.
  constexpr UINT kIntervalMs = 600;
  constexpr DWORD kApartMs = 400;
  WallpaperChanger second;
  std::vector<int> order;
  changer.onBeginChange = [&](WallpaperChanger&) { order.push_back(1); };
  second.onBeginChange = [&](WallpaperChanger&) { order.push_back(2); };
  changer.SetInterval(kIntervalMs);
  second.SetInterval(kIntervalMs);
  changer.SetActive(true);
  test::PumpFor(kApartMs);
  changer.SetActive(true);
  second.SetActive(true);
  ASSERT_TRUE(test::PumpUntil([&] { return order.size() >= 2; }));
  changer.SetActive(false);
  second.SetActive(false);
  EXPECT_EQ(order.front(), 1);
}

}  // namespace
