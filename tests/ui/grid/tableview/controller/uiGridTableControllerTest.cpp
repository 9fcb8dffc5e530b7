#include "ui/grid/tableview/controller/uiGridTableController.h"

#include "rtl/WindowsApi.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/MessageBoxes.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/grid/GridTestSupport.h"
#include "tests/ui/grid/tableview/ApplicationGridView.h"
#include "ui/core/controls/control/uiControlScrollBars.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/graphics/uiDrawParams.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/grid/control/uiGridLevel.h"
#include "ui/grid/customtable/controller/uiGridIncSearch.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/tableview/controller/uiGridColumnMovingObject.h"
#include "ui/grid/tableview/controller/uiGridSizingObjects.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridRows.h"
#include "ui/grid/tableview/uiGridTableBehaviorAndFiltering.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridColumnHeaderViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"
#include "ui/grid/uiGridUnit.h"
#include "ui/grid/view/uiGridHintHelper.h"
#include "ui/grid/view/uiGridSite.h"
#include "ui/grid/view/uiGridViewInfo.h"
#include "vcl/controls/pointer/Cursors.h"
#include "vcl/forms/Application.h"
#include "vcl/forms/Screen.h"
#include "vcl/hints/HintWindow.h"
#include "vcl/services/Clipboard.h"
#include "vcl/stdctrls/Edit.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ui {
namespace {

class GridTableControllerTest : public ui_test::GridOnFormTest {
protected:
    explicit GridTableControllerTest(ui_test::TFormPlacement placement = ui_test::TFormPlacement::OffScreen)
        : GridOnFormTest(placement) {}
    void SetUp() override {
        GridOnFormTest::SetUp();
        Grid->SetBounds(0, 0, 400, 300);
        View = new TuiGridTableView(Form.get());
        Grid->Levels().Add().SetGridView(View);
        // As in the application: clicks and keys move the focus and the selection, no in-place editor takes them.
        View->OptionsData().SetEditing(false);
    }
    // Columns named by their captions, each 100 pixels wide, and records whose texts name row and column ("r3c1").
    void Fill(std::initializer_list<const char16_t*> captions, int32_t recordCount) {
        for (const char16_t* caption : captions) {
            TuiGridColumn* column = View->CreateColumn();
            View->DataController().ChangeValueTypeClass(column->Index(), &TuiStringValueType::Instance());
            column->SetCaption(caption);
            column->SetWidth(100);
        }
        View->BeginUpdate();
        View->DataController().SetRecordCount(recordCount);
        for (int32_t record = 0; record < recordCount; ++record) {
            for (int32_t item = 0; item < View->ItemCount(); ++item) {
                const std::u16string text = u"r" + Number(record) + u"c" + Number(item);
                View->DataController().SetValue(record, item, rtl::Variant(text.c_str()));
            }
        }
        View->EndUpdate();
        ui_test::ProcessPendingMessages();
    }
    static std::u16string Number(int32_t value) {
        const std::string digits = std::to_string(value);
        return std::u16string(digits.begin(), digits.end());
    }
    TuiGridTableController& Controller() { return View->Controller(); }
    TuiGridDataController& Data() { return View->DataController(); }
    TuiGridSite& Site() { return View->Site(); }
    static vcl::TPoint Centre(const vcl::TRect& rect) {
        return vcl::Point((rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2);
    }
    vcl::TPoint CellCentre(int32_t row, int32_t column) {
        const TuiGridTablePlacement placement = Controller().Placement();
        for (const TuiGridRowPlacement& placed : placement.Rows) {
            if (placed.RecordIndex == row) {
                return Centre(placed.Cells.at(column));
            }
        }
        ADD_FAILURE() << "row " << row << " is not shown";
        return {};
    }
    vcl::TPoint HeaderCentre(int32_t column) { return Centre(Controller().Placement().ColumnHeaders.at(column)); }
    std::vector<int32_t> SelectedColumnIndexes() {
        std::vector<int32_t> indexes;
        for (int32_t i = 0; i < Controller().SelectedColumnCount(); ++i) {
            indexes.push_back(Controller().SelectedColumns(i)->VisibleIndex());
        }
        return indexes;
    }
    // What the site shows on the display now.
    std::vector<uint32_t> ScreenPixels(int width, int height) {
        ui_test::TDibSurface surface(width, height);
        HDC dc = GetDC(Site().Handle());
        BitBlt(surface.DC(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
        ReleaseDC(Site().Handle(), dc);
        return surface.Pixels();
    }
    void FocusSite() {
        Site().SetFocus();
        ui_test::ProcessPendingMessages();
        ASSERT_TRUE(Site().Focused());
    }

    TuiGridTableView* View = nullptr;
};

// Dragging and reading the screen need the pointer and the pixels on the display.
class GridTableControllerOnScreenTest : public GridTableControllerTest {
protected:
    GridTableControllerOnScreenTest() : GridTableControllerTest(ui_test::TFormPlacement::OnScreen) {}
};

TEST_F(GridTableControllerTest, PageDownFocusesTheLastVisibleRecordThenScrollsAPage) {
    Fill({u"A", u"B"}, 100);
    ASSERT_GT(Site().ClientHeight(), 0);
    const int32_t visible = Controller().VisibleRecordCount();
    ASSERT_GT(visible, 3);
    ASSERT_TRUE(Controller().FocusRowAt(2));
    FocusSite();

    ui_test::PressKey(VK_NEXT);
    EXPECT_EQ(Controller().TopRecordIndex(), 0);
    EXPECT_EQ(Data().GetFocusedRowIndex(), visible - 1);

    ui_test::PressKey(VK_NEXT);
    EXPECT_EQ(Controller().TopRecordIndex(), visible - 1);
    EXPECT_EQ(Data().GetFocusedRowIndex(), 2 * visible - 2);

    // Page up brings the old top back as the last visible record, then focuses the first.
    ui_test::PressKey(VK_PRIOR);
    EXPECT_EQ(Data().GetFocusedRowIndex(), visible - 1);
    ui_test::PressKey(VK_PRIOR);
    EXPECT_EQ(Controller().TopRecordIndex(), 0);
    EXPECT_EQ(Data().GetFocusedRowIndex(), 0);
}

TEST_F(GridTableControllerTest, TypedCharactersFocusTheFirstRecordTheirTextBeginsAndTheSearchKeysMoveOnOrEndIt) {
    Fill({u"A", u"B"}, 5);
    const char16_t* fruits[] = {u"apple", u"Banana", u"cherry", u"blueberry", u"avocado"};
    for (int32_t row = 0; row < 5; ++row) {
        Data().SetValue(row, 0, rtl::Variant(fruits[row]));
    }
    View->OptionsBehavior().SetIncSearch(true);
    ASSERT_TRUE(Controller().FocusRowAt(0));
    FocusSite();
    TuiGridIncSearch& search = Controller().IncSearch();

    ui_test::TypeText(u"b");
    EXPECT_TRUE(search.Searching());
    EXPECT_EQ(Data().GetFocusedRowIndex(), 1) << "case is ignored";
    ui_test::TypeText(u"l");
    EXPECT_EQ(search.Text(), u"bl");
    EXPECT_EQ(Data().GetFocusedRowIndex(), 3);
    ui_test::TypeText(u"x");
    EXPECT_EQ(search.Text(), u"bl") << "a character that finds nothing is not added";
    EXPECT_EQ(Data().GetFocusedRowIndex(), 3);

    ui_test::PressKey(VK_BACK);
    EXPECT_EQ(search.Text(), u"b");
    ui_test::PressKey(VK_UP, {vcl::ssCtrl});
    EXPECT_EQ(Data().GetFocusedRowIndex(), 1);
    ui_test::PressKey(VK_DOWN, {vcl::ssCtrl});
    EXPECT_EQ(Data().GetFocusedRowIndex(), 3);
    ui_test::PressKey(VK_ESCAPE);
    EXPECT_FALSE(search.Searching());
    EXPECT_EQ(Data().GetFocusedRowIndex(), 3);

    // The searched column's own IncSearch turned off ends its search; another column's leaves it.
    ui_test::TypeText(u"a");
    ASSERT_TRUE(search.Searching());
    EXPECT_EQ(Data().GetFocusedRowIndex(), 4);
    View->Columns(1)->Options().SetIncSearch(false);
    EXPECT_TRUE(search.Searching());
    View->Columns(0)->Options().SetIncSearch(false);
    EXPECT_FALSE(search.Searching());
    ui_test::TypeText(u"c");
    EXPECT_FALSE(search.Searching()) << "a column without IncSearch is not searched";
    View->Columns(0)->Options().SetIncSearch(true);

    View->OptionsBehavior().SetIncSearch(false);
    ui_test::TypeText(u"c");
    EXPECT_FALSE(search.Searching());
    EXPECT_EQ(Data().GetFocusedRowIndex(), 4);
}

TEST_F(GridTableControllerTest, UpFromTheFirstRecordFocusesTheNewItemRowThenTheFilterRowAndDownComesBack) {
    Fill({u"A", u"B"}, 5);
    View->FilterRow().SetVisible(true);
    View->NewItemRow().SetVisible(true);
    ui_test::ProcessPendingMessages();
    ASSERT_TRUE(Controller().FocusRowAt(1));
    FocusSite();
    auto filterRowFocused = [&] {
        const TuiGridFilterRow* filterRow = static_cast<TuiGridViewData&>(View->ViewData()).FilterRow();
        return filterRow != nullptr && filterRow->GetSelected();
    };

    ui_test::PressKey(VK_UP);
    EXPECT_EQ(Data().GetFocusedRowIndex(), 0);
    EXPECT_FALSE(Controller().IsSpecialRowFocused());
    ui_test::PressKey(VK_UP);
    EXPECT_TRUE(Data().NewItemRowFocused());
    ui_test::PressKey(VK_UP);
    EXPECT_TRUE(filterRowFocused());
    EXPECT_FALSE(Data().NewItemRowFocused());
    ui_test::PressKey(VK_PRIOR);
    EXPECT_TRUE(filterRowFocused()) << "nothing lies above the filter row";

    ui_test::PressKey(VK_NEXT);
    EXPECT_TRUE(Data().NewItemRowFocused());
    EXPECT_FALSE(filterRowFocused());
    ui_test::PressKey(VK_DOWN);
    EXPECT_FALSE(Controller().IsSpecialRowFocused());
    EXPECT_EQ(Data().GetFocusedRowIndex(), 0);
    ui_test::PressKey(VK_DOWN);
    EXPECT_EQ(Data().GetFocusedRowIndex(), 1);

    // Without a new-item row the filter row lies right above the records.
    View->NewItemRow().SetVisible(false);
    ui_test::PressKey(VK_UP);
    ui_test::PressKey(VK_UP);
    EXPECT_TRUE(filterRowFocused());
    ui_test::PressKey(VK_DOWN);
    EXPECT_FALSE(filterRowFocused());
    EXPECT_EQ(Data().GetFocusedRowIndex(), 0);
}

TEST_F(GridTableControllerTest, TopRecordIndexIsClampedToWhatFillsThePage) {
    Fill({u"A"}, 100);
    const int32_t visible = Controller().VisibleRecordCount();
    Controller().SetTopRecordIndex(-5);
    EXPECT_EQ(Controller().TopRecordIndex(), 0);
    Controller().SetTopRecordIndex(1000);
    EXPECT_EQ(Controller().TopRecordIndex(), 100 - visible);
    Controller().SetTopRecordIndex(10);
    EXPECT_EQ(Controller().TopRecordIndex(), 10);
    // Down past the last visible record scrolls by one.
    ASSERT_TRUE(Controller().FocusRowAt(10 + visible - 1));
    FocusSite();
    ui_test::PressKey(VK_DOWN);
    EXPECT_EQ(Data().GetFocusedRowIndex(), 10 + visible);
    EXPECT_EQ(Controller().TopRecordIndex(), 11);
}

// Columns wider than the grid bring the horizontal bar, which takes its height from the rows: every way to the end
// must leave the last record whole above it.
TEST_F(GridTableControllerTest, TheLastRecordShowsWholeAboveTheHorizontalBarWhenScrolledOrFocusedThere) {
    Fill({u"A", u"B", u"C", u"D", u"E", u"F"}, 25);
    ASSERT_TRUE(Site().IsHScrollBarVisible());
    const int32_t rowsBottom = Site().GetClientBounds().Bottom;
    const auto lastRecordBottom = [&] {
        for (const TuiGridRowPlacement& placed : Controller().Placement().Rows) {
            if (placed.RecordIndex == 24) {
                return placed.Bounds.Bottom;
            }
        }
        return INT32_MAX;
    };
    const struct {
        const char* Way;
        std::function<void()> Go;
    } ways[] = {
        {"Ctrl+End", [] { ui_test::PressKey(VK_END, {vcl::ssCtrl}); }},
        {"the scroll bar's end", [&] { Site().VScrollBar()->ScrollByCode(scBottom); }},
        {"a top past the end", [&] { Controller().SetTopRecordIndex(1000); }},
        {"Down from the last visible record",
         [&] {
             for (int32_t i = 0; i < 30; ++i) {
                 ui_test::PressKey(VK_DOWN);
             }
         }},
    };
    for (const auto& way : ways) {
        Controller().SetTopRecordIndex(0);
        ASSERT_TRUE(Controller().FocusRowAt(0));
        FocusSite();
        way.Go();
        ui_test::ProcessPendingMessages();
        EXPECT_LE(lastRecordBottom(), rowsBottom) << way.Way;
        EXPECT_EQ(Site().VScrollBar()->Position() + Site().VScrollBar()->PageSize(), 25) << way.Way;
    }
}

TEST_F(GridTableControllerTest, TheLastColumnShowsWholeLeftOfTheVerticalBarAtTheHorizontalEnd) {
    Fill({u"A", u"B", u"C", u"D", u"E", u"F"}, 100);
    ASSERT_TRUE(Site().IsVScrollBarVisible());
    for (const TScrollCode code : {scBottom, scPageDown}) {
        Controller().SetLeftPos(0);
        for (int32_t i = 0; i < 10; ++i) {
            Site().HScrollBar()->ScrollByCode(code);
        }
        const TuiGridTablePlacement placement = Controller().Placement();
        ASSERT_FALSE(placement.ColumnHeaders.empty());
        EXPECT_EQ(placement.ColumnHeaders.back().Right, Site().GetClientBounds().Right) << static_cast<int>(code);
    }
}

TEST_F(GridTableControllerTest, TheBarsShowRowsAndPixelsAndScrollByLinesAndPages) {
    Fill({u"A", u"B", u"C", u"D", u"E", u"F"}, 100);
    TuiControlScrollBar* vertical = Site().VScrollBar();
    TuiControlScrollBar* horizontal = Site().HScrollBar();
    ASSERT_NE(vertical, nullptr);
    ASSERT_NE(horizontal, nullptr);
    const int32_t visible = Controller().VisibleRecordCount();
    EXPECT_EQ(vertical->Max(), 99);
    EXPECT_EQ(vertical->PageSize(), visible);
    EXPECT_EQ(horizontal->Max(), 599);

    vertical->ScrollByCode(scLineDown);
    EXPECT_EQ(Controller().TopRecordIndex(), 1);
    vertical->ScrollByCode(scPageDown);
    EXPECT_EQ(Controller().TopRecordIndex(), visible);
    EXPECT_EQ(vertical->Position(), visible);
    vertical->ScrollByCode(scPageUp);
    EXPECT_EQ(Controller().TopRecordIndex(), 1);

    horizontal->ScrollByCode(scLineDown);
    EXPECT_EQ(Controller().LeftPos(), 10);
    // A page is the width the cells get, between the grid's edge and the vertical bar.
    const int32_t page = Site().GetClientBounds().Width();
    horizontal->ScrollByCode(scPageDown);
    EXPECT_EQ(Controller().LeftPos(), std::min(10 + page, 600 - page));
    EXPECT_EQ(horizontal->Position(), Controller().LeftPos());
}

TEST_F(GridTableControllerTest, FewerRecordsOrWiderColumnsBringTheTopAndTheLeftPositionBack) {
    Fill({u"A", u"B", u"C", u"D", u"E", u"F"}, 100);
    Controller().SetTopRecordIndex(50);
    Controller().SetLeftPos(150);
    ASSERT_EQ(Controller().LeftPos(), 150);
    View->BeginUpdate();
    Data().SetRecordCount(10);
    for (int32_t i = 0; i < View->ItemCount(); ++i) {
        View->Columns(i)->SetWidth(50);
    }
    View->EndUpdate();
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Controller().TopRecordIndex(), 0);
    EXPECT_EQ(Controller().LeftPos(), 0);
    EXPECT_EQ(Site().VScrollBar()->Max(), 9);
}

TEST_F(GridTableControllerTest, LeftPosStopsAtTheDataWidthAndReportsOnlyChanges) {
    Fill({u"A", u"B", u"C", u"D", u"E", u"F"}, 3);
    int32_t changes = 0;
    View->SetOnLeftPosChanged([&](TuiGridTableView&) { ++changes; });
    const int32_t maximum = 600 - Site().ClientWidth();
    ASSERT_GT(maximum, 0);
    Controller().SetLeftPos(5000);
    EXPECT_EQ(Controller().LeftPos(), maximum);
    EXPECT_EQ(changes, 1);
    Controller().SetLeftPos(maximum + 1);
    EXPECT_EQ(changes, 1);
    Controller().SetLeftPos(-3);
    EXPECT_EQ(Controller().LeftPos(), 0);
    EXPECT_EQ(changes, 2);
    // Scrolled, the headers move left by the position.
    Controller().SetLeftPos(30);
    EXPECT_EQ(Controller().Placement().ColumnHeaders.at(0).Left, -30);

    for (int32_t i = 0; i < View->ItemCount(); ++i) {
        View->Columns(i)->SetWidth(30);
    }
    Controller().SetLeftPos(20);
    EXPECT_EQ(Controller().LeftPos(), 0);
}

TEST_F(GridTableControllerTest, ShiftRightSelectsColumnsFromTheAnchorAndARightClickKeepsTheSelection) {
    Fill({u"A", u"B", u"C", u"D", u"E"}, 10);
    View->OptionsSelection().SetCellMultiSelect(true);
    for (int32_t i = 0; i < View->ItemCount(); ++i) {
        View->Columns(i)->SetWidth(60);
    }
    ui_test::Click(Site(), CellCentre(1, 2));
    EXPECT_EQ(Data().GetFocusedRowIndex(), 1);
    EXPECT_EQ(Controller().FocusedItem(), View->VisibleColumns(2));
    EXPECT_EQ(SelectedColumnIndexes(), (std::vector<int32_t>{2}));

    ui_test::PressKey(VK_RIGHT, {vcl::ssShift});
    ui_test::PressKey(VK_RIGHT, {vcl::ssShift});
    EXPECT_EQ(SelectedColumnIndexes(), (std::vector<int32_t>{2, 3, 4}));
    EXPECT_EQ(Controller().CellSelectionAnchor(), View->VisibleColumns(2));

    ui_test::MouseDown(Site(), vcl::mbLeft, CellCentre(3, 3), {vcl::ssShift});
    ui_test::MouseUp(Site(), vcl::mbLeft, CellCentre(3, 3), {vcl::ssShift});
    EXPECT_EQ(Data().GetSelectedRowCount(), 3);
    EXPECT_EQ(SelectedColumnIndexes(), (std::vector<int32_t>{2, 3}));

    ui_test::MouseDown(Site(), vcl::mbRight, CellCentre(2, 3));
    ui_test::MouseUp(Site(), vcl::mbRight, CellCentre(2, 3));
    EXPECT_EQ(Data().GetSelectedRowCount(), 3);
    EXPECT_EQ(SelectedColumnIndexes(), (std::vector<int32_t>{2, 3}));

    // A plain click starts again at the clicked cell; Ctrl+A selects every row and column.
    ui_test::Click(Site(), CellCentre(4, 0));
    EXPECT_EQ(Data().GetSelectedRowCount(), 1);
    EXPECT_EQ(SelectedColumnIndexes(), (std::vector<int32_t>{0}));
    ui_test::PressKey('A', {vcl::ssCtrl});
    EXPECT_EQ(Data().GetSelectedRowCount(), 10);
    EXPECT_EQ(SelectedColumnIndexes(), (std::vector<int32_t>{0, 1, 2, 3, 4}));
}

TEST_F(GridTableControllerTest, TabAndEnterStepCellsAndTabLeavesTheGridAtTheEnd) {
    Fill({u"A", u"B"}, 2);
    auto* next = new vcl::TEdit(Form.get());
    next->SetParent(Form.get());
    next->SetBounds(0, 260, 100, 20);
    next->SetTabOrder(1);
    View->OptionsBehavior().SetFocusCellOnTab(true);
    View->OptionsBehavior().SetGoToNextCellOnEnter(true);
    ui_test::Click(Site(), CellCentre(0, 0));
    FocusSite();

    ui_test::PressKey(VK_TAB);
    EXPECT_EQ(Controller().FocusedItem(), View->VisibleColumns(1));
    // At the end of a row Tab moves on only with FocusCellOnCycle; otherwise the next control takes the focus.
    ui_test::PressKey(VK_TAB);
    EXPECT_TRUE(next->Focused());
    EXPECT_EQ(Data().GetFocusedRowIndex(), 0);

    FocusSite();
    View->OptionsBehavior().SetFocusCellOnCycle(true);
    ui_test::PressKey(VK_RETURN);
    EXPECT_EQ(Data().GetFocusedRowIndex(), 1);
    EXPECT_EQ(Controller().FocusedItem(), View->VisibleColumns(0));
    ui_test::PressKey(VK_TAB, {vcl::ssShift});
    EXPECT_EQ(Data().GetFocusedRowIndex(), 0);
    EXPECT_EQ(Controller().FocusedItem(), View->VisibleColumns(1));

    // Enter on the last cell is taken even where it cannot move.
    ASSERT_TRUE(Controller().FocusRowAt(1));
    Controller().SetFocusedItem(View->VisibleColumns(1));
    ui_test::PressKey(VK_RETURN);
    EXPECT_TRUE(Site().Focused());
    EXPECT_EQ(Data().GetFocusedRowIndex(), 1);
}

TEST_F(GridTableControllerTest, DeleteAsksForTheSelectedRecordsOrTheFocusedOneAndCancelDeletesNothing) {
    Fill({u"A"}, 4);
    Data().SetMultiSelect(true);
    ASSERT_TRUE(Controller().FocusRowAt(0));
    Data().ChangeRowSelection(1, true);
    Data().ChangeRowSelection(2, true);
    FocusSite();
    ui_test::TRecordedMessageBoxes boxes;
    boxes.Answers = {IDCANCEL, IDOK, IDOK};

    ui_test::PressKey(VK_DELETE);
    EXPECT_EQ(Data().GetRecordCount(), 4);
    ui_test::PressKey(VK_DELETE);
    EXPECT_EQ(Data().GetRecordCount(), 2);
    Data().ClearSelection();
    ui_test::PressKey(VK_DELETE);
    EXPECT_EQ(Data().GetRecordCount(), 1);
    ASSERT_EQ(boxes.Shown.size(), 3u);
    EXPECT_EQ(boxes.Shown[0].Text, u"Delete all selected records?");
    EXPECT_EQ(boxes.Shown[0].Caption, u"Confirm");
    EXPECT_EQ(boxes.Shown[2].Text, u"Delete record?");

    // Without Deleting the key stays with the view and nothing asks.
    View->OptionsData().SetDeleting(false);
    ui_test::PressKey(VK_DELETE);
    EXPECT_EQ(Data().GetRecordCount(), 1);
    EXPECT_EQ(boxes.Shown.size(), 3u);
}

TEST_F(GridTableControllerTest, RowSelectionByClicksCtrlTogglesShiftRangesAndAPressOnASelectedRowWaitsForTheRelease) {
    Fill({u"A", u"B"}, 8);
    View->OptionsSelection().SetMultiSelect(true);
    auto selectedRows = [&] {
        std::vector<int32_t> rows;
        for (int32_t row = 0; row < Data().GetRowCount(); ++row) {
            if (Data().IsRowSelected(row)) {
                rows.push_back(row);
            }
        }
        return rows;
    };
    auto click = [&](int32_t row, vcl::TShiftState shift) {
        ui_test::MouseDown(Site(), vcl::mbLeft, CellCentre(row, 0), shift);
        ui_test::MouseUp(Site(), vcl::mbLeft, CellCentre(row, 0), shift);
    };
    click(1, {});
    EXPECT_EQ(selectedRows(), (std::vector<int32_t>{1}));
    click(3, {vcl::ssCtrl});
    EXPECT_EQ(selectedRows(), (std::vector<int32_t>{1, 3}));
    click(5, {vcl::ssShift});
    EXPECT_EQ(selectedRows(), (std::vector<int32_t>{3, 4, 5}));
    click(0, {vcl::ssShift, vcl::ssCtrl});
    EXPECT_EQ(selectedRows(), (std::vector<int32_t>{0, 1, 2, 3, 4, 5}));
    click(4, {vcl::ssCtrl});
    EXPECT_EQ(selectedRows(), (std::vector<int32_t>{0, 1, 2, 3, 5}));

    ui_test::MouseDown(Site(), vcl::mbLeft, CellCentre(2, 0));
    EXPECT_EQ(selectedRows().size(), 5u) << "a drag may still start from the selection";
    ui_test::MouseUp(Site(), vcl::mbLeft, CellCentre(2, 0));
    EXPECT_EQ(selectedRows(), (std::vector<int32_t>{2}));

    // Ctrl+Space toggles the focused row, and the space it would type is swallowed.
    FocusSite();
    std::vector<char16_t> typed;
    Site().SetOnKeyPress([&](rtl::TObject*, char16_t& key) {
        if (key != 0) {
            typed.push_back(key);
        }
    });
    ui_test::PressKey(VK_DOWN);
    EXPECT_EQ(selectedRows(), (std::vector<int32_t>{3}));
    ui_test::PressKey(VK_SPACE, {vcl::ssCtrl});
    EXPECT_TRUE(selectedRows().empty());
    ui_test::PressKey(VK_SPACE, {vcl::ssCtrl});
    EXPECT_EQ(selectedRows(), (std::vector<int32_t>{3}));
    EXPECT_TRUE(typed.empty());
}

TEST_F(GridTableControllerTest, EscapeUndoesTheEditOfTheFocusedRecordAndSelectsIt) {
    Fill({u"A"}, 3);
    Data().SetMultiSelect(true);
    ASSERT_TRUE(Controller().FocusRowAt(1));
    Data().ClearSelection();
    Data().Edit();
    ASSERT_TRUE(Data().IsEditingRecord());
    FocusSite();
    ui_test::PressKey(VK_ESCAPE);
    EXPECT_FALSE(Data().IsEditingRecord());
    EXPECT_TRUE(Data().IsRowSelected(1));
}

TEST_F(GridTableControllerTest, HeaderClicksSortAscendingThenDescendingCtrlRemovesShiftAdds) {
    Fill({u"A", u"B"}, 5);
    TuiGridColumn* a = View->Columns(0);
    TuiGridColumn* b = View->Columns(1);
    std::vector<std::string> clicks;
    b->SetOnHeaderClick([&](TuiGridColumn&) { clicks.push_back("column"); });
    View->SetOnColumnHeaderClick([&](TuiGridTableView&, TuiGridColumn* column) {
        clicks.push_back(column == b ? "view" : "view of another column");
    });
    ui_test::MouseDown(Site(), vcl::mbLeft, HeaderCentre(1));
    EXPECT_EQ(Controller().PressedColumn(), b);
    EXPECT_EQ(clicks, (std::vector<std::string>{"column", "view"}));
    ui_test::MouseUp(Site(), vcl::mbLeft, HeaderCentre(1));
    EXPECT_EQ(Controller().PressedColumn(), nullptr);
    EXPECT_EQ(b->SortOrder(), soAscending);
    ui_test::PumpMessages(600); // no double click
    ui_test::Click(Site(), HeaderCentre(1));
    EXPECT_EQ(b->SortOrder(), soDescending);
    EXPECT_EQ(Data().GetDisplayText(Data().GetRowInfo(0).RecordIndex, 1), "r4c1");

    ui_test::MouseDown(Site(), vcl::mbLeft, HeaderCentre(1), {vcl::ssCtrl});
    ui_test::MouseUp(Site(), vcl::mbLeft, HeaderCentre(1), {vcl::ssCtrl});
    EXPECT_EQ(b->SortOrder(), soNone);

    ui_test::Click(Site(), HeaderCentre(0));
    ui_test::MouseDown(Site(), vcl::mbLeft, HeaderCentre(1), {vcl::ssShift});
    ui_test::MouseUp(Site(), vcl::mbLeft, HeaderCentre(1), {vcl::ssShift});
    EXPECT_EQ(a->SortOrder(), soAscending);
    EXPECT_EQ(b->SortOrder(), soAscending);
    EXPECT_EQ(b->SortIndex(), 1);

    // A plain click sorts by that column alone.
    ui_test::PumpMessages(600);
    ui_test::Click(Site(), HeaderCentre(1));
    EXPECT_EQ(a->SortOrder(), soNone);
    EXPECT_EQ(b->SortOrder(), soDescending);
}

TEST_F(GridTableControllerTest, UnderGroupBySortingTheClickedColumnIsSortedAndTheOneGroupedColumn) {
    Fill({u"A", u"B", u"C"}, 6);
    View->OptionsCustomize().SetColumnGrouping(true);
    View->OptionsCustomize().SetGroupBySorting(true);
    TuiGridColumn* a = View->Columns(0);
    TuiGridColumn* b = View->Columns(1);
    ui_test::Click(Site(), HeaderCentre(1));
    EXPECT_EQ(b->SortOrder(), soAscending);
    EXPECT_EQ(b->GroupIndex(), 0);
    EXPECT_FALSE(b->Visible()) << "ColumnHidingOnGrouping hides it";

    // Another column takes the sorting and the grouping; the column grouped before comes back.
    ui_test::Click(Site(), HeaderCentre(0));
    EXPECT_EQ(a->GroupIndex(), 0);
    EXPECT_EQ(a->SortOrder(), soAscending);
    EXPECT_EQ(b->GroupIndex(), -1);
    EXPECT_EQ(b->SortOrder(), soNone);
    EXPECT_TRUE(b->Visible());
    EXPECT_FALSE(a->Visible());

    // Shift+click adds a column to the sorting without grouping it; Ctrl+click on it takes its sorting away again.
    TuiGridColumn* c = View->Columns(2);
    ui_test::MouseDown(Site(), vcl::mbLeft, HeaderCentre(c->VisibleIndex()), {vcl::ssShift});
    ui_test::MouseUp(Site(), vcl::mbLeft, HeaderCentre(c->VisibleIndex()), {vcl::ssShift});
    EXPECT_EQ(c->SortOrder(), soAscending);
    EXPECT_EQ(c->GroupIndex(), -1);
    EXPECT_EQ(a->GroupIndex(), 0);
    ui_test::MouseDown(Site(), vcl::mbLeft, HeaderCentre(c->VisibleIndex()), {vcl::ssCtrl});
    ui_test::MouseUp(Site(), vcl::mbLeft, HeaderCentre(c->VisibleIndex()), {vcl::ssCtrl});
    EXPECT_EQ(c->SortOrder(), soNone);
    EXPECT_EQ(a->GroupIndex(), 0);
}

TEST_F(GridTableControllerTest, CopyGivesCaptionsAndSelectedRowsAndQuotesCutFields) {
    Fill({u"A", u"B"}, 3);
    Data().SetValue(2, 1, rtl::Variant(u"x\ty"));
    Data().SetMultiSelect(true);
    Data().ChangeRowSelection(0, true);
    Data().ChangeRowSelection(2, true);
    View->CopyToClipboard(false);
    EXPECT_EQ(vcl::Clipboard().AsText(), u"A\tB\r\nr0c0\tr0c1\r\nr2c0\t\"x\ty\"");

    Data().ClearSelection();
    View->CopyToClipboard(false);
    EXPECT_EQ(vcl::Clipboard().AsText(), u"A\tB");
}

TEST_F(GridTableControllerTest, CopyUnderCellMultiSelectTakesTheSelectedColumnsInVisibleOrder) {
    Fill({u"A", u"B", u"C", u"D", u"E"}, 4);
    View->OptionsSelection().SetCellMultiSelect(true);
    View->Columns(3)->SetIndex(1);
    Controller().SelectColumns(View->VisibleColumns(1), View->VisibleColumns(2));
    Data().ChangeRowSelection(1, true);
    FocusSite();
    ui_test::PressKey('C', {vcl::ssCtrl});
    EXPECT_EQ(vcl::Clipboard().AsText(), u"D\tB\r\nr1c3\tr1c1");
}

TEST_F(GridTableControllerTest, BestFitTakesTheWiderOfHeaderAndCellsLoweredToTheMaximum) {
    Fill({u"A", u"A much longer caption than any text", u"C"}, 4);
    Data().SetValue(2, 0, rtl::Variant(u"a rather long text in one cell"));
    View->Columns(2)->SetBestFitMaxWidth(25);
    int32_t sizeChanges = 0;
    View->SetOnColumnSizeChanged([&](TuiGridTableView&, TuiGridColumn*) { ++sizeChanges; });
    View->ApplyBestFit(nullptr, false, false);

    TuiCanvas& canvas = View->ViewInfo().Canvas();
    EXPECT_GT(View->Columns(0)->Width(), canvas.GetTextWidth(u"a rather long text in one cell"));
    EXPECT_GT(View->Columns(1)->Width(), canvas.GetTextWidth(u"A much longer caption than any text"));
    EXPECT_LT(View->Columns(1)->Width(), canvas.GetTextWidth(u"A much longer caption than any text") + 20);
    EXPECT_EQ(View->Columns(2)->Width(), 25);
    EXPECT_EQ(sizeChanges, 0);

    // A double click on a header's sizing edge fits that column and reports it.
    const int32_t fitted = View->Columns(0)->Width();
    View->Columns(0)->SetWidth(200);
    const vcl::TRect header = Controller().Placement().ColumnHeaders.at(0);
    ui_test::DoubleClick(Site(), vcl::Point(header.Right - 1, Centre(header).Y));
    EXPECT_EQ(View->Columns(0)->Width(), fitted);
    EXPECT_EQ(sizeChanges, 1);
}

// As the application's line-number column: short numbers under a caption in the header's own font, sorted, so the
// header holds a sorting mark beside the caption. Fitted, the caption shows whole and the mark stands clear of it.
TEST_F(GridTableControllerTest, BestFitMakesRoomInTheHeaderForTheWholeCaptionAndItsSortingMark) {
    Fill({u"序号", u"B"}, 3);
    for (int32_t record = 0; record < 3; ++record) {
        Data().SetValue(record, 0, rtl::Variant(rtl::UnicodeString(u"1")));
    }
    for (const vcl::TAlignment alignment : {vcl::taLeftJustify, vcl::taCenter}) {
        View->Columns(0)->SetHeaderAlignmentHorz(alignment);
        View->Columns(0)->SetSortOrder(soAscending);
        View->ApplyBestFit(nullptr, false, false);
        ui_test::ProcessPendingMessages();
        const auto& viewInfo = static_cast<TuiGridTableViewInfo&>(View->ViewInfo());
        const TuiGridColumnHeaderViewInfo& header = viewInfo.ColumnHeaders(0);
        ASSERT_TRUE(header.HasSortingMark());
        EXPECT_FALSE(header.IsCaptionCut()) << static_cast<int>(alignment);
        EXPECT_TRUE(header.SortingMarkBounds().Left >= header.CaptionBounds().Right ||
                    header.SortingMarkBounds().Right <= header.CaptionBounds().Left)
            << static_cast<int>(alignment);
    }
}

TEST_F(GridTableControllerTest, RemovingTheAnchorColumnThatHasTheFocusLeavesNoAnchorOnIt) {
    Fill({u"A", u"B", u"C"}, 3);
    View->OptionsSelection().SetCellMultiSelect(true);
    ui_test::Click(Site(), CellCentre(0, 1));
    TuiGridColumn* removed = View->VisibleColumns(1);
    ASSERT_EQ(Controller().CellSelectionAnchor(), removed);
    ASSERT_EQ(Controller().FocusedItem(), removed);
    delete removed;
    EXPECT_EQ(Controller().CellSelectionAnchor(), nullptr);
    EXPECT_EQ(Controller().FocusedItem(), nullptr);
    EXPECT_EQ(Controller().SelectedColumnCount(), 0);
}

TEST_F(GridTableControllerOnScreenTest, DraggingAHeaderEdgeSizesTheColumnNotBelowItsMinimumAndReportsOnce) {
    Fill({u"A", u"B"}, 3);
    TuiGridColumn* column = View->Columns(0);
    column->SetMinWidth(40);
    std::vector<TuiGridColumn*> reported;
    View->SetOnColumnSizeChanged([&](TuiGridTableView&, TuiGridColumn* sized) { reported.push_back(sized); });

    vcl::TRect header = Controller().Placement().ColumnHeaders.at(0);
    const int32_t y = Centre(header).Y;
    EXPECT_EQ(Controller().GetCursor(header.Right, y), crGridHorzSize);
    ui_test::MouseDown(Site(), vcl::mbLeft, vcl::Point(header.Right, y));
    ui_test::MouseMove(Site(), vcl::Point(header.Right + 30, y), {vcl::ssLeft});
    ui_test::MouseUp(Site(), vcl::mbLeft, vcl::Point(header.Right + 30, y));
    EXPECT_EQ(column->Width(), 130);
    EXPECT_EQ(reported, (std::vector<TuiGridColumn*>{column}));

    header = Controller().Placement().ColumnHeaders.at(0);
    ui_test::MouseDown(Site(), vcl::mbLeft, vcl::Point(header.Right, y));
    ui_test::MouseMove(Site(), vcl::Point(header.Left + 5, y), {vcl::ssLeft});
    ui_test::MouseUp(Site(), vcl::mbLeft, vcl::Point(header.Left + 5, y));
    EXPECT_EQ(column->Width(), 40);
    EXPECT_EQ(reported.size(), 2u);
    EXPECT_EQ(View->Columns(1)->Width(), 100);
}

TEST_F(GridTableControllerOnScreenTest, SizingAColumnThatSharesTheWidthKeepsTheSharesAsSeenAndTheOthersMinimums) {
    Fill({u"A", u"B", u"C"}, 3);
    View->OptionsView().SetColumnAutoWidth(true);
    ui_test::PumpMessages(20);
    const auto& viewInfo = static_cast<const TuiGridTableViewInfo&>(View->ViewInfo());
    const vcl::TRect first = viewInfo.ColumnHeaders(0).Bounds();
    const int32_t contentWidth = viewInfo.DataWidth();
    ASSERT_EQ(viewInfo.ColumnHeaders(2).Bounds().Right, first.Left + contentWidth) << "the columns fill the content";
    ASSERT_GT(first.Width(), 100);
    const int32_t y = Centre(first).Y;
    ui_test::MouseDown(Site(), vcl::mbLeft, vcl::Point(first.Right, y));
    ui_test::MouseMove(Site(), vcl::Point(first.Right + 30, y), {vcl::ssLeft});
    ui_test::MouseUp(Site(), vcl::mbLeft, vcl::Point(first.Right + 30, y));
    ui_test::PumpMessages(20);
    EXPECT_EQ(viewInfo.ColumnHeaders(0).Bounds().Width(), first.Width() + 30) << "the header as it was dragged";
    EXPECT_EQ(View->Columns(0)->Width(), first.Width() + 30);
    EXPECT_EQ(viewInfo.DataWidth(), contentWidth) << "the columns still fill the content";

    // Far right: the others keep their minimum widths.
    const vcl::TRect grown = viewInfo.ColumnHeaders(0).Bounds();
    ui_test::MouseDown(Site(), vcl::mbLeft, vcl::Point(grown.Right, y));
    ui_test::MouseMove(Site(), vcl::Point(grown.Right + 1000, y), {vcl::ssLeft});
    ui_test::MouseUp(Site(), vcl::mbLeft, vcl::Point(grown.Right + 1000, y));
    ui_test::PumpMessages(20);
    const int32_t minWidth = TuiCustomGridTableItem::DefaultMinWidth;
    EXPECT_EQ(viewInfo.ColumnHeaders(0).Bounds().Width(), contentWidth - 2 * minWidth);
    EXPECT_EQ(viewInfo.ColumnHeaders(1).Bounds().Width(), minWidth);
    EXPECT_EQ(viewInfo.ColumnHeaders(2).Bounds().Width(), minWidth);
}

TEST_F(GridTableControllerOnScreenTest, TheSizingLineIsInvertedSoDrawingItTwiceLeavesNoTrace) {
    Fill({u"A", u"B"}, 3);
    const vcl::TRect header = Controller().Placement().ColumnHeaders.at(0);
    const int width = Site().ClientWidth();
    const int height = Site().ClientHeight();
    auto capture = [&] { return ScreenPixels(width, height); };
    Site().Repaint();
    const std::vector<uint32_t> before = capture();
    TuiGridColumnHorzSizingObject sizing(Controller(), *View->Columns(0), header, vcl::Point(header.Right, 5));
    sizing.BeginDragAndDrop();
    const std::vector<uint32_t> drawn = capture();
    sizing.SetDirty(true);
    const std::vector<uint32_t> after = capture();

    EXPECT_EQ(after, before);
    const vcl::TRect line = sizing.SizingLineBounds();
    EXPECT_EQ(line.Width(), 1);
    int changed = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const size_t i = static_cast<size_t>(y) * width + x;
            if (drawn[i] != before[i]) {
                ++changed;
                EXPECT_EQ(x, line.Left);
                EXPECT_EQ(drawn[i] & 0xFFFFFF, ~before[i] & 0xFFFFFF);
            }
        }
    }
    EXPECT_EQ(changed, line.Height());
}

TEST_F(GridTableControllerOnScreenTest, ACutCellTextShowsItsWholeTextInAHintUntilThePointerLeavesTheCell) {
    Fill({u"A", u"B"}, 3);
    const rtl::UnicodeString longText = u"a text far too long for a cell one hundred pixels wide";
    Data().SetValue(1, 0, rtl::Variant(longText.c_str()));
    View->OptionsBehavior().SetCellHints(true);
    SetForegroundWindow(Form->Handle());
    SendMessageW(vcl::Application().Handle(), WM_ACTIVATEAPP, TRUE, 0);
    ui_test::ProcessPendingMessages();
    ASSERT_TRUE(vcl::Application().Active());
    ASSERT_EQ(vcl::Screen().ActiveForm(), Form.get());
    TuiGridHintHelper& hints = Controller().HintHelper();

    ui_test::MouseMove(Site(), CellCentre(0, 0));
    ui_test::PumpMessages(50);
    EXPECT_FALSE(hints.IsHintShown()) << "a text that fits needs no hint";

    ui_test::MouseMove(Site(), CellCentre(1, 0));
    ASSERT_TRUE(ui_test::PumpUntil([&] { return hints.IsHintShown(); }));
    EXPECT_EQ(hints.HintText(), longText);
    const HWND window = hints.HintWindow()->Handle();
    RECT shown{};
    GetWindowRect(window, &shown);
    EXPECT_GT(shown.right - shown.left, 100) << "the hint holds the whole text";

    // The hint lies over the pointer; it stays, neither hidden by its checks nor shown anew.
    ui_test::MouseMove(Site(), vcl::Point(CellCentre(1, 0).X + 3, CellCentre(1, 0).Y));
    EXPECT_FALSE(ui_test::PumpUntil([&] { return !hints.IsHintShown(); }, 350));
    ASSERT_TRUE(hints.IsHintShown());
    RECT again{};
    GetWindowRect(hints.HintWindow()->Handle(), &again);
    EXPECT_EQ(hints.HintWindow()->Handle(), window);
    EXPECT_TRUE(EqualRect(&shown, &again));

    ui_test::MouseMove(Site(), CellCentre(1, 1));
    EXPECT_TRUE(ui_test::PumpUntil([&] { return !hints.IsHintShown(); }));
}

TEST_F(GridTableControllerOnScreenTest, ACutHeaderCaptionShowsWholeInAHintWhileColumnHeaderHintsAreOn) {
    const char16_t* longCaption = u"A caption far too long for a header one hundred pixels wide";
    Fill({u"A", longCaption}, 3);
    SetForegroundWindow(Form->Handle());
    SendMessageW(vcl::Application().Handle(), WM_ACTIVATEAPP, TRUE, 0);
    ui_test::ProcessPendingMessages();
    ASSERT_TRUE(View->OptionsBehavior().ColumnHeaderHints());
    TuiGridHintHelper& hints = Controller().HintHelper();
    const vcl::TRect shortHeader = Controller().Placement().ColumnHeaders.at(0);
    const vcl::TRect longHeader = Controller().Placement().ColumnHeaders.at(1);

    ui_test::MouseMove(Site(), Centre(shortHeader));
    ui_test::PumpMessages(50);
    EXPECT_FALSE(hints.IsHintShown()) << "a caption that fits needs no hint";

    ui_test::MouseMove(Site(), Centre(longHeader));
    ASSERT_TRUE(ui_test::PumpUntil([&] { return hints.IsHintShown(); }));
    EXPECT_EQ(hints.HintText(), longCaption);
    RECT shown{};
    GetWindowRect(hints.HintWindow()->Handle(), &shown);
    EXPECT_GT(shown.right - shown.left, longHeader.Width()) << "the hint holds the whole caption";

    ui_test::MouseMove(Site(), Centre(shortHeader));
    EXPECT_TRUE(ui_test::PumpUntil([&] { return !hints.IsHintShown(); }));

    View->OptionsBehavior().SetColumnHeaderHints(false);
    ui_test::PumpMessages(20);
    ui_test::MouseMove(Site(), Centre(longHeader));
    ui_test::PumpMessages(100);
    EXPECT_FALSE(hints.IsHintShown());
}

TEST_F(GridTableControllerOnScreenTest, TheApplicationsShowHintHandlerMayChangeACellHintsTextOrRefuseIt) {
    Fill({u"A", u"B"}, 3);
    Data().SetValue(0, 0, rtl::Variant(u"a first text far too long for a cell one hundred pixels wide"));
    Data().SetValue(1, 0, rtl::Variant(u"a second text far too long for a cell one hundred pixels wide"));
    View->OptionsBehavior().SetCellHints(true);
    SetForegroundWindow(Form->Handle());
    SendMessageW(vcl::Application().Handle(), WM_ACTIVATEAPP, TRUE, 0);
    ui_test::ProcessPendingMessages();
    ASSERT_TRUE(vcl::Application().Active());
    std::vector<const vcl::TControl*> asked;
    vcl::Application().SetOnShowHint([&](rtl::UnicodeString& text, bool& canShow, vcl::THintInfo& info) {
        asked.push_back(info.HintControl);
        if (text.starts_with(u"a first")) {
            text = u"told otherwise";
        } else {
            canShow = false;
        }
    });
    struct HandlerReset {
        ~HandlerReset() { vcl::Application().SetOnShowHint(nullptr); }
    } reset;
    TuiGridHintHelper& hints = Controller().HintHelper();

    ui_test::MouseMove(Site(), CellCentre(0, 0));
    ui_test::PumpMessages(50);
    ASSERT_TRUE(hints.IsHintShown());
    EXPECT_EQ(hints.HintWindow()->Caption(), u"told otherwise");
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], &Site());

    ui_test::MouseMove(Site(), CellCentre(1, 0));
    ui_test::PumpMessages(50);
    EXPECT_FALSE(hints.IsHintShown()) << "a refused hint shows nothing";
    EXPECT_GE(asked.size(), 2u) << "the handler is asked again for the other cell";
}

