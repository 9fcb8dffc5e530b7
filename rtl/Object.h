#pragma once
// TObject: the common root of the classes that lists and owners hold by base pointer and free polymorphically.

namespace rtl {

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;
};

} // namespace rtl
