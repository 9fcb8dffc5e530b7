#include "tests/ui/grid/tableview/ApplicationGridView.h"

#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/grid/control/uiGridLevel.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableBehaviorAndFiltering.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "vcl/forms/FormLoader.h"

#include <cstdint>

namespace ui_test {

namespace {

using ui::TuiGridColumn;
using ui::TuiGridTableView;

struct TColumnDescription {
    const char16_t* Name;
    const char16_t* Caption;
    ui::TuiValueTypeClass ValueType;
    int32_t Width; // 0: the default width
    bool HeaderCentred;
    bool HeaderCentredVertically;
};

const TColumnDescription* ApplicationColumns() {
    const ui::TuiValueTypeClass text = &ui::TuiStringValueType::Instance();
    static const TColumnDescription columns[] = {
        {u"uiGrid1TableView1Column1", u"序号", &ui::TuiIntegerValueType::Instance(), 52, false, false},
        {u"uiGrid1TableView1Column2", u"商品名称", text, 0, true, true},
        {u"uiGrid1TableView1Column3", u"规格型号", text, 78, false, false},
        {u"uiGrid1TableView1Column4", u"计量单位", text, 61, true, true},
        {u"uiGrid1TableView1Column11", u"数量", text, 0, true, true},
        {u"uiGrid1TableView1Column10", u"单价(含税)", text, 73, true, true},
        {u"uiGrid1TableView1Column12", u"金额(含税)", &ui::TuiCurrencyValueType::Instance(), 69, true, true},
        {u"uiGrid1TableView1Column13", u"税率", text, 0, true, true},
        {u"uiGrid1TableView1Column5", u"税收分类编码", text, 85, true, true},
        {u"uiGrid1TableView1Column6", u"企业自编码", text, 80, true, true},
        {u"uiGrid1TableView1Column7", u"是否使用优惠政策", text, 106, true, false},
        {u"uiGrid1TableView1Column8", u"零税率标识", text, 0, true, false},
        {u"uiGrid1TableView1Column9", u"优惠政策说明", text, 0, false, false},
        {u"uiGrid1TableView1Column14", u"差额税计算扣除额", &ui::TuiFloatValueType::Instance(), 0, false, false},
    };
    return columns;
}

void ReadView(TApplicationGridForm& form, TuiGridTableView& view) {
    form.Grid->Levels().Add().SetGridView(&view);
    view.OptionsBehavior().SetCellHints(true);
    view.OptionsBehavior().SetImmediateEditor(false);
    view.OptionsCustomize().SetColumnFiltering(false);
    view.OptionsCustomize().SetColumnGrouping(false);
    view.OptionsCustomize().SetColumnMoving(false);
    view.OptionsData().SetDeleting(false);
    view.OptionsData().SetEditing(false);
    view.OptionsData().SetInserting(false);
    view.OptionsSelection().SetCellMultiSelect(true);
    view.OptionsView().SetFooterAutoHeight(true);
    view.OptionsView().SetFooterMultiSummaries(true);
    view.OptionsView().SetGroupByBox(false);
}

void ReadColumn(TApplicationGridForm& form, TuiGridColumn& column, const TColumnDescription& description) {
    form.View->AddItem(&column);
    form.View->DataController().ChangeValueTypeClass(column.Index(), description.ValueType);
    column.SetCaption(description.Caption);
    if (description.Width != 0) {
        column.SetWidth(description.Width);
    }
    if (description.HeaderCentred) {
        column.SetHeaderAlignmentHorz(vcl::taCenter);
    }
    if (description.HeaderCentredVertically) {
        column.SetHeaderAlignmentVert(ui::vaCenter);
    }
}

} // namespace

void LoadApplicationGridView(TApplicationGridForm& form) {
    vcl::TFormDescription<TApplicationGridForm> description;
    description.Components.push_back(vcl::Component<ui::TuiGrid>(
        u"uiGrid1", u"", &TApplicationGridForm::Grid, [](auto&, ui::TuiGrid& grid) { grid.SetAlign(vcl::alClient); }));
    description.Components.push_back(
        vcl::Component<TuiGridTableView>(u"uiGrid1TableView1", u"", &TApplicationGridForm::View, &ReadView));
    for (int32_t item = 0; item < 14; ++item) {
        const TColumnDescription& column = ApplicationColumns()[item];
        description.Components.push_back(vcl::Component<TuiGridColumn, TApplicationGridForm>(
            column.Name, u"", [&column](TApplicationGridForm& form, TuiGridColumn& read) {
                ReadColumn(form, read, column);
                if (read.Index() == 0) {
                    read.SetSortIndex(0);
                    read.SetSortOrder(ui::soAscending);
                }
            }));
    }
    vcl::LoadForm(form, description);
}

} // namespace ui_test
