#include "about/scrolling_text.h"

#include <algorithm>
#include <utility>

#include "core/window_classes.h"
#include "ui/handles.h"

namespace about {

namespace {

constexpr UINT_PTR kTickTimerId = 1;

std::chrono::milliseconds SteadyNow() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

SIZE TextSize(HDC dc, const std::wstring& line) {
  SIZE size{};
  GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &size);
  return size;
}

}  // namespace

void ScrollingText::Create(HWND parent, int x, int y, int width, int height, std::vector<std::wstring> lines,
                           const ScrollSettings& settings, HFONT font) {
  lines_ = std::move(lines);
  settings_ = settings;
  settings_.speedMs = ClampScrollSpeed(settings_.speedMs);
  font_ = font;
  clock_ = SteadyNow;
  passStart_ = clock_();
  EnablePainting();
  CreateFromParams(ui::WindowParams::Child(core::kScrollingTextClass, parent, x, y, width, height));
  timer_.Attach(Handle(), kTickTimerId, static_cast<UINT>(settings_.speedMs));
}

void ScrollingText::SetClock(Clock clock) {
  clock_ = std::move(clock);
  passStart_ = clock_();
  Invalidate();
}

void ScrollingText::SetTicking(bool ticking) {
  timer_.SetEnabled(ticking);
  // The text moved on while nobody looked.
  if (ticking) OnTick();
}

int ScrollingText::Step() const {
  return ScrollStepAt((clock_() - passStart_).count(), settings_.speedMs, settings_.steps, settings_.continuous);
}

void ScrollingText::OnTick() {
  if (Step() != paintedStep_) Invalidate();
  // A single pass that has ended rests; nothing is left to move.
  const auto pass = std::chrono::milliseconds(int64_t{settings_.speedMs} * (std::max(settings_.steps, 1) + 1));
  if (!settings_.continuous && clock_() - passStart_ >= pass) timer_.SetEnabled(false);
}

COLORREF ScrollingText::InkColour(TextInk ink) const {
  switch (ink) {
    case TextInk::Text: return settings_.textColour;
    case TextInk::Shadow: return GetSysColor(COLOR_BTNSHADOW);
    case TextInk::Highlight: return GetSysColor(COLOR_BTNHIGHLIGHT);
  }
  return settings_.textColour;
}

void ScrollingText::DrawLines(HDC dc, const RECT& area, int step) const {
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  ui::SelectGuard selectFont(dc, font_);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  int widest = 0;
  for (const std::wstring& line : lines_) widest = std::max(widest, static_cast<int>(TextSize(dc, line).cx));
  const int relief = TextLayerExtent(settings_.textStyle, settings_.depth);
  const ScrollExtent extent{widest + relief, static_cast<int>(lines_.size()) * metrics.tmHeight + relief,
                            area.right - area.left, area.bottom - area.top};
  const ScrollPoint origin = ScrollTextOrigin(settings_.direction, step, settings_.steps, extent);
  SetBkMode(dc, TRANSPARENT);
  for (const TextLayer& layer : TextLayers(settings_.textStyle, settings_.depth)) {
    SetTextColor(dc, InkColour(layer.ink));
    for (size_t i = 0; i < lines_.size(); ++i) {
      const std::wstring& line = lines_[i];
      const int left = origin.x + LineOffset(settings_.alignment, TextSize(dc, line).cx, widest) + layer.offset;
      const int top = origin.y + static_cast<int>(i) * metrics.tmHeight + layer.offset;
      TextOutW(dc, area.left + left, area.top + top, line.c_str(), static_cast<int>(line.size()));
    }
  }
}

void ScrollingText::PaintContent(HDC dc, const RECT& clientRect) {
  // Drawn off screen and copied in one piece, so moving text never flickers.
  const int width = clientRect.right - clientRect.left;
  const int height = clientRect.bottom - clientRect.top;
  if (width <= 0 || height <= 0) return;
  ui::unique_hdc buffer(CreateCompatibleDC(dc));
  ui::unique_hbitmap bitmap(CreateCompatibleBitmap(dc, width, height));
  {
    ui::SelectGuard selectBitmap(buffer.get(), bitmap.get());
    const int step = Step();
    DrawLines(buffer.get(), RECT{0, 0, width, height}, step);
    BitBlt(dc, clientRect.left, clientRect.top, width, height, buffer.get(), 0, 0, SRCCOPY);
    paintedStep_ = step;
  }
}

LRESULT ScrollingText::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER: OnTick(); return 0;
    default: return DefaultHandling(message, wParam, lParam);
  }
}

}  // namespace about
