#pragma once
// The workbook's external references: per external-link part one link holding the referenced book (its path, sheet
// names, defined names and the cached cell values of its sheets), a DDE link and an OLE link. Formula texts show
// book "[n]" as the path of link n - 1; books and sheets are looked up by name without regard to case, in UTF-16,
// so names in any script stay distinct.

#include "rtl/core/Object.h"
#include "rtl/text/StringList.h"
#include "rtl/text/StringTypes.h"
#include "xls/core/model/common/Xc12DataLists.h"

#include <cstdint>

namespace xls {

// What a cached value holds.
enum TXc12XValueType : uint8_t {
    xvtNil = 0,
    xvtBoolean = 1,
    xvtError = 2,
    xvtNumber = 3,
    xvtString = 4,
};

// A cached value of an external cell or DDE item; the number 0 until a setter gives it another value.
class TXc12XCellValue : public rtl::TObject {
public:
    // Each setter first clears the value.
    void SetBoolean(uint8_t value);
    // value is an index of XLSErrorTexts.
    void SetError(uint8_t value);
    void SetNumber(double value);
    void SetString(rtl::UnicodeStringView value);
    // Nil when isNil, else the cleared value (the number 0).
    void SetNil(bool isNil);
    // The number 0; a string value's text is freed.
    void Clear();

    TXc12XValueType GetValueType() const { return FValueType; }
    bool GetBoolean() const { return FByteValue != 0; }
    uint8_t GetError() const { return FByteValue; }
    double GetNumber() const { return FNumber; }
    // Empty unless the value is a string; c_str() gives the zero-terminated text.
    const rtl::UnicodeString& GetString() const { return FString; }

private:
    TXc12XValueType FValueType = xvtNumber;
    uint8_t FByteValue = 0; // the boolean or the error index
    rtl::UnicodeString FString;
    double FNumber = 0;
};

// A cached cell of an external sheet.
class TXc12XCell : public TXc12XCellValue {
public:
    // Column and row from an A1 reference ("$" allowed); false, leaving both as they were, when the text names no
    // cell of a sheet.
    bool SetRefText(rtl::UnicodeStringView text);

    int32_t GetCol() const { return FCol; }
    void SetCol(int32_t value) { FCol = value; }
    int32_t GetRow() const { return FRow; }
    void SetRow(int32_t value) { FRow = value; }
    uint32_t GetVm() const { return FVm; }
    void SetVm(uint32_t value) { FVm = value; }

private:
    int32_t FCol = 0;
    int32_t FRow = 0;
    uint32_t FVm = 0;
};

// A cached row of an external sheet and its cells.
class TXc12XRow : public TXc12OwnedList<TXc12XCell> {
public:
    // Zero-based.
    int32_t GetRow() const { return FRow; }
    void SetRow(int32_t value) { FRow = value; }

private:
    int32_t FRow = 0;
};

// The cached rows of one external sheet.
class TXc12XSheetData : public TXc12OwnedList<TXc12XRow> {
public:
    int32_t GetSheetId() const { return FSheetId; }
    void SetSheetId(int32_t value) { FSheetId = value; }
    bool GetRefreshError() const { return FRefreshError; }
    void SetRefreshError(bool value) { FRefreshError = value; }

private:
    int32_t FSheetId = 0;
    bool FRefreshError = false;
};

// The cached sheets of an external book.
class TXc12XSheetDataSet : public TXc12OwnedList<TXc12XSheetData> {};

// A defined name of an external book.
class TXc12XDefinedName : public rtl::TObject {
public:
    const rtl::UnicodeString& GetName() const { return FName; }
    void SetName(rtl::UnicodeStringView value) { FName = value; }
    const rtl::UnicodeString& GetRefersTo() const { return FRefersTo; }
    void SetRefersTo(rtl::UnicodeStringView value) { FRefersTo = value; }
    int32_t GetSheetId() const { return FSheetId; }
    void SetSheetId(int32_t value) { FSheetId = value; }

private:
    rtl::UnicodeString FName;
    rtl::UnicodeString FRefersTo;
    int32_t FSheetId = 0;
};

// The defined names of an external book.
class TXc12XDefinedNames : public TXc12OwnedList<TXc12XDefinedName> {};

// A referenced workbook: where it is, its sheet names in file order, its defined names and cached values.
class TXc12XExternalBook : public rtl::TObject {
public:
    // The position of the sheet name equal to name without regard to case, -1 when none is.
    int32_t FindSheet(rtl::UnicodeStringView name) const;

