#include "ui/data/controller/uiDataProvider.h"

namespace ui {

TuiCustomDataProvider::TuiCustomDataProvider(TuiCustomDataController* dataController)
    : FDataController(*dataController) {}

rtl::Variant TuiCustomDataProvider::GetBufferValue(const TuiCustomDataField&) const {
    return rtl::Variant::Null();
}

rtl::AnsiString TuiCustomDataProvider::GetBufferDisplayText(const TuiCustomDataField&) const {
    return {};
}

} // namespace ui
