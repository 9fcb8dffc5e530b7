#include "ui/data/controller/details/uiDataRelations.h"

#include "../ControllerTestSupport.h"
#include "../RecordSourceTestSupport.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/controller/rows/uiDataSelection.h"
#include "ui/data/controller/uiDataField.h"
#include "ui/data/values/uiScalarValueTypes.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using test::TTestDataController;
using Strings = std::vector<std::string>;

// The clone of a detail level a view makes for a master record: it owns the record's detail controller.
class TDetailLink : public rtl::TObject {
public:
    TTestDataController Detail;
};

// A master whose link objects are TDetailLinks; records hold 0, 1, 2, ...
class TMasterController : public TTestDataController {
public:
    explicit TMasterController(int32_t recordCount) {
        AddTypedItem(&TuiIntegerValueType::Instance());
        for (int32_t record = 0; record < recordCount; ++record) {
            AddRecord({record});
        }
    }

    std::unique_ptr<rtl::TObject> CreateDetailLinkObject(TuiCustomDataRelation& relation,
                                                         int32_t recordIndex) override {
        auto link = std::make_unique<TDetailLink>();
        link->Detail.SetMasterRelationAndRecord(&relation, recordIndex);
        return link;
    }
    TuiCustomDataController* GetDetailLinkObjectController(rtl::TObject* linkObject) const override {
        auto* link = dynamic_cast<TDetailLink*>(linkObject);
        return link ? &link->Detail : nullptr;
    }
};

class MasterDetail : public ::testing::Test {
protected:
    MasterDetail() : FMaster(5), FRelation(FMaster.GetRelations().AddRelation(&FLevel)) {
        FTemplate.SetMasterRelation(&FRelation, true);
    }

    rtl::TObject FLevel;
    TMasterController FMaster;
    TuiCustomDataRelation& FRelation;
    TTestDataController FTemplate;
};

TEST(MasterDetailRelations, TheFirstRelationMakesTheDetailFieldAndTheLastFreesIt) {
    TMasterController master(2);
    rtl::TStringStream before;
    master.SaveDataToStream(before);
    rtl::TObject level;
    TuiCustomDataRelation& relation = master.GetRelations().AddRelation(&level);
    EXPECT_EQ(master.Fields().GetCount(), 2);
    EXPECT_EQ(master.GetItemCount(), 1) << "the detail field is internal";
    ASSERT_NE(master.GetRelations().DataField(), nullptr);
    rtl::TStringStream after;
    master.SaveDataToStream(after);
    EXPECT_EQ(after.DataString(), before.DataString()) << "nor streamed";
    master.GetRelations().RemoveRelation(relation);
    EXPECT_EQ(master.Fields().GetCount(), 1);
    EXPECT_EQ(master.GetRelations().DataField(), nullptr);
}

TEST_F(MasterDetail, ATemplateMakesDetailsAvailable) {
    EXPECT_TRUE(FTemplate.IsTemplateController());
    EXPECT_EQ(FTemplate.GetPatternDataController(), &FTemplate);
    TuiCustomDataController* detail = FMaster.GetDetailDataController(3, 0);
    ASSERT_NE(detail, nullptr);
    EXPECT_EQ(detail->GetTemplateState(), 2);
    EXPECT_EQ(detail->GetMasterRecordIndex(), 3);
    EXPECT_EQ(detail->GetMasterDataController(), &FMaster);
    EXPECT_EQ(detail->GetPatternDataController(), &FTemplate);
    EXPECT_EQ(FMaster.GetDetailDataController(3, 0), detail) << "made once";
    EXPECT_TRUE(FMaster.IsDetailLinkObjectCreated(3, 0));

    FTemplate.SetMasterRelation(nullptr, false);
    EXPECT_EQ(FMaster.GetDetailDataController(3, 0), nullptr) << "no template, no details";
    EXPECT_FALSE(FMaster.IsDetailLinkObjectCreated(3, 0));
}

