// Friendly per-application flags of "tesmara size", turned into selection fields.
#include "SizeFlags.h"

#include "CliSession.h"
#include "UnitArgument.h"
#include "selection/ApplicationData.h"
#include "sizing/Pulsation.h"
#include "sizing/PumpResponse.h"
#include "sizing/ShockSuppression.h"
#include "units/UnitTable.h"

#include <stdexcept>

using nlohmann::json;

namespace
{
struct SFlag
{
    const char* pszName;  // without the leading dashes
    const char* pszHelp;
    bool bValue = true;   // false: a switch
};

struct SApplication
{
    const char* pszName;
    const char* pszHelp;
    std::vector<SFlag> flags;
};

const std::vector<SFlag> kPressures = {
    {"max", "maximum system pressure, e.g. 3000psi"},
    {"min", "minimum system pressure, e.g. 2000psi"},
    {"temp", "estimated system temperature (default 70 deg F), e.g. 120DEG_F"},
    {"precharge", "your precharge pressure (default: the calculated optimum)"},
    {"optimum", "which calculated optimum: piston (default) or bladder"},
};

const std::vector<SFlag> kActuator = {
    {"volume", "actuator volumetric displacement, e.g. 150CU_IN"},
    {"bore", "cylinder bore, e.g. 4IN (instead of --volume)"},
    {"rod", "cylinder rod diameter"},
    {"stroke", "cylinder stroke length"},
    {"cylinders", "number of cylinders in parallel (default 1)"},
    {"movement", "which cylinder movement counts: extend (default), retract or both"},
    {"actuation", "actuation time, e.g. 2sec"},
    {"dwell", "dwell time, e.g. 8sec"},
};

// Every application that runs the gas model takes an operating temperature range.
const std::vector<SFlag> kRange = {
    {"temp-min", "minimum operating temperature, with --temp-max: precharge and delivery at both extremes"},
    {"temp-max", "maximum operating temperature, e.g. 140DEG_F"},
};

std::vector<SFlag> Join(std::initializer_list<std::vector<SFlag>> lists)
{
    std::vector<SFlag> all;
    for (const auto& list : lists)
        all.insert(all.end(), list.begin(), list.end());
    return all;
}

const std::vector<SApplication>& Applications()
{
    static const std::vector<SApplication> apps = {
        {"known-capacity", "I know the required accumulator capacity",
         {{"capacity", "required capacity, e.g. 5GAL"}, {"max", "maximum system pressure"}}},
        {"pump-flow", "Supplementing pump flow",
         Join({kActuator,
               {{"pump", "pump flow, e.g. 10GPM"}, {"pump-stopped", "the pump does not run during actuation", false}},
               kPressures, kRange})},
        {"aux-power", "Auxiliary power source", Join({kActuator, kPressures, kRange})},
        {"holding", "Holding / leakage compensation",
         Join({{{"hold", "time to hold pressure, e.g. 600sec"},
                {"leak", "leakage rate, e.g. 2CU_IN_MIN (or estimate it with --valves and --valve-size)"},
                {"valves", "number of leaking valves"},
                {"valve-size", "valve size: 0.375IN, 0.75IN or 1.25IN"}},
               kPressures, kRange})},
        {"shock", "Shock suppression",
         Join({{{"max", "system pressure"},
          {"shock", "maximum allowable shock pressure (default: the lesser of 5 % and 100 psi above)"},
          {"flow", "flow rate prior to shut-off"},
          {"fluid", "fluid name as the catalogue lists it (default: mineral oil)"},
          {"pipe", "nominal pipe size, e.g. 1 or \"1 1/4\""},
          {"schedule", "pipe schedule (default 40)"},
          {"tube", "tube size as the catalogue lists it, e.g. \"3/4 x 0.095 in\" (instead of --pipe)"},
          // No temperature: shock suppression sizes at 70 deg F.
          {"length", "pipe or tube length, e.g. 40FT"}},
               kRange})},
        {"pulsation", "Piston pump pulsation dampening",
         Join({{{"max", "system pressure"},
          {"shock", "maximum allowable pressure (default: the lesser of 5 % and 100 psi above)"},
          {"pistons", "number of pistons, 1 to 6"},
          {"double", "double-acting pump", false},
          {"displacement", "pump displacement, e.g. 2CU_IN_REV"},
          {"flow", "pump flow (instead of --displacement, with --speed)"},
          {"speed", "pump speed in rpm"},
          {"temp", "estimated system temperature"},
          {"precharge", "your precharge pressure (default: 60 % of the system pressure)"}},
               kRange})},
        {"pump-response", "Compensating for shock due to component response time",
         Join({{{"fixed", "fixed displacement pump behind a relief valve", false},
          {"variable", "variable volume pump (default)", false},
          {"max", "system pressure"},
          {"shock", "maximum shock pressure (default: the lesser of 10 % and 200 psi above)"},
          {"flow", "flow rate"},
          {"response", "response time, e.g. 0.05sec"},
          {"relief-valve", "relief valve as the catalogue lists it (fixed pump; default: the first that passes the flow)"},
          {"temp", "estimated system temperature"}},
               kRange})},
    };
    return apps;
}

class CBuilder
{
public:
    CBuilder(const SSizeFlags& flags, CCliSession& session) : m_flags(flags), m_session(session) {}

