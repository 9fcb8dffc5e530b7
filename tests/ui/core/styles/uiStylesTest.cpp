// Styles, their sets and sheets, the repository, and the resolution of draw parameters.

#include "ui/core/styles/uiStyles.h"

#include "rtl/core/Exceptions.h"
#include "vcl/graphics/Font.h"
#include "vcl/graphics/images/Bitmap.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace ui {
namespace {

// A view's set: it records the indexes it is told changed and supplies fixed defaults, counting the requests.
class TRecordingStyles : public TuiStyles {
    RTL_DECLARE_CLASS(TRecordingStyles, TuiStyles)
public:
    explicit TRecordingStyles(rtl::TPersistent* owner) : TuiStyles(owner) {}

    void GetDefaultDrawParams(int32_t index, rtl::TObject* data, TuiDrawParams& params) override {
        TuiStyles::GetDefaultDrawParams(index, data, params);
        ++DefaultRequests;
        params.Color = vcl::clYellow;
        params.TextColor = vcl::clNavy;
        params.Font = index == FontlessIndex ? nullptr : &DefaultFont;
    }

    std::vector<int32_t> ChangedIndexes;
    int DefaultRequests = 0;
    vcl::TFont DefaultFont;
    // An index whose defaults have no font.
    int32_t FontlessIndex = -1;

protected:
    void Changed(int32_t index) override { ChangedIndexes.push_back(index); }
};

// A sheet of recording sets.
class TRecordingSheet : public TuiCustomStyleSheet {
    RTL_DECLARE_CLASS(TRecordingSheet, TuiCustomStyleSheet)
public:
    explicit TRecordingSheet(rtl::TComponent* owner) : TuiCustomStyleSheet(owner, TRecordingStyles::StaticClass()) {}

    TRecordingStyles& RecordingStyles() const { return static_cast<TRecordingStyles&>(Styles()); }
};

// A watcher of styles that never lets go by itself.
class TStubbornWatcher final : public IuiStyleClient {
public:
    bool QueryInterface(const rtl::TGUID& iid, void** object) override {
        return rtl::QueryInterfaceOf<IuiStyleClient>(this, iid, object);
    }
    int32_t AddRef() override { return -1; }
    int32_t Release() override { return -1; }
    void StyleChanged(TuiCustomStyle*) override { ++Changes; }
    void StyleGoing(TuiCustomStyle*) override { ++Goings; }

    int Changes = 0;
    int Goings = 0;
};

// A form with a repository, a view component that owns a recording set, and styles made in the repository.
class uiStyles : public testing::Test {
protected:
    TuiStyle& NewStyle(const char16_t* name = u"") {
        auto& style = static_cast<TuiStyle&>(Repository->AddStyle(TuiStyle::StaticClass()));
        style.SetName(name);
        return style;
    }
    TRecordingSheet& NewSheet() {
        return static_cast<TRecordingSheet&>(Repository->AddStyleSheet(TRecordingSheet::StaticClass()));
    }
    std::vector<int32_t> ItemIndexes(const TuiCustomStyles& styles) const {
        std::vector<int32_t> indexes;
        for (int32_t i = 0; i < styles.Count(); ++i) {
            indexes.push_back(styles.Items(i).Index);
        }
        return indexes;
    }

