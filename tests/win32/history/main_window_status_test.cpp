// The main window's commands and status, driven as the user and the rest of
// the program drive them: buttons found by id and pressed with BM_CLICK,
// options changed through the Settings, counts through the store.
#include "history/main_window.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <chrono>
#include <string>
#include <vector>

#include "app/program_title.h"
#include "history/main_window_layout.h"
#include "ui/application.h"
#include "ui/message_box.h"

namespace {

using history::CellKind;
using settings::Option;

constexpr int kImagesPage = 0;
constexpr int kTextPage = 1;
constexpr std::wstring_view kActiveCaption = history::kActiveWindowCaption;
constexpr std::wstring_view kDisabledCaption = history::kDisabledWindowCaption;
constexpr auto kLongerThanOneClockTick = std::chrono::milliseconds(1500);

std::wstring TextOf(HWND window) {
  wchar_t text[256] = L"";
  GetWindowTextW(window, text, 256);
  return text;
}

struct Box {
  std::wstring caption;
  std::wstring text;
  UINT type;
};

class MainWindowStatusTest : public testing::Test {
 protected:
  void SetUp() override {
    ui::SetMessageBoxSinkForTesting([this](const std::wstring& caption, const std::wstring& text, UINT type) {
      boxes.push_back({caption, text, type});
      return boxAnswer;
    });
    // As the application wires them.
    settings.onChanged = [this] { form->RefreshStatus(); };
    form->applyTrayStatus = [this](const history::StatusDecision& status) { trayStatuses.push_back(status); };
    form->closeMainForm = [this] { ++mainFormCloses; };
    form->showOptions = [this] { ++optionsShown; };
    form->showAbout = [this] { ++aboutShown; };
  }
  void TearDown() override { ui::SetMessageBoxSinkForTesting(nullptr); }

  HWND Item(int id) const { return GetDlgItem(form->Handle(), id); }
  std::wstring Caption(int id) const { return TextOf(Item(id)); }
  bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
  void Click(int id) { SendMessageW(Item(id), BM_CLICK, 0, 0); }
  void ShowPage(int page) { form->Notebook().SetPageIndex(page); }
  void ShowForm() {
    form->Show();
    ui::Application::ProcessMessages();
  }

  // Pumps messages for a while, as the program's loop would, and counts the
  // timer messages that reach the main window or any of its controls.
  int TimerMessagesWhilePumping(std::chrono::milliseconds duration) {
    int timers = 0;
    const auto end = std::chrono::steady_clock::now() + duration;
    for (auto now = std::chrono::steady_clock::now(); now < end; now = std::chrono::steady_clock::now()) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - now).count();
      MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left), QS_ALLINPUT);
      MSG message{};
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        const bool ours = message.hwnd == form->Handle() || IsChild(form->Handle(), message.hwnd);
        if (message.message == WM_TIMER && ours) ++timers;
        ui::DispatchOne(message);
      }
    }
    return timers;
  }

  ui::Application application{app::ProgramTitle()};
  settings::Settings settings;
  ui::WindowPtr<history::MainWindow> form = ui::MakeWindow<history::MainWindow>(application, settings);
  std::vector<Box> boxes;
  int boxAnswer = IDNO;
  std::vector<history::StatusDecision> trayStatuses;
  int mainFormCloses = 0;
  int optionsShown = 0;
  int aboutShown = 0;
};

TEST_F(MainWindowStatusTest, StartsWithTheRunTimeCaptionsAndTheActiveStatus) {
  EXPECT_EQ(TextOf(form->Handle()), kActiveCaption) << "the design caption must not outlive creation";
  for (const history::CommandButtonLayout& button : history::kCommandButtons) {
    if (button.caption) {
      EXPECT_EQ(Caption(button.id), button.caption) << "the design caption must not outlive creation";
    }
  }
  EXPECT_EQ(Caption(history::kSaveEditButtonId), history::kSaveCaption);
}

TEST_F(MainWindowStatusTest, EmptyHistoryButtonsFollowThePage) {
  ASSERT_EQ(form->PageIndex(), kImagesPage);
  EXPECT_FALSE(Enabled(history::kDeleteButtonId)) << "nothing to delete";
  EXPECT_TRUE(Enabled(history::kFullScreenButtonId)) << "full screen is for pictures";
  EXPECT_EQ(Caption(history::kSaveEditButtonId), history::kSaveCaption);

  ShowPage(kTextPage);
  EXPECT_FALSE(Enabled(history::kDeleteButtonId));
  EXPECT_FALSE(Enabled(history::kFullScreenButtonId));
  EXPECT_EQ(Caption(history::kSaveEditButtonId), history::kEditCaption);

  ShowPage(kImagesPage);
  EXPECT_TRUE(Enabled(history::kFullScreenButtonId));
  EXPECT_EQ(Caption(history::kSaveEditButtonId), history::kSaveCaption);
}

