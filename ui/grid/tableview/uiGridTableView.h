#pragma once
// TuiGridTableView: the table view of columns (TuiGridColumn), registered as the view kind "Table". It adds to the
// custom table view the row-oriented options, the filter row, the new-item row and the preview, and the stored layout
// of its footer, group-by box, group footers and new-item row.

#include "rtl/text/StringTypes.h"
#include "rtl/variants/Variant.h"
#include "ui/grid/customtable/uiCustomGridTableView.h"

#include <memory>
#include <vector>

namespace ui {

class TuiGridColumn;
class TuiGridFilterRowOptions;
class TuiGridNewItemRowOptions;
class TuiGridPreview;
class TuiGridTableOptionsCustomize;
class TuiGridTableOptionsSelection;
class TuiGridTableOptionsView;

class TuiGridTableView : public TuiCustomGridTableView {
    RTL_DECLARE_CLASS(TuiGridTableView, TuiCustomGridTableView)
public:
    explicit TuiGridTableView(rtl::TComponent* owner);
    ~TuiGridTableView() override;

    TuiGridColumn* Columns(int32_t index) const;
    TuiGridColumn* VisibleColumns(int32_t index) const;
    TuiGridColumn* CreateColumn();

    TuiGridTableOptionsCustomize& OptionsCustomize();
    TuiGridTableOptionsSelection& OptionsSelection();
    TuiGridTableOptionsView& OptionsView();
    // Made on first use through their Create... operations.
    TuiGridFilterRowOptions& FilterRow();
    TuiGridNewItemRowOptions& NewItemRow();
    TuiGridPreview& Preview();

    // Equal adjacent cells merge only in a view that allows it, without an active preview and row separators.
    virtual bool CanCellMerging();
    // A copy of the view made for layout editing never merges cells.
    static void PrepareLayoutEditingCopy(TuiGridTableView& copy) { copy.FCellMergingAllowed = false; }
    // The negation of the effective OptionsView.ExpandButtonsForEmptyDetails.
    virtual bool HidesEmptyDetailExpandButtons();

    // The stored layout: "Footer", "GroupByBox", "GroupFooters" (an ordinal, or a Boolean text of an older layout)
    // and "NewItemRow". A value outside its range or of the wrong kind raises EConvertError.
    virtual void GetStoredProperties(std::vector<rtl::UnicodeString>& names);
    virtual void GetStoredPropertyValue(rtl::UnicodeStringView name, rtl::Variant& value);
    virtual void SetStoredPropertyValue(rtl::UnicodeStringView name, const rtl::Variant& value);

protected:
    TuiCustomGridTableItem* NewItem(rtl::TComponent* owner) override;
    std::unique_ptr<TuiCustomGridTableViewData> CreateViewData() override;
    std::unique_ptr<TuiCustomGridPainter> CreatePainter() override;
    std::unique_ptr<TuiCustomGridViewInfo> CreateViewInfo() override;
    std::unique_ptr<TuiCustomGridOptionsSelection> CreateOptionsSelection() override;
    std::unique_ptr<TuiCustomGridOptionsView> CreateOptionsView() override;
    std::unique_ptr<TuiCustomGridTableOptionsCustomize> CreateOptionsCustomize() override;
    virtual std::unique_ptr<TuiGridFilterRowOptions> CreateFilterRow();
    virtual std::unique_ptr<TuiGridNewItemRowOptions> CreateNewItemRow();
    virtual std::unique_ptr<TuiGridPreview> CreatePreview();

private:
    bool FCellMergingAllowed = true;
    std::unique_ptr<TuiGridFilterRowOptions> FFilterRow;
    std::unique_ptr<TuiGridNewItemRowOptions> FNewItemRow;
    std::unique_ptr<TuiGridPreview> FPreview;
};

// The grid unit's start-up registers the view kind "Table" and the column class with the class registry.
void RegisterGridTableView();
void UnregisterGridTableView();

} // namespace ui
