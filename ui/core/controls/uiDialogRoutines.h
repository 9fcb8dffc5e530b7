#pragma once
// Routines of the library's dialog forms: the text height a form lays its controls out by, and a new font for a form
// with its controls and client size scaled by the change of that height. (Message dialogs centred on the screen are
// the framework's MessageDlgCentered.)

#include <cstdint>

namespace vcl {
class TCustomForm;
class TFont;
} // namespace vcl

namespace ui {

// The height of "Qq" in the form's font.
int32_t FormTextHeight(vcl::TCustomForm& form);
// Gives the form font, scaling its controls, client width and client height by the new text height over the old.
void SetFormFontScaled(vcl::TCustomForm& form, const vcl::TFont& font);

} // namespace ui