TEST(GridHeaderDropZone, AColumnGoesBeforeTheHeaderWhoseMiddleLiesRightOfThePointer) {
    TuiGridTablePlacement placement;
    placement.HeaderBounds = vcl::Rect(0, 0, 300, 20);
    placement.ColumnHeaders = {vcl::Rect(0, 0, 100, 20), vcl::Rect(100, 0, 200, 20), vcl::Rect(200, 0, 300, 20)};
    const vcl::TRect client = vcl::Rect(0, 0, 400, 200);
    const struct {
        vcl::TPoint Point;
        int32_t Zone;
    } cases[] = {
        {{10, 10}, 0},  {{49, 10}, 0},  {{50, 10}, 1}, {{149, 10}, 1}, {{250, 10}, 3},
        {{390, 10}, 3}, {{10, -15}, 0}, {{10, 34}, 0}, {{10, 35}, -1}, {{10, -16}, -1},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(HeaderDropZoneAt(placement, client, testCase.Point), testCase.Zone)
            << testCase.Point.X << "," << testCase.Point.Y;
    }
    placement.HeaderBounds = {};
    EXPECT_EQ(HeaderDropZoneAt(placement, client, vcl::Point(10, 10)), -1) << "no header, no zone";
}

// The column moving drag running on the site, or nullptr.
TuiGridColumnHeaderMovingObject* MovingObjectOf(TuiGridSite& site) {
    if (site.DragAndDropState() != ddsInProcess) {
        return nullptr;
    }
    return dynamic_cast<TuiGridColumnHeaderMovingObject*>(&site.DragAndDropObject());
}

