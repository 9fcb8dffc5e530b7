// Reads the input as a skin stream. What loads must save, and the saved stream must load and save to the same bytes
// (natively textures stay the PNG bytes they were read as).

#include "FuzzInput.h"
#include "rtl/core/Exceptions.h"
#include "ui/core/skins/elements/uxSkin.h"

#include <cstdlib>

namespace {

rtl::AnsiString SaveFuzzedSkin(const ui::TuxSkin& skin) {
    rtl::TStringStream stream;
    skin.SaveToStream(stream);
    return stream.DataString();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::TInputStream input(data, size);
    ui::TuxSkin skin("Fuzz");
    try {
        skin.LoadFromStream(input);
    } catch (const rtl::Exception&) {
        return 0;
    }
    const rtl::AnsiString saved = SaveFuzzedSkin(skin);
    ui::TuxSkin again("Again");
    rtl::TStringStream stream(saved);
    again.LoadFromStream(stream);
    if (SaveFuzzedSkin(again) != saved) {
        std::abort();
    }
    return 0;
}
