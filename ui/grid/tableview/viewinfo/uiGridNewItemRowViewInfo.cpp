#include "ui/grid/tableview/viewinfo/uiGridNewItemRowViewInfo.h"

#include "ui/core/graphics/uiDrawParams.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/data/controller/filtering/uiDataFilter.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/filter/uiFilterCriteria.h"
#include "ui/grid/customtable/data/uiGridRecordHitTests.h"
#include "ui/grid/tableview/controller/uiGridTableController.h"
#include "ui/grid/tableview/layout/uiGridTablePlacement.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridRows.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"
#include "ui/grid/view/uiGridSite.h"

#include <algorithm>

namespace ui {

TuiGridNewItemRowViewInfo::TuiGridNewItemRowViewInfo(TuiGridTableViewInfo& tableViewInfo, TuiGridSpecialRowKind kind)
    : TuiCustomGridViewCellViewInfo(tableViewInfo), FTableViewInfo(tableViewInfo), FKind(kind) {}

TuiGridSpecialRowOptions& TuiGridNewItemRowViewInfo::Options() const {
    TuiGridTableView& view = FTableViewInfo.TableView();
    return FKind == TuiGridSpecialRowKind::Filter ? static_cast<TuiGridSpecialRowOptions&>(view.FilterRow())
                                                  : static_cast<TuiGridSpecialRowOptions&>(view.NewItemRow());
}

TuiCustomGridRecord* TuiGridNewItemRowViewInfo::GridRecord() const {
    auto& viewData = static_cast<TuiGridViewData&>(FTableViewInfo.TableView().ViewData());
    return FKind == TuiGridSpecialRowKind::Filter ? viewData.FilterRow() : viewData.NewItemRecord();
}

int32_t TuiGridNewItemRowViewInfo::Height(int32_t dataRowHeight) const {
    return dataRowHeight + Options().SeparatorWidth();
}

void TuiGridNewItemRowViewInfo::CalculateRow(const vcl::TRect& bounds) {
    CalculateInRect(bounds);
}

void TuiGridNewItemRowViewInfo::OffsetRow(int32_t dx) {
    CalculateInRect(vcl::OffsetRect(Bounds(), dx, 0));
}

vcl::TRect TuiGridNewItemRowViewInfo::ContentBounds() const {
    vcl::TRect bounds = Bounds();
    bounds.Bottom = std::max(bounds.Bottom - Options().SeparatorWidth(), bounds.Top);
    return bounds;
}

vcl::TRect TuiGridNewItemRowViewInfo::SeparatorBounds() const {
    vcl::TRect bounds = Bounds();
    bounds.Top = ContentBounds().Bottom;
    return bounds;
}

vcl::TRect TuiGridNewItemRowViewInfo::InfoTextBounds() const {
    vcl::TRect bounds = ContentBounds();
    const vcl::TRect visible = TableContentBounds(FTableViewInfo.Placement(), FTableViewInfo.ClientBounds());
    bounds.Left = std::max(bounds.Left, visible.Left);
    bounds.Right = std::max(std::min(bounds.Right, visible.Right), bounds.Left);
    return bounds;
}

bool TuiGridNewItemRowViewInfo::ShowsInfoText() const {
    const TuiCustomGridRecord* record = GridRecord();
    if (record && FTableViewInfo.TableView().Controller().FocusedRecord() == record) {
        return false;
    }
    return FKind == TuiGridSpecialRowKind::NewItem ||
           FTableViewInfo.GridView().DataController().Filter().HasNoConditions();
}

rtl::UnicodeString TuiGridNewItemRowViewInfo::CellText(const TuiGridColumn& column) const {
    TuiCustomGridRecord* record = GridRecord();
    if (record == nullptr) {
        return {};
    }
    const rtl::Variant value = record->GetValue(column.Index());
    if (value.IsNull() || value.IsEmpty()) {
        return {};
    }
    return column.ValueDisplayText(value);
}

rtl::UnicodeString TuiGridNewItemRowViewInfo::InfoText() const {
    return Options().InfoText();
}

void TuiGridNewItemRowViewInfo::GetInfoTextParams(TuiDrawParams& params) const {
    const int32_t index = FKind == TuiGridSpecialRowKind::Filter ? TuiGridTableViewStyles::vsFilterRowInfoText
                                                                 : TuiGridTableViewStyles::vsNewItemRowInfoText;
    FTableViewInfo.TableView().Styles().ResolveDrawParams(index, GridRecord(), nullptr, params);
}

vcl::TColor TuiGridNewItemRowViewInfo::SeparatorColor() const {
    const vcl::TColor color = Options().SeparatorColor();
    return color == vcl::clDefault ? FTableViewInfo.GridView().LookAndFeelPainter()->HeaderColor() : color;
}

TuiCustomGridHitTest* TuiGridNewItemRowViewInfo::CreateHitTest(vcl::TPoint point) {
    auto& hitTest = TuiCustomGridHitTest::Instance<TuiGridRecordHitTest>(point);
    hitTest.SetGridView(&FTableViewInfo.GridView());
    hitTest.SetGridRecord(GridRecord());
    return &hitTest;
}

} // namespace ui
