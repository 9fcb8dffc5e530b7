#include "ui/editors/text/memo/uiInnerMemo.h"

#include "rtl/WindowsApi.h"
#include "ui/core/controls/routines/uiWindowRoutines.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "vcl/graphics/Colors.h"
#include "vcl/system/Messages.h"

#include <utility>

namespace ui {

rtl::UnicodeString NormalizeMemoLineBreaks(rtl::UnicodeStringView text) {
    rtl::UnicodeString result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' && i + 1 < text.size() && text[i + 1] == u'\r' && (i == 0 || text[i - 1] != u'\r')) {
            result += u"\r\n\r\n";
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

void ApplyMemoWindowClass(vcl::TCreateParams& params, bool wrapsLines) {
    params.WindowClass.Style &= ~static_cast<uint32_t>(CS_VREDRAW);
    if (!wrapsLines) {
        params.WindowClass.Style &= ~static_cast<uint32_t>(CS_HREDRAW);
    }
    params.WinClassName += wrapsLines ? u"Wrapped" : u"Unwrapped";
}

TuiCustomInnerMemo::TuiCustomInnerMemo(TuiContainer* editor, IuiInnerTextEditHost& host)
    : TuiCustomInnerTextEdit(editor, host) {
    SetCursor(vcl::crIBeam);
}

void TuiCustomInnerMemo::SetScrollBars(vcl::TScrollStyle value) {
    if (value != FScrollBars) {
        FScrollBars = value;
        RecreateWnd();
    }
}

void TuiCustomInnerMemo::SetWordWrap(bool value) {
    if (value != FWordWrap) {
        FWordWrap = value;
        RecreateWnd();
    }
}

std::unique_ptr<rtl::TStringList> TuiCustomInnerMemo::Lines() const {
    auto lines = std::make_unique<rtl::TStringList>();
    lines->SetText(Text());
    return lines;
}

void TuiCustomInnerMemo::SetLines(const rtl::TStringList& lines) {
    rtl::UnicodeString text = lines.GetText();
    const rtl::UnicodeString& lineBreak = lines.LineBreak();
    if (text.ends_with(lineBreak)) {
        text.resize(text.size() - lineBreak.size());
    }
    SetText(text);
}

vcl::TPoint TuiCustomInnerMemo::CaretPos() const {
    const auto line = static_cast<int32_t>(SendToWindow(EM_LINEFROMCHAR, static_cast<uintptr_t>(-1)));
    const auto lineStart = static_cast<int32_t>(SendToWindow(EM_LINEINDEX, static_cast<uintptr_t>(-1)));
    return {SelStart() - lineStart, line};
}

void TuiCustomInnerMemo::SetCaretPos(vcl::TPoint value) {
    const auto lineStart = static_cast<int32_t>(SendToWindow(EM_LINEINDEX, static_cast<uintptr_t>(value.Y)));
    SendToWindow(EM_SETSEL, static_cast<uintptr_t>(lineStart + value.X), lineStart + value.X);
}

void TuiCustomInnerMemo::ReplaceSelection(rtl::UnicodeStringView text) {
    SetSelText(NormalizeMemoLineBreaks(text));
}

void TuiCustomInnerMemo::CreateParams(vcl::TCreateParams& params) {
    TuiCustomInnerTextEdit::CreateParams(params);
    params.Style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
    if (FScrollBars == vcl::ssHorizontal || FScrollBars == vcl::ssBoth) {
        params.Style |= WS_HSCROLL;
    }
    if (FScrollBars == vcl::ssVertical || FScrollBars == vcl::ssBoth) {
        params.Style |= WS_VSCROLL;
    }
    if (WrapsLines()) {
        params.Style &= ~static_cast<uint32_t>(ES_AUTOHSCROLL);
    }
    ApplyMemoWindowClass(params, WrapsLines());
}

// Enter and Tab reach the text only when the memo wants them; Ctrl+Enter (a line feed) adds a line where Enter does
// not, and in place, where Ctrl+Enter posts, never.
void TuiCustomInnerMemo::KeyPress(char16_t& key) {
    SetKeyConsumed(false);
    const bool refused = (key == u'\t' && !FWantTabs) || (key == u'\r' && !FWantReturns) ||
                         (key == u'\n' && FWantReturns && Host().IsInplaceEditor());
    if (refused) {
        key = 0;
    }
    if (key != 0) {
        Host().InnerKeyPress(key);
    }
    SetKeyConsumed(key == 0);
    if (key == VK_ESCAPE && (Host().IsInplaceEditor() || Host().TakePopupKeyHandled())) {
        key = 0;
    }
    if (key != 0) {
        TCustomEdit::KeyPress(key);
    }
}

void TuiCustomInnerMemo::KeyUp(uint16_t& key, vcl::TShiftState shift) {
    SetKeyConsumed(false);
    if (key == VK_TAB && !FWantTabs) {
        key = 0;
    }
    if (key != 0) {
        Host().InnerKeyUp(key, shift);
    }
    SetKeyConsumed(key == 0);
    if (key != 0) {
        TCustomEdit::KeyUp(key, shift);
    }
}

// Up and Down move between lines; at the first or last line they do nothing and stay the memo's.
bool TuiCustomInnerMemo::PassesKeyToHost(uint16_t key) const {
    return key != VK_UP && key != VK_DOWN;
}

void TuiCustomInnerMemo::WndProc(vcl::TMessage& message) {
    if (message.Msg == vcl::CN_KEYDOWN && message.WParam == VK_ESCAPE) {
        const bool outer = std::exchange(FEscapeKeyDown, true);
        try {
            TuiCustomInnerTextEdit::WndProc(message);
        } catch (...) {
            FEscapeKeyDown = outer;
            throw;
        }
        FEscapeKeyDown = outer;
        return;
    }
    TuiCustomInnerTextEdit::WndProc(message);
}

void TuiCustomInnerMemo::Dispatch(vcl::TMessage& message) {
    switch (message.Msg) {
    case WM_GETDLGCODE:
        return WMGetDlgCode(message);
    case WM_NCPAINT:
        return WMNCPaint(message);
    case WM_KEYDOWN:
        TuiCustomInnerTextEdit::Dispatch(message);
        if (TuiContainer* editor = Editor()) {
            PostScrollBarsUpdate(*editor);
        }
        return;
    case vcl::CN_COMMAND:
        TuiCustomInnerTextEdit::Dispatch(message);
        if (HIWORD(message.WParam) == EN_HSCROLL || HIWORD(message.WParam) == EN_VSCROLL) {
            PostScrollBarsUpdate(*Editor());
        }
        return;
    default:
        return TuiCustomInnerTextEdit::Dispatch(message);
    }
}

// The multi-line window's own codes; Tab too when the editor keeps it (and Ctrl is not held), but not "all keys"
// while Escape goes down, so that the form closes on it.
void TuiCustomInnerMemo::WMGetDlgCode(vcl::TMessage& message) {
    DefaultHandler(message);
    message.Result |= DLGC_WANTCHARS;
    if (Host().PostsOnTab() && GetKeyState(VK_CONTROL) >= 0) {
        message.Result |= DLGC_WANTTAB;
    }
    if (FEscapeKeyDown) {
        message.Result &= ~static_cast<intptr_t>(DLGC_WANTALLKEYS);
    }
}

// The container's bars lie over the native ones: only the corner between them is painted, in the look's colour.
void TuiCustomInnerMemo::WMNCPaint(vcl::TMessage& message) {
    if (!IsScrollBarInfoAvailable()) {
        return DefaultHandler(message);
    }
    message.Result = 0;
    const vcl::TRect corner = Editor()->InnerScrollBarsCorner();
    if (corner.IsEmpty()) {
        return;
    }
    HDC dc = GetWindowDC(Handle());
    const RECT rect{corner.Left, corner.Top, corner.Right, corner.Bottom};
    const HBRUSH brush = CreateSolidBrush(
        static_cast<COLORREF>(vcl::ColorToRGB(Editor()->LookAndFeel().ActivePainter()->FormContentColor())));
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
    ReleaseDC(Handle(), dc);
}

} // namespace ui
