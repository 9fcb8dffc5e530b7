#include "ui/editors/text/inner/uiInnerTextEdit.h"

#include "rtl/WindowsApi.h"
#include "rtl/text/CodePages.h"
#include "rtl/text/StringUtils.h"
#include "ui/core/graphics/uiBufferedWindowPaint.h"
#include "ui/editors/text/inner/uiInnerTextEditRoutines.h"
#include "ui/editors/text/textedit/uiTextEditScopeExit.h"
#include "vcl/controls/WindowProcedure.h"
#include "vcl/graphics/Colors.h"
#include "vcl/system/Messages.h"

#include <algorithm>

namespace ui {

namespace {

// The EDIT class's window procedures: the Unicode one for the framework's own messages, the ANSI one for the
// messages the window receives, whose texts it converts from the ANSI code page.
WNDPROC InnerEditClassWindowProc(bool ansi) {
    static const WNDPROC unicodeProcedure = [] {
        WNDCLASSW editClass{};
        GetClassInfoW(nullptr, L"EDIT", &editClass);
        return editClass.lpfnWndProc;
    }();
    static const WNDPROC ansiProcedure = [] {
        WNDCLASSA editClass{};
        GetClassInfoA(nullptr, "EDIT", &editClass);
        return editClass.lpfnWndProc;
    }();
    return ansi ? ansiProcedure : unicodeProcedure;
}

// The controls' window procedure, read from the window before it is made an ANSI window.
WNDPROC InnerEditControlProcedure = nullptr;

// Installed with SetWindowLongPtrA, so the window becomes an ANSI window: the control receives its messages in the
// ANSI code page, unconverted. The message is remembered, so the default handling tells it from a message the
// framework performs on the control directly, whose texts are Unicode.
LRESULT CALLBACK AnsiInnerEditWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* edit = dynamic_cast<TuiCustomInnerTextEdit*>(vcl::FindControl(window));
    if (!edit) {
        return InnerEditControlProcedure(window, msg, wParam, lParam);
    }
    const auto outer = edit->ExchangeWindowMessage({msg, wParam, static_cast<intptr_t>(lParam)});
    const vcl::TControlLink link(edit);
    const LRESULT result = InnerEditControlProcedure(window, msg, wParam, lParam);
    if (link.Alive()) {
        edit->ExchangeWindowMessage(outer);
    }
    return result;
}

// Asks the window to repaint itself through a buffer once the messages waiting now are handled.
constexpr uint32_t UI_BUFFEREDREPAINT = 0x8081;

constexpr uint32_t InnerEditAlignmentMask = ES_LEFT | ES_CENTER | ES_RIGHT;

uint32_t InnerEditAlignmentStyle(vcl::TAlignment alignment) {
    constexpr uint32_t styles[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
    return styles[alignment];
}

// The character one byte, or a lead byte and its trail byte, make in the ANSI code page; 0 when none.
wchar_t AnsiCharacter(char leadByte, char byte) {
    const char bytes[] = {leadByte, byte};
    const bool doubleByte = leadByte != '\0';
    wchar_t character = 0;
    if (MultiByteToWideChar(CP_ACP, 0, doubleByte ? bytes : bytes + 1, doubleByte ? 2 : 1, &character, 1) != 1) {
        return 0;
    }
    return character;
}

} // namespace

TuiCustomInnerTextEdit::TuiCustomInnerTextEdit(TuiContainer* editor, IuiInnerTextEditHost& host)
    : TCustomEdit(editor), FEditor(editor), FHost(host) {
    SetControlStyle(ControlStyle() + vcl::TControlStyle{vcl::csDoubleClicks});
    SetParentColor(true);
    SetParentFont(false);
    FConstructing = false;
}

void TuiCustomInnerTextEdit::SetDisplayAlignment(vcl::TAlignment value) {
    const bool changed = value != FDisplayAlignment;
    FDisplayAlignment = value;
    RecreateWindowIf(changed && !FLeftAlignedWhileFocused);
    if (changed && FLeftAlignedWhileFocused) {
        Invalidate();
    }
}

void TuiCustomInnerTextEdit::SetEchoMode(TuiEditEchoMode value) {
    const bool changed = value != FEchoMode;
    FEchoMode = value;
    RecreateWindowIf(changed);
}

void TuiCustomInnerTextEdit::SetInnerPasswordChar(char16_t value) {
    const bool changed = value != FPasswordChar;
    FPasswordChar = value;
    RecreateWindowIf(changed && FEchoMode == eemPassword);
}

void TuiCustomInnerTextEdit::SetLeftAlignedWhileFocused(bool value) {
    const bool changed = value != FLeftAlignedWhileFocused;
    FLeftAlignedWhileFocused = value;
    RecreateWindowIf(changed && FDisplayAlignment != vcl::taLeftJustify);
}

void TuiCustomInnerTextEdit::RecreateWindowIf(bool condition) {
    if (condition) {
        RecreateWnd();
    }
}

void TuiCustomInnerTextEdit::LockBounds(bool lock) {
    if (lock) {
        ++FBoundsLockCount;
    } else if (FBoundsLockCount > 0) {
        --FBoundsLockCount;
    }
}

void TuiCustomInnerTextEdit::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    if (FConstructing || FBoundsLockCount > 0) {
        return;
    }
    FEditor->LockInnerBoundsChange(true);
    TCustomEdit::SetBounds(left, top, width, height);
    FEditor->LockInnerBoundsChange(false);
}

