// The in-place editor of a table view as a user drives it: opened by Enter, F2, a typed character and a click on the
// focused cell, laid over the cell, posted by Enter and by moving to another record, undone by Escape, following the
// view's scrolling, and the view's editing events.

#include "ui/grid/tableview/controller/uiGridTableEditingController.h"

#include "rtl/WindowsApi.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/ui/grid/GridTestSupport.h"
#include "tests/ui/grid/tableview/viewinfo/GridTableLayoutSupport.h"
#include "ui/core/controls/containers/uiContainerStyle.h"
#include "ui/core/graphics/uiDrawParams.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/editors/framework/control/uiCustomEdit.h"
#include "ui/editors/text/textedit/uiTextEditProperties.h"
#include "ui/grid/control/uiGridLevel.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/customtable/uiCustomGridTableViewStyles.h"
#include "ui/grid/tableview/controller/uiGridTableController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridRows.h"
#include "ui/grid/tableview/uiGridTableBehaviorAndFiltering.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridColumnHeaderViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridNewItemRowViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"
#include "ui/grid/view/uiGridPainter.h"
#include "ui/grid/view/uiGridSite.h"
#include "vcl/stdctrls/Edit.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace ui {
namespace {

class GridTableEditingTest : public ui_test::GridOnFormTest {
protected:
    void SetUp() override {
        GridOnFormTest::SetUp();
        Grid->SetBounds(0, 0, 400, 300);
        View = new TuiGridTableView(Form.get());
        Grid->Levels().Add().SetGridView(View);
        for (const char16_t* caption : {u"A", u"B", u"C"}) {
            TuiGridColumn* column = View->CreateColumn();
            View->DataController().ChangeValueTypeClass(column->Index(), &TuiStringValueType::Instance());
            column->SetCaption(caption);
            column->SetWidth(100);
        }
        View->BeginUpdate();
        Data().SetRecordCount(RecordCount);
        for (int32_t record = 0; record < RecordCount; ++record) {
            for (int32_t item = 0; item < View->ItemCount(); ++item) {
                Data().SetValue(record, item, rtl::Variant(Text(record, item).c_str()));
            }
        }
        View->EndUpdate();
        ui_test::ProcessPendingMessages();
        Site().SetFocus();
        ui_test::ProcessPendingMessages();
        ASSERT_TRUE(Site().Focused());
    }

    static constexpr int32_t RecordCount = 50;
    static std::u16string Text(int32_t record, int32_t item) {
        const std::string text = "r" + std::to_string(record) + "c" + std::to_string(item);
        return {text.begin(), text.end()};
    }
    TuiGridTableController& Controller() { return View->Controller(); }
    TuiGridEditingController& Editing() { return Controller().EditingController(); }
    TuiGridDataController& Data() { return View->DataController(); }
    TuiGridSite& Site() { return View->Site(); }
    TuiGridTableViewInfo& Layout() { return static_cast<TuiGridTableViewInfo&>(View->ViewInfo()); }
    TuiGridColumn& Column(int32_t index) { return *View->Columns(index); }
    std::u16string Value(int32_t record, int32_t item) { return rtl::VarToStr(Data().GetValue(record, item)).c_str(); }
    // The laid-out cell of a shown row.
    const TuiGridDataCellViewInfo& Cell(int32_t row, int32_t column) {
        const TuiGridDataRowViewInfo* laidOut = Layout().RowOfRecord(row);
        EXPECT_NE(laidOut, nullptr) << "row " << row << " is not laid out";
        return laidOut->Cells(column);
    }
    vcl::TPoint CellCentre(int32_t row, int32_t column) {
        const vcl::TRect bounds = Cell(row, column).Bounds();
        return vcl::Point((bounds.Left + bounds.Right) / 2, (bounds.Top + bounds.Bottom) / 2);
    }
    // The editor's window in the site's client coordinates.
    vcl::TRect EditorWindowBounds() {
        TuiCustomEdit* edit = Editing().Edit();
        if (edit == nullptr || !edit->HandleAllocated()) {
            return {};
        }
        RECT rect{};
        GetWindowRect(edit->Handle(), &rect);
        MapWindowPoints(HWND_DESKTOP, Site().Handle(), reinterpret_cast<POINT*>(&rect), 2);
        return {rect.left, rect.top, rect.right, rect.bottom};
    }
    // One character at a time, each to the window that has the focus when it comes, as a keyboard sends them.
    static void TypeCharacters(const char16_t* text) {
        for (; *text != 0; ++text) {
            const char16_t one[] = {*text, 0};
            ui_test::TypeText(one);
        }
    }
    void FocusCell(int32_t row, int32_t column) {
        ASSERT_TRUE(Controller().FocusRowAt(row));
        Controller().SetFocusedItem(&Column(column));
        ui_test::ProcessPendingMessages();
    }

