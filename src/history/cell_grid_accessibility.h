// A grid as screen readers see it: a list named after its page whose items
// are the 55 cells, each named by its grid, selectable and focusable, with
// the selected and the focused cell marked.
#pragma once

#include "ui/accessible_object.h"

namespace history {

class CellGridPanel;

ui::AccessibleAnswers GridAnswers(const CellGridPanel& grid);

}  // namespace history
