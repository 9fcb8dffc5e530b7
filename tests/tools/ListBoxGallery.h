#pragma once
// The list box page of the painter gallery.

namespace gallery {

// Shows the styled list box and the check list box in every look and skin until the window closes.
int ShowListBoxGallery();

} // namespace gallery
