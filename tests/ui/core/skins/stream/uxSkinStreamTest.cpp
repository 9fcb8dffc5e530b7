#include "rtl/core/Exceptions.h"
#include "rtl/io/Streams.h"
#include "rtl/text/CodePages.h"
#include "tests/ui/core/skins/SkinTestSupport.h"
#include "ui/core/skins/stream/uxSkinPartStream.h"
#include "ui/core/skins/stream/uxSkinStreamIO.h"
#include "ui/core/skins/texts/uxSkinsCoreStrs.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

using ui_test::TSkinBytes;

const rtl::UnicodeString InvalidFormat = u"Invalid stream format";
const rtl::UnicodeString VersionMessage =
    u"The skin data version is older than the current Brightloom Library version.\r\n"
    u"Skins cannot be loaded due to a version mismatch.";

// An empty skin named "Loaded": no colours, properties or groups.
std::string EmptySkinStream(double version, int32_t firstFour = 6) {
    return TSkinBytes().Header(version, firstFour).Ansi("Loaded").Int32(0).Int32(0).Int32(0).Data();
}

// A skin that already holds something, to see that a refused stream leaves it as it was.
struct TSkinWithContent {
    ui::TuxSkin Skin{"Before"};
    ui_test::TCountingSkinSink Sink;

    TSkinWithContent() {
        Skin.Colors().AddColor("ContentColor", vcl::clRed);
        Skin.AddGroup("Grid")->AddElement("Header");
        Skin.AddListener(&Sink);
        Sink.Count = 0;
    }
    ~TSkinWithContent() { Skin.RemoveListener(&Sink); }

    // The message of the error the stream raises, or "" when it loads.
    rtl::UnicodeString Load(const std::string& bytes) {
        rtl::TStringStream stream(bytes);
        try {
            Skin.LoadFromStream(stream);
        } catch (const ui::EuxSkin& error) {
            return error.Message();
        }
        return {};
    }
    void ExpectUnchanged() const {
        EXPECT_EQ(Skin.Name(), "Before");
        EXPECT_EQ(Skin.Colors().Count(), 1);
        EXPECT_EQ(Skin.Groups().Count(), 1);
        EXPECT_EQ(Skin.Version(), ui::SkinStreamVersion);
        EXPECT_EQ(Sink.Count, 0);
    }
};

TEST(SkinStreamHeader, SignatureAndVersionDecideWhetherAStreamLoads) {
    struct TCase {
        const char* What;
        std::string Bytes;
        rtl::UnicodeString Error;
    };
    std::string lowerCase = EmptySkinStream(1.03);
    lowerCase[6] = 's';
    std::string shortSignature = TSkinBytes().Int32(6).Raw("uxSki").Data();
    const TCase cases[] = {
        {"any first four bytes", EmptySkinStream(1.03, -123456), {}},
        {"one letter in another case", lowerCase, InvalidFormat},
        {"a signature cut short", shortSignature, InvalidFormat},
        {"version 0.99", EmptySkinStream(0.99), VersionMessage},
        {"version 1.0", EmptySkinStream(1.0), {}},
        {"a version that is not a number", EmptySkinStream(std::nan("")), VersionMessage},
        {"an infinite version", EmptySkinStream(std::numeric_limits<double>::infinity()), VersionMessage},
        // The version check comes before any colour: the garbage behind the header is never read.
        {"version 0.90 with garbage behind", TSkinBytes().Header(0.90).Int32(-1).Data(), VersionMessage},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.What);
        TSkinWithContent target;
        EXPECT_EQ(target.Load(test.Bytes), test.Error);
        if (test.Error.empty()) {
            EXPECT_EQ(target.Skin.Name(), "Loaded");
            EXPECT_EQ(target.Skin.Colors().Count(), 0);
            EXPECT_EQ(target.Skin.Groups().Count(), 0);
            EXPECT_EQ(target.Sink.Count, 1);
        } else {
            target.ExpectUnchanged();
        }
    }
}

