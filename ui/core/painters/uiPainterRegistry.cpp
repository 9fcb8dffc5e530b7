#include "ui/core/painters/uiPainterRegistry.h"

#include "rtl/WindowsApi.h"
#include "ui/core/themes/uxThemeManager.h"

#include <algorithm>

namespace ui {

namespace {

std::unique_ptr<TuiExtendedStylePainters> Registry;

// The user's locale order, case-sensitive.
bool NameGoesFirst(const rtl::UnicodeString& a, const rtl::UnicodeString& b) {
    return CompareStringW(LOCALE_USER_DEFAULT, 0, reinterpret_cast<LPCWSTR>(a.data()), static_cast<int>(a.size()),
                          reinterpret_cast<LPCWSTR>(b.data()), static_cast<int>(b.size())) == CSTR_LESS_THAN;
}

} // namespace

bool TuiExtendedStylePainters::Register(rtl::UnicodeStringView name, TuiLookAndFeelPainterClass painter,
                                        std::unique_ptr<rtl::TObject>& data) {
    TuiExtendedStylePainterInfo* existing = nullptr;
    if (IndexOfName(name, existing) >= 0) {
        return false;
    }
    FItems.push_back(std::make_unique<TuiExtendedStylePainterInfo>(std::move(data), name, painter));
    std::stable_sort(FItems.begin(), FItems.end(),
                     [](const auto& a, const auto& b) { return NameGoesFirst(a->Name(), b->Name()); });
    NotifyListeners(painter);
    return true;
}

bool TuiExtendedStylePainters::Unregister(rtl::UnicodeStringView name) {
    TuiExtendedStylePainterInfo* info = nullptr;
    const int32_t index = IndexOfName(name, info);
    if (index < 0) {
        return false;
    }
    const std::unique_ptr<TuiExtendedStylePainterInfo> leaving = std::move(FItems[static_cast<size_t>(index)]);
    FItems.erase(FItems.begin() + index);
    NotifyListeners(leaving->Painter());
    return true;
}

bool TuiExtendedStylePainters::FindPainter(rtl::UnicodeStringView name, TuiLookAndFeelPainterClass& painter) const {
    TuiExtendedStylePainterInfo* info = nullptr;
    if (IndexOfName(name, info) < 0) {
        return false;
    }
    painter = info->Painter();
    return true;
}

bool TuiExtendedStylePainters::DataOfPainter(TuiLookAndFeelPainterClass painter, rtl::TObject*& data) const {
    const auto found =
        std::find_if(FItems.begin(), FItems.end(), [painter](const auto& info) { return info->Painter() == painter; });
    data = found != FItems.end() ? (*found)->Data() : nullptr;
    return found != FItems.end();
}

int32_t TuiExtendedStylePainters::IndexOfName(rtl::UnicodeStringView name, TuiExtendedStylePainterInfo*& info) const {
    for (size_t index = 0; index < FItems.size(); ++index) {
        if (TextEqualsIgnoreCase(FItems[index]->Name(), name)) {
            info = FItems[index].get();
            return static_cast<int32_t>(index);
        }
    }
    info = nullptr;
    return -1;
}

void TuiExtendedStylePainters::NotifyListeners(TuiLookAndFeelPainterClass painter) {
    FListeners.ForEachFromLast(
        [painter](IuiPainterRegistryClient* listener) { listener->SkinPaintersChanged(painter); });
}

TuiExtendedStylePainters* ExtendedStylePainters() {
    return Registry.get();
}

namespace detail {

void CreateExtendedStylePainters() {
    Registry = std::make_unique<TuiExtendedStylePainters>();
}

void FreeExtendedStylePainters() {
    Registry.reset();
}

} // namespace detail

} // namespace ui
