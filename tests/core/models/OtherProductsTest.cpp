// The other products without their windows, on the built catalogue: the reservoir isolator's
// capacity checks, sizes and model choice; transfer barrier filters; accessories; repair kits.
#include "BuiltCatalogue.h"
#include "CatalogueCopy.h"
#include "RecordingPrompt.h"
#include "TempFolder.h"

#include "catalogue/Catalogue.h"
#include "models/AccessoryList.h"
#include "models/OvrisolModel.h"
#include "models/RepairKitList.h"
#include "models/TransferBarrierList.h"
#include "selection/AccessoryBase.h"
#include "selection/OvrisolBase.h"
#include "selection/RepairKitBase.h"
#include "selection/TransferBase.h"
#include "sizing/OvrisolCapacity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace
{
constexpr double kCuMPerGal = 0.003785413;
const std::string kTail = "or contact your Dalrow Representative.";

struct SCatalogue
{
    SCatalogue() : pDb(OpenBuiltCatalogue()), messages(*pDb) {}
    std::unique_ptr<IDatabase> pDb;
    CIMsgStoredProc messages;
    IDatabase& Db() { return *pDb; }
};

// A selection that has been through the capacity step by the fluid levels.
COvrisolBase ByLevels(double dHighIn, double dLowIn, double dWidthIn, double dLengthIn)
{
    COvrisolBase d;
    d.Initialize(0);
    d.iSizeMethod = COvrisolBase::kFluidLevels;
    d.cudHighFluidLevel.Set(dHighIn, "IN");
    d.cudLowFluidLevel.Set(dLowIn, "IN");
    d.cudReservoirWidth.Set(dWidthIn, "IN");
    d.cudReservoirLength.Set(dLengthIn, "IN");
    return d;
}

std::string Failed(const sizing::CheckResult& result)
{
    return result ? result->strMessage + " @" + result->strField : std::string("passed");
}
} // namespace

TEST(OvrisolCapacity, CombinedAndReservoirCapacitiesInTheirUnits)
{
    // 1.2 x (10 L + 5 L), in the cylinder capacity's unit.
    const CUnitDouble combined = ovrisol::CombinedCapacity(CUnitDouble(10.0, "L"), CUnitDouble(5.0, "L"));
    EXPECT_EQ(combined.GetUnit(), "L");
    EXPECT_DOUBLE_EQ(combined.Value(), 18.0);
    // 5 L given in cubic inches: the same 18 L.
    EXPECT_NEAR(ovrisol::CombinedCapacity(CUnitDouble(10.0, "L"), CUnitDouble(5.0 / 0.01638706, "CU_IN")).Value(),
                18.0, 1e-9);
    // 10 in between the levels, 20 in wide, 30 in long.
    const CUnitDouble reservoir = ovrisol::ReservoirCapacity(CUnitDouble(12.0, "IN"), CUnitDouble(2.0, "IN"),
                                                             CUnitDouble(20.0, "IN"), CUnitDouble(30.0, "IN"));
    EXPECT_EQ(reservoir.GetUnit(), "CU_IN");
    EXPECT_DOUBLE_EQ(reservoir.Value(), 6000.0);
    EXPECT_NEAR(ovrisol::ReservoirCapacity(CUnitDouble(304.8, "MM"), CUnitDouble(50.8, "MM"), CUnitDouble(508.0, "MM"),
                                           CUnitDouble(0.762, "M"))
                    .Value(),
                6000.0, 1e-9);
}

TEST(OvrisolCapacity, CapacityChecksSayWhatIsWrongWithTheTail)
{
    SCatalogue c;
    const CUnitDouble max = ovrisol::MaxCapacity(c.Db());
    EXPECT_EQ(max.GetUnit(), "CU_M");
    EXPECT_NEAR(max.Value(), 40.0 * kCuMPerGal, 1e-12); // the 40 gallon isolator
    COvrisolBase d;
    d.cudCombinedCapacity.Set(0.0, "L");
    EXPECT_EQ(Failed(ovrisol::CheckCapacities(d, max, c.messages)),
              "Your combined capacity must be larger than 0.\r\n" + kTail + " @cudCylinderCapacity");
    d.cudCombinedCapacity.Set(40.01, "GAL");
    EXPECT_EQ(Failed(ovrisol::CheckCapacities(d, max, c.messages)),
              "Your combined capacity exceeds the capacity of products represented in Tesmara.\r\n"
              "Please either lower your required capacity " + kTail + " @cudCylinderCapacity");
    d.cudCombinedCapacity.Set(40.0, "GAL"); // the largest size itself fits
    EXPECT_EQ(Failed(ovrisol::CheckCapacities(d, max, c.messages)), "passed");
}

