#pragma once
// The single-line text editor: an editor control whose text lives in an inner EDIT window. The typed text is the
// value; the properties decide the window's limit, case, echo and alignment, and the editor sees every key first.

#include "ui/editors/framework/control/uiCustomEdit.h"
#include "ui/editors/framework/repository/uiEditRepository.h"
#include "ui/editors/text/inner/uiInnerTextEdit.h"
#include "ui/editors/text/inner/uiInnerTextEditHost.h"
#include "ui/editors/text/lookup/uiTextEditLookupData.h"
#include "ui/editors/text/textedit/uiTextEditProperties.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace ui {

class TuiCustomTextEdit : public TuiCustomEdit, public IuiInnerTextEditHost, protected TuiTextEditLookupOwner {
    RTL_DECLARE_CLASS(TuiCustomTextEdit, TuiCustomEdit)
public:
    explicit TuiCustomTextEdit(rtl::TComponent* owner);
    ~TuiCustomTextEdit() override;

    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiCustomTextEditProperties::StaticClass(); }
    TuiCustomTextEditProperties& GetTextProperties();
    // The properties the editor owns (a repository item's may be in force).
    TuiCustomTextEditProperties& GetOwnTextProperties() const;
    TuiCustomInnerTextEdit& InnerEdit() const { return *FInnerEdit; }

    rtl::UnicodeString GetDisplayText() const override;
    void SetDisplayValue(const rtl::Variant& value) override;
    void UpdateDisplay() override;
    void SelectAll() override;
    void CopyToClipboard() override;
    void CutToClipboard() override;
    void PasteFromClipboard() override;

    // Inserts text at the selection as the editor's own setting: cut to MaxLength, checked by the properties.
    virtual void SetDisplayTextInternal(const rtl::UnicodeString& text);
    // The editor's own insertion; with post, an unfocused standalone editor hands the text on as its value at once.
    void SetInternalText(const rtl::UnicodeString& text, bool post = false);
    // The text that inserting gives and the caret after it; False when the insertion is refused or nothing fits.
    bool BuildInsertedText(const rtl::UnicodeString& inserted, rtl::UnicodeString& result, int32_t& caret,
                           size_t* insertedLength = nullptr);

    // Locked editors (and list-only ones without completion) show no selection of their own.
    int32_t SelStart();
    int32_t SelLength();
    void SetSelStart(int32_t value);
    void SetSelLength(int32_t value);
    void Select(int32_t start, int32_t length);

    // The lookup items: the current item (-1 none) and the object stored with it.
    TuiCustomTextEditLookupData* LookupData() const { return FLookupData.get(); }
    int32_t GetItemIndex() const;
    rtl::TObject* GetItemObject();
    // Makes the item current and its text the value, as the program's choice.
    void SetItemIndex(int32_t index);

    // Writes text as the editor's text when the properties accept it (character case applied); False leaves the
    // text as it is.
    bool IsTextAcceptable(const rtl::UnicodeString& text);
    // Deletes the selected characters when the properties accept what remains.
    void ClearSelection();

    void SetBeepOnEnter(bool value) { FBeepOnEnter = value; }
    // A password or a value the properties forbid to change is no text the user may edit.
    virtual bool IsEditableText();

    // IuiInnerTextEditHost
    void InnerKeyDown(uint16_t& key, vcl::TShiftState shift) override { KeyDown(key, shift); }
    void InnerKeyPress(char16_t& key) override { KeyPress(key); }
    void InnerKeyUp(uint16_t& key, vcl::TShiftState shift) override { KeyUp(key, shift); }
    void AfterInnerKeyDown(uint16_t& key, vcl::TShiftState shift) override { DoAfterKeyDown(key, shift); }
    void InnerMouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void InnerMouseMove(vcl::TShiftState shift, int32_t x, int32_t y) override;
    void InnerMouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void InnerClick(bool doubleClick) override;
    void BeginInnerAutoDrag() override { BeginAutoDrag(); }
    bool PaintsInnerEditBuffered() const override;
    bool IsInplaceEditor() const override { return IsInplace(); }
    bool IsPopupShown() const override { return false; }
    vcl::TWinControl* PopupKeyTarget(uint16_t, vcl::TShiftState) override { return nullptr; }
    bool TakePopupKeyHandled() override { return false; }
    bool BeepOnEnter() const override { return FBeepOnEnter; }
    bool PostsOnTab() const override { return false; }
    bool TryBeginEdit() override { return TuiCustomEdit::TryBeginEdit(); }
    void ClearSelectionByUser() override;
    void AfterInnerTextSet() override { InnerTextChanged(); }
    bool ValidatesWithLookup() const override { return false; }
    bool CompletionActive() const override { return FCompletionActive; }
    void SetCompletionActive(bool value) override { FCompletionActive = value; }
    void ClearLookupUpdating() override { FLookupUpdating = false; }
    void PreprocessInnerMessage(uint32_t msg, uintptr_t wParam) override;

