// The clipboard-viewer chain under traffic: other programs' viewers join and
// leave around ours in every order, one of them stops answering for a
// while, and ours goes away. No viewer may miss a change ours should have
// passed on, and the chain must be whole afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/program_title.h"
#include "desktop/clipboard_viewer.h"
#include "win32/clipboard_support.h"

namespace desktop {
namespace {

using test::ClipboardWrite;
using test::PumpUntil;

constexpr int kViewerId = 7;
// Longer than ours waits for a forwarded message, so a forward to the hung
// viewer really runs into its timeout.
constexpr DWORD kHangMs = ClipboardViewer::kForwardTimeoutMs + 1000;
constexpr UINT kJoinMessage = WM_APP + 1;
constexpr UINT kLeaveMessage = WM_APP + 2;
constexpr UINT kHangMessage = WM_APP + 3;
constexpr wchar_t kForeignViewerClass[] = L"KestrelTestForeignViewer";

// Another program's viewer: a window on a thread of its own that passes
// every chain message on with a plain SendMessage, as most programs do. It
// notes the clipboard's sequence number at each change it is told of, and
// can be told to stop handling messages for a while.
class ForeignViewer {
 public:
  ForeignViewer()
      : ready_(CreateEventW(nullptr, TRUE, FALSE, nullptr)), hanging_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    thread_ = std::thread([this] { Run(); });
    WaitForSingleObject(ready_.get(), test::kDeadlineMs);
  }
  ~ForeignViewer() {
    Leave();
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.join();
  }
  ForeignViewer(const ForeignViewer&) = delete;
  ForeignViewer& operator=(const ForeignViewer&) = delete;

  HWND Handle() const { return window_; }
  HWND Next() const { return next_; }
  bool Joined() const { return joined_; }
  DWORD LastSequenceSeen() const { return lastSequence_; }

  // Sent, not posted: joining and leaving are done when these return.
  void Join() { SendMessageW(window_, kJoinMessage, 0, 0); }
  void Leave() { SendMessageW(window_, kLeaveMessage, 0, 0); }
  // The viewer stops handling messages for kHangMs; returns once it has.
  void Hang() {
    ResetEvent(hanging_.get());
    PostMessageW(window_, kHangMessage, 0, 0);
    WaitForSingleObject(hanging_.get(), test::kDeadlineMs);
  }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ForeignViewer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    return self->Handle(window, message, wParam, lParam);
  }

  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case kJoinMessage:
        joined_ = true;
        next_ = SetClipboardViewer(window);
        return 0;
      case kLeaveMessage:
        if (!joined_) return 0;
        joined_ = false;
        ChangeClipboardChain(window, next_);
        next_ = nullptr;
        return 0;
      case kHangMessage:
        SetEvent(hanging_.get());
        Sleep(kHangMs);
        return 0;
      case WM_DRAWCLIPBOARD:
        lastSequence_ = GetClipboardSequenceNumber();
        if (next_) SendMessageW(next_, message, wParam, lParam);
        return 0;
      case WM_CHANGECBCHAIN:
        if (reinterpret_cast<HWND>(wParam) == next_) {
          next_ = reinterpret_cast<HWND>(lParam);
        } else if (next_) {
          SendMessageW(next_, message, wParam, lParam);
        }
        return 0;
      default: return DefWindowProcW(window, message, wParam, lParam);
    }
  }

  void Run() {
    threadId_ = GetCurrentThreadId();
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &ForeignViewer::Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kForeignViewerClass;
    RegisterClassExW(&windowClass);  // registered already by another viewer: fine
    ui::unique_hwnd window(CreateWindowExW(0, kForeignViewerClass, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                           GetModuleHandleW(nullptr), nullptr));
    SetWindowLongPtrW(window.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    window_ = window.get();
    SetEvent(ready_.get());
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    SetWindowLongPtrW(window.get(), GWLP_USERDATA, 0);
  }

  ui::unique_handle ready_;
  ui::unique_handle hanging_;
  std::thread thread_;
  DWORD threadId_ = 0;
  HWND window_ = nullptr;
  // Written on the viewer's thread, read on the test's.
  std::atomic<HWND> next_{nullptr};
  std::atomic<bool> joined_{false};
  std::atomic<DWORD> lastSequence_{0};
};

// Members of a round: the three foreign viewers are 0..2, ours is kOurs.
constexpr int kOurs = 3;
constexpr int kMembers = 4;

class ClipboardChainTest : public testing::Test {
 protected:
  ClipboardChainTest() {
    // Whatever an earlier test left must not count as this test's change.
    ClipboardWrite clear(writer->Handle());
    test::PumpFor(0);
    outsideHead = GetClipboardViewer();
  }

  void JoinOurs() {
    ours = ui::MakeWindow<ClipboardViewer>();
    ours->OnChange = [this] { oursLastSequence = GetClipboardSequenceNumber(); };
    ours->Create(application.Window(), kViewerId, 0, 0);
  }

  void Join(int member) {
    if (member == kOurs) {
      JoinOurs();
    } else {
      viewers[static_cast<size_t>(member)]->Join();
    }
    chain.insert(chain.begin(), member);
  }

  // Ours leaves the way the program's exit makes it: its window goes.
  void Leave(int member) {
    if (member == kOurs) {
      ours.reset();
    } else {
      viewers[static_cast<size_t>(member)]->Leave();
    }
    chain.erase(std::find(chain.begin(), chain.end(), member));
  }

