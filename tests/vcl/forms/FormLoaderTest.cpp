// Building a form from its description: properties read while loading, references resolved after every component
// exists, Loaded in creation order, then OnCreate; alignment and parent properties waiting for their turn.

#include "vcl/forms/FormLoader.h"

#include "rtl/core/Exceptions.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/TestForms.h"
#include "tests/vcl/TestControls.h"
#include "vcl/forms/Application.h"

#include <gtest/gtest.h>

namespace {

using rtl::TComponentState;
using vcl_test::TLoggingControl;

std::vector<std::string> Journal;

std::string NameOf(const rtl::TComponent* component) {
    return component ? test_support::Utf8(component->Name()) : "nobody";
}

// A control that notes in the journal when its properties are read, its partner is set and it is loaded.
class TJournalControl : public TLoggingControl {
    RTL_DECLARE_CLASS(TJournalControl, TLoggingControl)
public:
    using TLoggingControl::TLoggingControl;

    TJournalControl* Partner() const { return FPartner; }
    void SetPartner(TJournalControl* partner) {
        FPartner = partner;
        Journal.push_back(NameOf(this) + " partner " + NameOf(partner));
    }

    void Loaded() override {
        Journal.push_back(NameOf(this) + " loaded, partner " + NameOf(FPartner) +
                          (ComponentState().Contains(TComponentState::csReading) ? ", reading" : ""));
        TLoggingControl::Loaded();
    }

private:
    TJournalControl* FPartner = nullptr;
};

// A component without a window, among the controls.
class TJournalComponent : public rtl::TComponent {
    RTL_DECLARE_CLASS(TJournalComponent, rtl::TComponent)
public:
    using TComponent::TComponent;
    void Loaded() override {
        Journal.push_back(NameOf(this) + " loaded");
        TComponent::Loaded();
    }
};

// Notes a read: the component's name and whether it is loading and reading meanwhile.
void NoteRead(const rtl::TComponent& component) {
    const auto state = component.ComponentState();
    const bool streaming = state.Contains(TComponentState::csLoading) && state.Contains(TComponentState::csReading);
    Journal.push_back(NameOf(&component) + " read" + (streaming ? "" : " outside loading"));
}

class TJournalForm : public vcl::TForm {
    RTL_DECLARE_CLASS(TJournalForm, vcl::TForm)
public:
    explicit TJournalForm(rtl::TComponent* owner) : TForm(owner) {
        vcl::LoadForm<TJournalForm>(
            *this, {
                       .Root =
                           [](TJournalForm& form) {
                               form.SetName(u"JournalForm");
                               NoteRead(form);
                               form.SetClientWidth(300);
                               form.SetClientHeight(200);
                               form.Font().SetStyle({vcl::fsBold});
                               form.SetOnCreate([&form](rtl::TObject*) {
                                   Journal.push_back("create, client " + NameOf(form.Client));
                               });
                           },
                       .Components =
                           {
                               vcl::Component<TJournalControl>(u"Client", u"", &TJournalForm::Client,
                                                               [](TJournalForm&, TJournalControl& client) {
                                                                   NoteRead(client);
                                                                   client.SetAlign(vcl::alClient);
                                                                   Journal.push_back("client width while loading " +
                                                                                     std::to_string(client.Width()));
                                                               }),
                               vcl::Component<TJournalControl>(u"Inner", u"Client", &TJournalForm::Inner,
                                                               [](TJournalForm&, TJournalControl& inner) {
                                                                   NoteRead(inner);
                                                                   inner.SetBounds(8, 8, 60, 20);
                                                                   inner.Font().SetSize(20);
                                                               }),
                               vcl::Component<TJournalComponent, TJournalForm>(
                                   u"Helper", u"", [](TJournalForm&, TJournalComponent& helper) { NoteRead(helper); }),
                               vcl::Component<TJournalControl>(u"Follower", u"Client", &TJournalForm::Follower,
                                                               [](TJournalForm&, TJournalControl& follower) {
                                                                   NoteRead(follower);
                                                                   follower.SetBounds(8, 40, 60, 20);
                                                               }),
                           },
                       .References =
                           {
                               vcl::Reference<TJournalForm>(u"Inner", u"Follower", &TJournalControl::SetPartner),
                               vcl::Reference<TJournalForm>(u"", u"Follower", &vcl::TCustomForm::SetActiveControl),
                           },
                   });
    }

    void Loaded() override {
        Journal.push_back(NameOf(this) + " loaded");
        TForm::Loaded();
    }

