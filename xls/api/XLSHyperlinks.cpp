#include "xls/api/XLSHyperlinks.h"

#include "xls/core/formula/XLSFormulaHandler.h"
#include "xls/core/formula/tokens/XLSPtgs.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"

#include <vector>

namespace xls {

namespace {

constexpr rtl::UnicodeStringView HexDigits = u"0123456789ABCDEF";
constexpr rtl::UnicodeStringView FilePrefix = u"file:///";

bool StartsWithIgnoringCase(rtl::UnicodeStringView text, rtl::UnicodeStringView prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (size_t i = 0; i < prefix.size(); ++i) {
        const char16_t a = text[i] >= u'A' && text[i] <= u'Z' ? static_cast<char16_t>(text[i] + 32) : text[i];
        if (a != prefix[i]) {
            return false;
        }
    }
    return true;
}

bool IsAsciiLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool IsHexDigit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// Letters followed by "://" and something after it (ECMA-376 Part 1 takes hyperlink targets as URIs, RFC 3986 3.1).
bool HasScheme(rtl::UnicodeStringView text) {
    size_t letters = 0;
    while (letters < text.size() && IsAsciiLetter(text[letters])) {
        ++letters;
    }
    return letters > 0 && text.substr(letters).starts_with(u"://") && text.size() > letters + 3;
}

// A drive letter and a colon.
bool HasDrive(rtl::UnicodeStringView text) {
    return text.size() >= 2 && IsAsciiLetter(text[0]) && text[1] == u':';
}

// Two backslashes and a server name.
bool IsNetworkPath(rtl::UnicodeStringView text) {
    return text.starts_with(u"\\\\") && text.size() > 2 && text[2] != u'\\';
}

// The characters outside the URI character set (RFC 3986 2), which an address must escape.
bool MustEscape(char16_t c) {
    return c <= u' ' || c == 0x7F || rtl::UnicodeStringView(u"\"<>\\^`{|}").find(c) != rtl::UnicodeStringView::npos;
}

rtl::UnicodeString Escape(rtl::UnicodeStringView text, bool path) {
    rtl::UnicodeString escaped;
    escaped.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const bool beginsEscape =
            c == u'%' && i + 2 < text.size() && IsHexDigit(text[i + 1]) && IsHexDigit(text[i + 2]);
        const bool escape = path ? (c == u'#' || (c != u'\\' && MustEscape(c))) : MustEscape(c);
        if (escape || (c == u'%' && !beginsEscape)) {
            escaped += u'%';
            escaped += HexDigits[(c >> 4) & 0xF];
            escaped += HexDigits[c & 0xF];
        } else {
            escaped += c;
        }
    }
    return escaped;
}

// Whether ptgs are one token that names a cell, an area or a defined name.
bool IsSingleReference(const std::vector<uint8_t>& ptgs) {
    constexpr struct {
        uint8_t Id;
        size_t Size;
    } References[] = {{ptgxRef, 7},     {ptgxArea, 13},    {ptgxRef3d, 8}, {ptgxArea3d, 14},
                      {ptgxRefExt, 10}, {ptgxAreaExt, 16}, {ptgxName, 3}};
    for (const auto& reference : References) {
        if (!ptgs.empty() && ptgs[0] == reference.Id && ptgs.size() == reference.Size) {
            return true;
        }
    }
    return false;
}

} // namespace

TXLSHyperlinks::TXLSHyperlinks(TXLSClassFactory* factory, TXLSFormulaHandler& handler, const TXc12DataWorksheet* sheet)
    : TXc12Hyperlinks(factory), FHandler(handler), FSheet(sheet) {}

int32_t TXLSHyperlinks::SheetIndex() const {
    return FSheet != nullptr ? FSheet->Index() : -1;
}

rtl::UnicodeString TXLSHyperlink::EscapeAddress(rtl::UnicodeStringView text) {
    return Escape(text, false);
}

rtl::UnicodeString TXLSHyperlink::EscapePath(rtl::UnicodeStringView text) {
    return Escape(text, true);
}

void TXLSHyperlink::SetResult(TXLSHyperlinkKind kind, rtl::UnicodeStringView address) {
    StoreAddress(address);
    SetKind(kind);
    SetMonikerKind(kind);
}

// The errors of the compile only decide the answer: the handler mutes the error manager meanwhile.
bool TXLSHyperlink::IsPlaceInWorkbook(rtl::UnicodeStringView text) const {
    if (FOwner == nullptr || text.empty()) {
        return false;
    }
    std::vector<uint8_t> ptgs;
    rtl::UnicodeString failure;
    return FOwner->GetHandler().TryEncodeFormula(text, ptgs, FOwner->SheetIndex(), failure) > 0 &&
           IsSingleReference(ptgs);
}

void TXLSHyperlink::ParseAddress(rtl::UnicodeStringView text) {
    // "file:///" has a scheme too: it is looked for first.
    if (StartsWithIgnoringCase(text, FilePrefix)) {
        SetResult(xhkFile, text);
    } else if (HasScheme(text) || (StartsWithIgnoringCase(text, u"www.") && text.size() > 4)) {
        SetResult(xhkWeb, EscapeAddress(text));
    } else if (StartsWithIgnoringCase(text, u"mailto:") && text.size() > 7) {
        SetResult(xhkWeb, text);
    } else if (IsNetworkPath(text)) {
        SetResult(xhkNetwork, rtl::UnicodeString(FilePrefix) + EscapePath(text));
    } else if (HasDrive(text)) {
        SetResult(xhkFile, rtl::UnicodeString(FilePrefix) + EscapePath(text));
    } else if (const rtl::UnicodeStringView place = text.starts_with(u'#') ? text.substr(1) : text;
               IsPlaceInWorkbook(place)) {
        SetResult(xhkPlace, text);
        if (GetLocation().empty()) {
            SetLocation(place);
        }
    } else {
        SetResult(text.empty() ? xhkNone : xhkFile, EscapePath(text));
    }
}

} // namespace xls