TEST(OvrisolCapacity, FluidLevelChecksInTheirOrder)
{
    SCatalogue c;
    const CUnitDouble max = ovrisol::MaxCapacity(c.Db());
    const auto check = [&](const COvrisolBase& d, bool bLowEntered = true)
    { return Failed(ovrisol::CheckFluidLevels(d, bLowEntered, max, c.messages)); };
    // An empty high level reads as 0 and fails first, whatever else is wrong.
    EXPECT_EQ(check(ByLevels(0, 0, 0, 0), false), "Your High Fluid Level must be larger than 0\r\n" + kTail +
                                                      " @cudHighFluidLevel");
    EXPECT_EQ(check(ByLevels(12, 0, 0, 0), false), "Please enter all data. @cudLowFluidLevel");
    EXPECT_EQ(check(ByLevels(12, 12, 0, 0)),
              "Your Low Fluid Level must be lower than your High Fluid Level.\r\n" + kTail + " @cudLowFluidLevel");
    COvrisolBase across = ByLevels(12, 0, 20, 30);
    across.cudLowFluidLevel.Set(304.8, "MM"); // 12 in, in millimetres: not lower
    EXPECT_NE(check(across).find("@cudLowFluidLevel"), std::string::npos);
    EXPECT_EQ(check(ByLevels(12, 0, 0, 30)), "Your Reservoir Width must be larger than 0\r\n" + kTail +
                                                 " @cudReservoirWidth");
    EXPECT_EQ(check(ByLevels(12, 0, 20, 0)), "Your Reservoir Length must be larger than 0\r\n" + kTail +
                                                 " @cudReservoirLength");
    // 20 in x 20 in x 30 in = 12000 in3, above the 9240 in3 of the largest isolator: no focus.
    EXPECT_EQ(check(ByLevels(22, 2, 20, 30)),
              "The volume between your high and low fluid levels exceeds the capacity of products represented in "
              "Tesmara. Please either bring the fluid levels closer together " + kTail + " @");
    EXPECT_EQ(check(ByLevels(12, 2, 20, 30)), "passed");
    // A low level of 0 is entered, not missing.
    EXPECT_EQ(check(ByLevels(12, 0, 20, 30)), "passed");
}

TEST(OvrisolCapacity, ACatalogueWithoutSizesIsAnError)
{
    const CTempFolder folder;
    Exec(CopyOfCatalogue(folder.Path(), "AccUS.db"), "DELETE FROM OvrisolSizes");
    IDatabase db;
    ASSERT_TRUE(db.Open(folder.Path(), "Acc", "US"));
    EXPECT_THROW(ovrisol::MaxCapacity(db), CCatalogueError);
}

TEST(OvrisolCapacity, OnlyTheChosenMethodReachesTheSizeQuery)
{
    COvrisolBase d = ByLevels(12, 2, 20, 30);
    d.cudCylinderCapacity.Set(10.0, "L");
    d.cudAccumulatorCapacity.Set(5.0, "L");
    // Cylinder, accumulator, high and low level, width, length, in cubic metres and metres.
    const auto expect = [](const ovrisol::SSizeQuery& q, const std::vector<double>& wanted)
    {
        const std::vector<double> got = {q.dCylinder, q.dAccumulator, q.dHighLevel, q.dLowLevel, q.dWidth, q.dLength};
        for (std::size_t i = 0; i < got.size(); ++i)
            EXPECT_NEAR(got[i], wanted[i], 1e-12) << i;
    };
    expect(ovrisol::SizeQuery(d), {0.0, 0.0, 12 * 0.0254, 2 * 0.0254, 20 * 0.0254, 30 * 0.0254});
    d.iSizeMethod = COvrisolBase::kCapacities;
    expect(ovrisol::SizeQuery(d), {0.010, 0.005, 0.0, 0.0, 0.0, 0.0});
}

