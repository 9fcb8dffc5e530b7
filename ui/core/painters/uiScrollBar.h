#pragma once
// TuiScrollBar: a scroll bar drawn entirely through the look-and-feel painters, so that its arrows, thumb and page
// areas take the look of the control it serves. It keeps its own range, page and position (checked and computed in
// 64 bits, so the whole 32-bit range works), lays its parts out in a view info, and tracks the mouse itself: a held
// arrow or page area repeats (first after 400 ms, then every 60 ms, pausing while the pointer is off it), a dragged
// thumb follows the pointer and snaps back when the pointer strays far from the bar. Every step is announced through
// OnScroll; OnChange fires exactly when the stored position changes.

#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/core/painters/uiPainterTypes.h"
#include "vcl/controls/CustomControl.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace vcl {
class TBitmap;
} // namespace vcl

namespace ui {

class TuiCanvas;
class TuiScrollBar;
class TuiTimer;
class TuxThemeChangedNotificator;

enum TScrollBarKind : uint8_t { sbHorizontal, sbVertical };
enum TScrollCode : uint8_t {
    scLineUp,
    scLineDown,
    scPageUp,
    scPageDown,
    scPosition,
    scTrack,
    scTop,
    scBottom,
    scEndScroll
};
// A line or page step: 1 to 32767.
using TScrollBarInc = int16_t;
// sender, what happened, and the position it leads to, which the handler may change.
using TScrollEvent = std::function<void(rtl::TObject* sender, TScrollCode code, int32_t& position)>;

// a * b / c rounded to the nearest integer, halves away from zero; 0 for c = 0. Exact for the bar's products: a range
// length below 2^33 times a pixel length below 2^31.
int64_t ScrollMulDiv(int64_t a, int64_t b, int64_t c);

// The text of the range check.
inline constexpr char16_t SScrollBarRange[] = u"Scrollbar property out of range";

// The layout of one bar: its buttons, thumb and page areas in client coordinates.
class TuiScrollBarViewInfo {
public:
    explicit TuiScrollBarViewInfo(TuiScrollBar& scrollBar);
    virtual ~TuiScrollBarViewInfo() = default;
    TuiScrollBarViewInfo(const TuiScrollBarViewInfo&) = delete;
    TuiScrollBarViewInfo& operator=(const TuiScrollBarViewInfo&) = delete;

    virtual void CalculatePartRects();
    void Recalculate() { CalculatePartRects(); }
    // The thumb from the bar's range, page and position (empty when it does not fit or the bar is disabled).
    void CalculateThumb();
    // The page areas between the buttons and the thumb; empty without a thumb.
    void CalculatePageRects();
    // Moves the thumb along the bar so that it starts at start.
    void MoveThumb(int32_t start);
    void UpdateMinThumbSize();

    const vcl::TRect& LineUpButtonRect() const { return FLineUpButtonRect; }
    const vcl::TRect& LineDownButtonRect() const { return FLineDownButtonRect; }
    const vcl::TRect& ThumbRect() const { return FThumbRect; }
    const vcl::TRect& PageUpRect() const { return FPageUpRect; }
    const vcl::TRect& PageDownRect() const { return FPageDownRect; }
    int32_t MinThumbSize() const { return FMinThumbSize; }
    // The span between the buttons along the bar: where it starts and how long it is.
    int32_t TrackStart() const;
    int32_t TrackLength() const;
    // The thumb's start and length along the bar.
    int32_t ThumbStart() const;
    int32_t ThumbLength() const;

private:
    bool Horizontal() const;
    // The rectangle across the bar's whole thickness from start to end along it.
    vcl::TRect SpanRect(int32_t start, int32_t end) const;

    vcl::TRect FLineDownButtonRect;
    vcl::TRect FPageDownRect;
    vcl::TRect FPageUpRect;
    TuiScrollBar& FScrollBar;
    vcl::TRect FThumbRect;
    int32_t FMinThumbSize = 0;
    vcl::TRect FLineUpButtonRect;
};

// A scroll bar window control drawn through a painter; a skin painter may draw it (IuiSkinDrawnMarker).
class TuiScrollBar : public vcl::TCustomControl, public IuiSkinDrawnMarker {
    RTL_DECLARE_CLASS(TuiScrollBar, vcl::TCustomControl)
public:
    explicit TuiScrollBar(rtl::TComponent* owner);
    ~TuiScrollBar() override;

    bool QueryInterface(const rtl::TGUID& iid, void** object) override;

    void Dispatch(vcl::TMessage& message) override;
    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;

    TScrollBarKind Kind() const { return FKind; }
    void SetKind(TScrollBarKind value);
    int32_t Min() const { return FMin; }
    void SetMin(int32_t value) { SetScrollValues(value, FMax, FPosition, FPageSize); }
    int32_t Max() const { return FMax; }
    void SetMax(int32_t value) { SetScrollValues(FMin, value, FPosition, FPageSize); }
    // 0: no page, the thumb has the system's size.
    int32_t PageSize() const { return FPageSize; }
    void SetPageSize(int32_t value) { SetScrollValues(FMin, FMax, FPosition, value); }
    int32_t Position() const { return FPosition; }
    void SetPosition(int32_t value) { SetScrollValues(FMin, FMax, value, FPageSize); }
    TScrollBarInc SmallChange() const { return FSmallChange; }
    void SetSmallChange(TScrollBarInc value) { FSmallChange = value; }
    TScrollBarInc LargeChange() const { return FLargeChange; }
    void SetLargeChange(TScrollBarInc value) { FLargeChange = value; }
    // A dragged thumb never snaps back however far the pointer strays.
    bool UnlimitedTracking() const { return FUnlimitedTracking; }
    void SetUnlimitedTracking(bool value) { FUnlimitedTracking = value; }

