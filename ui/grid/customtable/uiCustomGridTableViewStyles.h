#pragma once
// The styles of a table view (content with its even and odd rows, filter bar, inactive and incremental-search cells,
// selection) and of a table item (its content). A record's content takes ContentEven or ContentOdd when that one is
// assigned for the record's row parity, else Content, whose own defaults follow the row parity too.

#include "ui/grid/view/uiGridViewStyles.h"

#include <cstdint>
#include <functional>

namespace ui {

class TuiCustomGridRecord;
class TuiCustomGridTableItem;
class TuiCustomGridTableView;

// Sender view, record, item; the handler may name a style that wins over the view's.
using TuiGridGetCellStyleEvent = std::function<void(TuiCustomGridTableView& sender, TuiCustomGridRecord* record,
                                                    TuiCustomGridTableItem* item, TuiStyle*& style)>;

// The style data of a lookup that names a cell: a record and an item, both possibly nullptr.
class TuiGridDataCellPos : public rtl::TObject {
public:
    TuiGridDataCellPos(TuiCustomGridRecord* gridRecord, TuiCustomGridTableItem* item)
        : GridRecord(gridRecord), Item(item) {}
    TuiCustomGridRecord* GridRecord; // not owned
    TuiCustomGridTableItem* Item;    // not owned
};

class TuiCustomGridTableViewStyles : public TuiCustomGridViewStyles {
    RTL_DECLARE_CLASS(TuiCustomGridTableViewStyles, TuiCustomGridViewStyles)
public:
    static constexpr int32_t vsContent = 1;
    static constexpr int32_t vsContentEven = 2;
    static constexpr int32_t vsContentOdd = 3;
    static constexpr int32_t vsFilterBox = 4;
    static constexpr int32_t vsInactive = 5;
    static constexpr int32_t vsIncSearch = 6;
    static constexpr int32_t vsSelection = 7;

    explicit TuiCustomGridTableViewStyles(TuiCustomGridTableView& gridView);
    // owner is the view, or a style sheet whose set belongs to no view.
    explicit TuiCustomGridTableViewStyles(rtl::TPersistent* owner);
    void Assign(const rtl::TPersistent* source) override;
    void GetDefaultDrawParams(int32_t index, rtl::TObject* data, TuiDrawParams& params) override;

    // The content of a record's cell: OnGetContentStyle, then ContentEven or ContentOdd by the row, else Content.
    void GetContentParams(TuiCustomGridRecord* record, TuiCustomGridTableItem* item, TuiDrawParams& params);
    // With an item its own styles decide, else the view's content.
    void GetDataCellParams(TuiCustomGridRecord* record, TuiCustomGridTableItem* item, TuiDrawParams& params);
    // Selection while the grid has the focus, Inactive otherwise; never a bitmap.
    void GetSelectionParams(TuiCustomGridRecord* record, TuiCustomGridTableItem* item, TuiDrawParams& params);

    void SetOnGetContentStyle(TuiGridGetCellStyleEvent handler);
    TuiStyle* Content() const { return GetStyle(vsContent); }
    TuiStyle* ContentEven() const { return GetStyle(vsContentEven); }
    TuiStyle* ContentOdd() const { return GetStyle(vsContentOdd); }
    TuiStyle* FilterBox() const { return GetStyle(vsFilterBox); }
    TuiStyle* Inactive() const { return GetStyle(vsInactive); }
    TuiStyle* IncSearch() const { return GetStyle(vsIncSearch); }
    TuiStyle* Selection() const { return GetStyle(vsSelection); }

protected:
    TuiCustomGridTableView& TableView() const;
    // Repaints the view, when the set belongs to one.
    void ReportViewChanged();

private:
    TuiGridGetCellStyleEvent FOnGetContentStyle;
};

// The styles of a table item: its content, which the view's content fills where it says nothing.
class TuiCustomGridTableItemStyles : public TuiCustomGridStyles {
    RTL_DECLARE_CLASS(TuiCustomGridTableItemStyles, TuiCustomGridStyles)
public:
    static constexpr int32_t isContent = 0;

    explicit TuiCustomGridTableItemStyles(TuiCustomGridTableItem& item);
    TuiCustomGridView* GetGridView() const override;
    void Assign(const rtl::TPersistent* source) override;
    void GetDefaultDrawParams(int32_t index, rtl::TObject* data, TuiDrawParams& params) override;
    void GetContentParams(TuiCustomGridRecord* record, TuiDrawParams& params);
    void SetOnGetContentStyle(TuiGridGetCellStyleEvent handler);
    TuiStyle* Content() const { return GetStyle(isContent); }

private:
    TuiCustomGridTableItem& FItem;
    TuiGridGetCellStyleEvent FOnGetContentStyle;
};

} // namespace ui