bool IsWindowShown(const vcl::TWinControl* control) {
    return control != nullptr && control->HandleAllocated() && IsWindowVisible(control->WindowHandle());
}

std::vector<rtl::UnicodeString> VisibleCaptions(TuiGridTableView& view) {
    std::vector<rtl::UnicodeString> captions;
    for (int32_t i = 0; i < view.VisibleItemCount(); ++i) {
        captions.push_back(static_cast<TuiGridColumn*>(view.VisibleItems(i))->Caption());
    }
    return captions;
}

TEST_F(GridTableControllerOnScreenTest, AHeaderDraggedPastTheLastMovesItsColumnThereWithAnImageAndTwoArrows) {
    Fill({u"A", u"B", u"C"}, 3);
    TuiGridColumn* columnA = View->Columns(0);
    int moves = 0;
    View->SetOnColumnPosChanged([&](TuiGridTableView&, TuiGridColumn* moved) {
        ++moves;
        EXPECT_EQ(moved, columnA);
    });
    const vcl::TRect lastHeader = Controller().Placement().ColumnHeaders.at(2);
    const vcl::TPoint drop(lastHeader.Right - 10, Centre(lastHeader).Y);

    ui_test::MouseDown(Site(), vcl::mbLeft, HeaderCentre(0));
    ui_test::MouseMove(Site(), drop, {vcl::ssLeft});
    TuiGridColumnHeaderMovingObject* moving = MovingObjectOf(Site());
    ASSERT_NE(moving, nullptr);
    EXPECT_EQ(Controller().PressedColumn(), nullptr) << "a moved header is no longer pressed";
    EXPECT_EQ(moving->DestinationZone(), 3);
    EXPECT_TRUE(IsWindowShown(moving->DragImage()));
    EXPECT_EQ(vcl::ScreenCursor(), vcl::crArrow);
    // One arrow above and one below the right edge of the last header.
    const vcl::TPoint edge = Site().ClientToScreen(vcl::Point(lastHeader.Right, lastHeader.Top));
    for (int32_t i = 0; i < 2; ++i) {
        ASSERT_TRUE(IsWindowShown(moving->Arrow(i))) << i;
        RECT arrow{};
        GetWindowRect(moving->Arrow(i)->WindowHandle(), &arrow);
        EXPECT_LE(std::abs((arrow.left + arrow.right) / 2 - edge.X), 6) << i;
    }
    RECT above{};
    RECT below{};
    GetWindowRect(moving->Arrow(0)->WindowHandle(), &above);
    GetWindowRect(moving->Arrow(1)->WindowHandle(), &below);
    EXPECT_LE(above.bottom, edge.Y + 1);
    EXPECT_GE(below.top, edge.Y + lastHeader.Height() - 1);

    ui_test::MouseUp(Site(), vcl::mbLeft, drop);
    EXPECT_EQ(Site().DragAndDropState(), ddsNone);
    EXPECT_EQ(VisibleCaptions(*View), (std::vector<rtl::UnicodeString>{u"B", u"C", u"A"}));
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(columnA->Index(), 2);
    EXPECT_EQ(columnA->SortOrder(), soNone) << "a moved header is not clicked";
}

