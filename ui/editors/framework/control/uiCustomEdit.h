#pragma once
// TuiCustomEdit: the base of every editor control, standalone on a form or in place over a cell of a host (taken
// from a TuiInplaceEditList, opened by key or click, closed and posted by the host). The editor is described by its
// properties (its own, or a repository item's), shows itself through the view data and view info those properties
// make, and reaches its data through a data binding. This class holds the value side (the edit value, the change
// flags and events, the editing permission, validation, Escape, ClearKey and posting) and the input side
// (activation, the inner edit control, keys, mouse, auto size with anchors, painting).

#include "rtl/variants/Variant.h"
#include "ui/core/controls/containers/uiContainer.h"
#include "ui/editors/framework/control/uiEditDataBinding.h"
#include "ui/editors/framework/properties/uiEditProperties.h"
#include "ui/editors/framework/properties/uiEditStyle.h"
#include "ui/editors/framework/repository/uiEditRepository.h"
#include "ui/editors/framework/strings/uiEditExceptions.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace vcl {
struct THintInfo;
} // namespace vcl

namespace ui {

class TuiCustomEditViewInfo;
class TuiTimer;

class TuiCustomEdit : public TuiContainer, public IuiEditItemWatcher {
    RTL_DECLARE_CLASS(TuiCustomEdit, TuiContainer)
public:
    using TEditingEvent = std::function<void(rtl::TObject* sender, bool& canEdit)>;
    using TKeyEvent = std::function<void(rtl::TObject* sender, uint16_t& key, vcl::TShiftState shift)>;

    explicit TuiCustomEdit(rtl::TComponent* owner);
    ~TuiCustomEdit() override;
    // An editor of editorClass made for use in place: hidden, without auto size, claiming every key.
    static TuiCustomEdit* CreateInplace(const rtl::TMetaclass& editorClass, rtl::TComponent* owner);

    void Loaded() override;
    void SetParent(vcl::TWinControl* parent) override;
    bool IsInplace() const override { return FIsInplace; }

    // The properties in force: the repository item's when one is set, else the editor's own.
    TuiCustomEditProperties& GetEffectiveProperties();
    TuiCustomEditProperties& Properties() const { return *FProperties; }
    void SetProperties(const TuiCustomEditProperties& value) { FProperties->Assign(&value); }
    TuiEditDataBinding& DataBinding() const { return *FDataBinding; }
    // The binding reaches data of its own (its default-values provider says so) rather than the editor's value.
    bool IsDataBound() const;
    TuiEditRepositoryItem* RepositoryItem() const { return FRepositoryItem; }
    // EuiEditError "The repository item is not acceptable" for an item of another properties class; the editor is
    // then unchanged.
    void SetRepositoryItem(TuiEditRepositoryItem* item);
    virtual bool CanUseRepositoryItem(TuiEditRepositoryItem* item) const;
    virtual const rtl::TMetaclass& GetPropertiesClass() const { return TuiCustomEditProperties::StaticClass(); }

    // The container's styles of the four states, edit styles; the one of the current state paints.
    TuiEditStyle& EditStyle(TuiEditStyleState state) const { return static_cast<TuiEditStyle&>(Styles(state)); }
    TuiEditStyle& ActiveEditStyle() const;
    // The style values the editor's styles neither store nor show: the edit style's and the button style; editors
    // with buttons or popups publish theirs.
    virtual TuiContainerStyleValues GetUnpublishedStyleValues() const;

    // The value (Null when empty). Setting it is ignored while OnEditing runs.
    const rtl::Variant& EditValue() const { return FEditValue; }
    void SetEditValue(const rtl::Variant& value);
    virtual rtl::Variant GetEditValue() const { return FEditValue; }
    // The value the user sees now: the displayed text converted while an entry waits for validation.
    rtl::Variant GetCurrentEditValue();
    void Clear() { SetEditValue(GetClearValue()); }
    virtual rtl::UnicodeString GetDisplayText() const { return {}; }
    virtual void SetDisplayValue(const rtl::Variant&) {}
    virtual void SelectAll() {}
    // The clipboard; the text editors fill these in.
    virtual void CopyToClipboard() {}
    virtual void CutToClipboard() {}
    virtual void PasteFromClipboard() {}
    virtual void UpdateDisplay() {}

    bool ChangedSinceEnter() const { return FChangedSinceEnter; }
    bool ChangedByUser() const { return FChangedByUser; }
    void SetChangedSinceEnter(bool value);
    void SetChangedByUser(bool value);
    bool ValueValidated() const { return FValueValidated; }
    bool IsPosting() const { return FPosting; }

