// A window class that writes no destructor still hears its own WM_DESTROY:
// the application destroys its forms' windows while the form objects, and
// the controls they hold, are whole.
#include <gtest/gtest.h>

#include <new>
#include <string>
#include <utility>
#include <vector>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/panel.h"
#include "win32/clipboard_support.h"

namespace {

using Log = std::vector<std::wstring>;

// A control of a form.
class Part : public ui::Panel {
 public:
  Part(Log& log, std::wstring owner) : log_(log), owner_(std::move(owner)) {}

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_DESTROY) log_.push_back(owner_ + L" control");
    return Panel::HandleMessage(message, wParam, lParam);
  }

 private:
  Log& log_;
  std::wstring owner_;
};

// Marks the moment an object is deleted.
struct Deletion {
  Log& log;
  std::wstring name;
  ~Deletion() { log.push_back(name + L" deleted"); }
};

class Sheet : public ui::Form {
 public:
  Sheet(ui::Application& application, Log& log, std::wstring name)
      : Form(application), log_(log), name_(std::move(name)), deletion_{log, name_} {
    ui::FormParams params;
    params.className = L"KestrelTestLifetimeSheet";
    params.clientWidth = 120;
    params.clientHeight = 80;
    CreateForm(params);
    part_.Create(Handle(), 0, 0, 40, 20);
  }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_DESTROY) log_.push_back(name_ + L" form");
    return Form::HandleMessage(message, wParam, lParam);
  }

 private:
  Log& log_;
  std::wstring name_;
  Deletion deletion_;
  Part part_{log_, name_};
};

TEST(WindowLifetime, FormsAndTheirControlsHearTheirOwnDestroyBeforeAnyObjectGoes) {
  Log log;
  {
    ui::Application application{L"Kestrel Lifetime Test"};
    application.CreateForm<Sheet>(log, L"first");
    application.CreateForm<Sheet>(log, L"second");
  }
  EXPECT_EQ(log, (Log{L"second form", L"second control", L"first form", L"first control", L"second deleted",
                      L"first deleted"}));
}

// An action that runs short of memory on the way.
class Greedy : public ui::Panel {
 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_APP) throw std::bad_alloc();
    return Panel::HandleMessage(message, wParam, lParam);
  }
};

TEST(WindowLifetime, AnActionShortOfMemoryIsReportedInWordsTheUserReads) {
  test::MessageBoxRecorder boxes;
  ui::Application application{L"Kestrel Lifetime Test"};
  ui::WindowPtr<Greedy> greedy = ui::MakeWindow<Greedy>();
  greedy->Create(application.Window(), 0, 0, 10, 10);
  SendMessageW(greedy->Handle(), WM_APP, 0, 0);
  EXPECT_EQ(boxes.Texts(), std::vector<std::wstring>{L"There is not enough memory to complete this action."});
}

}  // namespace
