#pragma once
// TuiFilterValueList: the choices a column's filter drop-down offers, in this order: recently used filters (kind
// fviRecent) and a separator below them, the special entries "(All)", "(Custom...)", "(Blanks)", "(NonBlanks)" in the
// order they were added, then the distinct values of the column, sorted (found by bisection), possibly followed by
// values appended unsorted. It also tells which entry stands for a given condition, so the drop-down can show the
// current choice.

#include "rtl/core/Object.h"
#include "rtl/text/StringTypes.h"
#include "rtl/variants/Variant.h"
#include "ui/data/filter/uiFilterTypes.h"

#include <cstdint>
#include <vector>

namespace ui {

class TuiFilterCriteria;
class TuiFilterCriteriaItem;

struct TuiFilterValueItem {
    TuiFilterValueItemKind Kind;
    rtl::Variant Value;
    rtl::UnicodeString DisplayText;
};

class TuiFilterValueList : public rtl::TObject {
    RTL_DECLARE_CLASS(TuiFilterValueList, rtl::TObject)
public:
    using TConstructorArgument = TuiFilterCriteria*;

    // Values are compared as the criteria prepares them; its MaxValueListCount bounds the sorted values.
    explicit TuiFilterValueList(TuiFilterCriteria* criteria) : FCriteria(*criteria) {}

    TuiFilterCriteria& Criteria() const { return FCriteria; }

    // Entry index against a value and its text: by text first when texts are compared, then by the prepared values.
    virtual int CompareEntry(int32_t index, const rtl::Variant& value, rtl::UnicodeStringView text) const;
    // A recent entry goes below the earlier ones, above the separator it makes when there is none; another special
    // entry after the special entries; a value with append at the end, unsorted; a value without append into its
    // sorted place, unless it is there already or MaxEntryCount values are.
    virtual void AddValueEntry(TuiFilterValueItemKind kind, const rtl::Variant& value, rtl::UnicodeStringView text,
                               bool append);
    virtual void ClearEntriesList();
    // Whether a recent entry or a value equals value; index is the entry found, or where the value would go.
    virtual bool FindValueEntry(const rtl::Variant& value, rtl::UnicodeStringView text, int32_t& index) const;
    // The entry that stands for the condition: "(All)" without one, "(Blanks)" or "(NonBlanks)" for an equal or
    // not-equal test of a blank value, the value of an equal test, "(Custom...)" for anything else.
    virtual int32_t IndexForCriteriaItem(const TuiFilterCriteriaItem* condition) const;

    int32_t GetCount() const { return static_cast<int32_t>(FEntries.size()); }
    const TuiFilterValueItem& GetItem(int32_t index) const;
    void DeleteItem(int32_t index);
    // The first entry of the kind, -1 when none.
    int32_t IndexOfKind(TuiFilterValueItemKind kind) const;
    // The first entry of the kind equal to value; a Null value matches any entry of the kind.
    int32_t IndexOfKindValue(TuiFilterValueItemKind kind, const rtl::Variant& value) const;
    // The entry of the value (found with the value's text), -1 when none.
    int32_t IndexOfValue(const rtl::Variant& value) const;
    // The separator below the recent entries, -1 when none.
    int32_t IndexOfSeparator() const;
    // The first value, or the count when there is none.
    int32_t IndexOfFirstValue() const;
    // The criteria's MaxValueListCount: the values (not the special entries) the list takes at most; 0 no limit.
    int32_t MaxEntryCount() const;

    // Set by lists whose entries are matched by display text before value.
    bool CompareTexts() const { return FCompareTexts; }
    void SetCompareTexts(bool compareTexts) { FCompareTexts = compareTexts; }

protected:
    // What CompareEntry compares, made once per value: the text (upper-cased when the criteria ignores case; empty
    // unless texts are compared) and the prepared value.
    struct TValueKey {
        rtl::UnicodeString Text;
        rtl::Variant Value;
    };
    TValueKey ValueKeyOf(const rtl::Variant& value, rtl::UnicodeStringView text) const;
    int CompareValueKeys(const TValueKey& a, const TValueKey& b) const;
    // Puts values, sorted by their keys and distinct, after the special entries of a list without values.
    void AppendSortedValues(std::vector<TuiFilterValueItem> values);

private:
    void Insert(int32_t index, TuiFilterValueItemKind kind, const rtl::Variant& value, rtl::UnicodeStringView text);

    TuiFilterCriteria& FCriteria;
    std::vector<TuiFilterValueItem> FEntries;
    bool FUnsortedTail = false;
    bool FCompareTexts = false;
};

} // namespace ui
