#pragma once
// The root of the in-memory workbook: the model manager creates, empties and frees every part of the model and
// carries what the readers consult while they fill it (file name and type, password, direct-read mode and the cell
// handed to the read-cell event).

#include "rtl/core/Events.h"
#include "rtl/core/Object.h"
#include "rtl/text/StringTypes.h"
#include "xls/core/base/Xc12Utils5.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace xls {

class TExternalNames;
class TXLSClassFactory;
class TXLSErrorManager;
class TXc12DataSST;
class TXc12DataStyleSheet;
class TXc12DataTable;
class TXc12DataWorkbook;
class TXc12DataWorksheets;
class TXc12DataXLinks;
class TXc12FileData;
class TXc12GraphicManager;
class TXc12Tables;
class TXpgSimpleDOM;

// What is loaded: BIFF data (xvExcel97) or a package (xvExcel2007).
enum TExcelVersion : uint8_t {
    xvNone,
    xvExcelUnknown,
    xvExcel21,
    xvExcel30,
    xvExcel40,
    xvExcel50,
    xvExcel97,
    xvExcel2007,
};

// The kinds of cell the read-cell event reports.
enum TXLSEventCellType : uint8_t {
    xectNone = 0,
    xectBoolean = 2,
    xectError = 3,
    xectString = 4,
    xectFloat = 5,
    xectFloatFormula = 6,
    xectStringFormula = 7,
    xectBooleanFormula = 8,
    xectErrorFormula = 9,
};

// One cell as the read-cell event sees it. Readers fill it in this order: Clear, the sheet index, the position, for
// a formula SetFormula, exactly one value setter, then the manager's FireReadCell.
class TXLSEventCell : public rtl::TObject {
public:
    TXLSEventCell() = default;

    // Column one before the window, row at its top, no value.
    void Clear();
    void ClearValue();
    void SetCol(int32_t col) { FCol = col; }
    void SetRow(int32_t row) { FRow = row; }
    // Parses an A1 reference ('$' allowed); true when it names a cell of a sheet.
    bool SetCellText(rtl::UnicodeStringView reference);
    // Must come before the value setter of a formula cell.
    void SetFormula(rtl::UnicodeStringView text);
    void SetBoolean(bool value);
    void SetError(uint8_t code);
    void SetFloat(double value);
    void SetString(rtl::UnicodeStringView text);

    int32_t GetSheetIndex() const { return FSheetIndex; }
    void SetSheetIndex(int32_t index) { FSheetIndex = index; }
    int32_t GetCol() const { return FCol; }
    int32_t GetRow() const { return FRow; }
    int32_t GetFirstRow() const { return FFirstRow; }
    int32_t GetLastRow() const { return FLastRow; }
    int32_t GetFirstCol() const { return FFirstCol; }
    int32_t GetLastCol() const { return FLastCol; }
    TXLSEventCellType GetCellType() const { return FCellType; }
    bool IsFormula() const { return FIsFormula; }
    bool GetBoolean() const { return FBoolean != 0; }
    uint8_t GetError() const { return FError; }
    double GetFloat() const { return FFloat; }
    const rtl::UnicodeString& GetString() const { return FString; }
    const rtl::UnicodeString& GetFormula() const { return FFormula; }

private:
    TXLSEventCellType TypeFor(TXLSEventCellType plain, TXLSEventCellType formula) const;

    int32_t FSheetIndex = 0;
    int32_t FCol = 0;
    int32_t FRow = 0;
    int32_t FFirstRow = 0;
    int32_t FLastRow = 65535;
    int32_t FFirstCol = 0;
    int32_t FLastCol = 255;
    TXLSEventCellType FCellType = xectNone;
    bool FIsFormula = false;
    uint8_t FBoolean = 0;
    uint8_t FError = 0;
    double FFloat = 0;
    rtl::UnicodeString FString;
    rtl::UnicodeString FFormula;
};

using TCellReadWriteEvent = std::function<void(TXLSEventCell* cell)>;
using TPasswordEvent = std::function<void(rtl::TObject* sender, rtl::UnicodeString& password)>;

enum TXLSProgressType : uint8_t { xptRead, xptWrite };
enum TXLSProgressState : uint8_t { xpsBegin, xpsWork, xpsEnd };
using TXLSProgressEvent = std::function<void(TXLSProgressType type, TXLSProgressState state, double value)>;

// The document properties: the core-properties document that the file data owns.
class TXc12DocProps : public rtl::TObject {
public:
    explicit TXc12DocProps(TXpgSimpleDOM* coreProperties) : FCoreProperties(coreProperties) {}

    TXpgSimpleDOM* GetCoreProperties() const { return FCoreProperties; }

private:
    TXpgSimpleDOM* FCoreProperties; // not owned
};

// The root of the workbook model.
class TXc12Manager : public rtl::TObject {
public:
    // classFactory and errors are not owned and must outlive the manager. Creates no model part yet.
    TXc12Manager(TXLSClassFactory* classFactory, TXLSErrorManager* errors);
    ~TXc12Manager() override;

