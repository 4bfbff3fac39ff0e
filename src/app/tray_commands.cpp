#include "app/tray_commands.h"

#include "app/help.h"
#include "app/program_windows.h"
#include "app/startup_window.h"
#include "about/about_window.h"
#include "history/main_window.h"
#include "quickpaste/quick_paste_window.h"
#include "settings/ini_file.h"
#include "settings/options_dialog.h"
#include "tools/directory_picker.h"
#include "tools/directory_rules.h"

namespace app {

namespace {

constexpr int kImagesPage = static_cast<int>(history::NotebookPage::Images);
constexpr int kTextPage = static_cast<int>(history::NotebookPage::Text);

// Line 0 of a text cell as its memo reports it, at most as long as a caption
// takes: a cell may hold megabytes, and the menu must not copy them all.
std::wstring FirstLineOf(HWND memo) {
  std::wstring line(kTextCaptionLimit + 1, L'\0');
  // EM_GETLINE reads the buffer's size from its first word.
  line[0] = static_cast<wchar_t>(kTextCaptionLimit);
  const LRESULT copied = SendMessageW(memo, EM_GETLINE, 0, reinterpret_cast<LPARAM>(line.data()));
  line.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return line;
}

void Append(HMENU menu, const TrayMenuItem& item) {
  if (item.separator) {
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  } else if (!item.submenu.empty()) {
    HMENU submenu = CreatePopupMenu();
    for (const TrayMenuItem& child : item.submenu) Append(submenu, child);
    // The parent menu owns the submenu from here and destroys it with itself.
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), item.caption.c_str());
  } else {
    const UINT flags = MF_STRING | (item.checked ? MF_CHECKED : MF_UNCHECKED);
    AppendMenuW(menu, flags, static_cast<UINT_PTR>(item.commandId), item.caption.c_str());
  }
}

}  // namespace

TrayCommands::TrayCommands(settings::Settings& settings, settings::OptionFile& optionFile)
    : settings_(settings), optionFile_(optionFile), menu_(CreatePopupMenu()) {}

void TrayCommands::OnPopup() {
  if (!ProgramIsWhole()) return;
  const history::CellStore& store = mainWindow->Store();
  TrayMenuState state;
  state.imageCount = store.ImageCount();
  state.textCount = store.TextCount();
  state.textOfCell = [](int n) { return FirstLineOf(mainWindow->TextCellHandle(n)); };
  state.settings = &settings_;
  state.previousMarks = marks_;
  const TrayMenu model(state);
  marks_ = model.Marks();

  // The same menu handle stays with both tray icons; only its items change.
  while (GetMenuItemCount(menu_.get()) > 0) DeleteMenu(menu_.get(), 0, MF_BYPOSITION);
  for (const TrayMenuItem& item : model.Items()) Append(menu_.get(), item);
}

bool TrayCommands::Dispatch(int id) {
  // During shutdown a late command finds windows gone; it does nothing.
  if (!ProgramIsWhole()) return false;
  if (const int n = ImageCellOfCommand(id)) {
    OnImageMenuItemClick(n);
    return true;
  }
  if (const int n = TextCellOfCommand(id)) {
    OnTextMenuItemClick(n);
    return true;
  }
  if (const std::optional<settings::Option> option = ToggledOption(id)) {
    OnOptionToggleClick(*option);
    return true;
  }
  switch (id) {
    case kShowKestrelCommand: OnShowClick(); return true;
    case kHideKestrelCommand: OnHideClick(); return true;
    case kNoImagesCommand: OnNoImagesClick(); return true;
    case kNoTextCommand: OnNoTextClick(); return true;
    case kNormalWallpaperCommand: OnWallpaperStyleClick(); return true;
    case kTiledWallpaperCommand: OnWallpaperStyleClick(); return true;
    case kBrowseCommand: OnBrowseClick(); return true;
    case kQuickPasteCommand: OnQuickPasteClick(); return true;
    case kHelpCommand: OnHelpClick(); return true;
    case kAboutCommand: OnAboutClick(); return true;
    case kExitCommand: OnExitClick(); return true;
    // The wallpaper directory lines only close the menu.
    case kCurrentWallpaperDirectoryCommand: return true;
    case kWallpaperDirectoryCommand: return true;
    default: return false;
  }
}

void TrayCommands::OnShowClick() { mainWindow->Show(); }

void TrayCommands::OnHideClick() { mainWindow->Hide(); }

// Exactly what a double click on the cell in the main window does; the main
// window itself stays as it is.
void TrayCommands::OnImageMenuItemClick(int n) {
  mainWindow->Notebook().SetPageIndex(kImagesPage);
  mainWindow->OnImageCellClick(n);
  mainWindow->OnSaveEditClick();
}

void TrayCommands::OnTextMenuItemClick(int n) {
  mainWindow->Notebook().SetPageIndex(kTextPage);
  mainWindow->OnTextCellClick(n);
  mainWindow->OnSaveEditClick();
}

void TrayCommands::OnNoImagesClick() { ShowMainWindowOnPage(kImagesPage); }

void TrayCommands::OnNoTextClick() { ShowMainWindowOnPage(kTextPage); }

void TrayCommands::ShowMainWindowOnPage(int page) {
  mainWindow->Notebook().SetPageIndex(page);
  mainWindow->Show();
}

// The check mark mirrors the option whenever the menu opens, so choosing
// the item inverts the option. It takes effect as if made in the dialog
// and confirmed with OK: applied, and stored at once. An open dialog is
// ended as OK ends it, and its closing stores.
void TrayCommands::OnOptionToggleClick(settings::Option option) {
  settings_.Set(option, !settings_.IsOn(option));
  ApplyOptions(settings_);
  if (optionsDialog->IsVisible()) {
    optionsDialog->Close();
  } else {
    optionFile_.Store();
  }
}

// Both style items open the dialog on its wallpaper page; the user picks the
// style there.
void TrayCommands::OnWallpaperStyleClick() {
  optionsDialog->ShowPage(settings::kWallpaperPage);
  optionsDialog->ShowModal();
}

void TrayCommands::OnBrowseClick() {
  optionsDialog->Show();
  optionsDialog->OnBrowseClick();
  // The tree's selection counts whichever button closed the picker. With
  // nothing selected the picker answers "?", which is no directory to write
  // a wallpaper into, and a name the settings file cannot hold would come
  // back as another folder; either way the setting is kept.
  const std::wstring selected = directoryPicker->SelectedDirectory();
  if (selected != tools::kNoDirectory && settings::SettingsFileCanHold(selected)) {
    settings_.SetWallpaperDirectory(selected);
  }
  optionsDialog->Close();
}

void TrayCommands::OnQuickPasteClick() {
  if (quickPasteWindow) quickPasteWindow->OpenForForeground();
}

void TrayCommands::OnHelpClick() { ShowHelpContents(startupWindow->Handle()); }

void TrayCommands::OnAboutClick() { aboutWindow->ShowModal(); }

void TrayCommands::OnExitClick() { mainWindow->OnExitClick(); }

}  // namespace app
