#pragma once
// The navigator page of the painter gallery: one navigator bar per look and skin, each over records of its own, to be
// compared side by side and tried with the mouse: hot, pressed and repeating buttons, hints, and the Filter button,
// which opens the filter builder over the filter control page's three items.

namespace gallery {

// Shows the page until its window is closed; starts and ends the units the bar and the filter builder need.
int ShowNavigatorGallery();

} // namespace gallery
