#pragma once
// The tab control page of the painter gallery: each registered painter style (and the Tabs style themed) with its
// tabs on each of the four sides, in one scrolling row and in several rows, and a page control with its pages.

namespace gallery {

// Shows the page until its window is closed; the UI core and the tab control unit are started.
int ShowTabsGallery();

} // namespace gallery
