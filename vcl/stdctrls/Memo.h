#pragma once
// TCustomMemo and TMemo: a multi-line edit over the Windows EDIT control. Its text is also offered as Lines, a string
// list that follows the text as the user edits it and that sets the text when the program changes it (the memo uses
// the list's OnChange for that). Enter and Tab go into the text when WantReturns and WantTabs say so; otherwise they
// are dialog keys of the form (the default button, the next control).

#include "rtl/text/StringList.h"
#include "vcl/stdctrls/Edit.h"

#include <memory>

namespace vcl {

// A multi-line edit with its text as lines.
class TCustomMemo : public TCustomEdit {
    RTL_DECLARE_CLASS(TCustomMemo, TCustomEdit)
public:
    explicit TCustomMemo(rtl::TComponent* owner);
    ~TCustomMemo() override;
    void Dispatch(TMessage& message) override;

    // The text split at its line breaks (a break at the very end makes no extra line).
    rtl::TStringList& Lines() { return *FLines; }
    void SetLines(const rtl::TStringList& value) { FLines->Assign(value); }
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool value) { FWantReturns = value; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool value) { FWantTabs = value; }
    // Long lines break at the right edge (unless a horizontal scroll bar is shown).
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    // The caret as column (X) and line (Y), both from 0.
    TPoint CaretPos() const;
    void SetCaretPos(TPoint value);

protected:
    void CreateParams(TCreateParams& params) override;
    void Change() override;
    // Drops Enter and Tab typed into a memo that does not want them.
    void KeyPress(char16_t& key) override;

private:
    void LinesChanged();
    void TakeLinesFromText();

    std::unique_ptr<rtl::TStringList> FLines;
    TScrollStyle FScrollBars = ssNone;
    bool FWantReturns = true;
    bool FWantTabs = false;
    bool FWordWrap = true;
    // Set while the text and the lines are brought in line, so that neither answers the other's change.
    bool FSynchronizing = false;
};

// The memo that forms place.
class TMemo : public TCustomMemo {
    RTL_DECLARE_CLASS(TMemo, TCustomMemo)
public:
    using TCustomMemo::TCustomMemo;
};

} // namespace vcl
