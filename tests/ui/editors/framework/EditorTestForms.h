#pragma once
// What the editors' form tests share: controls placed on a test form, and the ordinary edit beside the editor under
// test that takes the focus away from it.

#include "vcl/forms/Form.h"
#include "vcl/stdctrls/Edit.h"

#include <cstdint>

namespace ui_test {

// A new control of class TControl, owned by form and shown on it at the given bounds.
template <class TControl>
TControl* PlaceOnForm(vcl::TForm& form, int32_t left, int32_t top, int32_t width, int32_t height) {
    auto* control = new TControl(&form);
    control->SetParent(&form);
    control->SetBounds(left, top, width, height);
    return control;
}

// An ordinary edit right of the editors under test, to move the focus to.
inline vcl::TEdit* PlaceFocusTaker(vcl::TForm& form) {
    return PlaceOnForm<vcl::TEdit>(form, 250, 10, 100, 24);
}

} // namespace ui_test
