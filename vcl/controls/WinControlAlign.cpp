// TWinControl: laying out the children (anchors, then the aligned groups), auto size and scaling.

#include "vcl/controls/WinControl.h"
#include "vcl/system/Win32.h"

#include <algorithm>
#include <array>

namespace vcl {

namespace {

// Within a group the controls nearest their edge go first: top to bottom for alTop, bottom to top for alBottom,
// left to right for alLeft, right to left for alRight; the others keep their z order.
int32_t AlignOrderKey(const TControl* control, TAlign align) {
    switch (align) {
    case alTop:
        return control->Top();
    case alBottom:
        return -(control->Top() + control->Height());
    case alLeft:
        return control->Left();
    case alRight:
        return -(control->Left() + control->Width());
    default:
        return 0;
    }
}

} // namespace

void TWinControl::EnableAlign() {
    if (FAlignLevel > 0 && --FAlignLevel == 0 && ControlState().Contains(csAlignmentNeeded)) {
        Realign();
    }
}

void TWinControl::AlignControl(TControl* control) {
    if (ComponentState().Contains(rtl::TComponentState::csDestroying)) {
        return;
    }
    if (FAlignLevel != 0 || ComponentState().Contains(rtl::TComponentState::csLoading)) {
        SetControlState(ControlState() + TControlState{csAlignmentNeeded});
        return;
    }
    const TControlLink link(this);
    DisableAlign();
    try {
        TRect rect = GetClientRect();
        AlignControls(control, rect);
    } catch (...) {
        if (link.Alive()) {
            SetControlState(ControlState() - TControlState{csAlignmentNeeded});
            EnableAlign();
        }
        throw;
    }
    if (!link.Alive()) {
        return;
    }
    SetControlState(ControlState() - TControlState{csAlignmentNeeded});
    EnableAlign();
    if (AutoSize() && link.Alive()) {
        AdjustSize();
    }
}

void TWinControl::AlignControls(TControl* control, TRect& rect) {
    AdjustClientRect(rect);
    const std::vector<TControl*> children = FControls;
    const TControlLink link(this);
    for (TControl* child : children) {
        if (child->Align() != alNone || child->Anchors() == DefaultAnchors) {
            continue;
        }
        if (child->FAnchorParentSize.cx <= 0 || child->FAnchorParentSize.cy <= 0) {
            child->UpdateAnchorRules();
            continue;
        }
        child->FAnchorMove = true;
        child->SetBoundsRect(child->AnchoredBounds());
        child->FAnchorMove = false;
        if (!link.Alive()) {
            return;
        }
    }
    constexpr std::array<TAlign, 6> groups{alTop, alBottom, alLeft, alRight, alClient, alCustom};
    for (const TAlign align : groups) {
        std::vector<TControl*> group;
        std::copy_if(children.begin(), children.end(), std::back_inserter(group),
                     [align](const TControl* child) { return child->Align() == align && child->Visible(); });
        std::stable_sort(group.begin(), group.end(), [align, control](const TControl* a, const TControl* b) {
            const int32_t keyA = AlignOrderKey(a, align);
            const int32_t keyB = AlignOrderKey(b, align);
            return keyA < keyB || (keyA == keyB && a == control && b != control);
        });
        for (TControl* child : group) {
            PositionAlignedControl(child, align, rect);
            if (!link.Alive()) {
                return;
            }
        }
    }
}

// Places one aligned child in the space left and takes the space it uses away, by the size the child accepted.
void TWinControl::PositionAlignedControl(TControl* child, TAlign align, TRect& rect) {
    int32_t left = child->Left();
    int32_t top = child->Top();
    int32_t width = child->Width();
    int32_t height = child->Height();
    switch (align) {
    case alTop:
        left = rect.Left;
        top = rect.Top;
        width = rect.Width();
        break;
    case alBottom:
        left = rect.Left;
        top = rect.Bottom - height;
        width = rect.Width();
        break;
    case alLeft:
        left = rect.Left;
        top = rect.Top;
        height = rect.Height();
        break;
    case alRight:
        left = rect.Right - width;
        top = rect.Top;
        height = rect.Height();
        break;
    case alClient:
        left = rect.Left;
        top = rect.Top;
        width = rect.Width();
        height = rect.Height();
        break;
    default:
        CustomAlignPosition(child, left, top, width, height, rect);
        break;
    }
    const TControlLink link(child);
    child->FAnchorMove = true;
    child->SetBounds(left, top, std::max(width, 0), std::max(height, 0));
    if (!link.Alive()) {
        return;
    }
    if (align == alBottom && child->Top() + child->Height() != rect.Bottom) {
        child->SetTop(rect.Bottom - child->Height());
    } else if (align == alRight && child->Left() + child->Width() != rect.Right) {
        child->SetLeft(rect.Right - child->Width());
    }
    if (!link.Alive()) {
        return;
    }
    child->FAnchorMove = false;
    switch (align) {
    case alTop:
        rect.Top += child->Height();
        break;
    case alBottom:
        rect.Bottom -= child->Height();
        break;
    case alLeft:
        rect.Left += child->Width();
        break;
    case alRight:
        rect.Right -= child->Width();
        break;
    default:
        break;
    }
}

void TWinControl::AdjustClientRect(TRect&) {}

void TWinControl::CustomAlignPosition(TControl*, int32_t&, int32_t&, int32_t&, int32_t&, TRect&) {}

// The size that holds every visible child that is not aligned to the whole client area, plus the non-client area.
bool TWinControl::CanAutoSize(int32_t& newWidth, int32_t& newHeight) {
    int32_t right = 0;
    int32_t bottom = 0;
    bool anyChild = false;
    for (const TControl* child : FControls) {
        if (!child->Visible() || child->Align() == alClient) {
            continue;
        }
        anyChild = true;
        right = std::max(right, child->Left() + child->Width());
        bottom = std::max(bottom, child->Top() + child->Height());
    }
    if (!anyChild) {
        return true;
    }
    const TRect client = GetClientRect();
    newWidth = right + Width() - client.Width();
    newHeight = bottom + Height() - client.Height();
    return true;
}

void TWinControl::ChangeScale(int32_t multiplier, int32_t divisor) {
    DisableAlign();
    const TControlLink link(this);
    TControl::ChangeScale(multiplier, divisor);
    if (!link.Alive()) {
        return;
    }
    ScaleControls(multiplier, divisor);
    EnableAlign();
}

void TWinControl::ScaleControls(int32_t multiplier, int32_t divisor) {
    for (TControl* child : std::vector<TControl*>(FControls)) {
        child->ChangeScale(multiplier, divisor);
    }
}

} // namespace vcl
