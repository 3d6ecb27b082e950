// Every check of every application dialog at its limit: just below, at and just above, with the
// exact message and the field the focus returns to; and, for every two checks of one dialog that
// fail at once, that the earlier one is reported.
#include "ApplicationFixture.h"

#include <functional>
#include <vector>

using namespace sizing;

namespace
{
enum class ELimit
{
    Max,         // above the limit fails, equal passes
    Min,         // below the limit fails, equal passes
    Positive,    // not above 0 fails
    MaxWhole,    // whole numbers: above fails
    PositiveInt, // whole numbers: not above 0 fails
};

template <class T> struct SRow
{
    const char* pszField;
    void (*set)(T&, double);
    double dLimit;
    ELimit eKind;
    std::string strMessage;
    bool bQuestion = false;
    void (*prepare)(T&) = nullptr; // what makes this check reachable at all
};

template <class T> using Check = std::function<CheckResult(const T&, bool bAcceptQuestions)>;

// The probe values below, at and above the limit, and which of them fail.
struct SProbe
{
    double dValue;
    bool bFails;
};

std::vector<SProbe> Probes(double dLimit, ELimit eKind)
{
    const double d = std::max(std::fabs(dLimit) * 1e-6, 1e-6);
    switch (eKind)
    {
    case ELimit::Max:
        return {{dLimit - d, false}, {dLimit, false}, {dLimit + d, true}};
    case ELimit::Min:
        return {{dLimit - d, true}, {dLimit, false}, {dLimit + d, false}};
    case ELimit::Positive:
        return {{-d, true}, {0.0, true}, {d, false}};
    case ELimit::MaxWhole:
        return {{dLimit - 1, false}, {dLimit, false}, {dLimit + 1, true}};
    case ELimit::PositiveInt:
        return {{-1.0, true}, {0.0, true}, {1.0, false}};
    }
    return {};
}

double Failing(const SProbe& a, const SProbe& b, const SProbe& c)
{
    return b.bFails ? b.dValue : a.bFails ? a.dValue : c.dValue;
}

template <class T>
void ExpectBoundaries(const T& base, const Check<T>& check, const std::vector<SRow<T>>& rows)
{
    ASSERT_EQ(check(base, false), std::nullopt) << "the base entries must pass";
    for (const SRow<T>& row : rows)
        for (const SProbe& probe : Probes(row.dLimit, row.eKind))
        {
            T t = base;
            if (row.prepare)
                row.prepare(t);
            row.set(t, probe.dValue);
            const CheckResult r = check(t, !row.bQuestion);
            const std::string strWhere = std::string(row.pszField) + " = " + std::to_string(probe.dValue);
            if (probe.bFails)
            {
                ASSERT_TRUE(r) << strWhere << " passes";
                EXPECT_EQ(r->strMessage, row.strMessage) << strWhere;
                EXPECT_EQ(r->strField, row.pszField) << strWhere;
                EXPECT_EQ(r->bQuestion, row.bQuestion) << strWhere;
            }
            else // a later check may still refuse the probe, but not this one
                EXPECT_TRUE(!r || r->strMessage != row.strMessage) << strWhere << " fails";
        }
    // Two entries wrong at once: the earlier check speaks.
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t j = i + 1; j < rows.size(); ++j)
        {
            if (std::string(rows[i].pszField) == rows[j].pszField || rows[i].prepare || rows[j].prepare)
                continue;
            const auto pi = Probes(rows[i].dLimit, rows[i].eKind), pj = Probes(rows[j].dLimit, rows[j].eKind);
            T t = base;
            rows[j].set(t, Failing(pj[0], pj[1], pj[2]));
            rows[i].set(t, Failing(pi[0], pi[1], pi[2]));
            const CheckResult r = check(t, false);
            ASSERT_TRUE(r) << rows[i].pszField << " with " << rows[j].pszField;
            EXPECT_EQ(r->strMessage, rows[i].strMessage)
                << rows[i].pszField << " before " << rows[j].pszField;
        }
}

const std::string kTail = "or contact your Dalrow Representative.";
std::string Plain(const std::string& strText)
{
    return strText + "\r\n" + kTail;
}
std::string Formatted(const std::string& strText)
{
    return strText + "\n" + kTail;
}

using D = CAccumulatorData;
#define SET(field, unit) [](auto& d, double v) { d.field.Set(v, unit); }

const std::string kMaxZero = Plain("Your Maximum pressure must be larger than 0 ");
const std::string kMaxCatalogue = Formatted("Your Maximum Pressure exceeds the products in Tesmara. Please "
                                            "reduce your Maximum Pressure below: 5000 psi");
const std::string kAboveMaxTemp =
    "Your System Temperature is above the highest temperature of the products in "
    "Tesmara.\nPlease lower your System Temperature to 250 \u00B0F or less.";
const std::string kBelowMinTemp =
    "Your System Temperature is below the lowest temperature of the products in "
    "Tesmara.\nPlease raise your System Temperature to -40 \u00B0F or more.";
const std::string kFlowZero = Plain("The Flow Rate must be larger than 0");
const std::string kShockAboveComputed =
    Plain("Your Entered Shock Pressure must be less than the Maximum Allowable Shock Pressure");
