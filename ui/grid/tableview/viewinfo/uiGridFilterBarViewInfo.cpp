#include "ui/grid/tableview/viewinfo/uiGridFilterBarViewInfo.h"

#include "ui/core/graphics/uiDrawParams.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/core/system/uxResourceStrings.h"
#include "ui/data/controller/filtering/uiDataFilter.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/filtering/uiGridFilterMRU.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/customtable/uiCustomGridTableViewStyles.h"
#include "ui/grid/customtable/uiGridStrs.h"
#include "ui/grid/tableview/uiGridTableBehaviorAndFiltering.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridTableHitTests.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"

namespace ui {

namespace {

constexpr char16_t FilterBarMeasuredText[] = u"Qq";

// A filter button's hit test naming the view.
template <class THitTest>
TuiCustomGridHitTest& FilterBarHitTest(TuiCustomGridView& view, vcl::TPoint point) {
    auto& hitTest = TuiCustomGridHitTest::Instance<THitTest>(point);
    hitTest.SetGridView(&view);
    hitTest.SetViewInfo(nullptr);
    return hitTest;
}

} // namespace

bool TuiGridFilterBarViewInfo::Visible() const {
    TuiGridTableView& view = TableViewInfo().TableView();
    switch (view.FilterBox().Visible()) {
    case fvAlways:
        return true;
    case fvNonEmpty:
        return !view.DataController().Filter().HasNoConditions();
    case fvNever:
        break;
    }
    return false;
}

TuiGridPartPosition TuiGridFilterBarViewInfo::Position() const {
    return TableViewInfo().TableView().FilterBox().Position() == fpTop ? gppTop : gppBottom;
}

bool TuiGridFilterBarViewInfo::FilterActive() const {
    return TableViewInfo().TableView().DataController().Filter().Active();
}

void TuiGridFilterBarViewInfo::ClearContent() {
    FButtons = {};
    FText.clear();
    FTextWidth = 0;
    FLayout = {};
}

void TuiGridFilterBarViewInfo::GetParams(TuiDrawParams& params) const {
    TableViewInfo().TableView().Styles().ResolveDrawParams(TuiCustomGridTableViewStyles::vsFilterBox, nullptr, nullptr,
                                                           params);
}

rtl::UnicodeString TuiGridFilterBarViewInfo::CustomizeCaption() {
    return LoadResStringText(suiGridFilterCustomizeButtonCaption);
}

int32_t TuiGridFilterBarViewInfo::MeasureShownHeight() {
    TuiGridTableView& view = TableViewInfo().TableView();
    const TuiCustomLookAndFeelPainter& painter = *view.LookAndFeelPainter();
    const bool hasConditions = !view.DataController().Filter().HasNoConditions();
    const TuiCustomGridTableFiltering& filtering = view.Filtering();
    FButtons[fbbClose] = {painter.FilterCloseBoxSize(), false, hasConditions};
    FButtons[fbbActivate] = {painter.FilterActivateBoxSize(), false, hasConditions};
    FButtons[fbbCustomize] = {CustomizeButtonSize(), true, view.FilterBox().CustomizeDialog()};
    FButtons[fbbDropDown] = {painter.FilterCloseBoxSize(), true,
                             filtering.MRUItemsList() && filtering.MRUItems().GetCount() > 0};
    FText = view.DataController().Filter().GetFilterCaption();
    if (FText.empty()) {
        FText = LoadResStringText(suiGridFilterIsEmpty);
    }
    TuiDrawParams params;
    GetParams(params);
    FTextWidth = TableViewInfo().MeasureText(FText, params.Font).cx;
    return FilterBarHeight(TableViewInfo().MeasureText(FilterBarMeasuredText, params.Font).cy, FButtons);
}

// The caption in the bar's font within the button's frame and caption indents.
vcl::TSize TuiGridFilterBarViewInfo::CustomizeButtonSize() const {
    const TuiCustomLookAndFeelPainter& painter = *TableViewInfo().GridView().LookAndFeelPainter();
    TuiDrawParams params;
    GetParams(params);
    const vcl::TSize text = TableViewInfo().MeasureText(CustomizeCaption(), params.Font);
    const int32_t frame = painter.ButtonFrameWidth(uibsNormal);
    const int32_t indent = painter.ButtonCaptionIndent();
    return {2 * frame + text.cx + 2 * indent, 2 * frame + text.cy + 2 * indent};
}

void TuiGridFilterBarViewInfo::PlaceContent() {
    FLayout = PlaceFilterBar(Bounds(), FButtons, FTextWidth, fbbDropDown);
}

vcl::TRect TuiGridFilterBarViewInfo::ButtonBounds(TuiGridFilterBarButtonKind kind) const {
    return kind < FLayout.Buttons.size() ? FLayout.Buttons[kind] : vcl::TRect{};
}

TuiCustomGridHitTest* TuiGridFilterBarViewInfo::HitTestAt(vcl::TPoint point) const {
    if (Bounds().IsEmpty() || !Bounds().Contains(point)) {
        return nullptr;
    }
    TuiCustomGridView& view = TableViewInfo().GridView();
    if (ButtonBounds(fbbClose).Contains(point)) {
        return &FilterBarHitTest<TuiGridFilterCloseButtonHitTest>(view, point);
    }
    if (ButtonBounds(fbbActivate).Contains(point)) {
        return &FilterBarHitTest<TuiGridFilterActivateButtonHitTest>(view, point);
    }
    if (ButtonBounds(fbbCustomize).Contains(point)) {
        return &FilterBarHitTest<TuiGridFilterCustomizeButtonHitTest>(view, point);
    }
    if (ButtonBounds(fbbDropDown).Contains(point)) {
        return &FilterBarHitTest<TuiGridFilterDropDownButtonHitTest>(view, point);
    }
    return &FilterBarHitTest<TuiGridFilterHitTest>(view, point);
}

} // namespace ui
