#include "history/image_grid_panel.h"

#include <utility>

#include "history/cell_grid.h"
#include "history/spoken_text_rules.h"

namespace history {

const picture::Picture& ImageGridPanel::CellPicture(int n) const { return pictures_.at(static_cast<size_t>(n - 1)); }

void ImageGridPanel::SetPicture(int n, picture::Picture picture) {
  // The cell's small copy is made now, from the pixels as taken, before they
  // are packed away: the quick paste shows it even while the grid was never
  // painted, and neither of them has to unpack a picture to show it small.
  picture.PrepareScaledCopy(kContentWidth, kContentHeight);
  pictures_.at(static_cast<size_t>(n - 1)) = std::move(picture);
}

void ImageGridPanel::MoveCellsDown(int firstCell) {
  // Moved, not copied: a picture can be large.
  for (int j = firstCell; j < kCellCount; ++j) {
    const auto to = static_cast<size_t>(j - 1);
    pictures_[to] = std::move(pictures_[to + 1]);
  }
  pictures_.back() = picture::Picture();
}

void ImageGridPanel::EmptyCells() {
  for (picture::Picture& picture : pictures_) picture = picture::Picture();
}

std::wstring ImageGridPanel::CellName(int n) const {
  const picture::Picture& picture = CellPicture(n);
  return PictureCellName(n, picture.IsEmpty(), picture.Width(), picture.Height());
}

void ImageGridPanel::PaintCell(HDC dc, int n, const RECT& content) {
  pictures_[static_cast<size_t>(n - 1)].Draw(dc, content);
}

}  // namespace history
