#pragma once
// The autofilter of a sheet or of a table: the filtered area, one filter column for each column that has a filter
// (values, date groups, top ten, custom comparisons, a dynamic filter, a colour or an icon) and the sort state with
// its conditions. The classes only keep what a file states; every field mirrors the attribute of the same name of
// the autoFilter element (ECMA-376 Part 1, 18.3.2), with its Clear value where the class gives one.

#include "rtl/text/StringList.h"
#include "rtl/text/StringTypes.h"
#include "xls/core/base/Xc12Utils5.h"
#include "xls/core/model/common/XLSClassFactory.h"
#include "xls/core/model/common/Xc12DataLists.h"

#include <cstdint>
#include <memory>

namespace xls {

class TXc12DXF;

// A date and time that a filter keeps, grouped down to one of its parts.
class TXc12DateGroupItem : public rtl::TObject {
public:
    int32_t GetYear() const { return FYear; }
    void SetYear(int32_t value) { FYear = value; }
    int32_t GetMonth() const { return FMonth; }
    void SetMonth(int32_t value) { FMonth = value; }
    int32_t GetDay() const { return FDay; }
    void SetDay(int32_t value) { FDay = value; }
    int32_t GetHour() const { return FHour; }
    void SetHour(int32_t value) { FHour = value; }
    int32_t GetMinute() const { return FMinute; }
    void SetMinute(int32_t value) { FMinute = value; }
    int32_t GetSecond() const { return FSecond; }
    void SetSecond(int32_t value) { FSecond = value; }
    uint8_t GetDateTimeGrouping() const { return FDateTimeGrouping; }
    void SetDateTimeGrouping(uint8_t value) { FDateTimeGrouping = value; }

private:
    int32_t FYear = 0;
    int32_t FMonth = 0;
    int32_t FDay = 0;
    int32_t FHour = 0;
    int32_t FMinute = 0;
    int32_t FSecond = 0;
    uint8_t FDateTimeGrouping = 0;
};

using TXc12DateGroupItems = TXc12OwnedList<TXc12DateGroupItem>;

// The values and date groups a column shows.
class TXc12Filters {
public:
    void Clear();

    bool GetBlank() const { return FBlank; }
    void SetBlank(bool value) { FBlank = value; }
    uint8_t GetCalendarType() const { return FCalendarType; }
    void SetCalendarType(uint8_t value) { FCalendarType = value; }
    // The val texts of the filter elements, in UTF-16 so that no value is lost to a code page.
    rtl::TStringList& GetFilterValues() { return FFilterValues; }
    TXc12DateGroupItems& GetDateGroupItems() { return FDateGroupItems; }

private:
    bool FBlank = false;
    uint8_t FCalendarType = 0;
    rtl::TStringList FFilterValues;
    TXc12DateGroupItems FDateGroupItems;
};

// The top or bottom items (or per cent) of a column.
class TXc12Top10 {
public:
    void Clear() { *this = TXc12Top10(); }

    // Set when the file gave the element.
    bool GetPresent() const { return FPresent; }
    void SetPresent(bool value) { FPresent = value; }
    bool GetTop() const { return FTop; }
    void SetTop(bool value) { FTop = value; }
    bool GetPercent() const { return FPercent; }
    void SetPercent(bool value) { FPercent = value; }
    double GetVal() const { return FVal; }
    void SetVal(double value) { FVal = value; }
    double GetFilterVal() const { return FFilterVal; }
    void SetFilterVal(double value) { FFilterVal = value; }

private:
    bool FPresent = false;
    bool FTop = true;
    bool FPercent = false;
    double FVal = 0;
    double FFilterVal = 0;
};

// One comparison of a custom filter.
class TXc12CustomFilter {
public:
    void Clear() { *this = TXc12CustomFilter(); }

    uint8_t GetOperator() const { return FOperator; }
    void SetOperator(uint8_t value) { FOperator = value; }
    const rtl::UnicodeString& GetVal() const { return FVal; }
    void SetVal(rtl::UnicodeStringView value) { FVal = value; }

private:
    uint8_t FOperator = 0;
    rtl::UnicodeString FVal;
};

// One or two comparisons joined by "and" or "or"; a file may list more, which are not kept.
class TXc12CustomFilters {
public:
    void Clear();

