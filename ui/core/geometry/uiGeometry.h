#pragma once
// Rectangle, point and size arithmetic for painters, view infos and controls, on the framework's TRect, TPoint and
// TSize (right and bottom edges outside); the framework's Rect, Bounds, Point, Width, Height and == serve for making
// and comparing them. Integer halves truncate toward zero. TuiRect and TuiSize hold a rectangle or a size as
// properties with a change event (margins, content offsets, minimum sizes).

#include "rtl/core/Events.h"
#include "rtl/core/Persistent.h"
#include "vcl/system/Types.h"

#include <cstdint>

namespace ui {

// Vertical placement of content in a rectangle, and the four directions (with none).
enum TuiAlignmentVert : uint8_t { vaTop, vaBottom, vaCenter };
enum TuiDirection : uint8_t { dirNone, dirLeft, dirRight, dirUp, dirDown };

// True when the rectangle holds no pixel.
bool IsRectEmptyArea(const vcl::TRect& r);
// The common part of a and b into result; (0, 0, 0, 0) and false when it holds no pixel.
bool IntersectRects(vcl::TRect& result, const vcl::TRect& a, const vcl::TRect& b);
bool RectsIntersect(const vcl::TRect& a, const vcl::TRect& b);
vcl::TRect InflateRectBy(const vcl::TRect& r, int32_t dx, int32_t dy);
vcl::TRect InflateRectSides(const vcl::TRect& r, int32_t left, int32_t top, int32_t right, int32_t bottom);
// r moved inward by the margins (given as a rectangle of four widths).
void DeflateRectInPlace(vcl::TRect& r, const vcl::TRect& margins);
vcl::TRect DeflateRectByMargins(const vcl::TRect& r, const vcl::TRect& margins);
// r moved by (dx, dy) forward, by (-dx, -dy) otherwise.
vcl::TRect ShiftRect(const vcl::TRect& r, int32_t dx, int32_t dy, bool forward = true);
vcl::TRect ShiftRectByPoint(const vcl::TRect& r, vcl::TPoint p, bool forward = true);
// X and Y exchanged: (Top, Left, Bottom, Right).
vcl::TRect RotateRect(const vcl::TRect& r);
vcl::TRect RectFromSize(vcl::TSize s);
vcl::TRect RectFromPoints(vcl::TPoint topLeft, vcl::TPoint bottomRight);
vcl::TRect ChangeRectHeight(const vcl::TRect& r, int32_t height);
vcl::TRect ChangeRectWidth(const vcl::TRect& r, int32_t width);
// Left becomes x, the width kept.
vcl::TRect MoveRectLeft(const vcl::TRect& r, int32_t x);
vcl::TRect PlaceRectAtLeft(const vcl::TRect& r, int32_t x, int32_t width);
vcl::TRect PlaceRectAtRight(const vcl::TRect& r, int32_t x, int32_t width);
// The total horizontal margin of margins given as a rectangle.
int32_t SumRectLeftRight(const vcl::TRect& margins);
vcl::TPoint GetRectCenterPoint(const vcl::TRect& r);
// A width x height rectangle centred in r.
vcl::TRect CenterRectInRect(const vcl::TRect& r, int32_t width, int32_t height);
vcl::TRect CenterSizeInRect(const vcl::TRect& r, vcl::TSize s);
// The largest rectangle of proportion a : b that shares r's top-left corner and lies inside r; r itself when a or b is
// not positive.
vcl::TRect FitRectToProportion(const vcl::TRect& r, int32_t a, int32_t b);
vcl::TPoint PointFromSize(vcl::TSize s);
vcl::TPoint InvertPoint(vcl::TPoint p);
vcl::TPoint OffsetPoint(vcl::TPoint p, int32_t x, int32_t y, bool forward = true);
vcl::TPoint OffsetPointByRectOrigin(vcl::TPoint p, const vcl::TRect& r, bool forward = true);

// A rectangle as a persistent with a change event. Descendants may correct a new rectangle in ValidateRect.
class TuiRect : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuiRect, rtl::TPersistent)
public:
    using TConstructorArgument = rtl::TPersistent*;

    explicit TuiRect(rtl::TPersistent* owner) : FOwner(owner) {}

    // From another TuiRect takes its rectangle; any other source is ignored.
    void Assign(const rtl::TPersistent* source) override;
    rtl::TPersistent* GetOwner() const override { return FOwner; }

    const vcl::TRect& GetRect() const { return FRect; }
    // Stores the rectangle as ValidateRect corrects it and fires OnChange, when that differs from the one kept.
    void SetRect(const vcl::TRect& rect);
    int32_t Left() const { return FRect.Left; }
    int32_t Top() const { return FRect.Top; }
    int32_t Right() const { return FRect.Right; }
    int32_t Bottom() const { return FRect.Bottom; }
    void SetLeft(int32_t value);
    void SetTop(int32_t value);
    void SetRight(int32_t value);
    void SetBottom(int32_t value);
    bool EqualsRect(const vcl::TRect& rect) const { return FRect == rect; }
    bool IsEqual(const TuiRect& other) const { return FRect == other.FRect; }

    const rtl::TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(rtl::TNotifyEvent handler) { FOnChange = std::move(handler); }

protected:
    // Corrects a rectangle about to be stored; nothing here.
    virtual void ValidateRect(vcl::TRect& rect);

private:
    rtl::TPersistent* FOwner; // not owned
    vcl::TRect FRect;
    rtl::TNotifyEvent FOnChange;
};

// A size as a persistent with a change event; negative values are stored as 0.
class TuiSize : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuiSize, rtl::TPersistent)
public:
    using TConstructorArgument = rtl::TPersistent*;
    enum TValueIndex : int32_t { svHeight = 0, svWidth = 1 };

    explicit TuiSize(rtl::TPersistent* owner) : FOwner(owner) {}

    // From another TuiSize takes its size; other sources raise the runtime's assignment error.
    void Assign(const rtl::TPersistent* source) override;
    rtl::TPersistent* GetOwner() const override { return FOwner; }

    const vcl::TSize& GetSize() const { return FSize; }
    // Negative values become 0; a size equal to the one kept changes nothing, another fires NotifyChange.
    virtual void SetSize(vcl::TSize size);
    int32_t Height() const { return GetValue(svHeight); }
    int32_t Width() const { return GetValue(svWidth); }
    void SetHeight(int32_t value);
    void SetWidth(int32_t value);
    virtual int32_t GetValue(TValueIndex index) const;
    // A value is written with the properties only when it is not 0.
    virtual bool IsValueStored(TValueIndex index) const { return GetValue(index) != 0; }
    bool EqualsSize(int32_t width, int32_t height) const { return FSize == vcl::TSize{width, height}; }
    bool IsEqual(const TuiSize& other) const { return FSize == other.FSize; }

    const rtl::TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(rtl::TNotifyEvent handler) { FOnChange = std::move(handler); }

protected:
    // Fires OnChange.
    virtual void NotifyChange();

private:
    rtl::TPersistent* FOwner; // not owned
    vcl::TSize FSize;
    rtl::TNotifyEvent FOnChange;
};

// Start-up and shut-down of the geometry unit: TuiRect is a class that streams may name.
void InitializeGeometryUnit();
void FinalizeGeometryUnit();

} // namespace ui
