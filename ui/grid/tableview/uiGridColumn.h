#pragma once
// TuiGridColumn: the item of a table view of columns. It adds to the table item the alignments of its footer and
// group summaries, whether equal adjacent cells merge, and how it stands when it is the view's preview column (out of
// the visible columns and the customization lists).

#include "ui/grid/customtable/uiCustomGridTableItem.h"
#include "ui/grid/customtable/uiCustomGridTableItemOptions.h"
#include "vcl/system/Types.h"

#include <memory>

namespace ui {

class TuiGridColumn;
class TuiGridColumnSummary;
class TuiGridTableView;

class TuiGridColumnOptions : public TuiCustomGridTableItemOptions {
    RTL_DECLARE_CLASS(TuiGridColumnOptions, TuiCustomGridTableItemOptions)
public:
    using TuiCustomGridTableItemOptions::TuiCustomGridTableItemOptions;
    void Assign(const rtl::TPersistent* source) override;
    bool CellMerging() const { return FCellMerging; }
    void SetCellMerging(bool value);
    bool GroupFooters() const { return FGroupFooters; }
    void SetGroupFooters(bool value);
    bool HorzSizing() const { return FHorzSizing; }
    void SetHorzSizing(bool value);

private:
    bool FCellMerging = false;
    bool FGroupFooters = true;
    bool FHorzSizing = true;
};

class TuiGridColumn : public TuiCustomGridTableItem {
    RTL_DECLARE_CLASS(TuiGridColumn, TuiCustomGridTableItem)
public:
    explicit TuiGridColumn(rtl::TComponent* owner);
    ~TuiGridColumn() override;
    void Assign(const rtl::TPersistent* source) override;

    TuiGridTableView* TableView() const;
    TuiGridColumnOptions& Options() { return static_cast<TuiGridColumnOptions&>(TuiCustomGridTableItem::Options()); }
    TuiGridColumnSummary& Summary() const { return *FSummary; }

    // Right for numbers, left for anything else: the default of both alignments below.
    vcl::TAlignment DefaultAlignment() const;
    // The assigned alignment, else the default one; stored when assigned and different from the default.
    vcl::TAlignment FooterAlignmentHorz() const;
    void SetFooterAlignmentHorz(vcl::TAlignment value);
    bool IsFooterAlignmentHorzStored() const;
    vcl::TAlignment GroupSummaryAlignment() const;
    void SetGroupSummaryAlignment(vcl::TAlignment value);
    bool IsGroupSummaryAlignmentStored() const;

    // The view's preview column is neither shown among the columns nor offered for customization.
    bool IsPreview() const;
    bool IsShown() const override;
    bool IsVisibleStored() const { return !IsPreview(); }
    bool EffectiveVisibleForCustomization() const { return VisibleForCustomization() && !IsPreview(); }

    // The own option and the view's permission.
    virtual bool CanCellMerging();
    virtual bool CanShowGroupFooters();
    // The view's ColumnHidingOnGrouping.
    virtual bool HideOnGrouping() const;
    // Sets GroupIndex when the column may be grouped: a grouped column hides when HideOnGrouping says so, an
    // ungrouped one comes back when showAgain is asked for and it was visible before grouping.
    bool GroupingWithVisibility(int32_t groupIndex, bool showAgain);

    // The stored layout adds "GroupIndex" and "Width" ahead of the table item's names.
    void GetStoredProperties(std::vector<rtl::UnicodeString>& names) override;
    void GetStoredPropertyValue(rtl::UnicodeStringView name, rtl::Variant& value) override;
    void SetStoredPropertyValue(rtl::UnicodeStringView name, const rtl::Variant& value) override;

protected:
    std::unique_ptr<TuiCustomGridTableItemOptions> CreateOptions() override;

private:
    void SetAlignment(vcl::TAlignment& field, bool& assigned, vcl::TAlignment current, vcl::TAlignment value);
    vcl::TAlignment FFooterAlignmentHorz = vcl::taLeftJustify;
    bool FIsFooterAlignmentHorzAssigned = false;
    vcl::TAlignment FGroupSummaryAlignment = vcl::taLeftJustify;
    bool FIsGroupSummaryAlignmentAssigned = false;
    std::unique_ptr<TuiGridColumnSummary> FSummary;
};

} // namespace ui
