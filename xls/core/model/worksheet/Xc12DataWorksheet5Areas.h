#pragma once
// The merged cells and the hyperlinks of a sheet: both are lists of cell areas that follow the cells when they move.
// The class factory makes their items, so that the facade's classes can add what the public side needs.

#include "rtl/text/StringTypes.h"
#include "xls/core/base/Xc12Utils5.h"
#include "xls/core/cells/XLSCellAreas.h"
#include "xls/core/model/common/XLSClassFactory.h"

#include <cstdint>
#include <memory>

namespace xls {

// One merged area of cells.
class TXc12MergedCell : public TCellAreaImpl {};

// The merged areas of a sheet; they never overlap and are never cut into pieces.
class TXc12MergedCells : public TSolidCellAreas {
public:
    // factory is not owned and may be nullptr.
    explicit TXc12MergedCells(TXLSClassFactory* factory) : FClassFactory(factory) {}

    // A merged cell from the class factory (a plain one when it makes none) with the bounds of rect, appended. An
    // object of another class raises EInvalidCast and adds nothing.
    TXc12MergedCell* AddRect(const TXLSCellAreaRec& rect);
    TXc12MergedCell* GetItem(int32_t index) const {
        return static_cast<TXc12MergedCell*>(TBaseCellAreas::GetItem(index));
    }
    TXLSClassFactory* GetClassFactory() const { return FClassFactory; }

protected:
    std::unique_ptr<TCellArea> NewArea() override { return std::make_unique<TXc12MergedCell>(); }

private:
    TXLSClassFactory* FClassFactory; // not owned
};

class TXc12Hyperlinks;

// One hyperlink: the cells it covers and where it leads.
class TXc12Hyperlink : public TCellArea {
public:
    int32_t GetCol1() const override { return FArea.Col1; }
    int32_t GetRow1() const override { return FArea.Row1; }
    int32_t GetCol2() const override { return FArea.Col2; }
    int32_t GetRow2() const override { return FArea.Row2; }
    void SetCol1(int32_t value) override { FArea.Col1 = value; }
    void SetRow1(int32_t value) override { FArea.Row1 = value; }
    void SetCol2(int32_t value) override { FArea.Col2 = value; }
    void SetRow2(int32_t value) override { FArea.Row2 = value; }

    // Kind 0, the texts empty, no area; the target frame, the second location and the moniker kind stay.
    void Clear();

    // Set by the facade when it reads the address; 0 when nothing was recognised.
    uint8_t GetKind() const { return FKind; }
    void SetKind(uint8_t value) { FKind = value; }
    const rtl::UnicodeString& GetDisplay() const { return FDisplay; }
    void SetDisplay(rtl::UnicodeStringView value) { FDisplay = value; }
    const rtl::UnicodeString& GetAddress() const { return FAddress; }
    // Stores the address, then lets AddressChanged read it.
    void SetAddress(rtl::UnicodeStringView value);
    const rtl::UnicodeString& GetLocation() const { return FLocation; }
    void SetLocation(rtl::UnicodeStringView value) { FLocation = value; }
    const TXLSCellAreaRec& GetArea() const { return FArea; }
    const rtl::UnicodeString& GetTooltip() const { return FTooltip; }
    void SetTooltip(rtl::UnicodeStringView value) { FTooltip = value; }
    const rtl::UnicodeString& GetTargetFrame() const { return FTargetFrame; }
    void SetTargetFrame(rtl::UnicodeStringView value) { FTargetFrame = value; }
    // The location text as a binary workbook gives it beside the address.
    const rtl::UnicodeString& GetLocation2() const { return FLocation2; }
    void SetLocation2(rtl::UnicodeStringView value) { FLocation2 = value; }
    uint8_t GetMonikerKind() const { return FMonikerKind; }
    void SetMonikerKind(uint8_t value) { FMonikerKind = value; }

protected:
    // Called by SetAddress once the address is stored; nothing here.
    virtual void AddressChanged() {}
    // Replaces the stored address without calling AddressChanged, for a subclass that rewrites what it read.
    void StoreAddress(rtl::UnicodeStringView value) { FAddress = value; }

private:
    uint8_t FKind = 0;
    rtl::UnicodeString FDisplay;
    rtl::UnicodeString FAddress;
    rtl::UnicodeString FLocation;
    TXLSCellAreaRec FArea;
    rtl::UnicodeString FTooltip;
    rtl::UnicodeString FTargetFrame;
    rtl::UnicodeString FLocation2;
    uint8_t FMonikerKind = 0;
};

// The hyperlinks of a sheet. Every hyperlink, including the pieces of one that cell moves cut apart, comes from the
// class factory (a plain one when it makes none).
class TXc12Hyperlinks : public TCellAreas {
public:
    // factory is not owned and may be nullptr.
    explicit TXc12Hyperlinks(TXLSClassFactory* factory) : FClassFactory(factory) {}

    // A new, cleared hyperlink, appended and returned. An object of another class from the factory raises
    // EInvalidCast and adds nothing.
    TXc12Hyperlink* Add();
    TXc12Hyperlink* GetItem(int32_t index) const {
        return static_cast<TXc12Hyperlink*>(TBaseCellAreas::GetItem(index));
    }
    TXLSClassFactory* GetClassFactory() const { return FClassFactory; }

protected:
    std::unique_ptr<TCellArea> NewArea() override;

private:
    TXLSClassFactory* FClassFactory; // not owned
};

} // namespace xls
