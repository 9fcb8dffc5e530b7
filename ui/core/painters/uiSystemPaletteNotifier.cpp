#include "ui/core/painters/uiSystemPaletteNotifier.h"

#include "rtl/WindowsApi.h"
#include "ui/core/objects/uiListenerList.h"
#include "ui/core/themes/uxOffice11.h"
#include "vcl/system/UtilWindow.h"

#include <memory>

namespace ui {

namespace {

class TuiSystemPaletteChangedListener {
public:
    TuiSystemPaletteChangedListener() {
        AcquireOffice11Colors();
        FWindow = vcl::AllocateHWnd([this](vcl::TMessage& message) { WndProc(message); });
    }
    ~TuiSystemPaletteChangedListener() {
        vcl::DeallocateHWnd(FWindow);
        DropOffice11Colors();
    }
    TuiSystemPaletteChangedListener(const TuiSystemPaletteChangedListener&) = delete;
    TuiSystemPaletteChangedListener& operator=(const TuiSystemPaletteChangedListener&) = delete;

    HWND Window() const { return FWindow; }
    TuiListenerList<TuiSystemPaletteChangedNotifier>& Notifiers(bool primary) { return primary ? FPrimary : FOrdinary; }

private:
    void WndProc(vcl::TMessage& message) {
        if (message.Msg == WM_SYSCOLORCHANGE) {
            ReloadOffice11Colors();
            const auto notify = [](TuiSystemPaletteChangedNotifier* notifier) { notifier->DoChanged(); };
            FPrimary.ForEachFromLast(notify);
            FOrdinary.ForEachFromLast(notify);
        }
        message.Result = DefWindowProcW(FWindow, message.Msg, message.WParam, message.LParam);
    }

    HWND FWindow = nullptr;
    TuiListenerList<TuiSystemPaletteChangedNotifier> FPrimary;
    TuiListenerList<TuiSystemPaletteChangedNotifier> FOrdinary;
};

std::unique_ptr<TuiSystemPaletteChangedListener> Listener;
int32_t ListenerReferences = 0;

} // namespace

TuiSystemPaletteChangedNotifier::TuiSystemPaletteChangedNotifier(bool isPrimary) : FIsPrimary(isPrimary) {
    AddRefPaletteChangeListener();
    Listener->Notifiers(FIsPrimary).Add(this);
}

TuiSystemPaletteChangedNotifier::~TuiSystemPaletteChangedNotifier() {
    Listener->Notifiers(FIsPrimary).Remove(this);
    ReleasePaletteChangeListener();
}

void TuiSystemPaletteChangedNotifier::DoChanged() {
    if (FOnPaletteChange) {
        FOnPaletteChange();
    }
}

void AddRefPaletteChangeListener() {
    if (ListenerReferences == 0) {
        Listener = std::make_unique<TuiSystemPaletteChangedListener>();
    }
    ++ListenerReferences;
}

void ReleasePaletteChangeListener() {
    if (ListenerReferences > 0 && --ListenerReferences == 0) {
        Listener.reset();
    }
}

HWND PaletteChangeListenerWindow() {
    return Listener ? Listener->Window() : nullptr;
}

} // namespace ui
