// A complete piston selection on the built catalogue (PA, 3000 psi, 4 in bore, 2.5 gal) and the
// report context of the product that holds it, for the report tests.
#pragma once

#include "BuiltCatalogue.h"
#include "outputs/ReportData.h"
#include "outputs/ReportLayout.h"
#include "selection/AccumulatorData.h"
#include "selection/SelectionOwner.h"
#include "units/DefaultUnits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Every key of the table that the map holds with exactly that one text.
inline void ExpectTexts(const CReportMap& map, const std::map<std::string, std::string>& expected)
{
    for (const auto& [strKey, strText] : expected)
    {
        ASSERT_TRUE(map.Has(strKey)) << strKey;
        EXPECT_EQ(map.List(strKey), CReportMap::Texts{strText}) << strKey;
    }
}

// The rows of a layout as "caption value" lines, every section in order.
inline std::vector<std::string> LinesOf(const SReportLayout& layout)
{
    std::vector<std::string> lines;
    for (const auto* pSections : {&layout.product, &layout.application})
        for (const SReportSection& section : *pSections)
            for (const SReportRow& row : section.rows)
                lines.push_back(row.strLabel + " " + row.strValue);
    return lines;
}

inline bool Contains(const std::vector<std::string>& lines, const std::string& strLine)
{
    return std::find(lines.begin(), lines.end(), strLine) != lines.end();
}

// A picture of that name that carries JPEG bytes.
inline void ExpectJpeg(const SReportPicture& picture, const std::string& strName)
{
    EXPECT_EQ(picture.strName, strName);
    ASSERT_GE(picture.bytes.size(), 2u) << strName;
    EXPECT_EQ(picture.bytes[0], 0xFF) << strName;
    EXPECT_EQ(picture.bytes[1], 0xD8) << strName;
}

class CReportOwner : public ISelectionOwner
{
public:
    IDatabase* Database() override { return m_pDb; }
    int ProdId() const override { return m_nProdId; }
    std::string DefaultUnit(int nCategoryId) const override
    {
        return CDefaultUnits::Standard().GetDefaultUnit(nCategoryId);
    }
    const CBaseProduct* CurrentSelection() const override { return nullptr; }

    IDatabase* m_pDb = nullptr;
    int m_nProdId = 0;
};

class CReportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pDb = OpenBuiltCatalogue();
        ASSERT_TRUE(m_pDb) << "the built catalogue is missing";
        m_owner.m_pDb = m_pDb.get();
        d.m_pOwner = &m_owner;
        d.m_nLevel = 3;
        // The model as Choose Model and Choose Details leave it, model number PA31-4-2.5G-NS.
        d.strAccumulatorType = "Piston";
        d.strAccumulatorDesc = "Piston, 4 in Bore";
        d.cpcSeriesCode = CPartCode("PA", 1, "Piston Accumulator, Inch");
        d.cpcPressureCode = CPartCode("3", 2, "3000 psi");
        d.cpcDesignNumber = CPartCode("1", 3, "Standard SAE Ports");
        d.cpcNomBoreCode = CPartCode("-4", 4, "4 in Bore");
        d.cpcCapCode = CPartCode("-2.5G", 5, "2.5 gal");
        d.cpcSealCode = CPartCode("-N", 6, "Nitrile (NBR)");
        d.cpcConstCode = CPartCode("S", 7, "Carbon Steel");
        d.cpcPortCode = CPartCode("1", 0, "Standard Ports");
        d.cudMaxPressure.Set(3000.0, "PSIG");
        d.cudCapacityAccEach.Set(2.5, "GAL");
        d.cudBoreDisplay.Set(4.0, "IN");
        d.siQty.Set(1, "NONE");
        d.siGBQty.Set(0, "NONE");
        d.strApproval = "None";
        context.pDatabase = m_pDb.get();
        context.nProdId = 0;
        context.strProdType = "Accumulators";
        context.strProdDescription = "Piston, bladder and diaphragm accumulators sized for your application.";
        context.applicationFolder = m_folder;
        context.now = {2001, 3, 5, 14, 7, 9};
    }

    SSelectionReport Report() { return PrintSelectionReport(d, context); }

    std::unique_ptr<IDatabase> m_pDb;
    CReportOwner m_owner;
    CAccumulatorData d;
    SReportContext context;
    std::filesystem::path m_folder = std::filesystem::path("/opt/tesmara");
};
