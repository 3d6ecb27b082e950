// The bladder details' lists, the fluid port size and the writing of the choices.
#include "models/BladderDetails.h"

#include "models/DetailLists.h"
#include "selection/AccumulatorData.h"

SDetailList BladderSealList(const CAccumulatorData& data, IDatabase& db)
{
    return SealList(data.strAccumulatorType, data.cpcSealCode.m_strCode, db);
}

SDetailList BladderConstructionList(const CAccumulatorData& data, IDatabase& db)
{
    return DetailList(
        DetailRows(db, "qDetailBladderConstr",
                   {{"[parSeries]", data.cpcSeriesCode.m_strCode}, {"[parSize]", data.cpcCapCode.m_strCode}},
                   "Code", "CodeLocation", "Description"),
        data.cpcConstCode.m_strDescription, true);
}

SDetailList BladderModificationList(const CAccumulatorData& data, IDatabase& db)
{
    return DetailList(DetailRows(db, "qDetailBladderMod",
                                 {{"[parSeries]", data.cpcSeriesCode.m_strCode},
                                  {"[parSize]", data.cpcCapCode.m_strCode},
                                  {"[parPressure]", data.cpcPressureCode.m_strCode}},
                                 "Code", "CodeLocation", "Description"),
                      data.cpcModCode.m_strCode);
}

SDetailList BladderCertificationList(const CAccumulatorData& data, IDatabase& db)
{
    return DetailList(DetailRows(db, "qDetailBladderCertif",
                                 {{"[parPressure]", data.cpcPressureCode.m_strCode},
                                  {"[parSize]", data.cpcCapCode.m_strCode},
                                  {"[parAccumType]", data.strAccumulatorType}},
                                 "Code", "CodeLocation", "Description"),
                      data.cpcCertCode.m_strCode);
}

std::string SHydraulicPortList::SizeOf(int nRow) const
{
    return nRow >= 0 && nRow < static_cast<int>(sizes.size()) ? sizes[static_cast<std::size_t>(nRow)]
                                                              : std::string();
}

SHydraulicPortList BladderHydraulicPortList(const CAccumulatorData& data, IDatabase& db)
{
    SHydraulicPortList ports;
    ports.list = DetailList(DetailRows(db, "qDetailBladderHydraulicPort",
                                       {{"[parPressure]", data.cpcPressureCode.m_strCode},
                                        {"[parSizeCode]", data.cpcCapCode.m_strCode},
                                        {"[parUserflow]", data.strOversizePorts}},
                                       "Code", "CodeLocation", "Description", "PortSize", &ports.sizes),
                            data.cpcHydPortCode.m_strCode);
    // The chosen port carries its size as the code's third text, where the report reads it.
    for (std::size_t i = 0; i < ports.list.items.size() && i < ports.sizes.size(); ++i)
        ports.list.items[i].m_strCodeType = ports.sizes[i];
    return ports;
}

std::string CheckBladderDetails(const SBladderDetailChoice& choice)
{
    return MissingChoiceMessage({{kCaptionSealCompound, choice.seal.has_value()},
                                 {kCaptionConstruction, choice.construction.has_value()},
                                 {kCaptionHydraulicPortType, choice.hydraulicPort.has_value()}});
}

void ApplyBladderDetails(CAccumulatorData& working, CAccumulatorData& result,
                         const SBladderDetailChoice& choice, const CAccumulatorData& former)
{
    CAccumulatorData& d = working;
    WriteChoice(d.cpcSealCode, choice.seal);
    WriteChoice(d.cpcConstCode, choice.construction);
    WriteChoice(d.cpcModCode, choice.modification);
    WriteChoice(d.cpcCertCode, choice.certification);
    WriteChoice(d.cpcHydPortCode, choice.hydraulicPort);
    ClearOptions(d);
    ApplySealAssistance(d, choice.assistance, former, result);

    result.cpcSealCode = d.cpcSealCode;
    result.cpcConstCode = d.cpcConstCode;
    result.cpcModCode = d.cpcModCode;
    result.cpcCertCode = d.cpcCertCode;
    result.cpcHydPortCode = d.cpcHydPortCode;
    ClearOptions(result);
    CopyFluidCompatibility(d, result);
}
