// Every window of the program worked from the keyboard: mnemonics that lead
// to one control each, Enter on the default button, Ctrl+Tab through pages.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cwctype>
#include <map>
#include <string>

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

using test::PressKey;

// Records the captions of the buttons and labels by their mnemonic, the
// letter after a single ampersand ("&&" shows one).
BOOL CALLBACK CollectMnemonic(HWND child, LPARAM data) {
  wchar_t name[64] = L"";
  wchar_t text[256] = L"";
  GetClassNameW(child, name, 64);
  GetWindowTextW(child, text, 256);
  const bool prefixed = std::wstring(name) == L"Button" ||
                        (std::wstring(name) == L"Static" && !(GetWindowLongW(child, GWL_STYLE) & SS_NOPREFIX));
  for (const wchar_t* c = text; prefixed && c[0] && c[1]; ++c) {
    if (c[0] == L'&' && c[1] == L'&') ++c;
    else if (c[0] == L'&') {
      (*reinterpret_cast<std::map<wchar_t, std::wstring>*>(data))[std::towupper(c[1])] += text + std::wstring(L"|");
      break;
    }
  }
  return TRUE;
}

// The captions of the controls below the window that share a mnemonic.
std::wstring Collisions(const ui::Window& window) {
  std::map<wchar_t, std::wstring> owners;
  EnumChildWindows(window.Handle(), &CollectMnemonic, reinterpret_cast<LPARAM>(&owners));
  std::wstring found;
  for (const auto& [key, captions] : owners) found += captions.find(L'|') + 1 < captions.size() ? captions : L"";
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
  EXPECT_EQ(Collisions(*main), L"");
  main->Notebook().SetPageIndex(1);  // Edit/Save changes its caption
  EXPECT_EQ(Collisions(*main), L"");
  EXPECT_EQ(Collisions(*ui::MakeWindow<settings::OptionsDialog>(application, settings, optionFile,
                                                                settings::OptionsDialog::Actions{})),
            L"");
  ui::WindowDC screen(nullptr);
  ui::unique_hbitmap picture(CreateCompatibleBitmap(screen.get(), 8, 8));
  EXPECT_EQ(Collisions(*ui::MakeWindow<about::AboutWindow>(application, picture.get())), L"");
  EXPECT_EQ(Collisions(*ui::MakeWindow<tools::DirectoryPicker>(application, settings)), L"");
}

TEST_F(KeyboardAccessTest, OptionsDialogTurnsPagesByCtrlTabAndEnterIsOk) {
  int applied = 0;
  const auto dialog = ui::MakeWindow<settings::OptionsDialog>(
      application, settings, optionFile, settings::OptionsDialog::Actions{[&] { ++applied; }, nullptr});
  dialog->Show();
  SetFocus(GetNextDlgTabItem(dialog->Handle(), nullptr, FALSE));
  ASSERT_EQ(GetDlgCtrlID(GetFocus()), settings::kOptions[0].controlId) << "the first check box comes first";
  PressKey(VK_TAB, {VK_CONTROL});
  EXPECT_EQ(dialog->PageIndex(), settings::kConfirmationPage);
  EXPECT_TRUE(IsWindowVisible(GetFocus())) << "the focus stays where it can be seen";
  PressKey(VK_RETURN);
  EXPECT_EQ(applied, 1) << "Enter on a check box presses OK";
  EXPECT_FALSE(dialog->IsVisible());
}

TEST_F(KeyboardAccessTest, CellWindowToolbarIsATabStopWorkedByArrowsAndEnter) {
  const auto cell = ui::MakeWindow<tools::CellWindow>(application, settings);
  cell->OpenText(L"some text");
  cell->Show();
  SetFocus(GetNextDlgTabItem(cell->Handle(), nullptr, FALSE));
  const HWND toolbar = GetFocus();
  PressKey(VK_TAB);
  const HWND memo = GetFocus();
  ASSERT_EQ(GetDlgCtrlID(memo), tools::CellWindow::kMemoId) << "the toolbar, then the text";
  SetFocus(toolbar);
  PressKey(VK_RIGHT);
  PressKey(VK_LEFT);
  PressKey(VK_RETURN);
  EXPECT_EQ(GetWindowTextLengthW(memo), 0) << "Enter pressed New, the first button";
}

}  // namespace
