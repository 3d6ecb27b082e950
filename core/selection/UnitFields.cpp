// The unit categories of the value-with-unit fields, and the check of a selection's unit codes.
#include "selection/UnitFields.h"

#include "platform/StringTable.h"
#include "selection/AccumulatorData.h"
#include "units/UnitTable.h"

#include <variant>
#include <vector>

namespace
{
using namespace UnitCategory;
using D = CAccumulatorData;

// A stored unit code of the wrong category: field, code and category, or field and code.
constexpr int kStringWrongUnit = 59165, kStringNotNone = 59166;

template <class TOwner> struct SUnitField
{
    const char* pszName;
    std::variant<CUnitDouble TOwner::*, CUnitInt TOwner::*> member;
    int nCategory;
};

const std::vector<SUnitField<D>>& SelectionFields()
{
    static const std::vector<SUnitField<D>> fields = {
        {"sdAllowedMaxAccumulatorVol", &D::sdAllowedMaxAccumulatorVol, Volume},
        {"sdAllowedMaxAccumulatorPress", &D::sdAllowedMaxAccumulatorPress, Pressure},
        {"sdAllowedMaxTemperature", &D::sdAllowedMaxTemperature, Temperature},
        {"sdAllowedMinTemperature", &D::sdAllowedMinTemperature, Temperature},
        {"sdRequiredAccumulatorVol", &D::sdRequiredAccumulatorVol, Volume},
        {"sdMaxSysPress", &D::sdMaxSysPress, Pressure},
        {"sdMinSysPress", &D::sdMinSysPress, Pressure},
        {"sdSysTemperature", &D::sdSysTemperature, Temperature},
        {"sdFlowRate", &D::sdFlowRate, FlowRate},
        {"sdActVolDisplacement", &D::sdActVolDisplacement, Volume},
        {"sdActuationTime", &D::sdActuationTime, Time},
        {"sdDwellTime", &D::sdDwellTime, Time},
        {"sdMinPumpFlow", &D::sdMinPumpFlow, FlowRate},
        {"sdCylDim_BoreDia", &D::sdCylDim_BoreDia, Distance},
        {"sdCylDim_RodDia", &D::sdCylDim_RodDia, Distance},
        {"sdCylDim_StrokeLen", &D::sdCylDim_StrokeLen, Distance},
        {"siCylDim_NoCylParallel", &D::siCylDim_NoCylParallel, 0},
        {"sdEnterPumpSize", &D::sdEnterPumpSize, FlowRate},
        {"sdPrechargePress", &D::sdPrechargePress, Pressure},
        {"sdVolRatio", &D::sdVolRatio, 0},
        {"sdVolDefci", &D::sdVolDefci, Volume},
        {"sdPolyTropicExponent", &D::sdPolyTropicExponent, 0},
        {"sdPolyTropicExponentCharging", &D::sdPolyTropicExponentCharging, 0},
        {"sdMultiEventTotalDuration", &D::sdMultiEventTotalDuration, Time},
        {"cudFlow", &D::cudFlow, FlowRate},
        {"sdHoldTimeHold", &D::sdHoldTimeHold, Time},
        {"sdHoldLeakageRate", &D::sdHoldLeakageRate, FlowRate},
        {"siHoldNoOfValves", &D::siHoldNoOfValves, 0},
        {"sdHoldValveSize", &D::sdHoldValveSize, Distance},
        {"sdShockMaxShockPress", &D::sdShockMaxShockPress, Pressure},
        {"sdShockTubeLength", &D::sdShockTubeLength, Distance},
        {"sdPulsationPumpDisp", &D::sdPulsationPumpDisp, Displacement},
        {"sdPulsationCalcDisplacement", &D::sdPulsationCalcDisplacement, Displacement},
        {"sdShockReliefValve", &D::sdShockReliefValve, Time},
        {"sdShockResponseTime", &D::sdShockResponseTime, Time},
        {"cudMaxPressure", &D::cudMaxPressure, Pressure},
        {"cudCapacityAccEach", &D::cudCapacityAccEach, Volume},
        {"cudCapacityAccTotal", &D::cudCapacityAccTotal, Volume},
        {"cudCapacityGBEach", &D::cudCapacityGBEach, Volume},
        {"cudCapacityGBTotal", &D::cudCapacityGBTotal, Volume},
        {"siQty", &D::siQty, 0},
        {"siGBQty", &D::siGBQty, 0},
        {"cudBoreDisplay", &D::cudBoreDisplay, Distance},
        {"cudMaxEnteredTempFluidCompatibility", &D::cudMaxEnteredTempFluidCompatibility, Temperature},
        {"cudMinEnteredTempFluidCompatibility", &D::cudMinEnteredTempFluidCompatibility, Temperature},
        {"cudMaxFluidTempFluidCompatibility", &D::cudMaxFluidTempFluidCompatibility, Temperature},
        {"cudMinFluidTempFluidCompatibility", &D::cudMinFluidTempFluidCompatibility, Temperature},
    };
    return fields;
}

const std::vector<SUnitField<SEvent>>& EventFields()
{
    static const std::vector<SUnitField<SEvent>> fields = {
        {"sdFlowrate", &SEvent::sdFlowrate, FlowRate},
        {"sdVolume", &SEvent::sdVolume, Volume},
        {"sdBoreDia", &SEvent::sdBoreDia, Distance},
        {"sdRodDia", &SEvent::sdRodDia, Distance},
        {"sdStrokeLength", &SEvent::sdStrokeLength, Distance},
        {"sdEvStartTime", &SEvent::sdEvStartTime, Time},
        {"sdEvDuration", &SEvent::sdEvDuration, Time},
    };
    return fields;
}

template <class TOwner>
std::optional<int> CategoryOf(const std::vector<SUnitField<TOwner>>& fields, const std::string& strField)
{
    for (const auto& field : fields)
        if (strField == field.pszName)
            return field.nCategory;
    return std::nullopt;
}

// The first field of an object whose code is set and wrong, as a message.
template <class TOwner>
std::optional<std::string> WrongUnitOf(const std::vector<SUnitField<TOwner>>& fields, const TOwner& owner,
                                       const std::string& strPrefix)
{
    for (const auto& field : fields)
    {
        const std::string& strCode =
            std::visit([&](auto pMember) -> const std::string& { return (owner.*pMember).GetUnit(); }, field.member);
        if (!strCode.empty() && !IsUnitOfCategory(strCode, field.nCategory))
            return field.nCategory != 0 ? FormatString(kStringWrongUnit, {strPrefix + field.pszName, strCode,
                                                                          LoadString(field.nCategory)})
                                        : FormatString(kStringNotNone, {strPrefix + field.pszName, strCode});
    }
    return std::nullopt;
}
} // namespace

std::optional<int> SelectionUnitCategory(const std::string& strField)
{
    return CategoryOf(SelectionFields(), strField);
}

std::optional<int> EventUnitCategory(const std::string& strField)
{
    return CategoryOf(EventFields(), strField);
}

std::optional<std::string> FindWrongUnit(const CAccumulatorData& data)
{
    if (auto wrong = WrongUnitOf(SelectionFields(), data, ""))
        return wrong;
    for (std::size_t i = 0; i < data.m_lstEvents.size(); ++i)
        if (auto wrong = WrongUnitOf(EventFields(), data.m_lstEvents[i], "m_lstEvents[" + std::to_string(i) + "]."))
            return wrong;
    return std::nullopt;
}
