#include "vcl/graphics/images/Graphic.h"

#include "rtl/io/FileStream.h"

namespace vcl {

TGraphic::~TGraphic() = default;

void TGraphic::SetTransparent(bool value) {
    if (value != FTransparent) {
        FTransparent = value;
        Changed();
    }
}

void TGraphic::LoadFromFile(const rtl::UnicodeString& fileName) {
    rtl::TFileStream stream(fileName, rtl::fmOpenRead | rtl::fmShareDenyWrite);
    LoadFromStream(stream);
}

void TGraphic::SaveToFile(const rtl::UnicodeString& fileName) {
    rtl::TFileStream stream(fileName, rtl::fmCreate);
    SaveToStream(stream);
}

void TGraphic::LoadFromClipboardFormat(uint16_t, void*) {
    throw EInvalidGraphic(VclMessages::UnknownClipboardFormat);
}

void TGraphic::SaveToClipboardFormat(uint16_t&, void*&) {
    throw EInvalidGraphic(VclMessages::UnknownClipboardFormat);
}

void TGraphic::SetModified(bool value) {
    if (value) {
        Changed();
    } else {
        FModified = false;
    }
}

void TGraphic::Changed() {
    FModified = true;
    if (FOnChange) {
        FOnChange(this);
    }
}

} // namespace vcl