    bool Has(const char* pszFlag) const
    {
        return m_flags.values.count(pszFlag) != 0 || m_flags.switches.count(pszFlag) != 0;
    }
    const std::string& Text(const char* pszFlag) const { return m_flags.values.at(pszFlag); }

    CUnitDouble Value(const char* pszFlag, int nCategory) const
    {
        std::string strError;
        const auto value = ParseValueWithUnit(Text(pszFlag), nCategory, strError);
        if (!value)
            throw std::runtime_error("--" + std::string(pszFlag) + ": " + strError);
        return *value;
    }
    int Whole(const char* pszFlag) const
    {
        const auto d = ParseNumberArgument(Text(pszFlag));
        if (!d || *d != static_cast<int>(*d))
            throw std::runtime_error("--" + std::string(pszFlag) + ": expected a whole number, not \"" +
                                     Text(pszFlag) + "\"");
        return static_cast<int>(*d);
    }
    void Require(const char* pszFlag) const
    {
        if (!Has(pszFlag))
            throw std::runtime_error(m_flags.strApplication + " needs --" + pszFlag);
    }

    void SetValue(const char* pszField, const char* pszFlag, int nCategory)
    {
        if (Has(pszFlag))
            Put(pszField, Value(pszFlag, nCategory));
    }
    void Put(const char* pszField, const CUnitDouble& value)
    {
        m_json[pszField] = {{"value", value.Value()}, {"unit", value.GetUnit()}};
    }

    void Pressures(bool bMinimum)
    {
        Require("max");
        SetValue("sdMaxSysPress", "max", UnitCategory::Pressure);
        if (bMinimum)
        {
            Require("min");
            SetValue("sdMinSysPress", "min", UnitCategory::Pressure);
        }
        SetValue("sdSysTemperature", "temp", UnitCategory::Temperature);
    }

    void Precharge()
    {
        if (Has("precharge"))
        {
            m_json["bPrechargeIHaveUseCalc"] = 1;
            SetValue("sdPrechargePress", "precharge", UnitCategory::Pressure);
        }
        else if (Has("optimum"))
        {
            const std::string& strWhich = Text("optimum");
            if (strWhich != "piston" && strWhich != "bladder")
                throw std::runtime_error("--optimum: piston or bladder, not \"" + strWhich + "\"");
            m_json["bPrechargeIHaveUseCalc"] = 0;
            m_json["bPrechargePistonOrBladder"] = strWhich == "piston" ? 1 : 0;
        }
    }

    void Actuator(bool bDwell)
    {
        if (Has("volume"))
        {
            m_json["deSelectCalcMethod"] = 0;
            SetValue("sdActVolDisplacement", "volume", UnitCategory::Volume);
        }
        else
        {
            for (const char* pszFlag : {"bore", "rod", "stroke"})
                Require(pszFlag);
            m_json["deSelectCalcMethod"] = 1;
            SetValue("sdCylDim_BoreDia", "bore", UnitCategory::Distance);
            SetValue("sdCylDim_RodDia", "rod", UnitCategory::Distance);
            SetValue("sdCylDim_StrokeLen", "stroke", UnitCategory::Distance);
            m_json["siCylDim_NoCylParallel"] = {{"value", Has("cylinders") ? Whole("cylinders") : 1}, {"unit", "NONE"}};
            if (Has("movement"))
            {
                const std::string& strMove = Text("movement");
                const int nMove = strMove == "extend" ? 0 : strMove == "retract" ? 1 : strMove == "both" ? 2 : -1;
                if (nMove < 0)
                    throw std::runtime_error("--movement: extend, retract or both, not \"" + strMove + "\"");
                m_json["enumCylAffects"] = nMove;
            }
        }
        Require("actuation");
        SetValue("sdActuationTime", "actuation", UnitCategory::Time);
        if (bDwell)
        {
            Require("dwell");
            SetValue("sdDwellTime", "dwell", UnitCategory::Time);
        }
    }

