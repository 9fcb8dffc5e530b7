#pragma once
// The buttons an editor carries inside its frame: TuiEditButton, one stored button (a drop-down arrow, an ellipsis, a
// glyph or a text); TuiEditButtons, the collection the editor's properties own; TuiEditButtonViewInfo, the computed
// picture of one shown button; and the rule for the width a button takes.

#include "rtl/core/Collection.h"
#include "rtl/core/Events.h"
#include "vcl/graphics/Colors.h"
#include "vcl/stdctrls/StdCtrlTypes.h"
#include "vcl/system/Types.h"

#include <cstdint>
#include <memory>

namespace vcl {
class TBitmap;
} // namespace vcl

namespace ui {

class TuiCanvas;
class TuiRegion;

enum TuiEditButtonKind : uint8_t { bkEllipsis, bkDown, bkGlyph, bkText };
enum TuiEditButtonStyle : uint8_t { btsDefault, bts3D, btsFlat, btsSimple, btsHotFlat, btsUltraFlat, btsOffice11 };
enum TuiEditButtonVisualState : uint8_t { ebvsDisabled, ebvsNormal, ebvsPressed, ebvsHot };

// The caption as a button shows it: "&&" gives "&", a trailing "&" an underscore, any other "&" disappears.
rtl::UnicodeString EditButtonShownCaption(rtl::UnicodeStringView caption);

class TuiEditButton : public rtl::TCollectionItem {
    RTL_DECLARE_CLASS(TuiEditButton, rtl::TCollectionItem)
public:
    explicit TuiEditButton(rtl::TCollection* collection);
    ~TuiEditButton() override;

    // From another button, inside the target collection's update (one notification); else the conversion error.
    void Assign(const rtl::TPersistent* source) override;

    const rtl::UnicodeString& Caption() const { return FCaption; }
    void SetCaption(rtl::UnicodeStringView value);
    const rtl::UnicodeString& ShownCaption() const { return FShownCaption; }
    vcl::TAlignment ContentAlignment() const { return FContentAlignment; }
    void SetContentAlignment(vcl::TAlignment value);
    bool Default() const { return FDefault; }
    // Making a button the default one clears the flag on the others of its collection.
    void SetDefault(bool value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    // Made on first read.
    vcl::TBitmap& Glyph();
    bool HasGlyph() const { return FGlyph != nullptr; }
    // nullptr frees the glyph; a bitmap is copied.
    void SetGlyph(const vcl::TBitmap* value);
    const rtl::UnicodeString& Hint() const { return FHint; }
    void SetHint(rtl::UnicodeStringView value) { FHint = rtl::UnicodeString(value); }
    TuiEditButtonKind Kind() const { return FKind; }
    void SetKind(TuiEditButtonKind value);
    bool LeftAlignment() const { return FLeftAlignment; }
    void SetLeftAlignment(bool value);
    bool Stretchable() const { return FStretchable; }
    void SetStretchable(bool value);
    int32_t Tag() const { return FTag; }
    void SetTag(int32_t value) { FTag = value; }
    bool IsTagStored() const { return FTag != 0; }
    vcl::TColor TextColor() const { return FTextColor; }
    void SetTextColor(vcl::TColor value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    // 0: automatic.
    int32_t Width() const { return FWidth; }
    // Negative widths are ignored.
    void SetWidth(int32_t value);

private:
    template <class T>
    void SetAndNotify(T& field, T value);
    void GlyphChanged();

    rtl::UnicodeString FCaption;
    rtl::UnicodeString FShownCaption;
    vcl::TAlignment FContentAlignment = vcl::taCenter;
    bool FDefault = false;
    bool FEnabled = true;
    std::unique_ptr<vcl::TBitmap> FGlyph;
    rtl::UnicodeString FHint;
    TuiEditButtonKind FKind = bkDown;
    bool FLeftAlignment = false;
    bool FStretchable = true;
    int32_t FTag = 0;
    vcl::TColor FTextColor = vcl::clBtnText;
    bool FVisible = true;
    int32_t FWidth = 0;
};

// The buttons of one editor's properties; every change reaches OnChange with the collection as sender.
class TuiEditButtons : public rtl::TOwnedCollection {
    RTL_DECLARE_CLASS(TuiEditButtons, rtl::TOwnedCollection)
public:
    TuiEditButtons(rtl::TPersistent* owner, const rtl::TMetaclass& buttonClass)
        : TOwnedCollection(owner, buttonClass) {}

    // The button class a properties object asks for before it makes its collection.
    static const rtl::TMetaclass& GetButtonClass() { return TuiEditButton::StaticClass(); }

    TuiEditButton& Add() { return static_cast<TuiEditButton&>(*TOwnedCollection::Add()); }
    TuiEditButton& Items(int32_t index) const { return static_cast<TuiEditButton&>(*TOwnedCollection::Items(index)); }
    int32_t VisibleCount() const;

    const rtl::TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(rtl::TNotifyEvent handler) { FOnChange = std::move(handler); }

protected:
    void Update(rtl::TCollectionItem* item) override;

private:
    rtl::TNotifyEvent FOnChange;
};

// The computed picture of one shown button, filled by the view data on every calculation.
class TuiEditButtonViewInfo : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuiEditButtonViewInfo, rtl::TPersistent)
public:
    // From another button view info: what tells whether a button must be painted again (theme state, background
    // colour, bounds, style, state); the rest is refilled by each calculation.
    void Assign(const rtl::TPersistent* source) override;
    // Style, state, background colour or theme state differ from old's: the button must be painted again.
    bool DiffersFrom(const TuiEditButtonViewInfo& old) const;
    // What must be painted again after old: the bounds when the button differs from it, else nothing.
    std::unique_ptr<TuiRegion> GetUpdateRegion(const TuiEditButtonViewInfo& old) const;

