#include "ui/accessible_object.h"

#include <commctrl.h>

#include <algorithm>
#include <new>
#include <utility>

namespace ui {

namespace {

// Every call into the object comes from outside; nothing may throw back
// through COM.
template <typename Body>
HRESULT Guarded(Body&& body) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_FAIL;
  }
}

HRESULT ToBstr(const std::wstring& text, BSTR* out) {
  *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

void SetLong(VARIANT* out, long child) {
  VariantInit(out);
  out->vt = VT_I4;
  out->lVal = child;
}

}  // namespace

class AccessibleObject final : public IAccessible {
 public:
  AccessibleObject(HWND window, AccessibleAnswers answers) : window_(window), answers_(std::move(answers)) {
    void* standard = nullptr;
    if (SUCCEEDED(CreateStdAccessibleObject(window, OBJID_CLIENT, IID_IAccessible, &standard))) {
      standard_ = static_cast<IAccessible*>(standard);
    }
  }

  void Disconnect() {
    window_ = nullptr;
    answers_ = AccessibleAnswers{};
    if (standard_) standard_->Release();
    standard_ = nullptr;
  }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDispatch) || IsEqualIID(id, IID_IAccessible)) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
      Disconnect();
      delete this;
    }
    return static_cast<ULONG>(left);
  }

  // IDispatch: screen readers call IAccessible directly; scripting through
  // IDispatch is not offered.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (!parent) return E_POINTER;
    *parent = nullptr;
    if (!standard_) return RPC_E_DISCONNECTED;
    return standard_->get_accParent(parent);
  }

  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    if (!standard_) return RPC_E_DISCONNECTED;
    if (!answers_.childCount) return standard_->get_accChildCount(count);
    return Guarded([&] {
      *count = answers_.childCount();
      return S_OK;
    });
  }

  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!standard_) return RPC_E_DISCONNECTED;
    if (!answers_.childCount) return standard_->get_accChild(child, out);
    // Our parts are simple elements: their parent answers for them.
    return Guarded([&] { return IsPart(child) ? S_FALSE : E_INVALIDARG; });
  }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    return Text(answers_.name, &IAccessible::get_accName, child, name);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return Text(answers_.value, &IAccessible::get_accValue, child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    return Text(nullptr, &IAccessible::get_accDescription, child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override {
    return Text(nullptr, &IAccessible::get_accHelp, child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override {
    return Text(nullptr, &IAccessible::get_accKeyboardShortcut, child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* text) override {
    return Text(answers_.defaultAction, &IAccessible::get_accDefaultAction, child, text);
  }

  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    if (!file || !topic) return E_POINTER;
    *file = nullptr;
    *topic = 0;
    if (!standard_) return RPC_E_DISCONNECTED;
    if (IsPart(child)) return S_FALSE;
    return standard_->get_accHelpTopic(file, child, topic);
  }

  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    return Number(answers_.role, &IAccessible::get_accRole, child, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return Number(answers_.state, &IAccessible::get_accState, child, state);
  }

  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    return OneChild(answers_.focusedChild, &IAccessible::get_accFocus, focus);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    return OneChild(answers_.selectedChild, &IAccessible::get_accSelection, selection);
  }

  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    if (!standard_) return RPC_E_DISCONNECTED;
    if (!IsPart(child)) return standard_->accSelect(flags, child);
    if (!answers_.select) return DISP_E_MEMBERNOTFOUND;
    return Guarded([&] { return answers_.select(child.lVal, flags) ? S_OK : E_INVALIDARG; });
  }

  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
    if (!left || !top || !width || !height) return E_POINTER;
    *left = *top = *width = *height = 0;
    if (!standard_) return RPC_E_DISCONNECTED;
    if (!IsPart(child) || !answers_.childBounds) return standard_->accLocation(left, top, width, height, child);
    return Guarded([&] {
      RECT bounds = answers_.childBounds(child.lVal);
      MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&bounds), 2);
      // Mapping into a mirrored window swaps the sides.
      *left = std::min(bounds.left, bounds.right);
      *top = bounds.top;
      *width = std::max(bounds.left, bounds.right) - *left;
      *height = bounds.bottom - bounds.top;
      return S_OK;
    });
  }

  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    if (!end) return E_POINTER;
    VariantInit(end);
    if (!standard_) return RPC_E_DISCONNECTED;
    if (!answers_.childCount) return standard_->accNavigate(direction, start, end);
    return Guarded([&] { return NavigateParts(direction, start, end); });
  }

  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* hit) override {
    if (!hit) return E_POINTER;
    VariantInit(hit);
    if (!standard_) return RPC_E_DISCONNECTED;
    if (!answers_.childAt) return standard_->accHitTest(x, y, hit);
    return Guarded([&] {
      POINT point{x, y};
      RECT client{};
      ScreenToClient(window_, &point);
      GetClientRect(window_, &client);
      if (!PtInRect(&client, point)) return S_FALSE;
      SetLong(hit, answers_.childAt(point));
      return S_OK;
    });
  }

  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    if (!standard_) return RPC_E_DISCONNECTED;
    if (!answers_.doDefaultAction) return standard_->accDoDefaultAction(child);
    return Guarded([&] {
      if (!IsKnown(child)) return E_INVALIDARG;
      return answers_.doDefaultAction(child.lVal) ? S_OK : DISP_E_MEMBERNOTFOUND;
    });
  }

  // Setting a name or value is long obsolete.
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  using TextQuestion = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
  using NumberQuestion = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, VARIANT*);
  using ChildQuestion = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT*);

  long ChildCount() const { return answers_.childCount ? answers_.childCount() : 0; }
  // A part of ours (1..count), as opposed to the window itself.
  bool IsPart(const VARIANT& child) const {
    return child.vt == VT_I4 && child.lVal > CHILDID_SELF && child.lVal <= ChildCount();
  }
  bool IsKnown(const VARIANT& child) const {
    return child.vt == VT_I4 && (child.lVal == CHILDID_SELF || IsPart(child));
  }

  // Our answer where the window has one; the system's for the window
  // itself; "none" for a part we have no answer about.
  HRESULT Text(const std::function<std::optional<std::wstring>(long)>& answer, TextQuestion system, VARIANT child,
               BSTR* out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!standard_) return RPC_E_DISCONNECTED;
    return Guarded([&] {
      if (answers_.childCount && !IsKnown(child)) return E_INVALIDARG;
      std::optional<std::wstring> text = answer && child.vt == VT_I4 ? answer(child.lVal) : std::nullopt;
      if (text) return ToBstr(*text, out);
      if (IsPart(child)) return S_FALSE;
      return (standard_->*system)(child, out);
    });
  }

  HRESULT Number(const std::function<std::optional<long>(long)>& answer, NumberQuestion system, VARIANT child,
                 VARIANT* out) {
    if (!out) return E_POINTER;
    VariantInit(out);
    if (!standard_) return RPC_E_DISCONNECTED;
    return Guarded([&] {
      if (answers_.childCount && !IsKnown(child)) return E_INVALIDARG;
      std::optional<long> number = answer && child.vt == VT_I4 ? answer(child.lVal) : std::nullopt;
      if (number) {
        SetLong(out, *number);
        return S_OK;
      }
      if (IsPart(child)) return S_FALSE;
      return (standard_->*system)(child, out);
    });
  }

  HRESULT OneChild(const std::function<long()>& answer, ChildQuestion system, VARIANT* out) {
    if (!out) return E_POINTER;
    VariantInit(out);
    if (!standard_) return RPC_E_DISCONNECTED;
    if (!answer) return (standard_->*system)(out);
    return Guarded([&] {
      const long child = answer();
      if (child <= CHILDID_SELF) return (standard_->*system)(out);
      SetLong(out, child);
      return S_OK;
    });
  }

  HRESULT NavigateParts(long direction, const VARIANT& start, VARIANT* end) {
    if (!IsKnown(start)) return E_INVALIDARG;
    const long from = start.lVal;
    const long count = ChildCount();
    long to = CHILDID_SELF;
    if (from == CHILDID_SELF) {
      if (direction == NAVDIR_FIRSTCHILD) to = 1;
      if (direction == NAVDIR_LASTCHILD) to = count;
      // Moving among the window's siblings is the system's business.
      if (direction != NAVDIR_FIRSTCHILD && direction != NAVDIR_LASTCHILD) {
        return standard_->accNavigate(direction, start, end);
      }
    } else if (direction == NAVDIR_NEXT) {
      to = from + 1;
    } else if (direction == NAVDIR_PREVIOUS) {
      to = from - 1;
    }
    if (to < 1 || to > count) return S_FALSE;
    SetLong(end, to);
    return S_OK;
  }

  LONG references_ = 1;
  HWND window_;
  AccessibleAnswers answers_;
  IAccessible* standard_ = nullptr;  // the system's object for the window; one reference ours
};

