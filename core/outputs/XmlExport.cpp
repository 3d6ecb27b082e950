// Writing a selection as XML, field by field.
#include "outputs/XmlExport.h"

#include "catalogue/Database.h"
#include "outputs/XmlWriter.h"
#include "platform/FileReplace.h"
#include "platform/StringTable.h"
#include "selection/AccumulatorFields.h"
#include "selection/SelectionClass.h"
#include "selection/SelectionFile.h"
#include "sizing/SizingComparison.h"
#include "units/UnitConvMap.h"

#include <charconv>
#include <cmath>
#include <type_traits>

namespace
{
using Attributes = CXmlWriter::Attributes;

constexpr int kStringCannotExport = 59241, kStringXmlNotWritten = 59242; // file, reason

// The shortest text that reads back as the same double; xs:double's names for the rest.
std::string Number(double d)
{
    if (std::isnan(d))
        return "NaN";
    if (std::isinf(d))
        return d > 0 ? "INF" : "-INF";
    char szText[32];
    const auto result = std::to_chars(szText, szText + sizeof szText, d);
    return std::string(szText, result.ptr);
}

std::string Bool(bool b)
{
    return b ? "true" : "false";
}

void Write(CXmlWriter& xml, const std::string& strName, const CUnitDouble& value)
{
    xml.Leaf("quantity", {{"name", strName}, {"unit", value.GetUnit()}, {"unitText", UnitDisplayText(value.GetUnit())}},
             Number(value.Value()));
}

void Write(CXmlWriter& xml, const std::string& strName, const CUnitInt& value)
{
    xml.Leaf("count", {{"name", strName}, {"unit", value.GetUnit()}, {"unitText", UnitDisplayText(value.GetUnit())}},
             std::to_string(value.Value()));
}

void Write(CXmlWriter& xml, const std::string& strName, const CPartCode& code)
{
    xml.Leaf("code",
             {{"name", strName},
              {"location", std::to_string(code.m_nLocation)},
              {"codeType", code.m_strCodeType},
              {"description", code.m_strDescription},
              {"tag", std::to_string(code.m_nTag)}},
             code.m_strCode);
}

void Write(CXmlWriter& xml, const std::string& strName, const std::string& strText)
{
    xml.Leaf("text", {{"name", strName}}, strText);
}

void Write(CXmlWriter& xml, const std::string& strName, int n)
{
    xml.Leaf("integer", {{"name", strName}}, std::to_string(n));
}

void Write(CXmlWriter& xml, const std::string& strName, double d)
{
    xml.Leaf("number", {{"name", strName}}, Number(d));
}

void WriteCodes(CXmlWriter& xml, const std::string& strName, const std::vector<CPartCode>& codes)
{
    xml.Open("list", {{"name", strName}});
    for (const CPartCode& code : codes)
        Write(xml, "code", code);
    xml.Close();
}

void WriteFields(CXmlWriter& xml, const CAccumulatorData& d)
{
    for (const SAccumulatorField& field : AccumulatorFields())
        std::visit([&](auto pMember) { Write(xml, field.pszName, d.*pMember); }, field.member);
    WriteCodes(xml, "m_lstCodes", d.m_lstCodes);
    WriteCodes(xml, "m_lstDefaultCodes", d.m_lstDefaultCodes);
    xml.Open("list", {{"name", "m_lstEvents"}});
    for (const SEvent& event : d.m_lstEvents)
    {
        xml.Open("item");
        for (const SEventField& field : EventFields())
            std::visit([&](auto pMember) { Write(xml, field.pszName, event.*pMember); }, field.member);
        xml.Close();
    }
    xml.Close();
    xml.Open("list", {{"name", "m_caSelectedOptionArray"}});
    for (const SOptionElement& option : d.m_caSelectedOptionArray)
    {
        xml.Open("item");
        Write(xml, "nKey", static_cast<int>(option.nKey));
        Write(xml, "code", option.code);
        xml.Close();
    }
    xml.Close();
}

void WriteExtreme(CXmlWriter& xml, const char* pszAt, const sizing::SRangeExtreme& extreme)
{
    xml.Open("extreme", {{"at", pszAt}, {"short", Bool(extreme.bShort)}});
    Write(xml, "temperature", CUnitDouble(extreme.dTempF, "DEG_F"));
    Write(xml, "precharge", CUnitDouble(extreme.dPrechargePsia, "PSIA"));
    if (extreme.deliveredIn3)
        Write(xml, "deliveredVolume", CUnitDouble(*extreme.deliveredIn3, "CU_IN"));
    if (extreme.neededIn3)
        Write(xml, "neededVolume", CUnitDouble(*extreme.neededIn3, "CU_IN"));
    xml.Close();
}

// What the results show beside the real-gas volume; nothing for a selection without a sizing.
void WriteComparison(CXmlWriter& xml, const CAccumulatorData& d)
{
    const sizing::SSizingComparison comparison = sizing::CompareSizing(d);
    if (!comparison.bounds && !comparison.range)
        return;
    xml.Open("sizingComparison");
    if (comparison.bounds)
    {
        Write(xml, "isothermalVolume", CUnitDouble(comparison.bounds->dIsothermalIn3, "CU_IN"));
        Write(xml, "adiabaticVolume", CUnitDouble(comparison.bounds->dAdiabaticIn3, "CU_IN"));
    }
    if (comparison.range)
    {
        const sizing::SOperatingRangeResult& range = *comparison.range;
        const bool bSized = range.eStatus == sizing::ESizingStatus::Sized;
        Attributes attributes = {{"computed", Bool(bSized)}};
        if (!bSized)
            attributes.push_back({"reason", range.strReason});
        xml.Open("operatingRange", attributes);
        Write(xml, "sdOperatingTempMin", d.m_operatingTemperatures.sdOperatingTempMin);
        Write(xml, "sdOperatingTempMax", d.m_operatingTemperatures.sdOperatingTempMax);
        if (bSized)
        {
            WriteExtreme(xml, "minimum", range.minimum);
            WriteExtreme(xml, "system", range.system);
            WriteExtreme(xml, "maximum", range.maximum);
            xml.Leaf("prechargeBelowMinimumPressure", {}, Bool(range.bPrechargeBelowLow));
        }
        xml.Close();
    }
    xml.Close();
}

// The other products: the level, the class's own fields in their stored order, then both code lists.
template <class T> void WriteFields(CXmlWriter& xml, const T& selection)
{
    Write(xml, "m_nLevel", selection.m_nLevel);
    T::WalkFields([&](const char* pszName, auto pMember) { Write(xml, pszName, selection.*pMember); });
    WriteCodes(xml, "m_lstCodes", selection.m_lstCodes);
    WriteCodes(xml, "m_lstDefaultCodes", selection.m_lstDefaultCodes);
}
} // namespace

