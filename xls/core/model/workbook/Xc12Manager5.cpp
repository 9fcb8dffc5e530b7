#include "xls/core/model/workbook/Xc12Manager5.h"

#include "xls/core/base/XLSPlatform.h"
#include "xls/core/base/XLSReadLimits.h"
#include "xls/core/model/package/Xc12FileData5.h"
#include "xls/core/model/package/Xc12GraphicManager.h"
#include "xls/core/model/styles/Xc12DataSST.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5.h"
#include "xls/core/model/workbook/Xc12DataWorkbook5.h"
#include "xls/core/model/workbook/Xc12DataXLinks5.h"
#include "xls/core/model/worksheet/Xc12DataTable5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"

namespace xls {

void TXLSEventCell::Clear() {
    FCol = FFirstCol - 1;
    FRow = FFirstRow;
    ClearValue();
}

void TXLSEventCell::ClearValue() {
    FCellType = xectNone;
    FFormula.clear();
    FIsFormula = false;
}

bool TXLSEventCell::SetCellText(rtl::UnicodeStringView reference) {
    int32_t col = 0;
    int32_t row = 0;
    if (!ParseCellRef(reference, col, row)) {
        return false;
    }
    FCol = col;
    FRow = row;
    return col >= 0 && col <= XLSMaxCol && row >= 0 && row <= XLSMaxRow;
}

void TXLSEventCell::SetFormula(rtl::UnicodeStringView text) {
    FFormula = text;
    FIsFormula = true;
}

TXLSEventCellType TXLSEventCell::TypeFor(TXLSEventCellType plain, TXLSEventCellType formula) const {
    return FIsFormula ? formula : plain;
}

void TXLSEventCell::SetBoolean(bool value) {
    FBoolean = value ? 1 : 0;
    FCellType = TypeFor(xectBoolean, xectBooleanFormula);
}

void TXLSEventCell::SetError(uint8_t code) {
    FError = code;
    FCellType = TypeFor(xectError, xectErrorFormula);
}

void TXLSEventCell::SetFloat(double value) {
    FFloat = value;
    FCellType = TypeFor(xectFloat, xectFloatFormula);
}

void TXLSEventCell::SetString(rtl::UnicodeStringView text) {
    FString = text;
    FCellType = TypeFor(xectString, xectStringFormula);
}

TXc12Manager::TXc12Manager(TXLSClassFactory* classFactory, TXLSErrorManager* errors)
    : FErrors(errors), FClassFactory(classFactory), FEventCell(std::make_unique<TXLSEventCell>()) {
    ReadDefaultPaperSize();
    FDecoderSeparator = XLSPlatform().GetDecimalSeparator() == u',' ? u'\\' : u',';
}

TXc12Manager::~TXc12Manager() {
    // Sheets hold drawing documents made on the picture store and cells that use the shared strings and styles:
    // they go first.
    FXLinks.reset();
    FWorksheets.reset();
    FWorkbook.reset();
    FSST.reset();
    FStyleSheet.reset();
    FDocProps.reset();
    FFileData.reset();
    FEventCell.reset();
    FGraphicManager.reset();
}

void TXc12Manager::CreateParts() {
    FFileData = std::make_unique<TXc12FileData>();
    FStyleSheet = std::make_unique<TXc12DataStyleSheet>();
    FSST = std::make_unique<TXc12DataSST>(FStyleSheet.get());
    FWorkbook = std::make_unique<TXc12DataWorkbook>(FClassFactory);
    FGraphicManager = std::make_unique<TXc12GraphicManager>(FErrors);
    FWorksheets = std::make_unique<TXc12DataWorksheets>(FClassFactory, FStyleSheet.get(), FSST.get());
    FXLinks = std::make_unique<TXc12DataXLinks>();
    FDocProps = std::make_unique<TXc12DocProps>(&FFileData->GetCoreProperties());
}

void TXc12Manager::Clear() {
    FXLinks->Clear();
    FWorksheets->Clear();
    FWorkbook->Clear();
    FSST->Clear();
    FStyleSheet->Clear();
    FFileData->Clear();
    FGraphicManager->Clear();
    FExternalNames = nullptr;
}

void TXc12Manager::AfterRead() {
    FReading = false;
    FStyleSheet->UpdateIndexedColors(FPalette);
    FSST->BuildHash();
    if (rtl::Assigned(FOnAfterRead)) {
        FOnAfterRead(this);
    }
}

void TXc12Manager::FireReadCell() {
    if (rtl::Assigned(FOnReadCell)) {
        FOnReadCell(FEventCell.get());
    }
}

int32_t TXc12Manager::FindTable(rtl::UnicodeStringView name, TXc12Tables*& tables, int32_t& sheetIndex) const {
    for (int32_t sheet = 0; sheet < FWorksheets->Count(); ++sheet) {
        TXc12Tables& sheetTables = FWorksheets->GetItem(sheet)->GetTables();
        const int32_t index = sheetTables.FindByName(name);
        if (index >= 0) {
            tables = &sheetTables;
            sheetIndex = sheet;
            return index;
        }
    }
    return -1;
}

void TXc12Manager::ReadDefaultPaperSize() {
    const uint8_t size = XLSPlatform().DefaultPaperSize();
    if (size != 0) {
        FDefaultPaperSize = size;
    }
}

} // namespace xls
