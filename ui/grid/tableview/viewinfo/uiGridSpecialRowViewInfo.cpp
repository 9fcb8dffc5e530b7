#include "ui/grid/tableview/viewinfo/uiGridSpecialRowViewInfo.h"

#include "ui/core/graphics/uiDrawParams.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/filter/uiFilterCriteria.h"
#include "ui/grid/customtable/uiGridRecordHitTests.h"
#include "ui/grid/tableview/uiGridRows.h"
#include "ui/grid/tableview/uiGridTableController.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTablePlacement.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"
#include "ui/grid/view/uiGridSite.h"

#include <algorithm>

namespace ui {

TuiGridSpecialRowViewInfo::TuiGridSpecialRowViewInfo(TuiGridTableViewInfo& tableViewInfo, TuiGridSpecialRowKind kind)
    : FTableViewInfo(tableViewInfo), FKind(kind) {}

TuiGridSpecialRowOptions& TuiGridSpecialRowViewInfo::Options() const {
    TuiGridTableView& view = FTableViewInfo.TableView();
    return FKind == TuiGridSpecialRowKind::Filter ? static_cast<TuiGridSpecialRowOptions&>(view.FilterRow())
                                                  : static_cast<TuiGridSpecialRowOptions&>(view.NewItemRow());
}

TuiCustomGridRecord* TuiGridSpecialRowViewInfo::GridRecord() const {
    auto& viewData = static_cast<TuiGridViewData&>(FTableViewInfo.TableView().ViewData());
    return FKind == TuiGridSpecialRowKind::Filter ? viewData.FilterRow() : viewData.NewItemRecord();
}

int32_t TuiGridSpecialRowViewInfo::Height(int32_t dataRowHeight) const {
    return dataRowHeight + Options().SeparatorWidth();
}

void TuiGridSpecialRowViewInfo::CalculateRow(const vcl::TRect& bounds) {
    CalculateInRect(bounds);
}

void TuiGridSpecialRowViewInfo::OffsetRow(int32_t dx) {
    CalculateInRect(vcl::OffsetRect(Bounds(), dx, 0));
}

vcl::TRect TuiGridSpecialRowViewInfo::ContentBounds() const {
    vcl::TRect bounds = Bounds();
    bounds.Bottom = std::max(bounds.Bottom - Options().SeparatorWidth(), bounds.Top);
    return bounds;
}

vcl::TRect TuiGridSpecialRowViewInfo::SeparatorBounds() const {
    vcl::TRect bounds = Bounds();
    bounds.Top = ContentBounds().Bottom;
    return bounds;
}

vcl::TRect TuiGridSpecialRowViewInfo::InfoTextBounds() const {
    vcl::TRect bounds = ContentBounds();
    const vcl::TRect visible = TableContentBounds(FTableViewInfo.Placement(), FTableViewInfo.ClientBounds());
    bounds.Left = std::max(bounds.Left, visible.Left);
    bounds.Right = std::max(std::min(bounds.Right, visible.Right), bounds.Left);
    return bounds;
}

bool TuiGridSpecialRowViewInfo::ShowsInfoText() const {
    const TuiCustomGridRecord* record = GridRecord();
    if (record && FTableViewInfo.TableView().Controller().FocusedRecord() == record) {
        return false;
    }
    return FKind == TuiGridSpecialRowKind::NewItem ||
           FTableViewInfo.GridView().DataController().Filter().HasNoConditions();
}

rtl::UnicodeString TuiGridSpecialRowViewInfo::InfoText() const {
    return Options().InfoText();
}

void TuiGridSpecialRowViewInfo::GetInfoTextParams(TuiDrawParams& params) const {
    const int32_t index = FKind == TuiGridSpecialRowKind::Filter ? TuiGridTableViewStyles::vsFilterRowInfoText
                                                                 : TuiGridTableViewStyles::vsNewItemRowInfoText;
    FTableViewInfo.TableView().Styles().ResolveDrawParams(index, GridRecord(), nullptr, params);
}

vcl::TColor TuiGridSpecialRowViewInfo::SeparatorColor() const {
    const vcl::TColor color = Options().SeparatorColor();
    return color == vcl::clDefault ? FTableViewInfo.GridView().LookAndFeelPainter()->HeaderColor() : color;
}

TuiCustomGridHitTest* TuiGridSpecialRowViewInfo::CreateHitTest(vcl::TPoint point) {
    auto& hitTest = TuiCustomGridHitTest::Instance<TuiGridRecordHitTest>(point);
    hitTest.SetGridView(&FTableViewInfo.GridView());
    hitTest.SetGridRecord(GridRecord());
    return &hitTest;
}

TuiControl* TuiGridSpecialRowViewInfo::GetControl() const {
    return &FTableViewInfo.Site();
}

} // namespace ui
