#include "xls/core/cells/XLSCellAreas.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "tests/support/TestSupport.h"

#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace xls {
namespace {

using test_support::Utf8;

// The areas as "A1:B2 C3:C3 ...", in list order.
std::string Text(const TBaseCellAreas& areas) {
    rtl::UnicodeString text;
    for (int32_t i = 0; i < areas.Count(); ++i) {
        const TCellArea* area = areas.GetItem(i);
        text += (i > 0 ? u" " : u"") + AreaRefToStr(area->GetCol1(), area->GetRow1(), area->GetCol2(), area->GetRow2(),
                                                    false, false, false, false);
    }
    return Utf8(text);
}

TXLSCellAreaRec Rect(const char16_t* text) {
    TXLSCellAreaRec rect;
    EXPECT_TRUE(StrToCellArea(text, rect)) << Utf8(text);
    return rect;
}

template <typename List>
void Fill(List& areas, const char16_t* text) {
    ASSERT_TRUE(areas.SetFromText(text)) << Utf8(text);
}

void ExpectMergedCellPart(const std::function<void()>& operation) {
    try {
        operation();
        ADD_FAILURE() << "no exception";
    } catch (const rtl::Exception& e) {
        EXPECT_EQ(Utf8(e.Message()), "Can not change part of a merged cell");
    }
}

TEST(XLSCellAreas, AreaTests) {
    TCellAreaImpl area;
    area.SetArea(1, 1, 3, 3);
    EXPECT_TRUE(area.Equals(1, 1, 3, 3));
    EXPECT_FALSE(area.Equals(1, 1, 3, 4));
    EXPECT_TRUE(area.ContainsStrictly(2, 2));
    EXPECT_FALSE(area.ContainsStrictly(1, 2));
    EXPECT_FALSE(area.ContainsStrictly(2, 3));
    EXPECT_TRUE(area.InsideRect(1, 1, 3, 3));
    EXPECT_TRUE(area.InsideRect(0, 0, 9, 9));
    EXPECT_FALSE(area.InsideRect(2, 0, 9, 9));
    area.SetCell(4, 5);
    EXPECT_EQ(area.GetRect(), (TXLSCellAreaRec{5, 5, 4, 4}));
}

TEST(XLSCellAreas, SetFromText) {
    struct Case {
        const char16_t* text;
        char16_t separator;
        bool allParsed;
        const char* areas;
    };
    const Case cases[] = {
        {u"A1:B2 D4", u' ', true, "A1:B2 D4:D4"},
        {u"  A1   B:C ", u' ', true, "A1:A1 B1:C1048576"},
        {u"Sheet1!A1:B2 3:5", u' ', true, "A1:B2 A3:XFD5"},
        {u"A1,C3:D4", u',', true, "A1:A1 C3:D4"},
        {u"A1 XYZ B2 A0:B1 :A1", u' ', false, "A1:A1 B2:B2"},
        {u"", u' ', true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.text));
        TCellAreas areas;
        areas.AddCell(9, 9);
        areas.SetSeparator(c.separator);
        EXPECT_EQ(areas.SetFromText(c.text), c.allParsed);
        EXPECT_EQ(Text(areas), c.areas);
    }
}

TEST(XLSCellAreas, Lookups) {
    TCellAreas areas;
    Fill(areas, u"A1:B2 D4:E5 B2:D4");
    EXPECT_EQ(areas.IndexOfArea(3, 3, 4, 4), 1);
    EXPECT_EQ(areas.IndexOfArea(3, 3, 4, 5), -1);
    EXPECT_EQ(areas.FindCell(1, 1), 0);
    EXPECT_EQ(areas.FindCell(2, 2), 2);
    EXPECT_EQ(areas.FindCell(5, 5), -1);
    EXPECT_TRUE(areas.Intersects(4, 4, 9, 9));
    EXPECT_FALSE(areas.Intersects(5, 0, 9, 2));

    TXLSCellAreaRec common;
    EXPECT_TRUE(TBaseCellAreas::IntersectRect(Rect(u"A1:C3"), Rect(u"B2:D4"), common));
    EXPECT_EQ(common, Rect(u"B2:C3"));
    EXPECT_FALSE(TBaseCellAreas::IntersectRect(Rect(u"A1:C3"), Rect(u"D1:D3"), common));

    TCellAreaPieces pieces;
    ASSERT_EQ(areas.SplitAround(1, Rect(u"A1:B2"), pieces), 1);
    EXPECT_EQ(pieces[0], Rect(u"D4:E5"));
}

