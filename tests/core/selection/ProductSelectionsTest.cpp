// The reservoir isolator, transfer barrier, accessory and repair kit selections: their stored
// layouts byte for byte, resets by level, model numbers and step texts.
#include "BuiltCatalogue.h"
#include "RecordingPrompt.h"
#include "CompleteSelections.h"
#include "SelectionSupport.h"

#include "selection/AccessoryBase.h"
#include "selection/OvrisolBase.h"
#include "selection/RepairKitBase.h"
#include "selection/SelectionFile.h"
#include "selection/TransferBase.h"

#include <gtest/gtest.h>

#include <algorithm>

using Bytes = std::vector<std::uint8_t>;

namespace
{
constexpr std::size_t kSelectionStart = kHeaderASize + kHeaderBSize + 4 + 1 + 2 + 4;

// The expected bytes of a product's fields in the order the test names them, after a code list
// and two default codes.
CStoredFields Layout(CBaseProduct& p)
{
    p.m_lstCodes = {CPartCode("A", 1, "first", "kind")};
    p.m_lstDefaultCodes = {CPartCode("B", 7), CPartCode("_", 9, "none")};
    CStoredFields fields;
    fields.Base(p, 2);
    return fields;
}

SSelectionHeader Header(int nProdId)
{
    return UsHeader(nProdId, "Product " + std::to_string(nProdId));
}

// The selection part of the file is exactly the expected bytes, and reading them gives an
// equal object of the same class.
template <class T> void ExpectStoredExactly(int nProdId, const T& data, const Bytes& expected)
{
    const Bytes bytes = WriteSelectionBytes(Header(nProdId), data);
    const Bytes stored(bytes.begin() + kSelectionStart, bytes.end());
    const auto mismatch = std::mismatch(stored.begin(), stored.end(), expected.begin(), expected.end());
    ASSERT_EQ(stored, expected) << "product " << nProdId << ", first difference at byte "
                                << (mismatch.first - stored.begin());
    std::string strError;
    const auto loaded = ReadSelectionBytes(bytes, strError);
    ASSERT_TRUE(loaded) << strError;
    const auto* pBack = dynamic_cast<const T*>(loaded->pSelection.get());
    ASSERT_NE(pBack, nullptr) << nProdId;
    EXPECT_TRUE(pBack->IsEqual(data));
    EXPECT_EQ(WriteSelectionBytes(Header(nProdId), *pBack), bytes);
    // Any byte short is refused, never read as a shorter selection.
    EXPECT_FALSE(ReadSelectionBytes(Bytes(bytes.begin(), bytes.end() - 1), strError));
}
} // namespace

TEST(ProductSelections, EachProductIsStoredInItsOwnLayout)
{
    using namespace UnitCategory;
    COvrisolBase ov;
    CStoredFields l = Layout(ov);
    l.U(Pressure, ov.cudPressure)
        .U(Volume, ov.cudCylinderCapacity, ov.cudAccumulatorCapacity, ov.cudCombinedCapacity)
        .U(Distance, ov.cudHighFluidLevel, ov.cudLowFluidLevel, ov.cudReservoirWidth, ov.cudReservoirLength)
        .U(Volume, ov.cudReservoirCapacity, ov.cudCapacityDisplay)
        .C(ov.cpcSeriesCode, ov.cpcSizeCode, ov.cpcConstructionCode, ov.cpcFurtherCode1, ov.cpcFurtherCode2,
           ov.cpcBladderCode, ov.cpcFurtherCode3)
        .U(Temperature, ov.cudMaxEnteredTempFluidCompatibility, ov.cudMinEnteredTempFluidCompatibility,
           ov.cudMaxFluidTempFluidCompatibility, ov.cudMinFluidTempFluidCompatibility)
        .S(ov.strAccumulatorType, ov.strText1, ov.m_strPartNo, ov.strText3, ov.strText4)
        .I(ov.iSizeMethod)
        .S(ov.strSizeMethodText, ov.strConstruction, ov.strSelectedFluid);
    ExpectStoredExactly(2, ov, l.Expected());

    CAccessoryBase acc;
    CStoredFields la = Layout(acc);
    la.U(Volume, acc.cudCapacity)
        .C(acc.cpcBoreCode)
        .U(Distance, acc.cudBore)
        .S(acc.strTypeName, acc.strAccumulatorType, acc.strCapCode, acc.strAccessoryPartNumber, acc.strText5,
           acc.strAccessoryText, acc.strText7, acc.strText8, acc.strText9);
    ExpectStoredExactly(3, acc, la.Expected());

    CRepairKitBase kit;
    CStoredFields lk = Layout(kit);
    lk.S(kit.strKitType, kit.strKit, kit.strPartNumber, kit.strText4);
    ExpectStoredExactly(4, kit, lk.Expected());

    CTransferBase tb;
    CStoredFields lt = Layout(tb);
    lt.U(Volume, tb.cudCapacity)
        .U(Pressure, tb.cudPressure)
        .C(tb.cpcCapCode, tb.cpcPressureCode, tb.cpcServiceCode, tb.cpcSeriesCode)
        .S(tb.strService, tb.m_strPartNo);
    ExpectStoredExactly(5, tb, lt.Expected());
}

