#include "xls/core/model/styles/Xc12DataStyleSheet5XFs.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5.h"

namespace xls {

namespace {

int32_t PartPosition(const TXLSStyleObject* part) {
    return part != nullptr ? part->Index() : -1;
}

// "<label><position>", the part's own dump one level deeper and a line end.
void DumpPart(rtl::UnicodeString& text, int32_t level, const char16_t* label, const TXLSStyleObject* part) {
    AppendDumpLine(text, level, rtl::Format(u"%s%d", {label, PartPosition(part)}));
    if (part != nullptr) {
        part->DumpText(level + 1, text);
    }
    text += u'\r';
}

template <class T>
T* AddPart(std::unique_ptr<T>& part, const char16_t* message) {
    if (part != nullptr) {
        throw rtl::Exception(message);
    }
    part = std::make_unique<T>();
    return part.get();
}

} // namespace

void TXc12CellAlignment::SetHorizAlignment(uint8_t value) {
    FHorizAlignment = value;
    Changed();
}

void TXc12CellAlignment::SetVertAlignment(uint8_t value) {
    FVertAlignment = value;
    Changed();
}

void TXc12CellAlignment::SetRotation(int32_t value) {
    FRotation = value;
    Changed();
}

void TXc12CellAlignment::SetOptions(uint8_t value) {
    FOptions = value;
    Changed();
}

void TXc12CellAlignment::SetIndent(int32_t value) {
    FIndent = value;
    Changed();
}

void TXc12CellAlignment::SetRelativeIndent(int32_t value) {
    FRelativeIndent = value;
    Changed();
}

void TXc12CellAlignment::SetReadingOrder(uint8_t value) {
    FReadingOrder = value;
    Changed();
}

void TXc12CellAlignment::Assign(const TXc12CellAlignment& other) {
    SetHorizAlignment(other.FHorizAlignment);
    SetVertAlignment(other.FVertAlignment);
    SetRotation(other.FRotation);
    SetOptions(other.FOptions);
    SetIndent(other.FIndent);
    SetRelativeIndent(other.FRelativeIndent);
    SetReadingOrder(other.FReadingOrder);
}

bool TXc12CellAlignment::Equals(const TXc12CellAlignment& other) const {
    return FHorizAlignment == other.FHorizAlignment && FVertAlignment == other.FVertAlignment &&
           FRotation == other.FRotation && FOptions == other.FOptions && FIndent == other.FIndent &&
           FRelativeIndent == other.FRelativeIndent && FReadingOrder == other.FReadingOrder;
}

uint32_t TXc12CellAlignment::GetHash() const {
    if (!FHashValid) {
        FHash = FHorizAlignment + FVertAlignment + static_cast<uint32_t>(FRotation) + FOptions +
                static_cast<uint32_t>(FIndent) + static_cast<uint32_t>(FRelativeIndent) + FReadingOrder;
        FHashValid = true;
    }
    return FHash;
}

bool TXc12XF::IsDefault() const {
    const TXLSStyleObjectList* owner = Owner();
    return owner != nullptr && Index() == 0 && owner->Count() > 0 && owner->GetItem(0) == this;
}

void TXc12XF::Assign(const TXc12XF& other) {
    FAlignment.Assign(other.FAlignment);
    FProtection = other.FProtection;
    FNumberFormat = other.FNumberFormat;
    FFont = other.FFont;
    FFill = other.FFill;
    FBorder = other.FBorder;
    SetStyleXF(other.FStyleXF);
    FQuotePrefix = other.FQuotePrefix;
    FPivotButton = other.FPivotButton;
}

bool TXc12XF::Equals(const TXLSStyleObject& other) const {
    const auto* xf = dynamic_cast<const TXc12XF*>(&other);
    if (xf == nullptr || !FAlignment.Equals(xf->FAlignment) || FProtection != xf->FProtection ||
        !SameStyleObjects(FNumberFormat, xf->FNumberFormat) || !SameStyleObjects(FFont, xf->FFont) ||
        !SameStyleObjects(FFill, xf->FFill) || !SameStyleObjects(FBorder, xf->FBorder) ||
        FQuotePrefix != xf->FQuotePrefix || FPivotButton != xf->FPivotButton) {
        return false;
    }
    return FStyleXF == nullptr || xf->FStyleXF == nullptr || FStyleXF->Index() == xf->FStyleXF->Index();
}

void TXc12XF::DumpText(int32_t level, rtl::UnicodeString& text) const {
    AppendDumpLine(text, level, rtl::Format(u"This XF: %d", {Index()}));
    DumpPart(text, level, u"NumberFormat: ", FNumberFormat);
    DumpPart(text, level, u"Font: ", FFont);
    DumpPart(text, level, u"Fill: ", FFill);
    DumpPart(text, level, u"Border: ", FBorder);
    AppendDumpLine(text, level, u"Alignment: ");
    if (FStyleXF != nullptr) {
        AppendDumpLine(text, level, rtl::Format(u"XF: %d", {FStyleXF->Index()}));
    }
    if (FProtection != 0) {
        AppendDumpLine(text, level, u"Protection:");
        if ((FProtection & XC12ProtectionLocked) != 0) {
            AppendDumpLine(text, level + 1, u"Locked");
        }
        if ((FProtection & XC12ProtectionHidden) != 0) {
            AppendDumpLine(text, level + 1, u"Hidden");
        }
    }
    if (FQuotePrefix) {
        AppendDumpLine(text, level, u"QuotePrfix: True");
    }
    if (FPivotButton) {
        AppendDumpLine(text, level, u"PivotButton: True");
    }
}

void TXc12XF::CalcHash() {
    uint32_t hash = FAlignment.GetHash() ^ FProtection ^ StyleObjectHash(FNumberFormat) ^ StyleObjectHash(FFont) ^
                    StyleObjectHash(FFill) ^ StyleObjectHash(FBorder);
    if (FStyleXF != nullptr) {
        hash ^= static_cast<uint32_t>(FStyleXF->Index());
    }
    SetHash(static_cast<int32_t>(hash + FQuotePrefix + FPivotButton));
}

int32_t TXc12XFs::AddXF(std::unique_ptr<TXc12XF> xf) {
    if (xf == nullptr || xf->Owner() != this) {
        throw rtl::EInvalidOperation(u"A cell format must be made for the list it joins");
    }
    return TXLSStyleObjectList::Add(std::move(xf));
}

void TXc12XFs::Clear() {
    TXc12StyleObjectList::Clear();
    for (int32_t i = 0; i < Count(); ++i) {
        FStyleSheet->ResetXF(*GetItem(i));
    }
}

void TXc12XFs::AddDefaults() {
    Add()->SetPredefined(true);
}

TXc12Font* TXc12DXF::AddFont() {
    return AddPart(FFont, u"DXF->Font is allready set");
}

TXc12NumberFormat* TXc12DXF::AddNumberFormat() {
    return AddPart(FNumberFormat, u"DXF->NumFmt is allready set");
}

TXc12Fill* TXc12DXF::AddFill() {
    return AddPart(FFill, u"DXF->Fill is allready set");
}

TXc12Border* TXc12DXF::AddBorder() {
    return AddPart(FBorder, u"DXF->Border is allready set");
}

TXc12CellAlignment* TXc12DXF::AddAlignment() {
    return AddPart(FAlignment, u"DXF->Alignment is allready set");
}

void TXc12DXF::UpdateIndexedColors(const TXc12Palette& palette) {
    if (FFont != nullptr) {
        FFont->UpdateIndexedColors(palette);
    }
    if (FFill != nullptr) {
        FFill->UpdateIndexedColors(palette);
    }
    if (FBorder != nullptr) {
        FBorder->UpdateIndexedColors(palette);
    }
}

bool TXc12DXF::Equals(const TXLSStyleObject& /*other*/) const {
    throw rtl::EInvalidOperation(u"Differential formats can not be compared");
}

void TXc12DXF::CalcHash() {
    uint32_t hash = StyleObjectHash(FFont.get()) ^ StyleObjectHash(FNumberFormat.get()) ^ StyleObjectHash(FFill.get()) ^
                    StyleObjectHash(FBorder.get());
    if (FAlignment != nullptr) {
        hash ^= FAlignment->GetHash();
    }
    SetHash(static_cast<int32_t>(hash + FProtection));
}

} // namespace xls
