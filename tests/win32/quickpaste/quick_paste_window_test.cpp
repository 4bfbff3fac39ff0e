// The quick paste inside the program: the popup lists and filters the cells
// the main window holds, and what it puts on the clipboard comes back to the
// capture marked, so it fills no new cell; other copies still do.
#include <gtest/gtest.h>

#include "desktop/clipboard.h"
#include "quickpaste/quick_paste_window.h"
#include "tools/picture_export.h"
#include "win32/history/main_window_fixture.h"

namespace history {
namespace {

class QuickPasteWindowTest : public MainWindowFixture {
 protected:
  QuickPasteWindowTest() { popup = application.CreateForm<quickpaste::QuickPasteWindow>(settings, *form); }

  void OpenWithoutTarget() { popup->Open(quickpaste::PasteTarget(), RECT{100, 100, 101, 101}); }
  void Press(WPARAM key) {
    HWND filter = FindWindowExW(popup->Handle(), nullptr, L"Edit", nullptr);
    SendMessageW(filter, WM_KEYDOWN, key, 0);
  }
  // Waits until the window handled a clipboard change made by the popup.
  bool PopupChangeHandled(int before) { return PumpUntil([&] { return changes > before; }); }
  std::wstring ClipboardText() {
    desktop::ClipboardSession session(writer->Handle());
    return desktop::ReadClipboardText();
  }

  quickpaste::QuickPasteWindow* popup = nullptr;
};

TEST_F(QuickPasteWindowTest, ChosenItemGoesOnTheClipboardMarkedAndFillsNoNewCell) {
  ASSERT_TRUE(CopyText(L"older text\r\nwith a Kiwi on its second line"));
  ASSERT_TRUE(Counted(CellKind::Text, 1));
  ASSERT_TRUE(CopyBitmap(kRed, 32, 24));
  ASSERT_TRUE(Counted(CellKind::Image, 1));
  ASSERT_TRUE(CopyText(L"newer text"));
  ASSERT_TRUE(Counted(CellKind::Text, 2));

  OpenWithoutTarget();
  EXPECT_EQ(popup->ShownCount(), 3);
  popup->SetFilterText(L"32x24");
  EXPECT_EQ(popup->ShownCount(), 1);
  popup->SetFilterText(L"KIWI second");
  ASSERT_EQ(popup->ShownCount(), 1) << "the word past the first line was not found";
  popup->SetFilterText(L"KIWI seconds");
  EXPECT_EQ(popup->ShownCount(), 0);
  popup->SetFilterText(L"kiwi");
  ASSERT_EQ(popup->ShownCount(), 1) << "a backspace did not widen the list again";

  const int before = changes;
  Press(VK_RETURN);
  ASSERT_TRUE(PopupChangeHandled(before)) << "nothing went on the clipboard";
  EXPECT_EQ(ClipboardText(), L"older text\r\nwith a Kiwi on its second line");
  // With no window to go back to, the popup says where the item is.
  EXPECT_NE(popup->Note().find(L"on the clipboard"), std::wstring::npos) << popup->Note();
  test::PumpFor(500);
  EXPECT_EQ(form->Store().FilledCells(CellKind::Text), 2) << "our own paste was captured";
  EXPECT_FALSE(form->Store().IsPending(CellKind::Text));

  // A picture chosen with Ctrl+2 (the second row: the picture, newest
  // first) is marked the same way.
  OpenWithoutTarget();
  const int beforePicture = changes;
  {
    const SHORT heldControl = GetKeyState(VK_CONTROL);
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    Press('2');
    keys[VK_CONTROL] = static_cast<BYTE>(heldControl < 0 ? 0x80 : 0);
    SetKeyboardState(keys);
  }
  ASSERT_TRUE(PopupChangeHandled(beforePicture));
  test::PumpFor(500);
  EXPECT_EQ(form->Store().FilledCells(CellKind::Image), 1) << "our own picture paste was captured";

  // Copy back from the save window carries no marker: it is a new capture.
  tools::CopyPictureToClipboard(writer->Handle(), form->ImageGrid().CellPicture(1));
  EXPECT_TRUE(Counted(CellKind::Image, 2)) << "copy back was not captured";
}

TEST_F(QuickPasteWindowTest, ARepeatedCopyTakesNoCellOnlyWhileTheOptionIsOn) {
  bool skip = true;
  form->Capture().skipRepeatedCopy = [&skip] { return skip; };
  ASSERT_TRUE(CopyText(L"first"));
  ASSERT_TRUE(Counted(CellKind::Text, 1));
  ASSERT_TRUE(CopyText(L"second"));
  ASSERT_TRUE(Counted(CellKind::Text, 2));
  ASSERT_TRUE(CopyText(L"second"));
  ASSERT_TRUE(CopyText(L"first")) << "an older item copied again is new";
  ASSERT_TRUE(Counted(CellKind::Text, 3));
  EXPECT_EQ(form->TextGrid().CellText(3), L"first");

  ASSERT_TRUE(CopyBitmap(kRed, 8, 8));
  ASSERT_TRUE(Counted(CellKind::Image, 1));
  ASSERT_TRUE(CopyBitmap(kRed, 8, 8));
  ASSERT_TRUE(CopyBitmap(kBlue, 8, 8));
  ASSERT_TRUE(Counted(CellKind::Image, 2));

  skip = false;
  ASSERT_TRUE(CopyText(L"first"));
  EXPECT_TRUE(Counted(CellKind::Text, 4)) << "with the option off every copy is kept";
}

// The list reads each text where its cell keeps it, found once per opening:
// cells that take other content while it is open must be found anew, or the
// search would read what a cell held before (or memory it gave back).
TEST_F(QuickPasteWindowTest, CellsChangedWhileTheListIsOpenAreSearchedAsTheyAreNow) {
  settings.Set(settings::Option::ConfirmDelete, false);
  ASSERT_TRUE(CopyText(L"a kiwi at first") && Counted(CellKind::Text, 1));
  ASSERT_TRUE(CopyText(std::wstring(100000, L'x') + L" mango") && Counted(CellKind::Text, 2));
  OpenWithoutTarget();
  popup->SetFilterText(L"kiwi");
  ASSERT_EQ(popup->ShownCount(), 1);

  // The first text goes; the long one moves down into its cell.
  form->Notebook().SetPageIndex(static_cast<int>(NotebookPage::Text));
  form->OnTextCellClick(1);
  PressButton(kDeleteButtonId);
  ASSERT_EQ(form->TextGrid().CellText(1).size(), 100006u);
  popup->SetFilterText(L"kiw");
  EXPECT_EQ(popup->ShownCount(), 0) << "a deleted text was still found";
  popup->SetFilterText(L"mango");
  EXPECT_EQ(popup->ShownCount(), 1) << "the moved text was not found";

  // A capture while the list is open joins it.
  ASSERT_TRUE(CopyText(L"a ripe mango") && Counted(CellKind::Text, 2));
  popup->SetFilterText(L"mang");
  EXPECT_EQ(popup->ShownCount(), 2);
}

}  // namespace
}  // namespace history
