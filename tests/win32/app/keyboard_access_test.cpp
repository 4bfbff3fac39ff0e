// Every window of the program worked from the keyboard: mnemonics that lead
// to one control each, Enter on the default button, Ctrl+Tab through pages.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cwctype>
#include <map>
#include <string>
#include <vector>

#include "about/about_window.h"
#include "app/program_title.h"
#include "history/main_window.h"
#include "settings/option_file.h"
#include "settings/options_dialog.h"
#include "tools/cell_window.h"
#include "tools/directory_picker.h"
#include "ui/handles.h"
#include "win32/keyboard_support.h"

namespace {

// The letter after a single ampersand; "&&" is an ampersand shown.
wchar_t Mnemonic(const std::wstring& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] != L'&') return static_cast<wchar_t>(std::towupper(caption[i + 1]));
    ++i;
  }
  return 0;
}

BOOL CALLBACK CollectMnemonic(HWND child, LPARAM data) {
  auto* owners = reinterpret_cast<std::map<wchar_t, std::vector<std::wstring>>*>(data);
  wchar_t name[64] = L"";
  GetClassNameW(child, name, 64);
  const bool prefixed = std::wstring(name) == L"Button" ||
                        (std::wstring(name) == L"Static" && !(GetWindowLongW(child, GWL_STYLE) & SS_NOPREFIX));
  wchar_t text[256] = L"";
  GetWindowTextW(child, text, 256);
  if (const wchar_t key = prefixed ? Mnemonic(text) : 0) (*owners)[key].push_back(text);
  return TRUE;
}

// Every mnemonic below the window that more than one control carries.
std::wstring Collisions(HWND window) {
  std::map<wchar_t, std::vector<std::wstring>> owners;
  EnumChildWindows(window, &CollectMnemonic, reinterpret_cast<LPARAM>(&owners));
  std::wstring found;
  for (const auto& [key, captions] : owners) {
    if (captions.size() < 2) continue;
    for (const std::wstring& caption : captions) found += caption + L" ";
  }
  return found;
}

class KeyboardAccessTest : public testing::Test {
 protected:
  settings::Settings settings;
  settings::OptionFile optionFile{settings};
  ui::Application application{app::ProgramTitle()};
};

TEST_F(KeyboardAccessTest, NoTwoControlsOfAWindowShareAMnemonic) {
  const auto main = ui::MakeWindow<history::MainWindow>(application, settings);
  for (int page = 0; page < main->Notebook().PageCount(); ++page) {
    // The Edit/Save button changes its caption with the page.
    main->Notebook().SetPageIndex(page);
    EXPECT_EQ(Collisions(main->Handle()), L"") << "main window, page " << page;
  }
  const auto options = ui::MakeWindow<settings::OptionsDialog>(application, settings, optionFile,
                                                               settings::OptionsDialog::Actions{});
  EXPECT_EQ(Collisions(options->Handle()), L"") << "options";

  ui::WindowDC screen(nullptr);
  ui::unique_hbitmap picture(CreateCompatibleBitmap(screen.get(), 8, 8));
  const auto about = ui::MakeWindow<about::AboutWindow>(application, picture.get());
  EXPECT_EQ(Collisions(about->Handle()), L"") << "about";

  const auto cell = ui::MakeWindow<tools::CellWindow>(application, settings);
  cell->OpenText(L"text");
  EXPECT_EQ(Collisions(cell->Handle()), L"") << "cell window";
  const auto picker = ui::MakeWindow<tools::DirectoryPicker>(application, settings);
  EXPECT_EQ(Collisions(picker->Handle()), L"") << "directory picker";
}

TEST_F(KeyboardAccessTest, OptionsDialogTurnsPagesByCtrlTabAndEnterIsOk) {
  int applied = 0;
  settings::OptionsDialog::Actions actions;
  actions.applyOptions = [&] { ++applied; };
  const auto dialog = ui::MakeWindow<settings::OptionsDialog>(application, settings, optionFile, actions);
  dialog->Show();
  // The first tab stop: the first check box of the first page.
  SetFocus(GetNextDlgTabItem(dialog->Handle(), nullptr, FALSE));
  ASSERT_EQ(GetDlgCtrlID(GetFocus()), settings::kOptions[0].controlId);

  test::PressKey(VK_TAB, {VK_CONTROL});
  EXPECT_EQ(dialog->PageIndex(), settings::kConfirmationPage);
  EXPECT_TRUE(IsWindowVisible(GetFocus())) << "the focus stays where it can be seen";
  test::PressKey(VK_TAB, {VK_CONTROL, VK_SHIFT});
  EXPECT_EQ(dialog->PageIndex(), settings::kPreferencesPage);

  test::PressKey(VK_RETURN);
  EXPECT_EQ(applied, 1) << "Enter on a check box presses OK";
  EXPECT_FALSE(dialog->IsVisible());
}

TEST_F(KeyboardAccessTest, CellWindowToolbarIsATabStopWorkedByArrowsAndEnter) {
  const auto cell = ui::MakeWindow<tools::CellWindow>(application, settings);
  cell->OpenText(L"some text");
  cell->Show();
  const HWND toolbar = GetNextDlgTabItem(cell->Handle(), nullptr, FALSE);
  wchar_t name[64] = L"";
  GetClassNameW(toolbar, name, 64);
  ASSERT_EQ(std::wstring(name), TOOLBARCLASSNAMEW) << "the toolbar comes first";
  SetFocus(toolbar);
  test::PressKey(VK_TAB);
  const HWND memo = GetFocus();
  EXPECT_EQ(GetDlgCtrlID(memo), tools::CellWindow::kMemoId) << "then the text";
  SetFocus(toolbar);

  // On the first button, New, after a trip along the row.
  test::PressKey(VK_RIGHT);
  test::PressKey(VK_LEFT);
  test::PressKey(VK_RETURN);
  EXPECT_EQ(GetWindowTextLengthW(memo), 0) << "Enter pressed New";
}

}  // namespace
