#include "xls/core/model/worksheet/Xc12DataWorksheet5Settings.h"

#include "rtl/text/CodePages.h"

#include <gtest/gtest.h>

namespace xls {
namespace {

TEST(Xc12DataWorksheet5Settings, InputCellsTakeTheirCellFromAnA1Reference) {
    struct Case {
        const char16_t* reference;
        bool added;
        int32_t col;
        int32_t row;
    };
    const Case cases[] = {
        {u"B3", true, 1, 2},    {u"$B$3", true, 1, 2}, {u"XFD1048576", true, 16383, 1048575},
        {u"XFE1", false, 0, 0}, {u"A0", false, 0, 0},  {u"B", false, 0, 0},
        {u"", false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(rtl::UnicodeToUtf8(c.reference));
        Tx12InputCells cells;
        TXc12InputCell* cell = cells.AddText(c.reference);
        ASSERT_EQ(cell != nullptr, c.added);
        EXPECT_EQ(cells.Count(), c.added ? 1 : 0);
        if (c.added) {
            EXPECT_EQ(cell->GetCol(), c.col);
            EXPECT_EQ(cell->GetRow(), c.row);
        }
    }
}

TEST(Xc12DataWorksheet5Settings, ClearingScenariosKeepsTheirRanges) {
    TXc12Scenarios scenarios;
    scenarios.SetCurrent(1);
    scenarios.SetShow(1);
    scenarios.GetRanges().AddCell(1, 2);
    TXc12Scenario* scenario = scenarios.Add();
    scenario->SetName(u"Best case");
    scenario->GetInputCells().AddText(u"B3")->SetVal(u"12");
    scenarios.Clear();
    EXPECT_EQ(scenarios.Count(), 0);
    EXPECT_EQ(scenarios.GetCurrent(), 0);
    EXPECT_EQ(scenarios.GetShow(), 0);
    EXPECT_EQ(scenarios.GetRanges().Count(), 1);
}

TEST(Xc12DataWorksheet5Settings, SmartTagClearsResetTheirFields) {
    TXc12SmartTags smartTags;
    TXc12CellSmartTags* cellTags = smartTags.Add();
    ASSERT_TRUE(cellTags->GetCell().SetFromText(u"C4"));
    TXc12CellSmartTag* tag = cellTags->Add();
    tag->SetType(3);
    tag->SetDeleted(true);
    tag->SetXmlBased(true);
    TXc12CellSmartTagPr* property = tag->Add();
    property->SetKey(u"city");
    property->SetVal(u"上海");
    EXPECT_EQ(smartTags.GetItem(0)->GetItem(0)->GetItem(0)->GetVal(), u"上海");

    tag->Clear();
    EXPECT_EQ(tag->Count(), 0);
    EXPECT_EQ(tag->GetType(), 0);
    EXPECT_FALSE(tag->GetDeleted());
    EXPECT_FALSE(tag->GetXmlBased());
    cellTags->Clear();
    EXPECT_EQ(cellTags->Count(), 0);
    EXPECT_EQ(cellTags->GetCell().Col(), 0);
    EXPECT_EQ(cellTags->GetCell().Row(), 0);
}

TEST(Xc12DataWorksheet5Settings, DataConsolidationSumsWithNoReferencesUntilToldOtherwise) {
    TXc12DataConsolidate consolidate;
    EXPECT_EQ(consolidate.GetFunction(), 8);
    EXPECT_EQ(consolidate.GetDataRefs().Count(), 0);
    consolidate.SetFunction(0);
    consolidate.SetTopLabels(true);
    consolidate.SetLink(true);
    consolidate.GetDataRefs().Add()->SetSheet(u"North");
    consolidate.Clear();
    EXPECT_EQ(consolidate.GetFunction(), 8);
    EXPECT_FALSE(consolidate.GetTopLabels());
    EXPECT_FALSE(consolidate.GetLink());
    EXPECT_EQ(consolidate.GetDataRefs().Count(), 0);
}

TEST(Xc12DataWorksheet5Settings, OtherItemsClearToNothing) {
    TXc12DataRefs dataRefs;
    TXc12DataRef* dataRef = dataRefs.Add();
    EXPECT_EQ(dataRef->GetRef(), TXLSCellAreaRec{});
    dataRef->SetRef({0, 4, 0, 1});
    dataRef->SetSheet(u"Data");
    dataRef->SetRId("rId1");
    dataRef->Clear();
    EXPECT_EQ(dataRef->GetRef(), TXLSCellAreaRec{});
    EXPECT_TRUE(dataRef->GetSheet().empty());
    EXPECT_TRUE(dataRef->GetRId().empty());

    TXc12IgnoredErrors ignoredErrors;
    TXc12IgnoredError* ignored = ignoredErrors.Add();
    ignored->GetRanges().AddCell(0, 0);
    ignored->SetNumberStoredAsText(true);
    ignored->SetCalculatedColumn(true);
    ignored->Clear();
    EXPECT_EQ(ignored->GetRanges().Count(), 0);
    EXPECT_FALSE(ignored->GetNumberStoredAsText());
    EXPECT_FALSE(ignored->GetCalculatedColumn());

    TXc12Controls controls;
    TXc12Control* control = controls.Add();
    control->SetShapeId(1025);
    control->SetName(u"Button 1");
    control->Clear();
    EXPECT_EQ(control->GetShapeId(), 0);
    EXPECT_TRUE(control->GetName().empty());

    TXc12OleObjects oleObjects;
    TXc12OleObject* oleObject = oleObjects.Add();
    oleObject->SetProgId(u"Word.Document.12");
    oleObject->SetDvAspect(1);
    oleObject->SetOleUpdate(1);
    oleObject->SetAutoLoad(true);
    oleObject->SetShapeId(1026);
    oleObject->SetRId("rId2");
    oleObject->Clear();
    EXPECT_TRUE(oleObject->GetProgId().empty());
    EXPECT_EQ(oleObject->GetDvAspect(), 0);
    EXPECT_EQ(oleObject->GetOleUpdate(), 0);
    EXPECT_FALSE(oleObject->GetAutoLoad());
    EXPECT_EQ(oleObject->GetShapeId(), 0);
    EXPECT_TRUE(oleObject->GetRId().empty());

    TXc12WebPublishItems webItems;
    TXc12WebPublishItem* webItem = webItems.Add();
    webItem->SetId(5);
    webItem->SetSourceType(3);
    ASSERT_TRUE(webItem->GetSourceRef().SetFromText(u"D7"));
    webItem->SetDestinationFile(u"C:\\web\\page.htm");
    webItem->SetAutoRepublish(true);
    EXPECT_EQ(webItems.GetItem(0)->GetSourceRef().Col(), 3);
    webItem->Clear();
    EXPECT_EQ(webItem->GetId(), 0);
    EXPECT_EQ(webItem->GetSourceType(), 0);
    EXPECT_EQ(webItem->GetSourceRef().Col(), 0);
    EXPECT_EQ(webItem->GetSourceRef().Row(), 0);
    EXPECT_TRUE(webItem->GetDestinationFile().empty());
    EXPECT_FALSE(webItem->GetAutoRepublish());
}

} // namespace
} // namespace xls