    bool GetPresent() const { return FPresent; }
    void SetPresent(bool value) { FPresent = value; }
    TXc12CustomFilter& GetFilter1() { return FFilter1; }
    TXc12CustomFilter& GetFilter2() { return FFilter2; }
    bool GetAnd() const { return FAnd; }
    void SetAnd(bool value) { FAnd = value; }

private:
    bool FPresent = false;
    TXc12CustomFilter FFilter1;
    TXc12CustomFilter FFilter2;
    bool FAnd = false;
};

// A filter whose values follow the data or the date (above average, this month, ...).
class TXc12DynamicFilter {
public:
    // The type of a column without a dynamic filter.
    static constexpr uint8_t NoType = 255;

    void Clear() { *this = TXc12DynamicFilter(); }

    uint8_t GetType() const { return FType; }
    void SetType(uint8_t value) { FType = value; }
    double GetVal() const { return FVal; }
    void SetVal(double value) { FVal = value; }
    double GetMaxVal() const { return FMaxVal; }
    void SetMaxVal(double value) { FMaxVal = value; }

private:
    uint8_t FType = NoType;
    double FVal = 0;
    double FMaxVal = 0;
};

// A filter by cell or font colour, given as a differential format of the style sheet.
class TXc12ColorFilter {
public:
    void Clear() { *this = TXc12ColorFilter(); }

    TXc12DXF* GetDXF() const { return FDXF; }
    void SetDXF(TXc12DXF* value) { FDXF = value; }
    bool GetCellColor() const { return FCellColor; }
    void SetCellColor(bool value) { FCellColor = value; }

private:
    TXc12DXF* FDXF = nullptr; // not owned
    bool FCellColor = true;
};

// A filter by the icon a conditional format shows.
class TXc12IconFilter {
public:
    void Clear() { *this = TXc12IconFilter(); }

    uint8_t GetIconSet() const { return FIconSet; }
    void SetIconSet(uint8_t value) { FIconSet = value; }
    int32_t GetIconId() const { return FIconId; }
    void SetIconId(int32_t value) { FIconId = value; }

private:
    uint8_t FIconSet = 0;
    int32_t FIconId = -1;
};

// The filter of one column of the filtered area. Every kind of filter is present at once; a file fills the ones it
// uses. The facade derives its filter-column class from this one.
class TXc12FilterColumn : public rtl::TObject {
public:
    void Clear();

    // Position of the column within the filtered area.
    int32_t GetColId() const { return FColId; }
    void SetColId(int32_t value) { FColId = value; }
    bool GetHiddenButton() const { return FHiddenButton; }
    void SetHiddenButton(bool value) { FHiddenButton = value; }
    bool GetShowButton() const { return FShowButton; }
    void SetShowButton(bool value) { FShowButton = value; }
    TXc12Filters& GetFilters() { return FFilters; }
    TXc12Top10& GetTop10() { return FTop10; }
    TXc12CustomFilters& GetCustomFilters() { return FCustomFilters; }
    TXc12DynamicFilter& GetDynamicFilter() { return FDynamicFilter; }
    TXc12ColorFilter& GetColorFilter() { return FColorFilter; }
    TXc12IconFilter& GetIconFilter() { return FIconFilter; }

private:
    int32_t FColId = 0;
    bool FHiddenButton = false;
    bool FShowButton = false;
    TXc12Filters FFilters;
    TXc12Top10 FTop10;
    TXc12CustomFilters FCustomFilters;
    TXc12DynamicFilter FDynamicFilter;
    TXc12ColorFilter FColorFilter;
    TXc12IconFilter FIconFilter;
};

// The filter columns of an autofilter, made by the class factory so that they are the facade's class.
class TXc12FilterColumns : public rtl::TObjectList {
public:
    // factory may be nullptr: the columns are then of the model's own class. It is not owned.
    explicit TXc12FilterColumns(TXLSClassFactory* factory) : FClassFactory(factory) {}

