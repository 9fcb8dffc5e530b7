#include "ui/editors/framework/view/uiEditViewInfo.h"

#include "rtl/WindowsApi.h"
#include "ui/core/controls/containers/uiContainerPainting.h"
#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/graphics/uiControlBackground.h"
#include "ui/core/graphics/uiDCServices.h"
#include "ui/core/graphics/uiRegion.h"
#include "ui/core/system/uxSystemInfo.h"
#include "ui/core/themes/uxThemeManager.h"
#include "ui/editors/framework/buttons/uiEditButtonPainting.h"
#include "ui/editors/framework/control/uiCustomEdit.h"
#include "ui/editors/framework/view/uiEditDrawing.h"
#include "ui/editors/framework/view/uiSolidBrushCache.h"
#include "vcl/forms/Screen.h"
#include "vcl/hints/HintWindow.h"

#include <algorithm>

namespace ui {

namespace {

constexpr int32_t shadowSize = 3;

bool PointIn(const vcl::TRect& rect, vcl::TPoint point) {
    return point.X >= rect.Left && point.X < rect.Right && point.Y >= rect.Top && point.Y < rect.Bottom;
}

bool StickOut(const vcl::TRect& inner, const vcl::TRect& outer) {
    return inner.Left < outer.Left || inner.Top < outer.Top || inner.Right > outer.Right || inner.Bottom > outer.Bottom;
}

// The drop shadow: 3-pixel strips below and right of rect.
void DrawEditShadow(TuiCanvas& canvas, const vcl::TRect& rect) {
    FillRectByColor(canvas, {rect.Left + shadowSize, rect.Bottom, rect.Right + shadowSize, rect.Bottom + shadowSize},
                    vcl::clBtnShadow);
    FillRectByColor(canvas, {rect.Right, rect.Top + shadowSize, rect.Right + shadowSize, rect.Bottom},
                    vcl::clBtnShadow);
}

} // namespace

int32_t EditBorderWidth(TuiEditBorderStyle style) {
    switch (style) {
    case ebsNone:
        return 0;
    case ebsThick:
    case ebsFlat:
    case ebs3D:
        return 2;
    default:
        return 1;
    }
}

int32_t SkinEditBorderWidth(TuiEditBorderStyle style) {
    switch (style) {
    case ebsNone:
        return 0;
    case ebsThick:
        return 2;
    default:
        return 1;
    }
}

TuiCustomEditViewInfo::~TuiCustomEditViewInfo() = default;

void TuiCustomEditViewInfo::Assign(const rtl::TPersistent* source) {
    const auto* other = dynamic_cast<const TuiCustomEditViewInfo*>(source);
    if (other == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    Bounds = other->Bounds;
    BorderRect = other->BorderRect;
    ClientRect = other->ClientRect;
    BackgroundColor = other->BackgroundColor;
    BorderColor = other->BorderColor;
    EditBorderStyle = other->EditBorderStyle;
    ContainerState = other->ContainerState;
    ThemeState = other->ThemeState;
    SetButtonCount(other->ButtonCount());
    for (int32_t i = 0; i < ButtonCount(); ++i) {
        Buttons(i).Assign(&other->Buttons(i));
    }
    PressedIndex = other->PressedIndex;
    HotIndex = other->HotIndex;
}

std::unique_ptr<TuiRegion> TuiCustomEditViewInfo::GetUpdateRegion(const TuiCustomEditViewInfo& old) const {
    auto region = std::make_unique<TuiRegion>();
    const bool sameFrame = (BorderColor == old.BorderColor || EditBorderStyle == ebsNone) &&
                           EditBorderStyle == old.EditBorderStyle && ButtonCount() == old.ButtonCount() &&
                           ThemeState == old.ThemeState;
    if (!sameFrame) {
        if (!IsRectEmptyArea(Bounds)) {
            region->CombineWith(TuiRegion(Bounds), TuiRegionOperation::Union);
        }
        return region;
    }
    for (int32_t i = 0; i < ButtonCount(); ++i) {
        region->CombineWith(*Buttons(i).GetUpdateRegion(old.Buttons(i)), TuiRegionOperation::Union);
    }
    return region;
}

bool TuiCustomEditViewInfo::InvalidateChanges(vcl::TWinControl& control, const vcl::TRect& inner,
                                              const TuiCustomEditViewInfo* old) {
    if (!control.HandleAllocated()) {
        return false;
    }
    const HWND window = control.WindowHandle();
    vcl::TRect keptInner;
    IntersectRects(keptInner, inner, ClientRect);
    if (old == nullptr) {
        InvalidateRectExcept(window, Bounds, keptInner, false);
        return !IsRectEmptyArea(Bounds);
    }
    bool invalidated = InvalidateFrameChanges(window, keptInner, *old);
    if (ButtonCount() != old->ButtonCount()) {
        return invalidated;
    }
    for (int32_t i = 0; i < ButtonCount(); ++i) {
        const TuiEditButtonViewInfo& button = Buttons(i);
        if (button.DiffersFrom(old->Buttons(i)) && !IsRectEmptyArea(button.Bounds)) {
            const RECT bounds{button.Bounds.Left, button.Bounds.Top, button.Bounds.Right, button.Bounds.Bottom};
            InvalidateRect(window, &bounds, button.EraseBackground);
            invalidated = true;
        }
    }
    return invalidated;
}

bool TuiCustomEditViewInfo::InvalidateFrameChanges(HWND window, const vcl::TRect& inner,
                                                   const TuiCustomEditViewInfo& old) const {
    const bool wholeChanged = ThemeState != old.ThemeState || BackgroundColor != old.BackgroundColor ||
                              ButtonCount() != old.ButtonCount() ||
                              (ContainerState != old.ContainerState && RepaintOnStateChange());
    const bool ringChanged =
        (BorderColor != old.BorderColor && EditBorderStyle != ebsNone) || EditBorderStyle != old.EditBorderStyle;
    const vcl::TRect* kept = wholeChanged ? &inner : ringChanged ? &BorderRect : nullptr;
    if (kept == nullptr || IsRectEmptyArea(Bounds) || *kept == Bounds) {
        return false;
    }
    InvalidateRectExcept(window, Bounds, *kept, false);
    return true;
}

void TuiCustomEditViewInfo::SaveButtonStates() {
    FPreviousPressedIndex = PressedIndex;
    FPreviousHotIndex = HotIndex;
}

void TuiCustomEditViewInfo::Offset(int32_t dx, int32_t dy) {
    for (vcl::TRect* rect : {&Bounds, &BorderRect, &ClientRect}) {
        *rect = ShiftRect(*rect, dx, dy);
    }
    for (const std::unique_ptr<TuiEditButtonViewInfo>& button : FButtons) {
        for (vcl::TRect* rect : {&button->Bounds, &button->VisibleBounds}) {
            *rect = ShiftRect(*rect, dx, dy);
        }
    }
}

void TuiCustomEditViewInfo::SetButtonCount(int32_t count) {
    const size_t wanted = static_cast<size_t>(std::max(count, 0));
    FButtons.resize(std::min(FButtons.size(), wanted));
    while (FButtons.size() < wanted) {
        FButtons.push_back(std::make_unique<TuiEditButtonViewInfo>());
    }
}

void TuiCustomEditViewInfo::Paint(TuiCanvas& canvas) {
    if (OnPaint) {
        OnPaint(*this, canvas);
    }
    PaintContent(canvas);
}

bool TuiCustomEditViewInfo::CustomDrawBackground(TuiCanvas* canvas) {
    bool handled = false;
    if (IsInplace && OnDrawBackground) {
        OnDrawBackground(*this, canvas, handled);
    }
    return handled;
}

bool TuiCustomEditViewInfo::HasCustomBackground() {
    return CustomDrawBackground(nullptr);
}

int32_t TuiCustomEditViewInfo::GetBackgroundMode() const {
    if (IsInplace) {
        if (const_cast<TuiCustomEditViewInfo*>(this)->HasCustomBackground()) {
            return 0;
        }
        return Transparent ? 2 : 3;
    }
    if (IsInEditTransparent()) {
        return 4;
    }
    if (EditWantsParentThemedBackground()) {
        return 5;
    }
    return NativeStyle ? 3 : 1;
}

bool TuiCustomEditViewInfo::IsInEditTransparent() const {
    return Transparent || (Edit != nullptr && Edit->Transparent());
}

bool TuiCustomEditViewInfo::EditWantsParentThemedBackground() const {
    return Edit != nullptr && Edit->UsesParentThemedBackground();
}

void TuiCustomEditViewInfo::PaintBackground(TuiCanvas& canvas, const vcl::TRect& rect, bool keepInner,
                                            const vcl::TRect& inner) {
    canvas.PushClipRegion();
    try {
        if (!keepInner) {
            canvas.ExcludeClipArea(inner);
        }
        PaintBackgroundByMode(canvas, rect);
    } catch (...) {
        canvas.PopClipRegion();
        throw;
    }
    canvas.PopClipRegion();
}

void TuiCustomEditViewInfo::DrawParentThemedBackground(TuiCanvas& canvas, const vcl::TRect& rect) {
    uiDrawThemeParentBackground(*Edit, canvas, rect);
}

void TuiCustomEditViewInfo::PaintBackgroundByMode(TuiCanvas& canvas, const vcl::TRect& rect) {
    switch (GetBackgroundMode()) {
    case 0:
        canvas.IntersectClipArea(rect);
        CustomDrawBackground(&canvas);
        return;
    case 1:
        DrawEditBackgroundAndButtons(canvas, true);
        return;
    case 3:
        FillRectByColor(canvas, rect, BackgroundColor);
        return;
    case 4:
        if (Edit != nullptr) {
            DrawTransparentControlBackground(*Edit, canvas, rect, true);
        }
        return;
    case 5:
        DrawParentThemedBackground(canvas, rect);
        return;
    default:
        return;
    }
}

bool TuiCustomEditViewInfo::IsBackgroundTransparent() const {
    const int32_t mode = GetBackgroundMode();
    return mode != 1 && mode != 3;
}

void TuiCustomEditViewInfo::DrawEditBackgroundAndButtons(TuiCanvas& canvas, bool fill) {
    const TuiSolidBrushPaintScope paint;
    canvas.PushClipRegion();
    // Without a window round it, a border side left out of the edges would fall on the neighbours.
    canvas.IntersectClipArea(Bounds);
    if (!FButtons.empty() && !FButtons.front()->PartlyTransparent) {
        for (const std::unique_ptr<TuiEditButtonViewInfo>& button : FButtons) {
            canvas.ExcludeClipArea(button->VisibleBounds);
        }
    }
    DrawEditBackground(canvas, fill);
    canvas.PopClipRegion();
    DrawButtons(canvas);
}

void TuiCustomEditViewInfo::DrawEditBackground(TuiCanvas& canvas, bool fill) {
    if (CustomDrawBackground(&canvas)) {
        return;
    }
    if (NativeStyle) {
        DrawNativeBackground(canvas, fill);
        return;
    }
    const int32_t width =
        SkinPainter != nullptr ? SkinEditBorderWidth(EditBorderStyle) : EditBorderWidth(EditBorderStyle);
    vcl::TRect rect{BorderRect.Left - width, BorderRect.Top - width, BorderRect.Right, BorderRect.Bottom};
    rect.Right += Edges.Contains(bRight) ? width : 0;
    rect.Bottom += Edges.Contains(bBottom) ? width : 0;
    if (Shadow) {
        DrawEditShadow(canvas, rect);
    }
    DrawEditBorder(
        canvas, {BorderRect.Left - width, BorderRect.Top - width, BorderRect.Right + width, BorderRect.Bottom + width},
        width);
    if (IsInEditTransparent()) {
        return;
    }
    if (IsInplace) {
        if (fill) {
            FillRectByColor(canvas, Bounds, BackgroundColor);
        } else {
            FillRectExcept(canvas, Bounds, BorderRect, BackgroundColor);
        }
    } else if (fill) {
        FillRectByColor(canvas, BorderRect, BackgroundColor);
    }
}

void TuiCustomEditViewInfo::DrawNativeBackground(TuiCanvas& canvas, bool fill) {
    vcl::TRect area = Bounds;
    const bool themedFrame = !IsInplace && EditBorderStyle != ebsNone;
    if (themedFrame) {
        const HTHEME theme = OpenThemeOfType(totEdit);
        // The newer themes frame an edit field without scroll bars in a part of its own.
        const bool newerTheme = OSFlags().IsWinVistaOrLater;
        const int32_t part = newerTheme ? 6 : 1;
        if (newerTheme) {
            area = InflateRectBy(Bounds, -2, -2);
        } else {
            UxTheme().GetThemeBackgroundContentRect(theme, canvas.Handle(), part, ThemeState, Bounds, area);
        }
        canvas.PushClipRegion();
        canvas.ExcludeClipArea(area);
        if (Edit != nullptr && UxTheme().IsThemeBackgroundPartiallyTransparent(theme, part, ThemeState)) {
            DrawParentThemedBackground(canvas, Bounds);
        }
        UxTheme().DrawThemeBackground(theme, canvas.Handle(), part, ThemeState, Bounds);
        canvas.PopClipRegion();
    }
    if (IsInEditTransparent()) {
        return;
    }
    if (fill || !themedFrame) {
        FillRectByColor(canvas, area, BackgroundColor);
    } else {
        FillRectExcept(canvas, area, BorderRect, BackgroundColor);
    }
}

void TuiCustomEditViewInfo::DrawEditBorder(TuiCanvas& canvas, vcl::TRect rect, int32_t width) {
    // A skin colours every border but none by its own border colour, one ring wide but the thick one.
    if (SkinPainter != nullptr) {
        if (EditBorderStyle != ebsNone) {
            canvas.FrameRect(rect, BorderColor, width);
        }
        return;
    }
    switch (EditBorderStyle) {
    case ebsSingle:
    case ebsThick:
        canvas.FrameRect(rect, BorderColor, width);
        break;
    case ebsFlat:
        canvas.DrawEdge(rect, true, true, Edges);
        rect = InflateRectBy(rect, -1, -1);
        canvas.FrameRect(rect, vcl::clBtnFace);
        break;
    case ebs3D:
        canvas.DrawEdge(rect, true, true, Edges);
        rect = InflateRectBy(rect, -1, -1);
        canvas.DrawComplexFrame(rect, vcl::cl3DDkShadow, vcl::cl3DLight, Edges);
        break;
    default:
        break;
    }
}

void TuiCustomEditViewInfo::DrawButtons(TuiCanvas& canvas) {
    if (FDrawingButtons) {
        return;
    }
    FDrawingButtons = true;
    struct TResetFlag {
        bool& Flag;
        ~TResetFlag() { Flag = false; }
    } reset{FDrawingButtons};
    for (int32_t i = 0; i < ButtonCount(); ++i) {
        DrawButtonInBounds(canvas, i);
    }
}

bool TuiCustomEditViewInfo::AskHandler(const TDrawButtonEvent& event, TuiCanvas* canvas, int32_t index) {
    bool handled = false;
    if (event) {
        event(*this, canvas, index, handled);
    }
    return handled;
}

void TuiCustomEditViewInfo::DrawButtonInBounds(TuiCanvas& canvas, int32_t index) {
    TuiEditButtonViewInfo& button = Buttons(index);
    button.BackgroundColor = BackgroundColor;
    const vcl::TRect& visible = button.VisibleBounds;
    if (visible.Left >= visible.Right || visible.Top >= visible.Bottom) {
        return;
    }
    const bool clip = StickOut(button.Bounds, BorderRect);
    if (clip) {
        canvas.PushClipRegion();
        canvas.IntersectClipArea(visible);
    }
    if (!AskHandler(OnDrawButton, &canvas, index)) {
        DrawButton(canvas, index);
    }
    if (clip) {
        canvas.PopClipRegion();
    }
}

TuiEditButtonPaintContext TuiCustomEditViewInfo::ButtonPaintContext() const {
    TuiEditButtonPaintContext context;
    context.BorderRect = BorderRect;
    context.Transparent = Transparent;
    context.HasEditBorder = EditBorderStyle != ebsNone;
    context.Inplace = IsInplace;
    context.HostHasOuterBorder = PaintOptions.Contains(epoHasExternalBorder);
    context.TextColor = TextColor;
    context.Font = Font;
    context.SkinPainter = SkinPainter;
    context.HasEditor = Edit != nullptr;
    return context;
}

void TuiCustomEditViewInfo::DrawButton(TuiCanvas& canvas, int32_t index) {
    TuiEditButtonDrawHooks hooks;
    hooks.DrawBorder = [&](vcl::TColor&, vcl::TColor&, vcl::TRect&, vcl::TRect&) {
        return AskHandler(OnDrawButtonBorder, &canvas, index);
    };
    hooks.DrawBackground = [&](const vcl::TRect&) { return AskHandler(OnDrawButtonBackground, &canvas, index); };
    DrawEditButton(canvas, ButtonPaintContext(), Buttons(index), hooks);
}

int32_t TuiCustomEditViewInfo::GetButtonAt(vcl::TPoint point) const {
    for (int32_t i = 0; i < ButtonCount(); ++i) {
        if (PointIn(Buttons(i).Bounds, point)) {
            return i;
        }
    }
    return -1;
}

int32_t TuiCustomEditViewInfo::GetPartAt(vcl::TPoint point) const {
    const int32_t button = GetButtonAt(point);
    if (button >= 0) {
        return button;
    }
    return PointIn(BorderRect, point) ? ephtText : ephtNone;
}

vcl::TRect TuiCustomEditViewInfo::GetPartRect(int32_t part) const {
    if (part == ephtText) {
        vcl::TRect rect = BorderRect;
        for (const std::unique_ptr<TuiEditButtonViewInfo>& button : FButtons) {
            if (button->LeftAlignment && button->Rightmost) {
                rect.Left = button->Bounds.Right;
            } else if (!button->LeftAlignment && button->Leftmost) {
                rect.Right = button->Bounds.Left;
            }
        }
        return rect;
    }
    if (part >= 0 && part < ButtonCount()) {
        return Buttons(part).Bounds;
    }
    return {};
}

bool TuiCustomEditViewInfo::HasHotButton() const {
    return std::any_of(FButtons.begin(), FButtons.end(),
                       [](const std::unique_ptr<TuiEditButtonViewInfo>& button) { return button->State == ebvsHot; });
}

bool TuiCustomEditViewInfo::GetHintInfoIn(TuiCanvas&, vcl::TPoint point, vcl::TRect& hintRect, bool& multiLine,
                                          rtl::UnicodeString& text, const vcl::TRect&) {
    text = GetHintTextAt(point);
    multiLine = false;
    if (text.empty()) {
        return false;
    }
    // The hint window of the program's class measures the text within the screen's width.
    const std::unique_ptr<vcl::THintWindow, rtl::TComponentDeleter> window(
        static_cast<vcl::THintWindow*>(vcl::HintWindowClass()->CreateInstance(nullptr)));
    const vcl::TRect size = window->CalcHintRect(vcl::Screen().Width(), text, nullptr);
    hintRect = ShiftRect(size, point.X, point.Y + GetCursorSize().cy);
    return true;
}

rtl::UnicodeString TuiCustomEditViewInfo::GetHintTextAt(vcl::TPoint point) const {
    const int32_t part = GetPartAt(point);
    if (part < 0) {
        return {};
    }
    const rtl::UnicodeString& hint = Buttons(part).Hint;
    return hint.substr(0, hint.find(u'|'));
}

} // namespace ui
