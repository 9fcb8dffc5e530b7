#include "ui/core/graphics/uiRegion.h"

#include "vcl/system/Win32.h"

namespace ui {

namespace {

int CombineModeOf(TuiRegionOperation operation) {
    switch (operation) {
    case TuiRegionOperation::Union:
        return RGN_OR;
    case TuiRegionOperation::Difference:
        return RGN_DIFF;
    case TuiRegionOperation::Intersection:
        return RGN_AND;
    case TuiRegionOperation::Copy:
        break;
    }
    return RGN_COPY;
}

} // namespace

TuiRegion::TuiRegion() : TuiRegion(0, 0, 0, 0) {}

TuiRegion::TuiRegion(const vcl::TRect& rect) : FHandle(CreateRectRgnIndirect(vcl::AsRECT(&rect))) {}

TuiRegion::TuiRegion(int32_t left, int32_t top, int32_t right, int32_t bottom)
    : FHandle(CreateRectRgn(left, top, right, bottom)) {}

TuiRegion::TuiRegion(vcl::TRegionHandle handle) : FHandle(std::move(handle)) {
    if (!FHandle) {
        FHandle.Reset(CreateRectRgn(0, 0, 0, 0));
    }
}

bool TuiRegion::IsEmpty() const {
    RECT box{};
    return GetRgnBox(FHandle.Get(), &box) == NULLREGION;
}

vcl::TRect TuiRegion::Bounds() const {
    RECT box{};
    GetRgnBox(FHandle.Get(), &box);
    return vcl::ToRect(box);
}

void TuiRegion::CombineWith(const TuiRegion& other, TuiRegionOperation operation) {
    if (operation == TuiRegionOperation::Copy) {
        // RGN_COPY copies its first source.
        CombineRgn(FHandle.Get(), other.Handle(), nullptr, RGN_COPY);
        return;
    }
    CombineRgn(FHandle.Get(), FHandle.Get(), other.Handle(), CombineModeOf(operation));
}

bool TuiRegion::SameAs(const TuiRegion* other) const {
    if (!other) {
        return false;
    }
    return (IsEmpty() && other->IsEmpty()) || EqualRgn(FHandle.Get(), other->Handle());
}

void TuiRegion::MoveBy(int32_t dx, int32_t dy) {
    OffsetRgn(FHandle.Get(), dx, dy);
}

bool TuiRegion::ContainsXY(int32_t x, int32_t y) const {
    return PtInRegion(FHandle.Get(), x, y) != FALSE;
}

} // namespace ui
