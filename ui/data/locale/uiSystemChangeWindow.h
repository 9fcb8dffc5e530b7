#pragma once
// A hidden window that receives the system's broadcasts that the regional settings ("intl") or the clock changed,
// and passes them to a sink. Where the platform has no such broadcasts the window exists but receives nothing.

#include <exception>
#include <memory>

namespace ui {

class TuiSystemChangeSink {
public:
    virtual void RegionalSettingsChanged() = 0;
    virtual void SystemTimeChanged() = 0;
    // An exception that one of the two raised; it must not leave the window procedure.
    virtual void HandleNoticeException(std::exception_ptr error) noexcept = 0;

protected:
    ~TuiSystemChangeSink() = default;
};

class TuiSystemChangeWindow {
public:
    virtual ~TuiSystemChangeWindow() = default;
    // The platform's window handle (an HWND on Windows); nullptr where there is none.
    virtual void* NativeHandle() const { return nullptr; }
};

// The window stops passing notices when it is destroyed; the sink must outlive it.
std::unique_ptr<TuiSystemChangeWindow> CreateSystemChangeWindow(TuiSystemChangeSink& sink);

} // namespace ui