const std::string kShockZero = Plain("Your Maximum Allowable Shock Pressure must be larger than 0");
const std::string kActuationZero = Plain("Your Actuation Time must be larger than 0");
const std::string kDwellZero = Plain("Your Dwell Time must be larger than 0");
const std::string kPrechargeZero = Plain("Your Entered Precharge Pressure must be larger than 0.");
std::string TooHigh(const std::string& strLimit)
{
    return Formatted("Your Precharge Pressure is higher than the calculated optimal Precharge Pressure of " +
                     strLimit + " psi.\nDo you want to continue with the Precharge Pressure you entered?");
}

const SRow<D> kMaxAboveZero{"sdMaxSysPress", SET(sdMaxSysPress, "PSIG"), 0.0, ELimit::Positive, kMaxZero};
const SRow<D> kMaxWithinCatalogue{"sdMaxSysPress", SET(sdMaxSysPress, "PSIG"), 5000.0, ELimit::Max,
                                  kMaxCatalogue};
const SRow<D> kTempMax{"sdSysTemperature", SET(sdSysTemperature, "DEG_F"), 250.0, ELimit::Max, kAboveMaxTemp};
const SRow<D> kTempMin{"sdSysTemperature", SET(sdSysTemperature, "DEG_F"), -40.0, ELimit::Min, kBelowMinTemp};
const SRow<D> kMinAboveZero{"sdMinSysPress", SET(sdMinSysPress, "PSIG"), 0.0, ELimit::Positive,
                            Plain("Your Minimum pressure must be larger than 0")};
const SRow<D> kMinBelowMax{
    "sdMinSysPress", SET(sdMinSysPress, "PSIG"), 3000.0, ELimit::Max,
    Formatted("Your Minimum Pressure exceeds the Maximum Pressure. Please reduce your Minimum "
              "Pressure below: 3000 psi")};
const SRow<D> kTooHigh{
    "sdPrechargePress", SET(sdPrechargePress, "PSIG"), 1900.0, ELimit::Max, TooHigh("1900"), true};
// Times beyond any real application: one day; three days to hold pressure.
const SRow<D> kActuationTooLong{"sdActuationTime", SET(sdActuationTime, "SEC"), 86400.0, ELimit::Max,
                                Formatted("Your Actuation Time must not be longer than 86400 sec.")};
const SRow<D> kDwellTooLong{"sdDwellTime", SET(sdDwellTime, "SEC"), 86400.0, ELimit::Max,
                            Formatted("Your Dwell Time must not be longer than 86400 sec.")};
const SRow<D> kPrechargeAboveZero{"sdPrechargePress", SET(sdPrechargePress, "PSIG"), 0.0, ELimit::Positive,
                                  kPrechargeZero};

class CBoundariesTest : public CApplicationTest
{
protected:
    void SetUp() override
    {
        CApplicationTest::SetUp();
        // Entries that pass every check of every dialog.
        s.sdMaxSysPress.Set(3000.0, "PSIG");
        s.sdMinSysPress.Set(2000.0, "PSIG");
        s.sdSysTemperature.Set(70.0, "DEG_F");
        s.bPrechargeIHaveUseCalc = 1;
        s.sdPrechargePress.Set(1800.0, "PSIG");
        s.sdRequiredAccumulatorVol.Set(5000.0, "CU_IN");
        s.sdActVolDisplacement.Set(300.0, "CU_IN");
        s.sdActuationTime.Set(2.0, "SEC");
        s.sdDwellTime.Set(8.0, "SEC");
        s.sdCylDim_BoreDia.Set(4.0, "IN");
        s.sdCylDim_RodDia.Set(2.0, "IN");
        s.sdCylDim_StrokeLen.Set(10.0, "IN");
        s.siCylDim_NoCylParallel.SetValue(2);
        s.sdEnterPumpSize.Set(8.0, "GPM");
        s.sdMinPumpFlow.Set(5.0, "GPM");
        s.sdHoldTimeHold.Set(600.0, "SEC");
        s.sdHoldLeakageRate.Set(5.0, "CU_IN_MIN");
        s.sdMultiEventTotalDuration.Set(10.0, "SEC");
        s.sdShockMaxShockPress.Set(3050.0, "PSIG");
        s.sdShockTubeLength.Set(100.0, "IN");
        s.dShockSchedule = 1.049; // 1 in schedule 40
        s.sdFlowRate.Set(20.0, "GPM");
        s.sdShockResponseTime.Set(0.1, "SEC");
        s.sdShockReliefValve.SetValue(0.05);
        s.iPulsationNoOfPistInPump = 3;
        s.sdPulsationPumpDisp.Set(1.0, "CU_IN_REV");
        s.iPulsationPumpSpeed = 1200;
    }

    Check<D> Checked(CheckResult (*pfn)(const D&, const CIMsgStoredProc&))
    {
        return [this, pfn](const D& d, bool) { return pfn(d, M()); };
    }
};
} // namespace

