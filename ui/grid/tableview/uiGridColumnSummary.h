#pragma once
// TuiGridColumnSummary: a column's shortcut to the summary items that belong to it. Each kind and format pair stands
// for one item of the data controller's summary, found by the column's index and a position: the footer item, and the
// group item shown in group rows (spGroup) or in group footers (spFooter). Setting a value makes the item when
// missing; an item left with no kind, no format and no sorting is freed. Nothing of it is stored: the items are.

#include "rtl/core/Persistent.h"
#include "rtl/text/StringTypes.h"
#include "ui/data/controller/summary/uiDataSummaryItems.h"

#include <functional>

namespace ui {

class TuiGridColumn;

class TuiGridColumnSummary : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuiGridColumnSummary, rtl::TPersistent)
public:
    explicit TuiGridColumnSummary(TuiGridColumn& column) : FColumn(column) {}
    // Another column's formats and kinds (footer, group footer, group), then its sort flags.
    void Assign(const rtl::TPersistent* source) override;

    TuiSummaryKind FooterKind() const { return Kind(Footer()); }
    void SetFooterKind(TuiSummaryKind value);
    rtl::UnicodeString FooterFormat() const { return Format(Footer()); }
    void SetFooterFormat(rtl::UnicodeStringView value);
    TuiSummaryKind GroupFooterKind() const { return Kind(Group(spFooter)); }
    void SetGroupFooterKind(TuiSummaryKind value);
    rtl::UnicodeString GroupFooterFormat() const { return Format(Group(spFooter)); }
    void SetGroupFooterFormat(rtl::UnicodeStringView value);
    TuiSummaryKind GroupKind() const { return Kind(Group(spGroup)); }
    void SetGroupKind(TuiSummaryKind value);
    rtl::UnicodeString GroupFormat() const { return Format(Group(spGroup)); }
    void SetGroupFormat(rtl::UnicodeStringView value);
    bool SortByGroupFooterSummary() const { return Sorted(Group(spFooter)); }
    void SetSortByGroupFooterSummary(bool value);
    bool SortByGroupSummary() const { return Sorted(Group(spGroup)); }
    void SetSortByGroupSummary(bool value);

    // The column's item of that collection at that position, or nullptr.
    TuiDataSummaryItem* FindItem(TuiDataSummaryItems& items, TuiSummaryPosition position) const;

private:
    struct TItemPlace {
        TuiDataSummaryItems* Items; // nullptr outside a view
        TuiSummaryPosition Position;
    };
    TItemPlace Footer() const;
    TItemPlace Group(TuiSummaryPosition position) const;
    TuiSummaryKind Kind(TItemPlace place) const;
    rtl::UnicodeString Format(TItemPlace place) const;
    bool Sorted(TItemPlace place) const;
    // Makes the item when a value is set, frees it when nothing is left.
    void Change(TItemPlace place, bool setsValue, const std::function<void(TuiDataSummaryItem&)>& change);

    TuiGridColumn& FColumn;
};

} // namespace ui
