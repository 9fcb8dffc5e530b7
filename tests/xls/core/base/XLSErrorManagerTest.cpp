#include "xls/core/base/XLSErrorManager.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace xls {
namespace {

using test_support::Utf8;

// What a handler received.
struct THandlerCall {
    TXLSErrorLevel Level;
    rtl::UnicodeString Text;
};

// A manager configured as a case asks, recording the calls of its handler when it has one.
struct TConfiguredManager {
    TXLSErrorManager Manager;
    std::vector<THandlerCall> Calls;

    TConfiguredManager(bool saveToList, bool handler, std::optional<TXLSErrorLevels> filter, bool muted = false) {
        Manager.SetSaveToList(saveToList);
        if (handler) {
            Manager.SetOnError([this](TXLSErrorManager* sender, TXLSErrorLevel level, const rtl::UnicodeString& text) {
                EXPECT_EQ(sender, &Manager);
                Calls.push_back({level, text});
            });
        }
        if (filter) {
            Manager.SetFilter(*filter);
        }
        Manager.SetMuted(muted);
    }
};

constexpr char16_t Sheet9Message[] = u"E3004: Invalid cell reference \"Sheet9\"";

TEST(XLSErrorManager, ReportErrorTakesTheFirstTakerOrRaises) {
    struct Case {
        const char* name;
        bool saveToList;
        bool handler;
        std::optional<TXLSErrorLevels> filter;
        bool muted;
        std::optional<TXLSErrorOutcome> outcome; // none: raises
        bool handled;
        bool listed;
        int32_t errorCount;
    };
    const Case cases[] = {
        {"no taker raises", false, false, {}, false, {}, false, false, 1},
        {"the list keeps it", true, false, {}, false, TXLSErrorOutcome::xeoListed, false, true, 1},
        {"the handler takes it", false, true, {}, false, TXLSErrorOutcome::xeoHandled, true, false, 1},
        {"list and handler both see it", true, true, {}, false, TXLSErrorOutcome::xeoHandled, true, true, 1},
        {"filtered handler, no list: raises", false, true, TXLSErrorLevels{xelError}, false, {}, false, false, 1},
        {"filtered handler, list keeps it", true, true, TXLSErrorLevels{xelError}, false, TXLSErrorOutcome::xeoListed,
         false, true, 1},
        {"filtering warnings leaves errors to the handler", false, true, TXLSErrorLevels{xelWarning}, false,
         TXLSErrorOutcome::xeoHandled, true, false, 1},
        {"muted: nothing but LastError", true, true, {}, true, TXLSErrorOutcome::xeoMuted, false, false, 0},
        {"muted without takers does not raise", false, false, {}, true, TXLSErrorOutcome::xeoMuted, false, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TConfiguredManager configured(c.saveToList, c.handler, c.filter, c.muted);
        TXLSErrorManager& manager = configured.Manager;
        if (c.outcome) {
            EXPECT_EQ(manager.ReportError(u"Sheet9", 3004), *c.outcome);
        } else {
            try {
                static_cast<void>(manager.ReportError(u"Sheet9", 3004));
                ADD_FAILURE() << "no exception";
            } catch (const rtl::Exception& e) {
                EXPECT_EQ(Utf8(e.Message()), Utf8(Sheet9Message));
            }
        }
        EXPECT_EQ(manager.LastError(), 3004);
        // Also a caller that muted the manager can tell what failed.
        EXPECT_EQ(Utf8(manager.LastErrorText()), Utf8(Sheet9Message));
        EXPECT_EQ(manager.ErrorCount(), c.errorCount);
        EXPECT_EQ(manager.WarningCount(), c.errorCount);
        ASSERT_EQ(configured.Calls.size(), c.handled ? 1u : 0u);
        if (c.handled) {
            EXPECT_EQ(configured.Calls[0].Level, xelError);
            EXPECT_EQ(Utf8(configured.Calls[0].Text), Utf8(Sheet9Message));
        }
        ASSERT_EQ(manager.Messages().size(), c.listed ? 1u : 0u);
        if (c.listed) {
            EXPECT_EQ(Utf8(manager.Messages()[0].Text), Utf8(Sheet9Message));
            EXPECT_EQ(manager.Messages()[0].Number, 3004);
        }
    }
}

TEST(XLSErrorManager, SetLastErrorForgetsTheLastErrorsText) {
    TXLSErrorManager manager;
    manager.SetMuted(true);
    static_cast<void>(manager.ReportError(u"A0", 3004));
    manager.SetLastError(0);
    EXPECT_EQ(manager.LastError(), 0);
    EXPECT_TRUE(manager.LastErrorText().empty());
}

TEST(XLSErrorManager, WarningsAreNeverRaised) {
    struct Case {
        const char* name;
        bool saveToList;
        bool handler;
        std::optional<TXLSErrorLevels> filter;
        bool dropXMLWarnings;
        int32_t number;
        const char16_t* argument;
        const char16_t* message; // nullptr: dropped entirely
        bool handled;
    };
    const Case cases[] = {
        {"unknown XML is dropped by default", true, true, {}, true, 2001, u"x", nullptr, false},
        {"unknown XML when not dropped", true, true, {}, false, 2001, u"x", u"W2001: XML read error: \"x\"", true},
        {"the handler gets the warning", false, true, {}, true, 3008, u"", u"W3008: Image error", true},
        {"filtered warnings are only listed", true, true, TXLSErrorLevels{xelWarning}, true, 3008, u"",
         u"W3008: Image error", false},
        {"no taker: counted, not raised",
         false,
         false,
         {},
         true,
         3006,
         u"tif",
         u"W3006: Unknown image type \"tif\"",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TConfiguredManager configured(c.saveToList, c.handler, c.filter);
        TXLSErrorManager& manager = configured.Manager;
        manager.SetDropXMLWarnings(c.dropXMLWarnings);
        manager.SetLastError(7);
        manager.ReportWarning(c.argument, c.number);
        EXPECT_EQ(manager.LastError(), 7);
        EXPECT_EQ(manager.ErrorCount(), 0);
        EXPECT_EQ(manager.WarningCount(), c.message != nullptr ? 1 : 0);
        ASSERT_EQ(configured.Calls.size(), c.handled ? 1u : 0u);
        if (c.handled) {
            EXPECT_EQ(configured.Calls[0].Level, xelWarning);
            EXPECT_EQ(Utf8(configured.Calls[0].Text), Utf8(c.message));
        }
        const bool listed = c.saveToList && c.message != nullptr;
        ASSERT_EQ(manager.Messages().size(), listed ? 1u : 0u);
        if (listed) {
            EXPECT_EQ(Utf8(manager.Messages()[0].Text), Utf8(c.message));
            EXPECT_EQ(manager.Messages()[0].Number, c.number);
        }
    }
}

TEST(XLSErrorManager, CountsGrowTogether) {
    TXLSErrorManager manager;
    manager.SetSaveToList(true);
    manager.ReportWarning(u"", 3008);
    static_cast<void>(manager.ReportError(u"", 3005));
    static_cast<void>(manager.ReportError(u"", 3009));
    EXPECT_EQ(manager.ErrorCount(), 2);
    EXPECT_EQ(manager.WarningCount(), 3);
    EXPECT_EQ(manager.HintCount(), 3);
    EXPECT_EQ(manager.FatalCount(), 0);
    ASSERT_EQ(manager.Messages().size(), 3u);
    EXPECT_EQ(Utf8(manager.Messages()[2].Text), "E3009: Can not change part of a merged cell");
}

TEST(XLSErrorManager, BuildMessage) {
    struct Case {
        int32_t number;
        const char16_t* argument;
        const char16_t* message;
    };
    const Case cases[] = {
        {9999, u"ignored", u"9999: "},
        {-1, u"", u"-1: "},
        {3005, u"ignored", u"3005: Invalid cell value"},
        {6004, u"Delete", u"6004: Delete can not be performed on multiple selected areas"},
        {6001, u"Save", u"6001: Filename is missing in Save"},
        {4027, u"T", u"4027: Table \"T\" is missing end bracket\""},
        {4019, u"a%sb", u"4019: Uknown name \"a%sb\""},
        {3003, u"销售", u"3003: There is allready a sheet with name \"销售\""},
        {1003, u"",
         u"1003: File is encrypted, password missing. If you think the file is unencrypted, try "
         u"\"VelvetSweatshop\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(Utf8(TXLSErrorManager::BuildMessage(c.argument, c.number)), Utf8(c.message));
    }
}

TEST(XLSErrorManager, StartsEmptyWithDebugFilteredAndXMLWarningsDropped) {
    const TXLSErrorManager manager;
    EXPECT_EQ(manager.Filter(), TXLSErrorLevels{xelDebug});
    EXPECT_TRUE(manager.DropXMLWarnings());
    EXPECT_FALSE(manager.SaveToList());
    EXPECT_FALSE(manager.Muted());
    EXPECT_EQ(manager.LastError(), 0);
    EXPECT_EQ(manager.ErrorCount(), 0);
    EXPECT_TRUE(manager.Messages().empty());
}

} // namespace
} // namespace xls
