#pragma once
// TXLSReadBIFF: reads one BIFF2-8 workbook record by record and fills two places at once: the workbook model (style
// sheet, shared strings, workbook settings, defined names, sheets) and the BIFF workbook object (its sheets and
// record storages). It walks the substreams of the file (the globals, then one per sheet), hands each record to its
// handler by id, and keeps the records it does not interpret raw in the record storage of the current substream.
//
// Not interpreted yet, so kept raw: the external references, drawings and notes, conditional formats and
// autofilters. Data validations are dropped, chart substreams (chart sheets and charts embedded in a sheet), macro
// sheets and VB modules are skipped whole.

#include "rtl/io/Streams.h"
#include "rtl/text/StringTypes.h"
#include "xls/biff/formula/BIFF_DecodeFormula.h"
#include "xls/biff/stream/BIFF_RecordBody.h"
#include "xls/biff/stream/BIFF_Stream.h"
#include "xls/biff/stream/BIFF_WideStrList.h"
#include "xls/biff/workbook/BIFF_FormulaCell.h"
#include "xls/biff/workbook/BIFF_SharedFormulas.h"
#include "xls/core/model/workbook/Xc12Manager5.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace xls {

class TBIFF5;
class TRecordStorageDefault;
class TSheet;
class TXc12DataWorksheet;
class TXc12Font;
class TXc12NumberFormat;
class TXc12SheetView;
class TXc12XF;
class TXLSFormulaHelper;

// Reads one workbook; one reader per read.
class TXLSReadBIFF {
public:
    // Reads into biff and the model it was made on; neither is owned.
    explicit TXLSReadBIFF(TBIFF5& biff);
    TXLSReadBIFF(const TXLSReadBIFF&) = delete;
    TXLSReadBIFF& operator=(const TXLSReadBIFF&) = delete;
    ~TXLSReadBIFF();

    // Reads the whole workbook from stream, or from the file the workbook object names when stream is nullptr. A
    // failure while a record is handled raises EBIFFError "Error on reading record # %d, %.4X Offs: %.8X", a carriage
    // return and the failure's own message.
    void LoadFromStream(rtl::TStream* stream);

private:
    // What becomes of a record after its handler.
    enum class TKeep : uint8_t { Drop, Raw, Default };
    // How a record id is handled: from which version on, with which handler, after flushing the storage's template
    // up to which marker (0 for none), and kept how; before that version it is kept as Older says. A record shorter
    // than Fields, the bytes of the fixed fields its handler reads, is skipped.
    struct TRecordRule {
        uint16_t Id;
        TExcelVersion From;
        uint16_t Marker;
        void (TXLSReadBIFF::*Handler)();
        TKeep Keep;
        TKeep Older;
        int32_t Fields = 0;
    };
    static const TRecordRule* FindRule(uint16_t id);

    // The record loop (BIFF_Read.cpp).
    void ReadBIFF4Worksheet();
    void RunRecordLoop(void (TXLSReadBIFF::*handleRecord)());
    // A body cut short by the end of the stream raises "Record %.4X is cut short ...".
    void ReadBody(const TBIFFHeader& header, std::vector<uint8_t>& body);
    void SkipBody(const TBIFFHeader& header);
    // Reads the CONTINUE records that follow the current record, handing each body to addPiece.
    void ReadContinueRecords(const std::function<void(std::span<const uint8_t>)>& addPiece);
    void HandleRecord();
    void HandleBIFF4Record();
    // False, with warning 2012 naming the record, when its body is shorter than size, the bytes of the fixed fields
    // its handler needs: such a record is skipped whole, for nothing may stand in for a value it lacks.
    bool HoldsFields(int32_t size) const;
    void Keep(TKeep keep);
    void ReportProgress();
    void FinishRead();
    TBIFFBody Body() const { return TBIFFBody(FBody); }
    bool IsBIFF8() const { return FVersion >= xvExcel97; }
    bool InSheet() const { return FSubstream == TSubstream::Worksheet; }

    // Substreams.
    void ReadBOF();
    void ReadEOF();
    // The next sheet substream's sheet: named and made visible as the sheet list says, marked read, current.
    TSheet& EnterSheet();
    void AddSingleSheet();
    // Reads on to the EOF that ends the substream just begun; the substreams nested in it end at their own EOF.
    void SkipSubstream();
    // After a substream: stops when the last sheet the file lists has been read.
    void EndSubstream();
    void BeginSkipCustomView() { FSkippingCustomView = true; }
    // Shared and array formulas belong to one substream.
    void ForgetSheetFormulas();

