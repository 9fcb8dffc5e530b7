#pragma once
// The filter control page of the painter gallery: one filter control per look and skin, each linked to the same
// three items and showing the same filter, to be compared side by side and tried with the mouse and keys.

#include "rtl/text/StringTypes.h"

#include <functional>

namespace vcl {
class TForm;
} // namespace vcl

namespace gallery {

// RunGalleryForm with the editor framework and the units a filter control needs started meanwhile.
int RunWithFilterControlUnits(rtl::UnicodeStringView caption, const std::function<void(vcl::TForm&)>& fill);

// Shows the page until its window is closed; starts and ends the units the filter control needs.
int ShowFilterControlGallery();

} // namespace gallery
