#include "ui/core/skins/elements/uxSkinElements.h"

#include "rtl/text/CodePages.h"
#include "ui/core/skins/elements/uxSkin.h"
#include "ui/core/skins/stream/uxSkinPartStream.h"
#include "ui/core/skins/stream/uxSkinStreamIO.h"

#include <algorithm>

namespace ui {

namespace {

// The states a set may hold: bits 0 .. 10.
constexpr uint16_t StateBitsMask = (1u << SkinElementStateCount) - 1;
constexpr const char* BorderNames[4] = {"Left", "Top", "Right", "Bottom"};

vcl::TRect ReadMargins(TuxSkinReader& reader) {
    vcl::TRect rect;
    rect.Left = reader.ReadInt32();
    rect.Top = reader.ReadInt32();
    rect.Right = reader.ReadInt32();
    rect.Bottom = reader.ReadInt32();
    return rect;
}

void WriteMargins(TuxSkinWriter& writer, const vcl::TRect& rect) {
    writer.WriteInt32(rect.Left);
    writer.WriteInt32(rect.Top);
    writer.WriteInt32(rect.Right);
    writer.WriteInt32(rect.Bottom);
}

// Stores value in field and runs changed when they differ.
template <class T, class TChanged>
void SetAndTell(T& field, const T& value, TChanged changed) {
    if (!(field == value)) {
        field = value;
        changed();
    }
}

} // namespace

TuxSkinImage::TuxSkinImage(TuxSkinElement* owner) : FOwner(owner), FTexture(std::make_unique<TuxSkinTexture>()) {}

TuxSkinImage::~TuxSkinImage() = default;

rtl::TPersistent* TuxSkinImage::GetOwner() const {
    return FOwner;
}

void TuxSkinImage::Assign(const rtl::TPersistent* source) {
    const auto* image = dynamic_cast<const TuxSkinImage*>(source);
    if (!image || image == this) {
        return;
    }
    if (image->GetEmpty()) {
        FTexture->Clear();
        FSourceName.clear();
    } else {
        FTexture->Assign(*image->FTexture);
        FSourceName = image->GetSourceName();
    }
    FGradient = image->FGradient;
    FGradientBeginColor = image->FGradientBeginColor;
    FGradientEndColor = image->FGradientEndColor;
    FImageLayout = image->FImageLayout;
    FMargins = image->FMargins;
    FStretch = image->FStretch;
    FStates = image->FStates;
    InvalidateParts();
}

void TuxSkinImage::SetGradient(TuxSkinGradientMode value) {
    SetAndTell(FGradient, value, [this] { InvalidateParts(); });
}

void TuxSkinImage::SetGradientBeginColor(vcl::TColor value) {
    SetAndTell(FGradientBeginColor, value, [this] { InvalidateParts(); });
}

void TuxSkinImage::SetGradientEndColor(vcl::TColor value) {
    SetAndTell(FGradientEndColor, value, [this] { InvalidateParts(); });
}

void TuxSkinImage::SetImageLayout(TuxSkinImageLayout value) {
    SetAndTell(FImageLayout, value, [this] { InvalidateParts(); });
}

void TuxSkinImage::SetMargins(const vcl::TRect& value) {
    SetAndTell(FMargins, value, [this] { InvalidateParts(); });
}

void TuxSkinImage::SetStates(TuxSkinElementStates value) {
    SetAndTell(FStates, value, [this] { InvalidateParts(); });
}

void TuxSkinImage::SetStretch(TuxSkinStretchMode value) {
    SetAndTell(FStretch, value, [this] { InvalidateParts(); });
}

void TuxSkinImage::LoadTexture(rtl::TStream& stream) {
    FTexture->LoadFromStream(stream);
    InvalidateParts();
}

bool TuxSkinImage::GetEmpty() const {
    return FSourceName.empty() && FTexture->Empty();
}

void TuxSkinImage::Clear() {
    FTexture->Clear();
    FSourceName.clear();
    InvalidateParts();
}

rtl::AnsiString TuxSkinImage::GetSourceName() const {
    if (!FSourceName.empty() || FTexture->Empty() || !FOwner) {
        return FSourceName;
    }
    return FOwner->GetPath() + FOwner->GetImageFileName(*this);
}

bool TuxSkinImage::SameAs(TuxSkinImage& other) {
    return FImageLayout == other.FImageLayout && GetEmpty() == other.GetEmpty() && FStates == other.FStates &&
           FGradient == other.FGradient && FGradientBeginColor == other.FGradientBeginColor &&
           FGradientEndColor == other.FGradientEndColor && FStretch == other.FStretch && GetSize() == other.GetSize() &&
           FMargins == other.FMargins && FTexture->SamePicture(*other.FTexture);
}

const TuxSkinFrameLayout& TuxSkinImage::Layout() {
    if (FLayoutDirty) {
        FLayout =
            TuxSkinFrameLayout(FTexture->Size(), FImageLayout, FStates, FOwner ? FOwner->ImageCount() : 1, FMargins);
        FLayoutDirty = false;
    }
    return FLayout;
}

void TuxSkinImage::InvalidateParts() {
    FLayoutDirty = true;
    Changed();
}

void TuxSkinImage::Changed() {
    if (FOnChange) {
        FOnChange(this);
    }
}

void TuxSkinImage::ReadFromStream(TuxSkinReader& reader, double version) {
    FMargins = ReadMargins(reader);
    FImageLayout = static_cast<TuxSkinImageLayout>(reader.ReadEnumeration(2, "image layout"));
    const uint16_t states = reader.ReadWord();
    if ((states & ~StateBitsMask) != 0) {
        reader.Fail("the state set has bits beyond the states");
    }
    FStates = TuxSkinElementStates::FromBits(states);
    FStretch = static_cast<TuxSkinStretchMode>(reader.ReadEnumeration(3, "stretch mode"));
    if (version >= 1.02) {
        FGradientBeginColor = reader.ReadInt32();
        FGradientEndColor = reader.ReadInt32();
        FGradient = static_cast<TuxSkinGradientMode>(reader.ReadEnumeration(4, "gradient mode"));
    }
    const int32_t size = reader.ReadInt32();
    if (size < 0) {
        reader.Fail("a negative texture size");
    }
    const int64_t start = reader.Position();
    if (size > reader.Remaining()) {
        reader.Fail("a texture of " + std::to_string(size) + " bytes goes past the end of the data");
    }
    if (size > 0) {
        TuxSkinPartStream texture(reader.Stream(), start, start + size);
        FTexture->LoadFromStream(texture);
    }
    reader.Skip(size);
    FLayoutDirty = true;
}

void TuxSkinImage::WriteToStream(TuxSkinWriter& writer) const {
    WriteMargins(writer, FMargins);
    writer.WriteByte(FImageLayout);
    writer.WriteWord(static_cast<uint16_t>(FStates.Bits()));
    writer.WriteByte(FStretch);
    writer.WriteInt32(FGradientBeginColor);
    writer.WriteInt32(FGradientEndColor);
    writer.WriteByte(static_cast<uint8_t>(FGradient));
    rtl::TMemoryStream texture;
    FTexture->SaveToStream(texture);
    writer.WriteInt32(static_cast<int32_t>(texture.Size()));
    writer.WriteBytes(texture.Memory(), static_cast<int32_t>(texture.Size()));
}

TuxSkinBorder::TuxSkinBorder(rtl::TPersistent* owner, rtl::AnsiString name, TuxSkinBorderSide side)
    : TuxSkinProperty(owner, std::move(name)), FSide(side) {}

std::unique_ptr<TuxSkinCustomPersistentObject> TuxSkinBorder::NewInstance(rtl::TPersistent* owner,
                                                                          rtl::AnsiString name) const {
    return MakeSkinObject<TuxSkinBorder>(owner, std::move(name));
}

void TuxSkinBorder::Assign(const rtl::TPersistent* source) {
    if (const auto* border = dynamic_cast<const TuxSkinBorder*>(source)) {
        SetColor(border->FColor);
        SetThin(border->FThin);
        return;
    }
    TuxSkinProperty::Assign(source);
}

void TuxSkinBorder::SetColor(vcl::TColor value) {
    SetAndTell(FColor, value, [this] { DoChange(); });
}

void TuxSkinBorder::SetThin(int32_t value) {
    SetAndTell(FThin, value, [this] { DoChange(); });
}

vcl::TRect TuxSkinBorder::BandRect(const vcl::TRect& rect) const {
    switch (FSide) {
    case sbLeft:
        return {rect.Left, rect.Top, rect.Left + FThin, rect.Bottom};
    case sbTop:
        return {rect.Left, rect.Top, rect.Right, rect.Top + FThin};
    case sbRight:
        return {rect.Right - FThin, rect.Top, rect.Right, rect.Bottom};
    default:
        return {rect.Left, rect.Bottom - FThin, rect.Right, rect.Bottom};
    }
}

void TuxSkinBorder::ReadData(TuxSkinReader& reader) {
    FColor = reader.ReadInt32();
    FThin = reader.ReadInt32();
}

void TuxSkinBorder::WriteData(TuxSkinWriter& writer) const {
    writer.WriteInt32(FColor);
    writer.WriteInt32(FThin);
}

bool TuxSkinBorder::SameAs(const TuxSkinProperty& other) const {
    const auto* border = dynamic_cast<const TuxSkinBorder*>(&other);
    return border && border->FColor == FColor && border->FThin == FThin && border->FSide == FSide;
}

TuxSkinBorders::TuxSkinBorders(rtl::TPersistent* owner, rtl::AnsiString name)
    : TuxSkinProperty(owner, std::move(name)) {
    for (uint8_t side = sbLeft; side <= sbBottom; ++side) {
        FSides[side] = std::make_unique<TuxSkinBorder>(this, BorderNames[side], static_cast<TuxSkinBorderSide>(side));
        FSides[side]->SetOnChange([this](rtl::TObject*) { DoChange(); });
    }
}

std::unique_ptr<TuxSkinCustomPersistentObject> TuxSkinBorders::NewInstance(rtl::TPersistent* owner,
                                                                           rtl::AnsiString name) const {
    return MakeSkinObject<TuxSkinBorders>(owner, std::move(name));
}

void TuxSkinBorders::Assign(const rtl::TPersistent* source) {
    if (const auto* borders = dynamic_cast<const TuxSkinBorders*>(source)) {
        for (size_t side = 0; side < FSides.size(); ++side) {
            FSides[side]->Assign(borders->FSides[side].get());
        }
        return;
    }
    TuxSkinProperty::Assign(source);
}

bool TuxSkinBorders::SameAs(const TuxSkinProperty& other) const {
    const auto* borders = dynamic_cast<const TuxSkinBorders*>(&other);
    if (!borders) {
        return false;
    }
    for (size_t side = 0; side < FSides.size(); ++side) {
        if (!FSides[side]->SameAs(*borders->FSides[side])) {
            return false;
        }
    }
    return true;
}

TuxSkinElement::TuxSkinElement(rtl::TPersistent* owner, rtl::AnsiString name)
    : TuxSkinPersistent(owner, std::move(name)), FBorders(std::make_unique<TuxSkinBorders>(this, "Borders")),
      FGlyph(std::make_unique<TuxSkinImage>(this)), FImage(std::make_unique<TuxSkinImage>(this)) {
    FBorders->SetOnChange([this](rtl::TObject*) { PartChanged(); });
    FGlyph->SetOnChange([this](rtl::TObject*) { PartChanged(); });
    FImage->SetOnChange([this](rtl::TObject*) { PartChanged(); });
}

TuxSkinElement::~TuxSkinElement() = default;

std::unique_ptr<TuxSkinCustomPersistentObject> TuxSkinElement::NewInstance(rtl::TPersistent* owner,
                                                                           rtl::AnsiString name) const {
    return MakeSkinObject<TuxSkinElement>(owner, std::move(name));
}

void TuxSkinElement::Assign(const rtl::TPersistent* source) {
    const auto* element = dynamic_cast<const TuxSkinElement*>(source);
    if (!element) {
        TuxSkinPersistent::Assign(source);
        return;
    }
    const TuxSkinUpdateLock lock(*this);
    FImage->Assign(element->FImage.get());
    FGlyph->Assign(element->FGlyph.get());
    SetColor(element->FColor);
    SetAlpha(element->FAlpha);
    SetContentOffset(element->FContentOffset);
    SetImageCount(element->FImageCount);
    FBorders->Assign(element->FBorders.get());
    SetMinSize(element->FMinSize);
    SetTextColor(element->FTextColor);
#ifdef _WIN32
    ChangeCaching(element->GetUseCache());
#endif
    TuxSkinPersistent::Assign(source);
}

void TuxSkinElement::SetAlpha(uint8_t value) {
    SetAndTell(FAlpha, value, [this] { SetColor(FColor); });
}

void TuxSkinElement::SetColor(vcl::TColor value) {
    FColor = value;
    FlagChanged();
}

void TuxSkinElement::SetContentOffset(const vcl::TRect& value) {
    SetAndTell(FContentOffset, value, [this] { FlagChanged(); });
}

void TuxSkinElement::SetImageCount(int32_t value) {
    SetAndTell(FImageCount, std::max(value, 1), [this] {
        FImage->FlagLayoutDirty();
        FGlyph->FlagLayoutDirty();
        FlagChanged();
    });
}

void TuxSkinElement::SetMinSize(vcl::TSize value) {
    SetAndTell(FMinSize, vcl::TSize{std::max(value.cx, 0), std::max(value.cy, 0)}, [this] { FlagChanged(); });
}

void TuxSkinElement::SetTextColor(vcl::TColor value) {
    SetAndTell(FTextColor, value, [this] { FlagChanged(); });
}

TuxSkinControlGroup* TuxSkinElement::GetGroup() const {
    return dynamic_cast<TuxSkinControlGroup*>(GetOwner());
}

rtl::AnsiString TuxSkinElement::GetPath() const {
    const TuxSkinControlGroup* group = GetGroup();
    return group ? group->Name() + "\\" : rtl::AnsiString("\\");
}

rtl::AnsiString TuxSkinElement::GetImageFileName(const TuxSkinImage& image) const {
    return Name() + (&image == FGlyph.get() ? "_Glyph.png" : "_Image.png");
}

bool TuxSkinElement::SamePropertiesAs(const TuxSkinPersistent& other) const {
    if (GetPropertyCount() != other.GetPropertyCount()) {
        return false;
    }
    for (int32_t i = 0; i < GetPropertyCount(); ++i) {
        if (!GetProperty(i)->SameAs(*other.GetProperty(i))) {
            return false;
        }
    }
    return true;
}

bool TuxSkinElement::SameAs(const TuxSkinElement& other) const {
    return Name() == other.Name() && FColor == other.FColor && FImageCount == other.FImageCount &&
           FAlpha == other.FAlpha && FTextColor == other.FTextColor && FMinSize == other.FMinSize &&
           FContentOffset == other.FContentOffset && FBorders->SameAs(*other.FBorders) && SamePropertiesAs(other) &&
           FImage->SameAs(*other.FImage) && FGlyph->SameAs(*other.FGlyph);
}

void TuxSkinElement::ReadFromStream(TuxSkinReader& reader, double version) {
    const TuxSkinUpdateLock lock(*this);
    FColor = reader.ReadInt32();
    FAlpha = reader.ReadByte();
    FImageCount = std::max(reader.ReadInt32(), 1);
    FContentOffset = ReadMargins(reader);
    FGlyph->ReadFromStream(reader, version);
    FImage->ReadFromStream(reader, version);
    for (uint8_t side = sbLeft; side <= sbBottom; ++side) {
        if (version >= 0.92) {
            reader.ReadAnsiString();
        }
        FBorders->Side(static_cast<TuxSkinBorderSide>(side)).ReadFromStream(reader);
    }
    if (version >= 0.93) {
        FTextColor = reader.ReadInt32();
    }
    if (version >= 0.94) {
        const int32_t cx = reader.ReadInt32();
        FMinSize = {std::max(cx, 0), std::max(reader.ReadInt32(), 0)};
    }
    if (version >= 0.95) {
        Properties().ReadFromStream(reader, version);
    }
    SetColor(FColor);
}

void TuxSkinElement::WriteToStream(TuxSkinWriter& writer) const {
    writer.WriteInt32(FColor);
    writer.WriteByte(FAlpha);
    writer.WriteInt32(FImageCount);
    WriteMargins(writer, FContentOffset);
    FGlyph->WriteToStream(writer);
    FImage->WriteToStream(writer);
    for (uint8_t side = sbLeft; side <= sbBottom; ++side) {
        FBorders->Side(static_cast<TuxSkinBorderSide>(side)).WriteToStream(writer);
    }
    writer.WriteInt32(FTextColor);
    writer.WriteInt32(FMinSize.cx);
    writer.WriteInt32(FMinSize.cy);
    Properties().WriteToStream(writer);
}

std::unique_ptr<TuxSkinCustomPersistentObject> TuxSkinEmptyElement::NewInstance(rtl::TPersistent* owner,
                                                                                rtl::AnsiString name) const {
    return MakeSkinObject<TuxSkinEmptyElement>(owner, std::move(name));
}

namespace {

// The shortest element record with its name: the name's length, colour, alpha, image count, content offset, two image
// records without gradient or texture (margins, layout, states, stretch, texture size) and four borders without class
// names (name length, colour, thickness).
constexpr int32_t MinimumImageRecordSize = 16 + 1 + 2 + 1 + 4;
constexpr int32_t MinimumElementRecordSize = 4 + 4 + 1 + 4 + 16 + 2 * MinimumImageRecordSize + 4 * 12;

} // namespace

void TuxSkinElements::ReadFromStream(TuxSkinReader& reader, double version) {
    const TuxSkinUpdateLock lock(*this);
    const int32_t count = reader.ReadCount(MinimumElementRecordSize);
    for (int32_t i = 0; i < count; ++i) {
        auto element = std::make_unique<TuxSkinElement>(Owner(), reader.ReadAnsiString());
        element->ReadFromStream(reader, version);
        Add(std::move(element));
    }
}

void TuxSkinElements::WriteToStream(TuxSkinWriter& writer) const {
    writer.WriteInt32(Count());
    for (int32_t i = 0; i < Count(); ++i) {
        writer.WriteAnsiString(Item(i)->Name());
        Item(i)->WriteToStream(writer);
    }
}

} // namespace ui