    rtl::TStringList& GetSheetNames() { return FSheetNames; }
    const rtl::TStringList& GetSheetNames() const { return FSheetNames; }
    TXc12XDefinedNames& GetDefinedNames() { return FDefinedNames; }
    TXc12XSheetDataSet& GetSheetDataSet() { return FSheetDataSet; }
    // The part path of the book; empty when the package does not say where the book is.
    const rtl::UnicodeString& GetPath() const { return FPath; }
    void SetPath(rtl::UnicodeStringView value) { FPath = value; }

private:
    rtl::TStringList FSheetNames;
    TXc12XDefinedNames FDefinedNames;
    TXc12XSheetDataSet FSheetDataSet;
    rtl::UnicodeString FPath;
};

// One value of a DDE item.
class TXc12DdeValue : public TXc12XCellValue {};

// The values of a DDE item: a table of rows by cols values, row by row.
class TXc12DdeValues : public TXc12OwnedList<TXc12DdeValue> {
public:
    int32_t GetRows() const { return FRows; }
    void SetRows(int32_t value) { FRows = value; }
    int32_t GetCols() const { return FCols; }
    void SetCols(int32_t value) { FCols = value; }

private:
    int32_t FRows = 0;
    int32_t FCols = 0;
};

// An item of a DDE link and its values.
class TXc12DdeItem : public rtl::TObject {
public:
    const rtl::UnicodeString& GetName() const { return FName; }
    void SetName(rtl::UnicodeStringView value) { FName = value; }
    bool GetOle() const { return FOle; }
    void SetOle(bool value) { FOle = value; }
    bool GetAdvise() const { return FAdvise; }
    void SetAdvise(bool value) { FAdvise = value; }
    bool GetPreferPic() const { return FPreferPic; }
    void SetPreferPic(bool value) { FPreferPic = value; }
    TXc12DdeValues& GetValues() { return FValues; }

private:
    rtl::UnicodeString FName;
    bool FOle = false;
    bool FAdvise = false;
    bool FPreferPic = false;
    TXc12DdeValues FValues;
};

// A DDE link: the server's service and topic, and its items.
class TXc12DdeLink : public TXc12OwnedList<TXc12DdeItem> {
public:
    const rtl::UnicodeString& GetDdeService() const { return FDdeService; }
    void SetDdeService(rtl::UnicodeStringView value) { FDdeService = value; }
    const rtl::UnicodeString& GetDdeTopic() const { return FDdeTopic; }
    void SetDdeTopic(rtl::UnicodeStringView value) { FDdeTopic = value; }

private:
    rtl::UnicodeString FDdeService;
    rtl::UnicodeString FDdeTopic;
};

// An item of an OLE link.
class TXc12OleItem : public rtl::TObject {
public:
    const rtl::UnicodeString& GetName() const { return FName; }
    void SetName(rtl::UnicodeStringView value) { FName = value; }
    bool GetIcon() const { return FIcon; }
    void SetIcon(bool value) { FIcon = value; }
    bool GetAdvise() const { return FAdvise; }
    void SetAdvise(bool value) { FAdvise = value; }
    bool GetPreferPic() const { return FPreferPic; }
    void SetPreferPic(bool value) { FPreferPic = value; }

private:
    rtl::UnicodeString FName;
    bool FIcon = false;
    bool FAdvise = false;
    bool FPreferPic = false;
};

// An OLE link: the linked object, its program id and its items.
class TXc12OleLink : public TXc12OwnedList<TXc12OleItem> {
public:
    // The part path of the linked object; empty when the package does not say where it is.
    const rtl::UnicodeString& GetLinkTarget() const { return FLinkTarget; }
    void SetLinkTarget(rtl::UnicodeStringView value) { FLinkTarget = value; }
    const rtl::UnicodeString& GetProgId() const { return FProgId; }
    void SetProgId(rtl::UnicodeStringView value) { FProgId = value; }

private:
    rtl::UnicodeString FLinkTarget;
    rtl::UnicodeString FProgId;
};

// One external-link part: a part fills one of the three, the others stay empty.
class TXc12ExternalLink : public rtl::TObject {
public:
    TXc12XExternalBook& GetExternalBook() { return FExternalBook; }
    const TXc12XExternalBook& GetExternalBook() const { return FExternalBook; }
    TXc12DdeLink& GetDdeLink() { return FDdeLink; }
    TXc12OleLink& GetOleLink() { return FOleLink; }

private:
    TXc12XExternalBook FExternalBook;
    TXc12DdeLink FDdeLink;
    TXc12OleLink FOleLink;
};

// The workbook's external links, in the order of its external references; clearing frees them.
class TXc12DataXLinks : public TXc12OwnedList<TXc12ExternalLink> {
public:
    // The position of the first link whose book path equals path without regard to case, -1 when none does. A book
    // without a path is never found: an empty path names no book.
    int32_t FindBook(rtl::UnicodeStringView path) const;
};

} // namespace xls
