#pragma once
// TuiGridFilterBarViewInfo: the band at the top or bottom of a table view that shows the active filter's text, or
// "<Filter is Empty>", with its buttons: on the left close and activate while the filter has conditions, on the right
// the customize button and the drop-down of recently used filters. FilterBox.Visible decides when it shows, and
// FilterBox.Position at which end.

#include "rtl/text/StringTypes.h"
#include "ui/grid/tableview/layout/uiGridFilterBarPlacement.h"
#include "ui/grid/tableview/viewinfo/uiGridPartViewInfo.h"

#include <array>

namespace ui {

class TuiCustomGridHitTest;
struct TuiDrawParams;

enum TuiGridFilterBarButtonKind : uint8_t { fbbClose, fbbActivate, fbbCustomize, fbbDropDown };

class TuiGridFilterBarViewInfo : public TuiCustomGridPartViewInfo {
public:
    static constexpr size_t ButtonCount = 4;

    using TuiCustomGridPartViewInfo::TuiCustomGridPartViewInfo;

    bool Visible() const override;
    TuiGridPartPosition Position() const override;
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

protected:
    // Measures the text and the buttons.
    int32_t MeasureShownHeight() override;
    void PlaceContent() override;
    void ClearContent() override;

private:
    vcl::TSize CustomizeButtonSize() const;

    std::array<TuiGridFilterBarButton, ButtonCount> FButtons{};
    rtl::UnicodeString FText;
    int32_t FTextWidth = 0;
    TuiGridFilterBarLayout FLayout;
};

} // namespace ui
