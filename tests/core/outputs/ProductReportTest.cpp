// The reports of the products chosen besides accumulators: each one's keys with their texts, its
// dimensions and pictures from the built catalogue, the rows its layout prints, and the keys it
// leaves empty.
#include "CompleteSelections.h"
#include "ReportFixture.h"

#include "outputs/ReportKeys.h"
#include "selection/AccessoryBase.h"
#include "selection/OvrisolBase.h"
#include "selection/RepairKitBase.h"
#include "selection/TransferBase.h"

using Lines = std::vector<std::string>;

class CProductReportTest : public CReportTest
{
protected:
    SSelectionReport ReportOf(const CBaseProduct& selection, int nProdId, const std::string& strType)
    {
        m_owner.m_nProdId = nProdId;
        context.nProdId = nProdId;
        context.strProdType = strType;
        context.strProdDescription = strType + " from the catalogue.";
        return PrintSelectionReport(selection, context);
    }

    COvrisolBase Isolator()
    {
        COvrisolBase ov = IsolatorByCapacities();
        ov.m_pOwner = &m_owner;
        return ov;
    }
};

TEST_F(CProductReportTest, AReservoirIsolatorSizedByItsCapacities)
{
    const COvrisolBase ov = Isolator();
    const SSelectionReport report = ReportOf(ov, 2, "Reservoir Isolators");
    ExpectTexts(report.map, {{"MODELNUMBERVAL", "OV-20-S-N-1F"},
                             {"ProductName", "2"},
                             {"ProdIll", "Reservoir Isolators from the catalogue."},
                             {"ProductTypeVAL", "Reservoir Isolators"},
                             {"DescriptionVAL", "Ovrisol Reservoir Isolators"},
                             {"ApplicationVAL", "Cylinder and accumulator capacities"},
                             {"AccumTypeVAL", "OV"},
                             {"AccumSeriesVAL", "OV"},
                             {"CalcMethodNum", "1"},
                             {"ReportDateVAL", "March 5 2001 - 14:07:09"},
                             {"SoftwareVersionVAL", TESMARA_VERSION},
                             // Keys of the accumulators' reports stay empty.
                             {"PressureRequiredVAL", ""},
                             {"Series", ""},
                             {"ServiceVAL", ""}});
    EXPECT_FALSE(report.map.Text("WarningVAL").empty());
    // The -20 size in carbon steel: 35.5 in long, 16 in across, a 6 in flange, 78 lb.
    EXPECT_EQ(report.map.List(reportkey::kDimLabel),
              (CReportMap::Texts{"A - Overall Length", "B - Shell Diameter", "C - Reservoir Connection",
                                 "D - Breather", "Construction", "Breathing Volume", "Weight (approx.)"}));
    EXPECT_EQ(report.map.List(reportkey::kDimValue),
              (CReportMap::Texts{"35.5 in", "16 in", "6 in ANSI Class 150 Flange", "1-1/4 in NPT, 10 Micron Filter",
                                 "Carbon Steel Shell, Epoxy Painted", "20 gal", "78 lb"}));
    // Its own drawing, and the isolator line's brand instead of the maker's.
    ExpectJpeg(report.picture, "DimOvrisol.jpg");
    ExpectJpeg(report.brand, "Ostrel.jpg");
    EXPECT_TRUE(report.problems.empty());
    EXPECT_TRUE(ov.m_strPartNo.empty()) << "the model number is made on a copy";

    const SReportLayout layout = ReportLayout(report.map);
    EXPECT_EQ(layout.strModelNumber, "OV-20-S-N-1F");
    EXPECT_EQ(layout.strDescription, "Ovrisol Reservoir Isolators");
    const Lines lines = LinesOf(layout);
    // One blank before the capacity's unit, two before the others'.
    for (const char* pszLine : {"Series: OV", "Capacity: 20 gal (US)", "Cylinder Capacity: 10  gal (US)",
                                "Accumulator Capacity: 5  gal (US)", "Required Capacity: 18  gal (US)",
                                "Seal Class: Nitrile (NBR)", "Construction: Carbon Steel Shell, Epoxy Painted"})
        EXPECT_TRUE(Contains(lines, pszLine)) << pszLine;
    EXPECT_FALSE(Contains(lines, "Accumulator: OV")) << "the isolator's type is its series";
    EXPECT_FALSE(Contains(lines, "Reservoir Width: 0  in"));
}

