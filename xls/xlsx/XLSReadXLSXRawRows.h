#pragma once
// The rows of a worksheet's sheet data read straight from the XML reader's buffer. Nearly every construct of a sheet
// part is a row, a cell or a cell's value, always of the same few forms; reading them through the generic tag hooks
// and the element classes' dispatch costs more than the cells' own storing. A row of those forms is read here,
// whole, into the same row and cell objects the element classes fill, and handed to the same callbacks in the same
// order; any other row (a formula, an inline string, an extension, a comment, a row the buffer cuts) is left to the
// generic reading, so what is read never depends on which path read it.

#include "xls/core/xml/XpgAttributeList.h"
#include "xls/core/xml/XpgReadXML.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace xls {

namespace xpgParserXLSX {
class TCT_SheetData;
struct TUnit;
} // namespace xpgParserXLSX

template <class Unit>
class TXpgSchemeReader;

// Installed as the raw construct reader of a worksheet part's parse.
class TXLSReadXLSXRawRows : public TXpgRawConstructReader {
public:
    // Neither is owned; both must outlive the parse.
    TXLSReadXLSXRawRows(const TXpgSchemeReader<xpgParserXLSX::TUnit>& reader, xpgParserXLSX::TCT_SheetData& sheetData);

    const char* ReadRaw(const char* lessThan, const char* end) override;

    // Rows read here since construction (the others went through the generic reading).
    int32_t RawRowCount() const { return FRawRowCount; }

private:
    // A begin tag's attributes: a range of FAttributes.
    struct TTagAttributes {
        size_t First = 0;
        size_t Count = 0;
    };
    struct TCellTag {
        TTagAttributes Attributes;
        bool HasValue = false;
        std::string_view Value;
    };

    // Scanning one row into FRowAttributes and FCells; each returns the position after what it scanned, or nullptr
    // for what is left to the generic reading.
    const char* ScanRow(const char* lessThan);
    const char* ScanCell(const char* lessThan);
    // The attributes after a tag's name, up to and with its ">" or "/>"; empty tells which.
    const char* ScanAttributes(const char* p, TTagAttributes& attributes, bool& empty);
    // The next "<" from p, past character data; nullptr when the buffer ends first.
    const char* NextTag(const char* p) const;
    // Whether a begin or end tag named name (with its "<" or "</") starts at p and its name ends there.
    bool OpensTag(const char* p, std::string_view opener) const;

    void EmitRow();
    template <class TElement>
    void Assign(TElement& element, const TTagAttributes& attributes);

    const TXpgSchemeReader<xpgParserXLSX::TUnit>& FReader;
    xpgParserXLSX::TCT_SheetData& FSheetData;
    const char* FEnd = nullptr;
    std::vector<std::pair<std::string_view, std::string_view>> FAttributes;
    TTagAttributes FRowAttributes;
    std::vector<TCellTag> FCells;
    TXpgXmlAttributeArray FAttributeArray;
    TXpgXMLAttributeList FAttributeList;
    int32_t FRawRowCount = 0;
};

} // namespace xls
