#include "settings/options_dialog.h"

#include <string>
#include <vector>

#include "core/window_classes.h"
#include "resource_ids.h"

namespace settings {

namespace {

// The check boxes, the radio buttons and the folder label are set in a
// heavy face. Asking for its weight keeps a stand-in face heavy too.
constexpr wchar_t kHeavyFontFace[] = L"Arial Black";
constexpr int kHeavyFontHeight = 11;
// The longest hints take three lines of the small sans-serif.
constexpr wchar_t kHintFontFace[] = L"MS Sans Serif";
constexpr int kHintFontHeight = 11;

constexpr std::array<int, kOptionsPageCount> kPagePictures{IDI_PAGE_PREFERENCES, IDI_PAGE_CONFIRMATION,
                                                          IDI_PAGE_WALLPAPER, IDI_PAGE_QUICK_PASTE};

}  // namespace

OptionsDialog::OptionsDialog(ui::Application& application, settings::Settings& settings, OptionFile& optionFile,
                             Actions actions)
    : Form(application), settings_(settings), actions_(std::move(actions)) {
  ui::FormParams params;
  params.className = core::kOptionsDialogClass;
  params.caption = kOptionsCaption;
  params.style = WS_CAPTION | DS_MODALFRAME;
  params.exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  params.clientWidth = kOptionsClientWidth;
  params.clientHeight = kOptionsClientHeight;
  CreateForm(params);
  CreatePages();
  optionFile.Attach(*this);
}

void OptionsDialog::MakeFonts(ui::Dpi dpi) {
  heavyFont_ = ui::MakeFont(dpi, kHeavyFontFace, kHeavyFontHeight, FW_BLACK);
  hintFont_ = ui::MakeFont(dpi, kHintFontFace, kHintFontHeight);
}

void OptionsDialog::OnDpiChanged(ui::Dpi dpi) {
  MakeFonts(dpi);
  for (ui::ToggleButton& button : options_) button.SetFont(heavyFont_.get());
  wallpaperLabel_.SetFont(heavyFont_.get());
  for (PageFrame& frame : pages_) frame.hint.SetFont(hintFont_.get());
}

void OptionsDialog::CreatePages() {
  MakeFonts(ui::Dpi::Of(Handle()));
  const std::vector<std::wstring> captions(kOptionsPageCaptions.begin(), kOptionsPageCaptions.end());
  notebook_.Create(Handle(), 0, 0, kOptionsClientWidth, kOptionsNotebookHeight, captions);
  for (int page = 0; page < kOptionsPageCount; ++page) CreatePageFrame(page, kPagePictures[static_cast<size_t>(page)]);
  CreateOptionControls();
  CreateWallpaperFolder();
  CreateQuickPasteKey();
  CreateOkButton();
  RefreshControls();
}

void OptionsDialog::CreatePageFrame(int page, int pictureId) {
  const SIZE area = notebook_.PageDesignSize();
  const int width = area.cx;
  const int height = area.cy;
  PageFrame& frame = pages_[static_cast<size_t>(page)];
  // The page's controls live on the background, so the mouse reaches the
  // background exactly where no control is.
  frame.background.Create(notebook_.Page(page), 0, 0, width, height);
  hints_.Watch(frame.background.Handle(), [this, page] { ShowHint(page, L""); });
  frame.picture.Create(frame.background.Handle(), width - kPagePictureSide - kPagePictureMargin, kPagePictureMargin,
                       kPagePictureSide, pictureId);
  const int hintLeft = (width - kHintAreaWidth) / 2;
  const int hintTop = height - kHintAreaHeight - kHintAreaBottomMargin;
  frame.hintArea.Create(frame.background.Handle(), hintLeft, hintTop, kHintAreaWidth, kHintAreaHeight,
                        ui::Bevel::Lowered);
  frame.hint.Create(frame.hintArea.Handle(), kHintLabelIdBase + page, kHintPaddingX, kHintPaddingY,
                    kHintAreaWidth - 2 * kHintPaddingX, kHintAreaHeight - 2 * kHintPaddingY, ui::LabelAlignment::Left);
  frame.hint.SetFont(hintFont_.get());
  frame.hint.SetTransparent(true);
}

void OptionsDialog::CreateOptionControls() {
  for (size_t i = 0; i < kOptions.size(); ++i) {
    const OptionRow& row = kOptions[i];
    ui::ToggleButton& button = options_[i];
    const ui::ToggleKind kind =
        row.control == OptionControlKind::CheckBox ? ui::ToggleKind::CheckBox : ui::ToggleKind::RadioButton;
    button.Create(PageBackground(row.page), kind, row.controlId, kOptionLeft, kOptionPlaces[i].top, kOptionWidth,
                  kOptionHeight, row.dialogCaption);
    button.SetFont(heavyFont_.get());
    hints_.Watch(button.Handle(), [this, &row] { ShowHint(row.page, row.hint); });
  }
}

// The heavy caption above a field of a page.
void OptionsDialog::CreateFieldLabel(ui::Label& label, HWND page, int id, int top, const wchar_t* caption) {
  label.Create(page, id, kOptionLeft, top, kOptionWidth, kWallpaperLabelHeight, ui::LabelAlignment::Left, false);
  label.SetText(caption);
  label.SetFont(heavyFont_.get());
}

void OptionsDialog::CreateWallpaperFolder() {
  const DirectoryRow& row = kWallpaperDirectoryRow;
  const HWND page = PageBackground(row.page);
  CreateFieldLabel(wallpaperLabel_, page, kWallpaperLabelId, kWallpaperLabelTop, row.dialogCaption);
  wallpaperDirectory_.Create(page, row.controlId, kOptionLeft, kWallpaperDirectoryTop, kWallpaperDirectoryWidth,
                             kFieldHeight, true);
  hints_.Watch(wallpaperDirectory_.Handle(), [this, &row] { ShowHint(row.page, row.hint); });
  browseButton_.Create(page, kBrowseButtonId, kBrowseButtonLeft, kWallpaperDirectoryTop, kBrowseButtonSide,
                       kBrowseButtonSide, L"");
  browseButton_.LoadGlyph(IDB_GLYPH_BROWSE);
  browseButton_.SetAccessibleName(kBrowseName);
  hints_.Watch(browseButton_.Handle(), [this, &row] { ShowHint(row.page, kBrowseHint); });
}

void OptionsDialog::CreateQuickPasteKey() {
  const HotKeyRow& row = kQuickPasteKeyRow;
  const HWND page = PageBackground(row.page);
  CreateFieldLabel(quickPasteKeyLabel_, page, kQuickPasteKeyLabelId, kQuickPasteKeyLabelTop, row.dialogCaption);
  quickPasteKey_.Create(page, row.controlId, kOptionLeft, kQuickPasteKeyTop, kQuickPasteKeyWidth, kFieldHeight);
  hints_.Watch(quickPasteKey_.Handle(), [this, &row] { ShowHint(row.page, row.hint); });
}

void OptionsDialog::CreateOkButton() {
  const int left = kOptionsClientWidth - kOkButtonWidth - kOkButtonRightMargin;
  const int top = kOptionsNotebookHeight + (kOptionsClientHeight - kOptionsNotebookHeight - kOkButtonHeight) / 2;
  okButton_.Create(Handle(), kOkButtonId, left, top, kOkButtonWidth, kOkButtonHeight, kOkCaption);
  okButton_.LoadGlyph(IDB_GLYPH_OK);
  SetDefaultButton(kOkButtonId);
}

void OptionsDialog::RefreshControls() {
  for (size_t i = 0; i < kOptions.size(); ++i) options_[i].SetChecked(settings_.IsOn(kOptions[i].option));
  const std::wstring directory = settings_.WallpaperDirectory();
  if (wallpaperDirectory_.Text() != directory) wallpaperDirectory_.SetText(directory);
  if (!IsVisible()) ShowQuickPasteKey();
}

void OptionsDialog::ShowQuickPasteKey() { quickPasteKey_.SetHotKey(settings_.QuickPasteKey()); }

// Each showing starts from the stored key, whatever was pressed in the field
// the last time the dialog was put away without "&OK". (A dialog that only
// comes back with its owner is no new showing: lParam tells them apart.)
void OptionsDialog::OnShowWindow(bool shownAnew) {
  if (shownAnew) ShowQuickPasteKey();
}

void OptionsDialog::ShowPage(int page) { notebook_.SetPageIndex(page); }

bool OptionsDialog::OnPageKey(bool forward) {
  notebook_.StepPage(forward ? 1 : -1);
  return true;
}

void OptionsDialog::ShowHint(int page, const wchar_t* text) {
  ui::Label& hint = pages_[static_cast<size_t>(page)].hint;
  // The mouse moves often; repainting the same text each time would flicker.
  if (hint.Text() != text) hint.SetText(text);
}

void OptionsDialog::OnOptionClick(size_t index) {
  const OptionRow& row = kOptions[index];
  // A radio button only ever switches its own style on; the Settings switch
  // its partner off.
  const bool on = row.control == OptionControlKind::RadioButton || !settings_.IsOn(row.option);
  settings_.Set(row.option, on);
  RefreshControls();
}

void OptionsDialog::OnBrowseClick() {
  if (actions_.browse) actions_.browse();
  RefreshControls();
}

void OptionsDialog::OnOkClick() {
  settings_.SetQuickPasteKey(quickPasteKey_.HotKey());
  if (actions_.applyOptions) actions_.applyOptions();
  Close();
}

void OptionsDialog::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return;
  switch (id) {
    case kOkButtonId: OnOkClick(); return;
    case kBrowseButtonId: OnBrowseClick(); return;
    default: break;
  }
  for (size_t i = 0; i < kOptions.size(); ++i) {
    if (kOptions[i].controlId == id) OnOptionClick(i);
  }
}

LRESULT OptionsDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_SHOWWINDOW: OnShowWindow(wParam != FALSE && lParam == 0); break;
    default: break;
  }
  return Form::HandleMessage(message, wParam, lParam);
}

}  // namespace settings
