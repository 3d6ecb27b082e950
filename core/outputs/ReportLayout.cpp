// The sections of the selection report: which keys each product and application prints.
#include "outputs/ReportLayout.h"

#include "outputs/ReportKeys.h"
#include "selection/ApplicationData.h"

#include <algorithm>
#include <initializer_list>

namespace
{
using Map = CReportMap;
using When = bool (*)(const Map&);

struct SRowRule
{
    const char* pszKey;
    When when;
};

bool Always(const Map&)
{
    return true;
}
int App(const Map& m)
{
    const std::string strApp = m.Text("ApplicationNum");
    return strApp.empty() ? -1 : std::atoi(strApp.c_str());
}
bool AppIs(const Map& m, std::initializer_list<int> apps)
{
    return std::find(apps.begin(), apps.end(), App(m)) != apps.end();
}
bool IsType(const Map& m, const char* pszType)
{
    return m.Text("AccumulatorType") == pszType;
}
bool ByApplication(const Map& m)
{
    return m.Text("ProductName") == "0";
}
// A gas bottle chosen as a product, whatever the kind of its body.
bool IsGasBottle(const Map& m)
{
    return m.Text("ProductName") == "1" || IsType(m, "GB");
}
// A piston accumulator's own rows (port modifications, approval), which its gas bottle has not.
bool PistonAccumulator(const Map& m)
{
    return IsType(m, "Piston") && !IsGasBottle(m);
}
// The product ids of the map's "ProductName".
bool IsReservoirIsolator(const Map& m)
{
    return m.Text("ProductName") == "2";
}
bool IsAccessory(const Map& m)
{
    return m.Text("ProductName") == "3";
}
// A selection made without describing an application (a rapid selection) has none to show: an
// accumulator's application is "none chosen", an isolator's sizing method has no caption.
bool Described(const Map& m)
{
    return IsReservoirIsolator(m) ? !m.Text("ApplicationVAL").empty() : App(m) != app::NoneChosen;
}
bool ActuatorApp(const Map& m)
{
    return AppIs(m, {1, 3});
}
bool ByDisplacement(const Map& m)
{
    return ActuatorApp(m) && m.Text("CalcMethodNum") == "0";
}
bool ByCylinder(const Map& m)
{
    return ActuatorApp(m) && m.Text("CalcMethodNum") == "1";
}
bool PumpApp(const Map& m)
{
    return AppIs(m, {1, 2});
}
bool PressureRangeApp(const Map& m)
{
    return AppIs(m, {1, 2, 3, 4});
}
bool ShockApp(const Map& m)
{
    return AppIs(m, {5, 6, 7});
}
bool EstimatedLeakage(const Map& m)
{
    return AppIs(m, {4}) && m.Text("ValveSelection") == "1";
}
bool EnteredLeakage(const Map& m)
{
    return AppIs(m, {4}) && m.Text("ValveSelection") == "0";
}

const SRowRule kModelRows[] = {
    {"ProductTypeVAL", Always},
    // An isolator's type is its series, "OV"; an accessory's the accumulator type it fits.
    {"AccumTypeVAL", [](const Map& m) { return !IsReservoirIsolator(m); }},
    {"AccumSeriesVAL", IsReservoirIsolator},
    {"Series", Always},
    {"AccQtyVAL", [](const Map& m) { return m.Text("ProductName") == "0"; }},
    {"CapacityVAL", Always},
    {"PressureRatingVAL", Always},
    {"BoreSizeVAL",
     [](const Map& m) { return IsType(m, "Piston") || (IsAccessory(m) && m.Text("AccumTypeVAL") == "Piston"); }},
    {"ServiceVAL", Always},
    {"GBQtyVAL", [](const Map& m) { return m.Text("AccumWGasBottle") == "1"; }},
    {"GasBottlePartNumberVAL", [](const Map& m) { return m.Text("AccumWGasBottle") == "1"; }},
};

const SRowRule kApplicationRows[] = {
    {"ApplicationVAL", Always},
    {"PumpTypeVAL", [](const Map& m) { return AppIs(m, {7}); }},
    {"CalcMethodVAL", ActuatorApp},
    {"ActuatorVolumeVAL", ByDisplacement},
    {"CylinderBoreVAL", ByCylinder},
    {"CylinderRodVAL", ByCylinder},
    {"CylinderStrokeVAL", ByCylinder},
    {"CylinderNumberVAL", ByCylinder},
    {"CylinderAffectsVAL", ByCylinder},
    {"ActuationTimeVAL", ActuatorApp},
    {"DwellTimeVAL", ActuatorApp},
    {"TotalDurationVAL", [](const Map& m) { return AppIs(m, {2}); }},
    {"PumpSizeVAL", PumpApp},
    {"PumpRunningVAL", [](const Map& m) { return AppIs(m, {1}); }},
    {"PressureRequiredVAL", Always},
    {"MinPressureVAL", PressureRangeApp},
    {"MaxShockPressureVAL", ShockApp},
    {"FlowRatePriorVAL", [](const Map& m) { return AppIs(m, {5}); }},
    {"FlowRateRequiredVAL", [](const Map& m) { return AppIs(m, {7}) || (AppIs(m, {6}) && m.Text("PumpFlowMethod") == "0"); }},
    // Shock suppression has no temperature entry: its temperature is the assumed one.
    {"SystemTempVAL", [](const Map& m) { return App(m) != 0 && App(m) != 5; }},
    {"AssumedTempVAL", [](const Map& m) { return AppIs(m, {5}); }},
    {"TimeToHoldVAL", [](const Map& m) { return AppIs(m, {4}); }},
    {"EstimatedLeakageVAL", EnteredLeakage},
    {"NumberValvesVAL", EstimatedLeakage},
    {"ValveSizeVAL", EstimatedLeakage},
    {"FluidVAL", [](const Map& m) { return AppIs(m, {5}); }},
    {"PipeLengthVAL", [](const Map& m) { return AppIs(m, {5}); }},
    {"PipeTubeSizeVAL", [](const Map& m) { return AppIs(m, {5}); }},
    {"PipeScheduleVAL", [](const Map& m) { return AppIs(m, {5}) && m.Text("PipeSelection") == "1"; }},
    {"LineInsideDiameterVAL", [](const Map& m) { return AppIs(m, {5}); }},
    {"FluidDensityVAL", [](const Map& m) { return AppIs(m, {5}); }},
    {"NumberPistonsVAL", [](const Map& m) { return AppIs(m, {6}); }},
    {"PumpSpeedVAL", [](const Map& m) { return AppIs(m, {6}) && m.Text("PumpFlowMethod") == "0"; }},
    {"PumpDisplacementVAL", [](const Map& m) { return AppIs(m, {6}) && m.Text("PumpFlowMethod") == "1"; }},
    {"ResponseTimeVAL", [](const Map& m) { return AppIs(m, {7}); }},
};

const SRowRule kResultRows[] = {
    {"CapacityRequiredVAL", Always},
    {"IsothermalVolumeVAL", [](const Map& m) { return App(m) != 0; }},
    {"AdiabaticVolumeVAL", [](const Map& m) { return App(m) != 0; }},
    {"PrechargePressureVAL", [](const Map& m) { return App(m) != 0; }},
    {"PolytropicExponentVAL", [](const Map& m) { return App(m) != 0; }},
    {"PolytropicExponentChargingVAL", ActuatorApp},
    {"MinimumPumpRequiredVAL", PumpApp},
    {"FlowRateVAL", [](const Map& m) { return AppIs(m, {1, 2, 3}); }},
    {"EstimatedLeakageVAL", EstimatedLeakage},
};

// Filled only when an operating temperature range was given.
const SRowRule kOperatingRangeRows[] = {
    {"OperatingTempMinVAL", Always},   {"PrechargeAtMinTempVAL", Always}, {"DeliveredAtMinTempVAL", Always},
    {"DeliveredAtSystemTempVAL", Always}, {"OperatingTempMaxVAL", Always},   {"PrechargeAtMaxTempVAL", Always},
    {"DeliveredAtMaxTempVAL", Always}, {"PrechargeRuleVAL", Always},      {"TemperatureWarningVAL", Always},
};

// A reservoir isolator's required capacity: from the capacities it serves, or from the
// reservoir's fluid levels and size.
bool ByCapacities(const Map& m)
{
    return m.Text("CalcMethodNum") == "1";
}
bool ByFluidLevels(const Map& m)
{
    return m.Text("CalcMethodNum") == "0";
}
const SRowRule kIsolatorApplicationRows[] = {
    {"ApplicationVAL", Always},
    {"SumCylinderCapVAL", ByCapacities},
    {"SumAccCapVAL", ByCapacities},
    {"ReservoirLevelHighVAL", ByFluidLevels},
    {"ReservoirLevelLowVAL", ByFluidLevels},
    {"ReservoirWidthVAL", ByFluidLevels},
    {"ReservoirLengthVAL", ByFluidLevels},
};
const SRowRule kIsolatorResultRows[] = {
    {"CapacityRequiredVAL", Always},
};

const SRowRule kDetailRows[] = {
    {"SealClassVAL", Always},
    {"PortTypeVAL", [](const Map& m) { return !IsGasBottle(m); }},
    {"PortSizeVAL", [](const Map& m) { return IsType(m, "Bladder") && !IsGasBottle(m); }},
    {"ConstructionVAL", Always},
    {"ApprovalVAL", PistonAccumulator},
    {"CertificationVAL", Always},
    {"HydraulicPortTypeVAL", PistonAccumulator},
    {"HydraulicPortSizeVAL", PistonAccumulator},
    {"GasPortTypeVAL", PistonAccumulator},
    {"GasPortSizeVAL", PistonAccumulator},
    {"GasPortVAL", IsGasBottle},
    {"GasValvePortVAL", IsGasBottle},
};

bool IsBlank(const std::string& strText)
{
    return std::all_of(strText.begin(), strText.end(), [](char c) { return c == ' '; });
}

// Trailing blanks are the map's spacing before an empty unit, nothing to print.
std::string Trimmed(std::string strText)
{
    while (!strText.empty() && strText.back() == ' ')
        strText.pop_back();
    return strText;
}

std::string Caption(const Map& m, const std::string& strValueKey)
{
    const std::string strLabelKey = reportkey::LabelKey(strValueKey);
    return m.Has(strLabelKey) ? m.Text(strLabelKey) : strValueKey;
}

// A value with the unit that the map keeps under a key of its own.
std::string Shown(const Map& m, const std::string& strKey)
{
    if (strKey == "FlowRateRequiredVAL")
        return Trimmed(m.Text(strKey) + "  " + m.Text("FlowRateUnitVAL"));
    return Trimmed(m.Text(strKey));
}

template <std::size_t N> SReportSection Section(const Map& m, const char* pszHeadingKey, const SRowRule (&rules)[N])
{
    SReportSection section{m.Text(pszHeadingKey), {}};
    for (const SRowRule& rule : rules)
    {
        if (!rule.when(m))
            continue;
        const std::string strValue = Shown(m, rule.pszKey);
        if (!IsBlank(strValue))
            section.rows.push_back({Caption(m, rule.pszKey), strValue});
    }
    return section;
}

// Two parallel lists of the map as rows.
SReportSection Pairs(const Map& m, const char* pszHeadingKey, const char* pszLabels, const char* pszValues)
{
    SReportSection section{m.Text(pszHeadingKey), {}};
    const auto& labels = m.List(pszLabels);
    const auto& values = m.List(pszValues);
    for (std::size_t i = 0; i < labels.size(); ++i)
        section.rows.push_back({labels[i], i < values.size() ? values[i] : std::string()});
    return section;
}

std::string EventText(const Map& m, const char* pszColumn, std::size_t nRow)
{
    const auto& texts = m.List(reportkey::EventKey(pszColumn));
    return nRow < texts.size() ? texts[nRow] : std::string();
}

// A number with its unit, or nothing where the event does not use the quantity.
std::string EventQuantity(const Map& m, const char* pszValue, const char* pszUnit, std::size_t nRow)
{
    const std::string strValue = EventText(m, pszValue, nRow);
    if (strValue.empty() || strValue == "0")
        return std::string();
    return Trimmed(strValue + " " + EventText(m, pszUnit, nRow));
}

SReportTable Events(const Map& m)
{
    SReportTable table;
    const std::size_t nEvents = m.List(reportkey::EventKey("ActuatorNumberVAL")).size();
    if (nEvents == 0)
        return table;
    table.strHeading = m.Text("EventsHeadingLBL");
    bool bCylinders = false;
    for (std::size_t r = 0; r < nEvents; ++r)
        bCylinders = bCylinders || !EventQuantity(m, "CylinderBoreVAL", "CylinderUnitVAL", r).empty();
    const auto caption = [&](const char* pszColumn) { return Caption(m, reportkey::EventKey(pszColumn)); };
    table.columns = {caption("ActuatorNumberVAL"), caption("EventNumberVAL"), caption("StartTimeVAL"),
                     caption("DurationVAL"),       caption("FlowRateVAL"),    caption("VolumeVAL")};
    if (bCylinders)
        for (const char* pszColumn : {"CylinderBoreVAL", "CylinderRodVAL", "CylinderStrokeVAL", "CylinderAffectsVAL"})
            table.columns.push_back(caption(pszColumn));
    table.columns.push_back(caption("PumpActionVAL"));
    for (std::size_t r = 0; r < nEvents; ++r)
    {
        std::vector<std::string> row = {EventText(m, "ActuatorNumberVAL", r), EventText(m, "EventNumberVAL", r),
                                        EventQuantity(m, "StartTimeVAL", "TimeUnitVAL", r),
                                        EventQuantity(m, "DurationVAL", "TimeUnitVAL", r),
                                        EventQuantity(m, "FlowRateVAL", "FlowRateUnitVAL", r),
                                        EventQuantity(m, "VolumeVAL", "VolumeUnitVAL", r)};
        // A cycle's first event starts at 0, which is a time like any other: with its unit.
        if (row[2].empty())
            row[2] = Trimmed(std::string(1, '0') + " " + EventText(m, "TimeUnitVAL", r));
        if (bCylinders)
        {
            for (const char* pszColumn : {"CylinderBoreVAL", "CylinderRodVAL", "CylinderStrokeVAL"})
                row.push_back(EventQuantity(m, pszColumn, "CylinderUnitVAL", r));
            row.push_back(row[6].empty() ? std::string() : EventText(m, "CylinderAffectsVAL", r));
        }
        row.push_back(EventText(m, "PumpActionVAL", r));
        table.rows.push_back(std::move(row));
    }
    return table;
}
} // namespace

