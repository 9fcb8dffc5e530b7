// The grid cells page of the painter gallery: a table view of sales lines whose cells custom drawing changes, to look
// at what the handlers do in a live grid: the view's handler bands every other record, the quantity column's paints a
// bar as long as the quantity, the amount column's shows negative amounts in red, the group rows of the unit are
// drawn in white on teal, and the indicator marks every third row. A click on a cell shows its text in the caption.

#include "tests/tools/GridCellsGallery.h"

#include "rtl/numbers/NumberConversions.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/editors/framework/uiEditFrameworkUnit.h"
#include "ui/editors/text/textedit/uiTextEdit.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/control/uiGridLevel.h"
#include "ui/grid/customtable/data/uiCustomGridTableViewData.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/viewinfo/uiGridTableCellViewInfo.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/uiGridUnit.h"
#include "vcl/forms/Application.h"
#include "vcl/forms/Form.h"

namespace gallery {

namespace {

constexpr int32_t GridCellsRecordCount = 40;
const char16_t* const GridCellsUnits[] = {u"箱", u"个", u"支"};

void FillGridCellsView(ui::TuiGridTableView& view) {
    const ui::TuiValueTypeClass types[] = {&ui::TuiStringValueType::Instance(), &ui::TuiStringValueType::Instance(),
                                           &ui::TuiIntegerValueType::Instance(), &ui::TuiIntegerValueType::Instance()};
    const char16_t* captions[] = {u"商品名称", u"计量单位", u"数量", u"金额"};
    view.BeginUpdate();
    for (int32_t i = 0; i < 4; ++i) {
        ui::TuiGridColumn* column = view.CreateColumn();
        view.DataController().ChangeValueTypeClass(column->Index(), types[i]);
        column->SetCaption(captions[i]);
        column->SetWidth(i == 0 ? 180 : 110);
    }
    ui::TuiGridDataController& data = view.DataController();
    data.SetRecordCount(GridCellsRecordCount);
    for (int32_t record = 0; record < GridCellsRecordCount; ++record) {
        data.SetValue(record, 0, rtl::Variant(rtl::UnicodeString(u"商品 ") + rtl::IntToStr(record + 1)));
        data.SetValue(record, 1, rtl::Variant(GridCellsUnits[record % 3]));
        data.SetValue(record, 2, rtl::Variant((record * 37) % 100));
        data.SetValue(record, 3, rtl::Variant(record % 5 == 0 ? -record * 10 : record * 25));
    }
    view.EndUpdate();
}

void DrawGridCellsHandlers(ui::TuiGridTableView& view) {
    view.SetOnCustomDrawCell(
        [](ui::TuiCustomGridTableView&, ui::TuiCanvas& canvas, ui::TuiGridTableDataCellViewInfo* cell, bool&) {
            if (cell->GridRecord() != nullptr && cell->GridRecord()->RecordIndex() % 2 == 1 && !cell->Selected()) {
                canvas.SetBrushColor(vcl::clBtnFace);
            }
        });
    view.Columns(2)->SetOnCustomDrawCell(
        [](ui::TuiCustomGridTableView&, ui::TuiCanvas& canvas, ui::TuiGridTableDataCellViewInfo* cell, bool& done) {
            const vcl::TRect bounds = cell->ClientBounds();
            canvas.FillRectColor(bounds, vcl::clWindow);
            const int32_t quantity = rtl::VarToInteger(cell->CellDisplayValue());
            const int32_t length = bounds.Width() * quantity / 100;
            canvas.FillRectColor(vcl::Rect(bounds.Left, bounds.Top + 3, bounds.Left + length, bounds.Bottom - 3),
                                 vcl::clAqua);
            done = true;
        });
    view.Columns(3)->SetOnCustomDrawCell(
        [](ui::TuiCustomGridTableView&, ui::TuiCanvas& canvas, ui::TuiGridTableDataCellViewInfo* cell, bool&) {
            if (rtl::VarToInteger(cell->CellDisplayValue()) < 0) {
                canvas.Font().SetColor(vcl::clRed);
            }
        });
    view.SetOnCustomDrawGroupCell(
        [](ui::TuiGridTableView&, ui::TuiCanvas& canvas, ui::TuiGridTableCellViewInfo*, bool&) {
            canvas.SetBrushColor(vcl::clTeal);
            canvas.Font().SetColor(vcl::clWhite);
        });
    view.SetOnCustomDrawIndicatorCell(
        [](ui::TuiGridTableView&, ui::TuiCanvas& canvas, ui::TuiCustomGridCellViewInfo* cell, bool&) {
            if (cell->Bounds().Top / 20 % 3 == 0) {
                canvas.SetBrushColor(vcl::clLime);
            }
        });
}

} // namespace

int ShowGridCellsGallery() {
    ui::InitializeEditFrameworkUnit();
    ui::InitializeTextEditUnit();
    ui::InitializeGridUnit();
    vcl::Application().Initialize();
    auto* form = vcl::Application().CreateForm<vcl::TForm>();
    form->SetCaption(u"Painter gallery, custom-drawn grid cells");
    form->SetClientWidth(560);
    form->SetClientHeight(420);
    auto* grid = new ui::TuiGrid(form);
    grid->SetParent(form);
    grid->SetAlign(vcl::alClient);
    auto* view = new ui::TuiGridTableView(form);
    grid->Levels().Add().SetGridView(view);
    view->OptionsView().SetIndicator(true);
    FillGridCellsView(*view);
    view->Columns(1)->SetGroupIndex(0);
    // From the last group up, so that the rows above keep their indexes.
    for (int32_t row = view->DataController().GetRowCount() - 1; row >= 0; --row) {
        view->ViewData().GetRecordAt(row)->SetExpanded(true);
    }
    DrawGridCellsHandlers(*view);
    view->SetOnCellClick([form](ui::TuiCustomGridTableView&, ui::TuiGridTableDataCellViewInfo* cell, vcl::TMouseButton,
                                vcl::TShiftState,
                                bool&) { form->SetCaption(rtl::VarToStr(cell->CellDisplayValue())); });
    vcl::Application().Run();
    ui::FinalizeGridUnit();
    ui::FinalizeTextEditUnit();
    ui::FinalizeEditFrameworkUnit();
    return 0;
}

} // namespace gallery
