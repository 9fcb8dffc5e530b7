#pragma once
// TuiCustomEditProperties: the description of an editor, everything that is the same for every value it shows
// (buttons, alignment, read-only state, limits, keys, events). A standalone editor owns one; a host that paints cells
// keeps one per column. Beside it: the assigned-values flags (which inheritable values were set here), the
// default-values provider (the data behind an editor, answering defaults), the list of live properties objects and
// the registry of properties classes.

#include "rtl/core/Events.h"
#include "rtl/core/Interfaces.h"
#include "rtl/variants/Variant.h"
#include "ui/core/objects/uiClassRegistries.h"
#include "ui/core/objects/uiComponents.h"
#include "ui/editors/framework/buttons/uiEditButtons.h"
#include "ui/editors/framework/properties/uiEditAlignment.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace ui {

class TuiCanvas;
class TuiCustomEdit;
class TuiCustomEditProperties;
class TuiCustomEditStyle;
class TuiCustomEditViewData;
class TuiCustomEditViewInfo;
struct TuiEditSizeRequest;

// Which of the inheritable values of its properties were set there; a clear flag leaves the value to the provider.
// Changing a flag never changes the value itself.
class TuiCustomEditPropertiesValues : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuiCustomEditPropertiesValues, rtl::TPersistent)
public:
    using TConstructorArgument = rtl::TPersistent*;

    explicit TuiCustomEditPropertiesValues(rtl::TPersistent* owner);

    rtl::TPersistent* GetOwner() const override { return FOwner; }
    // From other values: the flags, inside the owner's update (one notification).
    void Assign(const rtl::TPersistent* source) override;
    // Clears every flag, inside the owner's update.
    virtual void ResetAssigned();

    bool MaxValue() const { return FMaxValue; }
    void SetMaxValue(bool value) { SetFlag(FMaxValue, value); }
    bool MinValue() const { return FMinValue; }
    void SetMinValue(bool value) { SetFlag(FMinValue, value); }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { SetFlag(FReadOnly, value); }

protected:
    TuiCustomEditProperties* Properties() const;
    // Stores the flag and tells the owner when it changed.
    void SetFlag(bool& flag, bool value);

private:
    rtl::TPersistent* FOwner; // not owned: the properties
    bool FMaxValue = false;
    bool FMinValue = false;
    bool FReadOnly = false;
};

// The data behind an editor, asked for the defaults of values not set on the properties.
class IuiEditDefaultValuesProvider : public virtual rtl::IInterface {
public:
    static constexpr rtl::TGUID IID = rtl::GUIDLiteral(u"{4A7C2E91-6B3D-4F08-A5E1-9C2D7B3F6A14}");

    virtual bool IsDataModifiable() = 0;
    // Every properties object using this provider forgets it.
    virtual void DetachFromProperties() = 0;
    virtual vcl::TAlignment DefaultAlignment() = 0;
    virtual int32_t DefaultBlobKind() = 0;
    virtual bool CanEnterEditMode() = 0;
    virtual rtl::UnicodeString DefaultDisplayFormat() = 0;
    virtual rtl::UnicodeString DefaultEditFormat() = 0;
    virtual rtl::UnicodeString DefaultEditMask() = 0;
    virtual int32_t DefaultValueKind() = 0;
    virtual int32_t DefaultMaxLength() = 0;
    virtual double DefaultMaxValue() = 0;
    virtual double DefaultMinValue() = 0;
    virtual int32_t DefaultPrecision() = 0;
    virtual bool DefaultReadOnly() = 0;
    virtual bool IsValueRequired() = 0;
    // The object that implements the interface.
    virtual rtl::TObject* GetInstance() = 0;
    virtual bool IsBoundToData() = 0;
    virtual bool IsBlob() = 0;
    virtual bool IsCurrency() = 0;
    virtual bool HasData() = 0;
    virtual bool IsDisplayFormatDefined(bool currencyFormatUnacceptable) = 0;
    virtual bool HasCustomDisplayText() = 0;

protected:
    ~IuiEditDefaultValuesProvider() = default;
};

// A provider with fixed answers, the base of the data's own providers. Its destruction detaches it from every
// properties object first, so none keeps a dead provider.
class TuiCustomEditDefaultValuesProvider : public TuiInterfacedPersistent, public IuiEditDefaultValuesProvider {
    RTL_DECLARE_CLASS(TuiCustomEditDefaultValuesProvider, TuiInterfacedPersistent)
public:
    explicit TuiCustomEditDefaultValuesProvider(rtl::TPersistent* owner) : TuiInterfacedPersistent(owner) {}
    ~TuiCustomEditDefaultValuesProvider() override;

