// The reading of a hyperlink's address: what it leads to, and the URL form web and file addresses take.

#include "xls/api/XLSHyperlinks.h"

#include "tests/xls/api/XLSApiTestSupport.h"

#include <gtest/gtest.h>
#include <string>

namespace xls {
namespace {

using api_test::DataSheet;
using api_test::NewSpreadsheet;
using test_support::Utf8;

struct TAddressCase {
    const char16_t* Text;
    TXLSHyperlinkKind Kind;
    const char* Address;
};

TEST(XLSHyperlink, AddressesAreClassifiedAndEscapedWhereAURLNeedsIt) {
    const TAddressCase cases[] = {
        // The query's separators and the fragment belong to the address; a blank does not.
        {u"https://example.com/my page?a=1&b=2#top", xhkWeb, "https://example.com/my%20page?a=1&b=2#top"},
        {u"HTTP://example.com/", xhkWeb, "HTTP://example.com/"},
        {u"www.example.com/a b", xhkWeb, "www.example.com/a%20b"},
        // An escape that is there stays; a "%" that begins none is escaped.
        {u"https://example.com/a%20b/100%", xhkWeb, "https://example.com/a%20b/100%25"},
        {u"https://example.com/{x}|\"y\"", xhkWeb, "https://example.com/%7Bx%7D%7C%22y%22"},
        {u"https://例え.jp/ページ", xhkWeb, "https://例え.jp/ページ"},
        {u"mailto:ann@example.com?subject=Hi there", xhkWeb, "mailto:ann@example.com?subject=Hi there"},
        {u"file:///C:/Books/a b.xlsx", xhkFile, "file:///C:/Books/a b.xlsx"},
        {u"\\\\server\\share\\a b.xlsx", xhkNetwork, "file:///\\\\server\\share\\a%20b.xlsx"},
        {u"C:\\My Books\\No#1.xlsx", xhkFile, "file:///C:\\My%20Books\\No%231.xlsx"},
        // A relative path stays relative: "file:///" would make it a path from the root.
        {u"../Other Book.xlsx", xhkFile, "../Other%20Book.xlsx"},
        {u"Sheet2!B3", xhkPlace, "Sheet2!B3"},
        {u"#Sheet2!B3:C4", xhkPlace, "#Sheet2!B3:C4"},
        {u"'Sheet2'!A1", xhkPlace, "'Sheet2'!A1"},
        {u"Target", xhkPlace, "Target"},
        {u"Missing!A1", xhkFile, "Missing!A1"},
        {u"SUM(A1:A2)", xhkFile, "SUM(A1:A2)"},
        // A scheme with nothing after it, or "mailto:" alone, is no address of that kind.
        {u"http://", xhkFile, "http://"},
        {u"", xhkNone, ""},
    };
    auto book = NewSpreadsheet();
    book->AddSheet();
    book->GetNames()->AddName(u"Target", -1)->SetDefinition(u"Sheet2!$A$1");
    book->RebuildSheets();
    TXLSHyperlinks& links = *book->GetSheet(0)->GetHyperlinks();
    for (const TAddressCase& test : cases) {
        SCOPED_TRACE(Utf8(test.Text));
        TXc12Hyperlink& link = *links.Add();
        link.SetAddress(test.Text);
        EXPECT_EQ(link.GetKind(), test.Kind);
        EXPECT_EQ(link.GetMonikerKind(), test.Kind);
        EXPECT_EQ(Utf8(link.GetAddress()), test.Address);
    }
    EXPECT_EQ(book->GetErrors().LastError(), 0);
}

TEST(XLSHyperlink, APlaceGivesItsLocationUnlessTheLinkHasOne) {
    auto book = NewSpreadsheet();
    TXLSHyperlinks& links = *book->GetSheet(0)->GetHyperlinks();
    TXc12Hyperlink& bare = *links.Add();
    bare.SetAddress(u"#A5");
    EXPECT_EQ(bare.GetKind(), xhkPlace);
    EXPECT_EQ(Utf8(bare.GetLocation()), "A5");
    TXc12Hyperlink& located = *links.Add();
    located.SetLocation(u"Sheet1!C3");
    located.SetAddress(u"A5");
    EXPECT_EQ(Utf8(located.GetLocation()), "Sheet1!C3");
}

TEST(XLSHyperlink, EscapingLeavesWhatAURLHolds) {
    EXPECT_EQ(Utf8(TXLSHyperlink::EscapeAddress(u"a b\x7F%zz%4a\\^`")), "a%20b%7F%25zz%4a%5C%5E%60");
    EXPECT_EQ(Utf8(TXLSHyperlink::EscapePath(u"C:\\a#b?c")), "C:\\a%23b?c");
    EXPECT_EQ(Utf8(TXLSHyperlink::EscapeAddress(u"%")), "%25");
    EXPECT_EQ(Utf8(TXLSHyperlink::EscapeAddress(u"%4")), "%254");
}

} // namespace
} // namespace xls