    TJournalControl* Client = nullptr;
    TJournalControl* Inner = nullptr;
    TJournalControl* Follower = nullptr;
};

// The client control is aligned to the whole form only once loaded: while loading it keeps its first width.
TEST(FormLoader, PropertiesThenReferencesThenLoadedInCreationOrderThenOnCreate) {
    Journal.clear();
    ui_test::TFormPtr<TJournalForm> form(new TJournalForm(nullptr));
    EXPECT_EQ(Journal, (std::vector<std::string>{
                           "JournalForm read",
                           "Client read",
                           "client width while loading 40",
                           "Inner read",
                           "Helper read",
                           "Follower read",
                           "Inner partner Follower",
                           "JournalForm loaded",
                           "Client loaded, partner nobody",
                           "Inner loaded, partner Follower",
                           "Helper loaded",
                           "Follower loaded, partner nobody",
                           "create, client Client",
                       }));
    EXPECT_EQ(form->Inner->Partner(), form->Follower);
    EXPECT_EQ(form->ActiveControl(), form->Follower);
    EXPECT_FALSE(form->ComponentState().Contains(TComponentState::csLoading));
    EXPECT_FALSE(form->Follower->ComponentState().Contains(TComponentState::csLoading));
}

TEST(FormLoader, AlignmentWaitsForLoadingAndParentPropertiesComeAfterTheOwnOnes) {
    ui_test::TFormPtr<TJournalForm> form(new TJournalForm(nullptr));
    EXPECT_EQ(form->Client->BoundsRect(), vcl::Rect(0, 0, 300, 200));
    EXPECT_TRUE(form->Follower->Font().Style().Contains(vcl::fsBold)) << "the parent's font, taken after reading";
    EXPECT_TRUE(form->Follower->ParentFont());
    EXPECT_EQ(form->Inner->Font().Size(), 20) << "a font of its own stays";
    EXPECT_FALSE(form->Inner->ParentFont());
}

TEST(FormLoader, WindowsAreCreatedOnlyWhenTheFormIsShown) {
    ui_test::TFormPtr<TJournalForm> form(new TJournalForm(nullptr));
    EXPECT_FALSE(form->HandleAllocated());
    EXPECT_FALSE(form->Follower->HandleAllocated());
    ui_test::ShowTestForm(*form, 300, 200, ui_test::TFormPlacement::OffScreen);
    EXPECT_TRUE(form->Follower->Focused()) << "the active control of the description";
}

TEST(FormLoader, TheApplicationCreatesFormsByClassAndTheFirstIsTheMainForm) {
    auto* form = vcl::Application().CreateForm<TJournalForm>();
    EXPECT_EQ(form->Owner(), &vcl::Application());
    EXPECT_EQ(vcl::Application().MainForm(), form);
    rtl::TComponent::Free(form);
    EXPECT_EQ(vcl::Application().MainForm(), nullptr);
}

// A form laid out at 192 pixels per inch, shown on the 96-pixel test display.
class THighResolutionForm : public vcl::TForm {
    RTL_DECLARE_CLASS(THighResolutionForm, vcl::TForm)
public:
    explicit THighResolutionForm(rtl::TComponent* owner) : TForm(owner) {
        vcl::LoadForm<THighResolutionForm>(
            *this, {
                       .Root =
                           [](THighResolutionForm& form) {
                               form.SetPixelsPerInch(192);
                               form.SetClientWidth(400);
                               form.SetClientHeight(200);
                               form.Font().SetHeight(-24);
                           },
                       .Components = {vcl::Component<TLoggingControl>(
                           u"Box", u"", &THighResolutionForm::Box,
                           [](THighResolutionForm&, TLoggingControl& box) { box.SetBounds(40, 20, 100, 50); })},
                   });
    }

    TLoggingControl* Box = nullptr;
};

TEST(FormLoader, AFormLaidOutAtAnotherResolutionIsScaledToTheScreen) {
    ui_test::TFormPtr<THighResolutionForm> form(new THighResolutionForm(nullptr));
    EXPECT_EQ(form->ClientWidth(), 200);
    EXPECT_EQ(form->ClientHeight(), 100);
    EXPECT_EQ(form->Box->BoundsRect(), vcl::Bounds(20, 10, 50, 25));
    EXPECT_EQ(form->Font().Height(), -12);
    EXPECT_EQ(form->PixelsPerInch(), 96);
}

template <class TEntry>
void LoadBroken(vcl::TForm& form, TEntry entry, std::vector<vcl::TReferenceEntry<vcl::TForm>> references = {}) {
    vcl::LoadForm<vcl::TForm>(form, {.Components = {entry}, .References = std::move(references)});
}

TEST(FormLoader, UnknownNamesInADescriptionAreErrorsThatNameThem) {
    auto form = ui_test::CreateTestForm();
    form->SetName(u"Broken");
    const auto noRead = [](vcl::TForm&, TLoggingControl&) {};
    EXPECT_EQ(test_support::MessageOf([&] {
                  LoadBroken(*form, vcl::Component<TLoggingControl, vcl::TForm>(u"Orphan", u"Nowhere", noRead));
              }),
              "Component 'Nowhere' not found while loading 'Broken'");
    EXPECT_EQ(test_support::MessageOf([&] {
                  LoadBroken(*form, vcl::Component<TLoggingControl, vcl::TForm>(u"Lonely", u"", noRead),
                             {vcl::Reference<vcl::TForm>(u"", u"Missing", &vcl::TCustomForm::SetActiveControl)});
              }),
              "Component 'Missing' not found while loading 'Broken'");
    EXPECT_FALSE(form->ComponentState().Contains(TComponentState::csLoading)) << "a failed load leaves no state";
}

} // namespace
