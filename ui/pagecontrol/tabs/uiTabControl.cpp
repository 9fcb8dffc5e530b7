#include "ui/pagecontrol/tabs/uiTabControl.h"

#include "rtl/WindowsApi.h"
#include "ui/core/controls/services/uiTimers.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/themes/uxThemeManager.h"
#include "ui/pagecontrol/tabs/uiPCGoDialog.h"
#include "ui/pagecontrol/tabs/uiPCImageList.h"
#include "ui/pagecontrol/tabs/uiPCPaintersFactory.h"
#include "ui/pagecontrol/tabs/uiPCStrs.h"
#include "vcl/controls/ControlCanvas.h"
#include "vcl/controls/WindowProcedure.h"
#include "vcl/imagelists/ImageList.h"
#include "vcl/system/Messages.h"

#include <algorithm>

namespace ui {

namespace {

constexpr char16_t TabControlClassName[] = u"TuiCustomTabControl";
constexpr int32_t DefaultWidth = 289;
constexpr int32_t DefaultHeight = 193;
// Tab widths and heights are 16-bit values.
constexpr int32_t LargestTabSize = 32767;

// Saves the canvas's clip region and puts it back, also when painting throws.
class TClipRegionKeeper {
public:
    explicit TClipRegionKeeper(TuiCanvas& canvas) : FCanvas(canvas) { FCanvas.PushClipRegion(); }
    ~TClipRegionKeeper() { FCanvas.PopClipRegion(); }
    TClipRegionKeeper(const TClipRegionKeeper&) = delete;
    TClipRegionKeeper& operator=(const TClipRegionKeeper&) = delete;

private:
    TuiCanvas& FCanvas;
};

} // namespace

TuiCustomTabControl::TuiCustomTabControl(rtl::TComponent* owner)
    : TuiControl(owner), FImages(std::make_unique<TuiPCImageList>()), FTabs(std::make_unique<TuiTabs>(*this)),
      FTabSlants(std::make_unique<TuiTabSlants>()), FVisibleTabs(std::make_unique<TuiVisibleTabList>(*this)) {
    SetControlStyle({vcl::csAcceptsControls, vcl::csCaptureMouse, vcl::csClickEvents, vcl::csOpaque,
                     vcl::csDoubleClicks, vcl::csParentBackground});
    SetBounds(Left(), Top(), DefaultWidth, DefaultHeight);
    SetTabStop(true);
    SetColor(vcl::clWindow);
    FImages->SetOnChange([this](rtl::TObject*) { TabsChanged(); });
    FTabSlants->SetOnChange([this](rtl::TObject*) { RecalculateLayout(); });
    ChoosePainterOfLookAndFeel();
    if (!ComponentState().Contains(rtl::TComponentState::csDesigning)) {
        FGoDialog.reset(new TuiPCGoDialog(nullptr));
        FGoDialog->SetOnGoTo([this](int32_t tabIndex) { SetMainTabIndex(tabIndex); });
    }
}

TuiCustomTabControl::~TuiCustomTabControl() {
    FDestroying = true;
    FScrollTimer.reset();
    FGoDialog.reset();
    FTabs.reset();
    FImages.reset();
    FPainter.reset();
}

bool TuiCustomTabControl::QueryInterface(const rtl::TGUID& iid, void** object) {
    return rtl::QueryInterfaceOf<IuiSkinDrawnMarker>(this, iid, object) || TuiControl::QueryInterface(iid, object);
}

void TuiCustomTabControl::Dispatch(vcl::TMessage& message) {
    switch (message.Msg) {
    case WM_ERASEBKGND:
        // The control is opaque and its painting covers every pixel, so nothing is erased first.
        message.Result = 1;
        return;
    case WM_GETDLGCODE:
        TuiControl::Dispatch(message);
        message.Result |= DLGC_WANTARROWS;
        return;
    case vcl::CM_DIALOGCHAR:
        if (HandleAccelerator(static_cast<char16_t>(message.WParam))) {
            message.Result = 1;
            return;
        }
        break;
    case vcl::CM_DIALOGKEY:
        if ((Focused() || ContainsControl(vcl::FindControl(GetFocus()))) &&
            HandleKeyNavigation(static_cast<uint16_t>(message.WParam), vcl::KeyDataToShiftState(message.LParam))) {
            message.Result = 1;
            return;
        }
        break;
    case vcl::CM_DESIGNHITTEST:
        DesignHitTest(message);
        return;
    case vcl::CM_ENABLEDCHANGED:
        TuiControl::Dispatch(message);
        UpdateNavigatorButtonStates();
        Invalidate();
        return;
    case vcl::CM_PARENTCOLORCHANGED:
        TuiControl::Dispatch(message);
        Invalidate();
        return;
    default:
        break;
    }
    TuiControl::Dispatch(message);
}

void TuiCustomTabControl::DesignHitTest(vcl::TMessage& message) {
    const vcl::TPoint point = vcl::MessagePoint(message.LParam);
    TuiPCNavigatorButton button;
    if (FPainter->GetNavigatorButtonAt(point.X, point.Y, button) && FNavigatorButtons.Contains(button)) {
        message.Result = button != nbGoDialog && button != nbClose ? 1 : 0;
        return;
    }
    const int32_t visibleIndex = VisibleTabIndexAtPoint(point.X, point.Y);
    message.Result = visibleIndex != -1 && visibleIndex != FSelectedVisibleIndex ? 1 : 0;
}

void TuiCustomTabControl::Loaded() {
    TuiControl::Loaded();
    FVisibleTabs->Refresh();
    {
        const TChangeLock lock(*this);
        const int32_t stored = FTabIndex;
        FTabIndex = -1;
        SetTabIndex(stored);
    }
    RecalculateLayout();
}

// Properties.

vcl::TCustomImageList* TuiCustomTabControl::Images() const {
    return FImages->BaseImages();
}

void TuiCustomTabControl::SetImages(vcl::TCustomImageList* value) {
    FImages->SetBaseImages(value);
}

void TuiCustomTabControl::SetHideTabs(bool value) {
    if (FHideTabs != value) {
        FHideTabs = value;
        Realign();
        Invalidate();
    }
}

void TuiCustomTabControl::SetHotTrack(bool value) {
    if (FHotTrack != value) {
        FHotTrack = value;
        UpdateHotTrack();
    }
}

void TuiCustomTabControl::SetImageBorder(int32_t value) {
    value = std::max(value, 0);
    if (FImageBorder != value) {
        FImageBorder = value;
        if (FVisibleTabs->Count() > 0) {
            RecalculateLayout();
        }
    }
}

void TuiCustomTabControl::SetMaxRotatedTabWidth(int32_t value) {
    value = value > 0 ? std::max(value, FPainter->GetTabMinWidth(-1)) : 0;
    if (FMaxRotatedTabWidth != value) {
        FMaxRotatedTabWidth = value;
        if (FRotate && FTabs->Count() > 0) {
            RecalculateLayout();
        }
    }
}

void TuiCustomTabControl::SetMultiLine(bool value) {
    if (FMultiLine != value) {
        FMultiLine = value;
        RecalculateLayout();
    }
}

void TuiCustomTabControl::SetMultiSelect(bool value) {
    FMultiSelect = value;
}

void TuiCustomTabControl::SetNavigatorPosition(TuiPCNavigatorPosition value) {
    if (FNavigatorPosition != value) {
        FNavigatorPosition = value;
        RecalculateLayout();
    }
}

void TuiCustomTabControl::SetOptions(TuiPCOptions value) {
    const TuiPCOptions changed = (FOptions - value) + (value - FOptions);
    FOptions = value;
    const TuiPCOptions layoutOptions{
        pcoAlwaysShowGoDialogButton, pcoCloseButton, pcoFixedTabWidthWhenRotated, pcoGoDialog, pcoGradient,
        pcoGradientClientArea,       pcoNoArrows,    pcoTopToBottomText};
    if (!(changed * layoutOptions).IsEmpty()) {
        RecalculateLayout();
    } else if (changed.Contains(pcoUsePageColorForTab)) {
        Invalidate();
    }
}

void TuiCustomTabControl::SetOwnerDraw(bool value) {
    if (FOwnerDraw != value) {
        FOwnerDraw = value;
        Invalidate();
    }
}

void TuiCustomTabControl::SetRaggedRight(bool value) {
    if (FRaggedRight != value) {
        FRaggedRight = value;
        if (FMultiLine) {
            RecalculateLayout();
        }
    }
}

void TuiCustomTabControl::SetRotate(bool value) {
    if (FRotate == value) {
        return;
    }
    if (value && !FPainter->ClassType().AllowsRotate()) {
        RaisePCError(TabControlClassName, u"SetRotate", suiPCAllowRotateError, {FPainter->ClassType().GetStyleName()});
    }
    FRotate = value;
    RecalculateLayout();
}

void TuiCustomTabControl::SetScrollOpposite(bool value) {
    if (FScrollOpposite != value) {
        FScrollOpposite = value;
        if (FMultiLine) {
            RecalculateLayout();
        }
    }
}

void TuiCustomTabControl::SetShowFrame(bool value) {
    if (FShowFrame != value) {
        FShowFrame = value;
        RecalculateLayout();
    }
}

void TuiCustomTabControl::SetStyle(TuiPCStyleID value) {
    if (value == 0) {
        FStyle = 0;
        ChoosePainterOfLookAndFeel();
        return;
    }
    const TuiPCPainterClass painterClass = FindPCPainterClass(value);
    if (!painterClass) {
        return;
    }
    FStyle = value;
    if (&FPainter->ClassType() != painterClass) {
        CreatePainter(painterClass);
    }
}

void TuiCustomTabControl::SetTabCaptionAlignment(vcl::TAlignment value) {
    if (FTabCaptionAlignment != value) {
        FTabCaptionAlignment = value;
        RecalculateLayout();
    }
}

void TuiCustomTabControl::SetTabPosition(TuiTabPosition value) {
    if (FTabPosition != value) {
        FTabPosition = value;
        RecalculateLayout();
    }
}

void TuiCustomTabControl::SetTabWidth(int32_t value) {
    value = std::clamp(value, 0, LargestTabSize);
    if (FTabWidth != value) {
        FTabWidth = value;
        RecalculateLayout();
    }
}

void TuiCustomTabControl::SetTabHeight(int32_t value) {
    value = std::clamp(value, 0, LargestTabSize);
    if (FTabHeight != value) {
        FTabHeight = value;
        RecalculateLayout();
    }
}

void TuiCustomTabControl::SetTabStripMode(bool value) {
    if (FTabStripMode != value) {
        FTabStripMode = value;
        RecalculateLayout();
    }
}

void TuiCustomTabControl::SetTabIndex(int32_t value) {
    if (ComponentState().Contains(rtl::TComponentState::csLoading)) {
        FTabIndex = value;
        return;
    }
    if (value < -1 || value >= FTabs->Count()) {
        return;
    }
    if (value != -1 && IsPageControl() && !FTabs->Tab(value).Visible()) {
        value = -1;
    }
    if (value == FTabIndex || !CanChange(value)) {
        return;
    }
    for (int32_t i = 0; i < FTabs->Count(); ++i) {
        FTabs->Tab(i).FSelected = false;
    }
    ChangeFocusedTab(-1);
    FTabIndex = value;
    RefreshSelectedVisibleIndex();
    if (!FMultiLine) {
        MakeTabVisible(FSelectedVisibleIndex);
    }
    RecalculateLayout();
    UpdateNavigatorButtonStates();
    UpdateHotTrack();
    TabIndexChanged();
    DoChange();
}

void TuiCustomTabControl::ClearTabIndex() {
    FTabIndex = -1;
    FSelectedVisibleIndex = -1;
}

// Queries.

bool TuiCustomTabControl::IsVerticalText() const {
    return IsHorizontalLine() == FRotate;
}

TuiPCTextDirection TuiCustomTabControl::TextDirection() const {
    if (!IsVerticalText()) {
        return tdHorizontal;
    }
    return FOptions.Contains(pcoTopToBottomText) ? tdTopToBottom : tdBottomToTop;
}

bool TuiCustomTabControl::IsLineFilledBackward() const {
    const bool topToBottom = FOptions.Contains(pcoTopToBottomText);
    return IsHorizontalLine() ? FRotate && topToBottom : !FRotate && !topToBottom;
}

bool TuiCustomTabControl::IsLoadingOrDestroying() const {
    const rtl::TComponentStates states = ComponentState();
    return FDestroying || states.Contains(rtl::TComponentState::csLoading) ||
           states.Contains(rtl::TComponentState::csDestroying);
}

bool TuiCustomTabControl::IsChangeLocked() const {
    return FChangeLockCount > 0 || ComponentState().Contains(rtl::TComponentState::csLoading);
}

vcl::TRect TuiCustomTabControl::GetPageAreaRect() {
    return FPainter->GetPageClientRect();
}

int32_t TuiCustomTabControl::GetTabImageIndex(int32_t tabIndex) const {
    int32_t imageIndex = FTabs->Tab(tabIndex).ImageIndex();
    if (FOnGetImageIndex) {
        FOnGetImageIndex(const_cast<TuiCustomTabControl*>(this), tabIndex, imageIndex);
    }
    vcl::TCustomImageList* images = Images();
    if (imageIndex < 0 || !images || images->Width() <= 0 || images->Height() <= 0 || imageIndex >= images->Count()) {
        return -1;
    }
    return imageIndex;
}

void TuiCustomTabControl::PrepareTabFont(TuiTab& tab, TuiCanvas& canvas) {
    canvas.SetFont(Font());
    const int32_t visibleIndex = tab.VisibleIndex();
    canvas.Font().SetColor(visibleIndex >= 0 ? FPainter->GetTabTextColor(visibleIndex) : vcl::clBtnText);
    if (FOnDrawTabEx) {
        FOnDrawTabEx(this, &tab, canvas.Font());
    }
}

void TuiCustomTabControl::PrepareMeasuringFont(TuiTab& tab, TuiCanvas& canvas) {
    if (FOnDrawTabEx) {
        PrepareTabFont(tab, canvas);
    } else {
        canvas.SetFont(Font());
    }
}

bool TuiCustomTabControl::CanSelectTab(int32_t tabIndex) const {
    const TuiTab& tab = FTabs->Tab(tabIndex);
    return tab.Visible() && tab.Enabled() && Enabled();
}

// Changes and events.

bool TuiCustomTabControl::CanChange(int32_t /*newIndex*/) {
    bool allow = true;
    if (!IsChangeLocked() && FOnChanging) {
        FOnChanging(this, allow);
    }
    return allow;
}

void TuiCustomTabControl::DoChange() {
    if (!IsChangeLocked() && FOnChange) {
        FOnChange(this);
    }
}

bool TuiCustomTabControl::CanCloseTab() {
    bool canClose = true;
    if (FOnCanClose) {
        FOnCanClose(this, canClose);
    }
    return canClose;
}

void TuiCustomTabControl::CloseActiveTab() {
    if (FTabIndex != -1) {
        FTabs->Delete(FTabIndex);
        DoChange();
    }
}

void TuiCustomTabControl::ShowGoDialog() {
    if (!FGoDialog) {
        ReleaseNavigatorState();
        return;
    }
    FGoDialog->BuildItems(*this, FOptions.Contains(pcoSort));
    const vcl::TRect button = FPainter->GetGoDialogButtonBounds();
    const vcl::TPoint corner = ClientToScreen({button.Left, button.Bottom});
    const vcl::TControlLink link(this);
    // The chosen item's tab is selected (through SetMainTabIndex) once the menu has closed.
    FGoDialog->Popup(corner.X, corner.Y);
    if (!link.Alive()) {
        return;
    }
    ReleaseNavigatorState();
    NoteClickThatClosedGoDialog();
}

// A press outside the menu closes it and then reaches the window under the pointer: on the go-dialog button it would
// open the menu again at once.
void TuiCustomTabControl::NoteClickThatClosedGoDialog() {
    MSG pending{};
    if (!HandleAllocated() || !PeekMessageW(&pending, nullptr, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_NOREMOVE) ||
        pending.hwnd != WindowHandle()) {
        return;
    }
    const vcl::TPoint point = vcl::MessagePoint(pending.lParam);
    TuiPCNavigatorButton button;
    FGoDialogJustClosed = FPainter->GetNavigatorButtonAt(point.X, point.Y, button) && button == nbGoDialog;
}

void TuiCustomTabControl::SetMainTabIndex(int32_t index) {
    ReleaseNavigatorState();
    SetTabIndex(index);
}

void TuiCustomTabControl::TabChanged(int32_t visibleIndex, TuiTabChangeKind kind) {
    if (kind == tckLayout && visibleIndex == -1 && FVisibleTabs) {
        FVisibleTabs->Refresh();
    }
    if (!FTabs || FTabs->IsUpdating() || IsLoadingOrDestroying()) {
        return;
    }
    if (visibleIndex == -1 || kind == tckLayout) {
        TabsChanged();
    } else {
        FPainter->TabChanged(visibleIndex, kind);
    }
}

void TuiCustomTabControl::TabVisibilityChanged(TuiTab& tab, bool visible) {
    const int32_t selectedPosition = FSelectedVisibleIndex;
    if (visible) {
        FVisibleTabs->Add(tab.Index());
    } else {
        FVisibleTabs->Remove(tab.Index());
    }
    TabChanged(-1, tckLayout);
    if (!visible && IsPageControl() && tab.Index() == FTabIndex && !IsLoadingOrDestroying()) {
        // The tab that now stands where the hidden one stood takes its place; after the last one, the one before it.
        const int32_t position = std::min(selectedPosition, FVisibleTabs->Count() - 1);
        SetTabIndex(position >= 0 ? FVisibleTabs->TabIndex(position) : -1);
    }
}

void TuiCustomTabControl::ReportTabChange(int32_t visibleIndex, TuiTabChangeKind kind) {
    if (visibleIndex >= 0 && visibleIndex < FVisibleTabs->Count() && !IsLoadingOrDestroying()) {
        FPainter->TabChanged(visibleIndex, kind);
    }
}

void TuiCustomTabControl::ChangeHotTab(int32_t visibleIndex) {
    if (FHotVisibleIndex != visibleIndex) {
        const int32_t previous = std::exchange(FHotVisibleIndex, visibleIndex);
        ReportTabChange(previous, tckHot);
        ReportTabChange(visibleIndex, tckHot);
    }
}

void TuiCustomTabControl::ChangePressedTab(int32_t visibleIndex) {
    if (FPressedVisibleIndex != visibleIndex) {
        const int32_t previous = std::exchange(FPressedVisibleIndex, visibleIndex);
        ReportTabChange(previous, tckPressed);
        ReportTabChange(visibleIndex, tckPressed);
    }
}

void TuiCustomTabControl::ChangeFocusedTab(int32_t visibleIndex) {
    if (FFocusedVisibleIndex == visibleIndex) {
        return;
    }
    const int32_t previous = std::exchange(FFocusedVisibleIndex, visibleIndex);
    ReportTabChange(previous, tckFocused);
    ReportTabChange(visibleIndex, tckFocused);
    if (visibleIndex != -1 && !FMultiLine) {
        MakeTabVisible(visibleIndex);
        RecalculateLayout();
    }
}

void TuiCustomTabControl::RefreshSelectedVisibleIndex() {
    const int32_t selected = FTabIndex >= 0 ? FVisibleTabs->VisibleIndexOf(FTabIndex) : -1;
    if (selected != FSelectedVisibleIndex) {
        const int32_t previous = std::exchange(FSelectedVisibleIndex, selected);
        ReportTabChange(previous, tckActive);
        ReportTabChange(selected, tckActive);
        UpdateNavigatorButtonStates();
    }
}

void TuiCustomTabControl::ClearFocusedTab(const TuiTab& tab) {
    if (!FDestroying && FFocusedVisibleIndex != -1 &&
        FVisibleTabs->VisibleIndexOf(tab.Index()) == FFocusedVisibleIndex) {
        FFocusedVisibleIndex = -1;
    }
}

// Style and painter.

void TuiCustomTabControl::ChoosePainterOfLookAndFeel() {
    const TuiPCPainterClass painterClass = FindPCPainterClass(GetPCDefaultStyle(LookAndFeel()));
    if (!FPainter || &FPainter->ClassType() != painterClass) {
        CreatePainter(painterClass);
    }
}

void TuiCustomTabControl::CreatePainter(TuiPCPainterClass painterClass) {
    const TuiPCPaintersFactory* factory = PCPaintersFactory();
    std::unique_ptr<TuiPCCustomPainter> painter = factory ? factory->GetPainterInstance(painterClass, *this) : nullptr;
    if (!painter) {
        return;
    }
    FPainter = std::move(painter);
    if (!painterClass->AllowsRotate()) {
        FRotate = false;
    }
    SetDoubleBuffered(FPainter->NeedsDoubleBuffering());
    for (int32_t i = 0; i < FTabs->Count(); ++i) {
        FTabs->Tab(i).FreeVerticalTextBitmap();
    }
    RecalculateLayout();
}

// Painting.

void TuiCustomTabControl::Paint() {
    TuiControl::Paint();
    PaintThroughPainter();
}

void TuiCustomTabControl::PaintThroughPainter() {
    const TClipRegionKeeper keeper(UICanvas());
    FPainter->Paint();
}

void TuiCustomTabControl::PaintToDC(HDC dc) {
    dynamic_cast<vcl::TControlCanvas&>(Canvas()).PaintOn(dc, [this] { PaintThroughPainter(); });
}

// Framework overrides.

void TuiCustomTabControl::AdjustClientRect(vcl::TRect& rect) {
    if (FPainter) {
        rect = GetPageAreaRect();
    }
}

void TuiCustomTabControl::CreateHandle() {
    TuiControl::CreateHandle();
    RecalculateLayout();
    Realign();
}

// The painter repaints what a size change needs; the window class would invalidate all of it.
void TuiCustomTabControl::CreateParams(vcl::TCreateParams& params) {
    TuiControl::CreateParams(params);
    params.WindowClass.Style &= ~static_cast<uint32_t>(CS_HREDRAW | CS_VREDRAW);
}

bool TuiCustomTabControl::CanFocusOnClickAt(int32_t x, int32_t y) const {
    return TuiControl::CanFocusOnClickAt(x, y) && FSelectedVisibleIndex != -1 &&
           const_cast<TuiCustomTabControl*>(this)->VisibleTabIndexAtPoint(x, y) == FSelectedVisibleIndex;
}

bool TuiCustomTabControl::NeedsRedrawOnResize() const {
    return FOptions.Contains(pcoRedrawOnResize) && FPainter &&
           (FPainter->NeedsRedrawOnResize() || AreVisualStylesActive());
}

void TuiCustomTabControl::LookAndFeelChanged(TuiLookAndFeel* sender, TuiLookAndFeelValues changed) {
    TuiControl::LookAndFeelChanged(sender, changed);
    if (FStyle == 0) {
        ChoosePainterOfLookAndFeel();
    }
    RecalculateLayout();
}

void TuiCustomTabControl::GetTabOrderList(std::vector<vcl::TWinControl*>& list) const {
    TuiControl::GetTabOrderList(list);
    if (!FFocusable) {
        std::erase(list, static_cast<const vcl::TWinControl*>(this));
    }
}

bool TuiCustomTabControl::CanFocus() const {
    return TuiControl::CanFocus() && FFocusable;
}

void TuiCustomTabControl::Resize() {
    RecalculateLayout();
    TuiControl::Resize();
}

void TuiCustomTabControl::FontChanged() {
    TuiControl::FontChanged();
    RecalculateLayout();
}

void TuiCustomTabControl::FocusChanged() {
    TuiControl::FocusChanged();
    if (FSelectedVisibleIndex != -1 && FVisibleTabs->Tab(FSelectedVisibleIndex).HasVisibleRect()) {
        ReportTabChange(FSelectedVisibleIndex, tckControlFocus);
    }
}

} // namespace ui
