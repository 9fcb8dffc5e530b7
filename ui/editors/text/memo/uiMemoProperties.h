#pragma once
// The memo's properties: the text properties of a multi-line editor, with its scroll bars, word wrap, whether Enter
// and Tab go into the text, and the number of lines auto size shows. A memo value shown as one line (a cell's short
// display text) is its first line, at most 250 characters.

#include "ui/editors/text/textedit/uiTextEditProperties.h"
#include "vcl/controls/ControlTypes.h"

#include <cstdint>

namespace ui {

// The characters of a memo's short display text.
inline constexpr size_t MemoShortDisplayTextLength = 250;

class TuiCustomMemoProperties : public TuiCustomTextEditProperties {
    RTL_DECLARE_CLASS(TuiCustomMemoProperties, TuiCustomTextEditProperties)
public:
    explicit TuiCustomMemoProperties(rtl::TPersistent* owner);

    // From memo properties, inside one update: the text properties, then the memo's own; others as text properties.
    void Assign(const rtl::TPersistent* source) override;

    vcl::TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(vcl::TScrollStyle value) { SetAndNotify(FScrollBars, value); }
    // The lines auto size shows; 0 leaves the height alone. A negative value is stored as 0.
    int32_t VisibleLineCount() const { return FVisibleLineCount; }
    void SetVisibleLineCount(int32_t value);
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool value) { SetAndNotify(FWantReturns, value); }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool value) { SetAndNotify(FWantTabs, value); }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value) { SetAndNotify(FWordWrap, value); }
    // Lines break at the right edge: word wrap without a horizontal scroll bar.
    bool WrapsLines() const;

    const rtl::TMetaclass& GetContainerClass() const override;
    std::unique_ptr<TuiCustomEditViewData> CreateViewData(TuiCustomEditStyle& style, bool isInplace,
                                                          bool extraFlag = false) override;
    bool WantsTabKey() const override { return FWantTabs; }
    bool IsMultiLineText() const override { return true; }
    // A BLOB field shows its own text ("(MEMO)") rather than the data's.
    bool CanShowDataDisplayText(bool) override;
    // Without fullText only the first line, cut to MemoShortDisplayTextLength characters.
    rtl::UnicodeString GetDisplayText(const rtl::Variant& editValue, bool fullText = false,
                                      bool isInplace = true) override;

private:
    vcl::TScrollStyle FScrollBars = vcl::ssNone;
    int32_t FVisibleLineCount = 0;
    bool FWantReturns = true;
    bool FWantTabs = false;
    bool FWordWrap = true;
};

// The properties of the memo and of its repository item.
class TuiMemoProperties : public TuiCustomMemoProperties {
    RTL_DECLARE_CLASS(TuiMemoProperties, TuiCustomMemoProperties)
public:
    using TuiCustomMemoProperties::TuiCustomMemoProperties;
};

} // namespace ui
