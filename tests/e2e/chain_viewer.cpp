#include "e2e/chain_viewer.h"

#include <stdexcept>

namespace e2e {

namespace {

constexpr wchar_t kViewerClass[] = L"KestrelTestChainViewer";
// A hung viewer further down must not hang this one.
constexpr UINT kForwardTimeoutMs = 3000;

}  // namespace

ChainViewer::ChainViewer() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &ChainViewer::Thunk;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kViewerClass;
  RegisterClassExW(&windowClass);  // registered already by an earlier viewer: fine
  window_.reset(
      CreateWindowExW(0, kViewerClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), this));
  if (!window_) throw std::runtime_error("cannot create the test viewer's window");
  next_ = SetClipboardViewer(window_.get());
}

ChainViewer::~ChainViewer() {
  ChangeClipboardChain(window_.get(), next_);
  window_.reset();
}

LRESULT CALLBACK ChainViewer::Thunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<ChainViewer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  return self->HandleMessage(window, message, wParam, lParam);
}

LRESULT ChainViewer::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DRAWCLIPBOARD: OnDrawClipboard(wParam, lParam); return 0;
    case WM_CHANGECBCHAIN:
      OnChangeCbChain(reinterpret_cast<HWND>(wParam), reinterpret_cast<HWND>(lParam), wParam, lParam);
      return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

void ChainViewer::OnDrawClipboard(WPARAM wParam, LPARAM lParam) {
  Forward(WM_DRAWCLIPBOARD, wParam, lParam);
  ++notifications_;
  lastSequence_ = GetClipboardSequenceNumber();
}

void ChainViewer::OnChangeCbChain(HWND leaving, HWND after, WPARAM wParam, LPARAM lParam) {
  if (leaving == next_) {
    next_ = after;
    return;
  }
  Forward(WM_CHANGECBCHAIN, wParam, lParam);
}

void ChainViewer::Forward(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!next_) return;
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(next_, message, wParam, lParam, SMTO_ABORTIFHUNG, kForwardTimeoutMs, &ignored);
}

}  // namespace e2e
