// Random operations on a record storage, checked after every step against a plain model of what it should hold: the
// values, the display texts and how many heap values are alive (none lost, none kept too long). The sanitizers of
// the native build watch the memory on the way.

#include "rtl/variants/VariantConversions.h"
#include "tests/support/TestSupport.h"
#include "ui/data/storage/uiDataStorage.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/data/values/uiVariants.h"

#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace ui {
namespace {

using rtl::Variant;

struct TModelCell {
    std::optional<Variant> Value;
    // The display text when a text slot holds one.
    std::optional<rtl::AnsiString> Text;
};

using TModelRecord = std::vector<TModelCell>;

struct TModelColumn {
    const TuiValueType* Type;
    bool TextStored;
    TuiValueDef* Def;
};

class TStorageModelRun {
public:
    explicit TStorageModelRun(uint32_t seed) : FRandom(seed) {}

    void Step() {
        switch (Pick(12)) {
        case 0:
        case 1:
        case 2:
            SetValue();
            break;
        case 3:
            SetText();
            break;
        case 4:
            AddColumn();
            break;
        case 5:
            RemoveColumn();
            break;
        case 6:
            InsertRecord();
            break;
        case 7:
            RemoveRecord();
            break;
        case 8:
            SetRecordCount();
            break;
        case 9:
            ToggleTextStored();
            break;
        case 10:
            CopyThroughStream();
            break;
        default:
            ChangeInternalRecords();
            break;
        }
    }

    void Check() {
        for (int32_t r = 0; r < FStorage.GetRecordCount(); ++r) {
            CheckRecord(r, FRecords[static_cast<size_t>(r)]);
        }
        for (const auto& [index, record] : FInternals) {
            CheckRecord(index, record);
        }
        CheckOrder();
        ASSERT_EQ(FStorage.Slots().Count(), ExpectedHeapValues());
    }

    void ClearAll() {
        FStorage.Clear(false);
        FRecords.clear();
        FInternals.clear();
    }

    TuiDataStorage& Storage() { return FStorage; }

private:
    int32_t Pick(int32_t count) { return std::uniform_int_distribution<int32_t>(0, count - 1)(FRandom); }

    std::string Word() { return "w" + std::to_string(Pick(50)); }

    // A value of the column's kind, as it reads back: nullopt for what reads as Null.
    std::pair<Variant, std::optional<Variant>> RandomValue(const TuiValueType& type) {
        if (Pick(6) == 0) {
            return {Variant::Null(), std::nullopt};
        }
        if (&type == &TuiIntegerValueType::Instance()) {
            const Variant value(Pick(2000) - 1000);
            return {value, value};
        }
        if (&type == &TuiStringValueType::Instance()) {
            const Variant value = Variant::FromAnsiString(Pick(5) == 0 ? "" : Word());
            return {value, value};
        }
        if (&type == &TuiWideStringValueType::Instance()) {
            const Variant value(Pick(5) == 0 ? rtl::UnicodeString()
                                             : rtl::UnicodeString(u"wide") + char16_t(u'a' + Pick(26)));
            return {value, value.StoredOleStr().empty() ? std::nullopt : std::optional<Variant>(value)};
        }
        if (&type == &TuiCurrencyValueType::Instance()) {
            const Variant value(rtl::Currency::FromScaled(Pick(100000) - 50000));
            return {value, value};
        }
        if (&type == &TuiFloatValueType::Instance()) {
            const Variant value(static_cast<double>(Pick(100000) - 50000) / 7.0);
            return {value, value};
        }
        if (&type == &TuiBooleanValueType::Instance()) {
            const Variant value(Pick(2) == 0);
            return {value, value};
        }
        const Variant value = Pick(3) == 0   ? Variant()
                              : Pick(2) == 0 ? Variant(Pick(100))
                                             : Variant::FromAnsiString(Word());
        return {value, value};
    }

    // An ordinary record or an internal record in use.
    std::optional<int32_t> RandomRecord() {
        const int32_t count = FStorage.GetRecordCount() + static_cast<int32_t>(FInternals.size());
        if (count == 0) {
            return std::nullopt;
        }
        const int32_t pick = Pick(count);
        if (pick < FStorage.GetRecordCount()) {
            return pick;
        }
        auto internal = FInternals.begin();
        std::advance(internal, pick - FStorage.GetRecordCount());
        return internal->first;
    }

