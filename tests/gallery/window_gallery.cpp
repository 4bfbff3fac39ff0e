// Shows one of the program's windows and keeps it up, so that it can be
// looked at and photographed; windows that live only a moment in the real
// start-up (the splash, the start-up window) stay on screen here.
//   window_gallery.exe splash|startup|main|filled|filled-text|cell-save|cell-save-small|cell-edit|full-screen|
//                      tray-menu|help|options-preferences|options-confirmation|options-wallpaper|
//                      options-quick-paste|directory-picker|about-picture|about-credits|about-more|rolled|
//                      wallpaper-progress|quick-paste|quick-paste-filtered
// "filled" shows the main window after it captured a few texts and pictures;
// "filled-text" shows its Text page; "cell-save" and "cell-edit" show the
// save and edit window on a picture and on a text ("cell-save-small" on a
// picture narrower than its toolbar); "full-screen" shows a
// copied picture in the full-screen view; "tray-menu" opens the tray menu of
// the whole program on its Text submenu after a few captures. The "options-"
// views show one page of the options dialog with the hint of its first
// control; "directory-picker" shows the directory picker with its drives
// opened and the Windows folder selected. The "about-" views show one page
// of the about window; on the credits page the lines stand still a little
// before halfway. "rolled" shows the main window rolled up to its caption.
// "quick-paste" shows the quick paste popup over a few texts and pictures;
// "quick-paste-filtered" shows it with a word typed into its filter.
#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <memory>
#include <string>
#include <utility>

#include "about/about_window.h"
#include "about/help_window.h"
#include "app/help.h"
#include "app/program_title.h"
#include "app/startup_window.h"
#include "app/program_windows.h"
#include "app/splash_window.h"
#include "core/window_classes.h"
#include "history/main_window.h"
#include "quickpaste/quick_paste_window.h"
#include "settings/option_file.h"
#include "settings/options_dialog.h"
#include "settings/settings.h"
#include "tools/cell_window.h"
#include "tools/directory_picker.h"
#include "tools/full_screen_view.h"
#include "tools/wallpaper_progress_window.h"
#include "ui/application.h"
#include "ui/com_apartment.h"

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

void CALLBACK WalkToTextSubmenu(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  HWND menu = FindWindowW(L"#32768", nullptr);
  // Show, Hide, Quick paste, Images, Text: five steps down, then into the
  // submenu.
  for (int step = 0; step < 5; ++step) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(menu, WM_KEYDOWN, VK_RIGHT, 0);
}

// The tray menu opens as on a right click on the icon; once it is up, the
// keyboard walks to its Text submenu, which lists the captured texts.
void OpenTrayMenuOnTextPage() {
  constexpr UINT kTrayCallback = 0xB03F;
  constexpr UINT kMenuOpenDelayMs = 700;
  for (HWND tray = FindWindowW(core::kTrayIconClass, nullptr); tray;
       tray = FindWindowExW(nullptr, tray, core::kTrayIconClass, nullptr))
    PostMessageW(tray, kTrayCallback, 0, WM_RBUTTONUP);
  SetTimer(nullptr, 0, kMenuOpenDelayMs, WalkToTextSubmenu);
}

BOOL CALLBACK MatchId(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<std::pair<int, HWND>*>(data);
  if (GetDlgCtrlID(child) != search->first) return TRUE;
  search->second = child;
  return FALSE;
}

