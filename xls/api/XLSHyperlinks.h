#pragma once
// The facade's hyperlinks: the class factory makes the model's hyperlink list and hyperlinks of these classes, which
// read an address as it is set. The address is classified as a web or mail address, a file, a network path or a
// place inside the workbook, and web and file addresses are put into URL form, escaping only the characters a URL
// cannot hold: an address that is already escaped stays as it is.

#include "rtl/text/StringTypes.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5Areas.h"

#include <cstdint>

namespace xls {

class TXLSFormulaHandler;
class TXc12DataWorksheet;

// What a hyperlink's address leads to; 0 when nothing was recognised.
enum TXLSHyperlinkKind : uint8_t {
    xhkNone = 0,
    xhkWeb = 1,
    xhkFile = 2,
    xhkNetwork = 3,
    xhkPlace = 4,
};

// The hyperlinks of one sheet.
class TXLSHyperlinks : public TXc12Hyperlinks {
public:
    // None of the references is owned. sheet is the sheet that holds the list (nullptr: none), whose place decides
    // where a place without a sheet name is; handler compiles places inside the workbook.
    TXLSHyperlinks(TXLSClassFactory* factory, TXLSFormulaHandler& handler, const TXc12DataWorksheet* sheet);

    TXLSFormulaHandler& GetHandler() const { return FHandler; }
    // The position of the sheet that holds the list, -1 without one.
    int32_t SheetIndex() const;

private:
    TXLSFormulaHandler& FHandler;
    const TXc12DataWorksheet* FSheet; // not owned
};

// One hyperlink, whose address is read whenever it is set.
class TXLSHyperlink : public TXc12Hyperlink {
public:
    // owner is the list the hyperlink belongs to; nullptr leaves places inside the workbook unrecognised.
    explicit TXLSHyperlink(TXLSHyperlinks* owner) : FOwner(owner) {}

    // Sets the kind (and moniker kind) and rewrites the address:
    // - "file:///...": xhkFile, as it is;
    // - another scheme ("https://host...") or "www." and a host: xhkWeb, escaped;
    // - "mailto:" and an address: xhkWeb, as it is;
    // - "\\server...": xhkNetwork, "file:///" and the escaped path;
    // - a drive ("C:..."): xhkFile, "file:///" and the escaped path;
    // - one cell, area or defined name of the workbook, with or without a leading "#" ("Sheet2!A1", "#Prices"):
    //   xhkPlace, as it is, and the location (without "#") when the hyperlink has none;
    // - anything else is a file relative to the workbook: xhkFile, escaped, with no "file:///" in front, which would
    //   make it absolute.
    void ParseAddress(rtl::UnicodeStringView text);

    // text with every character a URL cannot hold escaped as "%XX" (blank, control characters, " < > \ ^ ` { | }
    // and character 127, and a "%" that does not begin an escape); characters outside ASCII stay.
    static rtl::UnicodeString EscapeAddress(rtl::UnicodeStringView text);
    // As EscapeAddress for a file path: a backslash stays a separator, "#" is escaped, since a URL would end the path
    // there.
    static rtl::UnicodeString EscapePath(rtl::UnicodeStringView text);

    TXLSHyperlinks* GetOwner() const { return FOwner; }

protected:
    void AddressChanged() override { ParseAddress(rtl::UnicodeString(GetAddress())); }

private:
    // Whether text names one cell, area or defined name of the workbook.
    bool IsPlaceInWorkbook(rtl::UnicodeStringView text) const;
    void SetResult(TXLSHyperlinkKind kind, rtl::UnicodeStringView address);

    TXLSHyperlinks* FOwner; // not owned
};

} // namespace xls
