#include "ui/grid/tableview/uiGridTableView.h"

#include "rtl/core/ClassRegistry.h"
#include "rtl/text/StringUtils.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/data/controller/rows/uiDataControllerGroups.h"
#include "ui/grid/common/uiGridRegisteredViews.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/control/uiGridLevel.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/customtable/uiGridEventSetter.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridRows.h"
#include "ui/grid/tableview/uiGridTableBehaviorAndFiltering.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableSummaryItem.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridTablePainter.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfoCache.h"

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

void TuiGridTableView::Assign(const rtl::TPersistent* source) {
    const auto* view = dynamic_cast<const TuiGridTableView*>(source);
    if (!view) {
        TuiCustomGridTableView::Assign(source);
        return;
    }
    // The source's option objects are made on first use, which its getters do.
    auto& from = const_cast<TuiGridTableView&>(*view);
    BeginUpdate();
    try {
        SetOnColumnHeaderClick(from.FOnColumnHeaderClick);
        SetOnColumnPosChanged(from.FOnColumnPosChanged);
        SetOnColumnSizeChanged(from.FOnColumnSizeChanged);
        SetOnCustomDrawColumnHeader(from.FOnCustomDrawColumnHeader);
        SetOnCustomDrawFooterCell(from.FOnCustomDrawFooterCell);
        SetOnCustomDrawGroupCell(from.FOnCustomDrawGroupCell);
        SetOnCustomDrawGroupSummaryCell(from.FOnCustomDrawGroupSummaryCell);
        SetOnCustomDrawIndicatorCell(from.FOnCustomDrawIndicatorCell);
        SetOnLeftPosChanged(from.FOnLeftPosChanged);
        SetOnGetCellHeight(from.FOnGetCellHeight);
        AssignLayout(from);
        DataController().Assign(&from.DataController());
        OptionsBehavior().Assign(&from.OptionsBehavior());
        OptionsData().Assign(&from.OptionsData());
        OptionsSelection().Assign(&from.OptionsSelection());
        OptionsView().Assign(&from.OptionsView());
        Styles().Assign(&from.Styles());
        FilterRow().Assign(&from.FilterRow());
        NewItemRow().Assign(&from.NewItemRow());
        Preview().Assign(&from.Preview());
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

TuiGridColumn* TuiGridTableView::Columns(int32_t index) const {
    return static_cast<TuiGridColumn*>(Items(index));
}

TuiGridColumn* TuiGridTableView::VisibleColumns(int32_t index) const {
    return static_cast<TuiGridColumn*>(VisibleItems(index));
}

TuiGridColumn* TuiGridTableView::CreateColumn() {
    return static_cast<TuiGridColumn*>(CreateItem());
}

const rtl::TMetaclass& TuiGridTableView::GetSummaryItemClass() const {
    return TuiGridTableSummaryItem::StaticClass();
}

const rtl::TMetaclass& TuiGridTableView::GetSummaryGroupItemLinkClass() const {
    return TuiGridTableSummaryGroupItemLink::StaticClass();
}

TuiCustomGridTableItem* TuiGridTableView::NewItem(rtl::TComponent* owner) {
    return new TuiGridColumn(owner);
}

TuiGridTableOptionsBehavior& TuiGridTableView::OptionsBehavior() {
    return static_cast<TuiGridTableOptionsBehavior&>(TuiCustomGridTableView::OptionsBehavior());
}

TuiGridTableFiltering& TuiGridTableView::Filtering() {
    return static_cast<TuiGridTableFiltering&>(TuiCustomGridTableView::Filtering());
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

TuiGridTableViewStyles& TuiGridTableView::Styles() {
    return static_cast<TuiGridTableViewStyles&>(TuiCustomGridTableView::Styles());
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

std::unique_ptr<TuiCustomGridViewInfoCache> TuiGridTableView::CreateViewInfoCache() {
    return std::make_unique<TuiGridTableViewInfoCache>(*this);
}

std::unique_ptr<TuiCustomGridOptionsBehavior> TuiGridTableView::CreateOptionsBehavior() {
    return std::make_unique<TuiGridTableOptionsBehavior>(*this);
}

std::unique_ptr<TuiCustomGridTableFiltering> TuiGridTableView::CreateFiltering() {
    return std::make_unique<TuiGridTableFiltering>(*this);
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

std::unique_ptr<TuiCustomGridViewStyles> TuiGridTableView::CreateStyles() {
    return std::make_unique<TuiGridTableViewStyles>(this);
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

void TuiGridTableView::SetOnColumnHeaderClick(TuiGridColumnEvent handler) {
    SetGridEventHandler(FOnColumnHeaderClick, std::move(handler), [this] { Changed(0); });
}

void TuiGridTableView::SetOnColumnPosChanged(TuiGridColumnEvent handler) {
    SetGridEventHandler(FOnColumnPosChanged, std::move(handler), [this] { Changed(0); });
}

void TuiGridTableView::SetOnColumnSizeChanged(TuiGridColumnEvent handler) {
    SetGridEventHandler(FOnColumnSizeChanged, std::move(handler), [this] { Changed(0); });
}

void TuiGridTableView::SetOnCustomDrawColumnHeader(TuiGridColumnCustomDrawHeaderEvent handler) {
    SetGridEventHandler(FOnCustomDrawColumnHeader, std::move(handler), [this] { Changed(0); });
}

void TuiGridTableView::SetOnCustomDrawFooterCell(TuiGridColumnCustomDrawHeaderEvent handler) {
    SetGridEventHandler(FOnCustomDrawFooterCell, std::move(handler), [this] { Changed(0); });
}

void TuiGridTableView::SetOnCustomDrawGroupCell(TuiGridTableCellCustomDrawEvent handler) {
    SetGridEventHandler(FOnCustomDrawGroupCell, std::move(handler), [this] { Changed(0); });
}

void TuiGridTableView::SetOnCustomDrawGroupSummaryCell(TuiGridGroupSummaryCellCustomDrawEvent handler) {
    SetGridEventHandler(FOnCustomDrawGroupSummaryCell, std::move(handler), [this] { Changed(0); });
}

void TuiGridTableView::SetOnCustomDrawIndicatorCell(TuiGridIndicatorCellCustomDrawEvent handler) {
    SetGridEventHandler(FOnCustomDrawIndicatorCell, std::move(handler), [this] { Changed(0); });
}

void TuiGridTableView::SetOnLeftPosChanged(TuiGridTableViewNotifyEvent handler) {
    SetGridEventHandler(FOnLeftPosChanged, std::move(handler), [this] { Changed(0); });
}

void TuiGridTableView::SetOnGetCellHeight(TuiGridGetCellHeightEvent handler) {
    // The handler sets the rows' heights: the heights kept for the rows are measured again.
    SetGridEventHandler(FOnGetCellHeight, std::move(handler), [this] { Changed(2); });
}

void TuiGridTableView::DoColumnHeaderClick(TuiGridColumn* column) {
    if (FOnColumnHeaderClick) {
        FOnColumnHeaderClick(*this, column);
    }
}

void TuiGridTableView::DoColumnPosChanged(TuiGridColumn* column) {
    if (FOnColumnPosChanged) {
        FOnColumnPosChanged(*this, column);
    }
}

void TuiGridTableView::DoColumnSizeChanged(TuiGridColumn* column) {
    if (FOnColumnSizeChanged) {
        FOnColumnSizeChanged(*this, column);
    }
}

void TuiGridTableView::DoCustomDrawColumnHeader(TuiCanvas& canvas, TuiGridColumnHeaderViewInfo* viewInfo, bool& done) {
    if (FOnCustomDrawColumnHeader) {
        FOnCustomDrawColumnHeader(*this, canvas, viewInfo, done);
    }
}

void TuiGridTableView::DoCustomDrawFooterCell(TuiCanvas& canvas, TuiGridColumnHeaderViewInfo* viewInfo, bool& done) {
    if (FOnCustomDrawFooterCell) {
        FOnCustomDrawFooterCell(*this, canvas, viewInfo, done);
    }
}

void TuiGridTableView::DoCustomDrawGroupCell(TuiCanvas& canvas, TuiGridTableCellViewInfo* viewInfo, bool& done) {
    if (FOnCustomDrawGroupCell) {
        FOnCustomDrawGroupCell(*this, canvas, viewInfo, done);
    }
}

void TuiGridTableView::DoCustomDrawGroupSummaryCell(TuiCanvas& canvas, TuiCustomGridRow* row, TuiGridColumn* column,
                                                    TuiDataSummaryItem* summaryItem,
                                                    TuiCustomGridCellViewInfo* viewInfo, bool& done) {
    if (FOnCustomDrawGroupSummaryCell) {
        FOnCustomDrawGroupSummaryCell(*this, canvas, row, column, summaryItem, viewInfo, done);
    }
}

void TuiGridTableView::DoCustomDrawIndicatorCell(TuiCanvas& canvas, TuiCustomGridCellViewInfo* viewInfo, bool& done) {
    if (FOnCustomDrawIndicatorCell) {
        FOnCustomDrawIndicatorCell(*this, canvas, viewInfo, done);
    }
}

void TuiGridTableView::DoLeftPosChanged() {
    if (FOnLeftPosChanged) {
        FOnLeftPosChanged(*this);
    }
}

void TuiGridTableView::DoGetCellHeight(TuiCustomGridRecord* record, TuiGridColumn* column,
                                       TuiGridDataCellViewInfo* cell, int32_t& height) {
    if (FOnGetCellHeight) {
        FOnGetCellHeight(*this, record, column, cell, height);
    }
}

bool TuiGridTableView::CanCellMerging() {
    return FCellMergingAllowed && !Preview().Active() && OptionsView().RowSeparatorWidth() == 0;
}

bool TuiGridTableView::IsMaster() const {
    return Level() && Level()->Count() > 0;
}

bool TuiGridTableView::CanOffsetHorizontally() const {
    if (Grid() && Grid()->ChangeLockCount() > 0) {
        return false;
    }
    return !(IsMaster() && DataController().Groups().GroupingFieldCount() > 0);
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
    rtl::RegisterClasses({&TuiGridColumn::StaticClass(), &TuiGridTableViewStyleSheet::StaticClass()});
}

void UnregisterGridTableView() {
    GridRegisteredViews().Unregister(&TuiGridTableView::StaticClass());
}

} // namespace ui
