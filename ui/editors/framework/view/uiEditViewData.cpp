#include "ui/editors/framework/view/uiEditViewData.h"

#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/core/system/uxSystemInfo.h"
#include "ui/core/themes/uxThemeManager.h"
#include "ui/editors/framework/properties/uiEditProperties.h"
#include "ui/editors/framework/view/uiEditDrawing.h"
#include "vcl/graphics/Font.h"
#include "vcl/graphics/images/Bitmap.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace ui {

namespace {

constexpr int32_t editShadowSize = 3;
// Theme parts and the fill-colour property.
constexpr int32_t themeEditText = 1;
constexpr int32_t themeButtonPushButton = 1;
constexpr int32_t themeComboDropDown = 1;
constexpr int32_t themeComboDropDownRight = 6;
constexpr int32_t themeComboDropDownLeft = 7;
constexpr int32_t themeFillColor = 3802;

// The theme's margins round part 1's content in a 100 x 100 rectangle.
vcl::TRect ThemeContentMargins(HTHEME theme, int32_t part) {
    const vcl::TRect bounds{0, 0, 100, 100};
    vcl::TRect content = bounds;
    UxTheme().GetThemeBackgroundContentRect(theme, nullptr, part, 1, bounds, content);
    return {content.Left, content.Top, 100 - content.Right, 100 - content.Bottom};
}

// The only visible button is a drop-down: it draws as a combo box's.
bool HasComboLook(const TuiEditButtons& buttons) {
    const TuiEditButton* only = nullptr;
    for (int32_t i = 0; i < buttons.Count(); ++i) {
        if (buttons.Items(i).Visible()) {
            if (only != nullptr) {
                return false;
            }
            only = &buttons.Items(i);
        }
    }
    return only != nullptr && only->Kind() == bkDown;
}

bool HoldsMouseButton(vcl::TShiftState shift) {
    return shift.Contains(vcl::ssLeft) || shift.Contains(vcl::ssRight) || shift.Contains(vcl::ssMiddle);
}

bool OnlyLeftButton(vcl::TShiftState shift) {
    return shift.Contains(vcl::ssLeft) && !shift.Contains(vcl::ssRight) && !shift.Contains(vcl::ssMiddle);
}

bool PointInRect(const vcl::TRect& rect, vcl::TPoint point) {
    return point.X >= rect.Left && point.X < rect.Right && point.Y >= rect.Top && point.Y < rect.Bottom;
}

} // namespace

TuiCustomEditViewData::TuiCustomEditViewData(TuiCustomEditProperties& properties, TuiCustomEditStyle& style,
                                             bool isInplace)
    : FProperties(&properties), FStyle(&style), FIsInplace(isInplace) {
    InitFromProperties();
}

void TuiCustomEditViewData::InitFromProperties() {
    // The default content offsets, by whether the value is painted in place.
    FContentOffsets = FIsInplace ? vcl::TRect{1, 1, 1, 1} : vcl::TRect{1, 1, 1, 3};
}

vcl::TSize TuiCustomEditViewData::GetContentOffsetsSize() const {
    return {3, FContentOffsets.Top + FContentOffsets.Bottom};
}

TuiContainerState TuiCustomEditViewData::GetContainerState(const vcl::TRect& bounds, vcl::TPoint mousePos,
                                                           vcl::TShiftState shift) const {
    if (!Enabled) {
        return {csDisabled};
    }
    if (IsDesigning) {
        return {csNormal};
    }
    TuiContainerState state{Focused ? csActive : csNormal};
    const vcl::TRect area = FIsInplace ? DeflateRectByMargins(bounds, InplaceContentOffsets) : bounds;
    if (PointInRect(area, mousePos) && (!HoldsMouseButton(shift) || HoldsMouseCapture)) {
        state.Include(csHotTrack);
    }
    return state;
}

TuiEditBorderStyle TuiCustomEditViewData::GetBorderStyleForExtent() const {
    if (FIsInplace) {
        return ebsNone;
    }
    const TuiEditBorderStyle style = FStyle->BorderStyle();
    return style == ebsUltraFlat || style == ebsOffice11 ? ebsSingle : style;
}

