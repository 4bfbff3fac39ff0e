// DirectoryPicker: the window that chooses the wallpaper directory. It is
// made once and only hidden between uses, so its tree keeps what the user
// opened and selected; nothing sets the selection when it opens. Its tree
// is filled when it first opens, and each opening brings it up to date.
#pragma once

#include <string>

#include "settings/settings.h"
#include "tools/directory_tree.h"
#include "tools/tool_window.h"
#include "ui/flat_button.h"

namespace tools {

class DirectoryPicker : public ToolWindow {
 public:
  static constexpr int kMargin = 8;
  static constexpr int kTreeWidth = 217;
  static constexpr int kTreeHeight = 257;
  static constexpr int kButtonLeft = 232;
  static constexpr int kOkTop = 8;
  static constexpr int kCancelTop = 40;
  static constexpr int kButtonWidth = 73;
  static constexpr int kButtonHeight = 25;
  static constexpr int kOkId = IDOK;
  static constexpr int kCancelId = IDCANCEL;

  DirectoryPicker(ui::Application& application, settings::Settings& settings);

  // The tree's selected directory, upper case with a trailing backslash;
  // "?" when nothing is selected.
  std::wstring SelectedDirectory() const { return tree_.SelectedDirectory(); }
  void SelectDirectory(const std::wstring& path) { tree_.SelectDirectory(path); }

  // Stores the selected directory as the wallpaper directory when its
  // drive can be entered; otherwise says so and puts the tree back on the
  // stored directory. Either way the window closes.
  void OnOkClick();
  void OnCancelClick();

  const DirectoryTree& Tree() const { return tree_; }
  DirectoryTree& Tree() { return tree_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool EnterDrive(const std::wstring& letter);
  void OnCommand(int id, int code);
  void OnShowWindow(bool shown);

  settings::Settings& settings_;
  DirectoryTree tree_;
  ui::FlatButton okButton_;
  ui::FlatButton cancelButton_;
};

}  // namespace tools
