#pragma once
// The rows of a table view of columns and the view data that makes them: a row above the grouped levels stands for a
// group of the data controller, any other for a data record. An expandable row opens and closes with the keyboard.

#include "rtl/text/StringTypes.h"
#include "ui/grid/customtable/uiCustomGridTableViewData.h"
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

protected:
    // A group row below the grouped-item count, a data row otherwise.
    std::unique_ptr<TuiCustomGridRecord> CreateRecord(int32_t rowIndex, const TuiRowInfo& rowInfo) override;
};

} // namespace ui
