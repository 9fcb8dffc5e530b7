// The filter control: keys, the mouse, hot tracking and scrolling.

#include "rtl/WindowsApi.h"
#include "ui/core/controls/routines/uiControlRoutines.h"
#include "ui/editors/filtercontrol/uiFilterControl.h"
#include "ui/editors/filtercontrol/uiFilterControlViewInfo.h"
#include "vcl/forms/Form.h"
#include "vcl/system/Messages.h"

#include <algorithm>

namespace ui {

namespace {

// A line of the horizontal bar, in pixels.
constexpr int32_t HorzScrollLine = 8;
// The view scrolls back while this much more than a row stays empty below the footer.
constexpr int32_t FooterSlack = 2;
// The content may end this far inside the right edge.
constexpr int32_t RightEdgeMargin = 2;

bool HasModifiers(vcl::TShiftState shift) {
    return shift.Contains(vcl::ssShift) || shift.Contains(vcl::ssCtrl) || shift.Contains(vcl::ssAlt);
}

} // namespace

// Keys.

void TuiCustomFilterControl::Dispatch(vcl::TMessage& message) {
    switch (message.Msg) {
    case vcl::CM_WANTSPECIALKEY:
        message.Result = message.WParam == VK_RETURN || (FWantTabs && message.WParam == VK_TAB) ? 1 : 0;
        return;
    case vcl::CM_ENABLEDCHANGED:
        TuiControl::Dispatch(message);
        LayoutChanged();
        return;
    default:
        TuiControl::Dispatch(message);
    }
}

void TuiCustomFilterControl::KeyDown(uint16_t& key, vcl::TShiftState shift) {
    TuiControl::KeyDown(key, shift);
    if (key == 0 || FOpenSelector != fcsNone) {
        return;
    }
    const bool ctrl = shift.Contains(vcl::ssCtrl);
    if (key == VK_TAB && ctrl) {
        if (vcl::TCustomForm* form = vcl::GetParentForm(this)) {
            form->SelectNext(this, !shift.Contains(vcl::ssShift), true);
        }
        key = 0;
        return;
    }
    if (!HasLinkItems()) {
        return;
    }
    HandleRowKey(key, shift);
}

void TuiCustomFilterControl::HandleRowKey(uint16_t& key, vcl::TShiftState shift) {
    const bool shifted = shift.Contains(vcl::ssShift);
    switch (key) {
    case VK_TAB:
        shifted ? MoveFocusLeft(true) : MoveFocusRight(true);
        break;
    case VK_LEFT:
        MoveFocusLeft(false);
        break;
    case VK_RIGHT:
        MoveFocusRight(false);
        break;
    case VK_UP:
        FocusPreviousRow(false);
        break;
    case VK_DOWN:
        FocusNextRow(false);
        break;
    case VK_INSERT:
        if (HasModifiers(shift)) {
            return;
        }
        AddConditionRow(FFocusedRow != nullptr ? FFocusedRow->OwnGroup() : Rows(RowCount() - 1).OwnGroup());
        break;
    case VK_DELETE:
        if (!shift.Contains(vcl::ssCtrl)) {
            return;
        }
        RemoveFocused();
        break;
    case VK_RETURN:
        OpenFocusedPart(vaPlain);
        break;
    default:
        return;
    }
    key = 0;
}

void TuiCustomFilterControl::KeyPress(char16_t& key) {
    TuiControl::KeyPress(key);
    if (key == 0 || FOpenSelector != fcsNone || !HasLinkItems()) {
        return;
    }
    if (key == u' ') {
        OpenFocusedPart(vaPlain);
        key = 0;
    } else if (key >= u' ' && FFocusedPart == fcpValue) {
        const char16_t typed = key;
        key = 0;
        OpenFocusedPart(vaKey, typed);
    }
}

void TuiCustomFilterControl::OpenFocusedPart(TuiValueActivation activation, char16_t key, vcl::TPoint point) {
    TuiCustomRowViewInfo* row = FFocusedRow;
    switch (FFocusedPart) {
    case fcpButton:
        ShowRowMenu(*row);
        break;
    case fcpBoolOperator:
        EditBoolOperator(static_cast<TuiGroupViewInfo&>(*row));
        break;
    case fcpItem:
        EditItem(static_cast<TuiConditionViewInfo&>(*row));
        break;
    case fcpOperator:
        EditOperator(static_cast<TuiConditionViewInfo&>(*row));
        break;
    case fcpValue:
        EditValue(static_cast<TuiConditionViewInfo&>(*row), FFocusedValue, activation, key, point);
        break;
    case fcpAddCondition:
        AddConditionRow(Rows(RowCount() - 1).OwnGroup());
        break;
    case fcpAddValue:
        AddValue(static_cast<TuiConditionViewInfo&>(*row));
        break;
    default:
        break;
    }
}

// The mouse.

bool TuiCustomFilterControl::IgnoresClicks() const {
    return FOpenSelector != fcsNone || !HasLinkItems() || FValueInvalid;
}

bool TuiCustomFilterControl::CanFocusOnClick() const {
    return !FValueInvalid && TuiControl::CanFocusOnClick();
}

void TuiCustomFilterControl::MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    const vcl::TControlLink link(this);
    TuiControl::MouseDown(button, shift, x, y);
    if (!link.Alive() || button != vcl::mbLeft || IgnoresClicks() || !HandleAllocated()) {
        return;
    }
    TuiFilterControlHitTest hit;
    FViewInfo->HitTest(shift, {x, y}, hit);
    if (hit.Part == fcpNone) {
        return;
    }
    SetMouseCapture(false);
    FocusPart(hit.Part == fcpAddCondition ? nullptr : hit.Row, hit.Part, hit.ValueIndex);
    OpenFocusedPart(vaMouse, 0, {x, y});
}