TEST_F(GridTableControllerOnScreenTest, TheDragImageShowsTheHeaderAsTheViewPaintsIt) {
    Fill({u"A", u"B", u"C"}, 3);
    // A pressed header shows its filter button; shown always, it is on the screen before the press too.
    View->OptionsView().SetShowColumnFilterButtons(sfbAlways);
    const vcl::TRect header = Controller().Placement().ColumnHeaders.at(1);
    Site().Repaint();
    const std::vector<uint32_t> site = ScreenPixels(Site().ClientWidth(), Site().ClientHeight());

    ui_test::MouseDown(Site(), vcl::mbLeft, Centre(header));
    ui_test::MouseMove(Site(), vcl::Point(Centre(header).X, header.Bottom + 40), {vcl::ssLeft});
    TuiGridColumnHeaderMovingObject* moving = MovingObjectOf(Site());
    ASSERT_NE(moving, nullptr);
    TuiDragImage& image = *moving->DragImage();
    ASSERT_EQ(image.Width(), header.Width());
    ASSERT_EQ(image.Height(), header.Height());
    ui_test::TDibSurface copy(header.Width(), header.Height());
    BitBlt(copy.DC(), 0, 0, header.Width(), header.Height(), image.ImageCanvas().Handle(), 0, 0, SRCCOPY);
    int32_t differing = 0;
    for (int32_t y = 0; y < header.Height(); ++y) {
        for (int32_t x = 0; x < header.Width(); ++x) {
            const uint32_t shown = site[static_cast<size_t>(header.Top + y) * Site().ClientWidth() + header.Left + x];
            differing +=
                (copy.Pixel(x, y) & 0xFFFFFF) != ((shown & 0xFF00) | ((shown >> 16) & 0xFF) | ((shown & 0xFF) << 16));
        }
    }
    EXPECT_EQ(differing, 0);
    ui_test::MouseUp(Site(), vcl::mbLeft, vcl::Point(Centre(header).X, header.Bottom + 40));
}

