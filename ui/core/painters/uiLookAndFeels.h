#pragma once
// The look-and-feel settings every control owns: a kind, a native-style flag and a skin name, each assigned locally or
// inherited from a master, from which the settings choose the painter the control draws with. Settings without a
// master of their own follow the root, which TuiLookAndFeelController edits, so that one setting restyles every
// control that does not override it.

#include "rtl/core/Component.h"
#include "rtl/core/SmallSet.h"
#include "rtl/text/StringTypes.h"
#include "ui/core/objects/uiComponents.h"
#include "ui/core/objects/uiListenerList.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/core/painters/uiPainterRegistry.h"
#include "ui/core/themes/uxThemeManager.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace ui {

class TuiLookAndFeel;
class TuiSystemPaletteChangedNotifier;

enum TuiLookAndFeelValue : uint8_t { lfvKind, lfvNativeStyle, lfvSkinName };
using TuiLookAndFeelValues = rtl::TSmallSet<TuiLookAndFeelValue>;
inline constexpr TuiLookAndFeelValues uiAllLookAndFeelValues{lfvKind, lfvNativeStyle, lfvSkinName};

// A set of settings: kind, native style and skin name, with the painter chosen from them and the skins-allowed flag in
// force when it was chosen.
struct TuiLookAndFeelData {
    TuiLookAndFeelKind Kind = lfUltraFlat;
    bool NativeStyle = false;
    rtl::UnicodeString SkinName;
    TuiLookAndFeelPainterClass Painter = nullptr;
    bool SkinsAllowed = true;
};

// Hears of its master's changes: settings listening to their master, and the controllers listening to the root.
class IuiLookAndFeelClient : public virtual rtl::IInterface {
public:
    static constexpr rtl::TGUID IID = rtl::GUIDLiteral(u"{205538BF-F19E-4285-B11F-B182D9635881}");
    // The object that implements the interface.
    virtual rtl::TObject* GetObject() = 0;
    virtual void MasterChanged(TuiLookAndFeel* sender, TuiLookAndFeelValues changed) = 0;
    virtual void MasterDestroying(TuiLookAndFeel* sender) = 0;

protected:
    ~IuiLookAndFeelClient() = default;
};

// Marks the controls a skin painter can draw.
class IuiSkinDrawnMarker : public virtual rtl::IInterface {
public:
    static constexpr rtl::TGUID IID = rtl::GUIDLiteral(u"{EF3FF483-9B69-46DF-95A4-D3A3810F63A5}");

protected:
    ~IuiSkinDrawnMarker() = default;
};

class TuiLookAndFeel : public TuiInterfacedPersistent, public IuiLookAndFeelClient, public IuiPainterRegistryClient {
    RTL_DECLARE_CLASS(TuiLookAndFeel, TuiInterfacedPersistent)
public:
    using TChangedEvent = std::function<void(TuiLookAndFeel* sender, TuiLookAndFeelValues changed)>;

    // Follows the root, when there is one. A descendant that overrides the Effective operations recalculates in its
    // own constructor: during this one only these operations answer.
    explicit TuiLookAndFeel(rtl::TPersistent* owner);
    // Tells its listeners, which fall back to the root, and leaves its master.
    ~TuiLookAndFeel() override;

    bool QueryInterface(const rtl::TGUID& iid, void** object) override;
    int32_t AddRef() override { return TuiInterfacedPersistent::AddRef(); }
    int32_t Release() override { return TuiInterfacedPersistent::Release(); }

    // Copies another look-and-feel's assigned values and master; anything else raises the assignment error.
    void Assign(const rtl::TPersistent* source) override;

    // The effective values.
    TuiLookAndFeelKind Kind() const { return FCurrentState.Kind; }
    bool NativeStyle() const { return FCurrentState.NativeStyle; }
    const rtl::UnicodeString& SkinName() const { return FCurrentState.SkinName; }
    // Each marks its value assigned, and tells of a change when the effective value changed.
    void SetKind(TuiLookAndFeelKind value);
    void SetNativeStyle(bool value);
    void SetSkinName(rtl::UnicodeStringView value);

    TuiLookAndFeelValues AssignedValues() const { return FAssignedValues; }
    void SetAssignedValues(TuiLookAndFeelValues values);
    void ResetAssignedValues() { SetAssignedValues({}); }

    // nullptr for the root; else the master set, or the root when none is.
    TuiLookAndFeel* Master() const;
    // Ignored on the root, for itself and for the present master; nullptr means the root.
    void SetMaster(TuiLookAndFeel* master);
    bool IsRoot() const { return FIsRoot; }

    // Only persistents offering IuiLookAndFeelClient are listed, each once; controllers only by the root.
    void AddListener(rtl::TPersistent* listener);
    void RemoveListener(rtl::TPersistent* listener);

