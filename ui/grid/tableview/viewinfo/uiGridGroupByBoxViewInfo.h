#pragma once
// TuiGridGroupByBoxViewInfo: the band above the header that shows the grouped columns as a staircase of column
// headers in grouping order, each as wide as its caption and sorting mark need, or the prompt to drag a header there
// when nothing is grouped. It spans the client's width and does not scroll; a hidden box is 0 high.

#include "rtl/text/StringTypes.h"
#include "vcl/system/Types.h"

#include <memory>
#include <vector>

namespace ui {

class TuiCustomGridHitTest;
class TuiGridColumn;
class TuiGridColumnHeaderViewInfo;
class TuiGridTableViewInfo;

class TuiGridGroupByBoxViewInfo {
public:
    explicit TuiGridGroupByBoxViewInfo(TuiGridTableViewInfo& tableViewInfo);
    ~TuiGridGroupByBoxViewInfo();

    bool Visible() const;
    void Clear();
    // Takes the grouped columns and measures the box: 0 when hidden.
    int32_t CalculateHeight();
    // Places the box and its headers.
    void Calculate(const vcl::TRect& bounds);

    const vcl::TRect& Bounds() const { return FBounds; }
    int32_t ItemHeight() const { return FItemHeight; }
    int32_t HeaderCount() const { return static_cast<int32_t>(FHeaders.size()); }
    TuiGridColumnHeaderViewInfo& Headers(int32_t index) const { return *FHeaders.at(static_cast<size_t>(index)); }
    // The prompt shows while nothing is grouped, vertically centred in the box left 6 pixels in.
    bool HasPrompt() const { return FHeaders.empty(); }
    vcl::TRect PromptBounds() const;
    static rtl::UnicodeString PromptText();

    // A header of the box, else the box; nullptr outside it.
    TuiCustomGridHitTest* HitTestAt(vcl::TPoint point) const;

private:
    std::vector<TuiGridColumn*> GroupedColumns() const;
    int32_t HeaderWidth(TuiGridColumn& column) const;
    int32_t HeaderItemHeight(TuiGridColumn& column) const;

    TuiGridTableViewInfo& FTableViewInfo;
    std::vector<std::unique_ptr<TuiGridColumnHeaderViewInfo>> FHeaders;
    std::vector<int> FWidths;
    int32_t FItemHeight = 0;
    vcl::TRect FBounds;
};

} // namespace ui
