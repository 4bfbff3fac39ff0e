// The main window worked by keyboard alone.
#include <gtest/gtest.h>

#include <vector>

#include "win32/history/main_window_fixture.h"
#include "win32/keyboard_support.h"
#include "win32/ui/rendering.h"

namespace history {
namespace {

using test::PressKey;

class GridKeyboardTest : public MainWindowFixture {
 protected:
  int Selected(CellKind kind) const { return form->Store().SelectedCell(kind); }
  // Whether the selected cell's frame lies wholly in view on its page.
  bool SelectedInView(CellKind kind, HWND grid) const {
    RECT view{};
    GetClientRect(GetParent(grid), &view);
    const core::Rect frame = FrameRect(Selected(kind));
    const int top = frame.top - GetScrollPos(GetParent(grid), SB_VERT);
    return top >= 0 && top + frame.height <= view.bottom;
  }
  // The band of cell 1's frame, where a focus rectangle would run.
  std::vector<COLORREF> Band(HWND grid) const {
    const test::Rendering shown = test::Render(grid);
    std::vector<COLORREF> band;
    for (int y = 1; y < kContentInset; ++y) {
      for (int x = 1; x < kFrameWidth - 1; ++x) band.push_back(shown.At(x, y));
    }
    return band;
  }
};

TEST_F(GridKeyboardTest, KeysMoveTheImageSelectionScrollAndOpenAndDeleteLikeTheMouse) {
  const COLORREF colours[] = {kRed, kGreen, kBlue};
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(CopyBitmap(colours[i]) && Counted(CellKind::Image, i + 1));
  const HWND grid = ImageGrid();
  ClickImageCell(1);
  ASSERT_EQ(form->ImageGrid().FocusedCell(), 1) << "a click gives the grid the keyboard";
  const std::vector<COLORREF> clicked = Band(grid);

  PressKey(VK_DOWN);
  PressKey(VK_NEXT);
  EXPECT_EQ(Selected(CellKind::Image), 1 + (1 + GridPageRows()) * kGridColumns);
  EXPECT_GT(GetScrollPos(GetParent(grid), SB_VERT), 0);
  EXPECT_TRUE(SelectedInView(CellKind::Image, grid));
  PressKey(VK_END);
  EXPECT_EQ(Selected(CellKind::Image), kCellCount);
  EXPECT_TRUE(SelectedInView(CellKind::Image, grid));
  PressKey(VK_HOME);
  EXPECT_TRUE(SelectedInView(CellKind::Image, grid));
  EXPECT_NE(Band(grid), clicked) << "no focus rectangle after a key";

  // Enter is the double click; Delete is the button, with its question.
  std::vector<COLORREF> opened;
  form->openPicture = [&](const picture::Picture& picture) { opened.push_back(test::CentreColour(picture)); };
  PressKey(VK_RIGHT);
  PressKey(VK_RETURN);
  EXPECT_EQ(opened, std::vector<COLORREF>{kGreen});
  boxes.SetAnswer(IDYES);
  PressKey(VK_DELETE);
  EXPECT_EQ(boxes.Texts(), std::vector<std::wstring>{kConfirmDeleteQuestion});
  EXPECT_EQ(ImageColour(2), kBlue);
  EXPECT_EQ(Selected(CellKind::Text), 1) << "the text selection is not the keys'";

  // The mouse puts the focus rectangle away again.
  ClickImageCell(1);
  EXPECT_EQ(Band(grid), clicked);
}

TEST_F(GridKeyboardTest, TabWalksTheTextCellsSelectingEachAndCtrlTabTurnsThePage) {
  ClickImageCell(1);
  PressKey(VK_TAB, {VK_CONTROL});
  ASSERT_EQ(form->PageIndex(), static_cast<int>(NotebookPage::Text));
  EXPECT_EQ(GetFocus(), form->TextCellHandle(1)) << "the focus follows onto the page shown";
  const HWND textGrid = GetParent(form->TextCellHandle(1));
  for (int n = 1; n <= 2 * kGridColumns; ++n) PressKey(VK_TAB);
  EXPECT_EQ(form->TextGrid().FocusedCell(), 2 * kGridColumns + 1);
  EXPECT_EQ(Selected(CellKind::Text), 2 * kGridColumns + 1);
  EXPECT_TRUE(SelectedInView(CellKind::Text, textGrid)) << "the cell Tab reached is scrolled into view";
  PressKey(VK_TAB, {VK_SHIFT});
  EXPECT_EQ(Selected(CellKind::Text), 2 * kGridColumns);
  // Esc in a memo once closed the whole grid.
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(IsWindow(textGrid));

  // After the last cell come the tabs, then the buttons, which answer Enter.
  int optionsShown = 0;
  form->showOptions = [&] { ++optionsShown; };
  SetFocus(form->TextCellHandle(kCellCount));
  for (int i = 0; i < 3; ++i) PressKey(VK_TAB);
  EXPECT_EQ(GetDlgCtrlID(GetFocus()), kOptionsButtonId);
  PressKey(VK_RETURN);
  EXPECT_EQ(optionsShown, 1);
  PressKey(VK_TAB, {VK_CONTROL, VK_SHIFT});
  PressKey(VK_TAB, {VK_CONTROL, VK_SHIFT});
  EXPECT_EQ(form->PageIndex(), static_cast<int>(NotebookPage::Text)) << "the pages turn round";
}

}  // namespace
}  // namespace history
