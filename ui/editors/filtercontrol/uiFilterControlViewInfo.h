#pragma once
// The layout and painting of a filter control. TuiFilterControlViewInfo lays the rows out from the top row down,
// one row height apart and shifted left by the horizontal offset, places the footer button below the last row, finds
// the part under a point and paints everything into an off-screen bitmap that reaches the window in one block
// transfer. TuiFilterControlPainter paints one row: its button, its texts in their fonts (embossed while the view is
// disabled), its values through their editors' view infos and the dotted lines that join it to its group.

#include "rtl/text/StringTypes.h"
#include "ui/core/graphics/uiBitmaps.h"
#include "ui/editors/filtercontrol/uiFilterControlRows.h"
#include "vcl/graphics/Colors.h"

#include <cstdint>
#include <memory>

namespace ui {

class TuiCanvas;
class TuiCustomFilterControl;

// The level lines' pattern brush: made by the filter control unit's start-up (or on first use), freed by its
// shut-down.
void PrepareFilterControlLevelLineBrush();
void FreeFilterControlLevelLineBrush();

class TuiFilterControlPainter {
public:
    explicit TuiFilterControlPainter(TuiCustomFilterControl& control) : FControl(control) {}
    virtual ~TuiFilterControlPainter() = default;
    TuiFilterControlPainter(const TuiFilterControlPainter&) = delete;
    TuiFilterControlPainter& operator=(const TuiFilterControlPainter&) = delete;

    // The content colour of the control's skin when it draws with one, else the control's colour.
    virtual vcl::TColor BackgroundColor() const;
    virtual void PaintRow(TuiCanvas& canvas, TuiCustomRowViewInfo& row);
    // A text at point in font, embossed while the view is disabled.
    void DrawRowText(TuiCanvas& canvas, rtl::UnicodeStringView text, vcl::TPoint point, const vcl::TFont& font);

private:
    void PaintGroup(TuiCanvas& canvas, TuiGroupViewInfo& group);
    void PaintCondition(TuiCanvas& canvas, TuiConditionViewInfo& condition);
    void PaintSeparators(TuiCanvas& canvas, const TuiConditionViewInfo& condition);
    void PaintLevelLines(TuiCanvas& canvas, const TuiCustomRowViewInfo& row);
    // A line one pixel wide in the level lines' pattern.
    void PaintLevelLine(TuiCanvas& canvas, const vcl::TRect& rect);

    TuiCustomFilterControl& FControl;
};

class TuiFilterControlViewInfo {
public:
    explicit TuiFilterControlViewInfo(TuiCustomFilterControl& control);
    virtual ~TuiFilterControlViewInfo();
    TuiFilterControlViewInfo(const TuiFilterControlViewInfo&) = delete;
    TuiFilterControlViewInfo& operator=(const TuiFilterControlViewInfo&) = delete;

    // The canvas of the off-screen bitmap, which also measures texts.
    TuiCanvas& Canvas() { return FBitmap.Canvas(); }
    TuiFilterControlPainter& Painter() const { return *FPainter; }
    // Lays out every row and the footer in the control's client area.
    void CalculateLayout();
    // Whether the control has items to filter and is enabled.
    bool IsEnabled() const { return FEnabled; }
    int32_t RowHeight() const { return FRowHeight; }
    int32_t MinValueWidth() const { return FMinValueWidth; }
    int32_t WidestRowWidth() const { return FWidestRowWidth; }
    const rtl::UnicodeString& FooterCaption() const { return FFooterCaption; }
    const vcl::TRect& FooterRect() const { return FFooterRect; }
    TuiButtonState FooterState() const { return FFooterState; }
    // The client-area rectangle of the row position below the last row.
    vcl::TRect FooterRowRect() const;
    const vcl::TRect& FocusRect() const { return FFocusRect; }
    // Where a part of a row (or the footer) lies; empty when nowhere.
    vcl::TRect PartRect(const TuiCustomRowViewInfo* row, TuiFilterControlPart part, int32_t valueIndex) const;

    virtual void HitTest(vcl::TShiftState shift, vcl::TPoint point, TuiFilterControlHitTest& hit);
    // Paints the client area onto canvas (the control's), through the bitmap: the rows canvas shows, the footer and
    // the focus.
    void PaintControl(TuiCanvas& canvas);

protected:
    virtual vcl::TRect CalculateFocusRect() const;

private:
    void CalculateRowHeight();
    void CalculateFooter();
    TuiButtonState CalculateFooterState() const;

    TuiCustomFilterControl& FControl;
    TuiBitmap FBitmap;
    std::unique_ptr<TuiFilterControlPainter> FPainter;
    vcl::TRect FClientRect;
    vcl::TRect FFocusRect;
    rtl::UnicodeString FFooterCaption;
    vcl::TRect FFooterRect;
    TuiButtonState FFooterState = uibsNormal;
    bool FEnabled = false;
    int32_t FRowHeight = 0;
    int32_t FMinValueWidth = 0;
    int32_t FWidestRowWidth = 0;
};

} // namespace ui
