#include "xls/api/XLSNames.h"

#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/formula/XLSFormulaHandler.h"
#include "xls/core/formula/tokenizer/XLSTokenizer.h"
#include "xls/core/model/workbook/Xc12Manager5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"

#include <vector>

namespace xls {

namespace {

// The name as the warnings of its definition call it.
rtl::UnicodeString NameForWarning(const TXc12DefinedName& name) {
    if (name.GetBuiltIn() < Xc12BuiltinNames.size()) {
        return rtl::UnicodeString(Xc12BuiltinNames[name.GetBuiltIn()]);
    }
    return name.GetName();
}

TXLSCellAreaRec PlainArea(const TXLSPtgArea& area) {
    return {area.First().Row(), area.Last().Row(), area.First().Col(), area.Last().Col()};
}

TXc12NameDefinitionKind DefinitionKind(TXLSNameReferenceKind kind) {
    switch (kind) {
    case xnrCell:
        return xndkCell;
    case xnrArea:
        return xndkArea;
    case xnrSheetError:
        return xndkRefError;
    default:
        return xndkTokens;
    }
}

} // namespace

TXLSNames::TXLSNames(TXLSClassFactory* factory, TXLSFormulaHandler& handler, TXc12Manager& manager)
    : TXc12DefinedNames(factory), FHandler(handler), FManager(manager) {}

void TXLSNames::Refresh() {
    for (int32_t i = 0; i < Count(); ++i) {
        TXc12DefinedName& name = *GetItem(i);
        if (name.GetPtgs().empty()) {
            CompileName(name);
        }
    }
}

// A name's own sheet is where the names its definition uses are looked up first. A name the reader cannot compile
// must not end the read: its errors become a warning.
void TXLSNames::CompileName(TXc12DefinedName& name) {
    std::vector<uint8_t> ptgs;
    rtl::UnicodeString failure;
    FHandler.TryEncodeFormula(name.TXc12DefinedName::GetDefinition(), ptgs, name.GetLocalSheetId(), failure);
    TXLSErrorManager& errors = *FManager.Errors();
    if (!failure.empty()) {
        errors.ReportWarning(NameForWarning(name) + u": " + failure, XLSWarningFormulaNotCompiled);
        return;
    }
    if (ptgs.empty()) {
        errors.ReportWarning(NameForWarning(name), XLSErrorInvalidSheetName);
        return;
    }
    TXLSNameReference reference;
    const TXLSNameReferenceKind kind = GetNameReference(FManager, ptgs, reference);
    name.SetPtgs(std::move(ptgs));
    name.SetDefinitionKind(DefinitionKind(kind));
    if (kind == xnrCell || kind == xnrArea) {
        name.SetSheetIndex(reference.Sheet);
        name.SetArea(PlainArea(reference.Area));
    }
}

rtl::UnicodeString TXLSName::GetDefinition() const {
    const std::vector<uint8_t>& ptgs = GetPtgs();
    if (ptgs.empty()) {
        return TXc12DefinedName::GetDefinition();
    }
    TXc12Manager& manager = FNames.GetManager();
    TXLSNameReference reference;
    const TXLSNameReferenceKind kind = GetNameReference(manager, ptgs, reference);
    const TXc12DataWorksheets& sheets = manager.Worksheets();
    if (kind == xnrSheetError || ((kind == xnrCell || kind == xnrArea) && reference.Sheet >= sheets.Count())) {
        return rtl::UnicodeString(XLSErrorTexts[XLSErrorIndexRef]);
    }
    const TXLSPtgArea& area = reference.Area;
    if (kind == xnrCell) {
        return sheets.GetItem(reference.Sheet)->QuotedName() + u"!" + PtgCellRefToStr(area.Col1Word, area.Row1Word);
    }
    if (kind == xnrArea) {
        return sheets.GetItem(reference.Sheet)->QuotedName() + u"!" +
               PtgAreaRefToStr(area.Col1Word, area.Row1Word, area.Col2Word, area.Row2Word);
    }
    rtl::UnicodeString text;
    FNames.GetHandler().DecodeFormula(nullptr, -1, text, true, ptgs);
    return text;
}

} // namespace xls
