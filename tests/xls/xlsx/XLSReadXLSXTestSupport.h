#pragma once
// Small .xlsx packages built from XML texts for the reader's tests, and a workbook model to read them into.

#include "rtl/io/FileStream.h"
#include "rtl/io/Streams.h"
#include "tests/support/TestSupport.h"
#include "tests/xls/XLSTestModel.h"
#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/formula/XLSFormulaHandler.h"
#include "xls/core/model/workbook/Xc12Manager5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"
#include "xls/core/zip/XLSZip.h"
#include "xls/xlsx/XLSReadXLSX.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace xls::xlsx_test {

// The bytes of the fixture at path, relative to tests/data.
inline std::string ReadBytes(const std::string& path) {
    rtl::TFileStream file(test_support::DataPath(path), rtl::fmOpenRead | rtl::fmShareDenyNone);
    rtl::TStringStream bytes;
    bytes.CopyFrom(file, 0);
    return bytes.DataString();
}

inline constexpr std::string_view MainNs = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
inline constexpr std::string_view RelNs = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
inline constexpr std::string_view RelTypes = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

// A workbook model that keeps the warnings reported while it is read.
struct TModel : test_model::TTestModel {
    TXLSFormulaHandler Handler{Manager};

    void Read(const std::string& bytes) {
        rtl::TStringStream stream(bytes);
        TXLSReadXLSX(Manager, Handler).LoadFromStream(stream);
    }
};

// The parts of a package by path; Zip() gives its bytes.
class TPackage {
public:
    // A workbook with the given sheets ("name" -> worksheet body inside <sheetData>) and no other part.
    static TPackage WithSheets(const std::vector<std::pair<std::string, std::string>>& sheets) {
        TPackage package;
        std::string entries;
        std::string relationships;
        for (size_t i = 0; i < sheets.size(); ++i) {
            const std::string n = std::to_string(i + 1);
            entries += "<sheet name=\"" + sheets[i].first + "\" sheetId=\"" + n + "\" r:id=\"rId" + n + "\"/>";
            relationships += Relationship("rId" + n, "worksheet", "worksheets/sheet" + n + ".xml");
            package.SetWorksheet(static_cast<int32_t>(i + 1), "<sheetData>" + sheets[i].second + "</sheetData>");
        }
        package.Parts["xl/workbook.xml"] = Workbook(entries);
        package.WorkbookRels = relationships;
        return package;
    }

    static std::string Relationship(const std::string& id, const std::string& type, const std::string& target) {
        return "<Relationship Id=\"" + id + "\" Type=\"" + std::string(RelTypes) + type + "\" Target=\"" + target +
               "\"/>";
    }

    static std::string Workbook(const std::string& sheetEntries, const std::string& before = {}) {
        return "<workbook xmlns=\"" + std::string(MainNs) + "\" xmlns:r=\"" + std::string(RelNs) + "\">" + before +
               "<sheets>" + sheetEntries + "</sheets></workbook>";
    }

    void SetWorksheet(int32_t number, const std::string& body) {
        Parts["xl/worksheets/sheet" + std::to_string(number) + ".xml"] = "<worksheet xmlns=\"" + std::string(MainNs) +
                                                                         "\" xmlns:r=\"" + std::string(RelNs) + "\">" +
                                                                         body + "</worksheet>";
    }

    void SetSharedStrings(const std::string& items) {
        Parts["xl/sharedStrings.xml"] = "<sst xmlns=\"" + std::string(MainNs) + "\">" + items + "</sst>";
        WorkbookRels += Relationship("rIdS", "sharedStrings", "sharedStrings.xml");
    }

    void SetStyles(const std::string& body) {
        Parts["xl/styles.xml"] = "<styleSheet xmlns=\"" + std::string(MainNs) + "\">" + body + "</styleSheet>";
        WorkbookRels += Relationship("rIdT", "styles", "styles.xml");
    }

    std::string Zip() const {
        std::map<std::string, std::string> parts = Parts;
        parts["[Content_Types].xml"] =
            R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
            R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
            R"(<Default Extension="xml" ContentType="application/xml"/></Types>)";
        parts["_rels/.rels"] = Relationships(Relationship("rId1", "officeDocument", "xl/workbook.xml"));
        parts["xl/_rels/workbook.xml.rels"] = Relationships(WorkbookRels);
        rtl::TStringStream out;
        TXLSZipArchive archive;
        archive.OpenWrite(out);
        for (const auto& [path, text] : parts) {
            rtl::TStringStream data(text);
            archive.AddFile(rtl::UnicodeString(path.begin(), path.end()), data);
        }
        archive.Close();
        return out.DataString();
    }

    static std::string Relationships(const std::string& items) {
        return R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)" + items +
               "</Relationships>";
    }

    std::map<std::string, std::string> Parts;
    std::string WorkbookRels;
};

} // namespace xls::xlsx_test
