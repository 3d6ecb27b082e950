// The report map of a complete selection, key by key, for each application; the pictures it
// carries; and what it leaves alone (files, the selection itself).
#include "ReportFixture.h"

#include "CatalogueCopy.h"
#include "CompleteSelections.h"
#include "TempFolder.h"
#include "catalogue/Database.h"
#include "outputs/ReportKeys.h"
#include "outputs/ReportLayout.h"

#include <algorithm>
#include <fstream>
#include <map>

namespace fs = std::filesystem;
using Texts = std::map<std::string, std::string>;

class CReportMapTest : public CReportTest
{
protected:
    void SetUp() override
    {
        CReportTest::SetUp();
        d.ResetApplication(d);
        d.sdMaxSysPress.Set(3000.0, "PSIG");
        d.sdMinSysPress.Set(2000.0, "PSIG");
        d.sdSysTemperature.Set(70.0, "DEG_F");
    }
};

TEST_F(CReportMapTest, SupplementingPumpFlowEveryValueKey)
{
    d.deSelectApp = 1;
    d.deSelectCalcMethod = 0;
    d.sdActVolDisplacement.Set(150.0, "CU_IN");
    d.sdActuationTime.Set(2.0, "SEC");
    d.sdDwellTime.Set(8.0, "SEC");
    d.sdEnterPumpSize.Set(10.0, "GPM");
    d.sdPrechargePress.Set(1900.0, "PSIG");
    d.sdRequiredAccumulatorVol.Set(499.4512, "CU_IN");
    d.sdPolyTropicExponent.Set(1.8612, "NONE");
    d.sdPolyTropicExponentCharging.Set(1.0, "NONE");
    d.sdMinPumpFlow.Set(3.896, "GPM");
    d.cudFlow.Set(9.4818, "GPM");
    d.cpcCertCode = CPartCode("_", 9, "None");
    const SSelectionReport report = Report();
    // The sized accumulator's gas from the maximum pressure down, in the selection's units; no cycle.
    ASSERT_FALSE(report.gasStates.states.empty());
    EXPECT_NEAR(report.gasStates.states.front().dPressurePsia, 3014.7, 0.1);
    EXPECT_EQ(report.gasUnits.strPressure, "PSIG");
    EXPECT_EQ(report.gasUnits.strVolume, "CU_IN");
    EXPECT_TRUE(report.cycle.empty());
    ExpectTexts(report.map,
                {{"AccumSeriesVAL", "PA"},
                 {"AccQtyVAL", "1"},
                 {"GBQtyVAL", "0"},
                 {"AccumTypeVAL", "Piston, 4 in Bore"},
                 {"AccumulatorType", "Piston"},
                 {"AccumWGasBottle", "0"},
                 {"PumpRunningVAL", "Yes"},
                 {"ApplicationNum", "1"},
                 {"ApplicationVAL", "Supplementing Pump Flow"},
                 {"ApprovalVAL", "None"},
                 {"BoreSizeVAL", "4  in"},
                 {"CalcMethodNum", "0"},
                 {"CalcMethodVAL", "Actuator Volumetric Displacement"},
                 {"CapacityRequiredVAL", "499.45  in\u00B3"},
                 {"CapacityVAL", "2.5  gal (US)"},
                 {"CertificationVAL", "None"}, // "_" adds nothing to the number, so it is not shown
                 {"SealClassVAL", "Nitrile (NBR)"},
                 {"ConstructionVAL", "S Carbon Steel"},
                 {"ActuatorVolumeVAL", "150.00  in\u00B3"},
                 {"ActuationTimeVAL", "2  sec"},
                 {"DwellTimeVAL", "8 sec"},
                 {"PumpSizeVAL", "10  gpm (US)"},
                 {"PumpFlowRateVAL", "10  gpm (US)"},
                 {"FlowRatePriorVAL", "10  gpm (US)"},
                 {"PressureRequiredVAL", "3000  psi"},
                 {"MaxPressureVAL", "3000 psi"},
                 {"PressureRatingVAL", "3000  psi"},
                 {"MinPressureVAL", "2000  psi"},
                 {"SystemTempVAL", "70  \u00B0F"},
                 {"PrechargePressureVAL", "1900  psi"},
                 // Two decimals with their zeros, as the results dialog shows them.
                 {"PolytropicExponentVAL", "1.86"},
                 {"PolytropicExponentChargingVAL", "1.00"},
                 {"MinimumPumpRequiredVAL", "3.9  gpm (US)"},
                 {"FlowRateVAL", "9.48  gpm (US)"},
                 {"FlowRateRequiredVAL", "0"},
                 {"FlowRateUnitVAL", "gpm (US)"},
                 {"MODELNUMBERVAL", "PA31-4-2.5G-NS"},
                 {"Series", "PA Piston Accumulator, Inch"},
                 {"PortTypeVAL", "1 Standard Ports"},
                 {"PortSizeVAL", ""},
                 {"ReportDateVAL", "March 5 2001 - 14:07:09"},
                 {"SoftwareVersionVAL", TESMARA_VERSION},
                 {"GRAPHICSPATH", "/opt/tesmara/graphics/"},
                 {"DimPicture", "image.jpg"},
                 {"LastChangeVAL", ""},
                 {"StringTestVAL", ""},
                 {"ProdIll", "Piston, bladder and diaphragm accumulators sized for your application."},
                 {"ProductName", "0"},
                 {"ProductTypeVAL", "Accumulators"},
                 {"CylinderAffectsVAL", "Extend"},
                 {"TimeUnitVAL", "sec"},
                 // The flags: "0" for a true PumpType and ValveSelection, "1" for the others.
                 {"PumpType", "0"},
                 {"PumpTypeVAL", "Variable Volume Pump"},
                 {"ValveSelection", "0"},
                 {"PipeSelection", "1"},
                 {"PumpFlowMethod", "1"}});
    EXPECT_EQ(report.map.Text("WarningVAL").rfind("Read the Dalrow accumulator safety guide", 0), 0u);
    // Label keys from the catalogue; no events, no options.
    EXPECT_EQ(report.map.Text("CapacityRequiredLBL"), "Required Capacity:");
    EXPECT_EQ(report.map.Text("ReportTitleLBL"), "Selection Report");
    EXPECT_FALSE(report.map.Has(reportkey::kOptionsSelected));
    for (const auto& [strKey, texts] : report.map.Entries())
        EXPECT_FALSE(strKey.rfind(reportkey::EventKey(""), 0) == 0 && strKey.find("VAL") != std::string::npos)
            << strKey;
    // Key names are exact: nothing is stored under another case.
    EXPECT_FALSE(report.map.Has("modelnumberval"));
}

