#include "ui/scaled_images.h"

#include <commctrl.h>

#include <array>

#include "resource_ids.h"

namespace ui {

namespace {

// The sides every glyph is drawn at, smallest first; the resources hold
// the larger ones under SCALED_GLYPH_ID.
constexpr std::array kGlyphSides{kGlyphSide, 20, 24, 32};

// The scales the splash-sized pictures are drawn at, in percent.
constexpr int kPercent = 100;
constexpr int kOneAndHalfPercent = 150;
constexpr int kTwoPercent = 200;

using LoadIconWithScaleDownFunction = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);

HBITMAP LoadBitmapResource(int resourceId) {
  return static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

// Common Controls 6 scales a larger image down where an icon has none of
// the size asked for, which looks far better than the plain loader
// stretching a smaller one up; without it (before Vista, or with the
// older library) the plain loader does.
HICON LoadScaledDown(int resourceId, int side) {
  HMODULE controls = GetModuleHandleW(L"comctl32.dll");
  const auto scaleDown = controls ? reinterpret_cast<LoadIconWithScaleDownFunction>(reinterpret_cast<void*>(
                                        GetProcAddress(controls, "LoadIconWithScaleDown")))
                                  : nullptr;
  HICON icon = nullptr;
  if (scaleDown && SUCCEEDED(scaleDown(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId), side, side, &icon))) {
    return icon;
  }
  return static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId), IMAGE_ICON, side, side, 0));
}

}  // namespace

int GlyphSide(Dpi dpi) {
  const int wanted = dpi.Scale(kGlyphSide);
  int side = kGlyphSide;
  for (int drawn : kGlyphSides) {
    if (drawn <= wanted) side = drawn;
  }
  return side;
}

unique_hbitmap LoadGlyph(int resourceId, int side) {
  for (auto size = kGlyphSides.rbegin(); size != kGlyphSides.rend(); ++size) {
    if (*size > side && *size != kGlyphSide) continue;
    // A glyph not drawn at this size falls back to the next smaller one.
    const int id = *size == kGlyphSide ? resourceId : SCALED_GLYPH_ID(resourceId, *size);
    if (HBITMAP glyph = LoadBitmapResource(id)) return unique_hbitmap(glyph);
  }
  return unique_hbitmap();
}

unique_hicon LoadIconSized(int resourceId, int side) { return unique_hicon(LoadScaledDown(resourceId, side)); }

unique_hicon LoadSmallIcon(int resourceId, Dpi dpi) { return LoadIconSized(resourceId, dpi.Metric(SM_CXSMICON)); }

unique_hbitmap LoadScaledPicture(const ScaledPictureIds& ids, Dpi dpi) {
  const int percent = MulDiv(dpi.Value(), kPercent, kBaseDpi);
  const int id = percent <= kPercent ? ids.atOne : percent <= kOneAndHalfPercent ? ids.atOneAndHalf : ids.atTwo;
  if (HBITMAP picture = LoadBitmapResource(id)) return unique_hbitmap(picture);
  return unique_hbitmap(LoadBitmapResource(ids.atOne));
}

void DrawPicture(HDC dc, HBITMAP picture, const RECT& target) {
  BITMAP info{};
  if (!picture || !GetObjectW(picture, sizeof(info), &info)) return;
  const int width = target.right - target.left;
  const int height = target.bottom - target.top;
  unique_hdc source(CreateCompatibleDC(dc));
  SelectGuard select(source.get(), picture);
  if (info.bmWidth == width && info.bmHeight == height) {
    BitBlt(dc, target.left, target.top, width, height, source.get(), 0, 0, SRCCOPY);
    return;
  }
  StretchModeGuard smooth(dc, HALFTONE);
  // HALFTONE wants the brush origin set again once it is chosen.
  POINT origin{};
  SetBrushOrgEx(dc, 0, 0, &origin);
  StretchBlt(dc, target.left, target.top, width, height, source.get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
  SetBrushOrgEx(dc, origin.x, origin.y, nullptr);
}

}  // namespace ui
