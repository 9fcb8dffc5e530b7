#pragma once
// The conditional formats and data validations of a sheet: for a conditional format its ranges and rules, each rule
// with its differential format, formulas and its colour scale, data bar or icon set; for a data validation its
// ranges, kind, messages and formulas. Fields mirror the conditionalFormatting, cfRule, cfvo, colorScale, dataBar,
// iconSet and dataValidation elements (ECMA-376 Part 1, 18.3.1). Enumerated fields hold the ordinal of their
// SpreadsheetML simple type, 255 where none was given.

#include "rtl/text/StringTypes.h"
#include "xls/core/base/Xc12Utils5.h"
#include "xls/core/cells/XLSCellAreas.h"
#include "xls/core/model/common/XLSClassFactory.h"
#include "xls/core/model/common/Xc12DataLists.h"

#include <array>
#include <cstdint>
#include <vector>

namespace xls {

class TXc12DXF;
class TXc12DataWorksheet;

// An enumerated field the file did not give.
inline constexpr uint8_t Xc12EnumNotGiven = 255;
// ST_IconSetType's 3TrafficLights1, the schema's default icon set.
inline constexpr uint8_t Xc12IconSet3TrafficLights1 = 3;

// The fixed texts of the conditional formats' failures.
namespace CondFmtMessages {
inline constexpr char16_t IndexOutOfRange[] = u"Index out of range";
} // namespace CondFmtMessages

// The colours of a colour scale, each a copy the list keeps.
class TXc12Colors {
public:
    // Appends a copy of color.
    void AddColor(const TXc12ColorRec& color) { FColors.push_back(color); }
    // The colour at index; outside the list raises the list's index error.
    const TXc12ColorRec& GetItem(int32_t index) const;
    int32_t Count() const { return static_cast<int32_t>(FColors.size()); }
    void Clear() { FColors.clear(); }

private:
    std::vector<TXc12ColorRec> FColors;
};

// One value point of a colour scale, data bar or icon set.
class TXc12Cfvo : public rtl::TObject {
public:
    void Clear();

    // ST_CfvoType.
    uint8_t GetType() const { return FType; }
    void SetType(uint8_t value) { FType = value; }
    const rtl::UnicodeString& GetVal() const { return FVal; }
    void SetVal(rtl::UnicodeStringView value) { FVal = value; }
    // The point belongs to the class above it when the value equals it.
    bool GetGte() const { return FGte; }
    void SetGte(bool value) { FGte = value; }

private:
    uint8_t FType = 0;
    rtl::UnicodeString FVal;
    bool FGte = true;
};

// The value points of a colour scale or icon set.
using TXc12Cfvos = TXc12OwnedList<TXc12Cfvo>;

// A colour scale: value points and the colour at each.
class TXc12ColorScale {
public:
    void Clear();

    TXc12Cfvos& GetCfvos() { return FCfvos; }
    TXc12Colors& GetColors() { return FColors; }

private:
    TXc12Cfvos FCfvos;
    TXc12Colors FColors;
};

// A data bar: its length range in percent of the cell, its colour and the values at its ends.
class TXc12DataBar {
public:
    TXc12DataBar();
    void Clear();

    int32_t GetMinLength() const { return FMinLength; }
    void SetMinLength(int32_t value) { FMinLength = value; }
    int32_t GetMaxLength() const { return FMaxLength; }
    void SetMaxLength(int32_t value) { FMaxLength = value; }
    bool GetShowValue() const { return FShowValue; }
    void SetShowValue(bool value) { FShowValue = value; }
    TXc12ColorRec& GetColor() { return FColor; }
    TXc12Cfvo& GetCfvo1() { return FCfvo1; }
    TXc12Cfvo& GetCfvo2() { return FCfvo2; }

private:
    int32_t FMinLength = 10;
    int32_t FMaxLength = 90;
    bool FShowValue = true;
    TXc12ColorRec FColor;
    TXc12Cfvo FCfvo1;
    TXc12Cfvo FCfvo2;
};

// An icon set: which icons, how they show, and the value points between them.
class TXc12IconSet {
public:
    // Resets the four settings; the value points stay.
    void Clear();

    // ST_IconSetType.
    uint8_t GetIconSet() const { return FIconSet; }
    void SetIconSet(uint8_t value) { FIconSet = value; }
    bool GetShowValue() const { return FShowValue; }
    void SetShowValue(bool value) { FShowValue = value; }
    bool GetPercent() const { return FPercent; }
    void SetPercent(bool value) { FPercent = value; }
    bool GetReverse() const { return FReverse; }
    void SetReverse(bool value) { FReverse = value; }
    TXc12Cfvos& GetCfvos() { return FCfvos; }

private:
    uint8_t FIconSet = Xc12IconSet3TrafficLights1;
    bool FShowValue = true;
    bool FPercent = true;
    bool FReverse = false;
    TXc12Cfvos FCfvos;
};

// One rule of a conditional format.
class TXc12CfRule : public rtl::TObject {
public:
    static constexpr int32_t FormulaCount = 3;

