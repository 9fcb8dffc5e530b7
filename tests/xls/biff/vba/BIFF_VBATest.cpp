#include "xls/biff/vba/BIFF_VBA.h"

#include "tests/support/TestSupport.h"
#include "tests/xls/biff/vba/VBATestSupport.h"
#include "xls/biff/stream/BIFF_RecordBody.h"

#include <gtest/gtest.h>
#include <string>

namespace xls {
namespace {

using test::Bytes8;
using test::Concat;
using test::DirEnd;
using test::DirModule;
using test::DirProject;
using test::TBIFFModel;
using test::TBytes;
using test_support::MessageOf;
using test_support::Utf8;

// "Лист1" and "Проект" in code page 1251.
const TBytes Sheet1251 = {0xCB, 0xE8, 0xF1, 0xF2, '1'};
const TBytes Project1251 = {0xCF, 0xF0, 0xEE, 0xE5, 0xEA, 0xF2};

// A document module with five attribute lines and an attribute line inside a procedure, then bytes after the last
// line feed; and a procedural module.
const std::string SheetSource = "Attribute VB_Name = \"\xCB\xE8\xF1\xF2"
                                "1\"\r\n"
                                "Attribute VB_Base = \"0{00020820-0000-0000-C000-000000000046}\"\r\n"
                                "attribute VB_GlobalNameSpace = False\r\n"
                                "Attribute VB_Creatable = False\r\n"
                                "ATTRIBUTE VB_PredeclaredId = True\r\n"
                                "Sub Hello()\r\n"
                                "Attribute Hello.VB_Description = \"hi\"\r\n"
                                "End Sub\r\n"
                                "\x00\x00";
const std::string ModuleSource = "Attribute VB_Name = \"Module2\"\r\nOption Explicit\r\n";

// A workbook with the two modules: the first in the stream "Code1", named by its MODULESTREAMNAME, the second in
// the stream of its name.
TBytes TwoModuleWorkbook() {
    const TBytes dir = Concat({DirProject(1251, Project1251, 2), DirModule(Sheet1251, u"Code1", 100, true),
                               DirModule(Bytes8("Module2"), u"", 30, false), DirEnd()});
    return test::WorkbookWithProject(
        dir, {{u"Code1", test::ModuleStream(100, SheetSource)}, {u"Module2", test::ModuleStream(30, ModuleSource)}});
}

std::vector<std::string> Lines(const TXLSWideStringList& list) {
    std::vector<std::string> lines;
    for (int32_t i = 0; i < list.Count(); ++i) {
        lines.push_back(Utf8(list.GetString(i)));
    }
    return lines;
}

TEST(TXLSVBA, ModulesGiveTheirSourceAndTheirLeadingAttributes) {
    TBIFFModel model;
    model.Biff.SetKeepVBA(true);
    model.Read(TwoModuleWorkbook());
    const TXLSVBA& vba = *model.Biff.VBA();
    EXPECT_TRUE(vba.VBAPresent());
    EXPECT_EQ(vba.CodePage(), 1251u);
    EXPECT_EQ(Utf8(vba.ProjectName()), "Проект");
    ASSERT_EQ(vba.ModuleCount(), 2);

    const TVBAModuleSource& sheet = vba.Module(0);
    EXPECT_EQ(Utf8(sheet.Name()), "Лист1");
    EXPECT_EQ(sheet.Type(), vmtDocumentOrClass);
    EXPECT_EQ(
        Lines(sheet.Attributes()),
        (std::vector<std::string>{"VB_Name = \"Лист1\"", "VB_Base = \"0{00020820-0000-0000-C000-000000000046}\"",
                                  "VB_GlobalNameSpace = False", "VB_Creatable = False", "VB_PredeclaredId = True"}));
    EXPECT_EQ(Lines(sheet.Source()),
              (std::vector<std::string>{"Sub Hello()", "Attribute Hello.VB_Description = \"hi\"", "End Sub"}));

    const TVBAModuleSource& module = vba.Module(1);
    EXPECT_EQ(Utf8(module.Name()), "Module2");
    EXPECT_EQ(module.Type(), vmtProcedural);
    EXPECT_EQ(Lines(module.Source()), std::vector<std::string>{"Option Explicit"});
    for (const TVBAModuleSource* each : {&sheet, &module}) {
        EXPECT_EQ(each->FileOffset(), 16u);
        const TVBADirRecord* offset = each->Records().Find(0x0031);
        ASSERT_NE(offset, nullptr);
        EXPECT_EQ(TBIFFBody(offset->Data).DWord(0), 16u);
    }
    // PROJECTVERSION keeps the 6 bytes that follow its size field of 4.
    const TVBADirRecord* version = vba.DirRecords().Find(0x0009);
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->Size, 4u);
    EXPECT_EQ(version->Data.size(), 6u);
    // The copy holds the whole project storage.
    EXPECT_GE(vba.Storage().Find(TExtraObjects::Root, u"VBA"), 0);
    EXPECT_GE(vba.Storage().Find(TExtraObjects::Root, u"PROJECT"), 0);
    EXPECT_EQ(vba.ProjectLines().Count(), 0);
}

TEST(TXLSVBA, StrippingKeepsACopyWithoutCompiledCodeAndTheProjectLinesApart) {
    TBIFFModel model;
    model.Biff.SetKeepVBA(true);
    model.Biff.VBA()->SetStripCompiledCode(true);
    model.Read(TwoModuleWorkbook());
    const TXLSVBA& vba = *model.Biff.VBA();
    EXPECT_TRUE(vba.ProjectStreamsRead());
    EXPECT_EQ(vba.ModuleCount(), 2);
    EXPECT_EQ(vba.Storage().Count(), 0) << "VBA, PROJECT and PROJECTwm are all the project storage holds";
    EXPECT_EQ(Lines(vba.ProjectLines()), (std::vector<std::string>{"ID=\"{1}\"", "Name=\"VBAProject\""}));
    EXPECT_EQ(vba.ProjectWM(), test::PatternBytes(30, 5));
    // The document's own copy is untouched.
    const TExtraObjects& document = model.Biff.ExtraObjects();
    EXPECT_GE(document.Find(document.Find(TExtraObjects::Root, u"_VBA_PROJECT_CUR"), u"VBA"), 0);
}

TEST(TXLSVBA, WithoutKeepVBAOrWithoutAProjectNothingIsKept) {
    TBIFFModel ignoring;
    ignoring.Read(TwoModuleWorkbook());
    EXPECT_EQ(ignoring.Biff.VBA(), nullptr);

    TBIFFModel plain;
    plain.Biff.SetKeepVBA(true);
    plain.ReadWorkbook8(test::Workbook8WithSheet({}));
    EXPECT_FALSE(plain.Biff.VBA()->VBAPresent());
    EXPECT_EQ(plain.Biff.VBA()->Storage().Count(), 0);

    TXLSVBA vba;
    EXPECT_EQ(vba.ReadProject(plain.Biff.ExtraObjects()), 0);
    EXPECT_EQ(vba.ReadProject(TBIFFModel().Biff.ExtraObjects()), 0);
}

TEST(TXLSVBA, DamagedProjectsFailCleanly) {
    const TBytes module = test::ModuleStream(30, ModuleSource);
    struct TCase {
        const char* What;
        TBytes Dir;
        TBytes Module;
        const char* Message;
    };
    const TCase cases[] = {
        {"no terminator", Concat({DirProject(1252, Bytes8("P"), 1), DirModule(Bytes8("Module2"), u"", 30, false)}),
         module, "EOF missing in VBA dir stream"},
        {"more modules than the dir holds",
         Concat({DirProject(1252, Bytes8("P"), 3), DirModule(Bytes8("Module2"), u"", 30, false), DirEnd()}), module,
         "EOF missing in VBA dir stream"},
        {"a record past the end", Concat({DirProject(1252, Bytes8("P"), 1), test::Word(0x19), test::DWord(500)}),
         module, "dir record 0019 of 500 bytes runs past the end of the dir stream"},
        {"an offset past the stream",
         Concat({DirProject(1252, Bytes8("P"), 1), DirModule(Bytes8("Module2"), u"", 3000, false), DirEnd()}), module,
         "module \"Module2\" starts at offset 3000 of its"},
        {"a missing stream",
         Concat({DirProject(1252, Bytes8("P"), 1), DirModule(Bytes8("Module9"), u"", 30, false), DirEnd()}), module,
         "the stream of module \"Module9\" is missing"},
        {"a damaged source",
         Concat({DirProject(1252, Bytes8("P"), 1), DirModule(Bytes8("Module2"), u"", 29, false), DirEnd()}), module,
         "does not start with its signature byte"},
    };
    for (const TCase& c : cases) {
        TBIFFModel model;
        model.Biff.SetKeepVBA(true);
        const std::string message = MessageOf([&] {
            model.Read(test::WorkbookWithProject(c.Dir, {{u"Module2", c.Module}}));
        });
        EXPECT_NE(message.find(c.Message), std::string::npos) << c.What << ": " << message;
    }
}

TEST(TXLSVBA, CorpusProjectsGiveTheirModules) {
    if (!test_support::HasCorpus()) {
        GTEST_SKIP() << "no corpus";
    }
    struct TCase {
        const char16_t* File;
        std::vector<std::string> Modules;
    };
    const TCase cases[] = {
        {u"any_sheets.xls", {"Лист1", "Лист2", "Лист3", "Диаграмма4"}},
        {u"issues.xls", {"ThisWorkbook", "Sheet1", "Sheet2", "Sheet3", "Sheet4", "testVBA"}},
    };
    for (const TCase& c : cases) {
        TBIFFModel model;
        model.Biff.SetKeepVBA(true);
        model.Biff.SetFilename(test_support::CorpusDir() + u"/calamine/tests/" + c.File);
        model.Biff.LoadFromFile();
        const TXLSVBA& vba = *model.Biff.VBA();
        std::vector<std::string> names;
        for (int32_t i = 0; i < vba.ModuleCount(); ++i) {
            const TVBAModuleSource& module = vba.Module(i);
            names.push_back(Utf8(module.Name()));
            EXPECT_EQ(Utf8(module.Attributes().GetString(0)), "VB_Name = \"" + names.back() + "\"");
            for (const std::string& line : Lines(module.Source())) {
                EXPECT_NE(line.rfind("Attribute VB_Name", 0), 0u) << line;
            }
        }
        EXPECT_EQ(names, c.Modules) << Utf8(c.File);
    }
}

} // namespace
} // namespace xls
