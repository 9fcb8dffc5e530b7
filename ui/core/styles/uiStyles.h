#pragma once
// Styles: reusable appearance values (a background colour, a text colour, a font, a background bitmap, each defined or
// not) that views share. Styles live in a style repository; a view holds an indexed set of styles (what each index
// means is the view's business) which may fall back on a style sheet, a named set of the same kind, and sheets on
// further sheets. Drawing resolves one index into TuiDrawParams: each value from an explicit style, else from the
// style at the index (directly or through the sheets), else from the view's defaults. Changes flow back: a changed
// style tells every set that uses it, a set tells its view, and a sheet tells every set that uses it.

#include "rtl/core/Component.h"
#include "rtl/core/SmallSet.h"
#include "ui/core/graphics/uiDrawParams.h"
#include "ui/core/objects/uiComponents.h"
#include "ui/core/objects/uiListenerList.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace vcl {
class TBitmap;
class TFont;
} // namespace vcl

namespace ui {

class TuiCustomStyle;
class TuiCustomStyles;
class TuiCustomStyleSheet;
class TuiStyleRepository;

enum TuiStyleValue : uint8_t { svBitmap, svColor, svFont, svTextColor };
using TuiStyleValues = rtl::TSmallSet<TuiStyleValue>;

// What uses a style hears of it: its changes, and its going away (when it must stop using it).
class IuiStyleClient : public virtual rtl::IInterface {
public:
    static constexpr rtl::TGUID IID = rtl::GUIDLiteral(u"{6C0A4E59-2B1D-4F7A-9E38-5D3C2A71B804}");
    virtual void StyleChanged(TuiCustomStyle* style) = 0;
    // The style is being freed: the client stops using it (detaches) here.
    virtual void StyleGoing(TuiCustomStyle* style) = 0;

protected:
    ~IuiStyleClient() = default;
};

// A style in a repository, with the clients that watch it.
class TuiCustomStyle : public rtl::TComponent {
    RTL_DECLARE_CLASS(TuiCustomStyle, rtl::TComponent)
public:
    explicit TuiCustomStyle(rtl::TComponent* owner) : TComponent(owner) {}
    ~TuiCustomStyle() override;

    // Tells every watcher, the last listed first.
    virtual void NotifyChanged();
    // Adds a watcher once; the list takes no reference.
    virtual void AttachListener(IuiStyleClient* watcher);
    virtual void DetachListener(IuiStyleClient* watcher);
    // Forgets the values; nothing here.
    virtual void ResetValues() {}
    int32_t WatcherCount() const { return FWatchers.Count(); }

    TuiStyleRepository* Repository() const { return FRepository; }
    // Leaves the old repository's list and joins the new one's.
    void SetRepository(TuiStyleRepository* repository);
    rtl::TComponent* GetParentComponent() const;
    bool HasParent() const { return FRepository != nullptr; }
    // Ignored while loading; else component becomes the repository (EInvalidCast when it is none).
    void SetParentComponent(rtl::TComponent* component);

    // Tells every watcher that the style goes, until none watches it.
    void BeforeDestruction() override;

private:
    TuiListenerList<IuiStyleClient> FWatchers;
    TuiStyleRepository* FRepository = nullptr; // not owned
};

// A style of colour, text colour, font and bitmap. Writing a value defines it; clDefault undefines a colour and an
// empty bitmap the bitmap; a font, once changed, stays defined until the values are reset.
class TuiStyle : public TuiCustomStyle {
    RTL_DECLARE_CLASS(TuiStyle, TuiCustomStyle)
public:
    explicit TuiStyle(rtl::TComponent* owner);
    ~TuiStyle() override;

    // From another TuiStyle: its values, then its defined set; anything else raises the conversion error.
    void Assign(const rtl::TPersistent* source) override;
    void ResetValues() override;
    // Scales the font read with the form to the screen, through the repository.
    void Loaded() override;

    // False for nullptr.
    static bool HasAssignedValue(const TuiStyle* style, TuiStyleValue value);

    TuiStyleValues AssignedValues() const { return FAssignedValues; }
    // Changes the set alone, not the values.
    void SetAssignedValues(TuiStyleValues values);
    vcl::TColor Color() const { return FColor; }
    void SetColor(vcl::TColor color);
    vcl::TColor TextColor() const { return FTextColor; }
    void SetTextColor(vcl::TColor color);
    vcl::TBitmap& Bitmap() const { return *FBitmap; }
    void SetBitmap(const vcl::TBitmap* bitmap);
    vcl::TFont& Font() const { return *FFont; }
    void SetFont(const vcl::TFont& font);

private:
    void SetColorValue(vcl::TColor& field, vcl::TColor color, TuiStyleValue value);
    void BitmapChanged();
    void FontChanged();

