// A control answers for its own looks. When the system asks a parent how a
// child is to be drawn or coloured, the parent's ui::Window hands the
// question to the child's object, at whatever depth of containers the child
// sits; the form above never sees it, and a child with no object of ours
// gets the system's answer. Checked by the pixels the controls paint.
#include <gtest/gtest.h>

#include <vector>

#include "ui/flat_button.h"
#include "ui/handles.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/window.h"

namespace {

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
    font = ui::MakeFont(L"Arial", kRowHeight - 8, FW_BOLD);
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

// The control's client area as WM_PRINTCLIENT paints it.
std::vector<COLORREF> Render(HWND control) {
  RECT client{};
  GetClientRect(control, &client);
  ui::WindowDC screen(nullptr);
  ui::unique_hdc dc(CreateCompatibleDC(screen.get()));
  ui::unique_hbitmap canvas(CreateCompatibleBitmap(screen.get(), client.right, client.bottom));
  ui::SelectGuard select(dc.get(), canvas.get());
  FillRect(dc.get(), &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < client.bottom; ++y) {
    for (int x = 0; x < client.right; ++x) pixels.push_back(GetPixel(dc.get(), x, y));
  }
  return pixels;
}

int Count(const std::vector<COLORREF>& pixels, COLORREF colour) {
  int count = 0;
  for (COLORREF pixel : pixels) count += pixel == colour ? 1 : 0;
  return count;
}

TEST(WindowReflection, ControlsInAContainerDrawAndColourThemselvesAndOthersGetTheSystemDefault) {
  ui::WindowPtr<Host> host = ui::MakeWindow<Host>();

  const std::vector<COLORREF> label = Render(host->label.Handle());
  EXPECT_GT(Count(label, kLabelInk), 0) << "the label's text is in its own colour";
  EXPECT_EQ(label.front(), GetSysColor(COLOR_BTNFACE)) << "on its own background";

  const std::vector<COLORREF> button = Render(host->button.Handle());
  EXPECT_GT(Count(button, GetSysColor(COLOR_BTNTEXT)), 0) << "the owner-drawn button painted its caption";
  EXPECT_EQ(Count(button, RGB(255, 255, 255)), 0) << "and its whole face";

  const std::vector<COLORREF> foreign = Render(host->foreign);
  EXPECT_EQ(Count(foreign, kLabelInk), 0) << "a control without an object of ours keeps the system's colours";
  EXPECT_GT(Count(foreign, GetSysColor(COLOR_WINDOWTEXT)), 0);

  EXPECT_EQ(host->questionsSeen, 0) << "no look question of a child travels up to the form";
}

}  // namespace
