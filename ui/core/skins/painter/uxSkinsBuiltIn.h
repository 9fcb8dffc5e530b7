#pragma once
// The three skins built into the program, "Blue", "Office2007Blue" and "UserSkin": each loaded at start-up from the
// executable's "UXSKINS" resource, wrapped in a skin info and registered under its name with its own painter class in
// the painter registry, through which each painter finds its info. Skins are optional: without GDI+ none registers, and
// a skin whose resource is missing or does not load is reported and left out while the others register; a look-and-feel
// naming it draws with its kind.

#include "rtl/text/StringTypes.h"
#include "ui/core/skins/painter/uxSkinsLookAndFeelPainter.h"

#include <functional>
#include <memory>

namespace ui {

class TuxBluePainter final : public TuxSkinLookAndFeelPainter {
public:
    static const TuxBluePainter& Instance();
    rtl::UnicodeString OwnerUnitName() const override;
};

class TuxOffice2007BluePainter final : public TuxSkinLookAndFeelPainter {
public:
    static const TuxOffice2007BluePainter& Instance();
    rtl::UnicodeString OwnerUnitName() const override;
};

class TuxSkinsUserSkinPainter final : public TuxSkinLookAndFeelPainter {
public:
    static const TuxSkinsUserSkinPainter& Instance();
    rtl::UnicodeString OwnerUnitName() const override;
};

// How the built-in skins are loaded and how a failure is told; tests replace them.
struct TuxBuiltInSkinsSeam {
    // The skin of a resource name, loaded; raises when it cannot be.
    std::function<std::unique_ptr<TuxSkin>(const rtl::AnsiString& resourceName)> LoadSkin;
    // Told when a skin is left out.
    std::function<void(rtl::UnicodeStringView skinName, rtl::UnicodeStringView message)> ReportFailure;
};
TuxBuiltInSkinsSeam& BuiltInSkinsSeam();
// The resource loader and the debugger output.
TuxBuiltInSkinsSeam DefaultBuiltInSkinsSeam();

// Registers the user skin, then "Blue", then "Office2007Blue" when GDI+ is available.
void RegisterBuiltInSkins();
// Unregisters them while the painter registry exists.
void UnregisterBuiltInSkins();

void InitializeBuiltInSkinsUnit();
void FinalizeBuiltInSkinsUnit();

} // namespace ui
