// Resources compiled into the test program: Chinese string tables, custom resource types read as streams, bitmaps,
// cursors and the program icon, and the error for a resource that is not there.

#include "rtl/WindowsApi.h"
#include "tests/support/TestSupport.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/graphics/images/Icon.h"
#include "vcl/resources/ResourceStream.h"

#include <gtest/gtest.h>

namespace {

TEST(Resources, ChineseStringTablesLoadIntact) {
    EXPECT_EQ(vcl::LoadStr(1001), u"销售清单导入");
    EXPECT_EQ(vcl::LoadResString(1002), u"税收分类编码：1090101990000000000");
    EXPECT_EQ(vcl::LoadStr(4711), u"") << "missing";
    EXPECT_EQ(test_support::MessageOf([] { vcl::LoadResString(4711); }), "Resource #4711 not found");
}

TEST(Resources, CustomTypesReadAsStreams) {
    vcl::TResourceStream skin(nullptr, u"BLUE", u"UXSKINS");
    ASSERT_EQ(skin.Size(), 6 + 2 + 4);
    char signature[6] = {};
    skin.ReadBuffer(signature, 6);
    EXPECT_EQ(std::string(signature, 6), "uxSkin");
    uint16_t version = 0;
    skin.ReadBuffer(&version, 2);
    EXPECT_EQ(version, 0x0102);
    EXPECT_THROW(skin.ReadBuffer(signature, 6), rtl::EReadError) << "only what the resource holds";
    EXPECT_THROW(skin.Write("x", 1), rtl::EStreamError) << "the module's memory is read-only";

    vcl::TResourceStream helper(nullptr, u"updatehelper", u"AUUPG");
    EXPECT_EQ(static_cast<const char*>(helper.Memory())[0], 'M');
}

TEST(Resources, NamesTheLinkerSortedByTheirLowerCaseLettersStillLoad) {
    for (const char16_t* name : {u"TESTSTRIP", u"TEST_STRIP", u"teststrip"}) {
        vcl::TBitmap strip;
        strip.LoadFromResourceName(nullptr, name);
        EXPECT_EQ(strip.Width(), 48) << test_support::Utf8(name);
    }
}

TEST(Resources, AMissingResourceRaisesResourceNotFound) {
    EXPECT_THROW(vcl::TResourceStream(nullptr, u"NOSUCHSKIN", u"UXSKINS"), vcl::EResNotFound);
    EXPECT_EQ(test_support::MessageOf([] { vcl::TResourceStream(nullptr, u"BLUE", u"AUUPG"); }),
              "Resource BLUE not found");
    EXPECT_EQ(test_support::MessageOf([] { vcl::TResourceStream(nullptr, 77, u"UXSKINS"); }), "Resource #77 not found");
    vcl::TBitmap bitmap;
    EXPECT_THROW(bitmap.LoadFromResourceName(nullptr, u"NOSUCHBITMAP"), vcl::EResNotFound);
    vcl::TIcon icon;
    EXPECT_THROW(icon.LoadFromResourceName(nullptr, u"NOSUCHICON"), vcl::EResNotFound);
}

TEST(Resources, BitmapsCursorsAndTheProgramIconLoad) {
    vcl::TBitmap strip;
    strip.LoadFromResourceName(nullptr, u"TESTSTRIP");
    EXPECT_EQ(strip.Width(), 48);
    EXPECT_EQ(strip.Height(), 16);
    EXPECT_EQ(strip.Canvas().Pixel(20, 8), vcl::clLime);
    EXPECT_EQ(strip.Canvas().Pixel(16, 0), vcl::clFuchsia);

    vcl::TIcon icon;
    icon.LoadFromResourceName(nullptr, u"MAINICON");
    EXPECT_EQ(icon.Width(), GetSystemMetrics(SM_CXICON));

    HCURSOR cursor = LoadCursorW(GetModuleHandleW(nullptr), L"DRAGCURSOR");
    ASSERT_NE(cursor, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_EQ(info.xHotspot, 3u);
    EXPECT_EQ(info.yHotspot, 5u);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

} // namespace
