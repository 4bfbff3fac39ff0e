// The about window as the program uses it: its own copy of the picture, its
// pages and buttons, and credit lines that keep their pass going while the
// window is hidden but only tick while their page is on screen.
#include "about/about_window.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "app/program_title.h"
#include "ui/application.h"

namespace {

using namespace std::chrono_literals;

constexpr int kPictureWidth = 400;
constexpr int kPictureHeight = 200;
// The label on the "More" page with the address to write to.
constexpr int kContactLabelId = 713;

// The program file beside the folder of the test programs.
std::wstring ProgramFile() {
  wchar_t own[MAX_PATH] = L"";
  GetModuleFileNameW(nullptr, own, MAX_PATH);
  std::wstring path = own;
  path.resize(path.find_last_of(L'\\'));
  path.resize(path.find_last_of(L'\\'));
  return path + L"\\Kestrel99.exe";
}

// A text of a version block, found through its first translation the way
// the file's properties find it; empty when it is missing.
std::wstring VersionText(const std::vector<BYTE>& block, const wchar_t* name) {
  struct Translation {
    WORD language;
    WORD codePage;
  };
  void* found = nullptr;
  UINT size = 0;
  if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &found, &size) || size < sizeof(Translation)) {
    return L"";
  }
  const auto* translation = static_cast<const Translation*>(found);
  wchar_t key[96] = L"";
  swprintf(key, 96, L"\\StringFileInfo\\%04x%04x\\%ls", translation->language, translation->codePage, name);
  if (!VerQueryValueW(block.data(), key, &found, &size) || size == 0) return L"";
  return static_cast<const wchar_t*>(found);
}

BOOL CALLBACK MatchChild(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<std::pair<std::wstring, HWND>*>(data);
  wchar_t name[64] = L"";
  GetClassNameW(child, name, 64);
  const bool match = search->first.starts_with(L"#") ? L"#" + std::to_wstring(GetDlgCtrlID(child)) == search->first
                                                      : search->first == name;
  if (!match) return TRUE;
  search->second = child;
  return FALSE;
}

BOOL CALLBACK MatchOwnedTooltip(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<std::pair<HWND, HWND>*>(data);
  wchar_t name[64] = L"";
  GetClassNameW(window, name, 64);
  if (GetWindow(window, GW_OWNER) != search->first || std::wstring(name) != TOOLTIPS_CLASSW) return TRUE;
  search->second = window;
  return FALSE;
}

class AboutWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    ui::WindowDC screen(nullptr);
    source.reset(CreateCompatibleBitmap(screen.get(), kPictureWidth, kPictureHeight));
    window = ui::MakeWindow<about::AboutWindow>(application, source.get());
    window->showHelp = [this] { ++helpRequests; };
    for (size_t i = 0; i < about::kCreditLineCount; ++i) window->CreditLine(i).SetClock([this] { return now; });
  }

  // The first window below the about window with the class name, or "#id".
  HWND Find(const std::wstring& what) const {
    std::pair<std::wstring, HWND> search{what, nullptr};
    EnumChildWindows(window->Handle(), &MatchChild, reinterpret_cast<LPARAM>(&search));
    EXPECT_NE(search.second, nullptr) << "nothing like this: " << std::string(what.begin(), what.end());
    return search.second;
  }
  HWND Item(int id) const { return Find(L"#" + std::to_wstring(id)); }
  std::wstring TabCaption(int index) const {
    wchar_t text[32] = L"";
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 32;
    SendMessageW(Find(WC_TABCONTROLW), TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return text;
  }
  bool AnyTicking() const {
    for (size_t i = 0; i < about::kCreditLineCount; ++i) {
      if (window->CreditLine(i).IsTicking()) return true;
    }
    return false;
  }
  bool AllTicking() const {
    for (size_t i = 0; i < about::kCreditLineCount; ++i) {
      if (!window->CreditLine(i).IsTicking()) return false;
    }
    return true;
  }
  // Where the line's text stands as it paints itself now: the mean column
  // of its ink, as a share of the control's width, or -1 with no ink at all.
  double InkCentre(size_t line) const {
    HWND control = window->CreditLine(line).Handle();
    RECT client{};
    GetClientRect(control, &client);
    ui::WindowDC screen(nullptr);
    ui::unique_hdc dc(CreateCompatibleDC(screen.get()));
    ui::unique_hbitmap bitmap(CreateCompatibleBitmap(screen.get(), client.right, client.bottom));
    ui::SelectGuard select(dc.get(), bitmap.get());
    SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    double sum = 0;
    int count = 0;
    for (int y = 0; y < client.bottom; ++y) {
      for (int x = 0; x < client.right; ++x) {
        if (GetPixel(dc.get(), x, y) == face) continue;
        sum += x;
        ++count;
      }
    }
    return count == 0 ? -1 : sum / count / client.right;
  }

  ui::Application application{app::ProgramTitle()};
  ui::unique_hbitmap source;
  std::chrono::milliseconds now{0};
  int helpRequests = 0;
  ui::WindowPtr<about::AboutWindow> window;
};

