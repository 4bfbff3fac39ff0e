#include "tools/cell_window.h"

#include <algorithm>

#include "core/geometry.h"
#include "resource_ids.h"
#include "tools/picture_export.h"
#include "tools/text_file_rules.h"
#include "tools/user_file.h"
#include "settings/ansi_code_page.h"
#include "ui/control.h"
#include "ui/message_box.h"

namespace tools {

namespace {

constexpr wchar_t kSaveCaption[] = L"Save";
constexpr wchar_t kEditCaption[] = L"Edit";
// The editor has no label on screen; screen readers call it this.
constexpr wchar_t kMemoName[] = L"Cell text";
constexpr wchar_t kNothingToSave[] = L"This cell holds no picture, so there is nothing to save.";
constexpr wchar_t kNothingToCopy[] = L"This cell holds no picture, so there is nothing to copy.";
constexpr wchar_t kNulsReplaced[] =
    L"This file contains NUL characters, which the editor cannot show. Each one is shown as \uFFFD, "
    L"and is saved that way.";

constexpr ui::ToolButton kSaveButtons[] = {
    {kSaveImageCommand, IDB_TOOL_SAVE_IMAGE, L"Save Image"},
    {},
    {kCopyBackCommand, IDB_TOOL_COPY_BACK, L"Copy back to\nthe windows\nclipboard"},
    {},
    {kSetWallpaperCommand, IDB_TOOL_SET_WALLPAPER, L"Set as wallpaper"},
    {kWallpaperOptionsCommand, IDB_TOOL_WALLPAPER_OPTIONS, L"Wallpaper Options"},
    {},
    {kNoWallpaperCommand, IDB_TOOL_NO_WALLPAPER, L"No wallpaper"},
};

constexpr ui::ToolButton kEditButtons[] = {
    {kNewCommand, IDB_TOOL_NEW, L"New"},        {kOpenCommand, IDB_TOOL_OPEN, L"Open"},
    {kSaveTextCommand, IDB_TOOL_SAVE, L"Save"}, {},
    {kCutCommand, IDB_TOOL_CUT, L"Cut"},        {kCopyCommand, IDB_TOOL_COPY, L"Copy"},
    {kPasteCommand, IDB_TOOL_PASTE, L"Paste"},
};

std::wstring ToWide(const Utf16& text) { return std::wstring(text.begin(), text.end()); }
Utf16 ToUtf16(const std::wstring& text) { return Utf16(text.begin(), text.end()); }

}  // namespace

CellWindow::CellWindow(ui::Application& application, const settings::Settings& settings)
    : ToolWindow(application, kCellWindowShape), wallpaper_(settings) {
  CreateSavePage();
  CreateEditPage();
  SetInitialSize();
  ShowPage(Page::Save, kSaveCaption);
}

void CellWindow::CreateSavePage() {
  savePage_.Create(Handle(), 0, 0, 0, 0);
  saveToolbar_.Create(savePage_.Handle(), kSaveToolbarHeight, L"Image Controls", kSaveButtons);
  imageScroll_.Create(savePage_.Handle(), 0, kSaveToolbarHeight, 0, 0);
  picture_.Create(imageScroll_.Handle(), 0, 0, kInitialPictureSide, kInitialPictureSide);
  ShowPictureFromTopLeft();
  picture_.onDoubleClick = [this] { OnPictureDoubleClick(); };
  imageScroll_.onDoubleClick = [this] { OnPictureDoubleClick(); };
}

void CellWindow::CreateEditPage() {
  editPage_.Create(Handle(), 0, 0, 0, 0);
  editToolbar_.Create(editPage_.Handle(), kEditToolbarHeight, L"Edit Controls", kEditButtons);
  memo_.Create(editPage_.Handle(), kMemoId, 0, kEditToolbarHeight, 0, 0, {.border = true, .scrollBars = true});
  memoLabel_.Attach(memo_.Handle(), kMemoName);
  memo_.SetFont(ui::DefaultGuiFont(Handle()));
}

void CellWindow::SetFileDialogForTesting(ui::FileDialogRunner runner) {
  fileDialog_ = runner ? std::move(runner) : &ui::RunFileDialog;
}

void CellWindow::OpenPicture(const picture::Picture& picture) {
  picture_.SetPicture(picture.Copy());
  if (IsVisible()) picture_.GetPicture().HoldUnpacked();
  ShowPage(Page::Save, kSaveCaption);
  // The window takes the picture's width, but never less than the toolbar
  // needs: a narrow picture must leave every command in reach.
  // The picture is shown pixel for pixel, at any scale.
  SetOuterSize(std::max(picture_.Width(), NarrowestSaveWidth()),
               picture_.Height() + ui::Dpi::Of(Handle()).Scale(kPictureHeightAllowance));
  ShowPictureFromTopLeft();
  ShowOpened();
}

void CellWindow::OpenText(const std::wstring& text) {
  // The edit control breaks lines only at CR LF.
  memo_.SetText(ToWide(WithCrLfLineEnds(ToUtf16(text))));
  ShowPage(Page::Edit, kEditCaption);
  SetInitialSize();
  ShowOpened();
}

void CellWindow::ShowPage(Page page, const wchar_t* caption) {
  page_ = page;
  ShowWindow(savePage_.Handle(), page == Page::Save ? SW_SHOW : SW_HIDE);
  ShowWindow(editPage_.Handle(), page == Page::Edit ? SW_SHOW : SW_HIDE);
  SetCaption(caption);
}

void CellWindow::SetInitialSize() {
  const ui::Dpi dpi = ui::Dpi::Of(Handle());
  SetOuterSize(dpi.Scale(kInitialWidth), dpi.Scale(kInitialHeight));
}

void CellWindow::OnDpiChanged(ui::Dpi dpi) {
  memo_.SetFont(ui::DefaultGuiFont(Handle()));
  saveToolbar_.OnDpiChanged();
  editToolbar_.OnDpiChanged();
  LayOut();
}

void CellWindow::SetOuterSize(int width, int height) {
  SetWindowPos(Handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  LayOut();
}

void CellWindow::ShowOpened() {
  if (!IsVisible()) {
    RECT frame{};
    GetWindowRect(Handle(), &frame);
    const int left = core::CentreOffset(GetSystemMetrics(SM_CXSCREEN), frame.right - frame.left);
    const int top = core::CentreOffset(GetSystemMetrics(SM_CYSCREEN), frame.bottom - frame.top);
    SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  Show();
}

void CellWindow::LayOut() {
  RECT client{};
  GetClientRect(Handle(), &client);
  const int width = client.right;
  const int height = client.bottom;
  MoveWindow(savePage_.Handle(), 0, 0, width, height, TRUE);
  MoveWindow(editPage_.Handle(), 0, 0, width, height, TRUE);
  const int saveTop = saveToolbar_.Height();
  // The scroll box keeps its position through a resize, clamped to the
  // picture; only a new picture starts again from the top left.
  MoveWindow(imageScroll_.Handle(), 0, saveTop, width, std::max(0, height - saveTop), TRUE);
  const int editTop = editToolbar_.Height();
  MoveWindow(memo_.Handle(), 0, editTop, width, std::max(0, height - editTop), TRUE);
}

void CellWindow::ShowPictureFromTopLeft() {
  imageScroll_.SetContent(picture_.Handle(), picture_.Height());
  imageScroll_.SetContentWidth(picture_.Width());
}

int CellWindow::NarrowestSaveWidth() const {
  const RECT frame = ui::Dpi::Of(Handle()).FrameAround(RECT{0, 0, saveToolbar_.DockedWidth(), 0},
                                                       static_cast<DWORD>(GetWindowLongW(Handle(), GWL_STYLE)),
                                                       static_cast<DWORD>(GetWindowLongW(Handle(), GWL_EXSTYLE)));
  return frame.right - frame.left;
}

void CellWindow::OnSize() { LayOut(); }

void CellWindow::OnGetMinMaxInfo(MINMAXINFO& limits) {
  // The window takes the size of its picture, however small or large: the
  // system's limits (its smallest captioned window, the screen) must not
  // get in the way. Only the save page's toolbar sets a least width, so
  // that none of its commands is ever cut off.
  limits.ptMinTrackSize = {page_ == Page::Save ? NarrowestSaveWidth() : 0, 0};
  limits.ptMaxTrackSize = {kLargestWindowSide, kLargestWindowSide};
}

std::optional<std::wstring> CellWindow::AskForFile(const ui::FileDialogRequest& request) {
  return fileDialog_(Handle(), request);
}

void CellWindow::OnSaveImageClick() {
  const picture::Picture& picture = picture_.GetPicture();
  // An empty cell would give a file no program can open; say so before
  // asking for a name.
  if (picture.IsEmpty()) {
    ui::Inform(Handle(), kNothingToSave);
    return;
  }
  const PictureFileType type = FileTypeOf(picture);
  const std::wstring pattern = type.pattern;
  const std::optional<std::wstring> path =
      AskForFile({ui::FileDialogRequest::Kind::Save, type.filterName, pattern, type.extension, pattern});
  if (!path) return;
  WriteUserFile(*path, PictureFileBytes(picture));
}

void CellWindow::OnCopyBackClick() {
  // Emptying the clipboard for nothing would throw away what is on it.
  if (picture_.GetPicture().IsEmpty()) {
    ui::Inform(Handle(), kNothingToCopy);
    return;
  }
  CopyPictureToClipboard(Handle(), picture_.GetPicture());
}

void CellWindow::OnNewClick() { memo_.Clear(); }

void CellWindow::OnOpenClick() {
  const std::optional<std::wstring> path =
      AskForFile({ui::FileDialogRequest::Kind::Open, L"TXT", L"*.txt", L"txt", L""});
  if (!path) return;
  // Read and decode completely before the memo changes: a failure leaves it as it was.
  Utf16 text = DecodeTextFile(ReadUserFile(*path), &settings::DecodeAnsi);
  // The memo would end the text at its first NUL, and a save would then
  // write the file back short without a word.
  const size_t nuls = ReplaceNulCharacters(text);
  if (!memo_.TrySetText(ToWide(text))) throw ui::UserError(ui::kNotEnoughMemory);
  if (nuls > 0) ui::Inform(Handle(), kNulsReplaced);
}

void CellWindow::OnSaveTextClick() {
  const std::optional<std::wstring> path =
      AskForFile({ui::FileDialogRequest::Kind::Save, L"TXT", L"*.txt", L"txt", L"*.txt"});
  if (!path) return;
  WriteUserFile(*path, EncodeTextFile(ToUtf16(memo_.Text()), &settings::EncodeAnsi));
}

void CellWindow::OnCutClick() { SendMessageW(memo_.Handle(), WM_CUT, 0, 0); }
void CellWindow::OnCopyClick() { SendMessageW(memo_.Handle(), WM_COPY, 0, 0); }
void CellWindow::OnPasteClick() { SendMessageW(memo_.Handle(), WM_PASTE, 0, 0); }

void CellWindow::OnPictureDoubleClick() { Hide(); }

void CellWindow::OnCommand(int command, int code) {
  if (code != BN_CLICKED) return;
  switch (command) {
    case kSaveImageCommand: OnSaveImageClick(); break;
    case kCopyBackCommand: OnCopyBackClick(); break;
    case kSetWallpaperCommand: OnSetWallpaperClick(); break;
    case kWallpaperOptionsCommand: OnWallpaperOptionsClick(); break;
    case kNoWallpaperCommand: OnNoWallpaperClick(); break;
    case kNewCommand: OnNewClick(); break;
    case kOpenCommand: OnOpenClick(); break;
    case kSaveTextCommand: OnSaveTextClick(); break;
    case kCutCommand: OnCutClick(); break;
    case kCopyCommand: OnCopyClick(); break;
    case kPasteCommand: OnPasteClick(); break;
    default: break;
  }
}

void CellWindow::OnShowWindow(bool shown) {
  // The picture is drawn whole on every paint while the window is up; once
  // it is hidden, only the packed form is kept.
  if (shown) {
    picture_.GetPicture().HoldUnpacked();
  } else {
    picture_.GetPicture().ReleaseUnpacked();
  }
}

LRESULT CellWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE: OnSize(); return 0;
    case WM_SHOWWINDOW: OnShowWindow(wParam != FALSE); return ToolWindow::HandleMessage(message, wParam, lParam);
    case WM_GETMINMAXINFO: OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam)); return 0;
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    default: return ToolWindow::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace tools
