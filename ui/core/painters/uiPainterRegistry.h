#pragma once
// The registry of named skin painters, through which a skin becomes selectable by name: each entry holds the
// painter, its name and the skin's information object. Look-and-feel settings listen to it and choose again when a
// painter comes or goes.

#include "rtl/core/Interfaces.h"
#include "rtl/core/Object.h"
#include "rtl/text/StringTypes.h"
#include "ui/core/objects/uiListenerList.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

// Hears that a skin painter was registered or removed.
class IuiPainterRegistryClient : public virtual rtl::IInterface {
public:
    static constexpr rtl::TGUID IID = rtl::GUIDLiteral(u"{7665B7CA-2C4B-48B9-ABA2-FA530E7EA468}");
    virtual void SkinPaintersChanged(TuiLookAndFeelPainterClass painter) = 0;

protected:
    ~IuiPainterRegistryClient() = default;
};

// One registered painter; it owns the skin's data.
class TuiExtendedStylePainterInfo {
public:
    TuiExtendedStylePainterInfo(std::unique_ptr<rtl::TObject> data, rtl::UnicodeStringView name,
                                TuiLookAndFeelPainterClass painter)
        : FData(std::move(data)), FName(name), FPainter(painter) {}

    rtl::TObject* Data() const { return FData.get(); }
    const rtl::UnicodeString& Name() const { return FName; }
    TuiLookAndFeelPainterClass Painter() const { return FPainter; }

private:
    std::unique_ptr<rtl::TObject> FData;
    rtl::UnicodeString FName;
    TuiLookAndFeelPainterClass FPainter;
};

// The registered painters, sorted by name; names compare without case when looked up.
class TuiExtendedStylePainters {
public:
    // False, nothing changed and data left with the caller, when the name is taken; else takes data, keeps the list
    // in name order and tells every listener, the last first.
    bool Register(rtl::UnicodeStringView name, TuiLookAndFeelPainterClass painter, std::unique_ptr<rtl::TObject>& data);
    // False when the name is not registered; else the entry leaves, the listeners hear it (the last first), and the
    // entry and its data are freed.
    bool Unregister(rtl::UnicodeStringView name);
    // True and painter set when the name is registered; painter is untouched otherwise.
    bool FindPainter(rtl::UnicodeStringView name, TuiLookAndFeelPainterClass& painter) const;
    // The data of the first entry of painter (nullptr and false when there is none).
    bool DataOfPainter(TuiLookAndFeelPainterClass painter, rtl::TObject*& data) const;
    // The position of the name's entry (and the entry), or -1 (and nullptr).
    int32_t IndexOfName(rtl::UnicodeStringView name, TuiExtendedStylePainterInfo*& info) const;
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    TuiExtendedStylePainterInfo& Items(int32_t index) const { return *FItems.at(static_cast<size_t>(index)); }

    // A listener is listed once; the list takes no reference.
    void AddListener(IuiPainterRegistryClient* listener) { FListeners.Add(listener); }
    void RemoveListener(IuiPainterRegistryClient* listener) { FListeners.Remove(listener); }

private:
    void NotifyListeners(TuiLookAndFeelPainterClass painter);

    std::vector<std::unique_ptr<TuiExtendedStylePainterInfo>> FItems;
    TuiListenerList<IuiPainterRegistryClient> FListeners;
};

// The registry; nullptr outside the UI core's start-up and shut-down.
TuiExtendedStylePainters* ExtendedStylePainters();

namespace detail {
void CreateExtendedStylePainters();
void FreeExtendedStylePainters();
} // namespace detail

} // namespace ui