    TuiGridTableView* View = nullptr;
};

TEST_F(GridTableEditingTest, EnterAndF2OpenTheFocusedCellsEditorOverItWithItsValue) {
    for (const uint16_t key : {uint16_t{VK_RETURN}, uint16_t{VK_F2}}) {
        FocusCell(2, 1);
        ui_test::PressKey(key);
        ASSERT_EQ(Editing().EditedItem(), &Column(1)) << key;
        TuiCustomEdit* edit = Editing().Edit();
        ASSERT_NE(edit, nullptr);
        EXPECT_TRUE(edit->Visible());
        EXPECT_TRUE(edit->Focused());
        EXPECT_EQ(rtl::VarToStr(edit->EditValue()), Text(2, 1));
        const vcl::TRect content = Cell(2, 1).ContentBounds();
        EXPECT_EQ(EditorWindowBounds(),
                  (vcl::TRect{content.Left - 1, content.Top - 1, content.Right + 1, content.Bottom + 1}));
        EXPECT_TRUE(Column(1).Editing());
        TuiDrawParams params;
        View->Styles().GetDataCellParams(Controller().FocusedRecord(), &Column(1), params);
        EXPECT_EQ(edit->Style().Color(), params.Color) << "the editor takes the cell's colours";
        ui_test::PressKey(VK_ESCAPE);
        EXPECT_EQ(Editing().Edit(), nullptr);
        EXPECT_FALSE(edit->Visible());
        EXPECT_TRUE(Site().Focused()) << "the focus returns to the grid";
    }
}

TEST_F(GridTableEditingTest, ATypedCharacterStartsTheValueAndEnterWritesItToTheRecord) {
    FocusCell(3, 2);
    TypeCharacters(u"xy");
    ASSERT_NE(Editing().Edit(), nullptr);
    EXPECT_EQ(Editing().Edit()->GetDisplayText(), u"xy");
    EXPECT_TRUE(Editing().Edit()->ChangedByUser());
    EXPECT_EQ(Value(3, 2), Text(3, 2)) << "nothing is written before the editor closes";
    ui_test::PressKey(VK_RETURN);
    EXPECT_EQ(Editing().Edit(), nullptr);
    EXPECT_EQ(Value(3, 2), u"xy");
    EXPECT_EQ(Value(3, 1), Text(3, 1));
    EXPECT_TRUE(Site().Focused());
}

TEST_F(GridTableEditingTest, EscapeUndoesTheEntryAndLeavesTheRecordAsItWas) {
    FocusCell(4, 0);
    TypeCharacters(u"gone");
    ui_test::PressKey(VK_ESCAPE);
    EXPECT_EQ(Editing().Edit(), nullptr);
    EXPECT_EQ(Value(4, 0), Text(4, 0));
    ui_test::PressKey(VK_ESCAPE);
    EXPECT_FALSE(Data().IsEditingRecord()) << "the second Escape cancels the record's edit";
    EXPECT_EQ(Value(4, 0), Text(4, 0));
}

TEST_F(GridTableEditingTest, MovingToAnotherRecordPostsTheEntryIntoTheRecordItWasTypedIn) {
    FocusCell(5, 1);
    TypeCharacters(u"moved");
    ui_test::PressKey(VK_DOWN);
    EXPECT_EQ(Data().GetFocusedRowIndex(), 6);
    EXPECT_EQ(Editing().Edit(), nullptr);
    EXPECT_EQ(Value(5, 1), u"moved");
    EXPECT_EQ(Value(6, 1), Text(6, 1));
}

TEST_F(GridTableEditingTest, WithGoToNextCellOnEnterEnterPostsAndOpensTheNextCellsEditor) {
    View->OptionsBehavior().SetGoToNextCellOnEnter(true);
    FocusCell(2, 0);
    TypeCharacters(u"first");
    ui_test::PressKey(VK_RETURN);
    EXPECT_EQ(Value(2, 0), u"first");
    EXPECT_EQ(Controller().FocusedItem(), &Column(1));
    ASSERT_EQ(Editing().EditedItem(), &Column(1));
    EXPECT_EQ(rtl::VarToStr(Editing().Edit()->EditValue()), Text(2, 1));
    EXPECT_TRUE(Editing().Edit()->Focused());
}

TEST_F(GridTableEditingTest, WithAlwaysShowEditorTheEditorFollowsTheFocusFromRecordToRecordAndCellToCell) {
    View->OptionsBehavior().SetAlwaysShowEditor(true);
    FocusCell(0, 1);
    ASSERT_EQ(Editing().EditedItem(), &Column(1)) << "the focused cell shows its editor at once";
    TuiCustomEdit* edit = Editing().Edit();
    TypeCharacters(u"kept");
    ui_test::PressKey(VK_DOWN);
    EXPECT_EQ(Data().GetFocusedRowIndex(), 1);
    EXPECT_EQ(Value(0, 1), u"kept");
    ASSERT_EQ(Editing().Edit(), edit) << "the editor stays open over the new record";
    EXPECT_EQ(rtl::VarToStr(edit->EditValue()), Text(1, 1));
    const vcl::TRect content = Cell(1, 1).ContentBounds();
    EXPECT_EQ(EditorWindowBounds(),
              (vcl::TRect{content.Left - 1, content.Top - 1, content.Right + 1, content.Bottom + 1}));
    ui_test::Click(Site(), CellCentre(1, 2));
    EXPECT_EQ(Controller().FocusedItem(), &Column(2));
    EXPECT_EQ(Editing().EditedItem(), &Column(2));
    EXPECT_TRUE(Editing().Edit()->Focused());
}

TEST_F(GridTableEditingTest, LeavingTheGridForAnotherControlPostsTheEntryAndHidesTheEditor) {
    auto* other = new vcl::TEdit(Form.get());
    other->SetParent(Form.get());
    other->SetBounds(0, 310, 100, 20);
    ui_test::ProcessPendingMessages();
    FocusCell(1, 2);
    TypeCharacters(u"left");
    ASSERT_NE(Editing().Edit(), nullptr);
    other->SetFocus();
    ui_test::ProcessPendingMessages();
    EXPECT_TRUE(other->Focused()) << "closing the editor does not take the focus back";
    EXPECT_EQ(Editing().Edit(), nullptr);
    EXPECT_EQ(Value(1, 2), u"left");
}

TEST_F(GridTableEditingTest, AClickOnACellOpensItsEditorWhenTheButtonComesUpWithImmediateEditor) {
    const vcl::TPoint point = CellCentre(1, 2);
    ui_test::MouseDown(Site(), vcl::mbLeft, point);
    EXPECT_EQ(Data().GetFocusedRowIndex(), 1);
    EXPECT_EQ(Editing().Edit(), nullptr) << "the press may still select or pull";
    ui_test::MouseUp(Site(), vcl::mbLeft, point);
    ASSERT_EQ(Editing().EditedItem(), &Column(2));
    EXPECT_TRUE(EditorWindowBounds().Contains(point));
    EXPECT_TRUE(Editing().Edit()->Focused());
}

TEST_F(GridTableEditingTest, WithoutImmediateEditorOnlyASecondClickOnTheFocusedCellOpensTheEditorLater) {
    View->OptionsBehavior().SetImmediateEditor(false);
    ui_test::Click(Site(), CellCentre(2, 0));
    EXPECT_EQ(Editing().Edit(), nullptr);
    EXPECT_FALSE(Editing().IsDelayedOpenPending()) << "the cell was not focused before";
    ui_test::Click(Site(), CellCentre(2, 0));
    EXPECT_EQ(Editing().Edit(), nullptr) << "not before the double-click time";
    EXPECT_TRUE(Editing().IsDelayedOpenPending());
    ui_test::PumpMessages(static_cast<int>(GetDoubleClickTime()) + 200);
    EXPECT_EQ(Editing().EditedItem(), &Column(0));
}

TEST_F(GridTableEditingTest, ScrollingTheCellAwayMovesTheEditorOutOfSightAndBackOverTheCell) {
    FocusCell(0, 0);
    ui_test::PressKey(VK_F2);
    ASSERT_NE(Editing().Edit(), nullptr);
    const vcl::TRect before = EditorWindowBounds();
    Controller().SetTopRecordIndex(10);
    ui_test::ProcessPendingMessages();
    ASSERT_NE(Editing().Edit(), nullptr) << "scrolling does not close the editor";
    EXPECT_GE(EditorWindowBounds().Left, 30000);
    Controller().SetTopRecordIndex(0);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(EditorWindowBounds(), before);
}

TEST_F(GridTableEditingTest, OnEditingRefusesAnItemAndTheRestOfTheEventsFollowTheEditor) {
    std::vector<std::string> events;
    TuiGridEditingEvents& handlers = View->EditingEvents();
    handlers.OnEditing = [&](TuiCustomGridTableView&, TuiCustomGridTableItem* item, bool& allow) {
        allow = item != &Column(0);
        events.push_back("editing");
    };
    handlers.OnInitEditValue = [&](TuiCustomGridTableView&, TuiCustomGridTableItem*, TuiCustomEdit&,
                                   rtl::Variant& value) {
        value = rtl::Variant(u"start");
        events.push_back("init value");
    };
    handlers.OnInitEdit = [&](TuiCustomGridTableView&, TuiCustomGridTableItem*, TuiCustomEdit&) {
        events.push_back("init");
    };
    handlers.OnEditKeyDown = [&](TuiCustomGridTableView&, TuiCustomGridTableItem*, TuiCustomEdit&, uint16_t& key,
                                 vcl::TShiftState) {
        if (key == 'Q') {
            events.push_back("key Q");
        }
    };
    handlers.OnEditValueChanged = [&](TuiCustomGridTableView&, TuiCustomGridTableItem*) {
        events.push_back("value changed");
    };
    FocusCell(0, 0);
    ui_test::PressKey(VK_F2);
    EXPECT_EQ(Editing().Edit(), nullptr) << "the view refused the item";
    EXPECT_EQ(events, std::vector<std::string>{"editing"});
    events.clear();
    FocusCell(0, 1);
    ui_test::PressKey(VK_F2);
    ASSERT_NE(Editing().Edit(), nullptr);
    EXPECT_EQ(rtl::VarToStr(Editing().Edit()->EditValue()), u"start");
    EXPECT_EQ(events, (std::vector<std::string>{"editing", "init", "init value"}));
    events.clear();
    ui_test::PressKey('Q');
    EXPECT_NE(std::ranges::find(events, "key Q"), events.end());
    EXPECT_NE(std::ranges::find(events, "value changed"), events.end());
    ui_test::PressKey(VK_RETURN);
    EXPECT_EQ(Value(0, 1), u"q");
}

TEST_F(GridTableEditingTest, TwoColumnsWithTheSamePropertiesShareOneEditor) {
    FocusCell(0, 0);
    ui_test::PressKey(VK_F2);
    TuiCustomEdit* first = Editing().Edit();
    ASSERT_NE(first, nullptr);
    ui_test::PressKey(VK_ESCAPE);
    FocusCell(0, 1);
    ui_test::PressKey(VK_F2);
    EXPECT_EQ(Editing().Edit(), first);
    EXPECT_EQ(Editing().EditList().Count(), 1);
}

TEST_F(GridTableEditingTest, OnGetPropertiesForEditChoosesTheEditorsPropertiesForTheFocusedRecord) {
    TuiTextEditProperties readOnly(nullptr);
    readOnly.SetReadOnly(true);
    std::vector<int32_t> askedRecords;
    Column(0).SetOnGetPropertiesForEdit(
        [&](TuiCustomGridTableItem&, TuiCustomGridRecord* record, TuiCustomEditProperties*& properties) {
            askedRecords.push_back(record != nullptr ? record->RecordIndex() : -1);
            if (record != nullptr && record->RecordIndex() == 3) {
                properties = &readOnly;
            }
        });
    FocusCell(2, 0);
    ui_test::PressKey(VK_F2);
    ASSERT_NE(Editing().Edit(), nullptr);
    EXPECT_FALSE(Editing().Edit()->Properties().GetReadOnly());
    ui_test::PressKey(VK_ESCAPE);
    FocusCell(3, 0);
    ui_test::PressKey(VK_F2);
    ASSERT_NE(Editing().Edit(), nullptr);
    EXPECT_TRUE(Editing().Edit()->Properties().GetReadOnly()) << "the editor works on a copy of the chosen properties";
    EXPECT_EQ(askedRecords, (std::vector<int32_t>{2, 3}));
    TypeCharacters(u"no");
    ui_test::PressKey(VK_RETURN);
    EXPECT_EQ(Value(3, 0), Text(3, 0)) << "a read-only editor changes nothing";
}

TEST_F(GridTableEditingTest, ADataChangeShowsTheNewValueInAnUntouchedEditor) {
    FocusCell(0, 2);
    ui_test::PressKey(VK_F2);
    ASSERT_NE(Editing().Edit(), nullptr);
    View->BeginUpdate();
    Data().SetValue(0, 2, rtl::Variant(u"fresh"));
    View->EndUpdate();
    ui_test::ProcessPendingMessages();
    ASSERT_NE(Editing().Edit(), nullptr);
    EXPECT_EQ(rtl::VarToStr(Editing().Edit()->EditValue()), u"fresh");
}

TEST_F(GridTableEditingTest, NoEditorOpensWhenEditingIsOff) {
    View->OptionsData().SetEditing(false);
    FocusCell(0, 0);
    ui_test::PressKey(VK_RETURN);
    ui_test::TypeText(u"z");
    EXPECT_EQ(Editing().Edit(), nullptr);
    EXPECT_EQ(Value(0, 0), Text(0, 0));
}

// The filter row and the new-item row above the records: Up from the first record reaches them.
class GridSpecialRowEditingTest : public GridTableEditingTest {
protected:
    void SetUp() override {
        GridTableEditingTest::SetUp();
        View->FilterRow().SetVisible(true);
        View->NewItemRow().SetVisible(true);
        ui_test::ProcessPendingMessages();
        FocusCell(0, 1);
    }
    TuiGridFilterRow& FilterRow() { return *static_cast<TuiGridViewData&>(View->ViewData()).FilterRow(); }
    const TuiGridNewItemRowViewInfo& SpecialRowViewInfo(TuiGridSpecialRowKind kind) {
        for (int32_t i = 0; i < Layout().SpecialRowCount(); ++i) {
            if (Layout().SpecialRows(i).Kind() == kind) {
                return Layout().SpecialRows(i);
            }
        }
        ADD_FAILURE() << "the special row is not laid out";
        return Layout().SpecialRows(0);
    }
    // The editor lies in the row and under the column's header.
    void ExpectEditorOverSpecialRowCell(TuiGridSpecialRowKind kind, int32_t column) {
        const vcl::TRect editor = EditorWindowBounds();
        const vcl::TRect row = SpecialRowViewInfo(kind).ContentBounds();
        const vcl::TRect header = Layout().ColumnHeaders(column).Bounds();
        EXPECT_GE(editor.Top, row.Top);
        EXPECT_LE(editor.Bottom, row.Bottom);
        EXPECT_GE(editor.Left, header.Left);
        EXPECT_LE(editor.Right, header.Right);
        EXPECT_FALSE(editor.IsEmpty());
    }
};

TEST_F(GridSpecialRowEditingTest, TypingInTheFilterRowFiltersByTheValueAndShowsItAgainThere) {
    ui_test::PressKey(VK_UP);
    ui_test::PressKey(VK_UP);
    ASSERT_TRUE(FilterRow().GetSelected());
    TypeCharacters(u"r7c1");
    ASSERT_NE(Editing().Edit(), nullptr);
    ExpectEditorOverSpecialRowCell(TuiGridSpecialRowKind::Filter, 1);
    ui_test::PressKey(VK_RETURN);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Data().GetRowCount(), 1) << "only the record whose value equals the entry passes";
    EXPECT_EQ(rtl::VarToStr(FilterRow().GetValue(1)), u"r7c1");
    EXPECT_EQ(Data().GetRecordCount(), RecordCount) << "no record was written";

