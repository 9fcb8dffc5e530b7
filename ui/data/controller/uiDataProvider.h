#pragma once
// TuiCustomDataProvider: the data controller's provider, through which editing and an external record source reach
// the controller. The base serves an unbound controller: it navigates no record window of its own and is bound to no
// external data set.

#include "rtl/core/Object.h"
#include "rtl/text/StringTypes.h"
#include "rtl/variants/Variant.h"

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

private:
    TuiCustomDataController& FDataController;
};

} // namespace ui
