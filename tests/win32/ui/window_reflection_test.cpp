// A control answers for its own looks. When the system asks a parent how a
// child is to be drawn or coloured, the parent's ui::Window hands the
// question to the child's object, at whatever depth of containers the child
// sits; the form above never sees it, and a child with no object of ours
// gets the system's answer. Checked by the pixels the controls paint.
#include <gtest/gtest.h>

#include "ui/flat_button.h"
#include "ui/handles.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/window.h"
#include "win32/ui/rendering.h"

namespace {

using test::Render;
using test::Rendering;

constexpr int kWidth = 240;
constexpr int kRowHeight = 40;
constexpr COLORREF kLabelInk = RGB(200, 0, 40);
constexpr wchar_t kText[] = L"WMW";

// A form stand-in: a panel of controls, and a count of every look question
// that reaches its own handler.
class Host : public ui::Window {
 public:
  Host() {
    ui::WindowParams params;
    params.className = L"KestrelReflectionTestHost";
    params.style = WS_POPUP;
    params.width = kWidth;
    params.height = 3 * kRowHeight;
    params.background = GetSysColorBrush(COLOR_BTNFACE);
    CreateFromParams(params);
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    panel.Create(Handle(), 0, 0, kWidth, 3 * kRowHeight);
    font = ui::MakeFont(ui::Dpi::Of(Handle()), L"Arial", kRowHeight - 8, FW_BOLD);
    label.Create(panel.Handle(), 1, 0, 0, kWidth, kRowHeight, ui::LabelAlignment::Left);
    label.SetFont(font.get());
    label.SetTextColour(kLabelInk);
    label.SetText(kText);
    button.Create(panel.Handle(), 2, 0, kRowHeight, kWidth, kRowHeight, kText);
    button.SetFont(font.get());
    foreign = CreateWindowExW(0, L"STATIC", kText, WS_CHILD | WS_VISIBLE, 0, 2 * kRowHeight, kWidth, kRowHeight,
                              panel.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(foreign, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  }

  ui::Panel panel;
  ui::unique_hfont font;
  ui::Label label;
  ui::FlatButton button;
  HWND foreign = nullptr;  // a plain STATIC, destroyed with the panel
  int questionsSeen = 0;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_DRAWITEM || message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) ++questionsSeen;
    return DefaultHandling(message, wParam, lParam);
  }
};

TEST(WindowReflection, ControlsInAContainerDrawAndColourThemselvesAndOthersGetTheSystemDefault) {
  ui::WindowPtr<Host> host = ui::MakeWindow<Host>();
  const COLORREF face = GetSysColor(COLOR_BTNFACE);

  const Rendering label = Render(host->label.Handle());
  EXPECT_GT(label.Count(kLabelInk), 0) << "the label's text is in its own colour";
  EXPECT_EQ(label.At(0, 0), face) << "on its own background";

  const Rendering button = Render(host->button.Handle());
  EXPECT_EQ(button.At(0, 0), face) << "the owner-drawn button painted its face";
  EXPECT_EQ(button.At(button.width - 1, button.height - 1), face);

  const Rendering foreign = Render(host->foreign);
  EXPECT_EQ(foreign.Count(kLabelInk), 0) << "a control without an object of ours keeps the system's colours";
  EXPECT_EQ(foreign.At(0, 0), face);

  EXPECT_EQ(host->questionsSeen, 0) << "no look question of a child travels up to the form";
}

}  // namespace
