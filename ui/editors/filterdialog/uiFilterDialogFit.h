#pragma once
// Whether a filter is simple enough for the custom filter dialog, which shows at most two conditions of one column
// joined by AND or OR, with the columns' conditions joined by AND.

namespace ui {

class TuiFilterCriteria;

// False exactly when the root joins by AND and each root entry, for an item no other entry names, is a condition
// with one of the dialog's operators ("equals" to "not like", the blank tests among them) or an AND or OR group of
// two such conditions on that item; True when only the filter builder can show the filter.
bool NeedsFilterBuilder(const TuiFilterCriteria& criteria);

} // namespace ui
