#pragma once
// The rows of a table view of columns and the view data that makes them: a row above the grouped levels stands for a
// group of the data controller, any other for a data record (a master row in a view with detail levels). The
// new-item row and the filter row are the two special rows at the top. An expandable row opens and closes with the
// keyboard.

#include "rtl/text/StringTypes.h"
#include "ui/grid/customtable/data/uiCustomGridTableViewData.h"
#include "vcl/controls/ControlTypes.h"

#include <cstdint>
#include <memory>

namespace ui {

class TuiGridColumn;
class TuiGridTableView;

class TuiCustomGridRow : public TuiCustomGridRecord {
public:
    using TuiCustomGridRecord::TuiCustomGridRecord;
    TuiGridTableView& TableView() const;

    // On an expandable row Right and keypad plus expand, Left and keypad minus collapse, keypad multiply expands
    // with every child; each is consumed (key 0). Other keys and other rows pass them on.
    virtual void KeyDown(uint16_t& key, vcl::TShiftState shift);
    virtual bool ExpandsOnDblClick() const { return GetExpandable(); }
    virtual bool SupportsCellSelection() const { return false; }
};

class TuiGridDataRow : public TuiCustomGridRow {
public:
    using TuiCustomGridRow::TuiCustomGridRow;
    bool GetHasCells() const override { return true; }
    bool SupportsCellSelection() const override { return true; }
};

// The row through which a new record is entered.
class TuiGridNewItemRow : public TuiGridDataRow {
public:
    using TuiGridDataRow::TuiGridDataRow;
    bool SupportsCellSelection() const override { return false; }
};

// The row whose cells show and edit the view's filter; it stands for no record.
class TuiGridFilterRow : public TuiGridNewItemRow {
public:
    static constexpr int32_t RecordKind = 2;

    explicit TuiGridFilterRow(TuiCustomGridTableViewData& viewData);
    // Never expanded, level 0, no record.
    void RefreshRecordInfo() override {}
    bool GetSelected() const override { return FSelected; }
    // Stores the flag and repaints the view.
    void SetSelected(bool value) override;
    // Esc is consumed too.
    void KeyDown(uint16_t& key, vcl::TShiftState shift) override;
    // The value of the view's filter condition on item itemIndex when it is an equality, or a LIKE on a text; else
    // Null.
    rtl::Variant GetValue(int32_t itemIndex) override;
    // Null or an empty text removes the item's conditions; another value replaces them with one condition, LIKE
    // for a text holding the filter's wildcards, else equal, and switches the filter on.
    void SetValue(int32_t itemIndex, const rtl::Variant& value) override;

private:
    TuiGridColumn& ColumnOf(int32_t itemIndex) const;

    bool FSelected = false;
};

// A data row of a view whose level has detail levels: it opens and closes the record's details.
class TuiGridMasterDataRow : public TuiGridDataRow {
public:
    using TuiGridDataRow::TuiGridDataRow;
    // The effective ExpandButtonsForEmptyDetails, details with data, or the row is expanded.
    bool GetExpandable() const override;
    // The data controller's detail-expanded state of the record.
    bool GetExpanded() const override;
    // Expandable and OptionsBehavior.ExpandMasterRowOnDblClick.
    bool ExpandsOnDblClick() const override;
    // Some detail level's relation has records for the row's record.
    virtual bool HasDetailsWithData() const;

protected:
    void DoCollapse(bool recurse) override;
    void DoExpand(bool recurse) override;
};

class TuiGridGroupRow : public TuiCustomGridRow {
public:
    using TuiCustomGridRow::TuiCustomGridRow;
    // Unless the data controller keeps groups always expanded.
    bool GetExpandable() const override;
    bool GetExpanded() const override { return RowInfo().Expanded; }
    bool GetIsData() const override { return false; }
    bool GetIsParent() const override { return true; }
    // Values and texts of a group row are its own; writing them does nothing.
    void SetDisplayText(int32_t itemIndex, const rtl::AnsiString& text) override;
    void SetValue(int32_t itemIndex, const rtl::Variant& value) override;

    // The column the row's level groups by.
    TuiGridColumn* GroupedColumn() const;
    // The grouped column's alternate caption (or caption), " : " when that is not empty, then the group's text.
    virtual rtl::UnicodeString GetDisplayCaption() const;
    // The caption, then " " and the group summary text when there is one.
    virtual rtl::UnicodeString GetDisplayTextWithSummary() const;

protected:
    void DoCollapse(bool recurse) override;
    void DoExpand(bool recurse) override;
};

class TuiGridViewData : public TuiCustomGridTableViewData {
public:
    explicit TuiGridViewData(TuiGridTableView& gridView);
    // Frees the filter row first.
    ~TuiGridViewData() override;

    // NewItemRow.Visible.
    bool HasNewItemRecord() const override;
    // FilterRow.Visible.
    bool HasFilterRow() const;
    // nullptr while the view shows no filter row.
    TuiGridFilterRow* FilterRow() const { return FFilterRow.get(); }
    // Makes the filter row when the view has one, frees it otherwise.
    void CheckFilterRow();
    // Kind 2 is the filter row.
    TuiCustomGridRecord* GetRecordForKind(int32_t kind, int32_t index) override;
    int32_t RecordKindOf(const TuiCustomGridRecord* record) const override;

protected:
    // A group row below the grouped-item count; otherwise a master row in a view whose level has detail levels,
    // else a data row.
    std::unique_ptr<TuiCustomGridRecord> CreateRecord(int32_t rowIndex, const TuiRowInfo& rowInfo) override;
    std::unique_ptr<TuiCustomGridRecord> CreateNewItemRecord() override;

private:
    TuiGridTableView& GridTableView() const;
    std::unique_ptr<TuiGridFilterRow> FFilterRow;
};

} // namespace ui
