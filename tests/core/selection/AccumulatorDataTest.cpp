// The accumulator selection: starting values, resets by level, catalogue defaults, copying
// and comparing.
#include "../catalogue/CatalogueFixture.h"
#include "BuiltCatalogue.h"
#include "RecordingPrompt.h"
#include "SelectionSupport.h"

#include "units/UnitTable.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
// A selection with every field set to a value of its own.
CAccumulatorData Filled()
{
    CAccumulatorData d;
    CSelectionFiller(d).Fill();
    return d;
}

void ExpectUnit(const CUnitDouble& value, double dValue, const std::string& strUnit, const char* pszName)
{
    EXPECT_EQ(value.Value(), dValue) << pszName;
    EXPECT_EQ(value.GetUnit(), strUnit) << pszName;
}
} // namespace

TEST(AccumulatorData, InitializeWithoutOwnerUsesStandardUnitsAndAsksNothing)
{
    CPromptCapture prompt;
    CAccumulatorData d;
    d.sdAllowedMaxTemperature.Set(250.0, "DEG_F");
    d.Initialize(0);
    EXPECT_TRUE(prompt->Texts().empty());
    ExpectUnit(d.sdAllowedMaxTemperature, 250.0, "DEG_F", "limit kept without a catalogue");
    EXPECT_EQ(d.cpcSealCode, CPartCode());
    EXPECT_EQ(d.deSelectApp, 8);
    ExpectUnit(d.sdSysTemperature, 70.0, "DEG_F", "sdSysTemperature");
    ExpectUnit(d.sdHoldValveSize, 0.75, "IN", "sdHoldValveSize");
    ExpectUnit(d.sdMaxSysPress, 0.0, "PSIG", "sdMaxSysPress");
    ExpectUnit(d.sdPulsationPumpDisp, 0.0, "CU_IN_REV", "sdPulsationPumpDisp");
    ExpectUnit(d.cudMinFluidTempFluidCompatibility, 60.0, "DEG_F", "min compatible");
    ExpectUnit(d.cudMaxFluidTempFluidCompatibility, 110.0, "DEG_F", "max compatible");
}

TEST(AccumulatorData, InitializeReadsLimitsAndSealDefaultFromTheCatalogue)
{
    CPromptCapture prompt;
    auto pDb = OpenBuiltCatalogue();
    ASSERT_TRUE(pDb);
    CFakeOwner owner; // metric defaults
    owner.m_pDb = pDb.get();
    CAccumulatorData d;
    d.m_pOwner = &owner;
    d.Initialize(0);
    EXPECT_TRUE(prompt->Texts().empty());
    // Values of the catalogue sources; the capacity only by unit and sign.
    ExpectUnit(d.sdAllowedMaxTemperature, 400.0, "DEG_F", "max temperature");
    ExpectUnit(d.sdAllowedMinTemperature, -65.0, "DEG_F", "min temperature");
    EXPECT_EQ(d.sdAllowedMaxAccumulatorVol.GetUnit(), "CU_M");
    EXPECT_GT(d.sdAllowedMaxAccumulatorVol.Value(), 0.0);
    EXPECT_EQ(d.sdAllowedMaxAccumulatorPress.GetUnit(), "PA");
    EXPECT_DOUBLE_EQ(d.sdAllowedMaxAccumulatorPress.Value(), 6000.0 * 6894.757 + 101314.224); // 6000 psi
    EXPECT_EQ(d.cpcSealCode.m_strCode, "-N");
    EXPECT_EQ(d.cpcSealCode.m_nLocation, 0);
    ExpectUnit(d.sdSysTemperature, 70.0, "DEG_C", "the owner's default unit");

    d.strAccumulatorType = "GB";
    d.Initialize(3);
    EXPECT_EQ(d.cpcSealCode, CPartCode()) << "gas bottles have no seal default";
    d.strAccumulatorType = "Bladder";
    d.Initialize(3);
    EXPECT_EQ(d.cpcSealCode.m_strCode, "-N");
}

