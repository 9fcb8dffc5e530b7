#include "xls/api/XLSWorkbook.h"

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/NumberConversions.h"
#include "rtl/text/StringUtils.h"
#include "xls/api/XLSNames.h"
#include "xls/core/model/workbook/Xc12Manager5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"

#include <utility>

namespace xls {

namespace {

// How many default names UniqueSheetName tries.
constexpr int32_t UniqueNameTries = 1001;

} // namespace

TXLSWorkbook::TXLSWorkbook(rtl::TComponent* owner) : rtl::TComponent(owner) {}

TXLSWorkbook::~TXLSWorkbook() = default;

void TXLSWorkbook::Init(TXc12Manager* manager, TXLSFormulaHandler* handler) {
    FManager = manager;
    FFormulaHandler = handler;
}

TXLSWorksheet* TXLSWorkbook::GetSheet(int32_t index) const {
    return static_cast<TXLSWorksheet*>(FSheets.GetItem(index));
}

TXLSWorksheet* TXLSWorkbook::AddSheet() {
    TXc12DataWorksheets& worksheets = FManager->Worksheets();
    TXc12DataWorksheet* added = worksheets.Add(-1);
    try {
        added->SetName(UniqueSheetName());
        TXLSWorksheet* sheet = AddSheetWrapper(added->Index());
        if (FBIFFDocument != nullptr) {
            FBIFFDocument->AddSheet();
        }
        return sheet;
    } catch (...) {
        // A sheet the facade could not finish goes again, so that model, wrappers and BIFF sheets stay in step.
        if (FSheets.Count() > added->Index()) {
            FSheets.Delete(added->Index());
        }
        worksheets.Delete(added->Index());
        throw;
    }
}

TXLSWorksheet* TXLSWorkbook::FindSheet(rtl::UnicodeStringView name) const {
    for (int32_t i = 0; i < FSheets.Count(); ++i) {
        TXLSWorksheet* sheet = GetSheet(i);
        if (rtl::WideSameText(sheet->GetName(), name)) {
            return sheet;
        }
    }
    return nullptr;
}

rtl::UnicodeString TXLSWorkbook::UniqueSheetName() const {
    const int32_t first = FManager->Worksheets().Count();
    for (int32_t i = 0; i < UniqueNameTries; ++i) {
        rtl::UnicodeString candidate = FDefaultSheetName + rtl::IntToStr(static_cast<int64_t>(first) + i);
        if (FindSheet(candidate) == nullptr) {
            return candidate;
        }
    }
    throw rtl::Exception(XLSCanNotCreateUniqueSheetName);
}

void TXLSWorkbook::RebuildSheets() {
    FSheets.Clear();
    for (int32_t i = 0; i < FManager->Worksheets().Count(); ++i) {
        AddSheetWrapper(i);
    }
    if (TXLSNames* names = GetNames()) {
        names->Refresh();
    }
}

TXLSNames* TXLSWorkbook::GetNames() const {
    return dynamic_cast<TXLSNames*>(&FManager->Workbook().GetDefinedNames());
}

TXLSWorkbookData TXLSWorkbook::GetWorkbookData() const {
    return TXLSWorkbookData(FManager->Workbook());
}

TXLSOptionsDialog TXLSWorkbook::GetOptions() const {
    return TXLSOptionsDialog(FManager->Workbook());
}

uint8_t TXLSWorkbook::GetDefaultPaperSize() const {
    return FManager->GetDefaultPaperSize();
}

TXLSWorksheet* TXLSWorkbook::AddSheetWrapper(int32_t index) {
    auto sheet = std::make_unique<TXLSWorksheet>(FManager->Worksheets().GetItem(index), FManager, FFormulaHandler);
    TXLSWorksheet* added = sheet.get();
    FSheets.Add(std::move(sheet));
    return added;
}

void TXLSWorkbook::Clear() {
    FSheets.Clear();
    DropBIFFDocument();
}

void TXLSWorkbook::SetBIFFDocument(std::unique_ptr<TXLSBIFFDocument> document) {
    DropBIFFDocument();
    FBIFFDocument = std::move(document);
    FManager->SetExternalNames(FBIFFDocument->GetInternalNames());
}

void TXLSWorkbook::DropBIFFDocument() {
    if (FBIFFDocument == nullptr) {
        return;
    }
    FManager->SetExternalNames(nullptr);
    FBIFFDocument.reset();
}

} // namespace xls
