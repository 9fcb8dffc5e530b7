// A column over Boolean values with no editor set up: its cells show check boxes (checked, unchecked, grayed for
// Null) through the default editor of the value type, and a click on the focused cell toggles the value, which the
// record takes when the focus moves on.

#include "rtl/WindowsApi.h"
#include "rtl/variants/VariantCompare.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/ui/grid/GridTestSupport.h"
#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/editors/choice/checkbox/uiCheckBox.h"
#include "ui/editors/choice/checkbox/uiCheckBoxViewInfo.h"
#include "ui/grid/control/uiGridLevel.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/tableview/controller/uiGridTableController.h"
#include "ui/grid/tableview/controller/uiGridTableEditingController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/viewinfo/uiGridDataCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"
#include "ui/grid/view/uiGridSite.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

class GridBooleanColumnTest : public ui_test::GridOnFormTest {
protected:
    GridBooleanColumnTest() : GridOnFormTest(ui_test::TFormPlacement::OnScreen) {}

    void SetUp() override {
        GridOnFormTest::SetUp();
        Grid->SetBounds(0, 0, 400, 300);
        View = new TuiGridTableView(Form.get());
        Grid->Levels().Add().SetGridView(View);
        TuiGridColumn* column = View->CreateColumn();
        View->DataController().ChangeValueTypeClass(column->Index(), &TuiBooleanValueType::Instance());
        column->SetCaption(u"Paid");
        column->SetWidth(100);
        View->BeginUpdate();
        Data().SetRecordCount(3);
        Data().SetValue(0, 0, rtl::Variant(true));
        Data().SetValue(1, 0, rtl::Variant(false));
        Data().SetValue(2, 0, rtl::Variant::Null());
        View->EndUpdate();
        ui_test::ProcessPendingMessages();
        View->Site().SetFocus();
        ui_test::ProcessPendingMessages();
    }
    void TearDown() override {
        SetCursorPos(0, 0);
        ui_test::ProcessPendingMessages();
    }

    TuiGridDataController& Data() { return View->DataController(); }
    TuiGridTableViewInfo& Layout() { return static_cast<TuiGridTableViewInfo&>(View->ViewInfo()); }
    const TuiGridDataCellViewInfo& Cell(int32_t row) { return Layout().RowOfRecord(row)->Cells(0); }

    TuiGridTableView* View = nullptr;
};

// The cells' editor style has no border, so the checks show their content: the sign of a checked value, a grey
// sign for Null, nothing for an unchecked one.
TEST_F(GridBooleanColumnTest, TheCellsShowCheckBoxesOfTheirValues) {
    const TuiCheckBoxState expected[] = {cbsChecked, cbsUnchecked, cbsGrayed};
    const bool showsSign[] = {true, false, true};
    ui_test::TDibSurface painted(View->Site().Width(), View->Site().Height());
    ui_test::PaintControl(View->Site(), painted);
    for (int32_t row = 0; row < 3; ++row) {
        const auto* check = dynamic_cast<const TuiCustomCheckBoxViewInfo*>(&Cell(row).EditViewInfo());
        ASSERT_NE(check, nullptr) << "row " << row;
        EXPECT_EQ(check->State, expected[row]);
        EXPECT_EQ(check->Alignment, cbaCheckCentred);
        const vcl::TRect rect = check->CheckRect;
        int sign = 0;
        for (int y = rect.Top; y < rect.Bottom; ++y) {
            for (int x = rect.Left; x < rect.Right; ++x) {
                const uint32_t pixel = painted.Pixel(x, y);
                sign += (pixel & 0xFF) < 0xC0 ? 1 : 0;
            }
        }
        EXPECT_EQ(sign > 5, showsSign[row]) << "row " << row;
    }
    EXPECT_EQ(Data().GetDisplayText(0, 0), "True");
    EXPECT_EQ(Data().GetDisplayText(1, 0), "False");
}

TEST_F(GridBooleanColumnTest, AClickOnTheFocusedCellTogglesTheValue) {
    ASSERT_TRUE(View->Controller().FocusRowAt(1));
    ui_test::ProcessPendingMessages();
    const vcl::TRect bounds = Cell(1).Bounds();
    const vcl::TPoint centre{(bounds.Left + bounds.Right) / 2, (bounds.Top + bounds.Bottom) / 2};
    ui_test::MouseMove(View->Site(), centre);
    ui_test::Click(View->Site(), centre);
    ui_test::ProcessPendingMessages();
    TuiCustomEdit* edit = View->Controller().EditingController().Edit();
    ASSERT_NE(edit, nullptr);
    ASSERT_TRUE(edit->ClassType().InheritsFrom(TuiCheckBox::StaticClass()));
    EXPECT_EQ(static_cast<TuiCheckBox*>(edit)->State(), cbsChecked);
    ASSERT_TRUE(View->Controller().FocusRowAt(0));
    ui_test::ProcessPendingMessages();
    EXPECT_TRUE(rtl::VarSameValue(Data().GetValue(1, 0), rtl::Variant(true)));
}

} // namespace
} // namespace ui