TEST_F(CReportMapTest, EachApplicationsOwnKeys)
{
    struct SCase
    {
        int nApp;
        void (*setUp)(CAccumulatorData&);
        Texts expected;
    };
    const SCase cases[] = {
        {0,
         [](CAccumulatorData& s)
         {
             s.sdRequiredAccumulatorVol.Set(250.0, "CU_IN");
             s.sdMaxSysPress.Set(207.0, "BAR");
         },
         {{"ApplicationVAL", "I know the required accumulator capacity"},
          {"CapacityRequiredVAL", "250  in\u00B3"},
          {"PressureRequiredVAL", "207  bar a"}}},
        {3,
         [](CAccumulatorData& s)
         {
             s.deSelectCalcMethod = 1;
             s.sdCylDim_BoreDia.Set(50.0, "MM");
             s.sdCylDim_RodDia.Set(28.0, "MM");
             s.sdCylDim_StrokeLen.Set(300.0, "MM");
             s.siCylDim_NoCylParallel.Set(2, "NONE");
             s.enumCylAffects = 2;
         },
         {{"ApplicationVAL", "Auxiliary Power Source"},
          {"CalcMethodNum", "1"},
          {"CalcMethodVAL", "Cylinder Dimensions"},
          {"CylinderBoreVAL", "50  mm"},
          {"CylinderRodVAL", "28 mm"},
          {"CylinderStrokeVAL", "300  mm"},
          {"CylinderNumberVAL", "2"},
          {"CylinderAffectsVAL", "Both"}}},
        {4,
         [](CAccumulatorData& s)
         {
             s.bHoldLeakageRateChoice = 0;
             s.siHoldNoOfValves.Set(3, "NONE");
             s.sdHoldTimeHold.Set(30.0, "MIN");
             s.sdHoldLeakageRate.Set(1.2345, "CU_IN_MIN");
         },
         {{"ApplicationVAL", "Holding / Leakage Compensation"},
          {"ValveSelection", "1"},
          {"NumberValvesVAL", "3"},
          {"ValveSizeVAL", "0.75  in"},
          {"TimeToHoldVAL", "30  min"},
          {"TimeUnitVAL", "min"},
          {"EstimatedLeakageVAL", "1.2345  in\u00B3/min"}}},
        {5,
         [](CAccumulatorData& s)
         {
             s.sdShockMaxShockPress.Set(3500.0, "PSIG");
             s.strShockFluid = "Water Glycol";
             s.sdShockTubeLength.Set(40.0, "FT");
             s.bShockPipeOrTube = 0;
             s.strShockNominalSize = "1 1/4";
             s.strShockSchedule = "80";
             s.sdEnterPumpSize.Set(25.0, "GPM");
             s.dShockSchedule = 1.278;
             s.dShockFluidDensity = 0.036;
         },
         {{"ApplicationVAL", "Shock Suppression"},
          {"MaxShockPressureVAL", "3500  psi"},
          {"FluidVAL", "Water Glycol"},
          {"PipeLengthVAL", "40  ft"},
          {"PipeSelection", "0"},
          {"PipeTubeSizeVAL", "1 1/4"},
          {"PipeScheduleVAL", "80"},
          {"FlowRatePriorVAL", "25  gpm (US)"},
          // What the formula took besides the entries, in its own units, and the assumed temperature.
          {"LineInsideDiameterVAL", "1.278  in"},
          {"FluidDensityVAL", "0.036  lb/in\u00B3"},
          {"AssumedTempVAL", "70  \u00B0F"}}},
        {6,
         [](CAccumulatorData& s)
         {
             s.iPulsationNoOfPistInPump = 7;
             s.iPulsationPumpSpeed = 1800;
             s.sdPulsationPumpDisp.Set(2.5, "CU_IN_REV");
             s.bPulsationEnterPumpDispOrCalc = 0;
             s.sdFlowRate.Set(12.5, "LPM");
         },
         {{"ApplicationVAL", "Piston Pump Pulsation Dampening"},
          {"NumberPistonsVAL", "7"},
          {"PumpSpeedVAL", "1800"},
          {"PumpDisplacementVAL", "2.5  in\u00B3/rev"},
          {"PumpFlowMethod", "0"},
          {"FlowRateRequiredVAL", "12.5"},
          {"FlowRateUnitVAL", "lpm"}}},
        {7,
         [](CAccumulatorData& s)
         {
             s.bShockVarOrFixed = 0;
             s.sdShockResponseTime.Set(0.05, "SEC");
             s.sdFlowRate.Set(30.0, "GPM");
         },
         {{"ApplicationVAL", "Compensating for Shock Due to Component Response Time"},
          {"PumpType", "1"},
          {"PumpTypeVAL", "Fixed Displacement Pump"},
          {"ResponseTimeVAL", "0.05  sec"},
          {"FlowRateRequiredVAL", "30"}}},
    };
    for (const SCase& c : cases)
    {
        SCOPED_TRACE(c.nApp);
        d.ResetApplication(d);
        d.deSelectApp = c.nApp;
        c.setUp(d);
        const SSelectionReport report = Report();
        ExpectTexts(report.map, c.expected);
        EXPECT_EQ(report.map.Text("ApplicationNum"), std::to_string(c.nApp));
    }
}