    bool QueryInterface(const rtl::TGUID& iid, void** object) override;
    int32_t AddRef() override { return TuiInterfacedPersistent::AddRef(); }
    int32_t Release() override { return TuiInterfacedPersistent::Release(); }

    bool IsDataModifiable() override { return true; }
    void DetachFromProperties() override;
    vcl::TAlignment DefaultAlignment() override { return vcl::taLeftJustify; }
    int32_t DefaultBlobKind() override { return 3; }
    bool CanEnterEditMode() override { return true; }
    rtl::UnicodeString DefaultDisplayFormat() override { return {}; }
    rtl::UnicodeString DefaultEditFormat() override { return {}; }
    rtl::UnicodeString DefaultEditMask() override { return {}; }
    int32_t DefaultValueKind() override { return 0; }
    int32_t DefaultMaxLength() override { return 0; }
    double DefaultMaxValue() override { return 0.0; }
    double DefaultMinValue() override { return 0.0; }
    int32_t DefaultPrecision() override { return 15; }
    bool DefaultReadOnly() override { return false; }
    bool IsValueRequired() override { return false; }
    rtl::TObject* GetInstance() override { return this; }
    bool IsBoundToData() override { return false; }
    bool IsBlob() override { return false; }
    bool IsCurrency() override { return false; }
    bool HasData() override { return true; }
    bool IsDisplayFormatDefined(bool) override { return false; }
    bool HasCustomDisplayText() override { return false; }
};

// Display-format options (GetDisplayFormatOptions).
enum TuiEditDisplayFormatOption : uint8_t { dfoSupports, dfoNoCurrencyValue };
using TuiEditDisplayFormatOptions = rtl::TSmallSet<TuiEditDisplayFormatOption>;

class TuiCustomEditProperties : public TuiInterfacedPersistent {
    RTL_DECLARE_CLASS(TuiCustomEditProperties, TuiInterfacedPersistent)
public:
    using TButtonClickEvent = std::function<void(rtl::TObject* sender, int32_t buttonIndex)>;
    using TValidateEvent = std::function<void(rtl::TObject* sender, rtl::Variant& displayValue,
                                              rtl::UnicodeString& errorText, bool& error)>;

    explicit TuiCustomEditProperties(rtl::TPersistent* owner)
        : TuiCustomEditProperties(owner, TuiCustomEditPropertiesValues::StaticClass()) {}
    ~TuiCustomEditProperties() override;

    // From other properties, inside one update (see the source); else the conversion error.
    void Assign(const rtl::TPersistent* source) override;
    // A new object of the same class, without owner.
    std::unique_ptr<TuiCustomEditProperties> CreateEmptyCopy() const;

    // The change protocol: changes inside BeginUpdate/EndUpdate, under the change lock or while the owner is being
    // destroyed are remembered as pending; the outermost EndUpdate(true) delivers a pending change once.
    void BeginUpdate();
    void EndUpdate(bool notify = true);
    void Changed();
    bool IsChangeLocked() const { return FChangeLock || FUpdateCount > 0; }
    bool CanNotifyChange() const;
    // Only sets the lock; releasing it delivers nothing.
    void SetChangeLock(bool value) { FChangeLock = value; }
    bool IsChanging() const { return FChangingCount > 0; }
    bool IsChangePending() const { return FChangePending; }

    // The owner's handler, called by DoChanged with the properties as sender.
    void SetOnPropertiesChanged(rtl::TNotifyEvent handler) { FOnPropertiesChanged = std::move(handler); }