    // Change events held while locked fire once at the last unlock when asked.
    bool IsChangeEventsLocked() const { return FChangeEventsCatcher.IsLocked(); }
    void LockChangeEvents(bool lock, bool fireOnUnlock = true);

    // Asks OnEditing (and the binding) whether the user may change the value now.
    bool TryBeginEdit();
    bool IsInEditingEvent() const { return FInEditingEvent; }
    virtual bool CanModify();
    virtual bool IsReadOnly();
    // True when the entry is acceptable; an unacceptable one raises when raiseOnError (see the source).
    bool ValidateEnteredText(bool raiseOnError);
    // Validates when asked, then hands the value to the host (in place) or the binding.
    bool CommitValue(bool validateFirst);
    bool IsPostPending();
    virtual void RevertValue();

    // In-place activation (the host holds data between activations).
    void Activate(TuiCustomEditData*& data);
    void ActivateByKey(char16_t key, TuiCustomEditData*& data);
    void ActivateByMouse(vcl::TShiftState shift, int32_t x, int32_t y, TuiCustomEditData*& data);
    // Validates (raising on an invalid entry); the host then takes the value.
    bool Deactivate();
    TuiCustomEditData* ActiveEditData() const { return FActiveEditData; }
    // The edit data's state goes into it when it is the current one.
    void ReleaseEditData(TuiCustomEditData& data);

    // Host handlers.
    void SetAfterKeyHandler(TKeyEvent handler) { FAfterKeyHandler = std::move(handler); }
    void SetPostHandler(rtl::TNotifyEvent handler) { FPostHandler = std::move(handler); }
    const TEditingEvent& OnEditing() const { return FOnEditing; }
    void SetOnEditing(TEditingEvent handler) { FOnEditing = std::move(handler); }

    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value) override;
    bool Transparent() const { return FTransparent; }
    // Whether the editor shows its parent's themed background (editors that sit on a themed parent's face say so).
    virtual bool UsesParentThemedBackground() const { return false; }
    // A standalone editor that lets what lies under it show.
    virtual bool IsTransparentStandalone() const { return !IsInplace() && FTransparent; }
    // Either of the two: a move repaints the editor.
    bool NeedsParentBackground() const override;
    // The look of the normal style paints the editor's background through the visual styles.
    virtual bool IsNativeBackground() const;
    // A bound editor painted into another device context paints a copy of itself.
    virtual bool IsPaintCopy() const;
    void SetTransparent(bool value);
    // The point auto size keeps, as a form description gives it (the right edge, or the centre, of a label that
    // grows); a form read with one keeps it when the editor first takes its size.
    void SetAnchorX(int32_t value);
    void SetAnchorY(int32_t value);

    // IuiEditItemWatcher.
    void ItemRemoved(TuiEditRepositoryItem* item) override;
    void ItemPropertiesChanged(TuiEditRepositoryItem* item) override;

    // The editor's handlers after the item's: the properties' OnChange / OnEditValueChanged.
    virtual void DoOnChange();
    virtual void DoOnEditValueChanged();

protected:
    friend class TuiEditDataBinding;

    // Descendants pass the class of their properties (a constructor cannot ask a descendant's virtual answer).
    TuiCustomEdit(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass);
    // styleFactory makes the four styles (an editor whose styles have other defaults makes its own edit styles).
    TuiCustomEdit(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass,
                  const TuiContainerStyleFactory& styleFactory);
    // A descendant bound to other data installs its binding from its constructor; the own properties take the new
    // binding's default-values provider.
    void SetDataBinding(std::unique_ptr<TuiEditDataBinding> binding);
    virtual void PropertiesChanged(TuiCustomEditProperties* properties);
    // The styles changed: the editor repaints.
    void ContainerStyleChanged() override;

