#include "ui/core/painters/uiLookAndFeels.h"

#include "ui/core/painters/looks/uiFlatPainter.h"
#include "ui/core/painters/looks/uiNativePainter.h"
#include "ui/core/painters/looks/uiOffice11Painter.h"
#include "ui/core/painters/looks/uiStandardPainter.h"
#include "ui/core/painters/looks/uiUltraFlatPainter.h"
#include "ui/core/painters/uiSystemPaletteNotifier.h"

namespace ui {

namespace {

TuiLookAndFeel* Root = nullptr;
int32_t RootControllerCount = 0;

bool IsController(IuiLookAndFeelClient* client) {
    return dynamic_cast<TuiLookAndFeelController*>(client->GetObject()) != nullptr;
}

rtl::TInterfacePtr<IuiLookAndFeelClient> ClientOf(rtl::TPersistent* listener) {
    return rtl::Supports<IuiLookAndFeelClient>(listener);
}

} // namespace

TuiLookAndFeel* RootLookAndFeel() {
    return Root;
}

bool AreSkinsAllowed() {
    return true;
}

// TuiLookAndFeel

TuiLookAndFeel::TuiLookAndFeel(rtl::TPersistent* owner) : TuiInterfacedPersistent(owner) {
    FCurrentState = FData;
    FPaletteNotifier = std::make_unique<TuiSystemPaletteChangedNotifier>(false);
    FPaletteNotifier->SetOnPaletteChange([this] { PaletteChangeNotice(); });
    if (Root) {
        Root->AddListener(this);
        RecalculateState();
    }
    FCurrentState.Painter = PainterForObjectTypes({});
}

TuiLookAndFeel::~TuiLookAndFeel() {
    if (TuiExtendedStylePainters* registry = ExtendedStylePainters()) {
        registry->RemoveListener(this);
    }
    FPaletteNotifier.reset();
    // The root goes first, so that its listeners, leaving it, find no root to return to.
    if (FIsRoot) {
        Root = nullptr;
    }
    // A listener answers by leaving for the root; the list stays whole while it is walked.
    FDestroying = true;
    FListeners.ForEach([this](IuiLookAndFeelClient* listener) { listener->MasterDestroying(this); });
    FDestroying = false;
    if (TuiLookAndFeel* master = Master()) {
        master->RemoveListener(this);
    }
}

bool TuiLookAndFeel::QueryInterface(const rtl::TGUID& iid, void** object) {
    return rtl::QueryInterfaceOf<IuiLookAndFeelClient, IuiPainterRegistryClient>(this, iid, object);
}

void TuiLookAndFeel::Assign(const rtl::TPersistent* source) {
    const auto* other = dynamic_cast<const TuiLookAndFeel*>(source);
    if (!other) {
        TuiInterfacedPersistent::Assign(source);
        return;
    }
    SavePreviousState();
    FData.Kind = other->FData.Kind;
    FData.NativeStyle = other->FData.NativeStyle;
    FData.SkinName = other->FData.SkinName;
    FAssignedValues = other->FAssignedValues;
    // One notice for the whole copy: the master changes without a notice of its own.
    if (TakesMaster(other->Master())) {
        ReplaceMaster(other->Master());
    }
    NotifyChangesSincePrevious();
}

void TuiLookAndFeel::SetKind(TuiLookAndFeelKind value) {
    FAssignedValues.Include(lfvKind);
    FData.Kind = value;
    if (EffectiveKind() != FCurrentState.Kind) {
        Changed({lfvKind});
    }
}

void TuiLookAndFeel::SetNativeStyle(bool value) {
    FAssignedValues.Include(lfvNativeStyle);
    FData.NativeStyle = value;
    if (EffectiveNativeStyle() != FCurrentState.NativeStyle) {
        Changed({lfvNativeStyle});
    }
}

void TuiLookAndFeel::SetSkinName(rtl::UnicodeStringView value) {
    FAssignedValues.Include(lfvSkinName);
    FData.SkinName = value;
    if (EffectiveSkinName() != FCurrentState.SkinName) {
        Changed({lfvSkinName});
    }
}

void TuiLookAndFeel::SetAssignedValues(TuiLookAndFeelValues values) {
    if (values == FAssignedValues) {
        return;
    }
    SavePreviousState();
    FAssignedValues = values;
    NotifyChangesSincePrevious();
}

TuiLookAndFeel* TuiLookAndFeel::Master() const {
    if (FIsRoot) {
        return nullptr;
    }
    return FMaster ? FMaster : Root;
}

void TuiLookAndFeel::SetMaster(TuiLookAndFeel* master) {
    if (!TakesMaster(master)) {
        return;
    }
    SavePreviousState();
    ReplaceMaster(master);
    NotifyChangesSincePrevious();
}

bool TuiLookAndFeel::TakesMaster(const TuiLookAndFeel* master) const {
    return !FIsRoot && master != this && master != Master();
}

void TuiLookAndFeel::ReplaceMaster(TuiLookAndFeel* master) {
    if (TuiLookAndFeel* previous = Master()) {
        previous->RemoveListener(this);
    }
    FMaster = master;
    if (TuiLookAndFeel* next = Master()) {
        next->AddListener(this);
    }
}

void TuiLookAndFeel::AddListener(rtl::TPersistent* listener) {
    const rtl::TInterfacePtr<IuiLookAndFeelClient> client = ClientOf(listener);
    if (!client) {
        return;
    }
    const bool controller = IsController(client.Get());
    if (controller && !FIsRoot) {
        return;
    }
    if (FListeners.Add(client.Get()) && controller) {
        ++RootControllerCount;
    }
}

void TuiLookAndFeel::RemoveListener(rtl::TPersistent* listener) {
    const rtl::TInterfacePtr<IuiLookAndFeelClient> client = ClientOf(listener);
    if (!client || !FListeners.Contains(client.Get()) || FDestroying) {
        return;
    }
    FListeners.Remove(client.Get());
    if (FIsRoot && IsController(client.Get()) && --RootControllerCount == 0) {
        ResetAssignedValues();
    }
}

TuiLookAndFeelPainterClass TuiLookAndFeel::PainterForObjectType(TuxThemedObjectType type) const {
    if (FCurrentState.NativeStyle && AreVisualStylesActive() && IsThemedObjectTypeAvailable(type)) {
        return &TuiWinXPLookAndFeelPainter::Instance();
    }
    return NonNativePainter();
}

TuiLookAndFeelPainterClass TuiLookAndFeel::PainterForObjectTypes(TuxThemedObjectTypes types) const {
    if (FCurrentState.NativeStyle && AreVisualStylesActive(types)) {
        return &TuiWinXPLookAndFeelPainter::Instance();
    }
    return NonNativePainter();
}

TuiLookAndFeelPainterClass TuiLookAndFeel::NonNativePainter() const {
    return FSkinPainter ? FSkinPainter : PainterOfKind();
}

TuiLookAndFeelPainterClass TuiLookAndFeel::PainterOfKind() const {
    return LookAndFeelPainterOfKind(FCurrentState.Kind);
}

TuiLookAndFeelPainterClass LookAndFeelPainterOfKind(TuiLookAndFeelKind kind) {
    switch (kind) {
    case lfFlat:
        return &TuiFlatLookAndFeelPainter::Instance();
    case lfStandard:
        return &TuiStandardLookAndFeelPainter::Instance();
    case lfOffice11:
        return &TuiOffice11LookAndFeelPainter::Instance();
    case lfUltraFlat:
        break;
    }
    return &TuiUltraFlatLookAndFeelPainter::Instance();
}

void TuiLookAndFeel::MasterChanged(TuiLookAndFeel* /*sender*/, TuiLookAndFeelValues changed) {
    Changed(changed - FAssignedValues);
}

void TuiLookAndFeel::MasterDestroying(TuiLookAndFeel* /*sender*/) {
    SetMaster(nullptr);
}

void TuiLookAndFeel::SkinPaintersChanged(TuiLookAndFeelPainterClass /*painter*/) {
    Changed(uiAllLookAndFeelValues);
}

void TuiLookAndFeel::RecalculateState() {
    FCurrentState.Kind = EffectiveKind();
    FCurrentState.NativeStyle = EffectiveNativeStyle();
    FCurrentState.SkinName = EffectiveSkinName();
    FCurrentState.SkinsAllowed = AreSkinsAllowed();
    FSkinPainter = FCurrentState.NativeStyle ? nullptr : EffectiveSkinPainter();
}

TuiLookAndFeelKind TuiLookAndFeel::EffectiveKind() const {
    if (FAssignedValues.Contains(lfvKind)) {
        return FData.Kind;
    }
    const TuiLookAndFeel* master = Master();
    return master ? master->Kind() : lfUltraFlat;
}

bool TuiLookAndFeel::EffectiveNativeStyle() const {
    if (FAssignedValues.Contains(lfvNativeStyle)) {
        return FData.NativeStyle;
    }
    const TuiLookAndFeel* master = Master();
    return master ? master->NativeStyle() : false;
}

rtl::UnicodeString TuiLookAndFeel::EffectiveSkinName() const {
    if (FAssignedValues.Contains(lfvSkinName)) {
        return FData.SkinName;
    }
    const TuiLookAndFeel* master = Master();
    return master ? master->SkinName() : rtl::UnicodeString();
}

TuiLookAndFeelPainterClass TuiLookAndFeel::EffectiveSkinPainter() const {
    TuiLookAndFeelPainterClass painter = nullptr;
    if (FAssignedValues.Contains(lfvSkinName)) {
        FindSkinPainter(FData.SkinName, painter);
    } else if (const TuiLookAndFeel* master = Master()) {
        master->FindSkinPainter(master->SkinName(), painter);
    }
    return painter;
}

bool TuiLookAndFeel::FindSkinPainter(rtl::UnicodeStringView name, TuiLookAndFeelPainterClass& painter) const {
    painter = nullptr;
    const TuiExtendedStylePainters* registry = ExtendedStylePainters();
    TuiLookAndFeelPainterClass found = nullptr;
    if (name.empty() || !registry || !registry->FindPainter(name, found)) {
        return false;
    }
    if (AreSkinsAllowed()) {
        painter = found;
    }
    return true;
}

void TuiLookAndFeel::PaletteChangeNotice() {
    Changed({lfvNativeStyle});
}

void TuiLookAndFeel::Changed(TuiLookAndFeelValues changed) {
    if ((changed.IsEmpty() && FCurrentState.SkinsAllowed == AreSkinsAllowed()) || FDestroying) {
        return;
    }
    RecalculateState();
    FCurrentState.Painter = PainterForObjectTypes({});
    UpdateRegistryListening();
    FListeners.ForEach([this, changed](IuiLookAndFeelClient* listener) { listener->MasterChanged(this, changed); });
    if (FOnChanged) {
        FOnChanged(this, changed);
    }
}

void TuiLookAndFeel::UpdateRegistryListening() {
    TuiExtendedStylePainters* registry = ExtendedStylePainters();
    if (!registry) {
        return;
    }
    // Listening while a skin is named, not only while one is found, lets a skin registered later take over.
    if (FSkinPainter || !FCurrentState.SkinName.empty()) {
        registry->AddListener(this);
    } else {
        registry->RemoveListener(this);
    }
}

void TuiLookAndFeel::SavePreviousState() {
    FPreviousState.Kind = FCurrentState.Kind;
    FPreviousState.NativeStyle = FCurrentState.NativeStyle;
    FPreviousState.SkinName = FCurrentState.SkinName;
}

void TuiLookAndFeel::NotifyChangesSincePrevious() {
    TuiLookAndFeelValues changed;
    if (EffectiveKind() != FPreviousState.Kind) {
        changed.Include(lfvKind);
    }
    if (EffectiveNativeStyle() != FPreviousState.NativeStyle) {
        changed.Include(lfvNativeStyle);
    }
    if (EffectiveSkinName() != FPreviousState.SkinName) {
        changed.Include(lfvSkinName);
    }
    Changed(changed);
}

// TuiLookAndFeelController

TuiLookAndFeelController::TuiLookAndFeelController(rtl::TComponent* owner) : TComponent(owner) {
    if (Root) {
        Root->AddListener(this);
    }
}

TuiLookAndFeelController::~TuiLookAndFeelController() {
    if (Root) {
        Root->RemoveListener(this);
    }
}

bool TuiLookAndFeelController::QueryInterface(const rtl::TGUID& iid, void** object) {
    return rtl::QueryInterfaceOf<IuiLookAndFeelClient>(this, iid, object) || TComponent::QueryInterface(iid, object);
}

TuiLookAndFeelKind TuiLookAndFeelController::Kind() const {
    return Root ? Root->Kind() : lfUltraFlat;
}

void TuiLookAndFeelController::SetKind(TuiLookAndFeelKind value) {
    if (Root) {
        Root->SetKind(value);
    }
}

bool TuiLookAndFeelController::NativeStyle() const {
    return Root ? Root->NativeStyle() : false;
}

void TuiLookAndFeelController::SetNativeStyle(bool value) {
    if (Root) {
        Root->SetNativeStyle(value);
    }
}

rtl::UnicodeString TuiLookAndFeelController::SkinName() const {
    return Root ? Root->SkinName() : rtl::UnicodeString();
}

void TuiLookAndFeelController::SetSkinName(rtl::UnicodeStringView value) {
    if (Root) {
        Root->SetSkinName(value);
    }
}

void TuiLookAndFeelController::Reset() {
    SetKind(lfUltraFlat);
    SetNativeStyle(false);
    SetSkinName({});
}

// Unit

void InitializeLookAndFeelsUnit() {
    auto root = std::make_unique<TuiLookAndFeel>(nullptr);
    root->FIsRoot = true;
    Root = root.release();
}

void FinalizeLookAndFeelsUnit() {
    delete Root;
    Root = nullptr;
    RootControllerCount = 0;
}

} // namespace ui