    // The public alignment, refreshed: an unassigned Horz shows the default one. Writing through it lands in the
    // stored alignment and notifies.
    TuiEditAlignment& GetAlignment();
    void SetAlignment(const TuiEditAlignment& value);
    // Horz or Vert was assigned here (the public alignment always shows a Horz).
    bool IsAlignmentStored() const { return FInnerAlignment->IsHorzStored() || FInnerAlignment->IsVertStored(); }
    const rtl::TMetaclass& GetAssignedValuesClass() const { return FAssignedValues->ClassType(); }
    TuiCustomEditPropertiesValues& AssignedValues() const { return *FAssignedValues; }
    void SetAssignedValues(const TuiCustomEditPropertiesValues& values) { FAssignedValues->Assign(&values); }
    TuiEditButtons& Buttons() const { return *FButtons; }
    void SetButtons(const TuiEditButtons& value) { FButtons->Assign(&value); }

    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool value) { SetAndNotify(FAutoSelect, value); }
    // 0: text with buttons; 1: buttons only, stretched; 2: buttons only, the editor as wide as they are.
    uint8_t ButtonsOnlyMode() const { return FButtonsOnlyMode; }
    void SetButtonsOnlyMode(uint8_t value) { SetAndNotify(FButtonsOnlyMode, value); }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value) { SetAndNotify(FTransparent, value); }
    bool UseLeftAlignmentOnEditing() const { return FUseLeftAlignmentOnEditing; }
    void SetUseLeftAlignmentOnEditing(bool value) { SetAndNotify(FUseLeftAlignmentOnEditing, value); }
    bool IsUseLeftAlignmentOnEditingStored() const {
        return FUseLeftAlignmentOnEditing != DefaultUseLeftAlignmentOnEditing();
    }

    bool BeepOnError() const { return FBeepOnError; }
    void SetBeepOnError(bool value) { FBeepOnError = value; }
    uint16_t ClearKey() const { return FClearKey; }
    void SetClearKey(uint16_t value) { FClearKey = value; }
    uint16_t ClickKey() const { return FClickKey; }
    void SetClickKey(uint16_t value) { FClickKey = value; }
    bool ImmediatePost() const { return FImmediatePost; }
    void SetImmediatePost(bool value) { FImmediatePost = value; }
    bool ValidateOnEnter() const { return FValidateOnEnter; }
    void SetValidateOnEnter(bool value) { FValidateOnEnter = value; }
    bool AcceptsMouseWheel() const { return FAcceptsMouseWheel; }
    void SetAcceptsMouseWheel(bool value) { FAcceptsMouseWheel = value; }

    // The explicitly set value when flagged assigned, else the provider's default, else 0 / False.
    double GetMaxValue();
    double GetMinValue();
    bool GetReadOnly();
    // Store, flag assigned and notify, unless flagged already with an equal value.
    void SetMaxValue(double value);
    void SetMinValue(double value);
    void SetReadOnly(bool value);
    bool IsMaxValueStored() const { return FAssignedValues->MaxValue(); }
    bool IsMinValueStored() const { return FAssignedValues->MinValue(); }
    bool IsReadOnlyStored() const { return FAssignedValues->ReadOnly(); }
    bool CanModifyValue();

    IuiEditDefaultValuesProvider* DefaultValuesProvider() const { return FDefaultValuesProvider.Get(); }
    void AssignDefaultValuesProvider(IuiEditDefaultValuesProvider* provider);
    bool IsProviderDisplayFormatDefined(bool editing);
    bool UsesDataDisplayFormatWhenIdle();

    // The companions that lay out and paint a value without a control: a view data for a style, and the view info
    // it fills.
    virtual std::unique_ptr<TuiCustomEditViewData> CreateViewData(TuiCustomEditStyle& style, bool isInplace,
                                                                  bool extraFlag = false);
    virtual std::unique_ptr<TuiCustomEditViewInfo> CreateViewInfo() const;
    // The size an editor of these properties needs for editValue, through a view data of its own.
    vcl::TSize GetEditSize(TuiCanvas& canvas, TuiCustomEditStyle& style, bool isInplace, const rtl::Variant& editValue,
                           const TuiEditSizeRequest& request);

    // Resets the stored alignment, then clears every assigned flag (one notification).
    virtual void RestoreDefaults();
    virtual bool CanValidate() const { return false; }
    // After the editor converted the entered text: a default error text, then the validate handlers of the editor's
    // own properties and of its repository item's. A handler that sets error without changing the text gets the
    // editor's display text back.
    void ValidateValue(rtl::Variant& displayValue, rtl::UnicodeString& errorText, TuiCustomEdit& edit, bool& error);
    // The control class that edits with these properties.
    virtual const rtl::TMetaclass& GetContainerClass() const;
    // The input filter: whether a typed character may reach the editor; the base lets every character pass.
    virtual bool IsValidInputChar(char16_t) const { return true; }
    virtual bool DefaultUseLeftAlignmentOnEditing() const { return true; }
    virtual void DefaultValuesProviderDestroyed() { FDefaultValuesProvider.Reset(); }
    virtual void FreeNotification(rtl::TComponent*) {}
    virtual vcl::TAlignment GetDefaultHorzAlignment();
    virtual TuiEditDisplayFormatOptions GetDisplayFormatOptions() const { return {}; }
    virtual rtl::UnicodeString GetValidateErrorText(int32_t errorKind) const;
    virtual bool IsChangeEventFromText() const { return false; }
    virtual bool WantsTabKey() const { return false; }
    virtual bool HasSeparateDisplayForm() const { return true; }
    virtual bool NotifiesEditValueChange() const { return false; }
    virtual void CopyRuntimeData(TuiCustomEditProperties&) const {}
    virtual void DataChangedHook() {}
    virtual bool AreDisplayValuesEqual(const rtl::Variant& value1, const rtl::Variant& value2);
    virtual rtl::UnicodeString GetDisplayText(const rtl::Variant& editValue, bool fullText = false,
                                              bool isInplace = true);
    // Bit value 32: the editor has buttons.
    virtual uint32_t GetCapabilities() const;
    virtual uint32_t GetFeatureFlags() const { return 0; }
    virtual bool IsValueKeyChar(char16_t) const { return false; }
    virtual bool IsEditValueValid(rtl::Variant&, bool) { return true; }
    virtual bool CanResetValue() const { return false; }
    virtual void PrepareDisplayValue(const rtl::Variant& editValue, rtl::Variant& displayValue, bool editing);
    virtual bool CanShowDataDisplayText(bool) { return false; }

    const TButtonClickEvent& OnButtonClick() const { return FOnButtonClick; }
    void SetOnButtonClick(TButtonClickEvent handler) { FOnButtonClick = std::move(handler); }
    const rtl::TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(rtl::TNotifyEvent handler) { FOnChange = std::move(handler); }
    const rtl::TNotifyEvent& OnEditValueChanged() const { return FOnEditValueChanged; }
    void SetOnEditValueChanged(rtl::TNotifyEvent handler) { FOnEditValueChanged = std::move(handler); }
    const TValidateEvent& OnValidate() const { return FOnValidate; }
    void SetOnValidate(TValidateEvent handler) { FOnValidate = std::move(handler); }

