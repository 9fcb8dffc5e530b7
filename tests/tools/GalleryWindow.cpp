#include "tests/tools/GalleryWindow.h"

#include "rtl/WindowsApi.h"
#include "vcl/forms/Form.h"

namespace gallery {

int ShowUntilClosed(vcl::TForm& form) {
    form.Show();
    MSG message{};
    while (IsWindowVisible(form.WindowHandle()) && GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

} // namespace gallery
