#include "xls/core/model/package/Xc12GraphicManager.h"

#include "rtl/core/Exceptions.h"
#include "rtl/io/Streams.h"
#include "xls/core/base/XLSErrorManager.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls {
namespace {

using Bytes = std::vector<uint8_t>;

// The smallest JPEG the probe accepts: start of image and a 3 by 2 frame header.
const std::string SoundJPEG("\xFF\xD8\xFF\xC0\x00\x11\x08\x00\x02\x00\x03\x03\x00\x00\x00\x00\x00", 17);

Bytes DataOf(const TXc12GraphicImage& image) {
    return Bytes(image.Data().begin(), image.Data().end());
}
Bytes BytesOf(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

// A store whose warnings are kept in the error manager's list.
class Xc12GraphicStore : public ::testing::Test {
protected:
    Xc12GraphicStore() { FErrors.SetSaveToList(true); }

    TXc12GraphicImage* AddPart(const std::string& bytes, const char16_t* path, const char16_t* owner,
                               const char16_t* relId) {
        rtl::TStringStream stream(bytes);
        return Images().AddFromPart(stream, u"png", path, owner, relId);
    }
    TXc12GraphicImages& Images() { return FManager.Images(); }
    // The numbers of the warnings reported after the first count.
    std::vector<int32_t> WarningsSince(size_t count) const {
        std::vector<int32_t> numbers;
        for (size_t i = count; i < FErrors.Messages().size(); ++i)
            numbers.push_back(FErrors.Messages()[i].Number);
        return numbers;
    }

    TXLSErrorManager FErrors;
    TXc12GraphicManager FManager{&FErrors};
};

TEST(Xc12GraphicImages, TypeFromExtension) {
    const struct {
        const char16_t* name;
        TXc12GraphicImageType expected;
    } cases[] = {
        {u"photo.jpg", xgitJPEG},
        {u"PHOTO.JPG", xgitJPEG},
        {u"photo.Jpeg", xgitJPEG},
        {u"chart.png", xgitPNG},
        {u"logo.emf", xgitEMF},
        {u"logo.WMF", xgitWMF},
        {u"png", xgitPNG},
        {u"a.b.c.png", xgitPNG},
        {u"picture.bmp", xgitUnknown},
        {u"png.", xgitUnknown},
        {u"", xgitUnknown},
        {u"dir.png\\picture", xgitUnknown},
        {u"photo.jpg.bak", xgitUnknown},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name, c.name + std::char_traits<char16_t>::length(c.name)));
        EXPECT_EQ(TXc12GraphicImages::TypeFromExtension(c.name), c.expected);
    }
}

TEST(Xc12GraphicImages, TypeToExtension) {
    EXPECT_EQ(TXc12GraphicImages::TypeToExtension(xgitJPEG), u"jpeg");
    EXPECT_EQ(TXc12GraphicImages::TypeToExtension(xgitPNG), u"png");
    EXPECT_EQ(TXc12GraphicImages::TypeToExtension(xgitEMF), u"emf");
    EXPECT_EQ(TXc12GraphicImages::TypeToExtension(xgitWMF), u"wmf");
    for (const auto type : {xgitUnknown, static_cast<TXc12GraphicImageType>(255)}) {
        SCOPED_TRACE(static_cast<int>(type));
        try {
            (void)TXc12GraphicImages::TypeToExtension(type);
            ADD_FAILURE() << "no exception";
        } catch (const rtl::Exception& e) {
            EXPECT_EQ(e.Message(), u"Unknown image type");
        }
    }
}