TEST_F(CReportMapTest, EventsHaveTheirOwnKeysAndTheSingleValuesStay)
{
    d.deSelectApp = 2;
    d.sdMultiEventTotalDuration.Set(12.5, "SEC");
    d.cudFlow.Set(15.254, "GPM");
    d.sdCylDim_BoreDia.Set(3.0, "IN");
    SEvent first;
    first.iActNo = 1;
    first.iEventNo = 1;
    first.bPumpAvail = 1;
    first.sdFlowrate.Set(4.5, "GPM");
    first.sdVolume.Set(0.0, "CU_IN");
    first.sdBoreDia.Set(0.0, "IN");
    first.sdEvStartTime.Set(0.0, "SEC");
    first.sdEvDuration.Set(1.5, "SEC");
    SEvent second = first;
    second.iActNo = 2;
    second.bPumpAvail = 0;
    second.enumActVolForEvent = 2;
    second.sdFlowrate.Set(0.0, "GPM");
    second.sdVolume.Set(37.7, "CU_IN");
    second.sdBoreDia.Set(2.0, "IN");
    second.sdRodDia.Set(1.0, "IN");
    second.sdStrokeLength.Set(12.0, "IN");
    second.eExtendRetract = 1;
    second.sdEvStartTime.Set(4.25, "SEC");
    d.m_lstEvents = {first, second};
    d.m_caSelectedOptionArray = {{0, CPartCode("G", 20, "Gas Valve Guard")}};
    d.cpcOptionCode = CPartCode("-G", 12);
    d.sdEnterPumpSize.Set(0.0, "GPM");

    const SSelectionReport report = Report();
    // The cycle graph without a pump: 4.5 gpm for 1.5 s (25.9875 in3), then 37.7 in3, never made up
    // (within the simulation's time grid).
    ASSERT_FALSE(report.cycle.empty());
    double dPeak = 0.0;
    for (const auto& point : report.cycle)
        dPeak = std::max(dPeak, point.dVolumeIn3);
    EXPECT_NEAR(dPeak, 4.5 * 231.0 / 60.0 * 1.5 + 37.7, 0.1);
    EXPECT_NEAR(report.cycle.back().dVolumeIn3, dPeak, 1e-6);
    const auto events = [&](const char* pszColumn) { return report.map.List(reportkey::EventKey(pszColumn)); };
    using T = CReportMap::Texts;
    EXPECT_EQ(events("ActuatorNumberVAL"), (T{"1", "2"}));
    EXPECT_EQ(events("EventNumberVAL"), (T{"1", "1"}));
    EXPECT_EQ(events("PumpRunningVAL"), (T{"Yes", "No"}));
    EXPECT_EQ(events("FlowRateVAL"), (T{"4.5", "0"}));
    EXPECT_EQ(events("FlowRateUnitVAL"), (T{"gpm (US)", "gpm (US)"}));
    EXPECT_EQ(events("VolumeVAL"), (T{"0", "37.7"}));
    EXPECT_EQ(events("CylinderBoreVAL"), (T{"0", "2"}));
    EXPECT_EQ(events("CylinderRodVAL"), (T{"0", "1"}));
    EXPECT_EQ(events("CylinderStrokeVAL"), (T{"0", "12"}));
    EXPECT_EQ(events("CylinderUnitVAL"), (T{"in", "in"}));
    EXPECT_EQ(events("CylinderAffectsVAL"), (T{"Extend", "Retract"}));
    EXPECT_EQ(events("StartTimeVAL"), (T{"0", "4.25"}));
    EXPECT_EQ(events("DurationVAL"), (T{"1.5", "1.5"}));
    EXPECT_EQ(events("PumpActionVAL"), (T{"Pump On", "Pump Off"}));
    // The single values of the same names are the application's, not the last event's.
    ExpectTexts(report.map, {{"FlowRateVAL", "15.25  gpm (US)"},
                             {"PumpRunningVAL", "Yes"},
                             {"CylinderBoreVAL", "3  in"},
                             {"CylinderAffectsVAL", "Extend"},
                             {"FlowRateUnitVAL", "gpm (US)"},
                             {"TotalDurationVAL", "12.5  sec"}});
    EXPECT_EQ(report.map.List(reportkey::kOptionsSelected), T{"G"});
    EXPECT_EQ(report.map.List(reportkey::kOptionsDescription), T{"Gas Valve Guard"});
    EXPECT_EQ(report.map.List(reportkey::kModelCodeDescription).back(), "Gas Valve Guard") << "the option code";
}

