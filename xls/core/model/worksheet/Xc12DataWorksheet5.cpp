#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"

#include "rtl/text/StringUtils.h"
#include "xls/core/model/common/Xc12FactoryObjects.h"
#include "xls/core/model/styles/Xc12DataSST.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5.h"

namespace xls {

TXc12DataWorksheet::TXc12DataWorksheet(TXLSClassFactory* factory, TXc12DataStyleSheet* styleSheet, TXc12DataSST* sst,
                                       int32_t position)
    : FClassFactory(factory), FSST(sst), FStyleSheet(styleSheet), FCells(position, styleSheet->XFEditor(), *sst),
      FComments(styleSheet),
      FDrawing(FactoryObjectAs<TXc12DrawingDocument>(CreateFactoryObject(factory, xckDrawingDocument, this))),
      FTables(factory), FHyperlinks(CreateFactoryObjectOr<TXc12Hyperlinks>(factory, xckHyperlinks, this, factory)),
      FMergedCells(CreateFactoryObjectOr<TXc12MergedCells>(factory, xckMergedCells, this, factory)),
      FAutofilter(CreateFactoryObjectOr<TXc12AutoFilter>(factory, xckAutofilter, this, factory)),
      FCustomSheetViews(factory), FConditionalFormatting(CreateRequiredFactoryObject<TXc12ConditionalFormattings>(
                                      factory, xckConditionalFormats, this)),
      FDataValidations(CreateFactoryObjectOr<TXc12DataValidations>(factory, xckDataValidations, this, factory)) {
    SetIndex(position);
    FConditionalFormatting->SetSheet(this);
    AddSheetView();
}

TXc12DataWorksheet::~TXc12DataWorksheet() = default;

rtl::UnicodeString TXc12DataWorksheet::QuotedName() const {
    return QuoteSheetName(FName);
}

TXc12DataWorksheets::TXc12DataWorksheets(TXLSClassFactory* factory, TXc12DataStyleSheet* styleSheet, TXc12DataSST* sst)
    : FClassFactory(factory), FStyleSheet(styleSheet), FSST(sst) {}

TXc12DataWorksheet* TXc12DataWorksheets::Add(int32_t sheetId) {
    const int32_t position = Count();
    auto sheet = std::make_unique<TXc12DataWorksheet>(FClassFactory, FStyleSheet, FSST, position);
    sheet->SetSheetId(sheetId < 0 ? position + 1 : sheetId);
    TXc12DataWorksheet* added = sheet.get();
    TIndexObjectList::Add(std::move(sheet));
    return added;
}

int32_t TXc12DataWorksheets::Find(rtl::UnicodeStringView name) const {
    // Names are compared in UTF-16: a round trip through an 8-bit code page would make distinct names that the code
    // page cannot hold equal.
    for (int32_t i = 0; i < Count(); ++i) {
        if (rtl::WideSameText(GetItem(i)->GetName(), name)) {
            return i;
        }
    }
    return -1;
}

void TXc12DataWorksheets::Clear() {
    TIndexObjectList::Clear();
    FSST->Clear();
    FStyleSheet->Clear();
}

} // namespace xls
