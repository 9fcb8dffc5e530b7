#pragma once
// The status bar page of the painter gallery: one bar per look, each with the application's text panels, a
// keyboard-state panel and a row of indicator lights.

namespace gallery {

// Shows the page until its window is closed; the UI core and the status bar unit are started.
int ShowStatusBarGallery();

} // namespace gallery