TEST_F(CBoundariesTest, KnownCapacityAndTheResults)
{
    const std::string kVolume = Formatted("Please lower your required volume below: 10000 in\u00B3");
    ExpectBoundaries<D>(
        s, Checked(CheckKnownCapacity),
        {{"sdRequiredAccumulatorVol", SET(sdRequiredAccumulatorVol, "CU_IN"), 0.0, ELimit::Positive,
          Plain("Please increase your required capacity to be larger than 0")},
         {"sdRequiredAccumulatorVol", SET(sdRequiredAccumulatorVol, "CU_IN"), 10000.0, ELimit::Max, kVolume},
         // Here the catalogue limit comes before 0, and 0 has its tail joined directly.
         {"sdMaxSysPress", SET(sdMaxSysPress, "PSIG"), 5000.0, ELimit::Max,
          Formatted("Please lower your maximum pressure below: 5000 psi")},
         {"sdMaxSysPress", SET(sdMaxSysPress, "PSIG"), 0.0, ELimit::Positive,
          "Your Maximum pressure must be larger than 0 " + kTail}});
    ExpectBoundaries<D>(s, Checked(CheckResultVolume),
                        {{"sdRequiredAccumulatorVol", SET(sdRequiredAccumulatorVol, "CU_IN"), 10000.0,
                          ELimit::Max, kVolume}});
}

TEST_F(CBoundariesTest, ActuatorDisplacementAndCylinderDimensions)
{
    ExpectBoundaries<D>(
        s, Checked(CheckActuatorDisplacement),
        {{"sdActVolDisplacement", SET(sdActVolDisplacement, "CU_IN"), 0.0, ELimit::Positive,
          Plain("Your Actuator Volumetric Displacement must be larger than 0")},
         {"sdActuationTime", SET(sdActuationTime, "SEC"), 0.0, ELimit::Positive, kActuationZero},
         kActuationTooLong,
         {"sdDwellTime", SET(sdDwellTime, "SEC"), 0.0, ELimit::Positive, kDwellZero},
         kDwellTooLong});
    ExpectBoundaries<D>(
        s, [this](const D& d, bool) { return CheckCylinderDimensions(d, M()); },
        {{"sdCylDim_BoreDia", SET(sdCylDim_BoreDia, "IN"), 0.0, ELimit::Positive,
          Plain("Your Bore Diameter must be larger than 0.")},
         {"sdCylDim_RodDia", SET(sdCylDim_RodDia, "IN"), 0.0, ELimit::Positive,
          Plain("Your Rod Diameter must be larger than 0.")},
         {"sdCylDim_RodDia", SET(sdCylDim_RodDia, "IN"), 4.0, ELimit::Max,
          Formatted(
              "Your Rod Diameter must be smaller than your Bore Diameter. Please reduce your Rod Diameter "
              "below: 4 in")},
         {"sdCylDim_StrokeLen", SET(sdCylDim_StrokeLen, "IN"), 0.0, ELimit::Positive,
          Plain("Your Stroke Length must be larger than 0.")},
         {"siCylDim_NoCylParallel",
          [](D& d, double v) { d.siCylDim_NoCylParallel.SetValue(static_cast<int>(v)); }, 0.0,
          ELimit::PositiveInt, Plain("Your Number of Cylinders in Parallel must be larger than 0")},
         {"sdActuationTime", SET(sdActuationTime, "SEC"), 0.0, ELimit::Positive, kActuationZero},
         kActuationTooLong,
         {"sdDwellTime", SET(sdDwellTime, "SEC"), 0.0, ELimit::Positive, kDwellZero},
         kDwellTooLong});
    // The rod is compared with the bore across units: 4 in is 101.6 mm.
    s.sdCylDim_RodDia.Set(101.6001, "MM");
    EXPECT_EQ(
        CheckCylinderDimensions(s, M())->strMessage,
        Formatted(
            "Your Rod Diameter must be smaller than your Bore Diameter. Please reduce your Rod Diameter "
            "below: 101.6 mm"));
    s.sdCylDim_RodDia.Set(101.5999, "MM");
    EXPECT_EQ(CheckCylinderDimensions(s, M()), std::nullopt);
    // Without a dwell field its time is not checked.
    s.sdDwellTime.Set(0.0, "SEC");
    EXPECT_EQ(CheckCylinderDimensions(s, M(), false), std::nullopt);
}

TEST_F(CBoundariesTest, SupplementingPumpFlow)
{
    ExpectBoundaries<D>(
        s,
        [this](const D& d, bool bAccept)
        { return CheckSupplementingPumpFlow(d, OptimalPrechargesFromGauge(d.sdMinSysPress), M(), bAccept); },
        {{"sdEnterPumpSize", SET(sdEnterPumpSize, "GPM"), 5.0, ELimit::Min,
          Plain("Your pump size must be larger than the minimum pump size")},
         kMaxAboveZero,
         kMaxWithinCatalogue,
         {"sdMinSysPress", SET(sdMinSysPress, "PSIG"), 0.0, ELimit::Positive,
          Formatted("Please enter a minimum pressure.")},
         kMinBelowMax,
         kTempMax,
         kTempMin,
         kPrechargeAboveZero,
         {"sdPrechargePress", SET(sdPrechargePress, "PSIG"), 2000.0, ELimit::Max,
          Plain("Your Precharge Pressure must be less than the Minimum Pressure")},
         kTooHigh});
    // The calculated optimum is not checked against anything.
    s.bPrechargeIHaveUseCalc = 0;
    s.sdPrechargePress.Set(2500.0, "PSIG");
    EXPECT_EQ(CheckSupplementingPumpFlow(s, OptimalPrechargesFromGauge(s.sdMinSysPress), M(), false),
              std::nullopt);
}

