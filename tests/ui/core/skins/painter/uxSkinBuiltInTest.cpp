#include "rtl/io/Streams.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/core/skins/SkinTestSupport.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

struct TBuiltInSkin {
    const char* File;
    const char* Name;
    const char* ResourceName;
};

const TBuiltInSkin BuiltInSkins[] = {
    {"BLUE.uxskin", "Blue", "BLUE"},
    {"OFFICE2007BLUE.uxskin", "Office2007Blue", "OFFICE2007BLUE"},
    {"DEFAULTUSERSKINDATA.uxskin", "defaultuserskindata", "DEFAULTUSERSKINDATA"},
};

std::string ReadSkinFile(const char* file) {
    rtl::TMemoryStream stream;
    stream.LoadFromFile(test_support::DataPath(std::string("../../resources/skins/") + file));
    return std::string(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
}

int32_t ElementCount(const ui::TuxSkin& skin) {
    int32_t count = 0;
    for (int32_t i = 0; i < skin.Groups().Count(); ++i) {
        count += skin.Groups().Item(i)->Count();
    }
    return count;
}

void ExpectBuiltInShape(const ui::TuxSkin& skin) {
    ASSERT_EQ(skin.Colors().Count(), 13);
    for (int32_t i = 0; i < skin.Colors().Count(); ++i) {
        EXPECT_EQ(skin.Colors().Color(i)->ClassName(), u"TuxSkinColor");
    }
    ASSERT_EQ(skin.GetPropertyCount(), 1);
    EXPECT_EQ(skin.GetProperty(0)->Name(), "DisplayName");
    EXPECT_EQ(skin.GetProperty(0)->GetTypeName(), u"WideString");
    EXPECT_EQ(skin.Groups().Count(), 13);
    EXPECT_EQ(ElementCount(skin), 244);
    const std::set<rtl::UnicodeString> allowed = {u"Color", u"Integer", u"Rect", u"Boolean", u"WideString"};
    for (int32_t g = 0; g < skin.Groups().Count(); ++g) {
        const ui::TuxSkinControlGroup& group = *skin.Groups().Item(g);
        for (int32_t e = 0; e < group.Count(); ++e) {
            const ui::TuxSkinElement& element = *group.Element(e);
            EXPECT_EQ(element.Borders().Left().Name(), "Left");
            EXPECT_EQ(element.Borders().Top().Name(), "Top");
            EXPECT_EQ(element.Borders().Right().Name(), "Right");
            EXPECT_EQ(element.Borders().Bottom().Name(), "Bottom");
            for (int32_t p = 0; p < element.GetPropertyCount(); ++p) {
                EXPECT_TRUE(allowed.contains(element.GetProperty(p)->GetTypeName())) << element.Name();
            }
        }
    }
}

TEST(BuiltInSkins, EachStreamLoadsToItsLastByteWithTheKnownCounts) {
    for (const TBuiltInSkin& builtIn : BuiltInSkins) {
        SCOPED_TRACE(builtIn.File);
        const std::string bytes = ReadSkinFile(builtIn.File);
        rtl::TStringStream stream(bytes);
        ui::TuxSkin skin(builtIn.ResourceName);
        skin.LoadFromStream(stream);
        EXPECT_EQ(stream.Position(), stream.Size());
        EXPECT_EQ(skin.Name(), builtIn.Name);
        EXPECT_EQ(skin.Version(), ui::SkinStreamVersion);
        ExpectBuiltInShape(skin);
        ui::TuxSkinControlGroup* common = skin.GetGroupByName("Common");
        ASSERT_NE(common, nullptr);
        EXPECT_EQ(common->GetElementByName("ScrollButton")->ImageCount(), 4);
        EXPECT_EQ(skin.GetGroupByName("Editors")->GetElementByName("Checkbox")->ImageCount(), 3);
        EXPECT_EQ(skin.GetGroupByName("Scheduler")->GetElementByName("TimeGridCurrentTimeIndicator"), nullptr);
    }
}

TEST(BuiltInSkins, BlueHasItsGroupsColoursAndDisplayName) {
    const auto blue = ui_test::LoadSkin(ReadSkinFile("BLUE.uxskin"));
    EXPECT_EQ(blue->GetDisplayName(), u"Blue");
    const std::map<std::string, std::pair<int32_t, int32_t>> groups = {
        {"Bars", {33, 1}},        {"Common", {22, 0}},        {"Docking", {12, 5}}, {"Editors", {27, 24}},
        {"Form", {12, 2}},        {"Grid", {23, 12}},         {"NavBar", {6, 0}},   {"NavPane", {17, 1}},
        {"PageControl", {5, 8}},  {"PrintingSystem", {2, 0}}, {"Ribbon", {64, 6}},  {"Scheduler", {17, 1}},
        {"VerticalGrid", {4, 0}},
    };
    for (const auto& [name, counts] : groups) {
        const ui::TuxSkinControlGroup* group = blue->GetGroupByName(name);
        ASSERT_NE(group, nullptr) << name;
        EXPECT_EQ(group->Count(), counts.first) << name;
        EXPECT_EQ(group->GetPropertyCount(), counts.second) << name;
    }
    EXPECT_EQ(blue->GetColorByName("ContentColor")->Value(), vcl::TColor(0x00FFEFE3));
    EXPECT_EQ(blue->GetGroupByName("Common")->GetElementByName("Header")->Color(), vcl::TColor(0x00FDEFE3));
    EXPECT_EQ(blue->GetColorByName("blue"), nullptr);
}

TEST(BuiltInSkins, ALoadedSkinSavesTheSameSkinAtTheCurrentVersion) {
    for (const TBuiltInSkin& builtIn : BuiltInSkins) {
        SCOPED_TRACE(builtIn.File);
        const std::string bytes = ReadSkinFile(builtIn.File);
        const auto loaded = ui_test::LoadSkin(bytes);
        const std::string saved = ui_test::SaveSkin(*loaded);
        const auto again = ui_test::LoadSkin(saved);
        EXPECT_EQ(again->Version(), ui::SkinStreamVersion);
        ExpectBuiltInShape(*again);
        for (int32_t g = 0; g < loaded->Groups().Count(); ++g) {
            const ui::TuxSkinControlGroup& original = *loaded->Groups().Item(g);
            const ui::TuxSkinControlGroup& copy = *again->Groups().Item(g);
            ASSERT_EQ(copy.Name(), original.Name());
            ASSERT_EQ(copy.Count(), original.Count());
            for (int32_t e = 0; e < original.Count(); ++e) {
                EXPECT_TRUE(copy.Element(e)->SameAs(*original.Element(e))) << original.Element(e)->Name();
            }
        }
#ifndef _WIN32
        // Natively textures stay the PNG bytes they were read as; GDI+ encodes them anew.
        EXPECT_EQ(saved, bytes);
#endif
    }
}

} // namespace