TEST(ProductSelections, ASaveUnderAnotherProductsIdWritesNothing)
{
    CRepairKitBase kit;
    kit.strKit = "Seal Kit";
    std::string strError;
    EXPECT_FALSE(SaveSelectionFile("never-written.Ac3", Header(2), kit, strError));
    EXPECT_FALSE(std::filesystem::exists("never-written.Ac3"));
}

TEST(ProductSelections, NewObjectsStartAsTheyShould)
{
    const CAccessoryBase acc;
    EXPECT_EQ(acc.cudCapacity.Value(), 0.0);
    EXPECT_EQ(acc.cudCapacity.GetUnit(), "CU_IN");
    EXPECT_EQ(acc.strAccumulatorType, "Bladder");
    EXPECT_EQ(acc.cpcBoreCode, CPartCode());
    const COvrisolBase ov;
    EXPECT_EQ(ov.strAccumulatorType, "OV");
    EXPECT_EQ(ov.iSizeMethod, 1);
}

TEST(ProductSelections, OvrisolResetsByLevelWithTheCatalogueBladder)
{
    CPromptCapture prompt;
    auto pDb = OpenBuiltCatalogue();
    ASSERT_TRUE(pDb);
    CFakeOwner owner; // metric defaults
    owner.m_pDb = pDb.get();
    owner.m_nProdId = 2;
    COvrisolBase ov;
    ov.m_pOwner = &owner;
    ov.Initialize(0);
    EXPECT_TRUE(prompt->Texts().empty());
    EXPECT_EQ(ov.cpcBladderCode.m_strCode, "-N"); // the catalogue's default compound
    EXPECT_EQ(ov.cudCylinderCapacity.GetUnit(), "L");
    EXPECT_EQ(ov.cudHighFluidLevel.GetUnit(), "MM");
    EXPECT_EQ(ov.cudPressure.GetUnit(), "BARG");
    EXPECT_EQ(ov.cudMaxFluidTempFluidCompatibility, CUnitDouble(110.0, "DEG_C"));
    EXPECT_EQ(ov.cudMinFluidTempFluidCompatibility, CUnitDouble(60.0, "DEG_C"));

    const auto choose = [](COvrisolBase& d)
    {
        d.strText1 = "kept below level 1";
        d.iSizeMethod = COvrisolBase::kFluidLevels;
        d.cudReservoirCapacity.Set(6000.0, "CU_IN");
        d.strConstruction = "Carbon Steel Shell, Epoxy Painted";
        d.cpcSizeCode = CPartCode("-30", 2);
        d.cpcBladderCode = CPartCode("-E", 4, "Ethylene Propylene (EPDM)");
        d.m_lstDefaultCodes = {CPartCode("-1", 5)};
        d.strSelectedFluid = "Water";
    };
    choose(ov);
    COvrisolBase model = ov;
    model.Initialize(2); // the model step: the capacity stays, the model and its codes go
    EXPECT_EQ(model.strText1, "kept below level 1");
    EXPECT_EQ(model.cudReservoirCapacity, CUnitDouble(6000.0, "CU_IN"));
    EXPECT_EQ(model.iSizeMethod, COvrisolBase::kFluidLevels);
    EXPECT_EQ(model.strConstruction, "");
    EXPECT_EQ(model.cpcSizeCode, CPartCode());
    EXPECT_EQ(model.cpcBladderCode.m_strCode, "-N");
    EXPECT_TRUE(model.m_lstDefaultCodes.empty());
    EXPECT_EQ(model.strSelectedFluid, "");
    COvrisolBase capacity = ov;
    capacity.Initialize(1); // the capacity step: the capacity goes too
    EXPECT_EQ(capacity.strText1, "kept below level 1");
    EXPECT_EQ(capacity.cudReservoirCapacity.Value(), 0.0);
    EXPECT_EQ(capacity.iSizeMethod, COvrisolBase::kCapacities);
    capacity.strAccumulatorType = "Bladder";
    capacity.Initialize(3); // nothing to reset from the details on, but the type is always "OV"
    EXPECT_EQ(capacity.strAccumulatorType, "OV");
}

