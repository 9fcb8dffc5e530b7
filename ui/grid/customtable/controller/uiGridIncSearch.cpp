#include "ui/grid/customtable/controller/uiGridIncSearch.h"

#include "rtl/WindowsApi.h"
#include "rtl/text/CodePages.h"
#include "ui/data/controller/filtering/uiDataControllerSearch.h"
#include "ui/editors/framework/properties/uiEditProperties.h"
#include "ui/grid/customtable/controller/uiCustomGridTableController.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/items/uiCustomGridTableItem.h"
#include "ui/grid/customtable/items/uiCustomGridTableItemOptions.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/customtable/uiCustomGridTableView.h"

namespace ui {

namespace {

// The editor capability that lets an item be searched incrementally.
constexpr uint32_t IncSearchCapability = 0x40;

bool ItemAllowsIncSearch(TuiCustomGridTableItem& item) {
    const TuiCustomEditProperties* properties = item.GetProperties();
    return properties != nullptr && (properties->GetCapabilities() & IncSearchCapability) != 0 &&
           item.Options().IncSearch();
}

} // namespace

bool TuiGridIncSearch::Searching() const {
    return FController.DataController().Search().IsSearching();
}

rtl::UnicodeString TuiGridIncSearch::Text() const {
    return rtl::AnsiToUnicode(FController.DataController().Search().GetSearchText());
}

TuiCustomGridTableItem* TuiGridIncSearch::SearchedItem() const {
    TuiCustomGridTableView& view = FController.TableView();
    if (!view.OptionsBehavior().IncSearch()) {
        return nullptr;
    }
    TuiCustomGridTableItem* item = nullptr;
    if (view.OptionsSelection().CellSelect() && FController.FocusedItem() != nullptr) {
        item = FController.FocusedItem();
    } else if (view.OptionsBehavior().IncSearchItem() != nullptr) {
        item = view.OptionsBehavior().IncSearchItem();
    } else if (view.VisibleItemCount() > 0) {
        item = view.VisibleItems(0);
    }
    return item != nullptr && ItemAllowsIncSearch(*item) ? item : nullptr;
}

void TuiGridIncSearch::SetText(rtl::UnicodeStringView text) {
    TuiDataControllerSearch& search = FController.DataController().Search();
    if (text.empty()) {
        search.Cancel();
        return;
    }
    if (Searching() && text == Text()) {
        return;
    }
    const TuiCustomGridTableItem* item = SearchedItem();
    if (item != nullptr) {
        search.Locate(item->Index(), rtl::UnicodeToAnsi(text));
    }
}

bool TuiGridIncSearch::KeyDown(uint16_t key, vcl::TShiftState shift) {
    if (!Searching()) {
        return false;
    }
    switch (key) {
    case VK_BACK: {
        const rtl::UnicodeString text = Text();
        SetText(rtl::UnicodeStringView(text).substr(0, text.empty() ? 0 : text.size() - 1));
        return true;
    }
    case VK_ESCAPE:
        FController.DataController().Search().Cancel();
        return true;
    case VK_UP:
    case VK_DOWN:
        if (!shift.Contains(vcl::ssCtrl)) {
            return false;
        }
        FController.DataController().Search().LocateNext(key == VK_DOWN);
        return true;
    default:
        return false;
    }
}

bool TuiGridIncSearch::KeyPress(char16_t key) {
    if (key == u'\b') {
        return Searching();
    }
    if (key < u' ' || SearchedItem() == nullptr || FController.DataController().IsEditingRecord()) {
        return false;
    }
    SetText(Text() + key);
    return true;
}

} // namespace ui
