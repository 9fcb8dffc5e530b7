#pragma once
// The hit tests of a table view's group-by box (201), of its header band: a column header (code 202) and a column
// header's sizing edge (203) and filter button (204); of its footer band: the band (205) and a footer cell (206) naming
// its summary item; of its indicator: a row's item (209), a row's sizing edge (210), the indicator (211) and its header
// item (212). A column hit test names its column and the container it lies in, so that the controllers can press, move,
// sort and size columns from it.

#include "ui/grid/cells/uiGridHitTests.h"
#include "ui/grid/customtable/data/uiGridRecordHitTests.h"

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

// A column header's filter drop-down button.
class TuiGridColumnHeaderFilterButtonHitTest : public TuiCustomGridColumnHitTest {
public:
    int32_t GetHitTestCode() const override { return 204; }
};

class TuiGridGroupByBoxHitTest : public TuiCustomGridViewHitTest {
public:
    int32_t GetHitTestCode() const override { return 201; }
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

// A row's indicator item: selects the row; with MultiSelect the pointer shows the row-selection cursor.
class TuiGridRowIndicatorHitTest : public TuiGridRecordHitTest {
public:
    void Assign(const TuiCustomGridHitTest* source) override;
    int32_t GetHitTestCode() const override { return 209; }
    vcl::TCursor Cursor() const override;
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool value) { FMultiSelect = value; }

private:
    bool FMultiSelect = false;
};

// The bottom edge of a row's indicator item where rows can be sized: a drag sizes the data rows.
class TuiGridRowSizingEdgeHitTest : public TuiGridRecordHitTest {
public:
    int32_t GetHitTestCode() const override { return 210; }
    vcl::TCursor Cursor() const override;
};

class TuiGridIndicatorHitTest : public TuiCustomGridViewHitTest {
public:
    int32_t GetHitTestCode() const override { return 211; }
};

class TuiGridIndicatorHeaderHitTest : public TuiGridIndicatorHitTest {
public:
    int32_t GetHitTestCode() const override { return 212; }
};

// A row's level indents: the row is named, but a click there selects nothing.
class TuiGridRowLevelIndentHitTest : public TuiGridRecordHitTest {
public:
    int32_t GetHitTestCode() const override { return 213; }
    bool AllowsRecordSelection() const override { return false; }
};

// The preview of a data row: its record and the preview column.
class TuiGridPreviewHitTest : public TuiGridRecordCellHitTest {
public:
    int32_t GetHitTestCode() const override { return 231; }
};

} // namespace ui