TEST(AccumulatorData, MissingCatalogueRowsShowDataMissingAndKeepTheValues)
{
    CTempFolder folder;
    WriteDatabase(folder.Path() / "AccUS.db", R"sql(
        CREATE TABLE QueryDefs(Name TEXT PRIMARY KEY, Sql TEXT);
        INSERT INTO QueryDefs VALUES
          ('qMaxCapacity', 'SELECT 1.0 AS MaxCapacity WHERE 0'), ('qMaxPressure', 'SELECT 1.0 AS MaxPressure WHERE 0'),
          ('qMaxTemperature', 'SELECT 1.0 AS MaxTemp WHERE 0'), ('qMinTemperature', 'SELECT 1.0 AS MinTemp WHERE 0'),
          ('qSealInitialization', 'SELECT ''-N'' AS "Default" WHERE :parAccumType = ''none''');)sql");
    IDatabase db;
    ASSERT_TRUE(db.Open(folder.Path(), "Acc", "US"));
    CPromptCapture prompt;
    CFakeOwner owner;
    owner.m_pDb = &db;
    CAccumulatorData d;
    d.m_pOwner = &owner;
    d.sdAllowedMaxAccumulatorVol.Set(2.0, "L");
    d.Initialize(0);
    EXPECT_EQ(prompt->Texts(), std::vector<std::string>(5, "Data Missing!"));
    ExpectUnit(d.sdAllowedMaxAccumulatorVol, 2.0, "L", "kept");
    EXPECT_EQ(d.cpcSealCode, CPartCode());
}

TEST(AccumulatorData, EachLevelKeepsWhatCameBeforeIt)
{
    const CAccumulatorData filled = Filled();
    const CPartCode port = filled.cpcPortCode;

    CAccumulatorData d = Filled();
    d.Initialize(3);
    EXPECT_EQ(static_cast<const SApplicationData&>(d), static_cast<const SApplicationData&>(filled));
    EXPECT_EQ(d.cpcSeriesCode, filled.cpcSeriesCode);
    EXPECT_EQ(d.cudBoreDisplay, filled.cudBoreDisplay);
    EXPECT_EQ(d.m_strDescription, filled.m_strDescription);
    EXPECT_EQ(d.cpcPortCode, port) << "the port code is reset only from the model step on";
    EXPECT_EQ(d.cpcConstCode, CPartCode());
    EXPECT_EQ(d.m_strPartNo, "");
    EXPECT_EQ(d.strSelectedFluid, "");

    d = Filled();
    d.Initialize(2);
    EXPECT_EQ(static_cast<const SApplicationData&>(d), static_cast<const SApplicationData&>(filled));
    EXPECT_EQ(d.m_lstEvents, filled.m_lstEvents);
    EXPECT_EQ(d.cpcSeriesCode, CPartCode());
    EXPECT_EQ(d.strAccumulatorType, "Piston");
    EXPECT_EQ(d.cpcPortCode, CPartCode());

    for (int nLevel : {0, 1})
    {
        d = Filled();
        d.strFluidCompatDescription = "compatible";
        d.Initialize(nLevel);
        EXPECT_EQ(d.deSelectApp, 8) << nLevel;
        EXPECT_EQ(d.m_lstEvents, filled.m_lstEvents) << "no level touches the events";
        EXPECT_EQ(d.m_caSelectedOptionArray, filled.m_caSelectedOptionArray) << nLevel;
        EXPECT_EQ(d.cpcOptionCode, filled.cpcOptionCode) << nLevel;
        EXPECT_EQ(d.eGasBottleType, filled.eGasBottleType) << nLevel;
        EXPECT_EQ(d.strFluidCompatDescription, "compatible") << nLevel;
        EXPECT_EQ(d.m_strCadNo, filled.m_strCadNo) << nLevel;
        EXPECT_EQ(d.strApplicationText, filled.strApplicationText) << nLevel;
        // Values whose unit no level sets keep it.
        EXPECT_EQ(d.sdVolRatio.GetUnit(), filled.sdVolRatio.GetUnit());
        EXPECT_EQ(d.siHoldNoOfValves.GetUnit(), filled.siHoldNoOfValves.GetUnit());
        EXPECT_EQ(d.siHoldNoOfValves.Value(), 1);
    }
}

