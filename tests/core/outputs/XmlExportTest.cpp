// The XML export read back with Qt's XML reader and checked against the schema with xmllint:
// every field of a selection with its unit, the headers, the model number; and the file written
// whole or not at all.
#include "../selection/SelectionSupport.h"
#include "CompleteSelections.h"
#include "ReadBack.h"
#include "TempFolder.h"
#include "outputs/XmlExport.h"
#include "selection/AccessoryBase.h"
#include "selection/OvrisolBase.h"
#include "selection/RepairKitBase.h"
#include "selection/TransferBase.h"
#include "selection/AccumulatorFields.h"
#include "selection/SelectionFile.h"

#include <QString>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
// One element as read back: its name, attributes and text.
struct SElement
{
    std::string strElement;
    std::map<std::string, std::string> attributes;
    std::string strText;
};

struct SReadBack
{
    std::map<std::string, std::string> file;  // the headers' elements by name, their text
    std::map<std::string, std::string> fileAttributes;
    std::string strModelNumber;
    std::string strClass; // of the fields
    std::map<std::string, SElement> fields;     // the scalar fields by name
    std::map<std::string, std::vector<std::vector<SElement>>> lists; // each list's items (a code is an item of one)
    std::string strError;
};

SReadBack Read(const std::string& strXml)
{
    SReadBack back;
    QXmlStreamReader xml(QString::fromStdString(strXml));
    std::vector<std::string> path;
    std::string strList;
    while (!xml.atEnd())
    {
        xml.readNext();
        if (xml.isStartElement())
        {
            SElement element;
            element.strElement = xml.name().toString().toStdString();
            for (const QXmlStreamAttribute& a : xml.attributes())
                element.attributes[a.name().toString().toStdString()] = a.value().toString().toStdString();
            const std::string strParent = path.empty() ? std::string() : path.back();
            path.push_back(element.strElement);
            if (element.strElement == "list")
            {
                strList = element.attributes["name"];
                back.lists[strList];
                continue;
            }
            if (element.strElement == "item")
            {
                back.lists[strList].emplace_back();
                continue;
            }
            if (element.strElement == "fields")
                back.strClass = element.attributes["class"];
            if (element.strElement == "tesmaraSelection" || element.strElement == "file" ||
                element.strElement == "fields")
                continue;
            for (const auto& [strName, strValue] : element.attributes)
                back.fileAttributes[element.strElement + "@" + strName] = strValue;
            element.strText = xml.readElementText().toStdString();
            path.pop_back();
            if (strParent == "file")
                back.file[element.strElement] = element.strText;
            else if (element.strElement == "modelNumber")
                back.strModelNumber = element.strText;
            else if (strParent == "fields")
                back.fields[element.attributes["name"]] = element;
            else if (strParent == "list")
                back.lists[strList].push_back({element});
            else if (strParent == "item")
                back.lists[strList].back().push_back(element);
        }
        else if (xml.isEndElement())
            path.pop_back();
    }
    if (xml.hasError())
        back.strError = xml.errorString().toStdString();
    return back;
}

SSelectionHeader Header()
{
    SSelectionHeader header = UsHeader();
    header.strProdDescription = "Sized <for> \"you\" & yours";
    header.bPartNumberAvailable = true;
    return header;
}

// Whether xmllint finds the file valid against the repository's schema.
bool SchemaAccepts(const fs::path& file)
{
    const std::string strCommand = "xmllint --noout --schema '" TESMARA_SCHEMA_DIR "/tesmara-selection.xsd' '" +
                                   file.string() + "' 2>/dev/null";
    return std::system(strCommand.c_str()) == 0;
}

// The shortest text of a double as the schema reads it back.
double Double(const std::string& strText)
{
    return std::strtod(strText.c_str(), nullptr);
}
} // namespace

