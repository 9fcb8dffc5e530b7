#include "ui/core/skins/objects/uxSkinProperties.h"

#include "rtl/core/ClassRegistry.h"
#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "rtl/text/Format.h"
#include "rtl/text/StringUtils.h"
#include "ui/core/skins/stream/uxSkinStreamIO.h"

#include <algorithm>
#include <array>

namespace ui {

namespace {

// The shortest property record: the class name's and the name's lengths, and a one-byte value.
constexpr int32_t MinimumPropertyRecordSize = 9;

const std::array<TuxSkinPropertyClass, 7>& PropertyClassTable() {
    static const std::array<TuxSkinPropertyClass, 7> table = {{
        {&TuxSkinIntegerProperty::StaticClass(), &MakeSkinObject<TuxSkinIntegerProperty>},
        {&TuxSkinColor::StaticClass(), &MakeSkinObject<TuxSkinColor>},
        {&TuxSkinRectProperty::StaticClass(), &MakeSkinObject<TuxSkinRectProperty>},
        {&TuxSkinSizeProperty::StaticClass(), &MakeSkinObject<TuxSkinSizeProperty>},
        {&TuxSkinBooleanProperty::StaticClass(), &MakeSkinObject<TuxSkinBooleanProperty>},
        {&TuxSkinStringProperty::StaticClass(), &MakeSkinObject<TuxSkinStringProperty>},
        {&TuxSkinWideStringProperty::StaticClass(), &MakeSkinObject<TuxSkinWideStringProperty>},
    }};
    return table;
}

rtl::UnicodeString TypeNameOf(rtl::UnicodeStringView className) {
    constexpr rtl::UnicodeStringView prefix = u"TuxSkin";
    constexpr rtl::UnicodeStringView suffix = u"Property";
    if (rtl::StartsText(prefix, className)) {
        className.remove_prefix(prefix.size());
    }
    if (rtl::EndsText(suffix, className)) {
        className.remove_suffix(suffix.size());
    }
    return rtl::UnicodeString(className);
}

vcl::TRect ReadRect(TuxSkinReader& reader) {
    vcl::TRect rect;
    rect.Left = reader.ReadInt32();
    rect.Top = reader.ReadInt32();
    rect.Right = reader.ReadInt32();
    rect.Bottom = reader.ReadInt32();
    return rect;
}

} // namespace

void TuxSkinProperty::ReadData(TuxSkinReader&) {}

void TuxSkinProperty::WriteData(TuxSkinWriter&) const {}

void TuxSkinProperty::ReadFromStream(TuxSkinReader& reader) {
    SetName(reader.ReadAnsiString());
    ReadData(reader);
}

void TuxSkinProperty::WriteToStream(TuxSkinWriter& writer) const {
    writer.WriteAnsiString(rtl::UnicodeToAnsi(ClassName(), rtl::cpUtf8));
    writer.WriteAnsiString(Name());
    WriteData(writer);
}

rtl::UnicodeString TuxSkinProperty::GetTypeName() const {
    return TypeNameOf(ClassName());
}

bool TuxSkinProperty::SameAs(const TuxSkinProperty&) const {
    return false;
}

bool TuxSkinProperty::SameNameAndClass(const TuxSkinProperty& other) const {
    return Name() == other.Name() && ClassType() == other.ClassType();
}

std::unique_ptr<TuxSkinCustomPersistentObject> TuxSkinIntegerProperty::NewInstance(rtl::TPersistent* owner,
                                                                                   rtl::AnsiString name) const {
    return MakeSkinObject<TuxSkinIntegerProperty>(owner, std::move(name));
}

void TuxSkinIntegerProperty::ReadData(TuxSkinReader& reader) {
    SetValue(reader.ReadInt32());
}

void TuxSkinIntegerProperty::WriteData(TuxSkinWriter& writer) const {
    writer.WriteInt32(Value());
}

std::unique_ptr<TuxSkinCustomPersistentObject> TuxSkinBooleanProperty::NewInstance(rtl::TPersistent* owner,
                                                                                   rtl::AnsiString name) const {
    return MakeSkinObject<TuxSkinBooleanProperty>(owner, std::move(name));
}

void TuxSkinBooleanProperty::ReadData(TuxSkinReader& reader) {
    SetValue(reader.ReadByte() != 0);
}

void TuxSkinBooleanProperty::WriteData(TuxSkinWriter& writer) const {
    writer.WriteByte(Value() ? 1 : 0);
}

std::unique_ptr<TuxSkinCustomPersistentObject> TuxSkinColor::NewInstance(rtl::TPersistent* owner,
                                                                         rtl::AnsiString name) const {
    return MakeSkinObject<TuxSkinColor>(owner, std::move(name));
}

void TuxSkinColor::ReadData(TuxSkinReader& reader) {
    SetValue(reader.ReadInt32());
}

void TuxSkinColor::WriteData(TuxSkinWriter& writer) const {
    writer.WriteInt32(Value());
}

std::unique_ptr<TuxSkinCustomPersistentObject> TuxSkinRectProperty::NewInstance(rtl::TPersistent* owner,
                                                                                rtl::AnsiString name) const {
    return MakeSkinObject<TuxSkinRectProperty>(owner, std::move(name));
}

void TuxSkinRectProperty::ReadData(TuxSkinReader& reader) {
    SetValue(ReadRect(reader));
}

void TuxSkinRectProperty::WriteData(TuxSkinWriter& writer) const {
    writer.WriteInt32(Value().Left);
    writer.WriteInt32(Value().Top);
    writer.WriteInt32(Value().Right);
    writer.WriteInt32(Value().Bottom);
}

std::unique_ptr<TuxSkinCustomPersistentObject> TuxSkinSizeProperty::NewInstance(rtl::TPersistent* owner,
                                                                                rtl::AnsiString name) const {
    return MakeSkinObject<TuxSkinSizeProperty>(owner, std::move(name));
}

void TuxSkinSizeProperty::ReadData(TuxSkinReader& reader) {
    vcl::TSize size;
    size.cx = reader.ReadInt32();
    size.cy = reader.ReadInt32();
    SetValue(size);
}

void TuxSkinSizeProperty::WriteData(TuxSkinWriter& writer) const {
    writer.WriteInt32(Value().cx);
    writer.WriteInt32(Value().cy);
}

std::unique_ptr<TuxSkinCustomPersistentObject> TuxSkinStringProperty::NewInstance(rtl::TPersistent* owner,
                                                                                  rtl::AnsiString name) const {
    return MakeSkinObject<TuxSkinStringProperty>(owner, std::move(name));
}

void TuxSkinStringProperty::ReadData(TuxSkinReader& reader) {
    SetValue(reader.ReadAnsiString());
}

void TuxSkinStringProperty::WriteData(TuxSkinWriter& writer) const {
    writer.WriteAnsiString(Value());
}

rtl::UnicodeString TuxSkinStringProperty::GetText() const {
    return rtl::AnsiToUnicode(Value());
}

std::unique_ptr<TuxSkinCustomPersistentObject> TuxSkinWideStringProperty::NewInstance(rtl::TPersistent* owner,
                                                                                      rtl::AnsiString name) const {
    return MakeSkinObject<TuxSkinWideStringProperty>(owner, std::move(name));
}

void TuxSkinWideStringProperty::Assign(const rtl::TPersistent* source) {
    if (const auto* property = dynamic_cast<const TuxSkinWideStringProperty*>(source)) {
        SetWideValue(property->FWideValue);
        return;
    }
    TuxSkinStringProperty::Assign(source);
}

void TuxSkinWideStringProperty::ReadData(TuxSkinReader& reader) {
    SetWideValue(reader.ReadWideString());
}

void TuxSkinWideStringProperty::WriteData(TuxSkinWriter& writer) const {
    writer.WriteWideString(FWideValue);
}

bool TuxSkinWideStringProperty::SameAs(const TuxSkinProperty& other) const {
    return SameNameAndClass(other) && static_cast<const TuxSkinWideStringProperty&>(other).FWideValue == FWideValue;
}

void TuxSkinWideStringProperty::SetWideValue(rtl::UnicodeString value) {
    if (value != FWideValue) {
        FWideValue = std::move(value);
        DoChange();
    }
}

std::span<const TuxSkinPropertyClass> SkinPropertyClasses() {
    return PropertyClassTable();
}

const TuxSkinPropertyClass& FindSkinPropertyClass(rtl::UnicodeStringView className) {
    for (const TuxSkinPropertyClass& propertyClass : PropertyClassTable()) {
        if (rtl::SameText(propertyClass.Metaclass->ClassName(), className)) {
            return propertyClass;
        }
    }
    throw rtl::EClassNotFound(rtl::Format(rtl::RtlMessages::ClassNotFound, {className}));
}

const TuxSkinPropertyClass* FindSkinPropertyType(rtl::UnicodeStringView typeName) {
    for (const TuxSkinPropertyClass& propertyClass : PropertyClassTable()) {
        if (TypeNameOf(propertyClass.Metaclass->ClassName()) == typeName) {
            return &propertyClass;
        }
    }
    return nullptr;
}

TuxSkinProperty* TuxSkinProperties::AddProperty(rtl::AnsiString name, const rtl::TMetaclass& propertyClass) {
    const TuxSkinPropertyClass& found = FindSkinPropertyClass(propertyClass.ClassName());
    return static_cast<TuxSkinProperty*>(AddObject(found.Create(Owner(), std::move(name))));
}

TuxSkinColor* TuxSkinProperties::AddColor(rtl::AnsiString name, vcl::TColor value) {
    auto color = std::make_unique<TuxSkinColor>(Owner(), std::move(name), value);
    return static_cast<TuxSkinColor*>(AddObject(std::move(color)));
}

void TuxSkinProperties::ReadFromStream(TuxSkinReader& reader, double) {
    const TuxSkinUpdateLock lock(*this);
    const int32_t count = reader.ReadCount(MinimumPropertyRecordSize);
    for (int32_t i = 0; i < count; ++i) {
        const rtl::AnsiString className = reader.ReadAnsiString();
        const TuxSkinPropertyClass& propertyClass = FindSkinPropertyClass(rtl::AnsiToUnicode(className, rtl::cpUtf8));
        auto property = propertyClass.Create(Owner(), {});
        static_cast<TuxSkinProperty&>(*property).ReadFromStream(reader);
        AddObject(std::move(property));
    }
}

void TuxSkinProperties::WriteToStream(TuxSkinWriter& writer) const {
    writer.WriteInt32(Count());
    for (int32_t i = 0; i < Count(); ++i) {
        Item(i)->WriteToStream(writer);
    }
}

void TuxSkinColors::ReadFromStream(TuxSkinReader& reader, double version) {
    const bool withClassNames = version >= 0.92;
    const TuxSkinUpdateLock lock(*this);
    const int32_t count = reader.ReadCount(withClassNames ? 12 : 8);
    for (int32_t i = 0; i < count; ++i) {
        if (withClassNames) {
            reader.ReadAnsiString();
        }
        rtl::AnsiString name = reader.ReadAnsiString();
        AddColor(std::move(name), reader.ReadInt32());
    }
}

} // namespace ui
