// WindowRoller: an extra push button in a form's caption bar, left of the
// caption's own buttons, that rolls the form up to its caption strip and
// down again. The form keeps its size and position throughout; only a
// window region hides everything below the caption.
//
// The form's window procedure is replaced while the roller lives (the old
// one saved and put back when the form is destroyed or the roller goes),
// because the button lives in the non-client area that the form's own
// code never sees.
//
// A desktop compositor draws captions itself and never shows what a window
// paints into its frame, so while the button is there the form's frame is
// taken back from the compositor. The form's system menu carries the same
// roll, for keyboard and screen-reader users.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "desktop/window_roller_rules.h"
#include "ui/form.h"
#include "ui/procedure_hook.h"

namespace desktop {

// The system-menu command that rolls up or down; the system keeps the low
// four bits of a system command for itself.
inline constexpr UINT kRollSystemCommand = 0x0A10;
inline constexpr wchar_t kRollUpMenuCaption[] = L"Roll up";
inline constexpr wchar_t kRollDownMenuCaption[] = L"Roll down";

// Leaves a window's frame to the desktop compositor (true) or takes it back
// so that what the window paints there shows (false). Nothing happens where
// there is no compositor to ask.
void SetFrameComposited(HWND window, bool composited);

class WindowRoller {
 public:
  using FrameComposition = std::function<void(HWND window, bool composited)>;

  // Hooks `owner`'s window, which must exist already. `frameComposition`
  // is told whenever the frame must change hands.
  explicit WindowRoller(ui::Form& owner, FrameComposition frameComposition = &SetFrameComposited);
  ~WindowRoller() = default;  // the hook puts the owner's procedure back
  WindowRoller(const WindowRoller&) = delete;
  WindowRoller& operator=(const WindowRoller&) = delete;

  // When false the button is greyed and clicks do not roll.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // True while the form is rolled up. Ignored while disabled.
  bool Rolled() const { return rolled_; }
  void SetRolled(bool rolled);
  // When false the button is gone and every message passes unchanged.
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  // The button in window coordinates; none for a form without a frame.
  std::optional<RECT> ButtonRect() const;

  // Told after each roll (true) or unroll (false).
  std::function<void(WindowRoller&, bool rolled)> onRoller;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT CallPrevious(UINT message, WPARAM wParam, LPARAM lParam) const;

  LRESULT OnMove(WPARAM wParam, LPARAM lParam);
  LRESULT OnSizeOrPosition(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnSettingChange(WPARAM wParam, LPARAM lParam);
  LRESULT OnCaptionRedrawn(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnCaptionButtonDown(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
  LRESULT OnButtonUp(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);
  LRESULT OnSystemCommand(WPARAM wParam, LPARAM lParam);

  void Recompute();
  void ShowInSystemMenu(bool shown) const;
  void UpdateSystemMenu() const;
  void ApplyRolledRegion();
  bool InsideAtScreen(POINT screen) const;
  bool InsideAtClient(LPARAM lParam) const;
  void Paint() const;
  void PaintHidden(const RollerRect& button) const;
  void PaintTriangles(HDC dc, const RollerRect& button) const;

  HWND window_ = nullptr;
  bool enabled_ = true;
  bool rolled_ = false;
  bool visible_ = true;
  // The button is drawn pushed in.
  bool pressed_ = false;
  // A press began on the button and the mouse is captured.
  bool tracking_ = false;
  // Set while the region is being changed on purpose, so that the size and
  // position messages this causes do not apply it once more.
  bool changingRegion_ = false;
  RollerFrame frame_ = RollerFrame::None;
  std::optional<RollerRect> button_;
  // The rolled region in force, to re-apply only what has changed.
  std::optional<RollerRect> appliedRegion_;
  FrameComposition frameComposition_;
  ui::ProcedureHook hook_;
};

}  // namespace desktop