    // The row of a catalogue list whose text equals the given one; throws listing the choices.
    double Lookup(const char* pszQuery, const std::vector<std::pair<std::string, CDbValue>>& params,
                  const char* pszTextField, const char* pszValueField, const std::string& strWanted,
                  const char* pszFlag)
    {
        IQueryDef def(m_session.Catalogue());
        def.Open(pszQuery);
        for (const auto& [strName, value] : params)
            def.SetParamValue(strName, value);
        IRecordset rows(m_session.Catalogue());
        rows.Open(def);
        std::string strChoices;
        for (; !rows.IsEOF(); rows.MoveNext())
        {
            const std::string strText = rows.GetString(pszTextField);
            if (strText == strWanted)
                return rows.GetDouble(pszValueField);
            strChoices += "\n  " + strText;
        }
        throw std::runtime_error("--" + std::string(pszFlag) + ": \"" + strWanted + "\" is not in the catalogue; choose from:" +
                                 strChoices);
    }

    json Build()
    {
        const std::string& a = m_flags.strApplication;
        if (a == "known-capacity")
        {
            m_json["deSelectApp"] = app::KnownCapacity;
            Require("capacity");
            SetValue("sdRequiredAccumulatorVol", "capacity", UnitCategory::Volume);
            Require("max");
            SetValue("sdMaxSysPress", "max", UnitCategory::Pressure);
        }
        else if (a == "pump-flow" || a == "aux-power")
        {
            const bool bPump = a == "pump-flow";
            m_json["deSelectApp"] = bPump ? app::SupplementingPumpFlow : app::AuxiliaryPower;
            Actuator(true);
            if (bPump)
            {
                Require("pump");
                SetValue("sdEnterPumpSize", "pump", UnitCategory::FlowRate);
                m_json["bIsPumpRunning"] = Has("pump-stopped") ? 0 : 1;
            }
            Pressures(true);
            Precharge();
        }
        else if (a == "holding")
        {
            m_json["deSelectApp"] = app::Holding;
            Require("hold");
            SetValue("sdHoldTimeHold", "hold", UnitCategory::Time);
            if (Has("leak"))
            {
                m_json["bHoldLeakageRateChoice"] = 1;
                SetValue("sdHoldLeakageRate", "leak", UnitCategory::FlowRate);
            }
            else
            {
                Require("valves");
                m_json["bHoldLeakageRateChoice"] = 0;
                m_json["siHoldNoOfValves"] = {{"value", Whole("valves")}, {"unit", "NONE"}};
                SetValue("sdHoldValveSize", "valve-size", UnitCategory::Distance);
            }
            Pressures(true);
            Precharge();
        }
        else if (a == "shock")
            Shock();
        else if (a == "pulsation")
            Pulsation();
        else if (a == "pump-response")
            PumpResponse();
        if (a != "known-capacity")
        {
            SetValue("sdOperatingTempMin", "temp-min", UnitCategory::Temperature);
            SetValue("sdOperatingTempMax", "temp-max", UnitCategory::Temperature);
        }
        return m_json;
    }

private:
    void ShockPressure(const CUnitDouble& fallback)
    {
        if (Has("shock"))
            SetValue("sdShockMaxShockPress", "shock", UnitCategory::Pressure);
        else
            Put("sdShockMaxShockPress", fallback);
    }

    void Shock()
    {
        m_json["deSelectApp"] = app::ShockSuppression;
        Pressures(false);
        ShockPressure(sizing::MaximumAllowableShockPressure(Value("max", UnitCategory::Pressure)));
        Require("flow");
        SetValue("sdEnterPumpSize", "flow", UnitCategory::FlowRate);
        if (Has("fluid"))
        {
            m_json["strShockFluid"] = Text("fluid");
            m_json["dShockFluidDensity"] =
                Lookup("qGetFluidDensity", {}, "FluidName", "FluidDensity", Text("fluid"), "fluid");
        }
        if (Has("tube"))
        {
            m_json["bShockPipeOrTube"] = 0;
            m_json["strShockNominalSize"] = Text("tube");
            m_json["dShockSchedule"] = Lookup("qGetTubeSizeID", {}, "NominalSize", "ID", Text("tube"), "tube");
        }
        else
        {
            Require("pipe");
            const std::string strSchedule = Has("schedule") ? Text("schedule") : std::string("40");
            m_json["bShockPipeOrTube"] = 1;
            m_json["strShockNominalSize"] = Text("pipe");
            m_json["strShockSchedule"] = strSchedule;
            m_json["dShockSchedule"] = Lookup("qGetPipeScheduleID", {{"[parNomText]", Text("pipe")}}, "ScheduleNumber",
                                              "ID", strSchedule, "schedule");
        }
        Require("length");
        SetValue("sdShockTubeLength", "length", UnitCategory::Distance);
    }

