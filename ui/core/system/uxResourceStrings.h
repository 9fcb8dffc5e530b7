#pragma once
// The library's localisable strings. Each string unit of the library keeps its texts in a string table: the Windows
// build compiles the table into the executable's string-table resource, from which every message is loaded, so a
// translated resource changes the messages; builds for other targets read the same table directly. Each unit also
// registers the names of its strings under its product key in the resource-string repository, which lists them.

#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

// One string of a string table.
struct TuxResourceString {
    // The identifier in the string-table resource.
    uint16_t Id;
    // The declared name, "uiSDataReadError".
    const char16_t* Name;
    // The text as the table states it; on Windows the resource is read instead.
    const char16_t* Text;
};

// The text of a string: the executable's string-table resource on Windows (empty when the resource lacks it), the
// table's own text elsewhere.
rtl::UnicodeString LoadResStringText(const TuxResourceString& record);

// The strings one product (one string unit) has registered, kept sorted by name.
class TuxProductResourceStrings {
public:
    using TFillProc = void (*)(TuxProductResourceStrings& product);

    // Calls fill at once, which adds the product's strings.
    TuxProductResourceStrings(rtl::UnicodeString key, TFillProc fill);

    const rtl::UnicodeString& Key() const { return FKey; }
    void AddResString(const TuxResourceString& record);
    int32_t Count() const { return static_cast<int32_t>(FStrings.size()); }
    // In the order of their names.
    const TuxResourceString& Item(int32_t index) const { return *FStrings.at(index); }
    // The string of that name (exact), or nullptr.
    const TuxResourceString* Find(rtl::UnicodeStringView name) const;

private:
    rtl::UnicodeString FKey;
    std::vector<const TuxResourceString*> FStrings; // not owned: the string units' tables
};

// Told when the library's texts change language; the repository only keeps the list of those listening.
class IuxResourceStringsListener {
public:
    virtual void TranslationChanged() = 0;

protected:
    ~IuxResourceStringsListener() = default;
};

// The process-wide list of registered products, in the order of registration, and of the listeners to translations.
class TuxResourceStringsRepository {
public:
    // Appends a product for key, filled by fill; a key registered already gets a second product.
    void RegisterProduct(rtl::UnicodeString key, TuxProductResourceStrings::TFillProc fill);
    // Removes the first product of that key (exact, case-sensitive); nothing when there is none.
    void UnregisterProduct(rtl::UnicodeStringView key);
    // The first product of that key, or -1.
    int32_t IndexOfProduct(rtl::UnicodeStringView key) const;
    int32_t GetProductCount() const { return static_cast<int32_t>(FProducts.size()); }
    const TuxProductResourceStrings& GetProduct(int32_t index) const { return *FProducts.at(index); }

    // Adds a listener (not owned) unless it is listed already.
    void AddListener(IuxResourceStringsListener* listener);
    void RemoveListener(IuxResourceStringsListener* listener);
    int32_t GetListenerCount() const { return static_cast<int32_t>(FListeners.size()); }

private:
    std::vector<std::unique_ptr<TuxProductResourceStrings>> FProducts;
    std::vector<IuxResourceStringsListener*> FListeners; // not owned
};

// The single repository, made on first use.
TuxResourceStringsRepository& GetResourceStringsRepository();

// A string unit's registration for as long as the object lives: a string unit defines one beside its table, so its
// product is listed from start-up to shut-down.
class TuxProductRegistration {
public:
    TuxProductRegistration(rtl::UnicodeString key, TuxProductResourceStrings::TFillProc fill);
    TuxProductRegistration(const TuxProductRegistration&) = delete;
    TuxProductRegistration& operator=(const TuxProductRegistration&) = delete;
    ~TuxProductRegistration();

private:
    rtl::UnicodeString FKey;
};

} // namespace ui
