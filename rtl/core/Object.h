#pragma once
// TObject: the common root of the classes that lists and owners hold by base pointer and free polymorphically. It
// reports its class at run time (ClassType); a class that is created by class reference or named in messages declares
// its own metaclass with RTL_DECLARE_CLASS, any other reports its nearest declaring ancestor.

#include "rtl/core/Metaclass.h"

namespace rtl {

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    static const TMetaclass& StaticClass() {
        static const TMetaclass metaclass(u"TObject", nullptr, nullptr);
        return metaclass;
    }
    virtual const TMetaclass& ClassType() const { return StaticClass(); }
    UnicodeStringView ClassName() const { return ClassType().ClassName(); }
};

} // namespace rtl
