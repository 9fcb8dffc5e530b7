#include "xls/core/opc/OPCPackage.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/StringUtils.h"
#include "tests/support/TestSupport.h"
#include "xls/core/base/XLSReadLimits.h"
#include "xls/core/zip/XLSZipIntf.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace xls {
namespace {

using TParts = std::map<std::string, std::string>;

constexpr char Rel[] = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

struct TRel {
    std::string Id;
    std::string Type; // after Rel
    std::string Target;
    bool External = false;
};

std::string Rels(const std::vector<TRel>& rels) {
    std::string xml = R"(<?xml version="1.0" encoding="UTF-8"?><Relationships )"
                      R"(xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)";
    for (const TRel& rel : rels) {
        xml += "<Relationship Id=\"" + rel.Id + "\" Type=\"" + Rel + rel.Type + "\" Target=\"" + rel.Target + "\"" +
               (rel.External ? " TargetMode=\"External\"" : "") + "/>";
    }
    return xml + "</Relationships>";
}

const std::string ContentTypes =
    R"(<?xml version="1.0" encoding="UTF-8"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
    R"(<Default Extension="png" ContentType="image/own"/><Default Extension="txt" ContentType="text/plain"/>)"
    R"(<Override PartName="/xl/workbook.xml" ContentType="wb/main"/>)"
    R"(<Override PartName="/xl/worksheets/sheet1.xml" ContentType="ws/main"/></Types>)";

// A small package: a workbook with styles, a calculation chain and one sheet with a drawing and an image.
TParts WorkbookParts() {
    return {
        {"[Content_Types].xml", ContentTypes},
        {"_rels/.rels", Rels({{"rId1", "officeDocument", "xl/workbook.xml"}})},
        {"xl/workbook.xml", "<workbook/>"},
        {"xl/_rels/workbook.xml.rels", Rels({{"rId1", "styles", "styles.xml"},
                                             {"rId3", "worksheet", "worksheets/sheet1.xml"},
                                             {"rId4", "calcChain", "calcChain.xml"}})},
        {"xl/styles.xml", "<styleSheet/>"},
        {"xl/calcChain.xml", "<calcChain/>"},
        {"xl/worksheets/sheet1.xml", "<worksheet/>"},
        {"xl/worksheets/_rels/sheet1.xml.rels",
         Rels({{"rId1", "drawing", "../drawings/drawing1.xml"}, {"rId2", "hyperlink", "https://example.com/x", true}})},
        {"xl/drawings/drawing1.xml", "<wsDr/>"},
        {"xl/drawings/_rels/drawing1.xml.rels", Rels({{"rId7", "image", "/xl/media/image1.png"}})},
        {"xl/media/image1.png", "PNG"},
    };
}

std::unique_ptr<rtl::TMemoryStream> MakePackage(const TParts& parts) {
    auto stream = std::make_unique<rtl::TMemoryStream>();
    TXLSZipArchiveIntfXLS zip;
    zip.OpenWrite(*stream);
    for (const auto& [name, data] : parts) {
        rtl::TStringStream part(data);
        zip.AddFile(rtl::U16(name), part);
    }
    zip.Close();
    return stream;
}

std::string ReadAll(rtl::TStream& stream) {
    std::string data(static_cast<size_t>(stream.Size()), '\0');
    stream.ReadBuffer(data.data(), static_cast<int32_t>(data.size()));
    return data;
}

std::string Message(const rtl::Exception& e) {
    return e.what();
}

template <class Action>
std::string FailureOf(Action action) {
    try {
        action();
    } catch (const rtl::Exception& e) {
        return Message(e);
    }
    return "no exception";
}

std::string Utf8(const rtl::UnicodeString& text) {
    return std::string(text.begin(), text.end());
}

TEST(OPCPackageTest, OpenFindsWorkbookAndLoadsTheTree) {
    auto stream = MakePackage(WorkbookParts());
    TOPC_XLSX package;
    package.Open(*stream, false);
    ASSERT_NE(package.GetWorkbook(), nullptr);
    EXPECT_EQ(package.GetWorkbook()->ResolvePath(), u"xl/workbook.xml");
    EXPECT_EQ(package.GetWorkbook()->GetChildCount(), 3);
    EXPECT_EQ(ReadAll(*package.OpenStyles()), "<styleSheet/>");
    EXPECT_EQ(package.OpenSharedStrings(), nullptr);

    // Ids compare ignoring case; the sheet stays current for its drawing and the drawing for its images.
    EXPECT_EQ(ReadAll(*package.OpenWorksheet("RID3")), "<worksheet/>");
    EXPECT_EQ(ReadAll(*package.OpenDrawing("rId1")), "<wsDr/>");
    std::vector<rtl::AnsiString> ids;
    EXPECT_TRUE(package.ListDrawingImageIds(ids));
    EXPECT_EQ(ids, std::vector<rtl::AnsiString>{"rId7"});
    rtl::UnicodeString path;
    EXPECT_EQ(ReadAll(*package.OpenImage("rId7", path)), "PNG");
    EXPECT_EQ(path, u"/xl/media/image1.png");
    EXPECT_EQ(package.GetSheetRelTarget("rId3", "rId2"), u"https://example.com/x");
    EXPECT_FALSE(package.IsChartsheet("rId3"));
    package.CloseDrawing();
    package.CloseSheet();
    EXPECT_EQ(package.GetCurrentSheet(), nullptr);
}

TEST(OPCPackageTest, PathsResolveAgainstTheirSources) {
    auto stream = MakePackage(WorkbookParts());
    TOPC_XLSX package;
    package.Open(*stream, false);
    TOPCItem& workbook = *package.GetWorkbook();
    TOPCItem& sheet = *workbook.FindChild("rId3");
    TOPCItem& drawing = *sheet.FindChild("rId1");
    TOPCItem& image = *drawing.FindChild("rId7");
    const struct {
        const char* Name;
        const TOPCItem& Item;
        const char16_t* PartPath;
        const char16_t* Resolved;
        const char16_t* RelsPath;
    } cases[] = {
        {"root", package.Root(), u"", u"", u"_rels/.rels"},
        {"workbook", workbook, u"xl/workbook.xml", u"xl/workbook.xml", u"xl/_rels/workbook.xml.rels"},
        {"sheet", sheet, u"worksheets/sheet1.xml", u"xl/worksheets/sheet1.xml", u"xl/worksheets/_rels/sheet1.xml.rels"},
        {"relative drawing", drawing, u"../drawings/drawing1.xml", u"xl/drawings/drawing1.xml",
         u"xl/drawings/_rels/drawing1.xml.rels"},
        {"absolute image", image, u"/xl/media/image1.png", u"xl/media/image1.png", u"xl/media/_rels/image1.png.rels"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(c.Item.GetPartPath(), c.PartPath);
        EXPECT_EQ(c.Item.ResolvePath(), c.Resolved);
        EXPECT_EQ(c.Item.GetRelsPath(), c.RelsPath);
    }
}

TEST(OPCPackageTest, RelativeTargetBelowAnAbsoluteOneResolvesFromIt) {
    TParts parts = WorkbookParts();
    parts["xl/_rels/workbook.xml.rels"] = Rels({{"rId3", "worksheet", "/xl/worksheets/sheet1.xml"}});
    auto stream = MakePackage(parts);
    TOPC_XLSX package;
    package.Open(*stream, false);
    const TOPCItem& drawing = *package.GetWorkbook()->FindChild("rId3")->FindChild("rId1");
    EXPECT_EQ(drawing.ResolvePath(), u"xl/drawings/drawing1.xml");
    EXPECT_EQ(drawing.FindChild("rId7")->ResolvePath(), u"xl/media/image1.png");
}

TEST(OPCPackageTest, ParentStepsRemoveTheSegmentBeforeThem) {
    const struct {
        const char16_t* Target;
        const char16_t* Resolved;
    } cases[] = {
        {u"../drawings/drawing1.xml", u"xl/drawings/drawing1.xml"},
        {u"../../docProps/app.xml", u"docProps/app.xml"},
        {u"../../../x.xml", u"../x.xml"},
        {u"a/../../b/../c.xml", u"xl/c.xml"},
        {u"a//../b.xml", u"xl/worksheets/a/b.xml"},
        {u"/xl/media/image1.png", u"xl/media/image1.png"},
        {u"/../x.xml", u"../x.xml"},
    };
    TOPC_XLSX package;
    TOPCItem& sheet = package.Root()
                          .AddChild("rId1", u"t", u"xl/workbook.xml", otmInternal)
                          .AddChild("rId1", u"t", u"worksheets/sheet1.xml", otmInternal);
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf8(c.Target));
        EXPECT_EQ(sheet.AddChild("rId1", u"t", c.Target, otmInternal).ResolvePath(), c.Resolved);
    }
}