    // A new filter column, appended. A factory that makes no object of the kind gives the model's own class; one
    // that makes an object of another class raises EInvalidCast and adds nothing.
    TXc12FilterColumn* Add();
    TXc12FilterColumn* GetItem(int32_t index) const {
        return static_cast<TXc12FilterColumn*>(TObjectList::GetItem(index));
    }

private:
    TXLSClassFactory* FClassFactory; // not owned
};

// One key of a sort.
class TXc12SortCondition : public rtl::TObject {
public:
    void Clear();

    bool GetDescending() const { return FDescending; }
    void SetDescending(bool value) { FDescending = value; }
    uint8_t GetSortBy() const { return FSortBy; }
    void SetSortBy(uint8_t value) { FSortBy = value; }
    // The cells sorted by; A1 until a file gives them.
    const TXLSCellAreaRec& GetArea() const { return FArea; }
    void SetArea(const TXLSCellAreaRec& value) { FArea = value; }
    const rtl::UnicodeString& GetCustomList() const { return FCustomList; }
    void SetCustomList(rtl::UnicodeStringView value) { FCustomList = value; }
    int32_t GetDxfId() const { return FDxfId; }
    void SetDxfId(int32_t value) { FDxfId = value; }
    uint8_t GetIconSet() const { return FIconSet; }
    void SetIconSet(uint8_t value) { FIconSet = value; }
    int32_t GetIconId() const { return FIconId; }
    void SetIconId(int32_t value) { FIconId = value; }

private:
    bool FDescending = false;
    uint8_t FSortBy = 0;
    TXLSCellAreaRec FArea{0, 0, 0, 0};
    rtl::UnicodeString FCustomList;
    int32_t FDxfId = -1;
    uint8_t FIconSet = 0;
    int32_t FIconId = 0;
};

using TXc12SortConditions = TXc12OwnedList<TXc12SortCondition>;

// How an area was last sorted.
class TXc12SortState {
public:
    // The sort method a cleared state has (none).
    static constexpr uint8_t DefaultSortMethod = 2;

    void Clear();

    bool GetColumnSort() const { return FColumnSort; }
    void SetColumnSort(bool value) { FColumnSort = value; }
    bool GetCaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool value) { FCaseSensitive = value; }
    uint8_t GetSortMethod() const { return FSortMethod; }
    void SetSortMethod(uint8_t value) { FSortMethod = value; }
    // No area (all -1) until a file gives one.
    const TXLSCellAreaRec& GetArea() const { return FArea; }
    void SetArea(const TXLSCellAreaRec& value) { FArea = value; }
    TXc12SortConditions& GetSortConditions() { return FSortConditions; }

private:
    bool FColumnSort = false;
    bool FCaseSensitive = false;
    uint8_t FSortMethod = DefaultSortMethod;
    TXLSCellAreaRec FArea;
    TXc12SortConditions FSortConditions;
};

// The autofilter of a sheet or a table: the filtered area, its filter columns and its sort state.
class TXc12AutoFilter : public rtl::TObject {
public:
    // factory makes the filter columns; it may be nullptr and is not owned.
    explicit TXc12AutoFilter(TXLSClassFactory* factory);
    // Filter columns freed, sort state cleared, no area.
    void Clear();

    TXLSClassFactory* GetClassFactory() const { return FClassFactory; }
    TXc12FilterColumns& GetFilterColumns() { return FFilterColumns; }
    TXc12SortState& GetSortState() { return FSortState; }
    // No area (all -1) until a file gives one.
    const TXLSCellAreaRec& GetArea() const { return FArea; }
    void SetArea(const TXLSCellAreaRec& value) { FArea = value; }

private:
    TXLSClassFactory* FClassFactory; // not owned
    TXc12FilterColumns FFilterColumns;
    TXc12SortState FSortState;
    TXLSCellAreaRec FArea;
};

} // namespace xls
