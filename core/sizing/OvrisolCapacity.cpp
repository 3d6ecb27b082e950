// The reservoir isolator's required capacity, its checks and the size query's inputs.
#include "sizing/OvrisolCapacity.h"

#include "catalogue/Catalogue.h"
#include "catalogue/MessageKeys.h"
#include "platform/StringTable.h"
#include "selection/OvrisolBase.h"
#include "sizing/SizingTexts.h"

namespace ovrisol
{
namespace
{
constexpr double kSafetyFactor = 1.2;

bool NotAboveZero(const CUnitDouble& value)
{
    return !(value.Value() > 0.0);
}
} // namespace

CUnitDouble CombinedCapacity(const CUnitDouble& cylinder, const CUnitDouble& accumulator)
{
    const double dAccumulator = accumulator.GetUnit() == cylinder.GetUnit()
                                    ? accumulator.Value()
                                    : accumulator.GetValue(cylinder.GetUnit());
    return CUnitDouble((dAccumulator + cylinder.Value()) * kSafetyFactor, cylinder.GetUnit());
}

CUnitDouble ReservoirCapacity(const CUnitDouble& high, const CUnitDouble& low, const CUnitDouble& width,
                              const CUnitDouble& length)
{
    return CUnitDouble((high.GetValue("IN") - low.GetValue("IN")) * width.GetValue("IN") * length.GetValue("IN"),
                       "CU_IN");
}

CUnitDouble MaxCapacity(IDatabase& db)
{
    IQueryDef def(db);
    def.Open("qmaxOVSize");
    IRecordset rows(db);
    rows.Open(def);
    if (rows.IsBOF() || rows.GetFieldValue("MaxOfActualCapacity").IsNull())
        throw CCatalogueError(CCatalogueError::NoCurrentRecord,
                              LoadString(sizing::text::kNoReservoirIsolatorSizes));
    return CUnitDouble(rows.GetDouble("MaxOfActualCapacity"), "CU_M");
}

sizing::CheckResult CheckCapacities(const COvrisolBase& data, const CUnitDouble& maxCapacity,
                                    const CIMsgStoredProc& messages)
{
    const sizing::CCheckMessages m(messages);
    const CUnitDouble& combined = data.cudCombinedCapacity;
    std::string strMessage;
    if (NotAboveZero(combined))
        strMessage += m.Lookup(msg::kCombinedCapacityNotAboveZero) + "\r\n";
    if (maxCapacity < combined)
        strMessage += m.Lookup(msg::kCombinedCapacityAboveCatalogue) + "\r\n" + m.Lookup(msg::kLowerRequiredCapacity);
    if (strMessage.empty())
        return std::nullopt;
    return sizing::Failure(strMessage + m.Lookup(msg::kTail), "cudCylinderCapacity");
}

sizing::CheckResult CheckFluidLevels(const COvrisolBase& data, bool bLowEntered, const CUnitDouble& maxCapacity,
                                     const CIMsgStoredProc& messages)
{
    const sizing::CCheckMessages m(messages);
    if (NotAboveZero(data.cudHighFluidLevel))
        return sizing::Failure(m.Plain(msg::kHighLevelNotAboveZero), "cudHighFluidLevel");
    if (!bLowEntered)
        return sizing::Failure(m.Lookup(msg::kEnterAllData), "cudLowFluidLevel");
    if (!(data.cudLowFluidLevel < data.cudHighFluidLevel))
        return sizing::Failure(m.Plain(msg::kLowLevelNotBelowHigh), "cudLowFluidLevel");
    if (NotAboveZero(data.cudReservoirWidth))
        return sizing::Failure(m.Plain(msg::kReservoirWidthNotAboveZero), "cudReservoirWidth");
    if (NotAboveZero(data.cudReservoirLength))
        return sizing::Failure(m.Plain(msg::kReservoirLengthNotAboveZero), "cudReservoirLength");
    const CUnitDouble capacity = ReservoirCapacity(data.cudHighFluidLevel, data.cudLowFluidLevel,
                                                   data.cudReservoirWidth, data.cudReservoirLength);
    if (maxCapacity < capacity)
        return sizing::Failure(m.Lookup(msg::kReservoirCapacityAboveCatalogue) + m.Lookup(msg::kTail), std::string());
    return std::nullopt;
}

SSizeQuery SizeQuery(const COvrisolBase& data)
{
    SSizeQuery query;
    if (data.iSizeMethod == COvrisolBase::kCapacities)
    {
        query.dCylinder = data.cudCylinderCapacity.GetValue("CU_M");
        query.dAccumulator = data.cudAccumulatorCapacity.GetValue("CU_M");
    }
    else
    {
        query.dHighLevel = data.cudHighFluidLevel.GetValue("M");
        query.dLowLevel = data.cudLowFluidLevel.GetValue("M");
        query.dLength = data.cudReservoirLength.GetValue("M");
        query.dWidth = data.cudReservoirWidth.GetValue("M");
    }
    return query;
}
} // namespace ovrisol
