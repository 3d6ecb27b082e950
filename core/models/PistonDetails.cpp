// The piston details' lists, standard ports, option code and the writing of the choices.
#include "models/PistonDetails.h"

#include "catalogue/Catalogue.h"
#include "models/DetailLists.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <cstdint>

namespace
{
SDetailList Single(const std::optional<CPartCode>& code)
{
    SDetailList list;
    if (code)
    {
        list.items.push_back(*code);
        list.nSelected = 0;
    }
    return list;
}
} // namespace

SDetailList PistonSealList(const CAccumulatorData& data, IDatabase& db)
{
    return SealList(data.strAccumulatorType, data.cpcSealCode.m_strCode, db);
}

SDetailList PistonPortList(const CAccumulatorData& data, IDatabase& db)
{
    return DetailList(DetailRows(db, "qDetailPistonPort",
                                 {{"[parAccumType]", data.strAccumulatorType},
                                  {"[parBoreSize]", data.cpcNomBoreCode.m_strCode},
                                  {"[parCapacity]", data.cpcCapCode.m_strCode},
                                  {"[parPressure]", data.cpcPressureCode.m_strCode},
                                  {"[parDesignNumber]", data.cpcDesignNumber.m_strCode}},
                                 "Code", "CodeLocation", "Description"),
                      data.cpcDesignNumber.m_strCode);
}

SDetailList PistonConstructionList(const CAccumulatorData& data, IDatabase& db)
{
    return DetailList(DetailRows(db, "qDetailPistonConstr",
                                 {{"[parAccumType]", data.strAccumulatorType},
                                  {"[parBoreSize]", data.cpcNomBoreCode.m_strCode}},
                                 nullptr, nullptr, "Construction"),
                      data.cpcConstCode.m_strDescription, true);
}

SDetailList PistonApprovalList(const CAccumulatorData& data, const std::string& strConstruction,
                               IDatabase& db)
{
    return DetailList(DetailRows(db, "qDetailPistonApproval",
                                 {{"[parAccumType]", data.strAccumulatorType},
                                  {"[parConstruction]", strConstruction},
                                  {"[parBoreSize]", data.cpcNomBoreCode.m_strCode}},
                                 "Code", "CodeLocation", "Approval"),
                      data.cpcConstCode.m_strCode);
}

SOptionList PistonOptionList(const CAccumulatorData& data, IDatabase& db)
{
    SOptionList list;
    list.items = DetailRows(db, "qDetailPistonOption",
                            {{"[parAccumType]", data.strAccumulatorType},
                             {"[parBoreSize]", data.cpcNomBoreCode.m_strCode},
                             {"[parPressure]", data.cpcPressureCode.m_strCode}},
                            "PartNumberCode", nullptr, "Option");
    for (const CPartCode& item : list.items)
    {
        bool bChecked = false;
        for (const SOptionElement& held : data.m_caSelectedOptionArray)
            bChecked = bChecked || held.code.m_strCode == item.m_strCode;
        list.checked.push_back(bChecked);
    }
    return list;
}

SDetailList PistonPortTypeList(const CAccumulatorData& data, EPortSide eSide, const std::string& strPortCode,
                               IDatabase& db)
{
    const bool bGas = eSide == EPortSide::Gas;
    return DetailList(DetailRows(db, bGas ? "qDetailPistonGasPortType" : "qDetailPistonPortType",
                                 {{"[parAccumType]", data.strAccumulatorType},
                                  {"[parPortCode]", strPortCode},
                                  {"[parBoreSize]", data.cpcNomBoreCode.m_strCode},
                                  {"[parPressure]", data.cpcPressureCode.m_strCode}},
                                 "TypeCode", bGas ? "GasLocation" : "HydLocation", "Type"),
                      (bGas ? data.cpcGasPortModTypeCode : data.cpcPortModTypeCode).m_strCode);
}

SDetailList PistonPortSizeList(const CAccumulatorData& data, EPortSide eSide, const std::string& strTypeCode,
                               IDatabase& db)
{
    const bool bGas = eSide == EPortSide::Gas;
    return DetailList(DetailRows(db, bGas ? "qDetailPistonGasPortSize" : "qDetailPistonPortSize",
                                 {{"[parAccumType]", data.strAccumulatorType},
                                  {"[parBoreSize]", data.cpcNomBoreCode.m_strCode},
                                  {"[parPressure]", data.cpcPressureCode.m_strCode},
                                  {"[parTypeCode]", strTypeCode}},
                                 "SizeCode", bGas ? "GasSzLocation" : "HydSzLocation", "Size"),
                      (bGas ? data.cpcGasPortModSizeCode : data.cpcPortModSizeCode).m_strCode);
}

bool IsStandardPortCode(const std::string& strPortCode)
{
    return strPortCode == "1";
}

SPortModificationLists PistonPortModificationLists(const CAccumulatorData& data,
                                                   const std::string& strPortCode, IDatabase& db)
{
    SPortModificationLists lists;
    lists.bStandard = IsStandardPortCode(strPortCode);
    if (lists.bStandard)
    {
        const SStandardPorts standard = PistonStandardPorts(data, db);
        lists.type = Single(standard.type);
        lists.size = Single(standard.size);
        lists.gasType = Single(standard.gasType);
        lists.gasSize = Single(standard.gasSize);
        return lists;
    }
    lists.type = PistonPortTypeList(data, EPortSide::Hydraulic, strPortCode, db);
    if (const CPartCode* pType = lists.type.Selected())
        lists.size = PistonPortSizeList(data, EPortSide::Hydraulic, pType->m_strCode, db);
    lists.gasType = PistonPortTypeList(data, EPortSide::Gas, strPortCode, db);
    if (const CPartCode* pType = lists.gasType.Selected())
        lists.gasSize = PistonPortSizeList(data, EPortSide::Gas, pType->m_strCode, db);
    return lists;
}

