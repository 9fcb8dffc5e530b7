#pragma once
// The hit tests of a table view's records and filter bar: the filter bar and its buttons (codes 101-105), a record
// (106), a record's cell (107) and its expand button (108). A record hit test keeps the record as view data, row
// index and kind, never the record object, which a data change may free.

#include "ui/grid/cells/uiGridHitTests.h"

#include <cstdint>

namespace ui {

class TuiCustomGridRecord;
class TuiCustomGridTableItem;
class TuiCustomGridTableViewData;

class TuiGridFilterHitTest : public TuiCustomGridViewHitTest {
public:
    int32_t GetHitTestCode() const override { return 101; }
};

class TuiGridFilterActivateButtonHitTest : public TuiCustomGridViewHitTest {
public:
    int32_t GetHitTestCode() const override { return 102; }
};

class TuiGridFilterCloseButtonHitTest : public TuiCustomGridViewHitTest {
public:
    int32_t GetHitTestCode() const override { return 103; }
};

class TuiGridFilterDropDownButtonHitTest : public TuiCustomGridViewHitTest {
public:
    int32_t GetHitTestCode() const override { return 104; }
};

class TuiGridFilterCustomizeButtonHitTest : public TuiCustomGridViewHitTest {
public:
    int32_t GetHitTestCode() const override { return 105; }
};

class TuiGridRecordHitTest : public TuiCustomGridViewHitTest {
public:
    int32_t GetHitTestCode() const override { return 106; }
    void Assign(const TuiCustomGridHitTest* source) override;
    // A left press here may select records and start selecting by dragging.
    virtual bool AllowsRecordSelection() const { return true; }

    // The record of the stored view data, row index and kind, made anew when a data change freed it; nullptr
    // without view data.
    TuiCustomGridRecord* GridRecord() const;
    // nullptr stores no view data, row index -1 and kind -1.
    void SetGridRecord(TuiCustomGridRecord* record);
    int32_t RowIndex() const { return FRowIndex; }

private:
    TuiCustomGridTableViewData* FViewData = nullptr; // not owned
    int32_t FRowIndex = -1;
    int32_t FRecordKind = -1;
};

class TuiGridRecordCellHitTest : public TuiGridRecordHitTest {
public:
    int32_t GetHitTestCode() const override { return 107; }
    void Assign(const TuiCustomGridHitTest* source) override;
    TuiCustomGridTableItem* Item() const { return FItem; }
    void SetItem(TuiCustomGridTableItem* item) { FItem = item; }

private:
    TuiCustomGridTableItem* FItem = nullptr; // not owned
};

class TuiGridExpandButtonHitTest : public TuiGridRecordHitTest {
public:
    int32_t GetHitTestCode() const override { return 108; }
    bool AllowsRecordSelection() const override { return false; }
};

} // namespace ui
