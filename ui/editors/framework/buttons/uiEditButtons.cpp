#include "ui/editors/framework/buttons/uiEditButtons.h"

#include "rtl/WindowsApi.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/graphics/uiRegion.h"
#include "ui/core/themes/uxThemeManager.h"
#include "vcl/graphics/images/Bitmap.h"

#include <algorithm>

namespace ui {

rtl::UnicodeString EditButtonShownCaption(rtl::UnicodeStringView caption) {
    rtl::UnicodeString shown;
    shown.reserve(caption.size());
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&') {
            shown += caption[i];
        } else if (i + 1 == caption.size()) {
            shown += u'_';
        } else if (caption[i + 1] == u'&') {
            shown += u'&';
            ++i;
        }
    }
    return shown;
}

TuiEditButton::TuiEditButton(rtl::TCollection* collection) : TCollectionItem(collection) {}

TuiEditButton::~TuiEditButton() = default;

template <class T>
void TuiEditButton::SetAndNotify(T& field, T value) {
    if (field == value) {
        return;
    }
    field = value;
    Changed(false);
}

void TuiEditButton::Assign(const rtl::TPersistent* source) {
    const auto* button = dynamic_cast<const TuiEditButton*>(source);
    if (button == nullptr) {
        TCollectionItem::Assign(source);
        return;
    }
    if (Collection() != nullptr) {
        Collection()->BeginUpdate();
    }
    SetCaption(button->FCaption);
    FShownCaption = button->FShownCaption;
    FContentAlignment = button->FContentAlignment;
    SetDefault(button->FDefault);
    FEnabled = button->FEnabled;
    SetGlyph(button->FGlyph.get());
    FKind = button->FKind;
    FLeftAlignment = button->FLeftAlignment;
    FStretchable = button->FStretchable;
    FTag = button->FTag;
    FTextColor = button->FTextColor;
    FVisible = button->FVisible;
    FWidth = button->FWidth;
    FHint = button->FHint;
    if (Collection() != nullptr) {
        Collection()->EndUpdate();
    }
}

void TuiEditButton::SetCaption(rtl::UnicodeStringView value) {
    if (FCaption == value) {
        return;
    }
    FCaption = rtl::UnicodeString(value);
    FShownCaption = EditButtonShownCaption(value);
    Changed(false);
}

void TuiEditButton::SetContentAlignment(vcl::TAlignment value) {
    SetAndNotify(FContentAlignment, value);
}

void TuiEditButton::SetDefault(bool value) {
    if (value == FDefault) {
        return;
    }
    if (value && Collection() != nullptr) {
        for (int32_t i = 0; i < Collection()->Count(); ++i) {
            static_cast<TuiEditButton*>(Collection()->Items(i))->FDefault = false;
        }
    }
    FDefault = value;
    Changed(true);
}

void TuiEditButton::SetEnabled(bool value) {
    SetAndNotify(FEnabled, value);
}

vcl::TBitmap& TuiEditButton::Glyph() {
    if (!FGlyph) {
        FGlyph = std::make_unique<vcl::TBitmap>();
        FGlyph->SetOnChange([this](rtl::TObject*) { GlyphChanged(); });
    }
    return *FGlyph;
}

void TuiEditButton::SetGlyph(const vcl::TBitmap* value) {
    if (value == nullptr) {
        FGlyph.reset();
    } else {
        Glyph().Assign(value);
    }
    Changed(false);
}

void TuiEditButton::GlyphChanged() {
    Changed(false);
}

void TuiEditButton::SetKind(TuiEditButtonKind value) {
    SetAndNotify(FKind, value);
}

void TuiEditButton::SetLeftAlignment(bool value) {
    SetAndNotify(FLeftAlignment, value);
}

void TuiEditButton::SetStretchable(bool value) {
    SetAndNotify(FStretchable, value);
}

void TuiEditButton::SetTextColor(vcl::TColor value) {
    SetAndNotify(FTextColor, value);
}

void TuiEditButton::SetVisible(bool value) {
    SetAndNotify(FVisible, value);
}

void TuiEditButton::SetWidth(int32_t value) {
    if (value >= 0) {
        SetAndNotify(FWidth, value);
    }
}

int32_t TuiEditButtons::VisibleCount() const {
    int32_t count = 0;
    for (int32_t i = 0; i < Count(); ++i) {
        count += Items(i).Visible() ? 1 : 0;
    }
    return count;
}

void TuiEditButtons::Update(rtl::TCollectionItem*) {
    if (FOnChange) {
        FOnChange(this);
    }
}

void TuiEditButtonViewInfo::Assign(const rtl::TPersistent* source) {
    const auto* button = dynamic_cast<const TuiEditButtonViewInfo*>(source);
    if (button == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    ThemeState = button->ThemeState;
    BackgroundColor = button->BackgroundColor;
    Bounds = button->Bounds;
    Style = button->Style;
    State = button->State;
}

bool TuiEditButtonViewInfo::DiffersFrom(const TuiEditButtonViewInfo& old) const {
    return Style != old.Style || State != old.State || BackgroundColor != old.BackgroundColor ||
           ThemeState != old.ThemeState;
}

std::unique_ptr<TuiRegion> TuiEditButtonViewInfo::GetUpdateRegion(const TuiEditButtonViewInfo& old) const {
    return DiffersFrom(old) ? std::make_unique<TuiRegion>(Bounds) : std::make_unique<TuiRegion>();
}

int32_t EditButtonThemeState(TuiEditButtonVisualState state) {
    static constexpr int32_t themeStates[] = {4, 1, 3, 2};
    return themeStates[state];
}

bool IsBitmapDrawable(const vcl::TBitmap* bitmap) {
    return bitmap != nullptr && !bitmap->Empty() && bitmap->Width() > 0 && bitmap->Height() > 0;
}

int32_t EditButtonWidth(const TuiEditButtonViewInfo& button, const TuiEditButtonMeasures& measures) {
    if (button.Width > 0) {
        return std::max(button.Width, measures.Margins);
    }
    if (button.Kind == bkGlyph && IsBitmapDrawable(button.Glyph)) {
        return button.Glyph->Width() + measures.Margins;
    }
    if (button.Kind == bkText) {
        return std::max(measures.Margins + measures.TextWidth + 3, measures.ScrollBarHeight);
    }
    return measures.ScrollBarHeight;
}

int32_t EditButtonContentMargins(const TuiEditButtonViewInfo& button, bool& native) {
    constexpr int32_t plainMargins = 4;
    native = false;
    if (!button.Native) {
        return plainMargins;
    }
    const HTHEME theme = OpenThemeOfType(button.ComboLook ? totComboBox : totButton);
    if (theme == nullptr) {
        return plainMargins;
    }
    native = true;
    const vcl::TRect bounds{0, 0, 100, 100};
    vcl::TRect content = bounds;
    UxTheme().GetThemeBackgroundContentRect(theme, nullptr, 1, 1, bounds, content);
    return 100 - (content.Right - content.Left);
}

int32_t CalculateEditButtonWidth(TuiCanvas& canvas, const TuiEditButtonViewInfo& button) {
    bool native = false;
    TuiEditButtonMeasures measures;
    measures.Margins = EditButtonContentMargins(button, native);
    measures.ScrollBarHeight = GetSystemMetrics(SM_CYHSCROLL);
    if (button.Kind == bkText && button.Width <= 0) {
        measures.TextWidth = canvas.GetTextWidth(button.VisibleCaption);
    }
    return EditButtonWidth(button, measures);
}

} // namespace ui