TEST(XLSCellAreas, DeleteCells) {
    struct Case {
        const char16_t* areas;
        const char16_t* deleted;
        const char* result;
    };
    const Case cases[] = {
        {u"A1:D4", u"B2:C3", "A1:D1 A4:D4 A2:A3 D2:D3"},
        {u"A1:D4", u"A1:D4", ""},
        {u"A1:D4", u"E5:F6", "A1:D4"},
        {u"A1:D4", u"C:C", "A1:B4 D1:D4"},
        {u"A1:D4 F1:F2", u"1:1", "A2:D4 F2:F2"},
        {u"B2:C3", u"A1:D4", ""},
        // Rows far beyond 65,535 keep their values.
        {u"A69992:D70021", u"70001:70010", "A69992:D70000 A70011:D70021"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.areas) + " - " + Utf8(c.deleted));
        TCellAreas areas;
        Fill(areas, c.areas);
        areas.DeleteCells(Rect(c.deleted));
        EXPECT_EQ(Text(areas), c.result);
    }
}

TEST(XLSCellAreas, CopyCells) {
    struct Case {
        const char16_t* areas;
        const char16_t* source;
        int32_t colOffset;
        int32_t rowOffset;
        const char* result;
    };
    const Case cases[] = {
        // An area of the same columns that overlaps or touches the copy grows over it.
        {u"A1:A4", u"A1:A4", 0, 4, "A1:A8"},
        {u"A1:A4", u"A1:A4", 0, 2, "A1:A6"},
        {u"A1:B2", u"A1:B2", 2, 0, "A1:D2"},
        // One that neither overlaps nor touches it does not.
        {u"A1:B2", u"A1:B2", 3, 0, "A1:B2 D1:E2"},
        {u"A1:A4", u"A1:A4", 0, 5, "A1:A4 A6:A9"},
        {u"A1:B2 D1:E2", u"A1:B2", 3, 0, "A1:B2 D1:E2"},
        {u"A1:C3", u"B2:Z9", 1, 0, "A1:C1 A2:B3 C2:D3"},
        // Room is made for the copy first.
        {u"A1:B1 B2:C3", u"A1:B1", 0, 2, "A1:B1 B2:C2 C3:C3 A3:B3"},
        // The sheet's edge clips the copy or drops it.
        {u"A1:C3", u"A1:C3", 16382, 0, "A1:C3 XFC1:XFD3"},
        {u"A1:C3", u"A1:C3", 20000, 0, "A1:C3"},
        {u"A1:C3", u"A1:C3", 0, INT32_MIN, "A1:C3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.areas) + " - " + Utf8(c.source));
        TCellAreas areas;
        Fill(areas, c.areas);
        areas.CopyCells(Rect(c.source), c.colOffset, c.rowOffset);
        EXPECT_EQ(Text(areas), c.result);
    }
}

TEST(XLSCellAreas, MoveCells) {
    struct Case {
        const char16_t* areas;
        const char16_t* source;
        int32_t colOffset;
        int32_t rowOffset;
        const char* result;
    };
    const Case cases[] = {
        {u"A1:D4", u"B2:C3", 10, 0, "A1:D1 A4:D4 A2:A3 D2:D3 L2:M3"},
        {u"A1:A3", u"A1:A3", 0, 1, "A2:A4"},
        // Every part is lifted before any lands: the second cell is not lost under the first one's new place.
        {u"A1 A2", u"A1:A2", 0, 1, "A2:A3"},
        {u"A1:B2", u"A1:B2", -5, 0, ""},
        {u"E5:F6", u"A1:Z9", INT32_MAX, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.areas) + " - " + Utf8(c.source));
        TCellAreas areas;
        Fill(areas, c.areas);
        areas.MoveCells(Rect(c.source), c.colOffset, c.rowOffset);
        EXPECT_EQ(Text(areas), c.result);
    }
}

