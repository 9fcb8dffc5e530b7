#pragma once
// The navigator's buttons: sixteen TuiNavigatorButton, one per action (first, prior page, prior, next, next page,
// last, insert, append, delete, edit, post, cancel, refresh, save bookmark, go to bookmark, filter), each visible or
// not, enabled or not, with a hint and a glyph of the user's image list or of the built-in strip. A change tells the
// host (IuiNavigatorOwner) how much it asks of it: nothing to show, a new layout or a repaint.
// TuiNavigatorControlButtons enable each button from the state of the controlled object (IuiNavigator) and run its
// actions, asking before a deletion.

#include "rtl/core/Persistent.h"
#include "rtl/text/StringTypes.h"
#include "ui/editors/navigator/uiNavigatorInterfaces.h"
#include "vcl/imagelists/ImageList.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

namespace ui {

class TuiCustomNavigatorButtons;
class TuiFreeNotificator;

// One button of a navigator.
class TuiNavigatorButton : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuiNavigatorButton, rtl::TPersistent)
public:
    // The button of index (a TuiNavigatorButtonIndex) among buttons.
    TuiNavigatorButton(TuiCustomNavigatorButtons& buttons, int32_t index, bool defaultVisible);

    // From another button: Enabled, Hint, ImageIndex, Visible and the click handler.
    void Assign(const rtl::TPersistent* source) override;

    TuiCustomNavigatorButtons& Buttons() const { return FButtons; }
    // The button's place among the sixteen: its action, its built-in glyph and its default hint.
    int32_t DefaultIndex() const { return FDefaultIndex; }

    // The button's own switch; the bar shows it enabled only when the buttons enable it too.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    // Empty: the default hint of the button's index.
    const rtl::UnicodeString& Hint() const { return FHint; }
    void SetHint(rtl::UnicodeStringView value);
    // The glyph of the buttons' Images to draw; -1: the built-in glyph.
    int32_t ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int32_t value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    // A handler of the button's own: a click runs only it.
    const rtl::TNotifyEvent& OnClick() const { return FOnClick; }
    void SetOnClick(rtl::TNotifyEvent handler);

    bool IsEnabled() const;
    rtl::UnicodeString GetHintText() const;
    // Whether the glyph comes from the buttons' Images (both set) rather than the built-in strip.
    bool UsesUserGlyph() const;
    // The image list and the index of the glyph to draw.
    vcl::TCustomImageList& GlyphImages() const;
    int32_t GlyphIndex() const;
    // The built-in glyph under a skin takes the skin's glyph size; else the image list's.
    vcl::TSize GetGlyphSize() const;
    // The button's own handler alone, else the buttons' OnButtonClick and, unless it is done, the buttons' action;
    // the host refreshes the bar afterwards in every case.
    void DoClick();

private:
    // A visible button's enabled state or glyph changed.
    void StateChanged();

    TuiCustomNavigatorButtons& FButtons;
    int32_t FDefaultIndex;
    bool FEnabled = true;
    rtl::UnicodeString FHint;
    int32_t FImageIndex = -1;
    bool FVisible;
    rtl::TNotifyEvent FOnClick;
};

// sender: the buttons; done: set it to skip the buttons' own action.
using TuiNavigatorButtonClickEvent = std::function<void(rtl::TObject* sender, int32_t buttonIndex, bool& done)>;

// The sixteen buttons of a navigator and what they share: the user's images, the delete question, the click event.
class TuiCustomNavigatorButtons : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuiCustomNavigatorButtons, rtl::TPersistent)
public:
    // Every button but Append visible.
    explicit TuiCustomNavigatorButtons(IuiNavigatorOwner& owner);
    ~TuiCustomNavigatorButtons() override;

    // From other buttons: each button, ConfirmDelete, Images and OnButtonClick.
    void Assign(const rtl::TPersistent* source) override;

    IuiNavigatorOwner& Owner() const { return FOwner; }
    TuiNavigatorButton& Buttons(int32_t index) const { return *FButtons.at(static_cast<size_t>(index)); }

    // The user's glyphs (not owned); a list that is freed reads nullptr from then on.
    vcl::TCustomImageList* Images() const { return FImages; }
    void SetImages(vcl::TCustomImageList* value);
    bool ConfirmDelete() const { return FConfirmDelete; }
    void SetConfirmDelete(bool value);
    const TuiNavigatorButtonClickEvent& OnButtonClick() const { return FOnButtonClick; }
    void SetOnButtonClick(TuiNavigatorButtonClickEvent handler);

    // The action of the button of index; nothing here.
    virtual void DoButtonClick(int32_t /*index*/) {}
    // Here: the host control is enabled.
    virtual bool IsButtonEnabled(int32_t index) const;
    // The default hint of index; empty for an index that is no button's.
    virtual rtl::UnicodeString GetButtonHint(int32_t index) const;
    // Nothing here.
    virtual void ClearBookmark() {}