TEST_F(CBoundariesTest, AuxiliaryPower)
{
    ExpectBoundaries<D>(
        s,
        [this](const D& d, bool bAccept)
        { return CheckAuxiliaryPower(d, OptimalPrechargesForMinimum(d.sdMinSysPress), M(), bAccept); },
        {kMaxAboveZero,
         kMaxWithinCatalogue,
         kMinAboveZero,
         {"sdMinSysPress", SET(sdMinSysPress, "PSIG"), 3000.0, ELimit::Max,
          Plain(
              "Your Minimum Pressure exceeds the Maximum Pressure. Please reduce your Minimum Pressure below "
              "3000 psi")},
         kTempMax,
         kTempMin,
         {"sdPrechargePress", SET(sdPrechargePress, "PSIG"), 2000.0, ELimit::Max,
          Plain("Your Precharge Pressure must be lower than your minimum pressure. Please reduce your "
                "Precharge "
                "Pressure below 2000 psi")},
         kPrechargeAboveZero,
         kTooHigh});
}

TEST_F(CBoundariesTest, Holding)
{
    ExpectBoundaries<D>(
        s,
        [this](const D& d, bool bAccept)
        { return CheckHolding(d, OptimalPrechargesForMinimum(d.sdMinSysPress), M(), bAccept); },
        {kMaxAboveZero,
         kMaxWithinCatalogue,
         kMinAboveZero,
         kMinBelowMax,
         kTempMax,
         kTempMin,
         {"sdPrechargePress", SET(sdPrechargePress, "PSIG"), 2000.0, ELimit::Max,
          Formatted("Your Precharge Pressure must be lower than your minimum pressure. Please reduce your "
                    "Precharge Pressure below: 2000 psi")},
         kPrechargeAboveZero,
         {"sdHoldTimeHold", SET(sdHoldTimeHold, "SEC"), 0.0, ELimit::Positive,
          Plain("The Time to Hold Pressure must be larger than 0.")},
         {"sdHoldTimeHold", SET(sdHoldTimeHold, "SEC"), 259200.0, ELimit::Max,
          Formatted("The Time to Hold Pressure must not be longer than 259200 sec.")},
         {"sdHoldLeakageRate", SET(sdHoldLeakageRate, "CU_IN_MIN"), 0.0, ELimit::Positive,
          Plain("The Estimated Leakage Rate must be larger than 0.")},
         kTooHigh});
    // An estimated rate of 0 is refused too, with the focus on the number of valves.
    s.bHoldLeakageRateChoice = 0;
    s.sdHoldLeakageRate.Set(0.0, "CU_IN_MIN");
    const CheckResult estimated = CheckHolding(s, OptimalPrechargesForMinimum(s.sdMinSysPress), M(), false);
    ASSERT_TRUE(estimated);
    EXPECT_EQ(estimated->strMessage, "The Estimated Leakage Rate must be larger than 0.\r\n" + kTail);
    EXPECT_EQ(estimated->strField, "siHoldNoOfValves");
}

TEST_F(CBoundariesTest, MultipleEventsListAndPump)
{
    ExpectBoundaries<D>(s, [this](const D& d, bool) { return CheckEventListEntries(d, M()); },
                        {kMaxAboveZero,
                         kMaxWithinCatalogue,
                         // A minimum of 0 or below used to pass here and sized with a vacuum.
                         kMinAboveZero,
                         kMinBelowMax,
                         {"sdMultiEventTotalDuration", SET(sdMultiEventTotalDuration, "SEC"), 0.0,
                          ELimit::Positive, Plain("Your Total Duration of Cycle must be larger than 0")},
                         {"sdMultiEventTotalDuration", SET(sdMultiEventTotalDuration, "SEC"), 86400.0,
                          ELimit::Max, Formatted("Your Total Duration of Cycle must not be longer than 86400 sec.")}});
    // OK needs an event, and no more than the cycle's 10 actuators of 10 events.
    EXPECT_EQ(CheckEventList(s, M())->strMessage,
              "You have not defined any actuator events. Please add at least one actuator event.");
    EXPECT_EQ(CheckEventList(s, M())->strField, "m_lstEvents");
    s.m_lstEvents.resize(100);
    EXPECT_EQ(CheckEventList(s, M()), std::nullopt);
    s.m_lstEvents.resize(101);
    EXPECT_EQ(CheckEventList(s, M())->strMessage,
              "An actuator can have at most 10 events. Please change one of its events instead.\r\n");
    s.m_lstEvents.resize(1);

    ExpectBoundaries<D>(
        s,
        [this](const D& d, bool bAccept)
        { return CheckMultipleEventsPump(d, OptimalPrechargesFromGauge(d.sdMinSysPress), M(), bAccept); },
        {{"sdEnterPumpSize", SET(sdEnterPumpSize, "GPM"), 5.0, ELimit::Min,
          Plain("Your pump size must be larger than the minimum pump size")},
         kTempMax,
         kTempMin,
         kPrechargeAboveZero,
         {"sdPrechargePress", SET(sdPrechargePress, "PSIG"), 2000.0, ELimit::Max,
          Plain("Your Precharge Pressure must be lower than your minimum pressure. ")},
         kTooHigh});
}

