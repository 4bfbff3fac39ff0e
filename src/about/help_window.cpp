#include "about/help_window.h"

#include <algorithm>
#include <string_view>

#include "core/window_classes.h"

namespace about {

namespace {

constexpr int kClientWidth = 640;
constexpr int kClientHeight = 440;
constexpr int kMargin = 8;
constexpr int kListWidth = 200;
constexpr wchar_t kCaption[] = L"Kestrel 99 Help";
constexpr wchar_t kMissingHelp[] = L"The help file %s is missing from this copy of Kestrel 99.";

// The help file as the program carries it; empty when it is not there.
std::string_view HelpSource(const std::wstring& helpFile) {
  HRSRC resource = FindResourceW(nullptr, helpFile.c_str(), RT_RCDATA);
  HGLOBAL loaded = resource ? LoadResource(nullptr, resource) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return {static_cast<const char*>(data), SizeofResource(nullptr, resource)};
}

}  // namespace

HelpWindow::HelpWindow(ui::Application& application, const std::wstring& helpFile) : Form(application) {
  ui::FormParams params;
  params.className = core::kHelpWindowClass;
  params.caption = kCaption;
  params.style = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  params.clientWidth = kClientWidth;
  params.clientHeight = kClientHeight;
  CreateForm(params);

  topics_ = ParseHelp(HelpSource(helpFile));
  if (topics_.empty()) {
    std::wstring text(kMissingHelp);
    text.replace(text.find(L"%s"), 2, helpFile);
    topics_.push_back({L"Contents", text});
  }
  topicList_.Create(Handle(), kTopicListId, 0, 0, 0, 0);
  topicText_.Create(Handle(), kTopicTextId, 0, 0, 0, 0,
                    {.border = true, .scrollBars = true, .wordWrap = true, .readOnly = true});
  for (HWND control : {topicList_.Handle(), topicText_.Handle()})
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(ui::DefaultGuiFont(Handle())), TRUE);
  // The text is read-only, yet it should read like a page, not like a
  // disabled field.
  topicText_.SetSystemColours(COLOR_WINDOWTEXT, COLOR_WINDOW);
  for (const HelpTopic& topic : topics_) topicList_.Add(topic.title);
  LayOut();
}

void HelpWindow::ShowContents() {
  ShowTopic(0);
  Show();
}

void HelpWindow::ShowTopic(int index) {
  index = std::clamp(index, 0, static_cast<int>(topics_.size()) - 1);
  topicList_.Select(index);
  topicText_.SetText(topics_[static_cast<std::size_t>(index)].body);
}

void HelpWindow::LayOut() {
  RECT client{};
  GetClientRect(Handle(), &client);
  const ui::Dpi dpi = ui::Dpi::Of(Handle());
  const int margin = dpi.Scale(kMargin);
  const int listWidth = dpi.Scale(kListWidth);
  const int height = std::max(0, static_cast<int>(client.bottom) - 2 * margin);
  const int textLeft = 2 * margin + listWidth;
  MoveWindow(topicList_.Handle(), margin, margin, listWidth, height, TRUE);
  MoveWindow(topicText_.Handle(), textLeft, margin, std::max(0, static_cast<int>(client.right) - textLeft - margin),
             height, TRUE);
}

void HelpWindow::OnCommand(int id, int code) {
  if (id == kTopicListId && code == LBN_SELCHANGE) ShowTopic(topicList_.Selection());
}

LRESULT HelpWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE: LayOut(); return 0;
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    default: return Form::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace about
