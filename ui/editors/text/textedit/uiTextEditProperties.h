#pragma once
// TuiCustomTextEditProperties: the description of every editor that shows its value as text (the text editor and,
// through inheritance, the mask, drop-down, numeric and date editors; the grid's text columns paint through it).
// It adds character case, password echo, input-method settings, the lookup item list, the maximum length, the
// display and edit formats of numbers, the text of an edit value and the checks of typed text.

#include "rtl/text/StringList.h"
#include "ui/data/locale/uiFormats.h"
#include "ui/editors/framework/properties/uiEditProperties.h"
#include "vcl/controls/ControlTypes.h"
#include "vcl/stdctrls/StdCtrlTypes.h"

#include <bitset>
#include <cstdint>
#include <functional>
#include <memory>

namespace ui {

class TuiCustomTextEditLookupData;
class TuiTextEditLookupOwner;

enum TuiEditEchoMode : uint8_t { eemNormal, eemPassword };
// How typing relates to the lookup list: free, completed from the list, only list texts, no typing at all.
enum TuiTextEditingStyle : uint8_t { tesFree, tesListAssisted, tesListOnly, tesLocked };
enum TuiTextEditViewStyle : uint8_t { vsNormal, vsHideCursor, vsButtonsOnly, vsButtonsAutoWidth };
// The input-method mode an edit window asks for, in the platform's order.
enum TImeMode : uint8_t {
    imDisable,
    imClose,
    imOpen,
    imDontCare,
    imSAlpha,
    imAlpha,
    imHira,
    imSKata,
    imKata,
    imChinese,
    imSHanguel,
    imHanguel
};

// The assigned flags of the text properties: besides the base ones, DisplayFormat, EditFormat and MaxLength.
class TuiTextEditPropertiesValues : public TuiCustomEditPropertiesValues {
    RTL_DECLARE_CLASS(TuiTextEditPropertiesValues, TuiCustomEditPropertiesValues)
public:
    explicit TuiTextEditPropertiesValues(rtl::TPersistent* owner) : TuiCustomEditPropertiesValues(owner) {}

    void Assign(const rtl::TPersistent* source) override;
    void ResetAssigned() override;

    bool DisplayFormat() const { return FDisplayFormat; }
    void SetDisplayFormat(bool value) { SetFlag(FDisplayFormat, value); }
    bool EditFormat() const { return FEditFormat; }
    void SetEditFormat(bool value) { SetFlag(FEditFormat, value); }
    bool MaxLength() const { return FMaxLength; }
    // A change tells the owner's MaxLengthChanged rather than Changed.
    void SetMaxLength(bool value);

private:
    bool FDisplayFormat = false;
    bool FEditFormat = false;
    bool FMaxLength = false;
};

class TuiCustomTextEditProperties : public TuiCustomEditProperties, public IuiFormatListener {
    RTL_DECLARE_CLASS(TuiCustomTextEditProperties, TuiCustomEditProperties)
public:
    using TNewLookupDisplayTextEvent = std::function<void(rtl::TObject* sender, const rtl::UnicodeString& text)>;
    // Characters the editor always accepts, indexed by their code.
    using TCharSet = std::bitset<256>;

    explicit TuiCustomTextEditProperties(rtl::TPersistent* owner);
    ~TuiCustomTextEditProperties() override;

    bool QueryInterface(const rtl::TGUID& iid, void** object) override;
    int32_t AddRef() override { return TuiCustomEditProperties::AddRef(); }
    int32_t Release() override { return TuiCustomEditProperties::Release(); }

    // From text properties, inside one update (see the source); other properties as the base does.
    void Assign(const rtl::TPersistent* source) override;

    TuiTextEditPropertiesValues& AssignedValues() const;