protected:
    // Makes the editor's inner edit window (owned by the editor as a component).
    using TInnerEditFactory = TuiCustomInnerTextEdit* (*)(TuiCustomTextEdit& edit);

    TuiCustomTextEdit(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass);
    // A descendant whose text lives in another kind of window (the memo's) passes its factory.
    TuiCustomTextEdit(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass, TInnerEditFactory makeInnerEdit);

    void PropertiesChanged(TuiCustomEditProperties* properties) override;
    rtl::Variant GetEditValueFromDisplay() override { return rtl::Variant(GetDisplayText()); }
    void WriteDisplayValue(const rtl::Variant& value) override;
    void ValidateDisplayValue(rtl::Variant& displayValue, rtl::UnicodeString& errorText, bool& error) override;
    void ChangeDisplayValue(const rtl::Variant& value) override;
    bool IsEditable() const override;
    bool IsEditingKey(uint16_t key, vcl::TShiftState shift) const override;
    bool IsEditingChar(char16_t ch) const override;
    bool IsInnerEditShown() const override;
    void InitViewData(TuiCustomEditViewData& viewData) override;
    bool HasInnerEditExtras() const override { return true; }
    void AlignInnerControl() override;
    void Loaded() override;
    void HandleUserChange() override;
    void DoExit() override;
    void Dispatch(vcl::TMessage& message) override;
    void DoEditKeyDown(uint16_t& key, vcl::TShiftState shift) override;
    void DoEditKeyPress(char16_t& key) override;
    bool DoMouseWheel(vcl::TShiftState shift, int32_t wheelDelta, vcl::TPoint mousePos) override;

    // Only an editor with a list of its own steps through the items with keys and the wheel.
    virtual bool HasPopupList() const { return false; }
    // Whether the text the user changed looks up its item again; not while the lookup data or a navigation writes it.
    virtual bool ShouldSyncList() { return !FLookupUpdating && !FNavigatingLookup; }
    // Moves through the items as the user does (cycle wraps at either end): a move to another item is the user's
    // change, posted at once with ImmediatePost.
    void NavigateLookup(TuiLookupNavigation direction, bool cycle);
    // Looks up the typed text and shows the first item it begins, the rest selected; False when none.
    bool LocateAndComplete(rtl::UnicodeString& text);
    // The lookup's current item became the value (its select-item handler).
    void ApplyLookupKey();
    void ResetLookupState();
    bool LookupUpdating() const { return FLookupUpdating; }

    // The window's text (WM_GETTEXT); the mask editor answers its masked value.
    virtual rtl::UnicodeString GetControlText() { return GetDisplayText(); }
    // A text set as the window's text (WM_SETTEXT), written when valid.
    virtual bool IsTextValid(const rtl::UnicodeString& text) { return IsTextAcceptable(text); }
    // Numeric editors move a value beyond a bound that applies into the range when their properties change.
    void CheckRangeOnExit();
    virtual void CorrectRange() {}
    // After a properties change: a text the lookup list no longer takes is cleared, any other shown anew.
    void ValidateLookupText();
    // Standalone, with a data provider that reports no data.
    bool UsesDataDisplayFormat();
    // The locale's formats changed.
    virtual void HandleFormatChange();
    // Raises or lowers the user-edit flag for the action, then restores it.
    void RunWithUserEdit(bool userEdit, const std::function<void()>& action);

    // TuiTextEditLookupOwner
    TuiCustomTextEditProperties& LookupProperties() override { return GetTextProperties(); }
    rtl::UnicodeString LookupText() override { return GetDisplayText(); }
    bool IsInEditingEvent() const override { return TuiCustomEdit::IsInEditingEvent(); }
    void SetLookupUpdating(bool value) override { FLookupUpdating = value; }
    bool CanEditForLookup() override { return TryBeginEdit(); }
    // A text new to the lookup items is announced: the own properties' handler, then the repository item's.
    void DoNewLookupDisplayText(const rtl::UnicodeString& text);

