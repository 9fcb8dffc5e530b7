#pragma once
// String lists: UTF-16 strings each paired with an object pointer, optionally kept sorted, with the name=value,
// line-break and delimited text views that configuration, file formats and user interface lists share.
// Comparison ignores case by default, with full UTF-16 case folding, so "Ä" matches "ä".

#include "rtl/core/Events.h"
#include "rtl/core/Object.h"
#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

namespace rtl {

// What adding a string that a sorted list already holds does: nothing (returning the existing index), insert it
// after its equals, or raise EStringListError.
enum class TDuplicates : uint8_t { dupIgnore, dupAccept, dupError };

class TStringList;

// Negative when the string at index1 goes before the one at index2, zero when equal, positive otherwise.
using TStringListSortCompare = std::function<int(const TStringList& list, int32_t index1, int32_t index2)>;

// An ordered list of strings with associated objects (owned only while OwnsObjects is set).
class TStringList : public TObject {
public:
    ~TStringList() override;

    int32_t Add(UnicodeStringView text);
    // Returns the index of the new string, or with dupIgnore that of the string already there (the object is then
    // not stored, and stays the caller's).
    virtual int32_t AddObject(UnicodeStringView text, TObject* object);
    void Append(UnicodeStringView text);
    void Insert(int32_t index, UnicodeStringView text);
    virtual void InsertObject(int32_t index, UnicodeStringView text, TObject* object);
    virtual void Delete(int32_t index);
    virtual void Clear();
    void Exchange(int32_t index1, int32_t index2);
    void AddStrings(const TStringList& strings);
    // Copies the strings, their object pointers and the comparison and text settings of source.
    void Assign(const TStringList& source);

    const UnicodeString& Get(int32_t index) const;
    virtual void Put(int32_t index, UnicodeStringView text);
    TObject* GetObject(int32_t index) const;
    void PutObject(int32_t index, TObject* object);

    virtual int32_t IndexOf(UnicodeStringView text) const;
    int32_t IndexOfObject(const TObject* object) const;
    virtual int32_t IndexOfName(UnicodeStringView name) const;
    // Binary search, meaningful on a sorted list: true with the index of the first equal string, or false with the
    // index where the string would be inserted.
    bool Find(UnicodeStringView text, int32_t& index) const;
    virtual void Sort();
    // Sorts stably by compare; does nothing on a sorted list, which keeps its own order.
    virtual void CustomSort(const TStringListSortCompare& compare);
    // <0, 0 or >0 under the list's case sensitivity.
    int CompareStrings(UnicodeStringView a, UnicodeStringView b) const;

    // Name=value pairs: the name is the text before the first separator ("" without one).
    UnicodeString GetName(int32_t index) const;
    UnicodeString GetValue(UnicodeStringView name) const;
    // An empty value deletes the pair.
    void SetValue(UnicodeStringView name, UnicodeStringView value);
    UnicodeString GetValueFromIndex(int32_t index) const;
    void SetValueFromIndex(int32_t index, UnicodeStringView value);

    // Every string followed by LineBreak.
    UnicodeString GetText() const;
    // Splits at CR LF, LF or CR (or at LineBreak when it is none of those); a last line without a break counts.
    void SetText(UnicodeStringView text);
    UnicodeString GetDelimitedText() const;
    void SetDelimitedText(UnicodeStringView text);
    // The delimited text with ',', '"' and blanks delimiting, whatever the list's own settings.
    UnicodeString GetCommaText() const;
    void SetCommaText(UnicodeStringView text);

    void BeginUpdate();
    void EndUpdate();