TEST(XmlExport, EveryFieldWithItsUnitReadsBack)
{
    CAccumulatorData d;
    CSelectionFiller(d).Fill();
    d.strShockFluid = "Oil & <water> \"50/50\"\ttab";
    d.sdRequiredAccumulatorVol.Set(0.1 + 0.2, "CU_IN");
    const std::string strXml = SelectionToXml(Header(), d);
    const SReadBack back = Read(strXml);
    ASSERT_TRUE(back.strError.empty()) << back.strError;

    EXPECT_EQ(back.file.at("language"), "U.S. English");
    EXPECT_EQ(back.fileAttributes.at("language@code"), "US");
    EXPECT_EQ(back.fileAttributes.at("product@id"), "0");
    EXPECT_EQ(back.file.at("product"), "Sized <for> \"you\" & yours");
    EXPECT_EQ(back.file.at("partNumberAvailable"), "true");
    EXPECT_EQ(back.file.at("selectionComplete"), "false");

    // Every scalar field of the data model under its name, in its unit.
    ASSERT_EQ(back.fields.size(), AccumulatorFields().size());
    for (const SAccumulatorField& field : AccumulatorFields())
    {
        SCOPED_TRACE(field.pszName);
        const auto it = back.fields.find(field.pszName);
        ASSERT_NE(it, back.fields.end());
        const SElement& e = it->second;
        std::visit(
            [&](auto pMember)
            {
                const auto& value = d.*pMember;
                using T = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<T, CUnitDouble>)
                {
                    EXPECT_EQ(e.strElement, "quantity");
                    EXPECT_EQ(e.attributes.at("unit"), value.GetUnit());
                    EXPECT_EQ(Double(e.strText), value.Value()); // bit for bit
                }
                else if constexpr (std::is_same_v<T, CUnitInt>)
                {
                    EXPECT_EQ(e.strElement, "count");
                    EXPECT_EQ(e.attributes.at("unit"), value.GetUnit());
                    EXPECT_EQ(e.strText, std::to_string(value.Value()));
                }
                else if constexpr (std::is_same_v<T, CPartCode>)
                {
                    EXPECT_EQ(e.strElement, "code");
                    EXPECT_EQ(e.strText, value.m_strCode);
                    EXPECT_EQ(e.attributes.at("location"), std::to_string(value.m_nLocation));
                    EXPECT_EQ(e.attributes.at("description"), value.m_strDescription);
                    EXPECT_EQ(e.attributes.at("codeType"), value.m_strCodeType);
                    EXPECT_EQ(e.attributes.at("tag"), std::to_string(value.m_nTag));
                }
                else if constexpr (std::is_same_v<T, std::string>)
                    EXPECT_EQ(e.strText, value);
                else if constexpr (std::is_same_v<T, double>)
                    EXPECT_EQ(Double(e.strText), value);
                else
                    EXPECT_EQ(e.strText, std::to_string(value));
            },
            field.member);
    }
    // The unit's own text beside its code; markup and tabs come back as they were.
    EXPECT_EQ(back.fields.at("sdRequiredAccumulatorVol").attributes.at("unitText"), "in\u00B3");
    EXPECT_EQ(back.fields.at("strShockFluid").strText, "Oil & <water> \"50/50\"\ttab");

    ASSERT_EQ(back.lists.at("m_lstEvents").size(), 3u);
    EXPECT_EQ(back.lists.at("m_lstEvents")[1].size(), EventFields().size());
    EXPECT_EQ(back.lists.at("m_lstEvents")[1][0].strText, std::to_string(d.m_lstEvents[1].iActNo));
    ASSERT_EQ(back.lists.at("m_caSelectedOptionArray").size(), 2u);
    EXPECT_EQ(back.lists.at("m_caSelectedOptionArray")[1][1].strText, d.m_caSelectedOptionArray[1].code.m_strCode);
    EXPECT_EQ(back.lists.at("m_lstCodes").size(), d.m_lstCodes.size());
    EXPECT_EQ(back.lists.at("m_lstDefaultCodes").size(), 1u);
}