TEST_F(CProductReportTest, AReservoirIsolatorSizedByItsReservoir)
{
    COvrisolBase ov = Isolator();
    ov.iSizeMethod = COvrisolBase::kFluidLevels;
    ov.strSizeMethodText = "Reservoir fluid levels";
    ov.cudCombinedCapacity.Set(0.0, "GAL");
    ov.cudHighFluidLevel.Set(20.0, "IN");
    ov.cudLowFluidLevel.Set(12.5, "IN");
    ov.cudReservoirWidth.Set(24.0, "IN");
    ov.cudReservoirLength.Set(36.0, "IN");
    // (20 - 12.5) x 24 x 36 = 6480 in3.
    ov.cudReservoirCapacity.Set(6480.0, "CU_IN");
    // The codes as the model list and the series' codes give them, without texts.
    ov.cpcSeriesCode.m_strDescription.clear();
    ov.cpcSizeCode.m_strDescription.clear();
    ov.m_lstDefaultCodes = {CPartCode("-1", 5), CPartCode("F", 6)};
    const SSelectionReport report = ReportOf(ov, 2, "Reservoir Isolators");
    EXPECT_EQ(report.map.Text("CalcMethodNum"), "0");
    const Lines lines = LinesOf(ReportLayout(report.map));
    for (const char* pszLine : {"Application: Reservoir fluid levels", "High Fluid Level: 20  in",
                                "Low Fluid Level: 12.5  in", "Reservoir Width: 24  in", "Reservoir Length: 36  in",
                                "Required Capacity: 6480  in\u00B3"})
        EXPECT_TRUE(Contains(lines, pszLine)) << pszLine;
    EXPECT_EQ(report.map.List(reportkey::kModelCodeDescription),
              (CReportMap::Texts{"Ovrisol Reservoir Isolator", "20 gal (US)", "Carbon Steel Shell, Epoxy Painted",
                                 "Nitrile (NBR)", "Current Design", "Filtered Breather"}));
    // The capacities of the other method are not this selection's.
    EXPECT_FALSE(Contains(lines, "Cylinder Capacity: 10  gal (US)"));
}

TEST_F(CProductReportTest, ATransferBarrierWithItsBladderCodesAndDimensions)
{
    CTransferBase tb = CompleteTransferBarrier();
    tb.m_pOwner = &m_owner;
    tb.m_strPartNo.clear();

    const SSelectionReport report = ReportOf(tb, 5, "Transfer Barriers");
    ExpectTexts(report.map, {{"MODELNUMBERVAL", "TB31-10G-NSSP-O"},
                             {"ProdIll", "Transfer Barriers from the catalogue."},
                             {"ProductName", "5"},
                             // The product's type stands as its description.
                             {"DescriptionVAL", "Transfer Barriers"},
                             {"SoftwareVersionVAL", TESMARA_VERSION},
                             {"ProductTypeVAL", ""},
                             {"SealClassVAL", ""}});
    // The 10 gal, 3000 psi shell with a port in place of the gas valve.
    const CReportMap::Texts& labels = report.map.List(reportkey::kDimLabel);
    const CReportMap::Texts& values = report.map.List(reportkey::kDimValue);
    ASSERT_EQ(labels.size(), 6u);
    ASSERT_EQ(values.size(), 6u);
    EXPECT_EQ(labels[0] + " " + values[0], "A - Overall Length 56.9 in");
    EXPECT_EQ(labels[1] + " " + values[1], "B - Shell Diameter 8.875 in");
    EXPECT_EQ(labels[4] + " " + values[4], "Capacity 10 gal");
    EXPECT_EQ(labels[5] + " " + values[5], "Weight (approx.) 193.9 lb");
    ExpectJpeg(report.picture, "DimTransferBarrier.jpg");
    ExpectJpeg(report.brand, "Ostrel.jpg");
    EXPECT_TRUE(report.problems.empty());
    EXPECT_TRUE(tb.m_strPartNo.empty()) << "the model number is made on a copy";

    const Lines lines = LinesOf(ReportLayout(report.map));
    for (const char* pszLine : {"Capacity: 10  gal (US)", "Pressure Rating: 3000  psi",
                                "Service: Oil to Oil (Separates Two Hydraulic Circuits)"})
        EXPECT_TRUE(Contains(lines, pszLine)) << pszLine;

    // Before Choose Model is confirmed the bladder codes are not part of the model number.
    tb.m_nLevel = 1;
    EXPECT_EQ(ReportOf(tb, 5, "Transfer Barriers").map.Text("MODELNUMBERVAL"), "TB3-10G-O");
}