TEST_F(CReportMapTest, DimensionsAndPicturesOfTheModel)
{
    const SSelectionReport report = Report();
    // Length: 577.5 in3 over a 4 in bore is 45.96 in, plus two 3 in end caps; the wall of
    // 3000 psi in a 4 in bore rounds the outside diameter up to 4.5 in.
    EXPECT_EQ(report.map.List(reportkey::kDimLabel),
              (CReportMap::Texts{"A - Overall Length", "B - Outside Diameter", "C - Hydraulic Port",
                                 "D - Gas Valve / Port", "Gas Volume", "Weight (approx.)"}));
    const CReportMap::Texts& values = report.map.List(reportkey::kDimValue);
    ASSERT_EQ(values.size(), 6u);
    EXPECT_EQ(values[0], "52 in");
    EXPECT_EQ(values[1], "4.5 in");
    EXPECT_EQ(values[4], "2.5 gal");
    EXPECT_EQ(values[5], "62.5 lb");

    // The pictures travel with the report as JPEG bytes.
    ExpectJpeg(report.picture, "DimPiston.jpg");
    ExpectJpeg(report.brand, "Dalrow.jpg");
    // Printed 3.75 in wide, sharp at 300 dpi: 1125 pixels or more, by the JPEG's frame header.
    const std::vector<unsigned char>& jpeg = report.picture.bytes;
    std::size_t nWidth = 0;
    for (std::size_t i = 2; i + 8 < jpeg.size() && nWidth == 0; i += 2 + (jpeg[i + 2] << 8 | jpeg[i + 3]))
        nWidth = jpeg[i + 1] >= 0xC0 && jpeg[i + 1] <= 0xC2 ? jpeg[i + 7] << 8 | jpeg[i + 8] : 0;
    EXPECT_GE(nWidth, 1125u);
    EXPECT_TRUE(report.problems.empty());

    // The best match comes last: a gas port modification has a drawing of its own.
    d.cpcGasPortModTypeCode = CPartCode("S", 10, "SAE Straight Thread Gas Port");
    EXPECT_EQ(Report().picture.strName, "DimPistonGasPort.jpg");
}