    virtual void ApplyEditValue(const rtl::Variant& value, bool validated);
    void AssignEditValue(const rtl::Variant& value);
    virtual void DoChange();
    virtual void DoEditValueChanged();
    virtual void HandleUserChange();
    virtual rtl::Variant GetClearValue() const { return rtl::Variant::Null(); }
    virtual rtl::Variant GetEditValueFromDisplay() { return GetEditValue(); }
    virtual void WriteDisplayValue(const rtl::Variant&) {}
    virtual void ChangeDisplayValue(const rtl::Variant& value);
    virtual void ValidateDisplayValue(rtl::Variant& displayValue, rtl::UnicodeString& errorText, bool& error);
    virtual void ReportValidationError(const rtl::UnicodeString& errorText, bool raiseAbort);
    virtual bool IsEditable() const { return true; }
    virtual bool IsEditingKey(uint16_t, vcl::TShiftState) const { return false; }
    virtual bool IsEditingChar(char16_t) const { return false; }
    virtual bool IsValidChar(char16_t ch);
    virtual bool IsInnerEditShown() const { return false; }
    virtual void RefreshInnerEdit() {}
    virtual bool HasInnerEditExtras() const { return false; }
    virtual bool ForwardsActivationKey(char16_t) const { return true; }
    virtual bool WantsAfterKeyEvent(uint16_t, vcl::TShiftState) const { return false; }
    virtual void BeforeTabFocusMove(vcl::TShiftState) {}
    // The end of an in-place activation; nothing here.
    virtual void Activated() {}
    virtual const rtl::TMetaclass* GetEditDataClass() const { return nullptr; }
    virtual void SaveEditData(TuiCustomEditData&) {}
    virtual void BeginPosting() { FPosting = true; }
    virtual void EndPosting() { FPosting = false; }
    virtual bool CanAutoSizeEditor() const { return !IsInplace() && FAutoSize; }
    virtual bool KeepsWidthWhenAutoSizing() const { return false; }
    virtual bool AreButtonsAutoWidth() const;
    virtual bool UsesAnchorX() const { return false; }
    virtual bool UsesAnchorY() const { return false; }
    bool UsesAnchors() const { return UsesAnchorX() || UsesAnchorY(); }
    // taCenter / taVCenter anchor at the centre, the other alignments at the right or bottom edge.
    virtual bool IsHorzAnchorCentred() const { return false; }
    virtual bool IsVertAnchorCentred() const { return false; }
    virtual void CalculateAnchors();
    // The size auto size gives a proposed size.
    vcl::TSize AutoSizedExtent(int32_t width, int32_t height);
    void AdjustSize() override;
    bool CanResize(int32_t& newWidth, int32_t& newHeight) override;
    virtual std::unique_ptr<TuiCustomEditViewData> CreateViewData();
    // The view info of the editor's bounds with the pointer at point (client coordinates), showing value.
    std::unique_ptr<TuiCustomEditViewInfo> CalculateViewInfoAt(TuiCanvas& canvas, vcl::TPoint point,
                                                               const rtl::Variant& value);
    std::unique_ptr<TuiCustomEditViewInfo> CalculateViewInfoAt(TuiCanvas& canvas, vcl::TPoint point);
    // The view info's place of the button pressed on this editor; -1 when none is.
    int32_t PressedButtonSlot();
    // The button pressed with the mouse counts as released (no click follows).
    void ForgetPressedButton() { FPressedButtonIndex = -1; }
    // The view info the editor paints and compares its changes with, made on first use (again after a change of its
    // properties).
    TuiCustomEditViewInfo& CurrentViewInfo();
    // Recalculates the current view info showing the edit value, for the pointer at point with the mouse buttons of
    // shift held; button is the one of the mouse event being handled.
    void CalculateCurrentViewInfo(TuiCanvas& canvas, vcl::TPoint point, std::optional<vcl::TMouseButton> button,
                                  vcl::TShiftState shift);
    // Where the inner edit shows (its own painting); empty without one.
    vcl::TRect InnerEditRect() const;
    // Repaints only what the recalculation changed of the current view info.
    void InvalidateRecalculated(vcl::TPoint point, int32_t button, vcl::TShiftState shift) override;
    // A repaint of the whole editor also makes the next paint calculate its picture anew.
    void Invalidate() override;
    virtual void InitViewData(TuiCustomEditViewData& viewData);

    // The container's and control's overrides.
    // Tab belongs to the editor's own key handling (the host may take it).
    bool TabMovesFocus() const override { return false; }
    void Paint() override;
    // The editor showing its binding's stored value, with no pointer over it; afterwards its rectangle is left out of
    // canvas's clip region, so that what the copy's painter draws next (its child windows) does not cover it.
    virtual void PaintCopy(TuiCanvas& canvas);
    void KeyDown(uint16_t& key, vcl::TShiftState shift) override;
    // While an in-place editor shows, its host's site stands in for it and leaves the tab order.
    void GetTabOrderList(std::vector<vcl::TWinControl*>& list) const override;
    void KeyPress(char16_t& key) override;
    void MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void DblClick() override;
    void DoEnter() override;
    void DoExit() override;
    void FocusChanged() override;
    void Dispatch(vcl::TMessage& message) override;