void AccessibleServer::SetAnswers(AccessibleAnswers answers) {
  // An object handed out before is cut off; the next question gets a new
  // one with these answers.
  Disconnect();
  answers_ = std::move(answers);
}

std::optional<LRESULT> AccessibleServer::OnGetObject(HWND window, WPARAM wParam, LPARAM lParam) {
  if (static_cast<LONG>(lParam) != OBJID_CLIENT) return std::nullopt;
  if (!object_) object_ = new (std::nothrow) AccessibleObject(window, answers_);
  if (!object_) return std::nullopt;
  return LresultFromObject(IID_IAccessible, wParam, static_cast<IAccessible*>(object_));
}

void AccessibleServer::Disconnect() {
  if (!object_) return;
  object_->Disconnect();
  object_->Release();
  object_ = nullptr;
}

AccessibleLabel::~AccessibleLabel() { Detach(); }

void AccessibleLabel::Attach(HWND control, std::wstring name) {
  Detach();
  AccessibleAnswers answers;
  answers.name = [name = std::move(name)](long child) {
    return child == CHILDID_SELF ? std::optional<std::wstring>(name) : std::nullopt;
  };
  server_.SetAnswers(std::move(answers));
  if (SetWindowSubclass(control, &AccessibleLabel::SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this))) {
    control_ = control;
  }
}

void AccessibleLabel::Detach() {
  server_.Disconnect();
  if (control_) RemoveWindowSubclass(control_, &AccessibleLabel::SubclassProc, 0);
  control_ = nullptr;
}

LRESULT CALLBACK AccessibleLabel::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR self) {
  auto* label = reinterpret_cast<AccessibleLabel*>(self);
  if (message == WM_GETOBJECT) {
    if (std::optional<LRESULT> reply = label->server_.OnGetObject(window, wParam, lParam)) return *reply;
  } else if (message == WM_NCDESTROY) {
    label->Detach();
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

std::wstring WithoutMnemonic(const std::wstring& caption) {
  std::wstring plain;
  plain.reserve(caption.size());
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == L'&') {
      // "&&" is a plain ampersand; a single one marks the next letter.
      if (i + 1 == caption.size()) break;
      ++i;
    }
    plain += caption[i];
  }
  return plain;
}

}  // namespace ui
