#pragma once
// TuiGridEditingEvents: the view's events around its in-place editor: whether an item may be edited, the editor's
// set-up and first value, its keys, and its changes. The editing controller fires them; the view keeps them.

#include "vcl/controls/ControlTypes.h"

#include <cstdint>
#include <functional>

namespace rtl {
class Variant;
} // namespace rtl

namespace ui {

class TuiCustomEdit;
class TuiCustomGridTableItem;
class TuiCustomGridTableView;

// Sender, the item about to be edited, whether it may be (True at first).
using TuiGridEditingEvent =
    std::function<void(TuiCustomGridTableView& sender, TuiCustomGridTableItem* item, bool& allow)>;
using TuiGridCustomTableItemEvent = std::function<void(TuiCustomGridTableView& sender, TuiCustomGridTableItem* item)>;
using TuiGridEditKeyEvent = std::function<void(TuiCustomGridTableView& sender, TuiCustomGridTableItem* item,
                                               TuiCustomEdit& edit, uint16_t& key, vcl::TShiftState shift)>;
using TuiGridEditKeyPressEvent = std::function<void(TuiCustomGridTableView& sender, TuiCustomGridTableItem* item,
                                                    TuiCustomEdit& edit, char16_t& key)>;
using TuiGridInitEditEvent =
    std::function<void(TuiCustomGridTableView& sender, TuiCustomGridTableItem* item, TuiCustomEdit& edit)>;
using TuiGridInitEditValueEvent = std::function<void(TuiCustomGridTableView& sender, TuiCustomGridTableItem* item,
                                                     TuiCustomEdit& edit, rtl::Variant& value)>;

struct TuiGridEditingEvents {
    TuiGridEditingEvent OnEditing;
    TuiGridCustomTableItemEvent OnEditChanged;
    TuiGridCustomTableItemEvent OnEditValueChanged;
    TuiGridEditKeyEvent OnEditKeyDown;
    TuiGridEditKeyEvent OnEditKeyUp;
    TuiGridEditKeyPressEvent OnEditKeyPress;
    TuiGridInitEditEvent OnInitEdit;
    TuiGridInitEditValueEvent OnInitEditValue;
};

} // namespace ui