private:
    // Completion: the keys of the lookup items.
    bool CanSearchHere();
    void HandleLookupBackspace(char16_t& key);
    void HandleLookupCharacter(char16_t& key, char16_t typed, bool wasCompleting);
    void HandleLookupKeyDown(uint16_t& key, vcl::TShiftState shift);
    bool NavigatesLookup(uint16_t key) const;
    // The typed text is written as the user's: shown, then the value.
    void WriteTypedText(const rtl::UnicodeString& text);

    TuiTextEditingStyle EditingStyle() const;
    bool ShowsOwnSelection();
    void InnerTextChanged();
    void ReformatThousandSeparators();
    void WMSetText(vcl::TMessage& message);
    void ApplyPropertiesToInnerEdit(TuiCustomTextEditProperties& properties);
    // The text view data's content offsets for this editor as it is now.
    vcl::TRect ContentOffsets();
    int32_t InnerTextHeight();
    vcl::TRect InnerEditArea();
    void SelectAllInListStyles();
    bool AllowsFocusedInsertion(const rtl::UnicodeString& inserted, size_t* insertedLength = nullptr);
    void WMGetText(vcl::TMessage& message);

    // The spell checker, when one is installed, hears what happens in the inner edit.
    void HandleInnerEditMessage(uint32_t msg, uintptr_t wParam);
    void CheckSelectionChange();
    void InnerEditLayoutChanged();
    void InnerEditSelectionChanged();
    void InnerEditTextChanged();
    void NotifyTextHookActivate();
    // The checker's correction replaces a range of the text as an undoable edit and places the caret.
    void ApplyAutoCorrection(const vcl::TMessage& message);

    class TFormatListener;

    TuiCustomInnerTextEdit* FInnerEdit = nullptr; // owned by this editor as a component
    std::unique_ptr<TFormatListener> FFormatListener;
    bool FSettingControlText = false;
    // Raised while the editor applies its properties once loaded: the text read with the form stays.
    bool FApplyingLoadedProperties = false;
    std::unique_ptr<TuiCustomTextEditLookupData> FLookupData;
    bool FBeepOnEnter = true;
    bool FCompletionActive = false;
    // Raised while the lookup data writes the text or the value, so that it does not react to its own change.
    bool FLookupUpdating = false;
    // Raised while keys or the wheel move through the items: the text that follows is no typing to look up.
    bool FNavigatingLookup = false;
    // Raised while SetItemIndex sets the value itself.
    bool FSettingItemIndex = false;
    // Raised while the editor writes the window's text itself: the change is no typing.
    bool FSettingText = false;
    bool FInternalTextSetting = false;
    // The inner edit's layout and selection last reported to the spell checker.
    int32_t FLastFirstVisibleChar = 0;
    int32_t FLastSelLength = 0;
    int32_t FLastSelStart = 0;
};

class TuiTextEdit : public TuiCustomTextEdit {
    RTL_DECLARE_CLASS(TuiTextEdit, TuiCustomTextEdit)
public:
    explicit TuiTextEdit(rtl::TComponent* owner) : TuiCustomTextEdit(owner, TuiTextEditProperties::StaticClass()) {}
    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiTextEditProperties::StaticClass(); }
    TuiTextEditProperties& TextEditProperties() const { return static_cast<TuiTextEditProperties&>(Properties()); }
};

// The repository item of the text editor; the default editor of every value type without one of its own (the
// default editors' start-up registers it).
class TuiEditRepositoryTextItem : public TuiEditRepositoryItemOf<TuiTextEditProperties> {
    RTL_DECLARE_CLASS(TuiEditRepositoryTextItem, TuiEditRepositoryItemOf<TuiTextEditProperties>)
public:
    using TuiEditRepositoryItemOf::TuiEditRepositoryItemOf;
};

// Registers the text properties among the properties classes and their filter helper; the finalisation removes both.
void InitializeTextEditUnit();
void FinalizeTextEditUnit();

} // namespace ui
