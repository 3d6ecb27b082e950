// The model search on the built catalogue at the edges its rows sit on: a pressure exactly at a
// rating, a capacity exactly at a size, the pressures and volumes that add query families; the
// search pressure and flow of each application; and what choosing a row stores.
#include "models/ModelSearch.h"
#include "BuiltCatalogue.h"
#include "RecordingPrompt.h"
#include "selection/AccumulatorData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace
{
using Strings = std::vector<std::string>;

class CModelSearchTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pDb = OpenBuiltCatalogue();
        ASSERT_TRUE(m_pDb) << "the built catalogue is missing";
        d.ResetApplication(d);
        d.deSelectApp = app::KnownCapacity;
    }

    SModelSearch Search(double dPressure, const char* pszPressureUnit, double dCapacity,
                        const char* pszVolumeUnit)
    {
        d.sdMaxSysPress.Set(dPressure, pszPressureUnit);
        d.sdRequiredAccumulatorVol.Set(dCapacity, pszVolumeUnit);
        return RunModelSearch(d, *m_pDb);
    }

    // The rows of one series, as "pressure code/bore code/capacity code x qty".
    static Strings Rows(const SModelSearch& search, const std::string& strSeries)
    {
        Strings rows;
        for (const SAccumulatorList& row : search.rows)
            if (row.series.m_strCode == strSeries)
                rows.push_back(row.pressure.m_strCode + "/" + row.bore.m_strCode + "/" +
                               row.capacity.m_strCode + " x" + std::to_string(row.qty.Value()));
        return rows;
    }

    static bool HasPressureCode(const SModelSearch& search, const std::string& strSeries,
                                const std::string& strCode)
    {
        return std::any_of(search.rows.begin(), search.rows.end(),
                           [&](const SAccumulatorList& row) {
                               return row.series.m_strCode == strSeries && row.pressure.m_strCode == strCode;
                           });
    }

    std::unique_ptr<IDatabase> m_pDb;
    CAccumulatorData d;
};

const Strings kBase = {"qModelPiston", "qModelMetricPiston", "qModelBladder", "qModelDiaphragm"};
} // namespace

TEST_F(CModelSearchTest, APressureExactlyAtARatingIsServedByThatRating)
{
    EXPECT_TRUE(HasPressureCode(Search(3000.0, "PSIG", 1.0, "GAL"), "PA", "3"));
    EXPECT_FALSE(HasPressureCode(Search(3000.001, "PSIG", 1.0, "GAL"), "PA", "3"));
    EXPECT_TRUE(HasPressureCode(Search(3000.001, "PSIG", 1.0, "GAL"), "PA", "4"));
    // A metric rating in gauge bar, entered in gauge bar, absolute bar and psi.
    EXPECT_TRUE(HasPressureCode(Search(210.0, "BARG", 1.0, "GAL"), "PM", "K"));
    EXPECT_FALSE(HasPressureCode(Search(210.0001, "BARG", 1.0, "GAL"), "PM", "K"));
    EXPECT_TRUE(HasPressureCode(Search(211.0, "BAR", 1.0, "GAL"), "PM", "K"));    // 209.99 bar g
    EXPECT_FALSE(HasPressureCode(Search(211.1, "BAR", 1.0, "GAL"), "PM", "K"));   // 210.09 bar g
    EXPECT_TRUE(HasPressureCode(Search(3031.0, "PSIA", 1.0, "GAL"), "PM", "K"));  // 207.97 bar g
    EXPECT_FALSE(HasPressureCode(Search(3061.0, "PSIA", 1.0, "GAL"), "PM", "K")); // 210.04 bar g
}

TEST_F(CModelSearchTest, ACapacityExactlyAtASizeNeedsOneUnit)
{
    const SModelSearch exact = Search(3000.0, "PSIG", 1.0, "GAL");
    EXPECT_EQ(Rows(exact, "PA")[1], "3/-4/-1G x1");
    const SModelSearch above = Search(3000.0, "PSIG", 1.00001, "GAL");
    EXPECT_EQ(Rows(above, "PA")[1], "3/-4/-2.5G x1");
    // 150 in3 fills one unit of the 3 in bore exactly; a little more takes two of them.
    d.sdActVolDisplacement.Set(0.0, "CU_IN");
    const Strings one = Rows(Search(3000.0, "PSIG", 150.0, "CU_IN"), "PA");
    EXPECT_NE(std::find(one.begin(), one.end(), "3/-3/-150 x1"), one.end());
    const Strings two = Rows(Search(3000.0, "PSIG", 150.001, "CU_IN"), "PA");
    EXPECT_NE(std::find(two.begin(), two.end(), "3/-3/-100 x2"), two.end());
    // The grid shows the rating and the totals in the row's own units.
    const SAccumulatorList& row = exact.rows[1];
    const Strings cells = GridCells(row);
    EXPECT_EQ(cells[1], "3000 psi");
    EXPECT_EQ(cells[3], "1");
}

