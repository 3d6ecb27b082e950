// The gas bottle details' lists and the writing of the two ports.
#include "models/GasBottleDetails.h"

#include "models/DetailLists.h"
#include "selection/AccumulatorData.h"

SDetailList GasBottlePortList(const CAccumulatorData& data, IDatabase& db)
{
    return DetailList(DetailRows(db, "qDetailGasBottlePort", {{"[parSeries]", data.cpcSeriesCode.m_strCode}},
                                 "Code", "PortLocation", "Description"),
                      data.cpcGasPortCode.m_strCode);
}

SDetailList GasBottleValvePortList(const CAccumulatorData& data, IDatabase& db)
{
    return DetailList(DetailRows(db, "qDetailGasBottleValvePort",
                                 {{"[parSeries]", data.cpcSeriesCode.m_strCode}}, "Code", "ValveLocation",
                                 "Description"),
                      data.cpcGasValveCode.m_strCode);
}

std::string CheckGasBottleDetails(const SGasBottleDetailChoice& choice)
{
    return MissingChoiceMessage({{kCaptionGasPort, choice.gasPort.has_value()},
                                 {kCaptionGasValvePort, choice.valvePort.has_value()}});
}

void ApplyGasBottleDetails(CAccumulatorData& working, CAccumulatorData& result,
                           const SGasBottleDetailChoice& choice)
{
    for (CAccumulatorData* pData : {&working, &result})
    {
        WriteChoice(pData->cpcGasPortCode, choice.gasPort);
        WriteChoice(pData->cpcGasValveCode, choice.valvePort);
        ClearOptions(*pData);
    }
    result.cpcSealCode = working.cpcSealCode;
    result.cpcConstCode = working.cpcConstCode;
    result.strApproval = working.strApproval;
    result.cpcModCode = working.cpcModCode;
    result.cpcCertCode = working.cpcCertCode;
    result.cpcHydPortCode = working.cpcHydPortCode;
}
