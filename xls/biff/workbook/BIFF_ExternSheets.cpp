#include "xls/biff/workbook/BIFF_ExternSheets.h"

#include "xls/biff/BIFF_RecordIds.h"
#include "xls/biff/stream/BIFF_Utils.h"
#include "xls/biff/workbook/BIFF5.h"

#include <algorithm>

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

// The sheet names of an external workbook's SUPBOOK, as many as the record holds.
std::vector<rtl::UnicodeString> SupBookSheetNames(const TBIFFBody& body) {
    std::vector<rtl::UnicodeString> names;
    int64_t offset = SupBookPath + 1 + FlaggedCharacterBytes(body.Byte(SupBookPath), body.Word(SupBookPathLength));
    for (int32_t i = 0; i < body.Word(SupBookSheetCount) && offset + 2 <= body.Size(); ++i) {
        const int32_t at = static_cast<int32_t>(offset);
        const int32_t count = body.Word(at);
        names.push_back(UnicodeBodyToWide(body.From(at + 2), count));
        offset += 3 + FlaggedCharacterBytes(body.Byte(at + 2), count);
    }
    return names;
}

} // namespace

void TBIFFExternSheets::Clear() {
    FSupBooks.clear();
    FEntries.clear();
}

void TBIFFExternSheets::Load() {
    Clear();
    if (FBIFF.Version() < xvExcel97) {
        return;
    }
    const TRecordStorageGlobals& globals = FBIFF.Globals();
    for (int32_t i = 0; i < globals.Count(); ++i) {
        const TBIFFStoredRecord& record = globals.Get(i);
        const TBIFFBody body(record.Body);
        if (record.Id == BIFFRecordSupBook) {
            TSupBook& supBook = FSupBooks.emplace_back();
            const uint16_t pathLength = body.Word(SupBookPathLength);
            if (pathLength == SupBookAddIn) {
                supBook.Kind = TExternalReferenceKind::erkAddIn;
            } else if (pathLength != SupBookOwnWorkbook) {
                supBook.Kind = TExternalReferenceKind::erkExternalBook;
                supBook.Path = VirtualPathToPath(UnicodeBodyToWide(body.From(SupBookPath), pathLength));
                supBook.SheetNames = SupBookSheetNames(body);
            }
        } else if ((record.Id == BIFFRecordExternName || record.Id == BIFFRecordExternName3) && !FSupBooks.empty()) {
            FSupBooks.back().Names.push_back(UnicodeBodyToWide(body.From(ExternNameText), body.Byte(ExternNameLength)));
        } else if (record.Id == BIFFRecordExternSheet && FEntries.empty()) {
            const int32_t count =
                std::min<int32_t>(body.Word(0), (body.Size() - ExternSheetEntries) / ExternSheetEntrySize);
            for (int32_t entry = 0; entry < count; ++entry) {
                const int32_t at = ExternSheetEntries + entry * ExternSheetEntrySize;
                FEntries.push_back({body.Word(at), body.Word(at + 2), body.Word(at + 4)});
            }
        }
    }
}

bool TBIFFExternSheets::GetExternSheetRange(int32_t index, int32_t& firstSheet, int32_t& lastSheet) const {
    if (index < 0 || static_cast<size_t>(index) >= FEntries.size()) {
        return false;
    }
    firstSheet = FEntries[index].FirstSheet;
    lastSheet = FEntries[index].LastSheet;
    return firstSheet == lastSheet;
}

bool TBIFFExternSheets::GetExternalReference(int32_t index, int32_t nameIndex, TExternalReference& reference) const {
    if (index < 0 || static_cast<size_t>(index) >= FEntries.size() ||
        static_cast<size_t>(FEntries[index].SupBook) >= FSupBooks.size()) {
        return false;
    }
    const TEntry& entry = FEntries[index];
    const TSupBook& supBook = FSupBooks[entry.SupBook];
    const bool external = supBook.Kind != TExternalReferenceKind::erkOwnSheets;
    if (external && nameIndex > 0 && static_cast<size_t>(nameIndex) > supBook.Names.size()) {
        return false;
    }
    const auto sheetName = [&supBook](int32_t sheet) {
        return static_cast<size_t>(sheet) < supBook.SheetNames.size() ? supBook.SheetNames[sheet]
                                                                      : rtl::UnicodeString();
    };
    reference.Kind = supBook.Kind;
    reference.FirstSheet = entry.FirstSheet;
    reference.LastSheet = entry.LastSheet;
    reference.BookPath = supBook.Path;
    reference.FirstSheetName = sheetName(entry.FirstSheet);
    reference.LastSheetName = sheetName(entry.LastSheet);
    reference.Name = external && nameIndex > 0 ? supBook.Names[nameIndex - 1] : rtl::UnicodeString();
    return true;
}

} // namespace xls
