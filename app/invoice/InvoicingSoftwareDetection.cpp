#include "app/invoice/InvoicingSoftwareDetection.h"

#include "app/invoice/RegistryReader.h"
#include "app/invoice/XmlDocument.h"
#include "rtl/io/FileUtils.h"
#include "rtl/text/StringUtils.h"

#include <exception>
#include <functional>

namespace app {

namespace {

// Tried in this order: the 32-bit program's entry as a 64-bit Windows shows it, then as a 32-bit one does.
constexpr const char16_t* UninstallKeys[] = {
    u"SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\开票软件",
    u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\开票软件",
};
constexpr char16_t ParameterFileMark[] = u"QYXXParams";
constexpr char16_t VersionPath[] = u"FPXT.OUTPUT.DATA.SPBMBBH";
constexpr char16_t ReadError[] = u"error";

// The install folder, from the first uninstall key that opens: the folder part of its "DisplayIcon" path. Quotes
// around the path are dropped (an icon path is often written quoted); an icon index after it does not touch the
// folder part.
rtl::UnicodeString InstallFolder(const IRegistryReader& registry) {
    for (const char16_t* key : UninstallKeys) {
        if (registry.KeyExists(rhLocalMachine, key)) {
            const rtl::UnicodeString icon = registry.ReadString(rhLocalMachine, key, u"DisplayIcon");
            return rtl::ExtractFilePath(rtl::StringReplace(icon, u"\"", u"", rtl::TReplaceFlag::rfReplaceAll));
        }
    }
    return {};
}

// The name of the first entry of folder, in the order the file system gives them, that accepts; empty when none.
rtl::UnicodeString FindEntry(rtl::UnicodeStringView folder,
                             const std::function<bool(const rtl::TSearchRec&)>& accepts) {
    rtl::TSearchRec entry;
    for (int32_t found = rtl::FindFirst(rtl::UnicodeString(folder) + u"*.*", rtl::faAnyFile, entry); found == 0;
         found = rtl::FindNext(entry)) {
        if (!entry.Name.empty() && accepts(entry)) {
            rtl::UnicodeString name = entry.Name;
            rtl::FindClose(entry);
            return name;
        }
    }
    rtl::FindClose(entry);
    return {};
}

bool Contains(rtl::UnicodeStringView text, rtl::UnicodeStringView part) {
    return text.find(part) != rtl::UnicodeStringView::npos;
}

} // namespace

rtl::UnicodeString ReadXmlPathValue(rtl::UnicodeStringView fileName, rtl::UnicodeStringView path, char16_t delimiter) {
    const std::vector<rtl::UnicodeString> names = rtl::SplitString(path, delimiter);
    try {
        TXmlDocument document;
        document.LoadFromFile(fileName);
        const TXmlElement* element = document.DocumentElement();
        if (names.empty() || element->Name() != names.front()) {
            return {};
        }
        for (size_t index = 1; index < names.size() && element != nullptr; ++index) {
            element = element->FindChild(names[index]);
        }
        if (element == nullptr) {
            return {};
        }
        if (element->ChildCount() > 0) {
            throw EXmlDocumentError(u"The element " + element->Name() + u" holds elements, not a text");
        }
        return element->Text();
    } catch (const std::exception&) {
        return ReadError;
    }
}

std::optional<rtl::UnicodeString> DetectInvoicingSoftware(const IRegistryReader& registry,
                                                          rtl::UnicodeStringView sellerTaxNumber) {
    if (sellerTaxNumber.empty()) {
        return std::nullopt;
    }
    const rtl::UnicodeString installFolder = InstallFolder(registry);
    if (installFolder.empty()) {
        return std::nullopt;
    }
    // Only a plain folder counts: one that is also read-only, hidden, system or archived does not.
    const rtl::UnicodeString companyFolder = FindEntry(installFolder, [&](const rtl::TSearchRec& entry) {
        return entry.Attr == rtl::faDirectory && Contains(entry.Name, sellerTaxNumber);
    });
    if (companyFolder.empty()) {
        return std::nullopt;
    }
    const rtl::UnicodeString parameterFolder = installFolder + companyFolder + rtl::PathDelim + u"bin" + rtl::PathDelim;
    const rtl::UnicodeString parameterFile = FindEntry(parameterFolder, [&](const rtl::TSearchRec& entry) {
        return Contains(entry.Name, sellerTaxNumber) && Contains(entry.Name, ParameterFileMark);
    });
    if (parameterFile.empty()) {
        return std::nullopt;
    }
    rtl::UnicodeString version = ReadXmlPathValue(parameterFolder + parameterFile, VersionPath, u'.');
    if (version == ReadError) {
        return std::nullopt;
    }
    return version;
}

} // namespace app