namespace reportkey
{
std::string LabelKey(const std::string& strValueKey)
{
    const std::string strEvents = EventKey(std::string());
    if (strValueKey.rfind(strEvents, 0) == 0)
        return strEvents + LabelKey(strValueKey.substr(strEvents.size()));
    const std::string strVal = "VAL";
    if (strValueKey.size() > strVal.size() &&
        strValueKey.compare(strValueKey.size() - strVal.size(), strVal.size(), strVal) == 0)
        return strValueKey.substr(0, strValueKey.size() - strVal.size()) + "LBL";
    return strValueKey + "LBL";
}
} // namespace reportkey

SReportLayout ReportLayout(const CReportMap& m)
{
    SReportLayout layout;
    layout.strTitle = m.Text("ReportTitleLBL");
    layout.strDateLabel = m.Text("ReportDateLBL");
    layout.strDate = m.Text("ReportDateVAL");
    layout.strVersionLabel = m.Text("SoftwareVersionLBL");
    layout.strVersion = m.Text("SoftwareVersionVAL");
    layout.strModelNumberLabel = m.Text("MODELNUMBERLBL");
    layout.strModelNumber = m.Text("MODELNUMBERVAL");
    layout.strProduct = m.Text("ProductTypeVAL");
    // The other products describe themselves; an accumulator by its type and bore.
    layout.strDescription = m.Text("DescriptionVAL");
    if (layout.strDescription.empty())
        layout.strDescription = m.Text("AccumTypeVAL");

    const auto add = [](std::vector<SReportSection>& to, SReportSection section)
    {
        if (!section.rows.empty())
            to.push_back(std::move(section));
    };
    add(layout.product, Section(m, "ModelHeadingLBL", kModelRows));
    add(layout.product, Section(m, "DetailsHeadingLBL", kDetailRows));
    if (ByApplication(m) && Described(m))
    {
        add(layout.application, Section(m, "ApplicationHeadingLBL", kApplicationRows));
        add(layout.application, Section(m, "ResultsHeadingLBL", kResultRows));
        add(layout.application, Section(m, "OperatingRangeHeadingLBL", kOperatingRangeRows));
    }
    else if (IsReservoirIsolator(m) && Described(m))
    {
        add(layout.application, Section(m, "ApplicationHeadingLBL", kIsolatorApplicationRows));
        add(layout.application, Section(m, "ResultsHeadingLBL", kIsolatorResultRows));
    }

    layout.codes = Pairs(m, "ModelCodesHeadingLBL", reportkey::kModelCode, reportkey::kModelCodeDescription);
    layout.options = Pairs(m, "OptionsHeadingLBL", reportkey::kOptionsSelected, reportkey::kOptionsDescription);
    layout.dimensions = Pairs(m, "DimensionsHeadingLBL", reportkey::kDimLabel, reportkey::kDimValue);
    layout.events = Events(m);
    layout.strWarningLabel = m.Text("WarningLBL");
    layout.strWarning = m.Text("WarningVAL");
    return layout;
}