TEST(SkinStreamHeader, TheVersionMessageHasTwoLines) {
    const rtl::UnicodeString text = ui::LoadResStringText(ui::suxSkinVersionMismatch);
    EXPECT_EQ(text, VersionMessage);
}

TEST(SkinStreamReader, LengthsOfZeroOrLessReadEmptyAfterFourBytes) {
    rtl::TStringStream stream(TSkinBytes().Int32(0).Int32(-5).Int32(-1).Int32(7).Data());
    ui::TuxSkinReader reader(stream);
    EXPECT_EQ(reader.ReadAnsiString(), "");
    EXPECT_EQ(reader.ReadAnsiString(), "");
    EXPECT_EQ(reader.ReadWideString(), u"");
    EXPECT_EQ(reader.ReadInt32(), 7);
    EXPECT_EQ(reader.Remaining(), 0);
}

TEST(SkinStreamReader, WhatDoesNotFitRaisesBeforeAnythingIsAllocated) {
    const std::string cases[] = {
        TSkinBytes().Int32(std::numeric_limits<int32_t>::max()).Raw("abc").Data(),
        TSkinBytes().Int32(std::numeric_limits<int32_t>::max()).Data(),
        TSkinBytes().Raw("ab").Data(),
    };
    for (const std::string& bytes : cases) {
        rtl::TStringStream stream(bytes);
        ui::TuxSkinReader reader(stream);
        EXPECT_THROW(reader.ReadAnsiString(), ui::EuxSkin);
        rtl::TStringStream again(bytes);
        ui::TuxSkinReader wide(again);
        EXPECT_THROW(wide.ReadWideString(), ui::EuxSkin);
    }
}

// The stream of one group "Grid" with one element "Header" whose image record is imageRecord.
std::string OneElementStream(double version, const std::string& imageRecord) {
    TSkinBytes bytes;
    bytes.Header(version).Ansi("Loaded").Int32(0).Int32(0).Int32(1).Ansi("Grid").Int32(1).Ansi("Header");
    bytes.Int32(vcl::clRed).Byte(255).Int32(1).Int32(0).Int32(0).Int32(0).Int32(0);
    bytes.Raw(imageRecord).Raw(imageRecord);
    for (const char* side : {"Left", "Top", "Right", "Bottom"}) {
        if (version >= 0.92) {
            bytes.Ansi("TuxSkinBorder");
        }
        bytes.Ansi(side).Int32(static_cast<int32_t>(vcl::clNone)).Int32(1);
    }
    bytes.Int32(vcl::clBlue).Int32(3).Int32(4).Int32(0);
    if (version >= 0.91) {
        bytes.Int32(0);
    }
    return bytes.Data();
}

TEST(SkinStreamRecords, AVersionBeforeGradientsReadsToItsEnd) {
    const std::string bytes = OneElementStream(1.01, TSkinBytes().Image(false).Data());
    rtl::TStringStream stream(bytes);
    ui::TuxSkin skin("Fresh");
    skin.LoadFromStream(stream);
    EXPECT_EQ(stream.Position(), stream.Size());
    const ui::TuxSkinElement* header = skin.GetGroupByName("Grid")->GetElementByName("Header");
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->Color(), vcl::clRed);
    EXPECT_EQ(header->TextColor(), vcl::clBlue);
    EXPECT_EQ(header->MinSize(), (vcl::TSize{3, 4}));
    EXPECT_EQ(header->Image().GradientBeginColor(), vcl::clNone);
    EXPECT_EQ(header->Image().States(), ui::TuxSkinElementStates{ui::esNormal});
    EXPECT_EQ(header->Borders().Bottom().Name(), "Bottom");
    EXPECT_EQ(skin.Version(), 1.01);
}

