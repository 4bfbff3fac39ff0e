#include "desktop/clipboard_view_format.h"

#include <array>

namespace kestrel {

namespace {

bool HasClipboardFormat(TClipboardViewFormat format) {
  return static_cast<int>(format) >= static_cast<int>(TClipboardViewFormat::cvText);
}

bool IsOffered(TClipboardViewFormat format, const FormatOffered& offered) {
  return HasClipboardFormat(format) && offered(format);
}

// The order in which a default view looks for something it can show.
constexpr std::array kDefaultOrder{
    TClipboardViewFormat::cvText,      TClipboardViewFormat::cvOemText, TClipboardViewFormat::cvBitmap,
    TClipboardViewFormat::cvMetafile,  TClipboardViewFormat::cvPalette, TClipboardViewFormat::cvIcon,
    TClipboardViewFormat::cvComponent,
};

}  // namespace

TClipboardViewFormat ViewFormatAfterChange(TClipboardViewFormat current, bool clipboardEmpty,
                                           const FormatOffered& offered) {
  if (clipboardEmpty) return TClipboardViewFormat::cvEmpty;
  return IsOffered(current, offered) ? current : TClipboardViewFormat::cvDefault;
}

TClipboardViewFormat ViewFormatAfterSet(TClipboardViewFormat current, TClipboardViewFormat requested,
                                        const FormatOffered& offered) {
  if (requested == current) return current;
  return IsOffered(requested, offered) ? requested : TClipboardViewFormat::cvDefault;
}

TClipboardViewFormat ChooseDisplayKind(TClipboardViewFormat viewFormat, const FormatOffered& offered) {
  TClipboardViewFormat kind = TClipboardViewFormat::cvUnknown;
  if (viewFormat != TClipboardViewFormat::cvDefault) {
    kind = viewFormat;
  } else {
    for (TClipboardViewFormat candidate : kDefaultOrder) {
      if (offered(candidate)) {
        kind = candidate;
        break;
      }
    }
  }
  if (HasClipboardFormat(kind) && !offered(kind)) kind = TClipboardViewFormat::cvUnknown;
  return kind;
}

DisplayControl DisplayControlFor(TClipboardViewFormat kind) {
  switch (kind) {
    case TClipboardViewFormat::cvBitmap:
    case TClipboardViewFormat::cvMetafile:
    case TClipboardViewFormat::cvPicture:
    case TClipboardViewFormat::cvIcon: return DisplayControl::Image;
    case TClipboardViewFormat::cvComponent: return DisplayControl::Component;
    case TClipboardViewFormat::cvPalette: return DisplayControl::Palette;
    default: return DisplayControl::Memo;
  }
}

}  // namespace kestrel