void TuiCustomFilterControl::MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiControl::MouseMove(shift, x, y);
    UpdateHotPart({x, y}, shift);
}

void TuiCustomFilterControl::UpdateHotPart(vcl::TPoint point, vcl::TShiftState shift) {
    TuiFilterControlHitTest hit;
    FViewInfo->HitTest(shift, point, hit);
    if (hit.Part == fcpNone) {
        hit.Row = nullptr;
    }
    if (hit.Row == FHot.Row && hit.Part == FHot.Part && hit.ValueIndex == FHot.ValueIndex) {
        return;
    }
    FHot = hit;
    if (FHot.Part != fcpNone) {
        StartMouseTracking(this, GetClientBounds(), this);
    }
    LayoutChanged();
}

void TuiCustomFilterControl::MouseLeave() {
    if (FHot.Part != fcpNone) {
        FHot = {};
        LayoutChanged();
    }
}

void TuiCustomFilterControl::MouseLeave(vcl::TControl* control) {
    TuiControl::MouseLeave(control);
    MouseLeave();
}

// Scrolling.

int32_t TuiCustomFilterControl::VisibleRowCount() const {
    const int32_t rowHeight = FViewInfo->RowHeight();
    return rowHeight > 0 ? GetClientBounds().Height() / rowHeight : 0;
}

void TuiCustomFilterControl::SetTopRow(int32_t value) {
    value = std::clamp(value, 0, std::max(0, RowCount() - VisibleRowCount() + 1));
    if (value != FTopRow) {
        FTopRow = value;
        LayoutChanged();
    }
}

void TuiCustomFilterControl::SetLeftOffset(int32_t value) {
    const int32_t clientWidth = GetClientBounds().Width();
    value = std::clamp(value, 0, std::max(0, FViewInfo->WidestRowWidth() - clientWidth + 1));
    if (value != FLeftOffset) {
        FLeftOffset = value;
        LayoutChanged();
    }
}

bool TuiCustomFilterControl::PullBackView() {
    const vcl::TRect client = GetClientBounds();
    const int32_t rowHeight = FViewInfo->RowHeight();
    bool moved = false;
    while (FTopRow > 0 && rowHeight > 0 &&
           client.Bottom - (client.Top + (RowCount() - FTopRow + 1) * rowHeight) >= rowHeight + FooterSlack) {
        --FTopRow;
        moved = true;
    }
    const int32_t contentRight = client.Left - FLeftOffset + FViewInfo->WidestRowWidth();
    if (FLeftOffset > 0 && contentRight < client.Right - RightEdgeMargin) {
        FLeftOffset = std::max(0, FLeftOffset - (client.Right - RightEdgeMargin - contentRight));
        moved = true;
    }
    return moved;
}

void TuiCustomFilterControl::InitScrollBarsParameters() {
    if (!HandleAllocated()) {
        return;
    }
    const vcl::TRect client = GetClientBounds();
    SetScrollBarInfo(sbVertical, 0, RowCount() - 1, 1, VisibleRowCount(), FTopRow, true, true);
    SetScrollBarInfo(sbHorizontal, 0, FViewInfo->WidestRowWidth(), HorzScrollLine, client.Width(), FLeftOffset, true,
                     true);
}

void TuiCustomFilterControl::Scroll(TScrollBarKind kind, TScrollCode code, int32_t& position) {
    const bool vertical = kind == sbVertical;
    const int32_t current = vertical ? FTopRow : FLeftOffset;
    const int32_t line = vertical ? 1 : HorzScrollLine;
    const int32_t page = vertical ? std::max(VisibleRowCount(), 1) : GetClientBounds().Width();
    int32_t target = current;
    switch (code) {
    case scLineUp:
        target -= line;
        break;
    case scLineDown:
        target += line;
        break;
    case scPageUp:
        target -= page;
        break;
    case scPageDown:
        target += page;
        break;
    case scTrack:
    case scPosition:
        target = position;
        break;
    default:
        break;
    }
    if (vertical) {
        SetTopRow(target);
    } else {
        SetLeftOffset(target);
    }
    position = vertical ? FTopRow : FLeftOffset;
}

} // namespace ui