TEST(XLSCellAreas, Offset) {
    struct Case {
        const char16_t* areas;
        int32_t colOffset;
        int32_t rowOffset;
        const char* result;
    };
    const Case cases[] = {
        {u"XEY1:XFA2", 5, 0, "XFD1:XFD2"}, {u"A1:B1 C3", -1, 1, "A2:A2 B4:B4"},     {u"A1:B1 C3", -2, 0, "A3:A3"},
        {u"A1:B1", 0, INT32_MAX, ""},      {u"A1048576", INT32_MIN, INT32_MIN, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.areas));
        TCellAreas areas;
        Fill(areas, c.areas);
        areas.Offset(c.colOffset, c.rowOffset);
        EXPECT_EQ(Text(areas), c.result);
    }
}

TEST(XLSCellAreas, ClipToAndGetLast) {
    TCellAreas areas;
    EXPECT_EQ(areas.GetLast(), nullptr);
    Fill(areas, u"A1:B2 D4:E5 G7");
    const TCellArea* last = areas.ClipTo(Rect(u"A1:D4"));
    EXPECT_EQ(Text(areas), "A1:B2 D4:D4");
    EXPECT_EQ(last, areas.GetItem(1));
    EXPECT_EQ(areas.ClipTo(Rect(u"Z100")), nullptr);
    EXPECT_EQ(areas.Count(), 0);
}

