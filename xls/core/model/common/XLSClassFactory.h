#pragma once
// The model's way to make objects whose class the component decides: the model asks for an object of a numbered
// kind and the component hands out its facade subclass of the model class, so that the facade can wrap the model's
// own objects without copying them.

#include "rtl/core/Object.h"

#include <cstdint>
#include <memory>

namespace xls {

// The kinds of object the class factory makes.
enum TXLSClassKind : int32_t {
    xckNames = 0,
    xckName = 1,
    xckMergedCells = 2,
    xckMergedCell = 3,
    xckHyperlinks = 4,
    xckHyperlink = 5,
    xckDataValidations = 6,
    xckDataValidation = 7,
    xckConditionalFormat = 8,
    xckConditionalFormats = 9,
    xckAutofilter = 10,
    xckAutofilterColumn = 11,
    xckDrawingDocument = 12,
};

// Makes the objects of the kinds above; the component's subclass decides their classes.
class TXLSClassFactory : public rtl::TObject {
public:
    // A new object of kind, or nullptr for a kind the factory does not make. owner is the object that will hold it.
    virtual std::unique_ptr<rtl::TObject> CreateObject(int32_t kind, rtl::TObject* owner) = 0;
};

} // namespace xls