TEST_F(CBoundariesTest, EventEditor)
{
    using E = SEvent;
    E ev;
    ev.enumActVolForEvent = 0;
    ev.sdFlowrate.Set(10.0, "CU_IN_SEC");
    ev.sdVolume.Set(20.0, "CU_IN");
    ev.sdBoreDia.Set(4.0, "IN");
    ev.sdRodDia.Set(2.0, "IN");
    ev.sdStrokeLength.Set(10.0, "IN");
    ev.sdEvStartTime.Set(2.0, "SEC");
    ev.sdEvDuration.Set(3.0, "SEC");
    const CUnitDouble total(10.0, "SEC");
    const Check<E> check = [&](const E& e, bool) { return CheckEvent(e, total, M()); };
    const SRow<E> start{"sdEvStartTime", SET(sdEvStartTime, "SEC"), 10.0, ELimit::Max,
                        Plain("Your Event Start Time must be less than your Total Duration of Cycle.")};
    const SRow<E> duration{"sdEvDuration", SET(sdEvDuration, "SEC"), 0.0, ELimit::Positive,
                           Plain("Your Event Duration Time must be greater than 0.")};
    const SRow<E> end{
        "sdEvDuration", SET(sdEvDuration, "SEC"), 8.0, ELimit::Max,
        Formatted("Your Event Start Time + your Event Duration must be less than the Total Duration "
                  "of Cycle of: 10 sec")};
    const SRow<E> beforeCycle{"sdEvStartTime", SET(sdEvStartTime, "SEC"), 0.0, ELimit::Min,
                              Plain("Your Event Start Time must not be negative.")};
    ExpectBoundaries<E>(ev, check,
                        {beforeCycle,
                         start,
                         duration,
                         end,
                         {"sdFlowrate", SET(sdFlowrate, "CU_IN_SEC"), 0.0, ELimit::Positive,
                          Plain("Your Flow Rate must be greater than 0.")}});
    ev.enumActVolForEvent = 1;
    ExpectBoundaries<E>(ev, check,
                        {{"sdVolume", SET(sdVolume, "CU_IN"), 0.0, ELimit::Positive,
                          Plain("Your Volume of Fluid must be greater than 0.")}});
    ev.enumActVolForEvent = 2;
    ExpectBoundaries<E>(
        ev, check,
        {{"sdBoreDia", SET(sdBoreDia, "IN"), 0.0, ELimit::Positive,
          Plain("Your Bore Diameter must be larger than 0.")},
         {"sdRodDia", SET(sdRodDia, "IN"), 0.0, ELimit::Positive,
          Plain("Your Rod Diameter must be larger than 0.")},
         {"sdRodDia", SET(sdRodDia, "IN"), 4.0, ELimit::Max,
          Formatted(
              "Your Rod Diameter must be smaller than your Bore Diameter. Please reduce your Rod Diameter "
              "below: 4 in")},
         {"sdStrokeLength", SET(sdStrokeLength, "IN"), 0.0, ELimit::Positive,
          Plain("Your Stroke Length must be larger than 0.")}});
}

TEST_F(CBoundariesTest, ShockSuppression)
{
    ExpectBoundaries<D>(
        s,
        [this](const D& d, bool)
        { return CheckShockSuppression(d, MaximumAllowableShockPressure(d.sdMaxSysPress), M()); },
        {kMaxAboveZero,
         // The catalogue limit before the computed maximum (3100 psi for 3000 psi).
         {"sdShockMaxShockPress", SET(sdShockMaxShockPress, "PSIG"), 5000.0, ELimit::Max, kMaxCatalogue,
          false, [](D& d) { d.sdMaxSysPress.Set(4950.0, "PSIG"); }},
         {"sdShockMaxShockPress", SET(sdShockMaxShockPress, "PSIG"), 3100.0, ELimit::Max,
          kShockAboveComputed},
         {"sdShockMaxShockPress", SET(sdShockMaxShockPress, "PSIG"), 0.0, ELimit::Positive, kShockZero},
         {"sdEnterPumpSize", SET(sdEnterPumpSize, "GPM"), 0.0, ELimit::Positive, kFlowZero},
         {"sdShockTubeLength", SET(sdShockTubeLength, "IN"), 0.0, ELimit::Positive,
          Plain("Your Pipe/Tube Length must be larger than 0")},
         // Beyond the dialog's checks: the fluid and the line from the catalogue's lists, and a
         // temperature the gas model can work with.
         {"dShockFluidDensity", [](D& d, double v) { d.dShockFluidDensity = v; }, 0.0, ELimit::Positive,
          "Please select an item from the list."},
         {"dShockSchedule", [](D& d, double v) { d.dShockSchedule = v; }, 0.0, ELimit::Positive,
          "Please select an item from the list."},
         kTempMax,
         kTempMin});
}

