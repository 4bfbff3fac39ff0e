// Shows one of the program's windows and keeps it up, so that it can be
// looked at and photographed; windows that live only a moment in the real
// start-up (the splash, the start-up window) stay on screen here.
//   window_gallery.exe splash|startup|main|filled|filled-text|cell-save|cell-edit|full-screen|directory-picker
// "filled" shows the main window after it captured a few texts and pictures;
// "filled-text" shows its Text page; "cell-save" and "cell-edit" show the
// save and edit window on a picture and on a text; "full-screen" shows a
// copied picture in the full-screen view; "directory-picker" shows the
// directory picker with its drives opened and the Windows folder selected.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "app/program_title.h"
#include "app/startup_window.h"
#include "app/program_windows.h"
#include "app/splash_window.h"
#include "history/main_window.h"
#include "settings/settings.h"
#include "tools/cell_window.h"
#include "tools/directory_picker.h"
#include "tools/full_screen_view.h"
#include "ui/application.h"
#include "ui/png_decoder.h"

namespace {

void PumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    ui::Application::ProcessMessages();
    Sleep(5);
  }
}

// Puts a text or a picture of stripes on the clipboard, as another program would.
void Copy(HWND owner, const wchar_t* text, COLORREF top, COLORREF bottom) {
  if (!OpenClipboard(owner)) return;
  EmptyClipboard();
  if (text) {
    const size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    {
      const ui::GlobalLockGuard<> target(memory);
      if (target) memcpy(target.get(), text, bytes);
    }
    SetClipboardData(CF_UNICODETEXT, memory);
  } else {
    constexpr int kWidth = 320;
    constexpr int kHeight = 240;
    ui::WindowDC screen(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen.get(), kWidth, kHeight);
    ui::unique_hdc dc(CreateCompatibleDC(screen.get()));
    {
      ui::SelectGuard select(dc.get(), bitmap);
      for (int y = 0; y < kHeight; y += 8) {
        const int mix = y * 255 / kHeight;
        ui::unique_hbrush brush(CreateSolidBrush(RGB((GetRValue(top) * (255 - mix) + GetRValue(bottom) * mix) / 255,
                                                     (GetGValue(top) * (255 - mix) + GetGValue(bottom) * mix) / 255,
                                                     (GetBValue(top) * (255 - mix) + GetBValue(bottom) * mix) / 255)));
        RECT band{0, y, kWidth, y + 8};
        FillRect(dc.get(), &band, brush.get());
      }
      Ellipse(dc.get(), 100, 60, 220, 180);
    }
    SetClipboardData(CF_BITMAP, bitmap);
  }
  CloseClipboard();
  PumpFor(450);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_TAB_CLASSES};
  const ui::ComApartment apartment;
  InitCommonControlsEx(&controls);
  const std::wstring which = argc > 1 ? argv[1] : L"splash";
  settings::Settings settings;
  ui::Application application{app::ProgramTitle()};
  auto splash = ui::MakeWindow<app::SplashWindow>(application);
  if (which == L"splash") {
    splash->ShowNow();
  } else if (which == L"startup") {
    auto* startup = application.CreateForm<app::StartupWindow>(splash->PictureBitmap());
    // Hold the start-up where it is half done.
    constexpr UINT_PTR kStartupTimerId = 1;
    constexpr int kHalfWay = 75;
    KillTimer(startup->Handle(), kStartupTimerId);
    SendMessageW(FindWindowExW(startup->Handle(), nullptr, PROGRESS_CLASSW, nullptr), PBM_SETPOS, kHalfWay, 0);
    startup->Show();
  } else if (which == L"full-screen") {
    auto* view = application.CreateForm<tools::FullScreenView>();
    Copy(view->Handle(), nullptr, RGB(30, 60, 160), RGB(120, 200, 255));
    if (OpenClipboard(view->Handle())) {
      ui::Picture picture = ui::Picture::FromOpenClipboard();
      CloseClipboard();
      view->ShowPicture(picture);
    }
  } else if (which == L"directory-picker") {
    auto* picker = application.CreateForm<tools::DirectoryPicker>(settings);
    HWND tree = picker->Tree().TreeView();
    for (HTREEITEM drive = TreeView_GetRoot(tree); drive; drive = TreeView_GetNextSibling(tree, drive)) {
      TreeView_Expand(tree, drive, TVE_EXPAND);
    }
    while (picker->Tree().IsBusy()) PumpFor(50);
    picker->SelectDirectory(L"C:\\windows");
    picker->Show();
    SetFocus(tree);
  } else if (which.starts_with(L"cell-")) {
    auto* cell = application.CreateForm<tools::CellWindow>();
    if (which == L"cell-save") {
      Copy(cell->Handle(), nullptr, RGB(30, 60, 160), RGB(120, 200, 255));
      if (OpenClipboard(cell->Handle())) {
        ui::Picture picture = ui::Picture::FromOpenClipboard();
        CloseClipboard();
        cell->OpenPicture(picture);
      }
    } else {
      cell->OpenText(
          L"Meeting notes\n- ship 1.2\n- tray icons\n\nA line long enough to need the horizontal scroll bar "
          L"of the editor, because it runs on and on past the right edge.");
    }
  } else {
    settings.Set(settings::Option::BeepOnAdd, false);
    app::mainWindow = application.CreateForm<history::MainWindow>(settings);
    app::mainWindow->Show();
    if (which.starts_with(L"filled")) {
      HWND owner = app::mainWindow->Handle();
      Copy(owner, nullptr, RGB(30, 60, 160), RGB(120, 200, 255));
      Copy(owner, L"Meeting notes\r\n- ship 1.2\r\n- tray icons", 0, 0);
      Copy(owner, nullptr, RGB(200, 60, 30), RGB(255, 220, 80));
      Copy(owner, L"https://example.com/kestrel", 0, 0);
      Copy(owner, nullptr, RGB(20, 120, 40), RGB(180, 240, 160));
      app::mainWindow->Store().Select(history::CellKind::Image, 2);
      app::mainWindow->Store().Select(history::CellKind::Text, 2);
      if (which == L"filled-text") app::mainWindow->Notebook().SetPageIndex(1);
      RedrawWindow(owner, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
  }
  application.RunUntil([] { return false; });
  return 0;
}
