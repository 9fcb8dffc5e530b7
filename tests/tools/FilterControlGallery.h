#pragma once
// The filter control page of the painter gallery: one filter control per look and skin, each linked to the same
// three items and showing the same filter, to be compared side by side and tried with the mouse and keys.

namespace gallery {

// The units a filter control needs, started while the object lives (the application's start-up order).
class TFilterControlUnits {
public:
    TFilterControlUnits();
    ~TFilterControlUnits();
    TFilterControlUnits(const TFilterControlUnits&) = delete;
    TFilterControlUnits& operator=(const TFilterControlUnits&) = delete;
};

// Shows the page until its window is closed; starts and ends the units the filter control needs.
int ShowFilterControlGallery();

} // namespace gallery
