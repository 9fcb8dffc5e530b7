#pragma once
// TCustomEdit and TEdit: a single-line edit over the Windows EDIT control. The window does the typing, the caret,
// the selection, the clipboard and undo; the control keeps the settings that make the window (border, alignment,
// letter case, read-only, length limit, password character) and makes it anew when one of them needs another window
// style. Every change of the text, by the user or the program, fires OnChange (the EDIT control's EN_CHANGE, which
// its parent reflects as CN_COMMAND).

#include "vcl/controls/WinControl.h"
#include "vcl/stdctrls/StdCtrlTypes.h"

#include <cstdint>

namespace vcl {

// An edit control with its settings and selection.
class TCustomEdit : public TWinControl {
    RTL_DECLARE_CLASS(TCustomEdit, TWinControl)
public:
    explicit TCustomEdit(rtl::TComponent* owner);
    void Dispatch(TMessage& message) override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    // Whether the whole text is selected when the focus comes by keyboard.
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool value) { FAutoSelect = value; }
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase value);
    // Whether the selection disappears while the edit has no focus.
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value);
    // The most characters the user can type or paste; 0 for no limit. Text the program sets is not cut.
    int32_t MaxLength() const { return FMaxLength; }
    void SetMaxLength(int32_t value);
    // Whether characters typed are converted to the OEM code page and back.
    bool OEMConvert() const { return FOEMConvert; }
    void SetOEMConvert(bool value);
    // The character shown for each character of the text; #0 shows the text.
    char16_t PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char16_t value);
    // A read-only edit refuses typing but keeps selection and copying.
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    // Whether the user changed the text since the flag was last cleared.
    bool Modified() const;
    void SetModified(bool value);

    // The selection, in UTF-16 characters from the start of the text.
    int32_t SelStart() const;
    void SetSelStart(int32_t value);
    int32_t SelLength() const;
    void SetSelLength(int32_t value);
    rtl::UnicodeString SelText() const;
    // Replaces the selection with text.
    void SetSelText(rtl::UnicodeStringView value);
    void SelectAll();
    // Deletes the selected text.
    void ClearSelection();
    void Clear() { SetText(u""); }
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    bool CanUndo() const;
    void Undo();

    const rtl::TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(rtl::TNotifyEvent handler) { FOnChange = std::move(handler); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    // The text changed; fires OnChange.
    virtual void Change();
    // Sends a message to the window when there is one; 0 otherwise.
    intptr_t SendToWindow(uint32_t msg, uintptr_t wParam = 0, intptr_t lParam = 0) const;

private:
    void CMEnter();
    void Selection(int32_t& start, int32_t& end) const;
    void SetSelection(int32_t start, int32_t end);
    // Stores a setting that only a window of its own shows, and makes the window anew.
    template <class TValue>
    void SetWindowStyleValue(TValue& field, TValue value) {
        if (value != field) {
            field = value;
            RecreateWnd();
        }
    }

    TAlignment FAlignment = taLeftJustify;
    bool FAutoSelect = true;
    TBorderStyle FBorderStyle = bsSingle;
    TEditCharCase FCharCase = ecNormal;
    bool FHideSelection = true;
    int32_t FMaxLength = 0;
    bool FOEMConvert = false;
    char16_t FPasswordChar = 0;
    bool FReadOnly = false;
    // Kept while the window is made anew.
    bool FModified = false;
    rtl::TNotifyEvent FOnChange;
};

// The edit that forms place.
class TEdit : public TCustomEdit {
    RTL_DECLARE_CLASS(TEdit, TCustomEdit)
public:
    using TCustomEdit::TCustomEdit;
};

} // namespace vcl