    // The one way the range changes: EInvalidOperation (SScrollBarRange) when max < min or the page exceeds the
    // range's length, nothing changed then; the position is clamped into the range. The enabling is left alone: the
    // owner of the bar decides it.
    void SetScrollValues(int32_t min, int32_t max, int32_t position, int32_t pageSize, bool repaint = true);
    TuiScrollBarPart PartAtPoint(vcl::TPoint point) const;
    // One step: the handler of OnScroll sees (and may change) the proposed position.
    void ScrollByCode(TScrollCode code);
    // Ends a held button or a thumb drag.
    void StopTracking();

    // The 3-D flag as the program set it: a skin switches the window's own flag off while it draws the bar, and this
    // keeps the value for when another look comes back. Reads true when either flag is set.
    bool Ctl3D() const { return TCustomControl::Ctl3D() || FSavedCtl3D; }
    void SetCtl3D(bool value);

    // The look and feel the bar's painter comes from; setting copies the given one's values.
    TuiLookAndFeel& LookAndFeel() const { return *FLookAndFeel; }
    void SetLookAndFeel(const TuiLookAndFeel& value) { FLookAndFeel->Assign(&value); }

    TuiScrollBarViewInfo& ViewInfo() const { return *FViewInfo; }
    // The part held by the mouse (sbpNone when none) and the part under the pointer.
    TuiScrollBarPart TrackingPart() const { return FTrackingPart; }
    TuiScrollBarPart HotPart() const { return FHotPart; }
    // The painter the bar draws with: its look and feel's painter for scroll bars.
    virtual TuiLookAndFeelPainterClass GetPainter() const;

    const rtl::TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(rtl::TNotifyEvent handler) { FOnChange = std::move(handler); }
    const TScrollEvent& OnScroll() const { return FOnScroll; }
    void SetOnScroll(TScrollEvent handler) { FOnScroll = std::move(handler); }

protected:
    void Paint() override;
    void MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;

    virtual void DoChange();
    virtual void DrawScrollBar(TuiCanvas& canvas);
    virtual void DrawScrollBarBackground(TuiCanvas& canvas, const vcl::TRect& rect);
    virtual void DrawPartInState(TuiCanvas& canvas, const vcl::TRect& rect, TuiScrollBarPart part,
                                 TuiButtonState state);
    void DrawPart(TuiCanvas& canvas, const vcl::TRect& rect, TuiScrollBarPart part);
    virtual bool HotTrackParts() const;
    virtual void DoScroll(TScrollCode code, int32_t& position);
    virtual int32_t MinThumbSize() const;
    virtual void MouseEnter(vcl::TControl* control);
    virtual void MouseLeave(vcl::TControl* control);
    TuiButtonState PartState(TuiScrollBarPart part) const;
    void ThemeChanged();
    virtual void LookAndFeelChanged(TuiLookAndFeel* sender, TuiLookAndFeelValues changed);

private:
    friend class TuiScrollBarViewInfo;
    static constexpr uint32_t RepeatFirstDelay = 400;
    static constexpr uint32_t RepeatInterval = 60;

    void Recalculate();
    void RepaintNow();
    void ScrollForPart(TuiScrollBarPart part);
    void RepeatTimerTick();
    bool PointerOverTrackedPart() const;
    bool IsRepeatingPart(TuiScrollBarPart part) const;
    void DragThumb(vcl::TPoint point);
    int32_t ThumbToPosition() const;
    vcl::TRect TrackingBounds() const;
    void HandleEnabledChanged(vcl::TMessage& message);
    // Whether a skin painter draws the bar now.
    bool HasSkinPainter() const;

    std::unique_ptr<vcl::TBitmap> FBitmap;
    std::unique_ptr<TuiCanvas> FCanvas;
    vcl::TPoint FDownMousePos;
    TScrollBarKind FKind = sbHorizontal;
    TScrollBarInc FLargeChange = 1;
    std::unique_ptr<TuiLookAndFeel> FLookAndFeel;
    bool FSavedCtl3D = true;
    int32_t FMax = 100;
    int32_t FMin = 0;
    int32_t FPageSize = 0;
    int32_t FPosition = 0;
    int32_t FSavePosition = 0;
    vcl::TPoint FSaveThumbnailPos;
    TScrollBarInc FSmallChange = 1;
    std::unique_ptr<TuxThemeChangedNotificator> FThemeNotificator;
    std::unique_ptr<TuiTimer> FTimer;
    bool FUnlimitedTracking = false;
    rtl::TNotifyEvent FOnChange;
    TScrollEvent FOnScroll;
    TuiScrollBarPart FTrackingPart = sbpNone;
    TuiScrollBarPart FHotPart = sbpNone;
    std::unique_ptr<TuiScrollBarViewInfo> FViewInfo;
};

} // namespace ui
