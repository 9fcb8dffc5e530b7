#pragma once
// TuiDataSummary: the summaries of a data controller (sums, minimums, maximums, counts and averages over the
// filtered records and over each group), and the kinds, positions and options they are described with. So far it
// holds its options and its after-summary event; changing the options asks the controller to recalculate.

#include "rtl/core/Persistent.h"
#include "rtl/core/SmallSet.h"

#include <cstdint>
#include <functional>

namespace ui {

class TuiCustomDataController;
class TuiDataSummary;

enum TuiSummaryKind : uint8_t { skNone, skSum, skMin, skMax, skCount, skAverage };
enum TuiSummaryPosition : uint8_t { spGroup, spFooter };

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

    // Takes over the options of another summary.
    void Assign(const rtl::TPersistent* source) override;

    TuiSummaryOptions Options() const { return FOptions; }
    // soSelectedRecords and soMultipleSelectedRecords exclude each other: asked for both, the one not set before wins
    // (soMultipleSelectedRecords when neither was). A change asks for a recalculation.
    void SetOptions(TuiSummaryOptions value);

    const TuiAfterSummaryEvent& OnAfterSummary() const { return FOnAfterSummary; }
    void SetOnAfterSummary(TuiAfterSummaryEvent handler) { FOnAfterSummary = std::move(handler); }

    // Asks the controller to recalculate (with itemOnly only a redraw); nothing while the after-summary event runs.
    virtual void RequestRecalculation(bool itemOnly);
    virtual void RecalculateNow(bool itemOnly);
    // Fires OnAfterSummary; while the controller's owner is loading the controller keeps it for later.
    virtual void DoAfterSummary();

private:
    TuiCustomDataController& FDataController;
    bool FDestroying = false;
    bool FInAfterSummary = false;
    TuiSummaryOptions FOptions;
    TuiAfterSummaryEvent FOnAfterSummary;
};

} // namespace ui