    // Workbook globals (BIFF_ReadGlobals.cpp).
    void ReadBoundSheet();
    void ReadCodePage();
    void ReadWriteAccess();
    void ReadFileSharing();
    void ReadWindow1();
    void ReadBookBool();
    void ReadName();
    void ReadXct();
    void ReadSst();
    void ReadMsoDrawingGroup();
    void ReadPassword();
    void ReadCalcCount();
    void ReadCalcMode();
    void ReadPrecision();
    void ReadRefMode();
    void ReadDelta();
    void ReadIteration();
    void ReadSaveRecalc();
    void ReadDateMode();
    void ReadBackup();
    void ReadRefreshAll();
    void ReadWindowProtect();
    // Appends the record read next, which must follow the current one, raw to the current storage.
    void KeepNextRaw();

    // Decryption (BIFF_ReadFilePass.cpp).
    void ReadFilePass();
    // Reports error 1002, 1003 or 1004 and ends the read: what follows is encrypted.
    void StopWithError(int32_t number);

    // Fonts, formats, cell formats, palette and styles (BIFF_ReadStyles.cpp).
    void ReadFont();
    void ReadFont2();
    void ReadFont3();
    void ReadFont5();
    void ReadOldFont(int32_t nameOffset, bool hasColor);
    TXc12Font& AddFont();
    // Appends the placeholder of BIFF font 4 once the fonts before it are in.
    void FontAdded();
    void SetFontColor(TXc12Font& font, uint16_t index) const;
    void ReadFormat();
    void ReadFormat2();
    void ReadFormat4();
    // The text of a FORMAT record whose character count is at offset (16-bit in BIFF8, a byte before): the characters
    // the record holds, for some writers count one more than they write.
    rtl::UnicodeString FormatText(int32_t countOffset) const;
    void CollectFormat(int32_t countOffset);
    void AddCollectedFormats();
    void ReadXf();
    void ReadXf8(TXc12XF& xf);
    void ReadXf34();
    // Appends a cell format to the model, raising the use counts of its parts.
    void AppendXF(std::unique_ptr<TXc12XF> xf);
    TXc12ColorRec IndexedColor(int32_t index) const;
    void ReadPalette();
    void ReadStyle();
    // The model's font of a BIFF font number, and the model's number format of a format id; one that the model does
    // not hold gives the default with warning 2002.
    TXc12Font* ModelFont(int32_t biffFont) const;
    TXc12NumberFormat* ModelNumberFormat(int32_t id) const;

    // Cells (BIFF_ReadCells.cpp).
    void ReadBlank();
    void ReadNumber();
    void ReadRK();
    void ReadMulRK();
    void ReadMulBlank();
    void ReadLabel();
    void ReadLabelSST();
    void ReadBoolErr();
    void ReadBlank2();
    void ReadBoolErr2();
    // The boolean or error of a BOOLERR record whose value byte is at offset, its error flag after it.
    TXLSCellValue BoolErrCellValue(int32_t offset) const;
    void ReadInteger2();
    void ReadNumber2();
    void ReadLabel2();
    // The model XF of a BIFF XF number; one the style sheet does not hold gives no XF (0) with warning 2002.
    int32_t CellXF(uint16_t xfNumber) const;
    // Stores the cell, or in read-cell mode fires it (blanks are stored in either mode).
    void PutCell(int32_t col, int32_t row, int32_t xf, const TXLSCellValue& value);
    // The cell of the record's header (from BIFF3 on), and of a BIFF2 record's, which is stored with no XF.
    void PutRecordCell(const TXLSCellValue& value);
    void PutRecordCell2(const TXLSCellValue& value);
    // Hands the cell to the model's read-cell event; formula is its formula text, nullptr for a plain cell.
    void FireCell(int32_t col, int32_t row, const TXLSCellValue& value, const rtl::UnicodeString* formula);
    // The cells of a MULRK or MULBLANK whose entries are entrySize bytes: as many as the body holds and the row has
    // columns for from the first one on.
    int32_t MulCellCount(int32_t entrySize) const;

