// The rapid selection's cascade on the built catalogue (only choices, placeholders, a changed
// series, lists left empty) and its agreement with the model and details steps on one model of
// each type: the same model number, report, drawing row and order pad line.
#include "CatalogueCopy.h"
#include "../selection/SelectionSupport.h"
#include "BuiltCatalogue.h"
#include "models/DetailsStep.h"
#include "models/GasBottleSearch.h"
#include "models/ModelSearch.h"
#include "models/OvrisolModel.h"
#include "models/RapidSelection.h"
#include "outputs/ReportData.h"
#include "outputs/ReportLayout.h"
#include "selection/OvrisolBase.h"

#include <gtest/gtest.h>

namespace
{
using Choices = std::vector<std::pair<std::string, std::string>>;

class CRapidTest : public ::testing::Test
{
protected:
    void SetUp() override { Open(OpenBuiltCatalogue()); }
    void Open(std::unique_ptr<IDatabase> pDb)
    {
        ASSERT_TRUE(pDb);
        m_pDb = std::move(pDb);
        m_owner.m_pDb = m_pDb.get();
    }
    // The series preselected, then each list's code in turn.
    CRapidSelection Rapid(const std::string& strType, const std::string& strSeries, const Choices& choices)
    {
        CRapidSelection rapid(*FindRapidType(strType), *m_pDb);
        EXPECT_TRUE(rapid.SelectCode(0, strSeries));
        for (const auto& [strList, strCode] : choices)
            EXPECT_TRUE(rapid.SelectCode(FindRapidList(rapid.Type(), strList), strCode)) << strList << "=" << strCode;
        return rapid;
    }
    std::string ModelNumber(const CRapidSelection& rapid)
    {
        m_owner.m_nProdId = rapid.Type().nProdId;
        return rapid.MakeSelection(m_owner)->BuildPartNumber();
    }
    // The codes each list offers, "-" for an empty list, "*" before the chosen one.
    static std::vector<std::string> Offered(const CRapidSelection& rapid)
    {
        std::vector<std::string> lists;
        for (const SRapidListState& list : rapid.Lists())
        {
            std::string strCodes = list.bEnabled ? "" : "off:";
            for (std::size_t i = 0; i < list.items.size(); ++i)
            {
                strCodes.append(i ? " " : "").append(static_cast<int>(i) == list.nSelected ? "*" : "");
                strCodes += list.items[i].code.m_strCode;
            }
            lists.push_back(strCodes.empty() || strCodes == "off:" ? strCodes + "-" : strCodes);
        }
        return lists;
    }

    std::unique_ptr<IDatabase> m_pDb;
    CFakeOwner m_owner;
};
} // namespace

TEST_F(CRapidTest, OnlyChoicesAreTakenAtOnceAndPlaceholdersAddNothing)
{
    // A 40 gal bottle has one shell and one pressure class: both are taken, the gas port waits.
    const CRapidSelection bottle = Rapid("GB", "GB", {{"size", "-40G"}});
    EXPECT_EQ(bottle.Waiting(), 4);
    EXPECT_EQ(Offered(bottle), (std::vector<std::string>{"*GB", "-2.5G -10L -5G -20L -10G -50L -15G -75L -20G *-40G", "*_", "*3", "-S -F -B -M",
                                                         "off:-", "off:-", "off:-"}));
    // The isolator's pressure, port, variation and design are each an only choice; "_" adds nothing.
    const CRapidSelection isolator = Rapid("OV", "OV", {{"size", "-40"}, {"bladder", "-E"}});
    EXPECT_TRUE(isolator.IsComplete());
    EXPECT_EQ(ModelNumber(isolator), "OV-40-S-E-1F");
    EXPECT_EQ(Offered(isolator)[4], "*F");
    // A piston with standard ports: the four port lists hold the bore's standard ports only, and the
    // model number leaves them out, as the details step does.
    const CRapidSelection piston = Rapid("Piston", "PA",
                                         {{"bore", "-4"}, {"construction", "S"}, {"options", "-G"}, {"capacity", "-150"},
                                          {"pressure", "3"}, {"design", "1"}, {"seal", "-V"}});
    EXPECT_TRUE(piston.IsComplete());
    const std::vector<std::string> offered = Offered(piston);
    EXPECT_EQ(std::vector<std::string>(offered.begin() + 8, offered.end()),
              (std::vector<std::string>{"*-S", "*16", "*V", "*04"}));
    EXPECT_EQ(ModelNumber(piston), "PA31-4-150-VS-G");
}

