#pragma once
// The application's own texts: captions, questions and messages, as the user reads them.

namespace app::InvoiceTexts {

// The import.
inline constexpr char16_t AmountsIncludeTaxQuestion[] =
    u"开票清单Excel表格中的金额可以是【含税价】或【不含税价】，\r\n\r\n请问这开票清单中的金额是【含税价】吗？";
inline constexpr char16_t PriceCaptionWithTax[] = u"单价(含税)";
inline constexpr char16_t AmountCaptionWithTax[] = u"金额(含税)";
inline constexpr char16_t PriceCaptionWithoutTax[] = u"单价(不含税)";
inline constexpr char16_t AmountCaptionWithoutTax[] = u"金额(不含税)";
// "第" row "行第" column "列" and one of the two endings.
inline constexpr char16_t CellPositionRow[] = u"第";
inline constexpr char16_t CellPositionColumn[] = u"行第";
inline constexpr char16_t CellPositionEnd[] = u"列";
inline constexpr char16_t BadNumberCell[] = u"数据格式错误，请参照模板填写开票清单表格。（Float）";
inline constexpr char16_t BadTextCell[] = u"数据格式错误，请参照模板填写开票清单表格。（String）";
inline constexpr char16_t TotalsHeading[] = u"本开票清单合计数\r\n\r\n";
inline constexpr char16_t TotalWithTaxLabel[] = u"　含税金额合计：";
inline constexpr char16_t TotalWithoutTaxLabel[] = u"不含税金额合计：";
inline constexpr char16_t TaxTotalLabel[] = u"　　　税额合计：";
inline constexpr char16_t LimitWarningStart[] = u"请注意，这张发票的金额合计数超过了设置的发票开票限额【";
inline constexpr char16_t LimitWarningEnd[] = u"】!";

// The export.
inline constexpr char16_t NoRecordsToExport[] = u"请先导入按照模板格式填写的销货清单（Excel表格）！";
inline constexpr char16_t ExportSucceeded[] = u"文件导出成功！";
inline constexpr char16_t ImportIntoInvoicingSoftware[] = u"请在开票软件中导入该.xml文件并开具发票。";
// A text the invoice file cannot hold: "第" line "行" element "中的字符（U+XXXX）" ...
inline constexpr char16_t UnwritableLineStart[] = u"第";
inline constexpr char16_t UnwritableLineEnd[] = u"行";
inline constexpr char16_t UnwritableCharacterStart[] = u"中的字符（";
inline constexpr char16_t UnwritableCharacterEnd[] =
    u"）不能写入开票文件（GBK编码的XML文件），请修改后再生成开票文件。";

} // namespace app::InvoiceTexts
