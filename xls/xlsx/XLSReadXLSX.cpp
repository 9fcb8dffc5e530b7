#include "xls/xlsx/XLSReadXLSX.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/model/package/Xc12FileData5.h"
#include "xls/core/model/workbook/Xc12DataWorkbook5.h"
#include "xls/core/model/workbook/Xc12DataXLinks5.h"
#include "xls/core/model/workbook/Xc12Manager5.h"
#include "xls/core/opc/OPCPackage.h"
#include "xls/core/xml/XpgPErrors.h"
#include "xls/core/xml/XpgSimpleDOM.h"
#include "xls/xlsx/XLSReadXLSXExternalLinks.h"
#include "xls/xlsx/XLSReadXLSXWorkbook.h"
#include "xls/xlsx/xpgParseXLinks.h"
#include "xls/xlsx/xpgParserXLSX.h"

#include <memory>

namespace xls {

using namespace xpgParserXLSX;

TXLSReadXLSX::TXLSReadXLSX(TXc12Manager& manager, TXLSFormulaHandler& handler)
    : FManager(manager), FStyles(manager.StyleSheet(), *manager.Errors(), manager.Palette()),
      FCells(manager, FStyles, handler) {}

void TXLSReadXLSX::LoadFromStream(rtl::TStream& stream) {
    try {
        ReadPackage(stream);
    } catch (...) {
        // No half-filled model: the caller gets an empty, usable workbook and the package is let go.
        FManager.Clear();
        FManager.Palette().Reset();
        throw;
    }
}

void TXLSReadXLSX::ReadPackage(rtl::TStream& stream) {
    TXc12FileData& fileData = FManager.FileData();
    fileData.ReadPackage(stream);
    ReportRejectedTargets();
    ReadStyles();
    ReadSharedStrings();
    ReadConnections();
    ReadWorkbook();
    ReadSheets();
    fileData.KeepUnreadParts(*FManager.Errors());
    fileData.GetPackage().Close();
}

void TXLSReadXLSX::ReportRejectedTargets() {
    for (const rtl::UnicodeString& target : FManager.FileData().GetPackage().RejectedTargets()) {
        FManager.Errors()->ReportWarning(target, XLSWarningTargetOutsidePackage);
    }
}

void TXLSReadXLSX::PrepareDocument(TXPGDocXLSX& document) {
    document.Errors().SetErrorHandler([this](TXpgPErrors& errors) { DoXmlError(errors); });
}

void TXLSReadXLSX::DoXmlError(TXpgPErrors& errors) {
    FManager.Errors()->ReportWarning(errors.Message(), XLSWarningXMLRead);
}

bool TXLSReadXLSX::ReadOptionalPart(rtl::UnicodeStringView part, const std::function<void()>& read,
                                    const std::function<void()>& undo) {
    try {
        read();
        return true;
    } catch (const rtl::Exception& e) {
        if (undo) {
            undo();
        }
        FManager.Errors()->ReportWarning(rtl::UnicodeString(part) + u": " + e.Message(), XLSWarningPartNotRead);
        return false;
    }
}

void TXLSReadXLSX::ReadStyles() {
    const std::unique_ptr<rtl::TStream> stream = FManager.FileData().GetPackage().OpenStyles();
    if (stream == nullptr) {
        return;
    }
    TXPGDocXLSX document;
    PrepareDocument(document);
    document.LoadFromStream(*stream);
    FStyles.ReadStyles(document.GetStyleSheet());
}

void TXLSReadXLSX::ReadSharedStrings() {
    const std::unique_ptr<rtl::TStream> stream = FManager.FileData().GetPackage().OpenSharedStrings();
    if (stream == nullptr) {
        return;
    }
    TXPGDocXLSX document;
    PrepareDocument(document);
    document.GetRoot().GetSst().SetOnStringItem([this](TCT_Rst& item) { FCells.DoSharedString(item); });
    document.LoadFromStream(*stream);
}

void TXLSReadXLSX::ReadConnections() {
    TXpgSimpleDOM& connections = FManager.Workbook().GetConnections();
    ReadOptionalPart(
        u"connections",
        [&] {
            if (const std::unique_ptr<rtl::TStream> stream = FManager.FileData().GetPackage().OpenConnections()) {
                connections.Parse(*stream);
            }
        },
        [&] { connections.Clear(); });
}

void TXLSReadXLSX::ReadWorkbook() {
    const std::unique_ptr<rtl::TStream> stream = FManager.FileData().GetPackage().OpenWorkbook();
    if (stream == nullptr) {
        return;
    }
    TXPGDocXLSX document;
    PrepareDocument(document);
    TCT_Workbook& workbook = document.GetWorkbook();
    // The sheets element comes before the defined names, so a name's scope can be checked as it streams.
    TXLSReadXLSXDefinedNames names(FManager.Workbook().GetDefinedNames(), *FManager.Errors());
    workbook.GetDefinedNames().SetOnDefinedName([&](TCT_DefinedName& name) {
        names.SetSheetCount(workbook.GetSheets().GetSheet().Count());
        names.DoDefinedName(name);
    });
    document.LoadFromStream(*stream);
    ReadWorkbookPart(workbook, FManager.Workbook());
    ReadExternalLinks(workbook);
    ReadPivotCaches(workbook);
}

void TXLSReadXLSX::ReadExternalLinks(const TCT_Workbook& element) {
    const TCT_ExternalReferenceXpgList& references = element.GetExternalReferences().GetExternalReference();
    for (int32_t i = 0; i < references.Count(); ++i) {
        ReadExternalLink(rtl::UnicodeToAnsi(references.GetItem(i).GetId()));
    }
}

// A link that cannot be read stays in the list, empty: formulas number the books by their place in it.
void TXLSReadXLSX::ReadExternalLink(const rtl::AnsiString& id) {
    auto link = std::make_unique<TXc12ExternalLink>();
    TOPC_XLSX& package = FManager.FileData().GetPackage();
    ReadOptionalPart(
        u"external link " + rtl::AnsiToUnicode(id),
        [&] {
            const std::unique_ptr<rtl::TStream> stream = package.OpenExternalLink(id);
            xpgParseXLinks::TXPGDocXLink document;
            document.Errors().SetErrorHandler([this](TXpgPErrors& errors) { DoXmlError(errors); });
            document.LoadFromStream(*stream);
            ReadExternalLinkPart(document.GetExternalLink(), *package.FindWorkbookChild(id), *link);
        },
        [&] { link = std::make_unique<TXc12ExternalLink>(); });
    FManager.XLinks().rtl::TObjectList::Add(link.release());
}

void TXLSReadXLSX::ReadPivotCaches(const TCT_Workbook& element) {
    const TCT_PivotCacheXpgList& caches = element.GetPivotCaches().GetPivotCache();
    for (int32_t i = 0; i < caches.Count(); ++i) {
        ReadPivotCache(caches.GetItem(i));
    }
}

// The pivot data is kept as XML and bytes; nothing interprets it.
void TXLSReadXLSX::ReadPivotCache(const TCT_PivotCache& element) {
    TXLSPivotCacheDefinitions& definitions = FManager.Workbook().GetPivotCaches();
    const int32_t count = definitions.Count();
    TOPC_XLSX& package = FManager.FileData().GetPackage();
    const rtl::AnsiString id = rtl::UnicodeToAnsi(element.GetId());
    ReadOptionalPart(
        u"pivot cache " + element.GetId(),
        [&] {
            const std::unique_ptr<rtl::TStream> stream = package.OpenPivotCacheDefinition(id);
            TXLSPivotCacheDefinition& definition = definitions.Add();
            definition.SetCacheId(element.GetCacheId());
            TXpgSimpleDOM& document = definition.GetDocument();
            document.Parse(*stream);
            if (document.Root().GetChildCount() == 0) {
                return;
            }
            const rtl::UnicodeString records = document.Root().GetChild(0).Attributes().GetStrValue(u"r:id");
            if (!records.empty()) {
                definition.GetRecords().LoadFromStream(*package.OpenPivotCacheRecords(id, rtl::UnicodeToAnsi(records)));
            }
        },
        [&] {
            while (definitions.Count() > count) {
                definitions.Delete(definitions.Count() - 1);
            }
        });
}

} // namespace xls