void TuiCustomInnerTextEdit::SetInnerText(const rtl::UnicodeString& value) {
    const bool keepSelection = HandleAllocated() && FHost.ValidatesWithLookup() && FHost.CompletionActive() &&
                               rtl::WideSameText(value, Text());
    if (!keepSelection) {
        return SetText(value);
    }
    const int32_t start = SelStart();
    const int32_t length = SelLength();
    SetText(value);
    SetSelStart(start);
    SetSelLength(length);
}

bool TuiCustomInnerTextEdit::CanFocus() const {
    return FEditor->CanFocus();
}

rtl::UnicodeString TuiCustomInnerTextEdit::GetText() const {
    HWND window = WindowHandle();
    if (window == nullptr) {
        return TCustomEdit::GetText();
    }
    const WNDPROC editProcedure = InnerEditClassWindowProc(false);
    const auto length =
        static_cast<size_t>(std::max<LRESULT>(CallWindowProcW(editProcedure, window, WM_GETTEXTLENGTH, 0, 0), 0));
    rtl::UnicodeString text(length + 1, u'\0');
    const LRESULT copied = CallWindowProcW(editProcedure, window, WM_GETTEXT, static_cast<WPARAM>(length + 1),
                                           reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(std::clamp<LRESULT>(copied, 0, static_cast<LRESULT>(length))));
    return text;
}

int32_t TuiCustomInnerTextEdit::InnerSelStart() const {
    return ImeCharsPending() ? FSavedSelStart : SelStart();
}

int32_t TuiCustomInnerTextEdit::InnerSelLength() const {
    return ImeCharsPending() ? FSavedSelLength : SelLength();
}

void TuiCustomInnerTextEdit::SetInnerSelStart(int32_t value) {
    if (!HandleAllocated()) {
        return;
    }
    if (ImeCharsPending()) {
        FSavedSelStart = value;
    } else {
        SetSelStart(value);
    }
}

void TuiCustomInnerTextEdit::SetInnerSelLength(int32_t value) {
    if (!HandleAllocated()) {
        return;
    }
    if (ImeCharsPending()) {
        FSavedSelLength = value;
    } else {
        SetSelLength(value);
    }
}

char16_t TuiCustomInnerTextEdit::CharacterWithLeadByte(char16_t trailByte) const {
    return static_cast<char16_t>(AnsiCharacter(FLeadByte, static_cast<char>(trailByte & 0xFF)));
}

int32_t TuiCustomInnerTextEdit::FirstVisibleChar() const {
    // A single-line EDIT answers its first visible character here; the character at (0, 0) is none when the text
    // is scrolled half a character.
    return static_cast<int32_t>(SendToWindow(EM_GETFIRSTVISIBLELINE));
}

void TuiCustomInnerTextEdit::CreateParams(vcl::TCreateParams& params) {
    TCustomEdit::CreateParams(params);
    const vcl::TAlignment shown = FLeftAlignedWhileFocused ? vcl::taLeftJustify : FDisplayAlignment;
    params.Style = (params.Style & ~InnerEditAlignmentMask) | InnerEditAlignmentStyle(shown) | ES_AUTOHSCROLL;
    params.Style &= ~(WS_BORDER | WS_DLGFRAME | WS_THICKFRAME);
    if (FEchoMode == eemPassword) {
        params.Style |= ES_PASSWORD;
    }
    params.ExStyle &= ~WS_EX_CLIENTEDGE;
}

