// Loads the input as a data-controller stream into a controller of a String and an Integer item holding one record.
// A failed load must leave that record as it was; what loads must save and load back to the same bytes.

#include "FuzzInput.h"
#include "rtl/core/Exceptions.h"
#include "tests/ui/data/controller/ControllerTestSupport.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"

#include <cstdlib>

namespace {

class TFuzzController : public ui::test::TTestDataController {
public:
    TFuzzController() {
        AddTypedItem(&ui::TuiStringValueType::Instance());
        AddTypedItem(&ui::TuiIntegerValueType::Instance());
    }
};

std::string SavedData(ui::TuiCustomDataController& controller) {
    rtl::TStringStream stream;
    controller.SaveDataToStream(stream);
    return stream.DataString();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TFuzzController controller;
    controller.AddRecord({ui::test::Text("keep"), 7});
    const std::string before = SavedData(controller);
    fuzz::TInputStream input(data, size);
    try {
        controller.LoadDataFromStream(input);
    } catch (const rtl::Exception&) {
        if (SavedData(controller) != before) {
            std::abort();
        }
        return 0;
    }
    const std::string saved = SavedData(controller);
    TFuzzController copy;
    rtl::TStringStream stream(saved);
    copy.LoadDataFromStream(stream);
    if (SavedData(copy) != saved) {
        std::abort();
    }
    return 0;
}
