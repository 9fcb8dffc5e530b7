#pragma once
// A class factory for the worksheet tests: it makes stand-ins for the facade's classes, records what it was asked
// for, and can be told to make nothing, or an object of the wrong class, for chosen kinds.

#include "xls/core/model/common/XLSClassFactory.h"
#include "xls/core/model/package/Xc12DrawingDocument.h"
#include "xls/core/model/worksheet/Xc12DataAutofilter5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5Areas.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5CondFmts.h"

#include <cstdint>
#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace xls::worksheet_test {

class TFacadeMergedCells : public TXc12MergedCells {
public:
    using TXc12MergedCells::TXc12MergedCells;
};

class TFacadeMergedCell : public TXc12MergedCell {};

class TFacadeHyperlinks : public TXc12Hyperlinks {
public:
    using TXc12Hyperlinks::TXc12Hyperlinks;
};

// Counts the address readings, as the facade's hyperlink reads each address it is given.
class TFacadeHyperlink : public TXc12Hyperlink {
public:
    int32_t AddressChanges = 0;
    rtl::UnicodeString AddressSeen;

protected:
    void AddressChanged() override {
        ++AddressChanges;
        AddressSeen = GetAddress();
        StoreAddress(u"rewritten:" + AddressSeen);
    }
};

class TFacadeAutoFilter : public TXc12AutoFilter {
public:
    using TXc12AutoFilter::TXc12AutoFilter;
};

class TFacadeDataValidations : public TXc12DataValidations {
public:
    using TXc12DataValidations::TXc12DataValidations;
};

// The facade's conditional formats; following the areas is not the worksheet's business.
class TFacadeConditionalFormattings : public TXc12ConditionalFormattings {
public:
    using TXc12ConditionalFormattings::TXc12ConditionalFormattings;

protected:
    std::unique_ptr<TXc12ConditionalFormatting> NewItem() override { return nullptr; }
};

// Loads nothing: the drawing model is not the worksheet's business.
class TStandInDrawing : public TXc12DrawingDocument {
public:
    void LoadFromStream(rtl::TStream&) override {}
};

class TTestFactory : public TXLSClassFactory {
public:
    struct TRequest {
        int32_t Kind;
        rtl::TObject* Owner;
    };

    // Kinds for which the factory makes nothing.
    std::set<int32_t> Refused;
    // Kinds for which the factory makes a plain TObject.
    std::set<int32_t> WrongClass;
    std::vector<TRequest> Requests;

    std::unique_ptr<rtl::TObject> CreateObject(int32_t kind, rtl::TObject* owner) override {
        Requests.push_back({kind, owner});
        if (Refused.count(kind) != 0) {
            return nullptr;
        }
        if (WrongClass.count(kind) != 0) {
            return std::make_unique<rtl::TObject>();
        }
        return Make(kind);
    }

    // The owner given with the last request of kind, or nullptr when none was made.
    rtl::TObject* OwnerOf(int32_t kind) const {
        for (auto it = Requests.rbegin(); it != Requests.rend(); ++it) {
            if (it->Kind == kind) {
                return it->Owner;
            }
        }
        return nullptr;
    }

private:
    std::unique_ptr<rtl::TObject> Make(int32_t kind) {
        switch (kind) {
        case xckMergedCells:
            return std::make_unique<TFacadeMergedCells>(this);
        case xckMergedCell:
            return std::make_unique<TFacadeMergedCell>();
        case xckHyperlinks:
            return std::make_unique<TFacadeHyperlinks>(this);
        case xckHyperlink:
            return std::make_unique<TFacadeHyperlink>();
        case xckDataValidations:
            return std::make_unique<TFacadeDataValidations>(this);
        case xckConditionalFormats:
            return std::make_unique<TFacadeConditionalFormattings>(this);
        case xckAutofilter:
            return std::make_unique<TFacadeAutoFilter>(this);
        case xckDrawingDocument:
            return std::make_unique<TStandInDrawing>();
        default:
            return nullptr;
        }
    }
};

} // namespace xls::worksheet_test
