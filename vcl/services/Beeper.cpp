#include "vcl/services/Beeper.h"

#include "vcl/system/Seam.h"
#include "vcl/system/Win32.h"

namespace vcl {

namespace {

class TSystemBeeper final : public IBeeper {
public:
    void MessageBeep(uint32_t soundType) override { ::MessageBeep(soundType); }
};

TSystemBeeper SystemBeeper;
TSeam<IBeeper> BeeperSeam(SystemBeeper);

} // namespace

IBeeper& Beeper() {
    return BeeperSeam.Current();
}

IBeeper* SetBeeper(IBeeper* beeper) {
    return BeeperSeam.Inject(beeper);
}

void Beep() {
    Beeper().MessageBeep(0);
}

} // namespace vcl