TEST_F(MainWindowStatusTest, OneTextEnablesDeleteOnTheTextPageOnly) {
  form->Store().SetCount(CellKind::Text, 1);
  EXPECT_EQ(SendMessageW(Item(history::kTextGaugeId), PBM_GETPOS, 0, 0), 1);
  EXPECT_FALSE(Enabled(history::kDeleteButtonId)) << "the Images page has no picture";
  ShowPage(kTextPage);
  EXPECT_TRUE(Enabled(history::kDeleteButtonId));
}

TEST_F(MainWindowStatusTest, CaptureAdvanceShowsWithoutAnyPolling) {
  ShowPage(kTextPage);
  ASSERT_FALSE(Enabled(history::kDeleteButtonId));
  // What a text capture and its advance timer do, minus the clipboard.
  form->Store().BeginCapture(CellKind::Text);
  form->Capture().OnAdvanceTimer(CellKind::Text);
  EXPECT_TRUE(Enabled(history::kDeleteButtonId)) << "the count's change alone must update Delete";
}

TEST_F(MainWindowStatusTest, DisableCaptureSwapsCaptionAndTrayAtOnceEvenWhenHidden) {
  ASSERT_FALSE(form->IsVisible());
  trayStatuses.clear();
  settings.Set(Option::DisableCapture, true);
  EXPECT_EQ(TextOf(form->Handle()), kDisabledCaption);
  ASSERT_FALSE(trayStatuses.empty()) << "the tray must hear of it without waiting for a timer";
  const history::StatusDecision& disabled = trayStatuses.back();
  EXPECT_TRUE(disabled.disabledIconShown);
  EXPECT_FALSE(disabled.activeIconShown);
  EXPECT_EQ(disabled.disabledHint.value_or(L""), history::kDisabledHint);

  settings.Set(Option::DisableCapture, false);
  EXPECT_EQ(TextOf(form->Handle()), kActiveCaption);
  EXPECT_TRUE(trayStatuses.back().activeIconShown);
  EXPECT_FALSE(trayStatuses.back().disabledIconShown);
}

TEST_F(MainWindowStatusTest, PicturesOnlyEmptiesAllEightCaptionsAndBackRestoresThem) {
  settings.Set(Option::OnlyBitmapsOnButtons, true);
  form->ApplyButtonCaptions(true);
  for (const auto& button : history::kCommandButtons) EXPECT_EQ(Caption(button.id), L"") << "button " << button.id;
  ShowPage(kTextPage);
  EXPECT_EQ(Caption(history::kSaveEditButtonId), L"") << "the status leaves Edit/Save alone while pictures only";

  settings.Set(Option::OnlyBitmapsOnButtons, false);
  form->ApplyButtonCaptions(false);
  for (const history::CommandButtonLayout& button : history::kCommandButtons) {
    if (button.caption) {
      EXPECT_EQ(Caption(button.id), button.caption);
    }
  }
  EXPECT_EQ(Caption(history::kSaveEditButtonId), history::kEditCaption) << "the page shown decides";
}

TEST_F(MainWindowStatusTest, ButtonsAreRealButtonsWhereTheLayoutPutsThem) {
  struct Placement {
    int id;
    RECT rect;
  };
  const Placement placements[] = {
      {history::kExitButtonId, {0, 216, 73, 241}},
      {history::kOptionsButtonId, {80, 216, 153, 241}},
      {history::kFullScreenButtonId, {160, 216, 233, 241}},
      {history::kSaveEditButtonId, {240, 216, 313, 241}},
      {history::kDeleteButtonId, {320, 216, 393, 241}},
      {history::kDeleteAllButtonId, {400, 216, 473, 241}},
      {history::kAboutButtonId, {480, 216, 553, 241}},
      {history::kHideButtonId, {160, 248, 393, 273}},
      {history::kClockId, {408, 264, 545, 277}},
  };
  for (const Placement& expected : placements) {
    HWND control = Item(expected.id);
    ASSERT_NE(control, nullptr) << "control " << expected.id;
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_TRUE(EqualRect(&rect, &expected.rect)) << "control " << expected.id << " at " << rect.left << "," << rect.top
                                                  << " to " << rect.right << "," << rect.bottom;
  }
  for (const auto& button : history::kCommandButtons) {
    const int id = button.id;
    wchar_t className[32] = L"";
    GetClassNameW(Item(id), className, 32);
    EXPECT_EQ(_wcsicmp(className, L"Button"), 0) << "button " << id;
    EXPECT_TRUE(GetWindowLongW(Item(id), GWL_STYLE) & WS_TABSTOP) << "keyboard users reach button " << id;
  }
}

