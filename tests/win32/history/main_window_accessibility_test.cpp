// The main window as a screen reader reads it: every question goes through
// AccessibleObjectFromWindow and IAccessible, as a screen reader asks. And
// its grids under high contrast, drawn in the scheme's colours.
#include <oleacc.h>

#include "win32/history/main_window_fixture.h"

namespace history {
namespace {

using settings::Option;

class Accessible {
 public:
  explicit Accessible(HWND window) {
    void* object = nullptr;
    if (SUCCEEDED(AccessibleObjectFromWindow(window, OBJID_CLIENT, IID_IAccessible, &object))) {
      object_ = static_cast<IAccessible*>(object);
    }
  }
  ~Accessible() {
    if (object_) object_->Release();
  }
  Accessible(const Accessible&) = delete;
  Accessible& operator=(const Accessible&) = delete;

  bool Found() const { return object_ != nullptr; }
  std::wstring Name(long child = CHILDID_SELF) const { return Text(&IAccessible::get_accName, child); }
  std::wstring Value(long child = CHILDID_SELF) const { return Text(&IAccessible::get_accValue, child); }
  long Role(long child = CHILDID_SELF) const { return Number(&IAccessible::get_accRole, child); }
  long State(long child = CHILDID_SELF) const { return Number(&IAccessible::get_accState, child); }
  long ChildCount() const {
    long count = -1;
    object_->get_accChildCount(&count);
    return count;
  }
  bool Select(long child) const {
    VARIANT id;
    VariantInit(&id);
    id.vt = VT_I4;
    id.lVal = child;
    return SUCCEEDED(object_->accSelect(SELFLAG_TAKESELECTION, id));
  }
  long Selection() const {
    VARIANT selected;
    VariantInit(&selected);
    object_->get_accSelection(&selected);
    return selected.vt == VT_I4 ? selected.lVal : -1;
  }

 private:
  static VARIANT Child(long id) {
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = id;
    return child;
  }
  std::wstring Text(HRESULT (STDMETHODCALLTYPE IAccessible::*question)(VARIANT, BSTR*), long child) const {
    BSTR text = nullptr;
    if (FAILED((object_->*question)(Child(child), &text)) || !text) return L"<none>";
    std::wstring result(text, SysStringLen(text));
    SysFreeString(text);
    return result;
  }
  long Number(HRESULT (STDMETHODCALLTYPE IAccessible::*question)(VARIANT, VARIANT*), long child) const {
    VARIANT answer;
    VariantInit(&answer);
    if (FAILED((object_->*question)(Child(child), &answer)) || answer.vt != VT_I4) return -1;
    return answer.lVal;
  }