TEST(OvrisolModel, SizesFitTheCapacityAndTheChoiceMakesTheModelNumber)
{
    SCatalogue c;
    // 6000 in3 is 25.97 gal: the 30 gallon isolator (painted or galvanized) and the 40 (painted).
    COvrisolBase d = ByLevels(12, 2, 20, 30);
    const std::vector<SOvrisolSize> sizes = OvrisolSizes(d, c.Db());
    ASSERT_EQ(sizes.size(), 3u);
    EXPECT_EQ(OvrisolSizeText(sizes[0]), "30 gal (US)\tCarbon Steel Shell, Epoxy Painted");
    EXPECT_EQ(OvrisolSizeText(sizes[1]), "30 gal (US)\tHot-Dip Galvanized Steel Shell");
    EXPECT_EQ(OvrisolSizeText(sizes[2]), "40 gal (US)\tCarbon Steel Shell, Epoxy Painted");
    EXPECT_EQ(PreselectedOvrisolSize(sizes, d), 0);
    d.cpcSizeCode = CPartCode("-30", 2);
    d.cpcConstructionCode = CPartCode("-G", 3);
    EXPECT_EQ(PreselectedOvrisolSize(sizes, d), 1);
    EXPECT_EQ(PreselectedOvrisolSize({}, d), -1);

    const SDetailList bladders = OvrisolBladders("OV", "-E", c.Db());
    ASSERT_EQ(bladders.items.size(), 5u);
    ASSERT_NE(bladders.Selected(), nullptr);
    EXPECT_EQ(bladders.Selected()->m_strDescription, "Ethylene Propylene (EPDM)");
    EXPECT_EQ(bladders.Selected()->m_nLocation, 4);

    // The former selection's fluid search stays with its bladder, and goes with another one.
    COvrisolBase former = d;
    former.cpcBladderCode = CPartCode("-E", 4);
    former.strSelectedFluid = "Water";
    COvrisolBase stored;
    stored.Initialize(2);
    ApplyOvrisolModel(stored, sizes[1], *bladders.Selected(), former, c.Db());
    EXPECT_EQ(stored.strSelectedFluid, "Water");
    stored.m_nLevel = 2;
    EXPECT_EQ(stored.BuildPartNumber(), "OV-30-G-E-1F");
    EXPECT_EQ(stored.GetSelectionDisplayText(2),
              "30 gal (US), Hot-Dip Galvanized Steel Shell, Ethylene Propylene (EPDM) Bladder");
    COvrisolBase other;
    other.Initialize(2);
    ApplyOvrisolModel(other, sizes[0], bladders.items[0], former, c.Db());
    EXPECT_EQ(other.strSelectedFluid, "");
    EXPECT_EQ(other.BuildPartNumber(), "OV-30-S-N-1F");
}

TEST(OvrisolModel, TheSealAssistantsBladderAndSearch)
{
    COvrisolBase d;
    d.Initialize(0);
    d.cpcBladderCode = CPartCode("-N", 4, "Nitrile (NBR)");
    d.strSelectedFluid = "Mineral Oil (HM / HL)";
    SSealAssistance a;
    a.seal = CPartCode("-N", 4, "Nitrile (NBR)");
    ApplyOvrisolSealAssistance(d, a); // the same bladder, no new search: what was found stays
    EXPECT_EQ(d.strSelectedFluid, "Mineral Oil (HM / HL)");
    a.seal = CPartCode("-E", 4, "Ethylene Propylene (EPDM)");
    ApplyOvrisolSealAssistance(d, a); // another bladder: the search described the one before
    EXPECT_EQ(d.cpcBladderCode, a.seal);
    EXPECT_EQ(d.strSelectedFluid, "");
    EXPECT_EQ(d.cudMaxFluidTempFluidCompatibility, CUnitDouble(110.0, "DEG_F"));
    a.search = SFluidSearchResult{"-E", "Water", CUnitDouble(150, "DEG_F"), CUnitDouble(40, "DEG_F"),
                                  CUnitDouble(250, "DEG_F"), CUnitDouble(-40, "DEG_F"), "compatible"};
    ApplyOvrisolSealAssistance(d, a);
    EXPECT_EQ(d.strSelectedFluid, "Water");
    EXPECT_EQ(d.cudMaxEnteredTempFluidCompatibility, CUnitDouble(150, "DEG_F"));
    EXPECT_EQ(d.cudMinFluidTempFluidCompatibility, CUnitDouble(-40, "DEG_F"));
}

