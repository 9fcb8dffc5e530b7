// The popup window: its size round its children, its place beside the owner, its frame and its closing on
// deactivation.

#include "ui/core/controls/popups/uiPopupWindow.h"

#include "rtl/WindowsApi.h"
#include "ui/core/controls/routines/uiWindowRoutines.h"
#include "ui/core/graphics/uiCanvas.h"
#include "vcl/system/Messages.h"

#include <algorithm>

namespace ui {

namespace {

TuiWorkAreaAt& PopupWorkAreaSource() {
    static TuiWorkAreaAt source;
    return source;
}

// The side the popup takes with the alignments as they stand: its position and the point whose monitor counts.
struct TPopupPlace {
    vcl::TPoint Position;
    vcl::TPoint Reference;
};

void PlaceBesideOwner(const vcl::TRect& owner, int32_t width, int32_t height, const TuiPopupPlacement& placement,
                      TPopupPlace& place) {
    const bool vertical = placement.Direction == pdVertical;
    switch (placement.AlignHorz) {
    case pahLeft:
        place.Position.X = vertical ? owner.Left : owner.Left - width;
        place.Reference.X = owner.Left;
        break;
    case pahRight:
        place.Position.X = vertical ? owner.Right - width : owner.Right;
        place.Reference.X = owner.Right;
        break;
    case pahCenter:
        break;
    }
    switch (placement.AlignVert) {
    case pavTop:
        place.Position.Y = vertical ? owner.Top - height : owner.Top;
        place.Reference.Y = owner.Top;
        break;
    case pavBottom:
        place.Position.Y = vertical ? owner.Bottom : owner.Bottom - height;
        place.Reference.Y = owner.Bottom;
        break;
    case pavCenter:
        break;
    }
}

// Keeps the span [start, start + size) inside [low, high): pushed back from the far edge first, so a span larger
// than the area starts at its near edge.
int32_t ClampSpan(int32_t start, int32_t size, int32_t low, int32_t high) {
    if (start + size > high) {
        start = high - size;
    }
    return std::max(start, low);
}

} // namespace

vcl::TRect WorkAreaNearest(vcl::TPoint point) {
    if (const TuiWorkAreaAt& source = PopupWorkAreaSource()) {
        return source(point);
    }
    return DesktopWorkAreaAt(point);
}

void TuiPopupWindow::SetWorkAreaSource(TuiWorkAreaAt source) {
    PopupWorkAreaSource() = std::move(source);
}

vcl::TPoint CalculatePopupPosition(const vcl::TRect& ownerBounds, int32_t width, int32_t height,
                                   const TuiPopupPlacement& placement, const TuiWorkAreaAt& workAreaAt) {
    const vcl::TRect& r = ownerBounds;
    TuiPopupPlacement current = placement;
    TPopupPlace place;
    if (current.AlignHorz == pahCenter) {
        place.Position.X = place.Reference.X = (r.Left + r.Right - width) / 2;
    }
    if (current.AlignVert == pavCenter) {
        place.Position.Y = place.Reference.Y = (r.Top + r.Bottom - height) / 2;
    }
    PlaceBesideOwner(r, width, height, current, place);
    const vcl::TRect area = workAreaAt(place.Reference);
    if (current.Direction == pdVertical) {
        const bool moreRoomAbove = area.Bottom - r.Bottom < r.Top - area.Top;
        if (current.AlignVert == pavBottom && place.Position.Y + height > area.Bottom && moreRoomAbove) {
            current.AlignVert = pavTop;
        } else if (current.AlignVert == pavTop && place.Position.Y < area.Top && !moreRoomAbove) {
            current.AlignVert = pavBottom;
        }
    } else {
        const bool moreRoomLeft = area.Right - r.Right < r.Left - area.Left;
        if (current.AlignHorz == pahRight && place.Position.X + width > area.Right && moreRoomLeft) {
            current.AlignHorz = pahLeft;
        } else if (current.AlignHorz == pahLeft && place.Position.X < area.Left && !moreRoomLeft) {
            current.AlignHorz = pahRight;
        }
    }
    PlaceBesideOwner(r, width, height, current, place);
    // Both axes stay on the work area: a popup that fits on neither side of its owner covers the owner rather than
    // leave the screen.
    return {ClampSpan(place.Position.X, width, area.Left, area.Right),
            ClampSpan(place.Position.Y, height, area.Top, area.Bottom)};
}

TuiPopupWindow::TuiPopupWindow(rtl::TComponent* owner) : TForm(owner), FCanvas(std::make_unique<TuiCanvas>(Canvas())) {
    SetBorderStyle(vcl::bsNone);
    SetDefaultMonitor(vcl::dmDesktop);
    SetFormStyle(vcl::fsStayOnTop);
}

TuiPopupWindow::~TuiPopupWindow() = default;

void TuiPopupWindow::Popup() {
    InitPopup();
    CalculateSize();
    const vcl::TPoint point = CalculatePosition();
    SetBounds(point.X, point.Y, Width(), Height());
    Show();
}

void TuiPopupWindow::CloseUp() {
    Hide();
}

void TuiPopupWindow::InitPopup() {
    if (FOwnerParent) {
        Font().Assign(&FOwnerParent->Font());
    }
}

// Moves the children that sat inside the old borders so that they sit inside the new ones once the popup sizes itself.
void TuiPopupWindow::SetPopupBorderStyle(TuiPopupBorderStyle value) {
    const int32_t left = GetBorderWidth(psLeft);
    const int32_t top = GetBorderWidth(psTop);
    for (int32_t index = 0; index < ControlCount(); ++index) {
        vcl::TControl* child = Controls(index);
        child->SetBounds(child->Left() - left, child->Top() - top, child->Width(), child->Height());
    }
    FBorderStyle = value;
}

int32_t TuiPopupWindow::FrameWidthOfBorderStyle() const {
    switch (FBorderStyle) {
    case pbsSingle:
    case pbsFlat:
        return 1;
    case pbs3D:
        return 2;
    case pbsNone:
        break;
    }
    return 0;
}

int32_t TuiPopupWindow::GetBorderWidth(TuiPopupSide) const {
    return FrameWidthOfBorderStyle() + FBorderSpace;
}

vcl::TRect TuiPopupWindow::GetClientBoundsInsideBorders() {
    vcl::TRect rect = ClientRect();
    rect.Left += GetBorderWidth(psLeft);
    rect.Top += GetBorderWidth(psTop);
    rect.Right -= GetBorderWidth(psRight);
    rect.Bottom -= GetBorderWidth(psBottom);
    return rect;
}

vcl::TRect TuiPopupWindow::GetOwnerScreenBounds() const {
    if (!FOwnerParent) {
        return FOwnerBounds;
    }
    const vcl::TPoint topLeft = FOwnerParent->ClientToScreen({FOwnerBounds.Left, FOwnerBounds.Top});
    const vcl::TPoint bottomRight = FOwnerParent->ClientToScreen({FOwnerBounds.Right, FOwnerBounds.Bottom});
    return {topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
}

vcl::TPoint TuiPopupWindow::CalculatePosition() {
    return CalculatePopupPosition(GetOwnerScreenBounds(), Width(), Height(), FPlacement, WorkAreaNearest);
}

void TuiPopupWindow::CalculateSize() {
    if (!FAdjustable) {
        return;
    }
    const int32_t left = GetBorderWidth(psLeft);
    const int32_t top = GetBorderWidth(psTop);
    int32_t right = 0;
    int32_t bottom = 0;
    for (int32_t index = 0; index < ControlCount(); ++index) {
        vcl::TControl* child = Controls(index);
        right = std::max(right, child->Left() + child->Width());
        bottom = std::max(bottom, child->Top() + child->Height());
        child->SetBounds(child->Left() + left, child->Top() + top, child->Width(), child->Height());
    }
    if (ControlCount() > 0 || right != 0) {
        SetWidth(left + right + GetBorderWidth(psRight));
        SetHeight(top + bottom + GetBorderWidth(psBottom));
    }
}

void TuiPopupWindow::Paint() {
    TForm::Paint();
    DrawFrame();
}

void TuiPopupWindow::DrawFrame() {
    vcl::TRect rect{0, 0, Width(), Height()};
    switch (FBorderStyle) {
    case pbsSingle:
        FCanvas->FrameRect(rect, FFrameColor);
        break;
    case pbsFlat:
        FCanvas->DrawEdge(rect, false, false);
        break;
    case pbs3D:
        FCanvas->DrawEdge(rect, false, true);
        rect = {rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1};
        FCanvas->DrawEdge(rect, false, false);
        break;
    case pbsNone:
        break;
    }
}

void TuiPopupWindow::Deactivate() {
    TForm::Deactivate();
    CloseUp();
}

void TuiPopupWindow::Dispatch(vcl::TMessage& message) {
    switch (message.Msg) {
    case WM_ACTIVATE:
        TForm::Dispatch(message);
        if (vcl::LoWord(message.WParam) != WA_INACTIVE) {
            // The window that lost the activation keeps its active caption while its popup is in front.
            FPrevActiveWindow = reinterpret_cast<HWND>(message.LParam);
            if (FPrevActiveWindow) {
                SendMessageW(FPrevActiveWindow, WM_NCACTIVATE, TRUE, 0);
            }
        }
        return;
    case WM_ACTIVATEAPP:
        TForm::Dispatch(message);
        if (message.WParam == 0) {
            if (FPrevActiveWindow && IsWindow(FPrevActiveWindow)) {
                SendMessageW(FPrevActiveWindow, WM_NCACTIVATE, FALSE, 0);
            }
            CloseUp();
        }
        return;
    case vcl::CM_VISIBLECHANGED:
        TForm::Dispatch(message);
        VisibleChanged();
        return;
    default:
        TForm::Dispatch(message);
    }
}

} // namespace ui