// The model number; the comparisons after the fields: Boyle's size worked by hand, the range's
// three temperatures; control characters made U+FFFD, line breaks kept; and the schema takes it.
TEST(XmlExport, TheModelNumberAndTheSizingComparisonPassTheSchema)
{
    CAccumulatorData d;
    SizedAuxiliaryPower(d);
    d.m_operatingTemperatures = {true, true, CUnitDouble(-20.0, "DEG_F"), CUnitDouble(60.0, "DEG_C")};
    d.m_nLevel = 3;
    d.cpcSeriesCode = CPartCode("BA", 1, "Bladder");
    d.cpcPressureCode = CPartCode("3", 2);
    d.cpcCapCode = CPartCode("-5G", 3);
    d.cpcConstCode = CPartCode("S", 4);
    d.strAccumulatorType = "Bladder";
    d.strApplicationText = "Control characters \x01 are no XML,\nline breaks are";
    const CTempFolder folder;
    const fs::path file = folder / "compared.xml";
    std::string strError;
    ASSERT_TRUE(ExportSelectionXml(file, Header(), d, strError)) << strError;
    EXPECT_TRUE(SchemaAccepts(file)) << "xmllint refuses " << file;
    const std::string strXml = FileText(file);
    EXPECT_NE(strXml.find("<modelNumber>BA3-5GS</modelNumber>"), std::string::npos);
    EXPECT_NE(strXml.find(">Control characters \uFFFD are no XML,&#10;line breaks are</"), std::string::npos);
    const std::string strIsothermal = R"(<quantity name="isothermalVolume" unit="CU_IN" unitText="in³">)";
    const std::size_t nAt = strXml.find(strIsothermal);
    ASSERT_NE(nAt, std::string::npos);
    EXPECT_NEAR(Double(strXml.substr(nAt + strIsothermal.size())), 100.0 / (0.95 * (0.9 - 0.6)), 1e-9);
    for (const char* pszPart : {R"(<operatingRange computed="true">)", R"(<extreme at="minimum" short="true">)",
                                R"(<extreme at="system" short="false">)", R"(<extreme at="maximum" short="false">)",
                                R"(<quantity name="sdOperatingTempMax" unit="DEG_C" unitText="°C">60</quantity>)"})
        EXPECT_NE(strXml.find(pszPart), std::string::npos) << pszPart;
}

TEST(XmlExport, AFileThatCannotBeWrittenIsLeftAsItWas)
{
    CAccumulatorData d;
    CSelectionFiller(d).Fill();
    const CTempFolder folder;
    const fs::path file = folder / "kept.xml";
    std::ofstream(file) << "the old export";
    std::string strError;
    // A file its owner made read-only is refused. Links, missing folders and the file replaced whole
    // are the shared file writer's: SelectionFileTest.WhatCouldNotBeKeptOrOpenedAgainIsNotSaved.
    fs::permissions(file, fs::perms::owner_read);
    EXPECT_FALSE(ExportSelectionXml(file, Header(), d, strError));
    EXPECT_EQ(strError, "The XML file could not be written to " + file.string() + ". The file is read-only.");
    EXPECT_EQ(FileText(file), "the old export");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(ExportSelectionXml(file, Header(), d, strError)) << strError;
    EXPECT_EQ(FileText(file), SelectionToXml(Header(), d));
}