TEST(SkinStreamRecords, ATextureOfSizeZeroLeavesTheImageEmpty) {
    const auto skin = ui_test::LoadSkin(OneElementStream(1.03, TSkinBytes().Image(true).Data()));
    const ui::TuxSkinElement* header = skin->GetGroupByName("Grid")->GetElementByName("Header");
    EXPECT_TRUE(header->Image().GetEmpty());
    EXPECT_TRUE(header->Glyph().GetEmpty());
    EXPECT_EQ(header->TextColor(), vcl::clBlue);
}

TEST(SkinStreamRecords, BadValuesAreRefusedAndLeaveTheSkinAsItWas) {
    const std::string png = ui_test::FlatFramesPng(4, 4, {0xFF00FF00});
    // Margins, layout, states, stretch, gradient colours and mode, then the texture size.
    auto image = [](uint8_t layout, uint16_t states, uint8_t stretch, uint8_t gradient, int32_t size) {
        return TSkinBytes()
            .Int32(0)
            .Int32(0)
            .Int32(0)
            .Int32(0)
            .Byte(layout)
            .Word(states)
            .Byte(stretch)
            .Int32(0)
            .Int32(0)
            .Byte(gradient)
            .Int32(size)
            .Data();
    };
    struct TCase {
        const char* What;
        std::string Bytes;
    };
    const TCase cases[] = {
        {"a layout of 2", OneElementStream(1.03, image(2, 1, 0, 0, 0))},
        {"a state bit 11", OneElementStream(1.03, image(0, 1u << 11, 0, 0, 0))},
        {"a state bit 15", OneElementStream(1.03, image(0, 0x8001, 0, 0, 0))},
        {"a stretch mode of 3", OneElementStream(1.03, image(0, 1, 3, 0, 0))},
        {"a gradient mode of 4", OneElementStream(1.03, image(0, 1, 0, 4, 0))},
        {"a negative texture size", OneElementStream(1.03, image(0, 1, 0, 0, -1))},
        {"a texture past the end", OneElementStream(1.03, image(0, 1, 0, 0, 1 << 20) + png)},
        {"a texture that is no PNG", OneElementStream(1.03, image(0, 1, 0, 0, 4) + "abcd")},
        {"a colour count of 2^31 - 1",
         TSkinBytes().Header(1.03).Ansi("Loaded").Int32(std::numeric_limits<int32_t>::max()).Data()},
        {"a property count of 2^31 - 1",
         TSkinBytes().Header(1.03).Ansi("Loaded").Int32(0).Int32(std::numeric_limits<int32_t>::max()).Data()},
        {"a negative group count", TSkinBytes().Header(1.03).Ansi("Loaded").Int32(0).Int32(0).Int32(-1).Data()},
        {"an element count of 2^31 - 1", TSkinBytes()
                                             .Header(1.03)
                                             .Ansi("Loaded")
                                             .Int32(0)
                                             .Int32(0)
                                             .Int32(1)
                                             .Ansi("Grid")
                                             .Int32(std::numeric_limits<int32_t>::max())
                                             .Data()},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.What);
        TSkinWithContent target;
        EXPECT_NE(target.Load(test.Bytes), u"");
        target.ExpectUnchanged();
    }
}

TEST(SkinStreamRecords, AnUnregisteredPropertyClassRaisesClassNotFound) {
    const std::string bytes = TSkinBytes()
                                  .Header(1.03)
                                  .Ansi("Loaded")
                                  .Int32(0)
                                  .Int32(1)
                                  .Ansi("TuxSkinFancyProperty")
                                  .Ansi("X")
                                  .Int32(1)
                                  .Int32(0)
                                  .Data();
    TSkinWithContent target;
    rtl::TStringStream stream(bytes);
    EXPECT_THROW(target.Skin.LoadFromStream(stream), rtl::EClassNotFound);
    target.ExpectUnchanged();
}

TEST(SkinStreamRecords, AStreamCutAnywhereFailsCleanly) {
    const std::string whole = ui_test::SaveSkin(*ui_test::MakeSampleSkin());
    for (size_t length = 0; length < whole.size(); ++length) {
        TSkinWithContent target;
        ASSERT_NE(target.Load(whole.substr(0, length)), u"") << "cut at " << length;
        target.ExpectUnchanged();
    }
}