TEST(TransferBarrierList, FiltersNarrowTheRowsAndTheChoiceCarriesTheBladderCodes)
{
    SCatalogue c;
    STransferFilters f;
    EXPECT_EQ(f.strPressure, "*");
    // Six 3000 psi shells in three services, four of them also for sea water; three 5000 psi in three.
    EXPECT_EQ(TransferBarrierRows(f, c.Db()).size(), 6u * 3 + 4 + 3 * 3);
    EXPECT_EQ(TransferFilterEntries(ETransferFilter::Pressure, f, c.Db()).size(), 2u);
    f.strPressure = "5";
    const std::vector<STransferRow> rows = TransferBarrierRows(f, c.Db());
    ASSERT_EQ(rows.size(), 9u);
    // The pressure narrows the grid; the other lists are asked with it when they open.
    EXPECT_EQ(TransferFilterEntries(ETransferFilter::Service, f, c.Db()).size(), 3u);
    EXPECT_EQ(TransferFilterEntries(ETransferFilter::Size, f, c.Db()).size(), 3u);
    const auto pressures = TransferFilterEntries(ETransferFilter::Pressure, f, c.Db());
    ASSERT_EQ(pressures.size(), 2u); // its own filter is not one of those it is asked with
    EXPECT_EQ(pressures[1].strCode, "5");
    EXPECT_EQ(pressures[1].strText, "5000 psi");
    f = STransferFilters();
    f.strService = "-S";
    const auto sizes = TransferFilterEntries(ETransferFilter::Size, f, c.Db());
    ASSERT_EQ(sizes.size(), 4u);
    EXPECT_EQ(sizes[1].strCode, "-2.5G");
    EXPECT_EQ(sizes[1].strText, "2.5 gal (US)");

    EXPECT_EQ(TransferRowCells(rows[0]),
              (std::vector<std::string>{"1 gal (US)", "5000 psi", "Oil to Oil (Separates Two Hydraulic Circuits)"}));
    CTransferBase d;
    EXPECT_EQ(PreselectedTransferRow(rows, d), 0);
    EXPECT_EQ(PreselectedTransferRow({}, d), -1);
    ApplyTransferBarrier(d, rows[4], c.Db()); // 2.5 gal, oil to water
    EXPECT_EQ(PreselectedTransferRow(rows, d), 4);
    // Asked again with every pressure: the 2.5 gallon 3000 psi rows come first, yet the 5000 psi
    // oil to water row is the one chosen.
    const std::vector<STransferRow> all = TransferBarrierRows(STransferFilters(), c.Db());
    const int nAgain = PreselectedTransferRow(all, d);
    ASSERT_GE(nAgain, 0);
    EXPECT_EQ(all[nAgain].pressureCode.m_strCode, "5");
    EXPECT_EQ(all[nAgain].serviceCode.m_strCode, "-W");
    // A pressure filter that leaves another service of that size: the first row of that size.
    STransferFilters sea;
    sea.strService = "-S";
    const std::vector<STransferRow> seaRows = TransferBarrierRows(sea, c.Db());
    EXPECT_EQ(seaRows[PreselectedTransferRow(seaRows, d)].capacityCode.m_strCode, "-2.5G");
    ApplyTransferBarrier(d, rows[3], c.Db()); // 2.5 gal, oil to oil
    d.m_nLevel = 2;
    EXPECT_EQ(d.BuildPartNumber(), "TB51-2.5G-NSSP-O");
    EXPECT_EQ(d.GetSelectionDisplayText(2), "Size 2.5 gal (US),  Pressure 5000 psi,  Oil to Oil (Separates Two Hydraulic Circuits)");
}

