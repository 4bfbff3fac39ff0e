// A well-behaved clipboard viewer of another program: it joins the chain
// when made, passes every chain message on, repairs its link when the next
// viewer leaves, and leaves the chain when it goes away. It counts the
// change notifications it receives.
#pragma once

#include <windows.h>

#include "ui/handles.h"

namespace e2e {

class ChainViewer {
 public:
  ChainViewer();
  ~ChainViewer();
  ChainViewer(const ChainViewer&) = delete;
  ChainViewer& operator=(const ChainViewer&) = delete;

  HWND Handle() const { return window_.get(); }
  HWND NextViewer() const { return next_; }
  // WM_DRAWCLIPBOARD messages received so far.
  int Notifications() const { return notifications_; }
  // The clipboard's sequence number at the latest notification, so a test
  // can tell the notification of its own write from earlier ones.
  DWORD LastSequenceSeen() const { return lastSequence_; }

 private:
  static LRESULT CALLBACK Thunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // window is passed in: during creation window_ is not set yet.
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void OnDrawClipboard(WPARAM wParam, LPARAM lParam);
  void OnChangeCbChain(HWND leaving, HWND after, WPARAM wParam, LPARAM lParam);
  void Forward(UINT message, WPARAM wParam, LPARAM lParam);

  ui::unique_hwnd window_;
  HWND next_ = nullptr;
  int notifications_ = 0;
  DWORD lastSequence_ = 0;
};

}  // namespace e2e
