#include "ControllerTestSupport.h"
#include "rtl/core/Exceptions.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/data/DataTestSupport.h"
#include "tests/ui/data/FuzzSeedTestSupport.h"
#include "ui/data/controller/uiDataField.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace ui {
namespace {

using test::HexOf;
using test::Text;
using test::TNoticeLog;
using test::TTestDataController;

// A controller of a String and an Integer item.
class TStreamController : public TTestDataController {
public:
    TStreamController() {
        AddTypedItem(&TuiStringValueType::Instance());
        AddTypedItem(&TuiIntegerValueType::Instance());
    }
};

std::string SavedData(TuiCustomDataController& controller) {
    rtl::TStringStream stream;
    controller.SaveDataToStream(stream);
    return stream.DataString();
}

void LoadData(TuiCustomDataController& controller, const std::string& bytes) {
    rtl::TStringStream stream(bytes);
    controller.LoadDataFromStream(stream);
}

std::string Values(TuiCustomDataController& controller) {
    std::string text;
    for (int32_t record = 0; record < controller.GetRecordCount(); ++record) {
        for (int32_t item = 0; item < controller.GetItemCount(); ++item) {
            const rtl::Variant value = controller.GetValue(record, item);
            text += value.IsNull() ? "null" : rtl::VarToAnsiStr(value);
            text += item + 1 < controller.GetItemCount() ? "," : ";";
        }
    }
    return text;
}

// Three records: ("a", 1), (Null, 2), ("xyz", Null).
std::string ThreeRecordStream() {
    TStreamController controller;
    controller.AddRecord({Text("a"), 1});
    controller.AddRecord({rtl::Variant::Null(), 2});
    controller.AddRecord({Text("xyz"), rtl::Variant::Null()});
    return SavedData(controller);
}

TEST(DataControllerStream, TheStreamNamesTheValueTypesThenHoldsTheRecords) {
    const std::string record = "55 58 41 46 4D 54 00 ";
    EXPECT_EQ(HexOf(ThreeRecordStream()), "0F 00 00 00 44 61 74 61 43 6F 6E 74 72 6F 6C 6C 65 72 31 "
                                          "02 00 00 00 "
                                          "12 00 00 00 54 75 69 53 74 72 69 6E 67 56 61 6C 75 65 54 79 70 65 "
                                          "13 00 00 00 54 75 69 49 6E 74 65 67 65 72 56 61 6C 75 65 54 79 70 65 "
                                          "03 00 00 00 " +
                                              record + "00 01 00 00 00 61 00 01 00 00 00 " + record +
                                              "01 00 02 00 00 00 " + record + "00 03 00 00 00 78 79 7A 01");
}

TEST(DataControllerStream, WhatIsSavedLoadsIntoTheSameItems) {
    TStreamController target;
    target.AddRecord({Text("old"), 7});
    TNoticeLog log(target);
    LoadData(target, ThreeRecordStream());
    EXPECT_EQ(Values(target), "a,1;null,2;xyz,null;");
    EXPECT_EQ(log.Entries, (std::vector<std::string>{"data 2 -1 -1", "selection"}));

    TStreamController empty;
    log.Entries.clear();
    LoadData(target, SavedData(empty));
    EXPECT_EQ(target.GetRecordCount(), 0);
    EXPECT_EQ(log.Entries, (std::vector<std::string>{"data 3 -1 -1", "selection"}));
}

TEST(DataControllerStream, AnotherLayoutIsAnInvalidFormatAndLeavesTheRecords) {
    TTestDataController other;
    other.AddTypedItem(&TuiStringValueType::Instance());
    other.AddTypedItem(&TuiCurrencyValueType::Instance());
    other.AddRecord({Text("x"), 3});
    TTestDataController fewer;
    fewer.AddTypedItem(&TuiStringValueType::Instance());
    const std::string stream = ThreeRecordStream();
    for (TTestDataController* controller : {&other, &fewer}) {
        const std::string before = Values(*controller);
        EXPECT_EQ(test_support::MessageOf([&] { LoadData(*controller, stream); }), "Invalid stream format");
        EXPECT_EQ(Values(*controller), before);
    }
    std::string badSignature = stream;
    badSignature[4] = 'd';
    TStreamController controller;
    EXPECT_EQ(test_support::MessageOf([&] { LoadData(controller, badSignature); }), "Invalid stream format");
}

TEST(DataControllerStream, AssigningDataCopiesTheRecords) {
    TStreamController source;
    source.AddRecord({Text("a"), 1});
    TStreamController target;
    target.AssignData(source);
    EXPECT_EQ(Values(target), "a,1;");
    source.SetValue(0, 0, Text("b"));
    EXPECT_EQ(Values(target), "a,1;") << "a copy";
}

TEST(DataControllerStream, InternalFieldsAreNeitherCountedNorWritten) {
    TStreamController controller;
    controller.CreateInternalField().AssignValueTypeClass(&TuiIntegerValueType::Instance());
    controller.AddRecord({Text("a"), 1});
    controller.AddRecord({rtl::Variant::Null(), 2});
    controller.AddRecord({Text("xyz"), rtl::Variant::Null()});
    EXPECT_EQ(HexOf(SavedData(controller)), HexOf(ThreeRecordStream()));
    LoadData(controller, ThreeRecordStream());
    EXPECT_EQ(controller.GetRecordCount(), 3);
}

// A stream cut anywhere fails without touching the records or telling the view anything.
TEST(DataControllerStream, ATruncatedStreamLeavesTheRecordsAndSendsNoNotice) {
    const std::string stream = ThreeRecordStream();
    TStreamController controller;
    controller.AddRecord({Text("keep"), 5});
    TNoticeLog log(controller);
    for (size_t length = 0; length < stream.size(); ++length) {
        SCOPED_TRACE(length);
        EXPECT_THROW(LoadData(controller, stream.substr(0, length)), rtl::Exception);
        EXPECT_EQ(Values(controller), "keep,5;");
    }
    EXPECT_TRUE(log.Entries.empty());
}

TEST(DataControllerStream, ARecordCountBeyondTheBytesIsRefused) {
    std::string stream = ThreeRecordStream();
    const size_t countOffset = stream.find("\x03\x00\x00\x00UXAFMT", 0, 10);
    ASSERT_NE(countOffset, std::string::npos);
    stream.replace(countOffset, 4, std::string("\xFF\xFF\xFF\x7F", 4));
    TStreamController controller;
    EXPECT_EQ(test_support::MessageOf([&] { LoadData(controller, stream); }), "Invalid stream format");
    EXPECT_EQ(controller.GetRecordCount(), 0);
}

TEST(DataControllerStream, TheFuzzSeedsAreTheStreamsTheTestsWrite) {
    TStreamController edited;
    edited.AddRecord({Text("x"), -5});
    test::ExpectFuzzSeeds("ui_data_controller_stream_fuzz",
                          {{"three-records.dat", ThreeRecordStream()}, {"one-record.dat", SavedData(edited)}});
}

} // namespace
} // namespace ui
