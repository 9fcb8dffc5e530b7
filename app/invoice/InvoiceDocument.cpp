#include "app/invoice/InvoiceDocument.h"

#include "app/invoice/InvoiceRecords.h"
#include "app/invoice/InvoiceTexts.h"
#include "app/invoice/TextEncoding.h"
#include "app/invoice/XmlDocument.h"
#include "rtl/numbers/NumberConversions.h"
#include "rtl/text/CodePages.h"
#include "rtl/text/StringUtils.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/data/controller/uiCustomDataController.h"

namespace app {

namespace {

// A tax classification code has 19 digits; a shorter one is filled up with zeros.
constexpr size_t TaxCodeLength = 19;
// The line number of the fields that belong to no line.
constexpr int32_t NoLine = 0;

// Adds a child holding text after checking that the file can hold it.
void AddCheckedText(TXmlElement& parent, rtl::UnicodeStringView name, rtl::UnicodeStringView text, int32_t line) {
    const size_t bad = FindCharacterNotInXml(text, rtl::cpSimplifiedChinese);
    if (bad != rtl::UnicodeStringView::npos) {
        rtl::UnicodeString message;
        if (line != NoLine) {
            message = InvoiceTexts::UnwritableLineStart + rtl::IntToStr(line) + InvoiceTexts::UnwritableLineEnd;
        }
        message += rtl::UnicodeString(name) + InvoiceTexts::UnwritableCharacterStart + CharacterCode(text, bad) +
                   InvoiceTexts::UnwritableCharacterEnd;
        throw EInvoiceTextError(message);
    }
    parent.AddTextChild(name, text);
}

// One record's product line.
class TProductLine {
public:
    TProductLine(ui::TuiCustomDataController& records, int32_t record, bool amountsIncludeTax)
        : FRecords(records), FRecord(record), FAmountsIncludeTax(amountsIncludeTax) {}

    void AddTo(TXmlElement& products) {
        TXmlElement& line = products.AddChild(u"Sph");
        const int32_t number = FRecord + 1;
        AddCheckedText(line, u"Xh", rtl::IntToStr(number), number);
        AddCheckedText(line, u"Spmc", Text(iiProductName), number);
        AddCheckedText(line, u"Ggxh", Text(iiModel), number);
        AddCheckedText(line, u"Jldw", Text(iiUnit), number);
        const long double rate = rtl::StrToExtended(Text(iiTaxRate));
        const rtl::UnicodeString quantity = Text(iiQuantity);
        const rtl::UnicodeString unitPrice = Text(iiUnitPrice);
        // Quantity and unit price go together: both or neither.
        const bool priced = !quantity.empty() && !unitPrice.empty();
        AddCheckedText(line, u"Sl", priced ? quantity : rtl::UnicodeString(), number);
        AddCheckedText(line, u"Dj", priced ? WithoutTax(unitPrice, rate) : rtl::UnicodeString(), number);
        AddCheckedText(line, u"Je", WithoutTax(Text(iiAmount), rate), number);
        AddCheckedText(line, u"Slv", Text(iiTaxRate), number);
        AddCheckedText(line, u"Spbm", TaxCode(), number);
        AddCheckedText(line, u"Qyspbm", Text(iiOwnProductCode), number);
        line.AddTextChild(u"Syyhzcbz", u"0");
        line.AddTextChild(u"Kce", u"0");
        line.AddTextChild(u"Lslbz", u"");
        line.AddTextChild(u"Yhzcsm", u"");
    }

private:
    // The item's value as text; empty for Null.
    rtl::UnicodeString Text(int32_t item) { return rtl::VarToStr(FRecords.GetValue(FRecord, item)); }

    rtl::UnicodeString WithoutTax(const rtl::UnicodeString& text, long double rate) const {
        const long double value = rtl::StrToExtended(text);
        return InvoiceNumberText(FAmountsIncludeTax ? value / (1 + rate) : value);
    }

    rtl::UnicodeString TaxCode() {
        rtl::UnicodeString code = rtl::Trim(Text(iiTaxCode));
        code.append(TaxCodeLength, u'0');
        return code.substr(0, TaxCodeLength);
    }

    ui::TuiCustomDataController& FRecords;
    int32_t FRecord;
    bool FAmountsIncludeTax;
};

void AddHeader(TXmlElement& invoice, const TInvoiceHeader& header) {
    invoice.AddTextChild(u"Djh", u"1");
    AddCheckedText(invoice, u"Gfmc", header.BuyerName, NoLine);
    AddCheckedText(invoice, u"Gfsh", header.BuyerTaxNumber, NoLine);
    AddCheckedText(invoice, u"Gfyhzh", header.BuyerBankAccount, NoLine);
    AddCheckedText(invoice, u"Gfdzdh", header.BuyerAddressPhone, NoLine);
    invoice.AddTextChild(u"Bz", u"");
    AddCheckedText(invoice, u"Fhr", header.Reviewer, NoLine);
    AddCheckedText(invoice, u"Skr", header.Payee, NoLine);
    AddCheckedText(invoice, u"Spbmbbh", header.CommodityCodeVersion, NoLine);
    invoice.AddTextChild(u"Hsbz", u"0");
}

} // namespace

rtl::UnicodeString InvoiceNumberText(long double value) {
    return rtl::FloatToStrF(value, rtl::TFloatFormat::ffGeneral, 18, 4);
}

std::unique_ptr<TXmlDocument> BuildInvoiceDocument(ui::TuiCustomDataController& records, const TInvoiceHeader& header,
                                                   bool amountsIncludeTax) {
    auto document = std::make_unique<TXmlDocument>();
    document->SetEncoding(u"GBK");
    TXmlElement& root = document->CreateDocumentElement(u"Kp");
    root.AddTextChild(u"Version", u"2.0");
    TXmlElement& invoices = root.AddChild(u"Fpxx");
    invoices.AddTextChild(u"Zsl", u"1");
    TXmlElement& invoice = invoices.AddChild(u"Fpsj").AddChild(u"Fp");
    AddHeader(invoice, header);
    TXmlElement& products = invoice.AddChild(u"Spxx");
    for (int32_t record = 0; record < records.GetRecordCount() && HasProductName(records, record); ++record) {
        TProductLine(records, record, amountsIncludeTax).AddTo(products);
    }
    return document;
}

} // namespace app
