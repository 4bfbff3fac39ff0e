// Each mnemonic of a window leads to one control.
#include <gtest/gtest.h>

#include <windows.h>

#include <cwctype>
#include <map>
#include <string>

#include "about/about_window.h"
#include "app/program_title.h"
#include "history/main_window.h"
#include "settings/option_file.h"
#include "settings/options_dialog.h"
#include "tools/directory_picker.h"
#include "ui/application.h"
#include "ui/handles.h"

namespace {

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

class MnemonicTest : public testing::Test {
 protected:
  settings::Settings settings;
  settings::OptionFile optionFile{settings};
  ui::Application application{app::ProgramTitle()};
};

TEST_F(MnemonicTest, NoTwoControlsOfAWindowShareAMnemonic) {
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

}  // namespace
