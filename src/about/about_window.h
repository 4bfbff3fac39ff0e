// AboutWindow: the about window. Its notebook shows the program's picture
// (copied from the start-up window when it is created), a page of credit
// lines gliding across and a page that says where to write to; beside it
// "&OK" closes the window and "&Help" opens the help on its contents.
//
// The credit lines keep their pass going all the time, but only tick while
// their page can be seen, so the hidden window wakes nobody up.
#pragma once

#include <windows.h>

#include <array>
#include <functional>

#include "about/about_picture.h"
#include "about/scrolling_text.h"
#include "ui/flat_button.h"
#include "ui/form.h"
#include "ui/handles.h"
#include "ui/label.h"
#include "ui/notebook.h"

namespace about {

// The notebook's pages, in order.
inline constexpr int kPicturePage = 0;
inline constexpr int kCreditsPage = 1;
inline constexpr int kMorePage = 2;

inline constexpr int kAboutOkButtonId = 710;
inline constexpr int kAboutHelpButtonId = 711;
inline constexpr int kFeedbackLabelId = 712;

inline constexpr size_t kCreditLineCount = 10;

class AboutWindow : public ui::Form {
 public:
  AboutWindow(ui::Application& application, HBITMAP startupPicture);
  HBITMAP PictureBitmap() const { return picture_.Bitmap(); }

  // Opens the help on its contents; the program sets it.
  std::function<void()> showHelp;

  void OnOkClick();
  void OnHelpClick();
  void ShowPage(int page);
  int PageIndex() const { return notebook_.PageIndex(); }
  ScrollingText& CreditLine(size_t index) { return creditLines_.at(index); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnPageKey(bool forward) override;

 private:
  void CreateCredits();
  void MakeFonts(ui::Dpi dpi);
  void OnDpiChanged(ui::Dpi dpi) override;
  void CreateFeedback();
  void CreateButtons();
  void AddTooltip(HWND tool, const wchar_t* text);
  // The lines tick only while the window is up on their page.
  void UpdateTicking(bool windowShown);
  void OnCommand(int id, int code);
  void OnShowWindow(bool shown);

  ui::Notebook notebook_;
  AboutPicture picture_;
  ui::unique_hfont creditFont_;
  std::array<ScrollingText, kCreditLineCount> creditLines_;
  HWND tooltips_ = nullptr;  // owned by this window, destroyed with it
  ui::Label feedback_;
  ui::Label contact_;
  ui::unique_hfont contactFont_;
  ui::FlatButton okButton_;
  ui::FlatButton helpButton_;
};

}  // namespace about
