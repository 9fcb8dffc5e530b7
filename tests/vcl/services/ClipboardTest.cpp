// The clipboard as text: UTF-16 in and out, the ANSI form Windows makes of it in code page 936, and the other way
// round.

#include "vcl/services/Clipboard.h"

#include "rtl/WindowsApi.h"
#include "rtl/text/CodePages.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using test_support::Utf8;

constexpr char16_t InvoiceText[] = u"发票号码\t12345\r\n金额：¥100.00";

TEST(Clipboard, TextPutAsUtf16ComesBackAsItWasAndInTheAnsiCodePage) {
    vcl::Clipboard().SetAsText(InvoiceText);
    EXPECT_TRUE(vcl::Clipboard().HasFormat(CF_UNICODETEXT));
    EXPECT_EQ(Utf8(vcl::Clipboard().AsText()), Utf8(InvoiceText));
    ASSERT_EQ(GetACP(), 936u);
    EXPECT_EQ(vcl::Clipboard().AnsiText(), rtl::UnicodeToAnsi(InvoiceText, 936));
}

TEST(Clipboard, AnsiTextComesBackAsUtf16) {
    const rtl::AnsiString gbk = rtl::UnicodeToAnsi(u"开户行及账号", 936);
    vcl::Clipboard().SetAnsiText(gbk);
    EXPECT_EQ(vcl::Clipboard().AnsiText(), gbk);
    EXPECT_EQ(Utf8(vcl::Clipboard().AsText()), "开户行及账号");
}

TEST(Clipboard, AnEmptiedClipboardHoldsNoText) {
    vcl::Clipboard().SetAsText(u"x");
    vcl::Clipboard().Clear();
    EXPECT_FALSE(vcl::Clipboard().HasFormat(CF_UNICODETEXT));
    EXPECT_EQ(vcl::Clipboard().AsText(), u"");
    EXPECT_EQ(vcl::Clipboard().AnsiText(), "");
}

TEST(Clipboard, OpenAndCloseBracketSeveralOperations) {
    vcl::TClipboard& clipboard = vcl::Clipboard();
    clipboard.Open();
    clipboard.SetAsText(u"第一");
    clipboard.SetAsText(u"第二");
    EXPECT_EQ(Utf8(clipboard.AsText()), "第二");
    EXPECT_FALSE(OpenClipboard(nullptr)) << "the clipboard stays open until the last Close";
    clipboard.Close();
    ASSERT_TRUE(OpenClipboard(nullptr));
    CloseClipboard();
}

} // namespace