TEST_F(CModelSearchTest, PressuresAndVolumesThatAddQueryFamilies)
{
    const auto with = [](Strings queries, const char* pszQuery, std::size_t nAt)
    {
        queries.insert(queries.begin() + static_cast<std::ptrdiff_t>(nAt), pszQuery);
        return queries;
    };
    // The high-pressure bladders: above 3000 and below 4000 psig, and above 5000.
    EXPECT_EQ(Search(3000.0, "PSIG", 1.0, "GAL").queries, kBase);
    EXPECT_EQ(Search(3000.01, "PSIG", 1.0, "GAL").queries, with(kBase, "qModelApp22Bladder", 4));
    EXPECT_EQ(Search(3999.99, "PSIG", 1.0, "GAL").queries, with(kBase, "qModelApp22Bladder", 4));
    EXPECT_EQ(Search(4000.0, "PSIG", 1.0, "GAL").queries, kBase);
    EXPECT_EQ(Search(5000.0, "PSIG", 1.0, "GAL").queries, kBase);
    EXPECT_EQ(Search(5000.01, "PSIG", 1.0, "GAL").queries, with(kBase, "qModelApp22Bladder", 4));

    // Gas bottles: a pump application above 30 gallons, up to 3000 psig.
    d.deSelectApp = app::SupplementingPumpFlow;
    d.sdActVolDisplacement.Set(2.0, "GAL");
    d.sdActuationTime.Set(3.0, "SEC");
    const Strings bottles = with(with(kBase, "qModelPistonGB", 3), "qModelMetricPistonGB", 4);
    EXPECT_EQ(Search(3000.0, "PSIG", 30.0, "GAL").queries, kBase);
    EXPECT_EQ(Search(3000.0, "PSIG", 30.001, "GAL").queries, bottles);
    EXPECT_EQ(Search(3000.01, "PSIG", 31.0, "GAL").queries, with(kBase, "qModelApp22Bladder", 4));
    d.deSelectApp = app::Holding;
    EXPECT_EQ(Search(3000.0, "PSIG", 31.0, "GAL").queries, kBase);

    // An entered pump displacement (pulsation) has no piston models.
    d.sdPulsationPumpDisp.Set(1.0, "CU_IN_REV");
    EXPECT_EQ(Search(3000.0, "PSIG", 1.0, "GAL").queries, (Strings{"qModelBladder", "qModelDiaphragm"}));
}

TEST_F(CModelSearchTest, EachApplicationSearchesWithItsOwnPressureAndFlow)
{
    // Supplementing pump flow: what the pump cannot deliver during the actuation, never below 0.
    d.deSelectApp = app::SupplementingPumpFlow;
    d.sdActVolDisplacement.Set(2.0, "GAL");
    d.sdActuationTime.Set(3.0, "SEC");
    d.sdEnterPumpSize.Set(10.0, "GPM");
    SModelSearch search = Search(3000.0, "PSIG", 5.0, "GAL");
    EXPECT_TRUE(search.bFlowShown);
    EXPECT_EQ(search.requiredFlow.GetUnit(), "GPM");
    EXPECT_NEAR(search.requiredFlow.Value(), 2.0 / (3.0 * 0.01667) - 10.0, 1e-9);
    d.sdEnterPumpSize.Set(60.0, "GPM");
    EXPECT_EQ(Search(3000.0, "PSIG", 5.0, "GAL").requiredFlow.Value(), 0.0);

    // Multiple events: the largest net flow of the cycle.
    d.deSelectApp = app::MultipleEvents;
    d.cudFlow.Set(25.0, "LPM");
    EXPECT_TRUE(Search(3000.0, "PSIG", 5.0, "GAL").requiredFlow.IsIdentical(CUnitDouble(25.0, "LPM")));

    // The shock applications search at the shock pressure; pump response with its flow.
    d.deSelectApp = app::PumpResponse;
    d.sdFlowRate.Set(40.0, "GPM");
    d.sdShockMaxShockPress.Set(3100.0, "PSIG");
    search = Search(2900.0, "PSIG", 1.0, "GAL");
    EXPECT_TRUE(search.searchPressure.IsIdentical(CUnitDouble(3100.0, "PSIG")));
    EXPECT_FALSE(HasPressureCode(search, "PA", "3"));
    EXPECT_TRUE(search.requiredFlow.IsIdentical(CUnitDouble(40.0, "GPM")));
    for (int nApp : {app::ShockSuppression, app::Pulsation})
    {
        d.deSelectApp = nApp;
        search = Search(2900.0, "PSIG", 1.0, "GAL");
        EXPECT_TRUE(search.searchPressure.IsIdentical(CUnitDouble(3100.0, "PSIG"))) << nApp;
        EXPECT_FALSE(search.bFlowShown) << nApp;
        EXPECT_EQ(search.requiredFlow.Value(), 0.0) << nApp;
    }
}

