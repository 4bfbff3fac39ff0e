#include "desktop/clipboard_viewer.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include "app/program_title.h"
#include "win32/clipboard_support.h"

namespace desktop {
namespace {

using desktop::ClipboardViewer;
using test::ChainMember;
using test::ClipboardWrite;
using test::PumpUntil;

constexpr int kViewerId = 7;
constexpr int kViewerWidth = 265;
constexpr int kViewerHeight = 25;
constexpr wchar_t kPrivateFormat[] = L"Kestrel Test Private Viewer Format";

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return name;
}

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

class ClipboardViewerTest : public testing::Test {
 protected:
  ClipboardViewerTest() {
    // Whatever an earlier test left must not count as this test's change.
    ClipboardWrite clear(writer->Handle());
  }

  // first, then second, then ours join: ours -> second -> first.
  void JoinChainOfThree() {
    first->Join();
    second->Join();
    JoinOurs();
  }

  // Puts ours at the head of the chain; its OnChange is logged as "ours".
  // What joining itself caused is forgotten.
  void JoinOurs() {
    ours = ui::MakeWindow<ClipboardViewer>();
    ours->OnChange = [this] {
      log.push_back(L"ours");
      ++changes;
    };
    ours->Create(application.Window(), kViewerId, 0, 0, kViewerWidth, kViewerHeight);
    test::PumpFor(0);
    log.clear();
    changes = 0;
    first->draws = second->draws = 0;
  }

  // Writes a text and waits until ours has handled the change.
  bool WriteText(const std::wstring& text) {
    const int before = changes;
    {
      ClipboardWrite write(writer->Handle());
      if (!write.Text(text)) return false;
    }
    return PumpUntil([&] { return changes > before; });
  }

  test::MessageBoxRecorder boxes;
  ui::Application application{app::ProgramTitle()};
  ui::WindowPtr<test::ClipboardWriter> writer = ui::MakeWindow<test::ClipboardWriter>();
  std::vector<std::wstring> log;
  ui::WindowPtr<ChainMember> first = ui::MakeWindow<ChainMember>(log, L"first");
  ui::WindowPtr<ChainMember> second = ui::MakeWindow<ChainMember>(log, L"second");
  int changes = 0;
  ui::WindowPtr<ClipboardViewer> ours;
};

TEST_F(ClipboardViewerTest, JoinsAChainForwardsDownItAndLeavesItWhole) {
  JoinChainOfThree();
  ASSERT_EQ(second->Next(), first->Handle());
  EXPECT_EQ(ours->NextViewer(), second->Handle()) << "ours keeps the viewer that was head before it";

  ASSERT_TRUE(WriteText(L"one"));
  ASSERT_TRUE(PumpUntil([&] { return first->draws == 1; }));
  // The change is passed down the whole chain before ours raises OnChange.
  EXPECT_EQ(log, (std::vector<std::wstring>{L"second", L"first", L"ours"}));

  ours.reset();  // leaves the chain as the window goes
  {
    ClipboardWrite write(writer->Handle());
    ASSERT_TRUE(write.Text(L"two"));
  }
  EXPECT_TRUE(PumpUntil([&] { return first->draws == 2 && second->draws == 2; }))
      << "the viewers that joined before ours must still be told after it left";
  EXPECT_EQ(changes, 1);
}

TEST_F(ClipboardViewerTest, TakesOverTheSuccessorWhenItsNextViewerLeaves) {
  JoinChainOfThree();
  ASSERT_EQ(ours->NextViewer(), second->Handle());

  second->Leave();
  EXPECT_EQ(ours->NextViewer(), first->Handle());
  EXPECT_TRUE(first->chainChanges.empty()) << "a change that names our own next viewer is not passed on";

  ASSERT_TRUE(WriteText(L"after second left"));
  EXPECT_TRUE(PumpUntil([&] { return first->draws == 1; }));
  EXPECT_EQ(second->draws, 0);
}

TEST_F(ClipboardViewerTest, PassesOnAChainChangeThatNamesAnotherViewer) {
  JoinChainOfThree();
  const HWND afterFirst = first->Next();

  first->Leave();
  ASSERT_EQ(second->chainChanges.size(), 1u) << "the change must reach the viewer it concerns";
  EXPECT_EQ(second->chainChanges[0], std::make_pair(first->Handle(), afterFirst));
  EXPECT_EQ(second->Next(), afterFirst);
  EXPECT_EQ(ours->NextViewer(), second->Handle());

  ASSERT_TRUE(WriteText(L"after first left"));
  EXPECT_TRUE(PumpUntil([&] { return second->draws == 1; }));
  EXPECT_EQ(first->draws, 0);
}

// A viewer on another thread that joins the chain and then stops handling
// messages, as a hung program does.
class HungViewer {
 public:
  HungViewer()
      : ready_(CreateEventW(nullptr, TRUE, FALSE, nullptr)), release_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    thread_ = std::thread([this] { Run(); });
    WaitForSingleObject(ready_.get(), test::kDeadlineMs);
  }
  ~HungViewer() {
    SetEvent(release_.get());
    thread_.join();
  }
  HWND Handle() const { return window_; }

