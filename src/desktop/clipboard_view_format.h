// The clipboard viewer's choice of what to show, kept free of Win32 so the
// rules can be tested on their own.
#pragma once

#include <functional>

namespace desktop {

enum class ClipboardViewFormat : int {
  Default = 0,
  Empty = 1,
  Unknown = 2,
  Text = 3,
  Bitmap = 4,
  Metafile = 5,
  Palette = 6,
  OemText = 7,
  Picture = 8,
  Component = 9,
  Icon = 10,
};

// Whether the clipboard offers the format a view format stands for. The three
// view formats without a clipboard format (default, empty, unknown) are never
// offered.
using FormatOffered = std::function<bool(ClipboardViewFormat)>;

// ViewFormat after a clipboard change: empty clipboard gives Empty, a view
// format whose clipboard format is gone falls back to Default.
ClipboardViewFormat ViewFormatAfterChange(ClipboardViewFormat current, bool clipboardEmpty,
                                          const FormatOffered& offered);

// Setting ViewFormat: a different value is kept only when its format is
// offered; anything else gives Default.
ClipboardViewFormat ViewFormatAfterSet(ClipboardViewFormat current, ClipboardViewFormat requested,
                                       const FormatOffered& offered);

// The kind of display for a non-empty clipboard.
ClipboardViewFormat ChooseDisplayKind(ClipboardViewFormat viewFormat, const FormatOffered& offered);

enum class DisplayControl { Memo, Image, Component, Palette };
DisplayControl DisplayControlFor(ClipboardViewFormat kind);

}  // namespace desktop