    virtual void DoEditKeyDown(uint16_t& key, vcl::TShiftState shift);
    virtual void DoEditKeyPress(char16_t& key) { HandleKeyPress(key); }
    // False when the character was refused (it becomes 0).
    virtual bool HandleKeyPress(char16_t& key);
    void DoAfterKeyDown(uint16_t& key, vcl::TShiftState shift);
    virtual bool CanProcessKey(uint16_t key, vcl::TShiftState shift);
    virtual void DoButtonClick(int32_t index);
    virtual void ClickDefaultButton();
    // Clicks the first visible, enabled button whose caption marks key as its accelerator; whether one was clicked.
    bool ClickButtonByAccelerator(char16_t key);
    int32_t GetButtonIndexAt(vcl::TPoint point);
    virtual void EnterEditing();
    virtual void HandleExit(bool runExitEvent);
    // An accepting close of the modal form validates the active entry; false keeps the form open.
    bool ValidateOnModalClose();

    void SaveChangeFlags();
    void RestoreChangeFlags();
    void LockEditingEvent(bool lock);
    bool UserEditInProgress() const { return FUserEditInProgress; }
    void SetUserEditInProgress(bool value) { FUserEditInProgress = value; }
    int32_t NotificationLockCount() const { return FNotificationLockCount; }
    vcl::TPoint Anchor() const { return {FAnchorX, FAnchorY}; }

private:
    friend class TuiEditChangeEventsCatcher;

    void Initialize(const rtl::TMetaclass& propertiesClass);
    void ApplyProperties();
    bool HasOnChangeHandler();
    bool HasOnEditValueChangedHandler();
    // Runs a change event's handler; an in-place editor looks modified to it and gets its change flags back after.
    void RunChangeHandler(void (TuiCustomEdit::*handler)());
    bool IsLoadingOrDestroying() const;
    bool HandleClearKey(uint16_t& key, vcl::TShiftState shift);
    bool HandleTabKey(uint16_t& key, vcl::TShiftState shift);
    void HandleEnterKey(uint16_t& key);
    bool HandleEscapeKey(uint16_t& key);
    void PostWithImmediatePost();
    // The clipboard messages to the editor: a cut of data that may not change copies, a paste needs data that may.
    void HandleClipboardMessage(uint32_t message);
    // False when the point shows no hint.
    bool PrepareHint(vcl::THintInfo& info);
    void PaintViewInfo(TuiCanvas& canvas, TuiCustomEditViewInfo& viewInfo);

    std::unique_ptr<TuiCustomEditProperties> FProperties;
    std::unique_ptr<TuiEditDataBinding> FDataBinding;
    TuiEditChangeEventsCatcher FChangeEventsCatcher;
    std::unique_ptr<TuiTimer> FDblClickTimer;
    std::unique_ptr<TuiCustomEditViewInfo> FCurrentViewInfo;
    // The current view info shows the editor as it is: a paint draws it without calculating it again.
    bool FCurrentViewInfoValid = false;
    TuiEditRepositoryItem* FRepositoryItem = nullptr; // not owned
    TuiCustomEditData* FActiveEditData = nullptr;     // not owned: the host's
    rtl::Variant FEditValue;
    rtl::Variant FValueAtEnter;
    std::vector<std::pair<bool, bool>> FChangeFlagStack;
    TEditingEvent FOnEditing;
    TKeyEvent FAfterKeyHandler;
    rtl::TNotifyEvent FPostHandler;
    int32_t FAnchorX = INT32_MAX;
    int32_t FAnchorY = INT32_MAX;
    int32_t FNotificationLockCount = 0;
    int32_t FEditingEventLockCount = 0;
    int32_t FPressedButtonIndex = -1;
    bool FAutoSize = true;
    bool FIsInplace = false;
    bool FInEditingEvent = false;
    bool FFocusState = false;
    bool FValueValidated = false;
    // The current invalid entry was reported to nobody because the editor could not take the focus; cleared by the
    // next change of the user.
    bool FInvalidEntryReported = false;
    bool FValidating = false;
    bool FEscapeHandled = false;
    bool FAnchorsPending = false;
    bool FFirstParentingPending = true;
    bool FPosting = false;
    bool FUserEditInProgress = false;
    bool FChangedSinceEnter = false;
    bool FChangedByUser = false;
    bool FTransparent = false;
    bool FValidationFocusing = false;
};

} // namespace ui