TEST_F(Xc12GraphicStore, AddFromStreamTakesTheFirstFreeNameFromCountPlusOne) {
    const struct {
        const char* name;
        std::vector<const char16_t*> stored;
        TXc12GraphicImageType type;
        const char16_t* expected;
    } cases[] = {
        {"empty store", {}, xgitJPEG, u"Image1.jpeg"},
        {"count + 1 is taken", {u"Image1.png", u"Image3.png"}, xgitPNG, u"Image4.png"},
        {"count + 1 is free", {u"Image1.png", u"Image7.png"}, xgitPNG, u"Image3.png"},
        {"a name of another type does not block", {u"Image2.emf"}, xgitWMF, u"Image2.wmf"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FManager.Clear();
        for (const char16_t* name : c.stored)
            AddPart("x", name, u"rId1", u"rId1");
        rtl::TStringStream stream("abc");
        const TXc12GraphicImage* image = Images().AddFromStream(stream, c.type);
        EXPECT_EQ(image->Name(), c.expected);
        EXPECT_EQ(image->ImageType(), c.type);
        EXPECT_EQ(image->UseCount(), 1);
        EXPECT_EQ(image->Index(), Images().Count() - 1);
        EXPECT_EQ(Images().FindByName(c.expected), image);
    }
}

TEST_F(Xc12GraphicStore, AddFromStreamCopiesTheBytesFromThePosition) {
    const struct {
        const char* name;
        int64_t position;
        Bytes expected;
    } cases[] = {
        {"from the start", 0, BytesOf("picture")},
        {"from the middle", 3, BytesOf("ture")},
        {"at the end", 7, Bytes{}},
        {"beyond the end", 20, Bytes{}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        rtl::TStringStream stream("picture");
        stream.SetPosition(c.position);
        const TXc12GraphicImage* image = Images().AddFromStream(stream, xgitPNG);
        EXPECT_EQ(DataOf(*image), c.expected);
        EXPECT_EQ(image->DataSize(), static_cast<int32_t>(c.expected.size()));
    }
}

TEST_F(Xc12GraphicStore, AddFromStreamOfAnUnknownTypeRaisesAndAddsNothing) {
    rtl::TStringStream stream("abc");
    EXPECT_THROW(Images().AddFromStream(stream, xgitUnknown), rtl::Exception);
    EXPECT_EQ(Images().Count(), 0);
}

TEST_F(Xc12GraphicStore, AddFromPartStoresAPartOnceAndFindsItThroughEveryDrawing) {
    const std::string bytes = "\x89PNG";
    TXc12GraphicImage* first = AddPart(bytes, u"xl/media/image1.png", u"xl/drawings/drawing1.xml", u"rId1");
    TXc12GraphicImage* again = AddPart("other", u"xl/media/image1.png", u"xl/drawings/drawing2.xml", u"rId4");
    TXc12GraphicImage* other = AddPart("x", u"xl/media/image2.png", u"xl/drawings/drawing2.xml", u"rId5");

    ASSERT_EQ(Images().Count(), 2);
    EXPECT_EQ(again, first);
    EXPECT_EQ(first->UseCount(), 2);
    EXPECT_EQ(DataOf(*first), BytesOf(bytes));
    EXPECT_EQ(first->ImageType(), xgitPNG);
    EXPECT_EQ(first->Name(), u"xl/media/image1.png");
    EXPECT_EQ(first->OwnerPart(), u"xl/drawings/drawing1.xml");
    EXPECT_EQ(first->RelId(), u"rId1");
    EXPECT_EQ(other->Index(), 1);

    const struct {
        const char* name;
        const char16_t* owner;
        const char16_t* relId;
        TXc12GraphicImage* expected;
    } lookups[] = {
        {"first drawing", u"xl/drawings/drawing1.xml", u"rId1", first},
        {"second drawing's own id", u"xl/drawings/drawing2.xml", u"rId4", first},
        {"second drawing, second picture", u"xl/drawings/drawing2.xml", u"rId5", other},
        {"id of another drawing", u"xl/drawings/drawing1.xml", u"rId4", nullptr},
        {"id differs in case", u"xl/drawings/drawing1.xml", u"RID1", nullptr},
        {"owner differs in case", u"xl/drawings/Drawing1.xml", u"rId1", nullptr},
    };
    for (const auto& c : lookups) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Images().FindByRelId(c.owner, c.relId), c.expected);
    }
}

