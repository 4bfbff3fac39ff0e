// The directory picker driven as the options dialog and the tray menu drive
// it: told to select directories, its tree opened as a user opens it, and
// its buttons clicked while it is shown modally. The drive check runs
// against the real file system of the Wine prefix.
#include "tools/directory_picker.h"
#include "tools/directory_rules.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "app/program_title.h"
#include "ui/application.h"
#include "win32/clipboard_support.h"
#include "win32/test_support.h"

namespace {

namespace fs = std::filesystem;

// Reads finish in well under this; it only keeps a broken build from hanging.
constexpr DWORD kReadPatience = 30000;

std::wstring Upper(std::wstring text) {
  CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

std::wstring CurrentDirectory() {
  wchar_t buffer[MAX_PATH] = L"";
  GetCurrentDirectoryW(MAX_PATH, buffer);
  return buffer;
}

using FileSystem = tools::DirectoryTree::FileSystem;

// Holds every question put to it until the test opens it: a drive that has
// gone away and answers only when the network gives up. Shared with the
// readers, which may outlive the test's picker.
struct Gate {
  ui::unique_handle open{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  std::atomic<int> waiting{0};
  std::atomic<bool> outwaited{false};  // a question waited out the test's patience

  void Wait() {
    ++waiting;
    if (WaitForSingleObject(open.get(), kReadPatience) != WAIT_OBJECT_0) outwaited = true;
    --waiting;
  }
  static FileSystem Blocking(const std::shared_ptr<Gate>& gate) {
    FileSystem blocked = tools::DirectoryTree::SystemFileSystem();
    blocked.describeDrive = [gate](wchar_t) {
      gate->Wait();
      return tools::DirectoryTree::DriveInfo{};
    };
    blocked.listDirectory = [gate](const std::wstring&, const std::atomic<bool>&) {
      gate->Wait();
      return tools::DirectoryTree::Listing{};
    };
    return blocked;
  }
  // Lets the questions go and waits until they are answered.
  void Release() {
    SetEvent(open.get());
    while (waiting > 0) Sleep(1);
  }
};

class DirectoryPickerTest : public testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(folder / L"alpha" / L"beta");
    fs::create_directories(folder / L"Delta");
    fs::create_directories(folder / L"gamma");
    SetFileAttributesW((folder / L"gamma").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    HANDLE file = CreateFileW((folder / L"notes.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(file);
    startDirectory = CurrentDirectory();
  }
  void TearDown() override {
    SetCurrentDirectoryW(startDirectory.c_str());
    picker.reset();
  }

  void WaitForTree() {
    const DWORD start = GetTickCount();
    while (picker->Tree().IsBusy() && GetTickCount() - start < kReadPatience) {
      ui::Application::ProcessMessages();
      Sleep(1);
    }
    ASSERT_FALSE(picker->Tree().IsBusy());
  }
  // The stored form of a directory of the test folder.
  std::wstring Answer(const fs::path& directory) const { return Upper(directory.wstring()) + L"\\"; }
  HWND Tree() const { return picker->Tree().TreeView(); }
  std::vector<std::wstring> ChildNames(HTREEITEM item) const {
    std::vector<std::wstring> names;
    for (HTREEITEM child = TreeView_GetChild(Tree(), item); child; child = TreeView_GetNextSibling(Tree(), child)) {
      wchar_t text[MAX_PATH] = L"";
      TVITEMW query{};
      query.mask = TVIF_TEXT;
      query.hItem = child;
      query.pszText = text;
      query.cchTextMax = MAX_PATH;
      TreeView_GetItem(Tree(), &query);
      names.push_back(text);
    }
    return names;
  }
  // Clicks a button the way a user does while the picker is up modally.
  int ClickWhileModal(int buttonId) {
    PostMessageW(GetDlgItem(picker->Handle(), buttonId), BM_CLICK, 0, 0);
    return picker->ShowModal();
  }

  HTREEITEM Selection() const { return TreeView_GetSelection(Tree()); }
  bool IsExpanded(HTREEITEM item) const {
    return (TreeView_GetItemState(Tree(), item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
  }

  ui::Application application{app::ProgramTitle()};
  settings::Settings settings;
  ui::WindowPtr<tools::DirectoryPicker> picker = ui::MakeWindow<tools::DirectoryPicker>(application, settings);
  test::MessageBoxRecorder boxes;
  test::TemporaryFolder temporary{L"k99 picker "};
  fs::path folder = temporary.Path();
  std::wstring startDirectory;
};

TEST_F(DirectoryPickerTest, OpensAPathFromItsDriveAndOkStoresItAndEntersTheDrive) {
  WaitForTree();
  EXPECT_EQ(picker->SelectedDirectory(), L"?");

  // Given in lower case and without the backslash, as a stored file may hold it.
  picker->SelectDirectory(folder.wstring());
  WaitForTree();
  ASSERT_EQ(picker->SelectedDirectory(), Answer(folder));
  const HTREEITEM selected = TreeView_GetSelection(Tree());
  // Scrolled to the top, or as near it as the items below it allow.
  SCROLLINFO scroll{sizeof(scroll), SIF_ALL};
  GetScrollInfo(Tree(), SB_VERT, &scroll);
  const bool scrolledToEnd = scroll.nPos + static_cast<int>(scroll.nPage) > scroll.nMax;
  EXPECT_TRUE(TreeView_GetFirstVisible(Tree()) == selected || scrolledToEnd);
  RECT row{};
  EXPECT_TRUE(TreeView_GetItemRect(Tree(), selected, &row, TRUE));
  EXPECT_TRUE(TreeView_GetItemState(Tree(), TreeView_GetParent(Tree(), selected), TVIS_EXPANDED) & TVIS_EXPANDED);

  // Opening it as a user does: the children are read first, then it opens;
  // every directory is there whatever its attributes, and files are not.
  TreeView_Expand(Tree(), selected, TVE_EXPAND);
  WaitForTree();
  EXPECT_TRUE(TreeView_GetItemState(Tree(), selected, TVIS_EXPANDED) & TVIS_EXPANDED);
  EXPECT_EQ(ChildNames(selected), (std::vector<std::wstring>{L"alpha", L"Delta", L"gamma"}));

  // A path that is not there, or has a part the tree cannot find, leaves the selection.
  picker->SelectDirectory((folder / L"missing").wstring());
  picker->SelectDirectory(L"\\\\server\\share\\");
  WaitForTree();
  EXPECT_EQ(picker->SelectedDirectory(), Answer(folder));

  picker->SelectDirectory((folder / L"ALPHA" / L"Beta").wstring() + L"\\");
  WaitForTree();
  const std::wstring chosen = Answer(folder / L"alpha" / L"beta");
  ASSERT_EQ(picker->SelectedDirectory(), chosen);

  SetCurrentDirectoryW(folder.c_str());
  EXPECT_EQ(ClickWhileModal(tools::DirectoryPicker::kOkId), ui::kModalOk);
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(settings.WallpaperDirectory(), chosen);
  EXPECT_EQ(Upper(CurrentDirectory()), chosen.substr(0, 3));
  EXPECT_FALSE(picker->IsVisible());
  // The tree keeps its selection for the next opening.
  EXPECT_EQ(picker->SelectedDirectory(), chosen);
}

TEST_F(DirectoryPickerTest, ADriveThatCannotBeEnteredIsReportedAndTheTreeReturnsToTheStoredDirectory) {
  WaitForTree();
  const std::wstring stored = Answer(folder / L"Delta");
  settings.SetWallpaperDirectory(stored);
  SetCurrentDirectoryW(folder.c_str());

  // Nothing selected: the drive is a question mark, which no drive is.
  ASSERT_EQ(picker->SelectedDirectory(), L"?");
  EXPECT_EQ(ClickWhileModal(tools::DirectoryPicker::kOkId), ui::kModalCancel);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].caption, L"Error");
  EXPECT_EQ(boxes.boxes[0].text, L"ERROR! Can't change to drive ?:\\\r");
  EXPECT_EQ(boxes.boxes[0].type, static_cast<UINT>(MB_OK | MB_ICONSTOP));
  EXPECT_EQ(settings.WallpaperDirectory(), stored);
  EXPECT_EQ(CurrentDirectory(), folder.wstring());
  EXPECT_FALSE(picker->IsVisible());
  // The tray reads the answer as soon as the picker closes, while the tree
  // may still be reading its way back: the answer is the stored directory
  // already, never the drive that failed.
  EXPECT_EQ(picker->SelectedDirectory(), stored);
  WaitForTree();
  EXPECT_EQ(picker->SelectedDirectory(), stored);

  // Cancel changes nothing, and the tree keeps what the user chose.
  picker->SelectDirectory((folder / L"alpha").wstring());
  WaitForTree();
  EXPECT_EQ(ClickWhileModal(tools::DirectoryPicker::kCancelId), ui::kModalCancel);
  EXPECT_EQ(settings.WallpaperDirectory(), stored);
  EXPECT_EQ(picker->SelectedDirectory(), Answer(folder / L"alpha"));
  EXPECT_EQ(boxes.boxes.size(), 1u);
}

TEST_F(DirectoryPickerTest, AFolderTheSettingsFileCannotKeepIsRefusedAndThePickerStaysOpen) {
  // A western code page has no L with stroke. Written there, the folder
  // would come back as another one at the next start.
  constexpr UINT kWesternCodePage = 1252;
  if (GetACP() != kWesternCodePage) GTEST_SKIP() << "this system's code page is " << GetACP();
  const fs::path polish = folder / L"\u0141\u00F3d\u017A";
  const fs::path french = folder / L"caf\u00E9";
  fs::create_directory(polish);
  fs::create_directory(french);
  WaitForTree();
  const std::wstring stored = Answer(folder / L"Delta");
  settings.SetWallpaperDirectory(stored);
  // OK, then Cancel: a refusal leaves the picker up for the Cancel.
  const auto okThenCancel = [this] {
    PostMessageW(GetDlgItem(picker->Handle(), tools::DirectoryPicker::kOkId), BM_CLICK, 0, 0);
    return ClickWhileModal(tools::DirectoryPicker::kCancelId);
  };

  picker->SelectDirectory(polish.wstring());
  WaitForTree();
  ASSERT_EQ(picker->SelectedDirectory(), Answer(polish));
  EXPECT_EQ(okThenCancel(), ui::kModalCancel);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, tools::UnstorableFolderMessage(Answer(polish)));
  EXPECT_EQ(settings.WallpaperDirectory(), stored);

  // A name the code page holds, accents and all, is taken.
  picker->SelectDirectory(french.wstring());
  WaitForTree();
  ASSERT_EQ(picker->SelectedDirectory(), Answer(french));
  EXPECT_EQ(okThenCancel(), ui::kModalOk);
  EXPECT_EQ(settings.WallpaperDirectory(), Answer(french));
  EXPECT_EQ(boxes.boxes.size(), 1u);
  ui::Application::ProcessMessages();  // the Cancel meant for a refusal finds the picker closed
}

TEST_F(DirectoryPickerTest, APickerDestroyedWhileItsTreeReadsTakesTheReaderAlong) {
  picker->SelectDirectory(L"C:\\windows\\system32");
  EXPECT_TRUE(picker->Tree().IsBusy());
  picker.reset();
}

TEST_F(DirectoryPickerTest, ADriveThatNeverAnswersHoldsUpNeitherTheOpeningNorTheClosing) {
  const auto gate = std::make_shared<Gate>();
  picker->Tree().SetFileSystem(Gate::Blocking(gate));
  picker->Show();  // asks every drive for its name and icon
  ASSERT_TRUE(test::PumpUntil([&] { return gate->waiting > 0; }));
  EXPECT_TRUE(picker->Tree().IsBusy());
  picker.reset();  // as the program's exit does
  gate->Release();
  EXPECT_FALSE(gate->outwaited) << "closing the picker waited for a drive";
}

TEST_F(DirectoryPickerTest, EachExpansionAndEachOpeningReadAgainKeepingWhatIsOpenAndSelected) {
  // A drive Q: plugged in while the picker is closed.
  constexpr wchar_t kPlugged = L'Q';
  bool plugged = false;
  const FileSystem system = tools::DirectoryTree::SystemFileSystem();
  FileSystem withPlug = system;
  withPlug.presentDrives = [&plugged, system] {
    return system.presentDrives() | (plugged ? 1u << (kPlugged - L'A') : 0u);
  };
  withPlug.describeDrive = [system](wchar_t letter) {
    return letter == kPlugged ? tools::DirectoryTree::DriveInfo{true, L"Plugged (Q:)"} : system.describeDrive(letter);
  };
  picker->Tree().SetFileSystem(withPlug);
  EXPECT_EQ(TreeView_GetCount(Tree()), 0u) << "nothing is read before the picker first opens";
  picker->Show();
  picker->SelectDirectory(folder.wstring());
  WaitForTree();
  const HTREEITEM top = Selection();
  TreeView_Expand(Tree(), top, TVE_EXPAND);
  WaitForTree();
  const HTREEITEM alpha = TreeView_GetChild(Tree(), top);
  TreeView_Expand(Tree(), alpha, TVE_EXPAND);
  WaitForTree();

  // Made after its parent was read: the next expansion finds it.
  fs::create_directory(folder / L"epsilon");
  TreeView_Expand(Tree(), top, TVE_COLLAPSE);
  TreeView_Expand(Tree(), top, TVE_EXPAND);
  WaitForTree();
  EXPECT_EQ(ChildNames(top), (std::vector<std::wstring>{L"alpha", L"Delta", L"epsilon", L"gamma"}));

  // Closed, a drive comes, a folder goes and another comes: the next
  // opening shows them, with the same branches open and the same selection.
  picker->Hide();
  plugged = true;
  fs::remove(folder / L"Delta");
  fs::create_directory(folder / L"zeta");
  picker->Show();
  WaitForTree();
  EXPECT_EQ(ChildNames(top), (std::vector<std::wstring>{L"alpha", L"epsilon", L"gamma", L"zeta"}));
  const std::vector<std::wstring> drives = ChildNames(TVI_ROOT);
  EXPECT_NE(std::find(drives.begin(), drives.end(), L"Plugged (Q:)"), drives.end());
  EXPECT_EQ(Selection(), top);
  EXPECT_EQ(TreeView_GetChild(Tree(), top), alpha);
  EXPECT_TRUE(IsExpanded(top) && IsExpanded(alpha));
  EXPECT_EQ(ChildNames(alpha), std::vector<std::wstring>{L"beta"});
  picker->Hide();
}

TEST_F(DirectoryPickerTest, AReaderOutOfMemoryLeavesTheDirectoryUnreadForALaterTry) {
  FileSystem starved = tools::DirectoryTree::SystemFileSystem();
  starved.listDirectory = [](const std::wstring&, const std::atomic<bool>&) -> tools::DirectoryTree::Listing {
    throw std::bad_alloc();
  };
  picker->Tree().SetFileSystem(starved);
  picker->SelectDirectory(folder.wstring());
  WaitForTree();
  EXPECT_EQ(picker->SelectedDirectory(), L"?");

  picker->Tree().SetFileSystem(tools::DirectoryTree::SystemFileSystem());
  picker->SelectDirectory(folder.wstring());
  WaitForTree();
  EXPECT_EQ(picker->SelectedDirectory(), Answer(folder));
}

// Refuses every button the thread tries to make.
LRESULT CALLBACK RefuseButtons(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const wchar_t* name = reinterpret_cast<const CBT_CREATEWNDW*>(lParam)->lpcs->lpszClass;
    if (!IS_INTRESOURCE(name) && lstrcmpiW(name, L"BUTTON") == 0) return 1;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(DirectoryPickerTest, APickerThatCannotBeMadeReportsItInsteadOfEndingTheProgram) {
  HHOOK hook = SetWindowsHookExW(WH_CBT, RefuseButtons, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  EXPECT_THROW(ui::MakeWindow<tools::DirectoryPicker>(application, settings), ui::UserError);
  UnhookWindowsHookEx(hook);
}

}  // namespace
