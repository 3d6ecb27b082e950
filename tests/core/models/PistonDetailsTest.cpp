// The model search and piston details on the built catalogue: the held model's grid row, preselection
// and fallback, the ports rule, the option code, and what OK writes into both copies of the selection.
#include "DetailsFixture.h"

#include "catalogue/Catalogue.h"
#include "models/PistonDetails.h"

namespace
{
// A known capacity of 100 in³ at 3000 psi; the model is the 3 in bore, 100 in³ piston.
class CPistonDetailsTest : public CDetailsTest
{
protected:
    void SetUp() override
    {
        CDetailsTest::SetUp();
        ChooseModel(100.0, [](const SAccumulatorList& r)
                    { return r.bore.m_strCode == "-3" && r.pressure.m_strCode == "3"; });
    }
    CPartCode Option(const std::string& strCode) { return Row(PistonOptionList(m_data, *m_pDb).items, strCode); }
};
} // namespace

TEST_F(CPistonDetailsTest, TheHeldModelIsFoundAfterItsDetailsChangedThePortStyle)
{
    const std::vector<SAccumulatorList>& rows = m_search.rows;
    ASSERT_GT(rows.size(), 3u);
    ApplyModelChoice(m_data, rows[2], m_search, "N", *m_pDb);
    EXPECT_EQ(PreselectedRow(rows, m_data), 2);
    m_data.cpcDesignNumber = CPartCode("3", 3, "Special Ports (Flanged or Custom Arrangement)");
    EXPECT_EQ(PreselectedRow(rows, m_data), 2);

    // The same body twice, in different numbers: the number held tells them apart.
    std::vector<SAccumulatorList> twice = {rows[0], rows[0]};
    twice[1].qty = CUnitInt(3, "NONE");
    ApplyModelChoice(m_data, twice[1], m_search, "N", *m_pDb);
    EXPECT_EQ(PreselectedRow(twice, m_data), 1);
    // Rows without gas bottles leave the gas bottle cells blank.
    EXPECT_EQ(GridCells(rows[0])[8], "");
}

TEST_F(CPistonDetailsTest, ListsPreselectTheHeldChoiceAndFallBackToTheCatalogueFirst)
{
    // The model's defaults are preselected.
    EXPECT_EQ(Code(PistonSealList(m_data, *m_pDb)), "-N");
    EXPECT_EQ(Code(PistonPortList(m_data, *m_pDb)), "1");
    const SDetailList constructions = PistonConstructionList(m_data, *m_pDb);
    EXPECT_EQ(constructions.Selected()->m_strDescription, "Carbon Steel");

    m_data.cpcSealCode.m_strCode = "-V";
    m_data.cpcConstCode = CPartCode("Y", 11, "Stainless Steel");
    EXPECT_EQ(Code(PistonSealList(m_data, *m_pDb)), "-V");
    // The construction is found by its text, the approval by the construction code.
    EXPECT_EQ(PistonConstructionList(m_data, *m_pDb).Selected()->m_strDescription, "Stainless Steel");
    EXPECT_EQ(Code(PistonApprovalList(m_data, "Stainless Steel", *m_pDb)), "Y");

    // A choice the catalogue no longer offers: its first row.
    m_data.cpcSealCode.m_strCode = "-B"; // butyl is a bladder compound only
    m_data.cpcConstCode.m_strDescription = "Titanium";
    const SDetailList seals = PistonSealList(m_data, *m_pDb);
    EXPECT_EQ(seals.nSelected, 0);
    EXPECT_EQ(Code(seals), "-N");
    EXPECT_EQ(PistonConstructionList(m_data, *m_pDb).nSelected, 0);
    EXPECT_EQ(Code(PistonApprovalList(m_data, "No Such Construction", *m_pDb)), "(none)");
}

TEST_F(CPistonDetailsTest, StandardPortsOfferOnlyTheModelsPortsOtherStylesTheCatalogues)
{
    EXPECT_TRUE(IsStandardPortCode("1"));
    EXPECT_FALSE(IsStandardPortCode("2"));

    const SPortModificationLists standard = PistonPortModificationLists(m_data, "1", *m_pDb);
    ASSERT_TRUE(standard.bStandard);
    for (const SDetailList* pList : {&standard.type, &standard.size, &standard.gasType, &standard.gasSize})
        EXPECT_EQ(pList->items.size(), 1u);
    // The very codes the model step stored as defaults.
    EXPECT_EQ(*standard.type.Selected(), m_data.cpcPortModTypeCode);
    EXPECT_EQ(*standard.size.Selected(), m_data.cpcPortModSizeCode);
    EXPECT_EQ(*standard.gasType.Selected(), m_data.cpcGasPortModTypeCode);
    EXPECT_EQ(*standard.gasSize.Selected(), m_data.cpcGasPortModSizeCode);
    EXPECT_EQ(StandardPortCaption(m_data, *m_pDb),
              "Standard Ports: SAE-12 (1-1/16-12 UN) SAE Straight Thread (O-Ring Boss) fluid port; "
              "Gas Charging Valve (7/8-14 UNF)");

    m_data.cpcPortModTypeCode.m_strCode = "-B";
    const SPortModificationLists special = PistonPortModificationLists(m_data, "3", *m_pDb);
    EXPECT_FALSE(special.bStandard);
    EXPECT_GT(special.type.items.size(), 2u);
    EXPECT_EQ(Code(special.type), "-B");
    // The sizes belong to the type preselected, not to the standard one.
    for (const CPartCode& size : special.size.items)
        EXPECT_EQ(size.m_strDescription.rfind("G ", 0), 0u) << size.m_strDescription;
}