TEST(AccessoryList, SizesOfEachTypeAndTheAccessoriesThatFitThem)
{
    SCatalogue c;
    EXPECT_EQ(AccessoryTypes(c.Db()), (std::vector<SAccessoryType>{{"Piston", "Piston"},
                                                                  {"Bladder", "Bladder"},
                                                                  {"High-Pressure Bladder", "High-Pressure Bladder"},
                                                                  {"Diaphragm", "Diaphragm"},
                                                                  {"Gas Bottle", "Gas Bottle"}}));
    const std::vector<SAccessorySize> pistons = AccessorySizes("Piston", c.Db());
    ASSERT_EQ(pistons.size(), 54u); // every bore and capacity of the PA and PM series
    EXPECT_EQ(AccessorySizeCells(pistons[0], true), (std::vector<std::string>{"0.5 in\u00B3", "1 in"}));
    // 150 in3 comes in the 3 in and the 4 in bore: the bore held decides.
    CAccessoryBase d;
    d.cudCapacity.Set(150.0, "CU_IN");
    d.cpcBoreCode = CPartCode("-4", 0);
    const int nRow = PreselectedAccessorySize(pistons, d, true);
    ASSERT_GE(nRow, 0);
    EXPECT_EQ(pistons[nRow].boreCode.m_strCode, "-4");
    ApplyAccessorySize(d, "Piston", pistons[nRow]);
    std::vector<SAccessory> list = AccessoriesFor(d, c.Db());
    ASSERT_EQ(list.size(), 6u);
    EXPECT_EQ(list[4].strPartNumber, "MC-0500"); // the 4 in bore's body takes the 5 in clamp
    EXPECT_EQ(list[5].strPartNumber, "SB-20");
    EXPECT_EQ(PreselectedAccessory(list, d), 0);

    // Then a bladder: the piston's bore does not go with it.
    const std::vector<SAccessorySize> bladders = AccessorySizes("Bladder", c.Db());
    ASSERT_EQ(bladders.size(), 7u);
    EXPECT_EQ(AccessorySizeCells(bladders[0], false), (std::vector<std::string>{"0.25 gal (US)", ""}));
    ApplyAccessorySize(d, "Bladder", bladders[4]); // 10 gal
    EXPECT_EQ(d.cpcBoreCode, CPartCode());
    EXPECT_EQ(d.cudBore.Value(), 0.0);
    list = AccessoriesFor(d, c.Db());
    ASSERT_EQ(list.size(), 8u);
    EXPECT_EQ(list.back().strPartNumber, "BT-100");
    ApplyAccessory(d, list[6]);
    EXPECT_EQ(d.strAccessoryPartNumber, "SB-32");
    EXPECT_EQ(d.strAccessoryText, "Safety and Shut-Off Block, DN32 (1-1/4 in)");
    EXPECT_EQ(PreselectedAccessory(list, d), 6);
    EXPECT_EQ(PreselectedAccessory({}, d), -1);
    // Every accessory's picture is in the catalogue.
    for (const SAccessory& a : list)
        EXPECT_TRUE(CLoadJpeg::Load(a.strImage, c.Db())) << a.strImage;
}

TEST(RepairKitList, FiltersNarrowTheKitsOfAType)
{
    SCatalogue c;
    const std::vector<std::string> types = RepairKitTypes(c.Db());
    ASSERT_EQ(types.size(), 7u);
    EXPECT_EQ(types[0], "Piston Seal Kits");
    SKitFilters f("Piston Seal Kits");
    // Fourteen bores in five compounds, and the high-cycle kits in three.
    EXPECT_EQ(RepairKits(f, c.Db()).size(), 14u * 8);
    f[EKitFilter::Seal] = "Fluorocarbon (FKM)";
    EXPECT_EQ(RepairKits(f, c.Db()).size(), 14u * 2);
    f[EKitFilter::Size] = "4 in Bore";
    const std::vector<SRepairKit> kits = RepairKits(f, c.Db());
    ASSERT_EQ(kits.size(), 2u);
    EXPECT_EQ(kits[0].strPartNumber, "RK-PA4-V");
    EXPECT_EQ(kits[0].strKit, "Piston Seal Kit, PA 4 in Bore, Fluorocarbon (FKM)");
    // A list is asked with the other filters only: every bore still offers FKM.
    EXPECT_EQ(KitFilterValues(EKitFilter::Size, f, c.Db()).size(), 14u);
    EXPECT_EQ(KitFilterValues(EKitFilter::Seal, f, c.Db()).size(), 5u);
    EXPECT_EQ(KitFilterValues(EKitFilter::Port, f, c.Db()), (std::vector<std::string>{"SAE Straight Thread Ports"}));
    f[EKitFilter::Size] = "*";
    f[EKitFilter::Port] = "ISO 6149 Metric Ports";
    EXPECT_EQ(RepairKits(f, c.Db()).size(), 6u * 2);
    // A filter that does not concern a kit lets it through: bladders have no port.
    SKitFilters bladders("Replacement Bladders");
    bladders[EKitFilter::Port] = "SAE Straight Thread Ports";
    EXPECT_EQ(RepairKits(bladders, c.Db()).size(), 45u);
    EXPECT_TRUE(KitFilterValues(EKitFilter::Port, bladders, c.Db()).empty());

    CRepairKitBase d;
    EXPECT_EQ(PreselectedKit(kits, d), -1);
    ApplyRepairKit(d, kits[1]);
    EXPECT_EQ(d.strPartNumber, "RK-PA4-V-HC");
    EXPECT_EQ(PreselectedKit(kits, d), 1);
}
