#include "settings/option_table.h"

namespace settings {

namespace {

bool SameTextIgnoringCase(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto fold = [](wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; };
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

}  // namespace

std::wstring StoredValue(const Settings& settings, const StoredProperty& property) {
  switch (property.kind) {
    case ValueKind::Flag: return std::wstring(settings.IsOn(property.option) ? kTrueText : kFalseText);
    case ValueKind::WallpaperDirectory: return settings.WallpaperDirectory();
  }
  return {};
}

void ApplyStoredValue(Settings& settings, const StoredProperty& property, std::wstring_view text) {
  switch (property.kind) {
    case ValueKind::Flag:
      if (SameTextIgnoringCase(text, kTrueText)) settings.Set(property.option, true);
      else if (SameTextIgnoringCase(text, kFalseText)) settings.Set(property.option, false);
      return;
    case ValueKind::WallpaperDirectory: settings.SetWallpaperDirectory(std::wstring(text)); return;
  }
}

}  // namespace settings