TEST_F(CRapidTest, AChangeClearsEveryLaterListAndTheModelNumberStartsAfresh)
{
    CRapidSelection bladder = Rapid("Bladder", "BA",
                                    {{"size", "-5G"}, {"construction", "S"}, {"pressure", "3"}, {"port", "S"},
                                     {"seal", "-N"}, {"modification", "-T"}, {"certification", "_"}});
    ASSERT_TRUE(bladder.IsComplete());
    EXPECT_EQ(ModelNumber(bladder), "BA31-5G-NSS-T");
    // No code of the earlier choice stays in the new model number.
    ASSERT_TRUE(bladder.SelectCode(6, "_"));
    EXPECT_EQ(bladder.Waiting(), 7);
    ASSERT_TRUE(bladder.SelectCode(7, "_"));
    EXPECT_EQ(ModelNumber(bladder), "BA31-5G-NSS");

    // Another series: its sizes wait, every later list is empty and disabled, nothing is complete.
    ASSERT_TRUE(bladder.SelectCode(0, "BH"));
    EXPECT_FALSE(bladder.IsComplete());
    EXPECT_EQ(Offered(bladder), (std::vector<std::string>{"BA *BH", "-1G -2.5G -5G -10G -15G", "off:-", "off:-",
                                                          "off:-", "off:-", "off:-", "off:-", "off:-"}));
}

TEST_F(CRapidTest, AnEmptyListIsPassedOverAndWhatNeedsItsChoiceIsNotAsked)
{
    // A catalogue whose bladder modifications and piston port types are all withdrawn.
    const auto copy = CopyOfCatalogue("AccUS.db");
    Exec(copy, "UPDATE QueryDefs SET Sql = 'SELECT Code, CodeLocation, Description FROM DetailChoices "
               "WHERE :parSeries || :parSize || :parPressure = 0' WHERE Name = 'qDpnsBladderMod1';"
               "UPDATE QueryDefs SET Sql = 'SELECT TypeCode, Location AS CodeLocation, Type FROM PistonPortTypes "
               "WHERE :parAccumType || :parBoreSize || :parDesignNumber || :parPressure || :parSide = 0' "
               "WHERE Name = 'qDpnsPistonModificationPort'");
    auto pDb = std::make_unique<IDatabase>();
    ASSERT_TRUE(pDb->Open(copy.parent_path(), "Acc", "US"));
    Open(std::move(pDb));

    // The certification after the empty list still waits: no model number without it.
    CRapidSelection bladder = Rapid("Bladder", "BA",
                                    {{"size", "-5G"}, {"construction", "S"}, {"pressure", "3"}, {"port", "S"}, {"seal", "-N"}});
    EXPECT_EQ(Offered(bladder)[6], "off:-");
    EXPECT_EQ(bladder.Waiting(), 7);
    ASSERT_TRUE(bladder.SelectCode(7, "-CE"));
    EXPECT_EQ(ModelNumber(bladder), "BA31-5G-NSS-CE");

    // The port sizes need a port type: their query is not run (it would miss a parameter).
    const CRapidSelection piston = Rapid("Piston", "PA",
                                         {{"bore", "-4"}, {"construction", "S"}, {"options", "_"}, {"capacity", "-150"},
                                          {"pressure", "3"}, {"design", "3"}, {"seal", "-N"}});
    EXPECT_TRUE(piston.IsComplete());
    const std::vector<std::string> offered = Offered(piston);
    EXPECT_EQ(std::vector<std::string>(offered.begin() + 8, offered.end()),
              (std::vector<std::string>{"off:-", "off:-", "off:-", "off:-"}));
}

namespace
{
struct SAgreement
{
    const char* pszType;
    const char* pszSeries;
    Choices rapid;
    double dRequired; // gal: the known capacity, or the isolator's cylinders
    const char* pszCapacity;
    const char* pszBore;
    const char* pszPressure;
    DetailChoices details;
    const char* pszModelNumber;
};

// The model and details steps: a known capacity at 3000 psi (a bottle at its pressure class; an
// isolator for the cylinders' volume), the model of the case's codes, then the details named.
std::unique_ptr<CBaseProduct> ByTheSteps(const SAgreement& c, CFakeOwner& owner, IDatabase& db)
{
    if (std::string(c.pszType) == "OV")
    {
        auto pIsolator = std::make_unique<COvrisolBase>();
        pIsolator->m_pOwner = &owner;
        pIsolator->Initialize(0);
        pIsolator->cudCylinderCapacity.Set(c.dRequired, "GAL");
        pIsolator->cudAccumulatorCapacity.Set(0.0, "GAL");
        const std::vector<SOvrisolSize> sizes = OvrisolSizes(*pIsolator, db);
        EXPECT_FALSE(sizes.empty());
        const SDetailList bladders = OvrisolBladders("OV", c.details.front().second, db);
        ApplyOvrisolModel(*pIsolator, sizes.front(), *bladders.Selected(), *pIsolator, db);
        pIsolator->m_nLevel = 2;
        return pIsolator;
    }
    CAccumulatorData model;
    model.m_pOwner = &owner;
    model.Initialize(0);
    if (std::string(c.pszType) == "GB")
    {
        const CUnitDouble pressure(210.0, "BARG");
        for (const SGbList& row : GasBottleList(2, pressure, db))
            if (row.capacityCode.m_strCode == c.pszCapacity)
                ApplyGasBottleChoice(model, row, pressure, 2, "N", db);
    }
    else
    {
        model.deSelectApp = app::KnownCapacity;
        model.sdMaxSysPress.Set(3000.0, "PSIG");
        model.sdRequiredAccumulatorVol.Set(c.dRequired, "GAL");
        const SModelSearch search = RunModelSearch(model, db);
        for (const SAccumulatorList& row : search.rows)
            if (row.series.m_strCode == c.pszSeries && row.capacity.m_strCode == c.pszCapacity &&
                row.bore.m_strCode == c.pszBore && row.pressure.m_strCode == c.pszPressure && row.qty.Value() == 1)
                ApplyModelChoice(model, row, search, "N", db);
    }
    EXPECT_EQ(model.cpcCapCode.m_strCode, c.pszCapacity);
    model.m_nLevel = 2;
    CAccumulatorData working(model);
    auto pResult = std::make_unique<CAccumulatorData>(model);
    pResult->Initialize(3);
    std::string strError;
    EXPECT_TRUE(ApplyDetailsStep(working, *pResult, model, c.details, db, strError)) << strError;
    pResult->m_nLevel = 3;
    return pResult;
}

// What the user gets of a selection: the report's model, details, options and dimensions, the
// drawing's mailbox row and the order pad's part number and description.
SReportLayout Layout(const CBaseProduct& selection, int nProdId, IDatabase& db)
{
    SReportContext context;
    context.pDatabase = &db;
    context.nProdId = nProdId;
    return ReportLayout(PrintSelectionReport(selection, context).map);
}

std::vector<std::string> Outputs(CBaseProduct& selection, int nProdId, IDatabase& db)
{
    const SReportLayout layout = Layout(selection, nProdId, db);
    std::vector<std::string> texts = {selection.BuildPartNumber(), selection.GetPartDescription(),
                                      layout.strModelNumber, layout.strDescription};
    std::vector<SReportSection> sections = layout.product;
    sections.push_back(layout.options);
    sections.push_back(layout.dimensions);
    for (const SReportSection& section : sections)
        for (const SReportRow& row : section.rows)
            texts.push_back(row.strLabel + ": " + row.strValue);
    for (const auto& [strName, strValue] : selection.GetCadConversion().params)
        texts.push_back(strName + "=" + strValue);
    return texts;
}
} // namespace

