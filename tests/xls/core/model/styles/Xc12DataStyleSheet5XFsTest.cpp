#include "xls/core/model/styles/Xc12DataStyleSheet5XFs.h"

#include "Xc12DataStyleSheet5TestSupport.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace xls {
namespace {

TEST(Xc12DataStyleSheet5XFs, EqualityComparesPartsButNotApplyFlags) {
    struct Case {
        const char* name;
        std::function<void(TXc12DataStyleSheet&, TXc12XF&)> change;
        bool equal;
    };
    const Case cases[] = {
        {"apply flags", [](TXc12DataStyleSheet&, TXc12XF& xf) { xf.SetApplyFlags(XC12ApplyFont); }, true},
        {"an equal font elsewhere in the list",
         [](TXc12DataStyleSheet& sheet, TXc12XF& xf) {
             TXc12Font* font = sheet.Fonts().Add();
             font->Assign(*sheet.Fonts().GetDefaultFont());
             xf.SetFont(font);
         },
         true},
        {"fill", [](TXc12DataStyleSheet& sheet, TXc12XF& xf) { xf.SetFill(sheet.Fills().GetItem(1)); }, false},
        {"no border", [](TXc12DataStyleSheet&, TXc12XF& xf) { xf.SetBorder(nullptr); }, false},
        {"wrap text", [](TXc12DataStyleSheet&, TXc12XF& xf) { xf.GetAlignment().SetOptions(1); }, false},
        {"hidden", [](TXc12DataStyleSheet&, TXc12XF& xf) { xf.SetProtection(XC12ProtectionHidden); }, false},
        {"quote prefix", [](TXc12DataStyleSheet&, TXc12XF& xf) { xf.SetQuotePrefix(true); }, false},
        {"style format on one side only",
         [](TXc12DataStyleSheet& sheet, TXc12XF& xf) { xf.SetStyleXF(sheet.StyleXFs().GetItem(0)); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TXc12DataStyleSheet sheet;
        TXc12XF* a = sheet.XFs().GetDefaultXF();
        TXc12XF* b = sheet.XFs().Add();
        sheet.ResetXF(*b);
        c.change(sheet, *b);
        EXPECT_EQ(a->Equals(*b), c.equal);
        EXPECT_EQ(b->Equals(*a), c.equal);
        if (c.equal && b->GetStyleXF() == nullptr) {
            EXPECT_EQ(a->GetHash(), b->GetHash());
        }
    }
}

TEST(Xc12DataStyleSheet5XFs, StyleFormats) {
    TXc12DataStyleSheet sheet;
    TXc12XF* first = sheet.StyleXFs().GetDefaultXF();
    TXc12XF* second = sheet.StyleXFs().Add();
    sheet.ResetXF(*second);
    first->SetStyleXF(first);
    EXPECT_EQ(first->GetStyleXF(), nullptr);

    // Formats based on different style formats differ, even when those are equal.
    TXc12XF* a = sheet.XFs().GetDefaultXF();
    TXc12XF* b = sheet.XFs().Add();
    b->Assign(*a);
    a->SetStyleXF(first);
    b->SetStyleXF(second);
    EXPECT_FALSE(a->Equals(*b));
    b->SetStyleXF(first);
    EXPECT_TRUE(a->Equals(*b));

    // A file may base two style formats on each other; hashing them must still end.
    first->SetStyleXF(second);
    second->SetStyleXF(first);
    EXPECT_NE(first->GetHash(), second->GetHash());
    EXPECT_NE(test::DumpOf(*first).find("XF: 1\r"), std::string::npos);
}

TEST(Xc12DataStyleSheet5XFs, AssignCopiesAllButApplyFlags) {
    TXc12DataStyleSheet sheet;
    TXc12XF* source = sheet.XFs().Add();
    sheet.ResetXF(*source);
    source->SetFill(sheet.Fills().GetItem(1));
    source->SetStyleXF(sheet.StyleXFs().GetItem(0));
    source->GetAlignment().SetHorizAlignment(2);
    source->SetProtection(XC12ProtectionLocked | XC12ProtectionHidden);
    source->SetPivotButton(true);
    source->SetApplyFlags(XC12ApplyFill);
    TXc12XF copy;
    copy.Assign(*source);
    EXPECT_TRUE(copy.Equals(*source));
    EXPECT_EQ(copy.GetFill(), source->GetFill());
    EXPECT_EQ(copy.GetStyleXF(), source->GetStyleXF());
    EXPECT_EQ(copy.GetApplyFlags(), 0);
}

TEST(Xc12DataStyleSheet5XFs, IsDefaultAndAddXF) {
    TXc12DataStyleSheet sheet;
    TXc12XFs& xfs = sheet.XFs();
    EXPECT_TRUE(xfs.GetItem(0)->IsDefault());
    EXPECT_FALSE(xfs.Add()->IsDefault());
    EXPECT_FALSE(TXc12XF().IsDefault());
    EXPECT_EQ(xfs.AddXF(std::make_unique<TXc12XF>(&xfs)), 2);
    EXPECT_THROW(xfs.AddXF(std::make_unique<TXc12XF>()), rtl::EInvalidOperation);
    EXPECT_THROW(xfs.AddXF(std::make_unique<TXc12XF>(&sheet.StyleXFs())), rtl::EInvalidOperation);
    EXPECT_THROW(xfs.AddXF(nullptr), rtl::EInvalidOperation);
    EXPECT_EQ(xfs.Count(), 3);
}

TEST(Xc12DataStyleSheet5XFs, AlignmentDefaultsAndHash) {
    TXc12CellAlignment a;
    EXPECT_EQ(a.GetHorizAlignment(), 0);
    EXPECT_EQ(a.GetVertAlignment(), 2);
    EXPECT_EQ(a.GetHash(), 2u);
    a.SetIndent(3);
    EXPECT_EQ(a.GetHash(), 5u);
    TXc12CellAlignment b;
    EXPECT_FALSE(b.Equals(a));
    b.Assign(a);
    EXPECT_TRUE(b.Equals(a));
}

TEST(Xc12DataStyleSheet5XFs, DifferentialFormatPartsAreAddedOnce) {
    struct Case {
        const char* message;
        std::function<void*(TXc12DXF&)> add;
    };
    const Case cases[] = {
        {"DXF->Font is allready set", [](TXc12DXF& d) -> void* { return d.AddFont(); }},
        {"DXF->NumFmt is allready set", [](TXc12DXF& d) -> void* { return d.AddNumberFormat(); }},
        {"DXF->Fill is allready set", [](TXc12DXF& d) -> void* { return d.AddFill(); }},
        {"DXF->Border is allready set", [](TXc12DXF& d) -> void* { return d.AddBorder(); }},
        {"DXF->Alignment is allready set", [](TXc12DXF& d) -> void* { return d.AddAlignment(); }},
    };
    TXc12DXF dxf;
    const int32_t emptyHash = dxf.GetHash();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        void* first = c.add(dxf);
        ASSERT_NE(first, nullptr);
        test::ExpectRaises([&] { c.add(dxf); }, rtl::UnicodeString(rtl::Utf8ToUnicode(c.message)));
    }
    EXPECT_EQ(dxf.GetFont()->Owner(), nullptr);
    EXPECT_EQ(emptyHash, 0);
    dxf.SetProtection(XC12ProtectionHidden);
    dxf.GetFont()->SetName(u"Arial");
    EXPECT_NE(dxf.GetHash(), emptyHash);
    EXPECT_THROW((void)dxf.Equals(dxf), rtl::EInvalidOperation);
}

TEST(Xc12DataStyleSheet5XFs, Dump) {
    TXc12DataStyleSheet sheet;
    TXc12XF* xf = sheet.XFs().GetDefaultXF();
    xf->SetProtection(XC12ProtectionLocked | XC12ProtectionHidden);
    xf->SetQuotePrefix(true);
    const std::string dump = test::DumpOf(*xf);
    EXPECT_EQ(dump.substr(0, 30), "This XF: 0\rNumberFormat: 0\r  @");
    EXPECT_NE(dump.find("\rFont: 0\r  Name   : Calibri\r"), std::string::npos);
    EXPECT_NE(dump.find("\rFill: 0\r  Pattern:\r    None\rForeground color:\r"), std::string::npos);
    EXPECT_NE(dump.find("\rBorder: 0\r\rAlignment: \r"), std::string::npos);
    EXPECT_NE(dump.find("\rProtection:\r  Locked\r  Hidden\rQuotePrfix: True\r"), std::string::npos);
}

} // namespace
} // namespace xls
