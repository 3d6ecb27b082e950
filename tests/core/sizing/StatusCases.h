// Table-driven refusals of the sizing functions: one change to a base case and the status it must give.
#pragma once

#include "sizing/SizingResult.h"

#include <gtest/gtest.h>

#include <initializer_list>

template <class In> struct SCase
{
    void (*change)(In&);
    sizing::ESizingStatus eExpected;
};

// Nothing is sized in any case, and a refusal says why.
template <class In, class Fn>
void ExpectStatuses(const In& base, std::initializer_list<SCase<In>> cases, Fn size)
{
    for (const SCase<In>& c : cases)
    {
        In in = base;
        c.change(in);
        const auto r = size(in);
        EXPECT_EQ(r.eStatus, c.eExpected) << r.strReason;
        EXPECT_EQ(r.eStatus == sizing::ESizingStatus::CannotCompute, !r.strReason.empty());
        EXPECT_EQ(r.dRequiredIn3, 0.0);
    }
}
