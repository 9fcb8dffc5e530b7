#pragma once
// The typed properties of skins, groups and elements (an integer "FontDelta", a boolean "MergeBorders", a colour
// "TextColorHot", a wide string "DisplayName"...), the property lists, and the skin's list of named colours. A
// property record of a stream names its class ("TuxSkinIntegerProperty"), then the property, then its value; the
// seven classes a stream may name are those of SkinPropertyClasses.

#include "rtl/core/Metaclass.h"
#include "ui/core/skins/objects/uxSkinObjects.h"
#include "vcl/graphics/Colors.h"
#include "vcl/system/Types.h"

#include <span>

namespace ui {

class TuxSkinReader;
class TuxSkinWriter;

class TuxSkinProperty : public TuxSkinCustomPersistentObject {
    RTL_DECLARE_CLASS(TuxSkinProperty, TuxSkinCustomPersistentObject)
public:
    using TuxSkinCustomPersistentObject::TuxSkinCustomPersistentObject;

    // The value as a stream holds it; nothing here.
    virtual void ReadData(TuxSkinReader& reader);
    virtual void WriteData(TuxSkinWriter& writer) const;
    // The name, then the value.
    void ReadFromStream(TuxSkinReader& reader);
    // The class name, the name, then the value.
    void WriteToStream(TuxSkinWriter& writer) const;
    // The class name without "TuxSkin" and then "Property" ("Integer", "Color", "Border").
    rtl::UnicodeString GetTypeName() const;
    // Same name, same class and same value; false here.
    virtual bool SameAs(const TuxSkinProperty& other) const;

protected:
    bool SameNameAndClass(const TuxSkinProperty& other) const;
};

// A property holding one value of type TValue, which a setter stores and tells only when it changes.
template <class TValue>
class TuxSkinValueProperty : public TuxSkinProperty {
public:
    TuxSkinValueProperty(rtl::TPersistent* owner, rtl::AnsiString name, TValue value = {})
        : TuxSkinProperty(owner, std::move(name)), FValue(std::move(value)) {}

    const TValue& Value() const { return FValue; }
    void SetValue(const TValue& value) {
        if (!(value == FValue)) {
            FValue = value;
            DoChange();
        }
    }
    void Assign(const rtl::TPersistent* source) override {
        if (const auto* property = dynamic_cast<const TuxSkinValueProperty*>(source)) {
            SetValue(property->FValue);
            return;
        }
        TuxSkinProperty::Assign(source);
    }
    bool SameAs(const TuxSkinProperty& other) const override {
        return SameNameAndClass(other) && static_cast<const TuxSkinValueProperty&>(other).FValue == FValue;
    }

protected:
    TValue FValue;
};

class TuxSkinIntegerProperty : public TuxSkinValueProperty<int32_t> {
    RTL_DECLARE_CLASS(TuxSkinIntegerProperty, TuxSkinProperty)
public:
    using TuxSkinValueProperty::TuxSkinValueProperty;
    std::unique_ptr<TuxSkinCustomPersistentObject> NewInstance(rtl::TPersistent* owner,
                                                               rtl::AnsiString name) const override;
    void ReadData(TuxSkinReader& reader) override;
    void WriteData(TuxSkinWriter& writer) const override;
};

class TuxSkinBooleanProperty : public TuxSkinValueProperty<bool> {
    RTL_DECLARE_CLASS(TuxSkinBooleanProperty, TuxSkinProperty)
public:
    using TuxSkinValueProperty::TuxSkinValueProperty;
    std::unique_ptr<TuxSkinCustomPersistentObject> NewInstance(rtl::TPersistent* owner,
                                                               rtl::AnsiString name) const override;
    // Any byte but 0 is true.
    void ReadData(TuxSkinReader& reader) override;
    void WriteData(TuxSkinWriter& writer) const override;
};

// A named colour; clDefault until set.
class TuxSkinColor : public TuxSkinValueProperty<vcl::TColor> {
    RTL_DECLARE_CLASS(TuxSkinColor, TuxSkinProperty)
public:
    TuxSkinColor(rtl::TPersistent* owner, rtl::AnsiString name, vcl::TColor value = vcl::clDefault)
        : TuxSkinValueProperty(owner, std::move(name), value) {}
    std::unique_ptr<TuxSkinCustomPersistentObject> NewInstance(rtl::TPersistent* owner,
                                                               rtl::AnsiString name) const override;
    void ReadData(TuxSkinReader& reader) override;
    void WriteData(TuxSkinWriter& writer) const override;
};

// Left, Top, Right, Bottom.
class TuxSkinRectProperty : public TuxSkinValueProperty<vcl::TRect> {
    RTL_DECLARE_CLASS(TuxSkinRectProperty, TuxSkinProperty)
public:
    using TuxSkinValueProperty::TuxSkinValueProperty;
    std::unique_ptr<TuxSkinCustomPersistentObject> NewInstance(rtl::TPersistent* owner,
                                                               rtl::AnsiString name) const override;
    void ReadData(TuxSkinReader& reader) override;
    void WriteData(TuxSkinWriter& writer) const override;
};

// cx, cy.
class TuxSkinSizeProperty : public TuxSkinValueProperty<vcl::TSize> {
    RTL_DECLARE_CLASS(TuxSkinSizeProperty, TuxSkinProperty)
public:
    using TuxSkinValueProperty::TuxSkinValueProperty;
    std::unique_ptr<TuxSkinCustomPersistentObject> NewInstance(rtl::TPersistent* owner,
                                                               rtl::AnsiString name) const override;
    void ReadData(TuxSkinReader& reader) override;
    void WriteData(TuxSkinWriter& writer) const override;
};

// An ANSI string, its bytes kept as they are.
class TuxSkinStringProperty : public TuxSkinValueProperty<rtl::AnsiString> {
    RTL_DECLARE_CLASS(TuxSkinStringProperty, TuxSkinProperty)
public:
    using TuxSkinValueProperty::TuxSkinValueProperty;
    std::unique_ptr<TuxSkinCustomPersistentObject> NewInstance(rtl::TPersistent* owner,
                                                               rtl::AnsiString name) const override;
    void ReadData(TuxSkinReader& reader) override;
    void WriteData(TuxSkinWriter& writer) const override;
    // The value as text: converted from the program's ANSI code page here.
    virtual rtl::UnicodeString GetText() const;
};

// A UTF-16 string, kept as UTF-16 (the inherited ANSI value stays empty).
class TuxSkinWideStringProperty : public TuxSkinStringProperty {
    RTL_DECLARE_CLASS(TuxSkinWideStringProperty, TuxSkinStringProperty)
public:
    using TuxSkinStringProperty::TuxSkinStringProperty;
    std::unique_ptr<TuxSkinCustomPersistentObject> NewInstance(rtl::TPersistent* owner,
                                                               rtl::AnsiString name) const override;
    void Assign(const rtl::TPersistent* source) override;
    void ReadData(TuxSkinReader& reader) override;
    void WriteData(TuxSkinWriter& writer) const override;
    bool SameAs(const TuxSkinProperty& other) const override;
    rtl::UnicodeString GetText() const override { return FWideValue; }

