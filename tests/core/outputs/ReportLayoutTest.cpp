// What the report prints of a map: the rows of each product and application, the captions from
// the catalogue, and the event table.
#include "CompleteSelections.h"
#include "ReportFixture.h"

#include "outputs/ReportKeys.h"
#include "outputs/ReportLayout.h"

namespace
{
std::vector<std::string> Labels(const SReportSection& section)
{
    std::vector<std::string> labels;
    for (const SReportRow& row : section.rows)
        labels.push_back(row.strLabel);
    return labels;
}

const SReportSection* Find(const std::vector<SReportSection>& sections, const std::string& strHeading)
{
    for (const SReportSection& section : sections)
        if (section.strHeading == strHeading)
            return &section;
    return nullptr;
}
} // namespace

TEST(ReportLayout, ShowsTheRowsOfTheApplicationWithCaptionsAndLeavesEmptyOnesOut)
{
    CReportMap m;
    m.Set("ApplicationHeadingLBL", "Application Data");
    m.Set("ResultsHeadingLBL", "Calculated Results");
    m.Set("ModelHeadingLBL", "Selected Model");
    m.Set("ProductName", "0");
    m.Set("ApplicationNum", "7");
    m.Set("ApplicationVAL", "Compensating for Shock Due to Component Response Time");
    m.Set("ApplicationLBL", "Application:");
    m.Set("PumpTypeVAL", "Fixed Displacement Pump");
    m.Set("PumpTypeLBL", "Pump Type:");
    m.Set("FlowRateRequiredVAL", "30");
    m.Set("FlowRateUnitVAL", "gpm (US)");
    m.Set("FlowRateRequiredLBL", "Flow Rate:");
    m.Set("ResponseTimeVAL", "0.05  sec");
    // Values of other applications stay out, and so do blanks and missing captions' gaps.
    m.Set("PumpSizeVAL", "10  gpm (US)");
    m.Set("CalcMethodVAL", "Cylinder Dimensions");
    m.Set("PressureRequiredVAL", " ");
    m.Set("CapacityRequiredVAL", "12.3  in\u00B3");
    m.Set("CapacityRequiredLBL", "Required Capacity:");
    m.Set("PolytropicExponentVAL", "1.4  ");
    m.Set("PolytropicExponentLBL", "Polytropic Exponent:");
    m.Set("ProductTypeVAL", "Accumulators");

    const SReportLayout layout = ReportLayout(m);
    const SReportSection* pApplication = Find(layout.application, "Application Data");
    ASSERT_TRUE(pApplication);
    EXPECT_EQ(Labels(*pApplication),
              (std::vector<std::string>{"Application:", "Pump Type:", "Flow Rate:", "ResponseTimeVAL"}));
    EXPECT_EQ(pApplication->rows[2].strValue, "30  gpm (US)");
    const SReportSection* pResults = Find(layout.application, "Calculated Results");
    ASSERT_TRUE(pResults);
    ASSERT_EQ(pResults->rows.size(), 2u);
    EXPECT_EQ(pResults->rows[1].strValue, "1.4"); // the blanks before an empty unit are not printed
    EXPECT_TRUE(layout.events.IsEmpty());

    // A product without an application has no application sections.
    m.Set("ProductName", "1");
    EXPECT_TRUE(ReportLayout(m).application.empty());
}

TEST(ReportLayout, EventTableShowsCylindersOnlyWhenAnEventHasThem)
{
    CReportMap m;
    const auto events = [&](const char* pszColumn, CReportMap::Texts texts)
    { m.SetList(reportkey::EventKey(pszColumn), std::move(texts)); };
    events("ActuatorNumberVAL", {"1", "2"});
    events("EventNumberVAL", {"1", "1"});
    events("StartTimeVAL", {"0", "4.25"});
    events("DurationVAL", {"1.5", "2"});
    events("TimeUnitVAL", {"sec", "sec"});
    events("FlowRateVAL", {"4.5", "0"});
    events("FlowRateUnitVAL", {"gpm (US)", "gpm (US)"});
    events("VolumeVAL", {"0", "37.7"});
    events("VolumeUnitVAL", {"in\u00B3", "in\u00B3"});
    events("CylinderBoreVAL", {"0", "0"});
    events("PumpActionVAL", {"Pump On", "Pump Off"});
    m.Set("Events.FlowRateLBL", "Flow Rate"); // an event column's own caption
    SReportTable table = ReportLayout(m).events;
    ASSERT_EQ(table.columns.size(), 7u);
    EXPECT_EQ(table.columns[4], "Flow Rate");
    // The first start is a time like the others: "0 sec", not a bare 0.
    EXPECT_EQ(table.rows[0], (std::vector<std::string>{"1", "1", "0 sec", "1.5 sec", "4.5 gpm (US)", "", "Pump On"}));
    EXPECT_EQ(table.rows[1], (std::vector<std::string>{"2", "1", "4.25 sec", "2 sec", "", "37.7 in\u00B3", "Pump Off"}));

    events("CylinderBoreVAL", {"0", "2"});
    events("CylinderRodVAL", {"0", "1"});
    events("CylinderStrokeVAL", {"0", "12"});
    events("CylinderUnitVAL", {"in", "in"});
    events("CylinderAffectsVAL", {"Extend", "Retract"});
    table = ReportLayout(m).events;
    ASSERT_EQ(table.columns.size(), 11u);
    EXPECT_EQ(table.rows[0][6], "");
    EXPECT_EQ(table.rows[0][9], ""); // no stroke used without a cylinder
    EXPECT_EQ(table.rows[1][6], "2 in");
    EXPECT_EQ(table.rows[1][8], "12 in");
    EXPECT_EQ(table.rows[1][9], "Retract");
}

