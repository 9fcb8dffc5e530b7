#include "ui/pagecontrol/tabs/uiPCPaintersFactory.h"

#include "ui/pagecontrol/tabs/uiPCStrs.h"

#include <algorithm>

namespace ui {

namespace {

constexpr char16_t FactoryClassName[] = u"TuiPCPaintersFactory";

std::unique_ptr<TuiPCPaintersFactory>& FactoryInstance() {
    static std::unique_ptr<TuiPCPaintersFactory> factory;
    return factory;
}

// What the queries of a control read while no style is registered.
const TuiPCPaintersFactory& FactoryOrEmpty() {
    static const TuiPCPaintersFactory empty;
    const TuiPCPaintersFactory* factory = PCPaintersFactory();
    return factory ? *factory : empty;
}

} // namespace

TuiPCPainterClass TuiPCPaintersFactory::GetPainterClass(TuiPCStyleID styleID) const {
    for (TuiPCPainterClass painterClass : FClasses) {
        if (painterClass->GetStyleID() == styleID) {
            return painterClass;
        }
    }
    return nullptr;
}

TuiPCStyleID TuiPCPaintersFactory::GetStyleForLookAndFeel(const TuiLookAndFeel& lookAndFeel) const {
    for (auto it = FClasses.rbegin(); it != FClasses.rend(); ++it) {
        if ((*it)->IsDefaultForLookAndFeel(lookAndFeel)) {
            return (*it)->GetStyleID();
        }
    }
    return -1;
}

TuiPCStyleID TuiPCPaintersFactory::GetDefaultStyleID(const TuiLookAndFeel& lookAndFeel) const {
    if (FClasses.empty()) {
        RaisePCError(FactoryClassName, u"GetDefaultStyleID", suiPCNoRegisteredStyles);
    }
    for (auto it = FClasses.rbegin(); it != FClasses.rend(); ++it) {
        if ((*it)->IsDefaultForNativeStyle(lookAndFeel)) {
            return (*it)->GetStyleID();
        }
    }
    return FClasses.front()->GetStyleID();
}

std::unique_ptr<TuiPCCustomPainter> TuiPCPaintersFactory::GetPainterInstance(TuiPCPainterClass painterClass,
                                                                             TuiCustomTabControl& control) const {
    if (!painterClass) {
        RaisePCError(FactoryClassName, u"GetPainterInstance", suiPCPainterClassError);
    }
    return painterClass->CreatePainter(control);
}

const TuiPCPaintersFactory* PCPaintersFactory() {
    return FactoryInstance().get();
}

void RegisterPCPainterClass(TuiPCPainterClass painterClass) {
    std::unique_ptr<TuiPCPaintersFactory>& factory = FactoryInstance();
    if (!factory) {
        factory = std::make_unique<TuiPCPaintersFactory>();
    }
    std::vector<TuiPCPainterClass>& classes = factory->FClasses;
    if (std::find(classes.begin(), classes.end(), painterClass) == classes.end()) {
        classes.push_back(painterClass);
    }
}

void UnregisterPCPainterClass(TuiPCPainterClass painterClass) {
    std::unique_ptr<TuiPCPaintersFactory>& factory = FactoryInstance();
    if (!factory) {
        return;
    }
    std::erase(factory->FClasses, painterClass);
    if (factory->FClasses.empty()) {
        factory.reset();
    }
}

TuiPCStyleID GetPCDefaultStyle(const TuiLookAndFeel& lookAndFeel) {
    const TuiPCPaintersFactory& factory = FactoryOrEmpty();
    const TuiPCStyleID style = factory.GetStyleForLookAndFeel(lookAndFeel);
    return style != -1 ? style : factory.GetDefaultStyleID(lookAndFeel);
}

TuiPCPainterClass FindPCPainterClass(TuiPCStyleID styleID) {
    return FactoryOrEmpty().GetPainterClass(styleID);
}

} // namespace ui
