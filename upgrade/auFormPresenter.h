#pragma once
// The upgrader's modal forms (the upgrade question, the password form) are shown through the presenter in use: the
// one that shows them modally, or, in a test, one that reads and answers them, so that no test waits for a person.
// Also the helpers the forms are built with.

#include "vcl/controls/ControlTypes.h"
#include "vcl/controls/WinControl.h"

#include <cstdint>

namespace vcl {
class TButton;
class TCustomForm;
class TForm;
class TImage;
class TLabel;
class TPanel;
} // namespace vcl

namespace au {

class IUpdaterFormPresenter {
public:
    // Shows form modally and returns its modal result.
    virtual vcl::TModalResult ShowModal(vcl::TCustomForm& form) = 0;

protected:
    ~IUpdaterFormPresenter() = default;
};

IUpdaterFormPresenter& UpdaterFormPresenter();
// Uses presenter (not owned) from now on; nullptr goes back to modal showing. Returns the one it replaces.
IUpdaterFormPresenter* SetUpdaterFormPresenter(IUpdaterFormPresenter* presenter);

// Makes form one of the upgrader's dialogs: a dialog frame centred on the screen, "Tahoma" -12, the client size.
void PrepareUpdaterDialog(vcl::TForm& form, int32_t clientWidth, int32_t clientHeight);
// Gives label text, wrapped within the form's width less the label's left and 11, and fits the form's height to the
// label and the bottom control below it.
void FitUpdaterDialogToText(vcl::TForm& form, vcl::TLabel& label, const vcl::TControl& bottom,
                            rtl::UnicodeStringView text);

// The message of an upgrader dialog: the word-wrapped label "Label1" right of a 32 x 32 image named imageName (given
// back in image) that shows the bitmap resource picture transparently, both at the form's top left.
vcl::TLabel* AddUpdaterDialogMessage(vcl::TForm& form, const char16_t* imageName, const char16_t* picture,
                                     vcl::TImage*& image);
// The bevel-less panel of height along the bottom of an upgrader dialog, which holds its buttons.
vcl::TPanel* AddUpdaterDialogBottomPanel(vcl::TForm& form, int32_t height);
// A 75 x 23 button named name on panel at left, top that closes the form with result.
vcl::TButton* AddUpdaterDialogButton(vcl::TForm& form, vcl::TPanel& panel, const char16_t* name, int32_t left,
                                     int32_t top, vcl::TModalResult result);

// A control of class TControlClass owned by owner (the form), named name, placed on parent at left, top, and sized
// width x height unless width is 0.
template <class TControlClass>
TControlClass* AddFormControl(rtl::TComponent& owner, vcl::TWinControl& parent, const char16_t* name, int32_t left,
                              int32_t top, int32_t width = 0, int32_t height = 0) {
    auto* control = new TControlClass(&owner);
    control->SetName(name);
    if (width == 0) {
        control->SetLeft(left);
        control->SetTop(top);
    } else {
        control->SetBounds(left, top, width, height);
    }
    control->SetParent(&parent);
    return control;
}

} // namespace au