    TuiStyleValues FAssignedValues;
    std::unique_ptr<vcl::TBitmap> FBitmap;
    vcl::TColor FColor = vcl::clDefault;
    std::unique_ptr<vcl::TFont> FFont;
    vcl::TColor FTextColor = vcl::clDefault;
};

// The component that lists the styles and style sheets of a form.
class TuiStyleRepository : public rtl::TComponent {
    RTL_DECLARE_CLASS(TuiStyleRepository, rtl::TComponent)
public:
    explicit TuiStyleRepository(rtl::TComponent* owner) : TComponent(owner) {}
    // Frees every listed style, the last first, then every listed sheet: also those another component owns.
    ~TuiStyleRepository() override;

    // A new style (sheet) of the class, owned by the repository or by owner, listed here.
    TuiCustomStyle& AddStyle(const rtl::TMetaclass& styleClass) { return AddStyleOwned(styleClass, this); }
    TuiCustomStyle& AddStyleOwned(const rtl::TMetaclass& styleClass, rtl::TComponent* owner);
    TuiCustomStyleSheet& AddStyleSheet(const rtl::TMetaclass& sheetClass) {
        return AddStyleSheetOwned(sheetClass, this);
    }
    TuiCustomStyleSheet& AddStyleSheetOwned(const rtl::TMetaclass& sheetClass, rtl::TComponent* owner);

    int32_t StyleCount() const { return static_cast<int32_t>(FStyles.size()); }
    TuiCustomStyle* Styles(int32_t index) const { return FStyles.at(static_cast<size_t>(index)); }
    int32_t StyleSheetCount() const { return static_cast<int32_t>(FStyleSheets.size()); }
    TuiCustomStyleSheet* StyleSheets(int32_t index) const { return FStyleSheets.at(static_cast<size_t>(index)); }

    bool Scalable() const { return FScalable; }
    void SetScalable(bool value) { FScalable = value; }
    // The screen resolution the form was designed at, as read with it (0: none).
    int32_t PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int32_t value) { FPixelsPerInch = value; }
    // height unchanged unless the repository is scalable and designed at another resolution than the screen's.
    int32_t ScaleFontHeight(int32_t height) const;
    // The same for a screen of screenPixelsPerInch.
    int32_t ScaleFontHeight(int32_t height, int32_t screenPixelsPerInch) const;

    // The listed styles, then the listed sheets, that root owns.
    void GetChildren(const std::function<void(rtl::TComponent*)>& callback, rtl::TComponent* root) const;

private:
    friend class TuiCustomStyle;
    friend class TuiCustomStyleSheet;

    // Moves member from the list of the repository in current to the same list of next, and stores next in current.
    template <class TMember>
    static void MoveMember(TMember* member, TuiStyleRepository*& current, TuiStyleRepository* next,
                           std::vector<TMember*> TuiStyleRepository::*list);

    std::vector<TuiCustomStyle*> FStyles;           // not owned
    std::vector<TuiCustomStyleSheet*> FStyleSheets; // not owned
    int32_t FPixelsPerInch = 0;
    bool FScalable = false;
};

// One assignment of a set: a style at an index.
struct TuiCustomStylesItem {
    int32_t Index = 0;
    TuiCustomStyle* Style = nullptr; // not owned
};

// An indexed set of styles, falling back on a style sheet. Its persistent owner is the view (or the sheet).
class TuiCustomStyles : public TuiInterfacedPersistent, public IuiStyleClient {
    RTL_DECLARE_CLASS(TuiCustomStyles, TuiInterfacedPersistent)
public:
    explicit TuiCustomStyles(rtl::TPersistent* owner) : TuiInterfacedPersistent(owner) {}
    ~TuiCustomStyles() override;

    bool QueryInterface(const rtl::TGUID& iid, void** object) override;
    // From another set only its sheet; anything else is ignored.
    void Assign(const rtl::TPersistent* source) override;

    // The items, sorted by index.
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    const TuiCustomStylesItem& Items(int32_t position) const { return FItems.at(static_cast<size_t>(position)); }

    // The style at index, else the sheet chain's (nullptr while the view is written, so a sheet's styles are not
    // written as its own).
    TuiCustomStyle* FindStyle(int32_t index) const;
    void SetStyleAt(int32_t index, TuiCustomStyle* style);
    TuiCustomStyleSheet* StyleSheet() const { return FStyleSheet; }
    // Ignored unless the sheet holds sets of exactly this class and using it makes no cycle.
    void SetStyleSheet(TuiCustomStyleSheet* sheet);
    // The sheet whose own set this is, or nullptr.
    TuiCustomStyleSheet* OwnerSheet() const { return FOwnerSheet; }
    // Deletes every item, the last first.
    void Clear();

    // The index's appearance changed: Changed, then the users of the sheet this set belongs to hear it.
    virtual void DoChanged(int32_t index);

    void StyleChanged(TuiCustomStyle* style) override;
    void StyleGoing(TuiCustomStyle* style) override;

protected:
    // The view redraws; nothing here.
    virtual void Changed(int32_t /*index*/) {}
    bool Destroying() const { return FDestroying; }

private:
    friend class TuiCustomStyleSheet;

