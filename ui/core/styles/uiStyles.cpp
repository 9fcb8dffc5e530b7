#include "ui/core/styles/uiStyles.h"

#include "rtl/core/ClassRegistry.h"
#include "rtl/core/Exceptions.h"
#include "ui/core/geometry/uiArithmetic.h"
#include "ui/core/graphics/uiGraphicsUnit.h"
#include "vcl/graphics/Font.h"
#include "vcl/graphics/images/Bitmap.h"

#include <algorithm>

namespace ui {

namespace {

// component as a repository: nullptr stays nullptr, another class is the invalid-cast error.
TuiStyleRepository* AsRepository(rtl::TComponent* component) {
    if (!component) {
        return nullptr;
    }
    auto* repository = dynamic_cast<TuiStyleRepository*>(component);
    if (!repository) {
        throw rtl::EInvalidCast(rtl::RtlMessages::InvalidCast);
    }
    return repository;
}

// A new component of componentClass owned by owner, as a T; the invalid-cast error (the component freed) when it is
// no T.
template <class T>
T& CreateAs(const rtl::TMetaclass& componentClass, rtl::TComponent* owner) {
    rtl::TComponent* component = rtl::TComponent::Create(componentClass, owner);
    auto* typed = dynamic_cast<T*>(component);
    if (!typed) {
        rtl::TComponent::Free(component);
        throw rtl::EInvalidCast(rtl::RtlMessages::InvalidCast);
    }
    return *typed;
}

} // namespace

template <class TMember>
void TuiStyleRepository::MoveMember(TMember* member, TuiStyleRepository*& current, TuiStyleRepository* next,
                                    std::vector<TMember*> TuiStyleRepository::*list) {
    if (next == current) {
        return;
    }
    if (current) {
        std::vector<TMember*>& members = current->*list;
        members.erase(std::remove(members.begin(), members.end(), member), members.end());
    }
    current = next;
    if (current && std::find((current->*list).begin(), (current->*list).end(), member) == (current->*list).end()) {
        (current->*list).push_back(member);
    }
}

// TuiCustomStyle

TuiCustomStyle::~TuiCustomStyle() {
    // A style deleted without Free still lets its watchers go.
    TuiCustomStyle::BeforeDestruction();
    SetRepository(nullptr);
}

void TuiCustomStyle::NotifyChanged() {
    FWatchers.ForEachFromLast([this](IuiStyleClient* watcher) { watcher->StyleChanged(this); });
}

void TuiCustomStyle::AttachListener(IuiStyleClient* watcher) {
    FWatchers.Add(watcher);
}

void TuiCustomStyle::DetachListener(IuiStyleClient* watcher) {
    FWatchers.Remove(watcher);
}

void TuiCustomStyle::SetRepository(TuiStyleRepository* repository) {
    TuiStyleRepository::MoveMember(this, FRepository, repository, &TuiStyleRepository::FStyles);
}

rtl::TComponent* TuiCustomStyle::GetParentComponent() const {
    return FRepository;
}

void TuiCustomStyle::SetParentComponent(rtl::TComponent* component) {
    if (!ComponentState().Contains(rtl::TComponentState::csLoading)) {
        SetRepository(AsRepository(component));
    }
}

void TuiCustomStyle::BeforeDestruction() {
    TComponent::BeforeDestruction();
    while (IuiStyleClient* watcher = FWatchers.Last()) {
        watcher->StyleGoing(this);
        // A watcher that did not detach itself is dropped, so the loop ends.
        FWatchers.Remove(watcher);
    }
}

// TuiStyle

TuiStyle::TuiStyle(rtl::TComponent* owner)
    : TuiCustomStyle(owner), FBitmap(std::make_unique<vcl::TBitmap>()), FFont(std::make_unique<vcl::TFont>()) {
    FBitmap->SetOnChange([this](rtl::TObject*) { BitmapChanged(); });
    FFont->SetOnChange([this](rtl::TObject*) { FontChanged(); });
}

TuiStyle::~TuiStyle() {
    FBitmap->SetOnChange(nullptr);
    FFont->SetOnChange(nullptr);
}

void TuiStyle::Assign(const rtl::TPersistent* source) {
    const auto* style = dynamic_cast<const TuiStyle*>(source);
    if (!style) {
        TuiCustomStyle::Assign(source);
        return;
    }
    SetBitmap(style->FBitmap.get());
    SetColor(style->FColor);
    SetFont(*style->FFont);
    SetTextColor(style->FTextColor);
    SetAssignedValues(style->FAssignedValues);
}

void TuiStyle::ResetValues() {
    FBitmap->SetOnChange(nullptr);
    FBitmap->Assign(nullptr);
    FBitmap->SetOnChange([this](rtl::TObject*) { BitmapChanged(); });
    FAssignedValues = {};
    FColor = vcl::clDefault;
    FTextColor = vcl::clDefault;
    NotifyChanged();
}

void TuiStyle::Loaded() {
    TuiCustomStyle::Loaded();
    if (Repository()) {
        FFont->SetHeight(Repository()->ScaleFontHeight(FFont->Height()));
    }
}

bool TuiStyle::HasAssignedValue(const TuiStyle* style, TuiStyleValue value) {
    return style && style->FAssignedValues.Contains(value);
}

void TuiStyle::SetAssignedValues(TuiStyleValues values) {
    if (values != FAssignedValues) {
        FAssignedValues = values;
        NotifyChanged();
    }
}

void TuiStyle::SetColor(vcl::TColor color) {
    SetColorValue(FColor, color, svColor);
}

void TuiStyle::SetTextColor(vcl::TColor color) {
    SetColorValue(FTextColor, color, svTextColor);
}

void TuiStyle::SetColorValue(vcl::TColor& field, vcl::TColor color, TuiStyleValue value) {
    if (color == field) {
        return;
    }
    field = color;
    if (color == vcl::clDefault) {
        FAssignedValues.Exclude(value);
    } else {
        FAssignedValues.Include(value);
    }
    NotifyChanged();
}

void TuiStyle::SetBitmap(const vcl::TBitmap* bitmap) {
    FBitmap->Assign(bitmap);
}

void TuiStyle::SetFont(const vcl::TFont& font) {
    FFont->Assign(&font);
}

void TuiStyle::BitmapChanged() {
    if (FBitmap->Empty()) {
        FAssignedValues.Exclude(svBitmap);
    } else {
        FAssignedValues.Include(svBitmap);
    }
    NotifyChanged();
}

void TuiStyle::FontChanged() {
    FAssignedValues.Include(svFont);
    NotifyChanged();
}

// TuiStyleRepository

TuiStyleRepository::~TuiStyleRepository() {
    // Each style and sheet leaves the lists as it goes.
    while (!FStyles.empty()) {
        rtl::TComponent::Free(FStyles.back());
    }
    while (!FStyleSheets.empty()) {
        rtl::TComponent::Free(FStyleSheets.back());
    }
}

TuiCustomStyle& TuiStyleRepository::AddStyleOwned(const rtl::TMetaclass& styleClass, rtl::TComponent* owner) {
    auto& style = CreateAs<TuiCustomStyle>(styleClass, owner);
    style.SetRepository(this);
    return style;
}

TuiCustomStyleSheet& TuiStyleRepository::AddStyleSheetOwned(const rtl::TMetaclass& sheetClass, rtl::TComponent* owner) {
    auto& sheet = CreateAs<TuiCustomStyleSheet>(sheetClass, owner);
    sheet.SetRepository(this);
    return sheet;
}

int32_t TuiStyleRepository::ScaleFontHeight(int32_t height) const {
    return ScaleFontHeight(height, GetScreenDPI().Y);
}

int32_t TuiStyleRepository::ScaleFontHeight(int32_t height, int32_t screenPixelsPerInch) const {
    if (!FScalable || FPixelsPerInch == 0 || screenPixelsPerInch == FPixelsPerInch) {
        return height;
    }
    return MulDiv(height, screenPixelsPerInch, FPixelsPerInch);
}

void TuiStyleRepository::GetChildren(const std::function<void(rtl::TComponent*)>& callback,
                                     rtl::TComponent* root) const {
    for (TuiCustomStyle* style : FStyles) {
        if (style->Owner() == root) {
            callback(style);
        }
    }
    for (TuiCustomStyleSheet* sheet : FStyleSheets) {
        if (sheet->Owner() == root) {
            callback(sheet);
        }
    }
}

// TuiCustomStyleSheet: the repository side

void TuiCustomStyleSheet::SetRepository(TuiStyleRepository* repository) {
    TuiStyleRepository::MoveMember(this, FRepository, repository, &TuiStyleRepository::FStyleSheets);
}

rtl::TComponent* TuiCustomStyleSheet::GetParentComponent() const {
    return FRepository;
}

void TuiCustomStyleSheet::SetParentComponent(rtl::TComponent* component) {
    if (!ComponentState().Contains(rtl::TComponentState::csLoading)) {
        SetRepository(AsRepository(component));
    }
}

void InitializeStylesUnit() {
    rtl::RegisterClasses({&TuiStyle::StaticClass()});
}

void FinalizeStylesUnit() {
    rtl::UnRegisterClass(TuiStyle::StaticClass());
}

} // namespace ui
