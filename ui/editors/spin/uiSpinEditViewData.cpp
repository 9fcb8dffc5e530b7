#include "ui/editors/spin/uiSpinEditViewData.h"

#include "ui/core/geometry/uiArithmetic.h"
#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/core/system/uxSystemInfo.h"
#include "ui/core/themes/uxThemeManager.h"
#include "ui/editors/framework/properties/uiEditStyle.h"
#include "ui/editors/framework/view/uiEditDrawing.h"
#include "ui/editors/spin/uiSpinEditViewInfo.h"

#include <algorithm>
#include <array>

namespace ui {

namespace {

// The spin theme's parts.
constexpr int32_t themeSpinUp = 1;
constexpr int32_t themeSpinDown = 2;
constexpr int32_t themeSpinUpHorizontal = 3;
constexpr int32_t themeSpinDownHorizontal = 4;

using TSpinButtonsByRole = std::array<TuiEditButtonViewInfo*, 4>;

// The widths the buttons take: the column of up and down, a horizontal button, a fast button.
struct TSpinButtonWidths {
    int32_t Column = 0;
    int32_t Normal = 0;
    int32_t Fast = 0;
};

// The part of rect that remains takes the buttons from its sides.
class TSpinButtonPlacer {
public:
    TSpinButtonPlacer(const vcl::TRect& rect, int32_t bottomCorrection)
        : FRect(rect), FBottom(rect.Bottom - bottomCorrection) {}

