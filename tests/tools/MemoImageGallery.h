#pragma once
// The memo and image editor page of the painter gallery.

// Shows the memo and the image editor in every look and skin until the window closes.
int RunMemoImageGallery();