  HWND HandleOf(int member) const {
    return member == kOurs ? ours->Handle() : viewers[static_cast<size_t>(member)]->Handle();
  }
  HWND NextOf(int member) const {
    return member == kOurs ? ours->NextViewer() : viewers[static_cast<size_t>(member)]->Next();
  }
  DWORD SeenBy(int member) const {
    return member == kOurs ? oursLastSequence.load() : viewers[static_cast<size_t>(member)]->LastSequenceSeen();
  }

  // Each member links to the one that joined before it; the last links to
  // whatever headed the chain before the test.
  void ExpectChainWhole(const std::string& where) {
    EXPECT_EQ(GetClipboardViewer(), chain.empty() ? outsideHead : HandleOf(chain.front())) << where;
    for (size_t i = 0; i < chain.size(); ++i) {
      const HWND expected = i + 1 < chain.size() ? HandleOf(chain[i + 1]) : outsideHead;
      EXPECT_EQ(NextOf(chain[i]), expected) << where << ": the link after member " << chain[i];
    }
  }

  // Writes the clipboard; returns its new sequence number (0 on failure).
  DWORD Write(const std::wstring& text) {
    {
      ClipboardWrite write(writer->Handle());
      if (!write.Text(text)) return 0;
    }
    return GetClipboardSequenceNumber();
  }

  // Every member in the chain is told of the change.
  void ExpectAllTold(DWORD sequence, const std::string& where) {
    ASSERT_NE(sequence, 0u) << where << ": the clipboard could not be written";
    const bool told = PumpUntil([&] {
      return std::all_of(chain.begin(), chain.end(), [&](int member) { return SeenBy(member) >= sequence; });
    });
    EXPECT_TRUE(told) << where << ": a member of the chain was not told of the change";
  }

  // Writes once, checks the links and that every member was told.
  void Check(const std::string& where) {
    ExpectChainWhole(where);
    ExpectAllTold(Write(L"after " + std::wstring(where.begin(), where.end())), where);
  }

  test::MessageBoxRecorder boxes;
  ui::Application application{app::ProgramTitle()};
  ui::WindowPtr<test::ClipboardWriter> writer = ui::MakeWindow<test::ClipboardWriter>();
  std::array<std::unique_ptr<ForeignViewer>, 3> viewers{
      std::make_unique<ForeignViewer>(), std::make_unique<ForeignViewer>(), std::make_unique<ForeignViewer>()};
  std::atomic<DWORD> oursLastSequence{0};
  ui::WindowPtr<ClipboardViewer> ours;
  HWND outsideHead = nullptr;
  // The members in the chain, head first.
  std::vector<int> chain;
};

// Every order of joining, each paired with a different order of leaving, so
// that over the rounds every leaving order is played too; after each step
// the links are checked and a change must reach every member.
TEST_F(ClipboardChainTest, ViewersJoiningAndLeavingInEveryOrderKeepTheChainWholeAndTold) {
  std::array<int, kMembers> joins{0, 1, 2, kOurs};
  std::vector<std::array<int, kMembers>> orders;
  do {
    orders.push_back(joins);
  } while (std::next_permutation(joins.begin(), joins.end()));
  // 7 and the 24 orders have no common factor: every order comes up as a
  // leaving order exactly once.
  constexpr size_t kLeaveStride = 7;
  for (size_t round = 0; round < orders.size(); ++round) {
    const std::string name = "round " + std::to_string(round);
    for (int member : orders[round]) {
      Join(member);
      Check(name + ", member " + std::to_string(member) + " joined");
    }
    for (int member : orders[(round * kLeaveStride) % orders.size()]) {
      Leave(member);
      Check(name + ", member " + std::to_string(member) + " left");
    }
    if (HasFailure()) return;
  }
  EXPECT_TRUE(boxes.boxes.empty());
}

// A viewer that stops answering right after ours: ours passes the change on
// within its timeout and goes on, the change still reaches the hung viewer
// and those after it once it answers again, and ours can leave meanwhile.
TEST_F(ClipboardChainTest, AHungViewerAfterOursDelaysNoOneButItselfAndOursCanStillLeave) {
  constexpr int kHung = 1;
  Join(2);
  Join(kHung);
  Join(kOurs);
  Join(0);  // chain: 0 -> ours -> hung -> 2
  ExpectChainWhole("joined");

  viewers[kHung]->Hang();
  const DWORD whileHung = Write(L"while the viewer after ours hangs");
  ASSERT_NE(whileHung, 0u);
  EXPECT_TRUE(PumpUntil([&] { return oursLastSequence >= whileHung && SeenBy(0) >= whileHung; }))
      << "ours waited on the hung viewer for good";
  ExpectAllTold(whileHung, "after the hang");

  viewers[kHung]->Hang();
  Leave(kOurs);
  Check("ours left while the viewer after it hung");
}

// A viewer ahead of ours that hangs as ours leaves: the system tells the
// head of the chain, so ours waits until it answers again, and no longer;
// afterwards the chain runs past where ours was.
TEST_F(ClipboardChainTest, OursLeavesWhileTheViewerAheadOfItHangs) {
  constexpr int kHung = 0;
  Join(1);
  Join(kOurs);
  Join(kHung);  // chain: hung -> ours -> 1
  ExpectChainWhole("joined");

  viewers[kHung]->Hang();
  Leave(kOurs);
  Check("ours left while the head of the chain hung");
}

}  // namespace
}  // namespace desktop
