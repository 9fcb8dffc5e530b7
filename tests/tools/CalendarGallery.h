#pragma once
// The calendar page of the painter gallery.

// Shows the month calendar in its date and date-time kinds in every look and skin until the window closes.
int RunCalendarGallery();
