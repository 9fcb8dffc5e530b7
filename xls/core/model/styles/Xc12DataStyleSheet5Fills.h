#pragma once
// The fills of the style sheet: a fill is a pattern in a foreground and a background colour, or a gradient through
// colour stops. Fill 0 is the default (none) and fill 1 the gray125 pattern that every workbook file starts with.

#include "xls/core/model/styles/Xc12DataStyleSheet5Common.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace xls {

enum TXc12FillPattern : uint8_t {
    efpNone,
    efpSolid,
    efpMediumGray,
    efpDarkGray,
    efpLightGray,
    efpDarkHorizontal,
    efpDarkVertical,
    efpDarkDown,
    efpDarkUp,
    efpDarkGrid,
    efpDarkTrellis,
    efpLightHorizontal,
    efpLightVertical,
    efpLightDown,
    efpLightUp,
    efpLightGrid,
    efpLightTrellis,
    efpGray125,
    efpGray0625,
};

// One colour of a gradient and where it stands, 0 to 1.
struct TXc12GradientStop {
    TXc12ColorRec Color;
    double Position = 0;
};

// The stops of a gradient, in order.
class TXc12GradientStopList {
public:
    // Appends a stop; the reference is valid until the list changes.
    TXc12GradientStop& AddStop(const TXc12ColorRec& color, double position);
    const TXc12GradientStop& GetItem(int32_t index) const;
    TXc12GradientStop& GetItem(int32_t index);
    int32_t Count() const { return static_cast<int32_t>(FStops.size()); }
    void Clear() { FStops.clear(); }

private:
    std::vector<TXc12GradientStop> FStops;
};

enum TXc12GradientType : uint8_t { xgtLinear, xgtPath };

// A gradient fill: linear at an angle, or a path from the rectangle given by its four edges.
class TXc12GradientFill : public TXLSStyleObject {
public:
    TXc12GradientFill() : TXLSStyleObject(nullptr) {}

    TXc12GradientStopList& GetStops() { return FStops; }
    const TXc12GradientStopList& GetStops() const { return FStops; }
    TXc12GradientType GetGradientType() const { return FGradientType; }
    void SetGradientType(TXc12GradientType gradientType) { FGradientType = gradientType; }
    double GetDegree() const { return FDegree; }
    void SetDegree(double degree) { FDegree = degree; }
    // The edges of a path gradient, each marked as given when set.
    double GetLeft() const { return FLeft; }
    void SetLeft(double left);
    double GetRight() const { return FRight; }
    void SetRight(double right);
    double GetTop() const { return FTop; }
    void SetTop(double top);
    double GetBottom() const { return FBottom; }
    void SetBottom(double bottom);
    bool LeftGiven() const { return FLeftGiven; }
    bool RightGiven() const { return FRightGiven; }
    bool TopGiven() const { return FTopGiven; }
    bool BottomGiven() const { return FBottomGiven; }

    // Copies the stops, the type and the geometry of other.
    void Assign(const TXc12GradientFill& other);
    void UpdateIndexedColors(const TXc12Palette& palette);

    // The same type and stops, stop colours equal and every number at most 1e-6 from the other's.
    bool Equals(const TXLSStyleObject& other) const override;

protected:
    // A gradient hashes as 0: its numbers compare with a tolerance, which no hash of them could respect.
    void CalcHash() override;

private:
    TXc12GradientStopList FStops;
    TXc12GradientType FGradientType = xgtLinear;
    double FDegree = 0;
    double FLeft = 0;
    double FRight = 0;
    double FTop = 0;
    double FBottom = 0;
    bool FLeftGiven = false;
    bool FRightGiven = false;
    bool FTopGiven = false;
    bool FBottomGiven = false;
};

// A fill of the style sheet: a gradient when it has one, else a pattern.
class TXc12Fill : public TXLSStyleObject {
public:
    explicit TXc12Fill(TXLSStyleObjectList* owner = nullptr) : TXLSStyleObject(owner) {}

    TXc12FillPattern GetPatternType() const { return FPatternType; }
    TXc12Fill* SetPatternType(TXc12FillPattern patternType);
    TXc12ColorRec GetFgColor() const { return FFgColor; }
    void SetFgColor(const TXc12ColorRec& color);
    TXc12ColorRec GetBgColor() const { return FBgColor; }
    void SetBgColor(const TXc12ColorRec& color);
    bool IsGradient() const { return FGradient != nullptr; }
    // True gives the fill an empty gradient unless it has one; false drops the gradient.
    void SetIsGradient(bool isGradient);
    // nullptr for a pattern fill.
    TXc12GradientFill* GetGradient() const { return FGradient.get(); }

    // Makes this fill a copy of other: its gradient, or its pattern and colours.
    void Assign(const TXc12Fill& other);
    // A pattern fill of pattern none in automatic colours.
    void Clear();
    void UpdateIndexedColors(const TXc12Palette& palette);

    // A pattern fill never equals a gradient fill.
    bool Equals(const TXLSStyleObject& other) const override;
    void DumpText(int32_t level, rtl::UnicodeString& text) const override;

protected:
    // Computed afresh each time: the gradient and its stops change without telling the fill.
    void CalcHash() override;

private:
    std::unique_ptr<TXc12GradientFill> FGradient;
    TXc12FillPattern FPatternType = efpNone;
    TXc12ColorRec FFgColor;
    TXc12ColorRec FBgColor;
};

// The fills of a style sheet; the predefined ones are none and gray125.
class TXc12Fills : public TXc12StyleObjectList<TXc12Fill> {
public:
    TXc12Fill* GetDefaultFill() const { return GetItem(0); }

protected:
    void AddDefaults() override;
};

} // namespace xls
