#pragma once
// The vocabulary a data controller shares with its companions and its views: options, the kinds of change it
// collects and delivers, the kinds of data change, and the handler types of its events.

#include "rtl/core/Exceptions.h"
#include "rtl/core/Metaclass.h"
#include "rtl/core/SmallSet.h"
#include "rtl/variants/Variant.h"
#include "ui/data/common/uiClassInstances.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace ui {

class TuiCustomDataController;

// Options, bit value 1 << ordinal.
enum TuiDataControllerOption : uint8_t {
    dcoAnsiSort,
    dcoCaseInsensitive,
    dcoAssignGroupingValues,
    dcoAssignMasterDetailKeys,
    dcoSaveExpanding,
    dcoSortByDisplayText,
    dcoFocusTopRowAfterSorting,
    dcoGroupsAlwaysExpanded,
    dcoImmediatePost,
    dcoInsertOnNewItemRowFocusing
};
using TuiDataControllerOptions = rtl::TSmallSet<TuiDataControllerOption>;

// Bit value 28.
inline constexpr TuiDataControllerOptions uiDefaultDataControllerOptions{dcoAssignGroupingValues,
                                                                         dcoAssignMasterDetailKeys, dcoSaveExpanding};

// What changed, collected while the controller is locked and delivered once: the pending change set (bit value
// 1 << ordinal).
enum TuiDataControllerChange : uint8_t {
    dccLayout,
    dccData,
    dccFocus,
    dccSelection,
    dccDetail,
    dccSummary,
    dccSearch,
    dccSortingChanged,
    dccGroupingChanged,
    dccMasterRecordChanged,
    dccBookmark,
    dccEditedRecord
};
using TuiDataControllerChanges = rtl::TSmallSet<TuiDataControllerChange>;

// How far a data change reaches.
enum TuiDataChangeKind : uint8_t {
    dckItem,           // one item of one record
    dckRecord,         // one record, several items
    dckRecordsAdded,   // records were added
    dckRecordsRemoved, // records were removed
    dckAllData         // anything may have changed
};

// Record and item indexes: -1 for none.
inline constexpr int32_t uiNoIndex = -1;
// The editing record index when no record is being edited: outside every record range, internal records included.
inline constexpr int32_t uiNoEditingRecordIndex = -2147483647;

// The edit state of a data controller (bit value 1 << ordinal): a record is being inserted or edited, a value of it
// is being changed through an editor, its values were changed. None: browsing.
enum TuiDataEditStateFlag : uint8_t { dceInsert, dceEdit, dceChanging, dceModified };
using TuiDataEditState = rtl::TSmallSet<TuiDataEditStateFlag>;

// What the provider allows (bit value 1 << ordinal); dceoShowEdit: it is bound to no external data set.
enum TuiDataEditOperation : uint8_t { dceoAppend, dceoDelete, dceoEdit, dceoInsert, dceoShowEdit };
using TuiDataEditOperations = rtl::TSmallSet<TuiDataEditOperation>;

// Where an edit value comes from: a value, or the text of an editor.
enum TuiDataEditValueSource : uint8_t { evsValue, evsText };

// The order of a sorting or grouping entry.
enum TuiDataSortOrder : uint8_t { soNone, soAscending, soDescending };

// The handler types of the controller's events.
using TuiDataControllerNotifyEvent = std::function<void(TuiCustomDataController& dataController)>;
using TuiDataDetailExpandedEvent = std::function<void(TuiCustomDataController& dataController, int32_t recordIndex)>;
using TuiDataDetailExpandingEvent =
    std::function<void(TuiCustomDataController& dataController, int32_t recordIndex, bool& allow)>;
using TuiDataFilterRecordEvent =
    std::function<void(TuiCustomDataController& dataController, int32_t recordIndex, bool& accept)>;
using TuiDataControllerCompareEvent =
    std::function<void(TuiCustomDataController& dataController, int32_t recordIndex1, int32_t recordIndex2,
                       int32_t itemIndex, const rtl::Variant& value1, const rtl::Variant& value2, int32_t& compare)>;
using TuiDataRecordChangedEvent =
    std::function<void(TuiCustomDataController& dataController, int32_t recordIndex, int32_t itemIndex)>;

} // namespace ui