    void Pulsation()
    {
        m_json["deSelectApp"] = app::Pulsation;
        Pressures(false);
        // The computed maximum, as for shock suppression: the dialog's default of 2002 works on
        // the number as shown, which in bar can lie above the maximum it is then checked against.
        ShockPressure(sizing::MaximumAllowableShockPressure(Value("max", UnitCategory::Pressure)));
        Require("pistons");
        m_json["iPulsationNoOfPistInPump"] = Whole("pistons");
        m_json["bPulsationSingleOrDoublePump"] = Has("double") ? 0 : 1;
        if (Has("displacement"))
        {
            m_json["bPulsationEnterPumpDispOrCalc"] = 1;
            SetValue("sdPulsationPumpDisp", "displacement", UnitCategory::Displacement);
        }
        else
        {
            Require("flow");
            Require("speed");
            m_json["bPulsationEnterPumpDispOrCalc"] = 0;
            SetValue("sdFlowRate", "flow", UnitCategory::FlowRate);
            m_json["iPulsationPumpSpeed"] = Whole("speed");
        }
        if (Has("precharge"))
        {
            m_json["bPrechargeIHaveUseCalc"] = 1;
            SetValue("sdPrechargePress", "precharge", UnitCategory::Pressure);
        }
        else
            m_json["bPrechargeIHaveUseCalc"] = 0;
    }

    void PumpResponse()
    {
        const bool bFixed = Has("fixed");
        if (bFixed && Has("variable"))
            throw std::runtime_error("pump-response takes --fixed or --variable, not both");
        m_json["deSelectApp"] = app::PumpResponse;
        m_json["bShockVarOrFixed"] = bFixed ? 0 : 1;
        Pressures(false);
        ShockPressure(sizing::PumpResponseDefaultShock(Value("max", UnitCategory::Pressure),
                                                       bFixed ? sizing::EPumpType::Fixed : sizing::EPumpType::Variable));
        Require("flow");
        SetValue("sdFlowRate", "flow", UnitCategory::FlowRate);
        Require("response");
        SetValue("sdShockResponseTime", "response", UnitCategory::Time);
        if (bFixed)
        {
            const double dGpm = Value("flow", UnitCategory::FlowRate).GetValue("GPM");
            IQueryDef def(m_session.Catalogue());
            def.Open("qReliefValve");
            def.SetParamValue("[parFlowRate]", dGpm);
            IRecordset rows(m_session.Catalogue());
            rows.Open(def);
            if (rows.IsBOF())
                throw std::runtime_error("--flow: no relief valve of the catalogue passes that flow");
            double dResponse = rows.GetDouble("ReliefValveResponseTime");
            if (Has("relief-valve"))
                dResponse = Lookup("qReliefValve", {{"[parFlowRate]", dGpm}}, "ReliefValveSizeText",
                                   "ReliefValveResponseTime", Text("relief-valve"), "relief-valve");
            m_json["sdShockReliefValve"] = {{"value", dResponse}, {"unit", "SEC"}};
        }
    }

    const SSizeFlags& m_flags;
    CCliSession& m_session;
    json m_json = json::object();
};
} // namespace

void AddSizeFlagCommands(CLI::App& size, std::shared_ptr<SSizeFlags> pFlags)
{
    for (const SApplication& application : Applications())
    {
        CLI::App* pCmd = size.add_subcommand(application.pszName, application.pszHelp);
        pCmd->fallthrough();
        const std::string strApplication = application.pszName;
        pCmd->callback([pFlags, strApplication] { pFlags->strApplication = strApplication; });
        for (const SFlag& flag : application.flags)
        {
            const std::string strName = flag.pszName;
            if (flag.bValue)
                pCmd->add_option_function<std::string>(
                    "--" + strName, [pFlags, strName](const std::string& strValue) { pFlags->values[strName] = strValue; },
                    flag.pszHelp);
            else
                pCmd->add_flag_callback("--" + strName, [pFlags, strName] { pFlags->switches.insert(strName); },
                                        flag.pszHelp);
        }
    }
}

json SizeFlagsToJson(const SSizeFlags& flags, CCliSession& session)
{
    return CBuilder(flags, session).Build();
}
