// The indexed sets of styles, the style sheets they fall back on, and the resolution of draw parameters.

#include "rtl/core/Exceptions.h"
#include "rtl/text/StringUtils.h"
#include "ui/core/styles/uiStyles.h"
#include "vcl/graphics/images/Bitmap.h"

#include <algorithm>

namespace ui {

namespace {

// Adds to indexes, each once, the indexes the items of sheet's set and of the sheets it falls back on define.
void CollectSheetChainIndexes(const TuiCustomStyleSheet* sheet, std::vector<int32_t>& indexes) {
    for (; sheet; sheet = sheet->Styles().StyleSheet()) {
        for (int32_t position = 0; position < sheet->Styles().Count(); ++position) {
            const int32_t index = sheet->Styles().Items(position).Index;
            if (std::find(indexes.begin(), indexes.end(), index) == indexes.end()) {
                indexes.push_back(index);
            }
        }
    }
}

bool IsBeingWritten(const rtl::TPersistent* persistent) {
    const auto* component = dynamic_cast<const rtl::TComponent*>(persistent);
    return component && component->ComponentState().Contains(rtl::TComponentState::csWriting);
}

} // namespace

// TuiCustomStyles

TuiCustomStyles::~TuiCustomStyles() {
    FDestroying = true;
    Clear();
    SetStyleSheet(nullptr);
}

bool TuiCustomStyles::QueryInterface(const rtl::TGUID& iid, void** object) {
    return rtl::QueryInterfaceOf<IuiStyleClient>(this, iid, object) ||
           TuiInterfacedPersistent::QueryInterface(iid, object);
}

void TuiCustomStyles::Assign(const rtl::TPersistent* source) {
    if (const auto* styles = dynamic_cast<const TuiCustomStyles*>(source)) {
        SetStyleSheet(styles->FStyleSheet);
    }
}

size_t TuiCustomStyles::PositionOf(int32_t index, bool& found) const {
    const auto position = std::lower_bound(FItems.begin(), FItems.end(), index,
                                           [](const TuiCustomStylesItem& item, int32_t i) { return item.Index < i; });
    found = position != FItems.end() && position->Index == index;
    return static_cast<size_t>(position - FItems.begin());
}

TuiCustomStyle* TuiCustomStyles::FindStyle(int32_t index) const {
    bool found = false;
    const size_t position = PositionOf(index, found);
    if (found) {
        return FItems[position].Style;
    }
    if (!FStyleSheet || IsBeingWritten(GetOwner())) {
        return nullptr;
    }
    return FStyleSheet->Styles().FindStyle(index);
}

TuiCustomStyle* TuiCustomStyles::StyleOfInheritedForm(TuiCustomStyle* style) const {
    rtl::TPersistent* root = GetOwner();
    while (root && root->GetOwner()) {
        root = root->GetOwner();
    }
    auto* rootComponent = dynamic_cast<rtl::TComponent*>(root);
    rtl::TComponent* styleOwner = style->Owner();
    if (!rootComponent || !styleOwner || rootComponent == styleOwner ||
        !rootComponent->ClassType().InheritsFrom(styleOwner->ClassType())) {
        return style;
    }
    rtl::TComponent* namesake = rootComponent->FindComponent(style->Name());
    if (!namesake) {
        return nullptr;
    }
    auto* replacement = dynamic_cast<TuiCustomStyle*>(namesake);
    if (!replacement) {
        throw rtl::EInvalidCast(rtl::RtlMessages::InvalidCast);
    }
    return replacement;
}

void TuiCustomStyles::SetStyleAt(int32_t index, TuiCustomStyle* style) {
    if (style && !style->Name().empty()) {
        style = StyleOfInheritedForm(style);
    }
    if (style == FindStyle(index)) {
        return;
    }
    bool found = false;
    const size_t position = PositionOf(index, found);
    if (found) {
        if (!style) {
            DeleteItem(position);
            return;
        }
        TuiCustomStyle* previous = std::exchange(FItems[position].Style, style);
        ReleaseStyle(previous);
        style->AttachListener(this);
        DoChanged(index);
        return;
    }
    if (style) {
        FItems.insert(FItems.begin() + static_cast<std::ptrdiff_t>(position), {index, style});
        style->AttachListener(this);
        DoChanged(index);
    }
}

bool TuiCustomStyles::HoldsStyle(const TuiCustomStyle* style) const {
    return std::any_of(FItems.begin(), FItems.end(),
                       [style](const TuiCustomStylesItem& item) { return item.Style == style; });
}

void TuiCustomStyles::ReleaseStyle(TuiCustomStyle* style) {
    // A style held at another index still needs this set to hear of it.
    if (!HoldsStyle(style)) {
        style->DetachListener(this);
    }
}

void TuiCustomStyles::DeleteItem(size_t position) {
    const TuiCustomStylesItem item = FItems.at(position);
    FItems.erase(FItems.begin() + static_cast<std::ptrdiff_t>(position));
    ReleaseStyle(item.Style);
    DoChanged(item.Index);
}

void TuiCustomStyles::Clear() {
    while (!FItems.empty()) {
        DeleteItem(FItems.size() - 1);
    }
}

bool TuiCustomStyles::AcceptsSheet(const TuiCustomStyleSheet* sheet) const {
    if (!sheet) {
        return true;
    }
    if (sheet == FOwnerSheet || sheet->StylesClass() != ClassType()) {
        return false;
    }
    for (const TuiCustomStyleSheet* next = sheet->Styles().StyleSheet(); FOwnerSheet && next;
         next = next->Styles().StyleSheet()) {
        if (next == FOwnerSheet) {
            return false;
        }
    }
    return true;
}

void TuiCustomStyles::SetStyleSheet(TuiCustomStyleSheet* sheet) {
    if (sheet == FStyleSheet || !AcceptsSheet(sheet)) {
        return;
    }
    std::vector<int32_t> indexes;
    if (FStyleSheet) {
        FStyleSheet->FUsers.Remove(this);
        if (!FDestroying) {
            CollectSheetChainIndexes(FStyleSheet, indexes);
        }
    }
    FStyleSheet = sheet;
    if (FStyleSheet) {
        FStyleSheet->FUsers.Add(this);
        CollectSheetChainIndexes(FStyleSheet, indexes);
    }
    for (const int32_t index : indexes) {
        DoChanged(index);
    }
}

void TuiCustomStyles::DoChanged(int32_t index) {
    if (FDestroying) {
        return;
    }
    Changed(index);
    if (FOwnerSheet) {
        FOwnerSheet->DoStyleChanged(index);
    }
}

void TuiCustomStyles::StyleChanged(TuiCustomStyle* style) {
    std::vector<int32_t> indexes;
    for (const TuiCustomStylesItem& item : FItems) {
        if (item.Style == style) {
            indexes.push_back(item.Index);
        }
    }
    for (const int32_t index : indexes) {
        DoChanged(index);
    }
}

void TuiCustomStyles::StyleGoing(TuiCustomStyle* style) {
    for (size_t position = FItems.size(); position-- > 0;) {
        if (position < FItems.size() && FItems[position].Style == style) {
            DeleteItem(position);
        }
    }
}

// TuiCustomStyleSheet

TuiCustomStyleSheet::TuiCustomStyleSheet(rtl::TComponent* owner, const rtl::TMetaclass& stylesClass)
    : TuiComponent(owner), FStylesClass(stylesClass),
      FBuiltIn(ComponentState().Contains(rtl::TComponentState::csDesigning)) {
    auto* styles = dynamic_cast<TuiCustomStyles*>(stylesClass.CreateInstance(this));
    if (!styles) {
        throw rtl::EInvalidCast(rtl::RtlMessages::InvalidCast);
    }
    FStyles.reset(styles);
    FStyles->FOwnerSheet = this;
}

TuiCustomStyleSheet::~TuiCustomStyleSheet() {
    Destroying();
    while (TuiCustomStyles* user = FUsers.Last()) {
        user->SetStyleSheet(nullptr);
    }
    SetRepository(nullptr);
    FStyles.reset();
}

void TuiCustomStyleSheet::Assign(const rtl::TPersistent* source) {
    const auto* sheet = dynamic_cast<const TuiCustomStyleSheet*>(source);
    if (!sheet) {
        TuiComponent::Assign(source);
        return;
    }
    SetCaption(sheet->Caption());
    SetStyles(sheet->Styles());
}

rtl::UnicodeString TuiCustomStyleSheet::Caption() const {
    return FCaption.empty() ? Name() : FCaption;
}

void TuiCustomStyleSheet::SetCaption(rtl::UnicodeStringView caption) {
    if (caption == FCaption) {
        return;
    }
    if (rtl::CompareText(caption, Name()) == 0) {
        FCaption.clear();
    } else {
        FCaption = caption;
    }
}

void TuiCustomStyleSheet::DoStyleChanged(int32_t index) {
    FUsers.ForEach([index](TuiCustomStyles* user) { user->DoChanged(index); });
}

// TuiStyles

TuiStyle* TuiStyles::GetStyle(int32_t index) const {
    return dynamic_cast<TuiStyle*>(FindStyle(index));
}

vcl::TBitmap* TuiStyles::GetStyleBitmap(int32_t index) const {
    TuiStyle* style = GetStyle(index);
    return TuiStyle::HasAssignedValue(style, svBitmap) && !style->Bitmap().Empty() ? &style->Bitmap() : nullptr;
}

void TuiStyles::ResolveDrawParams(int32_t index, rtl::TObject* data, const TuiStyle* explicitStyle,
                                  TuiDrawParams& params) {
    const TuiStyle* indexed = GetStyle(index);
    const auto source = [&](TuiStyleValue value) -> const TuiStyle* {
        if (TuiStyle::HasAssignedValue(explicitStyle, value)) {
            return explicitStyle;
        }
        return TuiStyle::HasAssignedValue(indexed, value) ? indexed : nullptr;
    };
    params = {};
    if (const TuiStyle* style = FBitmapsWanted ? source(svBitmap) : nullptr) {
        params.Bitmap = &style->Bitmap();
    }
    if (const TuiStyle* style = source(svColor)) {
        params.Color = style->Color();
    }
    if (const TuiStyle* style = source(svFont)) {
        params.Font = &style->Font();
    }
    if (const TuiStyle* style = source(svTextColor)) {
        params.TextColor = style->TextColor();
    }
    if (!(FBitmapsWanted && !params.Bitmap) && params.Color != vcl::clDefault && params.Font &&
        params.TextColor != vcl::clDefault) {
        return;
    }
    TuiDrawParams defaults;
    GetDefaultDrawParams(index, data, defaults);
    if (!params.Bitmap) {
        params.Bitmap = defaults.Bitmap;
    }
    if (params.Color == vcl::clDefault) {
        params.Color = defaults.Color;
    }
    if (!params.Font) {
        params.Font = defaults.Font;
    }
    if (params.TextColor == vcl::clDefault) {
        params.TextColor = defaults.TextColor;
    }
}

void TuiStyles::GetDefaultDrawParams(int32_t index, rtl::TObject* /*data*/, TuiDrawParams& params) {
    params.Bitmap = nullptr;
    FMaxRequestedIndex = std::max(FMaxRequestedIndex, index);
}

bool TuiStyles::UsesDefaultFont(int32_t index) const {
    return !TuiStyle::HasAssignedValue(GetStyle(index), svFont);
}

void TuiStyles::DefaultFontUpdated(const vcl::TFont* font) {
    for (int32_t index = 0; index <= FMaxRequestedIndex; ++index) {
        if (!UsesDefaultFont(index)) {
            continue;
        }
        TuiDrawParams defaults;
        GetDefaultDrawParams(index, nullptr, defaults);
        if (defaults.Font == font) {
            DoChanged(index);
        }
    }
}

} // namespace ui