// Every row the layout can print, for every application and type, has its caption in the
// catalogue: a key printed as its own name would be a catalogue gap.
TEST_F(CReportTest, EveryPrintedRowHasACatalogueCaption)
{
    d.m_lstEvents.resize(1);
    d.m_lstEvents[0].sdBoreDia.Set(2.0, "IN");
    for (const char* pszType : {"Piston", "Bladder", "Diaphragm", "GB"})
        for (int nApp = 0; nApp <= 7; ++nApp)
            for (int nFlag = 0; nFlag <= 1; ++nFlag)
            {
                d.strAccumulatorType = pszType;
                d.deSelectApp = nApp;
                d.deSelectCalcMethod = nFlag;
                d.bHoldLeakageRateChoice = nFlag;
                d.bPulsationEnterPumpDispOrCalc = nFlag;
                d.bGasBottle = nFlag;
                d.cpcGasPortCode = CPartCode("-S", 9, "SAE-4");
                d.cpcGasValveCode = CPartCode("V", 10, "Valve");
                d.cpcHydPortCode = CPartCode("S", 11, "SAE", "SAE-12");
                const SReportLayout layout = ReportLayout(Report().map);
                std::vector<SReportSection> sections = layout.product;
                sections.insert(sections.end(), layout.application.begin(), layout.application.end());
                for (const SReportSection& section : sections)
                {
                    EXPECT_FALSE(section.strHeading.empty());
                    for (const SReportRow& row : section.rows)
                        EXPECT_TRUE(row.strLabel.find("VAL") == std::string::npos &&
                                    row.strLabel != "Series" && row.strLabel.back() == ':')
                            << pszType << " " << nApp << ": " << row.strLabel;
                }
                for (const std::string& strColumn : layout.events.columns)
                    EXPECT_EQ(strColumn.find("VAL"), std::string::npos) << strColumn;
            }
}

// The ideal-gas sizes among the results (worked by hand, Boyle and Poisson), and the operating range's
// own section only when a range was given.
TEST_F(CReportTest, ComparisonRowsAndTheOperatingRangeSection)
{
    SizedAuxiliaryPower(d);
    const auto sections = [this] { return ReportLayout(Report().map).application; };
    const auto row = [](const SReportSection& section, const std::string& strLabel)
    {
        for (const SReportRow& r : section.rows)
            if (r.strLabel == strLabel)
                return r.strValue;
        return std::string("(none)");
    };
    std::vector<SReportSection> shown = sections();
    ASSERT_EQ(shown.size(), 2u);
    // 100 / (0.95 (0.9 - 0.6)) and 100 (2000/1800) / (0.95 (1 - (2/3)^(1/1.4))).
    EXPECT_EQ(row(shown[1], "Isothermal Ideal-Gas Comparison (n = 1.0):"), "350.88  in\u00B3");
    EXPECT_EQ(row(shown[1], "Adiabatic Ideal-Gas Comparison (n = 1.4):"), "465.14  in\u00B3");

    d.m_operatingTemperatures = {true, true, CUnitDouble(-20.0, "DEG_F"), CUnitDouble(140.0, "DEG_F")};
    shown = sections();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[2].strHeading, "Operating Temperature Range");
    EXPECT_EQ(row(shown[2], "Minimum Operating Temperature:"), "-20  \u00B0F");
    // 1800 psia at 70 deg F is above 2000 psia by 140 deg F; the cold end delivers less than it must.
    EXPECT_EQ(row(shown[2], "Precharge Rule at Maximum Temperature:"),
              "Not met: the precharge rises above the minimum system pressure");
    EXPECT_EQ(row(shown[2], "Operating Range Warning:").rfind("At -20 \u00B0F the accumulator falls short", 0), 0u)
        << row(shown[2], "Operating Range Warning:");
    EXPECT_EQ(shown[2].rows.size(), 9u);
}