    TModelRecord& ModelRecord(int32_t index) {
        return index < 0 ? FInternals.at(index) : FRecords[static_cast<size_t>(index)];
    }

    TModelRecord EmptyRecord() const { return TModelRecord(FColumns.size()); }

    void SetValue() {
        const std::optional<int32_t> record = RandomRecord();
        if (!record || FColumns.empty()) {
            return;
        }
        const size_t column = static_cast<size_t>(Pick(static_cast<int32_t>(FColumns.size())));
        const auto [value, expected] = RandomValue(*FColumns[column].Type);
        FStorage.SetValue(*record, *FColumns[column].Def, value);
        ModelRecord(*record)[column].Value = expected;
    }

    void SetText() {
        const std::optional<int32_t> record = RandomRecord();
        if (!record || FColumns.empty()) {
            return;
        }
        const size_t column = static_cast<size_t>(Pick(static_cast<int32_t>(FColumns.size())));
        const rtl::AnsiString text = Pick(4) == 0 ? "" : "text " + Word();
        FStorage.SetDisplayText(*record, *FColumns[column].Def, text);
        if (FColumns[column].TextStored) {
            ModelRecord(*record)[column].Text = text;
        }
    }

    void AddColumn() {
        if (FColumns.size() >= 6) {
            return;
        }
        const TuiValueType* types[] = {&TuiIntegerValueType::Instance(),    &TuiStringValueType::Instance(),
                                       &TuiWideStringValueType::Instance(), &TuiCurrencyValueType::Instance(),
                                       &TuiFloatValueType::Instance(),      &TuiBooleanValueType::Instance(),
                                       &TuiVariantValueType::Instance()};
        const TuiValueType* type = types[Pick(7)];
        const bool textStored = Pick(2) == 0;
        FColumns.push_back({type, textStored, &FStorage.ValueDefs().Add(*type, true, textStored, nullptr)});
        ForEachModelRecord([](TModelRecord& record) { record.emplace_back(); });
    }

    void RemoveColumn() {
        if (FColumns.empty()) {
            return;
        }
        const size_t column = static_cast<size_t>(Pick(static_cast<int32_t>(FColumns.size())));
        FStorage.ValueDefs().Remove(*FColumns[column].Def);
        FColumns.erase(FColumns.begin() + static_cast<std::ptrdiff_t>(column));
        ForEachModelRecord(
            [column](TModelRecord& record) { record.erase(record.begin() + static_cast<std::ptrdiff_t>(column)); });
        if (FColumns.empty()) {
            // The last column took the buffers with it: internal records are free again.
            FInternals.clear();
            ForEachModelRecord([](TModelRecord& record) { record.clear(); });
        }
    }

    void InsertRecord() {
        const int32_t index = Pick(FStorage.GetRecordCount() + 1);
        FStorage.InsertRecordAt(index);
        FRecords.insert(FRecords.begin() + index, EmptyRecord());
    }

    void RemoveRecord() {
        if (FStorage.GetRecordCount() == 0) {
            return;
        }
        const int32_t index = Pick(FStorage.GetRecordCount());
        FStorage.RemoveRecordAt(index);
        FRecords.erase(FRecords.begin() + index);
    }

    void SetRecordCount() {
        const int32_t count = Pick(12);
        FStorage.SetRecordCount(count);
        FRecords.resize(static_cast<size_t>(count), EmptyRecord());
    }

    void ToggleTextStored() {
        if (FColumns.empty()) {
            return;
        }
        const size_t column = static_cast<size_t>(Pick(static_cast<int32_t>(FColumns.size())));
        FColumns[column].TextStored = !FColumns[column].TextStored;
        FColumns[column].Def->ChangeTextStored(FColumns[column].TextStored);
        ForEachModelRecord([column](TModelRecord& record) { record[column].Text.reset(); });
    }

    void CopyThroughStream() {
        if (FStorage.GetRecordCount() == 0) {
            return;
        }
        const int32_t source = Pick(FStorage.GetRecordCount());
        const int32_t target = Pick(FStorage.GetRecordCount());
        rtl::TStringStream stream;
        FStorage.WriteData(source, stream);
        stream.SetPosition(0);
        FStorage.ReadData(target, stream);
        TModelRecord copy = FRecords[static_cast<size_t>(source)];
        const bool hasBuffer = stream.DataString()[6] == 0;
        for (size_t column = 0; column < FColumns.size(); ++column) {
            if (!hasBuffer) {
                copy[column] = TModelCell();
            } else if (FColumns[column].TextStored) {
                copy[column].Text = copy[column].Text.value_or("");
            }
        }
        FRecords[static_cast<size_t>(target)] = copy;
    }

