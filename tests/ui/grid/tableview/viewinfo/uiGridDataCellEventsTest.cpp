// The data cells' events: custom drawing on 32-bit surfaces, clicks and double clicks by synthetic mouse, hints, the
// text shown, the editor's buttons, sorting by display text, and the controller's focused-item, top-record and
// incremental-search notices.

#include "rtl/variants/VariantConversions.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/ui/grid/tableview/viewinfo/GridTableLayoutSupport.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/controller/uiDataControllerTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/editors/buttonedit/uiButtonEdit.h"
#include "ui/editors/framework/view/uiEditViewInfo.h"
#include "ui/editors/text/textedit/uiTextEditViewInfo.h"
#include "ui/grid/customtable/data/uiCustomGridTableViewData.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/items/uiCustomGridTableItemOptions.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/tableview/controller/uiGridTableController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableBehaviorAndFiltering.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/viewinfo/uiGridDataCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"
#include "ui/grid/view/uiGridHintHelper.h"
#include "ui/grid/view/uiGridSite.h"
#include "vcl/forms/Application.h"
#include "vcl/hints/HintWindow.h"
#include "vcl/system/Win32.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

using ui_test::CountPixels;
using ui_test::RgbOf;

class GridDataCellEventsTest : public ui_test::GridTableLayoutTest {
protected:
    explicit GridDataCellEventsTest(ui_test::TFormPlacement placement = ui_test::TFormPlacement::OffScreen)
        : GridTableLayoutTest(placement) {}
    TuiGridDataCellViewInfo& Cell(int32_t row, int32_t column) {
        auto& viewInfo = static_cast<TuiGridTableViewInfo&>(View->ViewInfo());
        TuiGridDataRowViewInfo* laidOut = viewInfo.RowOfRecord(row);
        EXPECT_NE(laidOut, nullptr) << "row " << row << " is laid out";
        return laidOut->Cells(column);
    }
    static vcl::TPoint Centre(const vcl::TRect& rect) {
        return vcl::Point((rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2);
    }
    vcl::TPoint CellCentre(int32_t row, int32_t column) { return Centre(Cell(row, column).Bounds()); }
    // Filled and laid out by the grid in the site it placed.
    void FillOnSite(int records) {
        Fill(records);
        ui_test::ProcessPendingMessages();
        ASSERT_TRUE(View->Site().HandleAllocated());
    }
};

TEST_F(GridDataCellEventsTest, AnItemHandlerThatPaintsTheCellLeavesItRedInsideItsBordersAndTheViewsUncalled) {
    Fill(5);
    Layout();
    const auto today = Paint();
    TuiGridColumn* first = View->Columns(0);
    int viewCalls = 0;
    std::vector<TuiGridTableDataCellViewInfo*> viewCells;
    View->SetOnCustomDrawCell([&](TuiCustomGridTableView&, TuiCanvas&, TuiGridTableDataCellViewInfo* cell, bool&) {
        ++viewCalls;
        viewCells.push_back(cell);
    });
    Layout();
    const auto untouched = Paint();
    EXPECT_EQ(untouched->Surface.Pixels(), today->Surface.Pixels()) << "a handler that does nothing changes nothing";
    EXPECT_EQ(viewCalls, 15);

    first->SetOnCustomDrawCell(
        [](TuiCustomGridTableView&, TuiCanvas& canvas, TuiGridTableDataCellViewInfo* cell, bool& done) {
            canvas.FillRectColor(cell->Bounds(), vcl::clRed);
            done = true;
        });
    viewCalls = 0;
    viewCells.clear();
    TuiGridTableViewInfo& viewInfo = Layout();
    const auto drawn = Paint();
    EXPECT_EQ(viewCalls, 10) << "the view's handler only for the cells the item's left";
    for (TuiGridTableDataCellViewInfo* cell : viewCells) {
        EXPECT_NE(&cell->Item(), first);
    }
    const vcl::TColor line = RgbOf(View->LookAndFeelPainter()->GridLineColor());
    for (int32_t position = 0; position < viewInfo.RowCount(); ++position) {
        const TuiGridDataCellViewInfo& cell = viewInfo.Rows(position).Cells(0);
        const vcl::TRect inside = cell.ClientBounds();
        EXPECT_EQ(CountPixels(drawn->Surface, inside, RgbOf(vcl::clRed)), inside.Width() * inside.Height());
        EXPECT_EQ(drawn->Surface.Pixel(cell.Bounds().Right - 1, inside.Top), line) << "the grid line stays";
        EXPECT_EQ(drawn->Surface.Pixel(inside.Left, cell.Bounds().Bottom - 1), line);
    }
    const auto again = Paint();
    EXPECT_EQ(again->Surface.Pixels(), drawn->Surface.Pixels());
}

TEST_F(GridDataCellEventsTest, WithoutDoneTheViewsHandlerRunsNextAndColoursLeftOnTheCanvasPaintTheCell) {
    Fill(3);
    TuiGridColumn* first = View->Columns(0);
    std::vector<const char*> calls;
    first->SetOnCustomDrawCell([&](TuiCustomGridTableView&, TuiCanvas& canvas, TuiGridTableDataCellViewInfo*, bool&) {
        calls.push_back("item");
        canvas.SetBrushColor(vcl::clAqua);
    });
    View->SetOnCustomDrawCell(
        [&](TuiCustomGridTableView&, TuiCanvas& canvas, TuiGridTableDataCellViewInfo* cell, bool&) {
            if (&cell->Item() == first) {
                calls.push_back("view");
                EXPECT_EQ(canvas.Brush().Color(), vcl::clAqua) << "the item's handler left it";
                canvas.Font().SetColor(vcl::clNavy);
            }
        });
    TuiGridTableViewInfo& viewInfo = Layout();
    const auto painted = Paint();
    EXPECT_EQ(calls, (std::vector<const char*>{"item", "view", "item", "view", "item", "view"}));
    const vcl::TRect inside = viewInfo.Rows(1).Cells(0).ClientBounds();
    EXPECT_GT(CountPixels(painted->Surface, inside, RgbOf(vcl::clAqua)), inside.Width() * inside.Height() / 2)
        << "the editor painted the background in the handler's brush colour";
    EXPECT_GT(CountPixels(painted->Surface, inside, RgbOf(vcl::clNavy)), 0) << "and the text in its font colour";
    const vcl::TRect other = viewInfo.Rows(1).Cells(1).ClientBounds();
    EXPECT_EQ(CountPixels(painted->Surface, other, RgbOf(vcl::clAqua)), 0) << "other columns keep their colours";
    const auto again = Paint();
    EXPECT_EQ(again->Surface.Pixels(), painted->Surface.Pixels()) << "the cell's own colours came back";
}

TEST_F(GridDataCellEventsTest, AReleaseOnThePressedCellClicksItOnceAndAHandledClickOpensNoEditor) {
    FillOnSite(5);
    std::vector<TuiGridTableDataCellViewInfo*> clicked;
    bool handle = false;
    TuiGridColumn* second = View->Columns(1);
    std::vector<std::pair<int32_t, TuiCustomGridTableItem*>> clickedCells;
    View->SetOnCellClick([&](TuiCustomGridTableView&, TuiGridTableDataCellViewInfo* cell, vcl::TMouseButton button,
                             vcl::TShiftState, bool& handled) {
        EXPECT_EQ(button, vcl::mbLeft);
        clicked.push_back(cell);
        clickedCells.emplace_back(cell->GridRecord()->RecordIndex(), &cell->Item());
        handled = handle;
    });
    const vcl::TPoint point = CellCentre(2, 1);
    ui_test::Click(View->Site(), point);
    ASSERT_EQ(clicked.size(), 1u);
    EXPECT_EQ(clicked[0], &Cell(2, 1)) << "the cell laid out when the button came up";
    EXPECT_EQ(clickedCells[0], std::make_pair(2, static_cast<TuiCustomGridTableItem*>(second)));

    ui_test::MouseDown(View->Site(), vcl::mbLeft, point);
    ui_test::MouseUp(View->Site(), vcl::mbLeft, CellCentre(3, 1));
    EXPECT_EQ(clicked.size(), 1u) << "a release on another cell clicks nothing";

    handle = true;
    ui_test::Click(View->Site(), CellCentre(2, 1));
    ui_test::PumpMessages(20);
    EXPECT_EQ(clicked.size(), 2u);
    EXPECT_FALSE(second->Editing()) << "the handler took the click on the focused cell";
    handle = false;
    ui_test::Click(View->Site(), CellCentre(2, 1));
    ui_test::PumpMessages(20);
    EXPECT_TRUE(second->Editing()) << "an unhandled click on the focused cell opens its editor";
}

TEST_F(GridDataCellEventsTest, ADoubleClickFiresOnCellDblClickAndNoSecondClick) {
    FillOnSite(5);
    View->OptionsData().SetEditing(false);
    int clicks = 0;
    std::vector<std::pair<int32_t, TuiCustomGridTableItem*>> doubleClicked;
    View->SetOnCellClick([&](TuiCustomGridTableView&, TuiGridTableDataCellViewInfo*, vcl::TMouseButton,
                             vcl::TShiftState, bool&) { ++clicks; });
    View->SetOnCellDblClick([&](TuiCustomGridTableView&, TuiGridTableDataCellViewInfo* cell, vcl::TMouseButton,
                                vcl::TShiftState shift, bool&) {
        EXPECT_TRUE(shift.Contains(vcl::ssDouble));
        doubleClicked.emplace_back(cell->GridRecord()->RecordIndex(), &cell->Item());
    });
    ui_test::DoubleClick(View->Site(), CellCentre(1, 0));
    EXPECT_EQ(clicks, 1) << "the first click of the two";
    ASSERT_EQ(doubleClicked.size(), 1u);
    EXPECT_EQ(doubleClicked[0], std::make_pair(1, static_cast<TuiCustomGridTableItem*>(View->Columns(0))));
}

TEST_F(GridDataCellEventsTest, AHandlerFreeingTheViewEndsThePressAsNotHandled) {
    FillOnSite(5);
    const vcl::TPoint point = CellCentre(1, 0);
    bool fired = false;
    View->SetOnCellDblClick(
        [&](TuiCustomGridTableView& sender, TuiGridTableDataCellViewInfo*, vcl::TMouseButton, vcl::TShiftState, bool&) {
            fired = true;
            rtl::TComponent::Free(&sender);
        });
    const TuiGridListenerLink link(View);
    View->Controller().MouseDown(vcl::mbLeft, {vcl::ssLeft, vcl::ssDouble}, point.X, point.Y);
    EXPECT_TRUE(fired);
    EXPECT_EQ(link.GridView(), nullptr);
    View = nullptr;
}

TEST_F(GridDataCellEventsTest, ACellStandsInTheProcessingCellsAsOftenAsItIsAddedAndLeavesThemWhenFreed) {
    Fill(3);
    TuiGridTableViewInfo& viewInfo = Layout();
    TuiGridDataCellViewInfo* cell = &viewInfo.Rows(0).Cells(0);
    viewInfo.AddProcessingCell(cell);
    viewInfo.AddProcessingCell(cell);
    viewInfo.RemoveProcessingCell(cell, false);
    EXPECT_TRUE(viewInfo.IsProcessingCell(cell)) << "one entry goes";
    viewInfo.AddProcessingCell(cell);
    viewInfo.RemoveProcessingCell(cell, true);
    EXPECT_FALSE(viewInfo.IsProcessingCell(cell)) << "all go";
    viewInfo.AddProcessingCell(cell);
    Layout();
    EXPECT_FALSE(viewInfo.IsProcessingCell(cell)) << "a cell freed by a new layout leaves the list";
}

TEST_F(GridDataCellEventsTest, OnGetDisplayTextChangesTheShownTextAndWhatBestFitMeasures) {
    Fill(3);
    TuiGridColumn* first = View->Columns(0);
    View->ApplyBestFit(first, false, false);
    const int32_t plainWidth = first->Width();
    first->SetOnGetDisplayText([](TuiCustomGridTableItem&, TuiCustomGridRecord* record, rtl::UnicodeString& text) {
        if (record != nullptr && record->RecordIndex() == 1) {
            text = u"a text much longer than any of the others";
        }
    });
    TuiGridTableViewInfo& viewInfo = Layout();
    const auto& shown = dynamic_cast<TuiCustomTextEditViewInfo&>(viewInfo.Rows(1).Cells(0).EditViewInfo());
    EXPECT_EQ(shown.Text, u"a text much longer than any of the others");
    EXPECT_EQ(dynamic_cast<TuiCustomTextEditViewInfo&>(viewInfo.Rows(0).Cells(0).EditViewInfo()).Text, u"Item 0");
    View->ApplyBestFit(first, false, false);
    EXPECT_GT(first->Width(), plainWidth + 50);
}

TEST_F(GridDataCellEventsTest, EditButtonsShowAsTheItemAndTheViewSay) {
    Fill(4);
    TuiGridColumn* first = View->Columns(0);
    first->SetPropertiesClass(&TuiButtonEditProperties::StaticClass());
    ASSERT_TRUE(View->Controller().FocusRowAt(1));
    const auto buttonsIn = [&](int32_t row) {
        auto& viewInfo = static_cast<TuiGridTableViewInfo&>(View->ViewInfo());
        viewInfo.RefreshSelectedCells();
        return viewInfo.RowOfRecord(row)->Cells(0).EditViewInfo().ButtonCount() > 0;
    };
    struct TCase {
        TuiGridShowEditButtons View;
        TuiGridItemShowEditButtons Item;
        bool Focused;
        bool Other;
    };
    for (const TCase& test : {TCase{gsebNever, isebDefault, false, false}, TCase{gsebAlways, isebDefault, true, true},
                              TCase{gsebForFocusedRecord, isebDefault, true, false},
                              TCase{gsebAlways, isebNever, false, false}, TCase{gsebNever, isebAlways, true, true}}) {
        View->OptionsView().SetShowEditButtons(test.View);
        first->Options().SetShowEditButtons(test.Item);
        Layout();
        EXPECT_EQ(buttonsIn(1), test.Focused) << test.View << " " << test.Item;
        EXPECT_EQ(buttonsIn(3), test.Other) << test.View << " " << test.Item;
    }
    View->OptionsView().SetShowEditButtons(gsebForFocusedRecord);
    first->Options().SetShowEditButtons(isebDefault);
    Layout();
    ASSERT_TRUE(View->Controller().FocusRowAt(3));
    EXPECT_TRUE(buttonsIn(3)) << "the buttons follow the focused record";
    EXPECT_FALSE(buttonsIn(1));

    View->OptionsView().SetShowEditButtons(gsebNever);
    Layout();
    const auto without = Paint();
    View->OptionsView().SetShowEditButtons(gsebAlways);
    const TuiGridTableViewInfo& viewInfo = Layout();
    const auto with = Paint();
    const vcl::TRect unfocused = viewInfo.RowOfRecord(2)->Cells(0).ClientBounds();
    EXPECT_FALSE(ui_test::SameArea(without->Surface, with->Surface, unfocused)) << "button pixels in an unfocused row";
}

TEST_F(GridDataCellEventsTest, AnIntegerColumnSortsByItsTextOnlyWhenItsOptionOrTheViewsSaysSo) {
    View->BeginUpdate();
    TuiGridColumn* column = View->CreateColumn();
    View->DataController().ChangeValueTypeClass(column->Index(), &TuiIntegerValueType::Instance());
    View->DataController().SetRecordCount(2);
    View->DataController().SetValue(0, 0, rtl::Variant(9));
    View->DataController().SetValue(1, 0, rtl::Variant(10));
    View->EndUpdate();
    column->SetSortOrder(soAscending);
    const auto firstShown = [&] {
        return View->DataController().GetValue(View->DataController().GetRowInfo(0).RecordIndex, 0);
    };
    struct TCase {
        TuiGridItemSortByDisplayText Option;
        bool ViewSortsByText;
        int32_t First;
    };
    for (const TCase& test : {TCase{isbtOn, false, 10}, TCase{isbtOff, true, 9}, TCase{isbtDefault, true, 10},
                              TCase{isbtDefault, false, 9}}) {
        TuiDataControllerOptions options = View->DataController().Options();
        if (test.ViewSortsByText) {
            options.Include(dcoSortByDisplayText);
        } else {
            options.Exclude(dcoSortByDisplayText);
        }
        View->DataController().SetOptions(options);
        column->Options().SetSortByDisplayText(test.Option);
        View->DataController().Refresh();
        EXPECT_EQ(rtl::VarToStr(firstShown()), rtl::VarToStr(rtl::Variant(test.First)))
            << test.Option << " " << test.ViewSortsByText;
    }
}

TEST_F(GridDataCellEventsTest, RightFiresOnFocusedItemChangedOnceAndTheTopRecordEventOnlyOnAChange) {
    FillOnSite(30);
    View->OptionsSelection().SetCellSelect(true);
    View->Controller().SetFocusedItem(View->Columns(0));
    std::vector<std::pair<TuiCustomGridTableItem*, TuiCustomGridTableItem*>> changes;
    View->SetOnFocusedItemChanged([&](TuiCustomGridTableView&, TuiCustomGridTableItem* previous,
                                      TuiCustomGridTableItem* focused) { changes.emplace_back(previous, focused); });
    View->Site().SetFocus();
    ui_test::ProcessPendingMessages();
    ui_test::PressKey(VK_RIGHT);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].first, View->Columns(0));
    EXPECT_EQ(changes[0].second, View->Columns(1));

    int topChanges = 0;
    View->SetOnTopRecordIndexChanged([&](TuiCustomGridTableView&) { ++topChanges; });
    ScrollTo(5);
    ScrollTo(5);
    EXPECT_EQ(topChanges, 1);
    ScrollTo(0);
    EXPECT_EQ(topChanges, 2);
}

