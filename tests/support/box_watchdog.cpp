#include "support/box_watchdog.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace test {
namespace {

using Clock = std::chrono::steady_clock;

constexpr wchar_t kDialogClass[] = L"#32770";
constexpr wchar_t kStaticClass[] = L"Static";
constexpr wchar_t kButtonClass[] = L"Button";
constexpr int kClassNameLength = 64;
constexpr UINT kAskTimeoutMs = 1000;
constexpr std::chrono::milliseconds kPollInterval{200};
// A box is left alone this long, so that its text is complete when read.
constexpr std::chrono::milliseconds kGrace{600};
// The buttons that commit to the least, in the order they are tried.
constexpr int kCautiousButtons[] = {IDCANCEL, IDNO, IDABORT, IDIGNORE, IDOK};

std::wstring ClassOf(HWND window) {
  wchar_t name[kClassNameLength] = L"";
  GetClassNameW(window, name, kClassNameLength);
  return name;
}

bool IsClass(HWND window, const wchar_t* className) {
  return CompareStringOrdinal(ClassOf(window).c_str(), -1, className, -1, TRUE) == CSTR_EQUAL;
}

// WM_GETTEXT with a time limit: the box's thread may be slow to answer, and
// a watchdog must never hang on it.
std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAskTimeoutMs, &length)) return L"";
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                           kAskTimeoutMs, &copied))
    return L"";
  text.resize(copied);
  return text;
}

struct ProcessBoxes {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectBox(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<ProcessBoxes*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && IsWindowVisible(window) && IsClass(window, kDialogClass))
    search->found.push_back(window);
  return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM data) {
  reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
  return TRUE;
}

std::vector<HWND> ChildrenOf(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(parent, &CollectChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
  return bytes;
}

}  // namespace

std::wstring DescribeBox(HWND box) {
  std::wstring description = TextOf(box) + L":";
  for (HWND child : ChildrenOf(box)) {
    if (!IsClass(child, kStaticClass)) continue;
    const std::wstring text = TextOf(child);
    if (!text.empty()) description += L" " + text;
  }
  return description;
}

void DismissBox(HWND box) {
  for (int id : kCautiousButtons) {
    HWND button = GetDlgItem(box, id);
    if (button && IsClass(button, kButtonClass) && IsWindowEnabled(button)) {
      PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
      return;
    }
  }
  PostMessageW(box, WM_CLOSE, 0, 0);
}

BoxWatchdog::BoxWatchdog(DWORD processId, Report report)
    : processId_(processId),
      report_(report ? std::move(report) : Report([](const std::wstring& description) {
        ADD_FAILURE() << "a box nobody expected opened and was closed: " << Utf8(description);
      })),
      thread_(&BoxWatchdog::Watch, this) {}

BoxWatchdog::~BoxWatchdog() {
  stop_ = true;
  thread_.join();
}

void BoxWatchdog::Watch() {
  // When each open box was first seen, and which of them were reported.
  std::map<HWND, Clock::time_point> seen;
  std::set<HWND> reported;
  while (!stop_) {
    ProcessBoxes search{processId_, {}};
    EnumWindows(&CollectBox, reinterpret_cast<LPARAM>(&search));
    std::map<HWND, Clock::time_point> stillOpen;
    for (HWND box : search.found) {
      const auto earlier = seen.find(box);
      // A box a step expects counts as new once the step is over.
      const bool fresh = earlier == seen.end() || expecting_ > 0;
      const Clock::time_point since = fresh ? Clock::now() : earlier->second;
      stillOpen[box] = since;
      if (expecting_ > 0 || Clock::now() - since < kGrace) continue;
      if (reported.insert(box).second) report_(DescribeBox(box));
      DismissBox(box);
    }
    seen.swap(stillOpen);
    std::erase_if(reported, [&](HWND box) { return !seen.count(box); });
    std::this_thread::sleep_for(kPollInterval);
  }
}

}  // namespace test
