// Entry point of the in-process Win32 tests: initialises the common controls
// and COM once, as the program does, then runs every test on this (the GUI) thread, with a watchdog that fails
// a test which opens a box it did not ask for.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "support/box_watchdog.h"
#include "ui/com_apartment.h"

int main(int argc, char** argv) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_TAB_CLASSES | ICC_HOTKEY_CLASS};
  InitCommonControlsEx(&icc);
  const ui::ComApartment apartment;
  testing::InitGoogleTest(&argc, argv);
  // A box no test answers would hold every later test until the time limit.
  const test::BoxWatchdog boxes(GetCurrentProcessId());
  return RUN_ALL_TESTS();
}