    // The position of index's item, or where it would go; found tells which.
    size_t PositionOf(int32_t index, bool& found) const;
    void DeleteItem(size_t position);
    bool HoldsStyle(const TuiCustomStyle* style) const;
    // Stops watching style unless another item still holds it.
    void ReleaseStyle(TuiCustomStyle* style);
    bool AcceptsSheet(const TuiCustomStyleSheet* sheet) const;
    // The style of the same name in the inherited form that owns this set, where the style comes from its ancestor.
    TuiCustomStyle* StyleOfInheritedForm(TuiCustomStyle* style) const;

    bool FDestroying = false;
    std::vector<TuiCustomStylesItem> FItems;
    TuiCustomStyleSheet* FStyleSheet = nullptr; // not owned
    TuiCustomStyleSheet* FOwnerSheet = nullptr; // not owned
};

// A named set of styles that other sets fall back on.
class TuiCustomStyleSheet : public TuiComponent {
    RTL_DECLARE_CLASS(TuiCustomStyleSheet, TuiComponent)
public:
    explicit TuiCustomStyleSheet(rtl::TComponent* owner) : TuiCustomStyleSheet(owner, TuiCustomStyles::StaticClass()) {}
    // The users fall back to no sheet, the sheet leaves its repository, then its set goes.
    ~TuiCustomStyleSheet() override;

    // From another sheet its caption and styles; anything else raises the conversion error.
    void Assign(const rtl::TPersistent* source) override;

    // The class of the set the sheet holds; a set uses only a sheet of its own class.
    const rtl::TMetaclass& StylesClass() const { return FStylesClass; }
    TuiCustomStyles& Styles() const { return *FStyles; }
    void SetStyles(const TuiCustomStyles& styles) { FStyles->Assign(&styles); }

    // The stored caption, else the name. A caption equal to the name (ignoring case) is not stored.
    rtl::UnicodeString Caption() const;
    void SetCaption(rtl::UnicodeStringView caption);
    // Whether the sheet was made at design time.
    bool BuiltIn() const { return FBuiltIn; }
    void SetBuiltIn(bool value) { FBuiltIn = value; }

    TuiStyleRepository* Repository() const { return FRepository; }
    void SetRepository(TuiStyleRepository* repository);
    rtl::TComponent* GetParentComponent() const;
    bool HasParent() const { return FRepository != nullptr; }
    void SetParentComponent(rtl::TComponent* component);

    // The sets using the sheet, in the order they came.
    int32_t UserCount() const { return FUsers.Count(); }
    // Every user hears that index changed, in list order.
    void DoStyleChanged(int32_t index);

protected:
    // For the sheets of other set classes.
    TuiCustomStyleSheet(rtl::TComponent* owner, const rtl::TMetaclass& stylesClass);

private:
    friend class TuiCustomStyles;

    const rtl::TMetaclass& FStylesClass;
    bool FBuiltIn;
    rtl::UnicodeString FCaption;
    std::unique_ptr<TuiCustomStyles> FStyles;
    TuiListenerList<TuiCustomStyles> FUsers;
    TuiStyleRepository* FRepository = nullptr; // not owned
};

// The set of TuiStyle that views derive from: it resolves an index into draw parameters with the view's defaults.
class TuiStyles : public TuiCustomStyles {
    RTL_DECLARE_CLASS(TuiStyles, TuiCustomStyles)
public:
    explicit TuiStyles(rtl::TPersistent* owner) : TuiCustomStyles(owner) {}

    TuiStyle* GetStyle(int32_t index) const;
    void SetStyle(int32_t index, TuiStyle* style) { SetStyleAt(index, style); }
    // The style's bitmap when it defines one that is not empty.
    vcl::TBitmap* GetStyleBitmap(int32_t index) const;
    // Whether bitmaps take part in the resolution (off at first).
    bool BitmapsWanted() const { return FBitmapsWanted; }
    void SetBitmapsWanted(bool value) { FBitmapsWanted = value; }
    // The highest index whose defaults were asked.
    int32_t MaxRequestedIndex() const { return FMaxRequestedIndex; }

    // Each value from explicitStyle, else from the style at the index, else from the defaults (asked once, only when
    // something is missing). data passes to GetDefaultDrawParams untouched.
    void ResolveDrawParams(int32_t index, rtl::TObject* data, const TuiStyle* explicitStyle, TuiDrawParams& params);
    // The view's defaults for the index: no bitmap here; views call this first, then fill in colours and fonts.
    virtual void GetDefaultDrawParams(int32_t index, rtl::TObject* data, TuiDrawParams& params);
    // True when the style at the index defines no font.
    virtual bool UsesDefaultFont(int32_t index) const;
    // font, a default font of the view, changed: every index asked so far whose defaults use it hears of it.
    void DefaultFontUpdated(const vcl::TFont* font);

private:
    int32_t FMaxRequestedIndex = 0;
    bool FBitmapsWanted = false;
};

// Start-up: the style classes are registered, so that form descriptions may name them.
void InitializeStylesUnit();
void FinalizeStylesUnit();

} // namespace ui
