#pragma once
// The unit loader: the units of the library that depend on GDI+ (the binding itself, the PNG picture, the skins)
// start through it and leave their shut-down with it, so that their shut-downs run in the reverse order of their
// start-ups, the binding's own (which unloads GDI+) last, whichever unit of the program shuts down first.

#include <vector>

namespace ui {

class TuxUnitsLoader {
public:
    using TUnitProcedure = void (*)();

    TuxUnitsLoader() = default;
    // Runs the shut-downs still listed.
    ~TuxUnitsLoader();
    TuxUnitsLoader(const TuxUnitsLoader&) = delete;
    TuxUnitsLoader& operator=(const TuxUnitsLoader&) = delete;

    // Runs startUp at once (when given) and lists shutDown (when given) for Finalize.
    void StartUnit(TUnitProcedure startUp, TUnitProcedure shutDown);
    // Takes shutDown off the list and runs it, when it was listed; nothing otherwise.
    void StopUnit(TUnitProcedure shutDown);
    // Runs the listed shut-downs, the last listed first, once a unit has started; the list is empty afterwards.
    void Finalize();
    bool Started() const { return FStarted; }

private:
    std::vector<TUnitProcedure> FShutDowns;
    bool FStarted = false;
};

// The process's loader, made on first use.
TuxUnitsLoader& GetUnitsLoader();
// Frees the process's loader, which runs the shut-downs still listed.
void FreeUnitsLoader();

} // namespace ui