TEST_F(GridTableControllerOnScreenTest, AHeaderDroppedAtItsOwnPlaceOrOutsideChangesNothingUnlessHidingIsAllowed) {
    Fill({u"A", u"B", u"C"}, 3);
    int moves = 0;
    View->SetOnColumnPosChanged([&](TuiGridTableView&, TuiGridColumn*) { ++moves; });
    const vcl::TPoint press = HeaderCentre(0);
    const vcl::TPoint ownPlace(press.X + 30, press.Y);
    const vcl::TPoint outside(press.X, Site().ClientHeight() - 5);

    ui_test::MouseDown(Site(), vcl::mbLeft, press);
    ui_test::MouseMove(Site(), ownPlace, {vcl::ssLeft});
    TuiGridColumnHeaderMovingObject* moving = MovingObjectOf(Site());
    ASSERT_NE(moving, nullptr);
    EXPECT_EQ(moving->DestinationZone(), 1);
    EXPECT_FALSE(IsWindowShown(moving->Arrow(0))) << "no arrows where nothing would change";
    ui_test::MouseUp(Site(), vcl::mbLeft, ownPlace);
    EXPECT_EQ(moves, 0);

    // Escape cancels a move that would change the order.
    const vcl::TPoint pastLast(Controller().Placement().ColumnHeaders.at(2).Right - 10, press.Y);
    ui_test::MouseDown(Site(), vcl::mbLeft, press);
    ui_test::MouseMove(Site(), pastLast, {vcl::ssLeft});
    ASSERT_NE(MovingObjectOf(Site()), nullptr);
    ui_test::PressKey(VK_ESCAPE, {vcl::ssLeft});
    EXPECT_EQ(Site().DragAndDropState(), ddsNone);
    ui_test::MouseUp(Site(), vcl::mbLeft, pastLast);
    EXPECT_EQ(VisibleCaptions(*View), (std::vector<rtl::UnicodeString>{u"A", u"B", u"C"}));
    EXPECT_EQ(moves, 0);

    ui_test::MouseDown(Site(), vcl::mbLeft, press);
    ui_test::MouseMove(Site(), outside, {vcl::ssLeft});
    EXPECT_EQ(vcl::ScreenCursor(), crGridNoDrop);
    ui_test::MouseUp(Site(), vcl::mbLeft, outside);
    EXPECT_TRUE(View->Columns(0)->Visible());
    EXPECT_EQ(moves, 0);

    View->OptionsCustomize().SetColumnHiding(true);
    ui_test::MouseDown(Site(), vcl::mbLeft, press);
    ui_test::MouseMove(Site(), outside, {vcl::ssLeft});
    EXPECT_EQ(vcl::ScreenCursor(), crGridRemove);
    ui_test::MouseUp(Site(), vcl::mbLeft, outside);
    EXPECT_FALSE(View->Columns(0)->Visible());
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(View->Columns(0)->SortOrder(), soNone);
}

