// Delete and Delete All on the main window, after real captures: the later
// cells move down, the gauges follow, and an advance still pending for a
// deleted capture never counts it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "history/main_window_layout.h"
#include "win32/history/main_window_fixture.h"

namespace history {
namespace {

using CellDeleteTest = MainWindowFixture;

TEST_F(CellDeleteTest, DeleteMovesTheLaterCellsDownAfterAYes) {
  const COLORREF colours[] = {kRed, kGreen, kBlue, RGB(255, 255, 0), RGB(0, 255, 255)};
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(CopyBitmap(colours[i]) && Counted(CellKind::Image, i + 1));
  ASSERT_TRUE(CopyText(L"kept") && Counted(CellKind::Text, 1));
  ClickImageCell(2);

  boxes.SetAnswer(IDNO);
  PressButton(kDeleteButtonId);
  EXPECT_EQ(boxes.Texts(), std::vector<std::wstring>{kConfirmDeleteQuestion});
  EXPECT_EQ(ImageColour(2), kGreen) << "a No deleted";
  EXPECT_EQ(Gauge(kImageGaugeId), 5);

  boxes.SetAnswer(IDYES);
  PressButton(kDeleteButtonId);
  const COLORREF after[] = {kRed, kBlue, RGB(255, 255, 0), RGB(0, 255, 255)};
  for (int n = 1; n <= 4; ++n) EXPECT_EQ(ImageColour(n), after[n - 1]) << "cell " << n;
  EXPECT_TRUE(form->ImageGrid().CellPicture(5).IsEmpty());
  EXPECT_EQ(Gauge(kImageGaugeId), 4) << "the gauge must follow the store";
  EXPECT_EQ(form->Store().SelectedCell(CellKind::Image), 2);
  EXPECT_EQ(form->TextGrid().CellText(1), L"kept");
  EXPECT_EQ(Gauge(kTextGaugeId), 1);
}

TEST_F(CellDeleteTest, DeleteOnTheTextPageMovesTheTextsAndEmptiesTheLastCell) {
  settings.Set(settings::Option::ConfirmDelete, false);
  ASSERT_TRUE(CopyBitmap(kRed) && Counted(CellKind::Image, 1));
  ASSERT_TRUE(CopyText(L"one") && Counted(CellKind::Text, 1));
  ASSERT_TRUE(CopyText(L"two") && Counted(CellKind::Text, 2));
  // The last text is still waiting for its advance when it moves down.
  ASSERT_TRUE(CopyText(L"three"));
  ASSERT_TRUE(form->Store().IsPending(CellKind::Text));
  form->Notebook().SetPageIndex(static_cast<int>(NotebookPage::Text));
  ClickTextCell(1);
  PressButton(kDeleteButtonId);
  EXPECT_TRUE(boxes.boxes.empty()) << "asked although confirmation is off";
  EXPECT_TRUE(Counted(CellKind::Text, 2));
  EXPECT_EQ(form->TextGrid().CellText(1), L"two");
  EXPECT_EQ(form->TextGrid().CellText(2), L"three");
  EXPECT_EQ(form->TextGrid().CellText(3), L"");
  EXPECT_EQ(ImageColour(1), kRed);

  // The full store: cell 55 holds the last item and goes empty.
  TypeIntoTextCell(55, L"last");
  form->Store().SetCount(CellKind::Text, 54);
  ASSERT_TRUE(CopyText(L"saturated") && Counted(CellKind::Text, 54));
  ASSERT_EQ(form->TextGrid().CellText(55), L"saturated");
  form->OnTextCellClick(55);
  PressButton(kDeleteButtonId);
  EXPECT_EQ(form->TextGrid().CellText(55), L"");
  EXPECT_EQ(Gauge(kTextGaugeId), 54);
  EXPECT_EQ(form->Store().FilledCells(CellKind::Text), 54);
}

TEST_F(CellDeleteTest, DeleteAllInsideTheAdvanceDelayEmptiesEverythingForGood) {
  ASSERT_TRUE(CopyBitmap(kRed) && Counted(CellKind::Image, 1));
  ASSERT_TRUE(CopyText(L"one") && Counted(CellKind::Text, 1));
  ASSERT_TRUE(CopyText(L"pending"));
  ASSERT_TRUE(form->Store().IsPending(CellKind::Text));
  form->OnImageCellClick(4);
  form->OnTextCellClick(2);

  boxes.SetAnswer(IDYES);
  PressButton(kDeleteAllButtonId);
  EXPECT_EQ(boxes.Texts(), std::vector<std::wstring>{kConfirmDeleteAllQuestion});
  for (int n = 1; n <= kCellCount; ++n) {
    EXPECT_TRUE(form->ImageGrid().CellPicture(n).IsEmpty()) << n;
    EXPECT_EQ(form->TextGrid().CellText(n), L"") << n;
  }
  test::PumpFor(2 * kAdvanceIntervalMs);
  EXPECT_EQ(Gauge(kImageGaugeId), 0);
  EXPECT_EQ(Gauge(kTextGaugeId), 0) << "the called-off advance counted an emptied cell";
  EXPECT_EQ(form->Store().SelectedCell(CellKind::Image), 4);
  EXPECT_EQ(form->Store().SelectedCell(CellKind::Text), 2);

  ASSERT_TRUE(CopyText(L"again") && Counted(CellKind::Text, 1));
  EXPECT_EQ(form->TextGrid().CellText(1), L"again");
}

TEST_F(CellDeleteTest, DeleteAllRightAfterQuickCapturesLeavesNothingAndPackingGoesOn) {
  // Each capture queues its packing; cells are replaced and emptied meanwhile.
  constexpr int kSide = 700;
  const COLORREF colours[] = {kRed, kGreen, kBlue};
  for (int i = 0; i < 10; ++i) {
    ASSERT_TRUE(Change(
        [&](ClipboardWrite& write) { return write.Bitmap(test::SolidBitmap(kSide + i, kSide, colours[i % 3])); }));
    if (i % 2) {
      ASSERT_TRUE(Counted(CellKind::Image, (i + 1) / 2));
    }
  }
  boxes.SetAnswer(IDYES);
  PressButton(kDeleteAllButtonId);
  for (int n = 1; n <= kCellCount; ++n) EXPECT_TRUE(form->ImageGrid().CellPicture(n).IsEmpty()) << n;
  form->Capture().FinishPicturePacking();
  test::PumpFor(2 * kAdvanceIntervalMs);
  for (int n = 1; n <= kCellCount; ++n) EXPECT_TRUE(form->ImageGrid().CellPicture(n).IsEmpty()) << n;

  ASSERT_TRUE(CopyBitmap(kGreen, 9, 7) && Counted(CellKind::Image, 1));
  form->Capture().FinishPicturePacking();
  EXPECT_TRUE(form->ImageGrid().CellPicture(1).IsPacked());
  EXPECT_EQ(ImageColour(1), kGreen);
  EXPECT_EQ(form->ImageGrid().CellPicture(1).Width(), 9);
}

}  // namespace
}  // namespace history
