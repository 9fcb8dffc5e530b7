#include "vcl/system/ExceptionHook.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "vcl/system/Win32.h"

namespace vcl {

namespace {

TExceptionHandler& InstalledExceptionHandler() {
    static TExceptionHandler handler;
    return handler;
}

} // namespace

TExceptionHandler SetExceptionHandler(TExceptionHandler handler) {
    TExceptionHandler previous = std::move(InstalledExceptionHandler());
    InstalledExceptionHandler() = std::move(handler);
    return previous;
}

void HandleCurrentException(rtl::TObject* sender) noexcept {
    const std::exception_ptr error = std::current_exception();
    try {
        if (const TExceptionHandler& handler = InstalledExceptionHandler()) {
            handler(sender, error);
            return;
        }
        const rtl::UnicodeString text =
            u"Unhandled exception in a window procedure: " + ExceptionMessage(error) + u"\n";
        OutputDebugStringW(AsWide(text.c_str()));
    } catch (...) {
        OutputDebugStringW(L"The exception handler raised an exception\n");
    }
}

rtl::UnicodeString ExceptionMessage(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const rtl::Exception& e) {
        return e.Message();
    } catch (const std::exception& e) {
        return rtl::Utf8ToUnicode(e.what());
    } catch (...) {
        return u"Unknown exception";
    }
}

} // namespace vcl
