#pragma once
// Where an exception raised inside a window procedure goes. A C++ exception must never unwind into Windows, so every
// window procedure of the framework catches everything and passes it here. The application installs its handler
// (its HandleException, which shows the default error box); without one the exception is written to the debug
// output and dropped.

#include "rtl/text/StringTypes.h"

#include <exception>
#include <functional>

namespace rtl {
class TObject;
} // namespace rtl

namespace vcl {

// sender: the object whose message raised the exception, or nullptr.
using TExceptionHandler = std::function<void(rtl::TObject* sender, std::exception_ptr error)>;

// Installs the handler (an empty one removes it) and returns the previous one.
TExceptionHandler SetExceptionHandler(TExceptionHandler handler);

// Call only inside a catch block: gives the exception being handled to the installed handler. Never throws: an
// exception raised by the handler itself is dropped.
void HandleCurrentException(rtl::TObject* sender) noexcept;

// The text that describes an exception: an rtl::Exception's message, a standard exception's what(), or a fixed text
// for anything else.
rtl::UnicodeString ExceptionMessage(std::exception_ptr error);

} // namespace vcl
