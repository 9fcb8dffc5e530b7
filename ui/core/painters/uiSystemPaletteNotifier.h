#pragma once
// Who hears that the user changed the system colours: one hidden window, alive while any notifier exists, reloads the
// Office 2003 colours and then tells the primary notifiers (the painters' shared images) before the ordinary ones
// (the look-and-feel settings), each list from its last notifier to its first.

#include "vcl/system/WinTypes.h"

#include <functional>

namespace ui {

class TuiSystemPaletteChangedNotifier {
public:
    explicit TuiSystemPaletteChangedNotifier(bool isPrimary);
    virtual ~TuiSystemPaletteChangedNotifier();
    TuiSystemPaletteChangedNotifier(const TuiSystemPaletteChangedNotifier&) = delete;
    TuiSystemPaletteChangedNotifier& operator=(const TuiSystemPaletteChangedNotifier&) = delete;

    bool IsPrimary() const { return FIsPrimary; }
    // Fires OnPaletteChange when it is assigned.
    virtual void DoChanged();

    const std::function<void()>& OnPaletteChange() const { return FOnPaletteChange; }
    void SetOnPaletteChange(std::function<void()> handler) { FOnPaletteChange = std::move(handler); }

private:
    bool FIsPrimary;
    std::function<void()> FOnPaletteChange;
};

// The listener, made on the first reference and freed with the last: it holds the Office 2003 colours meanwhile.
void AddRefPaletteChangeListener();
void ReleasePaletteChangeListener();
// The listener's hidden window, which hears WM_SYSCOLORCHANGE; nullptr while there is no listener.
HWND PaletteChangeListenerWindow();

} // namespace ui