TEST_F(GridTableControllerOnScreenTest, ADragNearTheRowsEdgesScrollsTheViewUntilItLeavesTheBands) {
    Grid->SetBounds(0, 0, 400, 240);
    Fill({u"A", u"B", u"C", u"D", u"E"}, 100);
    auto* source = new vcl::TEdit(Form.get());
    source->SetParent(Form.get());
    source->SetBounds(10, 260, 100, 24);
    source->SetDragMode(vcl::dmAutomatic);
    vcl::TRect rows = Controller().Placement().RowsAreaBounds;
    rows.Right = std::min(rows.Right, View->ViewInfo().ClientBounds().Right);
    rows.Bottom = std::min(rows.Bottom, View->ViewInfo().ClientBounds().Bottom);
    const vcl::TPoint middle = Centre(rows);

    ui_test::MouseDown(*source, vcl::mbLeft, vcl::Point(5, 5));
    ui_test::MouseMove(Site(), middle, {vcl::ssLeft});
    ASSERT_TRUE(source->Dragging());
    ui_test::PumpMessages(100);
    EXPECT_EQ(Controller().TopRecordIndex(), 0) << "the middle of the rows scrolls nothing";

    ui_test::MouseMove(Site(), vcl::Point(middle.X, rows.Bottom - 5), {vcl::ssLeft});
    ui_test::PumpMessages(150);
    const int32_t scrolled = Controller().TopRecordIndex();
    EXPECT_GT(scrolled, 0);
    ui_test::MouseMove(Site(), middle, {vcl::ssLeft});
    ui_test::PumpMessages(100);
    EXPECT_EQ(Controller().TopRecordIndex(), scrolled);

    ui_test::MouseMove(Site(), vcl::Point(rows.Right - 5, middle.Y), {vcl::ssLeft});
    ui_test::PumpMessages(150);
    EXPECT_GT(Controller().LeftPos(), 0);
    ui_test::MouseMove(Site(), vcl::Point(middle.X, rows.Top + 5), {vcl::ssLeft});
    ui_test::PumpMessages(150);
    EXPECT_LT(Controller().TopRecordIndex(), scrolled);

    // Leaving the site stops it.
    ui_test::MouseMove(*source, vcl::Point(5, 5), {vcl::ssLeft});
    const int32_t left = Controller().TopRecordIndex();
    ui_test::PumpMessages(100);
    EXPECT_EQ(Controller().TopRecordIndex(), left);
    ui_test::MouseUp(*source, vcl::mbLeft, vcl::Point(5, 5));
    EXPECT_FALSE(source->Dragging());

    View->OptionsBehavior().SetDragScrolling(false);
    ui_test::MouseDown(*source, vcl::mbLeft, vcl::Point(5, 5));
    ui_test::MouseMove(Site(), vcl::Point(middle.X, rows.Bottom - 5), {vcl::ssLeft});
    ui_test::PumpMessages(100);
    EXPECT_EQ(Controller().TopRecordIndex(), left);
    ui_test::MouseUp(Site(), vcl::mbLeft, vcl::Point(middle.X, rows.Bottom - 5));
}

