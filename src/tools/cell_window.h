// CellWindow: the save and edit window of one cell. A picture opens on the
// "save" page (save as a file, copy back to the clipboard, the wallpaper
// commands), a text on the "edit" page, a small editor. The window works on
// copies: nothing flows back into the cells.
#pragma once

#include <optional>
#include <string>

#include "tools/tool_window.h"
#include "tools/wallpaper_commands.h"
#include "ui/accessible_object.h"
#include "ui/file_dialog.h"
#include "ui/memo.h"
#include "ui/panel.h"
#include "picture/picture.h"
#include "picture/picture_box.h"
#include "ui/scroll_box.h"
#include "ui/toolbar_dock.h"

namespace tools {

// The toolbar commands; they reach the window as WM_COMMAND / BN_CLICKED.
enum CellCommand : int {
  kSaveImageCommand = 301,
  kCopyBackCommand,
  kSetWallpaperCommand,
  kWallpaperOptionsCommand,
  kNoWallpaperCommand,
  kNewCommand,
  kOpenCommand,
  kSaveTextCommand,
  kCutCommand,
  kCopyCommand,
  kPasteCommand,
};

class CellWindow : public ToolWindow {
 public:
  enum class Page { Save, Edit };

  static constexpr int kInitialWidth = 435;
  static constexpr int kInitialHeight = 300;
  static constexpr int kInitialPictureSide = 105;
  // Room the save page's toolbar and the frame take beside the picture.
  static constexpr int kPictureHeightAllowance = 70;
  static constexpr int kSaveToolbarHeight = 37;
  static constexpr int kEditToolbarHeight = 26;
  static constexpr int kMemoId = 401;
  // The system keeps window sizes below this.
  static constexpr int kLargestWindowSide = 32767;

  CellWindow(ui::Application& application, const settings::Settings& settings);

  // Open the window on a copy of a picture or a text. A hidden window comes
  // up centred on the screen; one already showing keeps its place. A
  // picture sizes the save page, never narrower than its toolbar.
  void OpenPicture(const picture::Picture& picture);
  void OpenText(const std::wstring& text);

  void OnSaveImageClick();
  void OnCopyBackClick();
  void OnNewClick();
  void OnOpenClick();
  void OnSaveTextClick();
  void OnCutClick();
  void OnCopyClick();
  void OnPasteClick();
  void OnPictureDoubleClick();
  void OnSetWallpaperClick() { wallpaper_.OnSetWallpaperClick(picture_.GetPicture()); }
  void OnWallpaperOptionsClick() { wallpaper_.OnWallpaperOptionsClick(); }
  void OnNoWallpaperClick() { wallpaper_.OnNoWallpaperClick(); }
  WallpaperCommands& Wallpaper() { return wallpaper_; }

  Page CurrentPage() const { return page_; }
  const picture::PictureBox& PictureControl() const { return picture_; }
  const ui::ToolbarDock& SaveToolbar() const { return saveToolbar_; }
  const ui::ToolbarDock& EditToolbar() const { return editToolbar_; }
  const ui::Memo& Editor() const { return memo_; }
  ui::Memo& Editor() { return memo_; }

  // Tests answer the file dialogs themselves.
  void SetFileDialogForTesting(ui::FileDialogRunner runner);

  bool OnEscape() override {
    Close();
    return true;
  }
 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreateSavePage();
  void CreateEditPage();
  void ShowPage(Page page, const wchar_t* caption);
  void SetOuterSize(int width, int height);
  void SetInitialSize();
  void OnDpiChanged(ui::Dpi dpi) override;
  void ShowOpened();
  void LayOut();
  void ShowPictureFromTopLeft();
  // The outer width that shows the whole save toolbar.
  int NarrowestSaveWidth() const;
  void OnSize();
  void OnGetMinMaxInfo(MINMAXINFO& limits);
  void OnShowWindow(bool shown);
  void OnCommand(int command, int code);
  std::optional<std::wstring> AskForFile(const ui::FileDialogRequest& request);

  Page page_ = Page::Save;
  ui::Panel savePage_;
  ui::Panel editPage_;
  ui::ToolbarDock saveToolbar_;
  ui::ToolbarDock editToolbar_;
  ui::ScrollBox imageScroll_;
  picture::PictureBox picture_;
  ui::Memo memo_;
  ui::AccessibleLabel memoLabel_;
  ui::FileDialogRunner fileDialog_ = &ui::RunFileDialog;
  WallpaperCommands wallpaper_;
};

}  // namespace tools