bool CanExportXml(const CBaseProduct& selection)
{
    return VisitSelectionClass(selection, [](const char*, const auto&) {});
}

std::string SelectionToXml(const SSelectionHeader& header, const CBaseProduct& selection)
{
    CXmlWriter xml;
    xml.Open("tesmaraSelection", {{"xmlns", kSelectionXmlNamespace}, {"format", "1"}, {"programVersion", TESMARA_VERSION}});
    xml.Open("file");
    xml.Leaf("language", {{"code", header.strLanguageCode}, {"nameId", std::to_string(header.nLanguageNameId)}},
             header.strLanguageName);
    xml.Leaf("productLine", {}, header.strProductLine);
    xml.Leaf("product", {{"id", std::to_string(header.nProdId)}, {"type", header.strProdType}},
             header.strProdDescription);
    xml.Leaf("partNumberAvailable", {}, Bool(header.bPartNumberAvailable));
    xml.Leaf("selectionComplete", {}, Bool(header.bSelectionComplete));
    xml.Close();

    const std::unique_ptr<CBaseProduct> pCopy = selection.Clone();
    xml.Leaf("modelNumber", {}, pCopy->BuildPartNumber());
    VisitSelectionClass(selection,
                        [&](const char* pszClass, const auto& typed)
                        {
                            xml.Open("fields", {{"class", pszClass}});
                            WriteFields(xml, typed);
                            xml.Close();
                            if constexpr (std::is_same_v<std::decay_t<decltype(typed)>, CAccumulatorData>)
                                WriteComparison(xml, typed);
                        });
    xml.Close();
    return xml.Text();
}

bool ExportSelectionXml(const std::filesystem::path& path, const SSelectionHeader& header,
                        const CBaseProduct& selection, std::string& strError)
{
    strError.clear();
    const std::string strPath = PathText(path);
    if (!CanExportXml(selection))
    {
        strError = LoadString(kStringCannotExport);
        return false;
    }
    const std::string strXml = SelectionToXml(header, selection);
    std::string strReason;
    if (!ReplaceFileContents(path, std::vector<std::uint8_t>(strXml.begin(), strXml.end()), strReason))
    {
        strError = FormatString(kStringXmlNotWritten, {strPath, strReason});
        return false;
    }
    return true;
}
