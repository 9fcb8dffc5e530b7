#pragma once
// TuiGridIncSearch: incremental search in a view of records. Typed characters build a text, and the first record (from
// the focused one on, round to it) whose display text in the searched item begins with it takes the focus; a
// character that finds nothing is not added. While searching, Backspace takes the last character back, Escape ends the
// search, and Ctrl+Up and Ctrl+Down go to the previous and next match. The searched item is the focused one under
// CellSelect, else the view's IncSearchItem, else the first visible item; it searches when its editor offers searching,
// and the view's and the item's IncSearch are on. The text, the item and the found row live in the data controller.

#include "rtl/text/StringTypes.h"
#include "vcl/controls/ControlTypes.h"

#include <cstdint>

namespace ui {

class TuiCustomGridTableController;
class TuiCustomGridTableItem;

class TuiGridIncSearch {
public:
    explicit TuiGridIncSearch(TuiCustomGridTableController& controller) : FController(controller) {}

    bool Searching() const;
    rtl::UnicodeString Text() const;
    // An empty text ends the search; another text looks for its first match.
    void SetText(rtl::UnicodeStringView text);
    // The item typed characters would search, nullptr when it cannot be searched.
    TuiCustomGridTableItem* SearchedItem() const;
    // Whether the key was the search's.
    bool KeyDown(uint16_t key, vcl::TShiftState shift);
    bool KeyPress(char16_t key);

private:
    TuiCustomGridTableController& FController;
};

} // namespace ui