TEST_F(GridTableControllerOnScreenTest, ARepaintInTheMiddleOfASizingKeepsTheLine) {
    Fill({u"A", u"B"}, 3);
    const vcl::TRect header = Controller().Placement().ColumnHeaders.at(0);
    const int32_t y = Centre(header).Y;
    const int width = Site().ClientWidth();
    const int height = Site().ClientHeight();
    Site().Repaint();
    const std::vector<uint32_t> plain = ScreenPixels(width, height);
    ui_test::MouseDown(Site(), vcl::mbLeft, vcl::Point(header.Right, y));
    ui_test::MouseMove(Site(), vcl::Point(header.Right + 20, y), {vcl::ssLeft});
    const std::vector<uint32_t> sizing = ScreenPixels(width, height);
    ASSERT_NE(sizing, plain);
    Site().Repaint();
    EXPECT_EQ(ScreenPixels(width, height), sizing);
    ui_test::MouseUp(Site(), vcl::mbLeft, vcl::Point(header.Right + 20, y));
    EXPECT_EQ(View->Columns(0)->Width(), 120);
}

TEST_F(GridTableControllerOnScreenTest, PullingTheMouseSelectsCellsAndScrollsBelowTheRows) {
    Fill({u"A", u"B", u"C", u"D", u"E"}, 100);
    View->OptionsSelection().SetCellMultiSelect(true);
    for (int32_t i = 0; i < View->ItemCount(); ++i) {
        View->Columns(i)->SetWidth(60);
    }
    ui_test::MouseDown(Site(), vcl::mbLeft, CellCentre(1, 1));
    ui_test::MouseMove(Site(), CellCentre(2, 2), {vcl::ssLeft});
    ui_test::MouseMove(Site(), CellCentre(3, 3), {vcl::ssLeft});
    EXPECT_EQ(Data().GetFocusedRowIndex(), 3);
    EXPECT_EQ(Controller().FocusedItem(), View->VisibleColumns(3));
    EXPECT_EQ(Data().GetSelectedRowCount(), 3);
    EXPECT_EQ(SelectedColumnIndexes(), (std::vector<int32_t>{1, 2, 3}));

    // Below the rows the records scroll under the held button, and the selection follows.
    const int32_t visible = Controller().VisibleRecordCount();
    const vcl::TPoint below = vcl::Point(CellCentre(3, 3).X, Site().ClientHeight() + 20);
    ui_test::MouseMove(Site(), below, {vcl::ssLeft});
    ui_test::PumpMessages(400);
    ui_test::MouseUp(Site(), vcl::mbLeft, below);
    EXPECT_GT(Controller().TopRecordIndex(), 0);
    EXPECT_GE(Data().GetFocusedRowIndex(), visible);
    EXPECT_EQ(Data().GetSelectedRowCount(), Data().GetFocusedRowIndex());
    const int32_t afterRelease = Data().GetFocusedRowIndex();
    ui_test::PumpMessages(200);
    EXPECT_EQ(Data().GetFocusedRowIndex(), afterRelease) << "releasing the button stops the scrolling";
}

