#pragma once
// Where the record being edited stands while its row is sorted and grouped: an inserted record stays just before
// the record that held its row (the insert anchor), an appended one after every record (the append anchor), whatever
// values are typed into it. Grouping compares a record whose edit began with its values as they were then (the saved
// copy), so an edit does not move it to another group before it is posted.

#include <cstdint>
#include <optional>

namespace ui {

// The provider's editing state as sorting reads it; uiNoEditingRecordIndex for an unset index or anchor, 0 for no
// saved copy.
struct TuiEditedRecordState {
    int32_t EditingRecordIndex;
    int32_t AppendAnchor;
    int32_t InsertAnchor;
    int32_t SavedRecordIndex;
};

// For the sort of two different records: the order when the edited record's place decides it; otherwise nothing,
// with a and b then naming the records whose keys decide (the edited record replaced by its insert anchor).
std::optional<int> OrderEditedRecordForSorting(const TuiEditedRecordState& state, int32_t& a, int32_t& b);
// For grouping: 0 when the edited record joins any group; otherwise nothing, with a and b then naming the records
// whose keys decide (the edited record replaced by its saved copy or its insert anchor).
std::optional<int> OrderEditedRecordForGrouping(const TuiEditedRecordState& state, int32_t& a, int32_t& b);

} // namespace ui