TEST_F(MainWindowStatusTest, OptionsAndAboutOpenTheirWindows) {
  Click(history::kOptionsButtonId);
  EXPECT_EQ(optionsShown, 1);
  EXPECT_EQ(aboutShown, 0);
  Click(history::kAboutButtonId);
  EXPECT_EQ(aboutShown, 1);
  EXPECT_EQ(optionsShown, 1);
  EXPECT_EQ(mainFormCloses, 0);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(MainWindowStatusTest, ExitWithoutConfirmationClosesTheMainFormAtOnce) {
  Click(history::kExitButtonId);
  EXPECT_EQ(mainFormCloses, 1);
  EXPECT_TRUE(boxes.empty()) << "ConfirmExit is off by default";
}

TEST_F(MainWindowStatusTest, ExitAsksWhenConfirmExitIsOnAndOnlyYesGoesOn) {
  settings.Set(Option::ConfirmExit, true);
  boxAnswer = IDNO;
  Click(history::kExitButtonId);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, L"Confirm");
  EXPECT_EQ(boxes[0].text, history::kConfirmExitQuestion);
  EXPECT_EQ(boxes[0].type & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
  EXPECT_EQ(mainFormCloses, 0) << "No: the program goes on";
  EXPECT_EQ(TextOf(form->Handle()), kActiveCaption);

  boxAnswer = IDYES;
  Click(history::kExitButtonId);
  EXPECT_EQ(mainFormCloses, 1);
}

TEST_F(MainWindowStatusTest, HideButtonAndItsMnemonicHideTheWindow) {
  ShowForm();
  ASSERT_TRUE(form->IsVisible());
  Click(history::kHideButtonId);
  EXPECT_FALSE(form->IsVisible());

  // Alt+H, through the dialog manager as the message loop passes it on.
  ShowForm();
  ASSERT_TRUE(form->IsVisible());
  SetFocus(Item(history::kExitButtonId));
  PostMessageW(Item(history::kExitButtonId), WM_SYSCHAR, L'h', 1 << 29);
  ui::Application::ProcessMessages();
  EXPECT_FALSE(form->IsVisible());
  EXPECT_EQ(mainFormCloses, 0);
}

TEST_F(MainWindowStatusTest, DisablingTheFocusedDeleteButtonHandsTheFocusOn) {
  form->Store().SetCount(CellKind::Image, 1);
  ShowForm();
  SetFocus(Item(history::kDeleteButtonId));
  ASSERT_EQ(GetFocus(), Item(history::kDeleteButtonId));
  form->Store().SetCount(CellKind::Image, 0);
  EXPECT_FALSE(Enabled(history::kDeleteButtonId));
  EXPECT_NE(GetFocus(), nullptr) << "the keyboard would reach nothing";
  EXPECT_TRUE(IsChild(form->Handle(), GetFocus()));
}

TEST_F(MainWindowStatusTest, ClockShowsTodayAndTicksOnlyWhileTheWindowIsSeen) {
  EXPECT_EQ(TimerMessagesWhilePumping(kLongerThanOneClockTick), 0) << "never shown yet";

  ShowForm();
  wchar_t today[128] = L"";
  GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, today, 128, nullptr);
  EXPECT_EQ(Caption(history::kClockId).rfind(std::wstring(today) + L" ", 0), 0u)
      << "short date, then the time: " << testing::PrintToString(Caption(history::kClockId));
  EXPECT_GE(TimerMessagesWhilePumping(kLongerThanOneClockTick), 1) << "the clock ticks while shown";

  ShowWindow(form->Handle(), SW_MINIMIZE);
  EXPECT_EQ(TimerMessagesWhilePumping(kLongerThanOneClockTick), 0) << "minimized: nobody sees the clock";

  ShowWindow(form->Handle(), SW_RESTORE);
  form->Hide();
  EXPECT_EQ(TimerMessagesWhilePumping(kLongerThanOneClockTick), 0) << "hidden in the tray: no wake-ups";
}

}  // namespace
