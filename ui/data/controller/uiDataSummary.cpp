#include "ui/data/controller/uiDataSummary.h"

#include "ui/data/controller/uiCustomDataController.h"

namespace ui {

namespace {

constexpr TuiSummaryOptions SelectionSummaryOptions{soSelectedRecords, soMultipleSelectedRecords};

// Of two selection options asked for together, the one that was not set before.
TuiSummaryOptions ExclusiveSelectionOptions(TuiSummaryOptions previous, TuiSummaryOptions value) {
    if ((value * SelectionSummaryOptions) != SelectionSummaryOptions) {
        return value;
    }
    const TuiSummaryOption dropped =
        previous.Contains(soMultipleSelectedRecords) && !previous.Contains(soSelectedRecords)
            ? soMultipleSelectedRecords
            : soSelectedRecords;
    return value.Exclude(dropped);
}

} // namespace

TuiDataSummary::TuiDataSummary(TuiCustomDataController* dataController) : FDataController(*dataController) {}

TuiDataSummary::~TuiDataSummary() {
    FDestroying = true;
}

void TuiDataSummary::Assign(const rtl::TPersistent* source) {
    if (const auto* summary = dynamic_cast<const TuiDataSummary*>(source)) {
        SetOptions(summary->Options());
        return;
    }
    TPersistent::Assign(source);
}

void TuiDataSummary::SetOptions(TuiSummaryOptions value) {
    value = ExclusiveSelectionOptions(FOptions, value);
    if (value == FOptions) {
        return;
    }
    FOptions = value;
    RequestRecalculation(false);
}

void TuiDataSummary::RequestRecalculation(bool itemOnly) {
    if (!FInAfterSummary) {
        RecalculateNow(itemOnly);
    }
}

void TuiDataSummary::RecalculateNow(bool itemOnly) {
    if (!FDestroying) {
        FDataController.SummaryChanged(itemOnly);
    }
}

void TuiDataSummary::DoAfterSummary() {
    if (!FOnAfterSummary) {
        return;
    }
    if (FDataController.IsLoading()) {
        FDataController.SetAfterSummaryDeferred(true);
        return;
    }
    FDataController.SetAfterSummaryDeferred(false);
    FInAfterSummary = true;
    try {
        FOnAfterSummary(*this);
    } catch (...) {
        FInAfterSummary = false;
        throw;
    }
    FInAfterSummary = false;
}

} // namespace ui
