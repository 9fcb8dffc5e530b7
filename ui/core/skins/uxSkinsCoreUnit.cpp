#include "ui/core/skins/uxSkinsCoreUnit.h"

#include "rtl/core/ClassRegistry.h"
#include "ui/core/gdiplus/uxUnitsLoader.h"
#include "ui/core/skins/elements/uxSkin.h"
#include "ui/core/skins/texts/uxSkinsCoreStrs.h"

#include <memory>

namespace ui {

namespace {

std::unique_ptr<TuxSkinEmptyElement> EmptyElement;

void RegisterSkinClasses(bool registering) {
    const rtl::TMetaclass* classes[] = {&TuxSkinControlGroup::StaticClass(), &TuxSkinElement::StaticClass(),
                                        &TuxSkinImage::StaticClass()};
    for (const rtl::TMetaclass* metaclass : classes) {
        registering ? rtl::RegisterClass(*metaclass) : rtl::UnRegisterClass(*metaclass);
    }
    for (const TuxSkinPropertyClass& propertyClass : SkinPropertyClasses()) {
        registering ? rtl::RegisterClass(*propertyClass.Metaclass) : rtl::UnRegisterClass(*propertyClass.Metaclass);
    }
}

void StartSkinsCore() {
    RegisterSkinsCoreStrs();
    RegisterSkinClasses(true);
    EmptyElement = std::make_unique<TuxSkinEmptyElement>(nullptr, rtl::AnsiString());
    PrepareSkinTextures();
}

void StopSkinsCore() {
    EmptyElement.reset();
    RegisterSkinClasses(false);
    UnregisterSkinsCoreStrs();
}

} // namespace

TuxSkinEmptyElement* SkinEmptyElement() {
    return EmptyElement.get();
}

void InitializeSkinsCoreUnit() {
    GetUnitsLoader().StartUnit(StartSkinsCore, StopSkinsCore);
}

void FinalizeSkinsCoreUnit() {
    GetUnitsLoader().StopUnit(StopSkinsCore);
}

} // namespace ui