    std::unique_ptr<rtl::TComponent, rtl::TComponentDeleter> Form{new rtl::TComponent(nullptr)};
    TuiStyleRepository* Repository = new TuiStyleRepository(Form.get());
    rtl::TComponent* View = new rtl::TComponent(Form.get());
    std::unique_ptr<TRecordingStyles> Styles = std::make_unique<TRecordingStyles>(View);
};

TEST_F(uiStyles, WritingAValueDefinesItAndClDefaultUndefinesIt) {
    TuiStyle& style = NewStyle();
    Styles->SetStyleAt(0, &style);
    Styles->ChangedIndexes.clear();
    style.SetColor(vcl::clRed);
    EXPECT_EQ(style.AssignedValues(), (TuiStyleValues{svColor}));
    style.SetColor(vcl::clRed);
    EXPECT_EQ(Styles->ChangedIndexes.size(), 1u) << "an unchanged colour sends nothing";
    style.SetColor(vcl::clDefault);
    EXPECT_TRUE(style.AssignedValues().IsEmpty());
    style.SetTextColor(vcl::clBlue);
    EXPECT_TRUE(TuiStyle::HasAssignedValue(&style, svTextColor));
    EXPECT_FALSE(TuiStyle::HasAssignedValue(nullptr, svTextColor));
    EXPECT_EQ(Styles->ChangedIndexes, (std::vector<int32_t>{0, 0, 0}));
}

TEST_F(uiStyles, ABitmapIsDefinedWhileItHasPixelsAndAFontOnceChanged) {
    TuiStyle& style = NewStyle();
    vcl::TBitmap picture(4, 4, vcl::pf24bit);
    style.SetBitmap(&picture);
    EXPECT_TRUE(TuiStyle::HasAssignedValue(&style, svBitmap));
    vcl::TBitmap empty;
    style.SetBitmap(&empty);
    EXPECT_FALSE(TuiStyle::HasAssignedValue(&style, svBitmap));

    style.Font().SetHeight(-20);
    EXPECT_TRUE(TuiStyle::HasAssignedValue(&style, svFont));
    const vcl::TFont initial;
    style.Font().Assign(&initial);
    EXPECT_TRUE(TuiStyle::HasAssignedValue(&style, svFont)) << "a font change never undefines the font";

    style.SetColor(vcl::clRed);
    style.ResetValues();
    EXPECT_TRUE(style.AssignedValues().IsEmpty());
    EXPECT_EQ(style.Color(), vcl::clDefault);
    style.SetAssignedValues({svFont});
    EXPECT_EQ(style.AssignedValues(), (TuiStyleValues{svFont})) << "the set alone can define a value";
}

TEST_F(uiStyles, AssignCopiesTheValuesAndTheDefinedSet) {
    TuiStyle& source = NewStyle();
    source.SetColor(vcl::clRed);
    source.Font().SetHeight(-30);
    source.SetAssignedValues({svColor});
    TuiStyle& copy = NewStyle();
    copy.Assign(&source);
    EXPECT_EQ(copy.Color(), vcl::clRed);
    EXPECT_EQ(copy.Font().Height(), -30);
    EXPECT_EQ(copy.AssignedValues(), (TuiStyleValues{svColor}));
    EXPECT_THROW(copy.Assign(Repository), rtl::EConvertError);
}

TEST_F(uiStyles, ItemsStaySortedByIndex) {
    TuiStyle& a = NewStyle();
    TuiStyle& b = NewStyle();
    TuiStyle& c = NewStyle();
    Styles->SetStyleAt(5, &a);
    Styles->SetStyleAt(1, &b);
    Styles->SetStyleAt(3, &c);
    EXPECT_EQ(ItemIndexes(*Styles), (std::vector<int32_t>{1, 3, 5}));
    EXPECT_EQ(Styles->FindStyle(3), &c);
    EXPECT_EQ(Styles->FindStyle(4), nullptr);
    Styles->SetStyleAt(3, nullptr);
    EXPECT_EQ(ItemIndexes(*Styles), (std::vector<int32_t>{1, 5}));
    EXPECT_EQ(Styles->ChangedIndexes, (std::vector<int32_t>{5, 1, 3, 3}));
    EXPECT_EQ(c.WatcherCount(), 0);
}

TEST_F(uiStyles, AStyleFromTheSheetIsFoundExceptWhileTheViewIsWritten) {
    TRecordingSheet& sheet = NewSheet();
    TuiStyle& shared = NewStyle();
    sheet.Styles().SetStyleAt(3, &shared);
    Styles->SetStyleSheet(&sheet);
    EXPECT_EQ(Styles->FindStyle(3), &shared);
    View->SetStreamingState({rtl::TComponentState::csWriting});
    EXPECT_EQ(Styles->FindStyle(3), nullptr);
    View->SetStreamingState({});

    Styles->ChangedIndexes.clear();
    Styles->SetStyleAt(3, &shared);
    Styles->SetStyleAt(7, nullptr);
    EXPECT_EQ(Styles->Count(), 0) << "the sheet's own style makes no item";
    EXPECT_TRUE(Styles->ChangedIndexes.empty());

    shared.SetColor(vcl::clRed);
    EXPECT_EQ(Styles->ChangedIndexes, (std::vector<int32_t>{3})) << "a change reaches the sheet's users";
}

TEST_F(uiStyles, DestroyingAStyleRemovesEveryItemHoldingIt) {
    TuiStyle& doomed = NewStyle();
    TuiStyle& other = NewStyle();
    Styles->SetStyleAt(2, &doomed);
    Styles->SetStyleAt(4, &other);
    Styles->SetStyleAt(6, &doomed);
    Styles->ChangedIndexes.clear();
    rtl::TComponent::Free(&doomed);
    EXPECT_EQ(ItemIndexes(*Styles), (std::vector<int32_t>{4}));
    EXPECT_EQ(Styles->ChangedIndexes, (std::vector<int32_t>{6, 2}));
}

TEST_F(uiStyles, AStyleReplacedAtOneIndexStillWatchedForTheOther) {
    TuiStyle& doomed = NewStyle();
    TuiStyle& other = NewStyle();
    Styles->SetStyleAt(1, &doomed);
    Styles->SetStyleAt(2, &doomed);
    Styles->SetStyleAt(1, &other);
    EXPECT_EQ(doomed.WatcherCount(), 1);
    rtl::TComponent::Free(&doomed);
    EXPECT_EQ(Styles->FindStyle(2), nullptr) << "the set heard the style go and let go of it";
    EXPECT_EQ(ItemIndexes(*Styles), (std::vector<int32_t>{1}));
}

TEST_F(uiStyles, AWatcherThatDoesNotLetGoCannotHoldUpTheStylesEnd) {
    TuiStyle& style = NewStyle();
    TStubbornWatcher watcher;
    style.AttachListener(&watcher);
    style.AttachListener(&watcher);
    style.SetColor(vcl::clRed);
    EXPECT_EQ(watcher.Changes, 1);
    rtl::TComponent::Free(&style);
    EXPECT_EQ(watcher.Goings, 1);
}

TEST_F(uiStyles, OnlyASheetOfTheSameSetClassWithoutACycleIsAccepted) {
    TRecordingSheet& a = NewSheet();
    TRecordingSheet& b = NewSheet();
    auto& plain = static_cast<TuiCustomStyleSheet&>(Repository->AddStyleSheet(TuiCustomStyleSheet::StaticClass()));
    Styles->SetStyleSheet(&plain);
    EXPECT_EQ(Styles->StyleSheet(), nullptr) << "a sheet of plain sets";

    a.Styles().SetStyleSheet(&a);
    EXPECT_EQ(a.Styles().StyleSheet(), nullptr) << "its own sheet";
    a.Styles().SetStyleSheet(&b);
    ASSERT_EQ(a.Styles().StyleSheet(), &b);
    b.Styles().SetStyleSheet(&a);
    EXPECT_EQ(b.Styles().StyleSheet(), nullptr) << "a cycle";
    EXPECT_EQ(b.UserCount(), 1);
}

TEST_F(uiStyles, ReplacingASheetTellsTheIndexesOfBothChains) {
    TRecordingSheet& first = NewSheet();
    TRecordingSheet& second = NewSheet();
    TRecordingSheet& behindSecond = NewSheet();
    first.Styles().SetStyleAt(1, &NewStyle());
    first.Styles().SetStyleAt(2, &NewStyle());
    second.Styles().SetStyleAt(2, &NewStyle());
    second.Styles().SetStyleAt(4, &NewStyle());
    behindSecond.Styles().SetStyleAt(9, &NewStyle());
    second.Styles().SetStyleSheet(&behindSecond);

    Styles->SetStyleSheet(&first);
    Styles->ChangedIndexes.clear();
    Styles->SetStyleSheet(&second);
    EXPECT_EQ(Styles->ChangedIndexes, (std::vector<int32_t>{1, 2, 4, 9}));
    EXPECT_EQ(first.UserCount(), 0);

    Styles->ChangedIndexes.clear();
    rtl::TComponent::Free(&second);
    EXPECT_EQ(Styles->StyleSheet(), nullptr) << "a sheet that goes leaves its users without a sheet";
    EXPECT_EQ(Styles->ChangedIndexes, (std::vector<int32_t>{2, 4, 9}));
    EXPECT_EQ(behindSecond.UserCount(), 0);
}

TEST_F(uiStyles, ResolvingTakesTheExplicitStyleThenTheIndexedOneThenTheDefaults) {
    Styles->FontlessIndex = 8;
    TuiDrawParams params;
    Styles->ResolveDrawParams(0, nullptr, nullptr, params);
    EXPECT_EQ(params.Color, vcl::clYellow);
    EXPECT_EQ(params.TextColor, vcl::clNavy);
    EXPECT_EQ(params.Font, &Styles->DefaultFont);
    EXPECT_EQ(params.Bitmap, nullptr);

    TuiStyle& indexed = NewStyle();
    indexed.SetColor(vcl::clRed);
    indexed.SetTextColor(vcl::clGreen);
    Styles->SetStyleAt(2, &indexed);
    TuiStyle& explicitStyle = NewStyle();
    explicitStyle.SetTextColor(vcl::clBlue);
    Styles->ResolveDrawParams(2, nullptr, &explicitStyle, params);
    EXPECT_EQ(params.TextColor, vcl::clBlue);
    EXPECT_EQ(params.Color, vcl::clRed);
    EXPECT_EQ(params.Font, &Styles->DefaultFont);

    indexed.Font().SetHeight(-16);
    const int requests = Styles->DefaultRequests;
    Styles->ResolveDrawParams(2, nullptr, nullptr, params);
    EXPECT_EQ(Styles->DefaultRequests, requests) << "nothing missing, no defaults asked";
    EXPECT_EQ(params.Font, &indexed.Font());
    EXPECT_EQ(params.Bitmap, nullptr) << "bitmaps are not wanted";

    vcl::TBitmap picture(2, 2, vcl::pf24bit);
    indexed.SetBitmap(&picture);
    Styles->SetBitmapsWanted(true);
    Styles->ResolveDrawParams(2, nullptr, nullptr, params);
    EXPECT_EQ(params.Bitmap, &indexed.Bitmap());
    EXPECT_EQ(Styles->GetStyleBitmap(2), &indexed.Bitmap());
    EXPECT_EQ(Styles->MaxRequestedIndex(), 2);
}

TEST_F(uiStyles, AChangedDefaultFontReachesTheIndexesThatUseIt) {
    Styles->FontlessIndex = 1;
    TuiDrawParams params;
    Styles->ResolveDrawParams(3, nullptr, nullptr, params);
    TuiStyle& ownFont = NewStyle();
    ownFont.Font().SetHeight(-17);
    Styles->SetStyleAt(2, &ownFont);
    Styles->ChangedIndexes.clear();
    Styles->DefaultFontUpdated(&Styles->DefaultFont);
    EXPECT_EQ(Styles->ChangedIndexes, (std::vector<int32_t>{0, 3})) << "1 has no default font, 2 its own font";
    Styles->ChangedIndexes.clear();
    vcl::TFont other;
    Styles->DefaultFontUpdated(&other);
    EXPECT_TRUE(Styles->ChangedIndexes.empty());
}

TEST_F(uiStyles, ASheetNamedByItsCaptionStoresNone) {
    TRecordingSheet& sheet = NewSheet();
    sheet.SetName(u"Grey");
    EXPECT_EQ(sheet.Caption(), u"Grey");
    sheet.SetCaption(u"Dark grey");
    EXPECT_EQ(sheet.Caption(), u"Dark grey");
    sheet.SetCaption(u"GREY");
    EXPECT_EQ(sheet.Caption(), u"Grey");
    sheet.SetName(u"Silver");
    EXPECT_EQ(sheet.Caption(), u"Silver") << "no caption stored, so the name shows";

    TRecordingSheet& copy = NewSheet();
    sheet.SetCaption(u"Light");
    copy.Assign(&sheet);
    EXPECT_EQ(copy.Caption(), u"Light");
}

TEST_F(uiStyles, TheRepositoryListsWhatItMakesAndFreesItAll) {
    auto* other = new rtl::TComponent(Form.get());
    TuiStyle& mine = NewStyle();
    auto& foreign = static_cast<TuiStyle&>(Repository->AddStyleOwned(TuiStyle::StaticClass(), other));
    TRecordingSheet& sheet = NewSheet();
    EXPECT_EQ(Repository->StyleCount(), 2);
    EXPECT_EQ(Repository->StyleSheets(0), &sheet);
    EXPECT_EQ(foreign.GetParentComponent(), Repository);

    std::vector<rtl::TComponent*> children;
    Repository->GetChildren([&](rtl::TComponent* child) { children.push_back(child); }, Repository);
    EXPECT_EQ(children, (std::vector<rtl::TComponent*>{&mine, &sheet}));

    EXPECT_THROW(mine.SetParentComponent(other), rtl::EInvalidCast);
    EXPECT_EQ(mine.Repository(), Repository);
    EXPECT_THROW(Repository->AddStyle(TRecordingSheet::StaticClass()), rtl::EInvalidCast);

    Styles->SetStyleAt(1, &foreign);
    rtl::TComponent::Free(Repository);
    Repository = nullptr;
    EXPECT_EQ(other->ComponentCount(), 0) << "a listed style owned elsewhere goes with the repository";
    EXPECT_EQ(Styles->Count(), 0);
}

TEST_F(uiStyles, AScalableRepositoryScalesFontHeightsToTheScreen) {
    EXPECT_EQ(Repository->ScaleFontHeight(-11, 120), -11) << "not scalable";
    Repository->SetScalable(true);
    EXPECT_EQ(Repository->ScaleFontHeight(-11, 120), -11) << "no resolution stored";
    Repository->SetPixelsPerInch(96);
    EXPECT_EQ(Repository->ScaleFontHeight(-11, 120), -14);
    EXPECT_EQ(Repository->ScaleFontHeight(-11, 96), -11);

    Repository->SetPixelsPerInch(120);
    TuiStyle& style = NewStyle();
    style.Font().SetHeight(-15);
    style.SetAssignedValues({});
    style.Loaded();
    EXPECT_EQ(style.Font().Height(), -12) << "designed at 120, read on the 96 of the tests' screen";
    EXPECT_TRUE(TuiStyle::HasAssignedValue(&style, svFont));
}

} // namespace
} // namespace ui
