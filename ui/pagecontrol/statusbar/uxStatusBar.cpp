#include "ui/pagecontrol/statusbar/uxStatusBar.h"

#include "rtl/WindowsApi.h"
#include "rtl/text/Format.h"
#include "ui/core/geometry/uiAutoWidth.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/painters/uiPainterRegistry.h"
#include "ui/core/themes/uxOffice11.h"
#include "ui/core/themes/uxThemeManager.h"
#include "ui/pagecontrol/statusbar/uxStatusBarPainters.h"
#include "ui/pagecontrol/statusbar/uxStatusBarTextPanelStyle.h"
#include "vcl/controls/WinControl.h"
#include "vcl/forms/Form.h"
#include "vcl/forms/HintAction.h"
#include "vcl/imagelists/ImageList.h"
#include "vcl/system/Messages.h"

namespace ui {

TuxStatusBarPainterClass StatusBarSkinPainterClass = nullptr;

namespace {

constexpr int32_t DefaultStatusBarHeight = 20;
constexpr char16_t ParentIsNotParent[] = u"Parent given is not a parent of '%s'";

// The look and feel's painter is one of the registered skins' painters.
bool HasSkinPainter(const TuiLookAndFeel& lookAndFeel) {
    rtl::TObject* data = nullptr;
    TuiExtendedStylePainters* painters = ExtendedStylePainters();
    return painters && lookAndFeel.ActivePainter() && painters->DataOfPainter(lookAndFeel.ActivePainter(), data);
}

} // namespace

// View info.

void TuxStatusBarViewInfo::Calculate(const vcl::TRect& rect) {
    FVisiblePanels.clear();
    FWidths.clear();
    TuxStatusBarPanels& panels = FStatusBar.Panels();
    for (int32_t i = 0; i < panels.Count(); ++i) {
        if (panels.Item(i).Visible()) {
            FVisiblePanels.push_back(&panels.Item(i));
        }
    }
    const auto count = static_cast<int32_t>(FVisiblePanels.size());
    if (count == 0) {
        return;
    }
    TuiAutoWidthObject widths(2 * count - 1);
    const int32_t separatorWidth = FStatusBar.Painter().GetSeparatorWidth(FStatusBar);
    bool someMayGrow = false;
    for (int32_t i = 0; i < count; ++i) {
        const TuxStatusBarPanel& panel = *FVisiblePanels[i];
        TuiAutoWidthItem& item = widths.AppendItem();
        item.MinWidth = panel.GetRealMinWidth();
        item.Width = panel.GetRealWidth();
        const bool last = i == count - 1;
        if (!panel.Fixed()) {
            someMayGrow = true;
            item.Fixed = false;
        } else {
            // The last panel takes the rest when no earlier one may grow.
            item.Fixed = !(last && !someMayGrow);
        }
        if (!last) {
            TuiAutoWidthItem& separator = widths.AppendItem();
            separator.MinWidth = separatorWidth;
            separator.Width = separatorWidth;
            separator.Fixed = true;
        }
    }
    widths.SetAvailableWidth(rect.Width());
    widths.Calculate();
    FSizeGripOverlapped = widths.SumItemWidths() >= rect.Width();
    for (int32_t i = 0; i < widths.GetCount(); ++i) {
        FWidths.push_back(widths.GetItem(i).AutoWidth);
    }
}

TuxStatusBarPanel* TuxStatusBarViewInfo::PanelAtPoint(const vcl::TRect& rect, int32_t x, int32_t y) const {
    int32_t left = rect.Left;
    for (size_t i = 0; i < FWidths.size(); ++i) {
        const vcl::TRect cell{left, rect.Top, left + FWidths[i], rect.Bottom};
        if (i % 2 == 0 && cell.Contains({x, y})) {
            return FVisiblePanels[i / 2];
        }
        left = cell.Right;
    }
    return nullptr;
}

// Bar.

TuxCustomStatusBar::TuxCustomStatusBar(rtl::TComponent* owner)
    : TuiControl(owner), FImageChangeLink(std::make_unique<vcl::TChangeLink>()) {
    FViewInfo = CreateViewInfo();
    vcl::TControlStyle style = ControlStyle();
    style.Exclude(vcl::csSetCaption);
    style.Include(vcl::csCaptureMouse).Include(vcl::csClickEvents).Include(vcl::csOpaque).Include(vcl::csDoubleClicks);
    SetControlStyle(style);
    SetScrollBars(vcl::ssNone);
    SetDoubleBuffered(true);
    SetColor(vcl::clBtnFace);
    SetHeight(DefaultStatusBarHeight);
    SetAlign(vcl::alBottom);
    SetParentFont(false);
    FPanels = CreatePanels();
    FImageChangeLink->SetOnChange([this](rtl::TObject*) { Recalculate(); });
    FThemeChangedNotificator = std::make_unique<TuxThemeChangedNotificator>();
    FThemeChangedNotificator->SetOnThemeChanged([this] { ThemeChanged(); });
    LookAndFeelChangedHook();
    AcquireOffice11Colors();
}

TuxCustomStatusBar::~TuxCustomStatusBar() {
    FDestroying = true;
    DropOffice11Colors();
    FThemeChangedNotificator.reset();
    SetImages(nullptr);
    FImageChangeLink.reset();
    FPanels.reset();
    FViewInfo.reset();
}

void TuxCustomStatusBar::Dispatch(vcl::TMessage& message) {
    switch (message.Msg) {
    case vcl::CM_COLORCHANGED:
    case vcl::CM_PARENTFONTCHANGED:
    case vcl::CM_WININICHANGE:
        TuiControl::Dispatch(message);
        Recalculate();
        return;
    case vcl::CM_ENABLEDCHANGED:
        TuiControl::Dispatch(message);
        Invalidate();
        return;
    case vcl::CM_SYSCOLORCHANGE:
        TuiControl::Dispatch(message);
        ReloadOffice11Colors();
        Recalculate();
        return;
    case vcl::CM_BIDIMODECHANGED:
        TuiControl::Dispatch(message);
        if (HandleAllocated()) {
            for (int32_t i = 0; i < FPanels->Count(); ++i) {
                TuxStatusBarPanel& panel = FPanels->Item(i);
                if (panel.ParentBiDiMode()) {
                    panel.SetBiDiMode(BiDiMode());
                    panel.SetParentBiDiMode(true);
                }
            }
            Recalculate();
        }
        return;
    case WM_NCHITTEST:
        TuiControl::Dispatch(message);
        NonClientHitTest(message);
        return;
    default:
        TuiControl::Dispatch(message);
    }
}

void TuxCustomStatusBar::Loaded() {
    TuiControl::Loaded();
    ForEachPanelStyle([](TuxStatusBarPanelStyle& style) { style.Loaded(); });
    UpdateLayout();
}

void TuxCustomStatusBar::SetBorderWidth(int32_t value) {
    value = std::max(0, value);
    if (FBorderWidth != value) {
        FBorderWidth = value;
        Recalculate();
    }
}

void TuxCustomStatusBar::SetImages(vcl::TCustomImageList* value) {
    if (FImages == value) {
        return;
    }
    if (FImages) {
        FImages->UnRegisterChanges(*FImageChangeLink);
        FImages->RemoveFreeNotification(this);
    }
    FImages = value;
    if (FImages) {
        FImages->RegisterChanges(*FImageChangeLink);
        FImages->FreeNotification(this);
    }
    Recalculate();
}

void TuxCustomStatusBar::SetPaintStyle(TuxStatusBarPaintStyle value) {
    if (FPaintStyle != value) {
        FPaintStyle = value;
        LookAndFeelChangedHook();
    }
}

void TuxCustomStatusBar::SetSizeGrip(bool value) {
    if (FSizeGrip != value) {
        FSizeGrip = value;
        Recalculate();
    }
}

bool TuxCustomStatusBar::ExecuteAction(rtl::TObject* action) {
    const auto* hint = dynamic_cast<const vcl::THintAction*>(action);
    if (!hint || ComponentState().Contains(rtl::TComponentState::csDesigning)) {
        return false;
    }
    TuxStatusBarPanel* hintPanel = nullptr;
    for (int32_t i = 0; i < FPanels->Count(); ++i) {
        const auto* style = dynamic_cast<const TuxStatusBarTextPanelStyle*>(FPanels->Item(i).PanelStyle());
        if (style && style->AutoHint()) {
            hintPanel = &FPanels->Item(i);
        }
    }
    if (!hintPanel || DoHint()) {
        return false;
    }
    hintPanel->SetText(hint->Hint());
    return true;
}

TuxStatusBarPanel& TuxCustomStatusBar::CreatePanel() {
    return FPanels->Add();
}

const rtl::TMetaclass& TuxCustomStatusBar::GetDefaultPanelStyleClass() const {
    return TuxStatusBarTextPanelStyle::StaticClass();
}

TuxStatusBarPaintStyle TuxCustomStatusBar::GetEffectivePaintStyle() const {
    if (FPaintStyle != stpsUseLookAndFeel) {
        return FPaintStyle;
    }
    if (LookAndFeel().NativeStyle() && FThemedStatus) {
        return stpsXP;
    }
    switch (LookAndFeel().Kind()) {
    case lfUltraFlat:
        return stpsFlat;
    case lfOffice11:
        return stpsOffice11;
    default:
        return stpsStandard;
    }
}

bool TuxCustomStatusBar::IsSizeGripVisible() const {
    const vcl::TCustomForm* form = SizeGripForm();
    if (!form) {
        return false;
    }
    const vcl::TPoint corner = ClientToParentForm({Width(), Height()}, form);
    return corner.X == form->ClientWidth() && corner.Y >= form->ClientHeight();
}

const vcl::TCustomForm* TuxCustomStatusBar::SizeGripForm() const {
    if (!FSizeGrip) {
        return nullptr;
    }
    const vcl::TCustomForm* form = vcl::GetParentForm(this);
    if (!form || (form->BorderStyle() != vcl::bsSizeable && form->BorderStyle() != vcl::bsSizeToolWin)) {
        return nullptr;
    }
    if (form->WindowState() != vcl::wsNormal) {
        return nullptr;
    }
    // The state the window has, which a user's maximising changes without the form's property.
    if (form->HandleAllocated() && (IsZoomed(form->WindowHandle()) || IsIconic(form->WindowHandle()))) {
        return nullptr;
    }
    return form;
}

vcl::TPoint TuxCustomStatusBar::ClientToParentForm(vcl::TPoint point, const vcl::TWinControl* form) const {
    if (!Parent()) {
        throw rtl::EInvalidOperation(rtl::Format(vcl::VclMessages::ParentRequired, {Name()}));
    }
    if (!form) {
        form = Parent();
    }
    point.X += Left();
    point.Y += Top();
    for (const vcl::TWinControl* parent = Parent(); parent != form; parent = parent->Parent()) {
        if (!parent) {
            throw rtl::EInvalidOperation(rtl::Format(ParentIsNotParent, {Name()}));
        }
        if (parent->Parent()) {
            point.X += parent->Left();
            point.Y += parent->Top();
        }
    }
    return point;
}

void TuxCustomStatusBar::Recalculate() {
    UpdateLayout();
    Invalidate();
}

TuxStatusBarPanel* TuxCustomStatusBar::HitTestPanel(int32_t x, int32_t y) const {
    return FViewInfo->PanelAtPoint(GetPanelsBounds(), x, y);
}

vcl::TRect TuxCustomStatusBar::GetPanelsBounds() const {
    const vcl::TRect bounds = GetClientBounds();
    const vcl::TRect borders = FPainter->GetBorderWidths(*this);
    return {bounds.Left + borders.Left, bounds.Top + borders.Top, bounds.Right - borders.Right,
            bounds.Bottom - borders.Bottom};
}

bool TuxCustomStatusBar::IsLoadingOrUpdating() const {
    const rtl::TComponentStates states = ComponentState();
    return FDestroying || states.Contains(rtl::TComponentState::csLoading) ||
           states.Contains(rtl::TComponentState::csReading) || states.Contains(rtl::TComponentState::csDestroying) ||
           (FPanels && FPanels->UpdateCount() > 0);
}

void TuxCustomStatusBar::Paint() {
    TuiControl::Paint();
    TuiCanvas& canvas = UICanvas();
    vcl::TRect rect = GetClientBounds();
    FPainter->DrawBorder(*this, canvas, rect);
    canvas.IntersectClipArea(rect);
    const bool anyVisible = !FViewInfo->VisiblePanels().empty();
    const bool overlapped = anyVisible && FViewInfo->SizeGripOverlapped();
    if (FPainter->DrawsSizeGripFirst()) {
        DrawSizeGripIfVisible(canvas, overlapped, rect);
    }
    if (anyVisible) {
        DrawPanels(canvas, rect);
    } else {
        FPainter->DrawEmptyPanel(*this, canvas, rect);
    }
    if (!FPainter->DrawsSizeGripFirst()) {
        DrawSizeGripIfVisible(canvas, overlapped, rect);
    }
}

void TuxCustomStatusBar::DrawPanels(TuiCanvas& canvas, const vcl::TRect& rect) {
    const std::vector<TuxStatusBarPanel*>& panels = FViewInfo->VisiblePanels();
    const std::vector<int32_t>& widths = FViewInfo->Widths();
    int32_t left = rect.Left;
    for (size_t i = 0; i < panels.size(); ++i) {
        const vcl::TRect cell{left, rect.Top, left + widths[2 * i], rect.Bottom};
        FPainter->DrawPanel(*this, panels[i], cell, canvas);
        left = cell.Right;
        if (i + 1 < panels.size()) {
            const vcl::TRect separator{left, rect.Top, left + widths[2 * i + 1], rect.Bottom};
            FPainter->DrawPanelSeparator(*this, canvas, separator);
            left = separator.Right;
        }
    }
}

void TuxCustomStatusBar::DrawSizeGripIfVisible(TuiCanvas& canvas, bool overlapped, const vcl::TRect& rect) {
    if (IsSizeGripVisible()) {
        FPainter->DrawSizeGrip(*this, canvas, overlapped, rect);
    }
}

void TuxCustomStatusBar::Resize() {
    TuiControl::Resize();
    UpdateLayout();
    Invalidate();
}

void TuxCustomStatusBar::MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiControl::MouseDown(button, shift, x, y);
    if (button != vcl::mbLeft || !shift.Contains(vcl::ssDouble)) {
        return;
    }
    if (TuxStatusBarPanel* panel = HitTestPanel(x, y)) {
        panel->DoDblClick();
    }
}

