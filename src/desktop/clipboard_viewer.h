// ClipboardViewer: a control that joins the clipboard-viewer chain, keeps the
// chain intact, raises OnChange on every clipboard change and shows the
// current clipboard content inside itself.
#pragma once

#include <functional>
#include <memory>

#include "desktop/clipboard_view_format.h"
#include "ui/memo.h"
#include "picture/picture.h"
#include "ui/window.h"

namespace desktop {

// What the display says of content it cannot show.
inline constexpr wchar_t kUnknownFormatText[] = L"Cannot display. Data in Clipboard is in an unknown format.";
inline constexpr wchar_t kPaletteNotImplemented[] = L"Function not yet implemented";

// Shows one picture at its own size; a bitmap only by its size.
class PictureView : public ui::Window {
 public:
  void Create(HWND parent, picture::Picture picture);
  // A bitmap's display: the image cell keeps the pixels, the display only
  // needs the size.
  void Create(HWND parent, int width, int height);
  const picture::Picture& GetPicture() const { return picture_; }

 protected:
  void PaintContent(HDC dc, const RECT& clientRect) override;

 private:
  picture::Picture picture_;
};

class ClipboardViewer : public ui::Window {
 public:
  // How long a forwarded chain message may take before the next viewer is
  // treated as hung; a hung viewer must never hang us.
  static constexpr UINT kForwardTimeoutMs = 3000;
  static constexpr int kDefaultWidth = 185;
  static constexpr int kDefaultHeight = 41;

  // Creates the control's window and joins the chain.
  void Create(HWND parent, int id, int x, int y, int width = kDefaultWidth, int height = kDefaultHeight);

  HWND NextViewer() const { return nextViewer_; }
  ClipboardViewFormat ViewFormat() const { return viewFormat_; }
  void SetViewFormat(ClipboardViewFormat format);
  // The child now showing the clipboard, if any (a memo or a picture view).
  HWND DisplayControl() const;

  std::function<void()> OnChange;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnDrawClipboard(WPARAM wParam, LPARAM lParam);
  void OnChangeDue();
  void OnChangeCbChain(HWND leaving, HWND next, WPARAM wParam, LPARAM lParam);
  void OnDestroyClipboard();
  void OnSize();
  void Forward(UINT message, WPARAM wParam, LPARAM lParam);
  void LeaveChain();
  void RaiseChange();
  void RebuildDisplay();
  void ShowMemo(bool oemFont);
  void ShowPicture(ClipboardViewFormat kind);
  void CentreDisplay();
  void FreeDisplay();
  bool ShowsCurrentContent() const;

  // The number GetClipboardSequenceNumber gives where it cannot tell.
  static constexpr DWORD kUnknownSequence = 0;

  HWND nextViewer_ = nullptr;
  // Notices came and their handling is posted, not yet run.
  bool changeDue_ = false;
  // The clipboard's sequence number when the display was last built.
  DWORD shownSequence_ = kUnknownSequence;
  ClipboardViewFormat viewFormat_ = ClipboardViewFormat::Default;
  std::unique_ptr<ui::Memo> memo_;
  // Whether the memo shows its text in the OEM font.
  bool memoOemFont_ = false;
  ui::WindowPtr<PictureView> picture_;
  ui::unique_hfont oemFont_;
};

// Whether the clipboard offers the format a view format stands for.
bool ClipboardOffers(ClipboardViewFormat format);

}  // namespace desktop