void TuiCustomInnerTextEdit::CreateWindowHandle(const vcl::TCreateParams& params) {
    vcl::TCreateParams withoutCaption = params;
    withoutCaption.Caption.clear();
    TCustomEdit::CreateWindowHandle(withoutCaption);
    if (!HandleAllocated()) {
        return;
    }
    HWND window = Handle();
    InnerEditControlProcedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AnsiInnerEditWindowProc));
    // Straight to the EDIT window, so the editor's text handlers do not see it; its change notification would make
    // the editor read its value back from the shown text, which a display format need not parse (a currency sign).
    const auto restoring = RaiseForScope(FRestoringWindowText);
    CallWindowProcW(InnerEditClassWindowProc(false), window, WM_SETTEXT, 0,
                    reinterpret_cast<LPARAM>(params.Caption.c_str()));
}

void TuiCustomInnerTextEdit::CreateHandle() {
    TCustomEdit::CreateHandle();
    if (FEchoMode == eemPassword) {
        SendToWindow(EM_SETPASSWORDCHAR, FPasswordChar != 0 ? FPasswordChar : u'*');
    }
}

void TuiCustomInnerTextEdit::CreateWnd() {
    TCustomEdit::CreateWnd();
    ApplyMargins();
}

void TuiCustomInnerTextEdit::ApplyMargins() {
    SendToWindow(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(0, 1));
}

void TuiCustomInnerTextEdit::DefaultHandler(vcl::TMessage& message) {
    if (!HandleAllocated()) {
        return;
    }
    HWND window = Handle();
    // Only a message that came through the ANSI window carries ANSI data; the creation messages (before the window
    // became an ANSI one) and the framework's own performed messages carry Unicode.
    const bool ansi = FWindowMessage.Msg == message.Msg && FWindowMessage.WParam == message.WParam &&
                      FWindowMessage.LParam == message.LParam && !IsWindowUnicode(window);
    if (ansi && message.Msg == WM_CHAR) {
        return PassAnsiChar(message);
    }
    if (message.Msg == WM_CHAR && !CharacterFitsMaxLength(static_cast<wchar_t>(message.WParam))) {
        message.Result = 0;
        return;
    }
    const auto call = ansi ? CallWindowProcA : CallWindowProcW;
    message.Result = call(InnerEditClassWindowProc(ansi), window, message.Msg, message.WParam, message.LParam);
}

// A character byte of the ANSI code page: a lead byte waits for its trail byte, then the window gets the character
// the two make.
void TuiCustomInnerTextEdit::PassAnsiChar(vcl::TMessage& message) {
    const auto byte = static_cast<char>(message.WParam & 0xFF);
    if (FLeadByte == '\0' && IsDBCSLeadByte(static_cast<BYTE>(byte))) {
        FLeadByte = byte;
        message.Result = 0;
        return;
    }
    const wchar_t character = AnsiCharacter(FLeadByte, byte);
    FLeadByte = '\0';
    if (character == 0 || !CharacterFitsMaxLength(character)) {
        message.Result = 0;
        return;
    }
    message.Result = CallWindowProcW(InnerEditClassWindowProc(false), Handle(), WM_CHAR, character, message.LParam);
}

// The window's own limit counts characters; MaxLength counts the bytes of the ANSI code page, as in an ANSI EDIT
// window, and a double-byte character that does not fit is refused whole.
bool TuiCustomInnerTextEdit::CharacterFitsMaxLength(wchar_t character) const {
    if (MaxLength() <= 0 || character < u' ') {
        return true;
    }
    rtl::UnicodeString kept = Text();
    const auto start = std::min(static_cast<size_t>(std::max(SelStart(), 0)), kept.size());
    kept.erase(start, static_cast<size_t>(std::max(SelLength(), 0)));
    kept.push_back(static_cast<char16_t>(character));
    return rtl::UnicodeToAnsi(kept).size() <= static_cast<size_t>(MaxLength());
}

