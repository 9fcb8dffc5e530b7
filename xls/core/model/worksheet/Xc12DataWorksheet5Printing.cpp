#include "xls/core/model/worksheet/Xc12DataWorksheet5Printing.h"

#include <utility>

namespace xls {

void TXc12PageSetup::Clear() {
    FPaperSize = PaperSizeNotSet;
    FScale = 100;
    FFirstPageNumber = 1;
    FFitToWidth = 1;
    FFitToHeight = 1;
    FPageOrder = 0;
    FOrientation = 0;
    FUsePrinterDefaults = true;
    FBlackAndWhite = false;
    FDraft = false;
    FCellComments = 0;
    FUseFirstPageNumber = false;
    FErrors = 0;
    FHorizontalDpi = 600;
    FVerticalDpi = 600;
    FCopies = 1;
    FPrinterSettings.reset();
}

void TXc12PageSetup::SetPrinterSettings(std::unique_ptr<rtl::TStream> stream) {
    if (stream == nullptr) {
        FPrinterSettings.reset();
        return;
    }
    // Copied before the held data goes, so a copy that fails leaves the page setup as it was.
    auto settings = std::make_unique<rtl::TMemoryStream>();
    settings->LoadFromStream(*stream);
    FPrinterSettings = std::move(settings);
}

void TXc12Break::Clear() {
    FId = 0;
    FMin = 0;
    FMax = 0;
    FMan = false;
    FPt = false;
}

} // namespace xls
