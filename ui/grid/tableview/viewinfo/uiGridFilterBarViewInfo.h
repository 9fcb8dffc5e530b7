#pragma once
// TuiGridFilterBarViewInfo: the band at the top or bottom of a table view that shows the active filter's text, or
// "<Filter is Empty>", with its buttons: on the left close and activate while the filter has conditions, on the right
// the customize button and the drop-down of recently used filters. FilterBox.Visible decides when it shows; a hidden
// bar is 0 high.

#include "rtl/text/StringTypes.h"
#include "ui/grid/tableview/uiGridFilterBarPlacement.h"

#include <array>

namespace ui {

class TuiCustomGridHitTest;
class TuiGridTableViewInfo;
struct TuiDrawParams;

enum TuiGridFilterBarButtonKind : uint8_t { fbbClose, fbbActivate, fbbCustomize, fbbDropDown };

class TuiGridFilterBarViewInfo {
public:
    static constexpr size_t ButtonCount = 4;

    explicit TuiGridFilterBarViewInfo(TuiGridTableViewInfo& tableViewInfo) : FTableViewInfo(tableViewInfo) {}

    bool Visible() const;
    bool AtTop() const;
    void Clear();
    // Measures the text and the buttons: 0 when hidden.
    int32_t CalculateHeight();
    void Calculate(const vcl::TRect& bounds);

    const vcl::TRect& Bounds() const { return FBounds; }
    const rtl::UnicodeString& Text() const { return FText; }
    const vcl::TRect& TextBounds() const { return FLayout.TextArea; }
    bool ButtonVisible(TuiGridFilterBarButtonKind kind) const { return FButtons[kind].Visible; }
    // Empty when the button is hidden.
    vcl::TRect ButtonBounds(TuiGridFilterBarButtonKind kind) const;
    // The filter is switched on (the activate button's check).
    bool FilterActive() const;
    static rtl::UnicodeString CustomizeCaption();
    void GetParams(TuiDrawParams& params) const;

    // A button, else the bar; nullptr outside it.
    TuiCustomGridHitTest* HitTestAt(vcl::TPoint point) const;

private:
    vcl::TSize CustomizeButtonSize() const;

    TuiGridTableViewInfo& FTableViewInfo;
    std::array<TuiGridFilterBarButton, ButtonCount> FButtons{};
    rtl::UnicodeString FText;
    int32_t FTextWidth = 0;
    TuiGridFilterBarLayout FLayout;
    vcl::TRect FBounds;
};

} // namespace ui
