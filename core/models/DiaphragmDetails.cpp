// The diaphragm details' lists and the writing of the choices.
#include "models/DiaphragmDetails.h"

#include "models/DetailLists.h"
#include "selection/AccumulatorData.h"

SDetailList DiaphragmSealList(const CAccumulatorData& data, IDatabase& db)
{
    return SealList(data.strAccumulatorType, data.cpcSealCode.m_strCode, db);
}

SDetailList DiaphragmConstructionList(const CAccumulatorData& data, IDatabase& db)
{
    return DetailList(DetailRows(db, "qDetailDiaphramConstr", {{"[parSeries]", data.cpcSeriesCode.m_strCode}},
                                 "Code", "CodeLocation", "Description"),
                      data.cpcConstCode.m_strCode);
}

SDetailList DiaphragmCertificationList(const CAccumulatorData& data, IDatabase& db)
{
    return DetailList(DetailRows(db, "qDetailDiaphramCertif", {{"[parSeries]", data.cpcSeriesCode.m_strCode}},
                                 "Code", "CodeLocation", "Description"),
                      data.cpcCertCode.m_strCode);
}

std::string CheckDiaphragmDetails(const SDiaphragmDetailChoice& choice)
{
    return MissingChoiceMessage({{kCaptionDiaphragm, choice.seal.has_value()},
                                 {kCaptionConstruction, choice.construction.has_value()}});
}

void ApplyDiaphragmDetails(CAccumulatorData& working, CAccumulatorData& result,
                           const SDiaphragmDetailChoice& choice, const CAccumulatorData& former)
{
    CAccumulatorData& d = working;
    WriteChoice(d.cpcSealCode, choice.seal);
    WriteChoice(d.cpcConstCode, choice.construction);
    WriteChoice(d.cpcCertCode, choice.certification);
    ClearOptions(d);
    ApplySealAssistance(d, choice.assistance, former, result);

    result.cpcSealCode = d.cpcSealCode;
    result.cpcConstCode = d.cpcConstCode;
    result.cpcCertCode = d.cpcCertCode;
    ClearOptions(result);
    CopyFluidCompatibility(d, result);
}
