#pragma once
// How an editor control talks to its data. TuiEditDataBinding is the unbound binding every editor makes: it owns the
// default-values provider that answers the properties' questions about defaults and sends value questions back to
// the editor; an editor bound to data has a binding whose provider says so. TuiDataBinding is the data layer's
// binding as the editors' controls that hold a list (the list boxes) make it. TuiCustomEditData is the state a host
// keeps per item while an in-place editor moves between cells; TuiEditChangeEventsCatcher holds an editor's change
// events while they are locked and fires each once afterwards.

#include "rtl/core/Persistent.h"
#include "rtl/variants/Variant.h"
#include "ui/core/objects/uiComponents.h"
#include "ui/data/common/uiCustomDataBinding.h"
#include "ui/editors/framework/properties/uiEditProperties.h"

#include <cstdint>
#include <memory>

namespace ui {

class TuiCustomEdit;

class TuiDataBinding : public TuiCustomDataBinding {
    RTL_DECLARE_CLASS(TuiDataBinding, TuiCustomDataBinding)
public:
    using TuiCustomDataBinding::TuiCustomDataBinding;
};

class TuiEditDataBinding : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuiEditDataBinding, rtl::TPersistent)
public:
    // The binding owns a default-values provider of providerClass (a descendant of
    // TuiCustomEditDefaultValuesProvider).
    explicit TuiEditDataBinding(TuiCustomEdit* editor, const rtl::TMetaclass& providerClass =
                                                           TuiCustomEditDefaultValuesProvider::StaticClass());
    ~TuiEditDataBinding() override;

    rtl::TPersistent* GetOwner() const override;
    TuiCustomEdit& Editor() const { return *FEditor; }

    // The editor's properties hear of a change of the defaults.
    virtual void DefaultValuesChanged();
    virtual void GetDisplayValue(rtl::Variant& value);
    virtual bool IsChangedByUser();
    virtual bool GetModified();
    virtual void GetStoredValue(rtl::Variant& value);
    virtual bool IsDataReadOnly() { return !IsDataAvailable(); }
    // The editor reverts its value.
    virtual void Reset();
    virtual void SetDisplayValue(const rtl::Variant& value);
    virtual bool SetModified();
    virtual void SetStoredValue(const rtl::Variant&) {}
    virtual bool IsValueUntouched();
    virtual bool IsDataAvailable();
    bool GetChangedByUser() { return GetModified(); }
    virtual void NotifyUserChange();
    virtual void UpdateDisplayValue();
    virtual void Loaded() {}

    IuiEditDefaultValuesProvider* GetIDefaultValuesProvider() const;
    bool IsDataEditable() { return IsDataAvailable(); }

private:
    TuiCustomEdit* FEditor; // not owned: the binding's owner
    std::unique_ptr<TuiCustomEditDefaultValuesProvider> FDefaultValuesProvider;
};

// Per-item state of an in-place editor; its editor reference clears itself when the editor is freed.
class TuiCustomEditData : public rtl::TObject {
    RTL_DECLARE_CLASS(TuiCustomEditData, rtl::TObject)
public:
    // The editor's class is checked where it is complete; the virtual constructor takes it as a component.
    using TConstructorArgument = rtl::TComponent*;

    explicit TuiCustomEditData(rtl::TComponent* editor);
    ~TuiCustomEditData() override;

    TuiCustomEdit* Editor() const { return FEditor; }
    bool Cleared() const { return FCleared; }
    void SetCleared(bool value) { FCleared = value; }
    // Flags the data cleared; a living editor saves its state into it when it is its current one.
    void Clear();

private:
    TuiCustomEdit* FEditor; // not owned
    std::unique_ptr<TuiFreeNotificator> FFreeNotificator;
    bool FCleared = false;
};

class TuiEditChangeEventsCatcher {
public:
    explicit TuiEditChangeEventsCatcher(TuiCustomEdit& editor) : FEditor(editor) {}

    bool IsLocked() const { return FLockCount > 0; }
    // Locking clears the caught flags at the first lock; the last unlock fires what was caught when fire is set.
    void Lock(bool lock, bool fire);
    void CatchChange() { FOnChangeCaught = true; }
    void CatchEditValueChanged() { FOnEditValueChangedCaught = true; }

private:
    TuiCustomEdit& FEditor;
    int32_t FLockCount = 0;
    bool FOnChangeCaught = false;
    bool FOnEditValueChangedCaught = false;
};

} // namespace ui
