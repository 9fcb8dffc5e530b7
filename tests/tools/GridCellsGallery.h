#pragma once
// The grid cells page of the painter gallery.

namespace gallery {

// Shows a grid whose cells its handlers draw until the window closes.
int ShowGridCellsGallery();

} // namespace gallery
