#include "xls/core/model/workbook/Xc12DataWorkbook5.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"

#include <functional>
#include <gtest/gtest.h>

namespace xls {
namespace {

// The component's subclasses, as far as a test can tell them apart.
class TTestName : public TXc12DefinedName {
public:
    rtl::UnicodeString GetDefinition() const override { return u"compiled:" + TXc12DefinedName::GetDefinition(); }
};
class TTestNames : public TXc12DefinedNames {
public:
    explicit TTestNames(TXLSClassFactory* factory) : TXc12DefinedNames(factory) {}
};

class TNamesFactory : public TXLSClassFactory {
public:
    std::unique_ptr<rtl::TObject> CreateObject(int32_t kind, rtl::TObject*) override {
        switch (kind) {
        case xckNames:
            return std::make_unique<TTestNames>(this);
        case xckName:
            return std::make_unique<TTestName>();
        default:
            return nullptr;
        }
    }
};

// Hands out an object of the wrong class for every kind.
class TWrongFactory : public TXLSClassFactory {
public:
    std::unique_ptr<rtl::TObject> CreateObject(int32_t, rtl::TObject*) override {
        return std::make_unique<rtl::TObject>();
    }
};

TEST(Xc12DataWorkbook5, ClearPutsBackTheDefaultsAndKeepsThePartObjects) {
    TNamesFactory factory;
    TXc12DataWorkbook workbook(&factory);
    TXc12DefinedNames* names = &workbook.GetDefinedNames();
    workbook.GetFileVersion().SetAppName(u"Calc");
    workbook.GetWorkbookPr().SetDate1904(true);
    workbook.GetWorkbookPr().SetDefaultThemeVersion(1);
    workbook.GetBookViews().Add()->GetWindow().SetTabRatio(10);
    workbook.GetSheets().Add()->SetName(u"销货清单");
    workbook.GetFunctionGroups().Add(u"财务");
    workbook.GetFunctionGroups().SetBuiltInGroupCount(3);
    names->AddName(u"Total", -1);
    workbook.GetCalcPr().SetCalcId(1);
    workbook.GetCalcPr().SetIterateDelta(5);
    ASSERT_TRUE(workbook.SetOleSizeRef(u"A1:C5"));
    workbook.GetCustomWorkbookViews().Add();
    workbook.GetPivotCaches().Add();
    workbook.GetSmartTagTypes().Add();
    workbook.GetWebPublishing().SetDpi(300);
    workbook.GetFileRecoveryPrs().Add();
    workbook.GetWebPublishObjects().Add();
    workbook.GetConnections().LoadFromText(u"<connections><connection id=\"1\"/></connections>");

    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass);
        workbook.Clear();
        EXPECT_EQ(&workbook.GetDefinedNames(), names);
        EXPECT_EQ(workbook.GetFileVersion().GetAppName(), u"xl");
        EXPECT_EQ(workbook.GetFileVersion().GetLastEdited(), u"4");
        EXPECT_EQ(workbook.GetFileVersion().GetRupBuild(), u"5225");
        EXPECT_FALSE(workbook.GetWorkbookPr().GetDate1904());
        EXPECT_TRUE(workbook.GetWorkbookPr().GetShowBorderUnselectedTables());
        EXPECT_EQ(workbook.GetWorkbookPr().GetDefaultThemeVersion(), 124226);
        ASSERT_EQ(workbook.GetBookViews().Count(), 1);
        const TXc12BookView& view = *workbook.GetBookViews().GetItem(0);
        EXPECT_EQ(view.GetWindow().GetTabRatio(), 600);
        EXPECT_TRUE(view.GetWindow().GetShowSheetTabs());
        EXPECT_TRUE(view.GetAutoFilterDateGrouping());
        EXPECT_EQ(workbook.GetSheets().Count(), 0);
        EXPECT_EQ(workbook.GetFunctionGroups().Count(), 0);
        EXPECT_EQ(workbook.GetFunctionGroups().GetBuiltInGroupCount(), 16);
        EXPECT_EQ(names->Count(), 0);
        EXPECT_EQ(names->Find(u"Total", -1), -1);
        EXPECT_EQ(workbook.GetCalcPr().GetCalcId(), 125725);
        EXPECT_EQ(workbook.GetCalcPr().GetCalcMode(), 1);
        EXPECT_EQ(workbook.GetCalcPr().GetIterateCount(), 100);
        EXPECT_DOUBLE_EQ(workbook.GetCalcPr().GetIterateDelta(), 0.001);
        EXPECT_EQ(workbook.GetOleSize(), TXLSCellAreaRec());
        EXPECT_EQ(workbook.GetCustomWorkbookViews().Count(), 0);
        EXPECT_EQ(workbook.GetPivotCaches().Count(), 0);
        EXPECT_EQ(workbook.GetSmartTagTypes().Count(), 0);
        EXPECT_EQ(workbook.GetWebPublishing().GetDpi(), 96);
        EXPECT_EQ(workbook.GetWebPublishing().GetTargetScreenSize(), 3);
        EXPECT_EQ(workbook.GetFileRecoveryPrs().Count(), 0);
        EXPECT_EQ(workbook.GetWebPublishObjects().Count(), 0);
        EXPECT_EQ(workbook.GetConnections().Root().GetChildCount(), 0);
    }
}

