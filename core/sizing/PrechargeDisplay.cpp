// Optimal precharge display pairs of the application dialogs.
#include "sizing/PrechargeDisplay.h"

#include "gas/Precharge.h"
#include "units/UnitTable.h"

namespace sizing
{
namespace
{
SPrechargePair RuleIn(const CUnitDouble& minimum, const std::string& strRuleUnit)
{
    const std::string& strUnit = minimum.GetUnit();
    const double P = minimum.GetValue(strRuleUnit);
    const double dPiston = gas::OptimalPrecharge(P, gas::EPrechargeMode::Piston);
    const double dBladder = gas::OptimalPrecharge(P, gas::EPrechargeMode::BladderOrDiaphragm);
    return {CUnitDouble(CUnitDouble::Convert(dPiston, strRuleUnit, strUnit), strUnit),
            CUnitDouble(CUnitDouble::Convert(dBladder, strRuleUnit, strUnit), strUnit)};
}
} // namespace

SPrechargePair OptimalPrechargesForMinimum(const CUnitDouble& minimum)
{
    return RuleIn(minimum, IsGaugeUnit(minimum.GetUnit()) ? "PSIG" : "PSIA");
}

SPrechargePair OptimalPrechargesFromGauge(const CUnitDouble& minimum)
{
    return RuleIn(minimum, "PSIG");
}
} // namespace sizing