TEST_F(CPistonDetailsTest, OkWritesTheChoicesIntoBothCopiesAndReopeningPreselectsThem)
{
    CAccumulatorData result(m_data);
    result.Initialize(3);
    const CAccumulatorData former(m_data);

    SPistonDetailChoice choice;
    choice.seal = PistonSealList(m_data, *m_pDb).items[4]; // -V
    choice.port = PistonPortList(m_data, *m_pDb).items[1]; // alternate threads
    choice.construction = "Carbon Steel, Nickel Plated";
    choice.approval = PistonApprovalList(m_data, *choice.construction, *m_pDb).items[1];
    choice.portType = CPartCode("-M", 7, "Metric ISO 6149");
    choice.portSize = CPartCode("27", 8, "M27 x 2");
    for (const char* pszCode : {"C", "M", "G", "R"})
        choice.options.push_back({static_cast<int>(choice.options.size()), Option(pszCode)});
    ApplyPistonDetails(m_data, result, choice, former, *m_pDb);

    for (const CAccumulatorData* pData : {&m_data, &result})
    {
        const CAccumulatorData& d = *pData;
        EXPECT_EQ(d.cpcSealCode, CPartCode("-V", 6, "Fluorocarbon (FKM)"));
        EXPECT_EQ(d.cpcDesignNumber.m_strCode, "2");
        EXPECT_EQ(d.cpcConstCode.m_strCode, "Q");
        EXPECT_EQ(d.cpcConstCode.m_nLocation, 11);
        EXPECT_EQ(d.cpcConstCode.m_strDescription, "Carbon Steel, Nickel Plated");
        EXPECT_EQ(d.strApproval, "CE (PED 2014/68/EU)");
        EXPECT_EQ(d.cpcPortModTypeCode.m_strCode, "-M");
        // No choice for the gas side: its default stays.
        EXPECT_EQ(d.cpcGasPortModTypeCode, former.cpcGasPortModTypeCode);
        ASSERT_EQ(d.m_caSelectedOptionArray.size(), 4u);
        // The first three options only, at the option code's place: R, the fourth, is kept but not coded.
        EXPECT_EQ(d.cpcOptionCode.m_strCode, "-GMC");
        EXPECT_EQ(d.cpcOptionCode.m_nLocation, 12);
    }
    EXPECT_EQ(Code(PistonSealList(m_data, *m_pDb)), "-V");
    EXPECT_EQ(Code(PistonPortList(m_data, *m_pDb)), "2");
    EXPECT_EQ(PistonConstructionList(m_data, *m_pDb).Selected()->m_strDescription,
              "Carbon Steel, Nickel Plated");
    EXPECT_EQ(Code(PistonApprovalList(m_data, "Carbon Steel, Nickel Plated", *m_pDb)), "Q");
    const SPortModificationLists ports = PistonPortModificationLists(m_data, "2", *m_pDb);
    EXPECT_EQ(Code(ports.type), "-M");
    EXPECT_EQ(Code(ports.size), "27");
    const SOptionList options = PistonOptionList(m_data, *m_pDb);
    EXPECT_EQ(std::count(options.checked.begin(), options.checked.end(), true), 4);

    // Unchecking every option resets the option code; more than nine are cut to nine.
    choice.options.clear();
    ApplyPistonDetails(m_data, result, choice, former, *m_pDb);
    EXPECT_EQ(result.cpcOptionCode, CPartCode());
    EXPECT_TRUE(result.m_caSelectedOptionArray.empty());
    for (int i = 0; i < 11; ++i)
        choice.options.push_back({i, Option("G")});
    ApplyPistonDetails(m_data, result, choice, former, *m_pDb);
    EXPECT_EQ(result.m_caSelectedOptionArray.size(), kMaxPistonOptions);
}

TEST_F(CPistonDetailsTest, AnEmptyListKeepsTheFieldsEarlierValueInTheResult)
{
    m_data.cpcSealCode = CPartCode("-H", 6, "Hydrogenated Nitrile (HNBR)");
    CAccumulatorData result(m_data);
    result.Initialize(3);       // back to the bare seal default
    SPistonDetailChoice choice; // every list empty
    ApplyPistonDetails(m_data, result, choice, m_data, *m_pDb);
    EXPECT_EQ(result.cpcSealCode, m_data.cpcSealCode);
    EXPECT_EQ(result.cpcConstCode, m_data.cpcConstCode);
}
