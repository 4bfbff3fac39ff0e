// The windows laid out in a real session at 150 % (144 DPI): every 96 DPI
// layout number comes out half as large again, the fonts are made for the
// scale, and each caption still fits its control in the control's own font.
// Then the main window is told it moved to a 200 % monitor and must lay
// itself out once more.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/program_title.h"
#include "history/cell_grid.h"
#include "history/main_window.h"
#include "history/main_window_layout.h"
#include "settings/option_file.h"
#include "settings/option_table.h"
#include "settings/options_dialog.h"
#include "settings/options_layout.h"
#include "ui/application.h"
#include "ui/dpi.h"
#include "ui/handles.h"

namespace {

constexpr int kTestDpi = 144;
constexpr int kMovedDpi = 192;
// Text widths do not scale exactly with the font: a caption may take this
// much more of its control, in percent, than it does at 96 DPI.
constexpr int kWidthSlackPercent = 5;

SIZE SizeOf(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

HFONT FontOf(HWND control) { return reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)); }

// The caption's width in `font` (by default the control's own), mnemonic
// ampersands left out.
int CaptionWidth(HWND control, HFONT font = nullptr) {
  wchar_t text[256] = L"";
  GetWindowTextW(control, text, 256);
  std::wstring caption;
  for (const wchar_t* c = text; *c; ++c)
    if (*c != L'&') caption += *c;
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, font ? font : FontOf(control));
  SIZE size{};
  GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return size.cx;
}

// The control's font as it is at 96 DPI.
ui::unique_hfont FontAt96(HWND control, ui::Dpi dpi) {
  LOGFONTW font{};
  GetObjectW(FontOf(control), sizeof(font), &font);
  font.lfHeight = MulDiv(font.lfHeight, ui::kBaseDpi, dpi.Value());
  font.lfWidth = 0;
  return ui::unique_hfont(CreateFontIndirectW(&font));
}

// The caption takes no more of its control than at 96 DPI, where the layout
// was made for it: neither the font nor the control was left unscaled.
void ExpectCaptionFitsAsAt96(HWND control, int width96, ui::Dpi dpi, const wchar_t* what) {
  const int now = CaptionWidth(control) * 100 / SizeOf(control).cx;
  const int at96 = CaptionWidth(control, FontAt96(control, dpi).get()) * 100 / width96;
  EXPECT_LE(now, at96 + kWidthSlackPercent) << "caption " << testing::PrintToString(std::wstring(what));
}

BOOL CALLBACK MatchId(HWND child, LPARAM search) {
  auto& [id, found] = *reinterpret_cast<std::pair<int, HWND>*>(search);
  if (GetDlgCtrlID(child) != id) return TRUE;
  found = child;
  return FALSE;
}

// The control with the id anywhere below `root`.
HWND Descendant(HWND root, int id) {
  std::pair<int, HWND> search{id, nullptr};
  EnumChildWindows(root, &MatchId, reinterpret_cast<LPARAM>(&search));
  return search.second;
}

int FontHeight(HWND control) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
  return font.lfHeight;
}

void ExpectScaled(HWND control, int width96, int height96, ui::Dpi dpi, const char* what) {
  const SIZE size = SizeOf(control);
  EXPECT_EQ(size.cx, dpi.Scale(width96)) << what << " width at " << dpi.Value();
  EXPECT_EQ(size.cy, dpi.Scale(height96)) << what << " height at " << dpi.Value();
}

class LayoutAt150Test : public testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(ui::Dpi::System().Value(), kTestDpi) << "the session did not take 144 DPI"; }

  ui::Application application{app::ProgramTitle()};
  settings::Settings settings;
};