TEST_F(CReportMapTest, TheReportWritesNoFileAndChangesNothing)
{
    // Files of others in the picture folder the report once used stay where they are.
    const CTempFolder temp;
    const fs::path& folder = temp.Path();
    fs::create_directories(folder / "graphics");
    std::ofstream(folder / "graphics" / "mine.jpg") << "not the report's";
    context.applicationFolder = folder;
    d.m_lstCodes.clear();
    const CAccumulatorData before(d);
    const SSelectionReport report = Report();
    EXPECT_EQ(report.map.Text("MODELNUMBERVAL"), "PA31-4-2.5G-NS");
    EXPECT_TRUE(d.IsEqual(before));
    EXPECT_TRUE(d.m_lstCodes.empty());
    std::size_t nFiles = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        nFiles += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(nFiles, 1u);
    EXPECT_TRUE(fs::exists(folder / "graphics" / "mine.jpg"));
}

TEST_F(CReportMapTest, APictureTheCatalogueCannotGiveIsToldOnceAndTheReportStands)
{
    const fs::path copy = CopyOfCatalogue("AccUS.db");
    Exec(copy, "DELETE FROM Images WHERE ImageName = 'DimPiston.jpg'");
    IDatabase damaged;
    ASSERT_TRUE(damaged.Open(copy.parent_path(), "Acc", "US"));
    m_owner.m_pDb = &damaged;
    context.pDatabase = &damaged;
    const SSelectionReport report = Report();
    EXPECT_EQ(report.problems,
              std::vector<std::string>{"The picture \"DimPiston.jpg\" could not be read from the catalogue."});
    EXPECT_TRUE(report.picture.IsEmpty());
    EXPECT_FALSE(report.brand.IsEmpty());
    EXPECT_EQ(report.map.Text("MODELNUMBERVAL"), "PA31-4-2.5G-NS");
    EXPECT_EQ(report.map.List(reportkey::kDimLabel).size(), 6u);
}

TEST_F(CReportMapTest, AGasBottleChosenByItself)
{
    m_owner.m_nProdId = 1;
    context.nProdId = 1;
    context.strProdType = "Gas Bottles";
    ChooseGasBottle(d);
    const SSelectionReport report = Report();
    ExpectTexts(report.map, {{"MODELNUMBERVAL", "GB3-10G-S1"},
                             {"ProductName", "1"},
                             {"ProductTypeVAL", "Gas Bottles"},
                             {"AccumTypeVAL", "Gas Bottle, 10 gal"},
                             {"GasPortVAL", "SAE-16 Gas Port (1-5/16-12 UN)"},
                             {"GasValvePortVAL", "Standard Gas Charging Valve (7/8-14 UNF)"}});
    // An 8 in shell of 2310 in3 is 45.96 in long, plus 0.8 x 8 in of heads and 2 in of ends; its
    // 3000 psi wall of 0.43 in rounds the diameter up to the next 1/8 in.
    const CReportMap::Texts& values = report.map.List(reportkey::kDimValue);
    ASSERT_EQ(values.size(), 6u);
    EXPECT_EQ(values[0], "54.4 in");
    EXPECT_EQ(values[1], "8.875 in");
    EXPECT_EQ(values[2], "SAE-16 Gas Port (1-5/16-12 UN)");
    EXPECT_EQ(report.picture.strName, "DimGasBottle.jpg");
}

