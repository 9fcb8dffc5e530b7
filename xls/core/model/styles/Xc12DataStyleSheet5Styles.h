#pragma once
// Named cell styles ("Normal", "Good", a workbook's own) with the style formats they stand for, and table styles:
// named sets of differential formats for the elements of a table or pivot table (header row, banded rows...).

#include "rtl/text/StringTypes.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5XFs.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace xls {

// A named cell style.
class TXc12CellStyle : public TXLSStyleObject {
public:
    explicit TXc12CellStyle(TXLSStyleObjectList* owner = nullptr) : TXLSStyleObject(owner) {}

    int32_t GetBuiltInId() const { return FBuiltInId; }
    void SetBuiltInId(int32_t builtInId) { FBuiltInId = builtInId; }
    bool GetCustomBuiltIn() const { return FCustomBuiltIn; }
    void SetCustomBuiltIn(bool customBuiltIn) { FCustomBuiltIn = customBuiltIn; }
    bool GetHidden() const { return FHidden; }
    void SetHidden(bool hidden) { FHidden = hidden; }
    int32_t GetOutlineLevel() const { return FOutlineLevel; }
    void SetOutlineLevel(int32_t outlineLevel) { FOutlineLevel = outlineLevel; }
    const rtl::UnicodeString& GetName() const { return FName; }
    void SetName(rtl::UnicodeStringView name) { FName = name; }
    // A format of the style-format list, or nullptr.
    TXc12XF* GetFormat() const { return FFormat; }
    void SetFormat(TXc12XF* format) { FFormat = format; }

    // Every field equal, names case-sensitively, formats by their Equals.
    bool Equals(const TXLSStyleObject& other) const override;

protected:
    void CalcHash() override;

private:
    int32_t FBuiltInId = 0;
    bool FCustomBuiltIn = false;
    bool FHidden = false;
    int32_t FOutlineLevel = 0;
    rtl::UnicodeString FName;
    TXc12XF* FFormat = nullptr; // not owned
};

// The named cell styles of a style sheet; the predefined one is "Normal".
class TXc12CellStyles : public TXc12StyleObjectList<TXc12CellStyle> {
public:
    // The first style named name, ignoring case in full UTF-16 case folding; else nullptr.
    TXc12CellStyle* Find(rtl::UnicodeStringView name) const;
    // Find, else a new style named name.
    TXc12CellStyle* FindOrAdd(rtl::UnicodeStringView name);

protected:
    void AddDefaults() override;
};

// What one element of a table style (its type as the file numbers it) looks like.
class TXc12TableStyleElement {
public:
    uint8_t GetElementType() const { return FElementType; }
    void SetElementType(uint8_t elementType) { FElementType = elementType; }
    // How many rows or columns a band spans.
    int32_t GetSize() const { return FSize; }
    void SetSize(int32_t size) { FSize = size; }
    TXc12DXF* GetDXF() const { return FDXF; }
    void SetDXF(TXc12DXF* dxf) { FDXF = dxf; }
    // Type 255 (none given), size 1, no format.
    void Clear() { *this = TXc12TableStyleElement(); }

private:
    uint8_t FElementType = 255;
    int32_t FSize = 1;
    TXc12DXF* FDXF = nullptr; // not owned
};

// The elements of a table style, in order.
class TXc12TableStyleElements {
public:
    // Appends a cleared element and returns it.
    TXc12TableStyleElement* Add();
    TXc12TableStyleElement* GetItem(int32_t index) const;
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TXc12TableStyleElement>> FItems;
};

// A named table style.
class TXc12TableStyle : public TXLSStyleObject {
public:
    explicit TXc12TableStyle(TXLSStyleObjectList* owner = nullptr) : TXLSStyleObject(owner) {}

    const rtl::UnicodeString& GetName() const { return FName; }
    void SetName(rtl::UnicodeStringView name) { FName = name; }
    // Whether the style applies to pivot tables, and to tables.
    bool GetPivot() const { return FPivot; }
    void SetPivot(bool pivot) { FPivot = pivot; }
    bool GetTable() const { return FTable; }
    void SetTable(bool table) { FTable = table; }
    TXc12TableStyleElements& GetElements() { return FElements; }
    const TXc12TableStyleElements& GetElements() const { return FElements; }
    // No elements, no name, for pivot tables and tables.
    void Clear();

    // Table styles are neither compared nor hashed: both raise EInvalidOperation.
    bool Equals(const TXLSStyleObject& other) const override;

protected:
    void CalcHash() override;

private:
    rtl::UnicodeString FName;
    bool FPivot = true;
    bool FTable = true;
    TXc12TableStyleElements FElements;
};

// The table styles of a style sheet, with the names of the default table and pivot styles.
class TXc12TableStyles : public TXc12StyleObjectList<TXc12TableStyle> {
public:
    const rtl::UnicodeString& GetDefaultTableStyle() const { return FDefaultTableStyle; }
    void SetDefaultTableStyle(rtl::UnicodeStringView name) { FDefaultTableStyle = name; }
    const rtl::UnicodeString& GetDefaultPivotStyle() const { return FDefaultPivotStyle; }
    void SetDefaultPivotStyle(rtl::UnicodeStringView name) { FDefaultPivotStyle = name; }
    // Frees the styles and empties both default names.
    void Clear();

private:
    rtl::UnicodeString FDefaultTableStyle;
    rtl::UnicodeString FDefaultPivotStyle;
};

} // namespace xls
