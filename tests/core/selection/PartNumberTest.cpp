// Model numbers: the insertion and assembly rules, and which codes an accumulator adds.
#include "BuiltCatalogue.h"
#include "RecordingPrompt.h"
#include "SelectionSupport.h"

#include "catalogue/Database.h"

#include <gtest/gtest.h>

namespace
{
std::vector<int> Locations(const std::vector<CPartCode>& codes)
{
    std::vector<int> locations;
    for (const CPartCode& code : codes)
        locations.push_back(code.m_nLocation);
    return locations;
}
} // namespace

TEST(PartNumber, AssemblyTakesPositionsOneToTwentyNineInOrder)
{
    const std::vector<CPartCode> codes = {
        CPartCode("five", 5),    CPartCode("three", 3),   CPartCode("zero", 0),
        CPartCode("thirty", 30), CPartCode("far", 31),    CPartCode("_", 4),
        CPartCode("last", 29),   CPartCode("second3", 3), CPartCode("neg", -1),
    };
    // "_" keeps 4 empty; of two codes at 3 the first from the head wins.
    EXPECT_EQ(CBaseProduct::AssemblePartNumber(codes), "threefivelast");
    EXPECT_EQ(CBaseProduct::AssemblePartNumber({CPartCode("b", 5), CPartCode("a", 3)}), "ab");
    EXPECT_EQ(CBaseProduct::AssemblePartNumber({CPartCode(), CPartCode()}), "");
}

TEST(PartNumber, AddCodeInsertsAfterTheFirstLowerCodeOrAtTheHeadAfterTheLast)
{
    std::vector<CPartCode> codes;
    for (int n : {5, 3, 7, 4, 5})
        CBaseProduct::AddCode(codes, CPartCode(std::to_string(n), n));
    // 5; 3 finds no lower code: tail; 7 follows 5; 4's first lower code (3) is the last: head;
    // the second 5 follows the 4 at the head, ahead of the first 5, and so wins position 5.
    EXPECT_EQ(Locations(codes), (std::vector<int>{4, 5, 5, 7, 3}));
    codes[1].m_strCode = "second";
    EXPECT_EQ(CBaseProduct::AssemblePartNumber(codes), "34second7");
}

class CAccumulatorPartNumberTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pDb = OpenBuiltCatalogue();
        ASSERT_TRUE(m_pDb) << "the built catalogue did not open";
        m_owner.m_pDb = m_pDb.get();
        m_data.m_pOwner = &m_owner;
        m_data.m_nLevel = 3;
        m_data.strAccumulatorType = "Piston";
        m_data.cpcSeriesCode = CPartCode("PA", 1);
        m_data.cpcPressureCode = CPartCode("3", 2);
        m_data.cpcNomBoreCode = CPartCode("-4", 3);
        m_data.cpcDesignNumber = CPartCode("2", 4);
        m_data.cpcCapCode = CPartCode("0100", 5);
        m_data.cpcSealCode = CPartCode("-N", 6);
        // The bore's standard ports, at 3000 psig.
        m_data.cpcPortModTypeCode = CPartCode("-S", 7);
        m_data.cpcPortModSizeCode = CPartCode("16", 8);
        m_data.cpcGasPortModTypeCode = CPartCode("V", 9);
        m_data.cpcGasPortModSizeCode = CPartCode("04", 10);
        m_data.cudMaxPressure.Set(3000.0, "PSIG");
    }

    static constexpr const char* kBare = "PA3-420100-N";
    static constexpr const char* kWithPorts = "PA3-420100-N-S16V04";

    std::unique_ptr<IDatabase> m_pDb;
    CFakeOwner m_owner;
    CAccumulatorData m_data;
    CPromptCapture m_prompt;
};

TEST_F(CAccumulatorPartNumberTest, DesignTwoShowsPortsOnlyWhenTheCatalogueSaysSo)
{
    EXPECT_EQ(m_data.BuildPartNumber(), kBare);
    EXPECT_EQ(m_data.m_strPartNo, kBare);

    m_data.cpcPortModTypeCode.m_strCode = "-F"; // not the standard port of the bore
    EXPECT_EQ(m_data.BuildPartNumber(), "PA3-420100-N-F16V04");

    // Standard ports, but above their rating of 6000 psi: the pressure reaches the catalogue in Pa.
    m_data.cpcPortModTypeCode.m_strCode = "-S";
    m_data.cudMaxPressure.Set(6000.0, "PSIG");
    EXPECT_EQ(m_data.BuildPartNumber(), kBare);
    m_data.cudMaxPressure.Set(6000.001, "PSIG");
    EXPECT_EQ(m_data.BuildPartNumber(), kWithPorts);
    m_data.cudMaxPressure.Set(414.7, "BAR"); // 6000.02 psig
    EXPECT_EQ(m_data.BuildPartNumber(), kWithPorts);
    EXPECT_TRUE(m_prompt->Texts().empty());

    // A bore the catalogue does not know: "Data Missing!" and no port codes.
    m_data.cpcNomBoreCode.m_strCode = "-99";
    EXPECT_EQ(m_data.BuildPartNumber(), "PA3-9920100-N");
    EXPECT_EQ(m_prompt->Texts(), std::vector<std::string>{"Data Missing!"});
}

TEST_F(CAccumulatorPartNumberTest, DesignThreeAlwaysShowsPortsExceptForGasBottlesAndOtherTypes)
{
    m_data.cpcDesignNumber.m_strCode = "3";
    EXPECT_EQ(m_data.BuildPartNumber(), "PA3-430100-N-S16V04");
    m_owner.m_nProdId = 1;
    EXPECT_EQ(m_data.BuildPartNumber(), "PA3-430100-N");
    m_owner.m_nProdId = 0;
    m_data.strAccumulatorType = "Bladder";
    EXPECT_EQ(m_data.BuildPartNumber(), "PA3-430100-N");
    m_data.cpcDesignNumber.m_strCode = "2";
    EXPECT_EQ(m_data.BuildPartNumber(), "PA3-420100-N");
    EXPECT_TRUE(m_prompt->Texts().empty()) << "no catalogue question for other types";
}

TEST_F(CAccumulatorPartNumberTest, DefaultCodesCountOnlyAtLevelTwo)
{
    m_data.m_lstDefaultCodes = {CPartCode("D", 11), CPartCode("_", 12)};
    EXPECT_EQ(m_data.BuildPartNumber(), kBare);
    m_data.m_nLevel = 2;
    EXPECT_EQ(m_data.BuildPartNumber(), std::string(kBare) + "D");
    EXPECT_EQ(m_data.m_lstCodes.size(), 5u + 2u + 9u) << "reset codes still take part in the list";
}