    ui_test::PressKey(VK_F2);
    ASSERT_NE(Editing().Edit(), nullptr);
    EXPECT_EQ(rtl::VarToStr(Editing().Edit()->EditValue()), u"r7c1") << "the filter row shows the item's filter value";
    ui_test::PressKey(VK_ESCAPE);

    FilterRow().SetValue(1, rtl::Variant(u"r1%"));
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Data().GetRowCount(), 11) << "a wildcard filters by LIKE: r1 and r10 to r19";
    FilterRow().SetValue(1, rtl::Variant(u""));
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Data().GetRowCount(), RecordCount) << "an empty value removes the condition";
    EXPECT_TRUE(FilterRow().GetValue(1).IsNull());
}

TEST_F(GridSpecialRowEditingTest, TheFilterRowShowsTheConditionsValueInItsColumnsCell) {
    FilterRow().SetValue(1, rtl::Variant(u"r7c1"));
    ui_test::ProcessPendingMessages();
    const vcl::TRect client = Site().GetClientBounds();
    const auto paint = [&] {
        auto on = std::make_unique<ui_test::TGridCanvasSurface>(client.Width(), client.Height());
        View->Painter().Paint(&on->Canvas);
        return on;
    };
    const auto first = paint();
    const auto second = paint();
    const vcl::TRect row = SpecialRowViewInfo(TuiGridSpecialRowKind::Filter).ContentBounds();
    const auto cellOf = [&](int32_t column) {
        const vcl::TRect header = Layout().ColumnHeaders(column).Bounds();
        return vcl::TRect{header.Left + 1, row.Top + 1, header.Right - 2, row.Bottom - 2};
    };
    const vcl::TColor background = first->Surface.Pixel(cellOf(0).Left + 1, cellOf(0).Top + 1);
    const auto inkIn = [&](const vcl::TRect& cell) {
        int32_t ink = 0;
        for (int32_t y = cell.Top; y < cell.Bottom; ++y) {
            for (int32_t x = cell.Left; x < cell.Right; ++x) {
                ink += first->Surface.Pixel(x, y) != background ? 1 : 0;
            }
        }
        return ink;
    };
    EXPECT_GT(inkIn(cellOf(1)), 0) << "the value is written in its column's cell";
    EXPECT_EQ(inkIn(cellOf(0)), 0);
    EXPECT_EQ(inkIn(cellOf(2)), 0);
    EXPECT_TRUE(ui_test::SameArea(first->Surface, second->Surface, client)) << "painting twice gives the same pixels";
}

TEST_F(GridSpecialRowEditingTest, AValueTypedInTheNewItemRowIsAppendedAsARecordWhenTheRowIsLeft) {
    ui_test::PressKey(VK_UP);
    ASSERT_TRUE(Data().NewItemRowFocused());
    TypeCharacters(u"new");
    ASSERT_NE(Editing().Edit(), nullptr);
    ExpectEditorOverSpecialRowCell(TuiGridSpecialRowKind::NewItem, 1);
    ui_test::PressKey(VK_RETURN);
    EXPECT_EQ(Data().GetRecordCount(), RecordCount) << "the record is appended when the row is posted";
    ui_test::PressKey(VK_DOWN);
    ui_test::ProcessPendingMessages();
    ASSERT_EQ(Data().GetRecordCount(), RecordCount + 1);
    EXPECT_EQ(Value(RecordCount, 1), u"new");
    EXPECT_EQ(Value(0, 1), Text(0, 1));
}

} // namespace
} // namespace ui
