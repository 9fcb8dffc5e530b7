#pragma once
// Helpers of the element-class tests: parts written in short with namespace placeholders, parts taken out of the
// fixture packages, documents that log what they report, and the values of an element as one line.

#include "rtl/io/FileStream.h"
#include "rtl/io/Streams.h"
#include "tests/support/TestSupport.h"
#include "xls/core/xml/XpgPErrors.h"
#include "xls/core/xml/XpgValueLists.h"
#include "xls/core/zip/XLSZip.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace xls::xlsx_test {

// Replaces MAIN, REL and MC by the namespaces they stand for, so that the test parts stay short.
inline std::string ExpandNamespaces(std::string xml) {
    const std::pair<std::string_view, std::string_view> names[] = {
        {"MAIN", "http://schemas.openxmlformats.org/spreadsheetml/2006/main"},
        {"REL", "http://schemas.openxmlformats.org/officeDocument/2006/relationships"},
        {"MC", "http://schemas.openxmlformats.org/markup-compatibility/2006"},
    };
    for (const auto& [name, uri] : names) {
        for (size_t at = xml.find(name); at != std::string::npos; at = xml.find(name, at + uri.size())) {
            xml.replace(at, name.size(), uri);
        }
    }
    return xml;
}

// The bytes of the part at path inside the package file; raises when the package has no such part.
inline std::string PackagePart(rtl::UnicodeStringView file, std::string_view path) {
    rtl::TFileStream stream(rtl::UnicodeString(file), rtl::fmOpenRead | rtl::fmShareDenyNone);
    TXLSZipArchive archive;
    archive.OpenRead(stream);
    const int32_t index = archive.Find(rtl::UnicodeString(path.begin(), path.end()));
    if (index < 0) {
        throw std::runtime_error(std::string(path) + " is not in " + test_support::Utf8(file));
    }
    rtl::TStringStream bytes;
    archive.GetFile(index).CopyToStream(bytes);
    return bytes.DataString();
}

// The bytes of the part at path inside the fixture package at fixture (relative to tests/data).
inline std::string FixturePart(std::string_view fixture, std::string_view path) {
    return PackagePart(test_support::DataPath(fixture), path);
}

// A document of a generated unit that logs the names it reports.
template <class TDocument>
class TLoggedDocument {
public:
    TLoggedDocument() {
        Doc.Errors().SetErrorHandler(
            [this](TXpgPErrors& errors) { Log.push_back(test_support::Utf8(errors.Message())); });
    }

    // Reads a part written in short (see ExpandNamespaces).
    void Load(std::string_view xml) { LoadBytes(ExpandNamespaces(std::string(xml))); }
    // Reads a part as it stands.
    void LoadBytes(const std::string& bytes) {
        rtl::TStringStream stream(bytes);
        Doc.LoadFromStream(stream);
    }

    // The reports, separated by "|".
    std::string Joined() const {
        std::string text;
        for (const std::string& line : Log) {
            text += (text.empty() ? "" : "|") + line;
        }
        return text;
    }

    TDocument Doc;
    std::vector<std::string> Log;
};

// One value as Fields shows it: texts as they are, lists by their items joined with ",", numbers in their shortest
// form, booleans as 1 and 0.
inline std::string FieldText(const rtl::UnicodeString& value) {
    return test_support::Utf8(value);
}
inline std::string FieldText(const TStringXpgList& value) {
    std::string text;
    for (int32_t i = 0; i < value.GetCount(); ++i) {
        text += (i == 0 ? "" : ",") + test_support::Utf8(value.GetItem(i));
    }
    return text;
}
inline std::string FieldText(double value) {
    return test_support::NumberText(value);
}
template <class T>
requires std::is_integral_v<T> std::string FieldText(T value) {
    return std::to_string(static_cast<int64_t>(value));
}

// The values of an element, separated by blanks, so that a test compares all of them at once and a failure shows
// every value.
template <class... T>
std::string Fields(const T&... values) {
    std::string text;
    bool first = true;
    ((text += (first ? "" : " ") + FieldText(values), first = false), ...);
    return text;
}

} // namespace xls::xlsx_test
