#include "rtl/text/StringList.h"

#include "rtl/core/Exceptions.h"
#include "rtl/core/Lists.h"
#include "rtl/text/Format.h"
#include "rtl/text/StringUtils.h"

#include <memory>

namespace rtl {

namespace {

[[noreturn]] void RaiseStringListError(const char16_t* message, int32_t value) {
    throw EStringListError(Format(message, {value}));
}

// The characters that separate and quote the items of a delimited text.
struct TDelimiting {
    char16_t FDelimiter;
    char16_t FQuoteChar;
    bool FStrictDelimiter;
};

constexpr TDelimiting CommaDelimiting{u',', u'"', false};

bool IsBlank(char16_t c) {
    return c <= u' ';
}

bool NeedsQuotes(UnicodeStringView item, const TDelimiting& delimiting) {
    for (const char16_t c : item) {
        if (c == delimiting.FQuoteChar || c == delimiting.FDelimiter || (!delimiting.FStrictDelimiter && IsBlank(c))) {
            return true;
        }
    }
    return false;
}

void AppendItem(UnicodeString& text, UnicodeStringView item, const TDelimiting& delimiting) {
    if (!NeedsQuotes(item, delimiting)) {
        text.append(item);
        return;
    }
    text.push_back(delimiting.FQuoteChar);
    for (const char16_t c : item) {
        text.push_back(c);
        if (c == delimiting.FQuoteChar) {
            text.push_back(c);
        }
    }
    text.push_back(delimiting.FQuoteChar);
}

UnicodeString JoinDelimited(const TStringList& list, const TDelimiting& delimiting) {
    // A lone empty item is written quoted, or it would read back as no item at all.
    if (list.Count() == 1 && list.Get(0).empty()) {
        return {delimiting.FQuoteChar, delimiting.FQuoteChar};
    }
    UnicodeString text;
    for (int32_t i = 0; i < list.Count(); ++i) {
        if (i > 0) {
            text.push_back(delimiting.FDelimiter);
        }
        AppendItem(text, list.Get(i), delimiting);
    }
    return text;
}

// Reads a quoted item starting at the quote at position; doubled quotes stand for one. An item without its closing
// quote runs to the end of the text.
UnicodeString ReadQuoted(UnicodeStringView text, size_t& position, char16_t quote) {
    UnicodeString item;
    ++position;
    while (position < text.size()) {
        const char16_t c = text[position++];
        if (c != quote) {
            item.push_back(c);
        } else if (position < text.size() && text[position] == quote) {
            item.push_back(quote);
            ++position;
        } else {
            break;
        }
    }
    return item;
}

std::vector<UnicodeString> SplitDelimited(UnicodeStringView text, const TDelimiting& delimiting) {
    std::vector<UnicodeString> items;
    size_t position = 0;
    const auto skipBlanks = [&] {
        while (!delimiting.FStrictDelimiter && position < text.size() && IsBlank(text[position])) {
            ++position;
        }
    };
    skipBlanks();
    while (position < text.size()) {
        if (text[position] == delimiting.FQuoteChar) {
            items.push_back(ReadQuoted(text, position, delimiting.FQuoteChar));
        } else {
            const size_t start = position;
            while (position < text.size() && text[position] != delimiting.FDelimiter &&
                   (delimiting.FStrictDelimiter || !IsBlank(text[position]))) {
                ++position;
            }
            items.emplace_back(text.substr(start, position - start));
        }
        skipBlanks();
        if (position < text.size() && text[position] == delimiting.FDelimiter) {
            ++position;
            // A delimiter that ends the text ends an empty last item.
            if (position == text.size()) {
                items.emplace_back();
            }
            skipBlanks();
        }
    }
    return items;
}

bool IsStandardLineBreak(UnicodeStringView lineBreak) {
    return lineBreak.empty() || lineBreak == u"\r\n" || lineBreak == u"\n" || lineBreak == u"\r";
}

// The position where the line starting at start ends, setting next to where the following line starts.
size_t LineEnd(UnicodeStringView text, size_t start, UnicodeStringView lineBreak, size_t& next) {
    const bool standard = IsStandardLineBreak(lineBreak);
    const size_t end = standard ? text.find_first_of(u"\r\n", start) : text.find(lineBreak, start);
    if (end == UnicodeStringView::npos) {
        next = text.size();
        return text.size();
    }
    if (!standard) {
        next = end + lineBreak.size();
    } else {
        const bool crLf = text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n';
        next = end + (crLf ? 2 : 1);
    }
    return end;
}

std::vector<UnicodeString> SplitLines(UnicodeStringView text, UnicodeStringView lineBreak) {
    std::vector<UnicodeString> lines;
    size_t next = 0;
    for (size_t start = 0; start < text.size(); start = next) {
        const size_t end = LineEnd(text, start, lineBreak, next);
        lines.emplace_back(text.substr(start, end - start));
    }
    return lines;
}

} // namespace

TStringList::~TStringList() {
    FOnChange = nullptr;
    FOnChanging = nullptr;
    if (FOwnsObjects) {
        for (const auto& item : FList) {
            delete item.FObject;
        }
    }
}

int32_t TStringList::Add(UnicodeStringView text) {
    return AddObject(text, nullptr);
}

int32_t TStringList::AddObject(UnicodeStringView text, TObject* object) {
    int32_t index = Count();
    if (FSorted && Find(text, index)) {
        switch (FDuplicates) {
        case TDuplicates::dupIgnore:
            return index;
        case TDuplicates::dupError:
            throw EStringListError(RtlMessages::DuplicateString);
        case TDuplicates::dupAccept:
            index = SearchSorted(text, true);
            break;
        }
    }
    InsertItem(index, text, object);
    return index;
}

void TStringList::Append(UnicodeStringView text) {
    Add(text);
}

void TStringList::Insert(int32_t index, UnicodeStringView text) {
    InsertObject(index, text, nullptr);
}

void TStringList::InsertObject(int32_t index, UnicodeStringView text, TObject* object) {
    CheckNotSorted();
    if (index < 0 || index > Count()) {
        RaiseStringListError(RtlMessages::ListIndexError, index);
    }
    InsertItem(index, text, object);
}

void TStringList::Delete(int32_t index) {
    CheckIndex(index);
    Changing();
    // The object goes only after the list stops holding it and has told so.
    std::unique_ptr<TObject> owned(FOwnsObjects ? FList[static_cast<size_t>(index)].FObject : nullptr);
    FList.erase(FList.begin() + index);
    Changed();
}

void TStringList::Clear() {
    if (FList.empty()) {
        return;
    }
    Changing();
    std::vector<TStringItem> removed;
    removed.swap(FList);
    std::vector<std::unique_ptr<TObject>> owned;
    if (FOwnsObjects) {
        for (const auto& item : removed) {
            owned.emplace_back(item.FObject);
        }
    }
    Changed();
}

void TStringList::Exchange(int32_t index1, int32_t index2) {
    CheckIndex(index1);
    CheckIndex(index2);
    Changing();
    std::swap(FList[static_cast<size_t>(index1)], FList[static_cast<size_t>(index2)]);
    Changed();
}

void TStringList::AddStrings(const TStringList& strings) {
    // A copy, so that adding a list to itself reads a list that does not grow underneath.
    const std::vector<TStringItem> items = strings.FList;
    WithinUpdate([&] {
        for (const auto& item : items) {
            AddObject(item.FString, item.FObject);
        }
    });
}

void TStringList::Assign(const TStringList& source) {
    if (&source == this) {
        return;
    }
    WithinUpdate([&] {
        Clear();
        FSorted = source.FSorted;
        FDuplicates = source.FDuplicates;
        FCaseSensitive = source.FCaseSensitive;
        FDelimiter = source.FDelimiter;
        FQuoteChar = source.FQuoteChar;
        FStrictDelimiter = source.FStrictDelimiter;
        FNameValueSeparator = source.FNameValueSeparator;
        FLineBreak = source.FLineBreak;
        if (!source.FList.empty()) {
            Changing();
            FList = source.FList;
            Changed();
        }
    });
}

const UnicodeString& TStringList::Get(int32_t index) const {
    CheckIndex(index);
    return FList[static_cast<size_t>(index)].FString;
}

void TStringList::Put(int32_t index, UnicodeStringView text) {
    CheckNotSorted();
    CheckIndex(index);
    Changing();
    FList[static_cast<size_t>(index)].FString = text;
    Changed();
}

TObject* TStringList::GetObject(int32_t index) const {
    CheckIndex(index);
    return FList[static_cast<size_t>(index)].FObject;
}

void TStringList::PutObject(int32_t index, TObject* object) {
    CheckIndex(index);
    Changing();
    FList[static_cast<size_t>(index)].FObject = object;
    Changed();
}

int32_t TStringList::IndexOf(UnicodeStringView text) const {
    if (FSorted) {
        int32_t index = 0;
        return Find(text, index) ? index : -1;
    }
    for (int32_t i = 0; i < Count(); ++i) {
        if (SameString(FList[static_cast<size_t>(i)].FString, text)) {
            return i;
        }
    }
    return -1;
}

int32_t TStringList::IndexOfObject(const TObject* object) const {
    for (int32_t i = 0; i < Count(); ++i) {
        if (FList[static_cast<size_t>(i)].FObject == object) {
            return i;
        }
    }
    return -1;
}

int32_t TStringList::IndexOfName(UnicodeStringView name) const {
    for (int32_t i = 0; i < Count(); ++i) {
        const UnicodeStringView text = FList[static_cast<size_t>(i)].FString;
        const size_t separator = text.find(FNameValueSeparator);
        if (separator != UnicodeStringView::npos && SameString(text.substr(0, separator), name)) {
            return i;
        }
    }
    return -1;
}

bool TStringList::Find(UnicodeStringView text, int32_t& index) const {
    index = SearchSorted(text, false);
    return index < Count() && CompareStrings(FList[static_cast<size_t>(index)].FString, text) == 0;
}

void TStringList::Sort() {
    if (FSorted || Count() < 2) {
        return;
    }
    if (FCaseSensitive) {
        SortBy([this](int32_t first, int32_t second) {
            return CompareStr(FList[static_cast<size_t>(first)].FString, FList[static_cast<size_t>(second)].FString);
        });
        return;
    }
    // Folding every string once, rather than at each comparison, keeps large sorts fast.
    std::vector<UnicodeString> keys;
    keys.reserve(FList.size());
    for (const auto& item : FList) {
        keys.push_back(WideUpperCase(item.FString));
    }
    SortBy([&keys](int32_t first, int32_t second) {
        return CompareStr(keys[static_cast<size_t>(first)], keys[static_cast<size_t>(second)]);
    });
}

void TStringList::CustomSort(const TStringListSortCompare& compare) {
    if (FSorted || Count() < 2) {
        return;
    }
    SortBy([&](int32_t first, int32_t second) { return compare(*this, first, second); });
}

int TStringList::CompareStrings(UnicodeStringView a, UnicodeStringView b) const {
    return FCaseSensitive ? CompareStr(a, b) : WideCompareText(a, b);
}

UnicodeString TStringList::GetName(int32_t index) const {
    const UnicodeString& text = Get(index);
    const size_t separator = text.find(FNameValueSeparator);
    return separator == UnicodeString::npos ? UnicodeString() : text.substr(0, separator);
}

UnicodeString TStringList::GetValue(UnicodeStringView name) const {
    const int32_t index = IndexOfName(name);
    return index < 0 ? UnicodeString() : GetValueFromIndex(index);
}

void TStringList::SetValue(UnicodeStringView name, UnicodeStringView value) {
    const int32_t index = IndexOfName(name);
    if (value.empty()) {
        if (index >= 0) {
            Delete(index);
        }
        return;
    }
    UnicodeString line(name);
    line.append(1, FNameValueSeparator).append(value);
    if (index < 0) {
        Add(line);
    } else {
        Put(index, line);
    }
}

UnicodeString TStringList::GetValueFromIndex(int32_t index) const {
    const UnicodeString& text = Get(index);
    const size_t separator = text.find(FNameValueSeparator);
    return separator == UnicodeString::npos ? UnicodeString() : text.substr(separator + 1);
}

void TStringList::SetValueFromIndex(int32_t index, UnicodeStringView value) {
    if (value.empty()) {
        Delete(index);
        return;
    }
    UnicodeString line = GetName(index);
    line.append(1, FNameValueSeparator).append(value);
    Put(index, line);
}

UnicodeString TStringList::GetText() const {
    size_t length = 0;
    for (const auto& item : FList) {
        length += item.FString.size() + FLineBreak.size();
    }
    UnicodeString text;
    text.reserve(length);
    for (const auto& item : FList) {
        text.append(item.FString).append(FLineBreak);
    }
    return text;
}

void TStringList::SetText(UnicodeStringView text) {
    ReplaceStrings(SplitLines(text, FLineBreak));
}

UnicodeString TStringList::GetDelimitedText() const {
    return JoinDelimited(*this, {FDelimiter, FQuoteChar, FStrictDelimiter});
}

void TStringList::SetDelimitedText(UnicodeStringView text) {
    ReplaceStrings(SplitDelimited(text, {FDelimiter, FQuoteChar, FStrictDelimiter}));
}

UnicodeString TStringList::GetCommaText() const {
    return JoinDelimited(*this, CommaDelimiting);
}

void TStringList::SetCommaText(UnicodeStringView text) {
    ReplaceStrings(SplitDelimited(text, CommaDelimiting));
}

void TStringList::BeginUpdate() {
    ++FUpdateCount;
}

void TStringList::EndUpdate() {
    if (FUpdateCount == 0) {
        return;
    }
    --FUpdateCount;
    if (FUpdateCount == 0 && FChangedInUpdate) {
        FChangedInUpdate = false;
        if (FOnChange) {
            FOnChange(this);
        }
    }
}

void TStringList::SetCapacity(int32_t capacity) {
    if (capacity < Count() || capacity > MaxListSize) {
        RaiseStringListError(RtlMessages::ListCapacityError, capacity);
    }
    FList.reserve(static_cast<size_t>(capacity));
}

void TStringList::SetSorted(bool sorted) {
    if (sorted == FSorted) {
        return;
    }
    if (sorted) {
        Sort();
    }
    FSorted = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive) {
    if (caseSensitive == FCaseSensitive) {
        return;
    }
    FCaseSensitive = caseSensitive;
    if (FSorted) {
        FSorted = false;
        SetSorted(true);
    }
}

void TStringList::Changing() {
    if (FUpdateCount > 0) {
        if (FChangedInUpdate) {
            return;
        }
        FChangedInUpdate = true;
    }
    if (FOnChanging) {
        FOnChanging(this);
    }
}

void TStringList::Changed() {
    if (FUpdateCount == 0 && FOnChange) {
        FOnChange(this);
    }
}

void TStringList::CheckIndex(int32_t index) const {
    if (index < 0 || index >= Count()) {
        RaiseStringListError(RtlMessages::ListIndexError, index);
    }
}

void TStringList::CheckNotSorted() const {
    if (FSorted) {
        throw EStringListError(RtlMessages::SortedListError);
    }
}

// Per-unit case folding keeps lengths, so strings of different lengths never match and need no folding.
bool TStringList::SameString(UnicodeStringView a, UnicodeStringView b) const {
    return a.size() == b.size() && CompareStrings(a, b) == 0;
}

void TStringList::InsertItem(int32_t index, UnicodeStringView text, TObject* object) {
    if (Count() >= MaxListSize) {
        RaiseStringListError(RtlMessages::ListCountError, Count() + 1);
    }
    Changing();
    FList.insert(FList.begin() + index, TStringItem{UnicodeString(text), object});
    Changed();
}

int32_t TStringList::SearchSorted(UnicodeStringView text, bool afterEquals) const {
    int32_t low = 0;
    int32_t high = Count();
    while (low < high) {
        const int32_t middle = low + (high - low) / 2;
        const int comparison = CompareStrings(FList[static_cast<size_t>(middle)].FString, text);
        if (comparison < 0 || (afterEquals && comparison == 0)) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low;
}

void TStringList::SortBy(const std::function<int(int32_t, int32_t)>& compare) {
    const auto order = StableSortOrder(Count(), compare);
    Changing();
    std::vector<TStringItem> sorted;
    sorted.reserve(FList.size());
    for (const int32_t position : order) {
        sorted.push_back(std::move(FList[static_cast<size_t>(position)]));
    }
    FList.swap(sorted);
    Changed();
}

void TStringList::WithinUpdate(const std::function<void()>& action) {
    BeginUpdate();
    try {
        action();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStringList::ReplaceStrings(const std::vector<UnicodeString>& strings) {
    WithinUpdate([&] {
        Clear();
        for (const auto& text : strings) {
            Add(text);
        }
    });
}

int32_t THashedStringList::IndexOf(UnicodeStringView text) const {
    return Lookup(FValueHash, false, text);
}

int32_t THashedStringList::IndexOfName(UnicodeStringView name) const {
    return Lookup(FNameHash, true, name);
}

void THashedStringList::Changed() {
    FValueHash.FValid = false;
    FNameHash.FValid = false;
    TStringList::Changed();
}

void THashedStringList::Rebuild(THashTable& table, bool names) const {
    table.FIndexes.clear();
    for (int32_t i = 0; i < Count(); ++i) {
        const UnicodeStringView text = Get(i);
        const size_t separator = names ? text.find(NameValueSeparator()) : text.size();
        if (separator != UnicodeStringView::npos) {
            // emplace keeps the first position of equal keys, the one a linear search finds.
            table.FIndexes.emplace(HashKey(text.substr(0, separator)), i);
        }
    }
    table.FValid = true;
    table.FCaseSensitive = CaseSensitive();
    table.FNameValueSeparator = NameValueSeparator();
}

UnicodeString THashedStringList::HashKey(UnicodeStringView text) const {
    return CaseSensitive() ? UnicodeString(text) : WideUpperCase(text);
}

int32_t THashedStringList::Lookup(THashTable& table, bool names, UnicodeStringView key) const {
    // A table built under other comparison settings is out of date too.
    if (!table.FValid || table.FCaseSensitive != CaseSensitive() || table.FNameValueSeparator != NameValueSeparator()) {
        Rebuild(table, names);
    }
    const auto found = table.FIndexes.find(HashKey(key));
    return found == table.FIndexes.end() ? -1 : found->second;
}

} // namespace rtl
