#pragma once
// The filter edit helpers: for each editor properties class, how the filter control and the custom filter dialog
// make an editor for a condition's value (which editor class, its properties prepared from the column's with a
// neutral set-up), which operators make sense for it, and how a value goes in and comes out. A helper is never
// instantiated but as one immutable object of its class; the filter edits controller holds one registration per
// properties class.

#include "rtl/core/Component.h"
#include "rtl/core/Metaclass.h"
#include "rtl/core/Object.h"
#include "rtl/text/StringTypes.h"
#include "rtl/variants/Variant.h"
#include "ui/core/objects/uiClassRegistries.h"
#include "ui/core/objects/uxException.h"

#include <bitset>
#include <cstdint>
#include <map>
#include <memory>

namespace ui {

class TuiCustomEdit;
class TuiCustomEditProperties;
class TuiInplaceEditList;
class TuiValueType;

// A set of filter-control operator numbers, bit n for number n: 1 "equals" to 14 "not in" and the relative-date
// operators up to 36.
using TuiFilterControlOperators = std::bitset<37>;

// The operators from first to last, both included.
TuiFilterControlOperators FilterControlOperatorRange(int32_t first, int32_t last);
// Equals, does not equal, the four comparisons, is blank and is not blank; with extended also between, not between,
// in and not in.
TuiFilterControlOperators NumericFilterControlOperators(bool extended);

class TuiCustomFilterEditHelper : public rtl::TObject {
    RTL_DECLARE_CLASS(TuiCustomFilterEditHelper, rtl::TObject)
public:
    TuiCustomFilterEditHelper() = default;
    TuiCustomFilterEditHelper(const TuiCustomFilterEditHelper&) = delete;
    TuiCustomFilterEditHelper& operator=(const TuiCustomFilterEditHelper&) = delete;

    // Removes the button-click, change, edit-value-changed and validate handlers.
    virtual void ClearPropertiesEvents(TuiCustomEditProperties* properties) const;
    virtual void InitializeFilterEdit(TuiCustomEdit& editor, const TuiCustomEditProperties& source) const;
    virtual bool KeepsDefaultValuesProvider(const TuiCustomEditProperties&) const { return true; }
    // Whether the filter editor keeps its edit buttons.
    virtual bool GetOption() const { return false; }
    // The editor class of filter values; none in the base.
    virtual const rtl::TMetaclass* FilterEditClass() const { return nullptr; }
    // The value editor's value and its display text; properties are those of the column filtered.
    virtual void GetFilterValue(TuiCustomEdit& editor, TuiCustomEditProperties& properties,
                                rtl::UnicodeString& displayText, rtl::Variant& value) const;
    // "equals" to "is not blank" (to "not in" when extended), without the two "like" operators unless the value type is
    // a string type.
    virtual TuiFilterControlOperators GetSupportedOperators(TuiCustomEditProperties& properties,
                                                            const TuiValueType* valueType, bool extended) const;
    // The target takes the source's settings, then the neutral set-up: left and top alignment, no beep on error, no
    // buttons unless kept, not read-only, validation on Enter, no event handlers.
    virtual void PrepareFilterProperties(TuiCustomEditProperties& target, const TuiCustomEditProperties& source,
                                         bool keepButtons) const;
    virtual bool CheckValueForType(const TuiValueType& valueType, rtl::Variant& value) const;
    // Shows a condition's value in the value editor; properties are those of the column filtered.
    virtual void ApplyFilterValue(TuiCustomEdit&, TuiCustomEditProperties&, const rtl::Variant&) const {}
    // Whether conditions from this editor compare display texts instead of values.
    virtual bool FilterByDisplayText() const { return false; }
};

// The registry of filter edit helpers by properties class. A helper registered for a properties class serves every
// descendant of that class's parent, so the class's siblings find it too.
class TuiFilterEditsController {
public:
    // Helpers are not owned: each is its class's one object.
    void RegisterHelper(const rtl::TMetaclass& propertiesClass, const TuiCustomFilterEditHelper& helper);
    void UnregisterHelper(const rtl::TMetaclass& propertiesClass, const TuiCustomFilterEditHelper& helper);
    // The helper of the nearest registered ancestor, or nullptr.
    const TuiCustomFilterEditHelper* HelperForProperties(const rtl::TMetaclass& propertiesClass) const;
    bool IsEmpty() const { return FClasses.GetCount() == 0; }

private:
    TuiRegisteredClassList FClasses;
    std::map<TuiClass, const TuiCustomFilterEditHelper*> FHelpers;
};

// The one controller, made on first use and freed when its last registration goes.
TuiFilterEditsController& GetFilterEditsController();
// Removes the registration; the controller goes with its last one.
void UnregisterFilterEditHelper(const rtl::TMetaclass& propertiesClass, const TuiCustomFilterEditHelper& helper);

using TuiFilterEditPtr = std::unique_ptr<TuiCustomEdit, rtl::TComponentDeleter>;

// A new editor of the helper's class for values of source, without owner, prepared by the helper; nullptr for a
// helper without an editor class.
TuiFilterEditPtr CreateFilterEdit(const TuiCustomFilterEditHelper& helper, const TuiCustomEditProperties& source);
// The same from list: its free editor for the properties of the helper's editor class, prepared by the helper
// (the list keeps it); nullptr for a helper without an editor class.
TuiCustomEdit* CreateFilterEdit(const TuiCustomFilterEditHelper& helper, const TuiCustomEditProperties& source,
                                TuiInplaceEditList& list);
// The properties class an editor class edits with (asked once of an editor made for the purpose).
const rtl::TMetaclass& FilterEditPropertiesClass(const rtl::TMetaclass& editClass);

// A value a filter editor holds that its condition cannot take; the message is the one to show.
class EuiFilterControlError : public EuxException {
public:
    using EuxException::EuxException;
    // Defined in one place, so the class's type information has one home.
    ~EuiFilterControlError() override;
};

[[noreturn]] void RaiseFilterControlError(rtl::UnicodeStringView message);

// Checks a value typed for a condition with the operator number against the column's value type (none: no check).
// An empty text becomes Null for a type that is no string type; Null and the patterns of "like" and "not like" pass;
// any other value the helper's CheckValueForType refuses, or fails on, raises EuiFilterControlError "Invalid value".
void ValidateFilterValue(rtl::Variant& value, int32_t operatorNumber, const TuiValueType* valueType,
                         const TuiCustomFilterEditHelper& helper);

} // namespace ui