    // The painter all drawing of the owning control goes through.
    TuiLookAndFeelPainterClass ActivePainter() const { return FCurrentState.Painter; }
    // The skin's painter when a skin draws the owning control, else nullptr.
    TuiLookAndFeelPainterClass SkinPainter() const { return FSkinPainter; }
    // The painter for drawing the native elements of type, or of every type of types.
    TuiLookAndFeelPainterClass PainterForObjectType(TuxThemedObjectType type) const;
    TuiLookAndFeelPainterClass PainterForObjectTypes(TuxThemedObjectTypes types) const;

    const TChangedEvent& OnChanged() const { return FOnChanged; }
    void SetOnChanged(TChangedEvent handler) { FOnChanged = std::move(handler); }

    // IuiLookAndFeelClient: values assigned here shield this one from its master's changes.
    rtl::TObject* GetObject() override { return this; }
    void MasterChanged(TuiLookAndFeel* sender, TuiLookAndFeelValues changed) override;
    void MasterDestroying(TuiLookAndFeel* sender) override;
    // IuiPainterRegistryClient: a skin came or went, so every value may have changed.
    void SkinPaintersChanged(TuiLookAndFeelPainterClass painter) override;

protected:
    virtual void RecalculateState();
    virtual TuiLookAndFeelKind EffectiveKind() const;
    virtual bool EffectiveNativeStyle() const;
    virtual rtl::UnicodeString EffectiveSkinName() const;
    // The skin painter of the assigned skin name, else of the master's; nullptr when there is none.
    virtual TuiLookAndFeelPainterClass EffectiveSkinPainter() const;
    // True when name is a registered skin; painter is that skin's painter while skins are allowed, else nullptr.
    virtual bool FindSkinPainter(rtl::UnicodeStringView name, TuiLookAndFeelPainterClass& painter) const;
    virtual void PaletteChangeNotice();

    // Recalculates, chooses the painter again and tells the listeners and OnChanged.
    void Changed(TuiLookAndFeelValues changed);

private:
    friend void InitializeLookAndFeelsUnit();

    // Not the root, and master is neither itself nor the present master.
    bool TakesMaster(const TuiLookAndFeel* master) const;
    // Leaves the present master's listeners for master's (the root's for nullptr), telling nobody.
    void ReplaceMaster(TuiLookAndFeel* master);
    void SavePreviousState();
    void NotifyChangesSincePrevious();
    void UpdateRegistryListening();
    TuiLookAndFeelPainterClass PainterOfKind() const;
    TuiLookAndFeelPainterClass NonNativePainter() const;

    TuiLookAndFeelValues FAssignedValues;
    TuiListenerList<IuiLookAndFeelClient> FListeners; // not owned
    TuiLookAndFeelData FCurrentState;
    TuiLookAndFeelData FData;
    bool FDestroying = false;
    bool FIsRoot = false;
    TuiLookAndFeel* FMaster = nullptr; // not owned
    TuiLookAndFeelPainterClass FSkinPainter = nullptr;
    TuiLookAndFeelData FPreviousState;
    std::unique_ptr<TuiSystemPaletteChangedNotifier> FPaletteNotifier;
    TChangedEvent FOnChanged;
};

// Edits the root look-and-feel from a form: it holds no values of its own.
class TuiLookAndFeelController : public rtl::TComponent, public IuiLookAndFeelClient {
    RTL_DECLARE_CLASS(TuiLookAndFeelController, rtl::TComponent)
public:
    explicit TuiLookAndFeelController(rtl::TComponent* owner);
    // The last controller to go resets the root.
    ~TuiLookAndFeelController() override;

    bool QueryInterface(const rtl::TGUID& iid, void** object) override;
    int32_t AddRef() override { return -1; }
    int32_t Release() override { return -1; }

    // The root's values (the defaults without a root); writing without a root does nothing.
    TuiLookAndFeelKind Kind() const;
    void SetKind(TuiLookAndFeelKind value);
    bool NativeStyle() const;
    void SetNativeStyle(bool value);
    rtl::UnicodeString SkinName() const;
    void SetSkinName(rtl::UnicodeStringView value);
    // Ultra-flat, no native style, no skin, each assigned.
    virtual void Reset();

    rtl::TObject* GetObject() override { return this; }
    // Nothing to tell: there is no form designer at run time.
    void MasterChanged(TuiLookAndFeel* /*sender*/, TuiLookAndFeelValues /*changed*/) override {}
    void MasterDestroying(TuiLookAndFeel* /*sender*/) override {}
};

// The painter of a look-and-feel kind, without native style or skin.
TuiLookAndFeelPainterClass LookAndFeelPainterOfKind(TuiLookAndFeelKind kind);

// The root look-and-feel; nullptr outside the UI core's start-up and shut-down.
TuiLookAndFeel* RootLookAndFeel();
// The flag a look-and-feel's skin painter depends on; always true in this system.
bool AreSkinsAllowed();

// Start-up makes the root, before any control; shut-down frees it.
void InitializeLookAndFeelsUnit();
void FinalizeLookAndFeelsUnit();

} // namespace ui
