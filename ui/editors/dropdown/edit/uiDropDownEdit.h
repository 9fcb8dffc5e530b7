#pragma once
// TuiCustomDropDownEdit: the mask editor with a drop-down button that opens a popup window beside it. It owns the
// cycle of a showing: when the popup opens (the button, Alt+Down or F4, a typed character, in-place activation),
// how it is prepared, sized and placed, the events in their order, and how it closes for which reason and what the
// closing does to the value. What the popup holds and how large it wants to be come from the descendants.

#include "ui/editors/dropdown/edit/uiDropDownEditProperties.h"
#include "ui/editors/framework/control/uiPopupCloseReason.h"
#include "ui/editors/mask/editor/uiMaskEdit.h"
#include "vcl/system/Types.h"

#include <cstdint>
#include <functional>
#include <utility>

namespace ui {

class TuiCustomEditPopupWindow;

// Raises a flag for a scope and gives it back its value after.
class TuiDropDownFlagScope {
public:
    explicit TuiDropDownFlagScope(bool& flag) : FFlag(flag), FSaved(std::exchange(flag, true)) {}
    ~TuiDropDownFlagScope() { FFlag = FSaved; }
    TuiDropDownFlagScope(const TuiDropDownFlagScope&) = delete;
    TuiDropDownFlagScope& operator=(const TuiDropDownFlagScope&) = delete;

private:
    bool& FFlag;
    bool FSaved;
};

bool IsAcceptingCloseReason(TuiPopupCloseReason reason);

// What an in-place drop-down editor keeps per column of its host between activations: the size the user gave the
// popup.
class TuiCustomDropDownEditData : public TuiCustomEditData {
    RTL_DECLARE_CLASS(TuiCustomDropDownEditData, TuiCustomEditData)
public:
    explicit TuiCustomDropDownEditData(rtl::TComponent* editor) : TuiCustomEditData(editor) {}

    bool Resized = false;
    int32_t PopupWidth = 0;
    int32_t PopupHeight = 0;
};

class TuiCustomDropDownEdit : public TuiCustomMaskEdit {
    RTL_DECLARE_CLASS(TuiCustomDropDownEdit, TuiCustomMaskEdit)
public:
    using TClosePopupEvent = std::function<void(TuiCustomDropDownEdit& sender, TuiPopupCloseReason reason)>;

    ~TuiCustomDropDownEdit() override;

    const rtl::TMetaclass& GetPropertiesClass() const override {
        return TuiCustomDropDownEditProperties::StaticClass();
    }
    // The properties in force.
    TuiCustomDropDownEditProperties& GetDropDownProperties();

    // The popup window is in the list of shown popups.
    bool IsPopupShown() const override;
    bool DroppedDown() const { return IsPopupShown(); }
    void SetDroppedDown(bool value);
    // The editor's rectangle in its parent's coordinates (widened by the shadow) that the popup opens beside.
    vcl::TRect GetPopupOwnerBounds();
    TuiCustomEditPopupWindow* PopupWindow() const { return FPopupWindow; }
    TuiPopupCloseReason CloseReason() const { return FCloseReason; }

    // Closes a shown popup for reason (see the source).
    virtual void CloseUp(TuiPopupCloseReason reason);
    // The showing ended (also one that never showed): the dropped-down state goes and OnPopupFinished fires.
    virtual void PopupClosed();
    // The size the popup's content asks for.
    virtual vcl::TSize GetPopupContentSize() = 0;
    // Places the content into rect (the popup's client coordinates).
    virtual void PositionPopupContent(const vcl::TRect& rect);
    // Keeps the size the user gave the popup (with PopupSizeable).
    virtual void StorePopupSize();
    // Adjusts a content size the user drags the popup to within maxSize; false refuses it.
    virtual bool AdjustPopupContentSize(vcl::TSize& /*size*/, vcl::TSize /*maxSize*/) { return true; }
    // The user sized the popup: since the editor was activated, or in place in this column.
    bool PopupResized() const;
    void SetPopupResized(bool value) { FPopupResized = value; }
    // The popup's close query: OnCloseQuery of the own properties, then of the properties in force.
    bool PopupCloseQuery();

    // The control that takes the focus when the popup shows.
    virtual vcl::TWinControl* GetPopupFocusControl();