TEST(ProductSelections, OvrisolModelNumberAndStepTexts)
{
    COvrisolBase ov;
    ov.Initialize(0);
    EXPECT_EQ(ov.GetSelectionDisplayText(1), "");
    EXPECT_TRUE(ov.IsStepEnabled(1));
    EXPECT_FALSE(ov.IsStepEnabled(2));
    // 10 L of cylinders and 5 L of accumulators, 1.2 x 15 L.
    ov.cudCombinedCapacity.Set(18.0, "L");
    EXPECT_EQ(ov.GetSelectionDisplayText(1), "Required Volume: 18 L");
    EXPECT_TRUE(ov.IsStepEnabled(2));
    EXPECT_EQ(ov.GetSelectionDisplayText(2), "");
    // The reservoir capacity counts when the combined capacity is 0.
    ov.cudCombinedCapacity.SetValue(0.0);
    ov.cudReservoirCapacity.Set(6000.0, "CU_IN");
    EXPECT_EQ(ov.GetSelectionDisplayText(1), "Required Volume: 6000 in\u00B3");
    ov.cudReservoirCapacity.Set(3051.1872047366, "CU_IN"); // 50 L between two fluid levels
    EXPECT_EQ(ov.GetSelectionDisplayText(1), "Required Volume: 3051.19 in\u00B3");

    // The series' fixed codes count at every level.
    COvrisolBase model = CompleteIsolator(); // OV, 30 gal, galvanized, EPDM
    model.m_nLevel = 1;
    EXPECT_EQ(model.BuildPartNumber(), "OV-30-G-E-1F");
    EXPECT_EQ(model.m_strPartNo, "OV-30-G-E-1F");
    EXPECT_EQ(model.GetSelectionDisplayText(2),
              "30 gal (US), Hot-Dip Galvanized Steel Shell, Ethylene Propylene (EPDM) Bladder");
    EXPECT_FALSE(model.IsComplete());
    model.m_nLevel = 2;
    EXPECT_TRUE(model.IsComplete());
    EXPECT_FALSE(model.IsCadCommandEnabled());
    EXPECT_EQ(model.GetPartDescription(), "Ovrisol Reservoir Isolators");
}

TEST(ProductSelections, TransferBarrierModelNumberCarriesTheBladderCodesOnlyAtLevelTwo)
{
    CTransferBase tb = CompleteTransferBarrier(); // 10 gal, 3000 psi, oil to oil
    tb.m_nLevel = 1;
    EXPECT_EQ(tb.BuildPartNumber(), "TB3-10G-O");
    EXPECT_EQ(tb.GetSelectionDisplayText(2), "");
    tb.m_nLevel = 2;
    EXPECT_EQ(tb.BuildPartNumber(), "TB31-10G-NSSP-O");
    // The capacity and the pressure, each with its unit.
    const std::string kRest = " gal (US),  Pressure 3000 psi,  Oil to Oil (Separates Two Hydraulic Circuits)";
    EXPECT_EQ(tb.GetSelectionDisplayText(2), "Size 10" + kRest);
    tb.cudCapacity.SetValue(2.5);
    EXPECT_EQ(tb.GetSelectionDisplayText(2), "Size 2.5" + kRest);
    EXPECT_EQ(tb.GetSelectionDisplayText(3), "");
    EXPECT_TRUE(tb.IsComplete());
    EXPECT_TRUE(tb.IsCadCommandEnabled());
    EXPECT_EQ(tb.GetPartDescription(), "Transfer Barrier");
    for (int nStep : {1, 3, 4})
        EXPECT_FALSE(tb.IsStepEnabled(nStep)) << nStep;
    EXPECT_TRUE(tb.IsStepEnabled(2));
}

TEST(ProductSelections, AccessoriesAndKitsAreOrderedByTheirPartNumbers)
{
    CAccessoryBase acc;
    EXPECT_EQ(acc.BuildPartNumber(), "");
    EXPECT_EQ(acc.GetSelectionDisplayText(2), "");
    acc.strAccessoryPartNumber = "SB-20";
    acc.strAccessoryText = "Safety and Shut-Off Block, DN20 (3/4 in)";
    EXPECT_EQ(acc.BuildPartNumber(), "SB-20");
    EXPECT_EQ(acc.GetSelectionDisplayText(2), "Description Safety and Shut-Off Block, DN20 (3/4 in)");
    EXPECT_EQ(acc.GetPartDescription(), "Safety and Shut-Off Block, DN20 (3/4 in)");
    EXPECT_FALSE(acc.IsCadCommandEnabled());

    CRepairKitBase kit;
    kit.strKitType = "Piston Seal Kits";
    EXPECT_EQ(kit.GetSelectionDisplayText(2), "");
    kit.strKit = "Piston Seal Kit, PA 4 in Bore, Nitrile (NBR)";
    kit.strPartNumber = "RK-PA4-N";
    EXPECT_EQ(kit.BuildPartNumber(), "RK-PA4-N");
    EXPECT_EQ(kit.GetSelectionDisplayText(2), "Description Piston Seal Kit, PA 4 in Bore, Nitrile (NBR)");
    EXPECT_EQ(kit.GetPartDescription(), "Piston Seal Kits");
    kit.m_nLevel = 3;
    EXPECT_FALSE(kit.IsCadCommandEnabled());
    EXPECT_TRUE(kit.IsComplete());
}
