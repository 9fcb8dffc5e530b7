#pragma once
// What a filter control links to: a component (the grid's table view) that lists the items a filter may test, each
// with its caption, identity, editor properties and value type, and that owns the filter the control applies to.
// Items are addressed by their index, 0 to ItemCount - 1.

#include "rtl/core/Interfaces.h"
#include "rtl/text/StringTypes.h"

#include <cstdint>

namespace rtl {
class TComponent;
class TObject;
} // namespace rtl

namespace ui {

class TuiCustomEditProperties;
class TuiFilterCriteria;
class TuiValueType;

class IuiFilterControl : public virtual rtl::IInterface {
public:
    static constexpr rtl::TGUID IID = rtl::GUIDLiteral(u"{B9890E09-5400-428D-8F72-1FF8FD15937C}");
    virtual rtl::UnicodeString ItemCaption(int32_t index) = 0;
    virtual int32_t ItemCount() = 0;
    // The component's filter, or nullptr.
    virtual TuiFilterCriteria* FilterCriteria() = 0;
    // The object a condition of the filter names the item by.
    virtual rtl::TObject* ItemLinkAt(int32_t index) = 0;
    virtual int32_t ItemIDAt(int32_t index) = 0;
    virtual rtl::UnicodeString ItemNameAt(int32_t index) = 0;
    virtual rtl::UnicodeString ItemFieldName(int32_t index) = 0;
    // nullptr when the item has no editor properties.
    virtual TuiCustomEditProperties* ItemProperties(int32_t index) = 0;
    virtual const TuiValueType* ItemValueType(int32_t index) = 0;

protected:
    ~IuiFilterControl() = default;
};

// A filter control that a dialog links to a component.
class ILinkableFilterControl : public virtual rtl::IInterface {
public:
    static constexpr rtl::TGUID IID = rtl::GUIDLiteral(u"{D2369F8D-3B22-41A8-881E-B01BEB624B7D}");
    virtual void AttachLinkComponent(rtl::TComponent* component) = 0;

protected:
    ~ILinkableFilterControl() = default;
};

// The index of the item whose link is itemLink; -1 when none is (also without a link).
int32_t IndexOfFilterItemLink(IuiFilterControl* link, const rtl::TObject* itemLink);

} // namespace ui
