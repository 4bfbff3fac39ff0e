// Capture and delete, over and over, must give back every window and
// kernel handle they take: the counts after many cycles equal the counts
// after the first few, once everything made on first use exists.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "app/program_title.h"
#include "history/main_window.h"
#include "history/main_window_layout.h"
#include "settings/settings.h"
#include "win32/clipboard_support.h"

namespace history {
namespace {

using test::ClipboardWrite;
using test::PumpUntil;

constexpr int kWarmUpCycles = 20;
constexpr int kCycles = 200;
constexpr int kPictureSide = 16;
// Handle values are multiples of 4; the test process holds far fewer than
// kProbeBound / 4 handles.
constexpr uintptr_t kHandleStep = 4;
constexpr uintptr_t kProbeBound = 0x10000;
// The system may hold a handle or object of ours for a moment (a thread of
// its own, a cached DC) at the time of a count; a leak of one per cycle
// would be far above this.
constexpr int kTransient = 3;

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

BOOL CALLBACK CountOwnWindow(HWND window, LPARAM count) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != GetCurrentProcessId()) return TRUE;
  ++*reinterpret_cast<int*>(count);
  EnumChildWindows(window, &CountWindow, count);
  return TRUE;
}

// This process's windows, top-level and child.
int OwnWindows() {
  int count = 0;
  EnumWindows(&CountOwnWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

// This process's kernel handles, found by copying every handle value; the
// system's own handle count is not kept under every platform.
int OwnHandles() {
  int found = 0;
  for (uintptr_t value = kHandleStep; value < kProbeBound; value += kHandleStep) {
    HANDLE copy = nullptr;
    if (DuplicateHandle(GetCurrentProcess(), reinterpret_cast<HANDLE>(value), GetCurrentProcess(), &copy, 0, FALSE,
                        DUPLICATE_SAME_ACCESS)) {
      ++found;
      CloseHandle(copy);
    }
  }
  return found;
}

struct Counts {
  int windows;
  int handles;
  DWORD gdiObjects;
  DWORD userObjects;
};

Counts Take() {
  return {OwnWindows(), OwnHandles(), GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
          GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)};
}

class MainWindowLeakTest : public testing::Test {
 protected:
  MainWindowLeakTest() {
    ClipboardWrite clear(writer->Handle());
    settings.Set(settings::Option::ConfirmDelete, false);
    settings.Set(settings::Option::ConfirmDeleteAll, false);
    settings.Set(settings::Option::WarnLowCells, false);
    form = application.CreateForm<MainWindow>(settings);
    form->Show();
    std::function<void()> capture = form->Viewer().OnChange;
    form->Viewer().OnChange = [this, capture] {
      capture();
      ++changes;
    };
  }

  // A text and a picture in one change: both kinds are captured.
  bool CopyBoth(int cycle) {
    const int before = changes;
    {
      ClipboardWrite write(writer->Handle());
      if (!write.Text(L"cycle " + std::to_wstring(cycle)) ||
          !write.Bitmap(test::SolidBitmap(kPictureSide, kPictureSide, RGB(cycle % 256, 0, 0)))) {
        return false;
      }
    }
    return PumpUntil([&] { return changes > before; });
  }
  void Press(int id) { SendMessageW(GetDlgItem(form->Handle(), id), BM_CLICK, 0, 0); }

  // Capture, Delete on the picture page, capture again, Delete All.
  void Cycle(int cycle) {
    ASSERT_TRUE(CopyBoth(cycle));
    ASSERT_FALSE(form->ImageGrid().CellPicture(1).IsEmpty());
    Press(kDeleteButtonId);
    ASSERT_TRUE(form->ImageGrid().CellPicture(1).IsEmpty()) << "Delete did not take the picture";
    ASSERT_TRUE(CopyBoth(cycle));
    Press(kDeleteAllButtonId);
    ASSERT_TRUE(form->ImageGrid().CellPicture(1).IsEmpty());
    ASSERT_EQ(form->TextGrid().CellText(1), L"");
  }

  test::MessageBoxRecorder boxes;
  settings::Settings settings;
  ui::Application application{app::ProgramTitle()};
  ui::WindowPtr<test::ClipboardWriter> writer = ui::MakeWindow<test::ClipboardWriter>();
  MainWindow* form = nullptr;
  int changes = 0;
};

TEST_F(MainWindowLeakTest, CaptureAndDeleteCyclesGiveBackEveryWindowAndHandle) {
  for (int cycle = 1; cycle <= kWarmUpCycles; ++cycle) ASSERT_NO_FATAL_FAILURE(Cycle(cycle));
  form->Capture().FinishPicturePacking();
  const Counts warm = Take();
  for (int cycle = kWarmUpCycles + 1; cycle <= kCycles; ++cycle) ASSERT_NO_FATAL_FAILURE(Cycle(cycle));
  form->Capture().FinishPicturePacking();
  const Counts end = Take();
  EXPECT_EQ(end.windows, warm.windows);
  EXPECT_LE(end.handles, warm.handles + kTransient);
  EXPECT_LE(end.gdiObjects, warm.gdiObjects + kTransient);
  EXPECT_LE(end.userObjects, warm.userObjects + kTransient);
  EXPECT_TRUE(boxes.boxes.empty());
}

}  // namespace
}  // namespace history
