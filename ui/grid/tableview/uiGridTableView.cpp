#include "ui/grid/tableview/uiGridTableView.h"

#include "rtl/core/ClassRegistry.h"
#include "rtl/text/StringUtils.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/grid/common/uiGridRegisteredViews.h"
#include "ui/grid/control/uiGridLevel.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridRows.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/viewinfo/uiGridTablePainter.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"

namespace ui {

namespace {

// An older layout kept "GroupFooters" as a Boolean text; a newer one keeps the ordinal.
TuiGridGroupFootersMode StoredGroupFootersMode(const rtl::Variant& value) {
    if (rtl::VarIsStr(value)) {
        const rtl::UnicodeString text = rtl::VarToStr(value);
        if (rtl::SameText(text, u"True")) {
            return gfVisibleWhenExpanded;
        }
        if (rtl::SameText(text, u"False")) {
            return gfInvisible;
        }
    }
    return static_cast<TuiGridGroupFootersMode>(StoredEnumValue(value, gfAlwaysVisible + 1, u"GroupFooters"));
}

} // namespace

TuiGridTableView::TuiGridTableView(rtl::TComponent* owner) : TuiCustomGridTableView(owner) {}

TuiGridTableView::~TuiGridTableView() = default;

TuiGridColumn* TuiGridTableView::Columns(int32_t index) const {
    return static_cast<TuiGridColumn*>(Items(index));
}

TuiGridColumn* TuiGridTableView::VisibleColumns(int32_t index) const {
    return static_cast<TuiGridColumn*>(VisibleItems(index));
}

TuiGridColumn* TuiGridTableView::CreateColumn() {
    return static_cast<TuiGridColumn*>(CreateItem());
}

TuiCustomGridTableItem* TuiGridTableView::NewItem(rtl::TComponent* owner) {
    return new TuiGridColumn(owner);
}

TuiGridTableOptionsCustomize& TuiGridTableView::OptionsCustomize() {
    return static_cast<TuiGridTableOptionsCustomize&>(TuiCustomGridTableView::OptionsCustomize());
}

TuiGridTableOptionsSelection& TuiGridTableView::OptionsSelection() {
    return static_cast<TuiGridTableOptionsSelection&>(TuiCustomGridTableView::OptionsSelection());
}

TuiGridTableOptionsView& TuiGridTableView::OptionsView() {
    return static_cast<TuiGridTableOptionsView&>(TuiCustomGridTableView::OptionsView());
}

TuiGridFilterRowOptions& TuiGridTableView::FilterRow() {
    if (!FFilterRow) {
        FFilterRow = CreateFilterRow();
    }
    return *FFilterRow;
}

TuiGridNewItemRowOptions& TuiGridTableView::NewItemRow() {
    if (!FNewItemRow) {
        FNewItemRow = CreateNewItemRow();
    }
    return *FNewItemRow;
}

TuiGridPreview& TuiGridTableView::Preview() {
    if (!FPreview) {
        FPreview = CreatePreview();
    }
    return *FPreview;
}

std::unique_ptr<TuiCustomGridTableViewData> TuiGridTableView::CreateViewData() {
    return std::make_unique<TuiGridViewData>(*this);
}

std::unique_ptr<TuiCustomGridPainter> TuiGridTableView::CreatePainter() {
    return std::make_unique<TuiGridTablePainter>(*this);
}

std::unique_ptr<TuiCustomGridViewInfo> TuiGridTableView::CreateViewInfo() {
    return std::make_unique<TuiGridTableViewInfo>(*this);
}

std::unique_ptr<TuiCustomGridOptionsSelection> TuiGridTableView::CreateOptionsSelection() {
    return std::make_unique<TuiGridTableOptionsSelection>(*this);
}

std::unique_ptr<TuiCustomGridOptionsView> TuiGridTableView::CreateOptionsView() {
    return std::make_unique<TuiGridTableOptionsView>(*this);
}

std::unique_ptr<TuiCustomGridTableOptionsCustomize> TuiGridTableView::CreateOptionsCustomize() {
    return std::make_unique<TuiGridTableOptionsCustomize>(*this);
}

std::unique_ptr<TuiGridFilterRowOptions> TuiGridTableView::CreateFilterRow() {
    return std::make_unique<TuiGridFilterRowOptions>(*this);
}

std::unique_ptr<TuiGridNewItemRowOptions> TuiGridTableView::CreateNewItemRow() {
    return std::make_unique<TuiGridNewItemRowOptions>(*this);
}

std::unique_ptr<TuiGridPreview> TuiGridTableView::CreatePreview() {
    return std::make_unique<TuiGridPreview>(*this);
}

bool TuiGridTableView::CanCellMerging() {
    return FCellMergingAllowed && !Preview().Active() && OptionsView().RowSeparatorWidth() == 0;
}

bool TuiGridTableView::HidesEmptyDetailExpandButtons() {
    return !OptionsView().ExpandButtonsForEmptyDetails();
}

void TuiGridTableView::GetStoredProperties(std::vector<rtl::UnicodeString>& names) {
    for (const char16_t* name : {u"Footer", u"GroupByBox", u"GroupFooters", u"NewItemRow"}) {
        names.emplace_back(name);
    }
}

void TuiGridTableView::GetStoredPropertyValue(rtl::UnicodeStringView name, rtl::Variant& value) {
    if (name == u"Footer") {
        value = OptionsView().Footer();
    } else if (name == u"GroupByBox") {
        value = OptionsView().GroupByBox();
    } else if (name == u"GroupFooters") {
        value = static_cast<int32_t>(OptionsView().GroupFooters());
    } else if (name == u"NewItemRow") {
        value = NewItemRow().Visible();
    }
}

void TuiGridTableView::SetStoredPropertyValue(rtl::UnicodeStringView name, const rtl::Variant& value) {
    if (name == u"Footer") {
        OptionsView().SetFooter(rtl::VarToBoolean(value));
    } else if (name == u"GroupByBox") {
        OptionsView().SetGroupByBox(rtl::VarToBoolean(value));
    } else if (name == u"GroupFooters") {
        OptionsView().SetGroupFooters(StoredGroupFootersMode(value));
    } else if (name == u"NewItemRow") {
        NewItemRow().SetVisible(rtl::VarToBoolean(value));
    }
}

void RegisterGridTableView() {
    GridRegisteredViews().Register(&TuiGridTableView::StaticClass(), u"Table");
    rtl::RegisterClasses({&TuiGridColumn::StaticClass()});
}

void UnregisterGridTableView() {
    GridRegisteredViews().Unregister(&TuiGridTableView::StaticClass());
}

} // namespace ui