private:
    void ImagesChanged();

    IuiNavigatorOwner& FOwner;
    std::array<std::unique_ptr<TuiNavigatorButton>, uiNavigatorButtonCount> FButtons;
    vcl::TCustomImageList* FImages = nullptr; // not owned, watched
    vcl::TChangeLink FImageChangeLink;
    std::unique_ptr<TuiFreeNotificator> FImagesWatcher;
    bool FConfirmDelete = true;
    TuiNavigatorButtonClickEvent FOnButtonClick;
};

// The buttons of a navigator that controls an object: each button enabled by the object's state, each click the
// object's action.
class TuiNavigatorControlButtons : public TuiCustomNavigatorButtons {
    RTL_DECLARE_CLASS(TuiNavigatorControlButtons, TuiCustomNavigatorButtons)
public:
    using TNavigatorSource = std::function<IuiNavigator*()>;

    using TuiCustomNavigatorButtons::TuiCustomNavigatorButtons;

    // What supplies the controlled object; without it there is none.
    void SetNavigatorSource(TNavigatorSource source) { FNavigatorSource = std::move(source); }
    IuiNavigator* Navigator() const { return FNavigatorSource ? FNavigatorSource() : nullptr; }

    // The object's action; Delete asks "Delete record?" first while ConfirmDelete is set.
    void DoButtonClick(int32_t index) override;
    // Nothing without an object or with the host disabled; only Filter while the object is inactive.
    bool IsButtonEnabled(int32_t index) const override;
    // The object's bookmark, when it has one.
    void ClearBookmark() override;

    TuiNavigatorButton& First() const { return Buttons(nbiFirst); }
    TuiNavigatorButton& PriorPage() const { return Buttons(nbiPriorPage); }
    TuiNavigatorButton& Prior() const { return Buttons(nbiPrior); }
    TuiNavigatorButton& Next() const { return Buttons(nbiNext); }
    TuiNavigatorButton& NextPage() const { return Buttons(nbiNextPage); }
    TuiNavigatorButton& Last() const { return Buttons(nbiLast); }
    TuiNavigatorButton& Insert() const { return Buttons(nbiInsert); }
    TuiNavigatorButton& Append() const { return Buttons(nbiAppend); }
    TuiNavigatorButton& Delete() const { return Buttons(nbiDelete); }
    TuiNavigatorButton& Edit() const { return Buttons(nbiEdit); }
    TuiNavigatorButton& Post() const { return Buttons(nbiPost); }
    TuiNavigatorButton& Cancel() const { return Buttons(nbiCancel); }
    TuiNavigatorButton& Refresh() const { return Buttons(nbiRefresh); }
    TuiNavigatorButton& SaveBookmark() const { return Buttons(nbiSaveBookmark); }
    TuiNavigatorButton& GotoBookmark() const { return Buttons(nbiGotoBookmark); }
    TuiNavigatorButton& Filter() const { return Buttons(nbiFilter); }

private:
    bool IsEnabledFor(IuiNavigator& navigator, int32_t index) const;

    TNavigatorSource FNavigatorSource;
};

// The built-in glyphs: the "UINAVIGATORBUTTONS" strip of 22 glyphs of 12 x 11, made on first use.
vcl::TCustomImageList& NavigatorBuiltInImages();

// The navigator unit's shut-down frees the built-in glyphs.
void FinalizeNavigatorUnit();

} // namespace ui
