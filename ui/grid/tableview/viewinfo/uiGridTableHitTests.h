#pragma once
// The hit tests of a table view's header band: a column header (code 202) and a column header's sizing edge (203); of
// its footer band: the band (205) and a footer cell (206) naming its summary item. A column hit test names its column
// and the container it lies in, so that the controllers can press, move, sort and size columns from it.

#include "ui/grid/cells/uiGridHitTests.h"

#include <cstdint>

namespace ui {

class TuiDataSummaryItem;
class TuiGridColumn;

// Where a column header lies: the customization form, the header band or the group-by box.
enum TuiGridColumnContainerKind : uint8_t {
    ckNone = 0,
    ckCustomizationForm = 1,
    ckHeader = 2,
    ckGroupByBox = 3,
    ckFooter = 4
};

class TuiCustomGridColumnHitTest : public TuiCustomGridViewHitTest {
public:
    void Assign(const TuiCustomGridHitTest* source) override;
    TuiGridColumn* Column() const { return FColumn; }
    void SetColumn(TuiGridColumn* value) { FColumn = value; }
    TuiGridColumnContainerKind ColumnContainerKind() const { return FColumnContainerKind; }
    void SetColumnContainerKind(TuiGridColumnContainerKind value) { FColumnContainerKind = value; }

private:
    TuiGridColumn* FColumn = nullptr; // not owned
    TuiGridColumnContainerKind FColumnContainerKind = ckNone;
};

class TuiGridColumnHeaderHitTest : public TuiCustomGridColumnHitTest {
public:
    int32_t GetHitTestCode() const override { return 202; }
};

class TuiGridColumnHeaderHorzSizingEdgeHitTest : public TuiCustomGridColumnHitTest {
public:
    int32_t GetHitTestCode() const override { return 203; }
    vcl::TCursor Cursor() const override;
};

class TuiGridFooterHitTest : public TuiCustomGridViewHitTest {
public:
    int32_t GetHitTestCode() const override { return 205; }
};

// A footer cell, or the empty slot of a column in the footer (no summary item).
class TuiGridFooterCellHitTest : public TuiCustomGridColumnHitTest {
public:
    void Assign(const TuiCustomGridHitTest* source) override;
    int32_t GetHitTestCode() const override { return 206; }
    TuiDataSummaryItem* SummaryItem() const { return FSummaryItem; }
    void SetSummaryItem(TuiDataSummaryItem* value) { FSummaryItem = value; }

private:
    TuiDataSummaryItem* FSummaryItem = nullptr; // not owned
};

} // namespace ui
