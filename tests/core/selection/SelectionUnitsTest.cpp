// A selection file whose unit codes the program does not know, or of the wrong kind, is refused.
#include "CompleteSelections.h"
#include "selection/AccumulatorData.h"
#include "selection/SelectionFile.h"

#include <gtest/gtest.h>

namespace
{
std::string Refusal(const CAccumulatorData& data)
{
    std::string strError;
    EXPECT_FALSE(ReadSelectionBytes(WriteSelectionBytes(UsHeader(), data), strError, "x.Ac3").has_value());
    return strError;
}
} // namespace

TEST(SelectionUnits, AnUnknownOrForeignUnitCodeIsRefused)
{
    const std::string kNotValid = "x.Ac3 is not a valid Accumulator selection file. ";
    CAccumulatorData data;
    data.ResetApplication(data);
    // "5 " and a model 2,000 times too small: an unknown code converts to 0 wherever it is used.
    data.sdRequiredAccumulatorVol.Set(5.0, "GALLONS");
    EXPECT_EQ(Refusal(data), kNotValid + "The field sdRequiredAccumulatorVol holds the unit code \"GALLONS\", "
                                         "which is not a unit of Volume.");
    data.sdRequiredAccumulatorVol.Set(5.0, "GAL");
    data.sdMaxSysPress.Set(3000.0, "SEC");
    EXPECT_EQ(Refusal(data),
              kNotValid + "The field sdMaxSysPress holds the unit code \"SEC\", which is not a unit of Pressure.");
    data.sdMaxSysPress.Set(3000.0, "PSIG");
    data.m_lstEvents.resize(2);
    data.m_lstEvents[1].sdEvDuration.Set(2.0, "IN");
    EXPECT_EQ(Refusal(data), kNotValid + "The field m_lstEvents[1].sdEvDuration holds the unit code \"IN\", which "
                                         "is not a unit of Time.");
    data.m_lstEvents[1].sdEvDuration.Set(2.0, "SEC");
    data.siQty.Set(2, "GAL");
    EXPECT_EQ(Refusal(data), kNotValid + "The field siQty holds the unit code \"GAL\", which is not NONE.");
}