vcl::TRect TuiCustomEditViewData::GetBorderExtentByEdges(int32_t width) const {
    const TuiBorders edges = FStyle->Edges();
    return {edges.Contains(bLeft) ? width : 0, edges.Contains(bTop) ? width : 0, edges.Contains(bRight) ? width : 0,
            edges.Contains(bBottom) ? width : 0};
}

bool TuiCustomEditViewData::HasShadow() const {
    return FStyle->Shadow() && !IsNativeStyle(FStyle->LookAndFeel());
}

bool TuiCustomEditViewData::IsNativeStyle(const TuiLookAndFeel& lookAndFeel) {
    return lookAndFeel.NativeStyle() && OpenThemeOfType(totEdit) != nullptr;
}

int32_t TuiCustomEditViewData::GetEditNativeState() const {
    if (!Enabled) {
        return 4;
    }
    if (FContainerState.Contains(csHotTrack)) {
        return 2;
    }
    if (Focused) {
        return 5;
    }
    return FProperties->GetReadOnly() ? 6 : 1;
}

vcl::TRect TuiCustomEditViewData::GetBorderExtent() const {
    if (FIsInplace) {
        return InplaceContentOffsets;
    }
    vcl::TRect extent = FStyle->LookAndFeel().SkinPainter() != nullptr ? GetSkinBorderExtent()
                        : FStyle->TransparentBorder()
                            ? vcl::TRect{2, 2, 2, 2}
                            : GetBorderExtentByEdges(EditBorderWidth(GetBorderStyleForExtent()));
    if (HasShadow()) {
        extent.Right += editShadowSize;
        extent.Bottom += editShadowSize;
    }
    return extent;
}

vcl::TRect TuiCustomEditViewData::GetClientExtent() const {
    if (FIsInplace) {
        return InplaceContentOffsets;
    }
    if (!IsNativeStyle(FStyle->LookAndFeel())) {
        return GetBorderExtent();
    }
    const TuiEditBorderStyle baseBorder = FStyle->MainStyle().BorderStyle();
    if (baseBorder == ebsNone) {
        return FStyle->TransparentBorder() ? vcl::TRect{2, 2, 2, 2} : vcl::TRect{};
    }
    return ThemeContentMargins(OpenThemeOfType(totEdit), themeEditText);
}

// Under a skin every border is one ring (the thick one two), a see-through border counting as thick; none is drawn
// only for ebsNone with an opaque border.
vcl::TRect TuiCustomEditViewData::GetSkinBorderExtent() const {
    const TuiEditBorderStyle style = GetBorderStyleForExtent();
    if (style == ebsNone && !FStyle->TransparentBorder()) {
        return {};
    }
    return GetBorderExtentByEdges(SkinEditBorderWidth(FStyle->TransparentBorder() ? ebsThick : style));
}

vcl::TColor TuiCustomEditViewData::GetBorderColor() const {
    const bool active =
        FContainerState.Contains(csActive) || (FContainerState.Contains(csHotTrack) && FStyle->HotTrack());
    if (const TuiLookAndFeelPainterClass skin = FStyle->LookAndFeel().SkinPainter()) {
        return skin->ContainerBorderColorFor(active);
    }
    const TuiEditBorderStyle style = FStyle->BorderStyle();
    if (style != ebsUltraFlat && style != ebsOffice11) {
        return FStyle->BorderColor();
    }
    if (active || (IsDesigning && Enabled)) {
        return GetHighlightBorderColor(style == ebsOffice11);
    }
    return vcl::clBtnShadow;
}

// A disabled native editor without a colour of its own takes the edit field's themed fill.
vcl::TColor TuiCustomEditViewData::BackgroundColor() const {
    if (FNativeStyle && !Enabled && !FStyle->IsStyleValueAssigned(esvColor)) {
        uint32_t fill = 0;
        const int32_t part = OSFlags().IsWinVistaOrLater ? 3 : 1;
        if (UxTheme().GetThemeColor(OpenThemeOfType(totEdit), part, GetEditNativeState(), themeFillColor, fill) == 0) {
            return static_cast<vcl::TColor>(fill);
        }
    }
    return FStyle->Color();
}