TEST_F(Xc12GraphicStore, AddFromPartRecordsARepeatedReferenceOnce) {
    TXc12GraphicImage* image = AddPart("x", u"xl/media/image1.png", u"d1", u"rId1");
    AddPart("x", u"xl/media/image1.png", u"d1", u"rId1");
    EXPECT_EQ(image->UseCount(), 2);
    EXPECT_EQ(image->References().size(), 1u);
}

TEST_F(Xc12GraphicStore, AddImage) {
    const struct {
        const char* name;
        const char16_t* fileName;
        bool expectAdded;
        std::vector<int32_t> expectedWarnings;
    } cases[] = {
        {"new file", u"C:\\pictures\\logo.jpg", true, {}},
        {"unknown extension", u"C:\\pictures\\logo.bmp", false, {3006}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FManager.Clear();
        const size_t warningsBefore = FErrors.Messages().size();
        rtl::TStringStream stream(SoundJPEG);
        const TXc12GraphicImage* image = Images().AddImage(stream, c.fileName);
        EXPECT_EQ(image != nullptr, c.expectAdded);
        EXPECT_EQ(Images().Count(), c.expectAdded ? 1 : 0);
        EXPECT_EQ(WarningsSince(warningsBefore), c.expectedWarnings);
        if (image != nullptr) {
            EXPECT_EQ(image->FileName(), c.fileName);
            EXPECT_EQ(image->Name(), u"Image1.jpeg");
            EXPECT_EQ(DataOf(*image), BytesOf(SoundJPEG));
        }
    }
    EXPECT_EQ(FErrors.Messages().back().Text, u"W3006: Unknown image type \"C:\\pictures\\logo.bmp\"");
}

TEST_F(Xc12GraphicStore, AddImageOfAKnownFileChecksTheStoredBytesAndLeavesTheStreamAlone) {
    const struct {
        const char* name;
        std::string storedBytes;
        std::vector<int32_t> expectedWarnings;
    } cases[] = {
        {"sound JPEG", SoundJPEG, {}},
        {"JPEG of 8 bytes", SoundJPEG.substr(0, 8), {3008}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FManager.Clear();
        const size_t warningsBefore = FErrors.Messages().size();
        rtl::TStringStream firstStream(c.storedBytes);
        TXc12GraphicImage* stored = Images().AddImage(firstStream, u"photo.jpg");
        ASSERT_NE(stored, nullptr);
        rtl::TStringStream secondStream("another picture");
        EXPECT_EQ(Images().AddImage(secondStream, u"PHOTO.JPG"), stored);
        EXPECT_EQ(secondStream.Position(), 0);
        EXPECT_EQ(Images().Count(), 1);
        EXPECT_EQ(DataOf(*stored), BytesOf(c.storedBytes));
        EXPECT_EQ(WarningsSince(warningsBefore), c.expectedWarnings);
    }
}

TEST_F(Xc12GraphicStore, FindByFileNameIgnoresCaseBeyondASCII) {
    rtl::TStringStream stream(SoundJPEG);
    const TXc12GraphicImage* image = Images().AddImage(stream, u"Ärger.jpg");
    EXPECT_EQ(Images().FindByFileName(u"äRGER.JPG"), image);
    EXPECT_EQ(Images().FindByFileName(u"Ärger.jpeg"), nullptr);
    EXPECT_EQ(Images().FindByName(u"image1.jpeg"), nullptr);
}

TEST_F(Xc12GraphicStore, ClearEmptiesTheStoreAndBadIndexesRaise) {
    AddPart("x", u"xl/media/image1.png", u"d1", u"rId1");
    FManager.Clear();
    EXPECT_EQ(Images().Count(), 0);
    EXPECT_EQ(Images().FindByRelId(u"d1", u"rId1"), nullptr);
    EXPECT_THROW(Images().GetItem(0), rtl::EListError);
}

} // namespace
} // namespace xls