    const vcl::TRect& Remaining() const { return FRect; }
    void TakeRight(TuiEditButtonViewInfo* button, int32_t width) {
        if (button != nullptr) {
            button->Bounds = {FRect.Right - width, FRect.Top, FRect.Right, FBottom};
            FRect.Right -= width;
        }
    }
    void TakeLeft(TuiEditButtonViewInfo* button, int32_t width) {
        if (button != nullptr) {
            button->Bounds = {FRect.Left, FRect.Top, FRect.Left + width, FBottom};
            button->LeftAlignment = true;
            FRect.Left += width;
        }
    }
    // Up over down in one column, delimiter pixels apart.
    void TakeColumn(TuiEditButtonViewInfo* up, TuiEditButtonViewInfo* down, int32_t width, int32_t delimiter) {
        const int32_t middle = FRect.Top + (FRect.Height() - delimiter) / 2;
        if (up != nullptr) {
            up->Bounds = {FRect.Right - width, FRect.Top, FRect.Right, middle};
        }
        if (down != nullptr) {
            down->Bounds = {FRect.Right - width, middle + delimiter, FRect.Right, FRect.Bottom};
        }
        FRect.Right -= width;
    }
    void Skip(int32_t width) { FRect.Right -= width; }

private:
    vcl::TRect FRect;
    int32_t FBottom;
};

void SetThemeParts(const TSpinButtonsByRole& buttons, bool vertical) {
    const int32_t parts[] = {vertical ? themeSpinDown : themeSpinDownHorizontal,
                             vertical ? themeSpinUp : themeSpinUpHorizontal, themeSpinDownHorizontal,
                             themeSpinUpHorizontal};
    for (size_t role = 0; role < buttons.size(); ++role) {
        if (buttons[role] != nullptr) {
            buttons[role]->ThemePart = parts[role];
        }
    }
}

} // namespace

bool TuiSpinEditViewData::CanPressButton(TuiCustomEditViewInfo&, int32_t) const {
    return KeyPressedButton == 0;
}

bool TuiSpinEditViewData::IsButtonDown(TuiCustomEditViewInfo& viewInfo, int32_t index) const {
    return KeyPressedButton != 0 && viewInfo.Buttons(index).ButtonIndex + 1 == KeyPressedButton;
}

bool TuiSpinEditViewData::IsButtonWidthFixed(int32_t index) const {
    return index == sedDown && FSpinProperties.SpinButtons().Position() == sbpVert;
}

void TuiSpinEditViewData::LayOutButtons(TuiCanvas& canvas, const vcl::TRect& bounds, TuiCustomEditViewInfo& viewInfo) {
    if (auto* spinInfo = dynamic_cast<TuiSpinEditViewInfo*>(&viewInfo)) {
        PlaceButtons(canvas, bounds, *spinInfo);
    } else {
        TuiCustomTextEditViewData::LayOutButtons(canvas, bounds, viewInfo);
    }
}

void TuiSpinEditViewData::PlaceButtons(TuiCanvas& canvas, const vcl::TRect& bounds, TuiSpinEditViewInfo& viewInfo) {
    const TuiEditButtons& buttons = Properties().Buttons();
    TSpinButtonsByRole byRole{};
    int32_t slot = 0;
    for (int32_t index = 0; index < buttons.Count(); ++index) {
        if (!buttons.Items(index).Visible()) {
            continue;
        }
        TuiEditButtonViewInfo& info = viewInfo.Buttons(slot++);
        info.Style = GetButtonStyle();
        CalculateButtonViewInfo(viewInfo, slot - 1, index);
        info.Bounds = info.VisibleBounds = {};
        info.ThemePart = 0;
        if (index < static_cast<int32_t>(byRole.size())) {
            byRole[static_cast<size_t>(index)] = &info;
        }
    }
    const TuiSpinEditButtonsPosition position = FSpinProperties.SpinButtons().Position();
    viewInfo.ButtonsPosition = position;
    viewInfo.HasSeparator = false;
    if (slot == 0) {
        return;
    }
    canvas.SetFont(Style().Font());
    const bool native = viewInfo.NativeStyle && OpenThemeOfType(totSpin) != nullptr;
    const bool customDrawn = viewInfo.IsButtonCustomDrawn(0);
    const int32_t delimiter = native && !customDrawn ? 1 : 0;
    const int32_t bottomCorrection = native && OSFlags().IsWinVistaOrLater && !customDrawn ? 1 : 0;

    TSpinButtonWidths widths;
    widths.Column = CalculateEditButtonWidth(canvas, viewInfo.Buttons(0));
    viewInfo.ArrowSize = CalculateArrowSize({widths.Column + 2, bounds.Height() / 2 + 2}, eadUp).cy;
    const TuiLookAndFeelPainterClass skin = viewInfo.SkinPainter;
    if (native) {
        const vcl::TRect border = GetBorderExtent();
        const vcl::TRect client = GetClientExtent();
        const int32_t height = GetContentOffsetsSize().cy + canvas.GetTextHeight(u"Zg") + border.Top + border.Bottom -
                               client.Top - client.Bottom - 1;
        widths.Normal = (height + 1) / 2;
    } else if (skin != nullptr) {
        widths.Normal = skin->EditButtonMinSize().cy / 2 + viewInfo.ArrowSize;
    } else {
        widths.Normal = 4 * viewInfo.ArrowSize - 3;
    }
    widths.Fast =
        skin != nullptr ? skin->EditButtonMinSize().cy % 2 + 3 * widths.Normal / 2 : MulDiv(widths.Normal, 3, 2);

    const vcl::TRect room = DeflateRectByMargins(bounds, GetClientExtent());
    TSpinButtonPlacer placer(room, bottomCorrection);
    placer.TakeRight(byRole[sedFastUp], widths.Fast);
    if (position == sbpVert) {
        placer.TakeColumn(byRole[sedUp], byRole[sedDown], widths.Column, delimiter);
        placer.TakeRight(byRole[sedFastDown], widths.Fast);
    } else {
        placer.TakeRight(byRole[sedUp], widths.Normal);
        placer.Skip(delimiter);
        if (position == sbpHorzRight) {
            placer.TakeRight(byRole[sedDown], widths.Normal);
            placer.TakeRight(byRole[sedFastDown], widths.Fast);
        } else {
            placer.TakeLeft(byRole[sedFastDown], widths.Fast);
            placer.TakeLeft(byRole[sedDown], widths.Normal);
        }
    }
    StretchButtons(viewInfo, std::max(room.Width(), 0), std::max(placer.Remaining().Width(), 0));
    TuiEditButtonViewInfo* up = byRole[sedUp];
    TuiEditButtonViewInfo* down = byRole[sedDown];
    if (position == sbpVert && up != nullptr && down != nullptr) {
        down->Bounds.Left = up->Bounds.Left;
        down->Bounds.Right = up->Bounds.Right;
    }
    for (int32_t i = 0; i < slot; ++i) {
        TuiEditButtonViewInfo& info = viewInfo.Buttons(i);
        if (!IntersectRects(info.VisibleBounds, info.Bounds, bounds)) {
            info.VisibleBounds = {};
        }
    }
    if (!native) {
        return;
    }
    SetThemeParts(byRole, position == sbpVert);
    if (position == sbpHorzRight && down != nullptr) {
        viewInfo.SetSeparator({down->Bounds.Right, down->Bounds.Top}, {down->Bounds.Right, down->Bounds.Bottom - 1});
    } else if (position == sbpVert && up != nullptr) {
        viewInfo.SetSeparator({up->Bounds.Left, up->Bounds.Bottom}, {up->Bounds.Right - 1, up->Bounds.Bottom});
    }
}

void TuiSpinEditViewData::CalculateButtonNativeInfo(TuiEditButtonViewInfo& info) const {
    if (info.ThemePart == 0) {
        info.ThemeState = 0;
        info.PartlyTransparent = false;
        return;
    }
    info.ThemeState = EditButtonThemeState(info.State);
    info.PartlyTransparent =
        UxTheme().IsThemeBackgroundPartiallyTransparent(OpenThemeOfType(totSpin), info.ThemePart, info.ThemeState);
}

} // namespace ui