TEST_F(GridDataCellEventsTest, AnIncrementalSearchCharacterRepaintsOnlyTheSearchedCell) {
    FillOnSite(5);
    View->OptionsBehavior().SetIncSearch(true);
    ASSERT_TRUE(View->Controller().FocusRowAt(0));
    // The first character selects the record found; the next one finds the same record.
    char16_t key = u'I';
    View->Controller().KeyPress(key);
    ui_test::ProcessPendingMessages();
    View->Site().Update();
    const HWND site = View->Site().Handle();
    ASSERT_FALSE(GetUpdateRect(site, nullptr, FALSE));
    key = u't';
    View->Controller().KeyPress(key);
    RECT update{};
    ASSERT_TRUE(GetUpdateRect(site, &update, FALSE));
    const vcl::TRect searched = Cell(0, 0).Bounds();
    EXPECT_EQ(vcl::Rect(update.left, update.top, update.right, update.bottom), searched);
}

// Hints show only where the pointer is, while the application and the form are active.
class GridDataCellHintsTest : public GridDataCellEventsTest {
protected:
    GridDataCellHintsTest() : GridDataCellEventsTest(ui_test::TFormPlacement::OnScreen) {}
    void Activate() {
        SetForegroundWindow(Form->Handle());
        SendMessageW(vcl::Application().Handle(), WM_ACTIVATEAPP, TRUE, 0);
        ui_test::ProcessPendingMessages();
        ASSERT_TRUE(vcl::Application().Active());
    }
};

