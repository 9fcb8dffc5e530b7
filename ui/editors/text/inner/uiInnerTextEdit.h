#pragma once
// The inner EDIT window of a text editor: a non-Unicode window (its characters arrive in the ANSI code page, as a
// double-byte input method delivers them), without borders, whose keys the editor sees first. It keeps the selection
// stable while an input-method character arrives in two halves and paints the editor's alignment itself while it
// shows left-aligned text only when focused.

#include "ui/core/controls/containers/uiContainer.h"
#include "ui/editors/text/inner/uiInnerTextEditHost.h"
#include "ui/editors/text/textedit/uiTextEditProperties.h"
#include "vcl/stdctrls/Edit.h"

#include <cstdint>
#include <utility>

namespace ui {

class TuiCustomInnerTextEdit : public vcl::TCustomEdit, public IuiContainerInnerControl {
public:
    // The editor owns the control and hosts it as its inner control.
    TuiCustomInnerTextEdit(TuiContainer* editor, IuiInnerTextEditHost& host);

    // The editor's popup menu takes its short-cuts first; a left press on an editor that drags automatically begins
    // its drag.
    void WndProc(vcl::TMessage& message) override;
    void Dispatch(vcl::TMessage& message) override;
    void DefaultHandler(vcl::TMessage& message) override;
    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;
    // The editor decides.
    bool CanFocus() const override;
    // Read from the EDIT window in Unicode: through the ANSI window a character beyond the ANSI code page (a currency
    // sign) would come back as another.
    rtl::UnicodeString GetText() const override;

    TuiContainer* Editor() const { return FEditor; }
    // IuiContainerInnerControl: the editor answers for this control.
    vcl::TWinControl* GetControl() override { return this; }
    TuiContainer* GetControlContainer() override { return FEditor; }
    vcl::TAlignment DisplayAlignment() const { return FDisplayAlignment; }
    // Alignment, echo mode, password character and left-aligned-while-focused are window styles: a change makes the
    // window anew.
    void SetDisplayAlignment(vcl::TAlignment value);
    TuiEditEchoMode EchoMode() const { return FEchoMode; }
    void SetEchoMode(TuiEditEchoMode value);
    char16_t InnerPasswordChar() const { return FPasswordChar; }
    void SetInnerPasswordChar(char16_t value);
    bool LeftAlignedWhileFocused() const { return FLeftAlignedWhileFocused; }
    void SetLeftAlignedWhileFocused(bool value);
    bool KeyConsumed() const { return FKeyConsumed; }
    void SetKeyConsumed(bool value) { FKeyConsumed = value; }
    // Called after every selection change made through EM_SETSEL.
    const rtl::TNotifyEvent& SelectionChangedHandler() const { return FSelectionChangedHandler; }
    void SetSelectionChangedHandler(rtl::TNotifyEvent handler) { FSelectionChangedHandler = std::move(handler); }
    // The editor's text; while it validates with lookup data and completes, a text that changes only letter case
    // keeps the selection.
    void SetInnerText(const rtl::UnicodeString& value);
    // Bounds changes are ignored while locked.
    void LockBounds(bool lock);

    // While input-method characters are pending the selection reads and writes the values saved before them.
    int32_t InnerSelStart() const;
    int32_t InnerSelLength() const;
    void SetInnerSelStart(int32_t value);
    void SetInnerSelLength(int32_t value);
    // The trail byte of a double-byte input-method character while both halves are pending, else 0.
    char InnerImeLastChar() const { return FPendingImeChars == 2 ? FImeTrailByte : '\0'; }
    // The first character the window shows.
    int32_t FirstVisibleChar() const;
    // A lead byte of the ANSI code page waits for its trail byte.
    bool AwaitsTrailByte() const { return FLeadByte != '\0'; }
    // The character the waiting lead byte and this trail byte make; 0 when they make none.
    char16_t CharacterWithLeadByte(char16_t trailByte) const;
    // The editor took the character whose trail byte it saw: the window forgets its lead byte.
    void DropLeadByte() { FLeadByte = '\0'; }

    // A message as the window received it.
    struct TWindowMessage {
        uint32_t Msg = 0;
        uintptr_t WParam = 0;
        intptr_t LParam = 0;
    };
    // The window's procedure marks the message it hands the control; answers the one marked before.
    TWindowMessage ExchangeWindowMessage(TWindowMessage message) { return std::exchange(FWindowMessage, message); }

protected:
    void CreateParams(vcl::TCreateParams& params) override;
    void CreateWindowHandle(const vcl::TCreateParams& params) override;
    void CreateHandle() override;
    void CreateWnd() override;
    // The text a new window is given back is no change of the text: the editor is not told of it.
    void Change() override;
    void KeyDown(uint16_t& key, vcl::TShiftState shift) override;
    void KeyPress(char16_t& key) override;
    void KeyUp(uint16_t& key, vcl::TShiftState shift) override;
    void MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void Click() override;
    void DblClick() override;
    // A drag over the window, or dropped on it, goes on to the editor.
    void DragOver(rtl::TObject* source, int32_t x, int32_t y, vcl::TDragState state, bool& accept) override;
    void DragDrop(rtl::TObject* source, int32_t x, int32_t y) override;
    // The editor handles the wheel.
    bool DoMouseWheel(vcl::TShiftState, int32_t, vcl::TPoint) override { return false; }
    // Both margins of the window: left 0, right 1.
    virtual void ApplyMargins();
    // Whether a key that changed neither text nor selection goes on to the editor's host.
    virtual bool PassesKeyToHost(uint16_t) const { return true; }
    // Whether the window's text is painted here at the editor's alignment (while unfocused, one line).
    virtual bool PaintsAlignmentItself();
    IuiInnerTextEditHost& Host() const { return FHost; }

private:
    void PassAnsiChar(vcl::TMessage& message);
    bool CharacterFitsMaxLength(wchar_t character) const;
    void WMKeyDown(vcl::TMessage& message);
    void WMChar(vcl::TMessage& message);
    void WMImeChar(vcl::TMessage& message);
    void WMGetDlgCode(vcl::TMessage& message);
    bool InplaceHostKeepsTab() const;
    void WMPaint(vcl::TMessage& message);
    void CNControlColor(vcl::TMessage& message);
    void RepaintBuffered();
    void WMFocusChange(vcl::TMessage& message);
    void PaintAlignedText(HDC dc);
    bool ImeCharsPending() const { return FPendingImeChars > 0; }
    void RecreateWindowIf(bool condition);

    TuiContainer* FEditor;
    IuiInnerTextEditHost& FHost;
    vcl::TAlignment FDisplayAlignment = vcl::taLeftJustify;
    TuiEditEchoMode FEchoMode = eemNormal;
    int32_t FPendingImeChars = 0;
    char FImeTrailByte = '\0';
    // The lead byte of a double-byte character whose trail byte is still to come.
    char FLeadByte = '\0';
    bool FKeyConsumed = false;
    bool FConstructing = true;
    bool FRestoringWindowText = false;
    int32_t FBoundsLockCount = 0;
    char16_t FPasswordChar = 0;
    bool FBufferedRepaintPosted = false;
    bool FLeftAlignedWhileFocused = true;
    int32_t FSavedSelStart = 0;
    int32_t FSavedSelLength = 0;
    TWindowMessage FWindowMessage;
    rtl::TNotifyEvent FSelectionChangedHandler;
};

} // namespace ui
