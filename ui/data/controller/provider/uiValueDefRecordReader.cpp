#include "ui/data/controller/provider/uiValueDefRecordReader.h"

#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/controller/uiDataField.h"

namespace ui {

namespace {

// The field a definition (or an internal record's twin of it) stores; nullptr for one of no field.
const TuiCustomDataField* FieldOfValueDef(const TuiValueDef& valueDef) {
    return dynamic_cast<const TuiCustomDataField*>(valueDef.LinkObjectOf());
}

} // namespace

TuiValueDefRecordReader::TuiValueDefRecordReader(TuiCustomDataController& dataController, int32_t recordIndex)
    : FDataController(dataController), FRecordIndex(recordIndex) {}

rtl::AnsiString TuiValueDefRecordReader::GetDisplayText(const TuiValueDef& valueDef) {
    return FDataController.GetFieldDisplayText(FRecordIndex, *FieldOfValueDef(valueDef));
}

rtl::Variant TuiValueDefRecordReader::GetValue(const TuiValueDef& valueDef) {
    return FDataController.GetFieldValue(FRecordIndex, *FieldOfValueDef(valueDef));
}

bool TuiValueDefRecordReader::IsInternalDefinition(const TuiValueDef& valueDef) {
    const TuiCustomDataField* field = FieldOfValueDef(valueDef);
    return !field || field->IsInternalField();
}

} // namespace ui