TEST(XLSCellAreas, ExtendOrContains) {
    struct Case {
        const char16_t* rect;
        bool result;
        const char* areas;
    };
    const Case cases[] = {
        {u"A5:A6", true, "A1:A6"},  {u"A2:A3", true, "A1:A4"},  {u"A3:A9", true, "A1:A9"}, {u"B1:B4", true, "A1:B4"},
        {u"A6:A7", false, "A1:A4"}, {u"C1:C4", false, "A1:A4"}, {u"A1:A9", true, "A1:A9"}, {u"A2:B3", false, "A1:A4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.rect));
        TCellAreas areas;
        Fill(areas, u"A1:A4");
        EXPECT_EQ(areas.ExtendOrContains(Rect(c.rect)), c.result);
        EXPECT_EQ(Text(areas), c.areas);
    }
}

TEST(XLSCellAreas, ClipToSheet) {
    struct Case {
        TXLSCellAreaRec rect;
        bool onSheet;
        TXLSCellAreaRec clipped;
    };
    const Case cases[] = {
        {{0, 5, 0, 5}, true, {0, 5, 0, 5}},
        {{-5, 2000000, -9, 20000}, true, {0, 1048575, 0, 16383}},
        {{INT32_MIN, INT32_MAX, INT32_MIN, INT32_MAX}, true, {0, 1048575, 0, 16383}},
        {{0, 0, 16384, 16390}, false},
        {{1048576, 1048580, 0, 0}, false},
        {{0, 0, -9, -1}, false},
        {{-9, -1, 0, 0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rect.Col1 << "," << c.rect.Row1 << "," << c.rect.Col2 << ","
                                        << c.rect.Row2);
        TXLSCellAreaRec rect = c.rect;
        ASSERT_EQ(TCellAreas::ClipToSheet(rect), c.onSheet);
        if (c.onSheet) {
            EXPECT_EQ(rect, c.clipped);
        }
    }
}

// An area that keeps its bounds in a record of its own, as the model's merged cells and hyperlinks do.
class TRecordArea : public TCellArea {
public:
    int32_t GetCol1() const override { return FRect.Col1; }
    int32_t GetRow1() const override { return FRect.Row1; }
    int32_t GetCol2() const override { return FRect.Col2; }
    int32_t GetRow2() const override { return FRect.Row2; }
    void SetCol1(int32_t value) override { FRect.Col1 = value; }
    void SetRow1(int32_t value) override { FRect.Row1 = value; }
    void SetCol2(int32_t value) override { FRect.Col2 = value; }
    void SetRow2(int32_t value) override { FRect.Row2 = value; }

private:
    TXLSCellAreaRec FRect;
};

class TRecordAreas : public TCellAreas {
protected:
    std::unique_ptr<TCellArea> NewArea() override { return std::make_unique<TRecordArea>(); }
};

TEST(XLSCellAreas, PiecesAreMadeByTheListsOwnAreaClass) {
    TRecordAreas areas;
    Fill(areas, u"A1:D4");
    areas.DeleteCells(Rect(u"B2:C3"));
    EXPECT_EQ(Text(areas), "A1:D1 A4:D4 A2:A3 D2:D3");
    for (int32_t i = 0; i < areas.Count(); ++i) {
        EXPECT_NE(dynamic_cast<TRecordArea*>(areas.GetItem(i)), nullptr);
    }
}

TEST(XLSSolidCellAreas, AddMerge) {
    struct Case {
        const char16_t* areas;
        const char16_t* added;
        const char* result;
    };
    const Case cases[] = {
        {u"A1:C3", u"B2:D4", "A1:D4"},
        {u"A1 C3", u"B2", "A1:A1 C3:C3 B2:B2"},
        {u"A1:A2 E1:F2 C5", u"A2:E2", "C5:C5 A1:F2"},
        // The cover of the first area meets a third one, which must not stay overlapped.
        {u"A1:A3 C1", u"A3:C3", "A1:C3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.areas) + " + " + Utf8(c.added));
        TSolidCellAreas areas;
        Fill(areas, c.areas);
        const TCellArea* added = areas.AddMerge(Rect(c.added));
        EXPECT_EQ(Text(areas), c.result);
        EXPECT_EQ(added, areas.GetItem(areas.Count() - 1));
    }
}

TEST(XLSSolidCellAreas, DeleteCells) {
    struct Case {
        const char16_t* areas;
        const char16_t* deleted;
        const char* result; // nullptr: refused
    };
    const Case cases[] = {
        {u"A1:B3", u"3:3", "A1:B2"},
        {u"A1:B3", u"1:1", "A2:B3"},
        {u"A1:B3", u"A:A", "B1:B3"},
        {u"B2:C3 E5", u"A1:D4", "E5:E5"},
        {u"A1:B3", u"D:D", "A1:B3"},
        {u"A1:B3", u"2:2", nullptr},
        {u"A1:C3", u"B2", nullptr},
        // Refused as a whole: the first area, which would have shrunk, stays as it was.
        {u"C1:D2 A1:B3", u"2:2", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.areas) + " - " + Utf8(c.deleted));
        TSolidCellAreas areas;
        Fill(areas, c.areas);
        const std::string before = Text(areas);
        if (c.result == nullptr) {
            ExpectMergedCellPart([&] { areas.DeleteCells(Rect(c.deleted)); });
            EXPECT_EQ(Text(areas), before);
        } else {
            areas.DeleteCells(Rect(c.deleted));
            EXPECT_EQ(Text(areas), c.result);
        }
    }
}

TEST(XLSSolidCellAreas, CopyCells) {
    struct Case {
        const char16_t* areas;
        const char16_t* source;
        int32_t colOffset;
        int32_t rowOffset;
        const char* result;
        bool stopped;
    };
    const Case cases[] = {
        {u"A1:B2 D1:D3", u"A1:C3", 0, 5, "A1:B2 D1:D3 A6:B7", false},
        {u"A1:B2", u"A1:B2", 3, 3, "A1:B2 D4:E5", false},
        {u"A1:B2 A6:B6", u"A1:B2", 0, 5, "A1:B2 A6:B6", true},
        {u"A1:B2", u"A1:B2", 0, 1, "A1:B2", true},
        {u"A1:B2", u"A1:B2", 16383, 0, "A1:B2", false},
        {u"A1:B2", u"A1:B2", INT32_MAX, INT32_MAX, "A1:B2", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.areas) + " - " + Utf8(c.source));
        TSolidCellAreas areas;
        Fill(areas, c.areas);
        areas.CopyCells(Rect(c.source), c.colOffset, c.rowOffset);
        EXPECT_EQ(Text(areas), c.result);
        EXPECT_EQ(areas.CopyStopped(), c.stopped);
    }

    TSolidCellAreas areas;
    Fill(areas, u"A1:B2 A6:B6");
    areas.CopyCells(Rect(u"A1:B2"), 0, 5);
    ASSERT_TRUE(areas.CopyStopped());
    areas.CopyCells(Rect(u"A1:B2"), 0, 0);
    EXPECT_TRUE(areas.CopyStopped()) << "no copy, no change of the flag";
}

TEST(XLSSolidCellAreas, MoveCells) {
    struct Case {
        const char16_t* areas;
        const char16_t* band;
        int32_t colOffset;
        int32_t rowOffset;
        const char* result; // nullptr: refused
    };
    const Case cases[] = {
        // Two rows inserted above row 3: areas below move, an area across the band grows.
        {u"A1:B3 A5:B6 D1:E2", u"3:1048576", 0, 2, "A1:B5 A7:B8 D1:E2"},
        // Two rows deleted above row 6.
        {u"A8:B9 A1:A2", u"6:1048576", 0, -2, "A6:B7 A1:A2"},
        // An area whose last row falls before its first is gone.
        {u"A3:B4", u"4:1048576", 0, -2, ""},
        // Pushed past the sheet's last row: clipped or gone.
        {u"A1048570:B1048576 C1048575:C1048576", u"5:1048576", 0, 3, "A1048573:B1048576"},
        // Columns work alike.
        {u"A1:C1 E1:F1", u"C:XFD", 2, 0, "A1:E1 G1:H1"},
        // Areas one or two cells wide hold no cell strictly inside.
        {u"A1:B9", u"B2:XFD1048576", 0, 1, "A1:B10"},
        {u"A1:C3", u"B2:XFD1048576", 0, 1, nullptr},
        {u"E5:F6 A1:C3", u"A1:B2", 1, 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.areas) + " - " + Utf8(c.band));
        TSolidCellAreas areas;
        Fill(areas, c.areas);
        const std::string before = Text(areas);
        if (c.result == nullptr) {
            ExpectMergedCellPart([&] { areas.MoveCells(Rect(c.band), c.colOffset, c.rowOffset); });
            EXPECT_EQ(Text(areas), before);
        } else {
            areas.MoveCells(Rect(c.band), c.colOffset, c.rowOffset);
            EXPECT_EQ(Text(areas), c.result);
        }
    }
}