    void Clear();

    const rtl::UnicodeString& GetFormula(int32_t index) const;
    // An index outside 0 to 2 raises "Index out of range" and changes nothing.
    void SetFormula(int32_t index, rtl::UnicodeStringView text);
    // ST_CfType.
    uint8_t GetType() const { return FType; }
    void SetType(uint8_t value) { FType = value; }
    // The style sheet's differential format the rule applies; not owned.
    TXc12DXF* GetDXF() const { return FDXF; }
    void SetDXF(TXc12DXF* value) { FDXF = value; }
    int32_t GetPriority() const { return FPriority; }
    void SetPriority(int32_t value) { FPriority = value; }
    bool GetStopIfTrue() const { return FStopIfTrue; }
    void SetStopIfTrue(bool value) { FStopIfTrue = value; }
    bool GetAboveAverage() const { return FAboveAverage; }
    void SetAboveAverage(bool value) { FAboveAverage = value; }
    bool GetPercent() const { return FPercent; }
    void SetPercent(bool value) { FPercent = value; }
    bool GetBottom() const { return FBottom; }
    void SetBottom(bool value) { FBottom = value; }
    // ST_ConditionalFormattingOperator.
    uint8_t GetOperator() const { return FOperator; }
    void SetOperator(uint8_t value) { FOperator = value; }
    const rtl::UnicodeString& GetText() const { return FText; }
    void SetText(rtl::UnicodeStringView value) { FText = value; }
    // ST_TimePeriod.
    uint8_t GetTimePeriod() const { return FTimePeriod; }
    void SetTimePeriod(uint8_t value) { FTimePeriod = value; }
    int32_t GetRank() const { return FRank; }
    void SetRank(int32_t value) { FRank = value; }
    int32_t GetStdDev() const { return FStdDev; }
    void SetStdDev(int32_t value) { FStdDev = value; }
    bool GetEqualAverage() const { return FEqualAverage; }
    void SetEqualAverage(bool value) { FEqualAverage = value; }
    TXc12ColorScale& GetColorScale() { return FColorScale; }
    TXc12DataBar& GetDataBar() { return FDataBar; }
    TXc12IconSet& GetIconSet() { return FIconSet; }

private:
    std::array<rtl::UnicodeString, FormulaCount> FFormulas;
    uint8_t FType = Xc12EnumNotGiven;
    TXc12DXF* FDXF = nullptr;
    int32_t FPriority = 0;
    bool FStopIfTrue = false;
    bool FAboveAverage = true;
    bool FPercent = false;
    bool FBottom = false;
    uint8_t FOperator = Xc12EnumNotGiven;
    rtl::UnicodeString FText;
    uint8_t FTimePeriod = Xc12EnumNotGiven;
    int32_t FRank = 0;
    int32_t FStdDev = 0;
    bool FEqualAverage = false;
    TXc12ColorScale FColorScale;
    TXc12DataBar FDataBar;
    TXc12IconSet FIconSet;
};

// The rules of a conditional format.
using TXc12CfRules = TXc12OwnedList<TXc12CfRule>;

// One conditional format: the areas it covers and its rules. The component's subclass follows the areas when cells
// move.
class TXc12ConditionalFormatting : public TXLSMoveCopyItem {
public:
    // Empties the ranges and rules; the pivot flag stays.
    void Clear();

    bool GetPivot() const { return FPivot; }
    void SetPivot(bool value) { FPivot = value; }
    TCellAreas& GetRanges() { return FRanges; }
    const TCellAreas& GetRanges() const { return FRanges; }
    TXc12CfRules& GetRules() { return FRules; }

private:
    bool FPivot = false;
    TCellAreas FRanges;
    TXc12CfRules FRules;
};

// The conditional formats of a sheet; the component's subclass makes the items.
class TXc12ConditionalFormattings : public TXLSMoveCopyList {
public:
    explicit TXc12ConditionalFormattings(TXLSClassFactory* factory) : FClassFactory(factory) {}

    // A new item from NewItem, appended; a subclass whose NewItem makes none raises EInvalidCast.
    TXc12ConditionalFormatting* Add();
    TXLSMoveCopyItem* AddItem() override { return Add(); }
    TXc12ConditionalFormatting* GetItem(int32_t index) const {
        return static_cast<TXc12ConditionalFormatting*>(TXLSMoveCopyList::GetItem(index));
    }
    TXLSClassFactory* GetClassFactory() const { return FClassFactory; }
    TXc12DataWorksheet* GetSheet() const { return FSheet; }
    void SetSheet(TXc12DataWorksheet* sheet) { FSheet = sheet; }

protected:
    virtual std::unique_ptr<TXc12ConditionalFormatting> NewItem() = 0;

private:
    TXLSClassFactory* FClassFactory;      // not owned
    TXc12DataWorksheet* FSheet = nullptr; // not owned
};

// One data validation: the areas it covers, what it allows and the messages it shows. The component's subclass
// follows the areas when cells move.
class TXc12DataValidation : public TXLSMoveCopyItem {
public:
    void Clear();

