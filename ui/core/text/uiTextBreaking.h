#pragma once
// Breaking a text into rows. A row grows word by word while it fits the rectangle's width: a space or tab ends a
// word before itself (and belongs to the word it starts), a line end (CR, LF, CR LF, LF CR) ends the row, and an East
// Asian character is a word of its own that keeps one following line-start prohibited character ("中。"). A word too
// wide for a row of its own is split at the longest prefix that fits when words may break between characters, and
// stays whole otherwise. At a width break the spaces at the break are dropped as the alignment asks. Without
// wrapping, and when only the rectangle is calculated, rows end at line ends only.

#include "ui/core/text/uiTextLayout.h"

#include <cstdint>

namespace ui {

// Breaks the rows' text into rows within the rectangle's width, at most maxRows of them (0: no limit); true when the
// whole text fits: with tlSingleLine when the rectangle is as wide as the row, otherwise when no text is left over.
// With a calculation flag the result is always true.
bool BreakTextIntoRows(TuiTextDevice& device, const vcl::TRect& rect, const TuiTextParams& params, TuiTextRows& rows,
                       int32_t maxRows);

} // namespace ui