    void ChangeInternalRecords() {
        if (!FInternals.empty() && Pick(2) == 0) {
            auto internal = FInternals.begin();
            std::advance(internal, Pick(static_cast<int32_t>(FInternals.size())));
            FStorage.RemoveInternalRecord(internal->first);
            FInternals.erase(internal);
            return;
        }
        if (FColumns.empty()) {
            return;
        }
        const int32_t index = FStorage.AppendInternalRecord();
        ASSERT_EQ(FInternals.count(index), 0u);
        FInternals[index] = EmptyRecord();
    }

    template <typename TAction>
    void ForEachModelRecord(TAction action) {
        for (TModelRecord& record : FRecords) {
            action(record);
        }
        for (auto& [index, record] : FInternals) {
            action(record);
        }
    }

    void CheckRecord(int32_t index, const TModelRecord& record) {
        for (size_t column = 0; column < FColumns.size(); ++column) {
            SCOPED_TRACE("record " + std::to_string(index) + " column " + std::to_string(column));
            const TModelColumn& model = FColumns[column];
            const Variant value = FStorage.GetValue(index, *model.Def);
            const std::optional<Variant>& expected = record[column].Value;
            ASSERT_EQ(value.IsNull(), !expected.has_value());
            if (expected) {
                ASSERT_EQ(CompareVariants(value, *expected), 0) << test_support::Utf8(rtl::VarToStr(value));
                if (model.Type != &TuiVariantValueType::Instance()) {
                    ASSERT_EQ(value.VarType(), expected->VarType());
                }
            }
            if (model.TextStored) {
                ASSERT_EQ(FStorage.GetDisplayText(index, *model.Def), record[column].Text.value_or(""));
            }
        }
    }

    // Two records' order on a column: null first, then the values' own order.
    void CheckOrder() {
        if (FStorage.GetRecordCount() < 2 || FColumns.empty()) {
            return;
        }
        const size_t column = static_cast<size_t>(Pick(static_cast<int32_t>(FColumns.size())));
        if (FColumns[column].Type == &TuiWideStringValueType::Instance()) {
            return; // an empty wide text has a value flag but reads as Null
        }
        const int32_t a = Pick(FStorage.GetRecordCount());
        const int32_t b = Pick(FStorage.GetRecordCount());
        const std::optional<Variant>& valueA = FRecords[static_cast<size_t>(a)][column].Value;
        const std::optional<Variant>& valueB = FRecords[static_cast<size_t>(b)][column].Value;
        const int expected =
            !valueA || !valueB ? int(valueA.has_value()) - int(valueB.has_value()) : CompareVariants(*valueA, *valueB);
        const int order = FStorage.CompareRecords(a, b, *FColumns[column].Def);
        ASSERT_EQ((order > 0) - (order < 0), (expected > 0) - (expected < 0));
    }

    int32_t ExpectedHeapValues() {
        int32_t count = 0;
        ForEachModelRecord([&](TModelRecord& record) {
            for (size_t column = 0; column < FColumns.size(); ++column) {
                const TuiValueType* type = FColumns[column].Type;
                const bool onHeap = type == &TuiStringValueType::Instance() ||
                                    type == &TuiWideStringValueType::Instance() ||
                                    type == &TuiVariantValueType::Instance();
                count += onHeap && record[column].Value.has_value() ? 1 : 0;
                count += record[column].Text.has_value() ? 1 : 0;
            }
        });
        return count;
    }

    std::mt19937 FRandom;
    TuiDataStorage FStorage;
    std::vector<TModelColumn> FColumns;
    std::vector<TModelRecord> FRecords;
    std::map<int32_t, TModelRecord> FInternals;
};

TEST(uiDataStorageModel, RandomOperationsMatchTheModel) {
    for (const uint32_t seed : {1u, 2u, 3u, 4u}) {
        SCOPED_TRACE(seed);
        TStorageModelRun run(seed);
        for (int step = 0; step < 1500; ++step) {
            SCOPED_TRACE(step);
            run.Step();
            ASSERT_NO_FATAL_FAILURE(run.Check());
        }
        run.ClearAll();
        EXPECT_EQ(run.Storage().Slots().Count(), 0);
    }
}

} // namespace
} // namespace ui
