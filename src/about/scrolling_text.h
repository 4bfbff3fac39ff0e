// ScrollingText: lines of text that glide across the control, drawn with a
// shadow or relief. Where the text stands follows from the time since the
// pass began, so a control that was not ticking for a while (its window
// hidden) shows the text where it would be had it kept going. It only
// ticks while its owner says it can be seen.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "about/scrolling_text_rules.h"
#include "ui/timer.h"
#include "ui/window.h"

namespace about {

struct ScrollSettings {
  ScrollDirection direction = ScrollDirection::RightToLeft;
  int steps = 80;        // per pass
  int speedMs = 100;     // per step
  bool continuous = true;
  TextStyle textStyle = TextStyle::Shadow;
  int depth = 1;         // of the shadow or relief, in pixels
  LineAlignment alignment = LineAlignment::Centre;
  COLORREF textColour = RGB(0, 0, 0);
};

class ScrollingText : public ui::Window {
 public:
  // Milliseconds on a clock that never goes back.
  using Clock = std::function<std::chrono::milliseconds()>;

  // The pass begins now. `font` must outlive the control.
  void Create(HWND parent, int x, int y, int width, int height, std::vector<std::wstring> lines,
              const ScrollSettings& settings, HFONT font);
  // Another font, which must outlive the control too.
  void SetFont(HFONT font) {
    font_ = font;
    Invalidate();
  }
  // Replaces the clock (tests use their own) and begins the pass anew.
  void SetClock(Clock clock);
  // Ticks while `ticking`; while not, the control wakes nobody up.
  void SetTicking(bool ticking);
  bool IsTicking() const { return timer_.Enabled(); }
  // The step of the pass at this moment.
  int Step() const;
  const std::vector<std::wstring>& Lines() const { return lines_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintContent(HDC dc, const RECT& clientRect) override;

 private:
  void OnTick();
  // Draws the text at `step` onto `dc`, which is cleared first.
  void DrawLines(HDC dc, const RECT& area, int step) const;
  COLORREF InkColour(TextInk ink) const;

  std::vector<std::wstring> lines_;
  ScrollSettings settings_;
  HFONT font_ = nullptr;  // owned by the window that lays out the control
  Clock clock_;
  std::chrono::milliseconds passStart_{0};
  int paintedStep_ = -1;
  ui::Timer timer_;
};

}  // namespace about
