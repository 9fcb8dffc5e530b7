#pragma once
// A skin: a named, self-contained description of how controls look. It holds named colours, typed properties (among
// them "DisplayName") and named control groups ("Grid", "Editors", "Common" ...) whose elements draw the parts of
// controls. A skin is read from and written to the skin stream (a header "uxSkin" with a float64 version, the name,
// the colours, the properties, then the groups with their elements; see the readers for the records), and tells its
// listeners once per change. Reading is all or nothing: a stream is parsed into a fresh skin, and only a stream read
// to the end replaces what the skin held.

#include "ui/core/skins/elements/uxSkinElements.h"
#include "ui/core/skins/objects/uxSkinObjects.h"
#include "ui/core/skins/objects/uxSkinProperties.h"
#include "vcl/system/WinTypes.h"

#include <memory>
#include <string_view>
#include <vector>

namespace ui {

class TuxSkin;
class TuxSkinReader;
class TuxSkinWriter;

// The version the writer stores; streams of 1.0 and later load.
inline constexpr double SkinStreamVersion = 1.03;
inline constexpr double SkinStreamOldestVersion = 1.0;

class TuxSkinControlGroup : public TuxSkinPersistent {
    RTL_DECLARE_CLASS(TuxSkinControlGroup, TuxSkinPersistent)
public:
    TuxSkinControlGroup(rtl::TPersistent* owner, rtl::AnsiString name);
    ~TuxSkinControlGroup() override;
    std::unique_ptr<TuxSkinCustomPersistentObject> NewInstance(rtl::TPersistent* owner,
                                                               rtl::AnsiString name) const override;
    // From another group: its elements, then its properties.
    void Assign(const rtl::TPersistent* source) override;

    TuxSkinElements& Elements() const { return *FElements; }
    int32_t Count() const { return FElements->Count(); }
    TuxSkinElement* Element(int32_t index) const { return FElements->Item(index); }
    TuxSkinElement* AddElement(rtl::AnsiString name);
    // Takes over an element of any element class.
    TuxSkinElement* AddElementEx(std::unique_ptr<TuxSkinElement> element);
    TuxSkinElement* GetElementByName(std::string_view name) const { return FElements->FindByName(name); }
    // The owner as a skin, or nullptr.
    TuxSkin* GetSkin() const;

    // Empties the properties and the elements.
    void Clear() override;
    void Sort() override;

    // The elements, then (from version 0.91 on) the properties.
    void ReadFromStream(TuxSkinReader& reader, double version);
    void WriteToStream(TuxSkinWriter& writer) const;

private:
    std::unique_ptr<TuxSkinElements> FElements;
};

class TuxSkinControlGroups : public TuxSkinObjectList<TuxSkinControlGroup> {
public:
    using TuxSkinObjectList::TuxSkinObjectList;

    // An int32 count, then per group its name and its record.
    void ReadFromStream(TuxSkinReader& reader, double version);
    void WriteToStream(TuxSkinWriter& writer) const;
};

// Told when a skin changed; the skin keeps the listener as a plain pointer and takes no reference.
class IuxSkinChangeSink {
public:
    virtual void SkinChanged(TuxSkin* skin) = 0;

protected:
    ~IuxSkinChangeSink() = default;
};

class TuxSkin : public TuxSkinPersistent {
    RTL_DECLARE_CLASS(TuxSkin, TuxSkinPersistent)
public:
    // An empty skin of version 1.03.
    explicit TuxSkin(rtl::AnsiString name);
    TuxSkin(rtl::TPersistent* owner, rtl::AnsiString name) : TuxSkin(std::move(name)) { SetOwner(owner); }
#ifdef _WIN32
    // With loadOnCreate, loads the resource of the skin's name and type "UXSKINS" of the module (nullptr: the
    // program's).
    TuxSkin(rtl::AnsiString name, bool loadOnCreate, HINSTANCE instance);
#endif
    // Tells no listener while it frees what it holds.
    ~TuxSkin() override;
    std::unique_ptr<TuxSkinCustomPersistentObject> NewInstance(rtl::TPersistent* owner,
                                                               rtl::AnsiString name) const override;
    // From another skin, in one change: its colours and groups, then its properties; name and version stay.
    void Assign(const rtl::TPersistent* source) override;
    // A new skin of the same name, assigned from this one.
    std::unique_ptr<TuxSkin> CloneSkin() const;

    double Version() const {
        return FVersion;
    }
    // The value of the property "DisplayName" when it is a string property, else the name.
    rtl::UnicodeString GetDisplayName() const;
    TuxSkinColors& Colors() const {
        return *FColors;
    }
    TuxSkinControlGroups& Groups() const {
        return *FGroups;
    }
    TuxSkinControlGroup* AddGroup(rtl::AnsiString name);
    TuxSkinControlGroup* GetGroupByName(std::string_view name) const {
        return FGroups->FindByName(name);
    }
    TuxSkinColor* GetColorByName(std::string_view name) const {
        return FColors->FindColor(name);
    }

    // Adds a listener (not owned) unless it is listed already.
    void AddListener(IuxSkinChangeSink* listener);
    void RemoveListener(IuxSkinChangeSink* listener);

    // Empties properties, groups and colours.
    void Clear() override;
    // Removes the object from the properties and from the colours.
    void DeleteProperty(TuxSkinProperty* property) override;
    void Sort() override;

    // Reads a whole skin stream from the stream's position. Without textures (no GDI+ on Windows) nothing is read.
    // A stream that fails (EuxSkin, or the class-not-found error of a property class) leaves the skin as it was and
    // tells nobody; one read to its end replaces name, version, colours, properties and groups in one change.
    void LoadFromStream(rtl::TStream& stream);
    // Writes the whole skin at version 1.03.
    void SaveToStream(rtl::TStream& stream) const;
#ifdef _WIN32
    // Loads the resource of the skin's name and type "UXSKINS" of the module (nullptr: the program's).
    void LoadFromResource(HINSTANCE instance);
#endif

protected:
    // Tells the listeners, then fires OnChange.
    void DoChange() override;

private:
    void NotifyListeners();
    // Reads colours, properties and groups of a stream of version into this (fresh) skin.
    void ReadContents(TuxSkinReader& reader, double version);
    // Takes over what loaded holds (loaded gets this skin's old contents), in one change.
    void TakeOver(TuxSkin& loaded, rtl::AnsiString name, double version);

    double FVersion = SkinStreamVersion;
    std::unique_ptr<TuxSkinColors> FColors;
    std::unique_ptr<TuxSkinControlGroups> FGroups;
    std::vector<IuxSkinChangeSink*> FListeners; // not owned
    bool FDestroying = false;
};

} // namespace ui