TuiEditButtonStyle TuiCustomEditViewData::GetButtonStyle() const {
    const TuiEditButtonStyle own = FStyle->ButtonStyle();
    if (own != btsDefault) {
        return own;
    }
    const TuiEditBorderStyle border = FStyle->BorderStyle();
    if (FIsInplace || (border == ebsNone && !FStyle->HotTrack())) {
        static constexpr TuiEditButtonStyle byKind[] = {btsFlat, bts3D, btsUltraFlat, btsOffice11};
        return byKind[std::min<int>(FStyle->LookAndFeel().Kind(), 3)];
    }
    static constexpr TuiEditButtonStyle byBorder[] = {btsSimple, btsHotFlat,   bts3D,      btsFlat,
                                                      bts3D,     btsUltraFlat, btsOffice11};
    return byBorder[border];
}

bool TuiCustomEditViewData::ButtonsStretch(const vcl::TRect& bounds) const {
    const uint8_t mode = FProperties->ButtonsOnlyMode();
    return FIsInplace ? bounds.Right != INT_MAX && mode != 0 : mode == 1;
}

void TuiCustomEditViewData::Calculate(TuiCanvas& canvas, const vcl::TRect& bounds, bool keepPressed,
                                      TuiCustomEditViewInfo& viewInfo, vcl::TShiftState shift,
                                      std::optional<vcl::TMouseButton> button, vcl::TPoint mousePos) {
    shift.Exclude(vcl::ssShift).Exclude(vcl::ssAlt).Exclude(vcl::ssCtrl);
    // A skin paints the editor itself, so the theme does not.
    FNativeStyle = IsNativeStyle(FStyle->LookAndFeel()) && FStyle->LookAndFeel().SkinPainter() == nullptr;
    viewInfo.SkinPainter = FStyle->LookAndFeel().SkinPainter();
    FContainerState = GetContainerState(bounds, mousePos, shift);
    const bool hotOrFocused = FContainerState.Contains(csActive) || FContainerState.Contains(csHotTrack);
    viewInfo.ContainerState = FContainerState;
    viewInfo.HotTrackMode = (IsDesigning || !FStyle->HotTrack() || FIsInplace) ? 0 : (hotOrFocused ? 2 : 1);
    viewInfo.EditBorderStyle =
        FIsInplace || !FNativeStyle ? GetBorderStyleForExtent() : FStyle->MainStyle().BorderStyle();
    viewInfo.Properties = FProperties;
    FStretchButtons = ButtonsStretch(bounds);

    viewInfo.Bounds = bounds;
    viewInfo.Enabled = Enabled;
    viewInfo.Focused = Focused;
    viewInfo.IsDesigning = IsDesigning;
    viewInfo.IsInplace = FIsInplace;
    viewInfo.Selected = Selected;
    viewInfo.PaintOptions = PaintOptions;
    viewInfo.Edges = FStyle->Edges();
    viewInfo.Font = &FStyle->Font();
    viewInfo.Shadow = !FIsInplace && HasShadow();
    viewInfo.Transparent = FProperties->Transparent();

    viewInfo.NativeStyle = FNativeStyle;
    viewInfo.ThemeState = FNativeStyle ? GetEditNativeState() : 0;
    viewInfo.BorderExtent = GetBorderExtent();
    viewInfo.BorderRect = DeflateRectByMargins(bounds, viewInfo.BorderExtent);
    viewInfo.HasInplaceOffsets = InplaceContentOffsets != vcl::TRect{};
    if (!FIsInplace) {
        viewInfo.BorderColor = GetBorderColor();
    }
    viewInfo.TextColor = FStyle->TextColor();
    viewInfo.BackgroundColor = BackgroundColor();

    CalculateButtons(canvas, bounds, keepPressed, viewInfo, shift, button, mousePos);
    viewInfo.ClientRect = DeflateRectByMargins(bounds, CalculateClientRect(viewInfo));
    viewInfo.PopupBorderStyle = FStyle->PopupBorderStyle();
}

