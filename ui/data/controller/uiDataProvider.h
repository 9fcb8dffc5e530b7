#pragma once
// TuiCustomDataProvider: the data controller's provider, through which editing and an external record source reach
// the controller. The base serves an unbound controller: it navigates no record window of its own and is bound to no
// external data set.

#include "rtl/core/Object.h"
#include "rtl/text/StringTypes.h"
#include "rtl/variants/Variant.h"
#include "ui/data/controller/uiDataControllerTypes.h"

namespace ui {

class TuiCustomDataController;
class TuiCustomDataField;

class TuiCustomDataProvider : public rtl::TObject {
    RTL_DECLARE_CLASS(TuiCustomDataProvider, rtl::TObject)
public:
    using TConstructorArgument = TuiCustomDataController*;

    explicit TuiCustomDataProvider(TuiCustomDataController* dataController);

    TuiCustomDataController& DataController() const { return FDataController; }

    // Whether the provider navigates a window of an external record set itself (false here).
    virtual bool IsGridMode() const { return false; }
    // Whether it is bound to an external data set (false here).
    virtual bool IsDataSetProvider() const { return false; }
    // The values of the record window of a provider that navigates itself: Null and empty here.
    virtual rtl::Variant GetBufferValue(const TuiCustomDataField& field) const;
    virtual rtl::AnsiString GetBufferDisplayText(const TuiCustomDataField& field) const;

    // The editing state that sorting and grouping read: the record being edited (uiNoEditingRecordIndex: none), the
    // record an appended one follows and the one an inserted one precedes (uiNoEditingRecordIndex: unset), and the
    // internal record holding the edited record's values from before the edit (0: none).
    int32_t EditingRecordIndex() const { return FEditingRecordIndex; }
    int32_t AppendAnchor() const { return FAppendAnchor; }
    int32_t InsertAnchor() const { return FInsertAnchor; }
    int32_t SavedRecordIndex() const { return FSavedRecordIndex; }

private:
    TuiCustomDataController& FDataController;
    int32_t FAppendAnchor = uiNoEditingRecordIndex;
    int32_t FEditingRecordIndex = uiNoEditingRecordIndex;
    int32_t FInsertAnchor = uiNoEditingRecordIndex;
    int32_t FSavedRecordIndex = 0;
};

} // namespace ui