void TuiCustomInnerTextEdit::WndProc(vcl::TMessage& message) {
    FHost.PreprocessInnerMessage(message.Msg, message.WParam);
    const bool designing = ComponentState().Contains(rtl::TComponentState::csDesigning);
    switch (message.Msg) {
    case vcl::CN_KEYDOWN:
    case vcl::CN_SYSKEYDOWN:
        if (FEditor->IsPopupMenuShortCut(message)) {
            message.Result = 1;
            return;
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (FEditor->DragMode() == vcl::dmAutomatic && !designing) {
            return FHost.BeginInnerAutoDrag();
        }
        break;
    default:
        break;
    }
    TCustomEdit::WndProc(message);
}

void TuiCustomInnerTextEdit::Dispatch(vcl::TMessage& message) {
    switch (message.Msg) {
    case WM_KEYDOWN:
        return WMKeyDown(message);
    case WM_CHAR:
        return WMChar(message);
    case WM_IME_CHAR:
        return WMImeChar(message);
    case WM_GETDLGCODE:
        return WMGetDlgCode(message);
    case WM_PAINT:
    case WM_PRINTCLIENT:
        return WMPaint(message);
    case vcl::CN_CTLCOLOREDIT:
    case vcl::CN_CTLCOLORSTATIC:
        return CNControlColor(message);
    case UI_BUFFEREDREPAINT:
        return RepaintBuffered();
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    case WM_NCPAINT:
        message.Result = 0;
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        return WMFocusChange(message);
    case WM_CLEAR:
        if (!ReadOnly()) {
            FHost.ClearSelectionByUser();
        }
        return;
    case WM_UNDO:
        TCustomEdit::Dispatch(message);
        return FHost.AfterInnerTextSet();
    case EM_REPLACESEL:
        if (Focused() && !FHost.TryBeginEdit()) {
            return;
        }
        return TCustomEdit::Dispatch(message);
    case WM_IME_COMPOSITION:
        if (FHost.TryBeginEdit()) {
            TCustomEdit::Dispatch(message);
        }
        return;
    case EM_SETSEL:
        TCustomEdit::Dispatch(message);
        if (FSelectionChangedHandler) {
            FSelectionChangedHandler(this);
        }
        return;
    case WM_SETFONT:
    case WM_SIZE:
        TCustomEdit::Dispatch(message);
        return ApplyMargins();
    default:
        return TCustomEdit::Dispatch(message);
    }
}

void TuiCustomInnerTextEdit::Change() {
    if (!FRestoringWindowText) {
        TCustomEdit::Change();
    }
}

void TuiCustomInnerTextEdit::KeyDown(uint16_t& key, vcl::TShiftState shift) {
    FKeyConsumed = false;
    FHost.InnerKeyDown(key, shift);
    FKeyConsumed = key == 0;
    if (key != 0) {
        TCustomEdit::KeyDown(key, shift);
    }
}

void TuiCustomInnerTextEdit::KeyPress(char16_t& key) {
    FKeyConsumed = false;
    if (key == VK_TAB) {
        key = 0;
    }
    if (key != 0) {
        FHost.InnerKeyPress(key);
    }
    FKeyConsumed = key == 0;
    const bool enterOrEscape = key == VK_RETURN || key == VK_ESCAPE;
    if (enterOrEscape &&
        (FHost.IsInplaceEditor() || FHost.TakePopupKeyHandled() || (key == VK_RETURN && !FHost.BeepOnEnter()))) {
        key = 0;
    }
    if (key != 0) {
        TCustomEdit::KeyPress(key);
    }
}

void TuiCustomInnerTextEdit::KeyUp(uint16_t& key, vcl::TShiftState shift) {
    FKeyConsumed = false;
    if (key == VK_TAB) {
        key = 0;
    }
    if (key != 0) {
        FHost.InnerKeyUp(key, shift);
    }
    FKeyConsumed = key == 0;
    if (key != 0) {
        TCustomEdit::KeyUp(key, shift);
    }
}

void TuiCustomInnerTextEdit::MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    TCustomEdit::MouseDown(button, shift, x, y);
    FHost.InnerMouseDown(button, shift, x + Left(), y + Top());
}

void TuiCustomInnerTextEdit::MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) {
    TCustomEdit::MouseMove(shift, x, y);
    FHost.InnerMouseMove(shift, x + Left(), y + Top());
}