TEST_F(CBoundariesTest, PumpResponseOfEachPumpType)
{
    // 3000 psig is 3014.69 psia; the computed maximum 200 psi above it, in psia.
    const double dComputed = (3000.0 * 6894.757 + 101314.224) / 6894.757 + 200.0;
    for (const EPumpType eType : {EPumpType::Variable, EPumpType::Fixed})
    {
        const bool bFixed = eType == EPumpType::Fixed;
        std::vector<SRow<D>> rows = {
            {"sdShockMaxShockPress", SET(sdShockMaxShockPress, "PSIA"), dComputed, ELimit::Max,
             kShockAboveComputed},
            {"sdMaxSysPress", SET(sdMaxSysPress, "PSIG"), 0.0, ELimit::Positive, kMaxZero, false,
             [](D& d) { d.sdShockMaxShockPress.Set(10.0, "PSIA"); }},
            {"sdShockMaxShockPress", SET(sdShockMaxShockPress, "PSIG"), 0.0, ELimit::Positive, kShockZero},
            {"sdShockMaxShockPress", SET(sdShockMaxShockPress, "PSIG"), 5000.0, ELimit::Max, kMaxCatalogue,
             false, [](D& d) { d.sdMaxSysPress.Set(4900.0, "PSIG"); }},
            kTempMax,
            kTempMin,
            {"sdFlowRate", SET(sdFlowRate, "GPM"), 0.0, ELimit::Positive, kFlowZero},
            {"sdShockResponseTime", SET(sdShockResponseTime, "SEC"), 0.0, ELimit::Positive,
             Plain("The Response Time must be larger than 0")},
            {"sdShockResponseTime", SET(sdShockResponseTime, "SEC"), 86400.0, ELimit::Max,
             Formatted("The Response Time must not be longer than 86400 sec.")}};
        if (bFixed)
            rows.push_back({"sdShockReliefValve", [](D& d, double v) { d.sdShockReliefValve.SetValue(v); },
                            0.0, ELimit::Positive, Plain("Please select a Relief Valve.")});
        ExpectBoundaries<D>(
            s,
            [this, eType](const D& d, bool)
            {
                const SPumpResponseValues values{PumpResponseMaximumShock(d.sdMaxSysPress),
                                                 d.sdShockReliefValve.Value() > 0.0};
                return CheckPumpResponse(d, eType, values, M());
            },
            rows);
    }
}

TEST_F(CBoundariesTest, PulsationWithAnEnteredOrACalculatedDisplacement)
{
    const auto check = [this](const D& d, bool bAccept)
    {
        const SPulsationValues values{PulsationPrecharge(d.sdMaxSysPress),
                                      MaximumAllowableShockPressure(d.sdMaxSysPress)};
        return CheckPulsation(d, values, M(), bAccept);
    };
    const SRow<D> pistons{"iPulsationNoOfPistInPump",
                          [](D& d, double v) { d.iPulsationNoOfPistInPump = static_cast<int>(v); }, 6.0,
                          ELimit::MaxWhole, "Maximum Number of Pistons Allowed is 6."};
    std::vector<SRow<D>> rows = {
        pistons,
        {"sdShockMaxShockPress", SET(sdShockMaxShockPress, "PSIG"), 3100.0, ELimit::Max, kShockAboveComputed},
        {"sdMaxSysPress", SET(sdMaxSysPress, "PSIG"), 0.0, ELimit::Positive, kMaxZero, false,
         [](D& d) { d.sdShockMaxShockPress.Set(-1.0, "PSIG"); }},
        {"sdShockMaxShockPress", SET(sdShockMaxShockPress, "PSIG"), 0.0, ELimit::Positive, kShockZero},
        {"sdShockMaxShockPress", SET(sdShockMaxShockPress, "PSIG"), 5000.0, ELimit::Max, kMaxCatalogue, false,
         [](D& d) { d.sdMaxSysPress.Set(4950.0, "PSIG"); }},
        {"sdPrechargePress", SET(sdPrechargePress, "PSIG"), 3000.0, ELimit::Max,
         Formatted(
             "Your Precharge Pressure must be lower than your System Pressure.\nPlease reduce your Precharge "
             "Pressure below 3000 psi")},
        kPrechargeAboveZero,
        {"sdPrechargePress", SET(sdPrechargePress, "PSIG"), 1800.0, ELimit::Max, TooHigh("1800"), true},
        {"iPulsationNoOfPistInPump", [](D& d, double v) { d.iPulsationNoOfPistInPump = static_cast<int>(v); },
         0.0, ELimit::PositiveInt, Plain("The Number of Pistons in Pump must be greater than 0")},
        {"sdPulsationPumpDisp", SET(sdPulsationPumpDisp, "CU_IN_REV"), 0.0, ELimit::Positive,
         Plain("The Pump Displacement must be larger than 0")},
        kTempMax,
        kTempMin};
    ExpectBoundaries<D>(s, check, rows);

    s.bPulsationEnterPumpDispOrCalc = 0;
    s.sdPulsationPumpDisp.Set(0.0, "CU_IN_REV"); // not used for a calculated displacement
    ExpectBoundaries<D>(
        s, check,
        {pistons,
         {"sdFlowRate", SET(sdFlowRate, "GPM"), 0.0, ELimit::Positive, kFlowZero},
         {"iPulsationPumpSpeed", [](D& d, double v) { d.iPulsationPumpSpeed = static_cast<int>(v); }, 0.0,
          ELimit::PositiveInt, Plain("The Pump Speed must be larger than 0")},
         kTempMax,
         kTempMin});
}

