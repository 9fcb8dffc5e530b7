#include "ui/core/skins/painter/uxSkinsBuiltIn.h"

#include "rtl/WindowsApi.h"
#include "rtl/core/Exceptions.h"
#include "ui/core/gdiplus/uxGdiPlusAPI.h"
#include "ui/core/gdiplus/uxUnitsLoader.h"
#include "ui/core/painters/uiPainterRegistry.h"

#include <array>

namespace ui {

namespace {

struct TBuiltInSkin {
    const char16_t* Name;
    const char* Resource;
    const TuxSkinLookAndFeelPainter& (*Painter)();
    bool UserSkin;
    // Registered by this unit (a name registered before is left to its owner).
    bool Registered = false;
};

const TuxSkinLookAndFeelPainter& BluePainter() {
    return TuxBluePainter::Instance();
}
const TuxSkinLookAndFeelPainter& Office2007BluePainter() {
    return TuxOffice2007BluePainter::Instance();
}
const TuxSkinLookAndFeelPainter& UserSkinPainter() {
    return TuxSkinsUserSkinPainter::Instance();
}

// In the program's unit order.
std::array<TBuiltInSkin, 3> BuiltInSkins{{
    {u"UserSkin", "DEFAULTUSERSKINDATA", UserSkinPainter, true},
    {u"Blue", "BLUE", BluePainter, false},
    {u"Office2007Blue", "OFFICE2007BLUE", Office2007BluePainter, false},
}};

std::unique_ptr<TuxSkinInfo> MakeSkinInfo(const TBuiltInSkin& entry) {
    std::unique_ptr<TuxSkin> skin = BuiltInSkinsSeam().LoadSkin(entry.Resource);
    if (entry.UserSkin) {
        return std::make_unique<TuxSkinUserLookAndFeelPainterInfo>(std::move(skin));
    }
    return std::make_unique<TuxSkinLookAndFeelPainterInfo>(std::move(skin));
}

void RegisterBuiltInSkin(TuiExtendedStylePainters& registry, TBuiltInSkin& entry) {
    std::unique_ptr<TuxSkinInfo> info;
    try {
        info = MakeSkinInfo(entry);
    } catch (const rtl::Exception& error) {
        BuiltInSkinsSeam().ReportFailure(entry.Name, error.Message());
        return;
    }
    std::unique_ptr<rtl::TObject> data = std::move(info);
    entry.Registered = registry.Register(entry.Name, &entry.Painter(), data);
}

void StartBuiltInSkins() {
    RegisterBuiltInSkins();
}

void StopBuiltInSkins() {
    UnregisterBuiltInSkins();
}

} // namespace

const TuxBluePainter& TuxBluePainter::Instance() {
    static const TuxBluePainter instance;
    return instance;
}

rtl::UnicodeString TuxBluePainter::OwnerUnitName() const {
    return u"uxSkinBlue";
}

const TuxOffice2007BluePainter& TuxOffice2007BluePainter::Instance() {
    static const TuxOffice2007BluePainter instance;
    return instance;
}

rtl::UnicodeString TuxOffice2007BluePainter::OwnerUnitName() const {
    return u"uxSkinOffice2007Blue";
}

const TuxSkinsUserSkinPainter& TuxSkinsUserSkinPainter::Instance() {
    static const TuxSkinsUserSkinPainter instance;
    return instance;
}

rtl::UnicodeString TuxSkinsUserSkinPainter::OwnerUnitName() const {
    return u"uxSkinsDefaultPainters";
}

TuxBuiltInSkinsSeam DefaultBuiltInSkinsSeam() {
    TuxBuiltInSkinsSeam seam;
    seam.LoadSkin = [](const rtl::AnsiString& resourceName) {
        return std::make_unique<TuxSkin>(resourceName, true, nullptr);
    };
    seam.ReportFailure = [](rtl::UnicodeStringView skinName, rtl::UnicodeStringView message) {
        rtl::UnicodeString text = u"Skin \"";
        text.append(skinName).append(u"\" not registered: ").append(message).append(u"\n");
        OutputDebugStringW(reinterpret_cast<const wchar_t*>(text.c_str()));
    };
    return seam;
}

TuxBuiltInSkinsSeam& BuiltInSkinsSeam() {
    static TuxBuiltInSkinsSeam seam = DefaultBuiltInSkinsSeam();
    return seam;
}

void RegisterBuiltInSkins() {
    TuiExtendedStylePainters* registry = ExtendedStylePainters();
    if (!registry || !IsGdiPlusAvailable()) {
        return;
    }
    for (TBuiltInSkin& entry : BuiltInSkins) {
        RegisterBuiltInSkin(*registry, entry);
    }
}

void UnregisterBuiltInSkins() {
    TuiExtendedStylePainters* registry = ExtendedStylePainters();
    for (TBuiltInSkin& entry : BuiltInSkins) {
        if (registry && entry.Registered) {
            registry->Unregister(entry.Name);
        }
        entry.Registered = false;
    }
}

void InitializeBuiltInSkinsUnit() {
    GetUnitsLoader().StartUnit(StartBuiltInSkins, StopBuiltInSkins);
}

void FinalizeBuiltInSkinsUnit() {
    GetUnitsLoader().StopUnit(StopBuiltInSkins);
}

} // namespace ui