    vcl::TEditCharCase CharCase() const { return FCharCase; }
    virtual void SetCharCase(vcl::TEditCharCase value);
    TuiEditEchoMode EchoMode() const { return FEchoMode; }
    void SetEchoMode(TuiEditEchoMode value) { SetAndNotify(FEchoMode, value); }
    char16_t PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char16_t value) { SetAndNotify(FPasswordChar, value); }
    bool HideCursor() const { return FHideCursor; }
    void SetHideCursor(bool value) { SetAndNotify(FHideCursor, value); }
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value) { SetAndNotify(FHideSelection, value); }
    TImeMode ImeMode() const { return FImeMode; }
    void SetImeMode(TImeMode value) { SetAndNotify(FImeMode, value); }
    const rtl::UnicodeString& ImeName() const { return FImeName; }
    void SetImeName(const rtl::UnicodeString& value) { SetAndNotify(FImeName, value); }
    bool IncrementalSearch() const { return FIncrementalSearch; }
    void SetIncrementalSearch(bool value) { SetAndNotify(FIncrementalSearch, value); }
    bool OEMConvert() const { return FOEMConvert; }
    void SetOEMConvert(bool value) { SetAndNotify(FOEMConvert, value); }
    bool RecentItemsMode() const { return FRecentItemsMode; }
    void SetRecentItemsMode(bool value) { SetAndNotify(FRecentItemsMode, value); }
    bool DisplayFormatWhileEditing() const { return FDisplayFormatWhileEditing; }
    void SetDisplayFormatWhileEditing(bool value) { SetAndNotify(FDisplayFormatWhileEditing, value); }
    bool ImmediateTextSync() const { return FImmediateTextSync; }
    void SetImmediateTextSync(bool value) { FImmediateTextSync = value; }
    bool ListPrefixSelection() const { return FListPrefixSelection; }
    // Notifies only in the list-only style, the one it serves.
    void SetListPrefixSelection(bool value);
    bool LocaleFormatChanging() const { return FLocaleFormatChanging; }
    const TCharSet& AcceptedChars() const { return FAcceptedChars; }
    void SetAcceptedChars(const TCharSet& value) { FAcceptedChars = value; }

    // The lookup item texts; duplicates are kept, every change notifies.
    rtl::TStringList& LookupItems() const { return *FLookupItems; }
    void SetLookupItems(const rtl::TStringList& items) { FLookupItems->Assign(items); }
    bool LookupItemsSorted() const { return FLookupItems->Sorted(); }
    void SetLookupItemsSorted(bool value) { FLookupItems->SetSorted(value); }

    // The assigned format, else the provider's non-empty one, else GetDefaultDisplayFormat.
    rtl::UnicodeString DisplayFormat();
    void SetDisplayFormat(const rtl::UnicodeString& value);
    bool IsDisplayFormatStored() const { return AssignedValues().DisplayFormat(); }
    // The edit form's format as GetFormatText answers it without an editor.
    rtl::UnicodeString GetEditFormat();
    void SetEditFormat(const rtl::UnicodeString& value);
    bool IsEditFormatStored() const { return AssignedValues().EditFormat(); }
    // The assigned value, else GetDefaultMaxLength; 0 means no limit. A negative value is stored as 0.
    int32_t MaxLength();
    void SetMaxLength(int32_t value);
    bool IsMaxLengthStored() const { return AssignedValues().MaxLength(); }
    // The stream's legacy "IsDisplayFormatAssigned", read into the DisplayFormat flag and never written.
    void ReadIsDisplayFormatAssigned(bool value) { AssignedValues().SetDisplayFormat(value); }

    TuiTextEditViewStyle ViewStyle() const;
    void SetViewStyle(TuiTextEditViewStyle value);
    bool IsIncrementalSearchActive();

    const TNewLookupDisplayTextEvent& OnNewLookupDisplayText() const { return FOnNewLookupDisplayText; }
    void SetOnNewLookupDisplayText(TNewLookupDisplayTextEvent handler) { FOnNewLookupDisplayText = std::move(handler); }

    // The locale's formats changed: Changed, with LocaleFormatChanging raised meanwhile.
    void FormatChanged() override;
    virtual rtl::Variant GetEmptyEditValue() const { return rtl::Variant(rtl::UnicodeString()); }
    // A lookup item equals text without regard to case.
    virtual bool FindLookupItem(rtl::UnicodeStringView text) const;
    virtual rtl::UnicodeString GetDefaultDisplayFormat() const { return {}; }
    virtual int32_t GetDefaultMaxLength();
    // The page of lookup navigation.
    virtual int32_t GetDropDownRowCount() const { return 8; }
    virtual TuiTextEditingStyle GetEditingStyle() const { return FHideCursor ? tesLocked : tesFree; }
    virtual bool UsesThousandSeparator(bool) const { return false; }
    // The edit form's format; currencyFormat and dataText report how the value is to be shown (see the source).
    virtual rtl::UnicodeString GetFormatText(bool& currencyFormat, bool& dataText, const TuiCustomEdit* edit);
    virtual bool SupportsRange() const { return false; }
    virtual bool IsPopupEditor() const { return false; }
    virtual bool IsMultiLineText() const { return false; }
    // True for a key a shown popup's lookup list takes instead of the inner edit.
    virtual bool GetReservedOption(uint16_t, vcl::TShiftState) const { return false; }
    // Whether the lower (0) or the upper (1) bound applies.
    virtual bool IsRangeBoundSet(int32_t bound);
    bool HasRange() { return IsRangeBoundSet(0) || IsRangeBoundSet(1); }
    virtual void DisplayFormatChanged() { Changed(); }
    virtual void MaxLengthChanged() { Changed(); }
    virtual bool UsesLookupData() const { return true; }
    // The lookup data an editor of these properties owns; combo boxes answer their own kind.
    virtual std::unique_ptr<TuiCustomTextEditLookupData> CreateLookupData(TuiTextEditLookupOwner* owner) const;
    // The echo characters in password mode, else the text in the character case.
    virtual void PrepareDisplayText(rtl::UnicodeString& text) const;
    // An empty text, a style without list, no lookup data or a lookup item passes and takes the character case.
    virtual bool CheckTextValue(rtl::Variant& value, bool editing);

    // The range check of an edit value the editor converted from its text: a number or date beyond a bound that
    // applies sets error with "Value out of bounds".
    void CheckRange(const rtl::Variant& editValue, rtl::UnicodeString& errorText, bool& error);
    // The text of value in the edit form or the display form; a value the editor cannot take shows as it is.
    rtl::UnicodeString EditValueToDisplayText(const rtl::Variant& value, bool editForm);
    // The number text of value (numeric descendants).
    rtl::UnicodeString FormatNumericValue(const rtl::Variant& value, bool editForm);

    std::unique_ptr<TuiCustomEditViewData> CreateViewData(TuiCustomEditStyle& style, bool isInplace,
                                                          bool extraFlag = false) override;
    std::unique_ptr<TuiCustomEditViewInfo> CreateViewInfo() const override;
    bool CanValidate() const override { return true; }
    TuiEditDisplayFormatOptions GetDisplayFormatOptions() const override { return {dfoSupports}; }
    rtl::UnicodeString GetValidateErrorText(int32_t errorKind) const override;
    bool IsChangeEventFromText() const override { return true; }
    bool NotifiesEditValueChange() const override { return true; }
    // Compares the UTF-16 texts: values that differ only outside the ANSI code page stay different.
    bool AreDisplayValuesEqual(const rtl::Variant& value1, const rtl::Variant& value2) override;
    rtl::UnicodeString GetDisplayText(const rtl::Variant& editValue, bool fullText = false,
                                      bool isInplace = true) override;
    uint32_t GetCapabilities() const override;
    bool IsEditValueValid(rtl::Variant& value, bool editing) override;
    bool CanResetValue() const override { return GetEditingStyle() != tesLocked; }
    void PrepareDisplayValue(const rtl::Variant& editValue, rtl::Variant& displayValue, bool editing) override;
    bool CanShowDataDisplayText(bool) override { return true; }