void TuiCustomInnerTextEdit::MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    TCustomEdit::MouseUp(button, shift, x, y);
    FHost.InnerMouseUp(button, shift, x + Left(), y + Top());
}

void TuiCustomInnerTextEdit::Click() {
    TCustomEdit::Click();
    FHost.InnerClick(false);
}

void TuiCustomInnerTextEdit::DblClick() {
    TCustomEdit::DblClick();
    FHost.InnerClick(true);
}

void TuiCustomInnerTextEdit::DragOver(rtl::TObject* source, int32_t x, int32_t y, vcl::TDragState state, bool& accept) {
    TCustomEdit::DragOver(source, x, y, state, accept);
    static_cast<vcl::TControl*>(FEditor)->DragOver(source, x + Left(), y + Top(), state, accept);
}

void TuiCustomInnerTextEdit::DragDrop(rtl::TObject* source, int32_t x, int32_t y) {
    TCustomEdit::DragDrop(source, x, y);
    static_cast<vcl::TControl*>(FEditor)->DragDrop(source, x + Left(), y + Top());
}

void TuiCustomInnerTextEdit::WMKeyDown(vcl::TMessage& message) {
    const vcl::TShiftState shift = vcl::KeyDataToShiftState(message.LParam);
    if (vcl::TWinControl* popupList = FHost.PopupKeyTarget(static_cast<uint16_t>(message.WParam), shift)) {
        message.Result = SendMessageW(popupList->Handle(), WM_KEYDOWN, message.WParam, message.LParam);
        return;
    }
    TuiCustomInnerTextEditPrevState state;
    SaveInnerTextEditState(Handle(), true, state);
    FKeyConsumed = false;
    TCustomEdit::Dispatch(message);
    auto key = static_cast<uint16_t>(message.WParam);
    if (key != 0 && !FKeyConsumed && PassesKeyToHost(key) && HandleAllocated() &&
        !InnerTextEditStateChanged(Handle(), state)) {
        FHost.AfterInnerKeyDown(key, shift);
    }
}

void TuiCustomInnerTextEdit::WMChar(vcl::TMessage& message) {
    TuiCustomInnerTextEditPrevState state;
    SaveInnerTextEditState(Handle(), true, state);
    FKeyConsumed = false;
    TCustomEdit::Dispatch(message);
    if (ImeCharsPending() && --FPendingImeChars == 0 && FHost.CompletionActive()) {
        SetSelStart(FSavedSelStart);
        SetSelLength(FSavedSelLength);
    }
    FHost.ClearLookupUpdating();
    if (!FKeyConsumed && InnerTextEditStateChanged(HandleAllocated() ? Handle() : nullptr, state)) {
        FHost.SetCompletionActive(false);
    }
}

// A double-byte character comes as one message; the default handling posts its two bytes as two WM_CHARs. Until
// both have arrived the selection reads as before the character.
void TuiCustomInnerTextEdit::WMImeChar(vcl::TMessage& message) {
    if (IsWindowUnicode(Handle())) {
        return TCustomEdit::Dispatch(message);
    }
    FSavedSelStart = SelStart();
    FSavedSelLength = SelLength();
    const bool doubleByte = (message.WParam & 0xFF00) != 0;
    FPendingImeChars = doubleByte ? 2 : 1;
    FImeTrailByte = static_cast<char>(message.WParam & 0xFF);
    message.Result = DefWindowProcA(Handle(), WM_IME_CHAR, message.WParam, message.LParam);
}

// The framework's dialog-key check reads DLGC_WANTALLKEYS as Enter and Escape only: it asks without naming the key,
// and a multi-line EDIT answers DLGC_WANTALLKEYS to every such query. Tab is asked for on its own, when the editor
// posts on Tab or, in place, when its host keeps Tab.
void TuiCustomInnerTextEdit::WMGetDlgCode(vcl::TMessage& message) {
    DefaultHandler(message);
    message.Result |= DLGC_WANTCHARS;
    if ((FHost.PostsOnTab() && GetKeyState(VK_CONTROL) >= 0) || InplaceHostKeepsTab()) {
        message.Result |= DLGC_WANTTAB;
    }
    if (FHost.IsInplaceEditor() || FHost.IsPopupShown()) {
        message.Result |= DLGC_WANTALLKEYS;
    }
}

