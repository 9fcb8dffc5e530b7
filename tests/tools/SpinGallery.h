#pragma once
// The spin editor page of the painter gallery.

// Shows the spin editor's button arrangements in every look and skin until the window closes.
int RunSpinGallery();