// The control with the id anywhere below `root`.
HWND Descendant(HWND root, int id) {
  std::pair<int, HWND> search{id, nullptr};
  EnumChildWindows(root, &MatchId, reinterpret_cast<LPARAM>(&search));
  return search.second;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_TAB_CLASSES | ICC_HOTKEY_CLASS};
  const ui::ComApartment apartment;
  InitCommonControlsEx(&controls);
  const std::wstring which = argc > 1 ? argv[1] : L"splash";
  settings::Settings settings;
  settings::OptionFile optionFile(settings);
  ui::Application application{app::ProgramTitle()};
  auto splash = ui::MakeWindow<app::SplashWindow>(application);
  if (which == L"splash") {
    splash->ShowNow();
  } else if (which == L"startup") {
    auto* startup = application.CreateForm<app::StartupWindow>(settings, optionFile, splash->PictureBitmap());
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
      picture::Picture picture = picture::Picture::FromOpenClipboard();
      CloseClipboard();
      view->ShowPicture(picture);
    }
  } else if (which == L"tray-menu") {
    settings.Set(settings::Option::BeepOnAdd, false);
    app::CreateProgramWindows(application, settings, optionFile, splash->PictureBitmap());
    HWND owner = app::startupWindow->Handle();
    Copy(owner, nullptr, RGB(30, 60, 160), RGB(120, 200, 255));
    Copy(owner, L"Meeting notes\r\n- ship 1.2", 0, 0);
    Copy(owner, nullptr, RGB(200, 60, 30), RGB(255, 220, 80));
    Copy(owner, L"Salt & pepper", 0, 0);
    OpenTrayMenuOnTextPage();
  } else if (which.starts_with(L"quick-paste")) {
    settings.Set(settings::Option::BeepOnAdd, false);
    app::mainWindow = application.CreateForm<history::MainWindow>(settings);
    app::mainWindow->Show();
    HWND owner = app::mainWindow->Handle();
    Copy(owner, L"Meeting notes\r\n- ship 1.2\r\n- tray icons", 0, 0);
    Copy(owner, nullptr, RGB(30, 60, 160), RGB(120, 200, 255));
    Copy(owner, L"https://example.com/kestrel/notes", 0, 0);
    Copy(owner, L"Dear Ms Novak,\tthank you for the notes on the draft; the changes are in the attached copy.", 0, 0);
    Copy(owner, nullptr, RGB(200, 60, 30), RGB(255, 220, 80));
    Copy(owner, L"42 Harbour Road", 0, 0);
    app::mainWindow->Hide();
    auto* popup = application.CreateForm<quickpaste::QuickPasteWindow>(settings, *app::mainWindow);
    popup->Open(quickpaste::PasteTarget(), RECT{160, 120, 162, 136});
    if (which == L"quick-paste-filtered") popup->SetFilterText(L"notes");
  } else if (which == L"wallpaper-progress") {
    // Held a little before halfway: twenty of its fifty steps.
    auto* progress = application.CreateForm<tools::WallpaperProgressWindow>();
    for (int step = 0; step < 20; ++step) progress->OnProgressTimer();
    progress->Show();
  } else if (which == L"help") {
    application.CreateForm<about::HelpWindow>(app::kHelpFile)->ShowContents();
  } else if (which.starts_with(L"about-")) {
    auto* window = application.CreateForm<about::AboutWindow>(splash->PictureBitmap());
    const int page = which == L"about-credits" ? about::kCreditsPage
                     : which == L"about-more"  ? about::kMorePage
                                               : about::kPicturePage;
    // The pass begins at 0 ms and the clock then stands at 3.8 s.
    constexpr int kFrozenAtMs = 3800;
    for (size_t i = 0; i < about::kCreditLineCount; ++i)
      window->CreditLine(i).SetClock([begun = false, kFrozenAtMs]() mutable {
        return std::exchange(begun, true) ? std::chrono::milliseconds(kFrozenAtMs) : std::chrono::milliseconds(0);
      });
    window->ShowPage(page);
    window->Show();
  } else if (which.starts_with(L"options-")) {
    auto* options =
        application.CreateForm<settings::OptionsDialog>(settings, optionFile, settings::OptionsDialog::Actions{});
    const int page = which == L"options-wallpaper"      ? settings::kWallpaperPage
                     : which == L"options-confirmation" ? settings::kConfirmationPage
                     : which == L"options-quick-paste"  ? settings::kQuickPastePage
                                                        : settings::kPreferencesPage;
    options->ShowPage(page);
    options->Show();
    // The pointer starts over the dialog's empty page area, which would
    // clear the hint again; park it in the corner.
    SetCursorPos(0, 0);
    PumpFor(200);
    for (const settings::OptionRow& row : settings::kOptions) {
      if (row.page != page) continue;
      SendMessageW(Descendant(options->Handle(), row.controlId), WM_MOUSEMOVE, 0, 0);
      break;
    }
  } else if (which == L"directory-picker") {
    auto* picker = application.CreateForm<tools::DirectoryPicker>(settings);
    HWND tree = picker->Tree().TreeView();
    picker->Show();  // the tree is filled when the picker opens
    while (picker->Tree().IsBusy()) PumpFor(50);
    for (HTREEITEM drive = TreeView_GetRoot(tree); drive; drive = TreeView_GetNextSibling(tree, drive)) {
      TreeView_Expand(tree, drive, TVE_EXPAND);
    }
    while (picker->Tree().IsBusy()) PumpFor(50);
    picker->SelectDirectory(L"C:\\windows");
    picker->Show();
    SetFocus(tree);
  } else if (which.starts_with(L"cell-")) {
    auto* cell = application.CreateForm<tools::CellWindow>(settings);
    if (which == L"cell-save") {
      Copy(cell->Handle(), nullptr, RGB(30, 60, 160), RGB(120, 200, 255));
      if (OpenClipboard(cell->Handle())) {
        picture::Picture picture = picture::Picture::FromOpenClipboard();
        CloseClipboard();
        cell->OpenPicture(picture);
      }
    } else if (which == L"cell-save-small") {
      ui::WindowDC screen(nullptr);
      ui::unique_hbitmap small(CreateCompatibleBitmap(screen.get(), 48, 32));
      cell->OpenPicture(picture::Picture::FromBitmap(small.get(), nullptr));
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
    if (which == L"rolled") app::mainWindow->Roller().SetRolled(true);
  }
  application.RunUntil([] { return false; });
  return 0;
}