// The control hosting an in-place editor (a grid moving between its cells) answers as it does for its own window.
bool TuiCustomInnerTextEdit::InplaceHostKeepsTab() const {
    vcl::TWinControl* inplaceHost = FEditor->Parent();
    return FHost.IsInplaceEditor() && inplaceHost != nullptr &&
           inplaceHost->Perform(vcl::CM_WANTSPECIALKEY, VK_TAB) != 0;
}

// The window shows another alignment with and without the focus: all of it is painted anew.
void TuiCustomInnerTextEdit::WMFocusChange(vcl::TMessage& message) {
    TCustomEdit::Dispatch(message);
    if (HandleAllocated() && FLeftAlignedWhileFocused && FDisplayAlignment != vcl::taLeftJustify) {
        InvalidateRect(Handle(), nullptr, FALSE);
    }
}

bool TuiCustomInnerTextEdit::PaintsAlignmentItself() {
    return FLeftAlignedWhileFocused && FDisplayAlignment != vcl::taLeftJustify && !Focused();
}

// A paint the window asks for itself goes through a buffer under composition; a paint into a given device context
// (the buffer's among them) draws there.
void TuiCustomInnerTextEdit::WMPaint(vcl::TMessage& message) {
    if (message.Msg == WM_PAINT && message.WParam == 0 && FHost.PaintsInnerEditBuffered()) {
        // The colour the window asks for while it prints into the buffer needs no repaint.
        const bool posted = std::exchange(FBufferedRepaintPosted, true);
        PaintWindowBuffered(Handle());
        FBufferedRepaintPosted = posted;
        message.Result = 0;
        return;
    }
    if (!PaintsAlignmentItself()) {
        return TCustomEdit::Dispatch(message);
    }
    PAINTSTRUCT paint{};
    HDC given = reinterpret_cast<HDC>(message.WParam);
    HDC dc = given ? given : BeginPaint(Handle(), &paint);
    PaintAlignedText(dc);
    if (!given) {
        EndPaint(Handle(), &paint);
    }
    message.Result = 0;
}

// The EDIT window draws typed text straight onto its device context, outside any paint: under composition it is
// painted once more through a buffer.
void TuiCustomInnerTextEdit::CNControlColor(vcl::TMessage& message) {
    TCustomEdit::Dispatch(message);
    if (!FBufferedRepaintPosted && FHost.PaintsInnerEditBuffered()) {
        FBufferedRepaintPosted = PostMessageW(Handle(), UI_BUFFEREDREPAINT, 0, 0) != FALSE;
    }
}

void TuiCustomInnerTextEdit::RepaintBuffered() {
    if (HandleAllocated()) {
        RepaintWindowBuffered(Handle());
    }
    FBufferedRepaintPosted = false;
}

// The text the window would show, placed by the editor's alignment between the window's margins.
void TuiCustomInnerTextEdit::PaintAlignedText(HDC dc) {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    rtl::UnicodeString text = GetText();
    const char16_t echo = FPasswordChar != 0 ? FPasswordChar : u'*';
    if (FEchoMode == eemPassword) {
        text.assign(text.size(), echo);
    }
    const HGDIOBJ oldFont = SelectObject(dc, Font().Handle());
    SetTextColor(dc, vcl::ColorToRGB(Font().Color()));
    SetBkColor(dc, vcl::ColorToRGB(Color()));
    SIZE extent{};
    GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(text.c_str()), static_cast<int>(text.size()), &extent);
    const auto margins = static_cast<DWORD>(SendToWindow(EM_GETMARGINS));
    const int left = LOWORD(margins);
    const int right = HIWORD(margins);
    const int width = client.right - client.left;
    int x = left;
    if (FDisplayAlignment == vcl::taRightJustify) {
        x = left + width - extent.cx - right;
    } else if (FDisplayAlignment == vcl::taCenter) {
        x = left + (width - left - right - extent.cx) / 2;
    }
    ExtTextOutW(dc, x, 0, ETO_CLIPPED | ETO_OPAQUE, &client, reinterpret_cast<const wchar_t*>(text.c_str()),
                static_cast<UINT>(text.size()), nullptr);
    SelectObject(dc, oldFont);
}

} // namespace ui