TEST_F(CReportMapTest, AGasBottleWithAPistonBodyIsAGasBottleInEveryOutput)
{
    // PG31-9-10G-NS-F2 as "Select Gas Bottle" and its details leave it: the body's port
    // modification defaults are held but are not part of the number.
    m_owner.m_nProdId = 1;
    context.nProdId = 1;
    d.strAccumulatorDesc = "Piston-Style Gas Bottle, 3000 psi, 9 in Bore, 10 gal";
    d.cpcSeriesCode = CPartCode("PG", 1);
    d.cpcPressureCode = CPartCode("3", 2);
    d.cpcNomBoreCode = CPartCode("-9", 4);
    d.cpcCapCode = CPartCode("-10G", 5);
    d.cpcDesignNumber = CPartCode("1", 3);
    d.cpcPortCode.Reset();
    d.cpcPortModTypeCode = CPartCode("S", 7, "SAE Straight Thread", "Hydraulic Type");
    d.cpcPortModSizeCode = CPartCode("16", 8, "SAE-16", "Hydraulic Size");
    d.cpcGasPortCode = CPartCode("-F", 12, "1-1/2 in SAE 4-Bolt Flange Gas Port, Code 61");
    d.cpcGasValveCode = CPartCode("2", 13, "Gas Charging Valve with Gauge Port");
    d.cudCapacityAccEach.Set(10.0, "GAL");
    d.cudBoreDisplay.Set(9.0, "IN");
    d.strApproval.clear();
    EXPECT_FALSE(d.IsCadCommandEnabled()) << "no drawing of an accumulator for a gas bottle";

    const SSelectionReport report = Report();
    EXPECT_EQ(report.map.Text("MODELNUMBERVAL"), "PG31-9-10G-NS-F2");
    EXPECT_EQ(report.picture.strName, "DimPistonGasBottle.jpg");
    // Its two gas ends, and no fluid port.
    EXPECT_EQ(report.map.List(reportkey::kDimLabel),
              (CReportMap::Texts{"A - Overall Length", "B - Outside Diameter", "C - Gas Port", "D - Gas Valve",
                                 "Gas Volume", "Weight (approx.)"}));
    const CReportMap::Texts& values = report.map.List(reportkey::kDimValue);
    ASSERT_EQ(values.size(), 6u);
    EXPECT_EQ(values[2], "1-1/2 in SAE 4-Bolt Flange Gas Port, Code 61");
    EXPECT_EQ(values[3], "Gas Charging Valve with Gauge Port");
    EXPECT_EQ(values[4], "10 gal");

    // Every code of the number with what it stands for, from the catalogue or the selection.
    EXPECT_EQ(report.map.List(reportkey::kModelCode),
              (CReportMap::Texts{"PG", "3", "1", "-9", "-10G", "-N", "S", "-F", "2"}));
    EXPECT_EQ(report.map.List(reportkey::kModelCodeDescription),
              (CReportMap::Texts{"Piston-Style Gas Bottle", "3000 psi", "Standard Ports (SAE Straight Thread)", "9 in",
                                 "10 gal (US)", "Nitrile (NBR)", "Carbon Steel",
                                 "1-1/2 in SAE 4-Bolt Flange Gas Port, Code 61",
                                 "Gas Charging Valve with Gauge Port"}));
    const std::vector<std::string> lines = LinesOf(ReportLayout(report.map));
    for (const char* pszLine : {"Gas Valve Port: Gas Charging Valve with Gauge Port",
                                "Gas Port: 1-1/2 in SAE 4-Bolt Flange Gas Port, Code 61",
                                "Accumulator Series: PG Piston-Style Gas Bottle"})
        EXPECT_TRUE(Contains(lines, pszLine)) << pszLine;
    for (const std::string& strLine : lines)
        EXPECT_EQ(strLine.find("Hydraulic Port Modification"), std::string::npos) << strLine;
}
