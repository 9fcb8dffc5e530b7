#pragma once
// Forms for tests: built in code, shown where the test display shows them (or off the visible screen, for tests that
// need no pointer), and freed at the end of the test.

#include "rtl/core/Component.h"
#include "vcl/forms/Form.h"

#include <memory>

namespace ui_test {

// Where a test form is shown: on the test display, where the pointer can reach it and a failure screenshot shows
// it, or outside the visible screen.
enum class TFormPlacement { OnScreen, OffScreen };

template <class TFormClass>
using TFormPtr = std::unique_ptr<TFormClass, rtl::TComponentDeleter>;

// Places form (client size width x height), shows it, makes it the active window and handles the messages this
// causes.
void ShowTestForm(vcl::TCustomForm& form, int width = 320, int height = 240,
                  TFormPlacement placement = TFormPlacement::OnScreen);

// A new form of class TFormClass without owner, not shown yet.
template <class TFormClass = vcl::TForm>
TFormPtr<TFormClass> CreateTestForm() {
    return TFormPtr<TFormClass>(new TFormClass(nullptr));
}

// A new form of class TFormClass, shown as ShowTestForm does.
template <class TFormClass = vcl::TForm>
TFormPtr<TFormClass> ShowNewTestForm(int width = 320, int height = 240,
                                     TFormPlacement placement = TFormPlacement::OnScreen) {
    TFormPtr<TFormClass> form = CreateTestForm<TFormClass>();
    ShowTestForm(*form, width, height, placement);
    return form;
}

} // namespace ui_test
