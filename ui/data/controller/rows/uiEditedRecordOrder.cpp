#include "ui/data/controller/rows/uiEditedRecordOrder.h"

#include "ui/data/controller/uiDataControllerTypes.h"

namespace ui {

namespace {

bool IsAnchorSet(int32_t anchor) {
    return anchor != uiNoEditingRecordIndex;
}

bool AnyAnchorSet(const TuiEditedRecordState& state) {
    return IsAnchorSet(state.AppendAnchor) || IsAnchorSet(state.InsertAnchor);
}

// The edited record first against other: +1 after everything, -1 before its insert anchor, or nothing with the
// edited record standing for its insert anchor.
std::optional<int> PlaceEditedBeforeOther(const TuiEditedRecordState& state, int32_t& edited, int32_t other) {
    if (IsAnchorSet(state.AppendAnchor)) {
        return 1;
    }
    if (other == state.InsertAnchor) {
        return -1;
    }
    edited = state.InsertAnchor;
    return std::nullopt;
}

} // namespace

std::optional<int> OrderEditedRecordForSorting(const TuiEditedRecordState& state, int32_t& a, int32_t& b) {
    if (!AnyAnchorSet(state)) {
        return std::nullopt;
    }
    if (a == state.EditingRecordIndex) {
        return PlaceEditedBeforeOther(state, a, b);
    }
    if (b == state.EditingRecordIndex) {
        const std::optional<int> order = PlaceEditedBeforeOther(state, b, a);
        return order ? std::optional<int>(-*order) : std::nullopt;
    }
    return std::nullopt;
}

std::optional<int> OrderEditedRecordForGrouping(const TuiEditedRecordState& state, int32_t& a, int32_t& b) {
    const int32_t edited = state.EditingRecordIndex;
    if (state.SavedRecordIndex != 0) {
        if (a == edited) {
            a = state.SavedRecordIndex;
        } else if (b == edited) {
            b = state.SavedRecordIndex;
        }
        return std::nullopt;
    }
    if (!AnyAnchorSet(state)) {
        return std::nullopt;
    }
    int32_t& editedSide = a == edited ? a : b;
    const int32_t other = a == edited ? b : a;
    if (editedSide != edited) {
        return std::nullopt;
    }
    if (IsAnchorSet(state.AppendAnchor) || other == state.InsertAnchor) {
        return 0;
    }
    editedSide = state.InsertAnchor;
    return std::nullopt;
}

} // namespace ui