TEST_F(CRapidTest, AgreesWithTheModelAndDetailsStepsOnOneModelOfEachType)
{
    const SAgreement cases[] = {
        {"Piston", "PA",
         {{"bore", "-4"}, {"construction", "P"}, {"options", "-M"}, {"capacity", "-150"}, {"pressure", "3"},
          {"design", "2"}, {"seal", "-H"}, {"port-type", "-B"}, {"port-size", "16"}, {"gas-port-type", "V"}},
         149.0 / 231.0, "-150", "-4", "3",
         {{"seal", "-H"}, {"port", "2"}, {"construction", "Carbon Steel"}, {"approval", "P"}, {"porttype", "-B"},
          {"portsize", "16"}, {"gasporttype", "V"}, {"gasportsize", "04"}, {"option", "M"}},
         "PA32-4-150-H-B16V04P-M"},
        {"Bladder", "BA",
         {{"size", "-5G"}, {"construction", "B"}, {"pressure", "3"}, {"port", "F"}, {"seal", "-E"},
          {"modification", "-S"}, {"certification", "-CE"}},
         5.0, "-5G", "", "3",
         {{"seal", "-E"}, {"construction", "B"}, {"modification", "-S"}, {"certification", "-CE"}, {"hydraulicport", "F"}},
         "BA31-5G-EFB-CE-S"},
        {"Diaphragm", "DA",
         {{"size", "-50"}, {"construction", "T"}, {"pressure", "3"}, {"diaphragm", "-L"}, {"variation", "-DN"}},
         49.0 / 231.0, "-50", "", "3", {{"seal", "-L"}, {"construction", "T"}, {"certification", "-DN"}}, "DA3S-50-LT-DN"},
        {"GB", "GB", {{"size", "-20L"}, {"gas-port", "-M"}, {"valve-port", "0"}}, 0.0, "-20L", "", "K",
         {{"gasport", "-M"}, {"valveport", "0"}}, "GBK-20L-M0"},
        {"OV", "OV", {{"size", "-40"}, {"bladder", "-E"}}, 30.0, "-40", "", "", {{"bladder", "-E"}}, "OV-40-S-E-1F"},
    };
    for (const SAgreement& c : cases)
    {
        SCOPED_TRACE(c.pszType);
        const CRapidSelection rapid = Rapid(c.pszType, c.pszSeries, c.rapid);
        ASSERT_TRUE(rapid.IsComplete());
        m_owner.m_nProdId = rapid.Type().nProdId;
        const std::unique_ptr<CBaseProduct> pRapid = rapid.MakeSelection(m_owner);
        const std::unique_ptr<CBaseProduct> pSteps = ByTheSteps(c, m_owner, *m_pDb);
        const std::vector<std::string> outputs = Outputs(*pRapid, m_owner.m_nProdId, *m_pDb);
        EXPECT_EQ(outputs.front(), c.pszModelNumber);
        EXPECT_EQ(outputs, Outputs(*pSteps, m_owner.m_nProdId, *m_pDb));
        // Nothing was sized: the report shows no application.
        EXPECT_TRUE(Layout(*pRapid, m_owner.m_nProdId, *m_pDb).application.empty());
    }
}
