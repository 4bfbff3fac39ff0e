// Painting the cell grid when a cell's content cannot be drawn (out of
// memory while scaling its picture): that cell stays empty, the others are
// drawn, and no error box comes up, on this paint or the next.
#include "history/cell_grid_panel.h"

#include <gtest/gtest.h>

#include <new>

#include "history/cell_grid.h"
#include "win32/clipboard_support.h"

namespace {

constexpr COLORREF kContent = RGB(200, 20, 20);

COLORREF CentreOf(HDC dc, int n) {
  const core::Rect content = history::ContentRect(n);
  return GetPixel(dc, content.left + content.width / 2, content.top + content.height / 2);
}

// A grid whose second cell runs out of memory whenever it is drawn.
class FailingGrid : public history::CellGridPanel {
 public:
  explicit FailingGrid(const history::CellStore& store) : CellGridPanel(store, history::CellKind::Image) {}
  int attempts = 0;

 protected:
  void PaintCell(HDC dc, int n, const RECT& content) override {
    if (n == 2) {
      ++attempts;
      throw std::bad_alloc();
    }
    ui::unique_hbrush brush(CreateSolidBrush(kContent));
    FillRect(dc, &content, brush.get());
  }
};

TEST(CellGridPanelTest, ACellThatCannotBeDrawnStaysEmptyAndNoBoxComesUp) {
  test::MessageBoxRecorder boxes;
  history::CellStore store;
  ui::WindowPtr<test::ClipboardWriter> parent = ui::MakeWindow<test::ClipboardWriter>();
  ui::WindowPtr<FailingGrid> grid = ui::MakeWindow<FailingGrid>(store);
  grid->Create(parent->Handle());

  ui::WindowDC screen(nullptr);
  ui::unique_hdc canvas(CreateCompatibleDC(screen.get()));
  ui::unique_hbitmap bitmap(CreateCompatibleBitmap(screen.get(), history::kPanelWidth, history::kPanelHeight));
  ui::SelectGuard select(canvas.get(), bitmap.get());
  SendMessageW(grid->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.get()), PRF_CLIENT);
  EXPECT_EQ(CentreOf(canvas.get(), 1), kContent);
  EXPECT_EQ(CentreOf(canvas.get(), 2), GetSysColor(COLOR_BTNFACE)) << "the failed cell is left empty";
  EXPECT_EQ(CentreOf(canvas.get(), 3), kContent) << "the cells after the failed one are drawn too";

  // Real paints, twice: no box, and each paint tries the cell again.
  for (int paint = 0; paint < 2; ++paint) {
    InvalidateRect(grid->Handle(), nullptr, FALSE);
    UpdateWindow(grid->Handle());
  }
  EXPECT_GE(grid->attempts, 1);
  EXPECT_TRUE(boxes.boxes.empty()) << "painting raised a box";
}

}  // namespace
