// The main window worked by keyboard alone.
#include <gtest/gtest.h>

#include <vector>

#include "win32/history/main_window_fixture.h"
#include "win32/keyboard_support.h"
#include "win32/ui/rendering.h"

namespace history {
namespace {

class GridKeyboardTest : public MainWindowFixture {
 protected:
  static void Press(UINT key, std::initializer_list<UINT> held = {}) { test::PressKey(key, held); }
  int Selected(CellKind kind) const { return form->Store().SelectedCell(kind); }
  int ScrollOf(HWND grid) const { return GetScrollPos(GetParent(grid), SB_VERT); }
  // Whether cell n's frame lies wholly inside the visible part of its page.
  bool InView(HWND grid, int n) const {
    RECT view{};
    GetClientRect(GetParent(grid), &view);
    const core::Rect frame = FrameRect(n);
    const int top = frame.top - ScrollOf(grid);
    return top >= 0 && top + frame.height <= view.bottom;
  }
  // The top edge of cell n's frame band, where the focus rectangle runs.
  std::vector<COLORREF> BandOf(HWND grid, int n) const {
    const test::Rendering shown = test::Render(grid);
    const core::Rect frame = FrameRect(n);
    std::vector<COLORREF> band;
    for (int x = frame.left + 1; x < frame.Right() - 1; ++x) {
      for (int y = frame.top + 1; y < frame.top + kContentInset; ++y) band.push_back(shown.At(x, y));
    }
    return band;
  }
};

TEST_F(GridKeyboardTest, KeysMoveTheImageSelectionScrollAndOpenAndDeleteLikeTheMouse) {
  const COLORREF colours[] = {kRed, kGreen, kBlue};
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(CopyBitmap(colours[i]) && Counted(CellKind::Image, i + 1));
  const HWND grid = ImageGrid();
  ClickImageCell(1);
  ASSERT_EQ(GetFocus(), grid) << "a click gives the grid the keyboard";
  EXPECT_EQ(form->ImageGrid().FocusedCell(), 1);
  const std::vector<COLORREF> clicked = BandOf(grid, 1);

  Press(VK_RIGHT);
  EXPECT_EQ(Selected(CellKind::Image), 2);
  Press(VK_LEFT);
  EXPECT_NE(BandOf(grid, 1), clicked) << "no focus rectangle after a key";
  Press(VK_DOWN);
  EXPECT_EQ(Selected(CellKind::Image), 6);
  Press(VK_NEXT);
  EXPECT_EQ(Selected(CellKind::Image), 6 + GridPageRows() * kGridColumns);
  EXPECT_GT(ScrollOf(grid), 0);
  EXPECT_TRUE(InView(grid, Selected(CellKind::Image)));
  Press(VK_END);
  EXPECT_EQ(Selected(CellKind::Image), kCellCount);
  EXPECT_TRUE(InView(grid, kCellCount));
  Press(VK_UP);
  EXPECT_EQ(Selected(CellKind::Image), kCellCount - kGridColumns);
  Press(VK_HOME);
  EXPECT_EQ(Selected(CellKind::Image), 1);
  EXPECT_EQ(ScrollOf(grid), 0);
  EXPECT_EQ(form->Store().SelectedCell(CellKind::Text), 1) << "the text selection is not the keys'";

  // Enter is the double click: the cell opens for saving.
  std::vector<COLORREF> opened;
  form->openPicture = [&](const picture::Picture& picture) { opened.push_back(test::CentreColour(picture)); };
  Press(VK_RIGHT);
  Press(VK_RETURN);
  EXPECT_EQ(opened, std::vector<COLORREF>{kGreen});

  // Delete is the button, with its question.
  boxes.SetAnswer(IDNO);
  Press(VK_DELETE);
  EXPECT_EQ(ImageColour(2), kGreen);
  boxes.SetAnswer(IDYES);
  Press(VK_DELETE);
  EXPECT_EQ(boxes.Texts(), (std::vector<std::wstring>{kConfirmDeleteQuestion, kConfirmDeleteQuestion}));
  EXPECT_EQ(ImageColour(2), kBlue);
  EXPECT_EQ(Gauge(kImageGaugeId), 2);

  // The mouse puts the focus rectangle away again; a grid without the
  // focus never shows one.
  ClickImageCell(1);
  EXPECT_EQ(BandOf(grid, 1), clicked);
  Press(VK_TAB);
  EXPECT_NE(GetFocus(), grid) << "Tab leaves the grid";
  EXPECT_EQ(form->ImageGrid().FocusedCell(), 0);
  EXPECT_EQ(BandOf(grid, 1), clicked);
}

TEST_F(GridKeyboardTest, TabWalksTheTextCellsSelectingEachAndCtrlTabTurnsThePage) {
  ClickImageCell(1);
  Press(VK_TAB, {VK_CONTROL});
  ASSERT_EQ(form->PageIndex(), static_cast<int>(NotebookPage::Text));
  EXPECT_EQ(GetFocus(), form->TextCellHandle(1)) << "the focus follows onto the page shown";

  const HWND textGrid = GetParent(form->TextCellHandle(1));
  for (int n = 2; n <= 2 * kGridColumns + 1; ++n) Press(VK_TAB);
  EXPECT_EQ(GetFocus(), form->TextCellHandle(2 * kGridColumns + 1));
  EXPECT_EQ(Selected(CellKind::Text), 2 * kGridColumns + 1);
  EXPECT_EQ(form->TextGrid().FocusedCell(), 2 * kGridColumns + 1);
  EXPECT_TRUE(InView(textGrid, 2 * kGridColumns + 1)) << "the cell Tab reached is scrolled into view";
  Press(VK_TAB, {VK_SHIFT});
  EXPECT_EQ(Selected(CellKind::Text), 2 * kGridColumns);

  // Esc in a memo leaves the grid whole, and the memo keeps its keys.
  Press(VK_ESCAPE);
  EXPECT_TRUE(IsWindow(textGrid));
  EXPECT_EQ(GetFocus(), form->TextCellHandle(2 * kGridColumns));

  // After the last cell come the tabs, then the buttons, which answer Enter.
  SetFocus(form->TextCellHandle(kCellCount));
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), form->Notebook().TabControl());
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), GetDlgItem(form->Handle(), kExitButtonId));
  int optionsShown = 0;
  form->showOptions = [&] { ++optionsShown; };
  Press(VK_TAB);
  Press(VK_RETURN);
  EXPECT_EQ(optionsShown, 1);

  Press(VK_TAB, {VK_CONTROL, VK_SHIFT});
  EXPECT_EQ(form->PageIndex(), static_cast<int>(NotebookPage::Images));
  Press(VK_TAB, {VK_CONTROL, VK_SHIFT});
  EXPECT_EQ(form->PageIndex(), static_cast<int>(NotebookPage::Text)) << "the pages turn round";
}

}  // namespace
}  // namespace history