std::string StandardPortCaption(const CAccumulatorData& data, IDatabase& db)
{
    IQueryDef def(db);
    def.Open("qDetailPistonStdPort");
    def.SetParamValue("[ParSeries]", data.cpcSeriesCode.m_strCode);
    def.SetParamValue("[ParBoreSize]", data.cpcNomBoreCode.m_strCode);
    def.SetParamValue("[parDesignNumber]", data.cpcDesignNumber.m_strCode);
    def.SetParamValue("[parPressureCode]", data.cpcPressureCode.m_strCode);
    def.SetParamValue("[parPressure]", data.cudMaxPressure.GetValue("PA"));
    IRecordset rows(db);
    rows.Open(def);
    std::string strText;
    for (; !rows.IsEOF(); rows.MoveNext())
        strText = rows.GetString("StandardPortDescription");
    return strText.empty() ? std::string() : LoadString(50060) + " " + strText;
}

SStandardPorts PistonStandardPorts(const CAccumulatorData& data, IDatabase& db)
{
    IQueryDef def(db);
    def.Open("qPistonPartNumber");
    def.SetParamValue("[parAccumType]", data.strAccumulatorType);
    def.SetParamValue("[parGasBottle]", static_cast<std::int16_t>(data.bGasBottle != 0 ? 1 : 0));
    def.SetParamValue("[parBore]", data.cpcNomBoreCode.m_strCode);
    def.SetParamValue("[parDesNumber]", std::string("1"));
    def.SetParamValue("[parPressure]", data.cpcPressureCode.m_strCode);
    IRecordset rows(db);
    rows.Open(def);
    SStandardPorts ports;
    for (; !rows.IsEOF(); rows.MoveNext())
    {
        const CPartCode code(rows.GetString("Code"), rows.GetInt("CodeLocation"),
                             rows.GetString("Description"), rows.GetString("CodeType"));
        if (code.m_strCodeType == "Hydraulic Type")
            ports.type = code;
        else if (code.m_strCodeType == "Hydraulic Size")
            ports.size = code;
        else if (code.m_strCodeType == "Gas Type")
            ports.gasType = code;
        else if (code.m_strCodeType == "Gas Size")
            ports.gasSize = code;
    }
    return ports;
}

CPartCode PistonOptionCode(const std::vector<CPartCode>& options, IDatabase& db)
{
    IQueryDef def(db);
    def.Open("qDetailPistonOptionPN");
    for (std::size_t i = 0; i < 3; ++i)
        def.SetParamValue("[parOption" + std::to_string(i + 1) + "]",
                          i < options.size() ? options[i].m_strCode : std::string());
    IRecordset rows(db);
    rows.Open(def);
    CPartCode code;
    for (; !rows.IsEOF(); rows.MoveNext())
        code = CPartCode(rows.GetString("OptionCode"), rows.GetInt("OptionLocation"));
    return code;
}

void ApplyPistonDetails(CAccumulatorData& working, CAccumulatorData& result,
                        const SPistonDetailChoice& choice, const CAccumulatorData& former, IDatabase& db)
{
    CAccumulatorData& d = working;
    if (choice.seal)
        d.cpcSealCode = *choice.seal;
    if (choice.port)
        d.cpcDesignNumber = *choice.port;
    if (choice.approval)
    {
        d.cpcConstCode.m_strCode = choice.approval->m_strCode;
        d.cpcConstCode.m_nLocation = choice.approval->m_nLocation;
        d.strApproval = choice.approval->m_strDescription;
    }
    if (choice.construction)
        d.cpcConstCode.m_strDescription = *choice.construction;
    if (choice.portType)
        d.cpcPortModTypeCode = *choice.portType;
    if (choice.portSize)
        d.cpcPortModSizeCode = *choice.portSize;
    if (choice.gasPortType)
        d.cpcGasPortModTypeCode = *choice.gasPortType;
    if (choice.gasPortSize)
        d.cpcGasPortModSizeCode = *choice.gasPortSize;

    d.m_caSelectedOptionArray.assign(choice.options.begin(),
                                     choice.options.begin() + static_cast<std::ptrdiff_t>(std::min(
                                                                  choice.options.size(), kMaxPistonOptions)));
    if (d.m_caSelectedOptionArray.empty())
    {
        d.cpcOptionCode.Reset();
    }
    else
    {
        std::vector<CPartCode> codes;
        for (const SOptionElement& option : d.m_caSelectedOptionArray)
            codes.push_back(option.code);
        d.cpcOptionCode = PistonOptionCode(codes, db);
    }
    // The result copy still holds the cleared fluid compatibility of this step.
    ApplySealAssistance(d, choice.assistance, former, result);

    result.cpcSealCode = d.cpcSealCode;
    result.cpcDesignNumber = d.cpcDesignNumber;
    result.cpcConstCode = d.cpcConstCode;
    result.strApproval = d.strApproval;
    result.cpcPortModTypeCode = d.cpcPortModTypeCode;
    result.cpcPortModSizeCode = d.cpcPortModSizeCode;
    result.cpcGasPortModTypeCode = d.cpcGasPortModTypeCode;
    result.cpcGasPortModSizeCode = d.cpcGasPortModSizeCode;
    result.m_caSelectedOptionArray = d.m_caSelectedOptionArray;
    result.cpcOptionCode = d.cpcOptionCode;
    CopyFluidCompatibility(d, result);
}
