#pragma once
// TuiGridColumn: the item of a table view of columns. It adds to the table item the alignments of its footer and
// group summaries, a header glyph, whether and when equal adjacent cells merge, its own styles and events, and how
// it stands when it is the view's preview column (out of the visible columns and the customization lists).

#include "ui/core/geometry/uiGeometry.h"
#include "ui/grid/customtable/items/uiCustomGridTableItem.h"
#include "ui/grid/customtable/items/uiCustomGridTableItemOptions.h"
#include "ui/grid/tableview/uiGridTableViewEvents.h"
#include "vcl/system/Types.h"

#include <memory>

namespace vcl {
class TBitmap;
}

namespace ui {

class TuiGridColumn;
class TuiGridColumnStyles;
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
    TuiGridColumnStyles& Styles();

    // A value as the column's editor shows it in the filter and new-item rows; its plain text without an editor.
    rtl::UnicodeString ValueDisplayText(const rtl::Variant& value) const;

    // Right for numbers, left for anything else: the default of both alignments below.
    vcl::TAlignment DefaultAlignment() const;
    // The assigned alignment, else the default one; stored when assigned and different from the default.
    vcl::TAlignment FooterAlignmentHorz() const;
    void SetFooterAlignmentHorz(vcl::TAlignment value);
    bool IsFooterAlignmentHorzStored() const;
    vcl::TAlignment GroupSummaryAlignment() const;
    void SetGroupSummaryAlignment(vcl::TAlignment value);
    bool IsGroupSummaryAlignmentStored() const;

    // A change of the glyph lays the view out again; the setter copies the bitmap.
    vcl::TBitmap& HeaderGlyph() const { return *FHeaderGlyph; }
    void SetHeaderGlyph(const vcl::TBitmap* value);
    vcl::TAlignment HeaderGlyphAlignmentHorz() const { return FHeaderGlyphAlignmentHorz; }
    void SetHeaderGlyphAlignmentHorz(vcl::TAlignment value);
    TuiAlignmentVert HeaderGlyphAlignmentVert() const { return FHeaderGlyphAlignmentVert; }
    void SetHeaderGlyphAlignmentVert(TuiAlignmentVert value);

    // One header row: every column touches the top and the bottom; the first and the last visible ones the sides.
    virtual bool IsTopEdge() const { return true; }
    virtual bool IsBottomEdge() const { return true; }
    virtual bool IsLeftEdge() const;
    virtual bool IsRightEdge() const;
    virtual bool IsViewBottomEdge() const { return IsBottomEdge(); }
    virtual bool IsViewLeftEdge() const { return IsLeftEdge(); }
    virtual bool IsViewRightEdge() const { return IsRightEdge(); }

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

    // Equal when both cells use the same properties and those display the two values alike; then
    // OnCompareValuesForCellMerging and OnCompareRowValuesForCellMerging may change the answer, in that order.
    bool CompareValuesForCellMerging(TuiCustomGridRow* row1, TuiCustomEditProperties* properties1,
                                     const rtl::Variant& value1, TuiCustomGridRow* row2,
                                     TuiCustomEditProperties* properties2, const rtl::Variant& value2);

    // The events; each setter repaints when a handler is set or cleared.
    void SetOnCompareRowValuesForCellMerging(TuiGridColumnCompareRowValuesEvent handler);
    void SetOnCompareValuesForCellMerging(TuiGridColumnCompareValuesEvent handler);
    void SetOnCustomDrawFooterCell(TuiGridColumnCustomDrawHeaderEvent handler);
    void SetOnCustomDrawGroupSummaryCell(TuiGridGroupSummaryCellCustomDrawEvent handler);
    void SetOnCustomDrawHeader(TuiGridColumnCustomDrawHeaderEvent handler);
    void SetOnHeaderClick(TuiGridColumnNotifyEvent handler);
    bool HasCustomDrawFooterCell() const { return static_cast<bool>(FOnCustomDrawFooterCell); }
    bool HasCustomDrawGroupSummaryCell() const { return static_cast<bool>(FOnCustomDrawGroupSummaryCell); }
    bool HasCustomDrawHeader() const { return static_cast<bool>(FOnCustomDrawHeader); }
    // Each fires the column's own event when assigned; the callers ask the view's when done stays false.
    virtual void DoCustomDrawFooterCell(TuiCanvas& canvas, TuiGridColumnHeaderViewInfo* viewInfo, bool& done);
    virtual void DoCustomDrawGroupSummaryCell(TuiCanvas& canvas, TuiCustomGridRow* row, TuiDataSummaryItem* summaryItem,
                                              TuiCustomGridCellViewInfo* viewInfo, bool& done);
    virtual void DoCustomDrawHeader(TuiCanvas& canvas, TuiGridColumnHeaderViewInfo* viewInfo, bool& done);
    // OnHeaderClick, then the view's DoColumnHeaderClick.
    virtual void DoHeaderClick();

    // The stored layout adds "GroupIndex" and "Width" ahead of the table item's names.
    void GetStoredProperties(std::vector<rtl::UnicodeString>& names) override;
    void GetStoredPropertyValue(rtl::UnicodeStringView name, rtl::Variant& value) override;
    void SetStoredPropertyValue(rtl::UnicodeStringView name, const rtl::Variant& value) override;

protected:
    std::unique_ptr<TuiCustomGridTableItemOptions> CreateOptions() override;
    std::unique_ptr<TuiCustomGridTableItemStyles> CreateStyles() override;

private:
    void SetAlignment(vcl::TAlignment& field, bool& assigned, vcl::TAlignment current, vcl::TAlignment value);
    vcl::TAlignment FFooterAlignmentHorz = vcl::taLeftJustify;
    bool FIsFooterAlignmentHorzAssigned = false;
    vcl::TAlignment FGroupSummaryAlignment = vcl::taLeftJustify;
    bool FIsGroupSummaryAlignmentAssigned = false;
    std::unique_ptr<vcl::TBitmap> FHeaderGlyph;
    vcl::TAlignment FHeaderGlyphAlignmentHorz = vcl::taLeftJustify;
    TuiAlignmentVert FHeaderGlyphAlignmentVert = vaCenter;
    std::unique_ptr<TuiGridColumnSummary> FSummary;
    TuiGridColumnCompareRowValuesEvent FOnCompareRowValuesForCellMerging;
    TuiGridColumnCompareValuesEvent FOnCompareValuesForCellMerging;
    TuiGridColumnCustomDrawHeaderEvent FOnCustomDrawFooterCell;
    TuiGridGroupSummaryCellCustomDrawEvent FOnCustomDrawGroupSummaryCell;
    TuiGridColumnCustomDrawHeaderEvent FOnCustomDrawHeader;
    TuiGridColumnNotifyEvent FOnHeaderClick;
};

} // namespace ui
