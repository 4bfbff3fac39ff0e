// The save and edit window seen from outside: a double click on a text cell
// opens it on that text, and a picture copied back from it comes round as a
// new image cell.
#include <windows.h>

#include <string>

#include "core/window_classes.h"
#include "e2e/clipboard_writer.h"
#include "e2e/harness.h"
#include "history/main_window_layout.h"
#include "tools/cell_window.h"

namespace e2e {
namespace {

constexpr wchar_t kTabsClass[] = L"SysTabControl32";
constexpr int kPictureWidth = 48;
constexpr int kPictureHeight = 32;
constexpr uint32_t kPictureSeed = 11;

class CellWindowTest : public KestrelTest {
 protected:
  // Starts the program from an empty clipboard and has it capture one
  // picture into image cell 1. Returns the main window and its image gauge,
  // or null.
  HWND StartWithOnePicture(ClipboardWriter& writer, HWND& gauge) {
    if (!writer.Empty()) return nullptr;
    HWND main = StartProgram();
    gauge = main ? FindChildById(main, history::kImageGaugeId, kGaugeClass) : nullptr;
    if (!gauge || !writer.WriteBitmap(kPictureWidth, kPictureHeight, kPictureSeed)) return nullptr;
    return WaitUntil([&] { return GaugePosition(gauge) == 1; }) ? main : nullptr;
  }
};

// The save and edit window once it is on screen with the given caption.
HWND WaitForCellWindow(DWORD processId, const wchar_t* caption) {
  HWND window = nullptr;
  const bool open = WaitUntil([&] {
    window = FindProcessWindow(processId, core::kCellWindowClass);
    return window && IsWindowVisible(window) && ReadWindowText(window) == caption;
  });
  return open ? window : nullptr;
}

TEST_F(CellWindowTest, DoubleClickOnATextCellOpensTheEditorOnItsText) {
  ClipboardWriter writer;
  ASSERT_TRUE(writer.Empty());
  HWND main = StartProgram();
  ASSERT_NE(main, nullptr);
  HWND memo = TextCellMemo(main, 1);
  ASSERT_NE(memo, nullptr);
  const std::wstring text = L"Edit me: caf\u00E9 \u65E5\u672C";
  ASSERT_TRUE(writer.WriteText(text));
  ASSERT_TRUE(WaitUntil([&] { return ReadWindowText(memo) == text; }));

  // The text cells are on the notebook's second page: go there as a user
  // at the keyboard would, with the arrow key on the tabs.
  ShowWindow(main, SW_SHOWNORMAL);
  HWND notebook = FindWindowExW(main, nullptr, core::kNotebookClass, nullptr);
  HWND tabs = notebook ? FindWindowExW(notebook, nullptr, kTabsClass, nullptr) : nullptr;
  ASSERT_NE(tabs, nullptr);
  PostMessageW(tabs, WM_KEYDOWN, VK_RIGHT, 0);
  PostMessageW(tabs, WM_KEYUP, VK_RIGHT, 0);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(memo) != FALSE; })) << "the Text page did not show";
  // What the mouse sends for a double click: the first click, then the
  // double click itself.
  constexpr LPARAM kInside = MAKELPARAM(10, 10);
  PostMessageW(memo, WM_LBUTTONDOWN, MK_LBUTTON, kInside);
  PostMessageW(memo, WM_LBUTTONUP, 0, kInside);
  PostMessageW(memo, WM_LBUTTONDBLCLK, MK_LBUTTON, kInside);
  PostMessageW(memo, WM_LBUTTONUP, 0, kInside);

  HWND editor = WaitForCellWindow(program_.ProcessId(), L"Edit");
  ASSERT_NE(editor, nullptr) << "the edit window did not open";
  HWND editorMemo = FindChildById(editor, tools::CellWindow::kMemoId, kEditClass);
  ASSERT_NE(editorMemo, nullptr);
  EXPECT_EQ(ReadWindowText(editorMemo), text);
}

