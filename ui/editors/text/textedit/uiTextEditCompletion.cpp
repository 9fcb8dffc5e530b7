// The text editor's typing against its lookup items: completion of typed characters, Backspace that shortens the
// typed prefix, the navigation keys and the wheel of an editor with a popup list, and the current item as the value.

#include "rtl/WindowsApi.h"
#include "rtl/text/StringUtils.h"
#include "rtl/variants/VariantCompare.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/editors/text/textedit/uiTextEdit.h"
#include "ui/editors/text/textedit/uiTextEditScopeExit.h"
#include "vcl/menus/Menus.h"

#include <utility>

namespace ui {

namespace {

bool IsListStyle(TuiTextEditingStyle style) {
    return style == tesListAssisted || style == tesListOnly;
}

// The text without its last character; a surrogate pair goes as a whole.
rtl::UnicodeString WithoutLastCharacter(const rtl::UnicodeString& text) {
    if (text.empty()) {
        return text;
    }
    size_t length = text.size() - 1;
    const auto isSurrogate = [](char16_t unit, char16_t first) { return unit >= first && unit <= first + 0x3FF; };
    if (length > 0 && isSurrogate(text[length], 0xDC00) && isSurrogate(text[length - 1], 0xD800)) {
        --length;
    }
    return text.substr(0, length);
}

TuiLookupNavigation NavigationOfKey(uint16_t key, vcl::TShiftState shift) {
    const bool ctrl = shift.Contains(vcl::ssCtrl);
    switch (key) {
    case VK_PRIOR:
        return ctrl ? lnFirst : lnPageUp;
    case VK_NEXT:
        return ctrl ? lnLast : lnPageDown;
    case VK_HOME:
        return lnFirst;
    case VK_END:
        return lnLast;
    case VK_UP:
        return lnPrevious;
    default:
        return lnNext;
    }
}

} // namespace

// The current item.

int32_t TuiCustomTextEdit::GetItemIndex() const {
    return FLookupData != nullptr ? FLookupData->CurrentKey() : -1;
}

rtl::TObject* TuiCustomTextEdit::GetItemObject() {
    const int32_t index = GetItemIndex();
    return index == -1 ? nullptr : GetTextProperties().LookupItems().GetObject(index);
}

void TuiCustomTextEdit::SetItemIndex(int32_t index) {
    if (FLookupData == nullptr) {
        return;
    }
    const int32_t oldIndex = GetItemIndex();
    {
        const auto settingIndex = RaiseForScope(FSettingItemIndex);
        FLookupData->SetCurrentKey(rtl::Variant(index));
        const rtl::Variant value(FLookupData->GetItemDisplayText(FLookupData->GetCurrentKey()));
        if (!rtl::VarSameValue(value, EditValue())) {
            const auto updating = RaiseForScope(FLookupUpdating);
            SetEditValue(value);
        }
    }
    // The item a form reads with the editor is no click.
    if (GetItemIndex() != oldIndex && !ComponentState().Contains(rtl::TComponentState::csLoading)) {
        SetChangedSinceEnter(false);
        Click();
    }
}

void TuiCustomTextEdit::ApplyLookupKey() {
    if (FSettingItemIndex) {
        return;
    }
    const rtl::Variant value(FLookupData->GetItemDisplayText(FLookupData->GetCurrentKey()));
    const bool changed = !rtl::VarSameValue(value, EditValue());
    if (changed && !TryBeginEdit()) {
        return;
    }
    {
        SaveChangeFlags();
        const TuiTextEditScopeExit restore([this] { RestoreChangeFlags(); });
        const auto updating = RaiseForScope(FLookupUpdating);
        AssignEditValue(value);
    }
    if (changed) {
        SetChangedByUser(true);
    }
    SelectAll();
}

void TuiCustomTextEdit::ResetLookupState() {
    if (FLookupData != nullptr) {
        SetCompletionActive(false);
    }
}

// Completion.

void TuiCustomTextEdit::WriteTypedText(const rtl::UnicodeString& text) {
    DataBinding().SetDisplayValue(rtl::Variant(text));
    InnerTextChanged();
}

bool TuiCustomTextEdit::LocateAndComplete(rtl::UnicodeString& text) {
    rtl::UnicodeString search = text;
    rtl::UnicodeString tail;
    const bool found = FLookupData->LocateText(search, tail, false);
    if (found) {
        text = search;
    }
    FCompletionActive = found;
    if (text.empty()) {
        if (EditingStyle() != tesListOnly) {
            WriteTypedText({});
        }
        FCompletionActive = false;
    }
    if (found) {
        WriteTypedText(text + tail);
        Select(static_cast<int32_t>(text.size()), static_cast<int32_t>(tail.size()));
    }
    return found;
}

bool TuiCustomTextEdit::CanSearchHere() {
    if (IsListStyle(EditingStyle())) {
        return true;
    }
    const bool caretAtEnd = SelStart() == static_cast<int32_t>(GetDisplayText().size());
    return (caretAtEnd && SelLength() == 0) || SelLength() > 0 || FCompletionActive;
}

// A double-byte character of the ANSI window arrives as a lead byte and a trail byte: the lead byte waits in the
// window, and the editor searches with the whole character when the trail byte comes.
void TuiCustomTextEdit::DoEditKeyPress(char16_t& key) {
    TuiCustomEdit::DoEditKeyPress(key);
    if (key == 0) {
        FInnerEdit->DropLeadByte();
        return;
    }
    char16_t typed = key;
    if (FInnerEdit->AwaitsTrailByte()) {
        typed = FInnerEdit->CharacterWithLeadByte(key);
    } else if (key <= 0xFF && IsDBCSLeadByte(static_cast<BYTE>(key))) {
        return;
    }
    FLookupUpdating = false;
    const bool wasCompleting = FCompletionActive;
    const int32_t oldKey = GetItemIndex();
    RunWithUserEdit(true, [&] {
        LockChangeEvents(true);
        const TuiTextEditScopeExit unlock([this] { LockChangeEvents(false); });
        if (key == u'\b') {
            HandleLookupBackspace(key);
        } else if (typed >= u' ' && FLookupData != nullptr) {
            HandleLookupCharacter(key, typed, wasCompleting);
        }
    });
    if (FLookupData != nullptr && GetItemIndex() != oldKey) {
        DataBinding().NotifyUserChange();
    }
    if (key == 0) {
        FInnerEdit->DropLeadByte();
    }
}

void TuiCustomTextEdit::HandleLookupBackspace(char16_t& key) {
    const TuiTextEditingStyle style = EditingStyle();
    TuiCustomTextEditProperties& properties = GetTextProperties();
    if (style == tesListOnly && !properties.ListPrefixSelection()) {
        key = 0;
        SetCompletionActive(false);
        return;
    }
    if (FLookupData == nullptr || !properties.IsIncrementalSearchActive()) {
        return;
    }
    const rtl::UnicodeString text = GetDisplayText();
    if (style == tesListAssisted && !text.empty() && !FCompletionActive) {
        const int32_t caret = SelStart();
        Select(caret, static_cast<int32_t>(text.size()) - caret);
        FCompletionActive = true;
    }
    if (FCompletionActive) {
        rtl::UnicodeString prefix = WithoutLastCharacter(text.substr(0, static_cast<size_t>(SelStart())));
        FLookupUpdating = true;
        if (LocateAndComplete(prefix)) {
            key = 0;
        }
    }
    if (style == tesListOnly) {
        key = 0;
    }
}

void TuiCustomTextEdit::HandleLookupCharacter(char16_t& key, char16_t typed, bool wasCompleting) {
    TuiCustomTextEditProperties& properties = GetTextProperties();
    if (!properties.IsIncrementalSearchActive() || !CanSearchHere()) {
        return;
    }
    const TuiTextEditingStyle style = EditingStyle();
    FLookupUpdating = true;
    const rtl::UnicodeString text = GetDisplayText();
    const auto start = static_cast<size_t>(SelStart());
    const rtl::UnicodeString character(1, typed);
    bool found = false;
    rtl::UnicodeString candidate;
    if (SelLength() > 0) {
        candidate = text.substr(0, start) + character;
    } else if (style == tesListOnly) {
        candidate = text + character;
        found = FCompletionActive && LocateAndComplete(candidate);
        candidate = character;
    } else {
        candidate = text.substr(0, start) + character + text.substr(start);
    }
    if (!found) {
        found = LocateAndComplete(candidate);
    }
    if (!found && style == tesListOnly && !properties.ListPrefixSelection()) {
        candidate = character;
        found = LocateAndComplete(candidate);
    }
    if (found || IsListStyle(style)) {
        key = 0;
    }
    if (found) {
        return;
    }
    if (style == tesListAssisted && !text.empty()) {
        FCompletionActive = true;
    } else if (style == tesListOnly && properties.ListPrefixSelection() && wasCompleting) {
        FCompletionActive = true;
    }
}

// Keys.

void TuiCustomTextEdit::DoEditKeyDown(uint16_t& key, vcl::TShiftState shift) {
    const TuiCustomEditProperties& properties = GetEffectiveProperties();
    const uint16_t shortCut = vcl::ShortCut(key, shift);
    const bool isOwnKey =
        shortCut == properties.ClearKey() || (properties.Buttons().Count() > 0 && shortCut == properties.ClickKey());
    if (EditingStyle() == tesListOnly && (key == VK_LEFT || key == VK_RIGHT || key == VK_DELETE) && !isOwnKey) {
        FCompletionActive = false;
        DoAfterKeyDown(key, shift);
        key = 0;
        return;
    }
    const uint16_t pressed = key;
    const bool wasCompleting = FCompletionActive;
    TuiCustomEdit::DoEditKeyDown(key, shift);
    if (pressed == VK_RETURN && wasCompleting && FLookupData != nullptr) {
        FLookupData->SelectItem();
        SelectAll();
    }
    if (key != 0) {
        HandleLookupKeyDown(key, shift);
    }
}

bool TuiCustomTextEdit::NavigatesLookup(uint16_t key) const {
    switch (key) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_UP:
    case VK_DOWN:
        return true;
    case VK_HOME:
    case VK_END:
        return EditingStyle() == tesListOnly;
    default:
        return false;
    }
}

