// HelpWindow: the program's help, a list of topics beside the text of the
// chosen one. A help request names the help file "Kestrel.HLP" as the
// program always has; the file travels inside the program as a resource of
// that name, so the help works wherever the program runs.
#pragma once

#include <string>
#include <vector>

#include "about/help_text.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/memo.h"

namespace about {

class HelpWindow : public ui::Form {
 public:
  static constexpr int kTopicListId = 101;
  static constexpr int kTopicTextId = 102;

  HelpWindow(ui::Application& application, const std::wstring& helpFile);

  // The contents page, brought to the front.
  void ShowContents();
  void ShowTopic(int index);
  const std::vector<HelpTopic>& Topics() const { return topics_; }

  bool OnEscape() override {
    Close();
    return true;
  }
 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void LayOut();
  void OnCommand(int id, int code);

  std::vector<HelpTopic> topics_;
  ui::ListBox topicList_;
  ui::Memo topicText_;
};

}  // namespace about