TEST_F(CBoundariesTest, LimitsInOtherUnitsAreComparedAfterConversion)
{
    // 5000 psig is 345.7 bar; 250 deg F is 121.1 deg C, and the limits are shown in the entry's unit.
    const auto aux = [this]
    { return CheckAuxiliaryPower(s, OptimalPrechargesForMinimum(s.sdMinSysPress), M(), true); };
    s.sdMaxSysPress.Set(345.75, "BAR");
    EXPECT_EQ(aux(), std::nullopt);
    s.sdMaxSysPress.Set(345.76, "BAR");
    EXPECT_EQ(
        aux()->strMessage,
        Formatted(
            "Your Maximum Pressure exceeds the products in Tesmara. Please reduce your Maximum Pressure "
            "below: 345.75 bar a"));
    s.sdMaxSysPress.Set(3000.0, "PSIG");
    s.sdSysTemperature.Set(121.11, "DEG_C");
    EXPECT_EQ(aux(), std::nullopt);
    s.sdSysTemperature.Set(121.12, "DEG_C");
    EXPECT_EQ(aux()->strMessage,
              "Your System Temperature is above the highest temperature of the products in "
              "Tesmara.\nPlease lower your System Temperature to 121.11 \u00B0C or less.");
    s.sdSysTemperature.Set(-40.0, "DEG_C"); // -40 deg C is -40 deg F
    EXPECT_EQ(aux(), std::nullopt);
    s.sdSysTemperature.Set(-40.01, "DEG_C");
    EXPECT_EQ(aux()->strField, "sdSysTemperature");
    // The minimum against the maximum: 2000 psig entered in bar, just above.
    s.sdSysTemperature.Set(70.0, "DEG_F");
    s.sdMaxSysPress.Set(2000.0, "PSIG");
    s.sdMinSysPress.Set(138.91, "BAR");
    s.sdPrechargePress.Set(1000.0, "PSIG");
    EXPECT_EQ(aux()->strMessage,
              Plain("Your Minimum Pressure exceeds the Maximum Pressure. Please reduce your "
                    "Minimum Pressure below 138.91 bar a"));
}

TEST_F(CBoundariesTest, OutputOfAnExistingAccumulatorTool)
{
    using O = SOutputExistingEntries;
    O base{.maximum = {3000.0, "PSIG"},
           .minimum = {2000.0, "PSIG"},
           .dischargeTime = {5.0, "SEC"},
           .volume = {5.0, "GAL"},
           .temperature = {70.0, "DEG_F"},
           .enteredPrecharge = {1800.0, "PSIG"},
           .ePrecharge = EToolPrecharge::Entered};
    const std::string kTemperature =
        Plain("Your System Temperature must be greater than -45 degrees F and lower than 450 degrees F.");
    ExpectBoundaries<O>(
        base, [this](const O& e, bool) { return OutputOfExistingTool(e, M()).failure; },
        {{"maximum", SET(maximum, "PSIG"), 0.0, ELimit::Positive, kMaxZero},
         {"maximum", SET(maximum, "PSIG"), 5000.0, ELimit::Max,
          Plain("Your Maximum Pressure must be lower than 5,000 psi")},
         {"minimum", SET(minimum, "PSIG"), 0.0, ELimit::Positive,
          Plain("Your Minimum pressure must be larger than 0")},
         {"minimum", SET(minimum, "PSIG"), 5000.0, ELimit::Max,
          Plain("Your Minimum Pressure must be lower than 5,000 psi"), false,
          [](O& e) { e.maximum.Set(5000.0, "PSIG"); }},
         {"minimum", SET(minimum, "PSIG"), 3000.0, ELimit::Max,
          Plain("Your Minimum Pressure must be lower than the Maximum Pressure")},
         {"temperature", SET(temperature, "DEG_F"), -45.0, ELimit::Min, kTemperature},
         {"temperature", SET(temperature, "DEG_F"), 450.0, ELimit::Max, kTemperature},
         {"precharge", SET(enteredPrecharge, "PSIG"), 2000.0, ELimit::Max,
          Plain("Your Precharge Pressure must be lower than your minimum pressure. ")},
         // Without these the output is "does not require an accumulator", or no number at all.
         {"precharge", SET(enteredPrecharge, "PSIG"), 0.0, ELimit::Positive,
          Plain("Your Precharge Pressure must be larger than 0 psig.")},
         {"volume", SET(volume, "GAL"), 0.0, ELimit::Positive,
          Plain("Your Accumulator Volume must be larger than 0.")},
         {"dischargeTime", SET(dischargeTime, "SEC"), 0.0, ELimit::Positive,
          Plain("Your Discharge Time must be larger than 0 seconds.")}});
    // An optimum at or below zero gauge: a minimum of 1.05 bar (absolute) is 0.7 psig, 0.9 of it -1.0 psig.
    O low = base;
    low.ePrecharge = EToolPrecharge::Bladder;
    low.minimum.Set(1.05, "BAR");
    low.maximum.Set(2.0, "BAR");
    const CheckResult lowOptimum = OutputOfExistingTool(low, M()).failure;
    ASSERT_TRUE(lowOptimum);
    EXPECT_EQ(lowOptimum->strField, "minimum");
    EXPECT_EQ(lowOptimum->strMessage, Plain("Your Precharge Pressure must be larger than 0 psig."));
    // The calculated optima: 1000 psig and up, the piston one is 100 psi below; below, 0.9 of it.
    base.ePrecharge = EToolPrecharge::Piston;
    for (const auto& [dMin, dPiston, dBladder] :
         {std::tuple{1200.0, 1100.0, 1080.0}, std::tuple{1000.0, 900.0, 900.0},
          std::tuple{999.0, 899.1, 899.1}})
    {
        base.minimum.Set(dMin, "PSIG");
        const SPrechargePair pair = OutputExistingOptimalPrecharges(base.minimum);
        EXPECT_NEAR(pair.piston.Value(), dPiston, 1e-9) << dMin;
        EXPECT_NEAR(pair.bladder.Value(), dBladder, 1e-9) << dMin;
        EXPECT_TRUE(OutputOfExistingTool(base, M()).precharge.IsIdentical(pair.piston));
    }
    // Entered in bar: the bladder optimum is 0.9 of the entry, the piston one 100 psi below the gauge value.
    const SPrechargePair bar = OutputExistingOptimalPrecharges(CUnitDouble(100.0, "BAR"));
    EXPECT_NEAR(bar.bladder.Value(), 90.0, 1e-12);
    EXPECT_NEAR(bar.piston.Value(), ((100e5 - 101314.224) / 6894.757 - 100.0) * 6894.757 / 1e5 + 1.01314224,
                1e-9);
}