    // The press now arriving closed the popup: it does not open it again.
    void SetPopupClosedByPress() { FPopupClosedByPress = true; }

    // Told each closing, before OnCloseUp (hosts listen here).
    void SetOnClosePopup(TClosePopupEvent handler) { FOnClosePopup = std::move(handler); }

    // A paste into the focused editor that changes its text opens the popup with ImmediateDropDown.
    void PasteFromClipboard() override;

    // The button and popup style values are stored for drop-down editors.
    TuiContainerStyleValues GetUnpublishedStyleValues() const override;

    // IuiInnerTextEditHost
    bool PostsOnTab() const override;
    bool TakePopupKeyHandled() override { return std::exchange(FPopupKeyHandled, false); }

protected:
    TuiCustomDropDownEdit(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass);

    // Frees the popup window; a descendant whose popup content it owns calls it first thing in its destructor.
    void DestroyPopupWindow();
    virtual bool CanDropDown() { return false; }
    virtual void CreatePopupWindow();
    virtual void DoCloseUp();
    virtual void InitPopup();
    virtual void DoPopup();
    virtual void DropDown();
    // Puts the lookup list into the popup; nothing here.
    virtual void InitLookupPopup() {}
    virtual void SetupPopupWindow();
    virtual void PreparePopup();
    // The popup opened for a paste; nothing here.
    virtual void PopupOpenedByPaste() {}
    // Applies the popup's list selection for an accepting close; nothing here.
    virtual void ApplyPopupSelection() {}
    // After the popup became visible.
    virtual void PopupWindowShown();
    // After the popup was hidden.
    virtual void PopupWindowClosed();
    bool IsDroppedDownFlag() const { return FDroppedDown; }
    // Records reason for this showing unless another reason than pcrNone is recorded already.
    void RecordCloseReason(TuiPopupCloseReason reason) {
        if (FCloseReason == pcrNone) {
            FCloseReason = reason;
        }
    }
    bool ListSelection() const { return FListSelection; }
    void SetListSelection(bool value) { FListSelection = value; }

    // Opens the popup for a typed character when the properties ask for it.
    void DropDownOnTypedKey(char16_t key);
    void InitViewData(TuiCustomEditViewData& viewData) override;
    // With ImmediatePopup an in-place activation opens the popup.
    void Activated() override;
    const rtl::TMetaclass* GetEditDataClass() const override { return &TuiCustomDropDownEditData::StaticClass(); }
    void SaveEditData(TuiCustomEditData& data) override;
    void PropertiesChanged(TuiCustomEditProperties* properties) override;
    void DoEditKeyDown(uint16_t& key, vcl::TShiftState shift) override;
    void DoEditKeyPress(char16_t& key) override;
    // The popup's list: the wheel over an open popup scrolls it.
    bool DoMouseWheel(vcl::TShiftState shift, int32_t wheelDelta, vcl::TPoint mousePos) override;
    // In place the closed popup leaves the navigation keys to the host.
    bool HasPopupList() const override;
    void MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void BeforeTabFocusMove(vcl::TShiftState shift) override;
    void DoExit() override;
    void FocusChanged() override;
    void DestroyWnd() override;
    // No hint over an editor whose popup is open.
    void Dispatch(vcl::TMessage& message) override;

private:
    bool HandleToggleKey(uint16_t& key, vcl::TShiftState shift);
    bool HandleEnterOrEscape(uint16_t& key, vcl::TShiftState shift);
    void FireEvent(const rtl::TNotifyEvent& (TuiCustomDropDownEditProperties::*event)() const);
    bool DiscardQueuedShow();
    bool IsShowQueued() const;
    // The in-place column's data; nullptr standalone.
    TuiCustomDropDownEditData* InplaceDropDownData() const;
    // Takes a character queued for the inner edit out of the queue; false when it is not the next one.
    bool DiscardQueuedChar(char16_t character);
    void CommitAcceptedValue();

    TuiCustomEditPopupWindow* FPopupWindow = nullptr; // owned by this editor as a component
    TuiPopupCloseReason FCloseReason = pcrNone;
    bool FDroppedDown = false;
    bool FListSelection = false;
    bool FPopupResized = false;
    bool FPopupKeyHandled = false;
    bool FClosingUp = false;
    bool FPopupClosedByPress = false;
    TClosePopupEvent FOnClosePopup;
};

} // namespace ui
