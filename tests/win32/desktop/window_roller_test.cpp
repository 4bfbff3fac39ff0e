// The main window's roll-up button, pressed with the real mouse: xdotool
// moves and clicks the X pointer, and the events reach the window through
// the same input path as a user's hand, caption move loop and all.
#include "desktop/window_roller.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "app/program_title.h"
#include "history/main_window.h"
#include "settings/settings.h"
#include "ui/application.h"
#include "ui/handles.h"

namespace desktop {
namespace {

constexpr wchar_t kShell[] = L"Z:\\bin\\sh";
// Pause between the steps of a gesture, so that the window sees each one.
constexpr wchar_t kPause[] = L" sleep 0.2 ";
// Long enough for the X server and Wine to deliver what the tool did.
constexpr DWORD kInputSettleMs = 300;
constexpr DWORD kPollMs = 5;
// A run of the tool that takes longer than this has hung.
constexpr DWORD kPointerToolLimitMs = 20000;

void PumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    ui::Application::ProcessMessages();
    Sleep(kPollMs);
  }
}

std::wstring At(POINT point) { return std::to_wstring(point.x) + L" " + std::to_wstring(point.y); }

// Drives the X pointer with xdotool. Wine starts it as a host program whose
// end it cannot report, so a shell around it leaves a marker file when it
// is done; the window keeps handling its messages meanwhile.
class PointerTool {
 public:
  // One run of the tool. False when it could not be started or hung.
  bool Run(const std::wstring& arguments) {
    const std::wstring marker =
        L"/tmp/kestrel-pointer-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++runs_);
    std::wstring markerPath = L"Z:" + marker;
    for (wchar_t& c : markerPath)
      if (c == L'/') c = L'\\';
    std::wstring commandLine = L"sh -c \"xdotool " + arguments + L"; touch " + marker + L"\"";
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION process{};
    // For a host program Wine fills `process` with no real handles; closing
    // them would close whatever handles of ours carry those numbers.
    if (!CreateProcessW(kShell, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
      return false;
    const DWORD start = GetTickCount();
    while (GetFileAttributesW(markerPath.c_str()) == INVALID_FILE_ATTRIBUTES) {
      if (GetTickCount() - start > kPointerToolLimitMs) return false;
      ui::Application::ProcessMessages();
      Sleep(kPollMs);
    }
    DeleteFileW(markerPath.c_str());
    PumpFor(kInputSettleMs);
    return true;
  }

  // A whole gesture is one run: a press that started a modal loop would
  // otherwise wait for a release that the next run never gets to send.
  bool Gesture(std::initializer_list<std::wstring> steps) {
    std::wstring arguments;
    for (const std::wstring& step : steps) arguments += (arguments.empty() ? L"" : kPause) + step;
    return Run(arguments);
  }

 private:
  int runs_ = 0;
};

// A plain captioned form, for a roller of the test's own making.
class CaptionedForm : public ui::Form {
 public:
  explicit CaptionedForm(ui::Application& application) : Form(application) {
    ui::FormParams params;
    params.className = L"KestrelTestCaptionedForm";
    params.style = WS_CAPTION | WS_SYSMENU;
    params.clientWidth = 200;
    params.clientHeight = 100;
    CreateForm(params);
  }
};

class WindowRollerTest : public testing::Test {
 protected:
  void SetUp() override {
    settings.Set(settings::Option::BeepOnAdd, false);
    form->Show();
    PumpFor(kInputSettleMs);
    form->Roller().onRoller = [this](WindowRoller&, bool rolled) { rolls.push_back(rolled); };
    full = Bounds();
    ASSERT_TRUE(form->Roller().ButtonRect().has_value());
    button = *form->Roller().ButtonRect();
    centre = {full.left + (button.left + button.right) / 2, full.top + (button.top + button.bottom) / 2};
    ASSERT_TRUE(pointer.Run(L"mousemove " + At(centre))) << "xdotool is needed for real mouse input";
  }

  RECT Bounds() const {
    RECT bounds{};
    GetWindowRect(form->Handle(), &bounds);
    return bounds;
  }
  // The visible part of the window in window coordinates, or none when the
  // whole window shows.
  std::optional<RECT> Region() const {
    const ui::unique_hrgn region(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(form->Handle(), region.get()) == ERROR) return std::nullopt;
    RECT box{};
    GetRgnBox(region.get(), &box);
    return box;
  }
  RECT CaptionStrip() const {
    const RECT bounds = Bounds();
    return {0, 0, bounds.right - bounds.left, GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYDLGFRAME)};
  }
  // Windows tells every top-level window about a changed caption size;
  // Wine changes the size without telling, so the test tells as Windows would.
  void AnnounceSettingChange() const { SendMessageW(form->Handle(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0); }
  static bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }
  void Click(POINT point) { ASSERT_TRUE(pointer.Run(L"mousemove " + At(point) + L" click 1")); }

  PointerTool pointer;
  ui::Application application{app::ProgramTitle()};
  settings::Settings settings;
  ui::WindowPtr<history::MainWindow> form = ui::MakeWindow<history::MainWindow>(application, settings);
  std::vector<bool> rolls;
  RECT full{};
  RECT button{};
  POINT centre{};
};

TEST_F(WindowRollerTest, AClickRollsUpToTheCaptionStripAndASecondClickRollsDown) {
  Click(centre);
  EXPECT_TRUE(form->Roller().Rolled());
  ASSERT_TRUE(Region().has_value()) << "rolled up, only the caption strip shows";
  EXPECT_TRUE(Same(*Region(), CaptionStrip()));
  EXPECT_TRUE(Same(Bounds(), full)) << "the window keeps its size and place";
  EXPECT_EQ(rolls, std::vector<bool>{true});

  Click(centre);
  EXPECT_FALSE(form->Roller().Rolled());
  EXPECT_FALSE(Region().has_value()) << "rolled down, the whole window shows again";
  EXPECT_EQ(rolls, (std::vector<bool>{true, false}));

  // A double click on the button is two presses of it, not the caption's
  // double click.
  ASSERT_TRUE(pointer.Run(L"click --repeat 2 --delay 50 1"));
  EXPECT_TRUE(Same(Bounds(), full));
  EXPECT_EQ(rolls, (std::vector<bool>{true, false, true, false}));
}

TEST_F(WindowRollerTest, ReleasingOffTheButtonDoesNotRollButComingBackDoes) {
  const POINT off{centre.x, full.bottom + 40};
  ASSERT_TRUE(pointer.Gesture({L"mousedown 1", L"mousemove " + At(off), L"mouseup 1"}));
  EXPECT_FALSE(form->Roller().Rolled());
  EXPECT_FALSE(Region().has_value());
  EXPECT_TRUE(Same(Bounds(), full)) << "a press on the button does not drag the window";

  ASSERT_TRUE(pointer.Gesture({L"mousemove " + At(centre) + L" mousedown 1", L"mousemove " + At(off),
                               L"mousemove " + At(centre), L"mouseup 1"}));
  EXPECT_TRUE(form->Roller().Rolled());
  ASSERT_TRUE(Region().has_value());
  EXPECT_TRUE(Same(*Region(), CaptionStrip()));

  // Elsewhere on the caption a press still moves the window.
  constexpr int kDrag = 40;
  const POINT caption{full.left + (full.right - full.left) / 3, centre.y};
  ASSERT_TRUE(pointer.Gesture({L"mousemove " + At(caption) + L" mousedown 1",
                               L"mousemove " + At({caption.x + kDrag, caption.y + kDrag}), L"mouseup 1"}));
  EXPECT_EQ(Bounds().left, full.left + kDrag);
  EXPECT_EQ(Bounds().top, full.top + kDrag);
  EXPECT_TRUE(form->Roller().Rolled()) << "moving keeps the window rolled up";
}

TEST_F(WindowRollerTest, TheStripFollowsWidthAndCaptionHeightAndAGreyedButtonDoesNotRoll) {
  form->Roller().SetRolled(true);
  constexpr int kWider = 80;
  SetWindowPos(form->Handle(), nullptr, 0, 0, full.right - full.left + kWider, full.bottom - full.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(Region().has_value());
  EXPECT_TRUE(Same(*Region(), CaptionStrip())) << "the strip spans the new width";
  EXPECT_EQ(form->Roller().ButtonRect()->left, button.left + kWider) << "the button keeps to the right edge";

  // A taller caption from the system settings: the strip grows with it.
  NONCLIENTMETRICSW original{sizeof(original)};
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(original), &original, 0));
  NONCLIENTMETRICSW taller = original;
  constexpr int kTaller = 8;
  taller.iCaptionHeight += kTaller;
  const int captionBefore = GetSystemMetrics(SM_CYCAPTION);
  SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof(taller), &taller, SPIF_SENDCHANGE);
  AnnounceSettingChange();
  const int captionAfter = GetSystemMetrics(SM_CYCAPTION);
  const RECT tallerRegion = Region().value_or(RECT{});
  SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof(original), &original, SPIF_SENDCHANGE);
  AnnounceSettingChange();
  EXPECT_EQ(captionAfter, captionBefore + kTaller);
  EXPECT_EQ(tallerRegion.bottom, captionAfter + GetSystemMetrics(SM_CYDLGFRAME));
  EXPECT_TRUE(Same(Region().value_or(RECT{}), CaptionStrip())) << "and shrinks back";

  form->Roller().SetEnabled(false);
  Click({centre.x + kWider, centre.y});
  form->Roller().SetRolled(false);
  EXPECT_TRUE(form->Roller().Rolled()) << "a greyed button ignores clicks and the property";
  form->Roller().SetEnabled(true);
  form->Roller().SetRolled(false);
  EXPECT_FALSE(Region().has_value());
  EXPECT_EQ(rolls, (std::vector<bool>{true, false}));
}