TEST(SkinStreamRoundTrip, ASavedSkinLoadsTheSameAndSavesTheSameBytes) {
    const auto sample = ui_test::MakeSampleSkin();
    const std::string saved = ui_test::SaveSkin(*sample);
    const auto loaded = ui_test::LoadSkin(saved);
    EXPECT_EQ(loaded->Name(), "Sample");
    EXPECT_EQ(loaded->GetDisplayName(), u"Sample \u84dd");
    ASSERT_EQ(loaded->Colors().Count(), 2);
    EXPECT_EQ(loaded->GetColorByName("SelectionColor")->Value(), vcl::clHighlight);
    ASSERT_EQ(loaded->Groups().Count(), 2);
    for (const char* groupName : {"Common", "Grid"}) {
        ui::TuxSkinControlGroup* original = sample->GetGroupByName(groupName);
        ui::TuxSkinControlGroup* copy = loaded->GetGroupByName(groupName);
        ASSERT_NE(copy, nullptr);
        ASSERT_EQ(copy->Count(), original->Count());
        EXPECT_TRUE(copy->Element(0)->SameAs(*original->Element(0))) << groupName;
    }
    EXPECT_EQ(ui_test::SaveSkin(*loaded), ui_test::SaveSkin(*ui_test::LoadSkin(ui_test::SaveSkin(*loaded))));
}

TEST(SkinStreamRoundTrip, WideStringsKeepTheirUtf16) {
    const rtl::UnicodeString value = u"\u84dd\u8272 \U0001F600 \xD800";
    const std::string bytes = TSkinBytes()
                                  .Header(1.03)
                                  .Ansi("Loaded")
                                  .Int32(0)
                                  .Int32(1)
                                  .Ansi("TuxSkinWideStringProperty")
                                  .Ansi("DisplayName")
                                  .Wide(value)
                                  .Int32(0)
                                  .Data();
    const auto skin = ui_test::LoadSkin(bytes);
    EXPECT_EQ(skin->GetDisplayName(), value);
    EXPECT_EQ(ui_test::LoadSkin(ui_test::SaveSkin(*skin))->GetDisplayName(), value);
}

TEST(SkinModel, NamesAreFoundExactly) {
    ui::TuxSkin skin("S");
    skin.AddGroup("Grid");
    skin.AddGroup("Blue");
    skin.AddGroup("Common");
    EXPECT_EQ(skin.GetGroupByName("blue"), nullptr);
    ASSERT_NE(skin.GetGroupByName("Blue"), nullptr);
    EXPECT_EQ(skin.GetGroupByName("Blue")->Name(), "Blue");
    skin.AddGroup("Aqua");
    EXPECT_EQ(skin.GetGroupByName("Aqua")->Name(), "Aqua");
    EXPECT_EQ(skin.GetGroupByName("Zzz"), nullptr);
}

TEST(SkinModel, TheDisplayNameIsTheStringPropertyElseTheName) {
    ui::TuxSkin skin("Blue");
    EXPECT_EQ(skin.GetDisplayName(), u"Blue");
    skin.Properties().AddProperty("DisplayName", ui::TuxSkinIntegerProperty::StaticClass());
    EXPECT_EQ(skin.GetDisplayName(), u"Blue");
    skin.DeleteProperty(skin.GetPropertyByName("DisplayName"));
    static_cast<ui::TuxSkinStringProperty*>(
        skin.Properties().AddProperty("DisplayName", ui::TuxSkinStringProperty::StaticClass()))
        ->SetValue("Plain");
    EXPECT_EQ(skin.GetDisplayName(), u"Plain");
}