TEST(OPCPackageTest, LookupFailures) {
    TParts parts = WorkbookParts();
    parts["xl/worksheets/_rels/sheet1.xml.rels"] =
        Rels({{"rId1", "comments", "../comments1.xml"}, {"rId2", "comments", "../comments2.xml"}});
    auto stream = MakePackage(parts);
    TOPC_XLSX package;
    package.Open(*stream, false);
    const struct {
        const char* Name;
        std::function<void()> Action;
        std::string Expected;
    } cases[] = {
        {"styles id as worksheet", [&] { package.OpenWorksheet("rId1"); },
         std::string("OPC Item is not of excpected type \"") + Rel + "worksheet\""},
        {"unknown worksheet", [&] { package.OpenWorksheet("rId9"); }, "Can not find worksheet in OPC"},
        {"two comments", [&] { package.OpenSheetComments("rId3"); },
         std::string("OPC: only one item of type ") + Rel + "comments excpected"},
        {"pivot cache", [&] { package.OpenPivotCacheDefinition("rId42"); },
         "Can not find pivotCacheDefintion rId42 in OPC"},
        {"pivot records", [&] { package.OpenPivotCacheRecords("rId42", "rId1"); },
         "Can not find pivotCacheDefintion rId42 in OPC"},
        {"drawing without sheet", [&] { package.OpenDrawing("rId1"); }, "Can not find Drawing in OPC"},
        {"close unopened", [&] { package.CloseItem(*package.GetWorkbook()); }, "Close on not open OPC Item."},
        {"open twice", [&] { package.Open(*stream, false); }, "OPC is allready open"},
        {"unknown sheet target", [&] { package.GetSheetRelTarget("rId8", "rId1"); }, "Can not find worksheet in OPC"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(FailureOf(c.Action), c.Expected);
    }
}

TEST(OPCPackageTest, BadPackagesFailAndLeaveThePackageClosed) {
    TParts twoWorkbooks = WorkbookParts();
    twoWorkbooks["_rels/.rels"] =
        Rels({{"rId1", "officeDocument", "xl/workbook.xml"}, {"rId2", "officeDocument", "xl/workbook.xml"}});
    TParts noWorkbook = WorkbookParts();
    noWorkbook["_rels/.rels"] = Rels({});
    TParts noContentTypes = WorkbookParts();
    noContentTypes.erase("[Content_Types].xml");
    TParts badRels = WorkbookParts();
    badRels["xl/_rels/workbook.xml.rels"] = "<Relationships><Relationship Id=";
    const struct {
        const char* Name;
        TParts Parts;
        std::string Expected;
    } cases[] = {
        {"two office documents", twoWorkbooks, "More than one workbook in OPC"},
        {"no office document", noWorkbook, "Can not find workbook in OPC"},
        {"no content types", noContentTypes, "Can not find file [Content_Types].xml in ZIP"},
        {"truncated relationships", badRels, ""},
    };
    auto good = MakePackage(WorkbookParts());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        auto bad = MakePackage(c.Parts);
        TOPC_XLSX package;
        const std::string failure = FailureOf([&] { package.Open(*bad, false); });
        if (c.Expected.empty()) {
            EXPECT_NE(failure, "no exception");
        } else {
            EXPECT_EQ(failure, c.Expected);
        }
        EXPECT_EQ(package.GetMode(), TOPCContainer::omClosed);
        EXPECT_EQ(package.GetWorkbook(), nullptr);
        package.Open(*good, false);
        EXPECT_NE(package.GetWorkbook(), nullptr);
    }
    TOPC_XLSX package;
    EXPECT_EQ(FailureOf([&] { package.Open(*good, true); }), "No alternate Zip defined.");
    EXPECT_EQ(package.GetMode(), TOPCContainer::omClosed);
}