TEST_F(CBoundariesTest, TemperatureOnPrechargeTool)
{
    using T = STemperatureToolEntries;
    T base{.beginTemperature = {70.0, "DEG_F"},
           .finalTemperature = {150.0, "DEG_F"},
           .beginPressure = {1000.0, "PSIG"},
           .finalPressure = {0.0, "PSIG"},
           .eKnown = EKnownPressure::Beginning};
    const Check<T> check = [this](const T& e, bool) { return TemperaturePrechargeTool(e, M()).failure; };
    const std::string kBegin = Plain(
        "Your Beginning Temperature must be greater than -100 degrees F and lower than 2,000 degrees F.");
    const std::string kFinal =
        Plain("Your Final Temperature must be greater than -100 degrees F and lower than 2,000 degrees F.");
    const std::string kBeginPressure =
        Plain("Your Beginning Pressure must be greater than 14.7 psi and lower than 5,000 psi");
    ExpectBoundaries<T>(base, check,
                        {{"beginTemperature", SET(beginTemperature, "DEG_F"), -100.0, ELimit::Min, kBegin},
                         {"beginTemperature", SET(beginTemperature, "DEG_F"), 2000.0, ELimit::Max, kBegin},
                         {"finalTemperature", SET(finalTemperature, "DEG_F"), -100.0, ELimit::Min, kFinal},
                         {"finalTemperature", SET(finalTemperature, "DEG_F"), 2000.0, ELimit::Max, kFinal},
                         {"beginPressure", SET(beginPressure, "PSIG"), 14.7, ELimit::Min, kBeginPressure},
                         {"beginPressure", SET(beginPressure, "PSIG"), 5000.0, ELimit::Max, kBeginPressure}});
    base.eKnown = EKnownPressure::Final;
    base.finalPressure.Set(1200.0, "PSIG");
    base.beginPressure.Set(99999.0, "PSIG"); // not known: not checked
    const std::string kFinalPressure =
        Plain("Your Final Pressure must be greater than 14.7 psi and lower than 5,000 psi");
    ExpectBoundaries<T>(base, check,
                        {{"finalPressure", SET(finalPressure, "PSIG"), 14.7, ELimit::Min, kFinalPressure},
                         {"finalPressure", SET(finalPressure, "PSIG"), 5000.0, ELimit::Max, kFinalPressure}});
    // Empty entries: the beginning one before any range; the final one after its range, without a tail.
    base.bBeginTemperatureEmpty = true;
    base.finalTemperature.Set(-500.0, "DEG_F");
    EXPECT_EQ(check(base, false)->strMessage, Plain("Please enter your Beginning Temperature."));
    base.bBeginTemperatureEmpty = false;
    EXPECT_EQ(check(base, false)->strMessage, kFinal);
    base.bFinalTemperatureEmpty = true;
    base.finalTemperature.Set(0.0, "DEG_F");
    EXPECT_EQ(check(base, false)->strMessage, "Please enter your Final Temperature.");
}
