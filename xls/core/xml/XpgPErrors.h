#pragma once
// The sink to which element classes report element and attribute names their schema does not know, and values they
// cannot take. With a handler set, every report goes to it and reading goes on; without one, an unknown element ends
// the read with an exception and anything else is passed over.

#include "rtl/core/Object.h"
#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <functional>

namespace xls {

// What kind of name a report is about.
enum class TXpgUnknownKind : uint8_t { Attribute = 0, Element = 1 };

// Reports unknown names to a handler, or raises for unknown elements when there is none.
class TXpgPErrors : public rtl::TObject {
public:
    using TErrorHandler = std::function<void(TXpgPErrors& errors)>;

    void SetErrorHandler(TErrorHandler handler) { FOnError = std::move(handler); }
    const TErrorHandler& OnError() const { return FOnError; }
    // The text of the last report: "Row %d: " followed by "Unknown Attribute "name"" or "Unknown Element "name"".
    const rtl::UnicodeString& Message() const { return FMessage; }

    // Sets Message and calls the handler; without a handler raises rtl::Exception with Message for an element.
    void ReportUnknown(TXpgUnknownKind kind, rtl::UnicodeStringView name, int32_t row);
    // Sets Message to message and calls the handler; never raises, so reading goes on.
    void Report(rtl::UnicodeStringView message);

private:
    rtl::UnicodeString FMessage;
    TErrorHandler FOnError;
};

} // namespace xls
