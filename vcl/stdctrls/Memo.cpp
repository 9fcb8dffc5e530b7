#include "vcl/stdctrls/Memo.h"

#include "vcl/system/Win32.h"

namespace vcl {

namespace {

// Raises a flag for as long as it lives.
class TRaisedFlag {
public:
    explicit TRaisedFlag(bool& flag) : FFlag(flag) { FFlag = true; }
    ~TRaisedFlag() { FFlag = false; }
    TRaisedFlag(const TRaisedFlag&) = delete;
    TRaisedFlag& operator=(const TRaisedFlag&) = delete;

private:
    bool& FFlag;
};

} // namespace

TCustomMemo::TCustomMemo(rtl::TComponent* owner) : TCustomEdit(owner), FLines(std::make_unique<rtl::TStringList>()) {
    SetBounds(0, 0, 185, 89);
    FLines->SetOnChange([this](rtl::TObject*) { LinesChanged(); });
}

TCustomMemo::~TCustomMemo() {
    FLines->SetOnChange({});
}

void TCustomMemo::Dispatch(TMessage& message) {
    switch (message.Msg) {
    case WM_GETDLGCODE: {
        TCustomEdit::Dispatch(message);
        auto code = static_cast<uint32_t>(message.Result);
        code = FWantTabs ? code | DLGC_WANTTAB : code & ~static_cast<uint32_t>(DLGC_WANTTAB);
        if (!FWantReturns) {
            code &= ~static_cast<uint32_t>(DLGC_WANTALLKEYS);
        }
        message.Result = static_cast<intptr_t>(code);
        return;
    }
    case CM_TEXTCHANGED:
        TakeLinesFromText();
        return TCustomEdit::Dispatch(message);
    default:
        return TCustomEdit::Dispatch(message);
    }
}

void TCustomMemo::CreateParams(TCreateParams& params) {
    TCustomEdit::CreateParams(params);
    params.Style |= ES_MULTILINE | ES_WANTRETURN;
    if (FScrollBars == ssHorizontal || FScrollBars == ssBoth) {
        params.Style |= WS_HSCROLL;
    }
    if (FScrollBars == ssVertical || FScrollBars == ssBoth) {
        params.Style |= WS_VSCROLL;
    }
    if (FWordWrap && (params.Style & WS_HSCROLL) == 0) {
        params.Style &= ~static_cast<uint32_t>(ES_AUTOHSCROLL);
    }
}

void TCustomMemo::SetScrollBars(TScrollStyle value) {
    if (value != FScrollBars) {
        FScrollBars = value;
        RecreateWnd();
    }
}

void TCustomMemo::SetWordWrap(bool value) {
    if (value != FWordWrap) {
        FWordWrap = value;
        RecreateWnd();
    }
}

void TCustomMemo::Change() {
    TakeLinesFromText();
    TCustomEdit::Change();
}

// A key the form did not use as a dialog key still reaches the memo as a character.
void TCustomMemo::KeyPress(char16_t& key) {
    TCustomEdit::KeyPress(key);
    if ((key == u'\r' && !FWantReturns) || (key == u'\t' && !FWantTabs)) {
        key = 0;
    }
}

void TCustomMemo::TakeLinesFromText() {
    if (FSynchronizing) {
        return;
    }
    const TRaisedFlag synchronizing(FSynchronizing);
    FLines->SetText(Text());
}

void TCustomMemo::LinesChanged() {
    if (FSynchronizing) {
        return;
    }
    rtl::UnicodeString text = FLines->GetText();
    const rtl::UnicodeString& lineBreak = FLines->LineBreak();
    if (text.ends_with(lineBreak)) {
        text.resize(text.size() - lineBreak.size());
    }
    const TRaisedFlag synchronizing(FSynchronizing);
    SetText(text);
}

TPoint TCustomMemo::CaretPos() const {
    const auto line = static_cast<int32_t>(SendToWindow(EM_LINEFROMCHAR, static_cast<uintptr_t>(-1)));
    const auto lineStart = static_cast<int32_t>(SendToWindow(EM_LINEINDEX, static_cast<uintptr_t>(-1)));
    return {SelStart() - lineStart, line};
}

void TCustomMemo::SetCaretPos(TPoint value) {
    const auto lineStart = static_cast<int32_t>(SendToWindow(EM_LINEINDEX, static_cast<uintptr_t>(value.Y)));
    SetSelStart(lineStart + value.X);
}

} // namespace vcl