TEST_F(AboutWindowTest, ShowsItsOwnPictureOnThreePagesWithTooltipsAndItsButtonsCloseOrAskForHelp) {
  // The picture is a copy: the start-up window may let go of its own.
  ASSERT_NE(window->PictureBitmap(), nullptr);
  EXPECT_NE(window->PictureBitmap(), source.get());
  source.reset();
  BITMAP info{};
  ASSERT_NE(GetObjectW(window->PictureBitmap(), sizeof(info), &info), 0);
  EXPECT_EQ(info.bmWidth, kPictureWidth);
  EXPECT_EQ(info.bmHeight, kPictureHeight);

  EXPECT_EQ(SendMessageW(Find(WC_TABCONTROLW), TCM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(TabCaption(0), L"About");
  EXPECT_EQ(TabCaption(1), L"Credits");
  EXPECT_EQ(TabCaption(2), L"More");
  // Every credit line carries its tooltip.
  std::pair<HWND, HWND> tooltips{window->Handle(), nullptr};
  EnumThreadWindows(GetCurrentThreadId(), &MatchOwnedTooltip, reinterpret_cast<LPARAM>(&tooltips));
  ASSERT_NE(tooltips.second, nullptr);
  EXPECT_EQ(SendMessageW(tooltips.second, TTM_GETTOOLCOUNT, 0, 0), static_cast<LRESULT>(about::kCreditLineCount));
  EXPECT_EQ(ui::WindowText(Item(about::kFeedbackLabelId)).rfind(L"If you have any comments or found bugs", 0), 0u);

  EXPECT_EQ(ui::WindowText(Item(about::kAboutOkButtonId)), L"&OK");
  EXPECT_EQ(ui::WindowText(Item(about::kAboutHelpButtonId)), L"&Help");

  window->Show();
  SendMessageW(Item(about::kAboutHelpButtonId), BM_CLICK, 0, 0);
  EXPECT_EQ(helpRequests, 1);
  EXPECT_TRUE(window->IsVisible());
  SendMessageW(Item(about::kAboutOkButtonId), BM_CLICK, 0, 0);
  EXPECT_FALSE(window->IsVisible());
  EXPECT_EQ(helpRequests, 1);
}

// Task Manager and the file's properties name the program from its version
// block; its maker is the one this window gives the address of.
TEST_F(AboutWindowTest, TheProgramFileNamesItselfItsVersionAndTheMakerThisWindowGives) {
  const std::wstring program = ProgramFile();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(program.c_str(), &ignored);
  ASSERT_NE(size, 0u) << "no version block in Kestrel99.exe, error " << GetLastError();
  std::vector<BYTE> block(size);
  ASSERT_TRUE(GetFileVersionInfoW(program.c_str(), 0, size, block.data()));
  void* found = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", &found, &length));
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(found);
  EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), KESTREL_VERSION_MAJOR);
  EXPECT_EQ(LOWORD(fixed->dwFileVersionMS), KESTREL_VERSION_MINOR);
  EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);

  const std::wstring version =
      std::to_wstring(KESTREL_VERSION_MAJOR) + L"." + std::to_wstring(KESTREL_VERSION_MINOR) + L".";
  EXPECT_EQ(VersionText(block, L"FileVersion").rfind(version, 0), 0u);
  EXPECT_EQ(VersionText(block, L"ProductVersion").rfind(version, 0), 0u);
  EXPECT_EQ(VersionText(block, L"ProductName"), L"Kestrel 99");
  EXPECT_EQ(VersionText(block, L"FileDescription"), L"Kestrel 99");
  EXPECT_EQ(VersionText(block, L"OriginalFilename"), L"Kestrel99.exe");
  const std::wstring contact = ui::WindowText(Item(kContactLabelId));
  EXPECT_FALSE(contact.empty());
  EXPECT_EQ(VersionText(block, L"CompanyName"), contact);
}

TEST_F(AboutWindowTest, CreditLinesTickOnlyWhileSeenAndShowTheirPassWhereTimeHasTakenIt) {
  window->ShowPage(about::kCreditsPage);
  EXPECT_FALSE(AnyTicking());
  // Opened two seconds after start-up: a quarter of the way through the
  // pass, not at its start.
  now = 2s;
  window->Show();
  EXPECT_TRUE(AllTicking());
  EXPECT_EQ(window->CreditLine(0).Step(), 20);
  const double rightToLeft = InkCentre(0);
  const double leftToRight = InkCentre(1);
  EXPECT_GT(rightToLeft, 0.55);
  EXPECT_GE(leftToRight, 0);
  EXPECT_LT(leftToRight, 0.45);
  // Halfway both meet in the middle; at the last step and at the first of
  // the next pass the text is off the control.
  now = 4s;
  EXPECT_NEAR(InkCentre(0), 0.5, 0.05);
  EXPECT_NEAR(InkCentre(1), 0.5, 0.05);
  now = 8s;
  EXPECT_EQ(InkCentre(0), -1);
  now = 8100ms;
  EXPECT_EQ(window->CreditLine(0).Step(), 0);
  EXPECT_EQ(InkCentre(1), -1);

  window->ShowPage(about::kPicturePage);
  EXPECT_FALSE(AnyTicking());
  window->ShowPage(about::kCreditsPage);
  EXPECT_TRUE(AllTicking());
  window->Close();
  EXPECT_FALSE(AnyTicking());
}

}  // namespace
