// The quick paste seen from outside: a program of the test's own is at work
// in an edit field; the real key opens the popup, a typed word finds an
// older text, and Enter pastes it into that field.
#include <array>
#include <chrono>
#include <string>
#include <vector>

#include "e2e/clipboard_writer.h"
#include "e2e/harness.h"
#include "history/main_window_layout.h"

namespace e2e {
namespace {

constexpr wchar_t kPopupTitle[] = L"Kestrel 99 Quick Paste";
constexpr wchar_t kTargetClass[] = L"KestrelQuickPasteTarget";
constexpr int kTargetWidth = 420;
constexpr int kTargetHeight = 160;
constexpr std::chrono::milliseconds kSettleTime{1500};

// The user's program: a window with one edit field, which keeps the focus
// there whenever the window is activated, as editors do.
LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETFOCUS) {
    if (HWND edit = GetWindow(window, GW_CHILD)) SetFocus(edit);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

INPUT Key(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

void Send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void Type(const std::wstring& text) {
  std::vector<INPUT> inputs;
  for (wchar_t c : text) {
    for (bool up : {false, true}) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wScan = c;
      input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
      inputs.push_back(input);
    }
  }
  Send(inputs);
}

HWND FocusOfForeground() {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  HWND front = GetForegroundWindow();
  if (!front || !GetGUIThreadInfo(GetWindowThreadProcessId(front, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

class QuickPasteTest : public KestrelTest {
 protected:
  void TearDown() override {
    if (target_) DestroyWindow(target_);
    UnregisterClassW(kTargetClass, GetModuleHandleW(nullptr));
    KestrelTest::TearDown();
  }

  bool OpenTargetWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &TargetProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kTargetClass;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    RegisterClassW(&windowClass);
    target_ = CreateWindowExW(0, kTargetClass, L"Notes", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 200, 200, kTargetWidth,
                              kTargetHeight, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    edit_ = CreateWindowExW(WS_EX_CLIENTEDGE, kEditClass, L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 10,
                            kTargetWidth - 40, 24, target_, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!target_ || !edit_) return false;
    SetForegroundWindow(target_);
    SetFocus(edit_);
    return WaitUntil([&] { return GetForegroundWindow() == target_ && FocusOfForeground() == edit_; });
  }

  HWND Popup() const {
    for (HWND window : VisibleProcessWindows(program_.ProcessId())) {
      if (ReadWindowText(window) == kPopupTitle) return window;
    }
    return nullptr;
  }

  ClipboardWriter writer;
  HWND target_ = nullptr;
  HWND edit_ = nullptr;
};

TEST_F(QuickPasteTest, TheKeyTypingAndEnterPasteAnOlderTextIntoTheWindowInFront) {
  ASSERT_TRUE(writer.Empty());
  HWND main = StartProgram();
  ASSERT_TRUE(main);
  ASSERT_TRUE(WaitUntil([&] { return StartupIsOver(program_.ProcessId()); }));
  HWND textGauge = FindChildById(main, history::kTextGaugeId, kGaugeClass);
  HWND imageGauge = FindChildById(main, history::kImageGaugeId, kGaugeClass);
  ASSERT_TRUE(textGauge && imageGauge);

  const std::wstring older = L"the older text with a kiwi in it";
  const std::array<std::wstring, 2> newer = {L"a newer text", L"the newest text"};
  ASSERT_TRUE(writer.WriteText(older));
  ASSERT_TRUE(WaitUntil([&] { return GaugePosition(textGauge) == 1; }));
  ASSERT_TRUE(writer.WriteBitmap(64, 48, 3));
  ASSERT_TRUE(WaitUntil([&] { return GaugePosition(imageGauge) == 1; }));
  for (const std::wstring& text : newer) {
    ASSERT_TRUE(writer.WriteText(text));
    ASSERT_TRUE(WaitUntil([&, want = GaugePosition(textGauge).value_or(0) + 1] {
      return GaugePosition(textGauge) == want;
    }));
  }

  ASSERT_TRUE(OpenTargetWindow()) << "the test's own window did not get the focus";
  Send({Key(VK_CONTROL, false), Key(VK_OEM_3, false), Key(VK_OEM_3, true), Key(VK_CONTROL, true)});
  HWND popup = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (popup = Popup()) != nullptr && GetForegroundWindow() == popup; }))
      << "the key did not open the popup";

  Type(L"KIWI");
  PumpFor(kSettleTime);
  Send({Key(VK_RETURN, false), Key(VK_RETURN, true)});

  EXPECT_TRUE(WaitUntil([&] { return ReadWindowText(edit_) == older; }))
      << "the field holds: " << ReadWindowText(edit_).value_or(L"<no answer>");
  EXPECT_FALSE(IsWindowVisible(popup));
  EXPECT_EQ(GetForegroundWindow(), target_);
  EXPECT_EQ(FocusOfForeground(), edit_);
  // Longer than the advance: a capture of our own paste would have counted.
  PumpFor(kSettleTime);
  EXPECT_EQ(GaugePosition(textGauge), 3) << "the paste was captured as a new text";
  EXPECT_EQ(GaugePosition(imageGauge), 1);
}

}  // namespace
}  // namespace e2e
