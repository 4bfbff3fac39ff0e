// The stores against the real private-profile functions: what a first run
// writes, what a showing reads back, and a file that cannot be written.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "settings/ini_file.h"
#include "settings/option_file.h"
#include "settings/profile_rules.h"
#include "settings/settings.h"
#include "settings/window_placement_store.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/handles.h"
#include "ui/message_box.h"
#include "win32/test_support.h"

namespace {

using settings::Option;

constexpr int kClientWidth = 200;
constexpr int kClientHeight = 150;
constexpr wchar_t kTestClass[] = L"KestrelTestStoredForm";

// A form with the options dialog's border, or the main window's.
class StoredForm : public ui::Form {
 public:
  StoredForm(ui::Application& application, DWORD style, DWORD exStyle) : Form(application) {
    ui::FormParams params;
    params.className = kTestClass;
    params.style = style;
    params.exStyle = exStyle;
    params.clientWidth = kClientWidth;
    params.clientHeight = kClientHeight;
    CreateForm(params);
  }
};

std::vector<std::wstring> SectionLines(const std::wstring& file, const wchar_t* section) {
  std::vector<wchar_t> buffer(32768);
  const DWORD length = GetPrivateProfileSectionW(section, buffer.data(), static_cast<DWORD>(buffer.size()), file.c_str());
  std::vector<std::wstring> lines;
  for (const wchar_t* line = buffer.data(); line < buffer.data() + length && *line; line += lstrlenW(line) + 1) {
    lines.emplace_back(line);
  }
  return lines;
}

RECT WindowBounds(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

class SettingsFileTest : public testing::Test {
 protected:
  void SetUp() override {
    DeleteFileW(file_.c_str());
    ui::SetMessageBoxSinkForTesting([this](const std::wstring&, const std::wstring& text, UINT) {
      boxes_.push_back(text);
      return IDOK;
    });
  }
  void TearDown() override {
    ui::SetMessageBoxSinkForTesting(nullptr);
    SetFileAttributesW(file_.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(file_.c_str());
  }

  ui::WindowPtr<StoredForm> MakeDialog() {
    return ui::MakeWindow<StoredForm>(application_, WS_CAPTION | DS_MODALFRAME, WS_EX_DLGMODALFRAME);
  }
  settings::FileNameSource File() const {
    return [file = file_] { return file; };
  }
  void Write(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
    ASSERT_TRUE(WritePrivateProfileStringW(section, key, value, file_.c_str()));
  }

  ui::Application application_{L"Kestrel99"};
  std::wstring file_ = test::TemporaryPath(L"kestrel99-test-", L".ini").wstring();
  std::vector<std::wstring> boxes_;
};

TEST_F(SettingsFileTest, FirstRunWritesPlacementThenOptionsAndShowingReadsThemBack) {
  EXPECT_EQ(settings::SettingsFilePath(), L"kestrel99.ini") << "Wine lets the program write its Windows directory";

  settings::Settings options;
  settings::OptionFile store(options, File());
  ui::WindowPtr<StoredForm> dialog = MakeDialog();
  store.Attach(*dialog);
  dialog->Close();
  EXPECT_EQ(GetFileAttributesW(file_.c_str()), INVALID_FILE_ATTRIBUTES) << "nothing is stored before a first load";

  // The start-up step: load while hidden, then store.
  store.Load();
  store.Store();
  const RECT at = WindowBounds(dialog->Handle());
  std::vector<std::wstring> expected{
      L"Flags=0",
      L"ShowCmd=1",
      L"MinMaxPos=",
      L"NormPos=" + settings::FormatNormPos({at.left, at.top, at.right, at.bottom}),
      L"CheckBox951_Checked=True",
      L"CheckBox953_Checked=False",
      L"CheckBox954_Checked=False",
      L"CheckBox955_Checked=True",
      L"CheckBox956_Checked=True",
      L"CheckBox957_Checked=True",
      L"CheckBox959_Checked=False",
      L"Edit1_Text=C:\\WINDOWS\\",
      L"RadioButton1_Checked=True",
      L"RadioButton2_Checked=False",
      L"CheckBox952_Checked=True",
      L"QuickPasteKey=Ctrl+`",
      L"SkipRepeatedCopy=False",
      L"StartWithWindows=False",
      L"QuickPasteKeyRefused=None",
  };
  std::vector<std::wstring> written = SectionLines(file_, L"options");
  ASSERT_EQ(written.size(), expected.size());
  // The minimized and maximized positions are the system's to say.
  EXPECT_EQ(settings::SplitWords(std::wstring_view(written[2]).substr(expected[2].size())).size(), 4u) << written[2];
  expected[2] = written[2];
  EXPECT_EQ(written, expected);

  // A later showing reads what the file says: a dialog takes only the
  // position, a lower-case Boolean counts, and an absent key leaves its
  // option alone.
  Write(L"options", L"NormPos", L"100 50");
  Write(L"options", L"CheckBox951_Checked", L"false");
  Write(L"options", L"CheckBox959_Checked", nullptr);
  options.Set(Option::ConfirmExit, true);
  dialog->Show();
  const RECT shown = WindowBounds(dialog->Handle());
  EXPECT_EQ(shown.left, 100);
  EXPECT_EQ(shown.top, 50);
  EXPECT_EQ(shown.right - shown.left, at.right - at.left);
  EXPECT_EQ(shown.bottom - shown.top, at.bottom - at.top);
  EXPECT_FALSE(options.IsOn(Option::BeepOnAdd));
  EXPECT_TRUE(options.IsOn(Option::ConfirmExit));

  // Hiding stores nothing; the destruction does, as nothing was stored
  // since the showing.
  dialog->Hide();
  EXPECT_EQ(SectionLines(file_, L"options").size(), expected.size() - 1);
  dialog.reset();
  const std::vector<std::wstring> final = SectionLines(file_, L"options");
  ASSERT_EQ(final.size(), expected.size());
  EXPECT_EQ(final[3], L"NormPos=" + settings::FormatNormPos({100, 50, 100 + at.right - at.left, 50 + at.bottom - at.top}));
  EXPECT_EQ(final.back(), L"CheckBox959_Checked=True") << "a new key goes to the end of its section";
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(SettingsFileTest, MainWindowComesBackWhereLastStoredAndInTheStoredState) {
  ui::WindowPtr<StoredForm> window =
      ui::MakeWindow<StoredForm>(application_, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, WS_EX_CONTROLPARENT);
  settings::WindowPlacementStore store(*window, std::wstring(settings::kMainSection), File());
  window->Show();
  window->Close();  // the close box stores
  const RECT stored = WindowBounds(window->Handle());

  window->Show();
  SetWindowPos(window->Handle(), nullptr, stored.left + 40, stored.top + 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  window->Hide();  // the hide button stores nothing
  window->Show();
  EXPECT_EQ(WindowBounds(window->Handle()).left, stored.left);
  EXPECT_EQ(WindowBounds(window->Handle()).top, stored.top);
  window->Hide();

  Write(L"main", L"ShowCmd", L"2");
  window->Show();
  EXPECT_TRUE(IsIconic(window->Handle()));
  // Showing it again (the tray's "Show") brings it back to its place: with
  // no taskbar button, nothing else could.
  window->Show();
  EXPECT_FALSE(IsIconic(window->Handle()));
  EXPECT_EQ(WindowBounds(window->Handle()).left, stored.left);
  window->Hide();
  Write(L"main", L"ShowCmd", L"7");
  window->Show();
  EXPECT_FALSE(IsIconic(window->Handle()));
  window->Hide();
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(SettingsFileTest, ReadOnlyFileIsReportedOnceAndTheOptionsStayInForce) {
  settings::Settings options;
  settings::OptionFile store(options, File());
  ui::WindowPtr<StoredForm> dialog = MakeDialog();
  store.Attach(*dialog);
  store.Load();
  store.Store();
  dialog->Show();
  options.Set(Option::DisableCapture, true);
  {
    // Read-only, and held open by another program, so that even a user whom
    // the attribute does not stop cannot write it.
    ASSERT_TRUE(SetFileAttributesW(file_.c_str(), FILE_ATTRIBUTE_READONLY));
    const ui::unique_hfile lock(
        CreateFileW(file_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(lock);
    dialog->Close();
  }
  EXPECT_FALSE(dialog->IsVisible()) << "the dialog closes all the same";
  EXPECT_EQ(boxes_, std::vector<std::wstring>{L"Unable to write to " + file_});
  EXPECT_TRUE(options.IsOn(Option::DisableCapture));
  EXPECT_EQ(SectionLines(file_, L"options")[6], L"CheckBox954_Checked=False");

  // The next showing brings back what was stored last.
  dialog->Show();
  EXPECT_FALSE(options.IsOn(Option::DisableCapture));
  dialog->Hide();
  SetFileAttributesW(file_.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