    vcl::TRect Bounds;
    vcl::TColor BackgroundColor = vcl::clDefault;
    rtl::UnicodeString Caption;
    vcl::TAlignment ContentAlignment = vcl::taCenter;
    bool Default = false;
    bool Gradient = false;
    rtl::UnicodeString Hint;
    bool Inplace = false;
    TuiEditButtonKind Kind = bkDown;
    bool LeftAlignment = false;
    bool Leftmost = false;
    bool Native = false;
    bool Rightmost = false;
    TuiEditButtonVisualState State = ebvsNormal;
    TuiEditButtonStyle Style = btsDefault;
    vcl::TColor TextColor = vcl::clBtnText;
    bool Transparent = false;
    rtl::UnicodeString VisibleCaption;
    bool PartlyTransparent = false;
    // The only button of its editor, of kind bkDown: drawn as a combo box's drop-down.
    bool ComboLook = false;
    int32_t ThemePart = 0; // 0: not themed
    int32_t ThemeState = 0;
    vcl::TBitmap* Glyph = nullptr; // not owned
    bool EraseBackground = false;
    int32_t ButtonIndex = 0;
    bool Stretchable = true;
    // The part of Bounds that fits into the editor.
    vcl::TRect VisibleBounds;
    // The width asked for: the button's Width, or the host's default width.
    int32_t Width = 0;
};

// Assigned, not empty, with a positive width and height.
bool IsBitmapDrawable(const vcl::TBitmap* bitmap);
// The visual-styles state of a button's state: disabled 4, normal 1, pressed 3, hot 2.
int32_t EditButtonThemeState(TuiEditButtonVisualState state);

// What a button's width depends on besides the button: the margins around its content, the width of its visible
// caption and the height of the system's horizontal scroll bar.
struct TuiEditButtonMeasures {
    int32_t Margins = 4;
    int32_t TextWidth = 0;
    int32_t ScrollBarHeight = 0;
};

// The width a button takes: an asked width, never below the margins; else a drawable glyph's width plus the
// margins, a text's width plus the margins and 3, at least the scroll bar's height; else that height.
int32_t EditButtonWidth(const TuiEditButtonViewInfo& button, const TuiEditButtonMeasures& measures);
// The margins a button's content keeps: 4, or with native style those of the theme's push button (or combo box
// drop-down), whose class must open; native tells whether it did.
int32_t EditButtonContentMargins(const TuiEditButtonViewInfo& button, bool& native);
// EditButtonWidth with the margins of the theme or 4, the caption measured in the canvas's font and SM_CYHSCROLL.
int32_t CalculateEditButtonWidth(TuiCanvas& canvas, const TuiEditButtonViewInfo& button);

} // namespace ui
