#pragma once
// TuiDataControllerSearch: the incremental search of a data controller. Locate focuses the first record, in display
// order from the focused one and round to it, whose display text of an item begins with the typed text (ignoring
// case); LocateNext goes on to the next or previous match. The search state (item, text, whether a search runs) lives
// in the controller; a search ends with Cancel, which the controller calls when another focus or an edit is reported.

#include "rtl/core/Object.h"
#include "rtl/text/StringTypes.h"

#include <cstdint>

namespace ui {

class TuiCustomDataController;

class TuiDataControllerSearch : public rtl::TObject {
    RTL_DECLARE_CLASS(TuiDataControllerSearch, rtl::TObject)
public:
    using TConstructorArgument = TuiCustomDataController*;

    explicit TuiDataControllerSearch(TuiCustomDataController* dataController) : FDataController(*dataController) {}

    TuiCustomDataController& DataController() const { return FDataController; }

    // Starts a search of the item for text: whether a record matched (it is focused, and the only selected row of a
    // multi-select controller). A failed search leaves the previous state.
    virtual bool Locate(int32_t itemIndex, const rtl::AnsiString& text);
    // The next (or previous) match of the running search, without going round: whether there was one.
    virtual bool LocateNext(bool forward);
    // Ends a running search, unless the search itself is moving the focus.
    void Cancel();
    // Focusing a found record does not cancel the search it serves.
    virtual void Lock() { ++FLockCount; }
    virtual void Unlock() { --FLockCount; }

    bool IsSearching() const;
    rtl::AnsiString GetSearchText() const;
    // The item searched, -1 when none.
    int32_t GetItemIndex() const;
    // Checks the index; the item's field becomes the search field.
    void SetItemIndex(int32_t itemIndex);

protected:
    // Positions of the filtered records from one to another (-1: to the end in the direction), the first whose text
    // begins with text; -1 when none.
    virtual int32_t DoSearch(int32_t fromPosition, int32_t toPosition, bool forward, const rtl::AnsiString& text);
    // Focuses the record at the position.
    virtual void SelectFound(int32_t position);

private:
    void SelectFocusedRowOnly();

    TuiCustomDataController& FDataController;
    int32_t FLockCount = 0;
};

} // namespace ui
