#include "ui/control.h"

#include "ui/dpi.h"
#include "ui/form.h"
#include "ui/window.h"

namespace ui {

namespace {
// The window property that leads from a control's window to its object.
constexpr wchar_t kObjectProperty[] = L"Kestrel.Control";
}  // namespace

Control::~Control() {
  // A window its parent took along is gone already, and its handle may have
  // passed to another window since.
  if (FromHandle(window_.get()) != this) return;
  RemovePropW(window_.get(), kObjectProperty);
  ForgetDesignBounds(window_.get());
}

Control* Control::FromHandle(HWND window) {
  return window ? static_cast<Control*>(GetPropW(window, kObjectProperty)) : nullptr;
}

void Control::CreateControl(const WindowParams& params) {
  const RECT place = DevicePlacement(params);
  HWND window = CreateWindowExW(params.exStyle, params.className, params.caption.c_str(), params.style, place.left,
                                place.top, place.right, place.bottom, params.parent,
                                reinterpret_cast<HMENU>(params.childId), GetModuleHandleW(nullptr), nullptr);
  if (!window) throw UserError(L"Could not create a control of class " + std::wstring(params.className) + L".");
  window_.reset(window);
  SetPropW(window, kObjectProperty, this);
  KeepDesignPlacement(window, params);
  SetFont(DefaultGuiFont(window));
}

void Control::SetEnabled(bool enabled) {
  if (IsEnabled() != enabled) EnableWindow(window_.get(), enabled ? TRUE : FALSE);
}

void Control::SetText(const std::wstring& text) { SetWindowTextW(window_.get(), text.c_str()); }

std::wstring Control::Text() const {
  const int length = GetWindowTextLengthW(window_.get());
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window_.get(), text.data(), length + 1)));
  return text;
}

HFONT DefaultGuiFont(HWND window) {
  if (Form* form = Form::FromHandle(GetAncestor(window, GA_ROOT))) return form->Fonts().GuiFont(Dpi::Of(window));
  return SystemGuiFont();
}

unique_hfont MakeFont(Dpi dpi, const wchar_t* face, int characterHeight, int weight) {
  LOGFONTW font{};
  font.lfHeight = -dpi.Scale(characterHeight);
  font.lfWeight = weight;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
  return unique_hfont(CreateFontIndirectW(&font));
}

}  // namespace ui