void TuiCustomEditViewData::CalculateButtons(TuiCanvas& canvas, const vcl::TRect& bounds, bool keepPressed,
                                             TuiCustomEditViewInfo& viewInfo, vcl::TShiftState shift,
                                             std::optional<vcl::TMouseButton> button, vcl::TPoint mousePos) {
    const TuiEditButtons& buttons = FProperties->Buttons();
    const TuiEditButtonTransparency transparency = FStyle->ButtonTransparency();
    const bool active = FContainerState.Contains(csActive);
    const bool hot = FContainerState.Contains(csHotTrack);
    const int32_t visibleCount = buttons.VisibleCount();
    if (visibleCount == 0 || (!active && transparency == ebtHideInactive) ||
        (!active && !hot && transparency == ebtHideUnselected)) {
        viewInfo.SetButtonCount(0);
        return;
    }
    viewInfo.SetButtonCount(visibleCount);
    viewInfo.ButtonCaptured = false;
    const int32_t previousPressed = keepPressed ? viewInfo.PressedIndex : -1;
    viewInfo.PressedIndex = viewInfo.HotIndex = -1;
    LayOutButtons(canvas, bounds, viewInfo);
    for (int32_t i = 0; i < visibleCount; ++i) {
        TuiEditButtonViewInfo& info = viewInfo.Buttons(i);
        TuiEditButtonVisualState state = ButtonStateAt(viewInfo, i, shift, button, mousePos, previousPressed);
        if (viewInfo.OnGetButtonState) {
            viewInfo.OnGetButtonState(viewInfo, info, state);
        }
        info.State = state;
        CalculateButtonNativeInfo(info);
    }
    FlagOutermostButtons(viewInfo);
}

void TuiCustomEditViewData::LayOutButtons(TuiCanvas& canvas, const vcl::TRect& bounds,
                                          TuiCustomEditViewInfo& viewInfo) {
    const TuiEditButtons& buttons = FProperties->Buttons();
    FSides = {};
    // A native drop-down of the newer themes covers the whole editor's height and its own edge.
    const bool comboOverBounds = !FIsInplace && FNativeStyle && OSFlags().IsWinVistaOrLater && HasComboLook(buttons);
    vcl::TRect rect = comboOverBounds ? bounds : DeflateRectByMargins(bounds, GetClientExtent());
    const int32_t fullWidth = std::max(rect.Right - rect.Left, 0);
    const TuiEditButtonStyle style = GetButtonStyle();
    bool fontSet = false;
    int32_t slot = viewInfo.ButtonCount();
    for (int32_t index = buttons.Count() - 1; index >= 0; --index) {
        if (!buttons.Items(index).Visible()) {
            continue;
        }
        --slot;
        if (buttons.Items(index).Kind() == bkText && !fontSet) {
            canvas.SetFont(FStyle->Font());
            fontSet = true;
        }
        TuiEditButtonViewInfo& info = viewInfo.Buttons(slot);
        info.Style = style;
        CalculateButtonViewInfo(viewInfo, slot, index);
        LayOutEditButton(info, slot, CalculateEditButtonWidth(canvas, info), rect, FSides);
    }
    StretchButtons(viewInfo, fullWidth, std::max(rect.Right - rect.Left, 0));
}

void TuiCustomEditViewData::StretchButtons(TuiCustomEditViewInfo& viewInfo, int32_t fullWidth,
                                           int32_t freeWidth) const {
    if (!FStretchButtons) {
        return;
    }
    std::vector<TuiEditButtonViewInfo*> laid;
    for (int32_t i = 0; i < viewInfo.ButtonCount(); ++i) {
        laid.push_back(&viewInfo.Buttons(i));
    }
    AdjustEditButtonWidths(laid, fullWidth, freeWidth, [this](int32_t index) { return IsButtonWidthFixed(index); });
}

