#include "xls/biff/workbook/BIFF_ExternSheets.h"

#include "xls/biff/BIFF_RecordIds.h"
#include "xls/biff/stream/BIFF_Utils.h"
#include "xls/biff/workbook/BIFF5.h"

#include <vector>

namespace xls {

namespace {

// EXTERNSHEET: a 16-bit count, then entries of a 16-bit supporting book, first sheet and last sheet.
constexpr int32_t ExternSheetEntries = 2;
constexpr int32_t ExternSheetEntrySize = 6;

// SUPBOOK (MS-XLS 2.4.271): the sheet count, then a character count that marks the workbook itself or add-in
// functions, or else counts the characters of the external workbook's path; the sheet names follow the path, each a
// 16-bit count and a flagged string.
constexpr int32_t SupBookSheetCount = 0;
constexpr int32_t SupBookPathLength = 2;
constexpr int32_t SupBookPath = 4;
constexpr uint16_t SupBookOwnWorkbook = 0x0401;
constexpr uint16_t SupBookAddIn = 0x3A01;

// EXTERNNAME (MS-XLS 2.4.105): the name's character count and flagged string after the flags and four bytes.
constexpr int32_t ExternNameLength = 6;
constexpr int32_t ExternNameText = 7;

bool IsExternName(uint16_t id) {
    return id == BIFFRecordExternName || id == BIFFRecordExternName3;
}

// The positions of the SUPBOOK records in the globals storage, in file order.
std::vector<int32_t> SupBookPositions(const TRecordStorageGlobals& globals) {
    std::vector<int32_t> positions;
    for (int32_t i = 0; i < globals.Count(); ++i) {
        if (globals.Get(i).Id == BIFFRecordSupBook) {
            positions.push_back(i);
        }
    }
    return positions;
}

// The path of an external workbook from the characters of its SUPBOOK's VirtualPath (MS-XLS 2.5.277): a leading
// encoding character 0x01 or 0x02 is dropped, then 0x01 and a drive letter give "C:\" (0x01 and "@" a UNC start "\\"),
// 0x02 and 0x03 a backslash, 0x04 "..\"; 0x05 to 0x08 name folders of the installation and give nothing.
rtl::UnicodeString VirtualPathToPath(rtl::UnicodeStringView virtualPath) {
    constexpr char16_t Volume = 0x01;
    constexpr char16_t SameVolume = 0x02;
    constexpr char16_t DownDirectory = 0x03;
    constexpr char16_t UpDirectory = 0x04;
    constexpr char16_t LastSpecial = 0x08;
    size_t i = virtualPath.size() >= 3 && virtualPath[0] <= SameVolume ? 1 : 0;
    rtl::UnicodeString path;
    for (; i < virtualPath.size(); ++i) {
        const char16_t c = virtualPath[i];
        if (c == Volume && i + 1 < virtualPath.size()) {
            const char16_t drive = virtualPath[++i];
            path += drive == u'@' ? rtl::UnicodeString(u"\\\\") : rtl::UnicodeString{drive, u':', u'\\'};
        } else if (c == SameVolume || c == DownDirectory) {
            path += u'\\';
        } else if (c == UpDirectory) {
            path += u"..\\";
        } else if (c > LastSpecial) {
            path += c;
        }
    }
    return path;
}

// The name of the external workbook's sheet at index, empty when the record names none there.
rtl::UnicodeString SupBookSheetName(const TBIFFBody& body, int32_t index) {
    const int32_t pathLength = body.Word(SupBookPathLength);
    int64_t offset = SupBookPath + 1 + FlaggedCharacterBytes(body.Byte(SupBookPath), pathLength);
    for (int32_t i = 0; i < body.Word(SupBookSheetCount) && offset + 2 <= body.Size(); ++i) {
        const int32_t at = static_cast<int32_t>(offset);
        const int32_t count = body.Word(at);
        if (i == index) {
            return UnicodeBodyToWide(body.From(at + 2), count);
        }
        offset += 3 + FlaggedCharacterBytes(body.Byte(at + 2), count);
    }
    return {};
}

// The text of the SUPBOOK's external name of the 1-based number; false when it has none of that number.
bool SupBookExternName(const TRecordStorageGlobals& globals, int32_t supBook, int32_t nameIndex,
                       rtl::UnicodeString& name) {
    int32_t number = 0;
    for (int32_t i = supBook + 1; i < globals.Count() && globals.Get(i).Id != BIFFRecordSupBook; ++i) {
        if (IsExternName(globals.Get(i).Id) && ++number == nameIndex) {
            const TBIFFBody body(globals.Get(i).Body);
            name = UnicodeBodyToWide(body.From(ExternNameText), body.Byte(ExternNameLength));
            return true;
        }
    }
    return false;
}

} // namespace

bool TBIFFExternSheets::GetExternSheetRange(int32_t index, int32_t& firstSheet, int32_t& lastSheet) const {
    int32_t supBook = 0;
    if (!ReadEntry(index, supBook, firstSheet, lastSheet)) {
        return false;
    }
    return firstSheet == lastSheet;
}

bool TBIFFExternSheets::ReadEntry(int32_t index, int32_t& supBook, int32_t& firstSheet, int32_t& lastSheet) const {
    const TRecordStorageGlobals& globals = FBIFF.Globals();
    const int32_t position = globals.Find(BIFFRecordExternSheet);
    if (FBIFF.Version() < xvExcel97 || position < 0 || index < 0) {
        return false;
    }
    const TBIFFBody body(globals.Get(position).Body);
    const int32_t entry = ExternSheetEntries + index * ExternSheetEntrySize;
    if (index >= body.Word(0) || entry + ExternSheetEntrySize > body.Size()) {
        return false;
    }
    supBook = body.Word(entry);
    firstSheet = body.Word(entry + 2);
    lastSheet = body.Word(entry + 4);
    return true;
}

bool TBIFFExternSheets::GetExternalReference(int32_t index, int32_t nameIndex, TExternalReference& reference) const {
    int32_t supBook = 0;
    int32_t first = 0;
    int32_t last = 0;
    if (!ReadEntry(index, supBook, first, last)) {
        return false;
    }
    const TRecordStorageGlobals& globals = FBIFF.Globals();
    const std::vector<int32_t> supBooks = SupBookPositions(globals);
    if (static_cast<size_t>(supBook) >= supBooks.size()) {
        return false;
    }
    const TBIFFBody body(globals.Get(supBooks[supBook]).Body);
    TExternalReference found;
    found.FirstSheet = first;
    found.LastSheet = last;
    const uint16_t pathLength = body.Word(SupBookPathLength);
    if (pathLength == SupBookOwnWorkbook) {
        reference = found;
        return true;
    }
    if (nameIndex > 0 && !SupBookExternName(globals, supBooks[supBook], nameIndex, found.Name)) {
        return false;
    }
    if (pathLength == SupBookAddIn) {
        found.Kind = TExternalReferenceKind::erkAddIn;
    } else {
        found.Kind = TExternalReferenceKind::erkExternalBook;
        found.BookPath = VirtualPathToPath(UnicodeBodyToWide(body.From(SupBookPath), pathLength));
        found.FirstSheetName = SupBookSheetName(body, first);
        found.LastSheetName = SupBookSheetName(body, last);
    }
    reference = std::move(found);
    return true;
}

} // namespace xls
