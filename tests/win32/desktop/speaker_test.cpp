#include "desktop/speaker.h"

#include <gtest/gtest.h>

#include "win32/desktop/recording_window.h"

namespace desktop {
namespace {

constexpr UINT kProbe = WM_APP + 31;

TEST(Speaker, PlayToneLastsItsDurationAndKeepsMessagesFlowing) {
  auto window = ui::MakeWindow<test::RecordingWindow>();
  Speaker speaker;
  for (const int frequency : {80, 18}) {  // 18 Hz sounds nothing but takes as long
    window->received.clear();
    PostMessageW(window->Handle(), kProbe, 0, 0);
    const DWORD start = GetTickCount();
    speaker.PlayTone(frequency, 150);
    EXPECT_GE(GetTickCount() - start, 150u) << frequency << " Hz";
    EXPECT_EQ(window->Count(kProbe), 1) << "handled during the tone";
    EXPECT_FALSE(speaker.Sounding());
  }
}

TEST(Speaker, PauseLeavesAPendingQuitForTheMainLoop) {
  PostQuitMessage(0);
  const DWORD start = GetTickCount();
  Speaker::Pause(60);
  EXPECT_GE(GetTickCount() - start, 60u);
  MSG message{};
  EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
}  // namespace desktop
