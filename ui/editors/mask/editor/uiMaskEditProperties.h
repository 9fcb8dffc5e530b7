#pragma once
// TuiCustomMaskEditProperties: the text properties with an input mask. The mask kind picks the mode that interprets
// the mask; a blank mask switches masking off and the editor is a plain text editor.

#include "ui/editors/mask/modes/uiMaskEditCustomMode.h"
#include "ui/editors/mask/modes/uiMaskEditModeSite.h"
#include "ui/editors/mask/regexpr/uiRegExprSeparators.h"
#include "ui/editors/text/textedit/uiTextEditProperties.h"

#include <memory>

namespace ui {

// The separators of the user's locale, read at each use.
const IuiRegExprSeparators& LocaleRegExprSeparators();

class TuiCustomMaskEditProperties : public TuiCustomTextEditProperties {
    RTL_DECLARE_CLASS(TuiCustomMaskEditProperties, TuiCustomTextEditProperties)
public:
    explicit TuiCustomMaskEditProperties(rtl::TPersistent* owner);
    ~TuiCustomMaskEditProperties() override;

    // From mask properties, inside one update: the text settings, then the kind before the mask in force.
    void Assign(const rtl::TPersistent* source) override;

    bool AlwaysShowBlanksAndLiterals() const { return FAlwaysShowBlanksAndLiterals; }
    void SetAlwaysShowBlanksAndLiterals(bool value) { SetMaskSetting(FAlwaysShowBlanksAndLiterals, value); }
    bool CaseInsensitive() const { return FCaseInsensitive; }
    // Stays True while the character case is forced.
    void SetCaseInsensitive(bool value);
    bool IgnoreMaskBlank() const { return FIgnoreMaskBlank; }
    void SetIgnoreMaskBlank(bool value) { FIgnoreMaskBlank = value; }
    TuiEditMaskKind MaskKind() const { return FMaskKind; }
    void SetMaskKind(TuiEditMaskKind value) { SetMaskSetting(FMaskKind, value); }
    // The mask in force: the stored one, or for a standard mask left blank the data's own edit mask.
    rtl::UnicodeString EditMask();
    // Raises EuiMaskEditError for a mask that does not compile, keeping the old one.
    void SetEditMask(const rtl::UnicodeString& value);
    const rtl::UnicodeString& StoredEditMask() const { return FEditMask; }
    // Stores a mask the editor already compiled, without notifying.
    void StoreEditMask(const rtl::UnicodeString& value) { FEditMask = value; }
    bool IsMasked() { return !IsEditMaskBlank(EditMask()); }
    // The empty value of the mask last compiled by an editor.
    const rtl::UnicodeString& GetMaskTemplate() const { return FEmptyText; }
    void SetEmptyText(const rtl::UnicodeString& value) { FEmptyText = value; }

    void SetCharCase(vcl::TEditCharCase value) override;

    // A mode of the kind for the site (null for a mode that only formats and checks) obeying the options (not owned,
    // outliving the mode).
    virtual std::unique_ptr<TuiMaskEditCustomMode> CreateMode(TuiEditMaskKind kind, IuiMaskEditModeSite* site,
                                                              const TuiMaskEditModeOptions& options);
    // The settings the modes obey, as they stand now.
    TuiMaskEditModeOptions ModeOptions() const;

    TuiEditDisplayFormatOptions GetDisplayFormatOptions() const override;
    bool IsEditValueValid(rtl::Variant& value, bool editing) override;
    void PrepareDisplayValue(const rtl::Variant& editValue, rtl::Variant& displayValue, bool editing) override;
    bool UsesLookupData() const override;

protected:
    // Descendants with more assigned-value flags pass their values class.
    TuiCustomMaskEditProperties(rtl::TPersistent* owner, const rtl::TMetaclass& assignedValuesClass);

    void DoChanged() override;
    void MaxLengthChanged() override;

private:
    template <class T>
    void SetMaskSetting(T& field, const T& value) {
        if (field != value) {
            field = value;
            Changed();
        }
    }
    bool IsMaskedConst() const;
    TuiMaskEditCustomMode& FormattingMode();

    bool FAlwaysShowBlanksAndLiterals = false;
    bool FCaseInsensitive = true;
    rtl::UnicodeString FEditMask;
    rtl::UnicodeString FEmptyText;
    bool FIgnoreMaskBlank = false;
    TuiEditMaskKind FMaskKind = TuiEditMaskKind::emkStandard;
    bool FMaxLengthGuard = false;
    // The options of the formatting mode, refreshed at each use.
    TuiMaskEditModeOptions FModeOptions;
    // Formats values without an editor; dropped on every change.
    std::unique_ptr<TuiMaskEditCustomMode> FFormattingMode;
};

} // namespace ui
