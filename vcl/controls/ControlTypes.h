#pragma once
// The small value types of the control model: alignment and anchors, the control style and state flags, mouse
// buttons and shift states, cursors, drag modes and states, and the event signatures of controls.

#include "rtl/core/SmallSet.h"
#include "vcl/system/Types.h"

#include <cstdint>
#include <functional>

namespace rtl {
class TObject;
} // namespace rtl

namespace vcl {

class TDragObject;

// Where a control places itself inside its parent's client area; alCustom leaves it to the parent.
enum TAlign : uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

// The parent edges whose distance a control keeps when the parent is resized.
enum TAnchorKind : uint8_t { akLeft, akTop, akRight, akBottom };
using TAnchors = rtl::TSmallSet<TAnchorKind>;
inline constexpr TAnchors DefaultAnchors{akLeft, akTop};

// What a control class is and does, fixed by the class (mostly in its constructor).
enum TControlStyleFlag : uint8_t {
    csAcceptsControls, // other controls may be placed on it
    csCaptureMouse,    // captures the mouse while a button is held
    csDesignInteractive,
    csClickEvents, // a press and release on it is a click
    csFramed,
    csSetCaption,   // its name becomes its caption at design time
    csOpaque,       // paints all of its area: nothing behind it shows
    csDoubleClicks, // wants double clicks (otherwise a double click is a second press)
    csFixedWidth,
    csFixedHeight,
    csNoDesignVisible,
    csReplicatable,     // paints along when its parent is painted into another device context
    csNoStdEvents,      // no OnMouseDown/Move/Up, OnClick or OnDblClick events
    csDisplayDragImage, // shows the drag image while a drag passes over it
    csReflector,
    csParentBackground, // may show its parent's background (see ParentBackground)
};
using TControlStyle = rtl::TSmallSet<TControlStyleFlag>;

// What a control is going through right now.
enum TControlStateFlag : uint8_t {
    csLButtonDown, // the left button went down on it and has not come up
    csClicked,     // a press that will become a click when released over it
    csPalette,
    csReadingState,
    csAlignmentNeeded, // alignment was asked while it was disabled or loading
    csFocusing,        // it is being given the focus
    csCreating,        // its window and children are being created
    csPaintCopy,       // it is painted into another device context
    csCustomPaint,
    csDestroyingHandle, // its window is being destroyed
    csAligning,         // its children are being aligned
};
using TControlState = rtl::TSmallSet<TControlStateFlag>;

enum TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };

enum TShiftStateFlag : uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = rtl::TSmallSet<TShiftStateFlag>;

// The shift state of the MK_ flags that mouse messages carry; Alt is read from the keyboard.
TShiftState KeysToShiftState(uint32_t keys);
// The shift state of a key message's KeyData (bit 29: Alt), with Shift and Ctrl read from the keyboard.
TShiftState KeyDataToShiftState(intptr_t keyData);
// The shift state of a 256-byte keyboard state as GetKeyboardState gives it.
TShiftState KeyboardStateToShiftState(const uint8_t* keyboardState);
// The current keyboard state as a shift state.
TShiftState ReadShiftState();

enum TBiDiMode : uint8_t { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

// Cursor identifiers: indexes into the screen's cursor table. Negative ones are the built-in cursors.
using TCursor = int16_t;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crNone = -1;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crUpArrow = -10;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crDrag = -12;
inline constexpr TCursor crNoDrop = -13;
inline constexpr TCursor crHSplit = -14;
inline constexpr TCursor crVSplit = -15;
inline constexpr TCursor crMultiDrag = -16;
inline constexpr TCursor crSQLWait = -17;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;
inline constexpr TCursor crHelp = -20;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;

// How a control's drags begin: with dmAutomatic a left press on the control begins one; with dmManual only the
// program does (BeginDrag).
enum TDragMode : uint8_t { dmManual, dmAutomatic };

// Where a drag is, seen from the control it passes over: it came onto the control, left it, or moved over it.
enum TDragState : uint8_t { dsDragEnter, dsDragLeave, dsDragMove };

// Modal results: the answer a modal form gives, numbered as the message box answers.
using TModalResult = int32_t;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;
inline constexpr TModalResult mrAll = 8;
inline constexpr TModalResult mrNoToAll = 9;
inline constexpr TModalResult mrYesToAll = 10;

using TMouseEvent =
    std::function<void(rtl::TObject* sender, TMouseButton button, TShiftState shift, int32_t x, int32_t y)>;
using TMouseMoveEvent = std::function<void(rtl::TObject* sender, TShiftState shift, int32_t x, int32_t y)>;
using TMouseWheelEvent =
    std::function<void(rtl::TObject* sender, TShiftState shift, int32_t wheelDelta, TPoint mousePos, bool& handled)>;
using TMouseWheelUpDownEvent =
    std::function<void(rtl::TObject* sender, TShiftState shift, TPoint mousePos, bool& handled)>;
using TKeyEvent = std::function<void(rtl::TObject* sender, uint16_t& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(rtl::TObject* sender, char16_t& key)>;
using TContextPopupEvent = std::function<void(rtl::TObject* sender, TPoint mousePos, bool& handled)>;
using TCanResizeEvent = std::function<void(rtl::TObject* sender, int32_t& newWidth, int32_t& newHeight, bool& resize)>;
// source: the dragged control, or the drag object when no control is dragged; (x, y) in the receiver's client
// coordinates. OnDragOver sets accept to refuse or allow the drop.
using TDragOverEvent = std::function<void(rtl::TObject* sender, rtl::TObject* source, int32_t x, int32_t y,
                                          TDragState state, bool& accept)>;
using TDragDropEvent = std::function<void(rtl::TObject* sender, rtl::TObject* source, int32_t x, int32_t y)>;
// The handler may give the drag an object of its own; left nullptr, the framework drags the control itself.
using TStartDragEvent = std::function<void(rtl::TObject* sender, TDragObject*& dragObject)>;
// target: the control the drag was dropped on, nullptr when it was refused or cancelled; (x, y) in its coordinates.
using TEndDragEvent = std::function<void(rtl::TObject* sender, rtl::TObject* target, int32_t x, int32_t y)>;
using TConstrainedResizeEvent = std::function<void(rtl::TObject* sender, int32_t& minWidth, int32_t& minHeight,
                                                   int32_t& maxWidth, int32_t& maxHeight)>;

} // namespace vcl
