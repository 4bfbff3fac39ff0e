#include "picture/picture_box.h"

#include <utility>

#include "core/window_classes.h"

namespace picture {

namespace {
constexpr wchar_t kAccessibleName[] = L"Picture";
}  // namespace

void PictureBox::Create(HWND parent, int x, int y, int width, int height) {
  EnablePainting();
  ui::AccessibleAnswers answers;
  answers.name = [](long) { return std::optional<std::wstring>(kAccessibleName); };
  answers.role = [](long) { return std::optional<long>(ROLE_SYSTEM_GRAPHIC); };
  accessible_.SetAnswers(std::move(answers));
  CreateFromParams(ui::WindowParams::Child(core::kPictureBoxClass, parent, x, y, width, height));
}

void PictureBox::SetPicture(Picture picture) {
  picture_ = std::move(picture);
  if (picture_.Width() > 0 && picture_.Height() > 0) {
    SetWindowPos(Handle(), nullptr, 0, 0, picture_.Width(), picture_.Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  Invalidate();
}

int PictureBox::Width() const {
  RECT rect{};
  GetWindowRect(Handle(), &rect);
  return rect.right - rect.left;
}

int PictureBox::Height() const {
  RECT rect{};
  GetWindowRect(Handle(), &rect);
  return rect.bottom - rect.top;
}

void PictureBox::PaintContent(HDC dc, const RECT& clientRect) {
  FillRect(dc, &clientRect, GetSysColorBrush(COLOR_BTNFACE));
  if (picture_.IsEmpty()) return;
  const RECT own{0, 0, picture_.Width(), picture_.Height()};
  picture_.Draw(dc, own);
}

void PictureBox::OnDoubleClick() {
  if (onDoubleClick) onDoubleClick();
}

LRESULT PictureBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDBLCLK: OnDoubleClick(); return 0;
    case WM_GETOBJECT: return accessible_.OnGetObject(Handle(), wParam, lParam).value_or(0);
    default: return DefaultHandling(message, wParam, lParam);
  }
}

}  // namespace picture
