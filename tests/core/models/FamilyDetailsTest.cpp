// Bladder, diaphragm and gas bottle details on the built catalogue: what each list preselects,
// what OK writes into both copies and the model number it gives, and the lists left empty.
#include "DetailsFixture.h"

#include "models/BladderDetails.h"
#include "models/DetailsStep.h"
#include "models/DiaphragmDetails.h"
#include "models/GasBottleDetails.h"
#include "models/GasBottleSearch.h"

namespace
{
// The model of the type and capacity code (3000 psi class) that a known capacity finds.
class CFamilyDetailsTest : public CDetailsTest
{
protected:
    void ChooseModel(const std::string& strType, const std::string& strCap, double dCuIn)
    {
        CDetailsTest::ChooseModel(dCuIn, [&](const SAccumulatorList& row) {
            return row.strType == strType && row.capacity.m_strCode == strCap && row.pressure.m_strCode == "3";
        });
    }
};
} // namespace

TEST_F(CFamilyDetailsTest, BladderListsPreselectTheModelsDefaultsAndThePortSizeFollowsTheRow)
{
    ChooseModel("Bladder", "-5G", 1000.0);
    EXPECT_EQ(Code(BladderSealList(m_data, *m_pDb)), "-N");
    EXPECT_EQ(Code(BladderConstructionList(m_data, *m_pDb)), "S");
    EXPECT_EQ(Code(BladderModificationList(m_data, *m_pDb)), "_");
    EXPECT_EQ(Code(BladderCertificationList(m_data, *m_pDb)), "_");
    const SHydraulicPortList ports = BladderHydraulicPortList(m_data, *m_pDb);
    EXPECT_EQ(Code(ports.list), "S");
    EXPECT_EQ(ports.SizeOf(ports.list.nSelected), "SAE-24 (1-7/8-12 UN)");
    EXPECT_EQ(ports.list.items.size(), 3u); // SAE thread, flange and the high-flow flange
    EXPECT_EQ(ports.SizeOf(99), "");

    // Oversize ports asked for by the model step: only the high-flow port of this size.
    m_data.strOversizePorts = "Y";
    const SHydraulicPortList oversize = BladderHydraulicPortList(m_data, *m_pDb);
    ASSERT_EQ(oversize.list.items.size(), 1u);
    EXPECT_EQ(Code(oversize.list), "H");
    EXPECT_EQ(oversize.SizeOf(0), "2 in Flange, Code 61");

    // The construction is found by its text, whatever code the selection holds with it.
    m_data.cpcConstCode = CPartCode("?", 7, "Bottom Repairable, Carbon Steel Shell");
    EXPECT_EQ(Code(BladderConstructionList(m_data, *m_pDb)), "B");
    // A choice the catalogue does not offer for this model: its first row.
    m_data.cpcCertCode.m_strCode = "-XX";
    EXPECT_EQ(BladderCertificationList(m_data, *m_pDb).nSelected, 0);
}

TEST_F(CFamilyDetailsTest, BladderOkWritesBothCopiesAndTheModelNumberWithoutAnEarlierPistonsOptions)
{
    ChooseModel("Bladder", "-5G", 1000.0);
    // Options left by a piston chosen before this bladder.
    m_data.m_caSelectedOptionArray.push_back({0, CPartCode("G", 0, "Gas Valve Guard")});
    m_data.cpcOptionCode = CPartCode("-G", 12);
    CAccumulatorData result = Result();
    const CAccumulatorData former(m_data);

    SBladderDetailChoice choice;
    choice.seal = Row(BladderSealList(m_data, *m_pDb), "-E");
    choice.construction = Row(BladderConstructionList(m_data, *m_pDb), "B");
    choice.modification = Row(BladderModificationList(m_data, *m_pDb), "-T");
    choice.certification = Row(BladderCertificationList(m_data, *m_pDb), "-CE");
    choice.hydraulicPort = Row(BladderHydraulicPortList(m_data, *m_pDb).list, "F");
    EXPECT_EQ(CheckBladderDetails(choice), "");
    ApplyBladderDetails(m_data, result, choice, former);
    for (const CAccumulatorData* pData : {&m_data, &result})
    {
        EXPECT_EQ(pData->cpcConstCode, CPartCode("B", 7, "Bottom Repairable, Carbon Steel Shell"));
        EXPECT_TRUE(pData->m_caSelectedOptionArray.empty());
        EXPECT_EQ(pData->cpcOptionCode, CPartCode());
    }
    // Series, pressure, design, capacity, bladder, fluid port, construction, certification, modification.
    EXPECT_EQ(Number(result), "BA31-5G-EFB-CE-T");
    // Reopened, the lists preselect what was chosen.
    EXPECT_EQ(Code(BladderSealList(result, *m_pDb)), "-E");
    EXPECT_EQ(Code(BladderConstructionList(result, *m_pDb)), "B");
    EXPECT_EQ(Code(BladderModificationList(result, *m_pDb)), "-T");
    EXPECT_EQ(Code(BladderCertificationList(result, *m_pDb)), "-CE");
    EXPECT_EQ(Code(BladderHydraulicPortList(result, *m_pDb).list), "F");
}