void TuiCustomTextEdit::HandleLookupKeyDown(uint16_t& key, vcl::TShiftState shift) {
    switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
        if (!shift.Contains(vcl::ssShift) && SelLength() > 0) {
            Select(key == VK_RIGHT ? SelStart() + SelLength() : SelStart(), 0);
            key = 0;
        }
        FCompletionActive = false;
        return;
    case VK_DELETE:
        if (EditingStyle() == tesListAssisted) {
            DoAfterKeyDown(key, shift);
            key = 0;
        } else {
            FCompletionActive = false;
        }
        return;
    default:
        break;
    }
    if (NavigatesLookup(key)) {
        if (FLookupData != nullptr && HasPopupList() && !FLookupData->IsEmpty()) {
            NavigateLookup(NavigationOfKey(key, shift), false);
            key = 0;
        } else if (key != VK_HOME && key != VK_END) {
            DoAfterKeyDown(key, shift);
            key = 0;
        }
        return;
    }
    if (key == VK_END && SelLength() == 0) {
        FCompletionActive = false;
    }
}

void TuiCustomTextEdit::NavigateLookup(TuiLookupNavigation direction, bool cycle) {
    const int32_t oldKey = GetItemIndex();
    LockChangeEvents(true);
    const TuiTextEditScopeExit unlock([this] { LockChangeEvents(false); });
    {
        const auto navigating = RaiseForScope(FNavigatingLookup);
        FLookupData->Navigate(direction, cycle);
    }
    if (GetItemIndex() == oldKey) {
        return;
    }
    DataBinding().NotifyUserChange();
    if (IsPostPending() && GetEffectiveProperties().ImmediatePost() && ValidateEnteredText(true)) {
        CommitValue(false);
    }
}