TEST(SkinModel, ChangesReachTheListenersOnceEach) {
    ui::TuxSkin skin("S");
    ui::TuxSkinElement* element = skin.AddGroup("Grid")->AddElement("Header");
    ui_test::TCountingSkinSink sink;
    skin.AddListener(&sink);
    skin.AddListener(&sink);

    element->SetTextColor(vcl::clRed);
    EXPECT_EQ(sink.Count, 1);
    element->SetTextColor(vcl::clRed);
    EXPECT_EQ(sink.Count, 1) << "an unchanged value tells nobody";
    element->Image().SetMargins({1, 1, 1, 1});
    element->Borders().Top().SetColor(vcl::clBlue);
    EXPECT_EQ(sink.Count, 3);

    skin.BeginUpdate();
    element->SetAlpha(10);
    element->SetImageCount(3);
    skin.GetGroupByName("Grid")->AddElement("Footer");
    skin.Colors().AddColor("ContentColor", vcl::clWhite);
    EXPECT_EQ(sink.Count, 3);
    skin.EndUpdate();
    EXPECT_EQ(sink.Count, 4);

    element->SetImageCount(2);
    EXPECT_EQ(sink.Count, 5) << "the image count is one change, though both images lay out anew";
    element->BeginUpdate();
    element->SetColor(vcl::clGreen);
    element->SetContentOffset({1, 2, 3, 4});
    element->Glyph().SetStretch(ui::smTile);
    EXPECT_EQ(sink.Count, 5);
    element->EndUpdate();
    EXPECT_EQ(sink.Count, 6);

    skin.RemoveListener(&sink);
    element->SetTextColor(vcl::clBlack);
    EXPECT_EQ(sink.Count, 6);
}

TEST(SkinModel, AssignAndCloneCopyContentsButNotNameOrVersion) {
    const auto sample = ui_test::MakeSampleSkin();
    ui::TuxSkin target("Target");
    target.AddGroup("Old");
    target.Assign(sample.get());
    EXPECT_EQ(target.Name(), "Target");
    EXPECT_EQ(target.Groups().Count(), 2);
    EXPECT_EQ(target.GetGroupByName("Old"), nullptr);
    EXPECT_EQ(target.GetDisplayName(), sample->GetDisplayName());
    EXPECT_TRUE(target.GetGroupByName("Common")->Element(0)->SameAs(*sample->GetGroupByName("Common")->Element(0)));

    const auto clone = sample->CloneSkin();
    EXPECT_EQ(clone->Name(), "Sample");
    EXPECT_EQ(ui_test::SaveSkin(*clone), ui_test::SaveSkin(*sample));
}

TEST(SkinModel, PropertyTypeNamesDropPrefixAndSuffix) {
    ui::TuxSkinIntegerProperty integer(nullptr, "I");
    ui::TuxSkinColor color(nullptr, "C");
    ui::TuxSkinWideStringProperty wide(nullptr, "W");
    EXPECT_EQ(integer.GetTypeName(), u"Integer");
    EXPECT_EQ(color.GetTypeName(), u"Color");
    EXPECT_EQ(wide.GetTypeName(), u"WideString");
    EXPECT_EQ(color.Value(), vcl::clDefault);
}

} // namespace

namespace {

TEST(SkinPartStream, AWindowStopsReadsAndSeeksAtItsEnds) {
    rtl::TStringStream source("0123456789");
    ui::TuxSkinPartStream window(source, 2, 6);
    EXPECT_EQ(window.Size(), 4);
    EXPECT_EQ(window.Position(), 0);
    char buffer[8] = {};
    EXPECT_EQ(window.Read(buffer, 8), 4);
    EXPECT_EQ(std::string(buffer, 4), "2345");
    EXPECT_EQ(window.Read(buffer, 8), 0);
    EXPECT_EQ(window.Seek(-1, rtl::soEnd), 3);
    EXPECT_EQ(window.Seek(100, rtl::soBeginning), 4);
    EXPECT_EQ(window.Seek(-100, rtl::soCurrent), 0);
    EXPECT_EQ(source.Position(), 2);
}

} // namespace
