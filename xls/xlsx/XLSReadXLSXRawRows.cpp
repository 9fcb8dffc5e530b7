#include "xls/xlsx/XLSReadXLSXRawRows.h"

#include "xls/core/xml/XpgTextDecoder.h"
#include "xls/xlsx/xpgParserXLSX.h"

#include <algorithm>
#include <cstring>

namespace xls {

using namespace xpgParserXLSX;

namespace {

// Rows, cells and values are three levels below the sheet data.
constexpr int32_t RawRowLevels = 3;
// More attributes than a row or cell can have leave the tag to the generic reading and its limits.
constexpr size_t RawTagAttributeLimit = 16;

constexpr std::string_view RowOpener = "<row";
constexpr std::string_view RowCloser = "</row>";
constexpr std::string_view CellOpener = "<c";
constexpr std::string_view CellCloser = "</c>";
constexpr std::string_view ValueOpener = "<v>";
constexpr std::string_view ValueCloser = "</v>";
constexpr std::string_view NamespaceDeclaration = "xmlns";

bool IsXmlBlank(char byte) {
    return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\r';
}

// The bytes that end an attribute's name as the generic reader scans it.
bool EndsAttributeName(char byte) {
    return IsXmlBlank(byte) || byte == '=' || byte == '>' || byte == '/' || byte == '?' || byte == '"' || byte == '\'';
}

bool StartsWith(const char* p, const char* end, std::string_view text) {
    return static_cast<size_t>(end - p) >= text.size() && std::memcmp(p, text.data(), text.size()) == 0;
}

} // namespace

TXLSReadXLSXRawRows::TXLSReadXLSXRawRows(const TXpgSchemeReader<TUnit>& reader, TCT_SheetData& sheetData)
    : FReader(reader), FSheetData(sheetData), FAttributeArray(RawTagAttributeLimit) {}

const char* TXLSReadXLSXRawRows::ReadRaw(const char* lessThan, const char* end) {
    if (&FReader.Current() != &FSheetData || !FReader.ReadsChildrenAsWritten(RawRowLevels)) {
        return lessThan;
    }
    FEnd = end;
    const char* next = ScanRow(lessThan);
    if (next == nullptr) {
        return lessThan;
    }
    EmitRow();
    ++FRawRowCount;
    return next;
}

bool TXLSReadXLSXRawRows::OpensTag(const char* p, std::string_view opener) const {
    if (!StartsWith(p, FEnd, opener) || p + opener.size() == FEnd) {
        return false;
    }
    const char after = p[opener.size()];
    return IsXmlBlank(after) || after == '>' || after == '/';
}

// Only blanks may stand between the tags of a row read here: the generic reading decodes other text after a begin tag
// (and raises for a bad reference in it), and a CDATA section, comment or declaration is its to read.
const char* TXLSReadXLSXRawRows::NextTag(const char* p) const {
    while (p < FEnd && IsXmlBlank(*p)) {
        ++p;
    }
    if (FEnd - p < 2 || *p != '<' || p[1] == '!' || p[1] == '?') {
        return nullptr;
    }
    return p;
}

const char* TXLSReadXLSXRawRows::ScanAttributes(const char* p, TTagAttributes& attributes, bool& empty) {
    attributes = {FAttributes.size(), 0};
    for (;;) {
        while (p < FEnd && IsXmlBlank(*p)) {
            ++p;
        }
        if (p == FEnd) {
            return nullptr;
        }
        if (*p == '>' || (*p == '/' && p + 1 < FEnd && p[1] == '>')) {
            empty = *p == '/';
            return p + (empty ? 2 : 1);
        }
        const char* nameStart = p;
        while (p < FEnd && !EndsAttributeName(*p)) {
            ++p;
        }
        const std::string_view name(nameStart, static_cast<size_t>(p - nameStart));
        if (name.empty() || name.starts_with(NamespaceDeclaration) || FEnd - p < 2 || *p != '=' ||
            (p[1] != '"' && p[1] != '\'') || attributes.Count == RawTagAttributeLimit) {
            return nullptr;
        }
        const char* valueStart = p + 2;
        const char* close = std::find(valueStart, FEnd, p[1]);
        if (close == FEnd) {
            return nullptr;
        }
        FAttributes.emplace_back(name, std::string_view(valueStart, static_cast<size_t>(close - valueStart)));
        ++attributes.Count;
        p = close + 1;
    }
}

const char* TXLSReadXLSXRawRows::ScanRow(const char* lessThan) {
    if (!OpensTag(lessThan, RowOpener)) {
        return nullptr;
    }
    FAttributes.clear();
    FCells.clear();
    bool empty = false;
    const char* p = ScanAttributes(lessThan + RowOpener.size(), FRowAttributes, empty);
    if (p == nullptr || empty) {
        return p;
    }
    for (;;) {
        p = NextTag(p);
        if (p == nullptr) {
            return nullptr;
        }
        if (StartsWith(p, FEnd, RowCloser)) {
            return p + RowCloser.size();
        }
        p = ScanCell(p);
        if (p == nullptr) {
            return nullptr;
        }
    }
}

// A cell is <c .../>, <c ...></c> or <c ...><v>value</v></c>; its value's text is decoded as the generic reader
// decodes it.
const char* TXLSReadXLSXRawRows::ScanCell(const char* lessThan) {
    if (!OpensTag(lessThan, CellOpener)) {
        return nullptr;
    }
    TCellTag& cell = FCells.emplace_back();
    bool empty = false;
    const char* p = ScanAttributes(lessThan + CellOpener.size(), cell.Attributes, empty);
    if (p == nullptr || empty) {
        return p;
    }
    p = NextTag(p);
    if (p != nullptr && StartsWith(p, FEnd, ValueOpener)) {
        const char* valueStart = p + ValueOpener.size();
        const char* valueEnd = std::find(valueStart, FEnd, '<');
        if (!StartsWith(valueEnd, FEnd, ValueCloser)) {
            return nullptr;
        }
        cell.HasValue = true;
        cell.Value = std::string_view(valueStart, static_cast<size_t>(valueEnd - valueStart));
        p = NextTag(valueEnd + ValueCloser.size());
    }
    if (p == nullptr || !StartsWith(p, FEnd, CellCloser)) {
        return nullptr;
    }
    return p + CellCloser.size();
}

template <class TElement>
void TXLSReadXLSXRawRows::Assign(TElement& element, const TTagAttributes& attributes) {
    // As the generic reading enters a child: it occurred, and takes the tag's attributes when there are any.
    element.SetFlags(xpgOccurred);
    if (attributes.Count == 0) {
        return;
    }
    for (size_t i = 0; i < attributes.Count; ++i) {
        const auto& [name, value] = FAttributes[attributes.First + i];
        FAttributeArray[i].SetRaw(name, value);
    }
    FAttributeList.SetRaw(FAttributeArray, static_cast<int32_t>(attributes.Count));
    element.AssignAttributes(FAttributeList);
}

// The calls the element classes make for the same constructs, in the same order.
void TXLSReadXLSXRawRows::EmitRow() {
    TCT_Row& row = FSheetData.GetRow();
    row.Clear();
    Assign(row, FRowAttributes);
    TCT_Cell& cell = row.GetCell();
    rtl::UnicodeString value;
    for (const TCellTag& tag : FCells) {
        cell.Clear();
        Assign(cell, tag.Attributes);
        if (tag.HasValue) {
            XpgDecodeText(tag.Value, value);
            cell.SetV(value);
            cell.HandleElementEnd();
        }
        row.HandleElementEnd();
    }
    FSheetData.HandleElementEnd();
}

} // namespace xls