void TuiCustomEditViewData::CalculateButtonViewInfo(TuiCustomEditViewInfo& viewInfo, int32_t slot,
                                                    int32_t buttonIndex) {
    TuiEditButton& button = FProperties->Buttons().Items(buttonIndex);
    TuiEditButtonViewInfo& info = viewInfo.Buttons(slot);
    info.ButtonIndex = buttonIndex;
    info.Kind = button.Kind();
    info.ComboLook = viewInfo.ButtonCount() == 1 && button.Kind() == bkDown;
    if (button.Kind() == bkText) {
        info.Caption = button.Caption();
        const TuiLookAndFeelPainterClass skin = FStyle->LookAndFeel().SkinPainter();
        info.TextColor = skin != nullptr ? skin->EditButtonCaptionColor() : button.TextColor();
        info.VisibleCaption = button.ShownCaption();
    }
    info.ContentAlignment = button.ContentAlignment();
    info.Default = button.Default();
    info.Glyph = button.HasGlyph() ? &button.Glyph() : nullptr;
    info.Gradient = FStyle->GradientButtons();
    info.Hint = button.Hint();
    info.Inplace = FIsInplace;
    info.LeftAlignment = button.LeftAlignment();
    info.Leftmost = info.Rightmost = false;
    info.Native = viewInfo.NativeStyle;
    info.Stretchable = button.Stretchable();
    info.Width = button.Width();
    if (info.Width == 0 && OnGetDefaultButtonWidth) {
        OnGetDefaultButtonWidth(*this, buttonIndex, info.Width);
    }
    const TuiEditButtonTransparency transparency = FStyle->ButtonTransparency();
    const bool hotOrFocused = FContainerState.Contains(csActive) || FContainerState.Contains(csHotTrack);
    info.Transparent = transparency == ebtAlways || (transparency == ebtInactive && !hotOrFocused);
    info.BackgroundColor = viewInfo.BackgroundColor;
}

TuiEditButtonVisualState TuiCustomEditViewData::ButtonStateAt(TuiCustomEditViewInfo& viewInfo, int32_t slot,
                                                              vcl::TShiftState shift,
                                                              std::optional<vcl::TMouseButton> button,
                                                              vcl::TPoint mousePos, int32_t previousPressed) {
    TuiEditButtonViewInfo& info = viewInfo.Buttons(slot);
    const TuiEditButton& item = FProperties->Buttons().Items(info.ButtonIndex);
    if (!Enabled || !item.Enabled()) {
        return ebvsDisabled;
    }
    const bool down = IsButtonDown(viewInfo, slot);
    if (!down && (IsDesigning || !PointInRect(info.VisibleBounds, mousePos))) {
        return ebvsNormal;
    }
    const bool wasPressed = info.State == ebvsPressed;
    const bool leftEvent = button == vcl::mbLeft;
    if (down || (leftEvent && OnlyLeftButton(shift)) || (wasPressed && shift.Contains(vcl::ssLeft))) {
        viewInfo.ButtonCaptured = true;
    }
    if (!down && !HoldsMouseButton(shift)) {
        viewInfo.HotIndex = slot;
        return ebvsHot;
    }
    const bool pressed =
        down || (OnlyLeftButton(shift) && ((leftEvent && CanPressButton(viewInfo, slot)) || slot == previousPressed)) ||
        (wasPressed && shift.Contains(vcl::ssLeft));
    if (pressed) {
        viewInfo.PressedIndex = slot;
        return ebvsPressed;
    }
    return ebvsNormal;
}

void TuiCustomEditViewData::CalculateButtonNativeInfo(TuiEditButtonViewInfo& info) const {
    const HTHEME theme = info.Native ? OpenThemeOfType(info.ComboLook ? totComboBox : totButton) : nullptr;
    if (theme == nullptr) {
        info.ThemePart = info.ThemeState = 0;
        info.PartlyTransparent = false;
        return;
    }
    if (info.ComboLook && OSFlags().IsWinVistaOrLater && !FIsInplace) {
        info.ThemePart = info.LeftAlignment ? themeComboDropDownLeft : themeComboDropDownRight;
    } else {
        info.ThemePart = info.ComboLook ? themeComboDropDown : themeButtonPushButton;
    }
    info.PartlyTransparent = UxTheme().IsThemeBackgroundPartiallyTransparent(theme, info.ThemePart, info.ThemeState);
    info.ThemeState = EditButtonThemeState(info.State);
}

