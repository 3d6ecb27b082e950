// Which grid row is the model a selection holds, once its details have been chosen too.
#include "BuiltCatalogue.h"

#include "catalogue/Catalogue.h"
#include "models/ModelSearch.h"
#include "selection/AccumulatorData.h"

#include <gtest/gtest.h>

TEST(ModelSearch, TheHeldModelIsFoundAfterItsDetailsChangedThePortStyle)
{
    auto pDb = OpenBuiltCatalogue();
    ASSERT_TRUE(pDb);
    CAccumulatorData data;
    data.Initialize(0);
    data.deSelectApp = app::KnownCapacity;
    data.sdRequiredAccumulatorVol = CUnitDouble(100.0, "CU_IN");
    data.sdMaxSysPress = CUnitDouble(3000.0, "PSIG");
    const SModelSearch search = RunModelSearch(data, *pDb);
    ASSERT_GT(search.rows.size(), 3u);
    ApplyModelChoice(data, search.rows[2], search, "N", *pDb);
    EXPECT_EQ(PreselectedRow(search.rows, data), 2);
    data.cpcDesignNumber = CPartCode("3", 3, "Special Ports (Flanged or Custom Arrangement)");
    EXPECT_EQ(PreselectedRow(search.rows, data), 2);

    // The same body twice, in different numbers: the number held tells them apart.
    std::vector<SAccumulatorList> twice = {search.rows[0], search.rows[0]};
    twice[1].qty = CUnitInt(3, "NONE");
    ApplyModelChoice(data, twice[1], search, "N", *pDb);
    EXPECT_EQ(PreselectedRow(twice, data), 1);
    // Rows without gas bottles leave the gas bottle cells blank.
    EXPECT_EQ(GridCells(search.rows[0])[8], "");
}
