#pragma once
// TuiCustomInnerMemo: the inner window of a memo editor, a multi-line EDIT with everything the inner text edit does
// (the ANSI code page at its edge, the editor's keys first, input-method characters). Enter and Tab go into the text
// when the memo wants them; Escape goes on to the form; Up and Down never reach the editor's host (a grid), the keys
// that leave the text at its edges do. Its scroll bars are the container's, laid over the native ones.

#include "rtl/text/StringList.h"
#include "ui/editors/text/inner/uiInnerTextEdit.h"

#include <memory>

namespace ui {

// A text with every LF that a CR follows made into two line breaks, as a multi-line EDIT shows them; CR LF pairs and
// lone CRs or LFs stay.
rtl::UnicodeString NormalizeMemoLineBreaks(rtl::UnicodeStringView text);

class TuiCustomInnerMemo : public TuiCustomInnerTextEdit {
public:
    TuiCustomInnerMemo(TuiContainer* editor, IuiInnerTextEditHost& host);

    vcl::TScrollStyle ScrollBars() const { return FScrollBars; }
    // Scroll bars and word wrap are window styles: a change makes the window anew.
    void SetScrollBars(vcl::TScrollStyle value);
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool value) { FWantReturns = value; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool value) { FWantTabs = value; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    // Lines break at the right edge: word wrap without a horizontal scroll bar.
    bool WrapsLines() const { return FWordWrap && FScrollBars != vcl::ssHorizontal && FScrollBars != vcl::ssBoth; }

    // The text's lines (a break at the very end makes no extra line); setting them sets the text.
    std::unique_ptr<rtl::TStringList> Lines() const;
    void SetLines(const rtl::TStringList& lines);
    // The caret as column (X) and line (Y), both from 0; setting it leaves no selection.
    vcl::TPoint CaretPos() const;
    void SetCaretPos(vcl::TPoint value);
    // Replaces the selection with text, its line breaks normalized, as the program's insertion.
    void ReplaceSelection(rtl::UnicodeStringView text);

    void WndProc(vcl::TMessage& message) override;
    void Dispatch(vcl::TMessage& message) override;

protected:
    void CreateParams(vcl::TCreateParams& params) override;
    void KeyPress(char16_t& key) override;
    void KeyUp(uint16_t& key, vcl::TShiftState shift) override;
    bool PassesKeyToHost(uint16_t key) const override;
    // The window shows several rows at every alignment itself.
    bool PaintsAlignmentItself() override { return false; }

private:
    void WMGetDlgCode(vcl::TMessage& message);
    void WMNCPaint(vcl::TMessage& message);

    vcl::TScrollStyle FScrollBars = vcl::ssNone;
    bool FWantReturns = true;
    bool FWantTabs = false;
    bool FWordWrap = true;
    // Raised while an Escape key-down is handled: the memo lets the form have it.
    bool FEscapeKeyDown = false;
};

// Makes params a memo window's class: no repaint on a change of height, nor of width unless the lines wrap at the
// right edge. The two kinds are registered under two names.
void ApplyMemoWindowClass(vcl::TCreateParams& params, bool wrapsLines);

} // namespace ui
