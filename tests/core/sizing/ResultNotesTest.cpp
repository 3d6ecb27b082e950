// The critical-event note: two numbers filled into the catalogue's sentence, other "%" left alone.
#include "sizing/ResultNotes.h"

#include <gtest/gtest.h>

TEST(ResultNotesTest, FillsTwoNumbersAndLeavesOtherPercentSigns)
{
    EXPECT_EQ(sizing::FillIntegers("A %i, E %i, 5 % and %i %s", 12, 3), "A 12, E 3, 5 % and %i %s");
    EXPECT_EQ(sizing::FillIntegers("%i", 7, 8), "7");
}
