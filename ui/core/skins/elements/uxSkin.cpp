#include "ui/core/skins/elements/uxSkin.h"

#include "rtl/text/CodePages.h"
#include "ui/core/skins/elements/uxSkinTexture.h"
#include "ui/core/skins/stream/uxSkinStreamIO.h"
#include "ui/core/skins/texts/uxSkinsCoreStrs.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace ui {

namespace {

constexpr char Signature[] = "uxSkin";
constexpr int32_t SignatureLength = 6;
// The shortest group record: the name's length and the element count.
constexpr int32_t MinimumGroupRecordSize = 8;

void ReadHeader(TuxSkinReader& reader) {
    char signature[SignatureLength] = {};
    if (reader.Remaining() < 4 + SignatureLength) {
        throw EuxSkin(LoadResStringText(suxSkinInvalidStreamFormat));
    }
    reader.ReadInt32();
    reader.ReadBytes(signature, SignatureLength);
    if (std::memcmp(signature, Signature, SignatureLength) != 0) {
        throw EuxSkin(LoadResStringText(suxSkinInvalidStreamFormat));
    }
}

} // namespace

TuxSkinControlGroup::TuxSkinControlGroup(rtl::TPersistent* owner, rtl::AnsiString name)
    : TuxSkinPersistent(owner, std::move(name)), FElements(std::make_unique<TuxSkinElements>(this)) {
    FElements->SetOnListChanged([this] { ChildChanged(); });
}

TuxSkinControlGroup::~TuxSkinControlGroup() = default;

std::unique_ptr<TuxSkinCustomPersistentObject> TuxSkinControlGroup::NewInstance(rtl::TPersistent* owner,
                                                                                rtl::AnsiString name) const {
    return MakeSkinObject<TuxSkinControlGroup>(owner, std::move(name));
}

void TuxSkinControlGroup::Assign(const rtl::TPersistent* source) {
    if (const auto* group = dynamic_cast<const TuxSkinControlGroup*>(source)) {
        const TuxSkinUpdateLock lock(*this);
        FElements->AssignList(*group->FElements);
    }
    TuxSkinPersistent::Assign(source);
}

TuxSkinElement* TuxSkinControlGroup::AddElement(rtl::AnsiString name) {
    return AddElementEx(std::make_unique<TuxSkinElement>(this, std::move(name)));
}

TuxSkinElement* TuxSkinControlGroup::AddElementEx(std::unique_ptr<TuxSkinElement> element) {
    return FElements->Add(std::move(element));
}

TuxSkin* TuxSkinControlGroup::GetSkin() const {
    return dynamic_cast<TuxSkin*>(GetOwner());
}

void TuxSkinControlGroup::Clear() {
    const TuxSkinUpdateLock lock(*this);
    TuxSkinPersistent::Clear();
    FElements->Clear();
}

void TuxSkinControlGroup::Sort() {
    TuxSkinPersistent::Sort();
    FElements->Sort();
}

void TuxSkinControlGroup::ReadFromStream(TuxSkinReader& reader, double version) {
    FElements->ReadFromStream(reader, version);
    if (version >= 0.91) {
        Properties().ReadFromStream(reader, version);
    }
}

void TuxSkinControlGroup::WriteToStream(TuxSkinWriter& writer) const {
    FElements->WriteToStream(writer);
    Properties().WriteToStream(writer);
}

void TuxSkinControlGroups::ReadFromStream(TuxSkinReader& reader, double version) {
    const TuxSkinUpdateLock lock(*this);
    const int32_t count = reader.ReadCount(MinimumGroupRecordSize);
    for (int32_t i = 0; i < count; ++i) {
        auto group = std::make_unique<TuxSkinControlGroup>(Owner(), reader.ReadAnsiString());
        group->ReadFromStream(reader, version);
        Add(std::move(group));
    }
}

void TuxSkinControlGroups::WriteToStream(TuxSkinWriter& writer) const {
    writer.WriteInt32(Count());
    for (int32_t i = 0; i < Count(); ++i) {
        writer.WriteAnsiString(Item(i)->Name());
        Item(i)->WriteToStream(writer);
    }
}

TuxSkin::TuxSkin(rtl::AnsiString name)
    : TuxSkinPersistent(nullptr, std::move(name)), FColors(std::make_unique<TuxSkinColors>(this)),
      FGroups(std::make_unique<TuxSkinControlGroups>(this)) {
    FColors->SetOnListChanged([this] { ChildChanged(); });
    FGroups->SetOnListChanged([this] { ChildChanged(); });
}

TuxSkin::~TuxSkin() {
    FDestroying = true;
    FListeners.clear();
}