 private:
  void Run() {
    ui::unique_hwnd window(CreateWindowExW(0, L"STATIC", L"hung viewer", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                           GetModuleHandleW(nullptr), nullptr));
    const HWND next = SetClipboardViewer(window.get());
    window_ = window.get();
    SetEvent(ready_.get());
    WaitForSingleObject(release_.get(), INFINITE);
    ChangeClipboardChain(window.get(), next);
    ui::Application::ProcessMessages();
  }

  ui::unique_handle ready_;
  ui::unique_handle release_;
  HWND window_ = nullptr;
  std::thread thread_;
};

TEST_F(ClipboardViewerTest, AHungNextViewerDoesNotHangUs) {
  HungViewer hung;
  ASSERT_NE(hung.Handle(), nullptr);
  JoinOurs();
  ASSERT_EQ(ours->NextViewer(), hung.Handle());

  const ULONGLONG start = GetTickCount64();
  EXPECT_TRUE(WriteText(L"while the next viewer hangs"));
  EXPECT_LT(GetTickCount64() - start, test::kDeadlineMs);
  EXPECT_EQ(changes, 1);
  ours.reset();
}

TEST_F(ClipboardViewerTest, ShowsTextOrSaysTheFormatIsUnknown) {
  JoinOurs();
  ASSERT_TRUE(WriteText(L"shown in the viewer"));
  HWND display = ours->DisplayControl();
  ASSERT_NE(display, nullptr);
  EXPECT_EQ(ClassOf(display), L"Edit");
  EXPECT_EQ(TextOf(display), L"shown in the viewer");

  {
    ClipboardWrite write(writer->Handle());
    ASSERT_TRUE(write.Dword(kPrivateFormat, 1));
  }
  ASSERT_TRUE(PumpUntil([&] { return changes == 2; }));
  display = ours->DisplayControl();
  ASSERT_NE(display, nullptr);
  EXPECT_EQ(TextOf(display), kUnknownFormatText);
  EXPECT_EQ(ours->ViewFormat(), ClipboardViewFormat::Default);
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(ClipboardViewerTest, ShowsAPictureAndKeepsAViewFormatOnlyWhileItIsOffered) {
  JoinOurs();
  {
    ClipboardWrite write(writer->Handle());
    ASSERT_TRUE(write.Bitmap(test::SolidBitmap(8, 6, RGB(0, 0, 255))));
    ASSERT_TRUE(write.Text(L"caption"));
  }
  ASSERT_TRUE(PumpUntil([&] { return changes == 1; }));
  EXPECT_EQ(TextOf(ours->DisplayControl()), L"caption") << "text comes first in the default order";

  ours->SetViewFormat(ClipboardViewFormat::Bitmap);
  EXPECT_EQ(ours->ViewFormat(), ClipboardViewFormat::Bitmap);
  EXPECT_EQ(ClassOf(ours->DisplayControl()), L"KestrelPictureView");
  RECT shown{};
  GetClientRect(ours->DisplayControl(), &shown);
  EXPECT_EQ(shown.right, 8) << "the display takes the bitmap's size from the clipboard";
  EXPECT_EQ(shown.bottom, 6);

  ASSERT_TRUE(WriteText(L"no picture any more"));
  EXPECT_EQ(ours->ViewFormat(), ClipboardViewFormat::Default);
  EXPECT_EQ(ClassOf(ours->DisplayControl()), L"Edit");
  ours->SetViewFormat(ClipboardViewFormat::Bitmap);
  EXPECT_EQ(ours->ViewFormat(), ClipboardViewFormat::Default) << "a format that is not offered is refused";
}

TEST_F(ClipboardViewerTest, AnEmptiedClipboardShowsNothing) {
  JoinOurs();
  ASSERT_TRUE(WriteText(L"soon gone"));
  { ClipboardWrite clear(writer->Handle()); }
  ASSERT_TRUE(PumpUntil([&] { return changes == 2; }));
  EXPECT_EQ(ours->ViewFormat(), ClipboardViewFormat::Empty);
  EXPECT_EQ(ours->DisplayControl(), nullptr);
}

TEST_F(ClipboardViewerTest, APaletteOnlyClipboardIsReportedAfterTheChangeWasRaised) {
  JoinOurs();
  constexpr WORD kPaletteVersion = 0x300;
  struct {
    LOGPALETTE header;
    PALETTEENTRY more[1];
  } palette{{kPaletteVersion, 2, {{255, 0, 0, 0}}}, {{0, 0, 255, 0}}};
  {
    ClipboardWrite write(writer->Handle());
    ui::unique_hpalette handle(CreatePalette(&palette.header));
    ASSERT_NE(SetClipboardData(CF_PALETTE, handle.get()), nullptr);
    handle.release();
  }
  ASSERT_TRUE(PumpUntil([&] { return changes == 1; }));
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, kPaletteNotImplemented);
  EXPECT_EQ(boxes.boxes[0].caption, L"Information");
}

}  // namespace
}  // namespace desktop