    int32_t Count() const { return static_cast<int32_t>(FList.size()); }
    int32_t Capacity() const { return static_cast<int32_t>(FList.capacity()); }
    void SetCapacity(int32_t capacity);
    bool Sorted() const { return FSorted; }
    void SetSorted(bool sorted);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates duplicates) { FDuplicates = duplicates; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool caseSensitive);
    bool OwnsObjects() const { return FOwnsObjects; }
    void SetOwnsObjects(bool ownsObjects) { FOwnsObjects = ownsObjects; }
    char16_t Delimiter() const { return FDelimiter; }
    void SetDelimiter(char16_t delimiter) { FDelimiter = delimiter; }
    char16_t QuoteChar() const { return FQuoteChar; }
    void SetQuoteChar(char16_t quoteChar) { FQuoteChar = quoteChar; }
    // Strict: only Delimiter separates items; otherwise blanks and control characters do too.
    bool StrictDelimiter() const { return FStrictDelimiter; }
    void SetStrictDelimiter(bool strictDelimiter) { FStrictDelimiter = strictDelimiter; }
    char16_t NameValueSeparator() const { return FNameValueSeparator; }
    void SetNameValueSeparator(char16_t separator) { FNameValueSeparator = separator; }
    const UnicodeString& LineBreak() const { return FLineBreak; }
    void SetLineBreak(UnicodeStringView lineBreak) { FLineBreak = lineBreak; }

    // OnChanging fires before a change; OnChange after it. Inside BeginUpdate/EndUpdate, OnChanging fires before the
    // first change and OnChange once at the outermost EndUpdate, and neither fires when nothing changed.
    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent handler) { FOnChange = std::move(handler); }
    const TNotifyEvent& OnChanging() const { return FOnChanging; }
    void SetOnChanging(TNotifyEvent handler) { FOnChanging = std::move(handler); }

protected:
    // Called before and after every change to the strings, their order or their objects, also inside an update.
    virtual void Changing();
    virtual void Changed();

private:
    struct TStringItem {
        UnicodeString FString;
        TObject* FObject = nullptr;
    };

    void CheckIndex(int32_t index) const;
    void CheckNotSorted() const;
    bool SameString(UnicodeStringView a, UnicodeStringView b) const;
    void InsertItem(int32_t index, UnicodeStringView text, TObject* object);
    // The first position whose string is greater than text (afterEquals) or not less than it.
    int32_t SearchSorted(UnicodeStringView text, bool afterEquals) const;
    void SortBy(const std::function<int(int32_t, int32_t)>& compare);
    // Runs action between BeginUpdate and EndUpdate, ending the update also when action raises.
    void WithinUpdate(const std::function<void()>& action);
    void ReplaceStrings(const std::vector<UnicodeString>& strings);

    std::vector<TStringItem> FList;
    bool FSorted = false;
    TDuplicates FDuplicates = TDuplicates::dupIgnore;
    bool FCaseSensitive = false;
    bool FOwnsObjects = false;
    char16_t FDelimiter = u',';
    char16_t FQuoteChar = u'"';
    bool FStrictDelimiter = false;
    char16_t FNameValueSeparator = u'=';
    UnicodeString FLineBreak = u"\r\n";
    int32_t FUpdateCount = 0;
    bool FChangedInUpdate = false;
    TNotifyEvent FOnChange;
    TNotifyEvent FOnChanging;
};

// A string list whose IndexOf and IndexOfName look strings up in hash tables, built on first use after a change.
// Lookups build those tables: concurrent readers must not share one list without a lock.
class THashedStringList : public TStringList {
public:
    int32_t IndexOf(UnicodeStringView text) const override;
    int32_t IndexOfName(UnicodeStringView name) const override;

protected:
    void Changed() override;

private:
    // Position of the first string (or name) with each key; keys are case-folded unless the list is case-sensitive.
    struct THashTable {
        std::unordered_map<UnicodeString, int32_t> FIndexes;
        bool FValid = false;
        bool FCaseSensitive = false;
        char16_t FNameValueSeparator = 0;
    };

    UnicodeString HashKey(UnicodeStringView text) const;
    // Looks key up in table, first rebuilding it from the strings (or from their names) when it is out of date.
    int32_t Lookup(THashTable& table, bool names, UnicodeStringView key) const;
    void Rebuild(THashTable& table, bool names) const;

    mutable THashTable FValueHash;
    mutable THashTable FNameHash;
};

} // namespace rtl
