// The custom table view's commands on its items and rows: copying the rows' texts to the clipboard and fitting the
// items' widths to their content.

#include "rtl/text/CodePages.h"
#include "ui/core/controls/services/uiSystemControllers.h"
#include "ui/data/controller/rows/uiDataControllerGroups.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/customtable/controller/uiGridClipboardText.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/items/uiCustomGridTableItem.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/customtable/uiCustomGridTableView.h"
#include "vcl/services/Clipboard.h"

namespace ui {

namespace {

rtl::UnicodeString CopiedCaption(const TuiCustomGridTableItem& item) {
    return item.AlternateCaption().empty() ? item.Caption() : item.AlternateCaption();
}

// Restores the cursor however the best fit ends.
class THourglassScope {
public:
    THourglassScope() { PushHourglassCursor(); }
    ~THourglassScope() { PopHourglassCursor(); }
    THourglassScope(const THourglassScope&) = delete;
    THourglassScope& operator=(const THourglassScope&) = delete;
};

} // namespace

void TuiCustomGridTableView::GetItemsForCopy(std::vector<TuiCustomGridTableItem*>& items, bool /*copyAll*/) {
    items.assign(FVisibleItems.begin(), FVisibleItems.end());
}

rtl::UnicodeString TuiCustomGridTableView::ClipboardText(bool copyAll) {
    std::vector<TuiCustomGridTableItem*> items;
    GetItemsForCopy(items, copyAll);
    TuiGridClipboardText text;
    std::vector<rtl::UnicodeString> fields;
    if (OptionsBehavior().CopyCaptionsToClipboard()) {
        for (const TuiCustomGridTableItem* item : items) {
            fields.push_back(CopiedCaption(*item));
        }
        text.AddLine(fields);
    }
    TuiGridDataController& dataController = DataController();
    const int32_t groupingItemCount = dataController.Groups().GroupingFieldCount();
    WithGridLocked(Grid(), [&] {
        dataController.ForEachRow(!copyAll, [&](int32_t /*rowIndex*/, const TuiRowInfo& rowInfo) {
            fields.clear();
            const size_t fieldCount =
                rowInfo.Level < groupingItemCount ? std::min<size_t>(items.size(), 1) : items.size();
            for (size_t index = 0; index < fieldCount; ++index) {
                fields.push_back(rtl::AnsiToUnicode(dataController.GetRowDisplayText(rowInfo, items[index]->Index())));
            }
            text.AddLine(fields);
            return 0;
        });
    });
    return text.Text();
}

void TuiCustomGridTableView::CopyToClipboard(bool copyAll) {
    vcl::Clipboard().SetAsText(ClipboardText(copyAll));
}

int32_t TuiCustomGridTableView::CalculateItemBestFitWidth(TuiCustomGridTableItem& item) {
    return item.Width();
}

void TuiCustomGridTableView::ApplyBestFit(TuiCustomGridTableItem* item, bool checkSizingAbility, bool fireEvents) {
    if (IsPattern() || ComponentState().Contains(rtl::TComponentState::csLoading)) {
        return;
    }
    std::vector<TuiCustomGridTableItem*> items;
    if (item != nullptr) {
        items.push_back(item);
    } else {
        items.assign(FVisibleItems.begin(), FVisibleItems.end());
    }
    if (items.empty()) {
        return;
    }
    THourglassScope hourglass;
    BeginUpdate();
    try {
        for (TuiCustomGridTableItem* fitted : items) {
            if (checkSizingAbility && !CanItemHorzSize(*fitted)) {
                continue;
            }
            fitted->SetWidth(CalculateItemBestFitWidth(*fitted));
            ItemBestFitApplied(*fitted, fireEvents);
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

} // namespace ui