TEST_F(LayoutAt150Test, MainWindowScalesItsLayoutAndFontsAndLaysOutAgainOnAnotherMonitor) {
  auto form = ui::MakeWindow<history::MainWindow>(application, settings);
  HWND window = form->Handle();
  const ui::Dpi dpi = ui::Dpi::Of(window);
  ASSERT_EQ(dpi.Value(), kTestDpi) << "the program must be per-monitor aware";
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 840);
  EXPECT_EQ(client.bottom, 417);

  const ui::Dpi moved(kMovedDpi);
  for (const ui::Dpi scale : {dpi, moved}) {
    SCOPED_TRACE(scale.Value());
    ExpectScaled(GetDlgItem(window, history::kImageGaugeId), history::kGaugeWidth, history::kGaugeHeight, scale,
                 "gauge");
    ExpectScaled(GetDlgItem(window, history::kClockId), history::kClockWidth, history::kClockHeight, scale, "clock");
    HWND memo = Descendant(window, history::kTextCellIdBase + 1);
    ExpectScaled(memo, history::kContentWidth, history::kContentHeight, scale, "text cell");
    for (const history::CommandButtonLayout& layout : history::kCommandButtons) {
      HWND button = GetDlgItem(window, layout.id);
      ExpectScaled(button, layout.bounds.width, layout.bounds.height, scale, "button");
      ExpectCaptionFitsAsAt96(button, layout.bounds.width, scale, layout.designCaption);
    }
    EXPECT_EQ(FontHeight(GetDlgItem(window, history::kExitButtonId)), -scale.Scale(11));
    EXPECT_EQ(FontHeight(GetDlgItem(window, history::kHideButtonId)), -scale.Scale(history::kHideButtonFontHeight));
    EXPECT_EQ(FontHeight(memo), -scale.Scale(11));
    if (scale == moved) break;
    // The system's word that the window now lies on a 200 % monitor.
    RECT suggested{};
    GetWindowRect(window, &suggested);
    const RECT frame = moved.FrameAround(moved.Scale(RECT{0, 0, history::kMainWindowClientWidth,
                                                          history::kMainWindowClientHeight}),
                                         static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)),
                                         static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
    suggested.right = suggested.left + frame.right - frame.left;
    suggested.bottom = suggested.top + frame.bottom - frame.top;
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(kMovedDpi, kMovedDpi), reinterpret_cast<LPARAM>(&suggested));
  }
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, moved.Scale(history::kMainWindowClientWidth));
}

TEST_F(LayoutAt150Test, OptionCaptionsFitBesideTheirBoxesInTheirOwnFont) {
  settings::OptionFile optionFile(settings);
  auto dialog = ui::MakeWindow<settings::OptionsDialog>(application, settings, optionFile,
                                                        settings::OptionsDialog::Actions{});
  const ui::Dpi dpi = ui::Dpi::Of(dialog->Handle());
  RECT client{};
  GetClientRect(dialog->Handle(), &client);
  EXPECT_EQ(client.right, dpi.Scale(settings::kOptionsClientWidth));
  EXPECT_EQ(client.bottom, dpi.Scale(settings::kOptionsClientHeight));
  const int box = dpi.Metric(SM_CXMENUCHECK);
  for (const settings::OptionRow& row : settings::kOptions) {
    HWND toggle = Descendant(dialog->Handle(), row.controlId);
    ExpectScaled(toggle, settings::kOptionWidth, settings::kOptionHeight, dpi, "option");
    EXPECT_LE(CaptionWidth(toggle) + box, SizeOf(toggle).cx) << testing::PrintToString(std::wstring(row.dialogCaption));
    ExpectCaptionFitsAsAt96(toggle, settings::kOptionWidth, dpi, row.dialogCaption);
    EXPECT_EQ(FontHeight(toggle), -dpi.Scale(11));
  }
  HWND label = Descendant(dialog->Handle(), settings::kWallpaperLabelId);
  EXPECT_LE(CaptionWidth(label), SizeOf(label).cx);
  ExpectCaptionFitsAsAt96(label, settings::kOptionWidth, dpi, L"wallpaper folder");
  EXPECT_EQ(FontHeight(label), -dpi.Scale(11));
}

}  // namespace