TEST_F(CFamilyDetailsTest, ListsLeftEmptyClearTheirCodeOrRefuseWhenTheNumberNeedsThem)
{
    ChooseModel("Bladder", "-5G", 1000.0);
    m_data.cpcCertCode = CPartCode("-AS", 9, "ASME Section VIII, Div. 1"); // held from another model
    CAccumulatorData result = Result();
    SBladderDetailChoice choice;
    choice.seal = BladderSealList(m_data, *m_pDb).items.front();
    choice.construction = BladderConstructionList(m_data, *m_pDb).items.front();
    choice.hydraulicPort = BladderHydraulicPortList(m_data, *m_pDb).list.items.front();
    ApplyBladderDetails(m_data, result, choice, m_data);
    EXPECT_EQ(result.cpcCertCode, CPartCode());
    EXPECT_EQ(result.cpcModCode, CPartCode());
    EXPECT_EQ(Number(result).find("-AS"), std::string::npos);

    choice.construction.reset();
    EXPECT_EQ(
        CheckBladderDetails(choice),
        "The catalogue offers no choice of \"Construction\" for this model, so its model number cannot be "
        "completed.\r\nPlease choose another model, or contact your Dalrow Representative.");
    EXPECT_NE(CheckDiaphragmDetails(SDiaphragmDetailChoice{}).find("\"Diaphragm\""), std::string::npos);
    SGasBottleDetailChoice ports;
    ports.gasPort = CPartCode("-S", 4);
    EXPECT_NE(CheckGasBottleDetails(ports).find("\"Gas Valve Port\""), std::string::npos);
}

TEST_F(CFamilyDetailsTest, DiaphragmChoicesGiveTheModelNumberAndArePreselectedAgain)
{
    ChooseModel("Diaphragm", "-50", 40.0);
    EXPECT_EQ(Code(DiaphragmSealList(m_data, *m_pDb)), "-N");
    EXPECT_EQ(Code(DiaphragmConstructionList(m_data, *m_pDb)), "W");
    EXPECT_EQ(Code(DiaphragmCertificationList(m_data, *m_pDb)), "_");
    EXPECT_EQ(Number(m_data), "DA3S-50-NW");

    CAccumulatorData result = Result();
    SDiaphragmDetailChoice choice;
    choice.seal = Row(DiaphragmSealList(m_data, *m_pDb), "-H");
    choice.construction = Row(DiaphragmConstructionList(m_data, *m_pDb), "T");
    choice.certification = Row(DiaphragmCertificationList(m_data, *m_pDb), "-CE");
    ApplyDiaphragmDetails(m_data, result, choice, m_data);
    EXPECT_EQ(Number(result), "DA3S-50-HT-CE");
    EXPECT_EQ(Code(DiaphragmSealList(result, *m_pDb)), "-H");
    EXPECT_EQ(Code(DiaphragmConstructionList(result, *m_pDb)), "T");
    EXPECT_EQ(Code(DiaphragmCertificationList(result, *m_pDb)), "-CE");
}

// A bottle of each kind: the catalogue's first gas port is offered first; the ports chosen follow
// the body's codes in the model number (a GB bottle has no seal) and are preselected again.
TEST_F(CFamilyDetailsTest, GasBottlePortsFollowTheBodysCodesAndArePreselectedAgain)
{
    const CUnitDouble pressure(3000.0, "PSIG");
    for (const auto& [nType, strCap, strPort, strNumber] :
         {std::tuple{2, "-10G", "-B", "GB3-10G-B2"}, std::tuple{0, "-10G", "-F", "PG31-9-10G-NS-F2"},
          std::tuple{1, "-5G", "-F", "BG31-5G-NSS-F2"}})
    {
        SCOPED_TRACE(strNumber);
        m_data.Initialize(0);
        m_data.Initialize(2);
        const std::vector<SGbList> bottles = GasBottleList(nType, pressure, *m_pDb);
        const auto it = std::find_if(bottles.begin(), bottles.end(),
                                     [&](const SGbList& b) { return b.capacityCode.m_strCode == strCap; });
        ASSERT_NE(it, bottles.end());
        ApplyGasBottleChoice(m_data, *it, pressure, nType, "N", *m_pDb);
        m_data.m_nLevel = 2;
        EXPECT_EQ(Code(GasBottlePortList(m_data, *m_pDb)), "-S");
        CAccumulatorData result = Result();
        SGasBottleDetailChoice choice;
        choice.gasPort = Row(GasBottlePortList(m_data, *m_pDb), strPort);
        choice.valvePort = Row(GasBottleValvePortList(m_data, *m_pDb), "2");
        ApplyGasBottleDetails(m_data, result, choice);
        EXPECT_EQ(Number(result), strNumber);
        EXPECT_EQ(Code(GasBottlePortList(result, *m_pDb)), strPort);
        EXPECT_EQ(Code(GasBottleValvePortList(result, *m_pDb)), "2");
    }
}