TEST(XLSSolidCellAreas, OffsetIsRefused) {
    TSolidCellAreas areas;
    Fill(areas, u"A1:B2");
    try {
        areas.Offset(1, 0);
        ADD_FAILURE() << "no exception";
    } catch (const rtl::Exception& e) {
        EXPECT_EQ(Utf8(e.Message()), "TSolidCellAreas.Move not implemented");
    }
    EXPECT_EQ(Text(areas), "A1:B2");
}

TEST(XLSCellRefs, CellPositionsFromText) {
    TCellRef cell;
    EXPECT_TRUE(cell.SetFromText(u"$C$5"));
    EXPECT_EQ(cell.Col(), 2);
    EXPECT_EQ(cell.Row(), 4);
    EXPECT_FALSE(cell.SetFromText(u"C0"));
    EXPECT_EQ(cell.Col(), 2);
    EXPECT_EQ(cell.Row(), 4);
    cell.Clear();
    EXPECT_EQ(cell.Col(), 0);
    EXPECT_EQ(cell.Row(), 0);

    TCellRefs cells;
    ASSERT_NE(cells.AddText(u"B7"), nullptr);
    EXPECT_EQ(cells.AddText(u"B:C"), nullptr);
    ASSERT_EQ(cells.Count(), 1);
    EXPECT_EQ(cells.GetItem(0)->Col(), 1);
    EXPECT_EQ(cells.GetItem(0)->Row(), 6);
}

} // namespace
} // namespace xls
