// Geometry of the roll-up button in a window's caption bar and of the strip
// a rolled-up window keeps: pure arithmetic over the window's width, its
// frame kind, its caption icons and the system metrics, so the windows code
// only gathers the numbers and draws.
#pragma once

#include <optional>

namespace desktop {

// The frame kinds a window can have, as far as the caption's layout goes.
enum class RollerFrame { None, Single, Sizeable, Dialog, ToolWindow, SizeableToolWindow };

// The caption's own buttons that push the roll-up button to the left.
struct RollerIcons {
  bool systemMenu = false;
  bool minimize = false;
  bool maximize = false;
  bool help = false;
};

// The system metrics the layout depends on, each named after its metric.
struct RollerMetrics {
  int cxFrame = 0;
  int cyFrame = 0;
  int cxDlgFrame = 0;
  int cyDlgFrame = 0;
  int cxSize = 0;
  int cySize = 0;
  int cxSmSize = 0;
  int cySmSize = 0;
  int cyCaption = 0;
};

// Edges in window coordinates (relative to the window's top-left corner),
// right and bottom exclusive as in a Win32 RECT.
struct RollerRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend constexpr bool operator==(const RollerRect&, const RollerRect&) = default;
};

struct RollerPoint {
  int x = 0;
  int y = 0;
  friend constexpr bool operator==(const RollerPoint&, const RollerPoint&) = default;
};

// A triangle on the button: its left corner, its tip and its right corner.
struct RollerTriangle {
  RollerPoint left;
  RollerPoint tip;
  RollerPoint right;
  friend constexpr bool operator==(const RollerTriangle&, const RollerTriangle&) = default;
};

// The button's place in a window `windowWidth` pixels wide, just left of
// the caption's own buttons. None for a window without a frame, which has
// no caption to put it in.
std::optional<RollerRect> RollerButtonRect(int windowWidth, RollerFrame frame, RollerIcons icons,
                                           const RollerMetrics& metrics);

// What stays visible of a rolled-up window: its top frame and caption,
// across the whole width.
RollerRect RolledRegion(int windowWidth, RollerFrame frame, const RollerMetrics& metrics);

// The up triangle in the upper half of the button and the down triangle in
// the lower half. `shift` moves both right and down: 1 while the button is
// pushed in, one more for the white relief pass of a greyed button.
RollerTriangle RollerUpTriangle(const RollerRect& button, int shift);
RollerTriangle RollerDownTriangle(const RollerRect& button, int shift);

}  // namespace desktop