protected:
    // Descendants with more assigned-value flags pass their values class.
    TuiCustomTextEditProperties(rtl::TPersistent* owner, const rtl::TMetaclass& assignedValuesClass);

    void AlignmentChanged() override;

private:
    int32_t ProviderPrecision() const;

    vcl::TEditCharCase FCharCase = vcl::ecNormal;
    rtl::UnicodeString FDisplayFormat;
    TuiEditEchoMode FEchoMode = eemNormal;
    rtl::UnicodeString FEditFormat;
    bool FListPrefixSelection = true;
    bool FLocaleFormatChanging = false;
    bool FHideCursor = false;
    bool FHideSelection = true;
    TImeMode FImeMode = imDontCare;
    rtl::UnicodeString FImeName;
    bool FImmediateTextSync = false;
    bool FIncrementalSearch = true;
    std::unique_ptr<rtl::TStringList> FLookupItems;
    int32_t FMaxLength = 0;
    bool FRecentItemsMode = false;
    bool FOEMConvert = false;
    char16_t FPasswordChar = 0;
    bool FDisplayFormatWhileEditing = false;
    TCharSet FAcceptedChars;
    TNewLookupDisplayTextEvent FOnNewLookupDisplayText;
};

// The properties of the text editor and of its repository item.
class TuiTextEditProperties : public TuiCustomTextEditProperties {
    RTL_DECLARE_CLASS(TuiTextEditProperties, TuiCustomTextEditProperties)
public:
    explicit TuiTextEditProperties(rtl::TPersistent* owner) : TuiCustomTextEditProperties(owner) {}
    // The text editor control; defined with it.
    const rtl::TMetaclass& GetContainerClass() const override;
};

// The text in the character case, with the locale's case rules.
rtl::UnicodeString ApplyCharCase(rtl::UnicodeStringView text, vcl::TEditCharCase charCase);

} // namespace ui
