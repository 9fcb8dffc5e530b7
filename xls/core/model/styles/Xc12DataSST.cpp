#include "xls/core/model/styles/Xc12DataSST.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"
#include "xls/core/base/XLSUtils.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5.h"

#include <algorithm>
#include <cstring>

namespace xls {

namespace {

constexpr int32_t HashBuckets = 65535;
constexpr int32_t NotHashed = -2;
constexpr int32_t EndOfChain = -1;
constexpr int32_t PlainHeaderSize = 7;
constexpr int32_t RunsHeaderSize = 10;
constexpr int32_t RunSize = sizeof(int32_t) + sizeof(TXc12Font*);

// FNV-1a over the UTF-16 code units, so that an 8-bit and a 16-bit item of the same text land in the same bucket.
constexpr uint32_t FnvBasis = 2166136261u;

uint32_t FnvStep(uint32_t hash, char16_t unit) {
    return (hash ^ unit) * 16777619u;
}

int32_t BucketOf(rtl::UnicodeStringView text) {
    uint32_t hash = FnvBasis;
    for (const char16_t unit : text) {
        hash = FnvStep(hash, unit);
    }
    return static_cast<int32_t>(hash % HashBuckets);
}

void CheckLength(int64_t length) {
    if (length < 0 || length > XLSMaxSSTStringLength) {
        throw rtl::Exception(rtl::Format(SSTMessages::StringTooLong, {length}));
    }
}

bool ItemHasRuns(const uint8_t* item) {
    return (TXc12DataSST::ItemFlags(item) & XLSSSTFontRuns) != 0;
}

bool ItemIsWide(const uint8_t* item) {
    return (TXc12DataSST::ItemFlags(item) & XLSSSTWideChars) != 0;
}

bool ItemEquals(const uint8_t* item, rtl::UnicodeStringView text) {
    const int32_t count = TXc12DataSST::ItemCharCount(item);
    if (count != static_cast<int32_t>(text.size())) {
        return false;
    }
    const uint8_t* chars = TXc12DataSST::ItemChars(item);
    if (ItemIsWide(item)) {
        return std::memcmp(chars, text.data(), 2 * static_cast<size_t>(count)) == 0;
    }
    return std::equal(text.begin(), text.end(), chars, [](char16_t unit, uint8_t byte) { return unit == byte; });
}

char16_t WideCharAt(const uint8_t* chars, int32_t index) {
    char16_t unit = 0;
    std::memcpy(&unit, chars + 2 * static_cast<size_t>(index), sizeof(unit));
    return unit;
}

int32_t BucketOfItem(const uint8_t* item) {
    const uint8_t* chars = TXc12DataSST::ItemChars(item);
    const int32_t count = TXc12DataSST::ItemCharCount(item);
    const bool wide = ItemIsWide(item);
    uint32_t hash = FnvBasis;
    for (int32_t i = 0; i < count; ++i) {
        hash = FnvStep(hash, wide ? WideCharAt(chars, i) : chars[i]);
    }
    return static_cast<int32_t>(hash % HashBuckets);
}

} // namespace

TXc12DataSST::TXc12DataSST(TXc12DataStyleSheet* styleSheet)
    : FStyleSheet(styleSheet), FHashHeads(HashBuckets, EndOfChain) {}

TXc12DataSST::~TXc12DataSST() {
    Clear();
}

TXc12DataSST::TItem TXc12DataSST::MakeItem(rtl::UnicodeStringView text, bool wide, int32_t runCount) {
    CheckLength(static_cast<int64_t>(text.size()));
    const int32_t count = static_cast<int32_t>(text.size());
    const bool runs = runCount > 0;
    const size_t header = runs ? RunsHeaderSize : PlainHeaderSize;
    const size_t size = header + (wide ? 2 : 1) * static_cast<size_t>(count) + static_cast<size_t>(runCount) * RunSize;
    TItem item(new uint8_t[size]());
    const uint16_t count16 = static_cast<uint16_t>(count);
    std::memcpy(item.get() + 4, &count16, 2);
    item[6] = static_cast<uint8_t>((wide ? XLSSSTWideChars : 0) | (runs ? XLSSSTFontRuns : 0));
    if (runs) {
        const uint16_t runs16 = static_cast<uint16_t>(runCount);
        std::memcpy(item.get() + 8, &runs16, 2);
    }
    uint8_t* chars = item.get() + header;
    if (wide) {
        std::memcpy(chars, text.data(), 2 * static_cast<size_t>(count));
    } else {
        std::transform(text.begin(), text.end(), chars, [](char16_t unit) { return static_cast<uint8_t>(unit); });
    }
    return item;
}

int32_t TXc12DataSST::Append(TItem item) {
    FItems.push_back(std::move(item));
    FHashNext.push_back(NotHashed);
    return Count() - 1;
}

int32_t TXc12DataSST::AddString(rtl::UnicodeStringView text) {
    return Append(MakeItem(text, !IsNarrowText(text), 0));
}

int32_t TXc12DataSST::AddFormattedString(rtl::UnicodeStringView text, const TXc12DynFontRunArray& runs) {
    const int64_t runCount = static_cast<int64_t>(runs.size());
    if (runCount > XLSMaxSSTFontRuns) {
        throw rtl::Exception(rtl::Format(SSTMessages::TooManyFontRuns, {runCount}));
    }
    const bool wide = !IsNarrowText(text);
    TItem item = MakeItem(text, wide, static_cast<int32_t>(runCount));
    uint8_t* run = item.get() + RunsHeaderSize + (wide ? 2 : 1) * text.size();
    for (const TXc12FontRun& source : runs) {
        std::memcpy(run, &source.Position, sizeof(int32_t));
        std::memcpy(run + sizeof(int32_t), &source.Font, sizeof(TXc12Font*));
        run += RunSize;
    }
    return Append(std::move(item));
}

int32_t TXc12DataSST::AddCompressed8(int32_t count, const uint8_t* bytes) {
    CheckLength(count);
    const rtl::UnicodeString text(bytes, bytes + count);
    return Append(MakeItem(text, false, 0));
}

int32_t TXc12DataSST::AddUncompressed16(int32_t count, const char16_t* characters) {
    CheckLength(count);
    return Append(MakeItem(rtl::UnicodeStringView(characters, count), true, 0));
}

int32_t TXc12DataSST::FindOrAddString(rtl::UnicodeStringView text) {
    if (!FHashValid) {
        BuildHash();
    }
    const int32_t found = Find(text);
    if (found >= 0) {
        return found;
    }
    TItem item = MakeItem(text, !IsNarrowText(text), 0);
    int32_t index = 0;
    if (FFreeSlots.empty()) {
        index = Append(std::move(item));
    } else {
        index = *FFreeSlots.begin();
        FFreeSlots.erase(FFreeSlots.begin());
        FItems[index] = std::move(item);
    }
    Enter(index);
    return index;
}

void TXc12DataSST::BuildHash() {
    std::fill(FHashHeads.begin(), FHashHeads.end(), EndOfChain);
    std::fill(FHashNext.begin(), FHashNext.end(), NotHashed);
    for (int32_t index = 0; index < Count(); ++index) {
        if (FItems[index] != nullptr && !ItemHasRuns(FItems[index].get())) {
            Enter(index);
        }
    }
    FHashValid = true;
}

int32_t TXc12DataSST::Find(rtl::UnicodeStringView text) const {
    for (int32_t index = FHashHeads[BucketOf(text)]; index != EndOfChain; index = FHashNext[index]) {
        if (ItemEquals(FItems[index].get(), text)) {
            return index;
        }
    }
    return -1;
}

void TXc12DataSST::Enter(int32_t index) {
    int32_t& head = FHashHeads[BucketOfItem(FItems[index].get())];
    FHashNext[index] = head;
    head = index;
}

void TXc12DataSST::Remove(int32_t index) {
    if (FHashNext[index] == NotHashed) {
        return;
    }
    int32_t* link = &FHashHeads[BucketOfItem(FItems[index].get())];
    while (*link != index) {
        link = &FHashNext[*link];
    }
    *link = FHashNext[index];
    FHashNext[index] = NotHashed;
}

const uint8_t* TXc12DataSST::Item(int32_t index) const {
    if (index < 0 || index >= Count()) {
        throw rtl::Exception(SSTMessages::IndexOutOfRange);
    }
    return FItems[index].get();
}

uint8_t* TXc12DataSST::CheckedItem(int32_t index) const {
    if (Item(index) == nullptr) {
        throw rtl::Exception(SSTMessages::StringIsNil);
    }
    return FItems[index].get();
}

void TXc12DataSST::CheckString(int32_t index) const {
    static_cast<void>(CheckedItem(index));
}

uint8_t* TXc12DataSST::AddRef(int32_t index) {
    uint8_t* item = CheckedItem(index);
    const int32_t count = ItemRefCount(item) + 1;
    std::memcpy(item, &count, sizeof(count));
    return item;
}

void TXc12DataSST::Release(int32_t index) {
    if (Item(index) == nullptr) {
        return;
    }
    uint8_t* item = FItems[index].get();
    const int32_t count = ItemRefCount(item) - 1;
    std::memcpy(item, &count, sizeof(count));
    if (count <= 0) {
        FreeSlot(index);
    }
}

void TXc12DataSST::FreeSlot(int32_t index) {
    const uint8_t* item = FItems[index].get();
    if (ItemHasRuns(item)) {
        ReleaseFonts(item);
    } else {
        Remove(index);
    }
    FItems[index].reset();
    if (index == Count() - 1) {
        FItems.pop_back();
        FHashNext.pop_back();
    } else {
        FFreeSlots.insert(index);
    }
}

rtl::UnicodeString TXc12DataSST::GetString(int32_t index) const {
    return ItemToString(CheckedItem(index));
}

void TXc12DataSST::ReleaseFonts(const uint8_t* item) {
    if (FStyleSheet == nullptr) {
        return;
    }
    for (int32_t run = 0; run < ItemRunCount(item); ++run) {
        FStyleSheet->XFEditor().ReleaseFont(ItemFontRun(item, run).Font);
    }
}

void TXc12DataSST::Clear() {
    for (const TItem& item : FItems) {
        if (item != nullptr && ItemHasRuns(item.get())) {
            ReleaseFonts(item.get());
        }
    }
    // Only an item can have filled a bucket: an empty table's buckets are empty already, and a reader that clears
    // the model for every workbook does not pay for them.
    if (!FItems.empty()) {
        std::fill(FHashHeads.begin(), FHashHeads.end(), EndOfChain);
    }
    FItems.clear();
    FFreeSlots.clear();
    FHashNext.clear();
    FHashValid = false;
}

int32_t TXc12DataSST::ItemRefCount(const uint8_t* item) {
    int32_t count = 0;
    std::memcpy(&count, item, sizeof(count));
    return count;
}

int32_t TXc12DataSST::ItemCharCount(const uint8_t* item) {
    uint16_t count = 0;
    std::memcpy(&count, item + 4, sizeof(count));
    return count;
}

const uint8_t* TXc12DataSST::ItemChars(const uint8_t* item) {
    switch (ItemFlags(item)) {
    case 0:
    case XLSSSTWideChars:
        return item + PlainHeaderSize;
    case XLSSSTFontRuns:
    case XLSSSTFontRuns | XLSSSTWideChars:
        return item + RunsHeaderSize;
    default:
        throw rtl::Exception(SSTMessages::UnhandledStringType);
    }
}

const uint8_t* TXc12DataSST::ItemFontRuns(const uint8_t* item) {
    if (!ItemHasRuns(item)) {
        return nullptr;
    }
    return ItemChars(item) + (ItemIsWide(item) ? 2 : 1) * static_cast<size_t>(ItemCharCount(item));
}

int32_t TXc12DataSST::ItemRunCount(const uint8_t* item) {
    if (!ItemHasRuns(item)) {
        return 0;
    }
    uint16_t count = 0;
    std::memcpy(&count, item + 8, sizeof(count));
    return count;
}

TXc12FontRun TXc12DataSST::ItemFontRun(const uint8_t* item, int32_t run) {
    if (run < 0 || run >= ItemRunCount(item)) {
        throw rtl::Exception(SSTMessages::IndexOutOfRange);
    }
    const uint8_t* bytes = ItemFontRuns(item) + static_cast<size_t>(run) * RunSize;
    TXc12FontRun result;
    std::memcpy(&result.Position, bytes, sizeof(int32_t));
    std::memcpy(&result.Font, bytes + sizeof(int32_t), sizeof(TXc12Font*));
    return result;
}

rtl::UnicodeString TXc12DataSST::ItemToString(const uint8_t* item) {
    const uint8_t* chars = ItemChars(item);
    const int32_t count = ItemCharCount(item);
    if (!ItemIsWide(item)) {
        return rtl::UnicodeString(chars, chars + count);
    }
    rtl::UnicodeString text(count, u'\0');
    std::memcpy(text.data(), chars, 2 * static_cast<size_t>(count));
    return text;
}

} // namespace xls