  IAccessible* object_ = nullptr;
};

class MainWindowAccessibilityTest : public MainWindowFixture {
 protected:
  HWND Control(int id) const { return GetDlgItem(form->Handle(), id); }
};

TEST_F(MainWindowAccessibilityTest, PictureOnlyButtonsKeepTheirNames) {
  settings.Set(Option::OnlyBitmapsOnButtons, true);
  form->ApplyButtonCaptions(true);
  ASSERT_EQ(ui::WindowText(Control(kDeleteButtonId)), L"");

  const Accessible remove(Control(kDeleteButtonId));
  ASSERT_TRUE(remove.Found());
  EXPECT_EQ(remove.Name(), L"Delete");
  EXPECT_EQ(remove.Role(), ROLE_SYSTEM_PUSHBUTTON);
  EXPECT_TRUE(remove.State() & STATE_SYSTEM_UNAVAILABLE) << "nothing to delete yet";
  EXPECT_EQ(Accessible(Control(kDeleteAllButtonId)).Name(), L"Delete All");
  EXPECT_EQ(Accessible(Control(kSaveEditButtonId)).Name(), L"Save") << "what the button does on the Images page";

  ASSERT_TRUE(CopyBitmap(kRed) && Counted(CellKind::Image, 1));
  EXPECT_FALSE(Accessible(Control(kDeleteButtonId)).State() & STATE_SYSTEM_UNAVAILABLE);
  const Accessible gauge(Control(kImageGaugeId));
  EXPECT_EQ(gauge.Name(), L"Pictures held");
  EXPECT_EQ(gauge.Value(), L"1 of 55");
}

TEST_F(MainWindowAccessibilityTest, CellsAreNamedListItemsOfTheirGrid) {
  ASSERT_TRUE(CopyBitmap(kRed, 320, 240) && Counted(CellKind::Image, 1));
  ASSERT_TRUE(CopyText(L"  first line \r\nsecond line") && Counted(CellKind::Text, 1));

  const Accessible pictures(ImageGrid());
  ASSERT_TRUE(pictures.Found());
  EXPECT_EQ(pictures.Name(), L"Pictures");
  EXPECT_EQ(pictures.ChildCount(), kCellCount);
  EXPECT_EQ(pictures.Name(1), L"Picture 1, 320 by 240");
  EXPECT_EQ(pictures.Role(1), ROLE_SYSTEM_LISTITEM);
  EXPECT_TRUE(pictures.State(1) & STATE_SYSTEM_SELECTED);
  EXPECT_EQ(pictures.Name(2), L"Picture 2, empty");
  EXPECT_FALSE(pictures.State(2) & STATE_SYSTEM_SELECTED);

  ClickImageCell(2);
  EXPECT_EQ(pictures.Selection(), 2) << "an object already handed out follows the selection";
  EXPECT_TRUE(pictures.State(2) & STATE_SYSTEM_SELECTED);
  EXPECT_FALSE(pictures.State(1) & STATE_SYSTEM_SELECTED);
  ASSERT_TRUE(pictures.Select(3));
  EXPECT_EQ(form->Store().SelectedCell(CellKind::Image), 3) << "selecting through the reader is a click";
  EXPECT_FALSE(pictures.State(1) & STATE_SYSTEM_OFFSCREEN);
  EXPECT_TRUE(pictures.State(kCellCount) & STATE_SYSTEM_OFFSCREEN) << "the last row is scrolled away";

  const Accessible texts(GetParent(form->TextCellHandle(1)));
  EXPECT_EQ(texts.Name(), L"Texts");
  EXPECT_EQ(texts.Name(1), L"Text 1: first line");
  EXPECT_EQ(Accessible(form->TextCellHandle(1)).Name(), L"Text 1: first line") << "the memo itself, when focused";
}

// Under high contrast the selection shows in the highlight colour and the
// cells in the window colour; turned off again, the designed colours return.
TEST_F(MainWindowAccessibilityTest, HighContrastDrawsTheGridInTheSchemeColours) {
  const core::Rect first = FrameRect(1);
  const core::Rect second = FrameRect(2);
  auto bandColours = [&] {
    ui::WindowDC screen(nullptr);
    ui::unique_hdc canvas(CreateCompatibleDC(screen.get()));
    ui::unique_hbitmap bitmap(CreateCompatibleBitmap(screen.get(), kPanelWidth, kPanelHeight));
    ui::SelectGuard select(canvas.get(), bitmap.get());
    SendMessageW(ImageGrid(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.get()), PRF_CLIENT);
    return std::pair(GetPixel(canvas.get(), first.left + 2, first.top + 2),
                     GetPixel(canvas.get(), second.left + 2, second.top + 2));
  };
  auto memoBackground = [&] {
    ui::WindowDC dc(form->TextCellHandle(1));
    SendMessageW(GetParent(form->TextCellHandle(1)), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.get()),
                 reinterpret_cast<LPARAM>(form->TextCellHandle(1)));
    return GetBkColor(dc.get());
  };
  const auto designed = std::pair(kSelectionFrameColour, GetSysColor(COLOR_BTNFACE));
  ASSERT_EQ(bandColours(), designed);

  form->ApplyContrast(ui::HighContrast(true));
  EXPECT_EQ(bandColours(), std::pair(GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_WINDOW)));
  EXPECT_EQ(memoBackground(), GetSysColor(COLOR_WINDOW));

  form->ApplyContrast(ui::HighContrast(false));
  EXPECT_EQ(bandColours(), designed);
  EXPECT_EQ(memoBackground(), GetSysColor(COLOR_BTNFACE));
}

}  // namespace
}  // namespace history