bool TuiCustomTextEdit::DoMouseWheel(vcl::TShiftState shift, int32_t wheelDelta, vcl::TPoint mousePos) {
    if (TuiCustomEdit::DoMouseWheel(shift, wheelDelta, mousePos)) {
        return true;
    }
    if (!HasPopupList() || IsPopupShown() || FLookupData == nullptr || FLookupData->IsEmpty() ||
        !GetEffectiveProperties().AcceptsMouseWheel()) {
        return false;
    }
    if (TryBeginEdit()) {
        NavigateLookup(wheelDelta > 0 ? lnPrevious : lnNext, false);
    }
    return true;
}

// Validation and new texts.

// A completed text typed in another letter case is the item's text.
void TuiCustomTextEdit::ValidateDisplayValue(rtl::Variant& displayValue, rtl::UnicodeString& errorText, bool& error) {
    TuiCustomTextEditProperties& properties = GetTextProperties();
    if (properties.CanValidate() && EditingStyle() == tesFree && properties.UsesLookupData() &&
        FLookupData != nullptr && FCompletionActive) {
        const rtl::UnicodeString item = FLookupData->GetItemDisplayText(FLookupData->GetCurrentKey());
        if (!item.empty() && rtl::WideSameText(rtl::VarToStr(displayValue), item)) {
            displayValue = rtl::Variant(item);
        }
    }
    TuiCustomEdit::ValidateDisplayValue(displayValue, errorText, error);
}

void TuiCustomTextEdit::ChangeDisplayValue(const rtl::Variant& value) {
    if (EditingStyle() == tesFree && FLookupData != nullptr) {
        const rtl::UnicodeString text = rtl::VarToStr(value);
        if (!FLookupData->HasItemWithText(text)) {
            DoNewLookupDisplayText(text);
        }
    }
    TuiCustomEdit::ChangeDisplayValue(value);
}

// The handler of the editor's own properties runs, then the repository item's.
void TuiCustomTextEdit::DoNewLookupDisplayText(const rtl::UnicodeString& text) {
    if (const auto& handler = GetOwnTextProperties().OnNewLookupDisplayText()) {
        handler(this, text);
    }
    if (RepositoryItem() != nullptr) {
        if (const auto& handler = GetTextProperties().OnNewLookupDisplayText()) {
            handler(this, text);
        }
    }
}

} // namespace ui