TEST_F(MasterDetail, InsertsAndDeletionsMoveTheDetailsMasterIndexes) {
    std::vector<TuiCustomDataController*> details;
    for (int32_t record = 0; record < 5; ++record) {
        details.push_back(FMaster.GetDetailDataController(record, 0));
    }
    FMaster.InsertRecord(2);
    std::vector<int32_t> indexes;
    for (TuiCustomDataController* detail : details) {
        indexes.push_back(detail->GetMasterRecordIndex());
    }
    EXPECT_EQ(indexes, (std::vector<int32_t>{0, 1, 3, 4, 5}));
    FMaster.DeleteRecord(2);
    indexes.clear();
    for (TuiCustomDataController* detail : details) {
        indexes.push_back(detail->GetMasterRecordIndex());
    }
    EXPECT_EQ(indexes, (std::vector<int32_t>{0, 1, 2, 3, 4}));
    FMaster.DeleteRecord(1);
    EXPECT_EQ(details[2]->GetMasterRecordIndex(), 1);
    EXPECT_EQ(FMaster.GetDetailDataController(1, 0), details[2]);
}

TEST_F(MasterDetail, ExpandingADetailAsksTheHandlers) {
    Strings events;
    FMaster.SetOnDetailExpanded(
        [&](TuiCustomDataController&, int32_t record) { events.push_back("expanded " + std::to_string(record)); });
    FMaster.SetOnDetailExpanding([&](TuiCustomDataController&, int32_t record, bool& allow) {
        events.push_back("expanding " + std::to_string(record));
        allow = record != 2;
    });
    EXPECT_FALSE(FMaster.ChangeDetailExpanding(5, true)) << "out of range";
    EXPECT_TRUE(FMaster.ChangeDetailExpanding(1, true));
    EXPECT_TRUE(FMaster.IsDetailExpanded(1));
    EXPECT_TRUE(FMaster.ChangeDetailExpanding(1, true)) << "already so";
    EXPECT_FALSE(FMaster.ChangeDetailExpanding(2, true)) << "refused";
    EXPECT_FALSE(FMaster.IsDetailExpanded(2));
    EXPECT_EQ(events, (Strings{"expanding 1", "expanded 1", "expanding 2"}));

    FMaster.CollapseAllDetails();
    EXPECT_FALSE(FMaster.IsDetailExpanded(1));
}

TEST_F(MasterDetail, TheActiveRelationIsOneWithATemplate) {
    rtl::TObject otherLevel;
    FMaster.GetRelations().AddRelation(&otherLevel);
    FMaster.GetRelations().MoveRelation(1, 0);
    EXPECT_EQ(FMaster.GetDetailActiveRelationIndex(0), 1) << "the first relation has no template";
    FMaster.SetDetailActiveRelation(0, 0);
    EXPECT_EQ(FMaster.GetDetailActiveRelationIndex(0), 1);
}

TEST_F(MasterDetail, ClearingTheRelationsFreesTheDetailsSafely) {
    for (int32_t record = 0; record < 5; ++record) {
        ASSERT_NE(FMaster.GetDetailDataController(record, 0), nullptr);
    }
    FMaster.GetRelations().ClearRelations();
    EXPECT_EQ(FMaster.GetRelations().DataField(), nullptr);
    EXPECT_FALSE(FMaster.IsDetailLinkObjectCreated(0, 0));
    EXPECT_EQ(FTemplate.GetMasterRelation(), nullptr);
}

TEST_F(MasterDetail, RemovingTheRelationDetachesItsDetails) {
    TuiCustomDataController* detail = FMaster.GetDetailDataController(0, 0);
    ASSERT_NE(detail, nullptr);
    FMaster.GetRelations().RemoveRelation(FRelation);
    EXPECT_EQ(FTemplate.GetMasterRelation(), nullptr);
    EXPECT_TRUE(FTemplate.IsTemplateController()) << "it stays a template";
    EXPECT_EQ(FMaster.GetRelations().GetCount(), 0);
}

