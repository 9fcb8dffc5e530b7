#pragma once
// What the style sheet's classes share: the typed list their objects live in, the lines of their diagnostic dumps,
// the colour record's dump and palette update, and the two colour lists of the style sheet (the recently used
// colours and the palette entries a workbook file defines).

#include "rtl/text/StringTypes.h"
#include "xls/core/base/Xc12Utils5.h"
#include "xls/core/model/common/XLSStyleObjects.h"

#include <cstdint>
#include <memory>

namespace xls {

// A style-object list whose items are all of class T, which is made with its owning list.
template <class T>
class TXc12StyleObjectList : public TXLSStyleObjectList {
public:
    // Appends a new, empty object owned by the list and returns it.
    T* Add() {
        auto item = std::make_unique<T>(this);
        T* added = item.get();
        TXLSStyleObjectList::Add(std::move(item));
        return added;
    }
    T* GetItem(int32_t index) const { return static_cast<T*>(TXLSStyleObjectList::GetItem(index)); }
    // Frees every object, then puts the list's predefined objects back. A new list is empty until it is cleared.
    void Clear() {
        TXLSStyleObjectList::Clear();
        AddDefaults();
    }
    // For lists of objects that hold colours: indexed colours take their values from palette.
    void UpdateIndexedColors(const TXc12Palette& palette) {
        for (int32_t i = 0; i < Count(); ++i) {
            GetItem(i)->UpdateIndexedColors(palette);
        }
    }

protected:
    // Most lists have no predefined objects.
    void AddDefaults() override {}
};

// Raises the runtime's list index error unless 0 <= index < count.
void CheckListIndex(int32_t index, int32_t count);

// For references to style objects that may be absent: absent equals only absent, an object always equals itself,
// else Equals decides.
bool SameStyleObjects(const TXLSStyleObject* a, const TXLSStyleObject* b);
// The object's hash, 0 for an absent one.
uint32_t StyleObjectHash(TXLSStyleObject* object);

// Appends one line of a diagnostic dump: 2 * level spaces, line and a carriage return.
void AppendDumpLine(rtl::UnicodeString& text, int32_t level, rtl::UnicodeStringView line);
// Appends the lines of color (its resolved value, tint and kind) at level.
void DumpColorText(const TXc12ColorRec& color, int32_t level, rtl::UnicodeString& text);

// An indexed colour takes the palette's entry as its resolved value; other kinds stay as they are.
void UpdateIndexedColor(TXc12ColorRec& color, const TXc12Palette& palette);

// The nearest integer to value, halves to the even one; NaN gives 0 and values beyond 32 bits the nearest limit. Sizes
// come from files, so they may be anything.
int32_t RoundToInt32(double value);

// One recently used colour.
class TXc12ColorObj : public TXLSStyleObject {
public:
    explicit TXc12ColorObj(TXLSStyleObjectList* owner = nullptr) : TXLSStyleObject(owner) {}

    const TXc12ColorRec& GetColor() const { return FColor; }
    void SetColor(const TXc12ColorRec& color);
    void UpdateIndexedColors(const TXc12Palette& palette);

    bool Equals(const TXLSStyleObject& other) const override;

protected:
    void CalcHash() override;

private:
    TXc12ColorRec FColor;
};

// The most recently used colours, in order.
class TXc12ColorObjs : public TXc12StyleObjectList<TXc12ColorObj> {
public:
    // Appends a colour object holding a copy of color.
    TXc12ColorObj* AddColor(const TXc12ColorRec& color);
};

// One palette entry a workbook file defines.
class TXc12IndexColorObj : public TXLSStyleObject {
public:
    explicit TXc12IndexColorObj(TXLSStyleObjectList* owner = nullptr) : TXLSStyleObject(owner) {}

    // A Windows RGB value.
    uint32_t GetRGB() const { return FRGB; }
    void SetRGB(uint32_t rgb);

    bool Equals(const TXLSStyleObject& other) const override;

protected:
    void CalcHash() override;

private:
    uint32_t FRGB = 0;
};

// The palette entries of a workbook file, in order.
class TXc12IndexColorObjs : public TXc12StyleObjectList<TXc12IndexColorObj> {};

} // namespace xls