void TuxCustomStatusBar::MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiControl::MouseUp(button, shift, x, y);
    if (button != vcl::mbLeft) {
        return;
    }
    if (TuxStatusBarPanel* panel = HitTestPanel(x, y)) {
        panel->DoClick();
    }
}

void TuxCustomStatusBar::FontChanged() {
    TuiControl::FontChanged();
    ForEachPanelStyle([](TuxStatusBarPanelStyle& style) { style.ParentFontChanged(); });
    Recalculate();
}

void TuxCustomStatusBar::Notification(rtl::TComponent* component, rtl::TOperation operation) {
    TuiControl::Notification(component, operation);
    if (operation == rtl::TOperation::opRemove && component == FImages) {
        SetImages(nullptr);
    }
}

void TuxCustomStatusBar::LookAndFeelChanged(TuiLookAndFeel* /*sender*/, TuiLookAndFeelValues /*changed*/) {
    LookAndFeelChangedHook();
}

std::unique_ptr<TuxStatusBarViewInfo> TuxCustomStatusBar::CreateViewInfo() {
    return std::make_unique<TuxStatusBarViewInfo>(*this);
}

void TuxCustomStatusBar::CalculateLayout() {
    FViewInfo->Calculate(GetPanelsBounds());
}

std::unique_ptr<TuxStatusBarPanels> TuxCustomStatusBar::CreatePanels() {
    return std::make_unique<TuxStatusBarPanels>(this, GetPanelClass());
}

