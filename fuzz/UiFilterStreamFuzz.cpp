// Reads the input as a ".flt" filter stream into a criteria of three items, as a filter control loads a file a user
// was given. What loads must read as texts, test records without an error but Variant errors (compared softly here),
// and write a stream that reads back and writes the same bytes again.

#include "FuzzInput.h"
#include "rtl/core/Exceptions.h"
#include "tests/ui/data/filter/FilterTestSupport.h"

#include <cstdlib>

namespace {

std::string WrittenFilter(const ui::TuiFilterCriteria& criteria) {
    rtl::TStringStream stream;
    criteria.SaveToStream(stream);
    return stream.DataString();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ui::test::TTestFilterCriteria criteria;
    criteria.SetOptions({ui::fcoSoftCompare});
    criteria.AddRecord({ui::test::Ansi("abc"), 5, 2.5});
    criteria.AddRecord({rtl::Variant::Null(), rtl::Variant::FromDateTime(46183.5), ui::test::Ansi("")});
    fuzz::TInputStream input(data, size);
    try {
        criteria.ReadCriteriaStream(input);
    } catch (const rtl::Exception&) {
        // A failed load leaves the tree as it was: empty.
        if (!criteria.HasNoConditions()) {
            std::abort();
        }
        return 0;
    }
    criteria.GetFilterCaption();
    criteria.GetFilterExpression();
    criteria.Passing();
    const std::string written = WrittenFilter(criteria);
    ui::test::TTestFilterCriteria copy;
    rtl::TStringStream stream(written);
    copy.ReadCriteriaStream(stream);
    if (WrittenFilter(copy) != written) {
        std::abort();
    }
    return 0;
}
