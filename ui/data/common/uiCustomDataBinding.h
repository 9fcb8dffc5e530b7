#pragma once
// TuiCustomDataBinding: the link between a visual control and its data. The control asks it whether the data may
// change, what value it stores and whether it is editing; the binding tells the control of value and state changes
// and asks it to write back through three callbacks the control sets right after making it. This base is bound to
// nothing: it stores no value, is never editing and answers the read-only flag it keeps; data-aware descendants
// answer from their data.

#include "rtl/core/Component.h"
#include "rtl/core/Persistent.h"
#include "rtl/variants/Variant.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace ui {

// Which of the data's forms GetStoredValue answers.
enum TuiDataBindingValueSource : uint8_t { dbvsValue, dbvsText };

class TuiCustomDataBinding : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuiCustomDataBinding, rtl::TPersistent)
public:
    // The two arguments of a notice go from the caller to the control unchanged.
    using TNoticeEvent = std::function<void(rtl::TObject* sender, int32_t info)>;
    using TConstructorArgument = rtl::TComponent*;

    explicit TuiCustomDataBinding(rtl::TComponent* owner, rtl::TComponent* dataComponent = nullptr);

    // The owner component is the persistent owner.
    rtl::TPersistent* GetOwner() const override { return FOwner; }
    rtl::TComponent* DataComponent() const { return FDataComponent; }
    rtl::TComponent* VisualControl() const { return FVisualControl; }
    // Stores control and tells VisualControlAttached when it is another one.
    void AttachVisualControl(rtl::TComponent* control);

    void SetOnValueChanged(TNoticeEvent handler) { FOnValueChanged = std::move(handler); }
    void SetOnStateChanged(TNoticeEvent handler) { FOnStateChanged = std::move(handler); }
    void SetOnWriteBack(std::function<void()> handler) { FOnWriteBack = std::move(handler); }

    virtual void NotifyValueChanged(rtl::TObject* sender, int32_t info);
    virtual void NotifyStateChanged(rtl::TObject* sender, int32_t info);
    virtual bool IsDataActive() const { return false; }
    virtual bool GetReadOnly() const { return FReadOnly; }
    // A changed flag tells the control of a state change.
    virtual void ChangeReadOnly(bool value);
    virtual void WriteBackData();
    virtual bool CanModifyData() const { return !GetReadOnly(); }
    // Whether the binding handled action; this one handles none.
    virtual bool ExecuteDataAction(rtl::TObject* /*action*/) { return false; }
    virtual bool UpdateDataAction(rtl::TObject* /*action*/) { return false; }
    virtual rtl::Variant GetStoredValue(TuiDataBindingValueSource /*source*/, bool /*focused*/) {
        return rtl::Variant::Null();
    }
    // What the control writes back to the data; this one keeps nothing.
    virtual void SetStoredValue(TuiDataBindingValueSource /*source*/, const rtl::Variant& /*value*/) {}
    virtual bool IsControlReadOnly() const { return GetReadOnly(); }
    virtual bool HasDataValue() const { return true; }
    virtual bool IsEditing() const { return false; }
    // The control shows the data again: on Escape, after loading, when its display changes.
    virtual void ResetDisplay() {}
    // The control refuses editing keys while this is false.
    virtual bool CanModify() const { return CanModifyData(); }
    virtual void AfterDataChangeHook() {}
    // The control lost the focus.
    virtual void CommitOnExit() {}

protected:
    virtual void VisualControlAttached() {}

private:
    friend std::unique_ptr<TuiCustomDataBinding> CreateDataBinding(const rtl::TMetaclass&, rtl::TComponent*,
                                                                   rtl::TComponent*);

    rtl::TComponent* FDataComponent; // not owned
    rtl::TComponent* FOwner;         // not owned
    bool FReadOnly = false;
    rtl::TComponent* FVisualControl = nullptr; // not owned
    TNoticeEvent FOnValueChanged;
    TNoticeEvent FOnStateChanged;
    std::function<void()> FOnWriteBack;
};

// A binding of bindingClass (TuiCustomDataBinding or a descendant) for owner and its data component; EInvalidCast for
// another class.
std::unique_ptr<TuiCustomDataBinding> CreateDataBinding(const rtl::TMetaclass& bindingClass, rtl::TComponent* owner,
                                                        rtl::TComponent* dataComponent);

} // namespace ui