bool TuxCustomStatusBar::DoHint() {
    if (!FOnHint) {
        return false;
    }
    FOnHint(this);
    return true;
}

TuxStatusBarPainterClass TuxCustomStatusBar::GetPainterClass() const {
    if (FPaintStyle == stpsUseLookAndFeel && StatusBarSkinPainterClass && HasSkinPainter(LookAndFeel())) {
        return StatusBarSkinPainterClass;
    }
    switch (GetEffectivePaintStyle()) {
    case stpsFlat:
        return &TuxStatusBarFlatPainter::Instance();
    case stpsXP:
        if (FThemedStatus) {
            return &TuxStatusBarXPPainter::Instance();
        }
        return &TuxStatusBarStandardPainter::Instance();
    case stpsOffice11:
        return &TuxStatusBarOffice11Painter::Instance();
    default:
        return &TuxStatusBarStandardPainter::Instance();
    }
}

const rtl::TMetaclass& TuxCustomStatusBar::GetPanelClass() const {
    return TuxStatusBarPanel::StaticClass();
}

void TuxCustomStatusBar::UpdatePainter() {
    FThemedStatus = AreVisualStylesActive({totStatus});
    FPainter = GetPainterClass();
}

void TuxCustomStatusBar::LookAndFeelChangedHook() {
    UpdatePainter();
    Recalculate();
}

