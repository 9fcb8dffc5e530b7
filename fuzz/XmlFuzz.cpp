// Parses the input as XML, strictly and loosely, visiting every attribute and text as the element classes do.

#include "FuzzInput.h"
#include "rtl/core/Exceptions.h"
#include "xls/core/xml/XpgReadXML.h"

namespace {

class TVisitingReader : public xls::TXpgReadXML {
public:
    void BeginTag() override {
        TXpgReadXML::BeginTag();
        static_cast<void>(GetLocalName());
        for (int32_t i = 0; i < Attributes().GetCount(); ++i) {
            static_cast<void>(Attributes().GetValue(i));
        }
    }
    void EndTag() override { static_cast<void>(GetText()); }
};

void Parse(const uint8_t* data, size_t size, bool loose) {
    fuzz::TInputStream input(data, size);
    TVisitingReader reader;
    try {
        if (loose) {
            reader.ParseLoose(input);
        } else {
            reader.Parse(input);
        }
    } catch (const rtl::Exception&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Parse(data, size, false);
    Parse(data, size, true);
    return 0;
}