TEST_F(CellWindowTest, APictureCopiedBackBecomesANewImageCell) {
  ClipboardWriter writer;
  HWND gauge = nullptr;
  HWND main = StartWithOnePicture(writer, gauge);
  ASSERT_TRUE(main && gauge) << "the program did not start or did not capture the picture";

  // Edit/Save on the Images page opens the save window on the selected
  // cell, cell 1.
  ShowWindow(main, SW_SHOWNORMAL);
  PostMessageW(GetDlgItem(main, history::kSaveEditButtonId), BM_CLICK, 0, 0);
  HWND saver = WaitForCellWindow(program_.ProcessId(), L"Save");
  ASSERT_NE(saver, nullptr) << "the save window did not open";
  // The copy-back button of its toolbar.
  PostMessageW(saver, WM_COMMAND, MAKEWPARAM(tools::kCopyBackCommand, BN_CLICKED), 0);

  EXPECT_TRUE(WaitUntil([&] { return GaugePosition(gauge) == 2; })) << "the copied-back picture was not captured";
  ASSERT_TRUE(OpenClipboard(nullptr));
  BITMAP info{};
  HBITMAP onClipboard = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
  const bool described = onClipboard && GetObjectW(onClipboard, sizeof(info), &info) != 0;
  CloseClipboard();
  ASSERT_TRUE(described) << "no bitmap on the clipboard";
  EXPECT_EQ(info.bmWidth, kPictureWidth);
  EXPECT_EQ(info.bmHeight, kPictureHeight);
}

TEST_F(CellWindowTest, SetAsWallpaperWritesThePictureAndTheDesktopSettings) {
  ClipboardWriter writer;
  HWND gauge = nullptr;
  HWND main = StartWithOnePicture(writer, gauge);
  ASSERT_TRUE(main && gauge) << "the program did not start or did not capture the picture";
  wchar_t windows[MAX_PATH] = L"";
  GetWindowsDirectoryW(windows, MAX_PATH);
  const std::wstring file = std::wstring(windows) + L"\\k99WP.bmp";
  DeleteFileW(file.c_str());

  ShowWindow(main, SW_SHOWNORMAL);
  PostMessageW(GetDlgItem(main, history::kSaveEditButtonId), BM_CLICK, 0, 0);
  HWND saver = WaitForCellWindow(program_.ProcessId(), L"Save");
  ASSERT_NE(saver, nullptr) << "the save window did not open";
  PostMessageW(saver, WM_COMMAND, MAKEWPARAM(tools::kSetWallpaperCommand, BN_CLICKED), 0);

  // The progress window comes and goes; then the file and the registry say
  // what the desktop shows.
  wchar_t wallpaper[MAX_PATH] = L"";
  EXPECT_TRUE(WaitUntil([&] {
    DWORD bytes = sizeof(wallpaper);
    return RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\desktop", L"Wallpaper", RRF_RT_REG_SZ, nullptr,
                        wallpaper, &bytes) == ERROR_SUCCESS &&
           _wcsicmp(wallpaper, file.c_str()) == 0 &&
           !IsWindowVisible(FindProcessWindow(program_.ProcessId(), core::kWallpaperProgressWindowClass));
  })) << "Wallpaper: " << wallpaper;
  wchar_t tiled[8] = L"";
  DWORD bytes = sizeof(tiled);
  RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\desktop", L"TileWallPaper", RRF_RT_REG_SZ, nullptr, tiled, &bytes);
  EXPECT_STREQ(tiled, L"0");
  const ui::unique_hbitmap written(static_cast<HBITMAP>(
      LoadImageW(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
  ASSERT_TRUE(written) << "k99WP.bmp is no bitmap file";
  BITMAP info{};
  GetObjectW(written.get(), sizeof(info), &info);
  EXPECT_EQ(info.bmWidth, kPictureWidth);
  EXPECT_EQ(info.bmHeight, kPictureHeight);
}

}  // namespace
}  // namespace e2e
