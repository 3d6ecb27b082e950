// The CAD mailbox conversions of the selections: which queries run, with which codes.
#include "selection/AccumulatorData.h"
#include "selection/CadConversion.h"
#include "selection/TransferBase.h"

#include "platform/StringTable.h"

namespace
{
// The one-letter company code that the CAD data stands the maker's brand by.
std::string CompanyCode()
{
    return LoadString(52110);
}
} // namespace

SCadConversion CBaseProduct::GetCadConversion() const
{
    return SCadConversion();
}

SCadConversion CAccumulatorData::GetCadConversion() const
{
    SCadConversion conversion;
    if (strAccumulatorType == "Piston")
    {
        conversion = {"PA_Mailbox", "qClearPA_Mailbox", "qPistonCAD", {}};
        conversion.params = {
            {"[parFileName]", kCadPreviewFileName},
            {"[parCompany]", CompanyCode()},
            {"[parModelNumber]", m_strPartNo},
            {"[parSeries]", cpcSeriesCode.m_strCode},
            {"[parBoreSize]", cpcNomBoreCode.m_strCode},
            {"[parConstruction]", cpcConstCode.m_strCode},
            {"[parOptions]", cpcOptionCode.m_strCode},
            {"[parCapacity]", cpcCapCode.m_strCode},
            {"[parPressure]", cpcPressureCode.m_strCode},
            {"[parDesNum]", cpcDesignNumber.m_strCode},
            {"[parSeal]", cpcSealCode.m_strCode},
            {"[parHydPortTypeSize]", cpcPortModTypeCode.m_strCode + cpcPortModSizeCode.m_strCode},
            {"[parGasPortTypeSize]", cpcGasPortModTypeCode.m_strCode + cpcGasPortModSizeCode.m_strCode},
            {"[parAddInfo]", ""},
            {"[parAddInfo2]", ""},
        };
    }
    else if (strAccumulatorType == "Bladder")
    {
        conversion = {"BA_Mailbox", "qClearBA_Mailbox", "bladConv", {}};
        conversion.params = {
            {"[parFileName]", kCadPreviewFileName},
            {"[parCompany]", CompanyCode()},
            {"[parModelNumber]", m_strPartNo},
            {"[parSeries]", cpcSeriesCode.m_strCode},
            {"[parConstruction]", cpcConstCode.m_strCode},
            {"[parCapacity]", cpcCapCode.m_strCode},
            {"[parPressure]", cpcPressureCode.m_strCode},
            {"[parDesNum]", cpcDesignNumber.m_strCode},
            {"[parSeal]", cpcSealCode.m_strCode},
            {"[parPort]", cpcHydPortCode.m_strCode},
            {"[parModification]", cpcModCode.m_strCode},
            {"[parAddInfo]", ""},
            {"[parAddInfo2]", ""},
        };
    }
    return conversion;
}

SCadConversion CTransferBase::GetCadConversion() const
{
    SCadConversion conversion{"BA_Mailbox", "qClearBA_Mailbox", "TransBarConv", {}};
    conversion.params = {
        {"[parFileName]", kCadPreviewFileName},
        {"[parCompany]", CompanyCode()},
        {"[parModelNumber]", m_strPartNo},
        {"[parSeries]", cpcSeriesCode.m_strCode},
        {"[parCapacity]", cpcCapCode.m_strCode},
        {"[parPressure]", cpcPressureCode.m_strCode},
        {"[parModification]", strService},
        {"[parAddInfo]", ""},
        {"[parAddInfo2]", ""},
    };
    return conversion;
}
