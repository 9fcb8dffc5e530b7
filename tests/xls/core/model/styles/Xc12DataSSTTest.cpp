#include "xls/core/model/styles/Xc12DataSST.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "tests/support/TestSupport.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5.h"

#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace xls {
namespace {

using test_support::MessageOf;

TEST(Xc12DataSST, KeepsTextInEightBitsWhenItFits) {
    static const uint8_t bytes[] = {0x41, 0xE9, 0xFF};
    static const char16_t wide[] = {u'a', u'b'};
    const struct {
        const char* Name;
        std::function<int32_t(TXc12DataSST&)> Add;
        std::u16string Text;
        uint8_t Flags;
    } cases[] = {
        {"e with acute accent", [](TXc12DataSST& sst) { return sst.AddString(u"e\u00E9"); }, u"e\u00E9", 0},
        {"a character above 255", [](TXc12DataSST& sst) { return sst.AddString(u"5\u20AC"); }, u"5\u20AC", 1},
        {"255 and 256", [](TXc12DataSST& sst) { return sst.AddString(u"\u00FF\u0100"); }, u"\u00FF\u0100", 1},
        {"empty", [](TXc12DataSST& sst) { return sst.AddString(u""); }, u"", 0},
        {"looked up", [](TXc12DataSST& sst) { return sst.FindOrAddString(u"\u4E2D\u6587"); }, u"\u4E2D\u6587", 1},
        {"BIFF 8-bit", [](TXc12DataSST& sst) { return sst.AddCompressed8(3, bytes); }, u"A\u00E9\u00FF", 0},
        {"BIFF 16-bit", [](TXc12DataSST& sst) { return sst.AddUncompressed16(2, wide); }, u"ab", 1},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        TXc12DataSST sst(nullptr);
        const int32_t index = test.Add(sst);
        EXPECT_EQ(index, 0);
        const uint8_t* item = sst.Item(index);
        EXPECT_EQ(TXc12DataSST::ItemFlags(item), test.Flags);
        EXPECT_EQ(TXc12DataSST::ItemCharCount(item), static_cast<int32_t>(test.Text.size()));
        EXPECT_EQ(TXc12DataSST::ItemRefCount(item), 0);
        EXPECT_EQ(sst.GetString(index), test.Text);
        // However the item was stored, a lookup of the same text finds it.
        EXPECT_EQ(sst.FindOrAddString(test.Text), index);
        EXPECT_EQ(sst.Count(), 1);
    }
}

TEST(Xc12DataSST, LookupsAndFreedSlots) {
    TXc12DataSST sst(nullptr);
    for (int32_t i = 0; i < 10; ++i) {
        EXPECT_EQ(sst.AddString(u"s" + rtl::Utf8ToUnicode(std::to_string(i))), i);
        sst.AddRef(i);
    }
    EXPECT_FALSE(sst.HashValid());
    EXPECT_EQ(sst.FindOrAddString(u"s4"), 4);
    EXPECT_TRUE(sst.HashValid());
    EXPECT_EQ(sst.Count(), 10);

    sst.Release(3);
    EXPECT_EQ(sst.Item(3), nullptr);
    EXPECT_EQ(sst.FreeSlots(), 1);
    EXPECT_EQ(sst.FindOrAddString(u"new"), 3);
    EXPECT_EQ(sst.FreeSlots(), 0);
    EXPECT_EQ(sst.FindOrAddString(u"s3"), 10);

    sst.Release(10);
    EXPECT_EQ(sst.Count(), 10);
    sst.Release(9);
    EXPECT_EQ(sst.Count(), 9);
    EXPECT_EQ(sst.FreeSlots(), 0);
    // A released string is no longer found.
    EXPECT_EQ(sst.FindOrAddString(u"s9"), 9);
    EXPECT_EQ(TXc12DataSST::ItemRefCount(sst.Item(9)), 0);

    // A string with references left stays.
    sst.AddRef(5);
    sst.Release(5);
    EXPECT_EQ(sst.GetString(5), u"s5");
}

TEST(Xc12DataSST, EqualAndFormattedStrings) {
    TXc12DataSST sst(nullptr);
    EXPECT_EQ(sst.AddString(u"x"), 0);
    EXPECT_EQ(sst.AddString(u"x"), 1);
    EXPECT_EQ(sst.AddFormattedString(u"y", {{0, nullptr}}), 2);
    // Several equal strings: the one entered last answers.
    EXPECT_EQ(sst.FindOrAddString(u"x"), 1);
    sst.Release(1);
    EXPECT_EQ(sst.FindOrAddString(u"x"), 0);
    // A string with font runs is never found.
    EXPECT_EQ(sst.FindOrAddString(u"y"), 1);
    // Texts that differ only in characters no 8-bit code page holds are different.
    EXPECT_NE(sst.FindOrAddString(u"\u4E2D"), sst.FindOrAddString(u"\u4E2E"));
}

TEST(Xc12DataSST, FontRunsGiveBackTheirUses) {
    TXc12DataStyleSheet styles;
    TXc12Font* font = styles.Fonts().Add();
    const int32_t fonts = styles.Fonts().Count();
    for (int32_t i = 0; i < 3; ++i) {
        font->AddRef();
    }
    TXc12DataSST sst(&styles);
    const int32_t rich = sst.AddFormattedString(u"Gr\u00FC\u00DFe \u4E16\u754C", {{0, font}, {6, font}});
    const uint8_t* item = sst.Item(rich);
    EXPECT_EQ(TXc12DataSST::ItemFlags(item), XLSSSTFontRuns | XLSSSTWideChars);
    EXPECT_EQ(TXc12DataSST::ItemRunCount(item), 2);
    EXPECT_EQ(TXc12DataSST::ItemFontRun(item, 1).Position, 6);
    EXPECT_EQ(TXc12DataSST::ItemFontRun(item, 1).Font, font);
    EXPECT_EQ(sst.GetString(rich), u"Gr\u00FC\u00DFe \u4E16\u754C");
    EXPECT_EQ(TXc12DataSST::ItemFontRuns(sst.Item(sst.AddString(u"plain"))), nullptr);

    sst.AddRef(rich);
    sst.Release(rich);
    EXPECT_EQ(font->UseCount(), 1);
    EXPECT_EQ(styles.Fonts().Count(), fonts);
    // Clearing gives back the last use; the font nobody uses leaves the list.
    sst.AddFormattedString(u"8-bit", {{1, font}});
    sst.Clear();
    EXPECT_EQ(sst.Count(), 0);
    EXPECT_FALSE(sst.HashValid());
    EXPECT_EQ(styles.Fonts().Count(), fonts - 1);
}

TEST(Xc12DataSST, Failures) {
    static const uint8_t bytes[] = {0x41};
    const struct {
        const char* Name;
        std::function<void(TXc12DataSST&)> Operation;
        const char* Message;
    } cases[] = {
        {"text of 65535 characters", [](TXc12DataSST& sst) { sst.AddString(std::u16string(65535, u'a')); },
         "no exception"},
        {"text of 65536 characters", [](TXc12DataSST& sst) { sst.AddString(std::u16string(65536, u'a')); },
         "Shared string too long (65536 characters)"},
        {"looked-up text of 65536 characters",
         [](TXc12DataSST& sst) { sst.FindOrAddString(std::u16string(65536, u'\u4E2D')); },
         "Shared string too long (65536 characters)"},
        {"negative 8-bit count", [](TXc12DataSST& sst) { sst.AddCompressed8(-1, bytes); },
         "Shared string too long (-1 characters)"},
        {"16-bit count beyond 65535", [](TXc12DataSST& sst) { sst.AddUncompressed16(70000, u"a"); },
         "Shared string too long (70000 characters)"},
        {"too many runs", [](TXc12DataSST& sst) { sst.AddFormattedString(u"a", TXc12DynFontRunArray(65536)); },
         "Shared string has too many font runs (65536)"},
        {"text of an index beyond the table", [](TXc12DataSST& sst) { sst.GetString(2); }, "Index out of range"},
        {"text of a negative index", [](TXc12DataSST& sst) { sst.GetString(-1); }, "Index out of range"},
        {"text of a freed slot", [](TXc12DataSST& sst) { sst.GetString(0); }, "SST String is Nil"},
        {"reference to a freed slot", [](TXc12DataSST& sst) { sst.AddRef(0); }, "SST String is Nil"},
        {"reference beyond the table", [](TXc12DataSST& sst) { sst.AddRef(2); }, "Index out of range"},
        {"release beyond the table", [](TXc12DataSST& sst) { sst.Release(-7); }, "Index out of range"},
        {"release of a freed slot", [](TXc12DataSST& sst) { sst.Release(0); }, "no exception"},
        {"run beyond the runs", [](TXc12DataSST& sst) { TXc12DataSST::ItemFontRun(sst.Item(1), 0); },
         "Index out of range"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        TXc12DataSST sst(nullptr);
        sst.AddString(u"gone");
        sst.AddString(u"kept");
        sst.Release(0);
        EXPECT_EQ(MessageOf([&] { test.Operation(sst); }), test.Message);
        EXPECT_EQ(sst.GetString(1), u"kept");
    }
    const uint8_t unknown[] = {0, 0, 0, 0, 1, 0, 2, 'a'};
    EXPECT_EQ(MessageOf([&] { TXc12DataSST::ItemToString(unknown); }), "SST: Unhandled string type.");
}

TEST(Xc12DataSST, RandomReferencesMatchAModel) {
    // Cells take and give back references; a string lives while one is left.
    TXc12DataSST sst(nullptr);
    std::mt19937 random(1134);
    std::map<std::u16string, std::pair<int32_t, int32_t>> model; // text -> index, references
    std::vector<std::u16string> texts;
    for (int32_t i = 0; i < 60; ++i) {
        texts.push_back((i % 3 == 0 ? u"\u4E2D" : u"t") + rtl::Utf8ToUnicode(std::to_string(i)));
    }
    for (int32_t step = 0; step < 20000; ++step) {
        const std::u16string& text = texts[random() % texts.size()];
        const auto it = model.find(text);
        if (random() % 2 == 0) {
            const int32_t index = sst.FindOrAddString(text);
            sst.AddRef(index);
            if (it != model.end()) {
                ASSERT_EQ(index, it->second.first);
                ++it->second.second;
            } else {
                model[text] = {index, 1};
            }
        } else if (it != model.end()) {
            sst.Release(it->second.first);
            if (--it->second.second == 0) {
                const int32_t index = it->second.first;
                ASSERT_TRUE(index >= sst.Count() || sst.Item(index) == nullptr);
                model.erase(it);
            }
        }
    }
    int32_t live = 0;
    for (int32_t index = 0; index < sst.Count(); ++index) {
        live += sst.Item(index) != nullptr ? 1 : 0;
    }
    EXPECT_EQ(live, static_cast<int32_t>(model.size()));
    EXPECT_EQ(sst.Count() - sst.FreeSlots(), live);
    for (const auto& [text, entry] : model) {
        EXPECT_EQ(sst.GetString(entry.first), text);
        EXPECT_EQ(TXc12DataSST::ItemRefCount(sst.Item(entry.first)), entry.second);
    }
}

} // namespace
} // namespace xls
