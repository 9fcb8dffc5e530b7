#include "vcl/forms/MessageBoxSeam.h"

#include "vcl/system/Seam.h"
#include "vcl/system/Win32.h"

namespace vcl {

namespace {

class TWindowsMessageBox final : public IMessageBoxPresenter {
public:
    int32_t ShowMessageBox(HWND owner, rtl::UnicodeStringView text, rtl::UnicodeStringView caption,
                           uint32_t flags) override {
        const rtl::UnicodeString textZ(text);
        const rtl::UnicodeString captionZ(caption);
        return MessageBoxW(owner, AsWide(textZ.c_str()), AsWide(captionZ.c_str()), flags);
    }
};

TWindowsMessageBox WindowsMessageBox;
TSeam<IMessageBoxPresenter> MessageBoxSeam(WindowsMessageBox);

} // namespace

IMessageBoxPresenter& MessageBoxPresenter() {
    return MessageBoxSeam.Current();
}

IMessageBoxPresenter* SetMessageBoxPresenter(IMessageBoxPresenter* presenter) {
    return MessageBoxSeam.Inject(presenter);
}

} // namespace vcl