TEST_F(GridTableControllerTest, ADraggedRowHeightIsClampedWhileTheAutomaticHeightStaysZero) {
    Fill({u"A"}, 10);
    View->OptionsView().SetDataRowHeight(30);
    ASSERT_EQ(Controller().DataRowHeight(), 30);
    const TuiGridRowPlacement row = Controller().Placement().Rows.at(2);
    auto drag = [&](int32_t toY) {
        TuiGridRowSizingObject sizing(Controller(), row.Bounds, vcl::Point(5, row.Bounds.Bottom));
        bool accepted = false;
        sizing.DragAndDrop(vcl::Point(5, toY), accepted);
        EXPECT_TRUE(accepted);
        sizing.EndDragAndDrop(true);
    };
    drag(row.Bounds.Bottom + 12);
    EXPECT_EQ(View->OptionsView().DataRowHeight(), 42);
    drag(row.Bounds.Top - 50);
    EXPECT_EQ(View->OptionsView().DataRowHeight(), std::max(1, View->MinDataRowHeight()));

    // The double click on a row's edge asks for the automatic height, which the rows measure again.
    Controller().SizeDataRows(0);
    EXPECT_EQ(View->OptionsView().DataRowHeight(), 0);
    EXPECT_GT(Controller().DataRowHeight(), 1);
}

// The application's view as its main window shows an import: 914 x 364 in the "Blue" skin, 500 records written in one
// update, then every column fitted.
TEST(GridTableControllerImportTest, AnImportLaysOutOnceInItemZeroOrderAndBestFitLaysOutOnceMore) {
    auto form = ui_test::CreateTestForm<ui_test::TApplicationGridForm>();
    ui_test::LoadApplicationGridView(*form);
    ui_test::ShowTestForm(*form, 914, 364, ui_test::TFormPlacement::OffScreen);
    form->Grid->LookAndFeel().SetSkinName(u"Blue");
    ui_test::ProcessPendingMessages();
    TuiGridTableView& view = *form->View;
    int32_t layouts = 0;
    form->Grid->SetOnLayoutChanged([&](TuiCustomGrid&, TuiCustomGridView*) { ++layouts; });

    TuiGridDataController& data = view.DataController();
    view.BeginUpdate();
    data.SetRecordCount(500);
    for (int32_t record = 0; record < 500; ++record) {
        data.SetValue(record, 0, rtl::Variant(500 - record));
        data.SetValue(record, 1, rtl::Variant(record % 7 == 0 ? u"不锈钢保温杯（大号，带滤网）" : u"中性笔"));
        data.SetValue(record, 3, rtl::Variant(u"个"));
    }
    view.EndUpdate();
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(layouts, 1);

    TuiGridTableController& controller = view.Controller();
    const TuiGridTablePlacement placement = controller.Placement();
    ASSERT_GT(placement.Rows.size(), 5u);
    for (size_t row = 0; row < placement.Rows.size(); ++row) {
        const int32_t record = data.GetRowInfo(placement.Rows[row].RecordIndex).RecordIndex;
        EXPECT_EQ(rtl::VarToInteger(data.GetValue(record, 0)), static_cast<int32_t>(row) + 1) << row;
    }

    const int32_t narrowWidth = view.Columns(1)->Width();
    view.ApplyBestFit(nullptr, false, false);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(layouts, 2);
    EXPECT_GT(view.Columns(1)->Width(), narrowWidth);
    EXPECT_EQ(controller.Placement().ColumnHeaders.at(1).Width(), view.Columns(1)->Width());
}

// The application's grid as the user meets it after an import: a click on a cell focuses it and shows it selected,
// in the selection's colour while the grid has the focus, and the other cells of the row stay unselected.
TEST(GridTableControllerImportTest, AClickedCellShowsSelectedAndFocused) {
    auto form = ui_test::CreateTestForm<ui_test::TApplicationGridForm>();
    ui_test::LoadApplicationGridView(*form);
    ui_test::ShowTestForm(*form, 914, 364, ui_test::TFormPlacement::OnScreen);
    form->Grid->LookAndFeel().SetSkinName(u"Blue");
    TuiGridTableView& view = *form->View;
    TuiGridDataController& data = view.DataController();
    view.BeginUpdate();
    data.SetRecordCount(5);
    for (int32_t record = 0; record < 5; ++record) {
        data.SetValue(record, 0, rtl::Variant(record + 1));
        data.SetValue(record, 1, rtl::Variant(u"中性笔"));
        data.SetValue(record, 3, rtl::Variant(u"个"));
    }
    view.EndUpdate();
    view.ApplyBestFit(nullptr, false, false);
    ui_test::ProcessPendingMessages();
    TuiGridSite& site = view.Site();
    const auto pixelsOf = [&](const vcl::TRect& rect) {
        ui_test::TDibSurface surface(rect.Width(), rect.Height());
        HDC dc = GetDC(site.Handle());
        BitBlt(surface.DC(), 0, 0, rect.Width(), rect.Height(), dc, rect.Left, rect.Top, SRCCOPY);
        ReleaseDC(site.Handle(), dc);
        return surface.Pixels();
    };
    const TuiGridTablePlacement before = view.Controller().Placement();
    const vcl::TRect clicked = before.Rows.at(2).Cells.at(1);
    const vcl::TRect beside = before.Rows.at(2).Cells.at(3);
    const std::vector<uint32_t> unselected = pixelsOf(clicked);

    ui_test::Click(site, vcl::Point((clicked.Left + clicked.Right) / 2, (clicked.Top + clicked.Bottom) / 2));
    ui_test::ProcessPendingMessages();
    EXPECT_TRUE(site.Focused());
    EXPECT_EQ(data.GetFocusedRowIndex(), 2);
    EXPECT_EQ(view.Controller().FocusedItem(), view.Columns(1));
    EXPECT_TRUE(data.IsRowSelected(2));
    EXPECT_TRUE(view.Controller().IsColumnSelected(view.Columns(1)));
    EXPECT_TRUE(view.HasFocus()) << "the grid holds the focus in its site";
    TuiDrawParams selection;
    view.Styles().GetSelectionParams(nullptr, view.Columns(1), selection);
    const uint32_t colour = vcl::ColorToRGB(selection.Color);
    const uint32_t selectedPixel = ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
    const std::vector<uint32_t> shown = pixelsOf(clicked);
    EXPECT_NE(shown, unselected);
    EXPECT_GT(std::count(shown.begin(), shown.end(), selectedPixel), static_cast<long>(shown.size() / 2))
        << "the clicked cell is filled with the selection's colour";
    const std::vector<uint32_t> besidePixels = pixelsOf(beside);
    EXPECT_EQ(std::count(besidePixels.begin(), besidePixels.end(), selectedPixel), 0)
        << "a cell of an unselected column stays as it was";
}

} // namespace
} // namespace ui