TEST_F(MasterDetail, TheSourceIsAskedOnceWhetherADetailHasRecords) {
    EXPECT_FALSE(FMaster.DetailHasChildren(0, 0)) << "unbound: no details without a clone";
    test::TMemoryRecordSource source;
    for (int32_t value = 0; value < 3; ++value) {
        source.AddRow(value, rtl::Variant::Null());
    }
    FMaster.SetCustomDataSource(&source);
    EXPECT_TRUE(FMaster.DetailHasChildren(0, 0));
    EXPECT_FALSE(FMaster.DetailHasChildren(1, 0));
    EXPECT_TRUE(FMaster.DetailHasChildren(0, 0));
    EXPECT_EQ(source.DetailQuestions, 2);
    FMaster.ResetDetailsHasChildren();
    FMaster.DetailHasChildren(0, 0);
    EXPECT_EQ(source.DetailQuestions, 3);
    TuiCustomDataController* detail = FMaster.GetDetailDataController(1, 0);
    ASSERT_NE(detail, nullptr);
    EXPECT_FALSE(FMaster.DetailHasChildren(1, 0)) << "the clone's records answer now";
    FMaster.SetCustomDataSource(nullptr);
}

// A template that counts how often it refocuses.
class TRefocusingTemplate : public TTestDataController {
public:
    void UpdateFocusingAfterLocate() override {
        ++Refocusings;
        TTestDataController::UpdateFocusingAfterLocate();
    }
    int Refocusings = 0;
};

TEST(MasterRecordChanges, AClonesMasterRecordChangeRefocusesItsTemplateOnce) {
    TMasterController master(3);
    rtl::TObject level;
    TuiCustomDataRelation& relation = master.GetRelations().AddRelation(&level);
    TRefocusingTemplate pattern;
    pattern.SetMasterRelation(&relation, true);
    TuiCustomDataController* detail = master.GetDetailDataController(1, 0);
    ASSERT_NE(detail, nullptr);
    pattern.Refocusings = 0;
    detail->MasterRecordChanged();
    EXPECT_EQ(pattern.Refocusings, 1);

    TRefocusingTemplate ordinary;
    test::TNoticeLog log(ordinary);
    ordinary.MasterRecordChanged();
    EXPECT_EQ(ordinary.Refocusings, 0);
    EXPECT_TRUE(log.Entries.empty());
}

// A reload in provider mode finds the expanded details and the selected records again by their record IDs.
TEST(MasterDetailState, AReloadKeepsExpandedDetailsAndTheSelectionByKey) {
    test::TMemoryRecordSource source;
    source.RecordIds = true;
    for (int32_t value = 1; value <= 4; ++value) {
        source.AddRow(value, rtl::Variant::Null());
    }
    TMasterController master(0);
    rtl::TObject level;
    TuiCustomDataRelation& relation = master.GetRelations().AddRelation(&level);
    TTestDataController pattern;
    pattern.SetMasterRelation(&relation, true);
    master.SetCustomDataSource(&source);
    ASSERT_EQ(master.GetRecordCount(), 4);
    ASSERT_TRUE(master.ChangeDetailExpanding(2, true));
    master.SetMultiSelect(true);
    master.ChangeRowSelection(1, true);

    source.Rows.erase(1);
    master.BeginSaveState();
    master.LayoutChanged();
    master.EndSaveState();
    EXPECT_EQ(master.GetRecordCount(), 3);
    EXPECT_TRUE(master.IsDetailExpanded(1)) << "the third source record is now the second";
    EXPECT_FALSE(master.IsDetailExpanded(2));
    const TuiDataSelection& selection = master.DataControllerInfo().Selection();
    ASSERT_EQ(selection.GetCount(), 1);
    EXPECT_EQ(selection.GetEntry(0).Index, 0);
}

} // namespace
} // namespace ui
