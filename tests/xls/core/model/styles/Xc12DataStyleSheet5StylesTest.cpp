#include "xls/core/model/styles/Xc12DataStyleSheet5Styles.h"

#include "Xc12DataStyleSheet5TestSupport.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5.h"

#include <gtest/gtest.h>

namespace xls {
namespace {

using test::Utf8;

TEST(Xc12DataStyleSheet5Styles, FindFoldsCaseInUtf16) {
    TXc12CellStyles styles;
    styles.Clear();
    styles.FindOrAdd(u"Überschrift")->SetBuiltInId(16);
    styles.FindOrAdd(u"标题");
    struct Case {
        const char16_t* name;
        int32_t found; // -1: none
    };
    const Case cases[] = {{u"NORMAL", 0},   {u"normal", 0}, {u"ÜBERSCHRIFT", 1}, {u"标题", 2}, {u"标题 1", -1},
                          {u"Normal ", -1}, {u"", -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.name));
        const TXc12CellStyle* style = styles.Find(c.name);
        EXPECT_EQ(style != nullptr ? style->Index() : -1, c.found);
    }
    EXPECT_EQ(styles.FindOrAdd(u"überschrift")->Index(), 1);
    EXPECT_EQ(styles.FindOrAdd(u"标题 1")->Index(), 3);
    EXPECT_EQ(styles.Count(), 4);
}

TEST(Xc12DataStyleSheet5Styles, CellStyleEquality) {
    TXc12DataStyleSheet sheet;
    TXc12CellStyle a;
    TXc12CellStyle b;
    a.SetName(u"Good");
    b.SetName(u"good");
    EXPECT_FALSE(a.Equals(b));
    b.SetName(u"Good");
    EXPECT_TRUE(a.Equals(b));
    EXPECT_EQ(a.GetHash(), b.GetHash());
    a.SetFormat(sheet.StyleXFs().GetDefaultXF());
    EXPECT_FALSE(a.Equals(b));
    TXc12XF equalFormat;
    equalFormat.Assign(*sheet.StyleXFs().GetDefaultXF());
    b.SetFormat(&equalFormat);
    EXPECT_TRUE(a.Equals(b));
    b.SetHidden(true);
    EXPECT_FALSE(a.Equals(b));
}

TEST(Xc12DataStyleSheet5Styles, TableStylesClearAndRefuseComparison) {
    TXc12TableStyles styles;
    styles.SetDefaultTableStyle(u"TableStyleMedium9");
    styles.SetDefaultPivotStyle(u"PivotStyleLight16");
    TXc12TableStyle* style = styles.Add();
    EXPECT_TRUE(style->GetPivot());
    EXPECT_TRUE(style->GetTable());
    style->SetName(u"Mine");
    style->SetPivot(false);
    TXc12TableStyleElement* element = style->GetElements().Add();
    EXPECT_EQ(element->GetElementType(), 255);
    EXPECT_EQ(element->GetSize(), 1);
    EXPECT_EQ(element->GetDXF(), nullptr);
    EXPECT_THROW(style->GetElements().GetItem(1), rtl::EListError);
    EXPECT_THROW((void)style->Equals(*style), rtl::EInvalidOperation);
    EXPECT_THROW((void)style->GetHash(), rtl::EInvalidOperation);

    style->Clear();
    EXPECT_EQ(style->GetElements().Count(), 0);
    EXPECT_TRUE(style->GetName().empty());
    EXPECT_TRUE(style->GetPivot());
    styles.Clear();
    EXPECT_EQ(styles.Count(), 0);
    EXPECT_TRUE(styles.GetDefaultTableStyle().empty());
    EXPECT_TRUE(styles.GetDefaultPivotStyle().empty());
}

} // namespace
} // namespace xls
