#include "ui/core/gdiplus/uxUnitsLoader.h"

#include <algorithm>
#include <memory>

namespace ui {

namespace {

std::unique_ptr<TuxUnitsLoader> ProcessUnitsLoader;

} // namespace

TuxUnitsLoader::~TuxUnitsLoader() {
    Finalize();
}

void TuxUnitsLoader::StartUnit(TUnitProcedure startUp, TUnitProcedure shutDown) {
    if (startUp) {
        startUp();
        FStarted = true;
    }
    if (shutDown) {
        FShutDowns.push_back(shutDown);
    }
}

void TuxUnitsLoader::StopUnit(TUnitProcedure shutDown) {
    const auto listed = std::find(FShutDowns.rbegin(), FShutDowns.rend(), shutDown);
    if (listed == FShutDowns.rend()) {
        return;
    }
    FShutDowns.erase(std::next(listed).base());
    shutDown();
}

// The list is taken over first, so a shut-down that stops another unit finds nothing left to run twice.
void TuxUnitsLoader::Finalize() {
    std::vector<TUnitProcedure> shutDowns;
    shutDowns.swap(FShutDowns);
    if (FStarted) {
        std::for_each(shutDowns.rbegin(), shutDowns.rend(), [](TUnitProcedure shutDown) { shutDown(); });
    }
    FStarted = false;
}

TuxUnitsLoader& GetUnitsLoader() {
    if (!ProcessUnitsLoader) {
        ProcessUnitsLoader = std::make_unique<TuxUnitsLoader>();
    }
    return *ProcessUnitsLoader;
}

void FreeUnitsLoader() {
    ProcessUnitsLoader.reset();
}

} // namespace ui
