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
    const int top = FrameRect(Selected(kind)).top - GetScrollPos(GetParent(grid), SB_VERT);
    return top >= 0 && top + kFrameHeight <= view.bottom;
  }
  // Cell 1's frame band, where a focus rectangle would run.
  static std::vector<COLORREF> Band(HWND grid) {
    const test::Rendering shown = test::Render(grid);
    return {shown.pixels.begin(), shown.pixels.begin() + shown.width * kContentInset};
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
  EXPECT_TRUE(SelectedInView(CellKind::Image, grid)) << "the page scrolls along";
  PressKey(VK_END);
  EXPECT_TRUE(SelectedInView(CellKind::Image, grid) && Selected(CellKind::Image) == kCellCount);
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

  ClickImageCell(1);
  EXPECT_EQ(Band(grid), clicked) << "the mouse puts the focus rectangle away";
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
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(IsWindow(textGrid)) << "Esc in a memo closed the grid";

  // After the last cell come the tabs, then the buttons, which answer Enter.
  int optionsShown = 0;
  form->showOptions = [&] { ++optionsShown; };
  SetFocus(form->TextCellHandle(kCellCount));
  for (int i = 0; i < 3; ++i) PressKey(VK_TAB);
  PressKey(VK_RETURN);
  EXPECT_EQ(optionsShown, 1);
  PressKey(VK_TAB, {VK_CONTROL, VK_SHIFT});
  EXPECT_EQ(form->PageIndex(), static_cast<int>(NotebookPage::Images));
}

}  // namespace
}  // namespace history