protected:
    // Descendants with more assigned-value flags pass their values class.
    TuiCustomEditProperties(rtl::TPersistent* owner, const rtl::TMetaclass& assignedValuesClass);

    // Calls the owner's handler, keeping IsChanging true meanwhile (balanced also when the handler throws).
    virtual void DoChanged();
    virtual void ButtonsChanged() { Changed(); }
    virtual void AlignmentChanged();
    // Stores a changed value and notifies.
    template <class T>
    void SetAndNotify(T& field, const T& value) {
        if (field != value) {
            field = value;
            Changed();
        }
    }

private:
    void SetLimit(double& field, double value, bool assigned, void (TuiCustomEditPropertiesValues::*flag)(bool));
    bool IsOwnerBeingWritten() const;

    bool FAutoSelect = true;
    bool FBeepOnError = false;
    std::unique_ptr<TuiEditButtons> FButtons;
    uint8_t FButtonsOnlyMode = 0;
    bool FChangePending = false;
    uint16_t FClearKey = 0;
    uint16_t FClickKey = 16397; // Ctrl+Enter
    std::unique_ptr<TuiFreeNotificator> FFreeNotificator;
    bool FImmediatePost = false;
    std::unique_ptr<TuiEditAlignment> FInnerAlignment;
    int32_t FChangingCount = 0;
    double FMaxValue = 0.0;
    double FMinValue = 0.0;
    bool FReadOnly = false;
    bool FTransparent = false;
    int32_t FUpdateCount = 0;
    bool FUseLeftAlignmentOnEditing = true;
    bool FAcceptsMouseWheel = true;
    bool FValidateOnEnter = false;
    TButtonClickEvent FOnButtonClick;
    rtl::TNotifyEvent FOnChange;
    rtl::TNotifyEvent FOnEditValueChanged;
    TValidateEvent FOnValidate;
    rtl::TNotifyEvent FOnPropertiesChanged;
    std::unique_ptr<TuiEditAlignment> FAlignment;
    std::unique_ptr<TuiCustomEditPropertiesValues> FAssignedValues;
    bool FChangeLock = false;
    rtl::TInterfacePtr<IuiEditDefaultValuesProvider> FDefaultValuesProvider;
};

// The live properties objects, in the order they were made.
int32_t EditPropertiesCount();
TuiCustomEditProperties& EditPropertiesAt(int32_t index);

// The registry of properties classes, sorted by description ignoring case; made on first use.
TuiRegisteredClasses& GetEditPropertiesRegistry();
// Frees the registry (the framework's shut-down); the next use makes a new one.
void FreeEditPropertiesRegistry();

} // namespace ui
