// A shown main window of its own for each test, and a writer of the
// clipboard: the clipboard is written from this thread and the messages are
// pumped until the window's viewer has handled the change.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/program_title.h"
#include "history/cell_grid.h"
#include "history/main_window.h"
#include "history/main_window_layout.h"
#include "settings/settings.h"
#include "win32/clipboard_support.h"

#include <commctrl.h>

namespace history {

using history::MainWindow;
using test::ClipboardWrite;
using test::PumpUntil;

using Fill = std::pair<CellKind, int>;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr int kSmallSide = 4;

class MainWindowFixture : public testing::Test {
 protected:
  MainWindowFixture() {
    {
      // Whatever an earlier test left is not this test's change.
      ClipboardWrite clear(writer->Handle());
    }
    form = application.CreateForm<MainWindow>(settings);
    form->Capture().onCellFilled = [this](CellKind kind, int cell) { fills.emplace_back(kind, cell); };
    form->Show();
    // Counts every change the window has finished with, also one whose
    // capture failed with an error.
    std::function<void()> capture = form->Viewer().OnChange;
    form->Viewer().OnChange = [this, capture] {
      struct Counted {
        int& changes;
        ~Counted() { ++changes; }
      } counted{changes};
      capture();
    };
  }

  // Writes the clipboard through put() and waits until the window handled it.
  bool Change(const std::function<bool(ClipboardWrite&)>& put) {
    const int before = changes;
    {
      ClipboardWrite write(writer->Handle());
      if (!write.IsOpen() || !put(write)) return false;
    }
    return PumpUntil([&] { return changes > before; });
  }
  bool CopyText(const std::wstring& text) {
    return Change([&](ClipboardWrite& write) { return write.Text(text); });
  }
  bool CopyBitmap(COLORREF colour, int width = kSmallSide, int height = kSmallSide) {
    return Change([&](ClipboardWrite& write) { return write.Bitmap(test::SolidBitmap(width, height, colour)); });
  }
  // Waits until the capture of a kind is counted: idle again at `count`.
  bool Counted(CellKind kind, int count) {
    return PumpUntil([&] { return !form->Store().IsPending(kind) && form->Store().Count(kind) == count; });
  }
  void TypeIntoTextCell(int n, const wchar_t* text) { SetWindowTextW(form->TextCellHandle(n), text); }

  // The panel that carries the image cells: the grid that is not the memos'.
  HWND ImageGrid() const { return FindGrid(form->Handle(), GetParent(form->TextCellHandle(1))); }
  static HWND FindGrid(HWND parent, HWND except) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      wchar_t name[64] = L"";
      GetClassNameW(child, name, 64);
      if (child != except && std::wstring(name) == core::kCellGridClass) return child;
      if (HWND found = FindGrid(child, except)) return found;
    }
    return nullptr;
  }
  // A click (or a double click) as the mouse delivers it.
  static void ClickAt(HWND window, int x, int y, bool twice = false) {
    const LPARAM at = MAKELPARAM(x, y);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(window, WM_LBUTTONUP, 0, at);
    if (!twice) return;
    SendMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(window, WM_LBUTTONUP, 0, at);
  }
  void ClickImageCell(int n, bool twice = false) {
    const core::Rect content = ContentRect(n);
    ClickAt(ImageGrid(), content.left + content.width / 2, content.top + content.height / 2, twice);
  }
  void ClickTextCell(int n, bool twice = false) { ClickAt(form->TextCellHandle(n), 4, 4, twice); }
  void PressButton(int id) { SendMessageW(GetDlgItem(form->Handle(), id), BM_CLICK, 0, 0); }
  COLORREF ImageColour(int n) const { return test::CentreColour(form->ImageGrid().CellPicture(n)); }
  int Gauge(int id) const { return static_cast<int>(SendMessageW(GetDlgItem(form->Handle(), id), PBM_GETPOS, 0, 0)); }

  test::MessageBoxRecorder boxes;
  settings::Settings settings;
  ui::Application application{app::ProgramTitle()};
  ui::WindowPtr<test::ClipboardWriter> writer = ui::MakeWindow<test::ClipboardWriter>();
  MainWindow* form = nullptr;
  std::vector<Fill> fills;
  int changes = 0;
};

}  // namespace history
