#include "ui/pagecontrol/statusbar/uxStatusBarPanels.h"

#include "ui/core/objects/uxException.h"
#include "ui/pagecontrol/statusbar/uxStatusBar.h"
#include "ui/pagecontrol/statusbar/uxStatusBarContainerPanelStyle.h"
#include "ui/pagecontrol/statusbar/uxStatusBarIndicatorPanelStyles.h"
#include "ui/pagecontrol/statusbar/uxStatusBarTextPanelStyle.h"
#include "vcl/graphics/Font.h"

#include <algorithm>

namespace ui {

namespace {

constexpr int32_t DefaultPanelMinWidth = 20;
constexpr int32_t DefaultPanelWidth = 50;
// The bevel a style that draws no borders of its own leaves room for.
constexpr int32_t PanelBorderAllowance = 2;

constexpr char16_t AncestorStyleCannotBeDeleted[] =
    u"Selection contains a component introduced in an ancestor form which cannot be deleted";

std::unique_ptr<TuiRegisteredClasses>& PanelStyleRegistry() {
    static std::unique_ptr<TuiRegisteredClasses> registry;
    return registry;
}

} // namespace

// Panel style.

TuxStatusBarPanelStyle::TuxStatusBarPanelStyle(TuxStatusBarPanel* owner)
    : FOwner(owner), FFont(std::make_unique<vcl::TFont>()) {
    FFont->SetOnChange([this](rtl::TObject*) { FontChanged(); });
    ParentFontChanged();
}

TuxStatusBarPanelStyle::~TuxStatusBarPanelStyle() = default;

void TuxStatusBarPanelStyle::Assign(const rtl::TPersistent* source) {
    const auto* style = dynamic_cast<const TuxStatusBarPanelStyle*>(source);
    if (!style) {
        rtl::TPersistent::Assign(source);
        return;
    }
    TuxStatusBarPanels& panels = StatusBar().Panels();
    panels.BeginUpdate();
    try {
        DoAssign(*style);
    } catch (...) {
        panels.EndUpdate();
        throw;
    }
    panels.EndUpdate();
}

TuxCustomStatusBar& TuxStatusBarPanelStyle::StatusBar() const {
    return FOwner->StatusBar();
}

void TuxStatusBarPanelStyle::SetAlignment(vcl::TAlignment value) {
    if (FAlignment != value) {
        FAlignment = value;
        Changed();
    }
}

vcl::TColor TuxStatusBarPanelStyle::Color() const {
    return FColorAssigned ? FColor : GetDefaultColor();
}

void TuxStatusBarPanelStyle::SetColor(vcl::TColor value) {
    if (FColorAssigned && FColor == value) {
        return;
    }
    FColor = value;
    FColorAssigned = true;
    Changed();
}

void TuxStatusBarPanelStyle::SetFont(const vcl::TFont& value) {
    FFont->Assign(&value);
}

void TuxStatusBarPanelStyle::SetParentFont(bool value) {
    if (FParentFont == value) {
        return;
    }
    FParentFont = value;
    ParentFontChanged();
    Changed();
}

void TuxStatusBarPanelStyle::AdjustTextColor(vcl::TColor& color, bool active) const {
    if (color == vcl::clDefault) {
        StatusBar().AdjustDefaultTextColor(color, active);
    }
}

void TuxStatusBarPanelStyle::Changed() {
    FOwner->Changed();
}

void TuxStatusBarPanelStyle::AdjustRectForSizeGrip(vcl::TRect& rect) const {
    if (FOwner->IsLastPanel() && StatusBar().IsSizeGripVisible()) {
        rect.Right -= StatusBar().Painter().GetSizeGripSize().cx;
    }
}

vcl::TColor TuxStatusBarPanelStyle::GetDefaultColor() const {
    return StatusBar().Color();
}

void TuxStatusBarPanelStyle::DrawContent(TuiCanvas& canvas, const vcl::TRect& rect,
                                         const TuxStatusBarPainter& painter) {
    painter.DrawPanelBackground(StatusBar(), FOwner, rect, canvas);
}

void TuxStatusBarPanelStyle::ParentFontChanged() {
    if (!FParentFont) {
        return;
    }
    FSettingFont = true;
    FFont->Assign(&StatusBar().Font());
    FSettingFont = false;
}

void TuxStatusBarPanelStyle::RestoreDefaults() {
    FAlignment = vcl::taLeftJustify;
    FColorAssigned = false;
    FColor = vcl::clDefault;
    FParentFont = true;
    ParentFontChanged();
    FOwner->Changed();
}

void TuxStatusBarPanelStyle::DoAssign(const TuxStatusBarPanelStyle& source) {
    RestoreDefaults();
    FAlignment = source.FAlignment;
    if (source.FColorAssigned) {
        SetColor(source.FColor);
    }
    if (!source.FParentFont) {
        SetFont(*source.FFont);
    }
}

void TuxStatusBarPanelStyle::FontChanged() {
    if (FSettingFont) {
        return;
    }
    FParentFont = false;
    Changed();
}

// Panel.

TuxStatusBarPanel::TuxStatusBarPanel(rtl::TCollection* collection) : rtl::TCollectionItem(collection) {
    if (!collection) {
        return;
    }
    TuxCustomStatusBar& bar = StatusBar();
    const rtl::TComponentStates states = bar.ComponentState();
    if (!states.Contains(rtl::TComponentState::csLoading) && !states.Contains(rtl::TComponentState::csReading)) {
        SetPanelStyleClass(&bar.GetDefaultPanelStyleClass());
    }
    FBiDiMode = bar.BiDiMode();
}

TuxStatusBarPanel::~TuxStatusBarPanel() = default;

void TuxStatusBarPanel::Assign(const rtl::TPersistent* source) {
    const auto* panel = dynamic_cast<const TuxStatusBarPanel*>(source);
    if (!panel) {
        rtl::TCollectionItem::Assign(source);
        return;
    }
    rtl::TCollection& panels = *Collection();
    panels.BeginUpdate();
    try {
        ResetDefaults();
        SetPanelStyleClassName(panel->PanelStyleClassName());
        SetPanelStyle(panel->PanelStyle());
        SetVisible(panel->FVisible);
        SetBevel(panel->FBevel);
        SetBiDiMode(panel->FBiDiMode);
        SetFixed(panel->FFixed);
        if (panel->FMinWidthAssigned) {
            SetMinWidth(panel->FMinWidth);
        }
        SetParentBiDiMode(panel->FParentBiDiMode);
        SetText(panel->FText);
        if (panel->FWidthAssigned) {
            SetWidth(panel->FWidth);
        }
        FOnClick = panel->FOnClick;
        FOnDblClick = panel->FOnDblClick;
        FOnDrawPanel = panel->FOnDrawPanel;
    } catch (...) {
        panels.EndUpdate();
        throw;
    }
    panels.EndUpdate();
}

rtl::UnicodeString TuxStatusBarPanel::GetDisplayName() const {
    return FText.empty() ? rtl::TCollectionItem::GetDisplayName() : FText;
}

TuxCustomStatusBar& TuxStatusBarPanel::StatusBar() const {
    return static_cast<TuxStatusBarPanels*>(Collection())->StatusBar();
}

void TuxStatusBarPanel::SetBevel(TuxStatusBarPanelBevel value) {
    if (FBevel != value) {
        FBevel = value;
        Changed();
    }
}

void TuxStatusBarPanel::SetBiDiMode(vcl::TBiDiMode value) {
    FParentBiDiMode = false;
    if (FBiDiMode != value) {
        FBiDiMode = value;
        Changed();
    }
}

void TuxStatusBarPanel::SetParentBiDiMode(bool value) {
    if (FParentBiDiMode == value) {
        return;
    }
    if (value) {
        SetBiDiMode(StatusBar().BiDiMode());
    }
    FParentBiDiMode = value;
    Changed();
}

bool TuxStatusBarPanel::Fixed() const {
    return IsSizableStyle() ? FFixed : true;
}

void TuxStatusBarPanel::SetFixed(bool value) {
    if (FFixed != value) {
        FFixed = value;
        Changed();
    }
}

int32_t TuxStatusBarPanel::MinWidth() const {
    return FMinWidthAssigned && IsSizableStyle() ? FMinWidth : GetDefaultMinWidth();
}

void TuxStatusBarPanel::SetMinWidth(int32_t value) {
    FMinWidth = std::max(0, value);
    FMinWidthAssigned = true;
    // A raised width is the panel's own from now on, so Width reads the new minimum rather than the default.
    if ((FWidthAssigned ? FWidth : DefaultPanelWidth) < FMinWidth) {
        FWidth = FMinWidth;
        FWidthAssigned = true;
    }
    Changed();
}

int32_t TuxStatusBarPanel::Width() const {
    return FWidthAssigned && IsSizableStyle() ? FWidth : GetDefaultWidth();
}

void TuxStatusBarPanel::SetWidth(int32_t value) {
    FWidth = std::max(value, FMinWidth);
    FWidthAssigned = true;
    Changed();
}

void TuxStatusBarPanel::SetText(rtl::UnicodeStringView value) {
    if (FText != value) {
        FText = value;
        Changed();
    }
}

void TuxStatusBarPanel::SetVisible(bool value) {
    if (FVisible == value) {
        return;
    }
    FVisible = value;
    if (FPanelStyle) {
        FPanelStyle->VisibleChanged();
    }
    Changed();
}

void TuxStatusBarPanel::SetPanelStyle(const TuxStatusBarPanelStyle* value) {
    if (FPanelStyle && value) {
        FPanelStyle->Assign(value);
    }
}

void TuxStatusBarPanel::SetPanelStyleClass(TuiClass value) {
    if (value == FPanelStyleClass || !StatusBar().AcceptsPanelStyleClass(value)) {
        return;
    }
    FreePanelStyle();
    FPanelStyleClass = value;
    CreatePanelStyle();
    StatusBar().Invalidate();
}

rtl::UnicodeString TuxStatusBarPanel::PanelStyleClassName() const {
    return FPanelStyle ? rtl::UnicodeString(FPanelStyle->ClassType().ClassName()) : rtl::UnicodeString();
}

void TuxStatusBarPanel::SetPanelStyleClassName(rtl::UnicodeStringView value) {
    SetPanelStyleClass(GetRegisteredStatusBarPanelStyles().FindClassByName(value));
}

void TuxStatusBarPanel::DoClick() {
    if (FOnClick) {
        FOnClick(this);
    }
}

void TuxStatusBarPanel::DoDblClick() {
    if (FOnDblClick) {
        FOnDblClick(this);
    }
}

int32_t TuxStatusBarPanel::GetRealMinWidth() const {
    return AdjustWidthForStyle(MinWidth());
}

int32_t TuxStatusBarPanel::GetRealWidth() const {
    return AdjustWidthForStyle(Width());
}

void TuxStatusBarPanel::Changed() {
    rtl::TCollectionItem::Changed(false);
}

void TuxStatusBarPanel::ResetDefaults() {
    FVisible = true;
    FMinWidth = DefaultPanelMinWidth;
    FWidth = DefaultPanelWidth;
    FFixed = true;
    FParentBiDiMode = true;
    FBevel = uxpbLowered;
    FMinWidthAssigned = false;
    FWidthAssigned = false;
    rtl::TCollectionItem::Changed(true);
}

void TuxStatusBarPanel::CreatePanelStyle() {
    if (FPanelStyleClass) {
        FPanelStyle.reset(static_cast<TuxStatusBarPanelStyle*>(FPanelStyleClass->CreateInstance(this)));
    }
}

void TuxStatusBarPanel::FreePanelStyle() {
    if (!FPanelStyle) {
        return;
    }
    if (!StatusBar().IsLoadingOrUpdating() && !FPanelStyle->CanDelete()) {
        throw EuxException(AncestorStyleCannotBeDeleted);
    }
    FPanelStyle.reset();
}

int32_t TuxStatusBarPanel::GetDefaultMinWidth() const {
    return FPanelStyle ? FPanelStyle->GetMinWidth() : DefaultPanelMinWidth;
}

int32_t TuxStatusBarPanel::GetDefaultWidth() const {
    return IsSizableStyle() ? DefaultPanelWidth : GetDefaultMinWidth();
}

int32_t TuxStatusBarPanel::AdjustWidthForStyle(int32_t width) const {
    if (!FPanelStyle) {
        return width;
    }
    if (!FPanelStyle->DrawsOwnBorders()) {
        width += PanelBorderAllowance;
    }
    if (IsLastPanel() && StatusBar().IsSizeGripVisible()) {
        width += StatusBar().Painter().GetSizeGripSize().cx;
    }
    return width;
}

bool TuxStatusBarPanel::IsLastPanel() const {
    return Index() == Collection()->Count() - 1;
}

// Panels.

TuxStatusBarPanels::TuxStatusBarPanels(TuxCustomStatusBar* bar, const rtl::TMetaclass& panelClass)
    : rtl::TOwnedCollection(bar, panelClass), FStatusBar(bar) {}

void TuxStatusBarPanels::Update(rtl::TCollectionItem* /*item*/) {
    FStatusBar->Recalculate();
}

// Registry.

TuiRegisteredClasses& GetRegisteredStatusBarPanelStyles() {
    std::unique_ptr<TuiRegisteredClasses>& registry = PanelStyleRegistry();
    if (!registry) {
        registry = std::make_unique<TuiRegisteredClasses>(false);
    }
    return *registry;
}

void InitializeStatusBarUnit() {
    TuiRegisteredClasses& registry = GetRegisteredStatusBarPanelStyles();
    registry.Register(&TuxStatusBarTextPanelStyle::StaticClass(), u"Text Panel");
    registry.Register(&TuxStatusBarContainerPanelStyle::StaticClass(), u"Container Panel");
    registry.Register(&TuxStatusBarKeyboardStatePanelStyle::StaticClass(), u"Keyboard State Panel");
    registry.Register(&TuxStatusBarStateIndicatorPanelStyle::StaticClass(), u"State Indicator Panel");
}

void FinalizeStatusBarUnit() {
    std::unique_ptr<TuiRegisteredClasses>& registry = PanelStyleRegistry();
    if (!registry) {
        return;
    }
    registry->Unregister(&TuxStatusBarTextPanelStyle::StaticClass());
    registry->Unregister(&TuxStatusBarContainerPanelStyle::StaticClass());
    registry->Unregister(&TuxStatusBarKeyboardStatePanelStyle::StaticClass());
    registry->Unregister(&TuxStatusBarStateIndicatorPanelStyle::StaticClass());
    registry.reset();
}

} // namespace ui
