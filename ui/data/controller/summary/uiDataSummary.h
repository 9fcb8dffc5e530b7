#pragma once
// TuiDataSummary: the summaries of a data controller. Footer items summarise the filtered records; group items
// summarise each group of each grouping level, the items of a level being those of the summary group that links the
// level's grouping item, or the default group items. The row information's recalculation calls the calculations;
// every change of the items or options asks the controller for one. The footer values are one array with a value per
// footer item; each group keeps its values in its group entry.
//
// A sum or average adds numbers as numbers: integers as 64-bit integers, currency amounts as currency (either falls
// back to a double when it would overflow), anything with a fraction as a double, and texts read as numbers; a date
// in the sum makes it a date.

#include "rtl/core/Persistent.h"
#include "rtl/core/SmallSet.h"
#include "rtl/variants/Variant.h"
#include "ui/data/controller/summary/uiDataSummaryItems.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace ui {

class TuiCustomDataController;
class TuiDataSummary;

enum TuiSummaryOption : uint8_t { soNullIgnore, soSelectedRecords, soMultipleSelectedRecords };
using TuiSummaryOptions = rtl::TSmallSet<TuiSummaryOption>;

using TuiAfterSummaryEvent = std::function<void(TuiDataSummary& sender)>;

class TuiDataSummary : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuiDataSummary, rtl::TPersistent)
public:
    using TConstructorArgument = TuiCustomDataController*;

    explicit TuiDataSummary(TuiCustomDataController* dataController);
    ~TuiDataSummary() override;

    TuiCustomDataController& DataController() const { return FDataController; }
    bool IsDestroying() const { return FDestroying; }

    // Takes over the options, the items and the events of another summary.
    void Assign(const rtl::TPersistent* source) override;

    TuiDataSummaryItems& FooterSummaryItems() const { return *FFooterSummaryItems; }
    TuiDataGroupSummaryItems& DefaultGroupSummaryItems() const { return *FDefaultGroupSummaryItems; }
    TuiDataSummaryGroups& SummaryGroups() const { return *FSummaryGroups; }

    TuiSummaryOptions Options() const { return FOptions; }
    // soSelectedRecords and soMultipleSelectedRecords exclude each other: asked for both, the one not set before wins
    // (soMultipleSelectedRecords when neither was). A change asks for a recalculation.
    void SetOptions(TuiSummaryOptions value);

    const TuiAfterSummaryEvent& OnAfterSummary() const { return FOnAfterSummary; }
    void SetOnAfterSummary(TuiAfterSummaryEvent handler) { FOnAfterSummary = std::move(handler); }

    // Requests made between these are asked for once at the end; AbandonUpdate asks for none.
    void BeginUpdate();
    void EndUpdate();
    void AbandonUpdate();
    // Asks the controller to recalculate (with itemOnly only a redraw); nothing while locked or while the
    // after-summary event runs.
    virtual void RequestRecalculation(bool itemOnly);
    virtual void RecalculateNow(bool itemOnly);
    // Fires OnAfterSummary; while the controller's owner is loading the controller keeps it for later.
    virtual void DoAfterSummary();

    // The calculations the row information runs.
    virtual void CalculateFooter();
    // The group values, then OnAfterSummary.
    virtual void CalculateGroups();
    virtual void Recalculate();

    // Null unless the footer values hold index.
    rtl::Variant GetFooterSummaryValue(int32_t index) const;
    rtl::UnicodeString GetFooterSummaryText(int32_t index) const;
    // The group items of a grouping level; nullptr for a level out of range.
    TuiDataGroupSummaryItems* GroupSummaryItemsOfLevel(int32_t level) const;
    // The items and values of the group a row shows or lies in: false when there is none or it has no values.
    bool GetGroupSummaryInfo(int32_t rowIndex, TuiDataGroupSummaryItems*& items, rtl::Variant& values) const;
    // "(SUM=3.00, SUM=7.00)"; empty when the row has no group values.
    rtl::UnicodeString GetGroupSummaryDisplayText(int32_t rowIndex) const;
    // Item index of the level's group holding the row, formatted as in a footer; empty when anything is missing.
    rtl::UnicodeString GetGroupSummaryItemText(int32_t rowIndex, int32_t level, int32_t index) const;
    // Unbinds every item and link of the field, asking for one recalculation when there was any.
    void RemoveItemsOfField(const TuiCustomDataField& field);
    // The record at a position of the record list, or -1 when selection summaries leave it out.
    virtual int32_t GetSummaryRecordIndex(int32_t position) const;

protected:
    // Running values and counts of the items of a collection, one per item.
    struct TRunningValues {
        std::vector<rtl::Variant> Values;
        std::vector<int32_t> Counts;
    };
    TRunningValues PrepareValueArrays(const TuiDataSummaryItems& items) const;
    void AccumulateRecords(const TuiDataSummaryItems& items, int32_t firstPosition, int32_t lastPosition,
                           TRunningValues& running);
    virtual void AccumulateValue(TuiDataSummaryItem& item, int32_t recordIndex, int32_t& count, rtl::Variant& value);
    virtual void FinishValues(const TuiDataSummaryItem& item, rtl::Variant& value, int32_t count) const;
    // The finished values as an array, Null without items.
    rtl::Variant CalculateItems(const TuiDataSummaryItems& items, TRunningValues& running) const;

private:
    void CalculateFooterValues();
    void CalculateGroupValues();

    TuiCustomDataController& FDataController;
    std::unique_ptr<TuiDataGroupSummaryItems> FDefaultGroupSummaryItems;
    bool FDestroying = false;
    std::unique_ptr<TuiDataFooterSummaryItems> FFooterSummaryItems;
    rtl::Variant FFooterSummaryValues;
    bool FInAfterSummary = false;
    int32_t FLockCount = 0;
    TuiSummaryOptions FOptions;
    std::unique_ptr<TuiDataSummaryGroups> FSummaryGroups;
    TuiAfterSummaryEvent FOnAfterSummary;
};

} // namespace ui
