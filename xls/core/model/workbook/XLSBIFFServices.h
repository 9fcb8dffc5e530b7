#pragma once
// What the workbook model, the formula kit and the spreadsheet component need of the BIFF (.xls) reader, behind
// interfaces of their own so that they build and read .xlsx packages without it: the BIFF reader implements them.

#include "rtl/io/Streams.h"
#include "rtl/text/StringTypes.h"
#include "xls/core/model/workbook/Xc12Manager5.h"

#include <cstdint>

namespace xls {

// What an external-sheet entry stands for: sheets of the workbook itself, of another workbook, or add-in functions.
enum class TExternalReferenceKind : uint8_t { erkOwnSheets, erkExternalBook, erkAddIn };

// An external-sheet entry as formula text needs it.
struct TExternalReference {
    TExternalReferenceKind Kind = TExternalReferenceKind::erkOwnSheets;
    // The entry's sheets: indexes into the workbook's own sheets (0xFFFE for the workbook, 0xFFFF for a deleted
    // sheet), or into the external workbook's sheet names.
    int32_t FirstSheet = 0;
    int32_t LastSheet = 0;
    // The external workbook's path, as an .xlsx package's external link gives it.
    rtl::UnicodeString BookPath;
    // The external workbook's names of the first and last sheet (empty where it names none).
    rtl::UnicodeString FirstSheetName;
    rtl::UnicodeString LastSheetName;
    // The external name asked for (empty when none was asked for or the workbook's own names are meant).
    rtl::UnicodeString Name;
};

// The BIFF reader's table of external names and external-sheet entries. The model keeps a reference to the current
// one while BIFF data is loaded and never frees it.
class TExternalNames {
public:
    virtual ~TExternalNames() = default;
    // The first and last sheet of the external-sheet entry at index (as stored in 3-D references); true when they
    // are the same sheet.
    virtual bool GetExternSheetRange(int32_t index, int32_t& firstSheet, int32_t& lastSheet) const = 0;
    // Fills reference for the external-sheet entry at index and, when nameIndex (1-based) is above 0, the external
    // name of that number of another workbook or add-in. False, leaving reference alone, when the file has no such
    // entry or name.
    virtual bool GetExternalReference(int32_t index, int32_t nameIndex, TExternalReference& reference) const = 0;
};

// Turns formula tokens in the BIFF reader's format (first byte 0xFE or 0xFF) into formula text.
class TXLSBIFFFormulaDecoder {
public:
    virtual ~TXLSBIFFFormulaDecoder() = default;
    // result is cleared, then filled; argumentSeparator stands between function arguments; col and row are the
    // formula cell's position. Tokens it cannot decode raise.
    virtual void DecodeBIFFFormula(const uint8_t* tokens, int32_t length, int32_t sheetIndex,
                                   rtl::UnicodeString& result, char16_t argumentSeparator, int32_t col,
                                   int32_t row) = 0;
};

// One BIFF workbook bound to a model manager: it reads into the model and keeps the BIFF-only data of the file.
class TXLSBIFFDocument {
public:
    virtual ~TXLSBIFFDocument() = default;

    // The file LoadFromFile reads; nothing is read here.
    virtual void SetFilename(rtl::UnicodeStringView fileName) = 0;
    // Asked for the password of an encrypted file.
    virtual void SetOnPassword(TPasswordEvent handler) = 0;
    // True keeps the file's VBA project.
    virtual void SetKeepVBA(bool keep) = 0;
    // Handed on to the BIFF record reader.
    virtual void SetReaderFlag(bool flag) = 0;
    // The document's table of external names; it lives as long as the document.
    virtual TExternalNames* GetInternalNames() = 0;
    virtual void LoadFromFile() = 0;
    // Reads from the stream's position.
    virtual void LoadFromStream(rtl::TStream& stream) = 0;
    // Appends an empty BIFF sheet, as the facade does when it adds a sheet.
    virtual void AddSheet() = 0;
};

} // namespace xls