TEST(Xc12DataWorkbook5, FileVersionKeepsItsTextWhenGivenNone) {
    using Setter = void (TXc12FileVersion::*)(rtl::UnicodeStringView);
    using Getter = const rtl::UnicodeString& (TXc12FileVersion::*)() const;
    struct Case {
        const char* field;
        Setter set;
        Getter get;
        const char16_t* initial;
    };
    const Case cases[] = {
        {"appName", &TXc12FileVersion::SetAppName, &TXc12FileVersion::GetAppName, u"xl"},
        {"lastEdited", &TXc12FileVersion::SetLastEdited, &TXc12FileVersion::GetLastEdited, u"4"},
        {"lowestEdited", &TXc12FileVersion::SetLowestEdited, &TXc12FileVersion::GetLowestEdited, u"4"},
        {"rupBuild", &TXc12FileVersion::SetRupBuild, &TXc12FileVersion::GetRupBuild, u"5225"},
        {"codeName", &TXc12FileVersion::SetCodeName, &TXc12FileVersion::GetCodeName, u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        TXc12FileVersion version;
        (version.*c.set)(u"");
        EXPECT_EQ((version.*c.get)(), c.initial);
        (version.*c.set)(u"7");
        EXPECT_EQ((version.*c.get)(), u"7");
        (version.*c.set)(u"");
        EXPECT_EQ((version.*c.get)(), u"7");
    }
}

TEST(Xc12DataWorkbook5, SetNameClassifiesTheReservedNames) {
    struct Case {
        const char16_t* text;
        uint8_t kind;
        const char16_t* kept;
    };
    const Case cases[] = {
        {u"_xlnm.Consolidate_Area", 0, u""},
        {u"_xlnm.Extract", 1, u""},
        {u"_xlnm.Database", 2, u""},
        {u"_xlnm.Criteria", 3, u""},
        {u"_xlnm.Print_Area", 4, u""},
        {u"_xlnm.Print_Titles", 5, u""},
        {u"_xlnm.Sheet_Title", 6, u""},
        {u"_xlnm._FilterDatabase", 7, u""},
        // Reserved names match exactly; any other prefixed text is an ordinary name that keeps its text.
        {u"_xlnm.Print_area", Xc12BuiltinNone, u"_xlnm.Print_area"},
        {u"_xlnm.Print_Area2", Xc12BuiltinNone, u"_xlnm.Print_Area2"},
        {u"_xlnm.", Xc12BuiltinNone, u"_xlnm."},
        {u"_XLNM.Print_Area", Xc12BuiltinNone, u"_XLNM.Print_Area"},
        {u"_xlnm", Xc12BuiltinNone, u"_xlnm"},
        {u"Print_Area", Xc12BuiltinNone, u"Print_Area"},
        {u"", Xc12BuiltinNone, u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(rtl::UnicodeToUtf8(c.text));
        TXc12DefinedNames names(nullptr);
        TXc12DefinedName* name = names.AddName(c.text, 0);
        EXPECT_EQ(name->GetBuiltIn(), c.kind);
        EXPECT_EQ(name->GetName(), c.kept);
        EXPECT_EQ(name->GetLocalSheetId(), 0);
        // Renaming an ordinary name makes it ordinary again.
        name->SetName(u"Total");
        EXPECT_EQ(name->GetBuiltIn(), Xc12BuiltinNone);
        EXPECT_EQ(name->GetName(), u"Total");
    }
}

TEST(Xc12DataWorkbook5, FindLooksInTheSheetFirstThenTheWorkbookWithFullCaseFolding) {
    TXc12DefinedNames names(nullptr);
    names.AddName(u"Total", -1);    // 0
    names.AddName(u"Local", 2);     // 1
    names.AddName(u"销货清单", -1); // 2
    names.AddName(u"销售清单", -1); // 3: the same length and code-page shape as 2
    names.AddName(u"Ärger", -1);    // 4
    names.AddName(u"σύνολο", -1);   // 5
    names.AddName(u"Total", 1);     // 6: the sheet's own Total hides the workbook's
    names.AddName(u"Total", -1);    // 7: a second workbook-level Total never wins over the first

    struct Case {
        const char16_t* name;
        int32_t sheet;
        int32_t found;
        int32_t foundLocal;
    };
    const Case cases[] = {
        {u"TOTAL", -1, 0, 0},    {u"total", 2, 0, -1},   {u"TOTAL", 1, 6, 6},   {u"Local", 2, 1, 1},
        {u"LOCAL", 2, 1, 1},     {u"Local", -1, -1, -1}, {u"Local", 0, -1, -1}, {u"销货清单", -1, 2, 2},
        {u"销售清单", 0, 3, -1}, {u"ÄRGER", -1, 4, 4},   {u"ΣΎΝΟΛΟ", -1, 5, 5}, {u"Totals", -1, -1, -1},
        {u"", -1, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(rtl::UnicodeToUtf8(c.name) + " sheet " + std::to_string(c.sheet));
        EXPECT_EQ(names.Find(c.name, c.sheet), c.found);
        EXPECT_EQ(names.FindLocal(c.name, c.sheet), c.foundLocal);
    }
}

TEST(Xc12DataWorkbook5, ReservedNamesNeverEnterTheLookup) {
    TXc12DefinedNames names(nullptr);
    const TXc12DefinedName* builtin = names.AddBuiltin(4, -1);
    EXPECT_EQ(builtin->GetBuiltIn(), 4);
    EXPECT_EQ(builtin->GetName(), u"");
    names.AddName(u"_xlnm.Print_Titles", -1);
    names.AddBuiltin(5, 0);
    for (const char16_t* text : {u"_xlnm.Print_Area", u"_xlnm.Print_Titles", u""}) {
        SCOPED_TRACE(rtl::UnicodeToUtf8(text));
        EXPECT_EQ(names.Find(text, -1), -1);
        EXPECT_EQ(names.Find(text, 0), -1);
    }
}

TEST(Xc12DataWorkbook5, FindFollowsNamesThatMoved) {
    struct Case {
        const char* change;
        std::function<void(TXc12DefinedNames&)> apply;
        int32_t carol;
    };
    const Case cases[] = {
        {"clear and add", [](TXc12DefinedNames& names) { names.Clear(), names.AddName(u"Carol", -1); }, 0},
        {"delete the first", [](TXc12DefinedNames& names) { names.Delete(0); }, 1},
        {"insert before",
         [](TXc12DefinedNames& names) {
             auto name = names.NewName();
             name->SetName(u"Zed");
             names.Insert(0, name.release());
         },
         3},
        {"extract the first", [](TXc12DefinedNames& names) { delete names.Extract(names.GetItem(0)); }, 1},
        {"exchange", [](TXc12DefinedNames& names) { names.Exchange(0, 2); }, 0},
        {"move", [](TXc12DefinedNames& names) { names.Move(2, 0); }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        TXc12DefinedNames names(nullptr);
        names.AddName(u"Alice", -1);
        names.AddName(u"Bob", -1);
        names.AddName(u"Carol", -1);
        ASSERT_EQ(names.Find(u"CAROL", -1), 2);
        c.apply(names);
        EXPECT_EQ(names.Find(u"CAROL", -1), c.carol);
        names.AddName(u"Dave", -1);
        EXPECT_EQ(names.Find(u"DAVE", -1), names.Count() - 1);
    }
}

TEST(Xc12DataWorkbook5, NamesComeFromTheClassFactory) {
    TNamesFactory factory;
    TXc12DataWorkbook workbook(&factory);
    EXPECT_NE(dynamic_cast<TTestNames*>(&workbook.GetDefinedNames()), nullptr);
    TXc12DefinedName* name = workbook.GetDefinedNames().AddName(u"Rate", -1);
    name->SetDefinition(u"Sheet1!$A$1");
    EXPECT_EQ(name->GetDefinition(), u"compiled:Sheet1!$A$1");
    EXPECT_NE(dynamic_cast<TTestName*>(workbook.GetDefinedNames().AddBuiltin(4, 0)), nullptr);

    TXc12DataWorkbook plain(nullptr);
    EXPECT_EQ(plain.GetDefinedNames().AddName(u"Rate", -1)->ClassName(), TXc12DefinedName().ClassName());

    TWrongFactory wrong;
    EXPECT_THROW(TXc12DataWorkbook{&wrong}, rtl::EInvalidCast);
    TXc12DefinedNames names(&wrong);
    EXPECT_THROW(names.AddName(u"Rate", -1), rtl::EInvalidCast);
    EXPECT_EQ(names.Count(), 0);
}

TEST(Xc12DataWorkbook5, ClearingANameDropsItsCompiledDefinition) {
    TXc12DefinedName name;
    name.SetName(u"Rate");
    name.SetLocalSheetId(3);
    name.SetHidden(true);
    name.SetFunctionGroupId(4);
    name.SetDefinition(u"Sheet1!$A$1");
    name.SetPtgs({0x24, 0, 0, 0, 0, 0, 0});
    name.SetDefinitionKind(xndkCell);
    name.SetSheetIndex(0);
    name.SetArea({0, 0, 0, 0});
    name.Clear();
    EXPECT_EQ(name.GetName(), u"");
    EXPECT_EQ(name.GetLocalSheetId(), -1);
    EXPECT_FALSE(name.GetHidden());
    EXPECT_EQ(name.GetFunctionGroupId(), 0);
    EXPECT_EQ(name.GetBuiltIn(), Xc12BuiltinNone);
    EXPECT_EQ(name.GetDefinition(), u"");
    EXPECT_EQ(name.GetPtgsSize(), 0);
    EXPECT_EQ(name.GetDefinitionKind(), xndkTokens);
    EXPECT_EQ(name.GetArea(), TXLSCellAreaRec());
}

TEST(Xc12DataWorkbook5, OleSizeComesFromAnAreaReference) {
    struct Case {
        const char16_t* ref;
        bool ok;
        TXLSCellAreaRec area;
    };
    const Case cases[] = {
        {u"A1:C5", true, {0, 4, 0, 2}},
        {u"$B$2:$D$9", true, {1, 8, 1, 3}},
        {u"C3", true, {2, 2, 2, 2}},
        {u"", true, {}},
        {u"A1:", false, {}},
        {u"not a ref", false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(rtl::UnicodeToUtf8(c.ref));
        TXc12DataWorkbook workbook(nullptr);
        ASSERT_TRUE(workbook.SetOleSizeRef(u"Z9"));
        EXPECT_EQ(workbook.SetOleSizeRef(c.ref), c.ok);
        EXPECT_EQ(workbook.GetOleSize(), c.area);
    }
}

TEST(Xc12DataWorkbook5, ListsMakeClearedItemsAndCheckPositions) {
    TXc12DataWorkbook workbook(nullptr);
    TXc12BookViews& views = workbook.GetBookViews();
    views.Clear(false);
    EXPECT_EQ(views.Count(), 0);
    views.Clear(true);
    views.Clear(true);
    EXPECT_EQ(views.Count(), 1);

    EXPECT_EQ(workbook.GetSheets().Add()->GetSheetId(), -1);
    EXPECT_TRUE(workbook.GetFileRecoveryPrs().Add()->GetAutoRecover());
    const TXc12CustomWorkbookView& custom = *workbook.GetCustomWorkbookViews().Add();
    EXPECT_TRUE(custom.GetIncludePrintSettings());
    EXPECT_TRUE(custom.GetShowStatusbar());
    EXPECT_EQ(custom.GetShowComments(), 1);
    EXPECT_EQ(custom.GetWindow().GetTabRatio(), 600);

    workbook.GetFunctionGroups().Add(u"财务");
    EXPECT_EQ(workbook.GetFunctionGroups().GetItem(0), u"财务");
    EXPECT_THROW(workbook.GetFunctionGroups().GetItem(1), rtl::EListError);
    EXPECT_THROW(workbook.GetFunctionGroups().GetItem(-1), rtl::EListError);
    EXPECT_THROW(workbook.GetSheets().GetItem(1), rtl::EListError);
    EXPECT_THROW(workbook.GetDefinedNames().GetItem(0), rtl::EListError);
}

} // namespace
} // namespace xls
