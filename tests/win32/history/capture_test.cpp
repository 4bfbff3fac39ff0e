// Capture of real clipboard changes by the main window: the clipboard is
// written from this thread and the messages are pumped until the window's
// viewer has handled the change.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/program_title.h"
#include "history/cell_grid.h"
#include "history/main_window.h"
#include "history/main_window_layout.h"
#include "settings/settings.h"
#include "ui/timer.h"
#include "win32/clipboard_support.h"
#include "win32/history/main_window_fixture.h"
#include "win32/test_support.h"

#include <commctrl.h>
#include <wincodec.h>

namespace history {
namespace {

using test::ClipboardWrite;
using test::PumpUntil;

const std::wstring kImageWarning(LowCellsWarningText(CellKind::Image));
const std::wstring kTextWarning(LowCellsWarningText(CellKind::Text));
constexpr wchar_t kPrivateFormat[] = L"Kestrel Test Private Capture Format";

using MainWindowCaptureTest = MainWindowFixture;

TEST_F(MainWindowCaptureTest, TextGoesIntoTheNextFreeTextCellAndIsCountedAfterTheDelay) {
  form->Store().SetCount(CellKind::Text, 2);
  ASSERT_TRUE(CopyText(L"hello"));
  EXPECT_EQ(form->TextGrid().CellText(3), L"hello");
  EXPECT_EQ(form->Store().TextCount(), 2) << "the count rises only when the advance timer fires";
  EXPECT_TRUE(form->Store().IsPending(CellKind::Text));
  EXPECT_TRUE(Counted(CellKind::Text, 3));

  EXPECT_EQ(fills, (std::vector<Fill>{{CellKind::Text, 3}}));
  EXPECT_TRUE(form->ImageGrid().CellPicture(1).IsEmpty());
  EXPECT_EQ(form->Store().ImageCount(), 0);
}

TEST_F(MainWindowCaptureTest, WhenTheSystemRefusesTimersEachCaptureStillGetsACellOfItsOwn) {
  ui::SetTimersRefusedForTesting(true);
  const bool first = CopyText(L"first");
  const bool second = CopyText(L"second");
  const bool picture = CopyBitmap(kRed);
  ui::SetTimersRefusedForTesting(false);
  ASSERT_TRUE(first && second && picture);
  EXPECT_EQ(form->TextGrid().CellText(1), L"first");
  EXPECT_EQ(form->TextGrid().CellText(2), L"second") << "a capture without its advance timer overwrote the last one";
  EXPECT_EQ(form->Store().TextCount(), 2);
  EXPECT_EQ(form->Store().ImageCount(), 1);
  EXPECT_FALSE(form->Store().IsPending(CellKind::Text));
}

TEST_F(MainWindowCaptureTest, BitmapGoesIntoTheNextFreeImageCell) {
  ASSERT_TRUE(CopyBitmap(kRed, 6, 3));
  const picture::Picture& picture = form->ImageGrid().CellPicture(1);
  EXPECT_EQ(picture.GetKind(), picture::Picture::Kind::Bitmap);
  EXPECT_EQ(picture.Width(), 6);
  EXPECT_EQ(picture.Height(), 3);
  EXPECT_EQ(test::CentreColour(picture), kRed);
  EXPECT_TRUE(Counted(CellKind::Image, 1));
  EXPECT_EQ(fills, (std::vector<Fill>{{CellKind::Image, 1}}));
  EXPECT_EQ(form->Store().TextCount(), 0);
}

TEST_F(MainWindowCaptureTest, BitmapWithTextFillsOneCellOfEachKind) {
  ASSERT_TRUE(Change([](ClipboardWrite& write) {
    return write.Bitmap(test::SolidBitmap(kSmallSide, kSmallSide, kGreen)) && write.Text(L"with a picture");
  }));
  EXPECT_EQ(fills, (std::vector<Fill>{{CellKind::Image, 1}, {CellKind::Text, 1}}));
  EXPECT_EQ(test::CentreColour(form->ImageGrid().CellPicture(1)), kGreen);
  EXPECT_EQ(form->TextGrid().CellText(1), L"with a picture");
  EXPECT_TRUE(Counted(CellKind::Image, 1));
  EXPECT_TRUE(Counted(CellKind::Text, 1));
}

TEST_F(MainWindowCaptureTest, ContentOfferingNeitherPictureNorTextFillsNothing) {
  ASSERT_TRUE(Change([](ClipboardWrite& write) { return write.Dword(kPrivateFormat, 1); }));
  EXPECT_TRUE(fills.empty());
  EXPECT_FALSE(form->Store().IsPending(CellKind::Image));
  EXPECT_FALSE(form->Store().IsPending(CellKind::Text));
  EXPECT_EQ(form->Store().ImageCount(), 0);
  EXPECT_EQ(form->Store().TextCount(), 0);
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MainWindowCaptureTest, ChangesWithinTheAdvanceDelayFillOneCellWithTheLastContent) {
  ASSERT_TRUE(CopyText(L"first"));
  // The second copy follows at once, so that even a busy machine stays
  // inside the advance delay.
  ASSERT_TRUE(form->Store().IsPending(CellKind::Text));
  ASSERT_TRUE(CopyText(L"second"));
  EXPECT_EQ(fills, (std::vector<Fill>{{CellKind::Text, 1}, {CellKind::Text, 1}}));
  EXPECT_EQ(form->TextGrid().CellText(1), L"second");
  ASSERT_TRUE(Counted(CellKind::Text, 1));
  EXPECT_EQ(form->TextGrid().CellText(2), L"");
}

TEST_F(MainWindowCaptureTest, TheSameTextCopiedAfterTheDelayFillsTheNextCellToo) {
  ASSERT_TRUE(CopyText(L"again"));
  ASSERT_TRUE(Counted(CellKind::Text, 1));
  ASSERT_TRUE(CopyText(L"again"));
  ASSERT_TRUE(Counted(CellKind::Text, 2));
  EXPECT_EQ(form->TextGrid().CellText(1), L"again");
  EXPECT_EQ(form->TextGrid().CellText(2), L"again");
}

TEST_F(MainWindowCaptureTest, AChangeWhileAnotherProgramHoldsTheClipboardIsCapturedOnceItIsFree) {
  // Another program writes the clipboard and opens it again at once, before
  // the window can, keeping it for longer than any quick retry would wait.
  constexpr DWORD kHeldMs = 250;
  const std::wstring text = L"written while busy";
  // Nobody owns the clipboard, so the other program's write needs no
  // answer from this thread.
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
  ASSERT_TRUE(PumpUntil([&] { return changes > 0; }));
  const int before = changes;
  ui::unique_handle held(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  ui::unique_handle release(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  std::thread holder([&] {
    const auto open = [] {
      while (!OpenClipboard(nullptr)) Sleep(0);
    };
    open();
    EmptyClipboard();
    ui::unique_hglobal memory = test::GlobalCopy(text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    if (SetClipboardData(CF_UNICODETEXT, memory.get())) memory.release();
    CloseClipboard();
    // This thread does not pump: the window cannot read in between.
    open();
    SetEvent(held.get());
    WaitForSingleObject(release.get(), INFINITE);
    CloseClipboard();
  });
  WaitForSingleObject(held.get(), INFINITE);
  const bool noticed = PumpUntil([&] { return changes > before; });
  test::PumpFor(kHeldMs);
  SetEvent(release.get());
  holder.join();
  ASSERT_TRUE(noticed);
  EXPECT_TRUE(form->TextGrid().CellText(1).empty()) << "nothing can be read while the clipboard is held";

  EXPECT_TRUE(PumpUntil([&] { return form->TextGrid().CellText(1) == text; }));
  ASSERT_TRUE(Counted(CellKind::Text, 1));
  // Retries and advances that come later find nothing new to read.
  test::PumpFor(2 * kAdvanceIntervalMs);
  EXPECT_EQ(fills, (std::vector<Fill>{{CellKind::Text, 1}}));
  EXPECT_EQ(form->Store().TextCount(), 1);
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MainWindowCaptureTest, NoticesThatPileUpWhileTheWindowIsBusyAreHandledOnce) {
  // Another program writes faster than the window reads: while the window is
  // busy, the notices of a whole burst wait in its queue. Handling each of
  // them (a read of the clipboard every time) kept the window from answering
  // for seconds; the newest content, read once, is all they come to.
  constexpr int kBurst = 50;
  constexpr int kBurstDeadlineMs = 5000;
  constexpr DWORD kBusySliceMs = 10;
  const std::wstring last = L"burst change " + std::to_wstring(kBurst - 1);
  // Nobody owns the clipboard, so the burst needs no answer from this thread.
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
  ASSERT_TRUE(PumpUntil([&] { return changes > 0; }));
  std::atomic<int> written{0};
  std::thread other([&] {
    for (int i = 0; i < kBurst; ++i) {
      while (!OpenClipboard(nullptr)) Sleep(0);
      EmptyClipboard();
      const std::wstring text = L"burst change " + std::to_wstring(i);
      ui::unique_hglobal memory = test::GlobalCopy(text.c_str(), (text.size() + 1) * sizeof(wchar_t));
      if (SetClipboardData(CF_UNICODETEXT, memory.get())) memory.release();
      CloseClipboard();
      ++written;
    }
  });
  // This thread is busy meanwhile: it handles no message.
  for (int waited = 0; written < kBurst && waited < kBurstDeadlineMs; waited += kBusySliceMs) Sleep(kBusySliceMs);
  const int before = changes;
  const bool captured = PumpUntil([&] { return form->TextGrid().CellText(1) == last; });
  other.join();
  ASSERT_EQ(written, kBurst);
  EXPECT_TRUE(captured) << "cell 1: " << form->TextGrid().CellText(1).substr(0, 40);
  EXPECT_TRUE(Counted(CellKind::Text, 1));
  EXPECT_EQ(changes - before, 1) << "notices handled one by one";
  EXPECT_EQ(fills, (std::vector<Fill>{{CellKind::Text, 1}}));
}

TEST_F(MainWindowCaptureTest, AChangeWhoseNotificationWasFoldedAwayIsCaughtUpWithAtTheAdvance) {
  ASSERT_TRUE(CopyText(L"told"));
  // The next change reaches the viewer, but as a bridge that folds
  // notifications would have it: nothing is run for it.
  const std::function<void()> capture = form->Viewer().OnChange;
  form->Viewer().OnChange = [this] { ++changes; };
  ASSERT_TRUE(CopyText(L"not told"));
  form->Viewer().OnChange = capture;
  EXPECT_EQ(form->TextGrid().CellText(1), L"told");

  EXPECT_TRUE(Counted(CellKind::Text, 2)) << "the advance reads what the clipboard holds now";
  EXPECT_EQ(form->TextGrid().CellText(1), L"told");
  EXPECT_EQ(form->TextGrid().CellText(2), L"not told");
  test::PumpFor(2 * kAdvanceIntervalMs);
  EXPECT_EQ(fills, (std::vector<Fill>{{CellKind::Text, 1}, {CellKind::Text, 2}})) << "each content once";
  EXPECT_EQ(form->Store().TextCount(), 2);
}

TEST_F(MainWindowCaptureTest, ACopyAfterTheAdvanceDelayTakesTheNextCellEvenWhenTheTimerIsLate) {
  ASSERT_TRUE(CopyText(L"first"));
  // A busy window gets its timer late; the next copy comes after the delay.
  Sleep(kAdvanceIntervalMs + kAdvanceIntervalMs / 2);
  ASSERT_TRUE(CopyText(L"second"));
  EXPECT_EQ(fills, (std::vector<Fill>{{CellKind::Text, 1}, {CellKind::Text, 2}}));
  EXPECT_EQ(form->Store().TextCount(), 1) << "the first copy was counted at once";
  EXPECT_TRUE(Counted(CellKind::Text, 2));
  EXPECT_EQ(form->TextGrid().CellText(1), L"first");
  EXPECT_EQ(form->TextGrid().CellText(2), L"second");
}

TEST_F(MainWindowCaptureTest, AnEmptyTextFillsACellAndIsCounted) {
  TypeIntoTextCell(1, L"typed into a free cell");
  ASSERT_TRUE(CopyText(L""));
  EXPECT_EQ(fills, (std::vector<Fill>{{CellKind::Text, 1}}));
  EXPECT_EQ(form->TextGrid().CellText(1), L"");
  EXPECT_TRUE(Counted(CellKind::Text, 1));
}

TEST_F(MainWindowCaptureTest, TextKeepsEveryCharacter) {
  const std::wstring text =
      L"\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac \u4e2d\u6587\u5b57 \U0001F600\U0001F44D\U0001F3FD "
      L"e\u0301 \u05e2\u05d1\u05e8\u05d9\u05ea\r\nsecond line\ttab";
  ASSERT_TRUE(CopyText(text));
  EXPECT_EQ(form->TextGrid().CellText(1), text);
}

TEST_F(MainWindowCaptureTest, AHugeTextIsCapturedWhole) {
  constexpr size_t kTenMegabytes = 10u * 1024 * 1024;
  constexpr size_t kLineLength = 78;
  std::wstring text;
  text.reserve(kTenMegabytes);
  for (size_t i = 0; text.size() < kTenMegabytes; ++i) {
    text += static_cast<wchar_t>(L'a' + i % 26);
    if (i % kLineLength == kLineLength - 1) text += L"\r\n";
  }
  text += L"END";
  ASSERT_TRUE(CopyText(text));
  const std::wstring captured = form->TextGrid().CellText(1);
  EXPECT_EQ(captured.size(), text.size());
  EXPECT_TRUE(captured == text) << "the captured text differs from the copied one";
}

// A text cell's memo as an edit control behaves short of memory: it keeps
// its text, tells its parent EN_ERRSPACE and answers WM_SETTEXT with
// `answer` (the system's edit answers FALSE, others TRUE).
LRESULT CALLBACK OutOfSpaceCell(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR answer) {
  if (message != WM_SETTEXT) return DefSubclassProc(window, message, wParam, lParam);
  SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), EN_ERRSPACE),
               reinterpret_cast<LPARAM>(window));
  return static_cast<LRESULT>(answer);
}

class CellOutOfSpaceTest : public MainWindowCaptureTest, public testing::WithParamInterface<BOOL> {};

TEST_P(CellOutOfSpaceTest, ATextTheCellCannotHoldIsReportedAndNotCounted) {
  ASSERT_TRUE(CopyText(L"kept"));
  ASSERT_TRUE(Counted(CellKind::Text, 1));
  fills.clear();
  HWND cell = form->TextCellHandle(2);
  SetWindowSubclass(cell, &OutOfSpaceCell, 1, static_cast<DWORD_PTR>(GetParam()));
  const bool changed = CopyText(L"more than the cell can hold");
  RemoveWindowSubclass(cell, &OutOfSpaceCell, 1);
  ASSERT_TRUE(changed);
  EXPECT_EQ(boxes.Texts(), std::vector<std::wstring>{L"There is not enough memory to keep this text."});
  EXPECT_TRUE(fills.empty());
  EXPECT_FALSE(form->Store().IsPending(CellKind::Text)) << "a capture the cell does not show was counted";
  EXPECT_EQ(form->Store().TextCount(), 1);

  // The next text that fits goes where the refused one would have.
  ASSERT_TRUE(CopyText(L"fits"));
  EXPECT_EQ(form->TextGrid().CellText(2), L"fits");
}

INSTANTIATE_TEST_SUITE_P(Answers, CellOutOfSpaceTest, testing::Values(FALSE, TRUE));

struct MarkerCase {
  const char* label;
  const wchar_t* format;
  DWORD value;
  bool captured;
};

class SecretMarkerTest : public MainWindowCaptureTest, public testing::WithParamInterface<MarkerCase> {};

TEST_P(SecretMarkerTest, MarkedContentIsLeftAloneButTheWarningsStillCome) {
  const MarkerCase& marker = GetParam();
  form->Store().SetCount(CellKind::Text, 49);
  TypeIntoTextCell(50, L"earlier");
  ASSERT_TRUE(Change([&](ClipboardWrite& write) {
    return write.Bitmap(test::SolidBitmap(kSmallSide, kSmallSide, kRed)) && write.Text(L"hunter2") &&
           write.Dword(marker.format, marker.value);
  }));
  if (marker.captured) {
    EXPECT_EQ(fills, (std::vector<Fill>{{CellKind::Image, 1}, {CellKind::Text, 50}}));
    EXPECT_EQ(form->TextGrid().CellText(50), L"hunter2");
  } else {
    EXPECT_TRUE(fills.empty());
    EXPECT_EQ(form->TextGrid().CellText(50), L"earlier");
    EXPECT_TRUE(form->ImageGrid().CellPicture(1).IsEmpty());
    EXPECT_FALSE(form->Store().IsPending(CellKind::Image));
    EXPECT_FALSE(form->Store().IsPending(CellKind::Text));
    EXPECT_EQ(form->Store().TextCount(), 49);
  }
  EXPECT_EQ(boxes.Texts(), std::vector<std::wstring>{kTextWarning});
}

INSTANTIATE_TEST_SUITE_P(Markers, SecretMarkerTest,
                         testing::Values(MarkerCase{"ViewerIgnore", L"Clipboard Viewer Ignore", 1, false},
                                         MarkerCase{"ExcludeFromMonitoring",
                                                    L"ExcludeClipboardContentFromMonitorProcessing", 1, false},
                                         MarkerCase{"HistoryForbidden", L"CanIncludeInClipboardHistory", 0, false},
                                         MarkerCase{"HistoryAllowed", L"CanIncludeInClipboardHistory", 1, true}),
                         [](const testing::TestParamInfo<MarkerCase>& info) { return std::string(info.param.label); });

// A CF_DIB block: header, then `pixelBytes` bytes of pixels.
std::vector<BYTE> Dib(LONG width, LONG height, WORD bitCount, size_t pixelBytes,
                      DWORD headerSize = sizeof(BITMAPINFOHEADER)) {
  BITMAPINFOHEADER header{};
  header.biSize = headerSize;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = bitCount;
  header.biCompression = BI_RGB;
  std::vector<BYTE> block(sizeof(header) + pixelBytes, 0x7F);
  std::memcpy(block.data(), &header, sizeof(header));
  return block;
}

// A DIB whose block holds exactly what its header announces, rows padded to
// four bytes: 24-bit pixels of one colour.
std::vector<BYTE> SolidDib24(LONG width, LONG height, COLORREF colour) {
  const size_t stride = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
  std::vector<BYTE> block = Dib(width, height, 24, stride * static_cast<size_t>(height));
  for (LONG y = 0; y < height; ++y) {
    BYTE* row = block.data() + sizeof(BITMAPINFOHEADER) + stride * static_cast<size_t>(y);
    for (LONG x = 0; x < width; ++x) {
      row[x * 3] = GetBValue(colour);
      row[x * 3 + 1] = GetGValue(colour);
      row[x * 3 + 2] = GetRValue(colour);
    }
  }
  return block;
}

// An 8-bit DIB with a two-colour table, every pixel the second colour.
std::vector<BYTE> TwoColourDib8(LONG width, LONG height, COLORREF unused, COLORREF colour) {
  const size_t stride = (static_cast<size_t>(width) + 3) / 4 * 4;
  const RGBQUAD table[] = {{GetBValue(unused), GetGValue(unused), GetRValue(unused), 0},
                           {GetBValue(colour), GetGValue(colour), GetRValue(colour), 0}};
  std::vector<BYTE> block = Dib(width, height, 8, sizeof(table) + stride * static_cast<size_t>(height));
  auto* header = reinterpret_cast<BITMAPINFOHEADER*>(block.data());
  header->biClrUsed = 2;
  std::memcpy(block.data() + sizeof(BITMAPINFOHEADER), table, sizeof(table));
  std::fill(block.begin() + sizeof(BITMAPINFOHEADER) + sizeof(table), block.end(), BYTE{1});
  return block;
}

TEST_F(MainWindowCaptureTest, AWellFormedDibIsCapturedAsABitmap) {
  const std::vector<BYTE> trueColour = SolidDib24(3, 2, kBlue);
  ASSERT_TRUE(
      Change([&](ClipboardWrite& write) { return write.Memory(CF_DIB, trueColour.data(), trueColour.size()); }));
  ASSERT_EQ(form->ImageGrid().CellPicture(1).GetKind(), picture::Picture::Kind::Bitmap);
  EXPECT_EQ(form->ImageGrid().CellPicture(1).Width(), 3);
  EXPECT_EQ(test::CentreColour(form->ImageGrid().CellPicture(1)), kBlue);
  ASSERT_TRUE(Counted(CellKind::Image, 1));

  const std::vector<BYTE> paletted = TwoColourDib8(5, 3, kRed, kGreen);
  ASSERT_TRUE(Change([&](ClipboardWrite& write) { return write.Memory(CF_DIB, paletted.data(), paletted.size()); }));
  EXPECT_EQ(test::CentreColour(form->ImageGrid().CellPicture(2)), kGreen);
  EXPECT_TRUE(boxes.boxes.empty());
}

struct HostileCase {
  const char* label;
  std::function<bool(ClipboardWrite&)> put;
  // The picture is promised for later and its owner is asked for it.
  bool delayed = false;
};

std::function<bool(ClipboardWrite&)> PutDib(std::vector<BYTE> block) {
  return [block](ClipboardWrite& write) { return write.Memory(CF_DIB, block.data(), block.size()); };
}

class HostilePictureTest : public MainWindowCaptureTest, public testing::WithParamInterface<HostileCase> {};

TEST_P(HostilePictureTest, IsReportedAndEverythingCapturedBeforeStays) {
  ASSERT_TRUE(CopyBitmap(kGreen));
  ASSERT_TRUE(Counted(CellKind::Image, 1));
  fills.clear();

  ASSERT_TRUE(Change(GetParam().put));
  if (GetParam().delayed) {
    EXPECT_GT(writer->renderRequests, 0) << "the owner was never asked for the promised picture";
  }
  ASSERT_EQ(boxes.boxes.size(), 1u) << "the user is told once";
  EXPECT_EQ(boxes.boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
  EXPECT_EQ(boxes.boxes[0].caption, application.Title()) << "the error box carries the application title";
  EXPECT_FALSE(boxes.boxes[0].text.empty());
  EXPECT_TRUE(fills.empty());
  EXPECT_EQ(test::CentreColour(form->ImageGrid().CellPicture(1)), kGreen);
  EXPECT_TRUE(form->ImageGrid().CellPicture(2).IsEmpty());
  EXPECT_FALSE(form->Store().IsPending(CellKind::Image));
  EXPECT_EQ(form->Store().ImageCount(), 1);

  // Still working: the next good picture goes where the bad one would have.
  ASSERT_TRUE(CopyBitmap(kBlue));
  EXPECT_EQ(test::CentreColour(form->ImageGrid().CellPicture(2)), kBlue);
}

// A 3 x 2 PNG (8-bit RGB) whose pixels all differ, so that a row, a column
// or a channel out of place shows.
const std::vector<BYTE> kPng = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48,
                                0x44, 0x52, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x02, 0x08, 0x02, 0x00, 0x00,
                                0x00, 0x12, 0x16, 0xF1, 0x4D, 0x00, 0x00, 0x00, 0x16, 0x49, 0x44, 0x41, 0x54, 0x78,
                                0xDA, 0x63, 0xF8, 0xCF, 0xC0, 0xC0, 0x00, 0xC1, 0xFF, 0x81, 0xD4, 0xFF, 0xFF, 0x0D,
                                0x0E, 0x0A, 0x00, 0x48, 0xED, 0x07, 0xDA, 0x0A, 0xD2, 0xAE, 0xF6, 0x00, 0x00, 0x00,
                                0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
// Its pixels, top row first.
const std::vector<COLORREF> kPngPixels = {RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(0, 0, 255),
                                          RGB(255, 255, 0), RGB(0, 255, 255), RGB(128, 64, 32)};
constexpr int kPngWidth = 3;
constexpr int kPngHeight = 2;
// Where the compressed pixels of kPng start, and its header chunk.
constexpr size_t kPngPixelData = 41;
constexpr size_t kPngHeaderChunk = 8;
constexpr size_t kPngHeaderChunkSize = 25;

std::function<bool(ClipboardWrite&)> PutPng(std::vector<BYTE> bytes) {
  return [bytes](ClipboardWrite& write) {
    return write.Memory(RegisterClipboardFormatW(L"PNG"), bytes.data(), bytes.size());
  };
}

// Stands in for the system's imaging factory (on the test's stack), noting
// who holds the clipboard whenever a decoding begins.
struct WatchingImagingFactory : IClassFactory {
  explicit WatchingImagingFactory(IClassFactory* real) : real(real) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    *object = iid == IID_IUnknown || iid == IID_IClassFactory ? this : nullptr;
    return *object ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
    holders.push_back(GetOpenClipboardWindow());
    return real->CreateInstance(outer, iid, object);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override { return real->LockServer(lock); }
  IClassFactory* real;
  std::vector<HWND> holders;
};

TEST_F(MainWindowCaptureTest, APngIsDecodedWithTheClipboardFreeForOtherPrograms) {
  IClassFactory* real = nullptr;
  ASSERT_HRESULT_SUCCEEDED(
      CoGetClassObject(CLSID_WICImagingFactory, CLSCTX_INPROC_SERVER, nullptr, IID_PPV_ARGS(&real)));
  WatchingImagingFactory watching(real);
  DWORD cookie = 0;
  ASSERT_HRESULT_SUCCEEDED(CoRegisterClassObject(CLSID_WICImagingFactory, &watching, CLSCTX_INPROC_SERVER,
                                                 REGCLS_MULTIPLEUSE, &cookie));
  const bool changed = Change(PutPng(kPng));
  CoRevokeClassObject(cookie);
  real->Release();
  ASSERT_TRUE(changed);
  EXPECT_EQ(form->ImageGrid().CellPicture(1).Width(), kPngWidth);
  ASSERT_FALSE(watching.holders.empty()) << "the decoding went past the watching factory";
  for (HWND holder : watching.holders) EXPECT_EQ(holder, nullptr) << "the clipboard was held while decoding";
}

// kPng with one byte of its compressed pixels changed: its checksum no
// longer matches.
std::vector<BYTE> DamagedPng() {
  std::vector<BYTE> bytes = kPng;
  bytes[kPngPixelData + 4] ^= 0xFF;
  return bytes;
}

// kPng cut off inside its pixels.
std::vector<BYTE> TruncatedPng() { return {kPng.begin(), kPng.begin() + kPngPixelData + 6}; }

// kPng with a well-formed header announcing 30000 x 30000 pixels: within
// the side limit, far over the byte limit, and nowhere near as many pixels.
std::vector<BYTE> HugePng() {
  const BYTE header[kPngHeaderChunkSize] = {0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52, 0x00,
                                            0x00, 0x75, 0x30, 0x00, 0x00, 0x75, 0x30, 0x08, 0x02,
                                            0x00, 0x00, 0x00, 0xE9, 0x45, 0x6F, 0xED};
  std::vector<BYTE> bytes = kPng;
  std::copy(std::begin(header), std::end(header), bytes.begin() + kPngHeaderChunk);
  return bytes;
}

// A DIB of the given pixels (top row first), stored top-down or bottom-up,
// its rows padded to four bytes and its pixels after a colour table of
// `tableHint` entries, which above 8 bits only hints at a palette.
std::vector<BYTE> PixelDib(int width, const std::vector<COLORREF>& pixels, WORD bitCount, bool topDown,
                           DWORD tableHint = 0, DWORD headerSize = sizeof(BITMAPINFOHEADER)) {
  const int height = static_cast<int>(pixels.size()) / width;
  const size_t bytesPerPixel = bitCount / 8;
  const size_t stride = (static_cast<size_t>(width) * bytesPerPixel + 3) / 4 * 4;
  const size_t offset = headerSize + tableHint * sizeof(RGBQUAD);
  std::vector<BYTE> block(offset + stride * static_cast<size_t>(height), 0x5A);
  BITMAPINFOHEADER header{};
  header.biSize = headerSize;
  header.biWidth = width;
  header.biHeight = topDown ? -height : height;
  header.biPlanes = 1;
  header.biBitCount = bitCount;
  header.biCompression = BI_RGB;
  header.biClrUsed = tableHint;
  std::memcpy(block.data(), &header, sizeof(header));
  for (int y = 0; y < height; ++y) {
    BYTE* row = block.data() + offset + stride * static_cast<size_t>(topDown ? y : height - 1 - y);
    for (int x = 0; x < width; ++x) {
      const COLORREF colour = pixels[static_cast<size_t>(y * width + x)];
      BYTE* pixel = row + static_cast<size_t>(x) * bytesPerPixel;
      pixel[0] = GetBValue(colour);
      pixel[1] = GetGValue(colour);
      pixel[2] = GetRValue(colour);
    }
  }
  return block;
}

TEST_F(MainWindowCaptureTest, TrueColourDibsKeepEveryPixelWhereItWas) {
  struct DibCase {
    const char* label;
    UINT format;
    std::vector<BYTE> block;
  };
  const std::vector<DibCase> cases = {
      {"24-bit bottom-up, padded rows", CF_DIB, PixelDib(kPngWidth, kPngPixels, 24, false)},
      {"32-bit top-down after a palette hint", CF_DIB, PixelDib(kPngWidth, kPngPixels, 32, true, 2)},
      {"32-bit version 5 header", CF_DIBV5, PixelDib(kPngWidth, kPngPixels, 32, false, 0, sizeof(BITMAPV5HEADER))},
  };
  int cell = 0;
  for (const DibCase& c : cases) {
    ASSERT_TRUE(Change([&](ClipboardWrite& write) { return write.Memory(c.format, c.block.data(), c.block.size()); }))
        << c.label;
    ++cell;
    ASSERT_EQ(form->ImageGrid().CellPicture(cell).Width(), kPngWidth) << c.label;
    EXPECT_EQ(test::DrawnColours(form->ImageGrid().CellPicture(cell)), kPngPixels) << c.label;
    ASSERT_TRUE(Counted(CellKind::Image, cell)) << c.label;
  }
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MainWindowCaptureTest, APngAloneFillsTheNextImageCellWithItsPixelsButABitmapBesideItWins) {
  ASSERT_TRUE(Change(PutPng(kPng)));
  EXPECT_TRUE(boxes.boxes.empty());
  const picture::Picture& picture = form->ImageGrid().CellPicture(1);
  ASSERT_EQ(picture.GetKind(), picture::Picture::Kind::Bitmap);
  ASSERT_EQ(picture.Width(), kPngWidth);
  ASSERT_EQ(picture.Height(), kPngHeight);
  EXPECT_EQ(test::DrawnColours(picture), kPngPixels);
  EXPECT_TRUE(Counted(CellKind::Image, 1));

  // Listed first or not, the PNG gives way to the bitmap.
  ASSERT_TRUE(Change([](ClipboardWrite& write) {
    return PutPng(kPng)(write) && write.Bitmap(test::SolidBitmap(kSmallSide, kSmallSide, kGreen));
  }));
  EXPECT_EQ(form->ImageGrid().CellPicture(2).Width(), kSmallSide);
  EXPECT_EQ(test::CentreColour(form->ImageGrid().CellPicture(2)), kGreen);
  EXPECT_EQ(fills, (std::vector<Fill>{{CellKind::Image, 1}, {CellKind::Image, 2}}));
}

constexpr LONG kAbsurdSide = 100000;
// A header size no bitmap format has; taken at its word it points far past the block.
constexpr DWORD kBogusHeaderSize = 0x7FFFFFF0;
constexpr WORD kTrueColourBits = 32;
constexpr WORD kNoSuchBitDepth = 13;
// The header announces this many pixels a side, the block holds far fewer.
constexpr LONG kAnnouncedSide = 64;
constexpr size_t kSmallPixels = kSmallSide * kSmallSide * 4;

INSTANTIATE_TEST_SUITE_P(
    Pictures, HostilePictureTest,
    testing::Values(HostileCase{"CorruptHeaderSize",
                                PutDib(Dib(kSmallSide, kSmallSide, kTrueColourBits, kSmallPixels, kBogusHeaderSize))},
                    HostileCase{"InvalidBitDepth", PutDib(Dib(kSmallSide, kSmallSide, kNoSuchBitDepth, kSmallPixels))},
                    HostileCase{"PixelsMissing",
                                PutDib(Dib(kAnnouncedSide, kAnnouncedSide, kTrueColourBits, kSmallPixels))},
                    HostileCase{"AbsurdSize", PutDib(Dib(kAbsurdSide, kAbsurdSide, kTrueColourBits, kSmallPixels))},
                    HostileCase{"ZeroSize", PutDib(Dib(0, 0, kTrueColourBits, 0))},
                    HostileCase{"DamagedPng", PutPng(DamagedPng())},
                    HostileCase{"TruncatedPng", PutPng(TruncatedPng())}, HostileCase{"HugePng", PutPng(HugePng())},
                    HostileCase{"DelayedRenderingGivesNothing",
                                [](ClipboardWrite& write) { return write.Delayed(CF_BITMAP); }, true}),
    [](const testing::TestParamInfo<HostileCase>& info) { return std::string(info.param.label); });

TEST_F(MainWindowCaptureTest, ATextChangeAtFortyNineImagesWarnsAboutImageCells) {
  form->Store().SetCount(CellKind::Image, 49);
  ASSERT_TRUE(CopyText(L"only text"));
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, kImageWarning);
  EXPECT_EQ(boxes.boxes[0].caption, L"Warning");
  EXPECT_EQ(boxes.boxes[0].type, static_cast<UINT>(MB_OK | MB_ICONWARNING));
  EXPECT_EQ(form->TextGrid().CellText(1), L"only text");
}

TEST_F(MainWindowCaptureTest, BothKindsAtFortyNineWarnImagesFirstThenText) {
  form->Store().SetCount(CellKind::Image, 49);
  form->Store().SetCount(CellKind::Text, 49);
  ASSERT_TRUE(CopyText(L"fills cell fifty"));
  EXPECT_EQ(boxes.Texts(), (std::vector<std::wstring>{kImageWarning, kTextWarning}));
  EXPECT_EQ(form->TextGrid().CellText(50), L"fills cell fifty");
}

TEST_F(MainWindowCaptureTest, TheTextWarningTestsItsCountWhenItsBoxWouldOpen) {
  form->Store().SetCount(CellKind::Image, 49);
  form->Store().SetCount(CellKind::Text, 49);
  // While the image warning is open, a text is captured and counted.
  test::MessageBoxRecorder meanwhile;
  ui::SetMessageBoxSinkForTesting([&](const std::wstring&, const std::wstring& text, UINT) {
    meanwhile.boxes.push_back({L"", text, 0});
    if (text == kImageWarning) form->Store().SetCount(CellKind::Text, 50);
    return IDOK;
  });
  ASSERT_TRUE(CopyBitmap(kRed));
  EXPECT_EQ(meanwhile.Texts(), (std::vector<std::wstring>{kImageWarning}))
      << "the text warning went by a count from before the first box";
}

TEST_F(MainWindowCaptureTest, NoWarningsWhenTheyAreSwitchedOff) {
  settings.Set(settings::Option::WarnLowCells, false);
  form->Store().SetCount(CellKind::Image, 49);
  form->Store().SetCount(CellKind::Text, 49);
  ASSERT_TRUE(CopyText(L"quiet"));
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MainWindowCaptureTest, DisabledCaptureWritesNothingButStillWarns) {
  settings.Set(settings::Option::DisableCapture, true);
  form->Store().SetCount(CellKind::Image, 49);
  ASSERT_TRUE(Change([](ClipboardWrite& write) {
    return write.Bitmap(test::SolidBitmap(kSmallSide, kSmallSide, kRed)) && write.Text(L"not kept");
  }));
  EXPECT_TRUE(fills.empty());
  EXPECT_TRUE(form->ImageGrid().CellPicture(50).IsEmpty());
  EXPECT_EQ(form->TextGrid().CellText(1), L"");
  EXPECT_FALSE(form->Store().IsPending(CellKind::Image));
  EXPECT_FALSE(form->Store().IsPending(CellKind::Text));
  EXPECT_EQ(boxes.Texts(), std::vector<std::wstring>{kImageWarning});
}

TEST_F(MainWindowCaptureTest, AtFiftyFourEachNewPictureReplacesTheLastCell) {
  form->Store().SetCount(CellKind::Image, 54);
  ASSERT_TRUE(CopyBitmap(kRed));
  ASSERT_TRUE(Counted(CellKind::Image, 54));
  EXPECT_EQ(test::CentreColour(form->ImageGrid().CellPicture(55)), kRed);

  ASSERT_TRUE(CopyBitmap(kBlue));
  ASSERT_TRUE(Counted(CellKind::Image, 54));
  EXPECT_EQ(test::CentreColour(form->ImageGrid().CellPicture(55)), kBlue);
  EXPECT_TRUE(form->ImageGrid().CellPicture(54).IsEmpty());
  EXPECT_EQ(fills, (std::vector<Fill>{{CellKind::Image, 55}, {CellKind::Image, 55}}));
}

TEST_F(MainWindowCaptureTest, TheClipboardsOwnOrderDecidesBetweenMetafileAndBitmap) {
  ASSERT_TRUE(Change([](ClipboardWrite& write) {
    return write.Metafile(test::SolidMetafile(kRed)) && write.Bitmap(test::SolidBitmap(kSmallSide, kSmallSide, kBlue));
  }));
  EXPECT_EQ(form->ImageGrid().CellPicture(1).GetKind(), picture::Picture::Kind::Metafile);
  ASSERT_TRUE(Counted(CellKind::Image, 1));

  ASSERT_TRUE(Change([](ClipboardWrite& write) {
    return write.Bitmap(test::SolidBitmap(kSmallSide, kSmallSide, kBlue)) && write.Metafile(test::SolidMetafile(kRed));
  }));
  EXPECT_EQ(form->ImageGrid().CellPicture(2).GetKind(), picture::Picture::Kind::Bitmap);
}

TEST_F(MainWindowCaptureTest, ClicksSelectPerKindAndADoubleClickOpensTheCellClicked) {
  std::vector<COLORREF> openedPictures;
  std::vector<std::wstring> openedTexts;
  form->openPicture = [&](const picture::Picture& picture) { openedPictures.push_back(test::CentreColour(picture)); };
  form->openText = [&](const std::wstring& text) { openedTexts.push_back(text); };
  ASSERT_TRUE(CopyBitmap(kRed) && Counted(CellKind::Image, 1));
  ASSERT_TRUE(CopyBitmap(kGreen) && Counted(CellKind::Image, 2));
  ASSERT_TRUE(CopyText(L"first") && Counted(CellKind::Text, 1));
  ASSERT_TRUE(CopyText(L"second") && Counted(CellKind::Text, 2));

  ClickImageCell(12);
  EXPECT_EQ(form->Store().SelectedCell(CellKind::Image), 12) << "an empty cell is selected like any";
  ClickImageCell(2);
  EXPECT_EQ(form->Store().SelectedCell(CellKind::Image), 2);
  ClickTextCell(2);
  EXPECT_EQ(form->Store().SelectedCell(CellKind::Text), 2);
  EXPECT_EQ(form->Store().SelectedCell(CellKind::Image), 2) << "a text click moved the image selection";
  // The memo stays an edit control: the click gave it the caret.
  EXPECT_EQ(GetFocus(), form->TextCellHandle(2));
  SendMessageW(form->TextCellHandle(2), WM_CHAR, L'x', 1);
  EXPECT_EQ(form->TextGrid().CellText(2), L"xsecond");
  EXPECT_TRUE(openedPictures.empty() && openedTexts.empty()) << "a single click opened a cell";

  ClickImageCell(1, true);
  EXPECT_EQ(form->Store().SelectedCell(CellKind::Image), 1);
  EXPECT_EQ(openedPictures, std::vector<COLORREF>{kRed});
  form->Notebook().SetPageIndex(static_cast<int>(NotebookPage::Text));
  ClickTextCell(1, true);
  EXPECT_EQ(form->Store().SelectedCell(CellKind::Text), 1);
  EXPECT_EQ(openedTexts, std::vector<std::wstring>{L"first"});
  EXPECT_EQ(openedPictures.size(), 1u);
}

}  // namespace
}  // namespace history
