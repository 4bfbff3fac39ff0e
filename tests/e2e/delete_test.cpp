// Delete and Delete All seen from outside: cells picked with the mouse, the
// confirmation answered in the program's own box, and the cells, the
// gauges and the next capture checked afterwards.
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "core/window_classes.h"
#include "e2e/clipboard_writer.h"
#include "e2e/harness.h"
#include "history/cell_grid.h"
#include "history/main_window_layout.h"
#include "ui/handles.h"

namespace e2e {
namespace {

constexpr wchar_t kDialogClass[] = L"#32770";
constexpr wchar_t kConfirmCaption[] = L"Confirm";
constexpr int kPictureSide = 40;
constexpr int kPictures = 5;
// Long enough for a shown window to have painted.
constexpr std::chrono::milliseconds kPaintTime{700};
constexpr std::chrono::milliseconds kLongerThanTheAdvance{3 * history::kAdvanceIntervalMs};

using Pixels = std::vector<COLORREF>;
using DeleteTest = KestrelTest;

BOOL CALLBACK CollectGrid(HWND window, LPARAM grids) {
  wchar_t name[64] = L"";
  GetClassNameW(window, name, 64);
  if (std::wstring(name) == core::kCellGridClass) reinterpret_cast<std::vector<HWND>*>(grids)->push_back(window);
  return TRUE;
}

// The panel of the image cells: the cell grid that does not hold the memos.
HWND ImageGrid(HWND main) {
  std::vector<HWND> grids;
  EnumChildWindows(main, &CollectGrid, reinterpret_cast<LPARAM>(&grids));
  HWND textGrid = GetParent(TextCellMemo(main, 1));
  for (HWND grid : grids) {
    if (grid != textGrid) return grid;
  }
  return nullptr;
}

// What the screen shows of cell n's picture.
Pixels CellPixels(HWND grid, int n) {
  const core::Rect content = history::ContentRect(n);
  POINT origin{content.left, content.top};
  ClientToScreen(grid, &origin);
  ui::WindowDC screen(nullptr);
  ui::unique_hdc dc(CreateCompatibleDC(screen.get()));
  ui::unique_hbitmap copy(CreateCompatibleBitmap(screen.get(), content.width, content.height));
  Pixels pixels;
  {
    ui::SelectGuard select(dc.get(), copy.get());
    BitBlt(dc.get(), 0, 0, content.width, content.height, screen.get(), origin.x, origin.y, SRCCOPY);
    for (int y = 0; y < content.height; y += 4) {
      for (int x = 0; x < content.width; x += 4) pixels.push_back(GetPixel(dc.get(), x, y));
    }
  }
  return pixels;
}

std::vector<Pixels> FirstCells(HWND main) {
  ShowWindow(main, SW_SHOWNORMAL);
  SetForegroundWindow(main);
  PumpFor(kPaintTime);
  std::vector<Pixels> cells;
  for (int n = 1; n <= kPictures; ++n) cells.push_back(CellPixels(ImageGrid(main), n));
  return cells;
}

// Presses a button of the program without waiting for it: its command may
// open a modal box.
void Press(HWND main, int id) { PostMessageW(GetDlgItem(main, id), BM_CLICK, 0, 0); }

HWND WaitForConfirmBox(DWORD processId) {
  HWND box = nullptr;
  WaitUntil([&] {
    box = FindProcessWindow(processId, kDialogClass);
    return box && ReadWindowText(box) == kConfirmCaption;
  });
  return box;
}

void AnswerYes(HWND box) { SendMessageW(GetDlgItem(box, IDYES), BM_CLICK, 0, 0); }

TEST_F(DeleteTest, DeletingTheSecondPictureMovesTheLaterOnesDown) {
  ClipboardWriter writer;
  ASSERT_TRUE(writer.Empty());
  HWND main = StartProgram();
  ASSERT_NE(main, nullptr);
  HWND gauge = FindChildById(main, history::kImageGaugeId, kGaugeClass);
  ASSERT_TRUE(gauge && ImageGrid(main)) << "a control of the main window is missing";
  for (int i = 1; i <= kPictures; ++i) {
    ASSERT_TRUE(writer.WriteBitmap(kPictureSide, kPictureSide, static_cast<uint32_t>(i)));
    ASSERT_TRUE(WaitUntil([&] { return GaugePosition(gauge) == i; })) << "picture " << i << " was not counted";
  }
  const std::vector<Pixels> before = FirstCells(main);
  for (int n = 1; n < kPictures; ++n) ASSERT_NE(before[n - 1], before[n]) << "pictures too alike to tell apart";

  const core::Rect second = history::ContentRect(2);
  const LPARAM at = MAKELPARAM(second.left + second.width / 2, second.top + second.height / 2);
  PostMessageW(ImageGrid(main), WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(ImageGrid(main), WM_LBUTTONUP, 0, at);
  {
    const test::BoxWatchdog::Expecting asking(program_.Boxes());
    Press(main, history::kDeleteButtonId);
    HWND box = WaitForConfirmBox(program_.ProcessId());
    ASSERT_NE(box, nullptr) << "Delete did not ask";
    AnswerYes(box);
  }

  EXPECT_TRUE(WaitUntil([&] { return GaugePosition(gauge) == kPictures - 1; })) << "the gauge did not drop to 4";
  const std::vector<Pixels> after = FirstCells(main);
  EXPECT_EQ(after[0], before[0]) << "cell 1 changed";
  for (int n = 2; n < kPictures; ++n)
    EXPECT_EQ(after[n - 1], before[n]) << "cell " << n << " did not get its successor";
  for (int n = 1; n < kPictures; ++n) EXPECT_NE(after[kPictures - 1], before[n - 1]) << "cell 5 still shows a picture";
}

TEST_F(DeleteTest, DeleteAllInsideTheAdvanceDelayLeavesTheNextCaptureInCellOne) {
  ClipboardWriter writer;
  ASSERT_TRUE(writer.Empty());
  HWND main = StartProgram();
  ASSERT_NE(main, nullptr);
  HWND gauge = FindChildById(main, history::kTextGaugeId, kGaugeClass);
  HWND memo1 = TextCellMemo(main, 1);
  HWND memo2 = TextCellMemo(main, 2);
  ASSERT_TRUE(gauge && memo1 && memo2) << "a control of the main window is missing";

  // The program goes on capturing while it asks; a text copied then and
  // the answer right after it put the delete inside the advance delay. A
  // busy machine may let the delay run out first: that round proves nothing
  // (the delete then finds the text counted), so it is played again.
  constexpr int kRounds = 5;
  bool insideTheDelay = false;
  for (int round = 0; round < kRounds && !insideTheDelay; ++round) {
    const test::BoxWatchdog::Expecting asking(program_.Boxes());
    Press(main, history::kDeleteAllButtonId);
    HWND box = WaitForConfirmBox(program_.ProcessId());
    ASSERT_NE(box, nullptr) << "Delete All did not ask";
    ASSERT_TRUE(writer.WriteText(L"caught in the delay"));
    ASSERT_TRUE(WaitUntil([&] { return ReadWindowText(memo1) == L"caught in the delay"; }));
    AnswerYes(box);
    LARGE_INTEGER now{};
    LARGE_INTEGER frequency{};
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    insideTheDelay = (now.QuadPart - writer.LastClosedAt()) * 1000 / frequency.QuadPart < history::kAdvanceIntervalMs;
    ASSERT_TRUE(WaitUntil([&] { return !FindProcessWindow(program_.ProcessId(), kDialogClass); }));
  }
  ASSERT_TRUE(insideTheDelay) << "no answer came inside the advance delay in " << kRounds << " rounds";

  EXPECT_TRUE(WaitUntil([&] { return ReadWindowText(memo1) == L""; })) << "cell 1 was not emptied";
  PumpFor(kLongerThanTheAdvance);
  EXPECT_EQ(GaugePosition(gauge), 0) << "the emptied capture was counted after all";

  ASSERT_TRUE(writer.WriteText(L"next"));
  EXPECT_TRUE(WaitUntil([&] { return GaugePosition(gauge) == 1; }));
  EXPECT_EQ(ReadWindowText(memo1), L"next");
  EXPECT_EQ(ReadWindowText(memo2), L"");
}

}  // namespace
}  // namespace e2e