TEST_F(CProductReportTest, AnAccessoryAndARepairKitHaveNoDrawing)
{
    CAccessoryBase accessory;
    accessory.m_nLevel = 2;
    accessory.strAccumulatorType = "Piston";
    accessory.strAccessoryPartNumber = "ACC-1234";
    accessory.strAccessoryText = "Gas Charging Kit";
    accessory.cudCapacity.Set(2.5, "GAL");
    accessory.cudBore.Set(4.0, "IN");
    SSelectionReport report = ReportOf(accessory, 3, "Accessories");
    ExpectTexts(report.map, {{"MODELNUMBERVAL", "ACC-1234"},
                             {"ProdIll", "Accessories from the catalogue."},
                             {"ProductName", "3"},
                             {"DescriptionVAL", "Gas Charging Kit"},
                             {"CapacityVAL", "2.5 gal (US)"},
                             {"AccumulatorType", ""},
                             {"ProductTypeVAL", ""}});
    EXPECT_FALSE(report.map.Has(reportkey::kDimLabel));
    EXPECT_TRUE(report.picture.IsEmpty());
    ExpectJpeg(report.brand, "Dalrow.jpg"); // the maker's logo still heads it
    EXPECT_TRUE(report.problems.empty());
    Lines lines = LinesOf(ReportLayout(report.map));
    EXPECT_TRUE(Contains(lines, "Bore Size: 4 in"));
    EXPECT_TRUE(Contains(lines, "Accumulator: Piston"));
    // A bladder accumulator's accessory has no bore to show.
    accessory.strAccumulatorType = "Bladder";
    lines = LinesOf(ReportLayout(ReportOf(accessory, 3, "Accessories").map));
    EXPECT_FALSE(Contains(lines, "Bore Size: 4 in"));

    CRepairKitBase kit;
    kit.m_nLevel = 2;
    kit.strKitType = "Seal Kits";
    kit.strKit = "Seal Kit, Piston 4 in Bore, Nitrile";
    kit.strPartNumber = "RK-4-N";
    report = ReportOf(kit, 4, "Repair Kits");
    ExpectTexts(report.map, {{"MODELNUMBERVAL", "RK-4-N"},
                             {"ProductName", "4"},
                             {"ProductTypeVAL", "Repair Kits"},
                             {"DescriptionVAL", "Seal Kit, Piston 4 in Bore, Nitrile"},
                             {"ProdIll", ""},
                             {"CapacityVAL", ""}});
    EXPECT_TRUE(report.picture.IsEmpty());
    ExpectJpeg(report.brand, "Dalrow.jpg");
    const SReportLayout layout = ReportLayout(report.map);
    EXPECT_EQ(layout.strModelNumber, "RK-4-N");
    EXPECT_EQ(layout.strProduct, "Repair Kits");
    EXPECT_EQ(layout.strDescription, "Seal Kit, Piston 4 in Bore, Nitrile");
    EXPECT_TRUE(layout.application.empty());
    EXPECT_TRUE(layout.dimensions.rows.empty());
}

TEST_F(CProductReportTest, EachProductWarnsInItsOwnWords)
{
    d.ResetApplication(d);
    const COvrisolBase isolator = Isolator();
    const std::pair<const CBaseProduct*, std::pair<int, const char*>> cases[] = {
        {&d, {0, "servicing this accumulator"}},
        {&d, {1, "servicing this gas bottle"}},
        {&isolator, {2, "The reservoir must not be pressurized"}},
        {nullptr, {3, "before fitting this accessory"}},
        {nullptr, {4, "the instructions of the kit"}},
        {nullptr, {5, "servicing this transfer barrier"}}};
    const CAccessoryBase accessory = CompleteAccessory();
    const CRepairKitBase kit = CompleteRepairKit();
    const CTransferBase barrier = CompleteTransferBarrier();
    const CBaseProduct* others[] = {&accessory, &kit, &barrier};
    for (const auto& [pSelection, expected] : cases)
    {
        const auto& [nProdId, pszWords] = expected;
        const CBaseProduct& selection = pSelection ? *pSelection : *others[nProdId - 3];
        const std::string strWarning = ReportOf(selection, nProdId, "Product").map.Text("WarningVAL");
        EXPECT_NE(strWarning.find(pszWords), std::string::npos) << nProdId << ": " << strWarning;
        if (nProdId != 0)
            EXPECT_EQ(strWarning.find("this accumulator"), std::string::npos) << nProdId;
    }
}
