#include "desktop/clipboard_view_format.h"

#include <array>

namespace desktop {

namespace {

bool HasClipboardFormat(ClipboardViewFormat format) {
  return static_cast<int>(format) >= static_cast<int>(ClipboardViewFormat::Text);
}

bool IsOffered(ClipboardViewFormat format, const FormatOffered& offered) {
  return HasClipboardFormat(format) && offered(format);
}

// The order in which a default view looks for something it can show.
constexpr std::array kDefaultOrder{
    ClipboardViewFormat::Text,      ClipboardViewFormat::OemText, ClipboardViewFormat::Bitmap,
    ClipboardViewFormat::Metafile,  ClipboardViewFormat::Palette, ClipboardViewFormat::Icon,
    ClipboardViewFormat::Component,
};

}  // namespace

ClipboardViewFormat ViewFormatAfterChange(ClipboardViewFormat current, bool clipboardEmpty,
                                          const FormatOffered& offered) {
  if (clipboardEmpty) return ClipboardViewFormat::Empty;
  return IsOffered(current, offered) ? current : ClipboardViewFormat::Default;
}

ClipboardViewFormat ViewFormatAfterSet(ClipboardViewFormat current, ClipboardViewFormat requested,
                                       const FormatOffered& offered) {
  if (requested == current) return current;
  return IsOffered(requested, offered) ? requested : ClipboardViewFormat::Default;
}

ClipboardViewFormat ChooseDisplayKind(ClipboardViewFormat viewFormat, const FormatOffered& offered) {
  ClipboardViewFormat kind = ClipboardViewFormat::Unknown;
  if (viewFormat != ClipboardViewFormat::Default) {
    kind = viewFormat;
  } else {
    for (ClipboardViewFormat candidate : kDefaultOrder) {
      if (offered(candidate)) {
        kind = candidate;
        break;
      }
    }
  }
  if (HasClipboardFormat(kind) && !offered(kind)) kind = ClipboardViewFormat::Unknown;
  return kind;
}

DisplayControl DisplayControlFor(ClipboardViewFormat kind) {
  switch (kind) {
    case ClipboardViewFormat::Bitmap:
    case ClipboardViewFormat::Metafile:
    case ClipboardViewFormat::Picture:
    case ClipboardViewFormat::Icon: return DisplayControl::Image;
    case ClipboardViewFormat::Component: return DisplayControl::Component;
    case ClipboardViewFormat::Palette: return DisplayControl::Palette;
    default: return DisplayControl::Memo;
  }
}

}  // namespace desktop
