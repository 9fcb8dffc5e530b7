#pragma once
// A class factory for tests of collections whose items come from the component's factory.

#include "rtl/core/Object.h"
#include "xls/core/model/common/XLSClassFactory.h"

#include <memory>

namespace xls::model_test {

// Makes a TMade, nothing, or a plain TObject (a class the collection must refuse), as the test asks, and remembers the
// kind and owner of the last request.
template <class TMade>
class TOneKindFactory : public TXLSClassFactory {
public:
    enum TMakes { mkMade, mkNothing, mkWrongClass };
    explicit TOneKindFactory(TMakes makes) : FMakes(makes) {}

    std::unique_ptr<rtl::TObject> CreateObject(int32_t kind, rtl::TObject* owner) override {
        Kind = kind;
        Owner = owner;
        switch (FMakes) {
        case mkMade:
            return std::make_unique<TMade>();
        case mkWrongClass:
            return std::make_unique<rtl::TObject>();
        case mkNothing:
            break;
        }
        return nullptr;
    }

    int32_t Kind = -1;
    rtl::TObject* Owner = nullptr;

private:
    TMakes FMakes;
};

} // namespace xls::model_test
