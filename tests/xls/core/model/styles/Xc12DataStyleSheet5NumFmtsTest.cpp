#include "xls/core/model/styles/Xc12DataStyleSheet5NumFmts.h"

#include "Xc12DataStyleSheet5TestSupport.h"

#include <gtest/gtest.h>

namespace xls {
namespace {

using test::Utf8;

TEST(Xc12DataStyleSheet5NumFmts, BuiltInFormats) {
    TXc12NumberFormats formats;
    formats.Clear();
    ASSERT_EQ(formats.Count(), 50);
    EXPECT_EQ(formats.CountPredefined(), 50);
    struct Case {
        int32_t id;
        const char* text;
    };
    const Case cases[] = {{0, ""},
                          {1, "0"},
                          {5, ""},
                          {13, "# \?\?/\?\?"},
                          {14, "m/d/yy"},
                          {21, "h:mm:SS"},
                          {22, "m/d/yy h:mm"},
                          {23, ""},
                          {36, ""},
                          {40, "_(#,##0.00_);[Red](#,##0.00)"},
                          {48, "# #0.0E+0"},
                          {49, "@"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(Utf8(formats.GetItem(c.id)->GetText()), c.text);
        EXPECT_FALSE(formats.GetItem(c.id)->BuiltInChanged());
    }
    EXPECT_EQ(formats.GetDefault(), formats.GetItem(0));
}

TEST(Xc12DataStyleSheet5NumFmts, SetFormatAtGrowsTheListToTheId) {
    struct Case {
        const char* name;
        int32_t id;
        int32_t count;
        bool builtInChanged;
    };
    const Case cases[] = {
        {"custom id", 164, 165, false},
        {"built-in id", 14, 50, true},
        {"first id after the built-ins", 50, 51, false},
        {"largest id", TXc12NumberFormats::MaxId, TXc12NumberFormats::MaxId + 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TXc12NumberFormats formats;
        formats.Clear();
        TXc12NumberFormat* format = formats.SetFormatAt(u"0.000", c.id);
        EXPECT_EQ(format, formats.GetItem(c.id));
        EXPECT_EQ(Utf8(format->GetText()), "0.000");
        EXPECT_EQ(format->BuiltInChanged(), c.builtInChanged);
        EXPECT_EQ(formats.Count(), c.count);
        for (int32_t id = 50; id < c.id; ++id) {
            ASSERT_TRUE(formats.GetItem(id)->GetText().empty()) << id;
            ASSERT_FALSE(formats.GetItem(id)->Predefined()) << id;
        }
        // Again: only the text changes.
        EXPECT_EQ(formats.SetFormatAt(u"0.0", c.id), format);
        EXPECT_EQ(Utf8(format->GetText()), "0.0");
        EXPECT_EQ(formats.Count(), c.count);
    }
}

TEST(Xc12DataStyleSheet5NumFmts, SetFormatAtRefusesIdsOutsideTheRange) {
    for (const int32_t id : {-1, TXc12NumberFormats::MaxId + 1, 2147483647}) {
        SCOPED_TRACE(id);
        TXc12NumberFormats formats;
        formats.Clear();
        EXPECT_THROW(formats.SetFormatAt(u"0", id), rtl::EListError);
        EXPECT_EQ(formats.Count(), 50);
    }
}

TEST(Xc12DataStyleSheet5NumFmts, AssignLeavesPredefinedFormatsAlone) {
    TXc12NumberFormats formats;
    formats.Clear();
    TXc12NumberFormat* custom = formats.SetFormatAt(u"0.0%", 164);
    TXc12NumberFormat* builtIn = formats.GetItem(14);
    builtIn->Assign(*custom);
    EXPECT_EQ(Utf8(builtIn->GetText()), "m/d/yy");
    formats.GetItem(163)->Assign(*custom);
    EXPECT_EQ(Utf8(formats.GetItem(163)->GetText()), "0.0%");
    EXPECT_TRUE(formats.GetItem(163)->Equals(*custom));
    EXPECT_EQ(formats.GetItem(163)->GetHash(), custom->GetHash());
    EXPECT_FALSE(builtIn->Equals(*custom));
}

TEST(Xc12DataStyleSheet5NumFmts, EqualityIsCaseSensitive) {
    TXc12NumberFormat a;
    TXc12NumberFormat b;
    a.SetText(u"h:mm:SS");
    b.SetText(u"h:mm:ss");
    EXPECT_FALSE(a.Equals(b));
    const int32_t hash = b.GetHash();
    b.SetText(u"h:mm:SS");
    EXPECT_TRUE(a.Equals(b));
    EXPECT_NE(b.GetHash(), hash);
}

TEST(Xc12DataStyleSheet5NumFmts, DumpHasNoLineEnd) {
    TXc12NumberFormat format;
    EXPECT_EQ(test::DumpOf(format, 1), "  @");
    format.SetText(u"0.00");
    EXPECT_EQ(test::DumpOf(format), "0.00");
}

} // namespace
} // namespace xls