TEST(AccumulatorData, CompareSeesTheLevelCodeListsEventOrderUnitsAndThePumpAnswer)
{
    CPromptCapture prompt;
    CAccumulatorData a = Filled();
    a.sdShockResponseTime.Set(2.0, "SEC");
    const std::function<void(CAccumulatorData&)> kChanges[] = {
        [](CAccumulatorData& d) { ++d.m_nLevel; },
        [](CAccumulatorData& d) { d.m_lstCodes[0].m_nTag = 5; },
        [](CAccumulatorData& d) { d.m_lstDefaultCodes.clear(); },
        [](CAccumulatorData& d) { std::swap(d.m_lstEvents[0], d.m_lstEvents[1]); },
        [](CAccumulatorData& d) { d.sdShockResponseTime.Set(2.0, "MIN"); },
        [](CAccumulatorData& d) { d.siGBQty.Set(d.siGBQty.Value(), ""); },
        [](CAccumulatorData& d) { d.bIsPumpRunning = 1; },
    };
    for (std::size_t i = 0; i < std::size(kChanges); ++i)
    {
        CAccumulatorData c(a);
        kChanges[i](c);
        EXPECT_FALSE(c.IsEqual(a)) << "change " << i;
    }
    EXPECT_TRUE(prompt->Texts().empty());

    CAccumulatorData b(a);
    CFakeOwner owner;
    b.m_pOwner = &owner;
    EXPECT_FALSE(b.IsSameAsStored()) << "the owner holds no selection";
    owner.m_pCurrent = &a;
    EXPECT_TRUE(b.IsSameAsStored());
    b.sdFlowRate.SetValue(-1.0);
    EXPECT_FALSE(b.IsSameAsStored());
}

TEST(AccumulatorData, EveryFieldIsCopiedAssignedAndCompared)
{
    CPromptCapture prompt;
    const auto stored = [](CAccumulatorData& d)
    {
        CArchive ar;
        d.Serialize(ar);
        return ar.Bytes();
    };
    CAccumulatorData plain;
    CSelectionFiller filler(plain);
    filler.Fill();
    const int nFields = filler.FieldCount();
    ASSERT_EQ(nFields, 142); // 102 of the selection, 12 of each of 3 events, 2 of each of 2 options
    for (int k = 0; k < nFields; ++k)
    {
        // One field (events and options included) set to another value.
        CAccumulatorData changed;
        CSelectionFiller(changed, k).Fill();
        ASSERT_NE(stored(changed), stored(plain)) << "field " << k;
        // The fluid compatibility text, the last field, is stored but neither compared nor copied.
        const bool bCompared = k != nFields - 1;
        EXPECT_EQ(changed.IsEqual(plain), !bCompared) << "field " << k;
        CAccumulatorData copy(changed), assigned;
        assigned = changed;
        for (CAccumulatorData* pCopy : {&copy, &assigned})
        {
            EXPECT_TRUE(pCopy->IsEqual(changed)) << "field " << k;
            EXPECT_EQ(pCopy->strFluidCompatDescription, "") << "field " << k;
            pCopy->strFluidCompatDescription = changed.strFluidCompatDescription;
            EXPECT_EQ(stored(*pCopy), stored(changed)) << "field " << k;
        }
    }
    // The operating range is neither stored nor compared, but a copy and an assignment carry it.
    CAccumulatorData ranged, assigned;
    ranged.m_operatingTemperatures = {true, true, CUnitDouble(-20.0, "DEG_F"), CUnitDouble(140.0, "DEG_F")};
    assigned = ranged;
    const CUnitDouble hot(140.0, "DEG_F");
    EXPECT_TRUE(assigned.m_operatingTemperatures.sdOperatingTempMax.IsIdentical(hot));
    EXPECT_TRUE(CAccumulatorData(ranged).m_operatingTemperatures.sdOperatingTempMax.IsIdentical(hot));
    EXPECT_TRUE(prompt->Texts().empty());
}

TEST(DefaultUnits, PresetsCoverEveryCategoryWithUnitsOfThatCategory)
{
    for (const CDefaultUnits* pUnits : {&CDefaultUnits::Standard(), &CDefaultUnits::Metric()})
        for (int nCategory : CDefaultUnits::CategoryIds())
        {
            const CUnitObject* pUnit = FindUnit(pUnits->GetDefaultUnit(nCategory));
            ASSERT_NE(pUnit, nullptr) << nCategory;
            EXPECT_EQ(pUnit->m_iCategoryID, nCategory);
        }
    // 21098 is a unit's text, not a category.
    EXPECT_EQ(CDefaultUnits::Standard().GetDefaultUnit(21098), "");
    EXPECT_FALSE(CDefaultUnits().SetDefaultUnit(21098, "PSIG"));
}