    // Creates the model parts; called once, right after construction.
    void CreateParts();
    // Empties every part in place (references to the parts stay valid); settings and events stay.
    void Clear();
    void BeforeRead() { FReading = true; }
    // Ends a read: indexed colours refreshed from the palette, the shared-string lookup rebuilt, the after-read
    // event raised.
    void AfterRead();
    // Ends a read that failed: only the reading flag is cleared; nothing is refreshed and no event is raised.
    void CancelRead() { FReading = false; }
    void FireReadCell();
    // The position of the table named name (any case) in the table list of the first sheet that has one; sets
    // tables and sheetIndex then. -1, and the outputs untouched, when no sheet has such a table.
    int32_t FindTable(rtl::UnicodeStringView name, TXc12Tables*& tables, int32_t& sheetIndex) const;
    // The default paper size of new sheets from the locale; unchanged when the locale cannot be read.
    void ReadDefaultPaperSize();

    TXLSErrorManager* Errors() const { return FErrors; }
    TXLSClassFactory* ClassFactory() const { return FClassFactory; }
    TXc12FileData& FileData() const { return *FFileData; }
    TXc12DataStyleSheet& StyleSheet() const { return *FStyleSheet; }
    TXc12DataSST& SST() const { return *FSST; }
    TXc12DataWorkbook& Workbook() const { return *FWorkbook; }
    TXc12DataWorksheets& Worksheets() const { return *FWorksheets; }
    TXc12DataXLinks& XLinks() const { return *FXLinks; }
    TXc12GraphicManager& GraphicManager() const { return *FGraphicManager; }
    TXc12DocProps& DocProps() const { return *FDocProps; }
    TXLSEventCell& EventCell() const { return *FEventCell; }
    // The colours indexed colour records resolve against; a BIFF read may rewrite it, each workbook has its own.
    TXc12Palette& Palette() { return FPalette; }
    const TXc12Palette& Palette() const { return FPalette; }

    TExcelVersion GetFileType() const { return FFileType; }
    void SetFileType(TExcelVersion value) { FFileType = value; }
    const rtl::UnicodeString& GetFilename() const { return FFilename; }
    void SetFilename(rtl::UnicodeStringView value) { FFilename = value; }
    const rtl::UnicodeString& GetPassword() const { return FPassword; }
    void SetPassword(rtl::UnicodeStringView value) { FPassword = value; }
    const TPasswordEvent& GetOnPassword() const { return FOnPassword; }
    void SetOnPassword(TPasswordEvent handler) { FOnPassword = std::move(handler); }
    TExternalNames* GetExternalNames() const { return FExternalNames; }
    void SetExternalNames(TExternalNames* names) { FExternalNames = names; }
    bool IsReading() const { return FReading; }
    // Separates the decoder's stacked texts: '\' when the decimal separator is ',' (so it cannot be mistaken for
    // one), else ','.
    char16_t GetDecoderSeparator() const { return FDecoderSeparator; }
    bool GetSkipPassword() const { return FSkipPassword; }
    void SetSkipPassword(bool value) { FSkipPassword = value; }
    bool GetBIFFSheetLookup() const { return FBIFFSheetLookup; }
    void SetBIFFSheetLookup(bool value) { FBIFFSheetLookup = value; }
    const TCellReadWriteEvent& GetOnReadCell() const { return FOnReadCell; }
    void SetOnReadCell(TCellReadWriteEvent handler) { FOnReadCell = std::move(handler); }
    const TCellReadWriteEvent& GetOnWriteCell() const { return FOnWriteCell; }
    void SetOnWriteCell(TCellReadWriteEvent handler) { FOnWriteCell = std::move(handler); }
    bool GetDirectRead() const { return FDirectRead; }
    void SetDirectRead(bool value) { FDirectRead = value; }
    bool GetDirectWrite() const { return FDirectWrite; }
    void SetDirectWrite(bool value) { FDirectWrite = value; }
    uint8_t GetDefaultPaperSize() const { return FDefaultPaperSize; }
    const TXLSProgressEvent& GetOnProgress() const { return FOnProgress; }
    void SetOnProgress(TXLSProgressEvent handler) { FOnProgress = std::move(handler); }
    const rtl::TNotifyEvent& GetOnAfterRead() const { return FOnAfterRead; }
    void SetOnAfterRead(rtl::TNotifyEvent handler) { FOnAfterRead = std::move(handler); }

private:
    TXLSErrorManager* FErrors;                // not owned
    TXLSClassFactory* FClassFactory;          // not owned
    TExternalNames* FExternalNames = nullptr; // not owned
    TExcelVersion FFileType = xvNone;
    rtl::UnicodeString FFilename;
    rtl::UnicodeString FPassword;
    TPasswordEvent FOnPassword;
    TXc12Palette FPalette;
    std::unique_ptr<TXc12FileData> FFileData;
    std::unique_ptr<TXc12DataStyleSheet> FStyleSheet;
    std::unique_ptr<TXc12DataSST> FSST;
    std::unique_ptr<TXc12DataWorkbook> FWorkbook;
    std::unique_ptr<TXc12DataWorksheets> FWorksheets;
    std::unique_ptr<TXc12DataXLinks> FXLinks;
    std::unique_ptr<TXc12GraphicManager> FGraphicManager;
    std::unique_ptr<TXc12DocProps> FDocProps;
    std::unique_ptr<TXLSEventCell> FEventCell;
    bool FReading = false;
    char16_t FDecoderSeparator = u',';
    bool FSkipPassword = false;
    bool FBIFFSheetLookup = false;
    TCellReadWriteEvent FOnReadCell;
    TCellReadWriteEvent FOnWriteCell;
    bool FDirectRead = false;
    bool FDirectWrite = false;
    uint8_t FDefaultPaperSize = 0;
    TXLSProgressEvent FOnProgress;
    rtl::TNotifyEvent FOnAfterRead;
};

} // namespace xls
