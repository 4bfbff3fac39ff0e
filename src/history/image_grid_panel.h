// The grid of the Images page: its 55 cells' pictures, each drawn scaled
// into its cell.
#pragma once

#include <array>

#include "history/cell_grid_panel.h"
#include "picture/picture.h"

namespace history {

class ImageGridPanel : public CellGridPanel {
 public:
  explicit ImageGridPanel(const CellStore& store) : CellGridPanel(store, CellKind::Image) {}

  const picture::Picture& CellPicture(int n) const;
  // Draws cell n's small copy into `target`, without unpacking the picture.
  void DrawThumbnail(int n, HDC dc, const RECT& target) const { CellPicture(n).DrawScaledCopy(dc, target); }
  void SetPicture(int n, picture::Picture picture);
  void MoveCellsDown(int firstCell) override;
  void EmptyCells() override;
  std::wstring CellName(int n) const override;

 protected:
  void PaintCell(HDC dc, int n, const RECT& content) override;

 private:
  std::array<picture::Picture, kCellCount> pictures_;
};

}  // namespace history
