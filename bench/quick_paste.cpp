// Quick paste: (a) from the key press, sent with SendInput, to the popup on
// screen and painted, while the history holds 55 pictures of 3840 x 2160 and
// 55 texts; (b) one keystroke of filtering over 55 texts of 1 MB each, for a
// word no text holds, so every text is searched to its end.
//
// The program hosts a main window and the popup of its own; the cells are
// filled through the clipboard, as captures fill them.
//
//   bench_quick_paste [--runs N]
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/program_title.h"
#include "history/main_window.h"
#include "quickpaste/quick_paste_window.h"
#include "settings/settings.h"
#include "ui/application.h"
#include "ui/handles.h"
#include "ui/timer.h"

namespace {

using history::CellKind;

constexpr int kDefaultRuns = 20;
constexpr char kRunsFlag[] = "--runs";
constexpr int kPictureWidth = 3840;
constexpr int kPictureHeight = 2160;
constexpr std::size_t kLongTextChars = 1 << 20;
constexpr double kOpenTargetMs = 50.0;
constexpr double kFilterTargetMs = 30.0;
constexpr DWORD kDeadlineMs = 30000;
constexpr double kMillisecondsPerSecond = 1000.0;
// Typed and taken back in turn: the longer word narrows, the shorter one
// widens again, so every second keystroke searches all 55 texts anew.
constexpr wchar_t kAbsentWord[] = L"quokkas";
constexpr wchar_t kAbsentWordShorter[] = L"quokka";
constexpr std::uint32_t kWordSeed = 12345;

double Now() {
  LARGE_INTEGER count{};
  LARGE_INTEGER frequency{};
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(count.QuadPart) * kMillisecondsPerSecond / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

bool PumpUntil(bool (*done)(void*), void* context) {
  const ULONGLONG start = GetTickCount64();
  while (!done(context)) {
    if (GetTickCount64() - start > kDeadlineMs) return false;
    MSG message{};
    if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    } else {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
  }
  return true;
}

// Puts one clipboard format on the clipboard and waits until a cell of its
// kind took it (once the cells are full, the last one takes each copy).
bool Copy(HWND owner, history::MainWindow& form, CellKind kind, UINT format, HANDLE data) {
  struct Wait {
    CellKind kind;
    bool filled = false;
  } wait{kind};
  form.Capture().onCellFilled = [&wait](CellKind filled, int) { wait.filled |= filled == wait.kind; };
  if (!OpenClipboard(owner)) return false;
  EmptyClipboard();
  SetClipboardData(format, data);
  CloseClipboard();
  const bool filled = PumpUntil([](void* w) { return static_cast<Wait*>(w)->filled; }, &wait);
  form.Capture().onCellFilled = nullptr;
  return filled;
}

HANDLE PictureDib(int seed) {
  const std::size_t pixels = static_cast<std::size_t>(kPictureWidth) * kPictureHeight;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof(BITMAPINFOHEADER) + pixels * 4);
  if (!block) return nullptr;
  const ui::GlobalLockGuard<BYTE> bytes(block);
  BITMAPINFOHEADER header{sizeof(BITMAPINFOHEADER), kPictureWidth, kPictureHeight, 1, 32, BI_RGB};
  std::memcpy(bytes.get(), &header, sizeof(header));
  auto* pixel = reinterpret_cast<std::uint32_t*>(bytes.get() + sizeof(header));
  for (std::size_t i = 0; i < pixels; ++i) {
    const std::size_t x = i % kPictureWidth;
    const std::size_t y = i / kPictureWidth;
    pixel[i] = static_cast<std::uint32_t>((x * 255 / kPictureWidth) | ((y * 255 / kPictureHeight) << 8) |
                                          ((static_cast<std::size_t>(seed) * 37 % 255) << 16));
  }
  return block;
}

HANDLE TextBlock(const std::wstring& text) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  if (!block) return nullptr;
  const ui::GlobalLockGuard<wchar_t> chars(block);
  std::memcpy(chars.get(), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  return block;
}

// About a megabyte of words and line breaks, different for each seed.
std::wstring LongText(std::uint32_t seed) {
  static constexpr const wchar_t* kWords[] = {L"clipboard", L"History", L"paste", L"kestrel", L"Window",
                                              L"picture",   L"notes",   L"tray",  L"Ctrl",    L"search"};
  std::wstring text;
  text.reserve(kLongTextChars + 16);
  std::uint32_t state = seed;
  while (text.size() < kLongTextChars) {
    state = state * 1664525u + 1013904223u;
    text += kWords[(state >> 16) % std::size(kWords)];
    text += (state & 0x1F) == 0 ? L"\r\n" : L" ";
  }
  return text;
}

struct Host {
  settings::Settings settings;
  ui::Application application{app::ProgramTitle()};
  history::MainWindow* form = nullptr;
  quickpaste::QuickPasteWindow* popup = nullptr;
};

bool PopupPainted(void* context) {
  auto* host = static_cast<Host*>(context);
  HWND popup = host->popup->Handle();
  return IsWindowVisible(popup) && !GetUpdateRect(popup, nullptr, FALSE);
}

std::vector<double> MeasureOpening(Host& host, int runs) {
  std::vector<double> samples;
  for (int run = 0; run < runs; ++run) {
    INPUT keys[4] = {};
    const WORD codes[4] = {VK_CONTROL, VK_OEM_3, VK_OEM_3, VK_CONTROL};
    for (int i = 0; i < 4; ++i) {
      keys[i].type = INPUT_KEYBOARD;
      keys[i].ki.wVk = codes[i];
      keys[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
    }
    const double start = Now();
    SendInput(4, keys, sizeof(INPUT));
    if (!PumpUntil(&PopupPainted, &host)) {
      std::printf("the key did not open the popup (run %d)\n", run + 1);
      break;
    }
    samples.push_back(Now() - start);
    host.popup->Hide();
    PumpUntil([](void*) { return true; }, nullptr);
  }
  return samples;
}

std::vector<double> MeasureFiltering(Host& host, int runs, int& shown) {
  std::vector<double> samples;
  host.popup->Open(quickpaste::PasteTarget(), RECT{100, 100, 101, 101});
  host.popup->SetFilterText(kAbsentWord);
  for (int run = 0; run < runs; ++run) {
    const double start = Now();
    host.popup->SetFilterText(kAbsentWordShorter);
    UpdateWindow(host.popup->Handle());
    samples.push_back(Now() - start);
    shown = host.popup->ShownCount();
    host.popup->SetFilterText(kAbsentWord);
  }
  host.popup->Hide();
  return samples;
}

void PrintRow(const char* label, const std::vector<double>& samples, double targetMs) {
  if (samples.empty()) {
    std::printf("%-44s %9s\n", label, "-");
    return;
  }
  const double median = Median(samples);
  std::printf("%-44s %9.2f %9.2f   <= %2.0f %s\n", label, median, *std::max_element(samples.begin(), samples.end()),
              targetMs, median <= targetMs ? "met" : "NOT met");
}

int Run(int runs) {
  Host host;
  host.settings.Set(settings::Option::BeepOnAdd, false);
  host.settings.Set(settings::Option::WarnLowCells, false);
  host.form = host.application.CreateForm<history::MainWindow>(host.settings);
  // The viewer joins the clipboard chain at the first showing.
  host.form->Show();
  host.form->Hide();
  host.popup = host.application.CreateForm<quickpaste::QuickPasteWindow>(host.settings, *host.form);
  if (!host.popup->ApplyKey()) {
    std::printf("The quick paste key is held by another program; nothing measured.\n");
    return EXIT_FAILURE;
  }
  HWND owner = host.popup->Handle();
  // Without the advance delay every capture counts at once, each in a cell
  // of its own.
  ui::SetTimersRefusedForTesting(true);
  std::printf("Filling 55 picture cells (3840 x 2160) and 55 text cells...\n");
  for (int n = 1; n <= history::kCellCount; ++n) {
    if (!Copy(owner, *host.form, CellKind::Image, CF_DIB, PictureDib(n)) ||
        !Copy(owner, *host.form, CellKind::Text, CF_UNICODETEXT, TextBlock(L"Text number " + std::to_wstring(n)))) {
      std::printf("capture %d did not arrive\n", n);
      return EXIT_FAILURE;
    }
  }
  host.form->Capture().FinishPicturePacking();
  std::printf("\n%-44s %9s %9s   target\n", "in ms", "median", "max");
  PrintRow("(a) key press to popup painted", MeasureOpening(host, runs), kOpenTargetMs);

  // The long texts take the places of the short ones.
  host.form->Store().DeleteAll();
  for (int n = 1; n <= history::kCellCount; ++n) {
    if (!Copy(owner, *host.form, CellKind::Text, CF_UNICODETEXT, TextBlock(LongText(kWordSeed + n)))) {
      std::printf("long text %d did not arrive\n", n);
      return EXIT_FAILURE;
    }
  }
  int shown = -1;
  PrintRow("(b) one keystroke, 55 texts of 1 MB each", MeasureFiltering(host, runs, shown), kFilterTargetMs);
  std::printf("\n(b) searches all 55 texts where their cells keep them (%zu characters each), and keeps %d rows.\n",
              kLongTextChars, shown);
  ui::SetTimersRefusedForTesting(false);
  return EXIT_SUCCESS;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = kDefaultRuns;
  if (argc == 3 && std::strcmp(argv[1], kRunsFlag) == 0) runs = std::max(1, std::atoi(argv[2]));
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
  return Run(runs);
}
