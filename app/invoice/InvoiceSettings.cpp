#include "app/invoice/InvoiceSettings.h"

#include "app/invoice/InvoiceTotals.h"
#include "rtl/io/FileUtils.h"
#include "rtl/io/IniFiles.h"
#include "rtl/text/StringUtils.h"

namespace app {

namespace {

constexpr char16_t FilesSection[] = u"Files";
constexpr char16_t SetupSection[] = u"FPSetup";

} // namespace

TInvoiceSettings ReadInvoiceSettings(const rtl::TCustomIniFile& file) {
    TInvoiceSettings settings;
    settings.ReadFileName = file.ReadString(FilesSection, u"Read", u"");
    settings.WriteFileName = file.ReadString(FilesSection, u"Write", u"");
    settings.LimitIndex = file.ReadInteger(SetupSection, u"KPXE", DefaultLimitIndex);
    if (settings.LimitIndex < 0 || settings.LimitIndex >= InvoiceLimitCount) {
        settings.LimitIndex = DefaultLimitIndex;
    }
    settings.Reviewer = file.ReadString(SetupSection, u"FHR", u"");
    settings.Payee = file.ReadString(SetupSection, u"SHR", u"");
    settings.SellerTaxNumber = file.ReadString(SetupSection, u"XFSH", u"");
    return settings;
}

void WriteInvoiceSettings(rtl::TCustomIniFile& file, const TInvoiceSettings& settings) {
    if (!rtl::Trim(settings.ReadFileName).empty()) {
        file.WriteString(FilesSection, u"Read", settings.ReadFileName);
    }
    if (!rtl::Trim(settings.WriteFileName).empty()) {
        file.WriteString(FilesSection, u"Write", settings.WriteFileName);
    }
    file.WriteInteger(SetupSection, u"KPXE", settings.LimitIndex);
    file.WriteString(SetupSection, u"FHR", settings.Reviewer);
    file.WriteString(SetupSection, u"SHR", settings.Payee);
    file.UpdateFile();
}

rtl::UnicodeString StartFolder(rtl::UnicodeStringView lastFileName, rtl::UnicodeStringView fallback) {
    rtl::UnicodeString folder = rtl::ExtractFilePath(lastFileName);
    if (!folder.empty() && rtl::DirectoryExists(folder)) {
        return folder;
    }
    return rtl::UnicodeString(fallback);
}

} // namespace app
