#pragma once
// The workbook facade: one TXLSWorksheet wrapper per sheet of the workbook model, found by position or name, and
// the adding of sheets with unique default names. The spreadsheet component derives from it.

#include "rtl/core/Component.h"
#include "rtl/text/StringTypes.h"
#include "xls/api/XLSBIFFDocument.h"
#include "xls/api/XLSWorksheet.h"
#include "xls/api/wrappers/XLSWorkbookSettings.h"
#include "xls/core/model/common/XLSIndexObjects.h"

#include <cstdint>
#include <memory>

namespace xls {

class TXLSFormulaHandler;
class TXLSNames;
class TXc12Manager;

// Raised when every default sheet name that AddSheet tries is taken.
inline constexpr char16_t XLSCanNotCreateUniqueSheetName[] = u"Can not create unique worksheet name";

// The workbook model seen sheet by sheet.
class TXLSWorkbook : public rtl::TComponent {
    RTL_DECLARE_CLASS(TXLSWorkbook, rtl::TComponent)
public:
    ~TXLSWorkbook() override;

    // Binds the facade to its model manager and formula handler (neither owned; both must outlive the facade's
    // wrappers).
    void Init(TXc12Manager* manager, TXLSFormulaHandler* handler);
    // The wrapper at index; an index outside the list raises EListError.
    TXLSWorksheet* GetSheet(int32_t index) const;
    int32_t GetSheetCount() const { return FSheets.Count(); }
    // Adds a model worksheet named UniqueSheetName and its wrapper (and a BIFF sheet while BIFF data is held).
    TXLSWorksheet* AddSheet();
    // The first wrapper whose name equals name regardless of case (in any script), or nullptr.
    TXLSWorksheet* FindSheet(rtl::UnicodeStringView name) const;
    // The first free name "Sheet<n>", n counting from the number of model worksheets; raises
    // XLSCanNotCreateUniqueSheetName when the next 1,001 are all taken.
    rtl::UnicodeString UniqueSheetName() const;
    // One wrapper per model worksheet, for a model a reader has just filled; the defined names are compiled.
    void RebuildSheets();
    // The wrapper of model worksheet index, appended.
    TXLSWorksheet* AddSheetWrapper(int32_t index);
    // Frees the wrappers and the BIFF document.
    void Clear();
    TXc12Manager* GetManager() const { return FManager; }
    // The workbook's defined names; nullptr when the model's class factory did not make the facade's list.
    TXLSNames* GetNames() const;
    // The workbook part's own settings and its calculation options, read and written in the model.
    TXLSWorkbookData GetWorkbookData() const;
    TXLSOptionsDialog GetOptions() const;
    // The paper size new sheets print on, from the user's locale (SpreadsheetML's number).
    uint8_t GetDefaultPaperSize() const;

protected:
    explicit TXLSWorkbook(rtl::TComponent* owner);

    // The BIFF document of the last BIFF read, nullptr when none is held.
    TXLSBIFFDocument* GetBIFFDocument() const { return FBIFFDocument.get(); }
    // Keeps document and points the model's defined names at its internal names.
    void SetBIFFDocument(std::unique_ptr<TXLSBIFFDocument> document);
    // Frees the BIFF document; the model no longer refers to its names.
    void DropBIFFDocument();

private:
    TXc12Manager* FManager = nullptr;              // not owned
    TXLSFormulaHandler* FFormulaHandler = nullptr; // not owned
    TIndexObjectList FSheets;
    rtl::UnicodeString FDefaultSheetName = u"Sheet";
    std::unique_ptr<TXLSBIFFDocument> FBIFFDocument;
};

} // namespace xls