TEST(OPCPackageTest, RelationshipCyclesAreLoadedOnce) {
    TParts parts = WorkbookParts();
    parts["xl/_rels/workbook.xml.rels"] = Rels({{"rId1", "worksheet", "worksheets/sheet1.xml"}});
    parts["xl/worksheets/_rels/sheet1.xml.rels"] =
        Rels({{"rId1", "worksheet", "sheet2.xml"}, {"rId2", "officeDocument", "../workbook.xml"}});
    parts["xl/worksheets/_rels/sheet2.xml.rels"] =
        Rels({{"rId1", "worksheet", "sheet1.xml"}, {"rId2", "worksheet", "../worksheets/sheet2.xml"}});
    auto stream = MakePackage(parts);
    TOPC_XLSX package;
    package.Open(*stream, false);
    TOPCItem& sheet1 = *package.GetWorkbook()->FindChild("rId1");
    TOPCItem& sheet2 = *sheet1.FindChild("rId1");
    EXPECT_EQ(sheet2.GetChildCount(), 2);
    EXPECT_EQ(sheet2.FindChild("rId1")->GetChildCount(), 0);
    EXPECT_EQ(sheet2.FindChild("rId2")->GetChildCount(), 0);
    EXPECT_EQ(sheet1.FindChild("rId2")->GetChildCount(), 0);
}