    // Rows, columns, window, printing and options of a sheet (BIFF_ReadSheet.cpp), and its hyperlinks
    // (BIFF_ReadHyperlink.cpp).
    void ReadRow();
    void ReadColInfo();
    void ReadDimensions();
    void ReadDimensions2();
    void ReadDefColWidth();
    void ReadDefaultRowHeight();
    void ReadMergeCells();
    void ReadWindow2();
    void ReadPane();
    void ReadSelection();
    void ReadSetup();
    // LEFTMARGIN, RIGHTMARGIN, TOPMARGIN and BOTTOMMARGIN.
    void ReadMargin();
    void ReadHeaderFooter();
    // HCENTER, VCENTER, PRINTHEADERS, PRINTGRIDLINES and GRIDSET.
    void ReadPrintOption();
    void ReadPageBreaks();
    void ReadWsBool();
    void ReadSheetExt();
    void ReadFeatHdr();
    void ReadHLink();
    // The worksheet's first view, made when it has none.
    TXc12SheetView& FirstSheetView();

    // Formulas (BIFF_ReadFormula.cpp).
    void ReadFormula();
    // The result at offset; a string result is marked as one the STRING record after the formula holds.
    void ReadFormulaResult(int32_t offset, TBIFFFormulaCell& cell) const;
    // The tokens of the shared formula the cell points at, made the cell's own; none raises the fixup error.
    void TakeSharedFormula(TBIFFFormulaCell& cell, std::span<const uint8_t> pointer);
    void ReadSharedFormulaRecord();
    // Makes the cell the master of the ARRAY record that follows or a member of the pending array; false when it
    // is neither.
    bool TakeArrayFormula(TBIFFFormulaCell& cell);
    void ReadArrayRecord();
    // The text of the STRING record that follows, after the TABLE record of a data table's cell; false when none does.
    bool ReadStringResult(TXLSCellValue& result);
    // The text of a BIFF8 STRING record read into FFollowingBody, whose characters may go on in CONTINUE records.
    rtl::UnicodeString ContinuedStringResult();
    // Reads the next record into body and returns its id.
    uint16_t ReadNextRecord(std::vector<uint8_t>& body);
    void PutFormula(const TBIFFFormulaCell& cell);
    rtl::UnicodeString EventFormulaText(const TXLSFormulaHelper& helper);

    // Texts of the record body. In BIFF2-7 8-bit text is in the code page the CODEPAGE record named (the process's
    // ANSI code page until then); in BIFF8 it is Latin-1.
    rtl::UnicodeString Text8(std::span<const uint8_t> bytes) const;
    // A one-byte count at offset, then in BIFF8 a flagged string, before it 8-bit characters.
    rtl::UnicodeString ByteCountText(int32_t offset) const;
    // count 8-bit characters at offset.
    rtl::UnicodeString CharsText(int32_t offset, int32_t count) const;
    // The first count bytes as 8-bit text; fewer bytes raise.
    rtl::UnicodeString Text8Checked(std::span<const uint8_t> bytes, int32_t count) const;

    TBIFF5& FBIFF;
    TXc12Manager& FManager;
    TXLSStream FStream;
    TExcelVersion FVersion = xvNone;
    TBIFFHeader FHeader;
    std::vector<uint8_t> FBody;
    int32_t FRecordCount = 0;
    int32_t FLastPercent = -1;
    TKeep FKeep = TKeep::Raw;
    bool FFinished = false;

    enum class TSubstream : uint8_t { None, Globals, Worksheet };
    TSubstream FSubstream = TSubstream::None;
    bool FSkippingCustomView = false;
    // One entry per BOUNDSHEET: the sheet's name with its visibility.
    TXLSWideStringList FSheetNames;
    int32_t FBoundSheetIndex = -1;
    int32_t FSheetIndex = -1;
    TRecordStorageDefault* FCurrentStorage = nullptr; // not owned
    TXc12DataWorksheet* FCurrentWorksheet = nullptr;  // not owned

    // The formulas of the sheet substream: its shared formulas, its last ARRAY record, and the body of a record read
    // after a FORMULA record.
    TBIFFSharedFormulas FSharedFormulas;
    std::optional<TBIFFArrayFormula> FPendingArray;
    std::vector<uint8_t> FFollowingBody;
    TBIFFFormulaDecoder FFormulaDecoder;

    uint32_t FCodePage = 0;
    // The user name of a BIFF2-7 WRITEACCESS, which comes before CODEPAGE: it is converted once the read is done.
    std::vector<uint8_t> FUserName8;

    // The number formats of BIFF2-4, which are numbered in file order: the file's FORMAT records replace the built-in
    // texts one by one and are added to the model, from FFormatBase on, before the first cell format.
    std::vector<rtl::UnicodeString> FCollectedFormats;
    int32_t FFormatBase = 0;
    int32_t FFormatsCollected = 0;
    bool FFormatsAdded = false;
};

} // namespace xls
