#pragma once
// TuiPopupWindow: a borderless top-level form shown beside an owner control (drop-down lists, calendars, drag images).
// It sizes itself round its child controls, opens on the side of the owner its direction and alignments ask for,
// flips to the other side when there is more room there, keeps itself on the monitor's work area, draws a simple
// frame and closes when it or the application loses the activation.

#include "vcl/forms/Form.h"
#include "vcl/graphics/Colors.h"
#include "vcl/system/Types.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace ui {

class TuiCanvas;

// On which sides of its owner a popup opens: left or right of it (horizontal) or above or below it (vertical).
enum TuiPopupDirection : uint8_t { pdHorizontal, pdVertical };
enum TuiPopupAlignHorz : uint8_t { pahLeft, pahCenter, pahRight };
enum TuiPopupAlignVert : uint8_t { pavTop, pavCenter, pavBottom };
enum TuiPopupBorderStyle : uint8_t { pbsNone, pbsSingle, pbsFlat, pbs3D };
enum TuiPopupSide : uint8_t { psLeft, psTop, psRight, psBottom };

struct TuiPopupPlacement {
    TuiPopupDirection Direction = pdVertical;
    TuiPopupAlignHorz AlignHorz = pahLeft;
    TuiPopupAlignVert AlignVert = pavBottom;
};

// The work area of the monitor nearest a screen point.
using TuiWorkAreaAt = std::function<vcl::TRect(vcl::TPoint)>;
vcl::TRect WorkAreaNearest(vcl::TPoint point);

// The screen position of a popup of size width x height beside ownerBounds (screen coordinates): on the side the
// placement asks for, on the other side when it does not fit there and there is more room on the other, and always
// inside the work area of the monitor at the owner's edge as far as its size allows.
vcl::TPoint CalculatePopupPosition(const vcl::TRect& ownerBounds, int32_t width, int32_t height,
                                   const TuiPopupPlacement& placement, const TuiWorkAreaAt& workAreaAt);

class TuiPopupWindow : public vcl::TForm {
    RTL_DECLARE_CLASS(TuiPopupWindow, vcl::TForm)
public:
    explicit TuiPopupWindow(rtl::TComponent* owner);
    ~TuiPopupWindow() override;
    void Dispatch(vcl::TMessage& message) override;

    // Sizes, places and shows the popup.
    virtual void Popup();
    // Hides the popup.
    virtual void CloseUp();

    bool Adjustable() const { return FAdjustable; }
    void SetAdjustable(bool value) { FAdjustable = value; }
    TuiPopupAlignHorz AlignHorz() const { return FPlacement.AlignHorz; }
    void SetAlignHorz(TuiPopupAlignHorz value) { FPlacement.AlignHorz = value; }
    TuiPopupAlignVert AlignVert() const { return FPlacement.AlignVert; }
    void SetAlignVert(TuiPopupAlignVert value) { FPlacement.AlignVert = value; }
    TuiPopupDirection Direction() const { return FPlacement.Direction; }
    void SetDirection(TuiPopupDirection value) { FPlacement.Direction = value; }
    int32_t BorderSpace() const { return FBorderSpace; }
    void SetBorderSpace(int32_t value) { FBorderSpace = value; }
    TuiPopupBorderStyle PopupBorderStyle() const { return FBorderStyle; }
    void SetPopupBorderStyle(TuiPopupBorderStyle value);
    vcl::TColor FrameColor() const { return FFrameColor; }
    void SetFrameColor(vcl::TColor value) { FFrameColor = value; }
    // The owner's rectangle in its parent's client coordinates (screen coordinates without a parent).
    const vcl::TRect& OwnerBounds() const { return FOwnerBounds; }
    void SetOwnerBounds(const vcl::TRect& value) { FOwnerBounds = value; }
    vcl::TControl* OwnerParent() const { return FOwnerParent; }
    void SetOwnerParent(vcl::TControl* value) { FOwnerParent = value; }
    TuiCanvas& PopupCanvas() const { return *FCanvas; }

    virtual int32_t GetBorderWidth(TuiPopupSide side) const;
    int32_t GetBordersWidth() const { return GetBorderWidth(psLeft) + GetBorderWidth(psRight); }
    int32_t GetBordersHeight() const { return GetBorderWidth(psTop) + GetBorderWidth(psBottom); }
    virtual vcl::TRect GetClientBoundsInsideBorders();
    virtual int32_t FrameWidthOfBorderStyle() const;
    virtual vcl::TRect GetOwnerScreenBounds() const;
    virtual vcl::TPoint CalculatePosition();
    virtual void CalculateSize();

    // Where the work areas come from; tests place popups on work areas of their own.
    static void SetWorkAreaSource(TuiWorkAreaAt source);

protected:
    virtual void InitPopup();
    virtual void DrawFrame();
    // After the visibility changed; here nothing.
    virtual void VisibleChanged() {}
    void Paint() override;
    void Deactivate() override;

private:
    bool FAdjustable = true;
    TuiPopupPlacement FPlacement;
    int32_t FBorderSpace = 0;
    TuiPopupBorderStyle FBorderStyle = pbsNone;
    std::unique_ptr<TuiCanvas> FCanvas;
    vcl::TColor FFrameColor = vcl::clWindowText;
    vcl::TRect FOwnerBounds;
    vcl::TControl* FOwnerParent = nullptr; // not owned
    HWND FPrevActiveWindow = nullptr;
};

} // namespace ui