TEST(OPCPackageTest, AHostileChainOfPartsIsRefused) {
    // The workbook is one level below the root; under it a chain of parts, each related from the one before.
    const auto chainBelowWorkbook = [](int length) {
        TParts parts = WorkbookParts();
        for (int i = 0; i + 1 < length; ++i) {
            parts["xl/_rels/p" + std::to_string(i) + ".xml.rels"] =
                Rels({{"rId1", "x", "p" + std::to_string(i + 1) + ".xml"}});
        }
        parts["xl/_rels/workbook.xml.rels"] = Rels({{"rId1", "x", "p0.xml"}});
        return MakePackage(parts);
    };
    const int deepest = OPCMaxRelationshipDepth - 1;
    auto allowed = chainBelowWorkbook(deepest);
    TOPC_XLSX package;
    package.Open(*allowed, false);
    const TOPCItem* item = package.GetWorkbook();
    for (int level = 0; level < deepest; ++level) {
        ASSERT_NE(item, nullptr) << level;
        item = item->FindChild("rId1");
    }
    EXPECT_NE(item, nullptr);

    for (const int length : {deepest + 1, 40}) {
        auto refused = chainBelowWorkbook(length);
        TOPC_XLSX other;
        EXPECT_EQ(FailureOf([&] { other.Open(*refused, false); }), "OPC relationships nest too deeply") << length;
    }
}

TEST(OPCPackageTest, ContentTypesKeepTheBuiltInDefaultsFirst) {
    auto stream = MakePackage(WorkbookParts());
    TOPC_XLSX package;
    package.Open(*stream, false);
    TOPC_ContentTypes& types = package.ContentTypes();
    EXPECT_EQ(types.GetItem(types.FindDefault(u"png")).GetContentType(), u"image/png");
    EXPECT_EQ(types.FindDefault(u"png"), 5);
    EXPECT_EQ(types.GetItem(types.FindDefault(u"txt")).GetContentType(), u"text/plain");
    EXPECT_EQ(types.GetItem(types.FindOverride(u"/xl/workbook.xml")).GetContentType(), u"wb/main");
    EXPECT_EQ(types.FindOverride(u"xl/workbook.xml"), -1);
    types.AddOverride(u"xl/new.xml", u"new");
    EXPECT_GE(types.FindOverride(u"/xl/new.xml"), 0);
    types.Clear();
    EXPECT_EQ(types.Count(), 8);
}

