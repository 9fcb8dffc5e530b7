#include "xls/core/model/styles/Xc12DataStyleSheet5.h"

#include "rtl/core/Exceptions.h"

namespace xls {

namespace {

void AddUse(TXLSStyleObject* object) {
    if (object != nullptr) {
        object->AddRef();
    }
}

void DropUse(TXLSStyleObject* object) {
    if (object != nullptr) {
        object->Release();
    }
}

bool ListRefersToFont(const TXc12XFs& xfs, const TXc12Font* font) {
    for (int32_t i = 0; i < xfs.Count(); ++i) {
        if (xfs.GetItem(i)->GetFont() == font) {
            return true;
        }
    }
    return false;
}

template <class TList>
void MarkPredefined(TList& list) {
    for (int32_t i = 0; i < list.Count(); ++i) {
        list.GetItem(i)->SetPredefined(true);
    }
}

} // namespace

void TXc12XFEditor::UseXF(TXc12XF* xf) {
    AddUse(xf);
    if (xf != nullptr) {
        AddUse(xf->GetNumberFormat());
        AddUse(xf->GetFont());
        AddUse(xf->GetFill());
        AddUse(xf->GetBorder());
    }
}

void TXc12XFEditor::UseXFIndex(int32_t index) {
    UseXF(FStyleSheet->XFs().GetItem(index));
}

void TXc12XFEditor::UseStyleXF(int32_t index) {
    UseXF(FStyleSheet->StyleXFs().GetItem(index));
}

TXc12XF* TXc12XFEditor::UseDefaultXF() {
    TXc12XF* xf = FStyleSheet->XFs().GetDefaultXF();
    UseXF(xf);
    return xf;
}

void TXc12XFEditor::ReleaseXF(TXc12XF* xf) {
    if (xf == nullptr) {
        return;
    }
    DropUse(xf->GetNumberFormat());
    DropUse(xf->GetFont());
    DropUse(xf->GetFill());
    DropUse(xf->GetBorder());
    DropUse(xf);
}

void TXc12XFEditor::ReleaseXFIndex(int32_t index) {
    ReleaseXF(FStyleSheet->XFs().GetItem(index));
}

TXc12Font* TXc12XFEditor::UseFont(const TXc12Font& font) {
    TXc12Font* found = FStyleSheet->Fonts().FindFont(font);
    if (found == nullptr) {
        throw rtl::Exception(u"Can not find font");
    }
    found->AddRef();
    return found;
}

void TXc12XFEditor::ReleaseFont(TXc12Font* font) {
    if (font == nullptr) {
        return;
    }
    font->Release();
    TXc12Fonts& fonts = FStyleSheet->Fonts();
    const int32_t index = font->Index();
    const bool inList = index >= 0 && index < fonts.Count() && fonts.GetItem(index) == font;
    // Cell formats refer to their fonts without holding uses of their own (only their cells do), so a font without
    // uses may still be a cell format's font; removing it would leave that format pointing at freed memory.
    if (inList && !font->Predefined() && font->UseCount() == 0 && !IsFontOfAnyXF(font)) {
        fonts.Delete(index);
    }
}

void TXc12XFEditor::ReleaseFontRuns(std::span<const TXc12FontRun> runs) {
    for (const TXc12FontRun& run : runs) {
        ReleaseFont(run.Font);
    }
}

void TXc12XFEditor::MarkAllPredefined() {
    MarkPredefined(FStyleSheet->NumberFormats());
    MarkPredefined(FStyleSheet->Fonts());
    MarkPredefined(FStyleSheet->Fills());
    MarkPredefined(FStyleSheet->Borders());
}

bool TXc12XFEditor::IsFontOfAnyXF(const TXc12Font* font) const {
    return ListRefersToFont(FStyleSheet->XFs(), font) || ListRefersToFont(FStyleSheet->StyleXFs(), font);
}

TXc12DataStyleSheet::TXc12DataStyleSheet() : FXFs(this), FStyleXFs(this), FXFEditor(this) {
    Clear();
}

void TXc12DataStyleSheet::Clear() {
    FNumberFormats.Clear();
    FFonts.Clear();
    FFills.Clear();
    FBorders.Clear();
    FCellStyles.Clear();
    FTableStyles.Clear();
    FRecentColors.Clear();
    FIndexedColors.Clear();
    FXFs.Clear();
    FStyleXFs.Clear();
    FDXFs.Clear();
}

void TXc12DataStyleSheet::UpdateIndexedColors(const TXc12Palette& palette) {
    FFills.UpdateIndexedColors(palette);
    FRecentColors.UpdateIndexedColors(palette);
    FFonts.UpdateIndexedColors(palette);
    FBorders.UpdateIndexedColors(palette);
    FDXFs.UpdateIndexedColors(palette);
}

void TXc12DataStyleSheet::GetPixelsPerInch(int32_t& horizontal, int32_t& vertical) const {
    if (FOnPixelsPerInch) {
        FOnPixelsPerInch(horizontal, vertical);
        return;
    }
    const TXLSPixelsPerInch resolution = XLSPlatform().GetPixelsPerInch();
    horizontal = resolution.Horizontal;
    vertical = resolution.Vertical;
}

void TXc12DataStyleSheet::ResetXF(TXc12XF& xf) {
    xf.SetBorder(FBorders.GetItem(0));
    xf.SetFill(FFills.GetItem(0));
    xf.SetFont(FFonts.GetItem(0));
    xf.SetNumberFormat(FNumberFormats.GetItem(0));
    xf.SetStyleXF(nullptr);
}

} // namespace xls
