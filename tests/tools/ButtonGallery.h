#pragma once
// The button page of the painter gallery.

// Shows the push button in every look and skin until the window closes.
int RunButtonGallery();
