// The clipboard viewer's choice of what to show, kept free of Win32 so the
// rules can be tested on their own.
#pragma once

#include <functional>

namespace kestrel {

enum class TClipboardViewFormat : int {
  cvDefault = 0,
  cvEmpty = 1,
  cvUnknown = 2,
  cvText = 3,
  cvBitmap = 4,
  cvMetafile = 5,
  cvPalette = 6,
  cvOemText = 7,
  cvPicture = 8,
  cvComponent = 9,
  cvIcon = 10,
};

// Whether the clipboard offers the format a view format stands for. The three
// view formats without a clipboard format (default, empty, unknown) are never
// offered.
using FormatOffered = std::function<bool(TClipboardViewFormat)>;

// ViewFormat after a clipboard change: empty clipboard gives cvEmpty, a view
// format whose clipboard format is gone falls back to cvDefault.
TClipboardViewFormat ViewFormatAfterChange(TClipboardViewFormat current, bool clipboardEmpty,
                                           const FormatOffered& offered);

// Setting ViewFormat: a different value is kept only when its format is
// offered; anything else gives cvDefault.
TClipboardViewFormat ViewFormatAfterSet(TClipboardViewFormat current, TClipboardViewFormat requested,
                                        const FormatOffered& offered);

// The kind of display for a non-empty clipboard.
TClipboardViewFormat ChooseDisplayKind(TClipboardViewFormat viewFormat, const FormatOffered& offered);

enum class DisplayControl { Memo, Image, Component, Palette };
DisplayControl DisplayControlFor(TClipboardViewFormat kind);

}  // namespace kestrel