TEST_F(WindowRollerTest, TheSystemMenuRollsUpAndDownAndTheFrameIsTakenFromTheCompositor) {
  HMENU menu = GetSystemMenu(form->Handle(), FALSE);
  ASSERT_NE(menu, nullptr);
  const auto caption = [menu] {
    wchar_t text[64] = L"";
    GetMenuStringW(menu, kRollSystemCommand, text, ARRAYSIZE(text), MF_BYCOMMAND);
    return std::wstring(text);
  };
  const auto roll = [this] { SendMessageW(form->Handle(), WM_SYSCOMMAND, kRollSystemCommand, 0); };
  ASSERT_EQ(caption(), L"Roll up");

  roll();
  EXPECT_TRUE(form->Roller().Rolled());
  ASSERT_TRUE(Region().has_value());
  EXPECT_TRUE(Same(*Region(), CaptionStrip()));
  EXPECT_EQ(caption(), L"Roll down");
  roll();
  EXPECT_FALSE(Region().has_value());
  EXPECT_EQ(caption(), L"Roll up");
  EXPECT_EQ(rolls, (std::vector<bool>{true, false}));

  form->Roller().SetEnabled(false);
  EXPECT_TRUE(GetMenuState(menu, kRollSystemCommand, MF_BYCOMMAND) & MF_GRAYED);
  roll();
  EXPECT_FALSE(form->Roller().Rolled()) << "a greyed roll ignores the menu too";
  form->Roller().SetEnabled(true);

  // Whoever draws the frame: taken from the compositor while the button is
  // there, given back when it goes, with the menu item.
  std::vector<bool> composited;
  ui::WindowPtr<CaptionedForm> other = ui::MakeWindow<CaptionedForm>(application);
  WindowRoller roller(*other, [&](HWND window, bool on) {
    EXPECT_EQ(window, other->Handle());
    composited.push_back(on);
  });
  roller.SetVisible(false);
  EXPECT_EQ(GetMenuState(GetSystemMenu(other->Handle(), FALSE), kRollSystemCommand, MF_BYCOMMAND),
            static_cast<UINT>(-1));
  EXPECT_EQ(composited, (std::vector<bool>{false, true}));
}

}  // namespace
}  // namespace desktop
