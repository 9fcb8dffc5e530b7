#pragma once
// TuiCustomMemo: the multi-line text editor. Its text lives in an inner multi-line EDIT window (TuiCustomInnerMemo);
// Enter and Tab go into the text as the properties say, in place too, where Ctrl+Enter (or Enter without
// WantReturns) posts through the host. Its scroll bars are the container's, laid over the window's; auto size gives
// it the height of VisibleLineCount lines. Pasted text keeps to MaxLength characters, its line breaks as a multi-line
// EDIT shows them.

#include "ui/editors/framework/repository/uiEditRepository.h"
#include "ui/editors/text/memo/uiInnerMemo.h"
#include "ui/editors/text/memo/uiMemoProperties.h"
#include "ui/editors/text/textedit/uiTextEdit.h"

#include <memory>

namespace ui {

class TuiCustomMemo : public TuiCustomTextEdit {
    RTL_DECLARE_CLASS(TuiCustomMemo, TuiCustomTextEdit)
public:
    explicit TuiCustomMemo(rtl::TComponent* owner) : TuiCustomMemo(owner, TuiCustomMemoProperties::StaticClass()) {}

    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiCustomMemoProperties::StaticClass(); }
    TuiCustomMemoProperties& ActiveProperties() {
        return static_cast<TuiCustomMemoProperties&>(GetEffectiveProperties());
    }
    TuiCustomInnerMemo& InnerMemo() const { return static_cast<TuiCustomInnerMemo&>(InnerEdit()); }

    // The text's lines; setting them sets the text.
    std::unique_ptr<rtl::TStringList> Lines() const { return InnerMemo().Lines(); }
    void SetLines(const rtl::TStringList& lines) { InnerMemo().SetLines(lines); }

    // Only as many characters as MaxLength leaves room for, counted in UTF-16 characters, while focused.
    void SetDisplayTextInternal(const rtl::UnicodeString& text) override;
    void PasteFromClipboard() override;
    void CutToClipboard() override;

    // The memo keeps Tab in place, and wherever it types tabs.
    bool PostsOnTab() const override;

protected:
    TuiCustomMemo(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass);

    void CreateParams(vcl::TCreateParams& params) override;
    void PropertiesChanged(TuiCustomEditProperties* properties) override;
    void InitViewData(TuiCustomEditViewData& viewData) override;
    void AlignInnerControl() override;
    // In place, an Enter that the memo turns into a line is its own: neither the host nor OnKeyDown sees it.
    void KeyDown(uint16_t& key, vcl::TShiftState shift) override;
    // Ctrl+A selects the whole text of a memo that has one.
    void DoEditKeyDown(uint16_t& key, vcl::TShiftState shift) override;
    bool IsEditingKey(uint16_t key, vcl::TShiftState shift) const override;
    // The Enter that opens the memo in place is no line of its text.
    bool ForwardsActivationKey(char16_t key) const override { return key != u'\r'; }
    bool CanAutoSizeEditor() const override;
    // Auto size changes the height only.
    bool AreButtonsAutoWidth() const override { return false; }
    bool NeedsScrollBars() const override;
    bool AllowScrollContent(TuiDirection direction) const override;
    void Scroll(TScrollBarKind kind, TScrollCode code, int32_t& position) override;
    void HandleUserChange() override;
    void Dispatch(vcl::TMessage& message) override;

    // Enter when the memo types it (WantReturns, or Ctrl held); Tab when it types tabs or anyTab.
    virtual bool WantsMemoKey(uint16_t key, vcl::TShiftState shift, bool anyTab) const;

private:
    bool TurnsEnterIntoLine(uint16_t key, vcl::TShiftState shift);
    void ApplyMemoProperties(TuiCustomMemoProperties& properties);

    bool FScrollBarsApplied = false;
    int32_t FLastVScrollPos = 0;
};

// The memo a form places: its properties are TuiMemoProperties.
class TuiMemo : public TuiCustomMemo {
    RTL_DECLARE_CLASS(TuiMemo, TuiCustomMemo)
public:
    explicit TuiMemo(rtl::TComponent* owner) : TuiCustomMemo(owner, TuiMemoProperties::StaticClass()) {}
    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiMemoProperties::StaticClass(); }
    TuiMemoProperties& MemoProperties() const { return static_cast<TuiMemoProperties&>(Properties()); }
};

class TuiEditRepositoryMemoItem : public TuiEditRepositoryItemOf<TuiMemoProperties> {
    RTL_DECLARE_CLASS(TuiEditRepositoryMemoItem, TuiEditRepositoryItemOf<TuiMemoProperties>)
public:
    using TuiEditRepositoryItemOf::TuiEditRepositoryItemOf;
};

// Registers the memo properties among the properties classes and their filter helper; the finalisation removes both.
void InitializeMemoUnit();
void FinalizeMemoUnit();

} // namespace ui
