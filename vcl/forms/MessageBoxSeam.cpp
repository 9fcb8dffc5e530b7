#include "vcl/forms/MessageBoxSeam.h"

#include "vcl/system/Win32.h"

#include <utility>

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
IMessageBoxPresenter* InjectedPresenter = nullptr; // not owned

} // namespace

IMessageBoxPresenter& MessageBoxPresenter() {
    return InjectedPresenter ? *InjectedPresenter : WindowsMessageBox;
}

IMessageBoxPresenter* SetMessageBoxPresenter(IMessageBoxPresenter* presenter) {
    return std::exchange(InjectedPresenter, presenter);
}

} // namespace vcl