std::unique_ptr<TuxSkinCustomPersistentObject> TuxSkin::NewInstance(rtl::TPersistent* owner,
                                                                    rtl::AnsiString name) const {
    return MakeSkinObject<TuxSkin>(owner, std::move(name));
}

void TuxSkin::Assign(const rtl::TPersistent* source) {
    const auto* skin = dynamic_cast<const TuxSkin*>(source);
    if (!skin) {
        TuxSkinPersistent::Assign(source);
        return;
    }
    const TuxSkinUpdateLock lock(*this);
    FColors->AssignList(*skin->FColors);
    FGroups->AssignList(*skin->FGroups);
    TuxSkinPersistent::Assign(source);
}

std::unique_ptr<TuxSkin> TuxSkin::CloneSkin() const {
    auto copy = std::make_unique<TuxSkin>(Name());
    copy->Assign(this);
    return copy;
}

rtl::UnicodeString TuxSkin::GetDisplayName() const {
    if (const auto* displayName = dynamic_cast<const TuxSkinStringProperty*>(GetPropertyByName("DisplayName"))) {
        return displayName->GetText();
    }
    return rtl::AnsiToUnicode(Name());
}

TuxSkinControlGroup* TuxSkin::AddGroup(rtl::AnsiString name) {
    return FGroups->Add(std::make_unique<TuxSkinControlGroup>(this, std::move(name)));
}

void TuxSkin::AddListener(IuxSkinChangeSink* listener) {
    if (listener && std::find(FListeners.begin(), FListeners.end(), listener) == FListeners.end()) {
        FListeners.push_back(listener);
    }
}

void TuxSkin::RemoveListener(IuxSkinChangeSink* listener) {
    std::erase(FListeners, listener);
}

void TuxSkin::Clear() {
    const TuxSkinUpdateLock lock(*this);
    TuxSkinPersistent::Clear();
    FGroups->Clear();
    FColors->Clear();
}

void TuxSkin::DeleteProperty(TuxSkinProperty* property) {
    TuxSkinPersistent::DeleteProperty(property);
    FColors->Remove(property);
}

void TuxSkin::Sort() {
    TuxSkinPersistent::Sort();
    FGroups->Sort();
    FColors->Sort();
    for (int32_t i = 0; i < FGroups->Count(); ++i) {
        FGroups->Item(i)->Sort();
    }
}

void TuxSkin::DoChange() {
    NotifyListeners();
    TuxSkinPersistent::DoChange();
}

// A listener may change the skin while it is told; the lock keeps that from telling the listeners again.
void TuxSkin::NotifyListeners() {
    if (FDestroying) {
        return;
    }
    struct TQuietLock {
        TuxSkin& Skin;
        explicit TQuietLock(TuxSkin& skin) : Skin(skin) { Skin.BeginUpdate(); }
        ~TQuietLock() { Skin.EndUpdateQuietly(); }
    } lock(*this);
    const std::vector<IuxSkinChangeSink*> listeners = FListeners;
    for (IuxSkinChangeSink* listener : listeners) {
        listener->SkinChanged(this);
    }
}

void TuxSkin::LoadFromStream(rtl::TStream& stream) {
    if (!SkinTexturesAvailable()) {
        return;
    }
    TuxSkinReader reader(stream);
    ReadHeader(reader);
    const double version = reader.ReadDouble();
    if (!std::isfinite(version) || version < SkinStreamOldestVersion) {
        throw EuxSkin(LoadResStringText(suxSkinVersionMismatch));
    }
    rtl::AnsiString name = reader.ReadAnsiString();
    TuxSkin loaded(name);
    loaded.ReadContents(reader, version);
    TakeOver(loaded, std::move(name), version);
}

void TuxSkin::ReadContents(TuxSkinReader& reader, double version) {
    FColors->ReadFromStream(reader, version);
    Properties().ReadFromStream(reader, version);
    FGroups->ReadFromStream(reader, version);
}

void TuxSkin::TakeOver(TuxSkin& loaded, rtl::AnsiString name, double version) {
    const TuxSkinUpdateLock lock(*this);
    StoreName(std::move(name));
    FVersion = version;
    FColors->SwapItems(*loaded.FColors);
    Properties().SwapItems(loaded.Properties());
    FGroups->SwapItems(*loaded.FGroups);
}

void TuxSkin::SaveToStream(rtl::TStream& stream) const {
    TuxSkinWriter writer(stream);
    writer.WriteInt32(SignatureLength);
    writer.WriteBytes(Signature, SignatureLength);
    writer.WriteDouble(SkinStreamVersion);
    writer.WriteAnsiString(Name());
    FColors->WriteToStream(writer);
    Properties().WriteToStream(writer);
    FGroups->WriteToStream(writer);
}

} // namespace ui
