// Capture seen from outside: clipboard writes from this process fill the
// program's cells, and its gauges follow once the advance timers have run.
#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <thread>

#include "e2e/clipboard_writer.h"
#include "e2e/harness.h"
#include "history/main_window_layout.h"

namespace e2e {
namespace {

constexpr int kPictureWidth = 64;
constexpr int kPictureHeight = 48;
constexpr uint32_t kPictureSeed = 7;
// A hung owner is let go by the test; should the test itself fail first,
// it stops hanging on its own after this long.
constexpr DWORD kOwnerHangLimitMs = 60000;
constexpr std::chrono::milliseconds kReadingTime{1000};
constexpr wchar_t kDialogClass[] = L"#32770";

class CaptureTest : public KestrelTest {
 protected:
  // The program captures whatever is on the clipboard when it joins the
  // chain; it starts on an empty one, so the first cells are ours to fill.
  // Finds the controls the tests read; false (the test failed) when the
  // program or a control is missing.
  bool StartOnEmptyClipboard() {
    if (!writer.Empty()) {
      ADD_FAILURE() << "the clipboard could not be emptied";
      return false;
    }
    HWND main = StartProgram();
    if (!main) return false;
    memo1 = TextCellMemo(main, 1);
    memo2 = TextCellMemo(main, 2);
    imageGauge = FindChildById(main, history::kImageGaugeId, kGaugeClass);
    textGauge = FindChildById(main, history::kTextGaugeId, kGaugeClass);
    if (memo1 && memo2 && imageGauge && textGauge) return true;
    ADD_FAILURE() << "a control of the main window is missing";
    return false;
  }

  ClipboardWriter writer;
  HWND memo1 = nullptr;
  HWND memo2 = nullptr;
  HWND imageGauge = nullptr;
  HWND textGauge = nullptr;
};

TEST_F(CaptureTest, TextThenPictureThenTextFillConsecutiveCells) {
  ASSERT_TRUE(StartOnEmptyClipboard());
  EXPECT_EQ(GaugePosition(imageGauge), 0);
  EXPECT_EQ(GaugePosition(textGauge), 0);

  // Non-Latin characters and a line break must come through unchanged.
  const std::wstring first =
      L"First copy: Gr\u00FC\u00DFe, \u65E5\u672C\u8A9E, "
      L"\u0417\u0434\u0440\u0430\u0432\u0441\u0442\u0432\u0443\u0439\r\nsecond line";
  ASSERT_TRUE(writer.WriteText(first));
  EXPECT_TRUE(WaitUntil([&] { return ReadWindowText(memo1) == first; }))
      << "memo 1: " << ReadWindowText(memo1).value_or(L"<no answer>");
  // The gauge moves only when the 300 ms advance has run, so the picture
  // below cannot fall into the text's pending period.
  ASSERT_TRUE(WaitUntil([&] { return GaugePosition(textGauge) == 1; })) << "the text count did not advance";

  ASSERT_TRUE(writer.WriteBitmap(kPictureWidth, kPictureHeight, kPictureSeed));
  EXPECT_TRUE(WaitUntil([&] { return GaugePosition(imageGauge) == 1; })) << "the image count did not advance";
  // A picture alone fills no text cell.
  EXPECT_EQ(ReadWindowText(memo2), L"");
  EXPECT_EQ(GaugePosition(textGauge), 1);

  const std::wstring second = L"Second copy";
  ASSERT_TRUE(writer.WriteText(second));
  EXPECT_TRUE(WaitUntil([&] { return ReadWindowText(memo2) == second; }))
      << "memo 2: " << ReadWindowText(memo2).value_or(L"<no answer>");
  EXPECT_TRUE(WaitUntil([&] { return GaugePosition(textGauge) == 2; })) << "the text count did not advance again";
  EXPECT_EQ(ReadWindowText(memo1), first);
  EXPECT_EQ(GaugePosition(imageGauge), 1);
}

TEST_F(CaptureTest, PictureOfferedOnlyAsDibFillsAnImageCell) {
  ASSERT_TRUE(StartOnEmptyClipboard());

  // Browsers and many editors copy pictures as a device-independent bitmap
  // only; the system's conversion offers it as a bitmap.
  ASSERT_TRUE(writer.WriteDib(kPictureWidth, kPictureHeight, kPictureSeed));
  EXPECT_TRUE(WaitUntil([&] { return GaugePosition(imageGauge) == 1; })) << "the picture was not captured";
  EXPECT_EQ(ReadWindowText(memo1), L"");
  EXPECT_EQ(GaugePosition(textGauge), 0);
}

// A program that promises a text and a picture and then stops handling
// messages (hung, or busy for seconds) must not stop this one with it. While
// it hangs, another program copies a text: the clipboard must be free for
// that copy, which is captured as usual, no box opens, and nothing is had
// from the hung owner.
TEST_F(CaptureTest, AnOwnerThatNeverRendersStopsNothing) {
  ASSERT_TRUE(StartOnEmptyClipboard());

  const ui::unique_handle release(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  ASSERT_TRUE(release);
  std::atomic<int> promised{-1};
  std::thread owner([&promised, event = release.get()] {
    ClipboardWriter hung;
    promised = hung.Promise({CF_UNICODETEXT, CF_BITMAP}) ? 1 : 0;
    // Hangs: not one message is handled until the test lets it go.
    WaitForSingleObject(event, kOwnerHangLimitMs);
  });
  const bool ownerPromised = WaitUntil([&] { return promised >= 0; }) && promised == 1;
  // The program is told of the promise and tries to read it meanwhile.
  PumpFor(kReadingTime);

  const std::wstring next = L"copied while the other program hangs";
  const bool written = ownerPromised && writer.WriteText(next);
  const bool captured = written && WaitUntil([&] { return ReadWindowText(memo1) == next; });
  const HWND box = FindProcessWindow(program_.ProcessId(), kDialogClass);
  const std::optional<int> pictures = GaugePosition(imageGauge);
  SetEvent(release.get());
  owner.join();

  ASSERT_TRUE(ownerPromised) << "the owner could not promise its formats";
  EXPECT_TRUE(written) << "the clipboard stayed held while its owner hung";
  EXPECT_TRUE(captured) << "memo 1: " << ReadWindowText(memo1).value_or(L"<no answer>");
  EXPECT_EQ(box, nullptr) << "a box opened: " << ReadWindowText(box).value_or(L"");
  EXPECT_EQ(pictures, 0) << "nothing can be had from an owner that never renders";
}

}  // namespace
}  // namespace e2e