void TuxCustomStatusBar::UpdateLayout() {
    if (!FDestroying && FPanels && FPainter) {
        CalculateLayout();
    }
}

void TuxCustomStatusBar::NonClientHitTest(vcl::TMessage& message) {
    if (ComponentState().Contains(rtl::TComponentState::csDesigning) || !IsSizeGripVisible()) {
        return;
    }
    POINT point{static_cast<int16_t>(LOWORD(message.LParam)), static_cast<int16_t>(HIWORD(message.LParam))};
    ::ScreenToClient(WindowHandle(), &point);
    const vcl::TRect bounds = GetClientBounds();
    const vcl::TSize size = FPainter->GetSizeGripSize();
    const vcl::TRect grip{bounds.Right - size.cx - 2, bounds.Bottom - size.cy - 2, bounds.Right, bounds.Bottom};
    if (grip.Contains({point.x, point.y})) {
        message.Result = HTBOTTOMRIGHT;
    }
}

void TuxCustomStatusBar::ForEachPanelStyle(const std::function<void(TuxStatusBarPanelStyle&)>& action) {
    for (int32_t i = 0; i < FPanels->Count(); ++i) {
        if (TuxStatusBarPanelStyle* style = FPanels->Item(i).PanelStyle()) {
            action(*style);
        }
    }
}

} // namespace ui