void TuiCustomEditViewData::FlagOutermostButtons(TuiCustomEditViewInfo& viewInfo) const {
    const bool hasLeft = FSides.LeftLeftmost >= 0;
    const bool hasRight = FSides.RightRightmost >= 0;
    if (hasLeft) {
        viewInfo.Buttons(FSides.LeftLeftmost).Leftmost = true;
        viewInfo.Buttons(FSides.LeftRightmost).Rightmost = !(FStretchButtons && hasRight);
    }
    if (hasRight) {
        viewInfo.Buttons(FSides.RightLeftmost).Leftmost = !(FStretchButtons && hasLeft);
        viewInfo.Buttons(FSides.RightRightmost).Rightmost = true;
    }
    if (FStretchButtons) {
        for (int32_t i = 0; i < viewInfo.ButtonCount(); ++i) {
            viewInfo.Buttons(i).LeftAlignment = false;
        }
    }
}

vcl::TRect TuiCustomEditViewData::CalculateClientRect(const TuiCustomEditViewInfo& viewInfo) const {
    vcl::TRect extent = GetBorderExtent();
    if (FProperties->ButtonsOnlyMode() != 0 && viewInfo.ButtonCount() > 0) {
        const vcl::TRect client = GetClientExtent();
        extent.Left = client.Left;
        extent.Right = client.Right;
    }
    for (int32_t i = 0; i < viewInfo.ButtonCount(); ++i) {
        const TuiEditButtonViewInfo& button = viewInfo.Buttons(i);
        if (button.LeftAlignment) {
            extent.Left = std::max(extent.Left, button.Bounds.Right - viewInfo.Bounds.Left);
        } else {
            extent.Right = std::max(extent.Right, viewInfo.Bounds.Right - button.Bounds.Left);
        }
    }
    return extent;
}

vcl::TSize TuiCustomEditViewData::GetEditSize(TuiCanvas& canvas, const rtl::Variant& editValue,
                                              const TuiEditSizeRequest& request) {
    TuiCustomEditViewInfo viewInfo;
    Calculate(canvas, {0, 0, INT_MAX, INT_MAX}, false, viewInfo, {}, std::nullopt, {-1, -1});
    const vcl::TSize frame{
        viewInfo.Bounds.Right - viewInfo.Bounds.Left - (viewInfo.ClientRect.Right - viewInfo.ClientRect.Left),
        viewInfo.Bounds.Bottom - viewInfo.Bounds.Top - (viewInfo.ClientRect.Bottom - viewInfo.ClientRect.Top)};
    TuiEditSizeRequest contentRequest = request;
    const bool tooNarrow = request.Width >= 0 && request.Width < frame.cx;
    if (request.Width >= 0) {
        contentRequest.Width = std::max(request.Width - frame.cx, 0);
    }
    vcl::TSize content;
    if (FProperties->ButtonsOnlyMode() != 0) {
        canvas.SetFont(FStyle->Font());
        content = {0, GetContentOffsetsSize().cy + canvas.GetTextHeight(u"Zg")};
    } else {
        content = GetContentSize(canvas, editValue, contentRequest);
    }
    content.cy = std::max(content.cy, MinContentHeight(canvas, viewInfo, frame.cy));
    return {tooNarrow ? request.Width : frame.cx + content.cx, frame.cy + content.cy};
}

int32_t TuiCustomEditViewData::MinContentHeight(TuiCanvas& canvas, const TuiCustomEditViewInfo& viewInfo,
                                                int32_t frameHeight) const {
    int32_t height = 0;
    for (int32_t i = 0; i < viewInfo.ButtonCount(); ++i) {
        const TuiEditButtonViewInfo& button = viewInfo.Buttons(i);
        if (button.Kind == bkGlyph && IsBitmapDrawable(button.Glyph)) {
            height = std::max(height, button.Glyph->Height());
        } else if (FIsInplace && button.Kind == bkText && !button.VisibleCaption.empty()) {
            canvas.SetFont(FStyle->Font());
            height = std::max(height, canvas.GetTextHeight(button.VisibleCaption));
        }
    }
    if (height == 0) {
        return 0;
    }
    const vcl::TRect client = GetClientExtent();
    // The buttons' own frame round their content.
    const int32_t buttonInset = GetButtonStyle() == bts3D ? 4 : 2;
    return std::max(0, height + client.Top + client.Bottom + buttonInset - frameHeight);
}

} // namespace ui