TEST(OPCPackageTest, UnreadPartsLeaveOutWhatWasReadAndTheCalcChain) {
    auto stream = MakePackage(WorkbookParts());
    TOPC_XLSX package;
    package.Open(*stream, false);
    package.OpenStyles();
    package.OpenWorksheet("rId3");
    TOPCItemList list;
    package.CopyUnreadParts(list);
    std::vector<std::string> unread;
    for (int32_t i = 0; i < list.Count(); ++i) {
        const TOPCItem& item = list.GetItem(i);
        unread.push_back(Utf8(item.GetPartPath()) + (item.GetData() == nullptr ? " -" : " copied") + " " +
                         Utf8(item.GetContentType()));
    }
    EXPECT_EQ(unread, (std::vector<std::string>{"xl/workbook.xml copied wb/main", "../drawings/drawing1.xml copied ",
                                                "/xl/media/image1.png copied ", "https://example.com/x - "}));
}

TEST(OPCPackageTest, WrittenPackageReadsBack) {
    rtl::TMemoryStream stream;
    {
        TOPC_XLSX package;
        package.OpenForWrite(stream, false);
        rtl::TStringStream workbook("<workbook/>");
        package.Zip()->AddFile(u"xl/workbook.xml", workbook);
        package.ContentTypes().AddOverride(u"xl/workbook.xml", u"wb/main");
        TOPCItem& item = package.Root().AddChild(
            "rId1", u"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument",
            u"xl/workbook.xml", otmInternal);
        item.AddChild("rId2", u"http://schemas.openxmlformats.org/officeDocument/2006/relationships/hyperlink",
                      u"https://example.com/a/b", otmExternal);
        package.Close();
    }
    TOPC_XLSX package;
    package.Open(stream, false);
    ASSERT_NE(package.GetWorkbook(), nullptr);
    EXPECT_EQ(ReadAll(*package.OpenWorkbook()), "<workbook/>");
    const TOPCItem& link = *package.GetWorkbook()->FindChild("rId2");
    EXPECT_EQ(link.GetTargetMode(), otmExternal);
    EXPECT_EQ(link.GetFileName(), u"https://example.com/a/b");
    EXPECT_EQ(package.GetWorkbook()->GetTargetMode(), otmInternal);
    EXPECT_EQ(package.ContentTypes().GetItem(package.ContentTypes().FindOverride(u"/xl/workbook.xml")).GetContentType(),
              u"wb/main");

    const std::string rels = ReadAll(*package.Zip()->OpenFile(u"xl/_rels/workbook.xml.rels"));
    EXPECT_NE(rels.find("TargetMode=\"External\""), std::string::npos);
    const std::string rootRels = ReadAll(*package.Zip()->OpenFile(u"_rels/.rels"));
    EXPECT_EQ(rootRels.find("TargetMode"), std::string::npos);
}

TEST(OPCPackageTest, FixturePackagesOpen) {
    const struct {
        const char* File;
        std::vector<std::string> WorkbookParts;
        const char* SheetId;
    } cases[] = {
        {"openpyxl.xlsx",
         {"xl/worksheets/sheet1.xml", "xl/worksheets/sheet2.xml", "xl/styles.xml", "xl/theme/theme1.xml"},
         "rId1"},
        {"handwritten.xlsx", {"xl/styles.xml", "xl/worksheets/sheet1.xml", "xl/calcChain.xml"}, "rId2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.File);
        rtl::TMemoryStream stream;
        stream.LoadFromFile(test_support::DataPath(std::string("opc/") + c.File));
        TOPC_XLSX package;
        package.Open(stream, false);
        ASSERT_NE(package.GetWorkbook(), nullptr);
        std::vector<std::string> parts;
        for (int32_t i = 0; i < package.GetWorkbook()->GetChildCount(); ++i) {
            parts.push_back(Utf8(package.GetWorkbook()->GetChild(i).ResolvePath()));
        }
        EXPECT_EQ(parts, c.WorkbookParts);
        EXPECT_NE(package.OpenCoreProperties(), nullptr);
        EXPECT_NE(package.OpenWorksheet(c.SheetId), nullptr);
    }
}

} // namespace
} // namespace xls
