#include "ui/data/storage/uiDataStorage.h"

#include "rtl/core/Exceptions.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/data/DataTestSupport.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/data/values/uiVariants.h"

#include <gtest/gtest.h>
#include <limits>

namespace ui {
namespace {

using rtl::Variant;
using test::BytesOfHex;
using test::HexOf;

const std::string AnsiMarkerHex = "55 58 41 46 4D 54";

std::string RecordBytes(TuiDataStorage& storage, int32_t recordIndex) {
    rtl::TStringStream stream;
    storage.WriteData(recordIndex, stream);
    return stream.DataString();
}

void ReadRecord(TuiDataStorage& storage, int32_t recordIndex, const std::string& bytes) {
    rtl::TStringStream stream(bytes);
    storage.ReadData(recordIndex, stream);
}

TEST(uiDataStorage, DefinitionsLayOutTheRecords) {
    TuiDataStorage storage;
    for (int i = 0; i < 3; ++i) {
        storage.ValueDefs().Add(TuiIntegerValueType::Instance(), true, false, nullptr);
    }
    EXPECT_EQ(storage.ValueDefs().RecordSize(), 16);
    EXPECT_EQ(storage.ValueDefs().GetItem(2).Offset(), 11);
    storage.ChangeUseRecordIds(true);
    EXPECT_EQ(storage.ValueDefs().RecordSize(), 20);
    EXPECT_EQ(storage.InternalValueDefs().RecordSize(), 16); // internal records keep no ID

    TuiValueDef& text = storage.ValueDefs().Add(TuiStringValueType::Instance(), true, true, nullptr);
    EXPECT_EQ(text.BufferSize(), 9);
    EXPECT_EQ(storage.InternalValueDefs().GetCount(), 4);

    storage.ChangeStoredValuesOnly(true);
    storage.ValueDefs().GetItem(0).ChangeStoredFlag(false);
    EXPECT_EQ(storage.ValueDefs().GetItem(0).BufferSize(), 0);
    EXPECT_EQ(storage.ValueDefs().StoredValueDefCount(), 3);
    EXPECT_EQ(storage.ValueDefs().RecordSize(), 5 + 5 + 5 + 9);
}

TEST(uiDataStorage, NewRecordsReadAsNull) {
    TuiDataStorage storage;
    TuiValueDef& number = storage.ValueDefs().Add(TuiIntegerValueType::Instance(), true, false, nullptr);
    TuiValueDef& text = storage.ValueDefs().Add(TuiStringValueType::Instance(), true, true, nullptr);
    storage.SetRecordCount(3);
    ASSERT_EQ(storage.GetRecordCount(), 3);
    for (int32_t r = 0; r < 3; ++r) {
        EXPECT_TRUE(storage.GetValue(r, number).IsNull());
        EXPECT_EQ(storage.GetDisplayText(r, text), "");
        EXPECT_EQ(HexOf(RecordBytes(storage, r)), AnsiMarkerHex + " 01"); // no buffer
    }
    EXPECT_THROW(storage.GetValue(3, number), rtl::EListError);
    EXPECT_THROW(storage.GetValue(-1, number), rtl::EListError);
    storage.SetRecordCount(-5);
    EXPECT_EQ(storage.GetRecordCount(), 0);
}

TEST(uiDataStorage, ValuesAndTextsLiveSideBySide) {
    TuiDataStorage storage;
    TuiValueDef& amount = storage.ValueDefs().Add(TuiCurrencyValueType::Instance(), true, true, nullptr);
    TuiValueDef& name = storage.ValueDefs().Add(TuiStringValueType::Instance(), true, false, nullptr);
    storage.SetRecordCount(2);
    storage.SetValue(0, amount, Variant(u"0.01"));
    storage.SetDisplayText(0, amount, "one cent");
    storage.SetValue(1, name, Variant(u"Zhang"));
    EXPECT_EQ(rtl::VarToCurrency(storage.GetValue(0, amount)), rtl::Currency::FromScaled(100));
    EXPECT_EQ(storage.GetDisplayText(0, amount), "one cent");
    EXPECT_EQ(storage.GetDisplayText(1, name), "Zhang"); // the value's own text
    EXPECT_EQ(storage.GetDisplayText(1, amount), "");

    storage.SetValue(0, amount, Variant::Null());
    EXPECT_EQ(storage.GetDisplayText(0, amount), "one cent"); // the text outlives the value
    storage.SetDisplayText(1, name, "ignored");               // name keeps no text
    EXPECT_EQ(storage.GetDisplayText(1, name), "Zhang");

    const int32_t textsBefore = storage.Slots().Texts().Count();
    storage.SetValue(1, name, Variant::Null());
    EXPECT_EQ(storage.Slots().Texts().Count(), textsBefore - 1); // Null frees the heap text
    storage.SetValue(1, name, Variant(u""));
    EXPECT_FALSE(storage.GetValue(1, name).IsNull()); // an empty text is a value
    EXPECT_EQ(storage.CompareRecords(0, 1, name), -1);
}

TEST(uiDataStorage, AFailedConversionKeepsTheValue) {
    TuiDataStorage storage;
    TuiValueDef& number = storage.ValueDefs().Add(TuiIntegerValueType::Instance(), true, false, nullptr);
    storage.SetRecordCount(1);
    EXPECT_THROW(storage.SetValue(0, number, Variant(u"abc")), rtl::EVariantError);
    EXPECT_TRUE(storage.GetValue(0, number).IsNull()); // Null did not turn into 0
    storage.SetValue(0, number, Variant(5));
    EXPECT_THROW(storage.SetValue(0, number, Variant(u"x")), rtl::EVariantError);
    EXPECT_EQ(rtl::VarToInteger(storage.GetValue(0, number)), 5);
}

TEST(uiDataStorage, RecordIdsCountFromOne) {
    TuiDataStorage storage;
    storage.ValueDefs().Add(TuiIntegerValueType::Instance(), true, false, nullptr);
    storage.ChangeUseRecordIds(true);
    for (int32_t expected = 1; expected <= 3; ++expected) {
        EXPECT_EQ(storage.GetRecordID(storage.AddRecordAtEnd()), expected);
    }
    storage.SetRecordCount(0);
    EXPECT_EQ(storage.GetRecordID(storage.AddRecordAtEnd()), 1);

    ReadRecord(storage, 0, BytesOfHex(AnsiMarkerHex + " 00 0A 00 00 00 01"));
    EXPECT_EQ(storage.GetRecordID(0), 10);
    EXPECT_EQ(storage.GetRecordID(storage.AddRecordAtEnd()), 11);
    storage.InsertRecordAt(0);
    EXPECT_EQ(storage.GetRecordID(0), 12);
    storage.RemoveRecordAt(0);
    EXPECT_EQ(storage.GetRecordID(storage.AddRecordAtEnd()), 13);
}

TEST(uiDataStorage, SwitchingIdsOnGivesThemOnlyToNewRecordsUntilCleared) {
    TuiDataStorage storage;
    TuiValueDef& number = storage.ValueDefs().Add(TuiIntegerValueType::Instance(), true, false, nullptr);
    storage.SetRecordCount(2);
    storage.SetValue(0, number, Variant(7));
    storage.ChangeUseRecordIds(true);
    EXPECT_TRUE(storage.GetValue(0, number).IsNull()); // buffers freed
    EXPECT_EQ(storage.GetRecordID(0), 0);
    EXPECT_EQ(storage.GetRecordID(storage.AddRecordAtEnd()), 1);
    EXPECT_EQ(storage.GetRecordID(1), 0);
    storage.ClearRecordBuffers(false); // every buffer goes, so every record takes the next ID
    EXPECT_EQ(storage.GetRecordID(0), 2);
    EXPECT_EQ(storage.GetRecordID(1), 3);
    EXPECT_EQ(storage.GetRecordID(2), 4);
}

TEST(uiDataStorage, HostileIdsFailAndNoIdIsGivenTwice) {
    TuiDataStorage storage;
    storage.ValueDefs().Add(TuiIntegerValueType::Instance(), true, false, nullptr);
    storage.ChangeUseRecordIds(true);
    storage.AddRecordAtEnd();
    for (const char* id : {"FF FF FF 7F", "FF FF FF FF"}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(
            test_support::MessageOf([&] { ReadRecord(storage, 0, BytesOfHex(AnsiMarkerHex + " 00 " + id + " 01")); }),
            "Stream read error");
    }
    ReadRecord(storage, 0, BytesOfHex(AnsiMarkerHex + " 00 FE FF FF 7F 01"));
    EXPECT_EQ(storage.GetRecordID(storage.AddRecordAtEnd()), std::numeric_limits<int32_t>::max());
    EXPECT_THROW(storage.AddRecordAtEnd(), rtl::EInvalidOperation);
    EXPECT_EQ(storage.GetRecordCount(), 2);
}

TEST(uiDataStorage, AddingAndRemovingDefinitionsKeepsTheOtherValues) {
    TuiDataStorage storage;
    TuiValueDef& first = storage.ValueDefs().Add(TuiStringValueType::Instance(), true, false, nullptr);
    storage.SetRecordCount(3);
    storage.SetValue(1, first, Variant(u"one"));
    TuiValueDef& second = storage.ValueDefs().Add(TuiFloatValueType::Instance(), true, true, nullptr);
    EXPECT_EQ(rtl::VarToStr(storage.GetValue(1, first)), u"one");
    EXPECT_TRUE(storage.GetValue(1, second).IsNull());
    storage.SetValue(1, second, Variant(2.5));
    storage.SetDisplayText(1, second, "2,5");

    storage.ValueDefs().Remove(first);
    EXPECT_EQ(rtl::VarToDouble(storage.GetValue(1, second)), 2.5);
    EXPECT_EQ(storage.GetDisplayText(1, second), "2,5");
    EXPECT_EQ(storage.Slots().Count(), 1); // only the display text is left

    storage.ValueDefs().Remove(second); // the only definition with room: every buffer goes
    EXPECT_EQ(HexOf(RecordBytes(storage, 1)), AnsiMarkerHex + " 01");
    EXPECT_EQ(storage.Slots().Count(), 0);
    EXPECT_EQ(storage.InternalValueDefs().GetCount(), 0);
}

TEST(uiDataStorage, ChangingTheTextFlagReshapesTheRecords) {
    TuiDataStorage storage;
    TuiValueDef& first = storage.ValueDefs().Add(TuiIntegerValueType::Instance(), true, false, nullptr);
    TuiValueDef& second = storage.ValueDefs().Add(TuiStringValueType::Instance(), true, false, nullptr);
    storage.SetRecordCount(1);
    storage.SetValue(0, first, Variant(1));
    storage.SetValue(0, second, Variant(u"two"));
    const int32_t internal = storage.AppendInternalRecord();
    storage.SetValue(internal, second, Variant(u"edit"));

    first.ChangeTextStored(true);
    EXPECT_EQ(storage.ValueDefs().RecordSize(), 1 + 9 + 5);
    storage.SetDisplayText(0, first, "one");
    storage.SetDisplayText(internal, first, "internal one");
    EXPECT_EQ(rtl::VarToStr(storage.GetValue(0, second)), u"two");
    EXPECT_EQ(rtl::VarToStr(storage.GetValue(internal, second)), u"edit");
    EXPECT_EQ(storage.GetDisplayText(internal, first), "internal one");

    first.ChangeTextStored(false);
    EXPECT_EQ(storage.GetDisplayText(0, first), "1");
    EXPECT_EQ(rtl::VarToInteger(storage.GetValue(0, first)), 1);
    EXPECT_EQ(rtl::VarToStr(storage.GetValue(0, second)), u"two");
    EXPECT_EQ(storage.Slots().Texts().Count(), 2); // the two String values
}

TEST(uiDataStorage, InternalRecordsReuseFreeIndexes) {
    TuiDataStorage storage;
    TuiValueDef& number = storage.ValueDefs().Add(TuiIntegerValueType::Instance(), true, false, nullptr);
    EXPECT_EQ(storage.AppendInternalRecord(), -1);
    EXPECT_EQ(storage.AppendInternalRecord(), -2);
    storage.SetValue(-1, number, Variant(4)); // the main definition serves through its twin
    EXPECT_EQ(rtl::VarToInteger(storage.GetValue(-1, number)), 4);
    storage.RemoveInternalRecord(-1);
    EXPECT_EQ(storage.AppendInternalRecord(), -1);
    EXPECT_TRUE(storage.GetValue(-1, number).IsNull());
    EXPECT_EQ(storage.AppendInternalRecord(), -3);

    int cleared = 0;
    storage.SetOnInternalRecordsCleared([&cleared](TuiDataStorage&) { ++cleared; });
    storage.Clear(false);
    EXPECT_EQ(cleared, 1);
    EXPECT_THROW(storage.GetValue(-1, number), rtl::EListError);
}

TEST(uiDataStorage, RecordStreamBytes) {
    TuiDataStorage storage;
    TuiValueDef& number = storage.ValueDefs().Add(TuiIntegerValueType::Instance(), true, false, nullptr);
    storage.SetRecordCount(3);
    storage.SetValue(1, number, Variant(5));
    storage.SetValue(2, number, Variant(6));
    storage.SetValue(2, number, Variant::Null());
    EXPECT_EQ(HexOf(RecordBytes(storage, 0)), AnsiMarkerHex + " 01");
    EXPECT_EQ(HexOf(RecordBytes(storage, 1)), AnsiMarkerHex + " 00 00 05 00 00 00");
    EXPECT_EQ(HexOf(RecordBytes(storage, 2)), AnsiMarkerHex + " 00 01");

    TuiValueDef& object = storage.ValueDefs().Add(TuiObjectValueType::Instance(), true, false, nullptr);
    TuiValueDef& text = storage.ValueDefs().Add(TuiStringValueType::Instance(), true, true, nullptr);
    number.SetStreamStored(false);
    storage.SetValue(1, object, Variant(storage.AddObject(std::make_unique<rtl::TObject>())));
    storage.SetValue(1, text, Variant(u"v"));
    storage.SetDisplayText(1, text, "t");
    // The Object value gives only its null flag; the text value and its display text follow.
    EXPECT_EQ(HexOf(RecordBytes(storage, 1)), AnsiMarkerHex + " 00 00 00 01 00 00 00 76 01 00 00 00 74");
}

TEST(uiDataStorage, RecordsRoundTripThroughTheStream) {
    TuiDataStorage storage;
    storage.ChangeUseRecordIds(true);
    TuiValueDefs& defs = storage.ValueDefs();
    const TuiValueType* types[] = {
        &TuiStringValueType::Instance(),   &TuiWideStringValueType::Instance(), &TuiSmallintValueType::Instance(),
        &TuiIntegerValueType::Instance(),  &TuiWordValueType::Instance(),       &TuiBooleanValueType::Instance(),
        &TuiFloatValueType::Instance(),    &TuiCurrencyValueType::Instance(),   &TuiDateTimeValueType::Instance(),
        &TuiLargeIntValueType::Instance(), &TuiFMTBcdValueType::Instance(),     &TuiSQLTimeStampValueType::Instance(),
        &TuiVariantValueType::Instance()};
    const Variant values[] = {Variant(u"abc"),
                              Variant(u"€中𝄞"),
                              Variant(-7),
                              Variant(123456),
                              Variant(65000),
                              Variant(true),
                              Variant(0.1),
                              Variant(u"0.0001"),
                              Variant::FromDateTime(45000.5),
                              Variant(int64_t{1} << 50),
                              Variant(u"-1.25"),
                              Variant::FromDateTime(45000.25),
                              Variant::ArrayOf({Variant(1), Variant(u"x")})};
    for (const TuiValueType* type : types) {
        defs.Add(*type, true, true, nullptr);
    }
    storage.SetRecordCount(2);
    for (int32_t i = 0; i < defs.GetCount(); ++i) {
        storage.SetValue(0, defs.GetItem(i), values[i]);
        storage.SetDisplayText(0, defs.GetItem(i), "text " + std::to_string(i));
    }
    storage.SetValue(0, defs.GetItem(3), Variant::Null());

    ReadRecord(storage, 1, RecordBytes(storage, 0));
    EXPECT_EQ(storage.GetRecordID(1), 1); // the ID travels with the record
    for (int32_t i = 0; i < defs.GetCount(); ++i) {
        SCOPED_TRACE(test_support::Utf8(defs.GetItem(i).ValueType().GetCaption()));
        EXPECT_EQ(storage.CompareRecords(0, 1, defs.GetItem(i)), 0);
        EXPECT_EQ(storage.GetDisplayText(1, defs.GetItem(i)), "text " + std::to_string(i));
    }
    EXPECT_TRUE(storage.GetValue(1, defs.GetItem(3)).IsNull());
    EXPECT_EQ(RecordBytes(storage, 1), RecordBytes(storage, 0));

    ReadRecord(storage, 1, BytesOfHex(AnsiMarkerHex + " 01"));
    EXPECT_TRUE(storage.GetValue(1, defs.GetItem(0)).IsNull());
}

TEST(uiDataStorage, WideBlocksAreReadAsAnsiTexts) {
    TuiDataStorage storage;
    TuiValueDef& text = storage.ValueDefs().Add(TuiStringValueType::Instance(), true, true, nullptr);
    storage.AddRecordAtEnd();
    // "UXUFMT", a buffer, a value "ab" and the display text "c", both in the wide form.
    ReadRecord(storage, 0, BytesOfHex("55 58 55 46 4D 54 00 00 02 00 00 00 61 00 62 00 01 00 00 00 63 00"));
    EXPECT_EQ(storage.GetValue(0, text).StoredAnsiString(), "ab");
    EXPECT_EQ(storage.GetDisplayText(0, text), "c");
}

TEST(uiDataStorage, MalformedRecordsFailWithAReadError) {
    TuiDataStorage storage;
    storage.ValueDefs().Add(TuiIntegerValueType::Instance(), true, false, nullptr);
    storage.AddRecordAtEnd();
    // A flag byte of neither kind, a null byte of neither kind, a value cut short, a record cut short.
    for (const char* hex : {"02", "00 05", "00 00 01 02", "00"}) {
        SCOPED_TRACE(hex);
        EXPECT_EQ(test_support::MessageOf([&] { ReadRecord(storage, 0, BytesOfHex(AnsiMarkerHex + " " + hex)); }),
                  "Stream read error");
    }
    EXPECT_THROW(ReadRecord(storage, 1, BytesOfHex(AnsiMarkerHex + " 01")), rtl::EListError);
}

TEST(uiDataStorage, StreamModeOrdersTheDefinitions) {
    TuiDataStorage storage;
    TuiValueDef& first = storage.ValueDefs().Add(TuiIntegerValueType::Instance(), true, false, nullptr);
    TuiValueDef& second = storage.ValueDefs().Add(TuiBooleanValueType::Instance(), true, false, nullptr);
    storage.AddRecordAtEnd();
    storage.SetValue(0, first, Variant(1));
    storage.SetValue(0, second, Variant(true));
    storage.EnterStreamMode([&](const TuiValueDef& a, const TuiValueDef& b) {
        return storage.ValueDefs().IndexOf(b) - storage.ValueDefs().IndexOf(a);
    });
    EXPECT_EQ(&storage.ValueDefs().GetItem(0), &second);
    EXPECT_EQ(HexOf(RecordBytes(storage, 0)), AnsiMarkerHex + " 00 00 01 00 01 00 00 00");
    storage.LeaveStreamMode();
    EXPECT_EQ(HexOf(RecordBytes(storage, 0)), AnsiMarkerHex + " 00 00 01 00 00 00 00 01");
}

TEST(uiDataStorage, ObjectsAreFreedWithTheirValue) {
    int frees = 0;
    {
        TuiDataStorage storage;
        TuiValueDef& object = storage.ValueDefs().Add(TuiObjectValueType::Instance(), true, false, nullptr);
        storage.SetRecordCount(3);
        const int32_t handles[] = {storage.AddObject(std::make_unique<test::TFreeCountingObject>(frees)),
                                   storage.AddObject(std::make_unique<test::TFreeCountingObject>(frees)),
                                   storage.AddObject(std::make_unique<test::TFreeCountingObject>(frees))};
        for (int32_t r = 0; r < 3; ++r) {
            storage.SetValue(r, object, Variant(handles[r]));
        }
        EXPECT_NE(storage.ResolveObject(rtl::VarToInteger(storage.GetValue(1, object))), nullptr);
        storage.SetValue(0, object, Variant::Null());
        EXPECT_EQ(frees, 1);
        EXPECT_EQ(storage.ResolveObject(handles[0]), nullptr);
        storage.RemoveRecordAt(1);
        EXPECT_EQ(frees, 2);
        EXPECT_EQ(storage.ResolveObject(0), nullptr);
        EXPECT_EQ(storage.ResolveObject(-4), nullptr);
    }
    EXPECT_EQ(frees, 3);
}

TEST(uiDataStorage, FillingFromAReader) {
    class TReader : public TuiValueDefReader {
    public:
        explicit TReader(const TuiValueDef& skipped) : FSkipped(skipped) {}
        Variant GetValue(const TuiValueDef& valueDef) override {
            return Variant(valueDef.ValueDefs().IndexOf(valueDef) + 10);
        }
        rtl::AnsiString GetDisplayText(const TuiValueDef&) override { return "shown"; }
        bool IsInternalDefinition(const TuiValueDef& valueDef) override { return &valueDef == &FSkipped; }

    private:
        const TuiValueDef& FSkipped;
    };
    TuiDataStorage storage;
    TuiValueDef& first = storage.ValueDefs().Add(TuiIntegerValueType::Instance(), true, true, nullptr);
    TuiValueDef& second = storage.ValueDefs().Add(TuiIntegerValueType::Instance(), true, false, nullptr);
    storage.AddRecordAtEnd();
    TReader reader(second);
    storage.FillRecordFromReader(0, reader);
    EXPECT_EQ(rtl::VarToInteger(storage.GetValue(0, first)), 10);
    EXPECT_EQ(storage.GetDisplayText(0, first), "shown");
    EXPECT_TRUE(storage.GetValue(0, second).IsNull());

    int visited = 0;
    storage.ForEachValueDefOfRecord(0, [&visited](TuiValueDef&) { ++visited; });
    EXPECT_EQ(visited, 2);
}

TEST(uiDataStorage, StoredValuesOnlyLeavesOutUnstoredDefinitions) {
    TuiDataStorage storage;
    TuiValueDef& kept = storage.ValueDefs().Add(TuiIntegerValueType::Instance(), true, false, nullptr);
    TuiValueDef& sourced = storage.ValueDefs().Add(TuiIntegerValueType::Instance(), false, false, nullptr);
    storage.AddRecordAtEnd();
    storage.SetValue(0, sourced, Variant(3)); // takes room until stored-values-only
    storage.ChangeStoredValuesOnly(true);
    EXPECT_FALSE(sourced.IsStored());
    storage.SetValue(0, kept, Variant(1));
    storage.SetValue(0, sourced, Variant(2)); // no room: nothing happens
    EXPECT_TRUE(storage.GetValue(0, sourced).IsNull());
    EXPECT_EQ(HexOf(RecordBytes(storage, 0)), AnsiMarkerHex + " 00 00 01 00 00 00");
    sourced.ChangeStoredFlag(true);
    EXPECT_EQ(rtl::VarToInteger(storage.GetValue(0, kept)), 1);
    storage.SetValue(0, sourced, Variant(2));
    EXPECT_EQ(rtl::VarToInteger(storage.GetValue(0, sourced)), 2);
}

} // namespace
} // namespace ui
