#include "xls/xlsx/XLSReadXLSXExternalLinks.h"

#include "rtl/text/CodePages.h"
#include "xls/core/base/Xc12Utils5.h"
#include "xls/core/model/workbook/Xc12DataXLinks5.h"
#include "xls/core/opc/OPCPackage.h"
#include "xls/core/xml/XpgConvert.h"
#include "xls/xlsx/xpgParseXLinks.h"

#include <cstdint>

namespace xls {

using namespace xpgParseXLinks;

namespace {

// What a cached value of a cell or a DDE item holds, from the two parts' own type enumerations.
enum class TCachedValueKind : uint8_t { Nil, Boolean, Number, Error, String, None };

TCachedValueKind CellValueKind(uint8_t type) {
    switch (type) {
    case xpgParseXLinks::TST_CellType::b:
        return TCachedValueKind::Boolean;
    case xpgParseXLinks::TST_CellType::n:
        return TCachedValueKind::Number;
    case xpgParseXLinks::TST_CellType::e:
        return TCachedValueKind::Error;
    case xpgParseXLinks::TST_CellType::str:
        return TCachedValueKind::String;
    default:
        return TCachedValueKind::None;
    }
}

TCachedValueKind DdeValueKind(uint8_t type) {
    switch (type) {
    case xpgParseXLinks::TST_DdeValueType::nil:
        return TCachedValueKind::Nil;
    case xpgParseXLinks::TST_DdeValueType::b:
        return TCachedValueKind::Boolean;
    case xpgParseXLinks::TST_DdeValueType::n:
        return TCachedValueKind::Number;
    case xpgParseXLinks::TST_DdeValueType::e:
        return TCachedValueKind::Error;
    case xpgParseXLinks::TST_DdeValueType::str:
        return TCachedValueKind::String;
    default:
        return TCachedValueKind::None;
    }
}

void SetCachedValue(TCachedValueKind kind, const rtl::UnicodeString& text, TXc12XCellValue& value) {
    switch (kind) {
    case TCachedValueKind::Nil:
        value.SetNil(true);
        break;
    case TCachedValueKind::Boolean:
        value.SetBoolean(XmlStrToBool(text) ? 1 : 0);
        break;
    case TCachedValueKind::Number:
        value.SetNumber(XmlStrToFloat(text));
        break;
    case TCachedValueKind::Error:
        value.SetError(static_cast<uint8_t>(ErrorStrToIndex(text)));
        break;
    case TCachedValueKind::String:
        value.SetString(text);
        break;
    case TCachedValueKind::None:
        break;
    }
}

void ReadCachedCell(const TCT_ExternalCell& element, TXc12XCell& cell) {
    cell.SetRefText(element.GetR());
    cell.SetVm(static_cast<uint32_t>(element.GetVm()));
    // A cell without a value keeps none.
    if (!element.GetV().empty()) {
        SetCachedValue(CellValueKind(element.GetT()), element.GetV(), cell);
    }
}

void ReadSheetData(const TCT_ExternalSheetData& element, TXc12XSheetData& sheet) {
    sheet.SetSheetId(element.GetSheetId());
    sheet.SetRefreshError(element.GetRefreshError());
    for (int32_t i = 0; i < element.GetRow().Count(); ++i) {
        const TCT_ExternalRow& item = element.GetRow().GetItem(i);
        TXc12XRow& row = *sheet.Add();
        row.SetRow(item.GetR() - 1);
        for (int32_t j = 0; j < item.GetCell().Count(); ++j) {
            ReadCachedCell(item.GetCell().GetItem(j), *row.Add());
        }
    }
}

void ReadExternalBook(const TCT_ExternalBook& element, const TOPCItem& linkItem, TXc12XExternalBook& book) {
    book.SetPath(linkItem.GetChildPath(rtl::UnicodeToAnsi(element.GetId())));
    const TCT_ExternalSheetNameXpgList& names = element.GetSheetNames().GetSheetName();
    for (int32_t i = 0; i < names.Count(); ++i) {
        book.GetSheetNames().Add(names.GetItem(i).GetVal());
    }
    const TCT_ExternalDefinedNameXpgList& definedNames = element.GetDefinedNames().GetDefinedName();
    for (int32_t i = 0; i < definedNames.Count(); ++i) {
        const TCT_ExternalDefinedName& item = definedNames.GetItem(i);
        TXc12XDefinedName& name = *book.GetDefinedNames().Add();
        name.SetName(item.GetName());
        name.SetRefersTo(item.GetRefersTo());
        name.SetSheetId(item.GetSheetId());
    }
    const TCT_ExternalSheetDataXpgList& sheets = element.GetSheetDataSet().GetSheetData();
    for (int32_t i = 0; i < sheets.Count(); ++i) {
        ReadSheetData(sheets.GetItem(i), *book.GetSheetDataSet().Add());
    }
}

void ReadDdeLink(const TCT_DdeLink& element, TXc12DdeLink& link) {
    link.SetDdeService(element.GetDdeService());
    link.SetDdeTopic(element.GetDdeTopic());
    const TCT_DdeItemXpgList& items = element.GetDdeItems().GetDdeItem();
    for (int32_t i = 0; i < items.Count(); ++i) {
        const TCT_DdeItem& item = items.GetItem(i);
        TXc12DdeItem& ddeItem = *link.Add();
        ddeItem.SetName(item.GetName());
        ddeItem.SetOle(item.GetOle());
        ddeItem.SetAdvise(item.GetAdvise());
        ddeItem.SetPreferPic(item.GetPreferPic());
        const TCT_DdeValues& values = item.GetValues();
        ddeItem.GetValues().SetRows(values.GetRows());
        ddeItem.GetValues().SetCols(values.GetCols());
        for (int32_t j = 0; j < values.GetValue().Count(); ++j) {
            const TCT_DdeValue& value = values.GetValue().GetItem(j);
            SetCachedValue(DdeValueKind(value.GetT()), value.GetVal(), *ddeItem.GetValues().Add());
        }
    }
}

void ReadOleLink(const TCT_OleLink& element, const TOPCItem& linkItem, TXc12OleLink& link) {
    link.SetLinkTarget(linkItem.GetChildPath(rtl::UnicodeToAnsi(element.GetId())));
    link.SetProgId(element.GetProgId());
    const TCT_OleItemXpgList& items = element.GetOleItems().GetOleItem();
    for (int32_t i = 0; i < items.Count(); ++i) {
        const TCT_OleItem& item = items.GetItem(i);
        TXc12OleItem& oleItem = *link.Add();
        oleItem.SetName(item.GetName());
        oleItem.SetIcon(item.GetIcon());
        oleItem.SetAdvise(item.GetAdvise());
        oleItem.SetPreferPic(item.GetPreferPic());
    }
}

} // namespace

void ReadExternalLinkPart(const TCT_ExternalLink& element, const TOPCItem& linkItem, TXc12ExternalLink& link) {
    if (element.GetExternalBook().Assigned()) {
        ReadExternalBook(element.GetExternalBook(), linkItem, link.GetExternalBook());
    }
    if (element.GetDdeLink().Assigned()) {
        ReadDdeLink(element.GetDdeLink(), link.GetDdeLink());
    }
    if (element.GetOleLink().Assigned()) {
        ReadOleLink(element.GetOleLink(), linkItem, link.GetOleLink());
    }
}

} // namespace xls