// The details step as the command line takes it: the preselections, or the codes named by list.
TEST_F(CFamilyDetailsTest, TheStepForScriptsTakesThePreselectionsOrTheNamedCodes)
{
    ChooseModel("Bladder", "-5G", 1000.0);
    const CAccumulatorData former(m_data);
    CAccumulatorData working(m_data);
    CAccumulatorData result = Result();
    std::string strError;
    ASSERT_TRUE(ApplyDetailsStep(working, result, former, {{"hydraulicport", "F"}, {"seal", "Ethylene Propylene (EPDM)"}},
                                 *m_pDb, strError))
        << strError;
    EXPECT_EQ(result.cpcHydPortCode.m_strCode, "F");
    // The port's size travels as the code's third text, where the report reads it.
    EXPECT_EQ(result.cpcHydPortCode.m_strCodeType, "1-1/2 in Flange, Code 61");
    EXPECT_EQ(result.cpcSealCode.m_strCode, "-E"); // named by its text
    EXPECT_EQ(result.cpcConstCode.m_strCode, "S"); // preselected
    EXPECT_EQ(Number(result), "BA31-5G-EFS");

    working = m_data;
    EXPECT_FALSE(ApplyDetailsStep(working, result, former, {{"hydraulicport", "Q"}}, *m_pDb, strError));
    EXPECT_EQ(strError, "The hydraulicport list offers no \"Q\"; it offers S: SAE Straight Thread Fluid Port; "
                        "F: SAE 4-Bolt Flange Fluid Port; H: High-Flow 4-Bolt Flange Fluid Port.");
    EXPECT_FALSE(ApplyDetailsStep(working, result, former, {{"option", "G"}}, *m_pDb, strError));
    EXPECT_EQ(strError, "A Bladder accumulator has no \"option\" list; its lists are seal, construction, "
                        "modification, certification, hydraulicport.");
}

TEST_F(CFamilyDetailsTest, NamedPistonOptionsReplaceThePreselectedOnes)
{
    ChooseModel("Piston", "-2.5G", 500.0);
    m_data.m_caSelectedOptionArray = {{2, CPartCode("R", 0, "held before")}};
    const CAccumulatorData former(m_data);
    CAccumulatorData working(m_data);
    CAccumulatorData result = Result();
    std::string strError;
    ASSERT_TRUE(ApplyDetailsStep(working, result, former, {{"option", "M"}, {"option", "G"}}, *m_pDb, strError))
        << strError;
    // In the list's order, with their places in it as keys; the one held before is gone.
    ASSERT_EQ(result.m_caSelectedOptionArray.size(), 2u);
    EXPECT_EQ(result.m_caSelectedOptionArray[0].code.m_strCode, "G");
    EXPECT_EQ(result.m_caSelectedOptionArray[0].nKey, 0);
    EXPECT_EQ(result.m_caSelectedOptionArray[1].code.m_strCode, "M");
    EXPECT_EQ(result.m_caSelectedOptionArray[1].nKey, 1);

    working = m_data;
    result = Result();
    ASSERT_TRUE(ApplyDetailsStep(working, result, former, {}, *m_pDb, strError)) << strError;
    ASSERT_EQ(result.m_caSelectedOptionArray.size(), 1u);
    EXPECT_EQ(result.m_caSelectedOptionArray[0].code.m_strCode, "R");

    // The construction by its code, which names its approval too, as the model number shows it.
    working = m_data;
    result = Result();
    ASSERT_TRUE(ApplyDetailsStep(working, result, former, {{"construction", "Q"}}, *m_pDb, strError)) << strError;
    EXPECT_EQ(result.cpcConstCode.m_strCode, "Q");
}