TEST_F(GridDataCellHintsTest, OnGetCellHintGivesAFittingCellItsHintAndAnEmptyTextNone) {
    FillOnSite(3);
    Activate();
    TuiGridHintHelper& hints = View->Controller().HintHelper();
    ui_test::MouseMove(View->Site(), CellCentre(1, 0));
    ui_test::PumpMessages(50);
    EXPECT_FALSE(hints.IsHintShown()) << "a fitting text has no hint of its own";

    const rtl::UnicodeString told = u"a hint of several words told by the item's handler";
    const vcl::TRect cell = Cell(1, 0).Bounds();
    const vcl::TRect narrow = vcl::Rect(cell.Left, cell.Top, cell.Left + 60, cell.Bottom);
    std::vector<vcl::TPoint> asked;
    View->Columns(0)->SetOnGetCellHint([&](TuiCustomGridTableItem&, TuiCustomGridRecord* record,
                                           TuiGridTableDataCellViewInfo*, vcl::TPoint mousePos,
                                           rtl::UnicodeString& text, bool& multiLine, vcl::TRect& textRect) {
        asked.push_back(mousePos);
        EXPECT_TRUE(text.empty()) << "no hint of the editor's before the handler";
        if (record->RecordIndex() == 1) {
            text = told;
            multiLine = true;
            textRect = narrow;
        }
    });
    ui_test::MouseMove(View->Site(), CellCentre(1, 0));
    ASSERT_TRUE(ui_test::PumpUntil([&] { return hints.IsHintShown(); }));
    EXPECT_EQ(hints.HintText(), told);
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back(), CellCentre(1, 0));
    RECT shown{};
    GetWindowRect(hints.HintWindow()->Handle(), &shown);
    const vcl::TPoint corner = View->Site().ClientToScreen(vcl::Point(narrow.Left, narrow.Top));
    EXPECT_LE(std::abs(shown.left - corner.X), 8) << "the hint lies at the handler's rectangle";
    EXPECT_LE(shown.right - shown.left, narrow.Width() + 16) << "broken into lines at its width";
    EXPECT_GT(shown.bottom - shown.top, 2 * View->ViewInfo().FontHeight(nullptr)) << "in several lines";

    ui_test::MouseMove(View->Site(), CellCentre(2, 0));
    EXPECT_TRUE(ui_test::PumpUntil([&] { return !hints.IsHintShown(); })) << "an empty text shows no hint";
}

} // namespace
} // namespace ui
