// tesmara show on the selection files of reservoir isolators, accessories, repair kits and transfer barriers.
#include "CliRunner.h"

#include "selection/AccessoryBase.h"
#include "selection/OvrisolBase.h"
#include "selection/RepairKitBase.h"
#include "selection/SelectionFile.h"
#include "selection/TransferBase.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using nlohmann::json;

namespace
{
std::filesystem::path Saved(const std::string& strName, int nProdId, const CBaseProduct& data)
{
    SSelectionHeader header;
    header.strLanguageCode = "US";
    header.strLanguageName = "U.S. English";
    header.nProdId = nProdId;
    header.strProdType = strName;
    const auto path = std::filesystem::temp_directory_path() / (strName + std::to_string(::getpid()) + ".Ac3");
    std::string strError;
    EXPECT_TRUE(SaveSelectionFile(path, header, data, strError)) << strError;
    return path;
}

json Shown(const std::filesystem::path& path)
{
    const SCliRun run = RunCli("show --json '" + path.string() + "'");
    EXPECT_EQ(run.nStatus, 0) << run.strErr;
    std::filesystem::remove(path);
    return json::parse(run.strOut);
}
} // namespace

TEST(ShowCommand, PrintsTheFieldsOfEveryProduct)
{
    COvrisolBase ov;
    ov.m_nLevel = 2;
    ov.cudReservoirCapacity.Set(6000.0, "CU_IN");
    ov.cpcBladderCode = CPartCode("-E", 4, "Ethylene Propylene (EPDM)");
    ov.m_lstDefaultCodes = {CPartCode("-1", 5)};
    const json o = Shown(Saved("Reservoir Isolators", 2, ov));
    EXPECT_EQ(o["header"]["ProdId"], 2);
    EXPECT_EQ(o["selection"]["m_nLevel"], 2);
    EXPECT_EQ(o["selection"]["cudReservoirCapacity"], (json{{"value", 6000.0}, {"unit", "CU_IN"}}));
    EXPECT_EQ(o["selection"]["cpcBladderCode"]["code"], "-E");
    EXPECT_EQ(o["selection"]["m_lstDefaultCodes"][0]["code"], "-1");

    CAccessoryBase acc;
    acc.strAccessoryPartNumber = "SB-20";
    acc.cpcBoreCode = CPartCode("-4", 4);
    EXPECT_EQ(Shown(Saved("Accessories", 3, acc))["selection"]["strAccessoryPartNumber"], "SB-20");

    CRepairKitBase kit;
    kit.strKit = "Piston Seal Kit, PA 4 in Bore, Nitrile (NBR)";
    EXPECT_EQ(Shown(Saved("Repair Kits", 4, kit))["selection"]["strKit"], kit.strKit);

    CTransferBase tb;
    tb.cudPressure.Set(3000.0, "PSIG");
    tb.strService = "Oil to Oil";
    const json t = Shown(Saved("Transfer Barriers", 5, tb));
    EXPECT_EQ(t["selection"]["cudPressure"]["unit"], "PSIG");
    EXPECT_EQ(t["selection"]["strService"], "Oil to Oil");

    // The readable form names the fields and shows units with their display text.
    const auto path = Saved("Transfer Barriers", 5, tb);
    const SCliRun readable = RunCli("show '" + path.string() + "'");
    std::filesystem::remove(path);
    ASSERT_EQ(readable.nStatus, 0) << readable.strErr;
    EXPECT_NE(readable.strOut.find("  cudPressure: 3000.0 psi [PSIG]\n"), std::string::npos) << readable.strOut;
    EXPECT_NE(readable.strOut.find("  strService: \"Oil to Oil\"\n"), std::string::npos) << readable.strOut;
}