// Over a range of capacities: a piston with gas bottles holds the actuator's fluid itself, and
// takes one to six bottles.
TEST_F(CModelSearchTest, APistonWithGasBottlesHoldsTheFluidAndTakesAtMostSixBottles)
{
    d.deSelectApp = app::SupplementingPumpFlow;
    d.sdActVolDisplacement.Set(8.0, "GAL");
    d.sdActuationTime.Set(3.0, "SEC");
    d.sdEnterPumpSize.Set(10.0, "GPM");
    int nRows = 0;
    for (double dGal = 20.0; dGal <= 400.0; dGal += 10.0)
        for (const SAccumulatorList& row : Search(3000.0, "PSIG", dGal, "GAL").rows)
            if (row.bGasBottle)
            {
                ++nRows;
                EXPECT_GE(row.capacityEach.GetValue("GAL"), 8.0) << dGal << " gal";
                EXPECT_TRUE(row.gbQty.Value() >= 1 && row.gbQty.Value() <= 6) << dGal << " gal: " << row.gbQty.Value();
            }
    EXPECT_GT(nRows, 0);
}

TEST_F(CModelSearchTest, ChoosingAPistonWithGasBottlesStoresTheirTotals)
{
    d.deSelectApp = app::SupplementingPumpFlow;
    d.sdActVolDisplacement.Set(2.0, "GAL");
    d.sdActuationTime.Set(3.0, "SEC");
    d.sdEnterPumpSize.Set(10.0, "GPM");
    const SModelSearch search = Search(3000.0, "PSIG", 40.0, "GAL");
    const auto it =
        std::find_if(search.rows.begin(), search.rows.end(),
                     [](const SAccumulatorList& row) { return row.bGasBottle && row.gbQty.Value() > 1; });
    ASSERT_NE(it, search.rows.end()) << "no piston with two or more gas bottles for 40 gallons";
    const SAccumulatorList& row = *it;
    // The row's total: the piston and its bottles, in the piston's unit.
    ASSERT_EQ(row.gbCapacity.GetUnit(), row.capacityEach.GetUnit());
    EXPECT_NEAR(row.capacityTotal.Value(),
                row.capacityEach.Value() + row.gbQty.Value() * row.gbCapacity.Value(), 1e-9);
    EXPECT_GE(row.capacityTotal.GetValue("GAL"), 40.0);

    CPromptCapture prompt;
    ApplyModelChoice(d, row, search, "Y", *m_pDb);
    EXPECT_TRUE(d.cudCapacityAccEach.IsIdentical(row.capacityEach));
    EXPECT_TRUE(d.cudCapacityAccTotal.IsIdentical(row.capacityTotal));
    EXPECT_TRUE(d.cudCapacityGBEach.IsIdentical(row.gbCapacity));
    EXPECT_EQ(d.cudCapacityGBTotal.GetUnit(), row.gbCapacity.GetUnit());
    EXPECT_EQ(d.cudCapacityGBTotal.Value(), row.gbCapacity.Value() * row.gbQty.Value());
    EXPECT_EQ(d.siGBQty.Value(), row.gbQty.Value());
    EXPECT_EQ(d.siQty.Value(), 1);
    EXPECT_EQ(d.bGasBottle, 1);
    EXPECT_EQ(d.cpcGBPartNumber.m_strCode, row.gbPartNumber.m_strCode);
    EXPECT_EQ(d.strOversizePorts, "Y");
    EXPECT_TRUE(d.cudFlow.IsIdentical(search.requiredFlow)); // kept for a pump application
    EXPECT_TRUE(prompt->Texts().empty());

    // The row held now is preselected; the same model in another quantity is not.
    EXPECT_EQ(PreselectedRow(search.rows, d), static_cast<int>(it - search.rows.begin()));
    d.siGBQty.SetValue(d.siGBQty.Value() + 1);
    EXPECT_NE(PreselectedRow(search.rows, d), static_cast<int>(it - search.rows.begin()));
}