TEST(XmlExport, TheOtherProductsFieldByFieldAndValid)
{
    CTransferBase tb;
    tb.m_nLevel = 2;
    tb.strService = "Oil to Oil & <Water>";
    tb.cudCapacity.Set(10.0, "GAL");
    tb.cudPressure.Set(207.0, "BAR");
    tb.cpcSeriesCode = CPartCode("TB", 1, "Transfer Barrier");
    tb.cpcPressureCode = CPartCode("3", 2, "3000 psi");
    tb.cpcCapCode = CPartCode("-10G", 4, "10 gal");
    tb.cpcServiceCode = CPartCode("-O", 11, "Oil to Oil");
    tb.m_lstDefaultCodes = {CPartCode("-N", 5, "Nitrile")};
    COvrisolBase ov;
    ov.m_nLevel = 2;
    ov.iSizeMethod = COvrisolBase::kFluidLevels;
    ov.cudReservoirWidth.Set(0.6, "M");
    ov.strSelectedFluid = "Mineral Oil";
    ov.cpcSeriesCode = CPartCode("OV", 1);
    ov.cpcSizeCode = CPartCode("-20", 2);
    CAccessoryBase accessory;
    accessory.m_nLevel = 2;
    accessory.strAccessoryPartNumber = "ACC-1234";
    accessory.strAccessoryText = "Gas Charging Kit";
    accessory.cpcBoreCode = CPartCode("-4", 4, "4 in Bore");
    CRepairKitBase kit;
    kit.m_nLevel = 2;
    kit.strKitType = "Seal Kits";
    kit.strPartNumber = "RK-4-N";

    struct SCase
    {
        const CBaseProduct* pSelection;
        int nProdId;
        const char* pszClass;
        const char* pszModelNumber;
        std::size_t nFields; // the level and the product's fields
        // A field, what of it is read (its text, or the attribute named) and the text expected.
        std::vector<std::array<const char*, 3>> rows;
    };
    const SCase cases[] = {
        // Level 2 takes the bladder code into the model number.
        {&tb, 5, "CTransferBase", "TB3-10G-N-O", 9,
         {{"m_nLevel", "", "2"}, {"strService", "", "Oil to Oil & <Water>"}, {"cudCapacity", "", "10"},
          {"cudCapacity", "unit", "GAL"}, {"cudPressure", "", "207"}, {"cudPressure", "unit", "BAR"},
          {"cudPressure", "unitText", "bar a"}, {"cpcServiceCode", "", "-O"}, {"cpcServiceCode", "location", "11"}}},
        {&ov, 2, "COvrisolBase", "OV-20", 31,
         {{"cudReservoirWidth", "", "0.6"}, {"cudReservoirWidth", "unit", "M"}, {"iSizeMethod", "", "0"},
          {"strSelectedFluid", "", "Mineral Oil"}, {"strAccumulatorType", "", "OV"}}},
        {&accessory, 3, "CAccessoryBase", "ACC-1234", 13,
         {{"strAccessoryText", "", "Gas Charging Kit"}, {"cudCapacity", "unit", "CU_IN"},
          {"cpcBoreCode", "description", "4 in Bore"}}},
        {&kit, 4, "CRepairKitBase", "RK-4-N", 5,
         {{"strKitType", "", "Seal Kits"}, {"strPartNumber", "", "RK-4-N"}}},
    };
    SSelectionHeader header = Header();
    const CTempFolder folder;
    const fs::path file = folder / "product.xml";
    for (const SCase& c : cases)
    {
        SCOPED_TRACE(c.pszClass);
        header.nProdId = c.nProdId;
        EXPECT_TRUE(CanExportXml(*c.pSelection));
        std::string strError;
        ASSERT_TRUE(ExportSelectionXml(file, header, *c.pSelection, strError)) << strError;
        EXPECT_TRUE(SchemaAccepts(file)) << "xmllint refuses the export";
        const SReadBack back = Read(FileText(file));
        EXPECT_TRUE(back.strError.empty()) << back.strError;
        EXPECT_EQ(back.fileAttributes.at("product@id"), std::to_string(c.nProdId));
        EXPECT_EQ(back.strClass, c.pszClass);
        EXPECT_EQ(back.strModelNumber, c.pszModelNumber);
        EXPECT_EQ(back.fields.size(), c.nFields);
        for (const auto& [pszField, pszWhat, pszText] : c.rows)
        {
            const SElement& e = back.fields.at(pszField);
            EXPECT_EQ(*pszWhat ? e.attributes.at(pszWhat) : e.strText, pszText) << pszField << " " << pszWhat;
        }
    }
    EXPECT_EQ(Read(SelectionToXml(header, ov)).fields.at("iSizeMethod").strElement, "integer");
    const SReadBack back = Read(SelectionToXml(header, tb));
    ASSERT_EQ(back.lists.at("m_lstDefaultCodes").size(), 1u);
    EXPECT_EQ(back.lists.at("m_lstDefaultCodes")[0][0].strText, "-N");
    EXPECT_EQ(back.lists.count("m_lstEvents"), 0u);
    EXPECT_TRUE(tb.m_strPartNo.empty()) << "the model number is made on a copy";
}
