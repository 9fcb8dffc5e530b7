#pragma once
// The filter control page of the painter gallery: one filter control per look and skin, each linked to the same
// three items and showing the same filter, to be compared side by side and tried with the mouse and keys.

namespace gallery {

// Shows the page until its window is closed; starts and ends the units the filter control needs.
int ShowFilterControlGallery();

} // namespace gallery