    const rtl::UnicodeString& WideValue() const { return FWideValue; }
    void SetWideValue(rtl::UnicodeString value);

private:
    rtl::UnicodeString FWideValue;
};

// One property class that streams may name.
struct TuxSkinPropertyClass {
    const rtl::TMetaclass* Metaclass;
    std::unique_ptr<TuxSkinCustomPersistentObject> (*Create)(rtl::TPersistent* owner, rtl::AnsiString name);
};

// The seven classes, in the order they register: Integer, Color, Rect, Size, Boolean, String, WideString.
std::span<const TuxSkinPropertyClass> SkinPropertyClasses();
// The class of that name (without regard to ASCII case, as the class registry looks names up); EClassNotFound when
// there is none.
const TuxSkinPropertyClass& FindSkinPropertyClass(rtl::UnicodeStringView className);
// The class with that type name ("Integer", "WideString"), or nullptr.
const TuxSkinPropertyClass* FindSkinPropertyType(rtl::UnicodeStringView typeName);

class TuxSkinProperties : public TuxSkinObjectList<TuxSkinProperty> {
public:
    using TuxSkinObjectList::TuxSkinObjectList;

    // A new property of that class (one of SkinPropertyClasses) appended.
    TuxSkinProperty* AddProperty(rtl::AnsiString name, const rtl::TMetaclass& propertyClass);
    TuxSkinColor* AddColor(rtl::AnsiString name, vcl::TColor value);
    // An int32 count, then per record the class name, the name and the value.
    virtual void ReadFromStream(TuxSkinReader& reader, double version);
    void WriteToStream(TuxSkinWriter& writer) const;
};

// The named colours of a skin: TuxSkinColor items only.
class TuxSkinColors : public TuxSkinProperties {
public:
    using TuxSkinProperties::TuxSkinProperties;

    TuxSkinColor* Color(int32_t index) const { return static_cast<TuxSkinColor*>(Item(index)); }
    TuxSkinColor* FindColor(std::string_view name) { return static_cast<TuxSkinColor*>(FindByName(name)); }
    // Per record the class name (from version 0.92 on; read and ignored), the name and the value.
    void ReadFromStream(TuxSkinReader& reader, double version) override;
};

} // namespace ui