    // ST_DataValidationType.
    uint8_t GetType() const { return FType; }
    void SetType(uint8_t value) { FType = value; }
    // ST_DataValidationErrorStyle.
    uint8_t GetErrorStyle() const { return FErrorStyle; }
    void SetErrorStyle(uint8_t value) { FErrorStyle = value; }
    // ST_DataValidationImeMode.
    uint8_t GetImeMode() const { return FImeMode; }
    void SetImeMode(uint8_t value) { FImeMode = value; }
    // ST_DataValidationOperator.
    uint8_t GetOperator() const { return FOperator; }
    void SetOperator(uint8_t value) { FOperator = value; }
    uint8_t GetAllowBlank() const { return FAllowBlank; }
    void SetAllowBlank(uint8_t value) { FAllowBlank = value; }
    uint8_t GetShowDropDown() const { return FShowDropDown; }
    void SetShowDropDown(uint8_t value) { FShowDropDown = value; }
    uint8_t GetShowInputMessage() const { return FShowInputMessage; }
    void SetShowInputMessage(uint8_t value) { FShowInputMessage = value; }
    uint8_t GetShowErrorMessage() const { return FShowErrorMessage; }
    void SetShowErrorMessage(uint8_t value) { FShowErrorMessage = value; }
    const rtl::UnicodeString& GetErrorTitle() const { return FErrorTitle; }
    void SetErrorTitle(rtl::UnicodeStringView value) { FErrorTitle = value; }
    const rtl::UnicodeString& GetError() const { return FError; }
    void SetError(rtl::UnicodeStringView value) { FError = value; }
    const rtl::UnicodeString& GetPromptTitle() const { return FPromptTitle; }
    void SetPromptTitle(rtl::UnicodeStringView value) { FPromptTitle = value; }
    const rtl::UnicodeString& GetPrompt() const { return FPrompt; }
    void SetPrompt(rtl::UnicodeStringView value) { FPrompt = value; }
    TCellAreas& GetRanges() { return FRanges; }
    const TCellAreas& GetRanges() const { return FRanges; }
    const rtl::UnicodeString& GetFormula1() const { return FFormula1; }
    void SetFormula1(rtl::UnicodeStringView value) { FFormula1 = value; }
    const rtl::UnicodeString& GetFormula2() const { return FFormula2; }
    void SetFormula2(rtl::UnicodeStringView value) { FFormula2 = value; }

private:
    uint8_t FType = 0;
    uint8_t FErrorStyle = 0;
    uint8_t FImeMode = 0;
    uint8_t FOperator = 0;
    uint8_t FAllowBlank = 0;
    uint8_t FShowDropDown = 0;
    uint8_t FShowInputMessage = 0;
    uint8_t FShowErrorMessage = 0;
    rtl::UnicodeString FErrorTitle;
    rtl::UnicodeString FError;
    rtl::UnicodeString FPromptTitle;
    rtl::UnicodeString FPrompt;
    TCellAreas FRanges;
    rtl::UnicodeString FFormula1;
    rtl::UnicodeString FFormula2;
};

// The data validations of a sheet and the settings they share; the class factory makes the items.
class TXc12DataValidations : public TXLSMoveCopyList {
public:
    explicit TXc12DataValidations(TXLSClassFactory* factory) : FClassFactory(factory) {}

    // Frees the items and resets the shared settings.
    void Clear() override;
    // A new validation from the class factory, appended. A missing factory, or one that makes no validation, raises
    // EInvalidCast and adds nothing.
    TXc12DataValidation* Add();
    TXLSMoveCopyItem* AddItem() override { return Add(); }
    TXc12DataValidation* GetItem(int32_t index) const {
        return static_cast<TXc12DataValidation*>(TXLSMoveCopyList::GetItem(index));
    }
    TXLSClassFactory* GetClassFactory() const { return FClassFactory; }

    bool GetDisablePrompts() const { return FDisablePrompts; }
    void SetDisablePrompts(bool value) { FDisablePrompts = value; }
    int32_t GetXWindow() const { return FXWindow; }
    void SetXWindow(int32_t value) { FXWindow = value; }
    int32_t GetYWindow() const { return FYWindow; }
    void SetYWindow(int32_t value) { FYWindow = value; }

private:
    TXLSClassFactory* FClassFactory; // not owned
    bool FDisablePrompts = false;
    int32_t FXWindow = 0;
    int32_t FYWindow = 0;
};

} // namespace xls
